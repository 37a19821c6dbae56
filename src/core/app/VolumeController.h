// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/outcome/Message.h"
#include "core/platform/Mixer.h"

#include <optional>

namespace tarvelin
{

inline constexpr char kMixerMissingText[] = "Couldn't open the mixer.";

// The volume window's dealings with the mixer, from its opening to its closing.
class VolumeController
{
public:
    static constexpr int kMaxPosition = 32767;

    explicit VolumeController(Mixer& mixer) : mixer_(mixer) {}
    ~VolumeController() { close(); }
    VolumeController(const VolumeController&) = delete;
    VolumeController& operator=(const VolumeController&) = delete;

    struct Opening {
        bool controlFound = false;
        // "Couldn't open the mixer." when there is none; a missing volume control says nothing.
        std::optional<Message> message;
    };

    // Opens the mixer and looks up its speaker volume.
    Opening open();
    // The level for slider `position`: twice the position, so 0 to 65534.
    static quint32 levelFor(int position);
    // Sends the level for `position` when a volume control was found, and returns the level.
    quint32 setPosition(int position);
    void close();

    bool isOpen() const { return open_; }

private:
    Mixer& mixer_;
    bool open_ = false;
    bool controlFound_ = false;
};

} // namespace tarvelin
