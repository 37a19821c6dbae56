// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/store/StoreLock.h"

#include "core/names/FileNameEncoding.h"
#include "core/platform/LockFile.h"
#include "core/platform/PathInfo.h"
#include "core/store/StorePaths.h"

#include <QThread>
#include <QtGlobal>
#include <algorithm>
#include <cerrno>
#include <cstring>

namespace tarvelin
{

namespace
{

constexpr std::chrono::milliseconds kDefaultWait{5000};
constexpr std::chrono::milliseconds kPollInterval{20};

std::function<void(const QString&)>& waitNotice()
{
    static std::function<void(const QString&)> notice;
    return notice;
}

QString systemError(const QString& what, int error)
{
    return QStringLiteral("%1: %2").arg(what, QString::fromLocal8Bit(std::strerror(error)));
}

} // namespace

StoreLock::StoreLock(StoreLock&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)), held_(std::exchange(other.held_, false)),
      error_(std::move(other.error_))
{
}

StoreLock& StoreLock::operator=(StoreLock&& other) noexcept
{
    if (this != &other) {
        release();
        fd_ = std::exchange(other.fd_, -1);
        held_ = std::exchange(other.held_, false);
        error_ = std::move(other.error_);
    }
    return *this;
}

StoreLock::~StoreLock()
{
    release();
}

void StoreLock::release()
{
    if (fd_ >= 0)
        closeLockHandle(fd_); // closing the only descriptor drops the flock
    fd_ = -1;
    held_ = false;
}

StoreLock StoreLock::acquire(const QString& folder, std::chrono::milliseconds wait,
                             const std::function<void()>& onWaiting)
{
    StoreLock lock;
    const int fd = openLockHandle(folder, true);
    if (fd < 0) {
        if (errno == ENOENT) {
            lock.held_ = true;
            return lock;
        }
        lock.error_ = systemError(folder, errno);
        return lock;
    }
    lock.fd_ = fd;

    using Clock = std::chrono::steady_clock;
    const Clock::time_point deadline = Clock::now() + wait;
    bool told = false;
    for (;;) {
        const int error = tryExclusiveLock(fd);
        if (error == 0) {
            lock.held_ = true;
            return lock;
        }
        if (error == EINTR)
            continue;
        if (error != EWOULDBLOCK) {
            lock.error_ = systemError(folder, error);
            lock.release();
            return lock;
        }
        if (Clock::now() >= deadline)
            break;
        if (!told && onWaiting)
            onWaiting();
        told = true;
        QThread::msleep(static_cast<unsigned long>(kPollInterval.count()));
    }
    lock.error_ = QStringLiteral("%1 is locked by another command").arg(folder);
    lock.release();
    return lock;
}

QString storeLockFolder(const StorePaths& paths)
{
    // The lock cannot be on the store file itself: every write replaces that file by another.
    const QString real = canonicalPath(paths.store);
    if (real.isEmpty())
        return paths.folder;
    return real.left(std::max<qsizetype>(1, real.lastIndexOf(u'/')));
}

std::chrono::milliseconds storeLockWait()
{
    bool ok = false;
    const int fromEnvironment = qEnvironmentVariableIntValue("TARVELIN_STORE_LOCK_WAIT_MS", &ok);
    return ok && fromEnvironment >= 0 ? std::chrono::milliseconds(fromEnvironment) : kDefaultWait;
}

void setStoreLockWaitNotice(std::function<void(const QString&)> notice)
{
    waitNotice() = std::move(notice);
}

void noticeStoreLockWait(const QString& storePath)
{
    if (waitNotice())
        waitNotice()(storePath);
}

} // namespace tarvelin
