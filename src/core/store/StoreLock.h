// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <chrono>
#include <functional>

namespace tarvelin
{

struct StorePaths;

// An exclusive lock on one store for a whole read, change and write, shared by every process of
// the utility. It is an flock on the real store's folder (storeLockFolder): the game folder gets no
// new file, and the kernel drops the lock of a process that dies, so a killed command never leaves
// a stale lock.
class StoreLock
{
public:
    StoreLock() = default;
    StoreLock(const StoreLock&) = delete;
    StoreLock& operator=(const StoreLock&) = delete;
    StoreLock(StoreLock&& other) noexcept;
    StoreLock& operator=(StoreLock&& other) noexcept;
    ~StoreLock();

    // Waits up to `wait` while another command holds the lock; `onWaiting` runs once, when the
    // first try finds it taken. A folder that does not exist needs no lock: nothing can be written
    // into it, and every store command refuses on its own.
    static StoreLock acquire(const QString& folder, std::chrono::milliseconds wait,
                             const std::function<void()>& onWaiting = {});

    bool held() const { return held_; }
    // Why the lock was not taken.
    const QString& error() const { return error_; }

private:
    void release();

    int fd_ = -1;
    bool held_ = false;
    QString error_;
};

// The folder whose lock guards the store of `paths`: the folder of the file a write of setups.sav
// lands in, through its link. Two game folders whose setups.sav links to one file, the window and
// the command line, all take one lock for that file; a store not there yet is guarded by its own
// folder.
QString storeLockFolder(const StorePaths& paths);

// How long a command waits for another one before it refuses: a few seconds, or the value of
// TARVELIN_STORE_LOCK_WAIT_MS where tests set one.
std::chrono::milliseconds storeLockWait();

// What a window shows while a command waits for the lock. Set once by the windows; the command
// line has none and waits silently.
void setStoreLockWaitNotice(std::function<void(const QString& storePath)> notice);
void noticeStoreLockWait(const QString& storePath);

} // namespace tarvelin
