// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <chrono>
#include <memory>

class QLockFile;

namespace tarvelin
{

// A lock file held by this process while the object lives (the registry's): the file is made and
// locked by Qt's QLockFile, after the door checked that what lies at its path is a regular file or
// nothing. A FIFO, device, folder or link there is refused at once, never opened and never waited
// on.
class LockFile
{
public:
    explicit LockFile(const QString& path);
    ~LockFile();
    LockFile(const LockFile&) = delete;
    LockFile& operator=(const LockFile&) = delete;

    // Takes the lock within `wait`. A lock file whose owner is gone is taken over at once, or,
    // when the owner was killed before it wrote its process id, within a moment; a live owner is
    // waited for. Empty when taken, else why not.
    QString take(std::chrono::milliseconds wait);

private:
    std::unique_ptr<QLockFile> lock_;
};

// A descriptor to hold an flock by (a store's folder or file): opened for reading without waiting,
// so a FIFO never hangs the opening; -1 with errno set when it cannot be opened.
int openLockHandle(const QString& path, bool folder);
// An exclusive flock on `fd` without waiting: 0 when taken, else the errno (EWOULDBLOCK: another
// process holds it).
int tryExclusiveLock(int fd);
// Closing the only descriptor drops its flock.
void closeLockHandle(int fd);

} // namespace tarvelin
