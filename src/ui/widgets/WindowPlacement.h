// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QStringView>

class QWidget;

namespace tarvelin
{

// Where a window of frame size `size` opens beside its opener, whose frame is `opener`, inside the
// screen's `available` area: to the right of it, else to its left, below, above, the first
// place on the screen that leaves the opener uncovered. Where none does, the place on the screen
// that covers the least of it. The frame's top-left corner is returned.
QPoint placeBeside(QSize size, const QRect& opener, const QRect& available);

// Where a window of frame size `size` opens in place of `replaced`: centred where it stood, moved
// onto the screen's `available` area as far as it fits.
QPoint placeInstead(QSize size, const QRect& replaced, const QRect& available);

// The same for widgets, before `window` is first shown: its frame is estimated from the opener's.
void moveBeside(QWidget& window, const QWidget& opener);
void moveInstead(QWidget& window, const QWidget& replaced);

// Whether the window system of the Qt platform `platformName` puts a program's top-level windows
// where the program asks. A Wayland compositor places them itself and ignores every move.
bool programPlacesWindows(QStringView platformName);
// The same for the platform this run uses.
bool programPlacesWindows();

// Where the program cannot place `window`, it is made transient for the opener's window before it
// is first shown, so that the compositor opens it over its opener rather than anywhere.
void keepOver(QWidget& window, const QWidget& opener);

} // namespace tarvelin
