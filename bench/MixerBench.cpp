// The mixer's cost per device pull: 1024 frames (23 ms) of six sounds summed, with nothing
// to limit and with the limiter at work on every frame.  Compare each with the pull of
// silence of the same run; the device needs one pull every 23 ms.
#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>
#include <vector>

#include "platform/Wav.h"
#include "platform/sdl/SoundMixer.h"

using platform::SoundMixer;

namespace {

constexpr std::size_t kPullFrames = 1024;

// A second of a 16-bit mono tone at the mixer's rate.
platform::WavSound Tone(double amp, double hz) {
    platform::WavSound sound;
    sound.format.channels = 1;
    sound.format.sampleRate = SoundMixer::kSampleRate;
    sound.format.bitsPerSample = 16;
    for (int i = 0; i < SoundMixer::kSampleRate; ++i) {
        const double phase = 2 * 3.14159265358979 * hz * i / SoundMixer::kSampleRate;
        const auto s = static_cast<std::int16_t>(std::lround(amp * std::sin(phase)));
        sound.data.push_back(static_cast<std::uint8_t>(s & 0xFF));
        sound.data.push_back(static_cast<std::uint8_t>((s >> 8) & 0xFF));
    }
    return sound;
}

void Pull(benchmark::State& state, int sounds, double amp) {
    SoundMixer mixer;
    std::vector<std::unique_ptr<platform::SoundBuffer>> buffers;
    for (int i = 0; i < sounds; ++i) buffers.push_back(mixer.CreateBuffer(Tone(amp, 220.0 * (i + 1))));
    std::vector<std::int16_t> out(kPullFrames * SoundMixer::kChannels);
    for (auto _ : state) {
        for (auto& b : buffers) b->Play();  // a buffer that ended starts again
        mixer.Mix(out.data(), kPullFrames);
        benchmark::DoNotOptimize(out.data());
    }
    state.SetItemsProcessed(state.iterations() * kPullFrames);
}

void BM_PullSilence(benchmark::State& state) { Pull(state, 0, 0); }
void BM_PullSixQuietSounds(benchmark::State& state) { Pull(state, 6, 3000); }
void BM_PullSixSoundsLimited(benchmark::State& state) { Pull(state, 6, 20000); }

BENCHMARK(BM_PullSilence);
BENCHMARK(BM_PullSixQuietSounds);
BENCHMARK(BM_PullSixSoundsLimited);

}  // namespace
