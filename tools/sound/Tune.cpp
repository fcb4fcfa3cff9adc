#include "tools/sound/Tune.h"

#include <vector>

#include "tools/sound/Midi.h"

namespace soundgen {

namespace {

constexpr int kDivision = 480;         // ticks a quarter note
constexpr int kEighth = kDivision / 2;
constexpr int kBar = kDivision * 4;    // 4/4
constexpr int kBeatsPerMinute = 96;

// Notes of the melody (MIDI keys); R is a rest.
enum Key { R = 0, C4 = 60, D4 = 62, E4 = 64, G4 = 67, A4 = 69, C5 = 72, D5 = 74, E5 = 76 };

struct Step {
    int key;
    int eighths;
};

// Sixteen bars in four phrases: a statement, its answer, a higher middle, the statement again
// closing on the tonic so the loop's seam sounds like a phrase end.
const std::vector<std::vector<Step>> kMelody = {
    {{E4, 2}, {G4, 2}, {A4, 3}, {G4, 1}},  {{E4, 2}, {D4, 2}, {C4, 4}},
    {{D4, 2}, {E4, 1}, {G4, 1}, {A4, 2}, {C5, 2}},  {{A4, 2}, {G4, 2}, {E4, 4}},
    {{E4, 2}, {G4, 2}, {A4, 3}, {C5, 1}},  {{D5, 2}, {C5, 2}, {A4, 4}},
    {{G4, 2}, {A4, 1}, {G4, 1}, {E4, 2}, {D4, 2}},  {{C4, 6}, {R, 2}},
    {{A4, 2}, {C5, 2}, {D5, 3}, {E5, 1}},  {{D5, 2}, {C5, 2}, {A4, 4}},
    {{G4, 2}, {A4, 2}, {C5, 2}, {A4, 2}},  {{G4, 4}, {E4, 4}},
    {{E4, 2}, {G4, 2}, {A4, 3}, {G4, 1}},  {{E4, 2}, {D4, 2}, {C4, 2}, {D4, 2}},
    {{E4, 2}, {G4, 2}, {D4, 2}, {E4, 1}, {D4, 1}},  {{C4, 8}},
};

// The root of each bar's harmony, as a degree of the pentatonic scale (0 C, 1 D, 3 G, 4 A).
const std::vector<int> kRoots = {0, 4, 1, 4, 0, 1, 3, 0, 4, 1, 0, 3, 0, 4, 3, 0};

// The accompaniment's eighth notes: pentatonic steps above the bar's root (3 steps make a
// fifth, 5 an octave).
const int kArpeggio[] = {0, 3, 5, 6, 7, 6, 5, 3};

const int kPentatonic[] = {0, 2, 4, 7, 9};

// Key of pentatonic degree `degree` counted from C of `octaveKey`.
int PentatonicKey(int octaveKey, int degree) {
    return octaveKey + 12 * (degree / 5) + kPentatonic[degree % 5];
}

struct Part {
    int channel;
    int program;  // General MIDI, counted from 0
    int volume;
    const char* name;
};

const Part kFlute = {0, 73, 100, "Flute"};
const Part kKoto = {1, 107, 80, "Koto"};
const Part kStrings = {2, 48, 60, "Strings"};
const Part kBass = {3, 32, 90, "Bass"};

MidiTrack StartTrack(const Part& part) {
    MidiTrack t;
    t.Name(0, part.name);
    t.Program(0, part.channel, part.program);
    t.Controller(0, part.channel, 7, part.volume);  // channel volume
    t.Controller(0, part.channel, 91, 40);          // reverb
    return t;
}

MidiTrack MelodyTrack() {
    MidiTrack t = StartTrack(kFlute);
    std::uint32_t tick = 0;
    for (const auto& bar : kMelody) {
        for (const Step& s : bar) {
            const std::uint32_t length = static_cast<std::uint32_t>(s.eighths * kEighth);
            if (s.key != R) t.Note(tick, length - 20, kFlute.channel, s.key, 92);
            tick += length;
        }
    }
    return t;
}

MidiTrack AccompanimentTrack() {
    MidiTrack t = StartTrack(kKoto);
    for (std::size_t bar = 0; bar < kRoots.size(); ++bar) {
        for (int i = 0; i < 8; ++i) {
            const auto tick = static_cast<std::uint32_t>(bar * kBar + i * kEighth);
            const int key = PentatonicKey(48, kRoots[bar] + kArpeggio[i]);
            t.Note(tick, kEighth, kKoto.channel, key, i == 0 ? 70 : 55);
        }
    }
    return t;
}

MidiTrack PadTrack() {
    MidiTrack t = StartTrack(kStrings);
    for (std::size_t bar = 0; bar < kRoots.size(); ++bar) {
        const auto tick = static_cast<std::uint32_t>(bar * kBar);
        for (int step : {0, 3, 5})
            t.Note(tick, kBar, kStrings.channel, PentatonicKey(48, kRoots[bar] + step), 45);
    }
    return t;
}

MidiTrack BassTrack() {
    MidiTrack t = StartTrack(kBass);
    for (std::size_t bar = 0; bar < kRoots.size(); ++bar) {
        const auto tick = static_cast<std::uint32_t>(bar * kBar);
        const int root = PentatonicKey(36, kRoots[bar]);
        t.Note(tick, kDivision * 2 - 30, kBass.channel, root, 80);
        t.Note(tick + kDivision * 2, kDivision * 2 - 30, kBass.channel, PentatonicKey(36, kRoots[bar] + 3), 70);
    }
    return t;
}

std::uint32_t SongTicks() { return static_cast<std::uint32_t>(kMelody.size() * kBar); }

}  // namespace

double BackgroundSongSeconds() {
    return static_cast<double>(SongTicks()) / kDivision * 60.0 / kBeatsPerMinute;
}

std::string MakeBackgroundSong() {
    MidiTrack tempo;
    tempo.Name(0, "Pentatonic Garden");
    tempo.TimeSignature(0, 4, 2);
    tempo.Tempo(0, 60000000u / kBeatsPerMinute);
    std::vector<MidiTrack> tracks = {tempo, MelodyTrack(), AccompanimentTrack(), PadTrack(), BassTrack()};
    for (auto& t : tracks) t.End(SongTicks());
    return EncodeMidiFile(tracks, kDivision);
}

}  // namespace soundgen
