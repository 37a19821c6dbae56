// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/folder/FolderList.h"

#include "core/files/SubfolderList.h"
#include "core/names/FileNameEncoding.h"
#include "core/platform/PathInfo.h"
#include "ui/widgets/WholeNameTips.h"

#include <QHeaderView>
#include <QStyle>

namespace tarvelin
{

namespace
{

constexpr int kPathRole = Qt::UserRole;

QString childPath(const QString& parent, const QString& name)
{
    return parent.endsWith(u'/') ? parent + name : parent + u'/' + name;
}

// The folders from `root` down to `folder`, both included.
QStringList chainOf(const QString& root, const QString& folder)
{
    QStringList chain{root};
    if (folder == root || !folder.startsWith(root))
        return chain;
    const QStringList parts = folder.mid(root.size()).split(u'/', Qt::SkipEmptyParts);
    QString path = root;
    for (const QString& part : parts) {
        path = childPath(path, part);
        chain.append(path);
    }
    return chain;
}

} // namespace

FolderList::FolderList(QWidget* parent) : QTreeWidget(parent)
{
    setObjectName(QStringLiteral("Dir1"));
    setAccessibleName(QStringLiteral("Setup folder"));
    setToolTip(QStringLiteral("Folder where the setups are located."));
    showWholeNamesWhenCut(this);
    setHeaderHidden(true);
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setIndentation(10);
    setItemsExpandable(false);
    setExpandsOnDoubleClick(false);
    connect(this, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) {
        const QString folder = item->data(0, kPathRole).toString();
        if (!folder.isEmpty() && folder != path_)
            Q_EMIT folderOpened(folder);
    });
}

void FolderList::showFolder(const QString& root, const QString& folder, const QStringList& children)
{
    path_ = folder;
    clear();
    const QIcon open = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closed = style()->standardIcon(QStyle::SP_DirClosedIcon);

    QTreeWidgetItem* parentItem = nullptr;
    for (const QString& path : chainOf(root, folder)) {
        const QString name = parentItem ? fileNameOf(path) : path;
        auto* item = parentItem ? new QTreeWidgetItem(parentItem) : new QTreeWidgetItem(this);
        item->setText(0, shownFileName(name));
        item->setIcon(0, open);
        item->setData(0, kPathRole, path);
        item->setExpanded(true);
        parentItem = item;
    }
    for (const QString& name : children) {
        auto* item = new QTreeWidgetItem(parentItem);
        item->setText(0, shownFileName(name));
        item->setIcon(0, closed);
        item->setData(0, kPathRole, childPath(folder, name));
    }
    markCurrent(parentItem, folder);
    setCurrentItem(parentItem);
    scrollToItem(parentItem);
}

void FolderList::markCurrent(QTreeWidgetItem* item, const QString& folder)
{
    // A click or an arrow key only highlights a folder; the folder the commands act on is the one
    // opened, so it stays drawn apart from the highlight and is told to a screen reader.
    const QString said = QStringLiteral("Current folder: ") + shownFileName(folder);
    QFont bold = font();
    bold.setBold(true);
    item->setFont(0, bold);
    // The line is already read by its name; its description only says what sets it apart.
    item->setData(0, Qt::AccessibleDescriptionRole, QStringLiteral("Current folder"));
    item->setToolTip(0, said);
    setAccessibleDescription(said);
}

} // namespace tarvelin
