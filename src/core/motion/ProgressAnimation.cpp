// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/motion/ProgressAnimation.h"

#include <algorithm>
#include <cmath>

namespace tarvelin
{

namespace
{

int clampColour(double value)
{
    return std::clamp(static_cast<int>(std::lround(value)), 0, 255);
}

} // namespace

bool ProgressAnimation::start(int indicator)
{
    bool& running = running_.at(static_cast<size_t>(indicator - 1));
    if (running)
        return false;
    barPosition_ = 0;
    running = true;
    return true;
}

void ProgressAnimation::stop(int indicator)
{
    running_.at(static_cast<size_t>(indicator - 1)) = false;
}

bool ProgressAnimation::isRunning(int indicator) const
{
    return running_.at(static_cast<size_t>(indicator - 1));
}

ProgressAnimation::Step ProgressAnimation::step(int indicator, float width)
{
    const int p = barPosition_;
    Step step;
    step.colour = {clampColour(255 - 2.5 * p), clampColour(2.5 * p), 0};
    // The width per hundredth is taken first, in single precision, as the blocks were always laid.
    const float hundredth = width / 100.0f;
    step.left = hundredth * static_cast<float>(p);
    step.right = hundredth * static_cast<float>(p + kBlockWidth);
    if (p >= kLastPosition) {
        step.clearAndStop = true;
        stop(indicator);
    }
    barPosition_ = static_cast<qint16>(std::min(p + kAdvance, 30000));
    return step;
}

} // namespace tarvelin
