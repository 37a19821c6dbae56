// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/platform/AlsaMixer.h"

#include "core/Logging.h"

#include <alsa/asoundlib.h>

namespace tarvelin
{

namespace
{

constexpr char kDevice[] = "default";

void ignoreAlsaError(const char*, int, const char*, int, const char*, ...) {}

bool hasVolume(snd_mixer_elem_t* elem)
{
    return snd_mixer_selem_is_active(elem) && snd_mixer_selem_has_playback_volume(elem);
}

snd_mixer_elem_t* findByName(snd_mixer_t* handle, const char* name)
{
    snd_mixer_selem_id_t* id = nullptr;
    snd_mixer_selem_id_alloca(&id);
    snd_mixer_selem_id_set_index(id, 0);
    snd_mixer_selem_id_set_name(id, name);
    snd_mixer_elem_t* elem = snd_mixer_find_selem(handle, id);
    return elem && hasVolume(elem) ? elem : nullptr;
}

} // namespace

AlsaMixer::~AlsaMixer()
{
    close();
}

bool AlsaMixer::open()
{
    close();
    snd_lib_error_set_handler(ignoreAlsaError);
    snd_mixer_t* handle = nullptr;
    int error = snd_mixer_open(&handle, 0);
    if (error == 0)
        error = snd_mixer_attach(handle, kDevice);
    if (error == 0)
        error = snd_mixer_selem_register(handle, nullptr, nullptr);
    if (error == 0)
        error = snd_mixer_load(handle);
    if (error != 0) {
        qCInfo(lcMixer) << "no mixer on" << kDevice << ":" << snd_strerror(error);
        if (handle)
            snd_mixer_close(handle);
        return false;
    }
    handle_ = handle;
    return true;
}

bool AlsaMixer::findVolumeControl()
{
    volume_ = nullptr;
    if (!handle_)
        return false;
    volume_ = findByName(handle_, "Master");
    if (!volume_)
        volume_ = findByName(handle_, "Speaker");
    for (snd_mixer_elem_t* elem = snd_mixer_first_elem(handle_); elem && !volume_;
         elem = snd_mixer_elem_next(elem)) {
        if (hasVolume(elem))
            volume_ = elem;
    }
    if (!volume_)
        qCInfo(lcMixer) << "the mixer of" << kDevice << "has no playback volume";
    return volume_ != nullptr;
}

bool AlsaMixer::setLevel(quint32 level)
{
    if (!volume_)
        return false;
    long min = 0;
    long max = 0;
    if (snd_mixer_selem_get_playback_volume_range(volume_, &min, &max) != 0)
        return false;
    const int error =
        snd_mixer_selem_set_playback_volume_all(volume_, mapLevelToRange(level, min, max));
    if (error != 0)
        qCInfo(lcMixer) << "the mixer refused the volume:" << snd_strerror(error);
    return error == 0;
}

void AlsaMixer::close()
{
    volume_ = nullptr;
    if (handle_)
        snd_mixer_close(handle_);
    handle_ = nullptr;
}

} // namespace tarvelin
