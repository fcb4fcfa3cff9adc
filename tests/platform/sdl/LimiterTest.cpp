#include "platform/sdl/Limiter.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <vector>

using platform::Limiter;

namespace {

constexpr int kRate = 44100;
constexpr int kFramesPerMs = kRate / 1000;

// Mono frames through a limiter; returns the output.
std::vector<std::int16_t> Limit(Limiter& limiter, const std::vector<std::int32_t>& in) {
    std::vector<std::int16_t> out(in.size());
    limiter.Process(in.data(), out.data(), in.size());
    return out;
}

std::vector<std::int32_t> Sine(double amp, double hz, int ms) {
    std::vector<std::int32_t> v(static_cast<std::size_t>(ms) * kFramesPerMs);
    for (std::size_t i = 0; i < v.size(); ++i)
        v[i] = static_cast<std::int32_t>(std::lround(amp * std::sin(2 * 3.14159265358979 * hz * i / kRate)));
    return v;
}

}  // namespace

TEST(Limiter, PassesWhatFitsUnchanged) {
    Limiter limiter(kRate, 1);
    const std::vector<std::int32_t> in = {0, 1, -1, 12345, -Limiter::kCeiling, Limiter::kCeiling};
    const auto out = Limit(limiter, in);
    EXPECT_EQ(std::vector<std::int32_t>(out.begin(), out.end()), in);
    EXPECT_EQ(limiter.Gain(), 1.0);
}

TEST(Limiter, NoSampleOfAnySumPassesTheCeiling) {
    // Sums far past 16 bits, the largest a mix of every sound of the game can reach.
    struct Case { double amp; double hz; };
    const Case cases[] = {{40000, 50}, {100000, 440}, {300000, 3000}, {2000000, 11025}};
    for (const Case& c : cases) {
        Limiter limiter(kRate, 1);
        for (std::int16_t s : Limit(limiter, Sine(c.amp, c.hz, 300)))
            ASSERT_LE(std::abs(s), Limiter::kCeiling) << c.amp << " at " << c.hz << " Hz";
    }
}

TEST(Limiter, LooksAtBothChannelsOfAFrame) {
    // The left channel is quiet, the right too loud: both take the right's gain, so the stereo
    // image stays where it was.
    Limiter limiter(kRate, 2);
    const std::vector<std::int32_t> in = {10000, 2 * Limiter::kCeiling};
    std::vector<std::int16_t> out(2);
    limiter.Process(in.data(), out.data(), 1);
    EXPECT_EQ(out[0], 5000);
    EXPECT_EQ(out[1], Limiter::kCeiling);
}

TEST(Limiter, GainHoldsThroughALowToneAndRecoversWithin100Ms) {
    // A 60 Hz tone twice too loud for 200 ms: the gain stays put between its peaks (no
    // distortion from a gain following the waveform), and is back within 1 % of unity 100 ms
    // after the tone ends.
    Limiter limiter(kRate, 1);
    const auto loud = Sine(2 * Limiter::kCeiling, 60, 200);
    std::vector<double> gains;
    std::vector<std::int16_t> out(1);
    for (std::int32_t s : loud) {
        limiter.Process(&s, out.data(), 1);
        gains.push_back(limiter.Gain());
    }
    const std::size_t afterFirstPeak = kFramesPerMs * 5;  // 60 Hz peaks 4.2 ms in
    for (std::size_t i = afterFirstPeak; i < gains.size(); ++i) ASSERT_NEAR(gains[i], 0.5, 0.01) << i;
    const std::vector<std::int32_t> silence(100 * kFramesPerMs, 0);
    Limit(limiter, silence);
    EXPECT_GT(limiter.Gain(), 0.99);
}
