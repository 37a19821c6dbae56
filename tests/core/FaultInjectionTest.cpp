// SPDX-License-Identifier: GPL-3.0-or-later
// Every command that writes a file, run once with each of its file steps failing in turn: no
// setup may be lost, no file left half written, and no failure may pass for a success.
#include "core/files/SetupFileRename.h"
#include "core/game/GameProfile.h"
#include "core/platform/FileIO.h"
#include "core/registry/Registry.h"
#include "core/store/StoreCommands.h"
#include "core/store/StoreOpening.h"
#include "core/transfer/SetupExport.h"
#include "core/transfer/SetupImport.h"
#include "core/transfer/StoreCopy.h"
#include "support/FakeClock.h"
#include "support/FileTree.h"
#include "support/InjectedFileFaults.h"
#include "support/StoreBytes.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <iostream>
#include <set>
#include <sys/stat.h>

using namespace tarvelin;
using fixture::FileTree;

namespace
{

const GameProfile& kGame = DirtTrackRacingProfile;
const RecordLayout kLayout = kGame.recordLayout();
const QString kStore = QStringLiteral("game/data/saved games/setups.sav");
const QString kBackup = QStringLiteral("game/data/saved games/setups.bak");
const QString kScratch = QStringLiteral("game/data/saved games/setups.tmp");
const QString kImported = QStringLiteral("setups/Track.set");
const QString kFriend = QStringLiteral("setups/Friend.set");
// The records carry the time: the same in every run, so that runs compare byte for byte.
const FakeClock kHistoryClock(QDateTime(QDate(2026, 12, 6), QTime(21, 0), Qt::UTC));
const HistorySettings kDated{.clock = &kHistoryClock};
const QString kUtilityKey = QString::fromLatin1(UtilityKey);
// The backup history lives in the world too; its folder is named after the store's real path,
// which differs between worlds, so the snapshots call it by one name.
const QString kHistory = QStringLiteral("state/tarvelin-setup-utility/history/store");

// A game directory, the player's setup folder, a folder of whole-store copies and a registry,
// all under one root, set up afresh for every run.
struct World {
    QByteArray savedStateHome = qgetenv("XDG_STATE_HOME");
    QTemporaryDir root;
    QString path(const QString& relative) const { return root.filePath(relative); }
    QString game() const { return path("game"); }
    QString setups() const { return path("setups"); }
    QString copies() const { return path("copies"); }
    QString registry() const { return path("registry.reg"); }

    World()
    {
        qputenv("XDG_STATE_HOME", path("state").toLocal8Bit());
        for (const char* folder : {"game/data/saved games", "setups", "copies"})
            QDir().mkpath(path(folder));
        fixture::writeFile(path(kStore),
                           fixture::store({fixture::dtrSlot("A", 1), fixture::unusedSlot(),
                                           fixture::dtrSlot("B", 2), fixture::dtrSlot("C", 3)},
                                          9));
        fixture::writeFile(path(kBackup), fixture::store({fixture::dtrSlot("Old", 4)}));
        fixture::writeFile(path(kImported), fixture::dtrSlot("Track", 5));
        // A friend's setup, imported and so writable: replaced only when the player agreed.
        fixture::writeFile(path(kFriend), fixture::dtrSlot("Friend", 8));
        fixture::writeFile(path("copies/Dtr setups.sav"),
                           fixture::store({fixture::dtrSlot("X", 6), fixture::dtrSlot("Y", 7)}));
        fixture::writeFile(registry(), "REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\" +
                                           kUtilityKey.toLatin1() + "]\r\n\"Old\"=\"/old\"\r\n");
        for (const QString& readOnly : {kBackup, kImported})
            EXPECT_TRUE(setReadOnly(path(readOnly)));
    }
    ~World() { qputenv("XDG_STATE_HOME", savedStateHome); }
    World(const World&) = delete;
    World& operator=(const World&) = delete;
};

// A command run in a world; true when it claims to have done everything, without a warning.
struct Command {
    const char* name;
    std::function<bool(const World&)> run;
    // (first, second): `second` may reach its new state only once `first` has, else the setup
    // that moves from one to the other would be lost.
    std::vector<std::pair<QString, QString>> order = {};
    // Changes the world before the command runs.
    std::function<void(const World&)> prepare = {};
};

const QString kOutside = QStringLiteral("outside/notes.txt");

void makeOutsideFile(const World& w)
{
    QDir().mkpath(w.path("outside"));
    fixture::writeFile(w.path(kOutside), "the player's notes");
}

void linkToOutside(const World& w, const QString& at)
{
    makeOutsideFile(w);
    QFile::remove(w.path(at));
    EXPECT_TRUE(QFile::link(w.path(kOutside), w.path(at)));
}

void makeFifo(const World& w, const QString& at)
{
    QFile::remove(w.path(at));
    EXPECT_EQ(::mkfifo(QFile::encodeName(w.path(at)).constData(), 0644), 0);
}

// Preparations: a link to the player's file outside at `at`, or a FIFO there.
std::function<void(const World&)> linkAt(const QString& at)
{
    return [at](const World& w) {
        linkToOutside(w, at);
    };
}
std::function<void(const World&)> fifoAt(const QString& at)
{
    return [at](const World& w) {
        makeFifo(w, at);
    };
}

bool quiet(bool done, const std::vector<Message>& messages)
{
    return done && messages.empty();
}

const std::vector<Command>& commands()
{
    static const std::vector<Command> all = {
        {"opening backup",
         [](const World& w) {
             const StoreOpening o = openStoreAndBackUp(w.game(), kLayout, kDated);
             return o.backupWritten && o.keptGeneration != 0;
         }},
        {"export",
         [](const World& w) {
             const ExportOutcome o = exportSetup(
                 {w.game(), &kGame, 3, "Out", w.setups(), MessageStyle::Marked, nullptr});
             return quiet(o.done, o.messages);
         }},
        {"export replacing a file",
         [](const World& w) {
             const ExportOutcome o = exportSetup({.gameDirectory = w.game(),
                                                  .profile = &kGame,
                                                  .selectedSlot = 3,
                                                  .exportName = "Friend",
                                                  .folder = w.setups(),
                                                  .listedName = QByteArray("B"),
                                                  .replaceExisting = true});
             return quiet(o.done, o.messages);
         }},
        {"import button",
         [](const World& w) {
             const ImportOutcome o = importSetup({.gameDirectory = w.game(),
                                                  .profile = &kGame,
                                                  .folder = w.setups(),
                                                  .chosenFile = "Track.set",
                                                  .style = MessageStyle::Marked,
                                                  .history = kDated});
             return quiet(o.done, o.messages);
         }},
        {"import menu",
         [](const World& w) {
             const ImportOutcome o = importSetup({w.game(), &kGame, w.setups(), "Track.set",
                                                  MessageStyle::Plain, true, -1, kDated});
             return quiet(o.done, o.messages);
         },
         {{kStore, kImported}}},
        {"delete",
         [](const World& w) {
             const StoreCommandOutcome o = deleteSetup({.gameDirectory = w.game(),
                                                        .layout = kLayout,
                                                        .setupChosen = true,
                                                        .selectedSlot = 3,
                                                        .listedName = "B",
                                                        .history = kDated});
             return quiet(o.done, o.messages);
         }},
        {"restore",
         [](const World& w) {
             const StoreCommandOutcome o = restoreStore(w.game(), kLayout, kDated);
             return quiet(o.done, o.messages);
         }},
        {"sort",
         [](const World& w) {
             const StoreCommandOutcome o = sortStore(w.game(), kLayout, kDated);
             return quiet(o.done, o.messages);
         }},
        {"sort over a setups.tmp linked outside",
         [](const World& w) {
             const StoreCommandOutcome o = sortStore(w.game(), kLayout, kDated);
             return quiet(o.done, o.messages);
         },
         {},
         linkAt(kScratch)},
        {"store-export",
         [](const World& w) {
             const StoreCopyOutcome o = exportStoreCopy(w.game(), w.copies(), kGame, true);
             return o.done && o.messages.empty();
         }},
        {"store-import",
         [](const World& w) {
             const StoreCopyOutcome o =
                 importStoreCopy(w.game(), w.copies(), "Dtr setups.sav", kGame, kDated);
             return o.done && o.messages.empty();
         }},
        {"rename",
         [](const World& w) {
             const SetupFileRenameOutcome o =
                 renameSetupFile(w.setups(), "Track.set", "Renamed", kGame);
             return o.result == RenameResult::Renamed && o.messages.at(0).icon == MessageIcon::None;
         },
         {{"setups/Renamed.set", kImported}}},
        {"registry set",
         [](const World& w) {
             return Registry(w.registry())
                 .SetKeyValue(kUtilityKey, "(Dir)", QStringLiteral("/new"), RegistryType::String);
         }},
        {"registry delete",
         [](const World& w) {
             return Registry(w.registry()).DeleteValue(kUtilityKey, "Old");
         }},
    };
    return all;
}

// Fails call `failAt` of the file layer (and every later one when sticky).
struct Faults {
    int failAt = -1;
    bool sticky = false;
    int calls = 0;
    std::set<FileStep> failed;
    bool historyFailed = false; // a failed step was one of the backup history's
};

struct Outcome {
    FileTree before;
    FileTree after;
    bool claimed = false;
    bool rerunClaimed = false; // the command run again without faults
    FileTree afterRerun;
};

FileTree snapshot(const World& world)
{
    static const QRegularExpression historyFolder(
        QStringLiteral("^state/tarvelin-setup-utility/history/[^/]+"));
    FileTree tree;
    for (auto& [path, state] : fixture::snapshotTree(world.root.path()))
        tree[QString(path).replace(historyFolder, kHistory)] = state;
    return tree;
}

Outcome runOnce(const Command& command, Faults& faults)
{
    World world;
    if (command.prepare)
        command.prepare(world);
    Outcome run;
    run.before = snapshot(world);
    {
        const fixture::InjectedFileFaults injected([&faults](FileStep step, const QString& path) {
            const int call = faults.calls++;
            const bool fail = faults.failAt >= 0 &&
                              (call == faults.failAt || (faults.sticky && call > faults.failAt));
            if (fail) {
                faults.failed.insert(step);
                faults.historyFailed |= path.contains(QStringLiteral("/tarvelin-setup-utility/"));
            }
            return !fail;
        });
        run.claimed = command.run(world);
    }
    run.after = snapshot(world);
    if (run.after.contains(kScratch)) {
        run.rerunClaimed = command.run(world);
        run.afterRerun = snapshot(world);
    }
    return run;
}

std::optional<QByteArray> bytesOf(const FileTree& tree, const QString& path)
{
    const auto it = tree.find(path);
    return it == tree.end() ? std::nullopt : std::optional(it->second.bytes);
}

bool sameBytes(const FileTree& a, const FileTree& b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](auto& x, auto& y) {
               return x.first == y.first && x.second.bytes == y.second.bytes;
           });
}

// The player's files only: an opening keeps even a damaged store it finds in the history.
FileTree outsideHistory(const FileTree& tree)
{
    FileTree out;
    for (const auto& [path, state] : tree) {
        if (!path.startsWith(kHistory))
            out.emplace(path, state);
    }
    return out;
}

TEST(FaultInjection, EveryFileStepOfEveryWritingCommandFailsSafely)
{
    int tried = 0;
    std::string perCommand;
    std::set<FileStep> walked;
    for (const Command& command : commands()) {
        Faults clean;
        const Outcome good = runOnce(command, clean);
        ASSERT_TRUE(good.claimed) << command.name;
        ASSERT_FALSE(sameBytes(good.before, good.after)) << command.name << " changed nothing";
        ASSERT_GT(clean.calls, 0) << command.name;
        perCommand += std::string(perCommand.empty() ? "" : ", ") + command.name + " " +
                      std::to_string(clean.calls);

        for (const bool sticky : {false, true}) {
            for (int i = 0; i < clean.calls; ++i, ++tried) {
                Faults faults{i, sticky, 0, {}, false};
                const Outcome run = runOnce(command, faults);
                SCOPED_TRACE(testing::Message() << command.name << ": call " << i << " of "
                                                << clean.calls << (sticky ? " onwards" : ""));
                ASSERT_FALSE(faults.failed.empty());
                walked.insert(faults.failed.begin(), faults.failed.end());

                // Each file is whole: as it was, or as the command leaves it when all goes well.
                std::set<QString> paths;
                for (const FileTree* tree : {&run.before, &run.after, &good.after})
                    for (const auto& [path, state] : *tree)
                        paths.insert(path);
                // A scratch file that could not be removed is harmless: the next run replaces it.
                if (faults.failed.contains(FileStep::Remove) && run.after.contains(kScratch)) {
                    paths.erase(kScratch);
                    EXPECT_TRUE(run.rerunClaimed);
                    EXPECT_FALSE(run.afterRerun.contains(kScratch));
                }
                for (const QString& path : paths) {
                    const auto now = bytesOf(run.after, path);
                    EXPECT_TRUE(now == bytesOf(good.before, path) ||
                                now == bytesOf(good.after, path))
                        << path.toStdString();
                }
                EXPECT_TRUE(bytesOf(run.after, kStore)) << "setups.sav is missing";
                for (const auto& [first, second] : command.order) {
                    if (bytesOf(run.after, second) != bytesOf(good.before, second)) {
                        EXPECT_EQ(bytesOf(run.after, first), bytesOf(good.after, first))
                            << second.toStdString() << " changed before " << first.toStdString();
                    }
                }
                // The store changes only once the store it replaces is in the history, and not
                // at all when the history could not be written.
                const bool storeChanged =
                    bytesOf(run.after, kStore) != bytesOf(good.before, kStore);
                if (storeChanged) {
                    for (const auto& [path, state] : good.after) {
                        if (path.startsWith(kHistory) && !good.before.contains(path)) {
                            EXPECT_EQ(bytesOf(run.after, path), state.bytes)
                                << "the store changed before " << path.toStdString();
                        }
                    }
                }
                if (faults.historyFailed) {
                    EXPECT_FALSE(storeChanged) << "the store changed without its history";
                }
                // The backup stays protected unless setting attributes is what failed.
                if (!faults.failed.contains(FileStep::SetAttributes)) {
                    EXPECT_TRUE(run.after.at(kBackup).readOnly);
                }
                if (!sameBytes(run.after, good.after)) {
                    EXPECT_FALSE(run.claimed) << "a failure reported as success";
                }
            }
        }
    }
    // The flush of a folder after a rename is a step of its own, walked like the others.
    EXPECT_TRUE(walked.contains(FileStep::FlushFolder));
    std::cout << "[ fault points ] " << commands().size() << " commands, " << tried
              << " runs with one failing file step (once or from then on); steps per command: "
              << perCommand << "\n";
    testing::Test::RecordProperty("faultPoints", tried);
    testing::Test::RecordProperty("commands", static_cast<int>(commands().size()));
}

// What the utility must refuse: a file to read that is a FIFO, a target that is a link, a store
// too damaged to back up. Whichever file step fails as well, the command claims nothing and
// changes no file's bytes.
TEST(FaultInjection, EveryRefusalHoldsWhateverFileStepFails)
{
    const std::vector<Command> refusals = {
        {"sort of a FIFO store",
         [](const World& w) { return sortStore(w.game(), kLayout).done; },
         {},
         fifoAt(kStore)},
        {"restore from a FIFO backup",
         [](const World& w) { return restoreStore(w.game(), kLayout).done; },
         {},
         fifoAt(kBackup)},
        {"import of a FIFO setup file",
         [](const World& w) {
             return importSetup({.gameDirectory = w.game(),
                                 .profile = &kGame,
                                 .folder = w.setups(),
                                 .chosenFile = "Track.set",
                                 .deleteFileAfterImport = true})
                 .done;
         },
         {},
         fifoAt(kImported)},
        {"store-import of a FIFO copy",
         [](const World& w) {
             return importStoreCopy(w.game(), w.copies(), "Dtr setups.sav", kGame).done;
         },
         {},
         fifoAt("copies/Dtr setups.sav")},
        {"opening of a store cut short",
         [](const World& w) { return openStoreAndBackUp(w.game(), kLayout).backupWritten; },
         {},
         [](const World& w) {
             fixture::writeFile(w.path(kStore), fixture::readFile(w.path(kStore)).left(1000));
         }},
        {"export onto a link",
         [](const World& w) {
             return exportSetup(
                        {w.game(), &kGame, 3, "Out", w.setups(), MessageStyle::Marked, nullptr})
                 .done;
         },
         {},
         linkAt("setups/Out.set")},
        {"store-export onto a link",
         [](const World& w) { return exportStoreCopy(w.game(), w.copies(), kGame).done; },
         {},
         linkAt("copies/Dtr setups.sav")},
        {"rename onto a link",
         [](const World& w) {
             return renameSetupFile(w.setups(), "Track.set", "Renamed", kGame).done;
         },
         {},
         linkAt("setups/Renamed.set")},
    };
    int tried = 0;
    for (const Command& command : refusals) {
        Faults clean;
        const Outcome good = runOnce(command, clean);
        EXPECT_FALSE(good.claimed) << command.name;
        EXPECT_TRUE(sameBytes(outsideHistory(good.before), outsideHistory(good.after)))
            << command.name;
        for (const bool sticky : {false, true}) {
            for (int i = 0; i < clean.calls; ++i, ++tried) {
                Faults faults{i, sticky, 0, {}};
                const Outcome run = runOnce(command, faults);
                SCOPED_TRACE(testing::Message() << command.name << ": call " << i << " of "
                                                << clean.calls << (sticky ? " onwards" : ""));
                EXPECT_FALSE(run.claimed);
                EXPECT_TRUE(sameBytes(outsideHistory(run.before), outsideHistory(run.after)));
            }
        }
    }
    std::cout << "[ fault points ] " << refusals.size() << " refusals, " << tried
              << " runs with one failing file step\n";
}

} // namespace
