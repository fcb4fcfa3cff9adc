#include "platform/sdl/SoundMixer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "WavBuilder.h"
#include "platform/sdl/AudioSystem.h"
#include "platform/sdl/SdlAudioOutput.h"

using namespace platform;
using namespace soundtest;

namespace {

std::vector<std::int16_t> Constant(std::size_t frames, std::int16_t value) {
    return std::vector<std::int16_t>(frames, value);
}

// Sample n is n: a buffer's position can be read off its output.
std::vector<std::int16_t> Ramp(std::size_t frames) {
    std::vector<std::int16_t> v(frames);
    for (std::size_t i = 0; i < frames; ++i) v[i] = static_cast<std::int16_t>(i);
    return v;
}

class MixerTest : public ::testing::Test {
protected:
    std::unique_ptr<SoundBuffer> Buffer(const std::vector<std::int16_t>& mono) {
        auto sound = ParseWav(MixerRateWav(mono).data(), MixerRateWav(mono).size());
        EXPECT_TRUE(sound);
        return mixer_.CreateBuffer(*sound);
    }
    // Mixes `frames` frames; returns the left channel (both channels carry the same here).
    std::vector<std::int16_t> Mix(std::size_t frames) {
        std::vector<std::int16_t> out(frames * 2, 12345);
        mixer_.Mix(out.data(), frames);
        std::vector<std::int16_t> left(frames);
        for (std::size_t i = 0; i < frames; ++i) {
            left[i] = out[i * 2];
            EXPECT_EQ(out[i * 2], out[i * 2 + 1]) << i;
        }
        return left;
    }
    SoundMixer mixer_;
};

}  // namespace

TEST_F(MixerTest, NothingPlayingMixesSilence) {
    EXPECT_EQ(Mix(64), Constant(64, 0));
}

TEST_F(MixerTest, TwoBuffersSumAndTheLimiterHoldsTheirPeaksUnderFullScale) {
    auto a = Buffer({1000, 20000, -20000, 30000});
    auto b = Buffer({234, 20000, -20000, -30000});
    a->Play();
    b->Play();
    EXPECT_EQ(Mix(4), (std::vector<std::int16_t>{1234, Limiter::kCeiling, -Limiter::kCeiling, 0}));
}

TEST_F(MixerTest, AfterALoudBurstTheLimiterGivesBackFullLevelWithin100Ms) {
    // 50 ms of two buffers near full scale over a steady quiet sound of half a second.
    constexpr std::size_t kBurst = SoundMixer::kSampleRate / 20;
    constexpr std::size_t k100Ms = SoundMixer::kSampleRate / 10;
    auto loud = Buffer(Constant(kBurst, 30000));
    auto louder = Buffer(Constant(kBurst, 30000));
    auto steady = Buffer(Constant(SoundMixer::kSampleRate / 2, 1000));
    for (auto* b : {loud.get(), louder.get(), steady.get()}) b->Play();
    const auto burst = Mix(kBurst);
    EXPECT_EQ(*std::max_element(burst.begin(), burst.end()), Limiter::kCeiling);
    const auto after = Mix(k100Ms);
    EXPECT_LT(after.front(), 1000);  // the gain is still down as the burst ends ...
    EXPECT_GE(after.back(), 990);    // ... and back within 1 % 100 ms later
    EXPECT_TRUE(std::is_sorted(after.begin(), after.end()));  // rising without a wobble
}

TEST_F(MixerTest, VolumeIsHundredthsOfADecibel) {
    auto buffer = Buffer(Constant(100, 20000));
    const struct { int volume; double gain; } cases[] = {
        {0, 1.0}, {-600, 0.501}, {-2000, 0.1}, {-10000, 0.0}, {-20000, 0.0}, {500, 1.0},
    };
    for (const auto& c : cases) {
        buffer->Stop();
        buffer->SetVolume(c.volume);
        buffer->Play();
        EXPECT_NEAR(Mix(1)[0], 20000 * c.gain, 20000 * 0.002 + 1) << c.volume;
    }
    EXPECT_EQ(buffer->Volume(), kFullVolume);  // 500 was clamped to full
}

TEST_F(MixerTest, PlayDoesNotRestartAPlayingBuffer) {
    auto buffer = Buffer(Ramp(100));
    buffer->Play();
    Mix(10);
    buffer->Play();
    EXPECT_EQ(Mix(1)[0], 10);
    EXPECT_TRUE(buffer->IsPlaying());
}

TEST_F(MixerTest, BufferStopsAtItsEndAndPlaysAgainFromTheStart) {
    auto buffer = Buffer(Ramp(10));
    buffer->Play();
    const auto first = Mix(12);
    EXPECT_EQ(first[9], 9);
    EXPECT_EQ(first[10], 0);
    EXPECT_EQ(first[11], 0);
    EXPECT_FALSE(buffer->IsPlaying());
    buffer->Play();
    EXPECT_EQ(Mix(3), (std::vector<std::int16_t>{0, 1, 2}));
}

TEST_F(MixerTest, StopSilencesAndRewinds) {
    auto buffer = Buffer(Ramp(100));
    buffer->Play();
    Mix(20);
    buffer->Stop();
    EXPECT_FALSE(buffer->IsPlaying());
    EXPECT_EQ(Mix(5), Constant(5, 0));
    buffer->Play();
    EXPECT_EQ(Mix(2), (std::vector<std::int16_t>{0, 1}));
}

TEST_F(MixerTest, DestroyedBufferLeavesTheMix) {
    auto buffer = Buffer(Constant(100, 500));
    buffer->Play();
    buffer.reset();
    EXPECT_EQ(Mix(4), Constant(4, 0));
}

TEST(SoundBufferLifetime, BufferMayOutliveItsMixer) {
    // The game's sound object may release its buffers after the audio system has gone.
    auto mixer = std::make_unique<SoundMixer>();
    const auto bytes = MixerRateWav(Constant(100, 500));
    auto buffer = mixer->CreateBuffer(*ParseWav(bytes.data(), bytes.size()));
    ASSERT_TRUE(buffer);
    buffer->Play();
    mixer.reset();
    EXPECT_TRUE(buffer->IsPlaying());  // nothing pulls it any more
    buffer->SetVolume(-600);
    EXPECT_EQ(buffer->Volume(), -600);
    buffer->Stop();
    buffer.reset();
}

TEST_F(MixerTest, LoadWaveRefusesMissingAndDamagedFiles) {
    EXPECT_EQ(mixer_.LoadWave(std::string(MJ_TEST_OUT_DIR) + "/missing.wav"), nullptr);
    std::vector<std::uint8_t> damaged = MixerRateWav({1, 2, 3});
    damaged.resize(damaged.size() - 3);
    EXPECT_EQ(mixer_.LoadWave(WriteScratch("damaged.wav", damaged)), nullptr);
    auto loaded = mixer_.LoadWave(WriteScratch("good.wav", MixerRateWav({7, 8})));
    ASSERT_NE(loaded, nullptr);
    loaded->Play();
    EXPECT_EQ(Mix(2), (std::vector<std::int16_t>{7, 8}));
}

TEST_F(MixerTest, SoundFileChannelCutsThePreviousSound) {
    const std::string first = WriteScratch("first.wav", MixerRateWav(Constant(100, 1000)));
    const std::string second = WriteScratch("second.wav", MixerRateWav(Constant(5, 2000)));
    mixer_.PlaySoundFile(first);
    EXPECT_EQ(Mix(3), Constant(3, 1000));
    mixer_.PlaySoundFile(second);
    EXPECT_EQ(Mix(7), (std::vector<std::int16_t>{2000, 2000, 2000, 2000, 2000, 0, 0}));
    EXPECT_FALSE(mixer_.IsSoundFilePlaying());
}

TEST_F(MixerTest, SoundFileChannelMixesWithBuffersAndIgnoresTheirVolume) {
    auto buffer = Buffer(Constant(10, 100));
    buffer->SetVolume(kSilentVolume);
    buffer->Play();
    mixer_.PlaySoundFile(WriteScratch("third.wav", MixerRateWav(Constant(10, 50))));
    EXPECT_EQ(Mix(2), Constant(2, 50));
}

TEST_F(MixerTest, MissingSoundFileIsSilent) {
    mixer_.PlaySoundFile(WriteScratch("long.wav", MixerRateWav(Constant(100, 1000))));
    mixer_.PlaySoundFile(std::string(MJ_TEST_OUT_DIR) + "/nothing here.wav");
    EXPECT_FALSE(mixer_.IsSoundFilePlaying());
    EXPECT_EQ(Mix(3), Constant(3, 0));
}

TEST_F(MixerTest, BeepIsAShortToneThatStartsAgainWhenRepeated) {
    constexpr std::size_t kBeepFrames = SoundMixer::kSampleRate * SoundMixer::kBeepMs / 1000;
    auto peak = [](const std::vector<std::int16_t>& v) {
        int p = 0;
        for (std::int16_t s : v) p = std::max(p, std::abs(static_cast<int>(s)));
        return p;
    };
    mixer_.Beep();
    const std::vector<std::int16_t> first = Mix(kBeepFrames / 2);
    EXPECT_EQ(first[0], 0);  // faded in: no click
    EXPECT_GT(peak(first), 4000);
    EXPECT_LE(peak(first), 8192);
    mixer_.Beep();  // starts again from the beginning: still sounding past the first's end
    Mix(kBeepFrames / 2);
    EXPECT_GT(peak(Mix(kBeepFrames / 4)), 4000);
    Mix(kBeepFrames);
    EXPECT_EQ(peak(Mix(64)), 0);
}

TEST_F(MixerTest, MusicSourceIsAddedIn) {
    struct Tone : MixerSource {
        void Render(std::int16_t* out, std::size_t frames) override {
            for (std::size_t i = 0; i < frames * 2; ++i) out[i] = 30000;
        }
    } tone;
    auto buffer = Buffer(Constant(4, 5000));
    buffer->Play();
    mixer_.SetMusicSource(&tone);
    EXPECT_EQ(Mix(4), Constant(4, Limiter::kCeiling));
    mixer_.SetMusicSource(nullptr);
    EXPECT_EQ(Mix(1), Constant(1, 0));
}

TEST(SdlAudioOutput, WithoutADeviceStaysClosedAndSilent) {
    const char* before = std::getenv("SDL_AUDIODRIVER");
    const std::string saved = before ? before : "";
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    SoundMixer mixer;
    {
        SdlAudioOutput output(mixer);
        EXPECT_FALSE(output.IsOpen());
        EXPECT_FALSE(mixer.IsAvailable());
        mixer.PlaySoundFile("whatever.wav");
    }
    if (before) setenv("SDL_AUDIODRIVER", saved.c_str(), 1); else unsetenv("SDL_AUDIODRIVER");
}

TEST(SdlAudioOutput, DummyDriverOpensAndCloses) {
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    SoundMixer mixer;
    {
        SdlAudioOutput output(mixer);
        EXPECT_TRUE(output.IsOpen());
        EXPECT_TRUE(mixer.IsAvailable());
    }
    EXPECT_FALSE(mixer.IsAvailable());
}

TEST(AudioSystem, PlaysThroughTheDummyDeviceAndTearsDownCleanly) {
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    AudioSystem audio;
    EXPECT_TRUE(audio.Sound().IsAvailable());
    EXPECT_TRUE(audio.Music().IsAvailable());
    auto buffer = audio.Sound().LoadWave(WriteScratch("dummy.wav", MixerRateWav(Constant(4410, 1000))));
    ASSERT_NE(buffer, nullptr);
    buffer->Play();
    buffer.reset();  // a buffer may go while the device pulls
}
