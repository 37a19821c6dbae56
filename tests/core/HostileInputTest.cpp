// SPDX-License-Identifier: GPL-3.0-or-later
// Folders, stores and names as players' machines really have them: missing, protected, empty,
// linked, misnamed. Each is met with a message or the documented result, and nothing is lost.
// (Damaged stores, gaps, high-byte and long names, the other game's files and garbled registry
// files are covered where each is read: StoreFormatTest, StoreCommandsTest, SetupTransferTest,
// StoreCopyTest, RegistryTest.)
#include "core/files/SetupFileList.h"
#include "core/files/SetupFileRename.h"
#include "core/game/GameProfile.h"
#include "core/platform/FileIO.h"
#include "core/registry/Registry.h"
#include "core/store/StoreCommands.h"
#include "core/store/StoreOpening.h"
#include "core/transfer/SetupExport.h"
#include "core/transfer/SetupImport.h"
#include "core/transfer/StoreCopy.h"
#include "support/FileTree.h"
#include "support/ScopedEnvironment.h"
#include "support/StoreBytes.h"
#include "support/StoreReplacingCommands.h"
#include "support/Unprivileged.h"

#include <QDir>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

using namespace tarvelin;

namespace
{

const GameProfile& kGame = DirtTrackRacingProfile;
const RecordLayout kLayout = kGame.recordLayout();

// Every writing command on one game directory, with `folder` as the player's setup folder and
// "Track.set" as the chosen file. The opening's outcome is done when it wrote the backup.
std::vector<fixture::StoreReplacingCommand> writingCommands()
{
    std::vector<fixture::StoreReplacingCommand> all = {
        {"opening",
         [](const QString& g, const QString&) {
             CommandOutcome outcome;
             outcome.done = openStoreAndBackUp(g, kLayout).backupWritten;
             return outcome;
         }},
        {"export",
         [](const QString& g, const QString& f) -> CommandOutcome {
             return exportSetup({.gameDirectory = g,
                                 .profile = &kGame,
                                 .selectedSlot = 1,
                                 .exportName = "Out",
                                 .folder = f,
                                 .style = MessageStyle::Plain});
         }},
        {"store-export",
         [](const QString& g, const QString& f) -> CommandOutcome {
             return exportStoreCopy(g, f, kGame, true);
         }},
    };
    for (fixture::StoreReplacingCommand& command : fixture::storeReplacingCommands())
        all.push_back(std::move(command));
    return all;
}

class HostileInput : public ::testing::Test
{
protected:
    HostileInput()
    {
        game.write("setups.sav", fixture::storeOf({"B", "A"}, kLayout.trailingWordCount));
        game.write("setups.bak", fixture::storeOf({"Old"}, kLayout.trailingWordCount));
        fixture::plantCommandInputs(folder.path());
    }
    QString inFolder(const QString& name) const { return folder.filePath(name); }

    fixture::GameDir game;
    QTemporaryDir folder;
};

TEST_F(HostileInput, MissingGameDirectoryIsRefusedAndCreatesNothing)
{
    const QString missing = game.root() + QStringLiteral("/not installed");
    const fixture::FileTree before = fixture::snapshotTree(folder.path());
    for (const auto& command : writingCommands()) {
        SCOPED_TRACE(command.name);
        const CommandOutcome outcome = command.run(missing, folder.path());
        EXPECT_FALSE(outcome.done);
        // The refusals say why; the opening, and an export from a store it cannot read, show
        // nothing, by design.
        const bool silent =
            command.name == std::string("opening") || command.name == std::string("export");
        EXPECT_EQ(outcome.messages.size(), silent ? 0u : 1u);
        EXPECT_FALSE(QFileInfo::exists(missing));
        EXPECT_EQ(fixture::snapshotTree(folder.path()), before);
    }
}

TEST_F(HostileInput, ReadOnlyFolderFailsEachWriteWithTheOldFilesWhole)
{
    // Root writes into any folder whatever its mode bits: the checks run as a player would.
    const QString state = game.root() + QStringLiteral("/state");
    ASSERT_TRUE(QDir().mkpath(state));
    fixture::runUnprivileged({game.root(), folder.path()}, [&] {
        // The history's own folder stays writable: the store's write is the one that fails.
        const fixture::ScopedEnvironment stateHome("XDG_STATE_HOME", state.toLocal8Bit());
        const fixture::FileTree store = fixture::snapshotTree(game.savedGames());
        const fixture::FileTree files = fixture::snapshotTree(folder.path());
        for (const QString& dir : {game.savedGames(), folder.path()})
            ASSERT_TRUE(QFile::setPermissions(dir, QFile::ReadOwner | QFile::ExeOwner));
        for (const auto& command : writingCommands()) {
            if (QByteArray(command.name) == "opening")
                continue; // passes over the backup silently, by design; the store is still listed
            EXPECT_FALSE(command.run(game.root(), folder.path()).done) << command.name;
            EXPECT_EQ(fixture::snapshotTree(game.savedGames()), store) << command.name;
            EXPECT_EQ(fixture::snapshotTree(folder.path()), files) << command.name;
        }
        EXPECT_FALSE(renameSetupFile(folder.path(), "Track.set", "New", kGame).result ==
                     RenameResult::Renamed);
        for (const QString& dir : {game.savedGames(), folder.path()})
            QFile::setPermissions(dir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    });
}

TEST_F(HostileInput, ZeroByteStoreReadsAsEmptyAndTakesAnImport)
{
    game.write("setups.sav", {});
    const StoreOpening opening = openStoreAndBackUp(game.root(), kLayout);
    // Listed as empty; the backup it does not replace is StoreOpeningTest's.
    EXPECT_TRUE(opening.storeRead && opening.store.lines.empty());
    const ImportOutcome imported = importSetup({.gameDirectory = game.root(),
                                                .profile = &kGame,
                                                .folder = folder.path(),
                                                .chosenFile = "Track.set",
                                                .style = MessageStyle::Marked});
    EXPECT_EQ(imported.importedSlot, 1);
    EXPECT_EQ(game.read("setups.sav"), fixture::store({fixture::dtrSlot("Track", 3)}));
    // A zero-byte backup is never restored over a store.
    game.write("setups.bak", {});
    EXPECT_FALSE(restoreStore(game.root(), kLayout).done);
    EXPECT_EQ(game.read("setups.sav"), fixture::store({fixture::dtrSlot("Track", 3)}));
}

TEST_F(HostileInput, FolderNamedLikeASetupFileIsNeverTakenForOne)
{
    for (const char* name : {"Dir.set", "Out.set"})
        ASSERT_TRUE(QDir(folder.path()).mkdir(name));
    const QByteArray store = game.read("setups.sav");

    const ImportOutcome imported = importSetup({.gameDirectory = game.root(),
                                                .profile = &kGame,
                                                .folder = folder.path(),
                                                .chosenFile = "Dir.set",
                                                .style = MessageStyle::Plain,
                                                .deleteFileAfterImport = true});
    EXPECT_FALSE(imported.done);
    EXPECT_EQ(imported.messages.size(), 1u);
    const ExportOutcome exported = exportSetup({.gameDirectory = game.root(),
                                                .profile = &kGame,
                                                .selectedSlot = 1,
                                                .exportName = "Out",
                                                .folder = folder.path(),
                                                .style = MessageStyle::Marked});
    EXPECT_FALSE(exported.done);
    EXPECT_EQ(exported.messages.size(), 1u);
    EXPECT_EQ(renameSetupFile(folder.path(), "Dir.set", "X", kGame).result,
              RenameResult::NoFileSelected);
    EXPECT_EQ(renameSetupFile(folder.path(), "Track.set", "Out", kGame).result,
              RenameResult::NotRenamed);
    EXPECT_TRUE(QFileInfo(inFolder("Dir.set")).isDir() && QFileInfo(inFolder("Out.set")).isDir());
    EXPECT_TRUE(QFileInfo::exists(inFolder("Track.set")));
    EXPECT_EQ(game.read("setups.sav"), store);
}

TEST_F(HostileInput, StoreThatIsALinkIsWrittenWhereItPointsAndStaysALink)
{
    // A player may keep the store elsewhere (another Wine prefix) and link it in.
    const QString real = folder.filePath("shared setups.sav");
    fixture::writeFile(real, game.read("setups.sav"));
    QFile::remove(game.path("setups.sav"));
    ASSERT_TRUE(QFile::link(real, game.path("setups.sav")));

    for (const auto& command : writingCommands()) {
        if (QByteArray(command.name) == "store-import" || QByteArray(command.name) == "restore")
            fixture::writeFile(real, fixture::storeOf({"B", "A"}, kLayout.trailingWordCount));
        EXPECT_TRUE(command.run(game.root(), folder.path()).done) << command.name;
        EXPECT_TRUE(QFileInfo(game.path("setups.sav")).isSymLink()) << command.name;
        EXPECT_EQ(game.read("setups.sav"), fixture::readFile(real)) << command.name;
        EXPECT_FALSE(game.exists("setups.tmp"));
        fixture::writeFile(inFolder("Track.set"), fixture::dtrSlot("Track", 3));
        QFile::setPermissions(inFolder("Out.set"), QFile::ReadOwner | QFile::WriteOwner);
    }
}

TEST(HostileRegistry, FileThatCannotBeWrittenReportsTheFailureAndKeepsWhatIsThere)
{
    QTemporaryDir dir;
    const QString key = QString::fromLatin1(UtilityKey);
    // The registry's path is a folder; its folder is a file.
    ASSERT_TRUE(QDir(dir.path()).mkdir("registry.reg"));
    fixture::writeFile(dir.filePath("plain"), "not a folder");
    for (const QString& path : {dir.filePath("registry.reg"), dir.filePath("plain/registry.reg")}) {
        Registry registry(path);
        EXPECT_FALSE(registry.ensureCreated() && registry.keyExists(key)) << path.toStdString();
        EXPECT_FALSE(registry.SetKeyValue(key, "v", QStringLiteral("x"), RegistryType::String));
        EXPECT_TRUE(std::holds_alternative<std::monostate>(registry.QueryValue(key, "v")));
    }
    EXPECT_EQ(fixture::readFile(dir.filePath("plain")), "not a folder");
}

} // namespace
