#include "folder/FolderRules.h"
#include "gamewindow/GameProfile.h"
#include "platform/AddressSource.h"
#include "shell/Registry.h"
#include "support/StoreBytes.h"

#include <QDir>
#include <QHostAddress>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tarvelin;

namespace
{

const QString kKey = QString::fromLatin1(UtilityKey);

class FolderRulesTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(registry.ensureCreated()); }

    QString remembered(const QString& valueName) const
    {
        return registryText(registry.QueryValue(kKey, valueName));
    }
    QString makeFolder(const QString& name) const
    {
        QDir(dir.path()).mkpath(name);
        return folderPath(dir.filePath(name));
    }

    QTemporaryDir dir;
    Registry registry{dir.filePath(QStringLiteral("registry.reg"))};
    const QString dtrValue = DirtTrackRacingProfile.FolderValueName;
    const QString scValue = SprintCarsProfile.FolderValueName;
};

TEST_F(FolderRulesTest, FolderChangeRemembersOnlyItsOwnGameAndListsMatchingFiles)
{
    const QString setups = makeFolder(QStringLiteral("setups"));
    for (const char* name : {"b.set", "A.SET", "c.settings", "d.dts", "notes.txt"})
        fixture::writeFile(setups + u'/' + QString::fromLatin1(name), "x");
    const QString scFolder = makeFolder(QStringLiteral("sprint"));
    rememberFolder(registry, scValue, scFolder);

    const QList<Volume> volumes{{QStringLiteral("/"), true}};
    const FolderView view =
        changeFolder(&registry, dtrValue, setups, DirtTrackRacingProfile.SetupFilePattern, volumes);
    EXPECT_EQ(view.files, (QStringList{"A.SET", "b.set", "c.settings"}));
    EXPECT_EQ(view.counters, (FileCounters{"0", "3"}));
    EXPECT_EQ(view.drive, QStringLiteral("/"));
    EXPECT_EQ(remembered(dtrValue), setups);
    EXPECT_EQ(remembered(scValue), scFolder);

    // Moving again replaces the value; the other game's stays.
    changeFolder(&registry, dtrValue, scFolder, DirtTrackRacingProfile.SetupFilePattern, volumes);
    EXPECT_EQ(remembered(dtrValue), scFolder);
    EXPECT_EQ(remembered(scValue), scFolder);
}

TEST_F(FolderRulesTest, RestoreFallsBackToTheCurrentFolderWhenEmptyOrMissing)
{
    const QString current = makeFolder(QStringLiteral("current"));
    EXPECT_EQ(folderToRestore(registry, dtrValue, current), current); // never remembered

    const QString kept = makeFolder(QStringLiteral("kept/"));
    rememberFolder(registry, dtrValue, kept + u'/');
    EXPECT_EQ(folderToRestore(registry, dtrValue, current), kept);

    rememberFolder(registry, dtrValue, dir.filePath(QStringLiteral("removed")));
    EXPECT_EQ(folderToRestore(registry, dtrValue, current), current);
    rememberFolder(registry, dtrValue, QString());
    EXPECT_EQ(folderToRestore(registry, dtrValue, current), current);
}

TEST_F(FolderRulesTest, DriveChangeGoesToTheDrivesCurrentFolderOrFails)
{
    const QString root = makeFolder(QStringLiteral("usb"));
    const QString inner = makeFolder(QStringLiteral("usb/setups"));
    DriveFolders folders;
    EXPECT_EQ(changeDrive({root, true}, folders).folder, root);
    folders.remember(root, inner);
    EXPECT_EQ(changeDrive({root, true}, folders).folder, inner);
    EXPECT_FALSE(changeDrive({root, false}, folders).ok());

    // A folder removed since it was visited: back to the root.
    QDir(inner).removeRecursively();
    EXPECT_EQ(changeDrive({root, true}, folders).folder, root);
    // A volume whose root is gone cannot be read.
    EXPECT_FALSE(changeDrive({dir.filePath(QStringLiteral("gone")), true}, folders).ok());

    const Message message = driveNotReadyMessage(QStringLiteral("/media/floppy"));
    EXPECT_EQ(message.text, QStringLiteral("/media/floppy/.  This device is not ready."));
    EXPECT_EQ(message.icon, MessageIcon::Critical);
    EXPECT_EQ(message.title, QStringLiteral("TarvelinSetupUtility"));
    EXPECT_EQ(driveNotReadyMessage(QStringLiteral("/")).text,
              QStringLiteral("/.  This device is not ready."));
}

TEST(VolumeOf, PicksTheLongestRootOnAPathBoundary)
{
    const QList<Volume> volumes{{"/", true}, {"/media/usb", true}, {"/media/usb/inner", true}};
    EXPECT_EQ(volumeOf("/media/usb/setups", volumes), QStringLiteral("/media/usb"));
    EXPECT_EQ(volumeOf("/media/usb", volumes), QStringLiteral("/media/usb"));
    EXPECT_EQ(volumeOf("/media/usb/inner/x", volumes), QStringLiteral("/media/usb/inner"));
    EXPECT_EQ(volumeOf("/media/usb2/setups", volumes), QStringLiteral("/"));
    EXPECT_EQ(volumeOf("/home", {{"/home/x", true}}), QStringLiteral("/"));
}

TEST(FileClick, CountsFromOneAndCutsTheExactSuffix)
{
    const FileClick click = clickFile(QStringLiteral("Track 1.set"), 2, 5, QStringLiteral(".set"));
    EXPECT_EQ(click.counters, (FileCounters{"3", "5"}));
    EXPECT_EQ(click.frameCaption, QStringLiteral("Track 1.set"));
    EXPECT_EQ(click.renameText, QStringLiteral("Track 1"));
    EXPECT_EQ(clickFile("my.settings.set", 0, 1, ".set").renameText, QStringLiteral("my"));
    EXPECT_EQ(clickFile("TRACK.SET", 0, 1, ".set").renameText, QStringLiteral("TRACK.SET"));
    EXPECT_EQ(fileCounters(-1, 0), (FileCounters{"0", "0"}));
}

TEST(NetworkAddressSource, GivesADottedIpv4Address)
{
    QHostAddress address;
    ASSERT_TRUE(address.setAddress(NetworkAddressSource().localAddress()));
    EXPECT_EQ(address.protocol(), QAbstractSocket::IPv4Protocol);
}

} // namespace
