// RIFF/WAVE sound files: the PCM the sound buffers are loaded from.  Parsing walks the chunks
// by their lengths and refuses anything damaged or not plain PCM; conversion turns the samples
// into the mixer's format.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace platform {

struct WavFormat {
    int channels = 0;       // 1 or 2
    int sampleRate = 0;     // frames per second
    int bitsPerSample = 0;  // 8 (unsigned) or 16 (signed, little-endian)
};

struct WavSound {
    WavFormat format;
    std::vector<std::uint8_t> data;  // whole frames of the "data" chunk, as stored
    std::size_t Frames() const {
        return data.size() / (static_cast<std::size_t>(format.channels) * (format.bitsPerSample / 8));
    }
};

// Parses a whole WAV file held in memory.  Refused (nullopt): a missing or short RIFF/WAVE
// header, a chunk whose length runs past the end, a missing "fmt " or "data" chunk, a format
// other than PCM, channels other than 1 or 2, bits other than 8 or 16, a rate outside
// 1000..192000 Hz, or no whole frame of sound.
std::optional<WavSound> ParseWav(const std::uint8_t* bytes, std::size_t size);

// Reads and parses the WAV file at a game path; nullopt when it is missing, larger than
// kMaxWavFileBytes or refused.
std::optional<WavSound> LoadWavFile(std::string_view gbkPath);

// The game's sounds are short effects and voices; files and converted sounds past these are
// refused rather than filling memory (a low-rate file grows up to 176 times in conversion).
constexpr std::size_t kMaxWavFileBytes = 64u << 20;
constexpr std::size_t kMaxStereoFrames = 1u << 24;  // about 6 minutes at 44.1 kHz, 64 MiB

// The sound as interleaved 16-bit stereo at `outRate` frames per second: mono is doubled,
// 8-bit samples are widened, and the rate is converted by linear interpolation.  Empty when
// the result would be longer than kMaxStereoFrames.
std::vector<std::int16_t> WavToStereo16(const WavSound& sound, int outRate);

}  // namespace platform
