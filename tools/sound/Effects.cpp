#include "tools/sound/Effects.h"

#include <cmath>
#include <cstdint>
#include <map>
#include <variant>
#include <vector>

#include "tools/sound/Level.h"
#include "tools/sound/Synth.h"

namespace soundgen {

namespace {

// Dice shaken and rolling out: a run of hard clicks, each a bright noise burst with a short
// wooden ring, coming closer together and softer as the dice settle.
Signal DiceRattle() {
    Signal s;
    Rng rng(11);
    double t = 0.0, gap = 0.075;
    for (int i = 0; i < 14; ++i) {
        const double amp = 1.0 - i * 0.05;
        Add(s, Noise{t, 0.02, amp, Envelope{0.0005, 0.004}, rng.Uniform(2500, 4200), 3.0}, rng);
        Add(s, Tone{t, 0.05, rng.Uniform(900, 1400), 800, 0.3 * amp, Shape::Sine, Envelope{0.0005, 0.012}});
        t += gap * rng.Uniform(0.6, 1.2);
        gap *= 0.9;
    }
    return s;
}

// Claim offered: two bright bells a fifth apart.
Signal ClaimChime() {
    Signal s;
    AddBell(s, 0.0, 880, 0.7, 0.12);
    AddBell(s, 0.09, 1320, 0.6, 0.12);
    return s;
}

// Stands in for a spoken call: a short sung "ah" falling in pitch.
Signal StandInVoice() {
    Signal s;
    Add(s, Vowel{0, 0.28, 210, 150, 1.0, 750, 1250, Envelope{0.015, 0.12}});
    return s;
}

// A hand won: a rising major arpeggio ending on a held chord.
Signal WinFanfare() {
    Signal s;
    const double notes[] = {523.25, 659.25, 783.99, 1046.5};
    for (int i = 0; i < 4; ++i) {
        const double start = i * 0.12;
        const double length = i == 3 ? 1.1 : 0.16;
        Add(s, Tone{start, length, notes[i], notes[i], 0.5, Shape::Square, Envelope{0.004, i == 3 ? 0.45 : 0.08}});
        Add(s, Tone{start, length, notes[i] / 2, notes[i] / 2, 0.35, Shape::Triangle, Envelope{0.004, 0.5}});
    }
    Add(s, Tone{0.36, 1.1, 659.25, 659.25, 0.3, Shape::Triangle, Envelope{0.01, 0.45}});
    Add(s, Tone{0.36, 1.1, 783.99, 783.99, 0.3, Shape::Triangle, Envelope{0.01, 0.45}});
    return s;
}

// Chips paid: a small stack of clay discs clacking down one on another.
Signal Chips() {
    Signal s;
    Rng rng(18);
    const double starts[] = {0.0, 0.07, 0.12, 0.2, 0.24, 0.33};
    for (double t : starts) {
        const double hz = rng.Uniform(2600, 3400);
        Add(s, Tone{t, 0.12, hz, hz, 0.35, Shape::Sine, Envelope{0.0005, 0.02}});
        Add(s, Tone{t, 0.09, hz * 0.31, hz * 0.3, 0.5, Shape::Triangle, Envelope{0.0005, 0.018}});
        Add(s, Noise{t, 0.03, 0.5, Envelope{0.0002, 0.006}, 1800, 1.2}, rng);
    }
    return s;
}

// Start: a small gong struck twice, low then high.
Signal StartGong() {
    Signal s;
    Add(s, Tone{0, 0.5, 392, 388, 0.6, Shape::Sine, Envelope{0.003, 0.18}, 5.0, 0.004});
    Add(s, Tone{0.14, 0.6, 523.25, 520, 0.6, Shape::Sine, Envelope{0.003, 0.2}, 5.0, 0.004});
    AddBell(s, 0.14, 1046.5, 0.15, 0.1);
    return s;
}

// Tiles swapped with the wall: a swish of air with tiles knocking at its end.
Signal ExchangeSwoosh() {
    Signal s;
    Rng rng(22);
    for (int i = 0; i < 6; ++i) {
        const double centre = 600 + i * 450;
        Add(s, Noise{i * 0.03, 0.22, 0.25, Envelope{0.015, 0.08}, centre, 2.0}, rng);
    }
    Add(s, Tone{0.32, 0.08, 1100, 1050, 0.5, Shape::Triangle, Envelope{0.0005, 0.015}});
    Add(s, Tone{0.40, 0.08, 1300, 1250, 0.45, Shape::Triangle, Envelope{0.0005, 0.015}});
    return s;
}

// Talk arrives in an open window: one clear ding.
Signal MessageDing() {
    Signal s;
    AddBell(s, 0, 1480, 0.8, 0.15);
    return s;
}

// Talk from somebody new: a two-tone ring, twice.
Signal TalkRing() {
    Signal s;
    for (int burst = 0; burst < 2; ++burst) {
        const double t0 = burst * 0.55;
        for (int i = 0; i < 8; ++i) {
            const double hz = i % 2 == 0 ? 1000 : 1250;
            Add(s, Tone{t0 + i * 0.045, 0.045, hz, hz, 0.5, Shape::Triangle, Envelope{0.002, 0.0}});
        }
    }
    return s;
}

// An effect made of plain layers added together: tones, and bursts of noise drawn from a
// generator with the recipe's seed.
using Layer = std::variant<Tone, Noise>;

struct Layers {
    std::uint32_t seed;
    std::vector<Layer> layers;
};

const std::map<EffectRecipe, Layers>& LayerRecipes() {
    static const std::map<EffectRecipe, Layers> recipes = {
        // The mouse touches a table button: a tiny high blip.
        {EffectRecipe::HoverTick, {0,
         {Tone{0, 0.035, 3900, 4300, 0.6, Shape::Sine, Envelope{0.002, 0.008}}}}},
        // A tile picked for exchange: a soft plucked string.
        {EffectRecipe::SelectPluck, {0,
         {Tone{0, 0.16, 990, 980, 0.6, Shape::Triangle, Envelope{0.001, 0.04}},
          Tone{0, 0.16, 1980, 1980, 0.2, Shape::Sine, Envelope{0.001, 0.02}}}}},
        // The phrase list opens or closes: a hollow wood-block tap.
        {EffectRecipe::PhraseTap, {0,
         {Tone{0, 0.09, 1250, 1150, 0.8, Shape::Sine, Envelope{0.0005, 0.016}},
          Tone{0, 0.06, 620, 600, 0.4, Shape::Sine, Envelope{0.0005, 0.012}}}}},
        // Every hand revealed: a bright rising glide.
        {EffectRecipe::RevealRise, {0,
         {Tone{0, 0.45, 400, 1600, 0.6, Shape::Triangle, Envelope{0.02, 0.25}},
          Tone{0.05, 0.4, 800, 3200, 0.2, Shape::Sine, Envelope{0.02, 0.2}}}}},
        // A tile hidden under rippling water: a wobbling glide falling away.
        {EffectRecipe::RippleFall, {0,
         {Tone{0, 0.75, 1300, 280, 0.6, Shape::Sine, Envelope{0.01, 0.3}, 14.0, 0.06},
          Tone{0.12, 0.6, 900, 220, 0.3, Shape::Sine, Envelope{0.01, 0.25}, 11.0, 0.08}}}},
        // A check box toggled: two quick low ticks.
        {EffectRecipe::CheckTick, {0,
         {Tone{0, 0.03, 1500, 1400, 0.7, Shape::Square, Envelope{0.0003, 0.005}},
          Tone{0.045, 0.03, 1800, 1700, 0.5, Shape::Square, Envelope{0.0003, 0.005}}}}},
        // The mouse onto an exit-window button: a short upward chirp.
        {EffectRecipe::ButtonHover, {0,
         {Tone{0, 0.05, 1800, 2600, 0.5, Shape::Sine, Envelope{0.004, 0.015}}}}},
        // A tile set down on the felt: a low thump under a short knock of bone on wood.
        {EffectRecipe::TileLands, {12,
         {Tone{0, 0.14, 190, 120, 0.9, Shape::Sine, Envelope{0.001, 0.03}},
          Noise{0, 0.03, 0.8, Envelope{0.0003, 0.005}, 3000, 1.5},
          Tone{0, 0.1, 1150, 1100, 0.35, Shape::Triangle, Envelope{0.0005, 0.018}}}}},
        // A deal step: a crisp, short click.
        {EffectRecipe::DealClick, {14,
         {Noise{0, 0.012, 1.0, Envelope{0.0002, 0.002}, 5000, 2.0},
          Tone{0, 0.04, 2400, 2200, 0.4, Shape::Sine, Envelope{0.0003, 0.007}}}}},
        // An exit-window button clicked: a soft, round press.
        {EffectRecipe::ButtonPress, {28,
         {Tone{0, 0.1, 640, 420, 0.8, Shape::Sine, Envelope{0.001, 0.025}},
          Noise{0, 0.008, 0.3, Envelope{0.0002, 0.002}, 2000, 1.0}}}},
    };
    return recipes;
}

using Recipe = Signal (*)();

// Effects built in code: repeats, bells, a sung vowel.
const std::map<EffectRecipe, Recipe>& Recipes() {
    static const std::map<EffectRecipe, Recipe> recipes = {
        {EffectRecipe::DiceRattle, DiceRattle},     {EffectRecipe::ClaimChime, ClaimChime},
        {EffectRecipe::StandInVoice, StandInVoice}, {EffectRecipe::WinFanfare, WinFanfare},
        {EffectRecipe::Chips, Chips},               {EffectRecipe::StartGong, StartGong},
        {EffectRecipe::ExchangeSwoosh, ExchangeSwoosh}, {EffectRecipe::MessageDing, MessageDing},
        {EffectRecipe::TalkRing, TalkRing},
    };
    return recipes;
}

}  // namespace

Signal MakeEffect(EffectRecipe recipe) {
    Signal s;
    const auto layered = LayerRecipes().find(recipe);
    if (layered != LayerRecipes().end()) {
        Rng rng(layered->second.seed);
        for (const Layer& layer : layered->second.layers) {
            if (const Tone* tone = std::get_if<Tone>(&layer)) Add(s, *tone);
            if (const Noise* noise = std::get_if<Noise>(&layer)) Add(s, *noise, rng);
        }
    } else {
        s = Recipes().at(recipe)();
    }
    Level(s);
    return s;
}

}  // namespace soundgen
