// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/platform/Mixer.h"

// ALSA's own declarations, so that this header needs no asoundlib.h: the names are the library's.
typedef struct _snd_mixer snd_mixer_t;           // NOLINT(bugprone-reserved-identifier)
typedef struct _snd_mixer_elem snd_mixer_elem_t; // NOLINT(bugprone-reserved-identifier)

namespace tarvelin
{

// The ALSA simple mixer of the `default` device. The speaker volume is the element "Master",
// else "Speaker", else the first element with a playback volume. ALSA's own error printing is
// silenced: a machine without a sound card is an ordinary case, told to the player once.
class AlsaMixer : public Mixer
{
public:
    AlsaMixer() = default;
    ~AlsaMixer() override;
    AlsaMixer(const AlsaMixer&) = delete;
    AlsaMixer& operator=(const AlsaMixer&) = delete;

    bool open() override;
    bool findVolumeControl() override;
    bool setLevel(quint32 level) override;
    void close() override;

private:
    snd_mixer_t* handle_ = nullptr;
    snd_mixer_elem_t* volume_ = nullptr;
};

} // namespace tarvelin
