// The generator's own pieces: the WAVE writer and the voice clean-up.
#include <gtest/gtest.h>

#include <cmath>

#include "WaveReader.h"
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

TEST(Normalise, ScalesThePeakAndLeavesSilenceAlone) {
    soundgen::Signal s = {0.1f, -0.4f, 0.2f};
    soundgen::Normalise(s, 0.8f);
    EXPECT_FLOAT_EQ(s[1], -0.8f);
    EXPECT_FLOAT_EQ(s[0], 0.2f);
    soundgen::Signal quiet(3, 0.0f);
    soundgen::Normalise(quiet, 0.8f);
    EXPECT_EQ(quiet, soundgen::Signal(3, 0.0f));
}

}  // namespace
