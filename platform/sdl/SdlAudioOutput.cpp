#include "platform/sdl/SdlAudioOutput.h"

#include <SDL.h>

#include <cstdint>

#include "platform/sdl/SoundMixer.h"

namespace platform {
namespace {

void Pull(void* userdata, Uint8* stream, int len) {
    auto* mixer = static_cast<SoundMixer*>(userdata);
    const std::size_t frames = static_cast<std::size_t>(len) / (sizeof(std::int16_t) * SoundMixer::kChannels);
    mixer->Mix(reinterpret_cast<std::int16_t*>(stream), frames);
}

}  // namespace

SdlAudioOutput::SdlAudioOutput(SoundMixer& mixer) : mixer_(mixer) {
    // The audio subsystem brings SDL's events along, which would turn SIGINT and SIGTERM into
    // quit events that nothing reads: the program would no longer end when it is told to.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return;
    SDL_AudioSpec want{};
    want.freq = SoundMixer::kSampleRate;
    want.format = AUDIO_S16SYS;
    want.channels = SoundMixer::kChannels;
    want.samples = 1024;
    want.callback = Pull;
    want.userdata = &mixer_;
    SDL_AudioSpec have{};
    // No allowed changes: SDL converts our format to the device's when they differ.
    device_ = SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);
    if (device_ == 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return;
    }
    mixer_.SetOutputOpen(true);
    SDL_PauseAudioDevice(device_, 0);
}

SdlAudioOutput::~SdlAudioOutput() {
    if (device_ == 0) return;
    SDL_CloseAudioDevice(device_);
    mixer_.SetOutputOpen(false);
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

}  // namespace platform
