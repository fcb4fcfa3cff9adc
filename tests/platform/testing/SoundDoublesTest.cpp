// The sound and music stand-ins behave as the real services do where the game can tell.
#include <gtest/gtest.h>

#include "platform/testing/RecordingMusicPlayer.h"
#include "platform/testing/RecordingSoundSystem.h"

using namespace platform;
using namespace platform::testing;

namespace {

TEST(RecordingSoundSystem, BuffersKeepTheMixersPlayRulesAndOutliveTheGamesRelease) {
    RecordingSoundSystem sound;
    sound.RefuseLoad("Wave\\gone.wav");
    EXPECT_TRUE(sound.IsAvailable());
    EXPECT_EQ(sound.LoadWave("Wave\\gone.wav"), nullptr);
    auto buffer = sound.LoadWave("Wave\\out.wav");
    ASSERT_NE(buffer, nullptr);

    buffer->Play();
    buffer->Play();  // already playing: not restarted
    buffer->SetVolume(-20000);
    sound.FinishPlaying();
    buffer->Play();  // ended: starts again
    buffer->Stop();
    buffer.reset();

    const SoundBufferRecord* record = sound.Buffer("Wave\\out.wav");
    ASSERT_NE(record, nullptr);
    EXPECT_EQ(record->playCalls, 3);
    EXPECT_EQ(record->starts, 2);
    EXPECT_EQ(record->stops, 1);
    EXPECT_EQ(record->volume, kSilentVolume);
    EXPECT_FALSE(record->playing);
    EXPECT_TRUE(record->released);
    EXPECT_EQ(sound.Paths(SoundCallKind::Load),
              (std::vector<std::string>{"Wave\\gone.wav", "Wave\\out.wav"}));
    EXPECT_EQ(sound.Count(SoundCallKind::Play), 3);
}

TEST(RecordingSoundSystem, RecordsTheSoundFileChannelAndBeepsThroughTheShorthands) {
    RecordingSoundSystem sound;
    InstallSoundSystem(&sound);
    PlaySoundFile("Sound\\start.wav");
    Beep();
    InstallSoundSystem(nullptr);
    Beep();  // nothing installed: silent
    ASSERT_EQ(sound.Calls().size(), 2u);
    EXPECT_EQ(sound.Calls()[0].kind, SoundCallKind::PlayFile);
    EXPECT_EQ(sound.Calls()[0].path, "Sound\\start.wav");
    EXPECT_EQ(sound.Calls()[1].kind, SoundCallKind::Beep);
}

TEST(RecordingMusicPlayer, SongsPlayUntilStoppedEndedOrUnloaded) {
    RecordingMusicPlayer music;
    music.RefuseLoad("Music\\bad.mid");
    EXPECT_EQ(music.Load("Music\\bad.mid"), -1);
    const int a = music.Load("Music\\a.mid");
    const int b = music.Load("Music\\b.mid");
    EXPECT_TRUE(music.Play(a));
    EXPECT_TRUE(music.Play(b));  // stops a
    EXPECT_FALSE(music.IsPlaying(a));
    EXPECT_TRUE(music.IsPlaying(b));
    music.EndSong();
    EXPECT_FALSE(music.IsPlaying(b));
    EXPECT_TRUE(music.Play(b));
    music.UnloadAll();
    EXPECT_FALSE(music.IsPlaying(b));
    EXPECT_FALSE(music.Play(b));  // numbers given out before are unknown now
    music.Shutdown();
    EXPECT_FALSE(music.IsAvailable());
    EXPECT_EQ(music.Load("Music\\a.mid"), -1);
    EXPECT_EQ(music.Count(MusicCallKind::Play), 4);
}

}  // namespace
