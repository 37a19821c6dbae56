// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/historywindow/KeptStoreList.h"

namespace tarvelin
{

void KeptStoreList::focusInEvent(QFocusEvent* event)
{
    const bool hadCurrent = currentIndex().isValid();
    QTreeWidget::focusInEvent(event);
    if (!hadCurrent && currentIndex().isValid())
        selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
}

} // namespace tarvelin
