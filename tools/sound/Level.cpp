#include "tools/sound/Level.h"

#include <algorithm>
#include <cmath>

namespace soundgen {

namespace {

constexpr double kSilenceDb = -200.0;

double Db(double level) { return level > 0 ? 20.0 * std::log10(level) : kSilenceDb; }

// Windows start every quarter window; running sums keep it linear in the signal's length.
double LoudestWindowRms(const Signal& s) {
    const auto window = std::min(s.size(), static_cast<std::size_t>(kLoudnessWindowSeconds * kSampleRate));
    if (window == 0) return 0.0;
    std::vector<double> sums(s.size() + 1, 0.0);
    for (std::size_t i = 0; i < s.size(); ++i) sums[i + 1] = sums[i] + double(s[i]) * s[i];
    const std::size_t step = std::max<std::size_t>(1, window / 4);
    double loudest = 0.0;
    for (std::size_t at = 0; at + window <= s.size(); at += step)
        loudest = std::max(loudest, sums[at + window] - sums[at]);
    return std::sqrt(loudest / double(window));
}

}  // namespace

double LoudnessDb(const Signal& s) { return Db(LoudestWindowRms(s)); }

void Level(Signal& s) {
    float peak = 0;
    for (float x : s) peak = std::max(peak, std::fabs(x));
    const double rms = LoudestWindowRms(s);
    if (peak <= 0 || rms <= 0) return;
    const double gain = std::min(std::pow(10.0, kLoudnessDb / 20.0) / rms, double(kPeakCeiling) / peak);
    for (float& x : s) x = static_cast<float>(x * gain);
}

}  // namespace soundgen
