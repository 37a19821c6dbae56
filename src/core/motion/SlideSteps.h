#pragma once

#include "core/game/GameProfile.h"
#include "core/motion/Twips.h"

#include <QList>

namespace tarvelin
{

// The slide with which a secondary window leaves the screen, in twips of its left edge.
inline constexpr int kSlideStepTwips = 300;
inline constexpr int kSlideLeftBound = -8300; // done once the edge is below this
inline constexpr int kSlideRightBound = 9900; // done once the edge is above this

// One step: the edge rounded down to a whole twip, then moved 300 twips.
int nextSlideEdge(double leftTwips, SlideDirection direction);
bool slideHasLeft(double leftTwips, SlideDirection direction);

// Every edge the window takes, in order, from `startTwips`. Always at least one step, even when
// the window already stands beyond the bound.
QList<int> slideEdges(double startTwips, SlideDirection direction);

} // namespace tarvelin
