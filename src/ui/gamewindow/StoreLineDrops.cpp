// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/gamewindow/StoreLineDrops.h"

#include "ui/gamewindow/StoreList.h"

#include <QDropEvent>
#include <QMimeData>
#include <QWidget>

namespace tarvelin
{

QByteArray encodeDraggedLine(const DraggedLine& line)
{
    return line.game.toLatin1() + '\n' + QByteArray::number(line.slot) + '\n' + line.name;
}

DraggedLine decodeDraggedLine(const QMimeData* data)
{
    if (!data || !data->hasFormat(StoreList::lineType()))
        return {};
    const QByteArray bytes = data->data(StoreList::lineType());
    const qsizetype first = bytes.indexOf('\n');
    const qsizetype second = first < 0 ? -1 : bytes.indexOf('\n', first + 1);
    if (second < 0)
        return {};
    bool number = false;
    const int slot = bytes.mid(first + 1, second - first - 1).toInt(&number);
    if (!number || slot <= 0)
        return {};
    // The name is the rest, whatever bytes it holds.
    return {QString::fromLatin1(bytes.left(first)), slot, bytes.mid(second + 1)};
}

StoreLineDrops::StoreLineDrops(QString game, QObject* parent)
    : QObject(parent), game_(std::move(game))
{
}

void StoreLineDrops::watch(QWidget* viewport, FolderAt folderAt)
{
    viewport->setAcceptDrops(true);
    viewport->installEventFilter(this);
    targets_.emplace_back(viewport, std::move(folderAt));
}

bool StoreLineDrops::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
        return QObject::eventFilter(watched, event);
    auto* drop = static_cast<QDropEvent*>(event);
    const DraggedLine line = decodeDraggedLine(drop->mimeData());
    if (line.slot == 0 || line.game != game_) {
        // Not a line of this game's store: nothing else is dropped here.
        drop->ignore();
        return true;
    }
    drop->setDropAction(Qt::CopyAction);
    drop->accept();
    if (type == QEvent::Drop) {
        for (const auto& [target, folderAt] : targets_) {
            if (target == watched)
                Q_EMIT lineDropped(line, folderAt(drop->position().toPoint()));
        }
    }
    return true;
}

} // namespace tarvelin
