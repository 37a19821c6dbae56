#include "core/platform/FileIO.h"

#include "core/Logging.h"

#include <QDir>
#include <QFile>
#include <QFileDevice>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSaveFile>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tarvelin
{

namespace
{

FileFaultHook& faultHook()
{
    static FileFaultHook hook;
    return hook;
}

bool stepAllowed(FileStep step, const QString& path)
{
    const FileFaultHook& hook = faultHook();
    return !hook || hook(step, path);
}

FileResult injectedFailure(const QString& path)
{
    return FileResult::failure(QStringLiteral("%1: injected failure").arg(path));
}

FileResult logged(FileResult result)
{
    if (!result.ok)
        qCWarning(lcFiles).noquote() << result.error;
    return result;
}

QString errnoText(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// Qt reports some failures of a file on a full disk as "Unknown error"; the system's own reason,
// taken right after the failing call, says what happened.
QString reasonOf(const QFileDevice& file, int error)
{
    QString qt = file.errorString();
    if (error != 0 && (qt.isEmpty() || qt == QLatin1String("Unknown error")))
        return errnoText(error);
    return qt;
}

// The file's own mode, never its link's target's: a link is refused.
FileResult changeMode(const QString& path, const std::function<mode_t(mode_t)>& newMode)
{
    if (!stepAllowed(FileStep::SetAttributes, path))
        return logged(injectedFailure(path));
    const QByteArray name = QFile::encodeName(path);
    struct stat info {
    };
    if (::lstat(name.constData(), &info) != 0)
        return logged(FileResult::failure(QStringLiteral("%1: %2").arg(path, errnoText(errno))));
    if (S_ISLNK(info.st_mode))
        return logged(FileResult::failure(
            QStringLiteral("%1 is a symbolic link: its attributes were not changed.").arg(path)));
    if (::chmod(name.constData(), newMode(info.st_mode & 07777)) != 0)
        return logged(FileResult::failure(QStringLiteral("%1: %2").arg(path, errnoText(errno))));
    return FileResult::success();
}

bool writeAll(int fd, QByteArrayView bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n =
            ::write(fd, bytes.data() + done, static_cast<size_t>(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = ENOSPC;
            return false;
        }
        done += n;
    }
    return true;
}

// Starts writing the file's pages out without waiting. On ext4 this allocates their blocks now,
// so the next flush of any file commits this file's metadata too, and its own flush only waits.
void startWriteback(int fd)
{
    if (fd >= 0)
        ::sync_file_range(fd, 0, 0, SYNC_FILE_RANGE_WRITE);
}

} // namespace

void setFileFaultHook(FileFaultHook hook)
{
    faultHook() = std::move(hook);
}

FileContents readDevice(QIODevice& device, qsizetype maxSize)
{
    FileContents contents;
    if (!device.isSequential() && device.size() > maxSize) {
        contents.error = QStringLiteral("%1 bytes is more than %2").arg(device.size()).arg(maxSize);
        return contents;
    }
    if (device.isSequential()) {
        // No size to trust: read in pieces up to one byte past the limit.
        constexpr qint64 kPiece = qint64{64} * 1024;
        while (contents.bytes.size() <= maxSize) {
            const QByteArray piece =
                device.read(std::min<qint64>(kPiece, maxSize + 1 - contents.bytes.size()));
            if (piece.isEmpty() && !device.waitForReadyRead(30000))
                break;
            contents.bytes += piece;
        }
    } else {
        // Allocate for the size the file reports, not for the limit; one byte more shows a
        // file that grew meanwhile.
        const qint64 expected = std::min<qint64>(device.size() - device.pos(), maxSize);
        contents.bytes = device.read(expected + 1);
        if (contents.bytes.size() > expected && contents.bytes.size() <= maxSize)
            contents.bytes += device.read(maxSize + 1 - contents.bytes.size());
    }
    if (contents.bytes.size() > maxSize) {
        contents.bytes.clear();
        contents.error = QStringLiteral("more than %1 bytes").arg(maxSize);
        return contents;
    }
    if (auto* file = qobject_cast<QFileDevice*>(&device);
        file && file->error() != QFileDevice::NoError) {
        contents.bytes.clear();
        contents.error = file->errorString();
        return contents;
    }
    contents.ok = true;
    return contents;
}

namespace
{

// O_NONBLOCK: opening a FIFO would otherwise wait for a writer that may never come. Anything but
// a regular file is refused at once.
int openRegularFile(const QString& path, FileContents& contents)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        const int error = errno;
        contents.missing = error == ENOENT || error == ENOTDIR;
        contents.error = contents.missing ? QStringLiteral("%1: no such file").arg(path)
                                          : QStringLiteral("%1: %2").arg(path, errnoText(error));
        return -1;
    }
    struct stat info {
    };
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        contents.error =
            QStringLiteral("%1 is not a regular file (a folder, a FIFO or a device), so it was "
                           "not read.")
                .arg(path);
        return -1;
    }
    contents.fileSize = info.st_size;
    return fd;
}

} // namespace

FileContents readWholeFile(const QString& path, qsizetype maxSize)
{
    FileContents contents;
    if (!stepAllowed(FileStep::Read, path)) {
        contents.error = injectedFailure(path).error;
        return contents;
    }
    const int fd = openRegularFile(path, contents);
    if (fd < 0)
        return contents;
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        contents.error = QStringLiteral("%1: %2").arg(path, file.errorString());
        return contents;
    }
    const qint64 size = contents.fileSize;
    contents = readDevice(file, maxSize);
    contents.fileSize = size;
    if (!contents.ok)
        contents.error = QStringLiteral("%1: %2").arg(path, contents.error);
    return contents;
}

FileContents readFileStart(const QString& path, qsizetype count)
{
    FileContents contents;
    if (!stepAllowed(FileStep::Read, path)) {
        contents.error = injectedFailure(path).error;
        return contents;
    }
    const int fd = openRegularFile(path, contents);
    if (fd < 0)
        return contents;
    contents.bytes.resize(std::min<qint64>(count, contents.fileSize));
    qsizetype done = 0;
    while (done < contents.bytes.size()) {
        const ssize_t n = ::pread(fd, contents.bytes.data() + done,
                                  static_cast<size_t>(contents.bytes.size() - done), done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            contents.error = QStringLiteral("%1: %2").arg(path, errnoText(errno));
            contents.bytes.clear();
            ::close(fd);
            return contents;
        }
        if (n == 0)
            break; // cut short meanwhile: the caller finds the size does not match
        done += n;
    }
    contents.bytes.truncate(done);
    ::close(fd);
    contents.ok = true;
    return contents;
}

AtomicSave::AtomicSave(QString path) : path_(std::move(path)) {}

AtomicSave::~AtomicSave()
{
    if (file_)
        file_->cancelWriting();
}

FileResult AtomicSave::write(QByteArrayView bytes)
{
    if (!stepAllowed(FileStep::Open, path_))
        return logged(injectedFailure(path_));
    file_ = std::make_unique<QSaveFile>(path_);
    // A read-only target is replaced like any other: the folder decides, not the old file.
    file_->setDirectWriteFallback(false);
    const auto failed = [&](const QString& why) {
        file_->cancelWriting();
        file_.reset();
        return logged(FileResult::failure(QStringLiteral("%1: %2").arg(path_, why)));
    };
    errno = 0;
    if (!file_->open(QIODevice::WriteOnly))
        return failed(reasonOf(*file_, errno));
    const qsizetype half = bytes.size() / 2;
    for (const QByteArrayView part : {bytes.first(half), bytes.sliced(half)}) {
        if (!stepAllowed(FileStep::Write, path_))
            return failed(QString::fromLocal8Bit(strerror(ENOSPC)));
        errno = 0;
        if (file_->write(part.data(), part.size()) != part.size())
            return failed(reasonOf(*file_, errno));
    }
    // Flushed before the commit so that a full disk shows here, not as a short file later.
    if (!stepAllowed(FileStep::Flush, path_))
        return failed(QStringLiteral("injected failure"));
    errno = 0;
    if (!file_->flush())
        return failed(reasonOf(*file_, errno));
    startWriteback(file_->handle());
    return FileResult::success();
}

FileResult AtomicSave::commit()
{
    Q_ASSERT(file_);
    if (!file_)
        return logged(FileResult::failure(QStringLiteral("%1: nothing written").arg(path_)));
    const std::unique_ptr<QSaveFile> file = std::move(file_);
    if (!stepAllowed(FileStep::Commit, path_)) {
        file->cancelWriting();
        return logged(FileResult::failure(QStringLiteral("%1: injected failure").arg(path_)));
    }
    errno = 0;
    if (!file->commit())
        return logged(
            FileResult::failure(QStringLiteral("%1: %2").arg(path_, reasonOf(*file, errno))));
    return FileResult::success();
}

FileResult saveFileAtomically(const QString& path, QByteArrayView bytes,
                              const BeforeCommit& beforeCommit)
{
    AtomicSave save(path);
    if (FileResult written = save.write(bytes); !written)
        return written;
    if (beforeCommit) {
        if (FileResult before = beforeCommit(); !before)
            return before;
    }
    return save.commit();
}

FileResult writeFreshFile(const QString& path, QByteArrayView bytes,
                          const BeforeCommit& beforeCommit)
{
    const QByteArray name = QFile::encodeName(path);
    if (entryExists(path)) {
        if (!stepAllowed(FileStep::Remove, path))
            return logged(injectedFailure(path));
        if (::unlink(name.constData()) != 0)
            return logged(
                FileResult::failure(QStringLiteral("%1: %2").arg(path, errnoText(errno))));
    }
    if (!stepAllowed(FileStep::Open, path))
        return logged(injectedFailure(path));
    const int fd =
        ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0)
        return logged(FileResult::failure(QStringLiteral("%1: %2").arg(path, errnoText(errno))));
    const auto failed = [&](const QString& why) {
        ::close(fd);
        return logged(FileResult::failure(QStringLiteral("%1: %2").arg(path, why)));
    };
    const qsizetype half = bytes.size() / 2;
    for (const QByteArrayView part : {bytes.first(half), bytes.sliced(half)}) {
        if (!stepAllowed(FileStep::Write, path))
            return failed(errnoText(ENOSPC));
        if (!writeAll(fd, part))
            return failed(errnoText(errno));
    }
    if (!stepAllowed(FileStep::Flush, path))
        return failed(QStringLiteral("injected failure"));
    if (beforeCommit) {
        startWriteback(fd);
        if (FileResult before = beforeCommit(); !before) {
            ::close(fd);
            return before;
        }
    }
    if (::fsync(fd) != 0)
        return failed(errnoText(errno));
    if (!stepAllowed(FileStep::Commit, path))
        return failed(QStringLiteral("injected failure"));
    if (::close(fd) != 0)
        return logged(FileResult::failure(QStringLiteral("%1: %2").arg(path, errnoText(errno))));
    return FileResult::success();
}

FileResult saveCacheFile(const QString& path, QByteArrayView bytes)
{
    if (!stepAllowed(FileStep::Open, path))
        return logged(injectedFailure(path));
    const QString temporary = QStringLiteral("%1.%2").arg(path).arg(
        QRandomGenerator::global()->generate64(), 16, 16, QLatin1Char('0'));
    const QByteArray name = QFile::encodeName(temporary);
    const int fd =
        ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (fd < 0)
        return logged(FileResult::failure(QStringLiteral("%1: %2").arg(path, errnoText(errno))));
    const bool written = stepAllowed(FileStep::Write, path) && writeAll(fd, bytes);
    const int error = written ? 0 : (errno != 0 ? errno : ENOSPC);
    if (::close(fd) != 0 || !written || !stepAllowed(FileStep::Commit, path) ||
        ::rename(name.constData(), QFile::encodeName(path).constData()) != 0) {
        const int reason = error != 0 ? error : errno;
        ::unlink(name.constData());
        return logged(FileResult::failure(QStringLiteral("%1: %2").arg(
            path, reason != 0 ? errnoText(reason) : QStringLiteral("injected failure"))));
    }
    return FileResult::success();
}

FileResult refuseLink(const QString& path)
{
    struct stat info {
    };
    if (::lstat(QFile::encodeName(path).constData(), &info) == 0 && S_ISLNK(info.st_mode))
        return logged(FileResult::failure(
            QStringLiteral("%1 is a symbolic link to another file: it was not written over.")
                .arg(path)));
    return FileResult::success();
}

bool entryExists(const QString& path)
{
    struct stat info {
    };
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0;
}

FileResult setNormal(const QString& path)
{
    return changeMode(path, [](mode_t mode) { return mode | S_IWUSR; });
}

FileResult setReadOnly(const QString& path)
{
    return changeMode(path,
                      [](mode_t mode) { return mode & ~mode_t{S_IWUSR | S_IWGRP | S_IWOTH}; });
}

bool isReadOnly(const QString& path)
{
    // Only the mode bits count: Qt's WriteUser says whether *we* may write, which is always
    // true for root even on a file with no write bit.
    constexpr QFileDevice::Permissions modeWriteBits =
        QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    const QFileInfo info(path);
    return info.exists() && (info.permissions() & modeWriteBits) == 0;
}

FileResult removeFile(const QString& path)
{
    if (!stepAllowed(FileStep::Remove, path))
        return logged(injectedFailure(path));
    // unlink, not QFile::remove: a link is removed itself, and the reason is the system's.
    if (::unlink(QFile::encodeName(path).constData()) != 0)
        return logged(FileResult::failure(QStringLiteral("%1: %2").arg(path, errnoText(errno))));
    return FileResult::success();
}

FileResult renameFile(const QString& from, const QString& to)
{
    if (!stepAllowed(FileStep::Rename, to))
        return logged(injectedFailure(to));
    // QFile::rename refuses to replace; the store commands rely on replacing in one step.
    if (std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) != 0)
        return logged(
            FileResult::failure(QStringLiteral("%1 -> %2: %3").arg(from, to, errnoText(errno))));
    return FileResult::success();
}

FileResult copyFile(const QString& from, const QString& to, qsizetype maxSize)
{
    const FileContents contents = readWholeFile(from, maxSize);
    if (!contents.ok)
        return logged(FileResult::failure(contents.error));
    return saveFileAtomically(to, contents.bytes);
}

QString joinPath(const QString& folder, const QString& name)
{
    if (folder.endsWith(QLatin1Char('/')))
        return folder + name;
    return folder + QLatin1Char('/') + name;
}

} // namespace tarvelin
