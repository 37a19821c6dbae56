// SPDX-License-Identifier: GPL-3.0-or-later
// The command line killed at random moments while it rewrites a full store: the store must
// always be one of the whole files it can be, and the next run must work.
#include "support/StoreBytes.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>
#include <iostream>
#include <random>

namespace
{

class CrashLoop : public ::testing::Test
{
protected:
    QTemporaryDir scratch;
    fixture::GameDir game;

    QProcess* start(const QString& command)
    {
        auto* process = new QProcess;
        process->setProgram(QStringLiteral(TARVELIN_CLI));
        process->setArguments({command, "--game", "dtr", "--game-dir", game.root(), "--registry",
                               scratch.filePath("registry.reg")});
        process->setStandardOutputFile(QProcess::nullDevice());
        process->setStandardErrorFile(QProcess::nullDevice());
        process->start();
        EXPECT_TRUE(process->waitForStarted()) << process->errorString().toStdString();
        return process;
    }
    int runToEnd(const QString& command)
    {
        std::unique_ptr<QProcess> process(start(command));
        EXPECT_TRUE(process->waitForFinished(30000));
        return process->exitStatus() == QProcess::NormalExit ? process->exitCode() : -1;
    }
};

TEST_F(CrashLoop, StoreStaysWholeWhenTheWriterIsKilledAnywhere)
{
    // 300 setups in no order, many with long names, so each write takes a while.
    std::vector<QByteArray> names;
    std::mt19937 random(20261206);
    for (int i = 0; i < 300; ++i)
        names.push_back(QByteArray::number(random() % 100000) + QByteArray(i % 90, 'x'));
    const QByteArray unsorted = fixture::storeOf(names, fixture::kDtrTrailingWords);
    game.write("setups.sav", unsorted);
    game.write("setups.bak", unsorted);
    ASSERT_TRUE(QFile::setPermissions(game.path("setups.bak"), QFile::ReadOwner));

    // The two whole states: restore writes the backup back, sort the sorted store. The
    // quickest of a few clean runs sets the range of the kill delays.
    ASSERT_EQ(runToEnd("sort"), 0);
    const QByteArray sorted = game.read("setups.sav");
    ASSERT_NE(sorted, unsorted);
    qint64 runMs = 1000;
    QElapsedTimer clock;
    for (const char* command : {"restore", "sort", "restore", "sort", "restore"}) {
        clock.start();
        ASSERT_EQ(runToEnd(command), 0);
        runMs = std::max<qint64>(std::min(runMs, clock.elapsed()), 2);
    }
    ASSERT_EQ(game.read("setups.sav"), unsorted);

    const QStringList expected = {"setups.bak", "setups.sav", "setups.tmp"};
    const QRegularExpression kOurTemporary(
        QStringLiteral("^\\.tarvelin-setup-utility\\.[A-Za-z0-9]{6}$"));
    QStringList strays;
    int killed = 0;
    int finished = 0;
    int changed = 0; // kills that came after the run had replaced the store
    QByteArray previous = unsorted;
    int iterations = 0;
    clock.restart();
    // Bounded both in count and in time, whatever the machine's speed.
    for (; iterations < 200 && clock.elapsed() < 15000; ++iterations) {
        std::unique_ptr<QProcess> process(start(iterations % 2 ? "restore" : "sort"));
        // The write comes at the end of a run, after the start-up: aim mostly there.
        const auto delayUs =
            std::uniform_int_distribution<qint64>(runMs * 400, runMs * 1300)(random);
        QThread::usleep(static_cast<unsigned long>(delayUs));
        process->kill();
        ASSERT_TRUE(process->waitForFinished(30000));
        (process->exitStatus() == QProcess::CrashExit ? killed : finished)++;

        const QByteArray store = game.read("setups.sav");
        if (process->exitStatus() == QProcess::CrashExit && store != previous)
            ++changed;
        previous = store;
        ASSERT_TRUE(store == unsorted || store == sorted)
            << "iteration " << iterations << ": a store of " << store.size() << " bytes";
        ASSERT_EQ(game.read("setups.bak"), unsorted);
        // Nothing but the store's own files. A kill between the write of a temporary file and its
        // rename leaves it under a name of ours (".tarvelin-setup-utility.AbC123"): whole or
        // not, no game or command reads it, so it is counted, not refused.
        for (const QString& name : QDir(game.savedGames()).entryList(QDir::Files | QDir::Hidden)) {
            if (expected.contains(name))
                continue;
            ASSERT_TRUE(kOurTemporary.match(name).hasMatch()) << name.toStdString();
            if (!strays.contains(name))
                strays << name;
        }
    }
    // Whatever the last kill left, the next run works and tidies up: every temporary of ours,
    // whatever the letters of its random part, and one all in lower case for sure.
    game.write(".tarvelin-setup-utility.abcdef", "left by a kill");
    ASSERT_EQ(runToEnd("sort"), 0);
    EXPECT_EQ(game.read("setups.sav"), sorted);
    EXPECT_EQ(QDir(game.savedGames()).entryList(QDir::Files | QDir::Hidden),
              QStringList({"setups.bak", "setups.sav"}));

    std::cout << "[ crash loop ] " << iterations << " runs, " << killed << " killed, " << finished
              << " finished first (" << changed
              << " kills after the store was replaced); a clean run takes " << runMs << " ms; "
              << strays.size() << " temporary files left by kills\n";
    RecordProperty("iterations", iterations);
    RecordProperty("killed", killed);
    RecordProperty("strayTemporaryFiles", static_cast<int>(strays.size()));
    EXPECT_GT(killed, iterations / 10);
}

} // namespace
