// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/platform/FileIO.h"

#include "core/names/FileNameEncoding.h"
#include "core/platform/FolderSteps.h"
#include "support/FileTree.h"
#include "support/StoreBytes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/stat.h>

using namespace tarvelin;

namespace
{

TEST(ReadWholeFile, TakesUpToTheLimitAndRefusesOneBytePastIt)
{
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("file"));
    constexpr qsizetype limit = 200 * 1024;
    for (const qsizetype size : {qsizetype(0), limit - 1, limit, limit + 1, 3 * limit}) {
        QByteArray bytes(size, '\x5a');
        if (size > 0)
            bytes[size - 1] = '\x01';
        fixture::writeFile(file, bytes);
        const FileContents contents = readWholeFile(file, limit);
        SCOPED_TRACE(testing::Message() << "size " << size);
        EXPECT_EQ(contents.ok, size <= limit) << contents.error.toStdString();
        EXPECT_EQ(contents.bytes, size <= limit ? bytes : QByteArray());
        // The start alone is read from a file of any size.
        EXPECT_EQ(readFileStart(file, 10).bytes, bytes.left(10));
    }
}

// Every entry comes back, hidden ones, folders and names that are not UTF-8 alike, in one order
// whatever order the file system keeps them in; a folder that is not there lists nothing.
TEST(ListFolder, NamesEveryEntryInByteOrder)
{
    QTemporaryDir folder;
    const QByteArray root = QFile::encodeName(folder.path());
    for (const QByteArray& name :
         {QByteArray("b"), QByteArray(".hidden"), QByteArray("A"), QByteArray("caf\xe9")})
        fixture::writeRawFile(root + '/' + name, "x");
    QDir(folder.path()).mkdir(QStringLiteral("drive_c"));
    EXPECT_EQ(listFolder(folder.path()),
              (QStringList{".hidden", "A", "b", decodeFileName("caf\xe9"), "drive_c"}));
    EXPECT_EQ(listFolder(folder.filePath(QStringLiteral("none"))), QStringList());
    EXPECT_EQ(listFolder(folder.filePath(QStringLiteral("b"))), QStringList());
}

// A file written over takes the mode the old one had, whatever it was: a store or a player's
// file kept private stays private, a read-only one stays read-only. The scratch file that is
// renamed over a store takes the store's mode likewise.
TEST(NewFileMode, IsTheModeOfTheFileItReplaces)
{
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("file"));
    const QString scratch = folder.filePath(QStringLiteral("scratch"));
    for (const int mode : {0600, 0640, 0444, 0751}) {
        SCOPED_TRACE(testing::Message() << "mode " << std::oct << mode);
        fixture::writeFile(file, "old");
        fixture::setMode(file, mode);
        ASSERT_TRUE(saveFileAtomically(file, "new"));
        EXPECT_EQ(fixture::modeOf(file), mode);
        ASSERT_TRUE(writeFreshFile(scratch, "new", {}, file));
        EXPECT_EQ(fixture::modeOf(scratch), mode);
    }
}

TEST(ReadWholeFile, ReadsOnlyRegularFilesAndRefusesTheRestAtOnce)
{
    QTemporaryDir folder;
    const QString fifo = folder.filePath(QStringLiteral("fifo"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0644), 0);
    // No writer ever opens the FIFO: a blocking open would never return.
    for (const QString& special : {fifo, folder.path(), QStringLiteral("/dev/null")}) {
        const FileContents contents = readWholeFile(special, 1024);
        EXPECT_FALSE(contents.ok) << special.toStdString();
        EXPECT_FALSE(contents.missing) << special.toStdString();
        EXPECT_TRUE(contents.error.contains(QStringLiteral("not a regular file")))
            << contents.error.toStdString();
    }

    const QString file = folder.filePath(QStringLiteral("file"));
    const QString link = folder.filePath(QStringLiteral("link"));
    fixture::writeFile(file, "bytes");
    ASSERT_TRUE(QFile::link(file, link));
    EXPECT_EQ(readWholeFile(link, 1024).bytes, "bytes"); // a store that is a link is still read
    const QString dangling = folder.filePath(QStringLiteral("dangling"));
    ASSERT_TRUE(QFile::link(folder.filePath(QStringLiteral("gone")), dangling));
    EXPECT_TRUE(readWholeFile(dangling, 1024).missing);
    EXPECT_TRUE(readWholeFile(file + QStringLiteral("/below"), 1024).missing);
}

// A real full disk: a small tmpfs, where the system lets the tests mount one (root in a
// container usually may). Qt itself calls this failure "Unknown error".
TEST(FullDisk, SaysNoSpaceLeftOnDeviceAndLeavesTheOldFileWhole)
{
    QTemporaryDir mountPoint;
    if (::mount("tmpfs", QFile::encodeName(mountPoint.path()).constData(), "tmpfs", 0,
                "size=16k") != 0)
        GTEST_SKIP() << "no tmpfs can be mounted here";
    const QString store = mountPoint.filePath(QStringLiteral("setups.sav"));
    fixture::writeFile(store, "old");
    const QByteArray big(100000, 'x');
    const FileResult saved = saveFileAtomically(store, big);
    const FileResult fresh = writeFreshFile(mountPoint.filePath(QStringLiteral("setups.tmp")), big);
    const QByteArray after = fixture::readFile(store);
    QFile::remove(mountPoint.filePath(QStringLiteral("setups.tmp")));
    ASSERT_EQ(::umount(QFile::encodeName(mountPoint.path()).constData()), 0);

    for (const FileResult& result : {saved, fresh}) {
        EXPECT_FALSE(result.ok);
        EXPECT_TRUE(result.error.contains(QStringLiteral("No space left on device")))
            << result.error.toStdString();
    }
    EXPECT_EQ(after, "old");
}

// The utility's own folders (the picture cache's, the demo's) are made and removed whole, but
// never through a link: a link at their place, or among what they hold, leads outside.
TEST(OwnFolders, AreNeverMadeOrRemovedThroughALink)
{
    QTemporaryDir outside;
    QDir().mkpath(outside.filePath("sub"));
    fixture::writeFile(outside.filePath("sub/inside"), "the player's");
    QTemporaryDir own;
    const QString linked = own.filePath("pictures");
    ASSERT_TRUE(QFile::link(outside.path(), linked));
    const QString real = own.filePath("build");
    QDir().mkpath(real + "/deep");
    fixture::writeFile(real + "/deep/picture", "drawn");
    ASSERT_TRUE(QFile::link(outside.filePath("sub"), real + "/deep/old"));
    const fixture::FileTree before = fixture::snapshotTree(outside.path());

    const struct {
        const char* what;
        std::function<FileResult()> step;
        bool done;
    } cases[] = {
        {"make a link", [&] { return makeFolders(linked, PathKind::PictureCache); }, false},
        {"remove a link", [&] { return removeOwnFolder(linked, PathKind::PictureCache); }, false},
        {"remove a player's folder", [&] { return removeOwnFolder(real, PathKind::SetupFile); },
         false},
        {"remove one holding a link", [&] { return removeOwnFolder(real, PathKind::PictureCache); },
         true},
        {"make it again", [&] { return makeFolders(real + "/new", PathKind::PictureCache); }, true},
    };
    for (const auto& step : cases) {
        SCOPED_TRACE(step.what);
        EXPECT_EQ(step.step().ok, step.done);
        EXPECT_EQ(fixture::snapshotTree(outside.path()), before);
    }
    EXPECT_TRUE(QFileInfo(linked).isSymLink());
    EXPECT_FALSE(QFileInfo::exists(real + "/deep"));
}

} // namespace
