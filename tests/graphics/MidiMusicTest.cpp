// The song table over the recording music player: slots and their states, the current song,
// unloading and shutting down.
#include <gtest/gtest.h>

#include <string>

#include "graphics/MidiMusic.h"
#include "platform/Path.h"
#include "platform/testing/RecordingMusicPlayer.h"
#include "platform/testing/ScopedService.h"

using namespace platform;
using namespace platform::testing;

namespace {

class MidiMusicTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(MidiInit(), 1); }
    void TearDown() override { MidiShutdown(); }
    // Loads a song into the next free slot; fails the test when it cannot.
    int Load(const std::string& name) {
        const int slot = MidiLoad(name.c_str());
        EXPECT_GE(slot, 0) << name;
        return slot;
    }
    int SongOf(int slot) const { return MidiSlots[slot].song; }

    RecordingMusicPlayer player_;
    ScopedMusicPlayer installed_{&player_};
};

TEST_F(MidiMusicTest, StartsWithEveryEntryEmpty) {
    EXPECT_EQ(nMidiCurrent, -1);
    for (int i = 0; i < kMidiSlotCount; i++) {
        EXPECT_EQ(MidiSongs[i], -1);
        EXPECT_EQ(MidiSlots[i].index, i);
        EXPECT_EQ(MidiSlots[i].state, kMidiFree);
    }
}

TEST_F(MidiMusicTest, LoadsFromTheMusicFolderIntoTheFirstFreeSlot) {
    EXPECT_EQ(MidiLoad("bg.mid"), 0);
    EXPECT_EQ(player_.SongPath(SongOf(0)), ProgramPath("Music\\bg.mid"));
    EXPECT_EQ(MidiSlots[0].state, kMidiLoaded);
    player_.RefuseLoad(ProgramPath("Music\\gone.mid"));
    EXPECT_EQ(MidiLoad("gone.mid"), -1);  // a missing file takes no slot
    EXPECT_EQ(MidiLoad("two.mid"), 1);
}

TEST_F(MidiMusicTest, AFullTableRefusesTheNextSong) {
    for (int i = 0; i < kMidiSlotCount; i++) EXPECT_EQ(MidiLoad("bg.mid"), i);
    EXPECT_EQ(MidiLoad("bg.mid"), -1);
}

TEST_F(MidiMusicTest, PlayAnswersMinusOneOutsideTheTableAndZeroForAnEmptySlot) {
    EXPECT_EQ(MidiPlay(-1), -1);
    EXPECT_EQ(MidiPlay(kMidiSlotCount), -1);
    EXPECT_EQ(MidiPlay(0), 0);
    EXPECT_EQ(player_.Count(MusicCallKind::Play), 0);
    EXPECT_EQ(nMidiCurrent, -1);
}

TEST_F(MidiMusicTest, ASongPlaysOnceAndIsPlayedAgainWhenItHasEnded) {
    const int slot = Load("bg.mid");
    EXPECT_EQ(MidiPlay(slot), 1);
    EXPECT_EQ(player_.Playing(), SongOf(slot));
    EXPECT_EQ(MidiSlots[slot].state, kMidiPlaying);
    EXPECT_EQ(nMidiCurrent, slot);
    EXPECT_TRUE(MidiIsPlaying(slot));
    player_.EndSong();
    EXPECT_FALSE(MidiIsPlaying(slot));
    EXPECT_EQ(MidiSlots[slot].state, kMidiPlaying);  // ended by itself: the state stays
    EXPECT_EQ(MidiPlay(slot), 1);
    EXPECT_TRUE(MidiIsPlaying(slot));
    EXPECT_EQ(player_.Count(MusicCallKind::Play), 2);
}

TEST_F(MidiMusicTest, PlayingAnotherSlotStopsTheCurrentOneFirst) {
    const int a = Load("a.mid");
    const int b = Load("b.mid");
    ASSERT_EQ(MidiPlay(b), 1);
    player_.ClearCalls();
    ASSERT_EQ(MidiPlay(a), 1);
    ASSERT_EQ(player_.Calls().size(), 2u);
    EXPECT_EQ(player_.Calls()[0].kind, MusicCallKind::Stop);
    EXPECT_EQ(player_.Calls()[0].song, SongOf(b));
    EXPECT_EQ(player_.Calls()[1].kind, MusicCallKind::Play);
    EXPECT_EQ(MidiSlots[b].state, kMidiStopped);
    EXPECT_EQ(MidiSlots[a].state, kMidiPlaying);
    EXPECT_EQ(nMidiCurrent, a);
}

TEST_F(MidiMusicTest, StopClearsTheCurrentSongOnlyWhenItStopsIt) {
    const int a = Load("a.mid");
    const int b = Load("b.mid");
    ASSERT_EQ(MidiPlay(a), 1);
    EXPECT_EQ(MidiStop(5), 0);  // never loaded
    EXPECT_EQ(MidiStop(-1), 0);
    EXPECT_EQ(MidiStop(kMidiSlotCount), 0);
    EXPECT_EQ(nMidiCurrent, a);
    EXPECT_EQ(MidiStop(b), 1);  // loaded but not playing
    EXPECT_EQ(MidiSlots[b].state, kMidiStopped);
    EXPECT_EQ(nMidiCurrent, a);
    EXPECT_EQ(player_.Playing(), SongOf(a));
    EXPECT_EQ(MidiStop(a), 1);
    EXPECT_EQ(MidiSlots[a].state, kMidiStopped);
    EXPECT_EQ(nMidiCurrent, -1);
    EXPECT_EQ(player_.Playing(), -1);
}

TEST_F(MidiMusicTest, UnloadAllFreesEverySlotAndPlayThenFindsNothing) {
    const int a = Load("a.mid");
    Load("b.mid");
    ASSERT_EQ(MidiPlay(a), 1);
    EXPECT_EQ(MidiUnloadAll(), 1);
    EXPECT_EQ(player_.Count(MusicCallKind::UnloadAll), 1);
    EXPECT_EQ(player_.Playing(), -1);
    for (int i = 0; i < kMidiSlotCount; i++) {
        EXPECT_EQ(MidiSlots[i].state, kMidiFree);
        EXPECT_EQ(MidiPlay(i), 0) << i;
    }
    EXPECT_EQ(nMidiCurrent, a);  // left as it was
    EXPECT_EQ(MidiLoad("c.mid"), 0);  // the table fills from the start again
    EXPECT_EQ(MidiPlay(0), 1);
    EXPECT_EQ(player_.SongPath(player_.Playing()), ProgramPath("Music\\c.mid"));
}

TEST_F(MidiMusicTest, ShutdownReleasesThePlayerAndLeavesNothingToPlay) {
    const int slot = Load("bg.mid");
    ASSERT_EQ(MidiPlay(slot), 1);
    EXPECT_EQ(MidiShutdown(), 1);
    EXPECT_EQ(player_.Count(MusicCallKind::Shutdown), 1);
    EXPECT_FALSE(player_.IsAvailable());
    EXPECT_EQ(player_.Playing(), -1);
    EXPECT_EQ(MidiPlay(slot), 0);
    EXPECT_EQ(MidiStop(slot), 0);
    EXPECT_EQ(MidiLoad("bg.mid"), -1);
    EXPECT_EQ(MidiShutdown(), 1);  // a second shutdown finds nothing to release
    EXPECT_EQ(player_.Count(MusicCallKind::Shutdown), 1);
}

TEST(MidiWithoutPlayer, InitFailsAndEveryCallFindsNoSong) {
    for (bool installed : {false, true}) {
        RecordingMusicPlayer unavailable;
        unavailable.Shutdown();
        ScopedMusicPlayer player(installed ? &unavailable : nullptr);
        EXPECT_EQ(MidiInit(), 0) << installed;
        EXPECT_EQ(MidiSongs[0], -1);
        EXPECT_EQ(MidiLoad("bg.mid"), -1);
        EXPECT_EQ(MidiPlay(0), 0);
        EXPECT_EQ(MidiStop(0), 0);
        EXPECT_FALSE(MidiIsPlaying(0));
        EXPECT_EQ(MidiUnloadAll(), 1);
        EXPECT_EQ(MidiShutdown(), 1);
        EXPECT_EQ(unavailable.Count(MusicCallKind::Load), 0);
    }
}

}  // namespace
