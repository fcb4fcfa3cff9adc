// Hands written the short way ("123m456s789p1155z": m characters, s bamboo, p dots, z honours,
// f flowers), seats built from them, and random legal hands.
#pragma once

#include <algorithm>
#include <cstdint>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "engine/MjPlayer.h"
#include "rules/Tile.h"

namespace aitest {

inline std::vector<tagMj> Tiles(const std::string& text) {
    std::vector<tagMj> tiles;
    std::string digits;
    for (char c : text) {
        if (c >= '0' && c <= '9') {
            digits += c;
            continue;
        }
        const std::string suits = "mspzf";
        const auto suit = suits.find(c);
        if (suit == std::string::npos) continue;
        for (char d : digits)
            tiles.push_back(tagMj{static_cast<signed char>(d - '0'), static_cast<signed char>(suit)});
        digits.clear();
    }
    return tiles;
}

inline tagMj T(const std::string& text) { return Tiles(text).at(0); }

inline std::string Name(const tagMj& t) {
    return std::to_string(t.value) + std::string(1, "mspzf?"[t.suit >= 0 && t.suit < 5 ? t.suit : 5]);
}

inline std::string Names(const tagMj* tiles, int n) {
    std::string s;
    for (int i = 0; i < n; ++i) s += Name(tiles[i]) + (i + 1 < n ? " " : "");
    return s;
}

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
