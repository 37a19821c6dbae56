// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets/FormScroll.h"

#include "core/motion/SlideSteps.h"
#include "ui/widgets/WindowPlacement.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QScreen>
#include <QThread>
#include <QWidget>
#include <cmath>

namespace tarvelin::FormScroll
{

namespace
{
int pixelsOf(int twips)
{
    return static_cast<int>(std::floor(static_cast<double>(twips) / kTwipsPerPixel));
}
// The bounds on the screen the window stands on; without one, those of an 800-pixel screen.
SlideBounds boundsOf(const QWidget& window)
{
    const QScreen* screen = window.screen();
    if (!screen)
        return {};
    const QRect area = screen->geometry();
    return slideBoundsOnScreen(area.x() * kTwipsPerPixel, area.width() * kTwipsPerPixel,
                               window.frameGeometry().width() * kTwipsPerPixel);
}

} // namespace

SlidePace visibleSlide()
{
    return {kVisibleSlide.stepPauseMs, programPlacesWindows()};
}

void scrollOut(QWidget& window, SlideDirection direction, SlidePace pace)
{
    const QPointer<QWidget> guard(&window);
    const int top = window.pos().y();
    const QList<int> edges =
        slideEdges(double(window.pos().x()) * kTwipsPerPixel, direction, boundsOf(window));
    for (const int edge : edges) {
        if (pace.movesWindow)
            window.move(pixelsOf(edge), top);
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        // The events processed may have closed the window.
        if (guard.isNull())
            return;
        if (pace.stepPauseMs > 0)
            QThread::msleep(static_cast<unsigned long>(pace.stepPauseMs));
    }
}

void scrollOutAndClose(QWidget& window, SlideDirection direction, SlidePace pace)
{
    const QPointer<QWidget> guard(&window);
    const QPoint home = window.pos();
    scrollOut(window, direction, pace);
    if (guard.isNull())
        return;
    // A window deleted on close is only deleted later, so it may still be moved back.
    if (window.close() && !guard.isNull() && pace.movesWindow)
        window.move(home);
}

} // namespace tarvelin::FormScroll
