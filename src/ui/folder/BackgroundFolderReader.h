// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/files/SetupFileList.h"

#include <QObject>
#include <QThreadPool>

namespace tarvelin
{

// Reads a folder's setup files and subfolders away from the event loop: a folder of a hundred
// thousand files takes tens of milliseconds to read, which the window would otherwise spend
// frozen each time the folder changes. One reading at a time; asking while one runs gets one more
// reading, of the folder last asked for, once it ends.
class BackgroundFolderReader : public QObject
{
    Q_OBJECT

public:
    explicit BackgroundFolderReader(QString pattern, QObject* parent = nullptr);
    // Waits for a reading under way: its answer would reach a reader that is gone.
    ~BackgroundFolderReader() override;

    void read(const QString& folder);

Q_SIGNALS:
    void folderRead(const QString& folder, const FolderContents& contents);

private:
    void start(const QString& folder);
    void finished(const QString& folder, const FolderContents& contents);

    QString pattern_;
    QThreadPool pool_;
    bool running_ = false;
    QString pending_; // the folder to read once the running reading ends; empty: none
};

} // namespace tarvelin
