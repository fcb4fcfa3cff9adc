// Feeds arbitrary bytes to the WAV parser and converts whatever it accepts to the mixer's format.
#include <cstddef>
#include <cstdint>

#include "platform/Wav.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto sound = platform::ParseWav(data, size);
    if (sound) platform::WavToStereo16(*sound, 44100);
    return 0;
}
