// Builds WAV files in memory for the tests, with every header field open to damage.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace soundtest {

struct WavShape {
    std::uint16_t formatTag = 1;
    std::uint16_t channels = 1;
    std::uint32_t rate = 22050;
    std::uint16_t bits = 16;
    int blockAlign = -1;  // -1: channels * bits / 8
};

inline void Put32(std::vector<std::uint8_t>& v, std::uint32_t x) {
    for (int i = 0; i < 4; ++i) v.push_back(static_cast<std::uint8_t>(x >> (8 * i)));
}
inline void Put16(std::vector<std::uint8_t>& v, std::uint16_t x) {
    v.push_back(static_cast<std::uint8_t>(x));
    v.push_back(static_cast<std::uint8_t>(x >> 8));
}
inline void PutChunk(std::vector<std::uint8_t>& v, const char* id, const std::vector<std::uint8_t>& body) {
    v.insert(v.end(), id, id + 4);
    Put32(v, static_cast<std::uint32_t>(body.size()));
    v.insert(v.end(), body.begin(), body.end());
    if (body.size() & 1) v.push_back(0);
}

inline std::vector<std::uint8_t> FmtBody(const WavShape& s) {
    std::vector<std::uint8_t> fmt;
    const int align = s.blockAlign >= 0 ? s.blockAlign : s.channels * s.bits / 8;
    Put16(fmt, s.formatTag);
    Put16(fmt, s.channels);
    Put32(fmt, s.rate);
    Put32(fmt, s.rate * align);
    Put16(fmt, static_cast<std::uint16_t>(align));
    Put16(fmt, s.bits);
    return fmt;
}

// RIFF header around the given chunks, with the RIFF length fitting them.
inline std::vector<std::uint8_t> Riff(const std::vector<std::uint8_t>& chunks) {
    std::vector<std::uint8_t> v{'R', 'I', 'F', 'F'};
    Put32(v, static_cast<std::uint32_t>(chunks.size() + 4));
    v.insert(v.end(), {'W', 'A', 'V', 'E'});
    v.insert(v.end(), chunks.begin(), chunks.end());
    return v;
}

inline std::vector<std::uint8_t> WavBytes(const WavShape& s, const std::vector<std::uint8_t>& data) {
    std::vector<std::uint8_t> chunks;
    PutChunk(chunks, "fmt ", FmtBody(s));
    PutChunk(chunks, "data", data);
    return Riff(chunks);
}

// 16-bit samples as little-endian bytes.
inline std::vector<std::uint8_t> Pcm16(const std::vector<std::int16_t>& samples) {
    std::vector<std::uint8_t> v;
    for (std::int16_t x : samples) Put16(v, static_cast<std::uint16_t>(x));
    return v;
}

// A 16-bit mono WAV at the mixer's rate, so samples reach the mix unchanged.
std::vector<std::uint8_t> MixerRateWav(const std::vector<std::int16_t>& samples);

// Writes bytes to a file under the tests' scratch folder; returns its path.
std::string WriteScratch(const std::string& name, const std::vector<std::uint8_t>& bytes);

}  // namespace soundtest
