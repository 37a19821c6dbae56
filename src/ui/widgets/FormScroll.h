// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/game/GameProfile.h"

class QWidget;

namespace tarvelin::FormScroll
{

// How long a slide rests after each step so that the player sees it move; the window system
// stays responsive throughout. Windows are handed their pace by whoever creates them, as they are
// handed the platform services: the utility slides visibly, tests and screenshots at once.
struct SlidePace {
    int stepPauseMs = 6;
    // False where the window system ignores a program's moves (Wayland): the slide then keeps its
    // steps and their pauses with the window standing still, and the window closes on time.
    bool movesWindow = true;
};
inline constexpr SlidePace kVisibleSlide{};
inline constexpr SlidePace kInstantSlide{0};
// The visible slide for the window system this run uses.
SlidePace visibleSlide();

// Slide a top-level window off the screen and return when it has gone; the caller then closes
// it. The window is moved through the positions of slideEdges() one per pass through the event
// queue. The positions are counted here rather than read back from the window, so the slide ends
// whatever the window system does with the moves.
void scrollOut(QWidget& window, SlideDirection direction, SlidePace pace);

// Slides, closes, and puts the closed window back where it stood, so that a window kept for
// reopening does not come back off the screen.
void scrollOutAndClose(QWidget& window, SlideDirection direction, SlidePace pace);

} // namespace tarvelin::FormScroll
