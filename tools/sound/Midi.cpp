#include "tools/sound/Midi.h"

#include <algorithm>
#include <tuple>

namespace soundgen {

namespace {

void PutBigEndian(std::string& out, std::uint32_t v, int bytes) {
    for (int i = bytes - 1; i >= 0; --i) out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}

// Variable-length quantity: seven bits a byte, most significant first, high bit = more.
void PutVarLen(std::string& out, std::uint32_t v) {
    char groups[5];
    int n = 0;
    do {
        groups[n++] = static_cast<char>(v & 0x7F);
        v >>= 7;
    } while (v);
    while (n > 1) out.push_back(static_cast<char>(groups[--n] | 0x80));
    out.push_back(groups[0]);
}

std::string Meta(int type, const std::string& data) {
    std::string out{static_cast<char>(0xFF), static_cast<char>(type)};
    PutVarLen(out, static_cast<std::uint32_t>(data.size()));
    return out + data;
}

char Byte(int v) { return static_cast<char>(v & 0xFF); }

}  // namespace

void MidiTrack::Push(std::uint32_t tick, int order, std::string bytes) {
    events_.push_back({tick, order, static_cast<std::uint32_t>(events_.size()), std::move(bytes)});
}

void MidiTrack::Tempo(std::uint32_t tick, std::uint32_t usPerQuarter) {
    std::string data;
    PutBigEndian(data, usPerQuarter, 3);
    Push(tick, 1, Meta(0x51, data));
}

void MidiTrack::TimeSignature(std::uint32_t tick, int numerator, int denominatorPower) {
    Push(tick, 1, Meta(0x58, {Byte(numerator), Byte(denominatorPower), Byte(24), Byte(8)}));
}

void MidiTrack::Name(std::uint32_t tick, const std::string& name) { Push(tick, 1, Meta(0x03, name)); }

void MidiTrack::Program(std::uint32_t tick, int channel, int program) {
    Push(tick, 1, {Byte(0xC0 | channel), Byte(program)});
}

void MidiTrack::Controller(std::uint32_t tick, int channel, int controller, int value) {
    Push(tick, 1, {Byte(0xB0 | channel), Byte(controller), Byte(value)});
}

void MidiTrack::Note(std::uint32_t tick, std::uint32_t length, int channel, int key, int velocity) {
    Push(tick, 1, {Byte(0x90 | channel), Byte(key), Byte(velocity)});
    Push(tick + length, 0, {Byte(0x80 | channel), Byte(key), Byte(0x40)});
}

std::string MidiTrack::Encode() const {
    std::vector<const Event*> order;
    for (const auto& e : events_) order.push_back(&e);
    std::sort(order.begin(), order.end(), [](const Event* a, const Event* b) {
        return std::tie(a->tick, a->order, a->sequence) < std::tie(b->tick, b->order, b->sequence);
    });
    std::string body;
    std::uint32_t now = 0;
    for (const Event* e : order) {
        PutVarLen(body, e->tick - now);
        body += e->bytes;
        now = e->tick;
    }
    PutVarLen(body, std::max(end_, now) - now);
    body += Meta(0x2F, "");
    std::string chunk = "MTrk";
    PutBigEndian(chunk, static_cast<std::uint32_t>(body.size()), 4);
    return chunk + body;
}

std::string EncodeMidiFile(const std::vector<MidiTrack>& tracks, int division) {
    std::string out = "MThd";
    PutBigEndian(out, 6, 4);
    PutBigEndian(out, 1, 2);  // format 1: simultaneous tracks
    PutBigEndian(out, static_cast<std::uint32_t>(tracks.size()), 2);
    PutBigEndian(out, static_cast<std::uint32_t>(division), 2);
    for (const auto& t : tracks) out += t.Encode();
    return out;
}

}  // namespace soundgen
