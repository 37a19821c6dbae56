#pragma once

#include "core/game/GameProfile.h"

class QWidget;

namespace tarvelin::FormScroll
{

// Slide a top-level window off the screen and return when it has gone; the caller then closes
// it. The window is moved through the positions of slideEdges() one per pass through the event
// queue. The positions are counted here rather than read back from the window, so the slide ends
// even where the window system ignores moves (Wayland).
void ScrollOutLeft(QWidget& window);
void ScrollOutRight(QWidget& window);
void scrollOut(QWidget& window, SlideDirection direction);

// Slides, closes, and puts the closed window back where it stood, so that a window kept for
// reopening does not come back off the screen.
void scrollOutAndClose(QWidget& window, SlideDirection direction);

// Pause after each step so the slide can be seen; the window system stays responsive throughout.
// Tests set 0.
void setStepPauseMs(int milliseconds);

} // namespace tarvelin::FormScroll
