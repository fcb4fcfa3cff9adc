#include "testsupport/rules/RulesTestSupport.h"

#include <cstring>

#include "platform/Gbk.h"

namespace {

// The catalogue's names are compiled to GBK where the compiler can encode it.
std::string Utf8(const char* text) {
    return MJ_GBK_LITERALS ? platform::GbkToUtf8(text) : std::string(text);
}

}  // namespace

void PrintTo(Fan fan, std::ostream* os) { *os << rulestest::FanLabel(fan); }

void PrintTo(ExtraFan fan, std::ostream* os) {
    *os << "extra " << static_cast<int>(fan) << " " << Utf8(ExFanName(fan));
}

namespace rulestest {

std::vector<tagMj> T(const std::string& text) {
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
        for (char d : digits) tiles.push_back(MakeTile(d - '0', static_cast<int>(at - letters)));
        digits.clear();
    }
    return tiles;
}

std::string Str(const tagMj* tiles, int n) {
    std::string s;
    for (int i = 0; i < n; i++) {
        s += static_cast<char>('0' + tiles[i].value);
        s += "mspzf?"[tiles[i].suit >= 0 && tiles[i].suit <= 4 ? tiles[i].suit : 5];
    }
    return s;
}

std::string FanLabel(int fan) {
    const bool named = fan >= kFirstFan && fan <= kLastFan;
    return std::to_string(fan) + " " + (named ? Utf8(FanNameTable[fan]) : std::string("?"));
}

void SetMelds(CMjPlayer& p, const std::vector<Meld>& melds) {
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

void ApplySituation(CMjPlayer& p, const Situation& s) {
    p.zimo = s.zimo;
    p.quanfeng = s.quanfeng;
    p.menfeng = s.menfeng;
    p.flowers = s.flowers;
    p.ting = s.ting;
    p.kongwin = s.kongwin;
    p.robkong = s.robkong;
}

std::vector<tagMj> Prepare(CMjPlayer& p, const std::string& hand, const Situation& s) {
    std::vector<tagMj> tiles = T(hand);
    p.Reset();
    SetMelds(p, s.melds);
    ApplySituation(p, s);
    p.winmj = s.last.empty() ? tiles.back() : One(s.last);
    p.cardnum = static_cast<int>(tiles.size()) - 1;
    SortTiles(tiles.data(), static_cast<int>(tiles.size()));
    return tiles;
}

bool Win(CGbHu& hu, CMjPlayer& p, const std::string& hand, const Situation& s) {
    std::vector<tagMj> tiles = Prepare(p, hand, s);
    int seen[kTileKeyCount] = {};
    seen[TileKey(p.winmj)] = s.seenLast;
    return hu.Hu(&p, tiles.data(), static_cast<int>(tiles.size()), seen, s.leavenum);
}

std::vector<Fan> Flags(const unsigned char* flags) {
    std::vector<Fan> set;
    for (int k = kFirstFan; k <= kLastFan; k++)
        if (flags[k]) set.push_back(static_cast<Fan>(k));
    return set;
}

std::vector<ExtraFan> ExFlags(const unsigned char* flags) {
    std::vector<ExtraFan> set;
    for (int k = 0; k < kExFanCount; k++)
        if (flags[k]) set.push_back(static_cast<ExtraFan>(k));
    return set;
}

}  // namespace rulestest
