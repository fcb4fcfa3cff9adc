// Speed of the computer player's decisions: the discard choice and each claim decision, per
// call, on a seeded set of random hands plus the shapes that make its searches work hardest.
// Each benchmark runs every hand of its set once and reports the median and the worst call in
// microseconds (counters median_us and worst_us).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "rules/MjAi.h"
#include "rules/MjPlayer.h"
#include "rules/Random.h"
#include "testsupport/rules/RulesTestSupport.h"

namespace {

constexpr int kRandomHands = 10000;

// One-suit and crowded shapes: the decomposition searches branch most on these.
const char* const kWorstShapes[] = {
    "11223344556677m", "22334455667788s", "33445566778899p", "11122233344455m",
    "11112222333344m", "11123456789999m", "12345678912345m", "23456777888999s",
    "11223345667788p", "12233344455567m", "11122334455667s", "12223334445556p",
    "1122334455667z",  "44445555666677m",
};

std::vector<tagMj> Parse(const std::string& text) { return rulestest::T(text); }

struct Case {
    std::vector<tagMj> hand;
    tagMj tile;   // the discard a claim decides on
};

// A claim is asked only where the rules allow it; each kind gets a discard it can claim.
enum class Claim { kNone, kPung, kChow, kKong };

tagMj ClaimTile(const std::vector<tagMj>& hand, Claim claim, std::mt19937& rng) {
    auto count = [&](const tagMj& t) {
        return static_cast<int>(std::count_if(hand.begin(), hand.end(),
                                              [&](const tagMj& h) { return TileEqual(h, t); }));
    };
    std::vector<tagMj> options;
    for (const tagMj& h : hand) {
        if (claim == Claim::kPung && count(h) >= 2 && count(h) < 4) options.push_back(h);
        if (claim == Claim::kKong && count(h) == 3) options.push_back(h);
        if (claim == Claim::kChow && IsNumbered(h)) {
            // Discards that complete a run with h and a neighbour of h.
            for (int d : {-2, -1, 1, 2}) {
                const tagMj t{static_cast<signed char>(h.value + d), h.suit};
                const int low = std::min<int>(h.value, t.value);
                const int gap = d < 0 ? -d : d;
                const tagMj third{static_cast<signed char>(gap == 2 ? low + 1 : low + 2), h.suit};
                const tagMj below{static_cast<signed char>(low - 1), h.suit};
                const bool run = count(third) > 0 || (gap == 1 && low > 1 && count(below) > 0);
                if (t.value >= 1 && t.value <= 9 && count(t) < 4 && run) options.push_back(t);
            }
        }
    }
    if (options.empty()) return tagMj{0, 0};
    return options[rng() % options.size()];
}

// The seeded hands: `size` tiles each, dealt from shuffled sets, then the worst shapes cut to
// the same size.  For kongs each random hand is dealt around three copies of one tile.
std::vector<Case> MakeCases(int size, Claim claim) {
    std::mt19937 rng(20261210);
    std::vector<Case> cases;
    while (static_cast<int>(cases.size()) < kRandomHands) {
        std::vector<tagMj> set;
        for (int i = 0; i < 136; ++i) set.push_back(TileFromIndex(static_cast<std::uint8_t>(i)));
        std::shuffle(set.begin(), set.end(), rng);
        Case c;
        if (claim == Claim::kKong) {
            const tagMj triple = set.back();
            c.hand.assign(3, triple);
            int copies = 3;
            for (const tagMj& t : set) {
                if (static_cast<int>(c.hand.size()) == size) break;
                if (TileEqual(t, triple) && copies-- > 0) continue;
                c.hand.push_back(t);
            }
        } else {
            c.hand.assign(set.begin(), set.begin() + size);
        }
        c.tile = ClaimTile(c.hand, claim, rng);
        if (claim != Claim::kNone && c.tile.value == 0) continue;
        cases.push_back(c);
    }
    for (const char* shape : kWorstShapes) {
        Case c;
        c.hand = Parse(shape);
        c.hand.resize(std::min<size_t>(c.hand.size(), static_cast<size_t>(size)));
        c.tile = ClaimTile(c.hand, claim, rng);
        if (claim != Claim::kNone && c.tile.value == 0) continue;
        cases.push_back(c);
    }
    return cases;
}

long long FixedClock(void*) { return 1765000000; }

void SetSeat(CMjPlayer* seat, const std::vector<tagMj>& hand) {
    seat->Reset();
    // Every seat carries a knitted suit order, as one an earlier hand chose, so the evaluator
    // measures the knitted straight too.
    for (int row = 0; row < 3; ++row) seat->knitline_suit[row] = row;
    seat->cardnum = static_cast<int>(hand.size());
    for (int i = 0; i < seat->cardnum; ++i) seat->Mj[i] = hand[i];
    SortTiles(seat->Mj, seat->cardnum);
}

// Runs `decide` once per case, timing each call, and reports the median and the worst.
template <typename Decide>
void RunCases(benchmark::State& state, const std::vector<Case>& cases, Decide decide) {
    MjSetClock(FixedClock, nullptr);
    auto seat = std::make_unique<CMjPlayer>();
    CMjAi ai;
    ai.minfan = static_cast<int>(state.range(0));
    int seen[kTileKeyCount] = {};
    std::vector<double> micros;
    micros.reserve(cases.size());
    size_t next = 0;
    for (auto _ : state) {
        const Case& c = cases[next++ % cases.size()];
        SetSeat(seat.get(), c.hand);
        const auto start = std::chrono::steady_clock::now();
        decide(ai, seat.get(), c, seen);
        const auto end = std::chrono::steady_clock::now();
        micros.push_back(std::chrono::duration<double, std::micro>(end - start).count());
    }
    std::sort(micros.begin(), micros.end());
    state.counters["median_us"] = micros[micros.size() / 2];
    state.counters["worst_us"] = micros.back();
    state.counters["hands"] = static_cast<double>(cases.size());
    MjSetClock(nullptr, nullptr);
}

const std::vector<Case>& Cases(Claim claim) {
    static const std::vector<Case> play = MakeCases(14, Claim::kNone);
    static const std::vector<Case> pung = MakeCases(13, Claim::kPung);
    static const std::vector<Case> chow = MakeCases(13, Claim::kChow);
    static const std::vector<Case> kong = MakeCases(13, Claim::kKong);
    switch (claim) {
    case Claim::kPung: return pung;
    case Claim::kChow: return chow;
    case Claim::kKong: return kong;
    default: return play;
    }
}

void BM_Play(benchmark::State& state) {
    RunCases(state, Cases(Claim::kNone), [](CMjAi& ai, CMjPlayer* seat, const Case&, int* seen) {
        ai.Play(seat, seen, 60, nullptr, 0);
        benchmark::DoNotOptimize(seat->PlayMj);
    });
}

void BM_ShouldPung(benchmark::State& state) {
    RunCases(state, Cases(Claim::kPung), [](CMjAi& ai, CMjPlayer* seat, const Case& c, int* seen) {
        benchmark::DoNotOptimize(ai.ShouldPung(seat, &c.tile, seen, 60));
    });
}

void BM_ShouldChow(benchmark::State& state) {
    RunCases(state, Cases(Claim::kChow), [](CMjAi& ai, CMjPlayer* seat, const Case& c, int* seen) {
        benchmark::DoNotOptimize(ai.ShouldChow(seat, &c.tile, seen, 60));
    });
}

void BM_ShouldKong(benchmark::State& state) {
    RunCases(state, Cases(Claim::kKong), [](CMjAi& ai, CMjPlayer* seat, const Case& c, int* seen) {
        benchmark::DoNotOptimize(ai.ShouldKong(seat, &c.tile, seen, 60));
    });
}

// The small search of the shape heuristic alone, unpruned, on the worst shapes.
void BM_FindReadyDiscardSmall(benchmark::State& state) {
    std::vector<Case> cases;
    for (const char* shape : kWorstShapes) cases.push_back(Case{Parse(shape), tagMj{0, 0}});
    RunCases(state, cases, [](CMjAi& ai, CMjPlayer* seat, const Case& c, int*) {
        tagMj out;
        benchmark::DoNotOptimize(ai.FindReadyDiscardSmall(c.hand.data(), static_cast<int>(c.hand.size()), &out));
    });
}

const int64_t kAllHands = kRandomHands + static_cast<int64_t>(std::size(kWorstShapes));

// Argument: the play minimum (8 the evaluator, 0 the decomposition search).
BENCHMARK(BM_Play)->Arg(8)->Arg(0)->Iterations(kAllHands)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ShouldPung)->Arg(8)->Iterations(kAllHands)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ShouldChow)->Arg(8)->Iterations(kAllHands)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ShouldKong)->Arg(8)->Iterations(kAllHands)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FindReadyDiscardSmall)->Arg(0)->Iterations(std::size(kWorstShapes))->Unit(benchmark::kMicrosecond);

}  // namespace
