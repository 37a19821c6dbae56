// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets/FocusRing.h"

#include "ui/widgets/Accessibility.h"

#include <QEvent>
#include <QPainter>
#include <QPointer>
#include <QWidget>

namespace tarvelin
{
namespace
{

constexpr int kGap = 3; // pixels between the control's edge and the ring's outer edge

class Ring : public QWidget
{
public:
    Ring(QWidget* control, const QColor& colour)
        : QWidget(control->parentWidget()), control_(control), colour_(colour)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        setFocusPolicy(Qt::NoFocus);
        // Read by no screen reader: it shows where the focus is, which the reader already says.
        leaveOutOfTree(this);
        control->installEventFilter(this);
        follow();
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::FocusIn:
        case QEvent::FocusOut:
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::Hide:
            follow();
            break;
        default:
            break;
        }
        return false;
    }

    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setPen(QPen(colour_, 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    }

private:
    void follow()
    {
        if (!control_)
            return;
        setGeometry(control_->geometry().adjusted(-kGap, -kGap, kGap, kGap));
        setVisible(control_->isVisible() && control_->hasFocus());
        raise();
    }

    QPointer<QWidget> control_;
    QColor colour_;
};

} // namespace

void ringOnFocus(QWidget* control, const QColor& colour)
{
    if (control->parentWidget())
        new Ring(control, colour);
}

} // namespace tarvelin
