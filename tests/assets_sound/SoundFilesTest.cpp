// The sounds in the built program folder: every file of the sound table, in the format the
// game's loader takes; effects short, prompt and distinct.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <map>
#include <numeric>

#include "GameFolder.h"
#include "WaveReader.h"
#include "tools/sound/Effects.h"
#include "tools/sound/Level.h"
#include "tools/sound/SoundTable.h"
#include "tools/sound/Voice.h"

namespace {

using soundgen::SoundFile;
using soundgen::SoundKind;

const std::map<std::string, WaveFile>& LoadedWaves() {
    static const std::map<std::string, WaveFile> waves = [] {
        std::map<std::string, WaveFile> out;
        for (const SoundFile& f : soundgen::SoundFiles()) {
            if (f.kind == SoundKind::Music) continue;
            WaveFile w;
            std::string error;
            if (ParseWave(ReadBytes(ExactDiskPath(f.gamePath)), &w, &error)) out[f.gamePath] = w;
        }
        return out;
    }();
    return waves;
}

std::vector<std::string> PathsOfKind(SoundKind kind) {
    std::vector<std::string> paths;
    for (const SoundFile& f : soundgen::SoundFiles())
        if (f.kind == kind) paths.push_back(f.gamePath);
    return paths;
}

float Peak(const std::vector<float>& samples) {
    float peak = 0;
    for (float x : samples) peak = std::max(peak, std::fabs(x));
    return peak;
}

std::vector<float> AtPeak(std::vector<float> samples, float level) {
    const float peak = Peak(samples);
    if (peak > 0)
        for (float& x : samples) x *= level / peak;
    return samples;
}

TEST(SoundFolder, HoldsEveryFileOfTheTableUnderItsExactName) {
    for (const SoundFile& f : soundgen::SoundFiles())
        EXPECT_TRUE(std::filesystem::is_regular_file(ExactDiskPath(f.gamePath))) << f.gamePath;
}

TEST(SoundFolder, EveryWaveIsMono16BitPcmAtTheGameRate) {
    for (const SoundFile& f : soundgen::SoundFiles()) {
        if (f.kind == SoundKind::Music) continue;
        WaveFile w;
        std::string error;
        ASSERT_TRUE(ParseWave(ReadBytes(ExactDiskPath(f.gamePath)), &w, &error)) << f.gamePath << ": " << error;
        EXPECT_EQ(w.formatTag, 1) << f.gamePath;
        EXPECT_EQ(w.channels, 1) << f.gamePath;
        EXPECT_EQ(w.sampleRate, 22050) << f.gamePath;
        EXPECT_EQ(w.bitsPerSample, 16) << f.gamePath;
    }
}

TEST(Effects, AreShortAudibleAndSoundAtOnce) {
    for (const auto& path : PathsOfKind(SoundKind::Effect)) {
        ASSERT_TRUE(LoadedWaves().count(path)) << path;
        const WaveFile& w = LoadedWaves().at(path);
        EXPECT_GT(w.Seconds(), 0.02) << path;
        EXPECT_LT(w.Seconds(), 3.0) << path;
        EXPECT_GT(Rms(w.samples), 0.02) << path;
        // A cue that starts late feels like lag: sound within the first 20 ms.
        const float peak = Peak(w.samples);
        const auto loud = std::find_if(w.samples.begin(), w.samples.end(), [peak](float x) { return std::fabs(x) > peak / 8; });
        EXPECT_LT(loud - w.samples.begin(), 22050 / 50) << path;
    }
}

TEST(SoundLevels, EffectsAndVoicesShareOneLoudnessUnderOneCeiling) {
    // Every sound at the common loudness, or under it where its peak met the ceiling first
    // (sharp clicks); voices and effects alike, so neither stands out over the other.
    std::map<SoundKind, std::vector<double>> loudness;
    for (const SoundFile& f : soundgen::SoundFiles()) {
        if (f.kind == SoundKind::Music) continue;
        const WaveFile& w = LoadedWaves().at(f.gamePath);
        const float peak = Peak(w.samples);
        const double db = soundgen::LoudnessDb(w.samples);
        EXPECT_LE(peak, soundgen::kPeakCeiling + 1e-4f) << f.gamePath;
        EXPECT_LE(db, soundgen::kLoudnessDb + 0.05) << f.gamePath;
        if (peak < soundgen::kPeakCeiling - 1e-3f) {
            EXPECT_NEAR(db, soundgen::kLoudnessDb, 0.05) << f.gamePath;
        }
        EXPECT_GT(db, soundgen::kLoudnessDb - 8) << f.gamePath;
        loudness[f.kind].push_back(db);
    }
    auto mean = [](const std::vector<double>& v) { return std::accumulate(v.begin(), v.end(), 0.0) / double(v.size()); };
    const double voices = mean(loudness[SoundKind::Voice]), effects = mean(loudness[SoundKind::Effect]);
    std::printf("mean loudness: voices %.2f dB, effects %.2f dB\n", voices, effects);
    EXPECT_NEAR(voices, effects, 2.0);
}

TEST(Effects, SoundDifferentFromOneAnother) {
    const auto paths = PathsOfKind(SoundKind::Effect);
    // Compared at one peak level (the distance hears level too): clicks that met the common
    // ceiling and drawn-out sounds differ by their shapes, not by their loudness.
    std::vector<Spectrogram> heard;
    for (const auto& path : paths) heard.push_back(SpectrogramOf(AtPeak(LoadedWaves().at(path).samples, 0.8f), 22050));
    for (std::size_t i = 0; i < paths.size(); ++i)
        for (std::size_t j = i + 1; j < paths.size(); ++j)
            EXPECT_GT(SpectralDistance(heard[i], heard[j]), 4.0) << paths[i] << " and " << paths[j];
}

TEST(Effects, AreTheRecipeOfTheirTableRow) {
    // The files are current: regenerating an effect gives the samples on disk.
    for (const auto& e : soundgen::EffectFiles()) {
        const WaveFile& w = LoadedWaves().at(std::string(e.gamePath));
        EXPECT_LT(Difference(w.samples, soundgen::MakeEffect(e.recipe)), 1e-6) << e.gamePath;
    }
}

}  // namespace
