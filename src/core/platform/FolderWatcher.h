// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QStringList>
#include <chrono>

class QFileSystemWatcher;
class QTimer;

namespace tarvelin
{

// Tells when the entries of a folder or the content of a file change, at most once per `settle`
// however fast the changes come, and never later than `settle` after the first: a folder that
// receives a thousand files a second is read again a few times a second, not a thousand, and not
// only once the files stop coming. It watches and never reads: whoever listens reads again.
//
// A file replaced whole (a new file renamed over it, as the store is written) loses its watch
// with the old file; it is watched again at the next notice, so watch its folder as well.
class FolderWatcher : public QObject
{
    Q_OBJECT

public:
    explicit FolderWatcher(std::chrono::milliseconds settle, QObject* parent = nullptr);

    // Watches `paths`, folders and files, instead of what was watched before; paths that do not
    // exist now are watched once they do, at a later notice.
    void watch(const QStringList& paths);
    const QStringList& paths() const { return paths_; }

Q_SIGNALS:
    // Something watched changed since the last notice.
    void changed();

private:
    void noteChange();
    void tell();
    void watchAgain();

    QFileSystemWatcher* watcher_;
    QTimer* settle_;
    QStringList paths_;
};

} // namespace tarvelin
