// SPDX-License-Identifier: GPL-3.0-or-later
// Several utilities change one store at the same moment, as scripts with `&` or `xargs -P` do:
// every change lands, and none is reported that did not.
#include "core/platform/PathInfo.h"
#include "support/StoreBytes.h"

#include <QFile>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

using tarvelin::PathInfo;

namespace
{

constexpr int kHeaderSize = 4;
constexpr int kFlagSize = 4;
constexpr int kFixedPartSize = 12 + 192 + 4 * fixture::kDtrTrailingWords;

// The names in the used slots of a Dirt Track Racing store, walked from the byte layout: a flag,
// then for a used slot the name, its terminator and the fixed part.
QList<QByteArray> namesIn(const QByteArray& store)
{
    QList<QByteArray> names;
    qsizetype offset = kHeaderSize;
    while (offset + kFlagSize <= store.size()) {
        const bool used = store.mid(offset, kFlagSize) != fixture::le32(0);
        offset += kFlagSize;
        if (!used)
            continue;
        const qsizetype end = store.indexOf('\0', offset);
        if (end < 0)
            break;
        names << store.mid(offset, end - offset);
        offset = end + 1 + kFixedPartSize;
    }
    return names;
}

class ParallelWriters : public ::testing::Test
{
protected:
    std::unique_ptr<QProcess> start(const QStringList& arguments, const QString& gameDir = {})
    {
        auto process = std::make_unique<QProcess>();
        process->setStandardOutputFile(QProcess::nullDevice());
        process->setStandardErrorFile(QProcess::nullDevice());
        process->start(QStringLiteral(TARVELIN_CLI),
                       QStringList(arguments)
                           << "--game"
                           << "dtr"
                           << "--game-dir" << (gameDir.isEmpty() ? game.root() : gameDir)
                           << "--registry" << scratch.filePath(QStringLiteral("r.reg")));
        return process;
    }

    static int finish(QProcess& process)
    {
        EXPECT_TRUE(process.waitForFinished(30000));
        return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    }

    QTemporaryDir scratch;
    fixture::GameDir game;
};

// Rounds through one game folder, then through two whose setups.sav is one file: the second
// folder's store is a link to the first's, and both ways share the store's one lock.
TEST_F(ParallelWriters, EightImportsAtOnceAllLand)
{
    constexpr int kImports = 8;
    const fixture::GameDir linked;
    QFile::remove(linked.path("setups.sav"));
    ASSERT_TRUE(QFile::link(game.path("setups.sav"), linked.path("setups.sav")));
    for (int round = 0; round < 10; ++round) {
        const bool shared = round >= 5;
        game.write("setups.sav", fixture::storeOf({"Base"}, fixture::kDtrTrailingWords));
        std::vector<std::unique_ptr<QProcess>> imports;
        for (int i = 0; i < kImports; ++i) {
            const QString file = scratch.filePath(QStringLiteral("p%1.set").arg(i));
            fixture::writeFile(file, fixture::dtrSlot(QByteArray("P") + QByteArray::number(i), i));
            imports.push_back(
                start({"import", file, "--delete"}, shared && i % 2 ? linked.root() : game.root()));
        }
        int landed = 0;
        for (auto& import : imports)
            landed += finish(*import) == 0 ? 1 : 0;
        const QList<QByteArray> names = namesIn(game.read("setups.sav"));
        // Each import that said it was done is in the store, and the file it deleted with it.
        EXPECT_EQ(names.size(), 1 + landed) << "round " << round;
        EXPECT_TRUE(PathInfo(linked.path("setups.sav")).isSymLink());
        EXPECT_EQ(landed, kImports) << "round " << round;
        EXPECT_EQ(QSet<QByteArray>(names.begin(), names.end()).size(), names.size());
    }
}

TEST_F(ParallelWriters, DeletesAndSortsAtOnceLoseNothingElse)
{
    for (int round = 0; round < 5; ++round) {
        game.write("setups.sav",
                   fixture::storeOf({"E", "D", "C", "B", "A"}, fixture::kDtrTrailingWords));
        // Slots 1 and 2 hold E and D before any sort; a sort that runs first moves them, and the
        // delete that finds another name there refuses instead of removing it.
        auto first = start({"delete", "--slot", "1"});
        auto sort = start({"sort"});
        auto second = start({"delete", "--slot", "5"});
        const int deleted = (finish(*first) == 0 ? 1 : 0) + (finish(*second) == 0 ? 1 : 0);
        EXPECT_EQ(finish(*sort), 0);
        EXPECT_EQ(namesIn(game.read("setups.sav")).size(), 5 - deleted) << "round " << round;
    }
}

} // namespace
