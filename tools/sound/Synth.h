// The building blocks the effects are made of: tones with sweeps and envelopes, filtered
// noise, formant voices; each adds into a signal at a start time.  Everything is
// deterministic: noise comes from a seeded generator.
#pragma once

#include <cstdint>

#include "tools/sound/Wave.h"

namespace soundgen {

enum class Shape { Sine, Triangle, Square, Saw };

// Amplitude over a sound's life: a linear rise over `attack` seconds, then an exponential fall
// with time constant `decay` (0: held), and a short fade at the very end so nothing clicks.
struct Envelope {
    double attack = 0.002;
    double decay = 0.0;
};

struct Tone {
    double start;      // seconds
    double length;     // seconds
    double fromHz;     // pitch at the start ...
    double toHz;       // ... gliding (exponentially) to this at the end
    double amp;
    Shape shape = Shape::Sine;
    Envelope env = {};
    double vibratoHz = 0.0;     // pitch wobble
    double vibratoDepth = 0.0;  // in fractions of the pitch
};

struct Noise {
    double start;
    double length;
    double amp;
    Envelope env = {};
    double centreHz = 0.0;  // band-pass centre; 0 leaves the noise white
    double q = 1.0;
};

// A voiced sound: a buzz at the pitch shaped by two formant resonances.
struct Vowel {
    double start;
    double length;
    double fromHz;
    double toHz;
    double amp;
    double formant1;
    double formant2;
    Envelope env = {};
};

// A small deterministic noise source (linear congruential).
class Rng {
public:
    explicit Rng(std::uint32_t seed) : state_(seed) {}
    float Next();                 // -1..1
    double Uniform(double lo, double hi);
private:
    std::uint32_t state_;
};

void Add(Signal& s, const Tone& t);
void Add(Signal& s, const Noise& n, Rng& rng);
void Add(Signal& s, const Vowel& v);
// A struck bell or metal: the base tone and its inharmonic partials, each dying faster.
void AddBell(Signal& s, double start, double hz, double amp, double decay);

}  // namespace soundgen
