// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/app/Launcher.h"

#include "core/app/GameControllerSettings.h"
#include "support/FakeDriveTable.h"
#include "support/FakeProgramStarter.h"
#include "support/StoreBytes.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tarvelin;
using fixture::FakeDriveTable;
using fixture::FakeProgramStarter;

namespace
{

const QString sr0 = QStringLiteral("/dev/sr0");
const QString sr1 = QStringLiteral("/dev/sr1");

// A disc with `launcher` in its root, mounted from `device`.
struct Disc {
    QTemporaryDir root;
    explicit Disc(const char* launcher)
    {
        if (*launcher)
            fixture::writeFile(root.filePath(QString::fromLatin1(launcher)), "MZ");
    }
};

TEST(opticalDiscRoot, UsesOnlyTheFirstOpticalDrive)
{
    FakeDriveTable drives;
    EXPECT_EQ(opticalDiscRoot(drives), QStringLiteral("Unknown"));

    drives.drives = {sr0, sr1};
    drives.mounts = {{sr1, QStringLiteral("/media/cdrom1")}};
    EXPECT_EQ(opticalDiscRoot(drives), QStringLiteral("Unknown"));

    drives.mounts.insert(sr0, QStringLiteral("/media/cdrom0"));
    EXPECT_EQ(opticalDiscRoot(drives), QStringLiteral("/media/cdrom0"));
}

// The first optical drive whose disc holds the launcher, else the first disc image that does; the
// launcher runs in the game's Wine, from the disc's root. Any failure gives the game's CD message.
TEST(Launch, StartsLaunchExeFromTheDiscRootInTheGamesWineOrGivesTheCdMessage)
{
    Disc upper("LAUNCH.EXE");
    Disc image("launch.exe");
    Disc otherCd("Setup.exe");
    const WineSetup wine{QStringLiteral("/home/p/Games/dtr"), QStringLiteral("/runner/bin/wine")};
    struct Case {
        const char* what;
        QStringList drives;
        QMap<QString, QString> mounts;
        QStringList images;
        const char* started;        // the launcher's name on the disc it is started from
        const Disc* disc = nullptr; // none: no launcher is found
        bool startSucceeds = true;
    };
    const Case cases[] = {
        {"disc in the drive",
         {sr0},
         {{sr0, upper.root.path()}},
         {image.root.path()},
         "LAUNCH.EXE",
         &upper},
        {"image, no drive", {}, {}, {otherCd.root.path(), image.root.path()}, "launch.exe", &image},
        {"image, empty drive", {sr0}, {}, {image.root.path()}, "launch.exe", &image},
        {"image, another disc in the drive",
         {sr0},
         {{sr0, otherCd.root.path()}},
         {image.root.path()},
         "launch.exe",
         &image},
        {"no optical drive", {}, {}, {}, ""},
        {"nothing mounted", {sr0}, {}, {}, ""},
        {"another CD", {sr0}, {{sr0, otherCd.root.path()}}, {}, ""},
        {"another CD as an image", {}, {}, {otherCd.root.path()}, ""},
        {"game CD in the second drive", {sr0, sr1}, {{sr1, upper.root.path()}}, {}, ""},
        {"cannot be started", {sr0}, {{sr0, upper.root.path()}}, {}, "LAUNCH.EXE", &upper, false},
    };
    for (const Case& c : cases) {
        for (const GameProfile* profile : {&DirtTrackRacingProfile, &SprintCarsProfile}) {
            SCOPED_TRACE(testing::Message() << c.what << ", " << profile->id.toStdString());
            FakeDriveTable drives;
            drives.drives = c.drives;
            drives.mounts = c.mounts;
            drives.images = c.images;
            FakeProgramStarter starter;
            starter.succeeds = c.startSucceeds;

            const LaunchOutcome outcome = Launch(*profile, drives, starter, wine);
            const bool done = c.disc && c.startSucceeds;
            EXPECT_EQ(outcome.done, done);
            const std::vector<Message> cdMissing{
                {profile->CdMissingMessage, MessageIcon::Exclamation}};
            EXPECT_EQ(outcome.messages, done ? std::vector<Message>{} : cdMissing);
            ASSERT_EQ(starter.starts.size(), c.disc ? 1 : 0);
            if (!c.disc)
                continue;
            const QString root = c.disc->root.path();
            EXPECT_EQ(starter.starts[0].program, root + u'/' + QLatin1String(c.started));
            EXPECT_TRUE(starter.starts[0].args.isEmpty());
            EXPECT_EQ(starter.starts[0].workingDirectory, root);
            EXPECT_EQ(starter.starts[0].wine, wine);
        }
    }
}

// jstest-gtk is the desktop's own; joy.cpl only counts in the game's prefix.
TEST(GameControllerSettings, WinesPanelOpensInTheGamesWine)
{
    const WineSetup wine{QStringLiteral("/home/p/.local/share/bottles/bottles/DTR"), {}};
    FakeProgramStarter starter;
    EXPECT_TRUE(startGameControllerSettings(starter, wine).done);
    ASSERT_EQ(starter.starts.size(), 1);
    EXPECT_EQ(starter.starts[0].program, QStringLiteral("jstest-gtk"));
    EXPECT_EQ(starter.starts[0].wine, WineSetup{});

    starter.succeeds = false;
    EXPECT_FALSE(startGameControllerSettings(starter, wine).done);
    ASSERT_EQ(starter.starts.size(), 3);
    EXPECT_EQ(starter.starts[2].program, QStringLiteral("wine"));
    EXPECT_EQ(starter.starts[2].args, (QStringList{"control", "joy.cpl"}));
    EXPECT_EQ(starter.starts[2].wine, wine);
}

// The kernel's tables, written into a folder that stands in for /proc and /dev.
TEST(SystemDriveTable, ReadsTheKernelTablesInDriveOrder)
{
    QTemporaryDir dir;
    const QString dev = dir.filePath(QStringLiteral("dev"));
    SystemDriveTable::Paths paths{dir.filePath(QStringLiteral("cdrom-info")),
                                  dir.filePath(QStringLiteral("mounts")), dev};
    QDir(dir.path()).mkdir(QStringLiteral("dev"));
    for (const char* node : {"sr0", "sr1", "sr10"})
        fixture::writeFile(dev + u'/' + QLatin1String(node), {});
    QFile::link(dev + QStringLiteral("/sr1"), dev + QStringLiteral("/cdrom"));
    const SystemDriveTable table(paths);

    // Without the cdrom table the sr nodes are used, in number order.
    const QStringList nodes{dev + QStringLiteral("/sr0"), dev + QStringLiteral("/sr1"),
                            dev + QStringLiteral("/sr10")};
    EXPECT_EQ(table.opticalDrives(), nodes);
    // The kernel lists its newest drive first.
    fixture::writeFile(paths.cdromInfo, "CD-ROM information, Id: cdrom.c 3.20 2003/12/17\n\n"
                                        "drive name:\t\tsr10\tsr1\tsr0\n"
                                        "drive speed:\t\t24\t24\t24\n");
    EXPECT_EQ(table.opticalDrives(), nodes);

    const QByteArray mounts = "sysfs /sys sysfs rw 0 0\n" + dev.toUtf8() +
                              "/sr0 /media/player/DIRT\\040TRACK iso9660 ro 0 0\n" + dev.toUtf8() +
                              "/cdrom /mnt/sprint iso9660 ro 0 0\n";
    fixture::writeFile(paths.mounts, mounts);
    EXPECT_EQ(table.mountPoint(nodes[0]), QStringLiteral("/media/player/DIRT TRACK"));
    EXPECT_EQ(table.mountPoint(nodes[1]), QStringLiteral("/mnt/sprint"));
    EXPECT_EQ(table.mountPoint(nodes[2]), QString());
    EXPECT_EQ(table.discImageRoots(), QStringList());

    // Disc images are loop mounts of an iso9660 or udf file system; a disc in a drive is not one.
    fixture::writeFile(paths.mounts, mounts + "/dev/loop0 /media/player/DTR\\040CD iso9660 ro 0 0\n"
                                              "/dev/sda1 /home ext4 rw 0 0\n"
                                              "/dev/loop1 /mnt/sc udf ro 0 0\n");
    EXPECT_EQ(table.discImageRoots(), (QStringList{"/media/player/DTR CD", "/mnt/sc"}));
}

TEST(ProgramStarter, WindowsProgramsRunThroughWine)
{
    QTemporaryDir dir;
    const QString exe = dir.filePath(QStringLiteral("Launch.exe"));
    const QString script = dir.filePath(QStringLiteral("launch.sh"));
    fixture::writeFile(exe, QByteArray("MZ\x90\0", 4));
    fixture::writeFile(script, "#!/bin/sh\n");
    const QStringList args{QStringLiteral("-x")};

    const QString wine = QStringLiteral("wine");
    const WineSetup lutris{QStringLiteral("/home/p/Games/dtr"),
                           QStringLiteral("/runners/bin/wine")};
    const WineSetup prefixOnly{QStringLiteral("/home/p/.wine-dtr"), {}};
    struct Case {
        QString program;
        WineSetup setup;
        StartCommand command;
    };
    const Case cases[] = {
        {exe, {}, {wine, {exe, "-x"}, {}}},
        {exe, prefixOnly, {wine, {exe, "-x"}, prefixOnly.prefix}},
        {exe, lutris, {lutris.wine, {exe, "-x"}, lutris.prefix}},
        {wine, lutris, {lutris.wine, args, lutris.prefix}},
        {wine, {}, {wine, args, {}}},
        // Only Windows programs run in the game's Wine.
        {script, lutris, {script, args, {}}},
        {QStringLiteral("jstest-gtk"), lutris, {QStringLiteral("jstest-gtk"), args, {}}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(commandFor(c.program, args, c.setup), c.command) << c.program.toStdString();
}

} // namespace
