// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/app/Launcher.h"

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

TEST(Launch, StartsLaunchExeFromTheDiscRootWithoutTellingAnything)
{
    for (const char* name : {"Launch.exe", "LAUNCH.EXE"}) {
        Disc disc(name);
        FakeDriveTable drives;
        drives.drives = {sr0};
        drives.mounts = {{sr0, disc.root.path()}};
        FakeProgramStarter starter;

        const LaunchOutcome outcome = Launch(DirtTrackRacingProfile, drives, starter);
        EXPECT_TRUE(outcome.done) << name;
        EXPECT_TRUE(outcome.messages.empty()) << name;
        ASSERT_EQ(starter.starts.size(), 1) << name;
        EXPECT_EQ(starter.starts[0].program, disc.root.filePath(QString::fromLatin1(name)));
        EXPECT_TRUE(starter.starts[0].args.isEmpty());
        EXPECT_EQ(starter.starts[0].workingDirectory, disc.root.path());
    }
}

TEST(Launch, EveryFailureGivesTheProfilesCdMessage)
{
    Disc withLauncher("Launch.exe");
    Disc otherCd("Setup.exe");
    struct Case {
        const char* what;
        QStringList drives;
        QMap<QString, QString> mounts;
        bool startSucceeds;
        int startsTried;
    };
    const Case cases[] = {
        {"no optical drive", {}, {}, true, 0},
        {"nothing mounted", {sr0}, {}, true, 0},
        {"another CD", {sr0}, {{sr0, otherCd.root.path()}}, true, 0},
        {"game CD in the second drive", {sr0, sr1}, {{sr1, withLauncher.root.path()}}, true, 0},
        {"cannot be started", {sr0}, {{sr0, withLauncher.root.path()}}, false, 1},
    };
    for (const Case& c : cases) {
        for (const GameProfile* profile : {&DirtTrackRacingProfile, &SprintCarsProfile}) {
            FakeDriveTable drives;
            drives.drives = c.drives;
            drives.mounts = c.mounts;
            FakeProgramStarter starter;
            starter.succeeds = c.startSucceeds;

            const LaunchOutcome outcome = Launch(*profile, drives, starter);
            EXPECT_FALSE(outcome.done) << c.what;
            EXPECT_EQ(starter.starts.size(), c.startsTried) << c.what;
            const std::vector<Message> cdMissing{
                {profile->CdMissingMessage, MessageIcon::Exclamation}};
            EXPECT_EQ(outcome.messages, cdMissing) << c.what;
        }
    }
    EXPECT_EQ(SprintCarsProfile.CdMissingMessage,
              QStringLiteral("Your Sprint Car Racing cd is not in the cdrom"));
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
}

TEST(ProgramStarter, WindowsProgramsRunThroughWine)
{
    QTemporaryDir dir;
    const QString exe = dir.filePath(QStringLiteral("Launch.exe"));
    const QString script = dir.filePath(QStringLiteral("launch.sh"));
    fixture::writeFile(exe, QByteArray("MZ\x90\0", 4));
    fixture::writeFile(script, "#!/bin/sh\n");
    const QStringList args{QStringLiteral("-x")};

    EXPECT_EQ(commandFor(exe, args), (StartCommand{QStringLiteral("wine"), {exe, "-x"}}));
    EXPECT_EQ(commandFor(script, args), (StartCommand{script, args}));
    EXPECT_EQ(commandFor(QStringLiteral("jstest-gtk"), {}),
              (StartCommand{QStringLiteral("jstest-gtk"), {}}));
}

} // namespace
