// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/registry/GameDirectoryLookup.h"

#include "core/game/GameProfile.h"
#include "core/registry/Registry.h"
#include "core/registry/WineImport.h"
#include "core/registry/WinePath.h"
#include "support/CommandLineRun.h"
#include "support/StoreBytes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tarvelin;

namespace
{

// A Wine prefix as winecfg leaves it: drive links in dosdevices, system.reg beside them.
class FakePrefix
{
public:
    FakePrefix()
    {
        QDir().mkpath(root() + QStringLiteral("/dosdevices"));
        QDir().mkpath(root() + QStringLiteral("/drive_c"));
        link(QStringLiteral("c:"), QStringLiteral("../drive_c"));
    }
    QString root() const { return dir.path(); }
    // A folder on drive C:, by its Linux name; returns its real path.
    QString folder(const QString& onDriveC) const
    {
        const QString path = root() + QStringLiteral("/drive_c/") + onDriveC;
        QDir().mkpath(path);
        return QFileInfo(path).canonicalFilePath();
    }
    void link(const QString& drive, const QString& target) const
    {
        QFile::link(target, root() + QStringLiteral("/dosdevices/") + drive);
    }
    // Keys as "[path] time" lines and their values, already in the file's escaping.
    void systemReg(const QByteArray& keys) const
    {
        fixture::writeFile(root() + QStringLiteral("/system.reg"),
                           "WINE REGISTRY Version 2\n;; All keys relative to \\\\Machine\n\n"
                           "#arch=win64\n\n" +
                               keys);
    }

    QTemporaryDir dir;
};

QByteArray gameKey(const QByteArray& key, const QByteArray& directory)
{
    return "[" + key + "] 1700000000\n#time=1da0c2e5f1a2b3c\n\"Directory\"=\"" + directory +
           "\"\n\n";
}

const QByteArray kDtrKey = "Software\\\\Ratbag\\\\Dirt Track Racing\\\\1.00";
const QByteArray kScKey = "Software\\\\Ratbag\\\\Dirt Track Racing - Sprint Cars\\\\1.00";
const QByteArray kDtrWowKey = "Software\\\\Wow6432Node\\\\Ratbag\\\\Dirt Track Racing\\\\1.00";

class GameDirectoryLookupTest : public ::testing::Test
{
protected:
    QString lookUp(const GameProfile& profile)
    {
        return lookUpGameDirectory(profile, registry, prefix.root());
    }

    FakePrefix prefix;
    QTemporaryDir scratch;
    Registry registry{scratch.filePath(QStringLiteral("registry.reg"))};
};

TEST_F(GameDirectoryLookupTest, BothOneOrNoGameFoundWhateverTheLetterCase)
{
    const QString dtr = prefix.folder(QStringLiteral("Program Files/Ratbag/Dirt Track Racing"));
    const QString sc = prefix.folder(QStringLiteral("Games/SPRINT"));
    prefix.systemReg(gameKey(kDtrKey, "C:\\\\PROGRAM FILES\\\\ratbag\\\\dirt track racing\\\\") +
                     gameKey(kScKey, "c:/games/./x/../Sprint"));
    EXPECT_EQ(lookUp(DirtTrackRacingProfile), dtr);
    EXPECT_EQ(lookUp(SprintCarsProfile), sc);

    // The utility's own value comes first, even where Wine knows better.
    ASSERT_TRUE(registry.createKey(DirtTrackRacingProfile.GameKey));
    ASSERT_TRUE(registry.SetKeyValue(DirtTrackRacingProfile.GameKey, "Directory",
                                     QStringLiteral("/mine"), RegistryType::String));
    EXPECT_EQ(lookUp(DirtTrackRacingProfile), QStringLiteral("/mine"));
    ASSERT_TRUE(registry.DeleteValue(DirtTrackRacingProfile.GameKey, "Directory"));

    prefix.systemReg(gameKey(kScKey, "C:\\\\Games\\\\Sprint"));
    EXPECT_EQ(lookUp(DirtTrackRacingProfile), QString());
    EXPECT_EQ(lookUp(SprintCarsProfile), sc);

    QFile::remove(prefix.root() + QStringLiteral("/system.reg"));
    EXPECT_EQ(lookUp(SprintCarsProfile), QString());
}

TEST_F(GameDirectoryLookupTest, A32BitInstallIsFoundUnderWow6432Node)
{
    const QString dtr = prefix.folder(QStringLiteral("Program Files (x86)/Ratbag/DTR"));
    prefix.systemReg(gameKey(kDtrWowKey, "C:\\\\Program Files (x86)\\\\Ratbag\\\\DTR"));
    const WineGameDirectory found = findWineGameDirectory(DirtTrackRacingProfile, prefix.root());
    EXPECT_EQ(found.linuxPath, dtr);
    EXPECT_TRUE(found.wow64);

    // Both keys: the one whose folder exists wins, in either order.
    prefix.systemReg(gameKey(kDtrKey, "C:\\\\Gone") +
                     gameKey(kDtrWowKey, "C:\\\\Program Files (x86)\\\\Ratbag\\\\DTR"));
    EXPECT_EQ(lookUp(DirtTrackRacingProfile), dtr);
}

TEST_F(GameDirectoryLookupTest, AMissingDriveLinkOrFolderFindsNothing)
{
    prefix.link(QStringLiteral("e:"), QStringLiteral("../nowhere"));
    prefix.systemReg(gameKey(kDtrKey, "D:\\\\Games\\\\DTR") + gameKey(kScKey, "E:\\\\Sprint"));
    const WineGameDirectory dtr = findWineGameDirectory(DirtTrackRacingProfile, prefix.root());
    EXPECT_EQ(dtr.windowsPath, QStringLiteral("D:\\Games\\DTR"));
    EXPECT_EQ(dtr.linuxPath, QString());
    EXPECT_EQ(lookUp(SprintCarsProfile), QString());

    EXPECT_EQ(mapWindowsPath(prefix.root(), QStringLiteral("C:\\Program Files")), QString());
    EXPECT_EQ(mapWindowsPath(prefix.root(), QStringLiteral("\\\\server\\share")), QString());
    EXPECT_EQ(mapWindowsPath(prefix.root(), QStringLiteral("C:")),
              QFileInfo(prefix.root() + QStringLiteral("/drive_c")).canonicalFilePath());
    // Z: is the Linux root in every prefix.
    prefix.link(QStringLiteral("z:"), QStringLiteral("/"));
    const QString scratchPath = QFileInfo(scratch.path()).canonicalFilePath();
    EXPECT_EQ(mapWindowsPath(prefix.root(), QStringLiteral("Z:") + scratchPath), scratchPath);
}

TEST_F(GameDirectoryLookupTest, ImportWineShowsWritesAndTheCommandLineFindsTheGame)
{
    const QString dtr = prefix.folder(QStringLiteral("Dtr"));
    QDir().mkpath(dtr + QStringLiteral("/data/saved games"));
    fixture::writeFile(dtr + QStringLiteral("/data/saved games/setups.sav"),
                       fixture::storeOf({"Oval"}, fixture::kDtrTrailingWords));
    prefix.systemReg(gameKey(kDtrKey, "C:\\\\DTR") + gameKey(kScKey, "D:\\\\Sprint"));

    QString out;
    QString err;
    auto run = [&](QStringList arguments) {
        arguments << QStringLiteral("--registry") << registry.filePath();
        return fixture::runCommandLine(arguments, out, err);
    };
    const QString noPrefix = scratch.filePath(QStringLiteral("no-prefix"));

    // Without an import the prefix is read on each run.
    ASSERT_EQ(run({"list", "--game", "dtr", "--wine-prefix", prefix.root()}), 0)
        << err.toStdString();
    EXPECT_EQ(out, QStringLiteral("1\t1\tOval\n"));

    ASSERT_EQ(run({"registry", "import-wine", "--wine-prefix", prefix.root(), "--dry-run"}), 0);
    EXPECT_TRUE(out.contains(QStringLiteral("C:\\DTR -> ") + dtr)) << out.toStdString();
    EXPECT_TRUE(out.contains(QStringLiteral("D:\\Sprint (not found on disk)")));
    EXPECT_FALSE(QFileInfo::exists(registry.filePath()));

    ASSERT_EQ(run({"registry", "import-wine", "--wine-prefix", prefix.root()}), 0);
    EXPECT_EQ(registryText(registry.QueryValue(DirtTrackRacingProfile.GameKey, "Directory")), dtr);
    EXPECT_FALSE(registry.keyExists(SprintCarsProfile.GameKey));
    ASSERT_EQ(run({"list", "--game", "dtr", "--wine-prefix", noPrefix}), 0);

    EXPECT_EQ(run({"registry", "import-wine", "--wine-prefix", noPrefix}), 1);
    EXPECT_EQ(run({"registry", "import-wine", "--game", "sc", "--wine-prefix", prefix.root()}), 1);
}

// The import's outcome says for each game what the prefix has and what became of the registry
// file's value; the command line prints nothing else.
TEST_F(GameDirectoryLookupTest, ImportFromWineTellsPerGameWhatItFoundAndWrote)
{
    const QString dtr = prefix.folder(QStringLiteral("DTR"));
    prefix.systemReg(gameKey(kDtrKey, "C:\\\\DTR") + gameKey(kScKey, "D:\\\\Sprint"));
    ASSERT_TRUE(registry.createKey(DirtTrackRacingProfile.GameKey));
    ASSERT_TRUE(registry.SetKeyValue(DirtTrackRacingProfile.GameKey, "Directory",
                                     QStringLiteral("/elsewhere"), RegistryType::String));
    const GameProfile* both[] = {&DirtTrackRacingProfile, &SprintCarsProfile};
    const auto texts = [](const CommandOutcome& outcome) {
        QStringList lines;
        for (const Message& message : outcome.messages)
            lines << message.text;
        return lines;
    };
    const QString nowHolds =
        registry.filePath() + QStringLiteral(" now holds the game directory found in Wine.");

    WineImportOutcome outcome = importGameDirectoriesFromWine(registry, prefix.root(), both, false);
    EXPECT_TRUE(outcome.done);
    ASSERT_EQ(outcome.games.size(), 2);
    EXPECT_EQ(outcome.games[0].found.linuxPath, dtr);
    EXPECT_TRUE(outcome.games[0].written);
    EXPECT_EQ(outcome.games[0].replaced, QStringLiteral("/elsewhere"));
    EXPECT_EQ(outcome.games[1].found.windowsPath, QStringLiteral("D:\\Sprint"));
    EXPECT_EQ(outcome.games[1].found.linuxPath, QString());
    EXPECT_FALSE(outcome.games[1].written);
    EXPECT_EQ(texts(outcome), (QStringList{dtr + " replaces /elsewhere for " +
                                               DirtTrackRacingProfile.gameTitle + ".",
                                           nowHolds}));
    EXPECT_EQ(registryText(registry.QueryValue(DirtTrackRacingProfile.GameKey, "Directory")), dtr);

    // The value already names the folder: written, nothing replaced.
    outcome = importGameDirectoriesFromWine(registry, prefix.root(), both, false);
    EXPECT_TRUE(outcome.done);
    EXPECT_TRUE(outcome.games[0].written);
    EXPECT_EQ(outcome.games[0].replaced, QString());
    EXPECT_EQ(texts(outcome), QStringList{nowHolds});

    // A registry file that cannot be written: the game found, not written, and why.
    Registry unwritable(scratch.filePath(QStringLiteral("registry.reg/inside.reg")));
    outcome = importGameDirectoriesFromWine(unwritable, prefix.root(), both, false);
    EXPECT_FALSE(outcome.done);
    EXPECT_FALSE(outcome.games[0].written);
    ASSERT_EQ(outcome.messages.size(), 1);
    EXPECT_TRUE(outcome.messages[0].text.startsWith(unwritable.filePath() + " was not changed"));

    // A dry run reads the prefix and writes nothing.
    Registry fresh(scratch.filePath(QStringLiteral("fresh.reg")));
    outcome = importGameDirectoriesFromWine(fresh, prefix.root(), both, true);
    EXPECT_TRUE(outcome.done);
    EXPECT_FALSE(outcome.games[0].written);
    EXPECT_EQ(texts(outcome), QStringList{"Dry run: " + fresh.filePath() + " was not changed."});
    EXPECT_FALSE(QFileInfo::exists(fresh.filePath()));

    // Nothing on disk to import: not done. A game the prefix does not know is not installed.
    const GameProfile* sprintCars[] = {&SprintCarsProfile};
    outcome = importGameDirectoriesFromWine(registry, prefix.root(), sprintCars, false);
    EXPECT_FALSE(outcome.done);
    prefix.systemReg(gameKey(kDtrKey, "C:\\\\DTR"));
    outcome = importGameDirectoriesFromWine(registry, prefix.root(), sprintCars, false);
    EXPECT_FALSE(outcome.done);
    ASSERT_EQ(outcome.games.size(), 1);
    EXPECT_EQ(outcome.games[0].found.windowsPath, QString());
    EXPECT_EQ(texts(outcome), QStringList{"No game directory to import from the Wine prefix " +
                                          prefix.root() + "."});
    // No registry in the prefix: no game is looked at.
    QFile::remove(prefix.root() + QStringLiteral("/system.reg"));
    outcome = importGameDirectoriesFromWine(registry, prefix.root(), both, false);
    EXPECT_FALSE(outcome.done);
    EXPECT_TRUE(outcome.games.empty());
}

} // namespace
