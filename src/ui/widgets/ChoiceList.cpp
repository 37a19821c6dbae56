// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets/ChoiceList.h"

#include "ui/widgets/WholeNameTips.h"

#include <QKeyEvent>

namespace tarvelin
{
namespace
{

bool movesTheCursor(int key)
{
    switch (key) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        return true;
    default:
        return false;
    }
}

} // namespace

ChoiceList::ChoiceList(QWidget* parent) : QListWidget(parent)
{
    showWholeNamesWhenCut(this);
    // A Ctrl+click that unselected the line is still a click on it: it chooses nothing.
    connect(this, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        if (item->isSelected())
            Q_EMIT lineChosen(row(item));
    });
    connect(this, &QListWidget::itemSelectionChanged, this, [this] {
        if (selectedItems().isEmpty())
            Q_EMIT choiceCleared();
    });
}

void ChoiceList::focusInEvent(QFocusEvent* event)
{
    const bool hadCurrent = currentIndex().isValid();
    QListWidget::focusInEvent(event);
    if (!hadCurrent && currentIndex().isValid())
        selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
}

void ChoiceList::keyPressEvent(QKeyEvent* event)
{
    const QModelIndex before = currentIndex();
    QListWidget::keyPressEvent(event);
    // With no line current, a cursor key lands on the first line, which the player then chose.
    if (movesTheCursor(event->key()) && currentIndex().isValid() &&
        (currentIndex() != before || !selectionModel()->isSelected(before)))
        Q_EMIT lineChosen(currentRow());
}

} // namespace tarvelin
