// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/gamewindow/StoreList.h"

#include "core/files/SetupFileList.h"
#include "core/platform/PathInfo.h"
#include "ui/widgets/FileUrls.h"

#include <QDrag>
#include <QDragEnterEvent>
#include <QMimeData>
#include <QStyle>
#include <algorithm>

namespace tarvelin
{

StoreList::StoreList(QString setupPattern, QWidget* parent)
    : ChoiceList(parent), setupPattern_(std::move(setupPattern))
{
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);
    setDragEnabled(true);
    setDragDropMode(QAbstractItemView::DragDrop);
    setDefaultDropAction(Qt::CopyAction);
}

QString StoreList::lineType()
{
    return QStringLiteral("application/x-tarvelin-store-line");
}

bool StoreList::takesDrop(const QMimeData* data) const
{
    // A line of a store list carries its exported file too: dropped back, it would be a copy.
    if (!data || data->hasFormat(lineType()))
        return false;
    const QStringList files = localFiles(data->urls());
    return std::any_of(files.begin(), files.end(), [this](const QString& path) {
        return matchesSetupPattern(fileNameOf(path), setupPattern_);
    });
}

void StoreList::dragEnterEvent(QDragEnterEvent* event)
{
    // Files are let in, so that the list stays the drag's target and a drop that comes anyway
    // is told why nothing was taken; the move that follows at once says whether the drop would
    // be taken, and the cursor shows its answer.
    const QMimeData* data = event->mimeData();
    if (!data || data->hasFormat(lineType()) || localFiles(data->urls()).isEmpty()) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
    showDropping(takesDrop(data));
}

void StoreList::dragMoveEvent(QDragMoveEvent* event)
{
    // The whole list takes the drop: an import fills the first free slot wherever it lands.
    if (!takesDrop(event->mimeData())) {
        event->ignore(viewport()->rect());
        return;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept(viewport()->rect());
}

void StoreList::dragLeaveEvent(QDragLeaveEvent* event)
{
    showDropping(false);
    event->accept();
}

void StoreList::dropEvent(QDropEvent* event)
{
    showDropping(false);
    const QMimeData* data = event->mimeData();
    if (!data || data->hasFormat(lineType())) {
        event->ignore();
        return;
    }
    const QStringList files = localFiles(data->urls());
    if (files.isEmpty()) {
        event->ignore();
        return;
    }
    if (!takesDrop(data)) {
        event->ignore();
        Q_EMIT dropRefused(files);
        return;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
    Q_EMIT filesDropped(files);
}

QMimeData* StoreList::lineData(int row) const
{
    return lineDrag_ && item(row) ? lineDrag_(row) : nullptr;
}

void StoreList::startDrag(Qt::DropActions)
{
    // Only the chosen line is dragged: what is shown chosen is what goes.
    const int row = currentRow();
    if (row < 0 || !item(row) || !item(row)->isSelected())
        return;
    QMimeData* data = lineData(row);
    if (!data)
        return;
    auto* drag = new QDrag(this);
    drag->setMimeData(data);
    drag->exec(Qt::CopyAction, Qt::CopyAction);
}

void StoreList::showDropping(bool dropping)
{
    if (property("dropping").toBool() == dropping)
        return;
    setProperty("dropping", dropping);
    style()->unpolish(this);
    style()->polish(this);
}

} // namespace tarvelin
