// The generator's own pieces: the WAVE writer, the voice clean-up and the common level.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "WaveReader.h"
#include "tools/sound/Level.h"
#include "tools/sound/Synth.h"
#include "tools/sound/Voice.h"
#include "tools/sound/Wave.h"

namespace {

TEST(WaveWriter, WritesSamplesTheReaderGetsBackClippedToTheSixteenBitRange) {
    const soundgen::Signal signal = {0.0f, 0.5f, -0.5f, 1.0f, -1.0f, 1.7f, -3.0f};
    WaveFile w;
    std::string error;
    ASSERT_TRUE(ParseWave(soundgen::EncodeWave(signal), &w, &error)) << error;
    EXPECT_EQ(w.sampleRate, 22050);
    const std::vector<float> expected = {0.0f, 0.5f, -0.5f, 1.0f, -1.0f, 1.0f, -1.0f};
    ASSERT_EQ(w.samples.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) EXPECT_NEAR(w.samples[i], expected[i], 1.0 / 16384) << i;
}

TEST(WaveWriter, AnEmptySignalIsAValidFileWithNoSamples) {
    WaveFile w;
    std::string error;
    EXPECT_TRUE(ParseWave(soundgen::EncodeWave({}), &w, &error)) << error;
    EXPECT_TRUE(w.samples.empty());
}

TEST(TrimSilence, CutsQuietEdgesButKeepsTheMargin) {
    soundgen::Signal s(1000, 0.001f);
    for (std::size_t i = 400; i < 600; ++i) s[i] = 0.5f;
    const std::size_t margin = 22050 / 100;  // 10 ms
    const soundgen::Signal trimmed = soundgen::TrimSilence(s, 0.02f, 0.01);
    EXPECT_EQ(trimmed.size(), 200 + 2 * margin);
    EXPECT_FLOAT_EQ(trimmed[margin], 0.5f);
    EXPECT_FLOAT_EQ(trimmed[margin - 1], 0.001f);
}

TEST(TrimSilence, LeavesNothingOfSilenceAndStopsAtTheSignalsEdges) {
    EXPECT_TRUE(soundgen::TrimSilence(soundgen::Signal(500, 0.0f), 0.02f, 0.01).empty());
    const soundgen::Signal loud(50, 0.3f);
    EXPECT_EQ(soundgen::TrimSilence(loud, 0.02f, 0.01).size(), loud.size());
}

TEST(Resample, KeepsDurationAndPitch) {
    // One second of 441 Hz at 44.1 kHz becomes one second of 441 Hz at 22.05 kHz.
    soundgen::Signal s(44100);
    for (std::size_t i = 0; i < s.size(); ++i) s[i] = float(std::sin(2 * 3.14159265358979 * 441 * i / 44100.0));
    const soundgen::Signal out = soundgen::Resample(s, 44100, 22050);
    EXPECT_NEAR(double(out.size()), 22050.0, 1.0);
    int crossings = 0;
    for (std::size_t i = 1; i < out.size(); ++i)
        if ((out[i - 1] < 0) != (out[i] < 0)) ++crossings;
    EXPECT_NEAR(crossings, 882, 2);
}

// A tone of the given amplitude at 1 kHz, `seconds` long.
soundgen::Signal ToneOf(double amp, double seconds) {
    soundgen::Signal s(static_cast<std::size_t>(seconds * soundgen::kSampleRate));
    for (std::size_t i = 0; i < s.size(); ++i)
        s[i] = float(amp * std::sin(2 * 3.14159265358979 * 1000 * i / soundgen::kSampleRate));
    return s;
}

float Peak(const soundgen::Signal& s) {
    float peak = 0;
    for (float x : s) peak = std::max(peak, std::fabs(x));
    return peak;
}

TEST(Level, BringsASteadySoundToTheCommonLoudness) {
    // A sine's RMS is 3 dB under its peak: far under the ceiling at the common loudness.
    for (double amp : {0.01, 0.3, 1.0}) {
        soundgen::Signal s = ToneOf(amp, 1.0);
        soundgen::Level(s);
        EXPECT_NEAR(soundgen::LoudnessDb(s), soundgen::kLoudnessDb, 0.05) << amp;
        EXPECT_NEAR(Peak(s), std::pow(10.0, (soundgen::kLoudnessDb + 3.01) / 20), 0.002) << amp;
    }
}

TEST(Level, StopsAClickAtThePeakCeilingAndLeavesSilenceAlone) {
    // One loud sample in 400 ms of near silence: its RMS is far under its peak.
    soundgen::Signal click(soundgen::kSampleRate, 0.0f);
    click[100] = 0.2f;
    soundgen::Level(click);
    EXPECT_FLOAT_EQ(Peak(click), soundgen::kPeakCeiling);
    EXPECT_LT(soundgen::LoudnessDb(click), soundgen::kLoudnessDb - 6);
    soundgen::Signal quiet(3, 0.0f);
    soundgen::Level(quiet);
    EXPECT_EQ(quiet, soundgen::Signal(3, 0.0f));
}

TEST(LoudnessDb, IsTheLoudestFourHundredMilliseconds) {
    // Two seconds of quiet with 400 ms of a louder tone in them: the loud part counts.
    soundgen::Signal s = ToneOf(0.01, 2.0);
    const soundgen::Signal loud = ToneOf(0.5, 0.4);
    std::copy(loud.begin(), loud.end(), s.begin() + soundgen::kSampleRate);
    EXPECT_NEAR(soundgen::LoudnessDb(s), 20 * std::log10(0.5 / std::sqrt(2.0)), 0.3);
    EXPECT_EQ(soundgen::LoudnessDb(soundgen::Signal(10, 0.0f)), -200.0);
}

}  // namespace
