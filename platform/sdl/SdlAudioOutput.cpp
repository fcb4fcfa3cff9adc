#include "platform/sdl/SdlAudioOutput.h"

#include <SDL.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "platform/sdl/SoundMixer.h"

namespace platform {
namespace {

void Pull(void* userdata, Uint8* stream, int len) {
    auto* mixer = static_cast<SoundMixer*>(userdata);
    const std::size_t frames = static_cast<std::size_t>(len) / (sizeof(std::int16_t) * SoundMixer::kChannels);
    mixer->Mix(reinterpret_cast<std::int16_t*>(stream), frames);
}

// Sends the process's standard error to /dev/null for the object's life.  The sound libraries
// under SDL (ALSA above all) write their own complaints there while SDL tries its drivers, a
// screenful on a machine without a sound card; the output says what matters in one line.
class QuietStandardError {
public:
    QuietStandardError() {
        std::fflush(stderr);
        saved_ = dup(STDERR_FILENO);
        const int null = open("/dev/null", O_WRONLY | O_CLOEXEC);
        if (saved_ >= 0 && null >= 0) dup2(null, STDERR_FILENO);
        if (null >= 0) close(null);
    }
    ~QuietStandardError() {
        std::fflush(stderr);
        if (saved_ < 0) return;
        dup2(saved_, STDERR_FILENO);
        close(saved_);
    }
    QuietStandardError(const QuietStandardError&) = delete;
    QuietStandardError& operator=(const QuietStandardError&) = delete;

private:
    int saved_ = -1;
};

}  // namespace

SdlAudioOutput::SdlAudioOutput(SoundMixer& mixer) : mixer_(mixer) {
    // The audio subsystem brings SDL's events along, which would turn SIGINT and SIGTERM into
    // quit events that nothing reads: the program would no longer end when it is told to.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    std::string reason;
    if (!Open(&reason)) {
        std::fprintf(stderr, "sound: no sound device could be opened (%s); the game plays without sound\n",
                     reason.c_str());
        return;
    }
    mixer_.SetOutputOpen(true);
    SDL_PauseAudioDevice(device_, 0);
}

bool SdlAudioOutput::Open(std::string* reason) {
    QuietStandardError quiet;
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        *reason = SDL_GetError();
        return false;
    }
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
    if (device_ != 0) return true;
    *reason = SDL_GetError();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return false;
}

SdlAudioOutput::~SdlAudioOutput() {
    if (device_ == 0) return;
    SDL_CloseAudioDevice(device_);
    mixer_.SetOutputOpen(false);
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

}  // namespace platform
