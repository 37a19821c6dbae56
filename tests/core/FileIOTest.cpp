#include "core/platform/FileIO.h"

#include "support/StoreBytes.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstring>
#include <gtest/gtest.h>
#include <memory>
#include <sys/mount.h>
#include <sys/stat.h>

using namespace tarvelin;

namespace
{

// A pipe-like device: no size to trust, bytes only as they are read.
class Pipe : public QIODevice
{
public:
    explicit Pipe(const QByteArray* bytes) : bytes_(*bytes) {}
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char* data, qint64 maxSize) override
    {
        const qint64 n = std::min<qint64>(maxSize, bytes_.size() - taken_);
        std::memcpy(data, bytes_.constData() + taken_, static_cast<size_t>(n));
        taken_ += n;
        return n == 0 ? -1 : n;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QByteArray bytes_;
    qint64 taken_ = 0;
};

TEST(ReadDevice, TakesUpToTheLimitAndRefusesOneBytePastItWithOrWithoutASize)
{
    constexpr qsizetype limit = 200 * 1024; // more than one read piece
    for (const bool sequential : {false, true}) {
        for (const qsizetype size : {qsizetype(0), limit - 1, limit, limit + 1, 3 * limit}) {
            QByteArray bytes(size, '\x5a');
            if (size > 0)
                bytes[size - 1] = '\x01';
            std::unique_ptr<QIODevice> device;
            if (sequential)
                device = std::make_unique<Pipe>(&bytes);
            else
                device = std::make_unique<QBuffer>(&bytes);
            ASSERT_TRUE(device->open(QIODevice::ReadOnly));
            const FileContents contents = readDevice(*device, limit);
            SCOPED_TRACE(testing::Message() << "sequential " << sequential << " size " << size);
            EXPECT_EQ(contents.ok, size <= limit) << contents.error.toStdString();
            EXPECT_EQ(contents.bytes, size <= limit ? bytes : QByteArray());
        }
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

} // namespace
