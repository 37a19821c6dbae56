// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/motion/SlideSteps.h"

#include <algorithm>
#include <cmath>

namespace tarvelin
{

SlideBounds slideBoundsOnScreen(int screenLeftTwips, int screenWidthTwips, int windowWidthTwips)
{
    const SlideBounds design{screenLeftTwips + kSlideLeftBound, screenLeftTwips + kSlideRightBound};
    if (screenWidthTwips <= kSlideDesignScreenWidthTwips)
        return design;
    return {std::min(design.left, screenLeftTwips - windowWidthTwips),
            std::max(design.right, screenLeftTwips + screenWidthTwips)};
}

int nextSlideEdge(double leftTwips, SlideDirection direction)
{
    const int whole = static_cast<int>(std::floor(leftTwips));
    return direction == SlideDirection::Left ? whole - kSlideStepTwips : whole + kSlideStepTwips;
}

bool slideHasLeft(double leftTwips, SlideDirection direction, const SlideBounds& bounds)
{
    return direction == SlideDirection::Left ? leftTwips < bounds.left : leftTwips > bounds.right;
}

QList<int> slideEdges(double startTwips, SlideDirection direction, const SlideBounds& bounds)
{
    QList<int> edges;
    double edge = startTwips;
    do {
        edges.append(nextSlideEdge(edge, direction));
        edge = edges.last();
    } while (!slideHasLeft(edge, direction, bounds));
    return edges;
}

} // namespace tarvelin
