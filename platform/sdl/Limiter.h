// The peak limiter after the mixer's sum: however many sounds coincide, no output sample comes
// near full scale.  The gain drops at once to what the loudest sample of a frame needs, holds
// a moment (so it does not follow the waveform's cycles, which would distort), then returns to
// unity within a few tens of milliseconds, so a passing peak leaves no audible dip behind it.
#pragma once

#include <cstddef>
#include <cstdint>

namespace platform {

class Limiter {
public:
    // The highest output magnitude: 1 dB under full scale, which also leaves room for the
    // device's own resampling to overshoot a little.
    static constexpr std::int32_t kCeiling = 29204;
    static constexpr int kHoldMs = 10;
    // The release's time constant: 100 ms after a peak the gain is back within 1 % of unity
    // (the hold plus six time constants).
    static constexpr int kReleaseMs = 15;
    // A peak within 1 dB of what the present gain allows holds the gain again.
    static constexpr double kHoldMargin = 1.122;

    Limiter(int sampleRate, int channels);

    // Writes `frames` frames of the interleaved sum `in` into `out`, limited.
    void Process(const std::int32_t* in, std::int16_t* out, std::size_t frames);
    // The gain the last frame was played at (1 while nothing is being limited).
    double Gain() const { return gain_; }

private:
    void FollowPeak(std::int32_t peak);

    int channels_;
    int holdFrames_;
    double releaseFactor_;  // the share of the gain's shortfall that remains after one frame
    double gain_ = 1.0;
    int hold_ = 0;
};

}  // namespace platform
