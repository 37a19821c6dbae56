// Every kind of path the command line touches x every hostile thing that can lie there x every
// command that touches it, each run as its own process in a fresh folder. Each cell holds the
// door's policy: the run ends within its bound, nothing outside the game and chosen folders
// changes, no special file is replaced or removed, and the exit code is the policy's.
#include "support/FileTree.h"
#include "support/ProgramRun.h"
#include "support/StoreBytes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <iostream>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/time.h>

namespace
{

enum class Hostile {
    Absent,
    Regular,
    LinkToFile,
    DanglingLink,
    LinkToFolder,
    LinkToFifo,
    LinkToDevice,
    Fifo,
    Folder,
    OursBeside, // a link named as our temporary files, beside a regular file
    Unreadable,
};
constexpr Hostile kHostiles[] = {Hostile::Absent,       Hostile::Regular,      Hostile::LinkToFile,
                                 Hostile::DanglingLink, Hostile::LinkToFolder, Hostile::LinkToFifo,
                                 Hostile::LinkToDevice, Hostile::Fifo,         Hostile::Folder,
                                 Hostile::OursBeside,   Hostile::Unreadable};
const char* const kHostileNames[] = {"absent",         "regular",        "link to a file",
                                     "dangling link",  "link to folder", "link to FIFO",
                                     "link to device", "FIFO",           "folder",
                                     "ours beside",    "unreadable"};

// What the policy answers: the command succeeds, refuses (exit 1), or either, as the command's own
// rule decides (a missing store, a file root may read anyway).
enum class Expect { Done, Refused, Either };

constexpr QLatin1StringView kGame("game/data/saved games/");

struct PathKind {
    const char* name;
    QString path;            // below the cell's folder
    QByteArray content;      // what a regular file there holds
    bool writtenThroughLink; // only the store: its link's target may change
    std::vector<QStringList> commands;
    // By hostile kind, in the order of kHostiles.
    std::vector<Expect> expected;
};

QByteArray validStore()
{
    return fixture::storeOf({"Zeta", "Alpha"}, fixture::kDtrTrailingWords);
}

std::vector<PathKind> pathKinds()
{
    using E = Expect;
    const E D = E::Done, R = E::Refused, X = E::Either;
    const QString store = kGame + "setups.sav";
    const QString setupIn = QStringLiteral("chosen/In.set");
    const QString copyIn = QStringLiteral("chosen/Friend setups.sav");
    const QStringList game{"--game", "dtr", "--game-dir", "game"};
    return {
        // absent, regular, link to file, dangling, link to folder/FIFO/device, FIFO, folder,
        // ours beside, unreadable
        {"store",
         store,
         validStore(),
         true,
         {QStringList{"sort"} + game, QStringList{"backup"} + game, QStringList{"restore"} + game,
          QStringList{"import", "chosen/One.set"} + game,
          QStringList{"store-export", "--to", "copies", "--replace"} + game},
         {X, D, D, R, R, R, R, R, R, D, X}},
        {"backup",
         kGame + "setups.bak",
         validStore(),
         false,
         {QStringList{"backup"} + game, QStringList{"restore"} + game},
         {X, D, X, R, R, R, R, R, R, D, X}},
        {"setups.tmp",
         kGame + "setups.tmp",
         "a leftover",
         false,
         {QStringList{"sort"} + game, QStringList{"delete", "--slot", "1"} + game},
         {D, D, D, D, D, D, D, R, R, D, D}},
        {"setup file read",
         setupIn,
         fixture::dtrSlot("In", 3),
         false,
         {QStringList{"import", setupIn} + game,
          QStringList{"rename-file", setupIn, "Renamed", "--game", "dtr"}},
         {R, D, D, R, R, R, R, R, R, D, X}},
        {"setup file written",
         "chosen/Out.set",
         "an old export",
         false,
         {QStringList{"export", "--slot", "1", "--name", "Out", "--to", "chosen", "--replace"} +
          game},
         {D, D, R, R, R, R, R, R, R, D, R}},
        {"store copy written",
         "copies/Dtr setups.sav",
         validStore(),
         false,
         {QStringList{"store-export", "--to", "copies", "--replace"} + game},
         {D, D, R, R, R, R, R, R, R, D, R}},
        {"store copy read",
         copyIn,
         validStore(),
         false,
         {QStringList{"store-import", copyIn} + game},
         {R, D, D, R, R, R, R, R, R, D, X}},
        {"registry file",
         "config/r.reg",
         "REGEDIT4\r\n",
         false,
         {QStringList{"registry", "set", "SOFTWARE\\Tarvelin", "(Dir)", "/x"}},
         {D, D, R, R, R, R, R, R, R, D, X}},
        {"registry lock",
         "config/r.reg.lock",
         QByteArray(),
         false,
         {QStringList{"registry", "set", "SOFTWARE\\Tarvelin", "(Dir)", "/x"}},
         {D, D, R, R, R, R, R, R, R, D, X}},
    };
}

bool isSpecial(Hostile hostile)
{
    return hostile == Hostile::Fifo || hostile == Hostile::Folder;
}

// A cell's own folder: the game, the folders the player chose, the registry's folder, and the
// sentinel outside them that every link points into.
class Cell
{
public:
    Cell()
    {
        for (const char* folder :
             {"game/data/saved games", "chosen", "copies", "config", "outside/folder", "shared"})
            QDir().mkpath(at(folder));
        fixture::writeFile(at(kGame + "setups.sav"), validStore());
        fixture::writeFile(at(kGame + "setups.bak"), validStore());
        fixture::writeFile(at("chosen/One.set"), fixture::dtrSlot("One", 1));
        fixture::writeFile(at("outside/file"), "the player's own file");
        fixture::writeFile(at("outside/folder/inside"), "kept");
        fixture::writeFile(at("shared/store"), validStore());
        ::mkfifo(QFile::encodeName(at("outside/fifo")).constData(), 0644);
        // A device node of the test's own where it may make one, else the system's null device.
        const bool made = ::mknod(QFile::encodeName(at("outside/device")).constData(),
                                  S_IFCHR | 0666, makedev(1, 3)) == 0;
        device_ = made ? at("outside/device") : QStringLiteral("/dev/null");
    }

    QString at(const QString& relative) const { return dir_.filePath(relative); }
    const QString& device() const { return device_; }

    void plant(const PathKind& kind, Hostile hostile)
    {
        const QString path = at(kind.path);
        QFile::remove(path);
        const QByteArray name = QFile::encodeName(path);
        switch (hostile) {
        case Hostile::Absent:
            break;
        case Hostile::Regular:
        case Hostile::OursBeside:
        case Hostile::Unreadable:
            fixture::writeFile(path, kind.content);
            if (hostile == Hostile::Unreadable)
                ::chmod(name.constData(), 0);
            if (hostile == Hostile::OursBeside)
                QFile::link(at("outside/file"),
                            QFileInfo(path).path() + "/.tarvelin-setup-utility.Ab12Cd");
            break;
        case Hostile::LinkToFile:
            if (kind.writtenThroughLink) {
                QFile::link(at("shared/store"), path);
            } else {
                fixture::writeFile(at("outside/file"), kind.content);
                QFile::link(at("outside/file"), path);
            }
            break;
        case Hostile::DanglingLink:
            QFile::link(at("outside/nothing"), path);
            break;
        case Hostile::LinkToFolder:
            QFile::link(at("outside/folder"), path);
            break;
        case Hostile::LinkToFifo:
            QFile::link(at("outside/fifo"), path);
            break;
        case Hostile::LinkToDevice:
            QFile::link(device_, path);
            break;
        case Hostile::Fifo:
            ::mkfifo(name.constData(), 0644);
            break;
        case Hostile::Folder:
            QDir().mkpath(path);
            fixture::writeFile(path + "/inside", "kept");
            break;
        }
        // A lock file written a moment ago may be an owner's that has not yet written its id:
        // one of long ago is a leftover, as the registry's lock takes it.
        if (hostile == Hostile::Regular && kind.content.isEmpty()) {
            const timeval old[2] = {{1000000000, 0}, {1000000000, 0}};
            ::utimes(name.constData(), old);
        }
    }

    fixture::Ran run(const QStringList& command) const
    {
        return fixture::runProgram(QStringLiteral(TARVELIN_CLI),
                                   command + QStringList{"--registry", at("config/r.reg")},
                                   {.folder = dir_.path(), .boundMs = 8000});
    }

private:
    QTemporaryDir dir_;
    QString device_;
};

// The node's kind, through no link: what must survive a refused or allowed command.
mode_t kindOf(const QString& path)
{
    struct stat info {
    };
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_mode & S_IFMT : 0;
}

TEST(FileDoorMatrix, EveryPathKindHoldsItsPolicyAgainstEveryHostileThingAndCommand)
{
    int cells = 0;
    for (const PathKind& kind : pathKinds()) {
        for (std::size_t h = 0; h < std::size(kHostiles); ++h) {
            const Hostile hostile = kHostiles[h];
            for (const QStringList& command : kind.commands) {
                SCOPED_TRACE(testing::Message() << kind.name << " / " << kHostileNames[h] << " / "
                                                << command.join(' ').toStdString());
                Cell cell;
                cell.plant(kind, hostile);
                const QString path = cell.at(kind.path);
                const mode_t before = kindOf(path);
                const fixture::FileTree outside = fixture::snapshotTree(cell.at("outside"));
                const QByteArray device = fixture::readFile(cell.device());

                const fixture::Ran ran = cell.run(command);
                ++cells;
                ASSERT_TRUE(ran.ended);
                EXPECT_EQ(fixture::snapshotTree(cell.at("outside")), outside);
                EXPECT_EQ(kindOf(cell.device()), S_IFCHR);
                EXPECT_EQ(fixture::readFile(cell.device()), device);
                if (before != 0 && before != S_IFREG && before != S_IFLNK) {
                    EXPECT_EQ(kindOf(path), before) << "a special file was replaced";
                }
                if (hostile != Hostile::Absent && before == S_IFLNK &&
                    kind.expected[h] == Expect::Refused) {
                    EXPECT_EQ(kindOf(path), S_IFLNK) << "a refused link was replaced";
                }
                if (before == S_IFLNK && kind.writtenThroughLink) {
                    EXPECT_EQ(kindOf(path), S_IFLNK) << "the store's link was replaced by a file";
                }
                if (hostile == Hostile::OursBeside) {
                    EXPECT_EQ(kindOf(QFileInfo(path).path() + "/.tarvelin-setup-utility.Ab12Cd"),
                              S_IFLNK)
                        << "a link named like ours is not ours";
                }
                switch (kind.expected[h]) {
                case Expect::Done:
                    EXPECT_EQ(ran.exitCode, 0) << ran.err.toStdString();
                    break;
                case Expect::Refused:
                    EXPECT_EQ(ran.exitCode, 1) << ran.err.toStdString();
                    EXPECT_FALSE(ran.err.trimmed().isEmpty());
                    break;
                case Expect::Either:
                    EXPECT_TRUE(ran.exitCode == 0 || ran.exitCode == 1) << ran.err.toStdString();
                    break;
                }
                if (isSpecial(hostile) && hostile == Hostile::Folder) {
                    EXPECT_EQ(fixture::readFile(path + "/inside"), "kept");
                }
            }
        }
    }
    std::cout << "[ file door matrix ] " << cells << " cells\n";
    testing::Test::RecordProperty("cells", cells);
}

// A full file system can be had only where the machine offers a small one: its folder is named
// by TARVELIN_FULL_FS. Every write there is refused and the store kept.
TEST(FileDoorMatrix, AFullFileSystemRefusesEveryWriteAndKeepsTheStore)
{
    const QString full = qEnvironmentVariable("TARVELIN_FULL_FS");
    if (full.isEmpty())
        GTEST_SKIP() << "no small full file system (TARVELIN_FULL_FS) on this machine";
    QDir().mkpath(full + "/" + kGame);
    const QString store = full + "/" + kGame + "setups.sav";
    const QByteArray before = fixture::readFile(store);
    for (const QStringList& command : {QStringList{"sort"}, QStringList{"backup"}}) {
        const fixture::Ran ran = fixture::runProgram(
            QStringLiteral(TARVELIN_CLI),
            command + QStringList{"--game", "dtr", "--game-dir", full + "/game"});
        EXPECT_TRUE(ran.ended);
        EXPECT_EQ(fixture::readFile(store), before);
    }
}

} // namespace
