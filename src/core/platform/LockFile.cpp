// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/platform/LockFile.h"

#include "core/names/FileNameEncoding.h"
#include "core/platform/FileIO.h"

#include <QDateTime>
#include <QDeadlineTimer>
#include <QLockFile>
#include <QSysInfo>
#include <QThread>
#include <cerrno>
#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tarvelin
{

namespace
{

constexpr unsigned long kRetryMs = 20;
constexpr qint64 kUnwrittenLeftOverMs = 500;

// Killed but not yet reaped by its parent: it still has a process id and holds nothing.
bool isZombie(qint64 pid)
{
    const FileContents stat = readFileStart(QStringLiteral("/proc/%1/stat").arg(pid), 512);
    if (!stat.ok)
        return false;
    const QByteArray& line = stat.bytes;
    const qsizetype nameEnd = line.lastIndexOf(')');
    return nameEnd >= 0 && line.mid(nameEnd + 1).trimmed().startsWith('Z');
}

bool processIsGone(qint64 pid)
{
    if (pid <= 0)
        return false;
    if (::kill(static_cast<pid_t>(pid), 0) == -1 && errno == ESRCH)
        return true;
    return isZombie(pid);
}

// QLockFile holds an flock on its file for as long as it is locked, from the moment it creates
// it; the kernel drops it when the owner dies. A file that nobody locks has no owner any more.
bool nobodyHolds(const QString& path)
{
    const int fd =
        ::open(encodeFileName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool free = ::flock(fd, LOCK_EX | LOCK_NB) == 0;
    ::close(fd); // drops the probe's own lock
    return free;
}

bool ownerIsGone(const QLockFile& lock)
{
    qint64 pid = 0;
    QString host;
    QString application;
    if (lock.getLockInfo(&pid, &host, &application))
        return (host.isEmpty() || host == QSysInfo::machineHostName()) && processIsGone(pid);
    // An owner writes its process id the moment it has created and locked the file. A file
    // without one is left over only once it has stayed so for a while and nobody holds it: a
    // younger one may be an owner between those steps, and probing it could fail its lock.
    struct stat info {
    };
    if (::lstat(encodeFileName(lock.fileName()).constData(), &info) != 0)
        return false;
    const QDateTime written =
        QDateTime::fromSecsSinceEpoch(info.st_mtim.tv_sec).addMSecs(info.st_mtim.tv_nsec / 1000000);
    return written.msecsTo(QDateTime::currentDateTime()) > kUnwrittenLeftOverMs &&
           nobodyHolds(lock.fileName());
}

// QLockFile opens an existing lock file to read its owner, and a FIFO there would hold it for
// ever: only a regular file, or nothing, is let through to it.
QString notALockFile(const QString& path)
{
    struct stat info {
    };
    if (::lstat(encodeFileName(path).constData(), &info) != 0 || S_ISREG(info.st_mode))
        return {};
    return QStringLiteral("its lock file %1 is not a regular file (a link, a folder, a FIFO or a "
                          "device)")
        .arg(path);
}

} // namespace

LockFile::LockFile(const QString& path) : lock_(std::make_unique<QLockFile>(path)) {}

LockFile::~LockFile() = default;

QString LockFile::take(std::chrono::milliseconds wait)
{
    QLockFile& lock = *lock_;
    if (QString refused = notALockFile(lock.fileName()); !refused.isEmpty())
        return refused;
    // Only a gone owner makes a lock stale, never its age: a slow live writer keeps its lock.
    lock.setStaleLockTime(0);
    const QDeadlineTimer deadline(wait);
    for (;;) {
        if (lock.tryLock(0))
            return {};
        if (lock.error() != QLockFile::LockFailedError)
            return QStringLiteral("its lock file %1 cannot be made").arg(lock.fileName());
        if (QString refused = notALockFile(lock.fileName()); !refused.isEmpty())
            return refused;
        if (ownerIsGone(lock)) {
            // Two takers of one stale file must not remove each other's fresh lock: as QLockFile
            // itself does, the removal is made under a second lock and after a second look.
            QLockFile removal(lock.fileName() + QStringLiteral(".rmlock"));
            if (removal.tryLock(0) && ownerIsGone(lock) && lock.removeStaleLockFile())
                continue;
        }
        if (deadline.hasExpired())
            break;
        QThread::msleep(kRetryMs);
    }
    qint64 pid = 0;
    QString host;
    QString application;
    if (lock.getLockInfo(&pid, &host, &application))
        return QStringLiteral("process %1 on %2 is changing it; try again once it has finished")
            .arg(pid)
            .arg(host.isEmpty() ? QSysInfo::machineHostName() : host);
    return QStringLiteral("another process is changing it; try again once it has finished");
}

int openLockHandle(const QString& path, bool folder)
{
    return ::open(encodeFileName(path).constData(),
                  O_RDONLY | O_NONBLOCK | O_CLOEXEC | (folder ? O_DIRECTORY : 0));
}

int tryExclusiveLock(int fd)
{
    return ::flock(fd, LOCK_EX | LOCK_NB) == 0 ? 0 : errno;
}

void closeLockHandle(int fd)
{
    if (fd >= 0)
        ::close(fd);
}

} // namespace tarvelin
