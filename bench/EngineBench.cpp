// Speed of one whole offline hand: three computer seats and the scripted user, timers on the
// virtual clock, nothing drawn.  Each hand runs from the dice to the score sheet; the counters
// give the median and the worst hand in milliseconds over a seeded run of hands.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <vector>

#include "platform/Path.h"
#include "testsupport/engine/HeadlessTable.h"

namespace {

using enginetest::HeadlessTable;
using enginetest::RuleFamily;
using enginetest::ScriptedUser;

constexpr int kHands = 200;

// Plays the hand that has just started until its score sheet shows.
void PlayHand(HeadlessTable& h, ScriptedUser& user) {
    while (nActiveForm != 1 && !bMessageShown) {
        while (user.Act()) {
        }
        if (nActiveForm == 1) break;
        h.Clock().AdvanceToNextTick();
    }
}

void WholeHand(benchmark::State& state, const RuleFamily& rules) {
    const auto folder = std::filesystem::temp_directory_path() / "mj_engine_bench";
    std::filesystem::create_directories(folder);
    platform::SetProgramFolder(folder.string());
    std::vector<double> ms;
    for (auto _ : state) {
        HeadlessTable h(1);
        ScriptedUser user(*h.table);
        h.StartGame(rules);
        ms.clear();
        for (int hand = 0; hand < kHands; hand++) {
            const auto start = std::chrono::steady_clock::now();
            PlayHand(h, user);
            ms.push_back(std::chrono::duration<double, std::milli>(
                             std::chrono::steady_clock::now() - start).count());
            nActiveForm = 0;
            if (bMessageShown) {
                bMessageShown = 0;
                h.StartGame(rules);
            } else {
                h.table->StartHand();
                if (bMessageShown) {
                    bMessageShown = 0;
                    h.StartGame(rules);
                }
            }
        }
    }
    std::sort(ms.begin(), ms.end());
    state.counters["median_ms"] = ms[ms.size() / 2];
    state.counters["worst_ms"] = ms.back();
    state.counters["hands"] = static_cast<double>(ms.size());
}

BENCHMARK_CAPTURE(WholeHand, official, enginetest::kOfficial)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK_CAPTURE(WholeHand, open, enginetest::kOpen)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK_CAPTURE(WholeHand, wild_next, enginetest::kWildNext)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK_CAPTURE(WholeHand, wild_flower, enginetest::kWildFlower)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
