// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/cli/CommandLine.h"

#include "core/cli/CommandTable.h"
#include "core/platform/FileIO.h"
#include "core/registry/Registry.h"
#include "support/CommandLineRun.h"
#include "support/FileTree.h"
#include "support/ScopedEnvironment.h"
#include "support/StoreBytes.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <algorithm>
#include <gtest/gtest.h>
#include <set>

using namespace tarvelin;

namespace
{

// Runs the command line in process, as the executable would, and keeps what it printed.
class CommandLineTest : public ::testing::Test
{
protected:
    int run(QStringList arguments)
    {
        arguments << QStringLiteral("--registry") << registryFile();
        return fixture::runCommandLine(arguments, out, err);
    }
    QString registryFile() const { return scratch.filePath(QStringLiteral("registry.reg")); }

    QTemporaryDir scratch;
    // The player's own Wine prefix must not find games for these tests.
    fixture::ScopedEnvironment noWine{"WINEPREFIX", scratch.filePath("no-wine").toLocal8Bit()};
    fixture::GameDir game;
    QString out;
    QString err;
};

TEST_F(CommandLineTest, ListShowsPositionSlotAndNameWithRealSlotsAndUtf8Names)
{
    game.write("setups.sav", fixture::store({fixture::usedSlot("Oval", 6, 1), fixture::unusedSlot(),
                                             fixture::usedSlot("Caf\xE9 \x80", 6, 2)}));

    ASSERT_EQ(run({"list", "--game", "dtr", "--game-dir", game.root()}), 0) << err.toStdString();
    EXPECT_EQ(out, QStringLiteral("1\t1\tOval\n2\t3\tCafé €\n"));

    // Options may also come first, and the listing may be JSON.
    ASSERT_EQ(run({"--json", "--game-dir", game.root(), "--game", "dtr", "list"}), 0);
    const QJsonObject listing = QJsonDocument::fromJson(out.toUtf8()).object();
    EXPECT_EQ(listing["game"].toString(), QStringLiteral("dtr"));
    EXPECT_EQ(listing["count"].toInt(), 2);
    EXPECT_EQ(listing["nextSlot"].toInt(), 2); // the gap an import fills
    EXPECT_EQ(listing["gameDirectory"].toString(), game.root());
    EXPECT_EQ(listing["store"].toString(), game.path("setups.sav"));
    const QJsonArray setups = listing["setups"].toArray();
    ASSERT_EQ(setups.size(), 2);
    EXPECT_EQ(setups[1].toObject()["position"].toInt(), 2);
    EXPECT_EQ(setups[1].toObject()["slot"].toInt(), 3);
    EXPECT_EQ(setups[1].toObject()["name"].toString(), QStringLiteral("Café €"));
}

TEST_F(CommandLineTest, GameDirectoryComesFromTheRegistry)
{
    game.write("setups.sav", fixture::storeOf({"Sprint"}, 5));
    ASSERT_EQ(run({"registry", "set", "Software\\Ratbag\\Dirt Track Racing - Sprint Cars\\1.00",
                   "Directory", game.root()}),
              0)
        << err.toStdString();

    ASSERT_EQ(run({"list", "--game", "sc"}), 0) << err.toStdString();
    EXPECT_EQ(out, QStringLiteral("1\t1\tSprint\n"));
    // The other game has no key: the player is told where to point the utility.
    EXPECT_EQ(run({"list", "--game", "dtr"}), 1);
    EXPECT_TRUE(err.contains(QStringLiteral("Software\\Ratbag\\Dirt Track Racing\\1.00")));
}

TEST_F(CommandLineTest, BackupRewritesSetupsBakAsTheWindowDoes)
{
    QByteArray store = fixture::storeOf({"a", "b"}, 6);
    store.replace(0, 4, fixture::le32(9));
    game.write("setups.sav", store);

    ASSERT_EQ(run({"backup", "--game", "dtr", "--game-dir", game.root()}), 0) << err.toStdString();
    EXPECT_EQ(game.read("setups.bak"), store.replace(0, 4, fixture::le32(0)));
    EXPECT_TRUE(isReadOnly(game.path("setups.bak")));
}

TEST_F(CommandLineTest, RegistryValuesRoundTrip)
{
    const QString key = QStringLiteral("Software\\Tarvelin\\TarvelinSetupUtility\\6.2.2");
    ASSERT_EQ(run({"registry", "set", key, "(Dir)", "C:\\Setups \"mine\""}), 0);
    ASSERT_EQ(run({"registry", "get", key.toLower(), "(dir)"}), 0);
    EXPECT_EQ(out, QStringLiteral("C:\\Setups \"mine\"\n"));
    ASSERT_EQ(run({"registry", "set", key, "Count", "10", "--dword"}), 0);
    ASSERT_EQ(run({"registry", "get", key, "Count"}), 0);
    EXPECT_EQ(out, QStringLiteral("10\n"));
    ASSERT_EQ(run({"registry", "delete", key, "(Dir)"}), 0);
    EXPECT_EQ(run({"registry", "get", key, "(Dir)"}), 1);
}

TEST_F(CommandLineTest, ExitCodesSeparateRefusalFromWrongUsage)
{
    struct Case {
        QStringList arguments;
        int exitCode;
    };
    const QString missing = game.root() + QStringLiteral("/nowhere");
    const std::vector<Case> cases = {
        {{"--version"}, 0},
        {{"list", "--game-dir", game.root()}, 2},                 // no game
        {{"list", "--game", "gt", "--game-dir", game.root()}, 2}, // no such game
        {{"list", "--game", "dtr", "--game-dir"}, 2},             // option without its value
        {{"list", "--game", "dtr", "--game-dir", missing}, 1},    // store missing
        {{"backup", "--game", "sc", "--game-dir", missing}, 1},
        {{"registry", "get", "Software\\Nothing", "x"}, 1},
        {{"registry", "get"}, 2},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(run(c.arguments), c.exitCode) << c.arguments.join(' ').toStdString();
    }
    run({"list", "--game", "dtr", "--game-dir", missing});
    EXPECT_TRUE(err.contains(missing)) << "a failure names the path";
}

TEST_F(CommandLineTest, StoreCommandsRunTheWindowsCommands)
{
    game.write("setups.sav", fixture::storeOf({"b", "A", "C"}, 5));
    const QStringList sc{"--game", "sc", "--game-dir", game.root()};
    const QString file = scratch.filePath("mine.dts");
    const QStringList exportA =
        QStringList{"export", "--slot", "2", "--name", "mine", "--to", scratch.path()} + sc;

    ASSERT_EQ(run(exportA), 0) << err.toStdString();
    EXPECT_EQ(out, file + '\n');
    EXPECT_EQ(run(exportA), 1); // the first file is read-only now
    EXPECT_EQ(run(QStringList{"export", "--slot", "2", "--name", "x", "--to", "/"} + sc), 1);
    EXPECT_EQ(err, QStringLiteral("/  You can't export to the root directory choose a folder and "
                                  "try it again.\n"));
    ASSERT_EQ(run(QStringList{"import", file, "--delete"} + sc), 0) << err.toStdString();
    EXPECT_EQ(out, QStringLiteral("4\n"));
    EXPECT_FALSE(QFile::exists(file));
    EXPECT_EQ(run(QStringList{"restore"} + sc), 1); // no backup yet

    ASSERT_EQ(run(QStringList{"backup"} + sc), 0);
    ASSERT_EQ(run(QStringList{"delete", "--slot", "1"} + sc), 0);
    ASSERT_EQ(run(QStringList{"sort"} + sc), 0);
    ASSERT_EQ(run(QStringList{"list"} + sc), 0);
    EXPECT_EQ(out, QStringLiteral("1\t1\tA\n2\t2\tA\n3\t3\tC\n"));
    ASSERT_EQ(run(QStringList{"restore"} + sc), 0);
    ASSERT_EQ(run(QStringList{"list"} + sc), 0);
    EXPECT_EQ(out, QStringLiteral("1\t1\tb\n2\t2\tA\n3\t3\tC\n4\t4\tA\n"));
}

TEST_F(CommandLineTest, WholeStoreCopiesAndSetupFilesRunTheWindowsCommands)
{
    game.write("setups.sav", fixture::storeOf({"Oval", "Mile"}, 6));
    const QStringList dtr{"--game", "dtr", "--game-dir", game.root()};
    EXPECT_EQ(run(QStringList{"store-export"} + dtr), 2);
    EXPECT_EQ(run(QStringList{"store-export", "--to", "/"} + dtr), 1);
    ASSERT_EQ(run(QStringList{"store-export", "--to", scratch.path()} + dtr), 0);

    game.write("setups.sav", fixture::storeOf({"Other"}, 6));
    EXPECT_EQ(run(QStringList{"store-import", scratch.filePath("missing.sav")} + dtr), 1);
    EXPECT_EQ(err, QStringLiteral("You did'nt choose a file to import.\n"));
    ASSERT_EQ(run(QStringList{"store-import", scratch.filePath("Dtr setups.sav")} + dtr), 0);
    EXPECT_EQ(game.read("setups.sav"), fixture::storeOf({"Oval", "Mile"}, 6));

    fixture::writeFile(scratch.filePath("fast.set"), fixture::usedSlot("fast", 6, 1));
    ASSERT_EQ(run({"rename-file", "--game", "dtr", scratch.filePath("fast.set"), "Oval"}), 0);
    EXPECT_EQ(err, QStringLiteral("fast.set was renamed sucessfully.\n"));
    EXPECT_EQ(run({"trash-file", scratch.path()}), 1); // a folder is never trashed
    EXPECT_TRUE(QDir(scratch.path()).exists());
}

// Wrong usage: exit 2, one line naming the problem, and nothing on disk touched, even where the
// rest of the line would have been a working command (the registry knows the game).
TEST_F(CommandLineTest, WrongUsageIsOneLineAndChangesNothing)
{
    const QByteArray store = fixture::storeOf({"Oval", "Mile", "Dirt"}, 6);
    game.write("setups.sav", store);
    game.write("setups.bak", fixture::storeOf({"Old"}, 6));
    const QString setupFile = scratch.filePath("fast.set");
    fixture::writeFile(setupFile, fixture::usedSlot("fast", 6, 1));
    ASSERT_EQ(run({"registry", "set", "Software\\Ratbag\\Dirt Track Racing\\1.00", "Directory",
                   game.root()}),
              0);
    const QString to = scratch.path();

    struct Case {
        QStringList arguments;
        QString line; // the whole line on stderr
    };
    const std::vector<Case> cases = {
        {{"list", "--game", "dtr", "--dry-run"}, "list: --dry-run is not an option of list"},
        {{"sort", "--game", "dtr", "--slot", "5"}, "sort: --slot is not an option of sort"},
        {{"trash-file", setupFile, "--game", "dtr"},
         "trash-file: --game is not an option of trash-file"},
        {{"list", "--game", "dtr", "--bogus"}, "list: --bogus is not an option of list"},
        {{"list", "--game", "dtr", "--json=yes"}, "list: --json takes no value"},
        {{"delete", "--game", "dtr", "--slot"}, "delete: --slot needs K"},
        {{"delete", "--game", "dtr", "--slot", "1", "--game-dir", ""},
         "delete: --game-dir is empty"},
        {{"sort", "--game", "dtr", "--game-dir="}, "sort: --game-dir is empty"},
        {{"delete", "--game", "dtr"}, "delete: needs --slot K"},
        {{"sort"}, "sort: needs --game dtr|sc"},
        {{"sort", "--game", "gt"}, "sort: --game takes dtr or sc, not gt"},
        {{"delete", "--game", "dtr", "--slot", "0"},
         "delete: --slot takes a slot number from 1 to 300, not 0"},
        {{"delete", "--game", "dtr", "--slot", "301"},
         "delete: --slot takes a slot number from 1 to 300, not 301"},
        {{"delete", "--game", "dtr", "--slot", "one"},
         "delete: --slot takes a slot number from 1 to 300, not one"},
        {{"delete", "--game", "dtr", "--slot", "1", "--slot", "2"},
         "delete: --slot is given twice"},
        {{"import", "--game", "dtr", "--delete"}, "import: needs FILE"},
        {{"import", "--game", "dtr", "--delete", setupFile, ""}, "import: FILE is empty"},
        {{"export", "--game", "dtr", "--to", to}, "export: needs --slot K or --all"},
        {{"export", "--game", "dtr", "--all", "--slot", "2", "--to", to},
         "export: --slot and --all are both given"},
        {{"export", "--game", "dtr", "--all", "--name", "x", "--to", to},
         "export: --name names the file of one --slot only"},
        {{"sort", "--game", "dtr", "now"}, "sort: unexpected argument \"now\""},
        {{"export", "--game", "dtr", "--slot", "1", "--name", "x"}, "export: needs --to DIR"},
        {{"export", "--game", "dtr", "--slot", "1", "--name", "", "--to", to},
         "export: --name is empty"},
        {{"export", "--game", "dtr", "--slot", "1", "", to}, "export: NAME is empty"},
        {{"export", "--game", "dtr", "--slot", "1", "x", to, "--name", "y"},
         "export: NAME and --name are both given"},
        {{"restore", "--game", "dtr", "--to", to}, "restore: --to is not an option of restore"},
        {{"frobnicate"}, "frobnicate is not a command"},
        {{"registry"}, "registry: needs get, set, delete or import-wine"},
        {{"registry", "put", "k", "n"},
         "registry put is not a command; registry takes get, set, delete or import-wine"},
        {{"registry", "set", "Software\\Ratbag\\Dirt Track Racing\\1.00", "Directory", "x",
          "--dword"},
         "registry set: --dword needs a whole number, not \"x\""},
        {{"registry", "get", "k"}, "registry get: needs NAME"},
        {{"--game", "dtr"}, "--game needs a command"},
        {{"--bogus", "list"}, "--bogus is not an option"},
        {{"list", "--version"}, "list: --version is not an option of list"},
    };
    const fixture::FileTree gameBefore = fixture::snapshotTree(game.root());
    const fixture::FileTree scratchBefore = fixture::snapshotTree(scratch.path());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        EXPECT_EQ(run(c.arguments), 2);
        EXPECT_EQ(err.toStdString(), (c.line + QStringLiteral("; see --help\n")).toStdString());
        EXPECT_TRUE(out.isEmpty());
        EXPECT_EQ(fixture::snapshotTree(game.root()), gameBefore);
        EXPECT_EQ(fixture::snapshotTree(scratch.path()), scratchBefore);
    }
    EXPECT_EQ(game.read("setups.sav"), store);
}

// Every command's --help is built from its row: the usage line, the summary, each argument and
// each option it takes. A usage error never prints the help.
TEST_F(CommandLineTest, HelpOfEveryCommandComesFromTheTable)
{
    const auto text = [](std::string_view view) {
        return QString::fromUtf8(view.data(), static_cast<qsizetype>(view.size()));
    };
    ASSERT_EQ(run({"--help"}), 0);
    const QString global = out;
    for (const cli::CommandSpec& command : cli::commandTable()) {
        const QString name = text(command.name);
        SCOPED_TRACE(name.toStdString());
        const QString usage = text(command.usage);
        EXPECT_TRUE(global.contains(QStringLiteral("  ") + usage + QLatin1Char('\n')));

        // The usage line spells what the parser demands, in the documented form.
        EXPECT_TRUE(usage.startsWith(name + QLatin1Char(' ')) || usage == name);
        for (const cli::CommandOption& option : command.options) {
            const cli::OptionSpec& definition = cli::optionSpec(option.option);
            const QString written = QStringLiteral("--") + text(definition.name);
            if (option.required) {
                EXPECT_TRUE(usage.contains(written + QLatin1Char(' ') + text(definition.valueName)))
                    << written.toStdString();
            }
        }
        for (const cli::ArgumentSpec& argument : command.arguments) {
            if (!argument.standsForOption) {
                EXPECT_TRUE(usage.contains(text(argument.name)));
            }
        }

        QStringList words = name.split(QLatin1Char(' '));
        ASSERT_EQ(run(words << QStringLiteral("--help")), 0);
        EXPECT_TRUE(out.startsWith(QStringLiteral("Usage: tarvelin-setup-utility ") + usage +
                                   QLatin1Char('\n')));
        EXPECT_TRUE(out.simplified().contains(text(command.summary).mid(1)));
        for (const cli::ArgumentSpec& argument : command.arguments)
            EXPECT_TRUE(
                out.contains(QStringLiteral("  ") + text(argument.name) + QLatin1Char(' ')));
        for (const auto options : {command.options, cli::everyCommandOptions()}) {
            for (const cli::CommandOption& option : options)
                EXPECT_TRUE(out.contains(QStringLiteral("  --") +
                                         text(cli::optionSpec(option.option).name)));
        }
        EXPECT_FALSE(out.contains(QStringLiteral("--demo"))) << "only the program's own help";
    }
    // The help is shown even when the rest of the line would be refused.
    ASSERT_EQ(run({"delete", "--help"}), 0);
    EXPECT_TRUE(out.startsWith(QStringLiteral("Usage: tarvelin-setup-utility delete ")));
    EXPECT_EQ(run({"delete", "--game", "dtr", "--slot", "1", "--replace"}), 2);
    EXPECT_FALSE(err.contains(QStringLiteral("Usage:")));

    // help [COMMAND] shows what --help shows; the first word of two-word commands lists them.
    struct Help {
        QStringList line;
        QStringList sameAs;
    };
    const std::vector<Help> helps = {
        {{"help"}, {"--help"}},
        {{"help", "delete"}, {"delete", "--help"}},
        {{"help", "registry", "set"}, {"registry", "set", "--help"}},
        {{"help", "history"}, {"history", "-h"}},
        {{"help", "registry"}, {"registry", "--help"}},
    };
    for (const Help& help : helps) {
        SCOPED_TRACE(help.line.join(' ').toStdString());
        ASSERT_EQ(run(help.sameAs), 0);
        const QString expected = out;
        ASSERT_EQ(run(help.line), 0);
        EXPECT_EQ(out, expected);
    }
    EXPECT_EQ(out.section('\n', 0, 0),
              QStringLiteral("Usage: tarvelin-setup-utility registry SUBCOMMAND [options]"));
    for (const char* subcommand :
         {"get KEY NAME", "set KEY NAME VALUE", "delete KEY NAME", "import-wine [--game"}) {
        EXPECT_TRUE(out.contains(QStringLiteral("\n  registry ") + QLatin1String(subcommand)))
            << subcommand;
    }
    EXPECT_FALSE(out.contains(QStringLiteral("history list")));
    EXPECT_EQ(run({"help", "frobnicate"}), 2);
    EXPECT_EQ(err, QStringLiteral("help: frobnicate is not a command; see --help\n"));
    EXPECT_EQ(run({"-V"}), 0);
    EXPECT_EQ(out, QStringLiteral("tarvelin-setup-utility " TARVELIN_VERSION "\n"));
}

// The runner finds the game directory before exactly the commands that take --game-dir; the
// others (registry, files) run where no game is installed, and every store command finds its game.
TEST_F(CommandLineTest, ExactlyTheCommandsTakingGameDirHaveTheGameFoundFirst)
{
    for (const cli::CommandSpec& command : cli::commandTable()) {
        const bool takesGameDir =
            std::ranges::any_of(command.options, [](const cli::CommandOption& option) {
                return option.option == cli::Option::GameDir;
            });
        EXPECT_EQ(command.needsGameDirectory, takesGameDir) << command.name;
    }
}

TEST_F(CommandLineTest, ExportTakesNameAndFolderAsOptionsOrAsArguments)
{
    game.write("setups.sav", fixture::storeOf({"Oval", "Mile"}, 6));
    const QStringList dtr{"--game", "dtr", "--game-dir", game.root()};
    const QByteArray mile = fixture::usedSlot("Mile", 6, 2);

    ASSERT_EQ(
        run(QStringList{"export", "--slot", "2", "--name", "A", "--to", scratch.path()} + dtr), 0)
        << err.toStdString();
    EXPECT_EQ(out, scratch.filePath("A.set") + '\n');
    ASSERT_EQ(run(QStringList{"export", "--name=B", "--slot=2", "--to=" + scratch.path()} + dtr),
              0);
    ASSERT_EQ(run(QStringList{"export", "--slot", "2", "C", scratch.path()} + dtr), 0);
    for (const char* file : {"A.set", "B.set", "C.set"}) {
        EXPECT_EQ(fixture::readFile(scratch.filePath(file)), mile) << file;
        EXPECT_TRUE(isReadOnly(scratch.filePath(file))) << file;
    }
    // The folder may be an option while the name stays an argument.
    ASSERT_EQ(run(QStringList{"export", "--slot", "1", "D", "--to", scratch.path()} + dtr), 0)
        << err.toStdString();
    EXPECT_EQ(fixture::readFile(scratch.filePath("D.set")), fixture::usedSlot("Oval", 6, 1));
}

TEST_F(CommandLineTest, ExportAndRenameReplaceAnotherFileOnlyWithReplace)
{
    game.write("setups.sav", fixture::storeOf({"Oval", "Mile"}, 6));
    const QString target = scratch.filePath("Friend.set");
    const QByteArray friends = fixture::usedSlot("Friend", 6, 9);
    fixture::writeFile(target, friends);
    const QStringList exportMile{"export",       "--slot", "2",   "--name",     "Friend",   "--to",
                                 scratch.path(), "--game", "dtr", "--game-dir", game.root()};
    EXPECT_EQ(run(exportMile), 1);
    EXPECT_EQ(err,
              target + " already exists. Nothing was exported; give --replace to replace it.\n");
    EXPECT_EQ(fixture::readFile(target), friends);
    ASSERT_EQ(run(exportMile + QStringList{"--replace"}), 0) << err.toStdString();
    EXPECT_EQ(fixture::readFile(target), fixture::usedSlot("Mile", 6, 2));

    const QString mine = scratch.filePath("mine.set");
    fixture::writeFile(mine, friends);
    const QStringList rename{"rename-file", "--game", "dtr", mine, "Other"};
    fixture::writeFile(scratch.filePath("Other.set"), {});
    EXPECT_EQ(run(rename), 1);
    EXPECT_TRUE(err.endsWith("mine.set was not renamed; give --replace to replace it.\n"));
    ASSERT_EQ(run(rename + QStringList{"--replace"}), 0);
    EXPECT_EQ(fixture::readFile(scratch.filePath("Other.set")), friends);
}

TEST_F(CommandLineTest, RegistrySetRefusesALineBreakAndLeavesTheFileAsItWas)
{
    // The first set of a game key also creates the utility's key, where folders are remembered.
    ASSERT_EQ(run({"registry", "set", "Software\\Ratbag", "Directory", game.root()}), 0);
    EXPECT_TRUE(Registry(registryFile()).keyExists(QString::fromLatin1(UtilityKey)));
    const QByteArray before = fixture::readFile(registryFile());
    EXPECT_EQ(run({"registry", "set", "Software\\Broken\nKey", "x", "y"}), 1);
    EXPECT_EQ(err, registryFile() + " was not changed: the key path holds a line break.\n");
    EXPECT_EQ(fixture::readFile(registryFile()), before);
}

TEST_F(CommandLineTest, ListWritesOneLinePerSetupAndAMissingStoreAsEmpty)
{
    game.write("setups.sav", fixture::store({fixture::usedSlot("Two\nlines", 6, 1),
                                             fixture::usedSlot("\x1b[2Jclear\ttab\\", 6, 2),
                                             fixture::usedSlot("C1 \x81 bell\x07", 6, 3)}));
    ASSERT_EQ(run({"list", "--game", "dtr", "--game-dir", game.root()}), 0) << err.toStdString();
    EXPECT_EQ(out, QStringLiteral("1\t1\tTwo\\nlines\n"
                                  "2\t2\t\\x1b[2Jclear\\ttab\\\\\n"
                                  "3\t3\tC1 \\x81 bell\\x07\n"));

    QFile::remove(game.path("setups.sav"));
    ASSERT_EQ(run({"list", "--game", "dtr", "--game-dir", game.root()}), 0) << err.toStdString();
    EXPECT_EQ(out, QString()); // a game directory without its saved games folder is exit 1
}

TEST_F(CommandLineTest, DeleteOfAnUnusedSlotSaysSoAndBackupKeepsTheBackupOfADamagedStore)
{
    const QByteArray store = fixture::store({fixture::usedSlot("A", 6, 1), fixture::unusedSlot()});
    game.write("setups.sav", store);
    EXPECT_EQ(run({"delete", "--game", "dtr", "--game-dir", game.root(), "--slot", "2"}), 1);
    EXPECT_EQ(err, QStringLiteral("Slot 2 holds no setup. Nothing was deleted.\n"));
    EXPECT_EQ(game.read("setups.sav"), store);

    const QByteArray backup = fixture::storeOf({"Good", "Better"}, 6);
    game.write("setups.bak", backup);
    game.write("setups.sav", store.left(500));
    EXPECT_EQ(run({"backup", "--game", "dtr", "--game-dir", game.root()}), 1);
    EXPECT_EQ(err.count('\n'), 1) << err.toStdString();
    EXPECT_TRUE(err.contains(game.path("setups.sav"))) << err.toStdString();
    EXPECT_TRUE(err.contains(QStringLiteral("was kept"))) << err.toStdString();
    EXPECT_EQ(game.read("setups.bak"), backup);
}

// The files every command below works on: a store of three setups and one generation of its
// history (the store before a delete), a backup, a setup file, a whole-store copy and a registry
// file that names the game.
class EveryCommandTest : public CommandLineTest
{
protected:
    void SetUp() override
    {
        game.write("setups.sav", fixture::storeOf({"c", "b", "a", "d"}, 6));
        ASSERT_EQ(run(QStringList{"delete", "--slot", "4"} + dtr), 0) << err.toStdString();
        game.write("setups.bak", fixture::storeOf({"old"}, 6));
        fixture::writeFile(setupFile, fixture::usedSlot("fast", 6, 1));
        fixture::writeFile(copy, fixture::storeOf({"x", "y"}, 6));
        ASSERT_EQ(run({"registry", "set", key, "Directory", game.root()}), 0);
    }

    // The command's --json output as an object; a test failure when it is anything else.
    QJsonObject runJson(const QStringList& line, int& exitCode)
    {
        exitCode = run(line + QStringList{"--json"});
        QJsonParseError error;
        const QJsonDocument document = QJsonDocument::fromJson(out.toUtf8(), &error);
        EXPECT_EQ(error.error, QJsonParseError::NoError) << out.toStdString();
        EXPECT_TRUE(document.isObject()) << out.toStdString();
        return document.object();
    }

    // What a dry run could change: the game, the files beside it with the registry, the history.
    std::vector<fixture::FileTree> everyFile() const
    {
        return {fixture::snapshotTree(game.root()), fixture::snapshotTree(scratch.path()),
                fixture::snapshotTree(qEnvironmentVariable("XDG_STATE_HOME"))};
    }

    const QStringList dtr{"--game", "dtr", "--game-dir", game.root()};
    const QString setupFile = scratch.filePath("fast.set");
    const QString copy = scratch.filePath("Dtr setups.sav");
    const QString key = QStringLiteral("Software\\Ratbag\\Dirt Track Racing\\1.00");
};

QString compact(const QJsonValue& value)
{
    return QString::fromUtf8(QJsonDocument(value.toObject()).toJson(QJsonDocument::Compact));
}

// Every command that changes a file, run with --dry-run: done as the command itself would be, its
// JSON saying what it would write, replace or remove, its messages saying "would", and not a byte
// nor a mode changed anywhere.
TEST_F(EveryCommandTest, DryRunOfEveryChangingCommandSaysWhatWouldChangeAndChangesNothing)
{
    const QString renamed = scratch.filePath("Renamed.set");
    struct Case {
        QStringList line; // after it: the game, unless the command takes none
        std::vector<std::pair<const char*, QJsonValue>> fields;
        QString changes = {}; // the store change, compact
    };
    const std::vector<Case> cases = {
        {{"export", "--slot", "2", "--name", "Out", "--to", scratch.path()},
         {{"file", scratch.filePath("Out.set")}, {"replaced", false}}},
        {{"export", "--slot", "2", "--name", "fast", "--to", scratch.path(), "--replace"},
         {{"file", setupFile}, {"replaced", true}}},
        {{"import", setupFile, "--delete"},
         {{"slot", 4}, {"file_deleted", true}, {"setups", 4}},
         R"({"add":["fast"],"change":[],"remove":[],"reorder":false})"},
        {{"import", setupFile, setupFile, "--delete"},
         {{"refused", QJsonArray{}}, {"setups", 5}},
         R"({"add":["fast","fast"],"change":[],"remove":[],"reorder":false})"},
        {{"export", "--slot", "1", "--slot", "2", "--to", scratch.path()},
         {{"files", QJsonArray{scratch.filePath("c.set"), scratch.filePath("b.set")}},
          {"would_replace", QJsonArray{}}}},
        {{"delete", "--slot", "1"},
         {{"slot", 1}, {"setups", 2}},
         R"({"add":[],"change":[],"remove":["c"],"reorder":false})"},
        {{"sort"}, {{"setups", 3}}, R"({"add":[],"change":[],"remove":[],"reorder":true})"},
        {{"restore"},
         {{"setups", 1}},
         R"({"add":["old"],"change":[],"remove":["c","b","a"],"reorder":false})"},
        {{"backup"}, {{"backup", game.path("setups.bak")}, {"setups", 3}}},
        {{"store-export", "--to", scratch.path(), "--replace"},
         {{"file", copy}, {"replaced", true}, {"setups", 3}}},
        {{"store-import", copy},
         {{"store", game.path("setups.sav")}, {"setups", 2}},
         R"({"add":["x","y"],"change":[],"remove":["c","b","a"],"reorder":false})"},
        {{"history", "restore", "1"},
         {{"generation", 1}},
         R"({"bring_back":["d"],"change":[],"remove":[],"reorder":false})"},
        {{"history", "undo"},
         {{"generation", 1}},
         R"({"bring_back":["d"],"change":[],"remove":[],"reorder":false})"},
        {{"history", "pin", "1"}, {{"generation", 1}, {"pinned", true}}},
        {{"history", "unpin", "1"}, {{"generation", 1}, {"pinned", false}}},
        {{"rename-file", setupFile, "Renamed"}, {{"new_file", renamed}}},
        {{"trash-file", setupFile}, {{"file", setupFile}}},
        {{"registry", "set", key, "Directory", "elsewhere"}, {{"value", "elsewhere"}}},
        {{"registry", "delete", key, "Directory"}, {{"name", "Directory"}}},
    };
    // What a write cut short left: a command that takes the store's lock clears it, a dry run
    // takes none.
    game.write("setups.tmp", "left over");
    const std::vector<fixture::FileTree> before = everyFile();
    std::set<std::string> covered;
    for (const Case& c : cases) {
        const cli::CommandSpec* command = cli::parseInvocation(c.line).command;
        ASSERT_NE(command, nullptr) << c.line.join(' ').toStdString();
        covered.insert(std::string(command->name));
        QStringList line = c.line + QStringList{"--dry-run"};
        if (command->needsGameDirectory)
            line += dtr;
        else if (command->name == "rename-file")
            line += QStringList{"--game", "dtr"};
        SCOPED_TRACE(line.join(' ').toStdString());

        int exitCode = -1;
        const QJsonObject result = runJson(line, exitCode);
        EXPECT_EQ(exitCode, 0) << out.toStdString();
        EXPECT_EQ(err, QString()) << "the messages are in the JSON";
        EXPECT_EQ(result.value("done"), QJsonValue(true));
        EXPECT_EQ(result.value("dry_run"), QJsonValue(true));
        const QJsonArray messages = result.value("messages").toArray();
        EXPECT_TRUE(std::any_of(messages.begin(), messages.end(), [](const QJsonValue& m) {
            return m.toString().contains(QStringLiteral(" would "));
        })) << out.toStdString();
        for (const auto& [field, value] : c.fields)
            EXPECT_EQ(result.value(QLatin1String(field)), value) << field;
        if (!c.changes.isEmpty()) {
            EXPECT_EQ(compact(result.value("changes")), c.changes);
        }
        EXPECT_EQ(everyFile(), before);
    }

    // Every command that takes --dry-run is in the table, but the Wine import, which has its own.
    for (const cli::CommandSpec& command : cli::commandTable()) {
        const bool dryRun = std::ranges::any_of(command.options, [](const cli::CommandOption& o) {
            return o.option == cli::Option::DryRun;
        });
        if (dryRun && command.name != "registry import-wine") {
            EXPECT_TRUE(covered.contains(std::string(command.name))) << command.name;
        }
    }
}

// Every command's --json: one object on standard output with "done" (as the exit code says),
// "dry_run" where the command takes --dry-run, "messages" (nothing on standard error) and the
// command's own fields, for a refusal too. The listings keep their own shapes when done.
TEST_F(EveryCommandTest, JsonOfEveryCommandIsOneObjectWithItsFieldsRefusalsIncluded)
{
    struct Case {
        QStringList line; // after it: the game, unless the command takes none
        int exitCode;
        QStringList fields; // beside done, dry_run and messages
    };
    const QStringList exportOut{"export", "--slot", "1", "--name", "Out", "--to", scratch.path()};
    const std::vector<Case> cases = {
        {exportOut, 0, {"file", "replaced"}},
        {exportOut, 1, {"file", "replaced"}}, // read-only now
        {{"export", "--all", "--to", scratch.path()}, 0, {"files", "would_replace"}},
        {{"import", setupFile, copy}, 1, {"files", "refused", "store", "setups"}},
        {{"import", setupFile}, 0, {"file", "slot", "file_deleted", "store", "setups"}},
        {{"delete", "--slot", "9"}, 1, {"slot", "store", "setups"}},
        {{"sort"}, 0, {"store", "setups"}},
        {{"backup"}, 0, {"backup", "setups"}},
        {{"restore"}, 0, {"store", "setups"}},
        {{"store-export", "--to", scratch.path(), "--replace"}, 0, {"file", "replaced", "setups"}},
        {{"store-import", copy}, 0, {"file", "store", "setups"}},
        {{"history", "restore", "1"}, 0, {"generation", "kept_generation", "setups", "changes"}},
        {{"history", "undo"}, 0, {"generation", "kept_generation", "setups", "changes"}},
        {{"history", "pin", "1"}, 0, {"generation", "pinned"}},
        {{"history", "unpin", "99"}, 1, {"generation", "pinned"}},
        {{"rename-file", setupFile, "Renamed", "--game", "dtr"}, 0, {"file", "new_file"}},
        {{"trash-file", scratch.path()}, 1, {"file", "in_trash"}},
        {{"registry", "get", key, "Directory"}, 0, {"registry", "key", "name", "value"}},
        {{"registry", "set", key, "Count", "10", "--dword"},
         0,
         {"registry", "key", "name", "value"}},
        {{"registry", "delete", key, "Nothing"}, 0, {"registry", "key", "name"}},
        {{"registry", "import-wine"}, 1, {"registry", "prefix", "games"}},
    };
    // The registry names no Sprint Cars directory and no Wine prefix holds it: refused.
    const QStringList noGame{"--game", "sc"};
    const std::vector<Case> listings = {
        {QStringList{"list"} + noGame, 1, {}},
        {QStringList{"history", "list"} + noGame, 1, {}},
        {QStringList{"history", "show", "1"} + noGame, 1, {}},
    };
    std::set<std::string> covered{"help"};
    for (const auto& table : {cases, listings}) {
        for (const Case& c : table) {
            const cli::CommandSpec* command = cli::parseInvocation(c.line).command;
            ASSERT_NE(command, nullptr) << c.line.join(' ').toStdString();
            covered.insert(std::string(command->name));
            const bool takesDryRun =
                std::ranges::any_of(command->options, [](const cli::CommandOption& o) {
                    return o.option == cli::Option::DryRun;
                });
            const QStringList line =
                c.line +
                (command->needsGameDirectory && !c.line.contains("--game") ? dtr : QStringList{});
            SCOPED_TRACE(line.join(' ').toStdString());

            int exitCode = -1;
            const QJsonObject result = runJson(line, exitCode);
            EXPECT_EQ(exitCode, c.exitCode) << out.toStdString();
            EXPECT_EQ(err, QString());
            QStringList keys = QStringList{"done", "messages"} + c.fields;
            if (takesDryRun)
                keys << "dry_run";
            keys.sort();
            EXPECT_EQ(result.keys(), keys) << out.toStdString();
            EXPECT_EQ(result.value("done"), QJsonValue(c.exitCode == 0));
            const QJsonArray messages = result.value("messages").toArray();
            EXPECT_TRUE(std::all_of(messages.begin(), messages.end(),
                                    [](const QJsonValue& m) { return m.isString(); }));
            if (c.exitCode != 0) {
                EXPECT_FALSE(messages.isEmpty()) << "a refusal says why";
            }
            EXPECT_TRUE(out.startsWith(QStringLiteral("{\"done\": "))) << "the documented order";
        }
    }
    for (const cli::CommandSpec& command : cli::commandTable())
        EXPECT_TRUE(covered.contains(std::string(command.name))) << command.name;
}

} // namespace
