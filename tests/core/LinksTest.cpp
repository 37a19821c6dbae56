// SPDX-License-Identifier: GPL-3.0-or-later
// Symbolic links in the player's folders, made for real: nothing is written through a link the
// utility did not choose, and no mode changes through one. (A store that is a link is written
// where it points: HostileInputTest, for every command.)
#include "core/files/SetupFileRename.h"
#include "core/game/GameProfile.h"
#include "core/platform/FileIO.h"
#include "support/StoreBytes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tarvelin;

namespace
{

const GameProfile& kGame = DirtTrackRacingProfile;
const QByteArray kOutsideBytes = "the player's notes\n";

class LinksTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        outsideFile = outside.filePath(QStringLiteral("notes.txt"));
        fixture::writeFile(outsideFile, kOutsideBytes);
        ASSERT_TRUE(setReadOnly(outsideFile));
    }

    static void link(const QString& target, const QString& at)
    {
        ASSERT_TRUE(QFile::link(target, at)) << at.toStdString();
    }
    void expectOutsideUntouched() const
    {
        EXPECT_EQ(fixture::readFile(outsideFile), kOutsideBytes);
        EXPECT_TRUE(isReadOnly(outsideFile)) << "a mode was changed through a link";
    }

    QTemporaryDir outside;
    QTemporaryDir setups;
    QString outsideFile;
};

// Export and store-export onto a link are walked by the file door matrix (tests/process).
TEST_F(LinksTest, RenameRefusesATargetThatIsALink)
{
    const QString source = setups.filePath(QStringLiteral("Mine.set"));
    fixture::writeFile(source, fixture::dtrSlot("Mine", 1));
    link(outsideFile, setups.filePath(QStringLiteral("Taken.set")));
    const SetupFileRenameOutcome renamed =
        renameSetupFile(setups.path(), "Mine.set", "Taken", kGame);
    EXPECT_EQ(renamed.result, RenameResult::NotRenamed);
    EXPECT_EQ(fixture::readFile(source), fixture::dtrSlot("Mine", 1));
    EXPECT_TRUE(QFileInfo(setups.filePath("Taken.set")).isSymLink());
    expectOutsideUntouched();
}

TEST_F(LinksTest, RenamingALinkNeverMakesWhatItPointsToWritable)
{
    link(outsideFile, setups.filePath(QStringLiteral("Friend.set")));
    // Refused (the same name), and accepted: neither changes the target's mode.
    renameSetupFile(setups.path(), "Friend.set", "Friend", kGame);
    expectOutsideUntouched();
    EXPECT_FALSE(setNormal(setups.filePath(QStringLiteral("Friend.set"))).ok);
    EXPECT_FALSE(setReadOnly(setups.filePath(QStringLiteral("Friend.set"))).ok);
    expectOutsideUntouched();
}

TEST(FreshFile, ReplacesWhateverIsThereWithANewFileAndNeverWritesThroughALink)
{
    QTemporaryDir folder;
    const QString target = folder.filePath(QStringLiteral("target"));
    const QString scratch = folder.filePath(QStringLiteral("scratch"));
    fixture::writeFile(target, "keep");
    for (const bool dangling : {false, true}) {
        if (dangling)
            QFile::remove(target);
        ASSERT_TRUE(QFile::link(target, scratch));
        ASSERT_TRUE(writeFreshFile(scratch, "new bytes"));
        EXPECT_FALSE(QFileInfo(scratch).isSymLink());
        EXPECT_EQ(fixture::readFile(scratch), "new bytes");
        EXPECT_EQ(QFileInfo::exists(target), !dangling);
        if (!dangling) {
            EXPECT_EQ(fixture::readFile(target), "keep");
        }
        QFile::remove(scratch);
    }
    // A leftover regular file is replaced too; a folder in its place is not ours to remove.
    fixture::writeFile(scratch, "old leftover, longer than the new bytes");
    ASSERT_TRUE(writeFreshFile(scratch, "new"));
    EXPECT_EQ(fixture::readFile(scratch), "new");
    QFile::remove(scratch);
    ASSERT_TRUE(QDir().mkdir(scratch));
    EXPECT_FALSE(writeFreshFile(scratch, "new").ok);
    EXPECT_TRUE(QFileInfo(scratch).isDir());
}

} // namespace
