#include "folder/SetupFileDelete.h"
#include "folder/SetupFileRename.h"
#include "gamewindow/GameProfile.h"
#include "platform/FileIO.h"
#include "support/FakeTrash.h"
#include "support/StoreBytes.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tarvelin;

namespace
{

const QString kSourceFiles = QStringLiteral("Source Files");

class SetupFileCommands : public ::testing::Test
{
protected:
    void SetUp() override
    {
        fixture::writeFile(path("Track 1.set"), setup);
        ASSERT_TRUE(setReadOnly(path("Track 1.set")));
    }
    void TearDown() override { setFileFaultHook({}); }

    QString path(const char* name) const { return folder.filePath(QString::fromUtf8(name)); }
    SetupFileRenameOutcome rename(const QString& selected, const QString& newName,
                                  const GameProfile& profile = DirtTrackRacingProfile)
    {
        return RenameSetupFile(folder.path(), selected, newName, profile);
    }

    QTemporaryDir folder;
    const QByteArray setup = fixture::usedSlot("Track 1", 6, 3);
};

TEST_F(SetupFileCommands, RenameCopiesToTheNewNameReadOnlyAndRemovesTheOriginal)
{
    const SetupFileRenameOutcome outcome = rename("Track 1.set", "Oval");

    EXPECT_EQ(outcome.result, RenameResult::Renamed);
    EXPECT_EQ(outcome.message, Message{QStringLiteral("Track 1.set was renamed sucessfully.")});
    EXPECT_EQ(outcome.newFileName, QStringLiteral("Oval.set"));
    EXPECT_TRUE(outcome.refreshFileList);
    EXPECT_EQ(outcome.renameFieldText, QString());
    EXPECT_EQ(outcome.frameCaption, kSourceFiles);
    EXPECT_FALSE(QFile::exists(path("Track 1.set")));
    EXPECT_EQ(fixture::readFile(path("Oval.set")), setup);
    EXPECT_TRUE(isReadOnly(path("Oval.set")));

    // Sprint Cars files take their own suffix; a folder given with its trailing "/" works alike.
    fixture::writeFile(path("Fast.dts"), setup);
    ASSERT_EQ(RenameSetupFile(folder.path() + '/', "Fast.dts", "Sprint", SprintCarsProfile).result,
              RenameResult::Renamed);
    EXPECT_TRUE(QFile::exists(path("Sprint.dts")));
}

TEST_F(SetupFileCommands, RefusalsChangeNothingButTheSelectedFileLosingReadOnly)
{
    struct Case {
        QString selected;
        QString newName;
        RenameResult result;
        QString text;
        FileFocus focus;
    };
    const QString itself = QStringLiteral("Can't rename a file to itself. Try Again.");
    const QString noName = QStringLiteral("Please choose the file's new name.");
    const std::vector<Case> cases{
        {"", "Oval", RenameResult::NoFileSelected, "Please choose a file to rename",
         FileFocus::FileList},
        {"Track 1.set", "Track 1", RenameResult::SameName, itself, FileFocus::RenameField},
        {"Track 1.set", "Track 1.set", RenameResult::SameName, itself, FileFocus::RenameField},
        {"Track 1.set", "", RenameResult::NoNewName, noName, FileFocus::RenameField},
        {"Track 1.set", "New File Name", RenameResult::NoNewName, noName, FileFocus::RenameField},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.newName.toStdString());
        ASSERT_TRUE(setReadOnly(path("Track 1.set")));
        const SetupFileRenameOutcome outcome = rename(c.selected, c.newName);
        EXPECT_EQ(outcome.result, c.result);
        EXPECT_EQ(outcome.message, Message{c.text});
        EXPECT_EQ(outcome.focus, c.focus);
        EXPECT_FALSE(outcome.refreshFileList);
        EXPECT_EQ(outcome.renameFieldText, QString());
        EXPECT_EQ(outcome.frameCaption, kSourceFiles);
        EXPECT_EQ(isReadOnly(path("Track 1.set")), c.selected.isEmpty());
    }
    // Names that would leave the folder are refused before any file is written.
    for (const char* name : {"../Oval", "sub/Oval", ".", ".."}) {
        const SetupFileRenameOutcome outcome = rename("Track 1.set", QString::fromUtf8(name));
        EXPECT_EQ(outcome.result, RenameResult::UnusableName) << name;
        EXPECT_EQ(outcome.focus, FileFocus::RenameField);
    }
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"Track 1.set"});
    EXPECT_EQ(fixture::readFile(path("Track 1.set")), setup);
}

TEST_F(SetupFileCommands, AFailedCopyKeepsTheOriginalAndSaysSo)
{
    setFileFaultHook([](FileStep step, const QString&) { return step != FileStep::Commit; });
    SetupFileRenameOutcome outcome = rename("Track 1.set", "Oval");
    setFileFaultHook({});
    EXPECT_EQ(outcome.result, RenameResult::NotRenamed);
    EXPECT_TRUE(outcome.message.text.startsWith(QStringLiteral("Track 1.set was not renamed.")));
    EXPECT_FALSE(outcome.refreshFileList);
    EXPECT_FALSE(QFile::exists(path("Oval.set")));

    // A read-only file of the target name is kept, even for root.
    const QByteArray other = fixture::usedSlot("Other", 6, 9);
    fixture::writeFile(path("Oval.set"), other);
    ASSERT_TRUE(setReadOnly(path("Oval.set")));
    EXPECT_EQ(rename("Track 1.set", "Oval").result, RenameResult::NotRenamed);
    EXPECT_EQ(fixture::readFile(path("Oval.set")), other);

    // Two names of one file (as on a case-insensitive drive): deleting the source would lose it.
    ASSERT_TRUE(QFile::link(path("Track 1.set"), path("Alias.set")));
    EXPECT_EQ(rename("Track 1.set", "Alias").result, RenameResult::NotRenamed);
    EXPECT_EQ(fixture::readFile(path("Track 1.set")), setup);
}

TEST_F(SetupFileCommands, DeleteAsksThenTrashesAndDecliningShowsTheAbortedBox)
{
    fixture::FakeTrash trash;
    QList<Message> asked;
    bool answer = false;
    const ConfirmDeletion confirm = [&](const Message& question) {
        asked << question;
        return answer;
    };

    SetupFileDeleteOutcome outcome = DeleteSetupFile(folder.path(), "Track 1.set", trash, confirm);
    ASSERT_EQ(asked.size(), 1);
    EXPECT_TRUE(asked[0].text.contains(QStringLiteral("Track 1.set")));
    EXPECT_TRUE(outcome.trash.aborted);
    EXPECT_EQ(outcome.trash.message, (Message{QStringLiteral("1"), MessageIcon::None,
                                              QStringLiteral("Operation Aborted")}));
    EXPECT_TRUE(trash.requested.isEmpty());
    EXPECT_TRUE(QFile::exists(path("Track 1.set")));

    answer = true;
    outcome = DeleteSetupFile(folder.path(), "Track 1.set", trash, confirm);
    EXPECT_TRUE(outcome.trash.trashed);
    EXPECT_FALSE(outcome.trash.message);
    EXPECT_EQ(trash.requested, QStringList{path("Track 1.set")});
    EXPECT_FALSE(QFile::exists(path("Track 1.set")));
    EXPECT_TRUE(outcome.refreshFileList && outcome.setFileCounters);
    EXPECT_EQ(outcome.renameFieldText, QString());
    EXPECT_EQ(outcome.frameCaption, kSourceFiles);
}

TEST_F(SetupFileCommands, DeleteWithNothingSelectedNeverTrashesTheFolder)
{
    fixture::FakeTrash trash;
    int questions = 0;
    const ConfirmDeletion confirm = [&](const Message&) {
        return ++questions > 0;
    };
    QDir(folder.path()).mkdir(QStringLiteral("sub.set"));
    for (const char* selected : {"", ".", "..", "sub.set"}) {
        const SetupFileDeleteOutcome outcome =
            DeleteSetupFile(folder.path(), selected, trash, confirm);
        EXPECT_EQ(outcome.trash.message, Message{QStringLiteral("Please choose a file to delete")})
            << selected;
        EXPECT_EQ(outcome.trash.focus, FileFocus::FileList);
    }
    EXPECT_EQ(questions, 0);
    EXPECT_TRUE(trash.requested.isEmpty());

    // A trash that refuses leaves the file and tells the player why.
    trash.failure = QStringLiteral("The drive has no trash.");
    const SetupFileDeleteOutcome refused =
        DeleteSetupFile(folder.path(), "Track 1.set", trash, confirm);
    EXPECT_FALSE(refused.trash.trashed);
    EXPECT_TRUE(refused.trash.message->text.contains(trash.failure));
    EXPECT_TRUE(QFile::exists(path("Track 1.set")));
}

} // namespace
