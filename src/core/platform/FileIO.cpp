// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/platform/FileIO.h"

#include "core/Logging.h"
#include "core/names/FileNameEncoding.h"

#include <QRandomGenerator>
#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <utility>

namespace tarvelin
{

namespace
{

// None in force: the utility's own runs never see an injected failure.
FileFaults*& faultsInForce()
{
    static FileFaults* faults = nullptr;
    return faults;
}

bool stepAllowed(FileStep step, const QString& path)
{
    FileFaults* faults = faultsInForce();
    return faults == nullptr || faults->allows(step, path);
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

// The file's own mode, never its link's target's: a link is refused.
FileResult changeMode(const QString& path, const std::function<mode_t(mode_t)>& newMode)
{
    if (!stepAllowed(FileStep::SetAttributes, path))
        return logged(injectedFailure(path));
    const QByteArray name = encodeFileName(path);
    struct stat info {
    };
    if (::lstat(name.constData(), &info) != 0)
        return logged(FileResult::failure(QStringLiteral("%1: %2").arg(path, errnoText(errno))));
    if (S_ISLNK(info.st_mode))
        return logged(FileResult::failure(
            QStringLiteral("%1 is a symbolic link: its attributes were not changed.").arg(path)));
    if (!S_ISREG(info.st_mode))
        return logged(FileResult::failure(
            QStringLiteral("%1 is not a regular file: its attributes were not changed.")
                .arg(path)));
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

// Flushes `fd` to the disk while `alongside` runs, on a thread of its own: two files that must
// both be on the disk before either takes its place then wait for one journal commit together,
// not for two in a row. Whatever `alongside` orders among its own files stays in order; this file
// is only flushed meanwhile, and takes its place after both are done. Returns the flush's errno.
int flushAlongside(int fd, bool withMetadata, const BeforeCommit& alongside, FileResult& result)
{
    const auto flushFile = [fd, withMetadata] {
        return (withMetadata ? ::fsync(fd) : ::fdatasync(fd)) == 0 ? 0 : errno;
    };
    if (!alongside) {
        result = FileResult::success();
        return flushFile();
    }
    int flushError = 0;
    std::thread flush([&] { flushError = flushFile(); });
    result = alongside();
    flush.join();
    return flushError;
}

// Where a write of `name` lands: a link is written where it points, up to a loop's depth, so
// that the link stays a link. A target that does not exist yet is written as named.
QByteArray writtenTarget(QByteArray name)
{
    for (int depth = 0; depth < 40; ++depth) {
        struct stat info {
        };
        if (::lstat(name.constData(), &info) != 0 || !S_ISLNK(info.st_mode))
            return name;
        QByteArray link(PATH_MAX, '\0');
        const ssize_t size = ::readlink(name.constData(), link.data(), PATH_MAX);
        if (size < 0 || size >= PATH_MAX)
            return name;
        link.truncate(size);
        if (!link.startsWith('/')) {
            const qsizetype slash = name.lastIndexOf('/');
            link.prepend(slash < 0 ? QByteArray() : name.left(slash + 1));
        }
        name = link;
    }
    return name;
}

constexpr char kTemporaryPrefix[] = ".tarvelin-setup-utility.";
constexpr int kTemporaryLetters = 6;
constexpr char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";

QByteArray folderOf(const QByteArray& name)
{
    const qsizetype slash = name.lastIndexOf('/');
    return slash < 0 ? QByteArray() : name.left(slash + 1);
}

// A new file of ours beside `target`, created exclusively and never through a link.
int createTemporary(const QByteArray& target, mode_t mode, QByteArray& temporary)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = folderOf(target) + encodeFileName(temporaryFileName());
        const int fd = ::open(temporary.constData(),
                              O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

// `spare` renamed to a temporary name beside `target` and opened for writing over, when it is a
// plain file of ours that no other name shares: written over in place, a hard link's other name
// would change too.
int takeSpare(const QByteArray& spare, const QByteArray& target, QByteArray& temporary)
{
    const QByteArray taken = folderOf(target) + encodeFileName(temporaryFileName());
    if (::renameat2(AT_FDCWD, spare.constData(), AT_FDCWD, taken.constData(), RENAME_NOREPLACE) !=
        0)
        return -1;
    const int fd = ::open(taken.constData(), O_WRONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK);
    struct stat info {
    };
    if (fd < 0 || ::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_nlink != 1 ||
        info.st_uid != ::geteuid()) {
        if (fd >= 0)
            ::close(fd);
        ::unlink(taken.constData());
        return -1;
    }
    temporary = taken;
    return fd;
}

} // namespace

QString temporaryFileName()
{
    QString name = QString::fromLatin1(kTemporaryPrefix);
    for (int i = 0; i < kTemporaryLetters; ++i)
        name +=
            QLatin1Char(kLetters[QRandomGenerator::global()->bounded(int(sizeof kLetters - 1))]);
    return name;
}

bool isTemporaryFileName(QByteArrayView name)
{
    const QByteArrayView prefix(kTemporaryPrefix);
    if (name.size() != prefix.size() + kTemporaryLetters || !name.startsWith(prefix))
        return false;
    return std::all_of(name.begin() + prefix.size(), name.end(), [](char c) {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
    });
}

FileFaults* putFileFaultsInForce(FileFaults* faults)
{
    return std::exchange(faultsInForce(), faults);
}

namespace
{

// Every read's start. O_NONBLOCK: opening a FIFO would otherwise wait for a writer that may never
// come. Anything but a regular file is refused at once.
int openRegularFile(const QString& path, FileContents& contents)
{
    if (!stepAllowed(FileStep::Read, path)) {
        contents.error = injectedFailure(path).error;
        return -1;
    }
    const int fd = ::open(encodeFileName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
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

// Up to `limit` bytes from the start of `fd`, fewer where the file ends. Room is made for the size
// the file reported, not for the limit, and more only when the file grew meanwhile.
bool readStart(int fd, qsizetype limit, FileContents& contents)
{
    QByteArray& bytes = contents.bytes;
    bytes.resize(std::min<qint64>(limit, contents.fileSize + 1));
    qsizetype done = 0;
    while (done < limit) {
        if (done == bytes.size())
            bytes.resize(std::min<qint64>(limit, qint64{2} * done + 4096));
        const ssize_t n = ::read(fd, bytes.data() + done, static_cast<size_t>(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            contents.error = errnoText(errno);
            bytes.clear();
            return false;
        }
        if (n == 0)
            break; // the end, or cut short meanwhile: the caller finds the size does not match
        done += n;
    }
    bytes.truncate(done);
    contents.ok = true;
    return true;
}

} // namespace

FileContents readWholeFile(const QString& path, qsizetype maxSize)
{
    FileContents contents;
    const int fd = openRegularFile(path, contents);
    if (fd < 0)
        return contents;
    if (contents.fileSize > maxSize) {
        ::close(fd);
        contents.error = QStringLiteral("%1: %2 bytes is more than %3")
                             .arg(path)
                             .arg(contents.fileSize)
                             .arg(maxSize);
        return contents;
    }
    // One byte past the limit shows a file that grew past it meanwhile.
    const bool read = readStart(fd, maxSize + 1, contents);
    ::close(fd);
    if (!read) {
        contents.error = QStringLiteral("%1: %2").arg(path, contents.error);
        return contents;
    }
    if (contents.bytes.size() > maxSize) {
        contents.bytes.clear();
        contents.ok = false;
        contents.error = QStringLiteral("%1: more than %2 bytes").arg(path).arg(maxSize);
    }
    return contents;
}

FileContents readFileStart(const QString& path, qsizetype count)
{
    FileContents contents;
    const int fd = openRegularFile(path, contents);
    if (fd < 0)
        return contents;
    if (!readStart(fd, count, contents))
        contents.error = QStringLiteral("%1: %2").arg(path, contents.error);
    ::close(fd);
    return contents;
}

AtomicSave::AtomicSave(QString path, PathKind kind) : path_(std::move(path)), kind_(kind) {}

AtomicSave::~AtomicSave()
{
    cancel();
}

void AtomicSave::cancel()
{
    if (fd_ < 0)
        return;
    ::close(fd_);
    ::unlink(temporary_.constData());
    fd_ = -1;
}

// On the name's own bytes, not through QSaveFile, which would re-encode a name that is not UTF-8.
FileResult AtomicSave::write(QByteArrayView bytes)
{
    if (!stepAllowed(FileStep::Open, path_))
        return logged(injectedFailure(path_));
    cancel();
    if (const QString refused = writeRefusal(kind_, path_); !refused.isEmpty())
        return logged(FileResult::failure(refused));
    // Only a kind written through a link gets here with one: it is written where it points.
    target_ = writtenTarget(encodeFileName(path_));
    struct stat existing {
    };
    const bool exists = ::stat(target_.constData(), &existing) == 0;
    // A read-only target is replaced like any other: the folder decides, not the old file.
    // Until the old file's mode is copied, nobody else may open the new one.
    if (!spare_.isEmpty() && !exists)
        fd_ = takeSpare(encodeFileName(spare_), target_, temporary_);
    const bool reused = fd_ >= 0;
    if (!reused)
        fd_ = createTemporary(target_, exists ? 0600 : 0666, temporary_);
    if (fd_ < 0)
        return logged(FileResult::failure(QStringLiteral("%1: %2").arg(path_, errnoText(errno))));
    const auto failed = [&](const QString& why) {
        cancel();
        return logged(FileResult::failure(QStringLiteral("%1: %2").arg(path_, why)));
    };
    if (exists && ::fchmod(fd_, existing.st_mode & 07777) != 0)
        return failed(errnoText(errno));
    const qsizetype half = bytes.size() / 2;
    for (const QByteArrayView part : {bytes.first(half), bytes.sliced(half)}) {
        if (!stepAllowed(FileStep::Write, path_))
            return failed(errnoText(ENOSPC));
        if (!writeAll(fd_, part))
            return failed(errnoText(errno));
    }
    if (reused && ::ftruncate(fd_, bytes.size()) != 0)
        return failed(errnoText(errno));
    if (!stepAllowed(FileStep::Flush, path_))
        return failed(QStringLiteral("injected failure"));
    startWriteback(fd_);
    return FileResult::success();
}

FileResult AtomicSave::commit(const BeforeCommit& beforeCommit)
{
    Q_ASSERT(fd_ >= 0);
    if (fd_ < 0)
        return logged(FileResult::failure(QStringLiteral("%1: nothing written").arg(path_)));
    const auto failed = [&](int error) {
        cancel();
        return logged(FileResult::failure(QStringLiteral("%1: %2").arg(path_, errnoText(error))));
    };
    if (!stepAllowed(FileStep::Commit, path_)) {
        cancel();
        return logged(FileResult::failure(QStringLiteral("%1: injected failure").arg(path_)));
    }
    // On the disk before it takes the old file's place: a full disk shows here, never as a
    // short file after a crash.
    FileResult before;
    const int flushError = flushAlongside(fd_, false, beforeCommit, before);
    if (!before) {
        cancel();
        return before;
    }
    if (flushError != 0)
        return failed(flushError);
    const int fd = std::exchange(fd_, -1);
    if (::close(fd) != 0 || std::rename(temporary_.constData(), target_.constData()) != 0) {
        const int error = errno;
        ::unlink(temporary_.constData());
        return logged(FileResult::failure(QStringLiteral("%1: %2").arg(path_, errnoText(error))));
    }
    return flushFolder(decodeFileName(folderOf(target_)));
}

FileResult saveFileAtomically(const QString& path, QByteArrayView bytes,
                              const BeforeCommit& beforeCommit, PathKind kind)
{
    AtomicSave save(path, kind);
    if (FileResult written = save.write(bytes); !written)
        return written;
    return save.commit(beforeCommit);
}

FileResult writeFreshFile(const QString& path, QByteArrayView bytes,
                          const BeforeCommit& beforeCommit, const QString& modeOf)
{
    const QByteArray name = encodeFileName(path);
    struct stat replaced {
    };
    const bool keepMode =
        !modeOf.isEmpty() && ::stat(encodeFileName(modeOf).constData(), &replaced) == 0;
    if (const QString refused = removalRefusal(path); !refused.isEmpty())
        return logged(FileResult::failure(refused));
    if (entryExists(path)) {
        if (!stepAllowed(FileStep::Remove, path))
            return logged(injectedFailure(path));
        if (::unlink(name.constData()) != 0)
            return logged(
                FileResult::failure(QStringLiteral("%1: %2").arg(path, errnoText(errno))));
    }
    if (!stepAllowed(FileStep::Open, path))
        return logged(injectedFailure(path));
    // Until the replaced file's mode is copied, nobody else may open the new one.
    const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                          keepMode ? 0600 : 0666);
    if (fd < 0)
        return logged(FileResult::failure(QStringLiteral("%1: %2").arg(path, errnoText(errno))));
    const auto failed = [&](const QString& why) {
        ::close(fd);
        return logged(FileResult::failure(QStringLiteral("%1: %2").arg(path, why)));
    };
    if (keepMode && ::fchmod(fd, replaced.st_mode & 07777) != 0)
        return failed(errnoText(errno));
    const qsizetype half = bytes.size() / 2;
    for (const QByteArrayView part : {bytes.first(half), bytes.sliced(half)}) {
        if (!stepAllowed(FileStep::Write, path))
            return failed(errnoText(ENOSPC));
        if (!writeAll(fd, part))
            return failed(errnoText(errno));
    }
    if (!stepAllowed(FileStep::Flush, path))
        return failed(QStringLiteral("injected failure"));
    if (beforeCommit)
        startWriteback(fd);
    FileResult before;
    const int flushError = flushAlongside(fd, true, beforeCommit, before);
    if (!before) {
        ::close(fd);
        return before;
    }
    if (flushError != 0)
        return failed(errnoText(flushError));
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
    if (const QString refused = writeRefusal(PathKind::PictureCache, path); !refused.isEmpty())
        return logged(FileResult::failure(refused));
    const QByteArray name = folderOf(encodeFileName(path)) + encodeFileName(temporaryFileName());
    const int fd =
        ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (fd < 0)
        return logged(FileResult::failure(QStringLiteral("%1: %2").arg(path, errnoText(errno))));
    const bool written = stepAllowed(FileStep::Write, path) && writeAll(fd, bytes);
    const int error = written ? 0 : (errno != 0 ? errno : ENOSPC);
    if (::close(fd) != 0 || !written || !stepAllowed(FileStep::Commit, path) ||
        ::rename(name.constData(), encodeFileName(path).constData()) != 0) {
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
    if (::lstat(encodeFileName(path).constData(), &info) == 0 && S_ISLNK(info.st_mode))
        return logged(FileResult::failure(
            QStringLiteral("%1 is a symbolic link to another file: it was not written over.")
                .arg(path)));
    return FileResult::success();
}

bool entryExists(const QString& path)
{
    struct stat info {
    };
    return ::lstat(encodeFileName(path).constData(), &info) == 0;
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
    // Only the mode bits count: whether *we* may write is always yes for root, even on a file
    // with no write bit. Through a link, as the write would go.
    struct stat info {
    };
    return ::stat(encodeFileName(path).constData(), &info) == 0 &&
           (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
}

FileResult removeFile(const QString& path)
{
    if (!stepAllowed(FileStep::Remove, path))
        return logged(injectedFailure(path));
    if (const QString refused = removalRefusal(path); !refused.isEmpty())
        return logged(FileResult::failure(refused));
    // unlink, not QFile::remove: a link is removed itself, and the reason is the system's.
    if (::unlink(encodeFileName(path).constData()) != 0)
        return logged(FileResult::failure(QStringLiteral("%1: %2").arg(path, errnoText(errno))));
    return FileResult::success();
}

FileResult renameFile(const QString& from, const QString& to)
{
    if (!stepAllowed(FileStep::Rename, to))
        return logged(injectedFailure(to));
    const QByteArray target = encodeFileName(to);
    struct stat info {
    };
    if (::lstat(target.constData(), &info) == 0 && !S_ISREG(info.st_mode))
        return logged(FileResult::failure(
            QStringLiteral("%1 is not a regular file (a link, a folder, a FIFO or a device): it "
                           "was not replaced.")
                .arg(to)));
    // QFile::rename refuses to replace; the store commands rely on replacing in one step.
    if (std::rename(encodeFileName(from).constData(), target.constData()) != 0)
        return logged(
            FileResult::failure(QStringLiteral("%1 -> %2: %3").arg(from, to, errnoText(errno))));
    const QByteArray fromFolder = folderOf(encodeFileName(from));
    if (fromFolder != folderOf(target)) {
        if (FileResult flushed = flushFolder(decodeFileName(fromFolder)); !flushed)
            return flushed;
    }
    return flushFolder(decodeFileName(folderOf(target)));
}

FileResult flushFolder(const QString& folder)
{
    const QString named = folder.isEmpty() ? QStringLiteral(".") : folder;
    if (!stepAllowed(FileStep::FlushFolder, named))
        return logged(injectedFailure(named));
    const int fd = ::open(encodeFileName(named).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return logged(FileResult::failure(QStringLiteral("%1: %2").arg(named, errnoText(errno))));
    const bool flushed = ::fsync(fd) == 0;
    const int error = errno;
    ::close(fd);
    if (!flushed)
        return logged(FileResult::failure(QStringLiteral("%1: %2").arg(named, errnoText(error))));
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
