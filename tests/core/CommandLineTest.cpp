#include "core/cli/CommandLine.h"

#include "core/platform/FileIO.h"
#include "support/CommandLineRun.h"
#include "support/StoreBytes.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <gtest/gtest.h>

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
        // The player's own Wine prefix must not find games for these tests.
        if (!arguments.contains(QStringLiteral("--wine-prefix")))
            arguments << QStringLiteral("--wine-prefix") << scratch.filePath("no-wine");
        return fixture::runCommandLine(arguments, out, err);
    }
    QString registryFile() const { return scratch.filePath(QStringLiteral("registry.reg")); }

    QTemporaryDir scratch;
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
    EXPECT_EQ(listing["nextSlot"].toInt(), 3);
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
        {{"frobnicate"}, 2},
        {{"list", "--game", "dtr", "--bogus"}, 2},
        {{"list", "--game", "dtr", "--game-dir"}, 2},          // option without its value
        {{"list", "--game", "dtr", "--game-dir", missing}, 1}, // store missing
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
    const QStringList exportA = QStringList{"export", "--slot", "2", "mine", scratch.path()} + sc;

    ASSERT_EQ(run(exportA), 0) << err.toStdString();
    EXPECT_EQ(out, file + '\n');
    EXPECT_EQ(run(exportA), 1); // the first file is read-only now
    EXPECT_EQ(run(QStringList{"export", "--slot", "2", "", "/"} + sc), 1);
    EXPECT_EQ(err, QStringLiteral("You did'nt choose a file to export.\n/  You can't export to the "
                                  "root directory choose a folder and try it again.\n"));
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

} // namespace
