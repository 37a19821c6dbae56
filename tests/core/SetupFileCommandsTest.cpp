#include "core/files/SetupFileDelete.h"
#include "core/files/SetupFileRename.h"
#include "core/game/GameProfile.h"
#include "core/platform/FileIO.h"
#include "support/FakeTrash.h"
#include "support/StoreBytes.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tarvelin;

namespace
{

class SetupFileCommands : public ::testing::Test
{
protected:
    void SetUp() override { fixture::writeFile(path("Track 1.set"), setup); }
    void TearDown() override { setFileFaultHook({}); }

    QString path(const QString& name) const { return folder.filePath(name); }
    SetupFileRenameOutcome rename(const QString& selected, const QString& newName)
    {
        return RenameSetupFile(folder.path(), selected, newName, DirtTrackRacingProfile);
    }

    QTemporaryDir folder;
    const QByteArray setup = fixture::usedSlot("Track 1", 6, 3);
};

TEST_F(SetupFileCommands, RenameLeavesTheNewFileReadOnlyAndTheOldOneGone)
{
    const SetupFileRenameOutcome outcome = rename("Track 1.set", "Oval");
    EXPECT_EQ(outcome.message, Message{QStringLiteral("Track 1.set was renamed sucessfully.")});
    EXPECT_TRUE(outcome.refreshFileList);
    EXPECT_FALSE(QFile::exists(path("Track 1.set")));
    EXPECT_EQ(fixture::readFile(path("Oval.set")), setup);
    EXPECT_TRUE(isReadOnly(path("Oval.set")));
    EXPECT_EQ(RenameSetupFile(folder.path(), "Oval.set", "Sprint", SprintCarsProfile).newFileName,
              QStringLiteral("Sprint.dts"));
}

TEST_F(SetupFileCommands, RenameRefusalsOnlyMakeTheSelectedFileWritable)
{
    const QString itself = QStringLiteral("Can't rename a file to itself. Try Again.");
    const QString noName = QStringLiteral("Please choose the file's new name.");
    const std::vector<std::tuple<QString, QString, QString, FileFocus>> cases{
        {"", "Oval", "Please choose a file to rename", FileFocus::FileList},
        {"Track 1.set", "Track 1", itself, FileFocus::RenameField},
        {"Track 1.set", "Track 1.set", itself, FileFocus::RenameField},
        {"Track 1.set", "", noName, FileFocus::RenameField},
        {"Track 1.set", "New File Name", noName, FileFocus::RenameField},
    };
    for (const auto& [selected, newName, text, focus] : cases) {
        ASSERT_TRUE(setReadOnly(path("Track 1.set")));
        const SetupFileRenameOutcome outcome = rename(selected, newName);
        EXPECT_EQ(outcome.message, Message{text}) << newName.toStdString();
        EXPECT_EQ(outcome.focus, focus);
        EXPECT_EQ(outcome.frameCaption, QStringLiteral("Source Files"));
        EXPECT_EQ(isReadOnly(path("Track 1.set")), selected.isEmpty());
    }
    for (const char* name : {"../Oval", "sub/Oval", ".", ".."})
        EXPECT_EQ(rename("Track 1.set", name).result, RenameResult::UnusableName) << name;
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"Track 1.set"});
}

TEST_F(SetupFileCommands, AFailedCopyKeepsTheOriginalAndSaysSo)
{
    setFileFaultHook([](FileStep step, const QString&) { return step != FileStep::Commit; });
    EXPECT_TRUE(
        rename("Track 1.set", "Oval").message.text.startsWith("Track 1.set was not renamed."));
    setFileFaultHook({});
    EXPECT_FALSE(QFile::exists(path("Oval.set")));

    // A read-only file of the target name is kept, even for root; so is a second name of the
    // same file (as on a case-insensitive drive), where deleting the source would lose it.
    const QByteArray other = fixture::usedSlot("Other", 6, 9);
    fixture::writeFile(path("Oval.set"), other);
    ASSERT_TRUE(setReadOnly(path("Oval.set")));
    ASSERT_TRUE(QFile::link(path("Track 1.set"), path("Alias.set")));
    EXPECT_EQ(rename("Track 1.set", "Oval").result, RenameResult::NotRenamed);
    EXPECT_EQ(rename("Track 1.set", "Alias").result, RenameResult::NotRenamed);
    EXPECT_EQ(fixture::readFile(path("Oval.set")), other);
    EXPECT_EQ(fixture::readFile(path("Track 1.set")), setup);
}

TEST_F(SetupFileCommands, DeleteTrashesOnlyAConfirmedFileNeverTheFolder)
{
    fixture::FakeTrash trash;
    int questions = 0;
    bool answer = false;
    const ConfirmDeletion confirm = [&](const Message&) {
        return ++questions, answer;
    };

    QDir(folder.path()).mkdir(QStringLiteral("sub.set"));
    for (const char* selected : {"", ".", "..", "sub.set"})
        EXPECT_EQ(DeleteSetupFile(folder.path(), selected, trash, confirm).trash.message,
                  Message{QStringLiteral("Please choose a file to delete")});
    EXPECT_EQ(questions, 0);

    SetupFileDeleteOutcome outcome = DeleteSetupFile(folder.path(), "Track 1.set", trash, confirm);
    EXPECT_EQ(outcome.trash.message, (Message{QStringLiteral("1"), MessageIcon::None,
                                              QStringLiteral("Operation Aborted")}));
    EXPECT_TRUE(trash.requested.isEmpty());

    answer = true;
    outcome = DeleteSetupFile(folder.path(), "Track 1.set", trash, confirm);
    EXPECT_TRUE(outcome.trash.trashed);
    EXPECT_FALSE(outcome.trash.message);
    EXPECT_EQ(trash.requested, QStringList{path("Track 1.set")});
    EXPECT_TRUE(outcome.refreshFileList && outcome.setFileCounters);
}

} // namespace
