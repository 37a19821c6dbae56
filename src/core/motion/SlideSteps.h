// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/game/GameProfile.h"
#include "core/motion/Twips.h"

#include <QList>

namespace tarvelin
{

// The slide with which a secondary window leaves the screen, in twips of its left edge.
inline constexpr int kSlideStepTwips = 300;
// The bounds of an 800-pixel screen, the screens the slide was made for.
inline constexpr int kSlideLeftBound = -8300; // done once the edge is below this
inline constexpr int kSlideRightBound = 9900; // done once the edge is above this
inline constexpr int kSlideDesignScreenWidthTwips = 800 * kTwipsPerPixel;

// Where a slide ends, in twips of the window's left edge: below `left`, above `right`.
struct SlideBounds {
    int left = kSlideLeftBound;
    int right = kSlideRightBound;
};

// The bounds on the screen that spans `screenWidthTwips` from `screenLeftTwips`, for a window
// `windowWidthTwips` wide. A screen no wider than 800 pixels keeps the bounds above (shifted with
// the screen); on a wider one the window goes past the screen's right edge, or its whole width
// past the left edge, so that it really leaves; never less far than the 800-pixel bounds.
SlideBounds slideBoundsOnScreen(int screenLeftTwips, int screenWidthTwips, int windowWidthTwips);

// One step: the edge rounded down to a whole twip, then moved 300 twips.
int nextSlideEdge(double leftTwips, SlideDirection direction);
bool slideHasLeft(double leftTwips, SlideDirection direction, const SlideBounds& bounds = {});

// Every edge the window takes, in order, from `startTwips`. Always at least one step, even when
// the window already stands beyond the bound.
QList<int> slideEdges(double startTwips, SlideDirection direction, const SlideBounds& bounds = {});

} // namespace tarvelin
