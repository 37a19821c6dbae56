// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/registry/GameDirectoryLookup.h"

#include "core/game/GameProfile.h"
#include "core/registry/Registry.h"
#include "core/registry/WineImport.h"
#include "core/registry/WinePath.h"
#include "core/registry/WinePrefixMemory.h"
#include "support/CommandLineRun.h"
#include "support/ScopedEnvironment.h"
#include "support/StoreBytes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace tarvelin;

namespace
{

// A Wine prefix as wineboot leaves it, at `root`: drive links in dosdevices, drive_c, and
// system.reg beside them.
class FakePrefix
{
public:
    explicit FakePrefix(QString root) : root_(std::move(root))
    {
        QDir().mkpath(root_ + QStringLiteral("/dosdevices"));
        QDir().mkpath(root_ + QStringLiteral("/drive_c"));
        link(QStringLiteral("c:"), QStringLiteral("../drive_c"));
    }
    const QString& root() const { return root_; }
    // A folder on drive C:, by its Linux name; returns its real path.
    QString folder(const QString& onDriveC) const
    {
        const QString path = root_ + QStringLiteral("/drive_c/") + onDriveC;
        QDir().mkpath(path);
        return QFileInfo(path).canonicalFilePath();
    }
    void link(const QString& drive, const QString& target) const
    {
        QFile::link(target, root_ + QStringLiteral("/dosdevices/") + drive);
    }
    // Keys as "[path] time" lines and their values, already in the file's escaping.
    void systemReg(const QByteArray& keys) const { writeReg("system.reg", keys); }
    void userReg(const QByteArray& keys) const { writeReg("user.reg", keys); }

private:
    void writeReg(const char* name, const QByteArray& keys) const
    {
        fixture::writeFile(root_ + u'/' + QLatin1String(name),
                           "WINE REGISTRY Version 2\n;; All keys relative to \\\\Machine\n\n"
                           "#arch=win64\n\n" +
                               keys);
    }
    QString root_;
};

QByteArray key(const QByteArray& path, const QByteArray& values)
{
    return "[" + path + "] 1700000000\n#time=1da0c2e5f1a2b3c\n" + values + "\n";
}

QByteArray gameKey(const QByteArray& path, const QByteArray& directory)
{
    return key(path, "\"Directory\"=\"" + directory + "\"\n");
}

const QByteArray kDtrKey = "Software\\\\Ratbag\\\\Dirt Track Racing\\\\1.00";
const QByteArray kScKey = "Software\\\\Ratbag\\\\Dirt Track Racing - Sprint Cars\\\\1.00";
const QByteArray kDtrWowKey = "Software\\\\Wow6432Node\\\\Ratbag\\\\Dirt Track Racing\\\\1.00";

// The player's home holds no prefix but those a test makes; WINEPREFIX is unset.
class GameDirectoryLookupTest : public ::testing::Test
{
protected:
    QString home(const QString& below) const { return homeDir.path() + u'/' + below; }
    QString lookUp(const GameProfile& profile, const QString& given = {})
    {
        return lookUpGameDirectory(profile, registry, given);
    }
    // A prefix at `below` the home folder that holds Dirt Track Racing in C:\DTR; the folder.
    QString prefixWithGame(const QString& below)
    {
        FakePrefix prefix(home(below));
        prefix.systemReg(gameKey(kDtrKey, "C:\\\\DTR"));
        return prefix.folder(QStringLiteral("DTR"));
    }
    bool rememberPrefix(const QString& prefix)
    {
        return rememberWinePrefix(registry, DirtTrackRacingProfile, prefix);
    }

    QTemporaryDir homeDir;
    QTemporaryDir scratch;
    fixture::ScopedEnvironment homeVariable{"HOME", homeDir.path().toLocal8Bit()};
    fixture::ScopedEnvironment noWinePrefix{"WINEPREFIX", QByteArray()};
    Registry registry{scratch.filePath(QStringLiteral("registry.reg"))};
};

TEST_F(GameDirectoryLookupTest, EveryPlaceAPlayerKeepsPrefixesIsSearched)
{
    struct Case {
        const char* prefix; // below the home folder
        const char* origin;
    };
    const Case cases[] = {
        {".wine", "~/.wine"},
        {"Games/dirt-track-racing", "Lutris"},
        {"elsewhere/lutris-dtr", "Lutris"}, // named by a Lutris game file only
        {".local/share/bottles/bottles/DTR", "Bottles"},
        {".var/app/com.usebottles.bottles/data/bottles/bottles/DTR", "Bottles"},
        {".PlayOnLinux/wineprefix/DirtTrack", "PlayOnLinux"},
        {"Games/Heroic/Prefixes/DTR", "Heroic"},
        {".local/share/Steam/steamapps/compatdata/2001/pfx", "Steam"},
        {".steam/steam/steamapps/compatdata/2002/pfx", "Steam"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.prefix);
        QDir(homeDir.path()).removeRecursively();
        QDir().mkpath(homeDir.path());
        // Lutris keeps its game files in two places; each names a prefix of its own.
        QDir().mkpath(home(QStringLiteral(".config/lutris/games")));
        fixture::writeFile(home(QStringLiteral(".config/lutris/games/dtr-1.yml")),
                           "game:\n  exe: drive_c/DTR/dtr.exe\n  prefix: '" +
                               home(QStringLiteral("elsewhere/lutris-dtr")).toUtf8() +
                               "'\nname: Dirt Track Racing\nrunner: wine\n");
        const QString dtr = prefixWithGame(QString::fromLatin1(c.prefix));

        const GameDirectoryFind find = findGameDirectory(DirtTrackRacingProfile, registry, {});
        EXPECT_EQ(find.directory, dtr);
        EXPECT_EQ(find.in.prefix, home(QString::fromLatin1(c.prefix)));
        EXPECT_EQ(find.in.origin, QLatin1String(c.origin));
        EXPECT_TRUE(find.fromWine);
    }
}

// The first prefix that holds the game with its folder on disk wins, in one order; the
// registry file's own value wins over all of them.
TEST_F(GameDirectoryLookupTest, TheFirstPrefixHoldingTheGameOnDiskWins)
{
    const QString given = prefixWithGame(QStringLiteral("given"));
    const QString environment = prefixWithGame(QStringLiteral("environment"));
    const QString remembered = prefixWithGame(QStringLiteral("remembered"));
    const QString dotWine = prefixWithGame(QStringLiteral(".wine"));
    const QString bottle = prefixWithGame(QStringLiteral(".local/share/bottles/bottles/b"));
    // Holds the game's key but not its folder: passed over.
    FakePrefix(home(QStringLiteral("Games/gone"))).systemReg(gameKey(kDtrKey, "C:\\\\Gone"));
    fixture::ScopedEnvironment winePrefix{"WINEPREFIX",
                                          home(QStringLiteral("environment")).toLocal8Bit()};
    ASSERT_TRUE(rememberPrefix(home(QStringLiteral("remembered"))));

    EXPECT_EQ(lookUp(DirtTrackRacingProfile, home(QStringLiteral("given"))), given);
    EXPECT_EQ(lookUp(DirtTrackRacingProfile), environment);
    qunsetenv("WINEPREFIX");
    EXPECT_EQ(lookUp(DirtTrackRacingProfile), remembered);
    ASSERT_TRUE(registry.DeleteValue(UtilityKey, winePrefixValueName(DirtTrackRacingProfile)));
    EXPECT_EQ(lookUp(DirtTrackRacingProfile), dotWine);
    QDir(home(QStringLiteral(".wine"))).removeRecursively();
    EXPECT_EQ(lookUp(DirtTrackRacingProfile), bottle);

    const WineGameSearch search = searchWinePrefixes(
        DirtTrackRacingProfile, winePrefixPlaces(WinePrefixSources::ofThisProcess({}, {})));
    ASSERT_NE(search.used(), nullptr);
    EXPECT_EQ(search.used()->place.origin, QStringLiteral("Bottles"));
    // Lutris's prefix without the folder comes first, and is passed over.
    ASSERT_EQ(search.holding.size(), 2);
    EXPECT_EQ(search.holding[0].found.windowsPath, QStringLiteral("C:\\Gone"));
    EXPECT_EQ(search.used(), &search.holding[1]);

    ASSERT_TRUE(registry.createKey(DirtTrackRacingProfile.GameKey));
    ASSERT_TRUE(registry.SetKeyValue(DirtTrackRacingProfile.GameKey, "Directory",
                                     QStringLiteral("/mine"), RegistryType::String));
    EXPECT_EQ(lookUp(DirtTrackRacingProfile, home(QStringLiteral("given"))),
              QStringLiteral("/mine"));
    EXPECT_EQ(lookUp(SprintCarsProfile), QString());
}

// The games are 32-bit: in a 64-bit prefix they read the Wow6432Node key first. A key whose
// folder is gone gives way to the other.
TEST_F(GameDirectoryLookupTest, The32BitViewComesFirst)
{
    FakePrefix prefix(home(QStringLiteral(".wine")));
    const QString wow = prefix.folder(QStringLiteral("Program Files (x86)/Ratbag/DTR"));
    const QString plain = prefix.folder(QStringLiteral("Program Files/Ratbag/DTR"));
    const QByteArray wowValue = "C:\\\\Program Files (x86)\\\\Ratbag\\\\DTR";
    const QByteArray plainValue = "C:\\\\Program Files\\\\Ratbag\\\\DTR";
    struct Case {
        QByteArray keys;
        QString directory;
        bool wow64;
    };
    const Case cases[] = {
        {gameKey(kDtrKey, plainValue) + gameKey(kDtrWowKey, wowValue), wow, true},
        {gameKey(kDtrWowKey, wowValue) + gameKey(kDtrKey, plainValue), wow, true},
        {gameKey(kDtrWowKey, "C:\\\\Gone") + gameKey(kDtrKey, plainValue), plain, false},
        {gameKey(kDtrKey, plainValue), plain, false},
        // A key and value written in capitals are the same key and folder.
        {gameKey("SOFTWARE\\\\RATBAG\\\\DIRT TRACK RACING\\\\1.00",
                 "C:\\\\PROGRAM FILES\\\\RATBAG\\\\DTR"),
         plain, false},
    };
    for (const Case& c : cases) {
        prefix.systemReg(c.keys);
        const WineGameDirectory found =
            findWineGameDirectory(DirtTrackRacingProfile, prefix.root());
        EXPECT_EQ(found.linuxPath, c.directory) << c.keys.toStdString();
        EXPECT_EQ(found.wow64, c.wow64) << c.keys.toStdString();
    }
}

// The Directory as 1999 installers and Wine itself write it: short names, REG_EXPAND_SZ with
// the prefix's own folders and variables, the kernel's path forms, any letter case.
TEST_F(GameDirectoryLookupTest, ValuesAreResolvedAsWineResolvesThem)
{
    FakePrefix prefix(home(QStringLiteral(".wine")));
    const QString dtr =
        prefix.folder(QStringLiteral("Program Files (x86)/Ratbag/Dirt Track Racing"));
    const QString games = prefix.folder(QStringLiteral("Games/Dirt Track Racing.v2"));
    prefix.link(QStringLiteral("z:"), QStringLiteral("/"));
    const QByteArray environment =
        key("Software\\\\Microsoft\\\\Windows\\\\CurrentVersion",
            "\"ProgramFilesDir\"=\"C:\\\\Program Files\"\n"
            "\"ProgramFilesDir (x86)\"=\"C:\\\\Program Files (x86)\"\n") +
        key("Software\\\\Wow6432Node\\\\Microsoft\\\\Windows\\\\CurrentVersion",
            "\"ProgramFilesDir\"=\"C:\\\\Program Files (x86)\"\n") +
        key("System\\\\CurrentControlSet\\\\Control\\\\Session Manager\\\\Environment",
            "\"RATBAG\"=str(2):\"%ProgramFiles%\\\\Ratbag\"\n");
    prefix.userReg(key("Environment", "\"GAMES\"=\"C:\\\\Games\"\n"));
    struct Case {
        QByteArray value; // as system.reg writes it
        QString directory;
    };
    const Case cases[] = {
        {"\"C:\\\\PROG~5P2\\\\Ratbag\\\\DIRT~EEU\"", dtr},
        {"\"c:\\\\prog~5p2\\\\RATBAG\\\\dirt~eeu\\\\\"", dtr},
        {"\"C:\\\\Games\\\\DIRT~1FX.V2\"", games},
        {"str(2):\"%ProgramFiles(x86)%\\\\Ratbag\\\\Dirt Track Racing\"", dtr},
        // A 32-bit program's %ProgramFiles% is the "(x86)" folder.
        {"str(2):\"%programfiles%\\\\Ratbag\\\\Dirt Track Racing\"", dtr},
        {"str(2):\"%RATBAG%\\\\Dirt Track Racing\"", dtr},
        {"str(2):\"%GAMES%\\\\Dirt Track Racing.v2\"", games},
        {"str(2):\"%NOSUCH%\\\\Dirt Track Racing\"", {}},
        // Only REG_EXPAND_SZ is expanded.
        {"\"%ProgramFiles(x86)%\\\\Ratbag\\\\Dirt Track Racing\"", {}},
        {"\"\\\\\\\\?\\\\C:\\\\Program Files (x86)\\\\Ratbag\\\\Dirt Track Racing\"", dtr},
        {"\"\\\\??\\\\C:\\\\Games\\\\Dirt Track Racing.v2\"", games},
        {"\"Z:" + dtr.toUtf8() + "\"", dtr},
    };
    for (const Case& c : cases) {
        prefix.systemReg(environment + key(kDtrKey, "\"Directory\"=" + c.value + "\n"));
        EXPECT_EQ(findWineGameDirectory(DirtTrackRacingProfile, prefix.root()).linuxPath,
                  c.directory)
            << c.value.toStdString();
    }
    EXPECT_EQ(wineShortName(QStringLiteral("Program Files")), QStringLiteral("PROG~FBU"));
    EXPECT_EQ(wineShortName(QStringLiteral("ab.c")), QStringLiteral("AB~~~V1E.C"));
}

TEST_F(GameDirectoryLookupTest, AMissingDriveLinkOrFolderFindsNothing)
{
    FakePrefix prefix(home(QStringLiteral(".wine")));
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
}

// A registry file exported by Wine's regedit holds Windows paths: read through the prefix the
// player named or the utility remembers, else refused with the way out.
TEST_F(GameDirectoryLookupTest, AWindowsPathInTheRegistryFileIsReadThroughAKnownPrefix)
{
    FakePrefix prefix(home(QStringLiteral("prefixes/dtr")));
    const QString dtr = prefix.folder(QStringLiteral("Jeux/DTR"));
    ASSERT_TRUE(registry.createKey(DirtTrackRacingProfile.GameKey));
    ASSERT_TRUE(registry.SetKeyValue(DirtTrackRacingProfile.GameKey, "Directory",
                                     QStringLiteral("C:\\Jeux\\DTR"), RegistryType::String));
    EXPECT_EQ(lookUp(DirtTrackRacingProfile), QString());
    EXPECT_EQ(lookUp(DirtTrackRacingProfile, prefix.root()), dtr);
    ASSERT_TRUE(rememberPrefix(prefix.root()));
    const GameDirectoryFind find = findGameDirectory(DirtTrackRacingProfile, registry, {});
    EXPECT_EQ(find.directory, dtr);
    EXPECT_EQ(find.windowsPath, QStringLiteral("C:\\Jeux\\DTR"));

    ASSERT_TRUE(registry.DeleteValue(UtilityKey, winePrefixValueName(DirtTrackRacingProfile)));
    QString out;
    QString err;
    EXPECT_EQ(fixture::runCommandLine({"list", "--game", "dtr", "--registry", registry.filePath()},
                                      out, err),
              1);
    EXPECT_TRUE(err.contains(QStringLiteral("the Windows path C:\\Jeux\\DTR")) &&
                err.contains(QStringLiteral("\"registry import-wine\"")))
        << err.toStdString();
}

// Lutris and Bottles name the Wine that runs their prefixes; it is used while it is installed.
TEST_F(GameDirectoryLookupTest, TheRunnerOfLutrisOrBottlesRunsItsPrefix)
{
    const QString bottle = home(QStringLiteral(".local/share/bottles/bottles/DTR"));
    const QString bottleWine =
        home(QStringLiteral(".local/share/bottles/runners/soda-7.0/bin/wine"));
    const QString lutris = home(QStringLiteral("Games/dtr"));
    const QString lutrisWine =
        home(QStringLiteral(".local/share/lutris/runners/wine/lutris-7.2-x86_64/bin/wine"));
    QDir().mkpath(bottle);
    QDir().mkpath(home(QStringLiteral(".local/share/lutris/games")));
    fixture::writeFile(bottle + QStringLiteral("/bottle.yml"),
                       "Arch: win64\nName: DTR\nRunner: soda-7.0\nVersioning: false\n");
    fixture::writeFile(home(QStringLiteral(".local/share/lutris/games/dtr.yml")),
                       "game:\n  prefix: ~/Games/dtr\nwine:\n  version: lutris-7.2-x86_64\n");
    EXPECT_EQ(runnerWine(bottle, homeDir.path()), QString());
    EXPECT_EQ(runnerWine(lutris, homeDir.path()), QString());

    for (const QString& wine : {bottleWine, lutrisWine}) {
        QDir().mkpath(QFileInfo(wine).path());
        fixture::writeFile(wine, "#!/bin/sh\n");
    }
    EXPECT_EQ(runnerWine(bottle, homeDir.path()), bottleWine);
    EXPECT_EQ(runnerWine(lutris, homeDir.path()), lutrisWine);
    EXPECT_EQ(runnerWine(home(QStringLiteral(".wine")), homeDir.path()), QString());

    // Found by the search in the bottle, and nothing remembered: the bottle's Wine.
    FakePrefix(bottle).systemReg(gameKey(kDtrKey, "C:\\\\"));
    EXPECT_EQ(wineSetupOf(DirtTrackRacingProfile, registry), (WineSetup{bottle, bottleWine}));
    ASSERT_TRUE(rememberPrefix(lutris));
    EXPECT_EQ(wineSetupOf(DirtTrackRacingProfile, registry), (WineSetup{lutris, lutrisWine}));
    EXPECT_EQ(wineSetupOf(SprintCarsProfile, registry), WineSetup{});
    EXPECT_EQ(eitherGameWineSetup(registry), (WineSetup{lutris, lutrisWine}));
}

TEST_F(GameDirectoryLookupTest, ImportWineShowsWritesAndTheCommandLineFindsTheGame)
{
    FakePrefix lutris(home(QStringLiteral("Games/dtr")));
    const QString dtr = lutris.folder(QStringLiteral("Dtr"));
    QDir().mkpath(dtr + QStringLiteral("/data/saved games"));
    fixture::writeFile(dtr + QStringLiteral("/data/saved games/setups.sav"),
                       fixture::storeOf({"Oval"}, fixture::kDtrTrailingWords));
    lutris.systemReg(gameKey(kDtrKey, "C:\\\\DTR") + gameKey(kScKey, "D:\\\\Sprint"));
    // Another prefix holds the game too, without its folder.
    FakePrefix(home(QStringLiteral(".wine"))).systemReg(gameKey(kDtrKey, "C:\\\\Old DTR"));

    QString out;
    QString err;
    auto run = [&](QStringList arguments) {
        arguments << QStringLiteral("--registry") << registry.filePath();
        return fixture::runCommandLine(arguments, out, err);
    };
    const QString noPrefix = scratch.filePath(QStringLiteral("no-prefix"));

    ASSERT_EQ(run({"registry", "import-wine", "--dry-run"}), 0);
    EXPECT_EQ(out, "Dirt Track Racing: C:\\Old DTR (not found on disk) in " +
                       home(QStringLiteral(".wine")) +
                       " (~/.wine)\nDirt Track Racing: C:\\DTR -> " + dtr + " in " + lutris.root() +
                       " (Lutris)\nDirt Track Racing - Sprint Cars: D:\\Sprint (not found on disk) "
                       "in " +
                       lutris.root() + " (Lutris)\n")
        << out.toStdString();
    EXPECT_FALSE(QFileInfo::exists(registry.filePath()));

    // What the import writes is the core's test below; the game's key now names the folder,
    // whatever prefix is named.
    ASSERT_EQ(run({"registry", "import-wine"}), 0);
    EXPECT_FALSE(registry.keyExists(SprintCarsProfile.GameKey));
    ASSERT_EQ(run({"list", "--game", "dtr", "--wine-prefix", noPrefix}), 0);

    EXPECT_EQ(run({"registry", "import-wine", "--wine-prefix", noPrefix}), 1);
    EXPECT_EQ(run({"registry", "import-wine", "--game", "sc", "--wine-prefix", lutris.root()}), 1);

    // A game found by the search is remembered with its prefix.
    ASSERT_TRUE(registry.DeleteValue(DirtTrackRacingProfile.GameKey, "Directory"));
    ASSERT_TRUE(registry.DeleteValue(UtilityKey, winePrefixValueName(DirtTrackRacingProfile)));
    ASSERT_EQ(run({"list", "--game", "dtr"}), 0) << err.toStdString();
    EXPECT_EQ(out, QStringLiteral("1\t1\tOval\n"));
    EXPECT_EQ(rememberedWinePrefix(DirtTrackRacingProfile, registry), lutris.root());
}

// The import's outcome says for each game what the prefix has and what became of the registry
// file's value; a dry run says the same without writing.
TEST_F(GameDirectoryLookupTest, ImportFromWineTellsPerGameWhatItFoundAndWrote)
{
    FakePrefix prefix(home(QStringLiteral(".wine")));
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
    const QString replaces =
        dtr + " replaces /elsewhere for " + DirtTrackRacingProfile.gameTitle + ".";
    const WinePrefixSources given{.given = prefix.root()};

    // A dry run reads the prefix, says what the real run would and writes nothing.
    WineImportOutcome outcome = importGameDirectoriesFromWine(registry, given, both, true);
    EXPECT_TRUE(outcome.done);
    EXPECT_FALSE(outcome.games[0].written);
    EXPECT_EQ(texts(outcome),
              (QStringList{replaces, "Dry run: " + registry.filePath() + " was not changed."}));
    EXPECT_EQ(registryText(registry.QueryValue(DirtTrackRacingProfile.GameKey, "Directory")),
              QStringLiteral("/elsewhere"));

    const QString nowHolds =
        registry.filePath() + QStringLiteral(" now holds the game directory found in Wine.");
    outcome = importGameDirectoriesFromWine(registry, given, both, false);
    EXPECT_TRUE(outcome.done);
    ASSERT_EQ(outcome.games.size(), 2);
    EXPECT_EQ(outcome.games[0].found.linuxPath, dtr);
    EXPECT_TRUE(outcome.games[0].written);
    EXPECT_EQ(outcome.games[0].replaced, QStringLiteral("/elsewhere"));
    EXPECT_EQ(outcome.games[1].found.windowsPath, QStringLiteral("D:\\Sprint"));
    EXPECT_EQ(outcome.games[1].found.linuxPath, QString());
    EXPECT_FALSE(outcome.games[1].written);
    EXPECT_EQ(texts(outcome), (QStringList{replaces, nowHolds}));
    EXPECT_EQ(registryText(registry.QueryValue(DirtTrackRacingProfile.GameKey, "Directory")), dtr);
    EXPECT_EQ(rememberedWinePrefix(DirtTrackRacingProfile, registry), prefix.root());

    // The value already names the folder: written, nothing replaced.
    outcome = importGameDirectoriesFromWine(registry, given, both, false);
    EXPECT_TRUE(outcome.games[0].written);
    EXPECT_EQ(texts(outcome), QStringList{nowHolds});

    // A registry file that cannot be written: the game found, not written, and why.
    Registry unwritable(scratch.filePath(QStringLiteral("registry.reg/inside.reg")));
    outcome = importGameDirectoriesFromWine(unwritable, given, both, false);
    EXPECT_FALSE(outcome.done);
    EXPECT_FALSE(outcome.games[0].written);
    ASSERT_EQ(outcome.messages.size(), 1);
    EXPECT_TRUE(outcome.messages[0].text.startsWith(unwritable.filePath() + " was not changed"));

    // Nothing on disk to import: not done, whether the prefix was named or searched for.
    const GameProfile* sprintCars[] = {&SprintCarsProfile};
    outcome = importGameDirectoriesFromWine(registry, given, sprintCars, false);
    EXPECT_EQ(texts(outcome), QStringList{"No game directory to import from the Wine prefix " +
                                          prefix.root() + "."});
    outcome = importGameDirectoriesFromWine(registry, {.home = homeDir.path()}, sprintCars, false);
    EXPECT_FALSE(outcome.done);
    EXPECT_EQ(texts(outcome), QStringList{"No game directory to import: none of the 1 Wine "
                                          "prefixes looked at holds a game with its folder on "
                                          "disk."});
    // No registry in the prefix named: no game is looked at.
    QFile::remove(prefix.root() + QStringLiteral("/system.reg"));
    outcome = importGameDirectoriesFromWine(registry, given, both, false);
    EXPECT_FALSE(outcome.done);
    EXPECT_TRUE(outcome.games.empty());
}

} // namespace
