// SPDX-License-Identifier: GPL-3.0-or-later
// The backup history: what each writing command keeps, what an opening keeps, restore and its
// undo, retention and pins, refusals when the history cannot be written, damaged files.
#include "core/store/StoreHistory.h"

#include "core/game/GameProfile.h"
#include "core/platform/Clock.h"
#include "core/platform/FileIO.h"
#include "core/store/StoreCommands.h"
#include "core/store/StoreHistoryCommands.h"
#include "core/store/StoreOpening.h"
#include "core/store/StorePaths.h"
#include "core/transfer/SetupImport.h"
#include "support/FakeClock.h"
#include "support/FileTree.h"
#include "support/InjectedFileFaults.h"
#include "support/StoreBytes.h"
#include "support/StoreReplacingCommands.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>
#include <unistd.h>

using namespace tarvelin;

namespace
{

const GameProfile& kGame = DirtTrackRacingProfile;
const RecordLayout kDtr = kGame.recordLayout();

QByteArray storeOf(const std::vector<QByteArray>& names)
{
    return fixture::storeOf(names, fixture::kDtrTrailingWords);
}

class StoreHistoryTest : public ::testing::Test
{
protected:
    StorePaths paths() const { return StorePaths::forGameDirectory(game.root()); }
    StoreHistory history() const { return StoreHistory(paths(), kDtr); }
    std::vector<Generation> generations() const { return history().list().generations; }
    QByteArray bytesOf(qint64 id) const { return history().bytesOf(id).bytes; }
    // Keeps `bytes` as a generation by letting the game "save" them and a sort run over them.
    qint64 keepThroughSort(const QByteArray& bytes)
    {
        game.write("setups.sav", bytes);
        const StoreCommandOutcome sorted = sortStore(game.root(), kDtr);
        EXPECT_TRUE(sorted.done);
        return generations().empty() ? 0 : generations().front().id;
    }

    fixture::GameDir game;
    QTemporaryDir files;
};

// Each writing command, run on a store with a fresh history: exactly one new generation, byte for
// byte the store as it was before, recorded with the command's name and the store's figures.
TEST_F(StoreHistoryTest, EveryWritingCommandKeepsTheStoreItReplacesOnce)
{
    const QByteArray before = storeOf({"Oval", "Dirt", "Oval"});
    fixture::plantCommandInputs(files.path());
    game.write("setups.bak", storeOf({"Old"}));
    for (const fixture::StoreReplacingCommand& command : fixture::storeReplacingCommands()) {
        SCOPED_TRACE(command.name);
        QDir(history().folder()).removeRecursively();
        game.write("setups.sav", before);
        ASSERT_TRUE(command.run(game.root(), files.path()).done);
        const std::vector<Generation> kept = generations();
        ASSERT_EQ(kept.size(), 1u);
        EXPECT_EQ(kept[0].command, QString::fromLatin1(command.name));
        EXPECT_EQ(kept[0].setups, 3);
        EXPECT_EQ(kept[0].bytes, before.size());
        EXPECT_FALSE(kept[0].pinned);
        EXPECT_EQ(bytesOf(kept[0].id), before);
        EXPECT_NE(game.read("setups.sav"), before);
    }
}

TEST_F(StoreHistoryTest, NothingNewIsKeptWhenTheStoreIsAlreadyTheNewestOrNotReplaced)
{
    const QByteArray store = storeOf({"b", "a"});
    game.write("setups.sav", store);
    ASSERT_EQ(openStoreAndBackUp(game.root(), kDtr).keptGeneration, 1);
    // The opening already holds this store: the sort replaces it without a second copy.
    ASSERT_TRUE(sortStore(game.root(), kDtr).done);
    ASSERT_EQ(generations().size(), 1u);
    // A refused command writes nothing, and keeps nothing.
    EXPECT_FALSE(
        deleteSetup(
            {.gameDirectory = game.root(), .layout = kDtr, .setupChosen = true, .selectedSlot = 9})
            .done);
    // An import of a file holding an unused slot leaves the store alone.
    fixture::writeFile(files.filePath("Empty.set"), fixture::unusedSlot());
    EXPECT_TRUE(importSetup({.gameDirectory = game.root(),
                             .profile = &kGame,
                             .folder = files.path(),
                             .chosenFile = "Empty.set",
                             .style = MessageStyle::Marked})
                    .done);
    EXPECT_EQ(generations().size(), 1u);
}

// A first run on a backup of five setups keeps that backup before replacing it; after that an
// opening keeps only what the game saved since, and never a backup the history already holds
// (written with header 0 from a store whose header is not).
TEST_F(StoreHistoryTest, AnOpeningKeepsTheBackupItReplacesAndAStoreTheGameSavedSince)
{
    const QByteArray backup = storeOf({"1", "2", "3", "4", "5"});
    game.write("setups.bak", backup);
    game.write("setups.sav", fixture::store({fixture::dtrSlot("Oval", 1)}, 7));
    EXPECT_EQ(openStoreAndBackUp(game.root(), kDtr).keptGeneration, 2);
    EXPECT_EQ(bytesOf(1), backup);
    EXPECT_EQ(generations().back().command, QStringLiteral("setups.bak"));
    EXPECT_EQ(openStoreAndBackUp(game.root(), kDtr).keptGeneration, 0);

    const QByteArray saved = storeOf({"Oval", "Saved by the game"});
    game.write("setups.sav", saved);
    const StoreOpening opening = openStoreAndBackUp(game.root(), kDtr);
    EXPECT_TRUE(opening.backupWritten);
    ASSERT_EQ(opening.keptGeneration, 3);
    EXPECT_EQ(generations().size(), 3u);
    EXPECT_EQ(generations().front().command, QStringLiteral("opening"));
    EXPECT_EQ(bytesOf(3), saved);
}

TEST_F(StoreHistoryTest, ARestoreReturnsTheBytesExactlyAndCanItselfBeUndone)
{
    // A header and bytes after slot 300 that no table holds: the bytes come back all the same.
    QByteArray first = fixture::store({fixture::dtrSlot("A", 1)}, 0x01020304) + "excess";
    const qint64 firstId = keepThroughSort(first);
    const QByteArray sorted = game.read("setups.sav");
    ASSERT_NE(sorted, first);

    const HistoryRestoreOutcome dry = restoreGeneration(game.root(), kDtr, firstId, true);
    ASSERT_TRUE(dry.done);
    EXPECT_EQ(game.read("setups.sav"), sorted);
    EXPECT_EQ(generations().size(), 1u);

    const HistoryRestoreOutcome restored = restoreGeneration(game.root(), kDtr, firstId);
    ASSERT_TRUE(restored.done);
    EXPECT_EQ(game.read("setups.sav"), first);
    ASSERT_NE(restored.keptGeneration, 0);
    EXPECT_EQ(generations().front().command, QStringLiteral("history restore"));
    EXPECT_EQ(restored.store->counters.total, 1);

    ASSERT_TRUE(restoreGeneration(game.root(), kDtr, restored.keptGeneration).done);
    EXPECT_EQ(game.read("setups.sav"), sorted);
    // Ids only grow: the undo is a generation of its own after the one it undid.
    EXPECT_GT(generations().front().id, restored.keptGeneration);
    // An unknown id: HistoryCommandLineTest, for every history command.
}

// Undo restores the newest generation that differs from the store, never one the opening kept of
// the store as it is; the undo is kept in turn, so undoing again takes it back.
TEST_F(StoreHistoryTest, UndoTakesBackTheLastChangeAndThenItself)
{
    const QByteArray first = storeOf({"Oval"});
    game.write("setups.sav", first);
    EXPECT_EQ(previewUndo(game.root(), kDtr).messages.at(0).text, "There is nothing to undo.");
    ASSERT_EQ(openStoreAndBackUp(game.root(), kDtr).keptGeneration, 1);
    EXPECT_FALSE(previewUndo(game.root(), kDtr).done); // generation 1 is the store as it is

    fixture::writeFile(files.filePath("Mile.set"), fixture::dtrSlot("Mile", 2));
    ASSERT_TRUE(importSetup({.gameDirectory = game.root(),
                             .profile = &kGame,
                             .folder = files.path(),
                             .chosenFile = "Mile.set"})
                    .done);
    const QByteArray imported = game.read("setups.sav");

    const HistoryPreviewOutcome preview = previewUndo(game.root(), kDtr);
    ASSERT_TRUE(preview.done);
    EXPECT_EQ(preview.generation.id, 1);
    EXPECT_EQ(preview.preview.remove, QStringList{"Mile"});
    EXPECT_TRUE(undoLastChange(game.root(), kDtr, true).done);
    EXPECT_EQ(game.read("setups.sav"), imported);

    // Each row: the undo, and the store it leaves.
    for (const QByteArray& expected : {first, imported, first}) {
        const HistoryRestoreOutcome undone = undoLastChange(game.root(), kDtr);
        ASSERT_TRUE(undone.done);
        EXPECT_EQ(game.read("setups.sav"), expected);
        EXPECT_EQ(generations().front().command, QStringLiteral("history undo"));
    }
}

TEST_F(StoreHistoryTest, TheNewestHundredUnpinnedAndEveryPinnedGenerationAreKept)
{
    const StorePaths store = paths();
    const StoreHistory kept = history();
    QDir().mkpath(store.folder);
    for (int i = 1; i <= 3; ++i)
        ASSERT_EQ(kept.keep(storeOf({QByteArray::number(i)}), "test").keptId, i);
    ASSERT_TRUE(kept.setPinned(1, true));
    ASSERT_TRUE(kept.setPinned(3, true));
    for (int i = 4; i <= 104; ++i)
        ASSERT_EQ(kept.keep(storeOf({QByteArray::number(i)}), "test").keptId, i);

    std::vector<qint64> ids;
    for (const Generation& g : kept.list().generations)
        ids.push_back(g.id);
    ASSERT_EQ(ids.size(), 102u);
    EXPECT_EQ(ids.front(), 104);
    EXPECT_EQ(ids[99], 5); // 104..5 are the hundred newest unpinned
    EXPECT_EQ(ids[100], 3);
    EXPECT_EQ(ids[101], 1);
    EXPECT_EQ(kept.bytesOf(1).bytes, storeOf({"1"}));

    // Unpinned, generation 3 is the oldest unpinned one: the next generation prunes it.
    ASSERT_TRUE(kept.setPinned(3, false));
    ASSERT_TRUE(kept.keep(storeOf({"105"}), "test"));
    EXPECT_FALSE(kept.find(3));
    EXPECT_FALSE(kept.find(5));
    EXPECT_TRUE(kept.find(6));
    EXPECT_TRUE(kept.find(1));
    EXPECT_FALSE(kept.setPinned(3, true));
}

// The file name says which generations are pinned, so pruning reads no records; a pin cut short
// between its two files, and a record pinned by an older history under a plain name, still
// count as pinned.
TEST_F(StoreHistoryTest, PinnedNamesTwinsAndPinnedRecordsAreAllSpared)
{
    const StoreHistory kept = history();
    QDir().mkpath(paths().folder);
    ASSERT_EQ(kept.keep(storeOf({"1"}), "test").keptId, 1);
    ASSERT_EQ(kept.keep(storeOf({"2"}), "test").keptId, 2);
    const QString plain1 = kept.folder() + "/0000000001.generation";
    const QString plain2 = kept.folder() + "/0000000002.generation";
    const QByteArray one = fixture::readFile(plain1);
    ASSERT_TRUE(kept.setPinned(1, true));
    EXPECT_FALSE(QFile::exists(plain1));
    EXPECT_TRUE(QFile::exists(kept.folder() + "/0000000001.pinned.generation"));
    fixture::writeFile(plain1, one);
    QByteArray two = fixture::readFile(plain2);
    two.replace(R"("pinned":false)", R"("pinned":true)");
    fixture::writeFile(plain2, two);

    const HistoryListing listed = kept.list();
    ASSERT_EQ(listed.generations.size(), 2u);
    EXPECT_TRUE(listed.generations[0].pinned && listed.generations[1].pinned);
    EXPECT_TRUE(listed.passedOver.isEmpty());

    for (int i = 3; i <= StoreHistory::kKeptUnpinned + 3; ++i)
        ASSERT_EQ(kept.keep(storeOf({QByteArray::number(i)}), "test").keptId, i);
    EXPECT_FALSE(QFile::exists(plain1));
    EXPECT_EQ(kept.bytesOf(1).bytes, storeOf({"1"}));
    EXPECT_EQ(kept.bytesOf(2).bytes, storeOf({"2"}));
    EXPECT_FALSE(kept.find(3));
    EXPECT_TRUE(kept.find(4));
    EXPECT_EQ(kept.list().generations.size(), std::size_t(StoreHistory::kKeptUnpinned) + 2);
}

// The oldest pruned generation's file is written over by the next generation instead of being
// freed; scratch files of a write cut short are neither listed nor reported, and go with the next
// generation. A spare with another name elsewhere (a hard link) is never written over.
TEST_F(StoreHistoryTest, APrunedFileCarriesTheNextGenerationAndLeftoversGo)
{
    const StoreHistory kept = history();
    QDir().mkpath(paths().folder);
    const QString oldest = kept.folder() + "/0000000001.generation";
    for (int i = 1; i <= StoreHistory::kKeptUnpinned; ++i)
        ASSERT_EQ(kept.keep(storeOf({QByteArray::number(i)}), "test").keptId, i);
    const quint64 oldestInode = fixture::inodeOf(oldest);
    ASSERT_TRUE(kept.keep(storeOf({"101"}), "test"));
    EXPECT_FALSE(QFile::exists(oldest));

    const QString cutShort = kept.folder() + "/0000000050.generation.AbCdEf";
    const QString taken = kept.folder() + "/0000000051.generation.spare";
    fixture::writeFile(cutShort, "half a gener");
    fixture::writeFile(taken, "half a spare");
    const HistoryListing listed = kept.list();
    EXPECT_EQ(listed.generations.size(), std::size_t(StoreHistory::kKeptUnpinned));
    EXPECT_TRUE(listed.passedOver.isEmpty()) << listed.passedOver.join('\n').toStdString();

    // Longer and shorter stores than the spare held: the file is cut to the new size.
    for (const QByteArray& names :
         {QByteArray("a much longer name than before"), QByteArray("s")}) {
        const KeepResult next = kept.keep(storeOf({names, names}), "test");
        ASSERT_TRUE(next);
        EXPECT_EQ(kept.bytesOf(next.keptId).bytes, storeOf({names, names}));
    }
    EXPECT_EQ(fixture::inodeOf(kept.folder() + "/0000000102.generation"), oldestInode);
    EXPECT_FALSE(QFile::exists(cutShort));
    EXPECT_FALSE(QFile::exists(taken));
    EXPECT_EQ(kept.list().generations.size(), std::size_t(StoreHistory::kKeptUnpinned));

    const QString outside = files.filePath("elsewhere");
    const QString spare = kept.folder() + "/pruned.spare";
    ASSERT_TRUE(QFile::exists(spare));
    QFile::remove(spare);
    fixture::writeFile(outside, "not the history's");
    ASSERT_EQ(::link(QFile::encodeName(outside).constData(), QFile::encodeName(spare).constData()),
              0);
    ASSERT_TRUE(kept.keep(storeOf({"linked"}), "test"));
    EXPECT_EQ(fixture::readFile(outside), QByteArray("not the history's"));
    EXPECT_EQ(kept.bytesOf(104).bytes, storeOf({"linked"}));
}

// The history cannot be written (full disk, no permission): each command refuses, says why, and
// the store is as it was.
TEST_F(StoreHistoryTest, AFailedHistoryWriteRefusesTheCommandAndLeavesTheStore)
{
    const QByteArray before = storeOf({"b", "a"});
    fixture::plantCommandInputs(files.path());
    const QString refusal = QStringLiteral("The store %1 was not changed, because its present "
                                           "state could not be kept in the backup history.")
                                .arg(game.path("setups.sav"));
    game.write("setups.sav", storeOf({"older"}));
    ASSERT_EQ(openStoreAndBackUp(game.root(), kDtr).keptGeneration, 1);
    game.write("setups.bak", storeOf({"z"}));

    for (const FileStep failing : {FileStep::Open, FileStep::Write, FileStep::Commit}) {
        for (const fixture::StoreReplacingCommand& command : fixture::storeReplacingCommands(1)) {
            SCOPED_TRACE(testing::Message() << command.name << ", step " << int(failing));
            game.write("setups.sav", before);
            const CommandOutcome outcome = [&] {
                const fixture::InjectedFileFaults faults([&](FileStep step, const QString& path) {
                    return step != failing || !path.startsWith(history().folder());
                });
                return command.run(game.root(), files.path());
            }();
            ASSERT_EQ(outcome.messages.size(), 1u);
            EXPECT_EQ(outcome.messages[0].text, refusal);
            EXPECT_EQ(game.read("setups.sav"), before);
            EXPECT_EQ(generations().size(), 1u);
            EXPECT_TRUE(QFile::exists(files.filePath("Track.set")));
        }
    }
}

// Files planted in a history folder: damaged generations, a record naming another generation,
// names of more or fewer digits than ours, a folder, a link at a generation's pinned name. Each is
// listed as passed over, none decides the next id or is written over, and ids go on past them.
TEST_F(StoreHistoryTest, PlantedAndDamagedFilesAreNeverWrittenOverAndIdsGoOnPastThem)
{
    const qint64 good = keepThroughSort(storeOf({"b", "a"}));
    ASSERT_EQ(good, 1);
    const QString folder = history().folder();
    const QByteArray whole =
        fixture::readFile(QDir(folder).entryInfoList(QDir::Files)[0].filePath());
    const std::vector<std::pair<QString, QByteArray>> planted = {
        {"0000000003.generation", whole.left(whole.size() - 10)},
        {"0000000004.generation", "garbage"},
        {"0000000005.pinned.generation", whole}, // names generation 1
        {"9999999999.generation", "garbage"},
        {"999999999999999.generation", whole},
        {"99999999999.generation", QByteArray(whole).replace("\"id\":1,", "\"id\":99999999999,")},
        {"000000006.generation", whole},
        {"notes.txt", "mine"},
    };
    for (const auto& [name, bytes] : planted)
        fixture::writeFile(folder + "/" + name, bytes);
    QDir(folder).mkdir("0000000006.generation");
    const QString outside = files.filePath("outside");
    fixture::writeFile(outside, "not a generation");
    ASSERT_TRUE(QFile::link(outside, folder + "/0000000001.pinned.generation"));

    const HistoryListOutcome listed = listHistory(game.root(), kDtr);
    ASSERT_TRUE(listed.done);
    ASSERT_EQ(listed.generations.size(), 1u);
    EXPECT_EQ(listed.generations[0].id, good);
    EXPECT_EQ(listed.passedOver.size(), 10);
    std::vector<qint64> ids;
    for (const char* name : {"new", "newer", "newest"})
        ids.push_back(history().keep(storeOf({name}), "test").keptId);
    EXPECT_EQ(ids, (std::vector<qint64>{2, 7, 8}));
    EXPECT_EQ(generations().size(), 4u);
    for (const auto& [name, bytes] : planted)
        EXPECT_EQ(fixture::readFile(folder + "/" + name), bytes) << name.toStdString();
    EXPECT_FALSE(previewGeneration(game.root(), kDtr, 3).done);
    EXPECT_TRUE(previewGeneration(game.root(), kDtr, good).done);
    EXPECT_FALSE(pinGeneration(game.root(), kDtr, good, true).done);
    EXPECT_EQ(fixture::readFile(outside), "not a generation");
}

// A generation whose body is not a whole store of the game (kept from a damaged store, or
// damaged since) is never written as the store, in a dry run or for real.
TEST_F(StoreHistoryTest, AGenerationThatIsNoWholeStoreIsNeverRestored)
{
    const QByteArray store = storeOf({"Present"});
    const std::vector<QByteArray> bodies = {
        {},
        storeOf({"a", "b"}).left(700),
        fixture::storeOf({"Sprint"}, fixture::kScTrailingWords),
    };
    for (const QByteArray& body : bodies) {
        const qint64 id = history().keep(body, "test").keptId;
        ASSERT_NE(id, 0);
        game.write("setups.sav", store);
        for (const bool dryRun : {true, false}) {
            SCOPED_TRACE(testing::Message() << body.size() << (dryRun ? " dry run" : ""));
            const HistoryRestoreOutcome outcome = restoreGeneration(game.root(), kDtr, id, dryRun);
            EXPECT_FALSE(outcome.done);
            ASSERT_EQ(outcome.messages.size(), 1u);
            EXPECT_TRUE(outcome.messages[0].text.contains("not a whole store"));
            EXPECT_EQ(game.read("setups.sav"), store);
        }
    }
}

// A history root or a store's history folder that is a link is never followed: the command that
// would keep a generation through it refuses, as for a history that cannot be written, and the
// history commands refuse with the reason.
TEST_F(StoreHistoryTest, AHistoryRootOrFolderThatIsALinkIsRefused)
{
    const QByteArray before = storeOf({"b", "a"});
    game.write("setups.sav", before);
    const QString root = StoreHistory::rootFolder();
    const QString aside = root + ".aside";
    ASSERT_TRUE(QDir().mkpath(root));
    ASSERT_TRUE(QDir().rename(root, aside));
    // The other tests' history comes back whatever happens here.
    const std::shared_ptr<void> restore(nullptr, [&](void*) {
        QFile::remove(root);
        QDir(root).removeRecursively();
        QDir().rename(aside, root);
    });
    for (const bool linkIsRoot : {true, false}) {
        SCOPED_TRACE(linkIsRoot ? "root" : "folder");
        const QString elsewhere = files.filePath(linkIsRoot ? "root" : "folder");
        ASSERT_TRUE(QDir().mkpath(elsewhere));
        ASSERT_TRUE(linkIsRoot || QDir().mkpath(root));
        const QString link = linkIsRoot ? root : history().folder();
        ASSERT_TRUE(QFile::link(elsewhere, link));

        const StoreCommandOutcome sorted = sortStore(game.root(), kDtr);
        EXPECT_FALSE(sorted.done);
        ASSERT_EQ(sorted.messages.size(), 1u);
        EXPECT_TRUE(sorted.messages[0].text.contains("backup history"));
        EXPECT_EQ(game.read("setups.sav"), before);
        EXPECT_FALSE(listHistory(game.root(), kDtr).done);
        EXPECT_TRUE(
            QDir(elsewhere).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden));
        QFile::remove(link);
        QDir(root).removeRecursively();
    }
}

TEST_F(StoreHistoryTest, ThePreviewNamesWhatARestoreBringsBackRemovesAndChanges)
{
    // Then: Oval, Oval, Dirt (seed 1), Mile. Now: Dirt (seed 2), Oval, Café, Café.
    const QByteArray then =
        fixture::store({fixture::dtrSlot("Oval", 1), fixture::dtrSlot("Oval", 1),
                        fixture::dtrSlot("Dirt", 1), fixture::dtrSlot("Mile", 1)});
    const qint64 id = keepThroughSort(then);
    game.write("setups.sav",
               fixture::store({fixture::dtrSlot("Dirt", 2), fixture::dtrSlot("Oval", 1),
                               fixture::unusedSlot(), fixture::dtrSlot("Caf\xE9", 1),
                               fixture::dtrSlot("Caf\xE9", 1)}));

    const HistoryPreviewOutcome shown = previewGeneration(game.root(), kDtr, id);
    ASSERT_TRUE(shown.done);
    EXPECT_EQ(shown.preview.bringBack, (QStringList{"Oval", "Mile"}));
    EXPECT_EQ(shown.preview.remove, (QStringList{QStringLiteral("Café"), QStringLiteral("Café")}));
    EXPECT_EQ(shown.preview.change, QStringList{"Dirt"});
    EXPECT_TRUE(shown.preview.reorder); // Dirt before Oval now, after it then

    const HistoryPreviewOutcome same =
        previewGeneration(game.root(), kDtr, keepThroughSort(storeOf({"a", "b"})));
    ASSERT_TRUE(same.done);
    // The store equals the generation once sorted; only the bytes of no setup differ.
    EXPECT_TRUE(same.preview.changesNothing());
}

TEST_F(StoreHistoryTest, RecordsCarryTheUtcTimeAndPinsSurviveAReread)
{
    const FakeClock clock(QDateTime(QDate(2026, 12, 6), QTime(22, 0, 30), Qt::OffsetFromUTC, 3600));
    ASSERT_EQ(
        StoreHistory(paths(), kDtr, {.clock = &clock}).keep(storeOf({"b", "a"}), "sort").keptId, 1);
    ASSERT_TRUE(pinGeneration(game.root(), kDtr, 1, true).done);
    const Generation kept = generations().at(0);
    EXPECT_EQ(generationTimeText(kept.time), QStringLiteral("2026-12-06T21:00:30Z"));
    EXPECT_TRUE(kept.pinned);
    EXPECT_EQ(bytesOf(1), storeOf({"b", "a"}));
}

TEST(StoreHistoryFolder, FollowsXdgStateHomeAndKeepsStoresAndGamesApart)
{
    const QByteArray saved = qgetenv("XDG_STATE_HOME");
    qputenv("XDG_STATE_HOME", "/srv/state");
    EXPECT_EQ(StoreHistory::rootFolder(),
              QStringLiteral("/srv/state/tarvelin-setup-utility/history"));
    qputenv("XDG_STATE_HOME", "relative/state");
    EXPECT_EQ(StoreHistory::rootFolder(),
              QDir::homePath() + QStringLiteral("/.local/state/tarvelin-setup-utility/history"));
    qputenv("XDG_STATE_HOME", saved);

    const StorePaths a = StorePaths::forGameDirectory("/games/DTR");
    const StorePaths b = StorePaths::forGameDirectory("/other/DTR");
    const QString folder = StoreHistory(a, kDtr).folder();
    EXPECT_NE(folder, StoreHistory(b, kDtr).folder());
    EXPECT_NE(folder, StoreHistory(a, SprintCarsProfile.recordLayout()).folder());
    EXPECT_EQ(folder, StoreHistory(a, kDtr).folder());
    EXPECT_TRUE(QFileInfo(folder).fileName().startsWith("DTR-"));
}

} // namespace
