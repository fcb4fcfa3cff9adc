#include "platform/sdl/Limiter.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace platform {

Limiter::Limiter(int sampleRate, int channels)
    : channels_(channels),
      holdFrames_(sampleRate * kHoldMs / 1000),
      releaseFactor_(std::exp(-1000.0 / (double(kReleaseMs) * sampleRate))) {}

void Limiter::Process(const std::int32_t* in, std::int16_t* out, std::size_t frames) {
    for (std::size_t f = 0; f < frames; ++f) {
        const std::int32_t* frame = in + f * channels_;
        std::int32_t peak = 0;
        for (int c = 0; c < channels_; ++c) peak = std::max(peak, std::abs(frame[c]));
        FollowPeak(peak);
        for (int c = 0; c < channels_; ++c) {
            const long scaled = std::lround(frame[c] * gain_);
            out[f * channels_ + c] = static_cast<std::int16_t>(std::clamp<long>(scaled, -kCeiling, kCeiling));
        }
    }
}

// Releases towards unity after the hold, and drops at once to the gain this frame's peak
// needs when that is lower: every sample leaves at or under the ceiling.  A peak that comes
// near the ceiling at the present gain holds the gain again, so the repeating peaks of a loud
// steady sound keep one gain rather than a gain that rises and falls with every cycle.
void Limiter::FollowPeak(std::int32_t peak) {
    if (hold_ > 0)
        --hold_;
    else
        gain_ = 1.0 - (1.0 - gain_) * releaseFactor_;
    if (peak == 0) return;
    const double allowed = double(kCeiling) / peak;  // the highest gain this frame may take
    if (allowed < gain_) gain_ = allowed;
    if (allowed < gain_ * kHoldMargin) hold_ = holdFrames_;
}

}  // namespace platform
