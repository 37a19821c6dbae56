#include "core/motion/SlideSteps.h"

#include <cmath>

namespace tarvelin
{

int nextSlideEdge(double leftTwips, SlideDirection direction)
{
    const int whole = static_cast<int>(std::floor(leftTwips));
    return direction == SlideDirection::Left ? whole - kSlideStepTwips : whole + kSlideStepTwips;
}

bool slideHasLeft(double leftTwips, SlideDirection direction)
{
    return direction == SlideDirection::Left ? leftTwips < kSlideLeftBound
                                             : leftTwips > kSlideRightBound;
}

QList<int> slideEdges(double startTwips, SlideDirection direction)
{
    QList<int> edges;
    double edge = startTwips;
    do {
        edges.append(nextSlideEdge(edge, direction));
        edge = edges.last();
    } while (!slideHasLeft(edge, direction));
    return edges;
}

} // namespace tarvelin
