// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>
#include <array>

namespace tarvelin
{

// The three small progress indicators of a game window (1: import, 2: export, 3: sort). They
// measure nothing: a command starts one and it then plays a row of blocks shading from red to
// green, 10 ms a step, and empties itself. All three read and advance one shared bar position.
class ProgressAnimation
{
public:
    static constexpr int kIndicatorCount = 3;
    static constexpr int kIntervalMs = 10;
    static constexpr int kAdvance = 4;
    static constexpr int kLastPosition = 100;
    static constexpr int kBlockWidth = 3; // hundredths of the picture's width

    struct Rgb {
        int red = 0;
        int green = 0;
        int blue = 0;
        friend bool operator==(const Rgb&, const Rgb&) = default;
    };

    // What one timer tick of an indicator draws, in the picture box's own units.
    struct Step {
        Rgb colour;
        float left = 0;
        float right = 0;
        bool clearAndStop = false; // the animation has ended: empty the picture, stop the timer
    };

    // True when the indicator was idle and its timer must now start; a running one goes on.
    bool start(int indicator);
    void stop(int indicator);
    bool isRunning(int indicator) const;

    // One tick of `indicator`, whose picture is `width` units wide. Once the shared position has
    // reached the end (or passed it, when two indicators ran at once) the indicator stops.
    Step step(int indicator, float width);

    qint16 barPosition() const { return barPosition_; }

private:
    std::array<bool, kIndicatorCount> running_{};
    qint16 barPosition_ = 0;
};

} // namespace tarvelin
