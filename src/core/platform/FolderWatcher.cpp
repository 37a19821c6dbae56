// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/platform/FolderWatcher.h"

#include "core/platform/PathInfo.h"

#include <QFileSystemWatcher>
#include <QTimer>

namespace tarvelin
{

FolderWatcher::FolderWatcher(std::chrono::milliseconds settle, QObject* parent)
    : QObject(parent), watcher_(new QFileSystemWatcher(this)), settle_(new QTimer(this))
{
    settle_->setSingleShot(true);
    settle_->setInterval(settle);
    connect(settle_, &QTimer::timeout, this, &FolderWatcher::tell);
    connect(watcher_, &QFileSystemWatcher::directoryChanged, this, &FolderWatcher::noteChange);
    connect(watcher_, &QFileSystemWatcher::fileChanged, this, &FolderWatcher::noteChange);
}

void FolderWatcher::watch(const QStringList& paths)
{
    if (paths == paths_)
        return;
    const QStringList old = watcher_->files() + watcher_->directories();
    if (!old.isEmpty())
        watcher_->removePaths(old);
    paths_ = paths;
    settle_->stop();
    watchAgain();
}

void FolderWatcher::noteChange()
{
    // Not restarted by later changes: a steady stream of them is still told every `settle`.
    if (!settle_->isActive())
        settle_->start();
}

void FolderWatcher::tell()
{
    watchAgain();
    Q_EMIT changed();
}

void FolderWatcher::watchAgain()
{
    const QStringList watched = watcher_->files() + watcher_->directories();
    QStringList missing;
    for (const QString& path : paths_) {
        if (!watched.contains(path))
            missing << path;
    }
    // Paths that do not exist are refused with a warning each time; only existing ones are given.
    missing.removeIf([](const QString& path) { return !PathInfo::exists(path); });
    if (!missing.isEmpty())
        watcher_->addPaths(missing);
}

} // namespace tarvelin
