// The background song: a well-formed MIDI file of General MIDI parts that loops cleanly, and
// the MIDI writer underneath it.
#include <gtest/gtest.h>

#include "GameFolder.h"
#include "SmfReader.h"
#include "tools/sound/Midi.h"
#include "tools/sound/SoundTable.h"
#include "tools/sound/Tune.h"

namespace {

SmfFile LoadSong() {
    SmfFile smf;
    std::string error;
    EXPECT_TRUE(ParseSmf(ReadBytes(ExactDiskPath(soundgen::kMusicFile)), &smf, &error)) << error;
    return smf;
}

TEST(BackgroundSong, IsAWellFormedMidiFileOfHalfAMinute) {
    const SmfFile smf = LoadSong();
    EXPECT_EQ(smf.format, 1);
    EXPECT_EQ(smf.tempoEvents, 1);
    EXPECT_GE(smf.Seconds(), 30.0);
    EXPECT_LE(smf.Seconds(), 60.0);
    EXPECT_NEAR(smf.Seconds(), soundgen::BackgroundSongSeconds(), 1e-6);
}

TEST(BackgroundSong, LoopsCleanly) {
    // Restarted whenever it stops: every track ends together on a bar line, no note sounds past
    // the end, and the music starts on the first tick, so the seam has no gap or hanging note.
    const SmfFile smf = LoadSong();
    ASSERT_FALSE(smf.tracks.empty());
    const std::uint64_t end = smf.tracks.front().endTick;
    EXPECT_EQ(end % std::uint64_t(4 * smf.division), 0u);
    bool startsAtOnce = false;
    for (const SmfTrack& t : smf.tracks) {
        EXPECT_EQ(t.endTick, end);
        EXPECT_EQ(t.unclosedNotes, 0);
        EXPECT_LE(t.lastNoteOffTick, end);
        if (t.notesOn > 0 && t.firstNoteTick == 0) startsAtOnce = true;
    }
    EXPECT_TRUE(startsAtOnce);
}

TEST(BackgroundSong, EveryPartHasItsOwnInstrumentOnThePentatonicScale) {
    const SmfFile smf = LoadSong();
    std::set<int> channels;
    for (const SmfTrack& t : smf.tracks) {
        for (int channel : t.channels) {
            EXPECT_TRUE(t.programs.count(channel)) << "channel " << channel << " plays without an instrument";
            EXPECT_NE(channel, 9) << "the percussion channel has no melodic instrument";
            EXPECT_TRUE(channels.insert(channel).second) << "channel " << channel << " shared by two parts";
        }
        for (int key : t.keys) EXPECT_TRUE(std::set<int>({0, 2, 4, 7, 9}).count(key % 12)) << "key " << key;
    }
    EXPECT_GE(channels.size(), 2u);
}

TEST(MidiWriter, EncodesDeltaTimesAcrossEveryLengthOfVariableQuantity) {
    // Deltas of 0, 127, 128 (two bytes), 16384 (three) and 2097152 (four).
    soundgen::MidiTrack track;
    const std::uint32_t ticks[] = {0, 127, 255, 16639, 2113791};
    for (std::uint32_t t : ticks) track.Note(t, 1, 0, 60, 100);
    track.End(2113792);
    SmfFile smf;
    std::string error;
    ASSERT_TRUE(ParseSmf(soundgen::EncodeMidiFile({track}, 96), &smf, &error)) << error;
    ASSERT_EQ(smf.tracks.size(), 1u);
    EXPECT_EQ(smf.tracks[0].endTick, 2113792u);
    EXPECT_EQ(smf.tracks[0].notesOn, 5);
    EXPECT_EQ(smf.tracks[0].unclosedNotes, 0);
}

TEST(MidiWriter, ANoteRepeatedAtItsOwnEndIsReleasedBeforeItSoundsAgain) {
    soundgen::MidiTrack track;
    track.Note(0, 100, 0, 64, 90);
    track.Note(100, 100, 0, 64, 90);
    SmfFile smf;
    std::string error;
    ASSERT_TRUE(ParseSmf(soundgen::EncodeMidiFile({track}, 96), &smf, &error)) << error;
    EXPECT_EQ(smf.tracks[0].unclosedNotes, 0);
    EXPECT_EQ(smf.tracks[0].endTick, 200u);
}

TEST(SmfReader, RefusesDamagedSongs) {
    const std::string song = ReadBytes(ExactDiskPath(soundgen::kMusicFile));
    ASSERT_GT(song.size(), 40u);
    std::string longTrack = song;
    longTrack[14 + 7] = char(longTrack[14 + 7] + 1);  // first track chunk claims a byte more
    const std::vector<std::pair<const char*, std::string>> damaged = {
        {"empty", ""},
        {"header only", song.substr(0, 14)},
        {"cut inside a track", song.substr(0, song.size() / 2)},
        {"cut before end-of-track", song.substr(0, song.size() - 2)},
        {"track length too long", longTrack},
        {"bytes after the last track", song + "MTrk"},
    };
    for (const auto& [what, bytes] : damaged) {
        SmfFile smf;
        std::string error;
        EXPECT_FALSE(ParseSmf(bytes, &smf, &error)) << what;
    }
}

}  // namespace
