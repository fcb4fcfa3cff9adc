// The scorer's win test with its fans, over a fixed set of seeded random winning hands.
#include <benchmark/benchmark.h>

#include <random>
#include <vector>

#include "rules/GbHu.h"
#include "rules/MjPlayer.h"
#include "testsupport/rules/RandomHands.h"

namespace {

struct BenchHand {
    std::vector<tagMj> tiles;
    tagMj last;
    bool zimo;
};

const std::vector<BenchHand>& Hands() {
    static const std::vector<BenchHand> hands = [] {
        std::mt19937 rng(144);
        std::vector<BenchHand> list;
        for (int i = 0; i < 10000; i++) {
            BenchHand h;
            h.tiles = rulestest::RandomWinningHand(rng, 4, static_cast<int>(rng() % 101));
            h.last = h.tiles[rng() % h.tiles.size()];
            h.zimo = rng() % 2;
            list.push_back(h);
        }
        return list;
    }();
    return hands;
}

void BM_HuWithFans(benchmark::State& state) {
    const std::vector<BenchHand>& hands = Hands();
    CGbHu hu;
    hu.minfan = static_cast<int>(state.range(0));
    CMjPlayer seat;
    int seen[kTileKeyCount] = {};
    std::vector<tagMj> tiles(14);
    size_t next = 0;
    int wins = 0;
    for (auto _ : state) {
        const BenchHand& h = hands[next];
        next = next + 1 == hands.size() ? 0 : next + 1;
        seat.cardnum = 13;
        seat.winmj = h.last;
        seat.zimo = h.zimo;
        std::copy(h.tiles.begin(), h.tiles.end(), tiles.begin());
        wins += hu.Hu(&seat, tiles.data(), 14, seen, 40) ? 1 : 0;
    }
    benchmark::DoNotOptimize(wins);
    state.SetItemsProcessed(state.iterations());
    state.SetLabel("hands");
}
BENCHMARK(BM_HuWithFans)->Arg(8)->Arg(0);

}  // namespace
