#include "gamewindow/ClickableLabel.h"

#include <QMouseEvent>

namespace tarvelin
{

void ClickableLabel::mousePressEvent(QMouseEvent* event)
{
    // Taking the press makes the release come here; other buttons go on to the window.
    if (event->button() == Qt::LeftButton)
        event->accept();
    else
        QLabel::mousePressEvent(event);
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        event->accept();
        Q_EMIT clicked();
        return;
    }
    QLabel::mouseReleaseEvent(event);
}

} // namespace tarvelin
