// The sound device: SDL2's audio subsystem pulling 16-bit stereo from a SoundMixer.  When SDL
// has no audio device (or its audio cannot start) the output stays closed and the game is
// silent; nothing fails, and one line on standard error tells that sound is off.
#pragma once

#include <cstdint>
#include <string>

namespace platform {

class SoundMixer;

class SdlAudioOutput {
public:
    // Opens the default device and starts pulling from `mixer`, which must outlive the output.
    explicit SdlAudioOutput(SoundMixer& mixer);
    ~SdlAudioOutput();
    SdlAudioOutput(const SdlAudioOutput&) = delete;
    SdlAudioOutput& operator=(const SdlAudioOutput&) = delete;

    bool IsOpen() const { return device_ != 0; }

private:
    // Starts SDL's audio and opens the default device; false with SDL's reason when either fails.
    bool Open(std::string* reason);

    SoundMixer& mixer_;
    std::uint32_t device_ = 0;
};

}  // namespace platform
