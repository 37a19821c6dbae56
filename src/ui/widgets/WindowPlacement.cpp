// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets/WindowPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <array>

namespace tarvelin
{
namespace
{

constexpr int kGap = 8;

// `place` moved onto `available` as far as it fits; a window larger than the screen keeps its
// top-left corner on it.
QRect onScreen(QRect place, const QRect& available)
{
    if (!available.isValid())
        return place;
    place.moveLeft(
        std::max(available.left(), std::min(place.left(), available.right() + 1 - place.width())));
    place.moveTop(
        std::max(available.top(), std::min(place.top(), available.bottom() + 1 - place.height())));
    return place;
}

qint64 overlap(const QRect& a, const QRect& b)
{
    const QRect shared = a.intersected(b);
    return shared.isEmpty() ? 0 : qint64(shared.width()) * shared.height();
}

QRect availableFor(const QWidget& widget)
{
    const QScreen* screen = widget.screen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

// The frame `window` will have, taken to be as thick as the opener's. A window laid out by its
// layout has its size only once shown: it is given it now.
QSize frameSizeOf(QWidget& window, const QWidget& opener)
{
    if (!window.testAttribute(Qt::WA_Resized))
        window.adjustSize();
    const QSize margins = opener.frameGeometry().size() - opener.geometry().size();
    return window.size() + margins;
}

} // namespace

QPoint placeBeside(QSize size, const QRect& opener, const QRect& available)
{
    const std::array<QPoint, 4> tries = {
        QPoint(opener.right() + 1 + kGap, opener.top()),
        QPoint(opener.left() - kGap - size.width(), opener.top()),
        QPoint(opener.left(), opener.bottom() + 1 + kGap),
        QPoint(opener.left(), opener.top() - kGap - size.height()),
    };
    QRect best;
    qint64 bestCovered = -1;
    for (const QPoint& corner : tries) {
        const QRect place = onScreen(QRect(corner, size), available);
        const qint64 covered = overlap(place, opener);
        if (covered == 0)
            return place.topLeft();
        if (bestCovered < 0 || covered < bestCovered) {
            best = place;
            bestCovered = covered;
        }
    }
    return best.topLeft();
}

QPoint placeInstead(QSize size, const QRect& replaced, const QRect& available)
{
    QRect place(QPoint(), size);
    place.moveCenter(replaced.center());
    return onScreen(place, available).topLeft();
}

void moveBeside(QWidget& window, const QWidget& opener)
{
    window.move(
        placeBeside(frameSizeOf(window, opener), opener.frameGeometry(), availableFor(opener)));
}

void moveInstead(QWidget& window, const QWidget& replaced)
{
    window.move(placeInstead(frameSizeOf(window, replaced), replaced.frameGeometry(),
                             availableFor(replaced)));
}

bool programPlacesWindows(QStringView platformName)
{
    // "wayland", "wayland-egl", "wayland-brcm", ...
    return !platformName.startsWith(u"wayland");
}

bool programPlacesWindows()
{
    return programPlacesWindows(QGuiApplication::platformName());
}

void keepOver(QWidget& window, const QWidget& opener)
{
    // The native window is made now so that it is created with its parent known: a compositor
    // reads the parent when the window first maps.
    window.winId();
    QWindow* handle = window.windowHandle();
    QWindow* parent = opener.window()->windowHandle();
    if (handle && parent)
        handle->setTransientParent(parent);
}

} // namespace tarvelin
