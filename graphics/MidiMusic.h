// The background music: a table of up to 64 loaded songs from the Music folder, played once
// each through the installed music player.  The table restarts the song when it has ended.
#pragma once

#include "platform/Music.h"

constexpr int kMidiSlotCount = 64;

enum MidiState : int {
    kMidiFree = 0,
    kMidiLoaded = 1,
    kMidiPlaying = 2,  // also a song that has ended by itself, until it is played or stopped
    kMidiStopped = 3,
};

struct MidiSlot {
    int song;   // the player's number of the loaded song, -1 when the slot is free
    int index;  // the slot's own number
    int state;  // MidiState
};

// The music player every Midi call drives; null until MidiInit finds one ready.
extern platform::MusicPlayer* pPerformance;
extern MidiSlot MidiSlots[kMidiSlotCount];
// The slot now playing, -1 for none.
extern int nMidiCurrent;
// Song slots kept by the table (element 0: the background song); -1 where none.
extern int MidiSongs[kMidiSlotCount];

// Takes the installed music player and empties the table; 1 when the player is ready, else 0.
int MidiInit();
// Loads a song of the Music folder by file name into the first free slot; the slot, or -1 when
// the table is full, the player is missing or the file is missing or no MIDI file.
int MidiLoad(const char* fileName);
// Plays the slot's song once from its start, stopping the current one first: 1 when started,
// 0 for a slot without a song, -1 for a slot outside 0..63.
int MidiPlay(int slot);
// 1 when the slot holds a song and was stopped, else 0.
int MidiStop(int slot);
// True while the slot's song is still playing (false once it has reached its end).
bool MidiIsPlaying(int slot);
// Frees every slot; the current slot number is left as it was.  Returns 1.
int MidiUnloadAll();
// Stops the music, frees every slot and releases the player.  Returns 1.
int MidiShutdown();
