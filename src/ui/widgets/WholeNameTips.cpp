// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets/WholeNameTips.h"

#include <QAbstractItemView>
#include <QHelpEvent>
#include <QToolTip>

namespace tarvelin
{

namespace
{

class WholeNameTips : public QObject
{
public:
    explicit WholeNameTips(QAbstractItemView* view) : QObject(view), view_(view) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::ToolTip)
            return false;
        auto* help = static_cast<QHelpEvent*>(event);
        const QModelIndex index = view_->indexAt(help->pos());
        if (!index.isValid())
            return false;
        const QString text = index.data(Qt::DisplayRole).toString();
        const QRect line = view_->visualRect(index);
        // The room the text has: the line as far as the viewport shows it, less the margins and
        // the tree's indentation that the line already includes.
        const int room = std::min(line.right(), view_->viewport()->width()) - line.left() - 6;
        if (view_->fontMetrics().horizontalAdvance(text) <= room)
            return false;
        QToolTip::showText(help->globalPos(), text, view_->viewport(), line);
        return true;
    }

private:
    QAbstractItemView* view_;
};

} // namespace

void showWholeNamesWhenCut(QAbstractItemView* view)
{
    view->viewport()->installEventFilter(new WholeNameTips(view));
}

} // namespace tarvelin
