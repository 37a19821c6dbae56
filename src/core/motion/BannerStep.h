// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace tarvelin
{

// The whole-store window's scrolling banner, in twips.
inline constexpr int kBannerStepTwips = 25;
inline constexpr int kBannerTickMs = 25;

// The banner label's left edge after one tick: 25 twips further left, or, once the whole label
// has passed the left edge of its picture box, at the box's right edge so it enters again.
int nextBannerLeft(int leftTwips, int labelWidthTwips, int pictureWidthTwips);

} // namespace tarvelin
