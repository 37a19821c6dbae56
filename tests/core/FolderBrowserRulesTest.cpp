// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/FolderRules.h"
#include "core/game/GameProfile.h"
#include "core/platform/AddressSource.h"
#include "core/registry/Registry.h"
#include "support/FileTree.h"
#include "support/StoreBytes.h"

#include <QDir>
#include <QHostAddress>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tarvelin;

namespace
{

class FolderRulesTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(registry.ensureCreated()); }

    QTemporaryDir dir;
    Registry registry{dir.filePath(QStringLiteral("registry.reg"))};
    const QString dtrValue = DirtTrackRacingProfile.FolderValueName;
};

TEST_F(FolderRulesTest, RestoreFallsBackToTheCurrentFolderWhenEmptyOrMissing)
{
    const QString current = fixture::makeFolder(dir.path(), QStringLiteral("current"));
    EXPECT_EQ(folderToRestore(registry, dtrValue, current), current); // never remembered

    const QString kept = fixture::makeFolder(dir.path(), QStringLiteral("kept/"));
    rememberFolder(registry, dtrValue, kept + u'/');
    EXPECT_EQ(folderToRestore(registry, dtrValue, current), kept);

    rememberFolder(registry, dtrValue, dir.filePath(QStringLiteral("removed")));
    EXPECT_EQ(folderToRestore(registry, dtrValue, current), current);
    rememberFolder(registry, dtrValue, QString());
    EXPECT_EQ(folderToRestore(registry, dtrValue, current), current);
}

TEST_F(FolderRulesTest, RememberingTheSameFolderLeavesTheRegistryFileAlone)
{
    const QString path = registry.filePath();
    const auto inode = [&] {
        return fixture::inodeOf(path);
    };
    const QString key = QString::fromLatin1(UtilityKey);
    const QString first = fixture::makeFolder(dir.path(), QStringLiteral("first"));
    const QString second = fixture::makeFolder(dir.path(), QStringLiteral("second"));
    rememberFolder(registry, dtrValue, first);
    ASSERT_TRUE(registry.SetKeyValue(key, QStringLiteral("After"), QStringLiteral("kept"),
                                     RegistryType::String));

    const quint64 before = inode();
    rememberFolder(registry, dtrValue, first);
    EXPECT_EQ(inode(), before);

    // A new folder replaces the value where it stands; the values after it stay after it.
    rememberFolder(registry, dtrValue, second);
    EXPECT_NE(inode(), before);
    EXPECT_EQ(folderToRestore(registry, dtrValue, first), second);
    const QByteArray text = fixture::readFile(path);
    EXPECT_EQ(text.count("second"), 1);
    EXPECT_FALSE(text.contains("first"));
    EXPECT_LT(text.indexOf("second"), text.indexOf("\"After\"=\"kept\""));
}

TEST_F(FolderRulesTest, DriveChangeGoesToTheDrivesCurrentFolderOrFails)
{
    const QString root = fixture::makeFolder(dir.path(), QStringLiteral("usb"));
    const QString inner = fixture::makeFolder(dir.path(), QStringLiteral("usb/setups"));
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
    EXPECT_EQ(volumeOf("/media/usb/inner/x", volumes), QStringLiteral("/media/usb/inner"));
    EXPECT_EQ(volumeOf("/media/usb2/setups", volumes), QStringLiteral("/"));
    EXPECT_EQ(volumeOf("/home", {{"/home/x", true}}), QStringLiteral("/"));
}

TEST(NetworkAddressSource, GivesADottedIpv4Address)
{
    QHostAddress address;
    ASSERT_TRUE(address.setAddress(NetworkAddressSource().localAddress()));
    EXPECT_EQ(address.protocol(), QAbstractSocket::IPv4Protocol);
}

} // namespace
