#include "tools/sound/Synth.h"

#include <algorithm>
#include <cmath>

namespace soundgen {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kEndFade = 0.004;  // seconds

double Gain(const Envelope& env, double t, double length) {
    double g = env.attack > 0 && t < env.attack ? t / env.attack : 1.0;
    if (env.decay > 0) g *= std::exp(-std::max(0.0, t - env.attack) / env.decay);
    const double left = length - t;
    if (left < kEndFade) g *= std::max(0.0, left / kEndFade);
    return g;
}

double Wave(Shape shape, double phase) {  // phase in cycles, 0..1
    switch (shape) {
        case Shape::Sine: return std::sin(2 * kPi * phase);
        case Shape::Triangle: return 1.0 - 4.0 * std::fabs(phase - 0.5);
        case Shape::Square: return phase < 0.5 ? 1.0 : -1.0;
        case Shape::Saw: return 2.0 * phase - 1.0;
    }
    return 0.0;
}

// The range of sample indexes a sound covers, growing the signal to hold it.
std::pair<std::size_t, std::size_t> Span(Signal& s, double start, double length) {
    const auto first = static_cast<std::size_t>(std::lround(start * kSampleRate));
    const auto count = static_cast<std::size_t>(std::lround(length * kSampleRate));
    if (s.size() < first + count) s.resize(first + count, 0.0f);
    return {first, count};
}

// Pitch at time t of a glide from `from` to `to` over `length`.
double Glide(double from, double to, double t, double length) {
    return from * std::pow(to / from, t / length);
}

// A two-pole band-pass resonator (constant peak gain).
class BandPass {
public:
    BandPass(double hz, double q) {
        const double w = 2 * kPi * hz / kSampleRate;
        const double alpha = std::sin(w) / (2 * q);
        const double a0 = 1 + alpha;
        b0_ = alpha / a0;
        a1_ = -2 * std::cos(w) / a0;
        a2_ = (1 - alpha) / a0;
    }
    double Step(double x) {
        const double y = b0_ * x - b0_ * x2_ - a1_ * y1_ - a2_ * y2_;
        x2_ = x1_;
        x1_ = x;
        y2_ = y1_;
        y1_ = y;
        return y;
    }
private:
    double b0_, a1_, a2_;
    double x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

}  // namespace

float Rng::Next() {
    state_ = state_ * 1664525u + 1013904223u;
    return static_cast<float>((state_ >> 8) * (2.0 / 16777216.0) - 1.0);
}

double Rng::Uniform(double lo, double hi) { return lo + (hi - lo) * (Next() + 1.0) / 2.0; }

void Add(Signal& s, const Tone& tone) {
    auto [first, count] = Span(s, tone.start, tone.length);
    double phase = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        double hz = Glide(tone.fromHz, tone.toHz, t, tone.length);
        hz *= 1.0 + tone.vibratoDepth * std::sin(2 * kPi * tone.vibratoHz * t);
        s[first + i] += static_cast<float>(tone.amp * Gain(tone.env, t, tone.length) * Wave(tone.shape, phase));
        phase = std::fmod(phase + hz / kSampleRate, 1.0);
    }
}

void Add(Signal& s, const Noise& noise, Rng& rng) {
    auto [first, count] = Span(s, noise.start, noise.length);
    BandPass filter(noise.centreHz > 0 ? noise.centreHz : 1000.0, noise.q);
    for (std::size_t i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        double x = rng.Next();
        if (noise.centreHz > 0) x = filter.Step(x) * 2.0;
        s[first + i] += static_cast<float>(noise.amp * Gain(noise.env, t, noise.length) * x);
    }
}

void Add(Signal& s, const Vowel& v) {
    auto [first, count] = Span(s, v.start, v.length);
    BandPass f1(v.formant1, 6.0), f2(v.formant2, 8.0);
    double phase = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        const double buzz = Wave(Shape::Saw, phase);
        const double y = f1.Step(buzz) + 0.6 * f2.Step(buzz);
        s[first + i] += static_cast<float>(v.amp * Gain(v.env, t, v.length) * y);
        phase = std::fmod(phase + Glide(v.fromHz, v.toHz, t, v.length) / kSampleRate, 1.0);
    }
}

void AddBell(Signal& s, double start, double hz, double amp, double decay) {
    struct Partial { double ratio, amp, decay; };
    static const Partial partials[] = {{1.0, 1.0, 1.0}, {2.76, 0.45, 0.55}, {5.40, 0.25, 0.3}, {8.93, 0.12, 0.18}};
    for (const auto& p : partials)
        Add(s, Tone{start, decay * 4, hz * p.ratio, hz * p.ratio, amp * p.amp, Shape::Sine,
                    Envelope{0.001, decay * p.decay}});
}


}  // namespace soundgen
