// SPDX-License-Identifier: GPL-3.0-or-later
// Several setup files imported in one store write, and several setups exported each under its own
// name: what goes in or out, what is refused, and what each says.
#include "core/game/GameProfile.h"
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

// Three setups, one of the other game, one cut short; named "a" for a.set in the rows.
const std::map<QString, QByteArray> kFiles{
    {"a", fixture::dtrSlot("A", 1)},
    {"b", fixture::dtrSlot("B", 2)},
    {"c", fixture::dtrSlot("C", 3)},
    {"sc", fixture::usedSlot("Sprint", fixture::kScTrailingWords, 4)},
    {"junk", fixture::dtrSlot("J", 5).chopped(1)},
};

QStringList words(const char* text)
{
    return QString::fromLatin1(text).split(' ', Qt::SkipEmptyParts);
}

struct ImportRow {
    const char* what;
    int stored; // setups in slots 1.. before the batch
    const char* files;
    BatchRefusal onRefusal;
    const char* imported; // in the store afterwards, after the stored ones
    const char* slots;    // the slots they took
    const char* refused;
    // Each message, "|" between: "!name", not a setup of this game; "full", the store is full.
    const char* messages;
};

const ImportRow kImportRows[] = {
    {"the window stops at a file of the other game", 1, "a sc b", BatchRefusal::StopThere, "a", "2",
     "sc", "!sc|1 of 3 setups were imported."},
    {"a first file refused stops before anything", 0, "junk a", BatchRefusal::StopThere, "", "",
     "junk", "!junk"},
    {"the command line changes nothing", 0, "a junk b", BatchRefusal::NothingChanged, "", "",
     "junk", "!junk"},
    {"keep going passes over each refused file", 0, "a sc junk b", BatchRefusal::PassOver, "a b",
     "1 2", "sc junk", "!sc|!junk|2 of 4 setups were imported."},
    {"a file named twice goes in twice, deleted once", 0, "a a", BatchRefusal::StopThere, "a a",
     "1 2", "", ""},
    {"the store fills up midway", 298, "a b c", BatchRefusal::StopThere, "a b", "299 300", "c",
     "full|2 of 3 setups were imported."},
};

// Each row on a fresh store with an empty history: the store afterwards, the one generation a
// write keeps, the files deleted as asked, and the messages in order.
TEST(SetupBatchImport, TakesEachFileInOrderAndRefusesAsTheRowSays)
{
    const QTemporaryDir folder;
    const auto paths = [&](const char* names) {
        QStringList list;
        for (const QString& name : words(names))
            list << folder.filePath(name + ".set");
        return list;
    };
    for (const ImportRow& row : kImportRows) {
        SCOPED_TRACE(row.what);
        const fixture::GameDir game;
        for (const auto& [name, bytes] : kFiles)
            fixture::writeFile(folder.filePath(name + ".set"), bytes);
        std::vector<QByteArray> slots;
        for (int k = 1; k <= row.stored; ++k)
            slots.push_back(fixture::dtrSlot("Stored " + QByteArray::number(k), k));
        const QByteArray before = fixture::store(slots);
        game.write("setups.sav", before);

        const BatchImportOutcome outcome = importSetups({.gameDirectory = game.root(),
                                                         .profile = &kGame,
                                                         .files = paths(row.files),
                                                         .onRefusal = row.onRefusal,
                                                         .deleteFilesAfterImport = true});

        for (const QString& name : words(row.imported))
            slots.push_back(kFiles.at(name));
        EXPECT_EQ(game.read("setups.sav"), fixture::store(slots));
        const StoreHistory history(StorePaths::forGameDirectory(game.root()), kGame.recordLayout());
        EXPECT_EQ(history.list().generations.size(), words(row.imported).isEmpty() ? 0u : 1u);
        std::vector<int> taken;
        for (const QString& slot : words(row.slots))
            taken.push_back(slot.toInt());
        EXPECT_EQ(outcome.importedSlots, taken);
        EXPECT_EQ(outcome.refusedFiles, paths(row.refused));
        EXPECT_EQ(outcome.done, !*row.refused);
        QStringList texts;
        for (const Message& message : outcome.messages)
            texts << message.text;
        QStringList expected;
        for (const QString& message : QString(row.messages).split('|', Qt::SkipEmptyParts)) {
            if (message == "full")
                expected << "The store is full: it holds 300 setups. Delete a setup before you "
                            "import another. Nothing was imported.";
            else if (message.startsWith('!'))
                expected << paths(qPrintable(message.mid(1))).front() +
                                " is not a setup file of Dirt Track Racing. Nothing was imported.";
            else
                expected << message;
        }
        EXPECT_EQ(texts, expected);
        // Only the files whose setup is in the store are deleted.
        for (const auto& [name, bytes] : kFiles)
            EXPECT_EQ(QFile::exists(folder.filePath(name + ".set")),
                      !words(row.imported).contains(name))
                << name.toStdString();
    }
}

struct ExportRow {
    const char* what;
    std::vector<int> slots; // empty: every setup
    bool friendsBravo;      // a writable Bravo.set of a friend's lies in the folder
    bool replace;
    bool dryRun;
    const char* written; // the store's setups the folder holds afterwards
    const char* wouldReplace;
    const char* message; // the start of the one message; empty: none
};

// The store: Alpha, Bravo, Alpha, Charlie.
const ExportRow kExportRows[] = {
    {"two slots", {4, 1}, false, false, false, "Alpha Charlie", "", ""},
    {"a slot named twice is written once", {4, 4}, false, false, false, "Charlie", "", ""},
    {"an existing file stops the batch", {4, 2}, true, false, false, "", "Bravo", ""},
    {"an existing file replaced when asked", {4, 2}, true, true, false, "Bravo Charlie", "", ""},
    {"two setups of one name", {1, 3}, false, true, false, "", "", "The setups in slots 1 and 3"},
    {"every setup", {}, false, false, false, "", "", "The setups in slots 1 and 3"},
    {"an empty slot", {4, 5}, false, false, false, "", "", "Slot 5 of the store holds no setup"},
    {"a dry run", {1, 4}, false, false, true, "", "", ""},
};

TEST(SetupBatchExport, WritesEachUnderItsOwnNameOrNothing)
{
    const fixture::GameDir game;
    const std::map<QString, QByteArray> setups{{"Alpha", fixture::dtrSlot("Alpha", 1)},
                                               {"Bravo", fixture::dtrSlot("Bravo", 2)},
                                               {"Charlie", fixture::dtrSlot("Charlie", 4)}};
    game.write("setups.sav", fixture::store({setups.at("Alpha"), setups.at("Bravo"),
                                             fixture::dtrSlot("Alpha", 3), setups.at("Charlie")}));
    const QByteArray friends = fixture::dtrSlot("Friend", 7);
    for (const ExportRow& row : kExportRows) {
        SCOPED_TRACE(row.what);
        const QTemporaryDir to;
        const auto at = [&](const QString& name) {
            return to.filePath(name + ".set");
        };
        if (row.friendsBravo)
            fixture::writeFile(at("Bravo"), friends);

        const BatchExportOutcome outcome = exportSetups({.gameDirectory = game.root(),
                                                         .profile = &kGame,
                                                         .slots = row.slots,
                                                         .allSlots = row.slots.empty(),
                                                         .folder = to.path(),
                                                         .replaceExisting = row.replace,
                                                         .dryRun = row.dryRun});

        const QString message = QString::fromLatin1(row.message);
        EXPECT_EQ(outcome.done, !*row.wouldReplace && message.isEmpty());
        QStringList onDisk;
        for (const auto& [name, bytes] : setups) {
            if (QFile::exists(at(name)) && fixture::readFile(at(name)) == bytes)
                onDisk << name;
        }
        EXPECT_EQ(onDisk, words(row.written));
        QStringList wouldReplace;
        for (const QString& name : words(row.wouldReplace))
            wouldReplace << at(name);
        EXPECT_EQ(outcome.wouldReplace, wouldReplace);
        EXPECT_EQ(outcome.messages.size(), message.isEmpty() ? 0u : 1u);
        if (!message.isEmpty() && !outcome.messages.empty()) {
            EXPECT_TRUE(outcome.messages.front().text.startsWith(message));
        }
        if (row.dryRun) {
            EXPECT_EQ(outcome.writtenFiles, (QStringList{at("Alpha"), at("Charlie")}));
        }
    }
}

} // namespace
