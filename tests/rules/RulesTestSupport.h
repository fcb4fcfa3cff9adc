// Hands written as text for the rules tests: digits followed by their suit letter, m for
// characters (suit 0), s for bamboo (1), p for dots (2), z for honours (3: 1-4 winds, 5-7
// dragons) and f for flowers (4); "123m 55z" is 1, 2, 3 of characters and a pair of red.
#pragma once

#include <cstring>
#include <string>
#include <vector>

#include "rules/GbHu.h"
#include "rules/MjPlayer.h"
#include "rules/Tile.h"

namespace rulestest {

inline std::vector<tagMj> T(const std::string& text) {
    std::vector<tagMj> tiles;
    std::string digits;
    for (char ch : text) {
        if (ch >= '0' && ch <= '9') {
            digits += ch;
            continue;
        }
        const char* letters = "mspzf";
        const char* at = std::strchr(letters, ch);
        if (!at || ch == '\0') continue;
        for (char d : digits)
            tiles.push_back(tagMj{static_cast<signed char>(d - '0'),
                                  static_cast<signed char>(at - letters)});
        digits.clear();
    }
    return tiles;
}

inline tagMj One(const std::string& text) { return T(text).at(0); }

inline std::string Str(const tagMj* tiles, int n) {
    std::string s;
    for (int i = 0; i < n; i++) {
        s += static_cast<char>('0' + tiles[i].value);
        s += "mspzf?"[tiles[i].suit >= 0 && tiles[i].suit <= 4 ? tiles[i].suit : 5];
    }
    return s;
}

struct Meld {
    std::string tiles;
    bool exposed = true;
};

// One win to score: the seat's melds, its concealed hand with the winning tile, and the
// situation around it.
struct Situation {
    std::vector<Meld> melds;
    std::string last;          // the winning tile; empty: the hand's last tile
    bool zimo = false;
    int quanfeng = 1, menfeng = 1;
    int flowers = 0;
    int leavenum = 50;
    int seenLast = 0;          // visible copies of the winning tile
    bool ting = false, kongwin = false, robkong = false;
};

// Builds a situation one detail at a time: Sit().Meld("123m").Zimo().
struct Sit : Situation {
    Sit& Meld(const std::string& tiles, bool exposed = true) {
        melds.push_back({tiles, exposed});
        return *this;
    }
    Sit& Last(const std::string& tile) { last = tile; return *this; }
    Sit& Zimo() { zimo = true; return *this; }
    Sit& Winds(int quan, int men) { quanfeng = quan; menfeng = men; return *this; }
    Sit& Flowers(int n) { flowers = n; return *this; }
    Sit& LastOfWall() { leavenum = 1; return *this; }
    Sit& SeenAll() { seenLast = 4; return *this; }
    Sit& Ting() { ting = true; return *this; }
    Sit& KongWin() { kongwin = true; return *this; }
    Sit& RobKong() { robkong = true; return *this; }
};

inline void SetMelds(CMjPlayer& p, const std::vector<Meld>& melds) {
    p.gangnum = 0;
    for (const Meld& m : melds) {
        GetMj& g = p.Gang[p.gangnum];
        const std::vector<tagMj> t = T(m.tiles);
        g = GetMj();
        g.num = static_cast<int>(t.size());
        for (int i = 0; i < g.num; i++) g.Mj[i] = t[i];
        g.kind = g.num == 4 ? kKindKong : (TileEqual(t[0], t[1]) ? kKindPung : kKindChow);
        p.open[p.gangnum] = m.exposed ? 1 : 0;
        p.gangnum++;
    }
}

// The seat's flags that the fan count reads, from the situation.
inline void ApplySituation(CMjPlayer& p, const Situation& s) {
    p.zimo = s.zimo;
    p.quanfeng = s.quanfeng;
    p.menfeng = s.menfeng;
    p.flowers = s.flowers;
    p.ting = s.ting;
    p.kongwin = s.kongwin;
    p.robkong = s.robkong;
}

// Prepares the seat for a win test of `hand` and returns the sorted tiles.
inline std::vector<tagMj> Prepare(CMjPlayer& p, const std::string& hand, const Situation& s) {
    std::vector<tagMj> tiles = T(hand);
    p.Reset();
    SetMelds(p, s.melds);
    ApplySituation(p, s);
    p.winmj = s.last.empty() ? tiles.back() : One(s.last);
    p.cardnum = static_cast<int>(tiles.size()) - 1;
    SortTiles(tiles.data(), static_cast<int>(tiles.size()));
    return tiles;
}

inline bool Win(CGbHu& hu, CMjPlayer& p, const std::string& hand, const Situation& s = {}) {
    std::vector<tagMj> tiles = Prepare(p, hand, s);
    int seen[kTileKeyCount] = {};
    seen[TileKey(p.winmj)] = s.seenLast;
    return hu.Hu(&p, tiles.data(), static_cast<int>(tiles.size()), seen, s.leavenum);
}

// The fan numbers flagged in `flags` (1..88).
inline std::vector<int> Flags(const unsigned char* flags) {
    std::vector<int> set;
    for (int k = 1; k <= 88; k++)
        if (flags[k]) set.push_back(k);
    return set;
}

inline std::vector<int> ExFlags(const unsigned char* flags) {
    std::vector<int> set;
    for (int k = 0; k < kExFanCount; k++)
        if (flags[k]) set.push_back(k);
    return set;
}

}  // namespace rulestest
