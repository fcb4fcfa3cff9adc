// The game's own sounds at their worst: the background song, three spoken calls and two
// effects, all at full volume, started so that their highest peaks fall on one sample, mixed
// by the real mixer and pulled as the sound device pulls it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "platform/Path.h"
#include "platform/Wav.h"
#include "platform/sdl/FluidMusic.h"
#include "platform/sdl/Limiter.h"
#include "platform/sdl/SoundMixer.h"
#include "tools/sound/SoundTable.h"

using platform::SoundMixer;

namespace {

constexpr std::size_t kChannels = SoundMixer::kChannels;
constexpr std::size_t k100Ms = SoundMixer::kSampleRate / 10;

// What the device was given: every frame pulled, in order.
class RecordingOutput {
public:
    explicit RecordingOutput(SoundMixer& mixer) : mixer_(mixer) {}
    void Pull(std::size_t frames) {
        const std::size_t at = samples.size();
        samples.resize(at + frames * kChannels);
        mixer_.Mix(samples.data() + at, frames);
    }
    std::size_t Frames() const { return samples.size() / kChannels; }
    std::vector<std::int16_t> samples;

private:
    SoundMixer& mixer_;
};

// The background song of the program folder, played from its start into a mixer.
struct Song {
    explicit Song(SoundMixer& mixer) : music(mixer) {
        const int song = music.Load(platform::ProgramPath(std::string(soundgen::kMusicFile)));
        EXPECT_GE(song, 0);
        EXPECT_TRUE(music.Play(song));
    }
    platform::FluidMusic music;
};

// A sound of the program folder as the mixer holds it, and the frame of its highest sample of
// one sign.
struct Source {
    std::string gamePath;
    platform::WavSound wav;
    std::size_t peakFrame = 0;
    int peak = 0;
};

Source Measure(const std::string& gamePath, int sign) {
    const auto wav = platform::LoadWavFile(platform::ProgramPath(gamePath));
    EXPECT_TRUE(wav) << gamePath;
    Source s{gamePath, wav.value_or(platform::WavSound{})};
    const std::vector<std::int16_t> stereo = platform::WavToStereo16(s.wav, SoundMixer::kSampleRate);
    for (std::size_t i = 0; i < stereo.size(); i += kChannels) {
        if (sign * stereo[i] <= s.peak) continue;
        s.peak = sign * stereo[i];
        s.peakFrame = i / kChannels;
    }
    return s;
}

// The `count` sounds of a kind with the highest peaks of the sign.
std::vector<Source> Loudest(soundgen::SoundKind kind, std::size_t count, int sign) {
    std::vector<Source> all;
    for (const soundgen::SoundFile& f : soundgen::SoundFiles())
        if (f.kind == kind) all.push_back(Measure(f.gamePath, sign));
    std::sort(all.begin(), all.end(), [](const Source& a, const Source& b) { return a.peak > b.peak; });
    all.resize(std::min(count, all.size()));
    return all;
}

// The song alone, as far as its loudest frame after `from` plus a second; that frame.
std::vector<std::int16_t> SongAlone(std::size_t from, std::size_t* loudest) {
    SoundMixer mixer;
    Song song(mixer);
    RecordingOutput out(mixer);
    out.Pull(SoundMixer::kSampleRate * 60);
    int peak = -1;
    for (std::size_t f = from; f < out.Frames(); ++f) {
        if (std::abs(out.samples[f * kChannels]) <= peak) continue;
        peak = std::abs(out.samples[f * kChannels]);
        *loudest = f;
    }
    out.samples.resize((*loudest + SoundMixer::kSampleRate) * kChannels);
    return out.samples;
}

int Peak(const std::int16_t* from, const std::int16_t* to) {
    int peak = 0;
    for (const std::int16_t* s = from; s < to; ++s) peak = std::max(peak, std::abs(int(*s)));
    return peak;
}

double Dbfs(int level) { return 20.0 * std::log10(level / 32768.0); }

TEST(WorstCaseMix, MusicThreeVoicesAndTwoEffectsAtTheirPeaksNeverReachFullScale) {
    platform::SetProgramFolder(MJ_GAME_DIR);
    std::size_t musicPeak = 0;
    const std::vector<std::int16_t> alone = SongAlone(SoundMixer::kSampleRate * 3, &musicPeak);
    const int sign = alone[musicPeak * kChannels] < 0 ? -1 : 1;
    std::vector<Source> sources = Loudest(soundgen::SoundKind::Voice, 3, sign);
    for (Source& effect : Loudest(soundgen::SoundKind::Effect, 2, sign)) sources.push_back(std::move(effect));
    ASSERT_EQ(sources.size(), 5u);

    // What the five sounds and the song add up to at that frame, before the limiter.
    long sum = std::abs(alone[musicPeak * kChannels]);
    for (const Source& s : sources) sum += s.peak;
    ASSERT_GT(sum, 2 * 32767) << "not a mix that would clip";

    SoundMixer mixer;
    Song song(mixer);
    RecordingOutput out(mixer);
    std::sort(sources.begin(), sources.end(),
              [](const Source& a, const Source& b) { return a.peakFrame > b.peakFrame; });
    std::vector<std::unique_ptr<platform::SoundBuffer>> buffers;
    for (const Source& s : sources) {
        ASSERT_LE(s.peakFrame, musicPeak) << s.gamePath;
        out.Pull(musicPeak - s.peakFrame - out.Frames());
        buffers.push_back(mixer.CreateBuffer(s.wav));
        buffers.back()->Play();  // full volume: no volume was ever set
    }
    while (std::any_of(buffers.begin(), buffers.end(), [](const auto& b) { return b->IsPlaying(); }))
        out.Pull(64);
    const std::size_t lastEnds = out.Frames();
    out.Pull(2 * k100Ms);

    const int peak = Peak(out.samples.data(), out.samples.data() + out.samples.size());
    std::printf("unlimited sum at the song's peak %ld (%.1f dBFS); mixed peak %d (%.2f dBFS)\n", sum,
                Dbfs(int(std::min<long>(sum, 1 << 30))), peak, Dbfs(peak));
    for (const Source& s : sources) std::printf("  %s peaks at %d\n", s.gamePath.c_str(), s.peak);
    EXPECT_LE(peak, platform::Limiter::kCeiling);
    EXPECT_LT(peak, 32767);

    // No pumping: 100 ms after the last call ends the mix is the song alone again, every
    // sample within 1 % of it.
    ASSERT_GE(alone.size(), out.samples.size());
    for (std::size_t i = (lastEnds + k100Ms) * kChannels; i < out.samples.size(); ++i)
        ASSERT_NEAR(out.samples[i], alone[i], 2 + std::abs(alone[i]) / 100) << "frame " << i / kChannels;
}

}  // namespace
