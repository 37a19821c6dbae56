// SPDX-License-Identifier: GPL-3.0-or-later
// The built command line as a player runs it: what reaches standard error, and a wrong line
// that never opens the windows.
#include "support/FileTree.h"
#include "support/ProgramRun.h"
#include "support/StoreBytes.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <unistd.h>

namespace
{

using Finished = fixture::Ran;

class CommandLineProcess : public ::testing::Test
{
protected:
    Finished run(QStringList arguments)
    {
        arguments << QStringLiteral("--registry") << scratch.filePath(QStringLiteral("r.reg"));
        return fixture::runProgram(QStringLiteral(TARVELIN_CLI), arguments,
                                   {.winePrefix = scratch.filePath(QStringLiteral("wine"))});
    }

    QTemporaryDir scratch;
    fixture::GameDir game;
};

// A refusal is said once, in the window's words; the log that also records it shows only with
// --verbose.
TEST_F(CommandLineProcess, EachReasonOnceAndTheLogOnlyWhenVerbose)
{
    game.write("setups.sav", fixture::storeOf({"Oval"}, fixture::kDtrTrailingWords));
    const QStringList importMissing{"store-import", "--game",    "dtr",
                                    "--game-dir",   game.root(), scratch.filePath("missing.sav")};

    const Finished quiet = run(importMissing);
    EXPECT_EQ(quiet.exitCode, 1);
    EXPECT_EQ(quiet.err.toStdString(), "You did'nt choose a file to import.\n");

    const Finished verbose = run(importMissing + QStringList{"--verbose"});
    EXPECT_EQ(verbose.exitCode, 1);
    EXPECT_TRUE(verbose.err.contains(QStringLiteral("You did'nt choose a file to import.\n")));
    EXPECT_TRUE(verbose.err.contains(QStringLiteral("tarvelin.cli: ")))
        << verbose.err.toStdString();
    EXPECT_EQ(verbose.out, quiet.out);
}

// A line the utility cannot understand ends at once with one line, also where it would
// otherwise open the windows or change a store.
TEST_F(CommandLineProcess, WrongUsageEndsWithOneLineAndTouchesNoStore)
{
    const QByteArray store = fixture::storeOf({"Oval", "Mile"}, fixture::kDtrTrailingWords);
    game.write("setups.sav", store);
    const fixture::FileTree before = fixture::snapshotTree(game.root());
    const std::vector<QStringList> lines = {
        {"--game", "dtr"},
        {"--bogus"},
        {"delete", "--game", "dtr", "--game-dir", game.root(), "--slot", "1", "--replace"},
        {"sort", "--game", "dtr", "--game-dir", game.root(), "--slot", "5"},
    };
    for (const QStringList& line : lines) {
        SCOPED_TRACE(line.join(' ').toStdString());
        const Finished result = run(line);
        EXPECT_EQ(result.exitCode, 2);
        EXPECT_EQ(result.err.count(QLatin1Char('\n')), 1) << result.err.toStdString();
        EXPECT_TRUE(result.err.endsWith(QStringLiteral("; see --help\n")));
        EXPECT_TRUE(result.out.isEmpty());
    }
    EXPECT_EQ(fixture::snapshotTree(game.root()), before);
}

// A path whose bytes are not UTF-8 reaches its file from the command line, and the messages name
// it with those bytes as \xNN. The shell makes the bytes: QProcess would re-encode them.
TEST_F(CommandLineProcess, APathThatIsNotUtf8ReachesItsFile)
{
    game.write("setups.sav", fixture::store({}));
    const QByteArray folder = QFile::encodeName(scratch.path());
    const QByteArray setup = fixture::dtrSlot("Oval", 3);
    fixture::writeRawFile(folder + "/Caf\xE9.set", setup);
    fixture::writeRawFile(folder + "/Bad\xFF.set", "xyz");
    const auto import = [&](const char* name) {
        return fixture::runProgram(
            QStringLiteral("/bin/sh"),
            {"-c",
             QStringLiteral("exec \"$0\" import --game dtr --game-dir \"$1\" "
                            "--registry \"$2\" \"$(printf '%s/%4' \"$3\")\"")
                 .arg(QLatin1String(name)),
             QStringLiteral(TARVELIN_CLI), game.root(), scratch.filePath("r.reg"), scratch.path()});
    };

    const Finished imported = import("Caf\\351.set");
    EXPECT_EQ(imported.exitCode, 0) << imported.err.toStdString();
    EXPECT_EQ(imported.out, QStringLiteral("1\n"));
    EXPECT_EQ(game.read("setups.sav"), fixture::store({setup}));

    const Finished refused = import("Bad\\377.set");
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_TRUE(refused.err.contains(QStringLiteral("/Bad\\xff.set"))) << refused.err.toStdString();
    for (const char* name : {"/Caf\xE9.set", "/Bad\xFF.set"})
        ::unlink((folder + name).constData());
}

} // namespace
