// SPDX-License-Identifier: GPL-3.0-or-later
// A FIFO where the utility expects a file: every command that would read it ends at once with a
// refusal, instead of waiting for a writer that never comes. Each run is bounded, so a hang
// fails the test rather than stalling the whole run.
#include "support/ProgramRun.h"
#include "support/StoreBytes.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace
{

using Finished = fixture::Ran;

class SpecialFiles : public ::testing::Test
{
protected:
    Finished run(QStringList arguments, const QString& registry = {})
    {
        arguments << QStringLiteral("--registry")
                  << (registry.isEmpty() ? scratch.filePath(QStringLiteral("r.reg")) : registry);
        // A bound, not a measurement: a command stuck on the FIFO is killed and reported.
        return fixture::runProgram(
            QStringLiteral(TARVELIN_CLI), arguments,
            {.winePrefix = scratch.filePath(QStringLiteral("wine")), .boundMs = 20000});
    }

    static void makeFifo(const QString& path)
    {
        ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0644), 0) << path.toStdString();
    }

    QStringList onGame(QStringList arguments) const
    {
        return arguments << "--game"
                         << "dtr"
                         << "--game-dir" << game.root();
    }

    QTemporaryDir scratch;
    fixture::GameDir game;
};

TEST_F(SpecialFiles, AFifoStoreIsRefusedByEveryCommandThatReadsIt)
{
    makeFifo(game.path("setups.sav"));
    game.write("setups.bak", fixture::storeOf({"Kept"}, fixture::kDtrTrailingWords));
    const QString setupFile = scratch.filePath(QStringLiteral("One.set"));
    fixture::writeFile(setupFile, fixture::dtrSlot("One", 1));
    QDir().mkpath(scratch.filePath(QStringLiteral("copies")));

    const std::vector<QStringList> commands = {
        {"list"},
        {"sort"},
        {"backup"},
        {"delete", "--slot", "1"},
        {"import", setupFile},
        {"store-export", "--to", scratch.filePath(QStringLiteral("copies"))},
    };
    for (const QStringList& command : commands) {
        const Finished finished = run(onGame(command));
        SCOPED_TRACE(command.join(' ').toStdString());
        EXPECT_TRUE(finished.ended);
        EXPECT_EQ(finished.exitCode, 1) << finished.err.toStdString();
    }
    // The backup and the setup file are as they were, and the FIFO is still a FIFO.
    EXPECT_EQ(game.read("setups.bak"), fixture::storeOf({"Kept"}, fixture::kDtrTrailingWords));
    EXPECT_EQ(fixture::readFile(setupFile), fixture::dtrSlot("One", 1));
    EXPECT_FALSE(QFileInfo(game.path("setups.sav")).isFile());
}

TEST_F(SpecialFiles, AFifoGivenAsTheFileToReadIsRefusedAndTheStoreKept)
{
    const QByteArray store = fixture::storeOf({"Mine"}, fixture::kDtrTrailingWords);
    game.write("setups.sav", store);
    makeFifo(game.path("setups.bak"));
    const QString fifoSetup = scratch.filePath(QStringLiteral("Pipe.set"));
    const QString fifoCopy = scratch.filePath(QStringLiteral("Dtr setups.sav"));
    makeFifo(fifoSetup);
    makeFifo(fifoCopy);
    const QString fifoRegistry = scratch.filePath(QStringLiteral("fifo.reg"));
    makeFifo(fifoRegistry);

    const std::vector<QStringList> commands = {
        onGame({"restore"}),
        onGame({"import", fifoSetup}),
        onGame({"import", fifoSetup, "--delete"}),
        onGame({"store-import", fifoCopy}),
        {"rename-file", fifoSetup, "Renamed", "--game", "dtr"},
    };
    for (const QStringList& command : commands) {
        const Finished finished = run(command);
        SCOPED_TRACE(command.join(' ').toStdString());
        EXPECT_TRUE(finished.ended);
        EXPECT_EQ(finished.exitCode, 1) << finished.err.toStdString();
    }
    // The registry is read by a lookup and by a change alike.
    for (const QStringList& command :
         {QStringList{"registry", "get", "SOFTWARE\\Tarvelin", "(Dir)"},
          QStringList{"registry", "set", "SOFTWARE\\Tarvelin", "(Dir)", "/x"}, onGame({"list"})}) {
        const Finished finished = run(command, fifoRegistry);
        SCOPED_TRACE(command.join(' ').toStdString());
        EXPECT_TRUE(finished.ended);
        // With the game directory given, list needs no registry.
        if (command.first() != "list") {
            EXPECT_EQ(finished.exitCode, 1) << finished.err.toStdString();
        }
    }
    EXPECT_EQ(game.read("setups.sav"), store);
    EXPECT_FALSE(QFileInfo::exists(scratch.filePath(QStringLiteral("Renamed.set"))));
    // The FIFOs were neither deleted nor replaced.
    for (const QString& fifo : {fifoSetup, fifoCopy, fifoRegistry, game.path("setups.bak")}) {
        struct stat info {
        };
        ASSERT_EQ(::stat(QFile::encodeName(fifo).constData(), &info), 0);
        EXPECT_TRUE(S_ISFIFO(info.st_mode)) << fifo.toStdString();
    }
}

} // namespace
