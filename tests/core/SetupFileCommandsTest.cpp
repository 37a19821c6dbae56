// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/FileTrashing.h"
#include "core/files/SetupFileRename.h"
#include "core/game/GameProfile.h"
#include "core/platform/FileIO.h"
#include "support/FakeTrash.h"
#include "support/InjectedFileFaults.h"
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

    QString path(const QString& name) const { return folder.filePath(name); }
    SetupFileRenameOutcome rename(const QString& selected, const QString& newName)
    {
        return renameSetupFile(folder.path(), selected, newName, DirtTrackRacingProfile);
    }

    QTemporaryDir folder;
    const QByteArray setup = fixture::usedSlot("Track 1", 6, 3);
};

TEST_F(SetupFileCommands, RenameLeavesTheNewFileReadOnlyAndTheOldOneGone)
{
    const SetupFileRenameOutcome outcome = rename("Track 1.set", "Oval");
    EXPECT_EQ(outcome.messages,
              std::vector{Message{QStringLiteral("Track 1.set was renamed sucessfully.")}});
    EXPECT_TRUE(outcome.done);
    EXPECT_EQ(outcome.newFileName, QStringLiteral("Oval.set"));
    EXPECT_FALSE(QFile::exists(path("Track 1.set")));
    EXPECT_EQ(fixture::readFile(path("Oval.set")), setup);
    EXPECT_TRUE(isReadOnly(path("Oval.set")));
    EXPECT_EQ(renameSetupFile(folder.path(), "Oval.set", "Sprint", SprintCarsProfile).newFileName,
              QStringLiteral("Sprint.dts"));
}

TEST_F(SetupFileCommands, RenameRefusalsOnlyMakeTheSelectedFileWritable)
{
    const QString itself = QStringLiteral("Can't rename a file to itself. Try Again.");
    const QString noName = QStringLiteral("Please choose the file's new name.");
    const std::vector<std::tuple<QString, QString, QString, RenameResult>> cases{
        {"", "Oval", "Please choose a file to rename", RenameResult::NoFileSelected},
        {"Track 1.set", "Track 1", itself, RenameResult::SameName},
        {"Track 1.set", "Track 1.set", itself, RenameResult::SameName},
        {"Track 1.set", "", noName, RenameResult::NoNewName},
        {"Track 1.set", "New File Name", noName, RenameResult::NoNewName},
    };
    for (const auto& [selected, newName, text, result] : cases) {
        ASSERT_TRUE(setReadOnly(path("Track 1.set")));
        const SetupFileRenameOutcome outcome = rename(selected, newName);
        EXPECT_EQ(outcome.messages, std::vector{Message{text}}) << newName.toStdString();
        EXPECT_EQ(outcome.result, result);
        EXPECT_FALSE(outcome.done || !outcome.newFileName.isEmpty());
        EXPECT_EQ(isReadOnly(path("Track 1.set")), selected.isEmpty());
    }
    for (const char* name : {"../Oval", "sub/Oval", ".", ".."})
        EXPECT_EQ(rename("Track 1.set", name).result, RenameResult::UnusableName) << name;
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"Track 1.set"});
}

TEST_F(SetupFileCommands, AFailedCopyKeepsTheOriginalAndSaysSo)
{
    {
        const fixture::InjectedFileFaults faults(fixture::failing(FileStep::Commit));
        EXPECT_TRUE(rename("Track 1.set", "Oval")
                        .messages.at(0)
                        .text.startsWith("Track 1.set was not renamed."));
    }
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
    for (const char* selected : {"", ".", "..", "sub.set"}) {
        const TrashOutcome outcome = trashSelectedFile(folder.path(), selected, trash, confirm);
        EXPECT_EQ(outcome.messages, std::vector{Message{"Please choose a file to delete"}});
        EXPECT_TRUE(outcome.noFileSelected && !outcome.done);
    }
    EXPECT_EQ(questions, 0);

    TrashOutcome outcome = trashSelectedFile(folder.path(), "Track 1.set", trash, confirm);
    EXPECT_EQ(outcome.messages, (std::vector{Message{QStringLiteral("1"), MessageIcon::None,
                                                     QStringLiteral("Operation Aborted")}}));
    EXPECT_TRUE(outcome.aborted && !outcome.noFileSelected);
    EXPECT_TRUE(trash.requested.isEmpty());

    answer = true;
    outcome = trashSelectedFile(folder.path(), "Track 1.set", trash, confirm);
    EXPECT_TRUE(outcome.done);
    EXPECT_TRUE(outcome.messages.empty());
    EXPECT_EQ(trash.requested, QStringList{path("Track 1.set")});
}

} // namespace
