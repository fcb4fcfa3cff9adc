#include "platform/sdl/FluidMusic.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "WavBuilder.h"

using namespace platform;
using namespace soundtest;

namespace {

// A format-0 MIDI file: piano, middle C held for `quarters` beats at 120 beats a minute
// (96 ticks a beat, so one beat is half a second).
std::vector<std::uint8_t> OneNoteMidi(int quarters) {
    const int ticks = 96 * quarters;
    std::vector<std::uint8_t> track = {
        0x00, 0xC0, 0x00,                                  // program: piano
        0x00, 0x90, 60, 100,                               // note on
        static_cast<std::uint8_t>(0x80 | (ticks >> 7)), static_cast<std::uint8_t>(ticks & 0x7F),
        0x80, 60, 0,                                       // note off
        0x00, 0xFF, 0x2F, 0x00,                            // end of track
    };
    std::vector<std::uint8_t> v = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, 0, 96,
                                   'M', 'T', 'r', 'k'};
    for (int i = 3; i >= 0; --i) v.push_back(static_cast<std::uint8_t>(track.size() >> (8 * i)));
    v.insert(v.end(), track.begin(), track.end());
    return v;
}

class MusicTest : public ::testing::Test {
protected:
    // Renders one tenth of a second; returns the loudest sample.
    int RenderTenth() {
        std::vector<std::int16_t> out(SoundMixer::kSampleRate / 10 * 2);
        mixer_.Mix(out.data(), out.size() / 2);
        int peak = 0;
        for (std::int16_t s : out) peak = std::max(peak, std::abs(static_cast<int>(s)));
        return peak;
    }
    // Renders until the song stops playing; returns the tenths of a second it took (or the cap).
    int TenthsUntilEnd(int song, int cap = 100) {
        int tenths = 0;
        while (music_.IsPlaying(song) && tenths < cap) {
            RenderTenth();
            ++tenths;
        }
        return tenths;
    }
    SoundMixer mixer_;
    FluidMusic music_{mixer_};
};

}  // namespace

TEST_F(MusicTest, SongPlaysOnceAndReportsItsEnd) {
    ASSERT_TRUE(music_.IsAvailable());
    const int song = music_.Load(WriteScratch("one.mid", OneNoteMidi(2)));  // one second
    ASSERT_GE(song, 0);
    EXPECT_FALSE(music_.IsPlaying(song));
    ASSERT_TRUE(music_.Play(song));
    EXPECT_TRUE(music_.IsPlaying(song));
    EXPECT_GT(RenderTenth(), 500);  // the note sounds
    const int tenths = 1 + TenthsUntilEnd(song);
    EXPECT_GE(tenths, 10);
    EXPECT_LE(tenths, 13);
    // The game restarts a song that ended: it plays from its start again.
    ASSERT_TRUE(music_.Play(song));
    EXPECT_TRUE(music_.IsPlaying(song));
    EXPECT_GE(TenthsUntilEnd(song), 9);
}

TEST_F(MusicTest, PlayingAnotherSongStopsTheFirst) {
    const int a = music_.Load(WriteScratch("a.mid", OneNoteMidi(4)));
    const int b = music_.Load(WriteScratch("b.mid", OneNoteMidi(4)));
    ASSERT_TRUE(music_.Play(a));
    RenderTenth();
    ASSERT_TRUE(music_.Play(b));
    EXPECT_FALSE(music_.IsPlaying(a));
    EXPECT_TRUE(music_.IsPlaying(b));
    music_.Stop(a);  // not the one playing: nothing changes
    EXPECT_TRUE(music_.IsPlaying(b));
    music_.Stop(b);
    EXPECT_FALSE(music_.IsPlaying(b));
}

TEST_F(MusicTest, StopSilencesTheMusic) {
    const int song = music_.Load(WriteScratch("long.mid", OneNoteMidi(8)));
    ASSERT_TRUE(music_.Play(song));
    const int note = RenderTenth();
    EXPECT_GT(note, 500);
    music_.Stop(song);
    RenderTenth();  // what reverb still carries dies away
    RenderTenth();
    EXPECT_LT(RenderTenth(), note / 30);  // 30 dB under the note
}

TEST_F(MusicTest, RefusesMissingAndForeignFilesAndUnknownSongs) {
    EXPECT_EQ(music_.Load(std::string(MJ_TEST_OUT_DIR) + "/no such.mid"), -1);
    EXPECT_EQ(music_.Load(WriteScratch("not.mid", MixerRateWav({1, 2, 3}))), -1);
    EXPECT_FALSE(music_.Play(-1));
    EXPECT_FALSE(music_.Play(0));
    EXPECT_FALSE(music_.IsPlaying(0));
}

TEST_F(MusicTest, UnloadAllForgetsEverySong) {
    const int song = music_.Load(WriteScratch("gone.mid", OneNoteMidi(2)));
    ASSERT_TRUE(music_.Play(song));
    music_.UnloadAll();
    EXPECT_FALSE(music_.IsPlaying(song));
    EXPECT_FALSE(music_.Play(song));
    EXPECT_TRUE(music_.IsAvailable());
}

TEST_F(MusicTest, ShutdownLeavesNothingPlayable) {
    const int song = music_.Load(WriteScratch("shut.mid", OneNoteMidi(2)));
    ASSERT_TRUE(music_.Play(song));
    music_.Shutdown();
    EXPECT_FALSE(music_.IsAvailable());
    EXPECT_FALSE(music_.Play(song));
    EXPECT_EQ(music_.Load(WriteScratch("shut.mid", OneNoteMidi(2))), -1);
    EXPECT_EQ(RenderTenth(), 0);
}

TEST(MusicWithoutSoundFont, IsSilentAndRefusesEverything) {
    SoundMixer mixer;
    FluidMusic music(mixer, std::string(MJ_TEST_OUT_DIR) + "/missing.sf2");
    EXPECT_FALSE(music.IsAvailable());
    EXPECT_EQ(music.Load(WriteScratch("any.mid", OneNoteMidi(1))), -1);
    EXPECT_FALSE(music.Play(0));
    std::vector<std::int16_t> out(200, 1);
    mixer.Mix(out.data(), 100);
    EXPECT_EQ(out, std::vector<std::int16_t>(200, 0));
}
