// Reads back a Standard MIDI File for the tests: the header, every track chunk walked event by
// event (running status, meta and system-exclusive events), each length checked.
#pragma once

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

struct SmfTrack {
    std::uint64_t endTick = 0;        // tick of the end-of-track event
    int notesOn = 0;
    std::uint64_t firstNoteTick = 0;
    int unclosedNotes = 0;            // notes still sounding at the end of the track
    std::set<int> channels;           // channels with notes
    std::map<int, int> programs;      // channel -> program set on it
    std::set<int> keys;               // every key played
    std::uint64_t lastNoteOffTick = 0;
};

struct SmfFile {
    int format = -1;
    int division = 0;
    std::uint32_t microsecondsPerQuarter = 500000;  // until a tempo event says otherwise
    int tempoEvents = 0;
    std::vector<SmfTrack> tracks;

    // Length of the longest track at the (single) tempo.
    double Seconds() const;
};

// False (with the reason in *error) for a file that is not a well-formed SMF: a bad header, a
// chunk or event running past its end, a track that does not end with end-of-track exactly at
// its chunk's end, a data byte without a running status.
bool ParseSmf(const std::string& bytes, SmfFile* smf, std::string* error);
