// SPDX-License-Identifier: GPL-3.0-or-later
// Several setup files imported in one store write, and several setups exported each under its own
// name: what goes in or out, what is refused, and what each says.
#include "core/game/GameProfile.h"
#include "core/platform/FileIO.h"
#include "core/store/StoreHistory.h"
#include "core/store/StorePaths.h"
#include "core/transfer/SetupBatchExport.h"
#include "core/transfer/SetupBatchImport.h"
#include "support/StoreBytes.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <map>

using namespace tarvelin;

namespace
{

const GameProfile& kGame = DirtTrackRacingProfile;
constexpr int kWords = fixture::kDtrTrailingWords;

// The files every import row picks from: three setups, one of the other game, one cut short.
const std::map<QString, QByteArray>& importFiles()
{
    static const std::map<QString, QByteArray> files{
        {"a.set", fixture::dtrSlot("A", 1)},
        {"b.set", fixture::dtrSlot("B", 2)},
        {"c.set", fixture::dtrSlot("C", 3)},
        {"sc.set", fixture::usedSlot("Sprint", fixture::kScTrailingWords, 4)},
        {"junk.set", fixture::dtrSlot("J", 5).chopped(1)},
    };
    return files;
}

struct ImportRow {
    const char* what;
    int storedBefore; // setups in slots 1.. before the batch
    QStringList files;
    BatchRefusal onRefusal;
    bool dryRun;
    QStringList imported; // in the store afterwards, in this order after the stored ones
    std::vector<int> slots;
    QStringList refused;
    // "!file": not a setup of this game; "full": the store is full; else the text itself.
    QStringList messages;
};

const ImportRow kImportRows[] = {
    {"all good",
     1,
     {"a.set", "b.set", "c.set"},
     BatchRefusal::StopThere,
     false,
     {"a.set", "b.set", "c.set"},
     {2, 3, 4},
     {},
     {}},
    {"the window stops at a file of the other game",
     1,
     {"a.set", "sc.set", "b.set"},
     BatchRefusal::StopThere,
     false,
     {"a.set"},
     {2},
     {"sc.set"},
     {"!sc.set", "1 of 3 setups were imported."}},
    {"a first file refused stops before anything",
     0,
     {"junk.set", "a.set"},
     BatchRefusal::StopThere,
     false,
     {},
     {},
     {"junk.set"},
     {"!junk.set"}},
    {"the command line changes nothing when one is refused",
     0,
     {"a.set", "junk.set", "b.set"},
     BatchRefusal::NothingChanged,
     false,
     {},
     {},
     {"junk.set"},
     {"!junk.set"}},
    {"keep going passes over each refused file",
     0,
     {"a.set", "sc.set", "junk.set", "b.set"},
     BatchRefusal::PassOver,
     false,
     {"a.set", "b.set"},
     {1, 2},
     {"sc.set", "junk.set"},
     {"!sc.set", "!junk.set", "2 of 4 setups were imported."}},
    {"the store fills up midway",
     298,
     {"a.set", "b.set", "c.set"},
     BatchRefusal::StopThere,
     false,
     {"a.set", "b.set"},
     {299, 300},
     {"c.set"},
     {"full", "2 of 3 setups were imported."}},
    {"a dry run writes nothing",
     1,
     {"a.set", "b.set"},
     BatchRefusal::NothingChanged,
     true,
     {},
     {2, 3},
     {},
     {}},
};

class SetupBatchTransferTest : public ::testing::Test
{
protected:
    std::vector<QByteArray> storedSlots(int count) const
    {
        std::vector<QByteArray> slots;
        for (int k = 1; k <= count; ++k)
            slots.push_back(fixture::dtrSlot("Stored " + QByteArray::number(k), k));
        return slots;
    }
    static std::size_t generationCount(const fixture::GameDir& of)
    {
        return StoreHistory(StorePaths::forGameDirectory(of.root()), kGame.recordLayout())
            .list()
            .generations.size();
    }
    QString inFolder(const QString& name) const { return folder.filePath(name); }
    QString expectedText(const QString& message) const
    {
        if (message == QLatin1String("full"))
            return "The store is full: it holds 300 setups. Delete a setup before you import "
                   "another. Nothing was imported.";
        if (message.startsWith('!'))
            return inFolder(message.mid(1)) + " is not a setup file of Dirt Track Racing. "
                                              "Nothing was imported.";
        return message;
    }
    QStringList inFolder(const QStringList& names) const
    {
        QStringList paths;
        for (const QString& name : names)
            paths << inFolder(name);
        return paths;
    }

    fixture::GameDir game;
    QTemporaryDir folder;
};

// Each row on a fresh store whose history is empty: the store afterwards, the one generation a
// write keeps, the files deleted as asked and the messages in order.
TEST_F(SetupBatchTransferTest, ImportTakesEachFileInOrderAndRefusesAsTheRowSays)
{
    for (const ImportRow& row : kImportRows) {
        SCOPED_TRACE(row.what);
        const fixture::GameDir rowGame;
        for (const auto& [name, bytes] : importFiles())
            fixture::writeFile(inFolder(name), bytes);
        const std::vector<QByteArray> before = storedSlots(row.storedBefore);
        rowGame.write("setups.sav", fixture::store(before));

        const BatchImportOutcome outcome = importSetups({.gameDirectory = rowGame.root(),
                                                         .profile = &kGame,
                                                         .files = inFolder(row.files),
                                                         .onRefusal = row.onRefusal,
                                                         .deleteFilesAfterImport = true,
                                                         .dryRun = row.dryRun});

        std::vector<QByteArray> after = before;
        for (const QString& name : row.imported)
            after.push_back(importFiles().at(name));
        EXPECT_EQ(rowGame.read("setups.sav"), fixture::store(after));
        EXPECT_EQ(generationCount(rowGame), row.imported.isEmpty() ? 0u : 1u);
        EXPECT_EQ(outcome.importedSlots, row.slots);
        EXPECT_EQ(outcome.refusedFiles, inFolder(row.refused));
        EXPECT_EQ(outcome.done, row.refused.isEmpty());
        QStringList texts;
        for (const Message& message : outcome.messages)
            texts << message.text;
        QStringList expected;
        for (const QString& message : row.messages)
            expected << expectedText(message);
        EXPECT_EQ(texts, expected);
        // Only the files whose setup is in the store are deleted.
        for (const auto& [name, bytes] : importFiles())
            EXPECT_EQ(QFile::exists(inFolder(name)), !row.imported.contains(name))
                << name.toStdString();
    }
}

struct ExportRow {
    const char* what;
    std::vector<int> slots; // empty: every setup
    bool friendsBravo;      // a writable Bravo.set of a friend's lies in the folder
    bool replace;
    bool dryRun;
    QStringList written; // files the folder holds afterwards, of the store's setups
    QStringList wouldReplace;
    QString message; // the start of the one message; empty: none
};

// The store: Alpha, Bravo, Alpha, Charlie.
const ExportRow kExportRows[] = {
    {"two slots", {4, 1}, false, false, false, {"Alpha.set", "Charlie.set"}, {}, {}},
    {"a slot named twice is written once", {4, 4}, false, false, false, {"Charlie.set"}, {}, {}},
    {"an existing file stops the batch", {4, 2}, true, false, false, {}, {"Bravo.set"}, {}},
    {"an existing file replaced when asked",
     {4, 2},
     true,
     true,
     false,
     {"Bravo.set", "Charlie.set"},
     {},
     {}},
    {"two setups of one name", {1, 3}, false, true, false, {}, {}, "The setups in slots 1 and 3"},
    {"every setup, with the clash", {}, false, false, false, {}, {}, "The setups in slots 1 and 3"},
    {"an empty slot", {4, 5}, false, false, false, {}, {}, "Slot 5 of the store holds no setup"},
    {"a dry run", {1, 4}, false, false, true, {}, {}, {}},
};

TEST_F(SetupBatchTransferTest, ExportWritesEachUnderItsOwnNameOrNothing)
{
    game.write("setups.sav",
               fixture::store({fixture::dtrSlot("Alpha", 1), fixture::dtrSlot("Bravo", 2),
                               fixture::dtrSlot("Alpha", 3), fixture::dtrSlot("Charlie", 4)}));
    const QByteArray friends = fixture::dtrSlot("Friend", 7);
    const std::map<QString, QByteArray> slotBytes{{"Alpha.set", fixture::dtrSlot("Alpha", 1)},
                                                  {"Bravo.set", fixture::dtrSlot("Bravo", 2)},
                                                  {"Charlie.set", fixture::dtrSlot("Charlie", 4)}};
    for (const ExportRow& row : kExportRows) {
        SCOPED_TRACE(row.what);
        const QTemporaryDir to;
        const auto at = [&](const QString& name) {
            return QDir(to.path()).filePath(name);
        };
        if (row.friendsBravo)
            fixture::writeFile(at("Bravo.set"), friends);

        const BatchExportOutcome outcome = exportSetups({.gameDirectory = game.root(),
                                                         .profile = &kGame,
                                                         .slots = row.slots,
                                                         .allSlots = row.slots.empty(),
                                                         .folder = to.path(),
                                                         .replaceExisting = row.replace,
                                                         .dryRun = row.dryRun});

        const bool refused = !row.wouldReplace.isEmpty() || !row.message.isEmpty();
        EXPECT_EQ(outcome.done, !refused);
        QStringList onDisk;
        for (const auto& [name, bytes] : slotBytes) {
            if (QFile::exists(at(name)) && fixture::readFile(at(name)) == bytes)
                onDisk << name;
        }
        EXPECT_EQ(onDisk, row.written);
        if (row.friendsBravo && !row.replace) {
            EXPECT_EQ(fixture::readFile(at("Bravo.set")), friends);
        }
        QStringList wouldReplace;
        for (const QString& name : row.wouldReplace)
            wouldReplace << at(name);
        EXPECT_EQ(outcome.wouldReplace, wouldReplace);
        if (row.message.isEmpty())
            EXPECT_TRUE(outcome.messages.empty());
        else
            EXPECT_TRUE(outcome.messages.size() == 1 &&
                        outcome.messages.front().text.startsWith(row.message));
        if (row.dryRun) {
            EXPECT_EQ(outcome.writtenFiles, (QStringList{at("Alpha.set"), at("Charlie.set")}));
        }
    }
}

} // namespace
