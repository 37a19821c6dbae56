// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/app/VolumeController.h"

#include <algorithm>

namespace tarvelin
{

VolumeController::Opening VolumeController::open()
{
    close();
    Opening opening;
    open_ = mixer_.open();
    if (!open_) {
        opening.message = Message{QString::fromLatin1(kMixerMissingText)};
        return opening;
    }
    controlFound_ = mixer_.findVolumeControl();
    opening.controlFound = controlFound_;
    return opening;
}

quint32 VolumeController::levelFor(int position)
{
    return 2 * quint32(std::clamp(position, 0, kMaxPosition));
}

quint32 VolumeController::setPosition(int position)
{
    const quint32 level = levelFor(position);
    // Without a control there is nothing to name; the mixer is not handed a guess.
    if (open_ && controlFound_)
        mixer_.setLevel(level);
    return level;
}

void VolumeController::close()
{
    if (open_)
        mixer_.close();
    open_ = false;
    controlFound_ = false;
}

} // namespace tarvelin
