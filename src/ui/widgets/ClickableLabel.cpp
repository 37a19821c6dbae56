// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets/ClickableLabel.h"

#include "ui/art/Palette.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace tarvelin
{

ClickableLabel::ClickableLabel(QWidget* parent) : QLabel(parent)
{
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Q_EMIT clicked();
    QLabel::mouseReleaseEvent(event);
}

void ClickableLabel::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        Q_EMIT clicked();
        return;
    default:
        QLabel::keyPressEvent(event);
    }
}

void ClickableLabel::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    if (hasFocus()) {
        // The windows' own focus ring, at the label's edge: a dotted line of the desktop's
        // highlight colour hardly shows on the dark windows.
        QPainter painter(this);
        painter.setPen(QPen(art::kFocusRing, 2));
        painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    }
}

} // namespace tarvelin
