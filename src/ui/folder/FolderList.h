// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTreeWidget>

namespace tarvelin
{

// The folder list (`Dir1`): the folders of one volume opened from its root down to the current
// folder, and the current folder's own subfolders. Activating a folder (double click, Enter)
// asks to open it; the list itself moves only when told to. A click or an arrow key highlights a
// folder without opening it, so the current folder is marked apart: bold, its picture open, and
// named in its description and tooltip.
class FolderList : public QTreeWidget
{
    Q_OBJECT

public:
    explicit FolderList(QWidget* parent = nullptr);

    // Shows `folder`, below the volume root `root`: the chain from `root` down to `folder`, open,
    // and `children`, the folder's subfolders.
    void showFolder(const QString& root, const QString& folder, const QStringList& children);
    const QString& path() const { return path_; }

Q_SIGNALS:
    void folderOpened(const QString& folder);

private:
    void markCurrent(QTreeWidgetItem* item, const QString& folder);

    QString path_;
};

} // namespace tarvelin
