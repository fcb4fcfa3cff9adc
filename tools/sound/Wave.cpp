#include "tools/sound/Wave.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace soundgen {

namespace {

void PutU32(std::string& out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}

void PutU16(std::string& out, std::uint16_t v) {
    out.push_back(static_cast<char>(v & 0xFF));
    out.push_back(static_cast<char>(v >> 8));
}

std::int16_t ToPcm16(float x) {
    const float scaled = std::round(std::clamp(x, -1.0f, 1.0f) * 32767.0f);
    return static_cast<std::int16_t>(scaled);
}

}  // namespace

std::string EncodeWave(const Signal& signal) {
    const std::uint32_t dataBytes = static_cast<std::uint32_t>(signal.size() * 2);
    std::string out;
    out.reserve(44 + dataBytes);
    out += "RIFF";
    PutU32(out, 36 + dataBytes);
    out += "WAVEfmt ";
    PutU32(out, 16);                    // format chunk size
    PutU16(out, 1);                     // PCM
    PutU16(out, 1);                     // mono
    PutU32(out, kSampleRate);
    PutU32(out, kSampleRate * 2);       // bytes per second
    PutU16(out, 2);                     // bytes per frame
    PutU16(out, 16);                    // bits per sample
    out += "data";
    PutU32(out, dataBytes);
    for (float x : signal) PutU16(out, static_cast<std::uint16_t>(ToPcm16(x)));
    return out;
}

}  // namespace soundgen
