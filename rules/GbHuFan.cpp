// The tile-list and seat-level fan tests: everything that looks at the hand and the melds as
// one list of tiles, or at the seat's flags, rather than at a decomposition.
#include "rules/GbHu.h"
#include "rules/MjPlayer.h"

namespace {

// Counts of one tile list by kind, and what the tests need to know about it.
struct TileCensus {
    int count[kTileKeyCount] = {};
    bool suitPresent[5] = {};
    int numberedSuits = 0;
    int honours = 0;

    TileCensus(const tagMj* tiles, int num) {
        for (int i = 0; i < num; i++) {
            const int key = TileKey(tiles[i]);
            if (key >= 0 && key < kTileKeyCount) count[key]++;
            if (tiles[i].suit >= 0 && tiles[i].suit < 5) suitPresent[tiles[i].suit] = true;
            if (tiles[i].suit == kHonourSuit) honours++;
        }
        for (int s = 0; s < 3; s++) numberedSuits += suitPresent[s] ? 1 : 0;
    }

    // All three numbered suits, a wind and a dragon are present (五门齐).
    bool HasAllFiveKinds() const {
        bool wind = false, dragon = false;
        for (int v = 1; v <= 4; v++) wind = wind || count[30 + v] > 0;
        for (int v = 5; v <= 7; v++) dragon = dragon || count[30 + v] > 0;
        return numberedSuits == 3 && wind && dragon;
    }
};

// Every tile numbered with a value in [low, high].
bool AllNumberedIn(const tagMj* tiles, int num, int low, int high) {
    for (int i = 0; i < num; i++)
        if (!IsNumbered(tiles[i]) || tiles[i].value < low || tiles[i].value > high) return false;
    return true;
}

// Tiles of 绿一色: bamboo 2, 3, 4, 6, 8 and the green dragon.
bool IsGreen(const tagMj& t) {
    if (t.suit == kHonourSuit) return t.value == 6;
    return t.suit == 1 && (t.value == 2 || t.value == 3 || t.value == 4 || t.value == 6 ||
                           t.value == 8);
}

// Tiles of 推不倒, whose faces look the same upside down.
bool IsReversible(const tagMj& t) {
    static const char kDots[10] = {0, 1, 1, 1, 1, 1, 0, 0, 1, 1};
    static const char kBamboo[10] = {0, 0, 1, 0, 1, 1, 1, 0, 1, 1};
    if (t.value < 1 || t.value > 9) return false;
    if (t.suit == 2) return kDots[t.value] != 0;
    if (t.suit == 1) return kBamboo[t.value] != 0;
    return t.suit == kHonourSuit && t.value == 7;
}

template <typename Pred>
bool AllTiles(const tagMj* tiles, int num, Pred pred) {
    for (int i = 0; i < num; i++)
        if (!pred(tiles[i])) return false;
    return true;
}

// 九莲宝灯: without the last tile, 1112345678999 of one suit (the nine-sided wait).
bool IsNineGates(const TileCensus& c, const tagMj* tiles, int num, const tagMj& last) {
    if (num != kMaxHandTiles || c.numberedSuits != 1 || c.honours != 0 || !IsNumbered(tiles[0]))
        return false;
    if (last.suit != tiles[0].suit || last.value < 1 || last.value > 9) return false;
    static const int kGates[10] = {0, 3, 1, 1, 1, 1, 1, 1, 1, 3};
    const int base = tiles[0].suit * 10;
    for (int v = 1; v <= 9; v++)
        if (c.count[base + v] - (v == last.value ? 1 : 0) != kGates[v]) return false;
    return true;
}

bool IsSevenShiftedPairs(const tagMj* tiles, int num) {
    if (num != kMaxHandTiles || !IsNumbered(tiles[0])) return false;
    for (int i = 0; i < 7; i++) {
        const tagMj& a = tiles[2 * i];
        if (!TileEqual(a, tiles[2 * i + 1]) || a.suit != tiles[0].suit) return false;
        if (a.value != tiles[0].value + i) return false;
    }
    return true;
}

// 字一色, 绿一色, 推不倒, 清一色, 混一色, 缺一门, 无字, 五门齐: which suits and faces the
// tiles show.
void MarkSuitFans(const TileCensus& c, const tagMj* tiles, int num, unsigned char* f) {
    if (num > 0 && c.honours == num) f[kFanAllHonours] = 1;
    if (num > 0 && AllTiles(tiles, num, IsGreen)) f[kFanAllGreen] = 1;
    if (num > 0 && AllTiles(tiles, num, IsReversible)) f[kFanReversibleTiles] = 1;
    if (c.honours == 0 && c.numberedSuits == 1) f[kFanFullFlush] = 1;
    if (c.numberedSuits == 1) f[kFanHalfFlush] = 1;
    if (c.numberedSuits <= 2) f[kFanOneVoidedSuit] = 1;
    if (c.honours == 0) f[kFanNoHonours] = 1;
    if (c.HasAllFiveKinds()) f[kFanAllTypes] = 1;
}

// 全大, 全中, 全小, 大于五, 小于五, 断幺: the values every tile keeps within.
void MarkValueRangeFans(const tagMj* tiles, int num, unsigned char* f) {
    if (num == 0) return;
    if (AllNumberedIn(tiles, num, 7, 9)) f[kFanUpperTiles] = 1;
    if (AllNumberedIn(tiles, num, 4, 6)) f[kFanMiddleTiles] = 1;
    if (AllNumberedIn(tiles, num, 1, 3)) f[kFanLowerTiles] = 1;
    if (AllNumberedIn(tiles, num, 6, 9)) f[kFanUpperFour] = 1;
    if (AllNumberedIn(tiles, num, 1, 4)) f[kFanLowerFour] = 1;
    if (AllNumberedIn(tiles, num, 2, 8)) f[kFanAllSimples] = 1;
}

// 双箭刻 and 箭刻: dragons (red, green, white) with three or more tiles.
void MarkDragonFans(const TileCensus& c, unsigned char* f) {
    int sets = 0;
    for (int v = 5; v <= 7; v++) sets += c.count[30 + v] >= 3 ? 1 : 0;
    if (sets == 2) f[kFanTwoDragonPungs] = 1;
    if (sets == 1) f[kFanDragonPung] = 1;
}

// 四归一: four of a tile that are not one of the seat's kongs; how many such tiles.
int TileHogs(const TileCensus& c, const CMjPlayer& seat) {
    const int melds = seat.MeldCount();
    int hogs = 0;
    for (int key = 0; key < kTileKeyCount; key++) {
        if (c.count[key] < 4) continue;
        bool kongMeld = false;
        for (int i = 0; i < melds; i++)
            if (seat.Gang[i].kind == kKindKong && TileKey(seat.Gang[i].Mj[0]) == key)
                kongMeld = true;
        if (!kongMeld) hogs++;
    }
    return hogs;
}

// No concealed kong among the seat's melds.
bool AllMeldsExposed(const CMjPlayer& seat) {
    const int melds = seat.MeldCount();
    for (int i = 0; i < melds; i++)
        if (seat.Gang[i].kind == kKindKong && !seat.open[i]) return false;
    return true;
}

// 门前清, 自摸 (or both as 不求人), 全求人, 杠上开花, 抢杠和, 听牌: the seat's own flags.
void MarkSeatFans(const CMjPlayer& seat, int minfan, unsigned char* f) {
    if (seat.IsConcealedHand()) f[kFanConcealedHand] = 1;
    if (seat.zimo) f[kFanSelfDrawn] = 1;
    if (f[kFanConcealedHand] && f[kFanSelfDrawn]) {
        f[kFanFullyConcealedHand] = 1;
        f[kFanConcealedHand] = f[kFanSelfDrawn] = 0;
    }
    if (seat.cardnum == 1 && !seat.zimo && AllMeldsExposed(seat)) f[kFanMeldedHand] = 1;
    if (seat.kongwin) f[kFanOutWithReplacementTile] = 1;
    if (seat.robkong) f[kFanRobbingTheKong] = 1;
    if (minfan == 0 && seat.ting) f[kFanReadyHand] = 1;
}

}  // namespace

bool CGbHu::CalcFan(const tagMj* tiles, int num, CMjPlayer* seat) {
    if (!seat) return false;
    player = seat;
    const TileCensus c(tiles, num);
    unsigned char* f = workfan;
    MarkSuitFans(c, tiles, num, f);
    MarkValueRangeFans(tiles, num, f);
    MarkDragonFans(c, f);
    if (seat->MeldCount() == 0) {
        if (IsNineGates(c, tiles, num, seat->winmj)) f[kFanNineGates] = 1;
        if (IsSevenShiftedPairs(tiles, num)) f[kFanSevenShiftedPairs] = 1;
    }
    if (IsThirteenOrphans(tiles, num)) f[kFanThirteenOrphans] = 1;
    fourcount = TileHogs(c, *seat);
    if (fourcount > 0) f[kFanTileHog] = 1;
    MarkSeatFans(*seat, minfan, f);
    MarkKongFans();
    return true;
}

void CGbHu::MarkTerminalPairs(const tagMj* tiles, int num) {
    if (num == 0) return;
    bool honours = false;
    for (int i = 0; i < num; i++) {
        if (tiles[i].suit == kHonourSuit) honours = true;
        else if (!IsTerminal(tiles[i])) return;
    }
    workfan[honours ? kFanAllTerminalsAndHonours : kFanAllTerminals] = 1;
}

// 四杠, 三杠, 暗杠, 明杠, 双暗杠, 双明杠: the seat's kong melds, concealed and exposed.
void CGbHu::MarkKongFans() {
    const int melds = player->MeldCount();
    unsigned char* f = workfan;
    ankongcount = mingkongcount = 0;
    for (int i = 0; i < melds; i++) {
        if (player->Gang[i].kind != kKindKong) continue;
        if (!player->open[i]) {
            f[kFanConcealedKong] = 1;
            ankongcount++;
        } else {
            f[kFanMeldedKong] = 1;
            mingkongcount++;
        }
    }
    const int kongs = ankongcount + mingkongcount;
    if (kongs == 4) f[kFanFourKongs] = 1;
    if (kongs == 3) f[kFanThreeKongs] = 1;
    if (ankongcount == 2) {
        f[kFanTwoConcealedKongs] = 1;
        f[kFanConcealedKong] = 0;
    }
    if (mingkongcount == 2) {
        f[kFanTwoMeldedKongs] = 1;
        f[kFanMeldedKong] = 0;
    }
}
