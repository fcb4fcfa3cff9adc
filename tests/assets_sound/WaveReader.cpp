#include "WaveReader.h"

#include <algorithm>
#include <cmath>

namespace {

std::uint32_t U32(const std::string& b, std::size_t at) {
    return std::uint32_t(std::uint8_t(b[at])) | std::uint32_t(std::uint8_t(b[at + 1])) << 8 |
           std::uint32_t(std::uint8_t(b[at + 2])) << 16 | std::uint32_t(std::uint8_t(b[at + 3])) << 24;
}

int U16(const std::string& b, std::size_t at) {
    return int(std::uint8_t(b[at])) | int(std::uint8_t(b[at + 1])) << 8;
}

bool Fail(std::string* error, const char* why) {
    *error = why;
    return false;
}

}  // namespace

bool ParseWave(const std::string& b, WaveFile* wave, std::string* error) {
    if (b.size() < 12 || b.compare(0, 4, "RIFF") != 0 || b.compare(8, 4, "WAVE") != 0)
        return Fail(error, "no RIFF/WAVE header");
    if (std::size_t(U32(b, 4)) + 8 != b.size()) return Fail(error, "RIFF size does not match the file");
    bool haveFormat = false;
    std::size_t at = 12;
    while (at + 8 <= b.size()) {
        const std::string id = b.substr(at, 4);
        const std::size_t size = U32(b, at + 4);
        const std::size_t body = at + 8;
        if (size > b.size() - body) return Fail(error, "chunk runs past the end");
        if (id == "fmt ") {
            if (size < 16) return Fail(error, "short fmt chunk");
            wave->formatTag = U16(b, body);
            wave->channels = U16(b, body + 2);
            wave->sampleRate = int(U32(b, body + 4));
            wave->bitsPerSample = U16(b, body + 14);
            haveFormat = true;
        } else if (id == "data") {
            if (!haveFormat) return Fail(error, "data before fmt");
            if (wave->channels == 1 && wave->bitsPerSample == 16) {
                for (std::size_t i = 0; i + 1 < size; i += 2)
                    wave->samples.push_back(std::int16_t(U16(b, body + i)) / 32768.0f);
            }
            return true;
        }
        at = body + size + (size & 1);
    }
    return Fail(error, "no data chunk");
}

double Rms(const std::vector<float>& s) {
    if (s.empty()) return 0.0;
    double sum = 0;
    for (float x : s) sum += double(x) * x;
    return std::sqrt(sum / double(s.size()));
}

double PitchOfLoudestFrame(const std::vector<float>& s, int rate) {
    const std::size_t frame = std::size_t(rate * 0.04);
    if (s.size() < frame * 2) return 0.0;
    std::size_t best = 0;
    double bestEnergy = -1;
    for (std::size_t at = 0; at + frame <= s.size(); at += frame / 2) {
        double e = 0;
        for (std::size_t i = 0; i < frame; ++i) e += double(s[at + i]) * s[at + i];
        if (e > bestEnergy) bestEnergy = e, best = at;
    }
    const int minLag = rate / 450, maxLag = rate / 70;
    double bestCorr = -1;
    int bestLag = 0;
    for (int lag = minLag; lag <= maxLag; ++lag) {
        double c = 0;
        for (std::size_t i = 0; i < frame && best + i + lag < s.size(); ++i) c += double(s[best + i]) * s[best + i + lag];
        if (c > bestCorr) bestCorr = c, bestLag = lag;
    }
    return bestLag > 0 ? double(rate) / bestLag : 0.0;
}

double Difference(const std::vector<float>& a, const std::vector<float>& b) {
    const std::size_t n = std::max(a.size(), b.size());
    double diff = 0, ea = 0, eb = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const double x = i < a.size() ? a[i] : 0.0, y = i < b.size() ? b[i] : 0.0;
        diff += (x - y) * (x - y);
        ea += x * x;
        eb += y * y;
    }
    return ea + eb > 0 ? diff / (ea + eb) : 0.0;
}

namespace {

constexpr int kBands = 16;
constexpr double kFloorDb = -60.0;

using Bands = std::vector<double>;

// Energy at `hz` of one frame (Goertzel), in decibels.
double BandDb(const float* x, std::size_t n, double hz, int rate) {
    const double w = 2 * 3.14159265358979323846 * hz / rate, k = 2 * std::cos(w);
    double s1 = 0, s2 = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const double s0 = x[i] + k * s1 - s2;
        s2 = s1;
        s1 = s0;
    }
    const double power = (s1 * s1 + s2 * s2 - k * s1 * s2) / double(n * n);
    return std::max(kFloorDb, 10 * std::log10(power + 1e-12));
}

}  // namespace

Spectrogram SpectrogramOf(const std::vector<float>& s, int rate) {
    const std::size_t frame = std::size_t(rate / 50), hop = frame / 2;
    Spectrogram out;
    for (std::size_t at = 0; at + frame <= s.size(); at += hop) {
        Bands bands(kBands);
        for (int b = 0; b < kBands; ++b) bands[std::size_t(b)] = BandDb(&s[at], frame, 150.0 * std::pow(40.0, b / double(kBands - 1)), rate);
        out.push_back(bands);
    }
    return out;
}

double SpectralDistance(const Spectrogram& sa, const Spectrogram& sb) {
    const Bands silence(kBands, kFloorDb);
    double sum = 0;
    int frames = 0;
    for (std::size_t f = 0; f < std::max(sa.size(), sb.size()); ++f) {
        const Bands& x = f < sa.size() ? sa[f] : silence;
        const Bands& y = f < sb.size() ? sb[f] : silence;
        if (*std::max_element(x.begin(), x.end()) < -45 && *std::max_element(y.begin(), y.end()) < -45) continue;
        for (int i = 0; i < kBands; ++i) sum += std::fabs(x[std::size_t(i)] - y[std::size_t(i)]);
        frames += kBands;
    }
    return frames ? sum / frames : 0.0;
}
