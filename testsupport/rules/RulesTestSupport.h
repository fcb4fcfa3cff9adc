// Hands written as text for the rules tests: digits followed by their suit letter, m for
// characters (suit 0), s for bamboo (1), p for dots (2), z for honours (3: 1-4 winds, 5-7
// dragons) and f for flowers (4); "123m 55z" is 1, 2, 3 of characters and a pair of red.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "rules/FanTable.h"
#include "rules/GbHu.h"
#include "rules/MjPlayer.h"
#include "rules/Tile.h"

// Test frameworks print a fan of a failed comparison as its number and name ("12 四暗刻"),
// the name in UTF-8.  Found by argument-dependent lookup, so they live beside the enums.
void PrintTo(Fan fan, std::ostream* os);
void PrintTo(ExtraFan fan, std::ostream* os);

namespace rulestest {

std::vector<tagMj> T(const std::string& text);
inline tagMj One(const std::string& text) { return T(text).at(0); }
std::string Str(const tagMj* tiles, int n);

// A fan's number and name, as PrintTo writes it.
std::string FanLabel(int fan);

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

void SetMelds(CMjPlayer& p, const std::vector<Meld>& melds);
// The seat's flags that the fan count reads, from the situation.
void ApplySituation(CMjPlayer& p, const Situation& s);
// Prepares the seat for a win test of `hand` and returns the sorted tiles.
std::vector<tagMj> Prepare(CMjPlayer& p, const std::string& hand, const Situation& s);
bool Win(CGbHu& hu, CMjPlayer& p, const std::string& hand, const Situation& s = {});

// The fans flagged in `flags` (1..88), and the extra fans flagged in `flags` (0..6).
std::vector<Fan> Flags(const unsigned char* flags);
std::vector<ExtraFan> ExFlags(const unsigned char* flags);

}  // namespace rulestest
