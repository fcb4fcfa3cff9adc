// Whole offline games played headless: three computer seats and the scripted user, the tile
// ledger and the other invariants checked after every step, a watchdog on the virtual clock,
// and the figures of the hands played.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>

#include "testsupport/engine/HeadlessTable.h"
#include "TileLedger.h"

namespace enginetest {

struct SelfPlayFigures {
    int hands = 0;
    int wins = 0;
    int exhausted = 0;
    long long fanOfWins = 0;
    int refusedWins = 0;  // final win tests that failed
    std::uint64_t trail = 0;  // the tables at the end of each hand, folded together
    double seconds = 0;
    std::string fault;    // the first broken invariant, with where it broke
};

// A fingerprint of what moves a hand on; the idle timers' counters are left out.
inline std::uint64_t Progress(const CMj& t) {
    std::uint64_t h = 1469598103934665603ull;
    auto mix = [&h](std::int64_t v) { h = (h ^ static_cast<std::uint64_t>(v)) * 1099511628211ull; };
    mix(t.taken);
    mix(t.curplayer);
    mix(t.state);
    mix(t.claimnum);
    mix(nActiveForm);
    mix(t.flowertick);
    mix(t.readyframe);
    mix(t.stepmode);
    for (const CMjPlayer& p : t.Player) {
        mix(p.cardnum);
        mix(p.rivernum);
        mix(p.gangnum);
        mix(p.played);
        mix(p.score);
        mix(p.hasnew);
    }
    return h;
}

// What is wrong with the table after a step, empty when nothing is.
inline std::string TableFault(const CMj& t, bool gameStarted) {
    std::string fault = CountTiles(t).Fault();
    if (fault.empty()) fault = SeenFault(t);
    if (fault.empty() && gameStarted && ScoreSum(t) != 4000)
        fault = "scores sum to " + std::to_string(ScoreSum(t));
    return fault;
}

struct SelfPlayOptions {
    bool userPlays = true;       // false: the user never acts (the watchdog must catch it)
    bool animate = true;         // flights and the timer-driven draw
    std::function<void(CMj&)> afterStep;  // sees the table after every step
    std::function<void(HeadlessTable&)> atEnd;  // sees the table before it goes
};

// Plays `hands` hands under the rules from a seed, with the sound and music stand-ins.
inline SelfPlayFigures PlayHands(const RuleFamily& rules, unsigned seed, int hands,
                                 const SelfPlayOptions& options = {}) {
    constexpr std::uint64_t kWatchdogMs = 60000;
    SelfPlayFigures figures;
    HeadlessTable h(seed, nullptr, StandIns::kSoundAndMusic);
    CMj& t = *h.table;
    t.SetAnimate(options.animate);
    ScriptedUser user(t);
    const auto start = std::chrono::steady_clock::now();
    h.StartGame(rules);
    std::uint64_t lastProgress = Progress(t);
    std::uint64_t lastChange = h.Clock().Now();
    long long steps = 0;
    while (figures.hands < hands) {
        while (options.userPlays && user.Act()) {
        }
        if (options.afterStep) options.afterStep(t);
        const std::string fault = TableFault(t, true);
        if (!fault.empty()) {
            figures.fault = std::string(rules.name) + " seed " + std::to_string(seed) + " hand " +
                            std::to_string(figures.hands) + " step " + std::to_string(steps) +
                            ": " + fault + "\n" + Describe(t);
            break;
        }
        if (nActiveForm == 1) {  // the score sheet: count the hand, then its next-hand button
            figures.hands++;
            bool won = false;
            for (const CMjPlayer& p : t.Player) {
                if (!p.hued) continue;
                won = true;
                figures.wins++;
                figures.fanOfWins += p.fan;
            }
            if (!won) figures.exhausted++;
            figures.trail = figures.trail * 31 + Progress(t);
            nActiveForm = 0;
            t.StartHand();
            if (bMessageShown) {  // somebody went bankrupt: a new game
                bMessageShown = 0;
                h.StartGame(rules);
            }
        }
        const std::uint64_t progress = Progress(t);
        if (progress != lastProgress) {
            lastProgress = progress;
            lastChange = h.Clock().Now();
        } else if (h.Clock().Now() - lastChange > kWatchdogMs) {
            figures.fault = std::string(rules.name) + " seed " + std::to_string(seed) +
                            ": nothing moved for a virtual minute";
            break;
        }
        h.Clock().AdvanceToNextTick();
        steps++;
    }
    figures.refusedWins = static_cast<int>(h.Boxes().Shown().size());
    if (options.atEnd) options.atEnd(h);
    figures.seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return figures;
}

}  // namespace enginetest
