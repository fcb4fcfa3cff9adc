// The background song as a player hears it: the program folder's song played through the song
// table and FluidSynth into the mixer, measured against the effects and voices the sound
// object plays.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "graphics/DxSound.h"
#include "graphics/MidiMusic.h"
#include "platform/Path.h"
#include "platform/Wav.h"
#include "platform/sdl/FluidMusic.h"
#include "platform/sdl/SoundMixer.h"
#include "platform/testing/RecordingSoundSystem.h"
#include "platform/testing/ScopedService.h"

using namespace platform;
using namespace platform::testing;

namespace {

constexpr int kRate = SoundMixer::kSampleRate;
// Loudness is heard over a fraction of a second, not sample by sample.
constexpr std::size_t kWindowSamples = kRate * 4 / 10 * SoundMixer::kChannels;

double Db(double level) { return 20.0 * std::log10(level); }

struct Level {
    double rmsDb = -200;            // the whole sound
    double loudestWindowDb = -200;  // its loudest 400 ms (the whole sound when shorter)
    double peak = 0;                // of full scale
};

double Rms(const std::int16_t* samples, std::size_t n) {
    double sum = 0;
    for (std::size_t i = 0; i < n; i++) sum += double(samples[i]) * samples[i];
    return std::sqrt(sum / double(n)) / 32768.0;
}

Level Measure(const std::vector<std::int16_t>& stereo) {
    Level level;
    if (stereo.empty()) return level;
    level.rmsDb = Db(Rms(stereo.data(), stereo.size()));
    const std::size_t window = std::min(kWindowSamples, stereo.size());
    for (std::size_t at = 0; at + window <= stereo.size(); at += window / 4)
        level.loudestWindowDb = std::max(level.loudestWindowDb, Db(Rms(&stereo[at], window)));
    for (std::int16_t s : stereo) level.peak = std::max(level.peak, std::abs(s) / 32768.0);
    return level;
}

// The loudness of the effects and voices: the mean of each sound's loudest 400 ms, in dB, over
// every file the sound object loads.
double EffectsAndVoicesDb() {
    RecordingSoundSystem recorder;
    ScopedSoundSystem installed(&recorder);
    { CDxSound loadsEverything; }
    const std::vector<std::string> files = recorder.Paths(SoundCallKind::Load);
    EXPECT_EQ(files.size(), 90u);
    double sum = 0;
    for (const std::string& file : files) {
        const auto wav = LoadWavFile(file);
        EXPECT_TRUE(wav) << file;
        if (wav) sum += Measure(WavToStereo16(*wav, kRate)).loudestWindowDb;
    }
    return sum / double(files.size());
}

// Plays the slot's song until it ends by itself (or two minutes pass); returns the mix.
std::vector<std::int16_t> RenderUntilEnd(SoundMixer& mixer, int slot) {
    std::vector<std::int16_t> song;
    std::vector<std::int16_t> tenth(kRate / 10 * SoundMixer::kChannels);
    while (MidiIsPlaying(slot) && song.size() < std::size_t(120) * kRate * SoundMixer::kChannels) {
        mixer.Mix(tenth.data(), tenth.size() / SoundMixer::kChannels);
        song.insert(song.end(), tenth.begin(), tenth.end());
    }
    return song;
}

TEST(MusicLevel, TheBackgroundSongPlaysOnceAFewDbUnderTheEffectsAndVoices) {
    SetProgramFolder(MJ_GAME_DIR);
    const double effects = EffectsAndVoicesDb();

    SoundMixer mixer;
    FluidMusic music(mixer);
    ScopedMusicPlayer installed(&music);
    ASSERT_EQ(MidiInit(), 1);
    const int slot = MidiLoad("bg.mid");
    ASSERT_GE(slot, 0);
    ASSERT_EQ(MidiPlay(slot), 1);
    const std::vector<std::int16_t> song = RenderUntilEnd(mixer, slot);
    MidiShutdown();

    // Played once: it ends by itself after its half minute or so.
    const double seconds = double(song.size()) / SoundMixer::kChannels / kRate;
    EXPECT_GE(seconds, 30.0);
    EXPECT_LE(seconds, 61.0);

    const Level level = Measure(song);
    std::printf("effects and voices %.1f dB; song %.1f s: %.1f dB overall, loudest %.1f dB, "
                "peak %.3f of full scale\n",
                effects, seconds, level.rmsDb, level.loudestWindowDb, level.peak);
    // Under the effects and voices, yet near enough to be heard with them.
    EXPECT_LE(level.rmsDb, effects - 2.0);
    EXPECT_GE(level.rmsDb, effects - 6.0);
    EXPECT_LT(level.loudestWindowDb, effects);
    // Room left above it: the song never comes near clipping.
    EXPECT_LT(level.peak, 0.9);
}

}  // namespace
