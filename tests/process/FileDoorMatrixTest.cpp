// SPDX-License-Identifier: GPL-3.0-or-later
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
#include <sys/mount.h>
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
    FullFileSystem, // a regular file in a folder on a file system with no room left
};
constexpr Hostile kHostiles[] = {
    Hostile::Absent,       Hostile::Regular,    Hostile::LinkToFile,   Hostile::DanglingLink,
    Hostile::LinkToFolder, Hostile::LinkToFifo, Hostile::LinkToDevice, Hostile::Fifo,
    Hostile::Folder,       Hostile::OursBeside, Hostile::Unreadable,   Hostile::FullFileSystem};
const char* const kHostileNames[] = {"absent",         "regular",        "link to a file",
                                     "dangling link",  "link to folder", "link to FIFO",
                                     "link to device", "FIFO",           "folder",
                                     "ours beside",    "unreadable",     "full file system"};

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
        // ours beside, unreadable, full file system
        {"store",
         store,
         validStore(),
         true,
         {QStringList{"sort"} + game, QStringList{"backup"} + game, QStringList{"restore"} + game,
          QStringList{"import", "chosen/One.set"} + game,
          QStringList{"store-export", "--to", "copies", "--replace"} + game},
         {X, D, D, R, R, R, R, R, R, D, X, X}},
        {"backup",
         kGame + "setups.bak",
         validStore(),
         false,
         {QStringList{"backup"} + game, QStringList{"restore"} + game},
         {X, D, X, R, R, R, R, R, R, D, X, R}},
        {"setups.tmp",
         kGame + "setups.tmp",
         "a leftover",
         false,
         {QStringList{"sort"} + game, QStringList{"delete", "--slot", "1"} + game},
         {D, D, D, D, D, D, D, R, R, D, D, X}},
        {"setup file read",
         setupIn,
         fixture::dtrSlot("In", 3),
         false,
         {QStringList{"import", setupIn} + game,
          QStringList{"rename-file", setupIn, "Renamed", "--game", "dtr"}},
         {R, D, D, R, R, R, R, R, R, D, X, X}},
        {"setup file written",
         "chosen/Out.set",
         "an old export",
         false,
         {QStringList{"export", "--slot", "1", "--name", "Out", "--to", "chosen", "--replace"} +
          game},
         {D, D, R, R, R, R, R, R, R, D, R, R}},
        {"store copy written",
         "copies/Dtr setups.sav",
         validStore(),
         false,
         {QStringList{"store-export", "--to", "copies", "--replace"} + game},
         {D, D, R, R, R, R, R, R, R, D, R, R}},
        {"store copy read",
         copyIn,
         validStore(),
         false,
         {QStringList{"store-import", copyIn} + game},
         {R, D, D, R, R, R, R, R, R, D, X, D}},
        {"registry file",
         "config/r.reg",
         "REGEDIT4\r\n",
         false,
         {QStringList{"registry", "set", "SOFTWARE\\Tarvelin", "(Dir)", "/x"}},
         {D, D, R, R, R, R, R, R, R, D, X, R}},
        {"registry lock",
         "config/r.reg.lock",
         QByteArray(),
         false,
         {QStringList{"registry", "set", "SOFTWARE\\Tarvelin", "(Dir)", "/x"}},
         {D, D, R, R, R, R, R, R, R, D, X, X}},
    };
}

// A cell's own folder: the game, the folders the player chose, the registry's folder, and the
// sentinel outside them that every link points into.
class Cell
{
public:
    // `fullFolder`, when given, is a small file system of its own, mounted before anything is
    // written into it and filled once the cell is planted.
    explicit Cell(const QString& fullFolder = {})
    {
        for (const char* folder :
             {"game/data/saved games", "chosen", "copies", "config", "outside/folder", "shared"})
            QDir().mkpath(at(folder));
        if (!fullFolder.isEmpty()) {
            const QByteArray mountPoint = QFile::encodeName(at(fullFolder));
            if (::mount("tmpfs", mountPoint.constData(), "tmpfs", 0, "size=64k") == 0)
                mounted_ = mountPoint;
        }
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

    ~Cell()
    {
        if (!mounted_.isEmpty())
            ::umount2(mounted_.constData(), MNT_DETACH);
    }
    Cell(const Cell&) = delete;
    Cell& operator=(const Cell&) = delete;

    bool mounted() const { return !mounted_.isEmpty(); }
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
        case Hostile::FullFileSystem:
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
        if (hostile == Hostile::FullFileSystem)
            fill(QFileInfo(path).path());
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
    // Written until the file system refuses: every later write runs out of room.
    static void fill(const QString& folder)
    {
        QFile filler(folder + "/filler");
        if (!filler.open(QIODevice::WriteOnly))
            return;
        const QByteArray block(512, 'f');
        while (filler.write(block) == block.size() && filler.flush()) {
        }
    }

    QTemporaryDir dir_;
    QString device_;
    QByteArray mounted_;
};

// The node's kind, through no link: what must survive a refused or allowed command.
mode_t kindOf(const QString& path)
{
    struct stat info {
    };
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_mode & S_IFMT : 0;
}

// Runs the cells of the full file system's column, or of every other; returns how many ran. None
// ran when no small file system could be mounted.
int walk(bool onFull)
{
    int cells = 0;
    for (const PathKind& kind : pathKinds()) {
        for (std::size_t h = 0; h < std::size(kHostiles); ++h) {
            const Hostile hostile = kHostiles[h];
            if ((hostile == Hostile::FullFileSystem) != onFull)
                continue;
            for (const QStringList& command : kind.commands) {
                SCOPED_TRACE(testing::Message() << kind.name << " / " << kHostileNames[h] << " / "
                                                << command.join(' ').toStdString());
                Cell cell(onFull ? QFileInfo(kind.path).path() : QString());
                if (onFull && !cell.mounted())
                    return 0;
                cell.plant(kind, hostile);
                const QString path = cell.at(kind.path);
                const mode_t before = kindOf(path);
                const fixture::FileTree outside = fixture::snapshotTree(cell.at("outside"));
                const QByteArray device = fixture::readFile(cell.device());

                const QByteArray bytes = before == S_IFREG ? fixture::readFile(path) : QByteArray();
                const fixture::Ran ran = cell.run(command);
                ++cells;
                EXPECT_TRUE(ran.ended);
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
                if (hostile == Hostile::Folder) {
                    EXPECT_EQ(fixture::readFile(path + "/inside"), "kept");
                }
                if (hostile == Hostile::FullFileSystem && kind.expected[h] == Expect::Refused) {
                    EXPECT_EQ(fixture::readFile(path), bytes) << "a refused write changed the file";
                }
            }
        }
    }
    return cells;
}

TEST(FileDoorMatrix, EveryPathKindHoldsItsPolicyAgainstEveryHostileThingAndCommand)
{
    const int cells = walk(false);
    std::cout << "[ file door matrix ] " << cells << " cells\n";
    testing::Test::RecordProperty("cells", cells);
}

// The full file system's column, where the machine lets the test mount a small one.
TEST(FileDoorMatrix, OnAFullFileSystemEveryWriteIsRefusedAndEveryFileKept)
{
    const int cells = walk(true);
    if (cells == 0)
        GTEST_SKIP() << "no small file system can be mounted here";
    std::cout << "[ file door matrix ] " << cells << " cells on a full file system\n";
    testing::Test::RecordProperty("cells", cells);
}

} // namespace
