#include "platform/Wav.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "platform/Path.h"
#include "platform/WholeFile.h"

namespace platform {
namespace {

constexpr int kMinRate = 1000;
constexpr int kMaxRate = 192000;
constexpr std::uint16_t kFormatPcm = 1;

std::uint32_t Le32(const std::uint8_t* p) {
    return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}
std::uint16_t Le16(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] | (p[1] << 8)); }

struct Chunk {
    const std::uint8_t* body = nullptr;
    std::size_t size = 0;
};

// Finds the chunk `id` among the chunks in [begin, begin + size); every chunk on the way must
// lie wholly inside.  A chunk of odd length is followed by one pad byte, which may be missing
// at the very end.  Returns false when the chunk is absent or a length runs past the end.
bool FindChunk(const std::uint8_t* begin, std::size_t size, const char* id, Chunk& out) {
    std::size_t pos = 0;
    while (size - pos >= 8) {
        const std::uint8_t* header = begin + pos;
        const std::size_t length = Le32(header + 4);
        if (length > size - pos - 8) return false;
        if (std::memcmp(header, id, 4) == 0) {
            out = {header + 8, length};
            return true;
        }
        pos += 8 + length + (length & 1);
        if (pos > size) return false;
    }
    return false;
}

bool ReadFormat(const Chunk& fmt, WavFormat& format) {
    if (fmt.size < 16) return false;
    const std::uint16_t tag = Le16(fmt.body);
    format.channels = Le16(fmt.body + 2);
    format.sampleRate = static_cast<int>(std::min<std::uint32_t>(Le32(fmt.body + 4), kMaxRate + 1));
    format.bitsPerSample = Le16(fmt.body + 14);
    const int blockAlign = Le16(fmt.body + 12);
    return tag == kFormatPcm && (format.channels == 1 || format.channels == 2) &&
           (format.bitsPerSample == 8 || format.bitsPerSample == 16) &&
           format.sampleRate >= kMinRate && format.sampleRate <= kMaxRate &&
           blockAlign == format.channels * format.bitsPerSample / 8;
}

// One channel's sample of frame `frame` as a signed 16-bit value.
int Sample(const WavSound& sound, std::size_t frame, int channel) {
    const int bytes = sound.format.bitsPerSample / 8;
    const std::uint8_t* p =
        sound.data.data() + (frame * sound.format.channels + channel) * bytes;
    if (bytes == 1) return (p[0] - 128) * 256;
    return static_cast<std::int16_t>(Le16(p));
}

}  // namespace

std::optional<WavSound> ParseWav(const std::uint8_t* bytes, std::size_t size) {
    if (bytes == nullptr || size < 12) return std::nullopt;
    if (std::memcmp(bytes, "RIFF", 4) != 0 || std::memcmp(bytes + 8, "WAVE", 4) != 0)
        return std::nullopt;
    const std::size_t riffLength = Le32(bytes + 4);
    if (riffLength < 4 || riffLength > size - 8) return std::nullopt;
    const std::uint8_t* chunks = bytes + 12;
    const std::size_t chunksSize = riffLength - 4;

    WavSound sound;
    Chunk fmt, data;
    if (!FindChunk(chunks, chunksSize, "fmt ", fmt) || !ReadFormat(fmt, sound.format))
        return std::nullopt;
    if (!FindChunk(chunks, chunksSize, "data", data)) return std::nullopt;
    const std::size_t frameBytes = sound.format.channels * (sound.format.bitsPerSample / 8);
    const std::size_t whole = data.size - data.size % frameBytes;
    if (whole == 0) return std::nullopt;
    sound.data.assign(data.body, data.body + whole);
    return sound;
}

std::optional<WavSound> LoadWavFile(std::string_view gbkPath) {
    const std::optional<std::string> bytes = ReadWholeFile(ToDiskPath(gbkPath), kMaxWavFileBytes);
    if (!bytes) return std::nullopt;
    return ParseWav(reinterpret_cast<const std::uint8_t*>(bytes->data()), bytes->size());
}

std::vector<std::int16_t> WavToStereo16(const WavSound& sound, int outRate) {
    const std::size_t inFrames = sound.Frames();
    if (inFrames == 0 || outRate <= 0 || sound.format.sampleRate <= 0) return {};
    const std::size_t outFrames = static_cast<std::size_t>(
        (static_cast<std::uint64_t>(inFrames) * outRate + sound.format.sampleRate - 1) /
        sound.format.sampleRate);
    if (outFrames > kMaxStereoFrames) return {};
    std::vector<std::int16_t> out(outFrames * 2);
    const int right = sound.format.channels - 1;
    for (std::size_t i = 0; i < outFrames; ++i) {
        // Position in input frames as a whole part and a 16-bit fraction.
        const std::uint64_t pos = (static_cast<std::uint64_t>(i) * sound.format.sampleRate << 16) / outRate;
        const std::size_t a = static_cast<std::size_t>(pos >> 16);
        const std::size_t b = a + 1 < inFrames ? a + 1 : a;
        const int frac = static_cast<int>(pos & 0xFFFF);
        for (int c = 0; c < 2; ++c) {
            const int ch = c == 0 ? 0 : right;
            const int sa = Sample(sound, a, ch), sb = Sample(sound, b, ch);
            out[i * 2 + c] = static_cast<std::int16_t>(
                sa + ((static_cast<std::int64_t>(sb - sa) * frac) >> 16));
        }
    }
    return out;
}

}  // namespace platform
