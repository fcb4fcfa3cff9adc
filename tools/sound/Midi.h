// A small Standard MIDI File writer: tracks of timed events, written as format 1.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace soundgen {

// One track's events at absolute times (ticks); kept in time order when encoded, events of
// one tick in the order they were added, except that note-offs go before note-ons.
class MidiTrack {
public:
    void Tempo(std::uint32_t tick, std::uint32_t microsecondsPerQuarter);
    void TimeSignature(std::uint32_t tick, int numerator, int denominatorPower);
    void Name(std::uint32_t tick, const std::string& name);
    void Program(std::uint32_t tick, int channel, int program);
    void Controller(std::uint32_t tick, int channel, int controller, int value);
    // A note from `tick` lasting `length` ticks.
    void Note(std::uint32_t tick, std::uint32_t length, int channel, int key, int velocity);
    // The track ends at `tick` (at least after its last event).
    void End(std::uint32_t tick) { end_ = tick; }

    // The MTrk chunk, header included.
    std::string Encode() const;

private:
    struct Event {
        std::uint32_t tick;
        int order;  // 0 note-off, 1 everything else: note-offs first within a tick
        std::uint32_t sequence;
        std::string bytes;
    };
    void Push(std::uint32_t tick, int order, std::string bytes);
    std::vector<Event> events_;
    std::uint32_t end_ = 0;
};

// A format 1 file of the tracks (the first one the tempo track), `division` ticks a quarter.
std::string EncodeMidiFile(const std::vector<MidiTrack>& tracks, int division);

}  // namespace soundgen
