// Seats for the computer player's tests, built from hands written the short way of the rules
// tests ("123m456s789p1155z"), and shuffled sets for random hands.
#pragma once

#include <algorithm>
#include <cstdint>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "rules/Evaluation.h"
#include "rules/MjPlayer.h"
#include "rules/Tile.h"
#include "testsupport/rules/RulesTestSupport.h"

namespace aitest {

inline std::vector<tagMj> Tiles(const std::string& text) { return rulestest::T(text); }
inline tagMj T(const std::string& text) { return rulestest::One(text); }
inline std::string Names(const tagMj* tiles, int n) { return rulestest::Str(tiles, n); }
inline std::string Name(const tagMj& t) { return rulestest::Str(&t, 1); }
// The fan a plan aims at, printed by name when a comparison fails.
inline Fan PlanFan(const tagEvalPlan& plan) { return static_cast<Fan>(plan.fan); }

// A seat at the start of a hand, with the fields a computer seat's decisions read set.
inline std::unique_ptr<CMjPlayer> NewSeat() {
    auto seat = std::make_unique<CMjPlayer>();
    seat->Reset();
    for (int i = 0; i < 3; ++i) seat->knit_suit[i] = seat->knitline_suit[i] = i;
    seat->quanfeng = 1;
    seat->menfeng = 2;
    seat->winmj = tagMj{0, 0};
    return seat;
}

inline void SetHand(CMjPlayer* seat, const std::string& text) {
    const auto tiles = Tiles(text);
    seat->cardnum = static_cast<int>(tiles.size());
    for (int i = 0; i < seat->cardnum; ++i) seat->Mj[i] = tiles[i];
    SortTiles(seat->Mj, seat->cardnum);
}

inline void AddMeld(CMjPlayer* seat, unsigned char kind, const std::string& text,
                    unsigned char open = 1) {
    const auto tiles = Tiles(text);
    GetMj& meld = seat->Gang[seat->gangnum];
    meld = GetMj();
    meld.kind = kind;
    meld.num = static_cast<int>(tiles.size());
    for (int i = 0; i < meld.num; ++i) meld.Mj[i] = tiles[i];
    seat->open[seat->gangnum] = open;
    ++seat->gangnum;
}

// The 136 playing tiles (no flowers), shuffled by `rng`.
inline std::vector<tagMj> ShuffledSet(std::mt19937& rng) {
    std::vector<tagMj> set;
    for (int index = 0; index < 136; ++index) set.push_back(TileFromIndex(static_cast<std::uint8_t>(index)));
    std::shuffle(set.begin(), set.end(), rng);
    return set;
}

}  // namespace aitest
