#include "WavBuilder.h"

#include <fstream>

#include "platform/sdl/SoundMixer.h"

namespace soundtest {

std::vector<std::uint8_t> MixerRateWav(const std::vector<std::int16_t>& samples) {
    WavShape shape;
    shape.rate = platform::SoundMixer::kSampleRate;
    return WavBytes(shape, Pcm16(samples));
}

std::string WriteScratch(const std::string& name, const std::vector<std::uint8_t>& bytes) {
    const std::string path = std::string(MJ_TEST_OUT_DIR) + "/" + name;
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                static_cast<std::streamsize>(bytes.size()));
    return path;
}

}  // namespace soundtest
