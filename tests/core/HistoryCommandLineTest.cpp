// SPDX-License-Identifier: GPL-3.0-or-later
// The history commands of the command line: their JSON, their refusals and exit codes.
#include "core/store/StoreHistory.h"
#include "core/store/StorePaths.h"
#include "support/CommandLineRun.h"
#include "support/StoreBytes.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tarvelin;

namespace
{

class HistoryCommandLineTest : public ::testing::Test
{
protected:
    int run(QStringList arguments)
    {
        arguments << "--game"
                  << "dtr"
                  << "--game-dir" << game.root() << "--registry"
                  << scratch.filePath("registry.reg");
        return fixture::runCommandLine(arguments, out, err);
    }

    QTemporaryDir scratch;
    fixture::GameDir game;
    QString out;
    QString err;
};

TEST_F(HistoryCommandLineTest, ListShowRestoreAndPinWorkOnTheGenerationsACommandKept)
{
    const QByteArray first = fixture::storeOf({"b", "a", "a"}, fixture::kDtrTrailingWords);
    game.write("setups.sav", first);
    ASSERT_EQ(run({"delete", "--slot", "1"}), 0) << err.toStdString();
    ASSERT_EQ(run({"history", "list", "--json"}), 0) << err.toStdString();
    // The keys in the documented order.
    EXPECT_TRUE(out.contains(QRegularExpression(
        R"(^\[\n  \{"id": 1, "time": "\d{4}-\d\d-\d\dT\d\d:\d\d:\d\dZ", "command": "delete", )"
        R"("setups": 3, "bytes": \d+, "pinned": false\}\n\]\n$)")))
        << out.toStdString();
    const QJsonArray listed = QJsonDocument::fromJson(out.toUtf8()).array();
    ASSERT_EQ(listed.size(), 1);
    EXPECT_EQ(listed[0].toObject().value("bytes").toInteger(), first.size());

    ASSERT_EQ(run({"history", "show", "1", "--json"}), 0) << err.toStdString();
    const QJsonObject shown = QJsonDocument::fromJson(out.toUtf8()).object();
    EXPECT_EQ(shown.keys(), (QStringList{"bring_back", "change", "remove", "reorder"}));
    EXPECT_EQ(shown.value("bring_back").toArray(), QJsonArray{"b"});
    EXPECT_EQ(shown.value("remove").toArray(), QJsonArray{});
    EXPECT_EQ(shown.value("reorder").toBool(), false);

    ASSERT_EQ(run({"history", "restore", "1", "--dry-run"}), 0) << err.toStdString();
    EXPECT_NE(game.read("setups.sav"), first);
    ASSERT_EQ(run({"history", "restore", "1"}), 0) << err.toStdString();
    EXPECT_EQ(game.read("setups.sav"), first);
    EXPECT_TRUE(err.contains("generation 2")) << err.toStdString();

    ASSERT_EQ(run({"history", "pin", "2"}), 0) << err.toStdString();
    ASSERT_EQ(run({"history", "list"}), 0);
    EXPECT_TRUE(out.startsWith("2\t")) << out.toStdString();
    EXPECT_TRUE(out.section('\n', 0, 0).endsWith("\tpinned"));
    ASSERT_EQ(run({"history", "unpin", "2"}), 0) << err.toStdString();
    ASSERT_EQ(run({"history", "list"}), 0);
    EXPECT_FALSE(out.contains("pinned"));
}

TEST_F(HistoryCommandLineTest, UnknownIdsFailAndMalformedOnesAreWrongUsage)
{
    game.write("setups.sav", fixture::storeOf({"a"}, fixture::kDtrTrailingWords));
    for (const char* command : {"show", "restore", "pin", "unpin"}) {
        SCOPED_TRACE(command);
        EXPECT_EQ(run({"history", command, "5"}), 1);
        EXPECT_TRUE(err.contains("There is no generation 5")) << err.toStdString();
        EXPECT_EQ(run({"history", command, "five"}), 2);
        EXPECT_EQ(run({"history", command, "0"}), 2);
        EXPECT_EQ(run({"history", command}), 2);
    }
    ASSERT_EQ(run({"history", "list", "--json"}), 0);
    EXPECT_EQ(out, "[]\n");
    // A foreign file in the history folder is named on standard error, and the list goes on.
    const QString folder =
        StoreHistory(StorePaths::forGameDirectory(game.root()), RecordLayout{6}).folder();
    QDir().mkpath(folder);
    fixture::writeFile(folder + "/stray.txt", "x");
    ASSERT_EQ(run({"history", "list"}), 0);
    EXPECT_TRUE(err.contains("stray.txt")) << err.toStdString();
}

} // namespace
