// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/app/VolumeController.h"

#include "support/FakeMixer.h"

#include <climits>
#include <gtest/gtest.h>

using namespace tarvelin;
using fixture::FakeMixer;

namespace
{

// Twice the slider's position (VolumeWindowTest) mapped onto the control's range.
TEST(VolumeLevel, MappedOntoTheControlsRange)
{
    // The ends of the level meet the ends of the range; the top of the slider rounds to the top.
    EXPECT_EQ(mapLevelToRange(0, 0, 87), 0);
    EXPECT_EQ(mapLevelToRange(65535, 0, 87), 87);
    EXPECT_EQ(mapLevelToRange(65534, 0, 87), 87);
    EXPECT_EQ(mapLevelToRange(2, 0, 87), 0);
    EXPECT_EQ(mapLevelToRange(65534, 0, 65535), 65534);
    EXPECT_EQ(mapLevelToRange(0, -10239, 400), -10239);
    EXPECT_EQ(mapLevelToRange(65535, -10239, 400), 400);
    EXPECT_EQ(mapLevelToRange(32768, -100, 100), 0);
    // Levels past the top count as the top; an empty or reversed range gives its minimum.
    EXPECT_EQ(mapLevelToRange(70000, 0, 87), 87);
    EXPECT_EQ(mapLevelToRange(65535, 5, 5), 5);
    EXPECT_EQ(mapLevelToRange(65535, 9, 3), 9);
    EXPECT_EQ(mapLevelToRange(0, LONG_MIN, LONG_MAX), LONG_MIN);
    EXPECT_EQ(mapLevelToRange(65535, LONG_MIN, LONG_MAX), LONG_MAX);
}

// A card without a volume control: nothing is sent and nothing is said. (With one, the volume
// window's tests follow every level sent.)
TEST(VolumeController, SendsNothingWithoutAVolumeControl)
{
    FakeMixer mixer;
    mixer.hasVolumeControl = false;
    VolumeController controller(mixer);
    const VolumeController::Opening opening = controller.open();
    EXPECT_FALSE(opening.controlFound);
    EXPECT_FALSE(opening.message);
    EXPECT_EQ(controller.setPosition(100), 200u);
    EXPECT_TRUE(mixer.levels.isEmpty());
}

} // namespace
