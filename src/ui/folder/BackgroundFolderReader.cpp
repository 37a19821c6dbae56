// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/folder/BackgroundFolderReader.h"

namespace tarvelin
{

BackgroundFolderReader::BackgroundFolderReader(QString pattern, QObject* parent)
    : QObject(parent), pattern_(std::move(pattern))
{
    pool_.setMaxThreadCount(1);
}

BackgroundFolderReader::~BackgroundFolderReader()
{
    pool_.waitForDone();
}

void BackgroundFolderReader::read(const QString& folder)
{
    if (running_) {
        pending_ = folder;
        return;
    }
    start(folder);
}

void BackgroundFolderReader::start(const QString& folder)
{
    running_ = true;
    pool_.start([this, folder, pattern = pattern_] {
        FolderContents contents = listFolder(folder, pattern);
        QMetaObject::invokeMethod(
            this, [this, folder, contents = std::move(contents)] { finished(folder, contents); },
            Qt::QueuedConnection);
    });
}

void BackgroundFolderReader::finished(const QString& folder, const FolderContents& contents)
{
    running_ = false;
    if (!pending_.isEmpty())
        start(std::exchange(pending_, QString()));
    Q_EMIT folderRead(folder, contents);
}

} // namespace tarvelin
