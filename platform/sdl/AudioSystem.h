// The program's sound as one object: the mixer, the music rendered into it and the SDL device
// pulling from it, built and torn down in the order they depend on each other (the device stops
// pulling before the music and the mixer go).
#pragma once

#include <string>

#include "platform/sdl/FluidMusic.h"
#include "platform/sdl/SdlAudioOutput.h"
#include "platform/sdl/SoundMixer.h"

namespace platform {

class AudioSystem {
public:
    explicit AudioSystem(const std::string& soundFont = kDefaultSoundFont)
        : music_(mixer_, soundFont), output_(mixer_) {}

    SoundMixer& Sound() { return mixer_; }
    FluidMusic& Music() { return music_; }

private:
    SoundMixer mixer_;
    FluidMusic music_;
    SdlAudioOutput output_;  // last: destroyed first
};

}  // namespace platform
