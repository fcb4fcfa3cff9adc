#include "rules/MjPlayer.h"

#include <cstring>

#include "rules/Log.h"
#include "rules/MjTimer.h"

namespace {

CMjTimer* NewTimer(int interval) {
    CMjTimer* timer = new CMjTimer;
    timer->interval = interval;
    return timer;
}

}  // namespace

CMjPlayer::CMjPlayer() {
    sex = 1;
    language = 1;
    score = 0;
    facetimer = NewTimer(50);
    waittimer = NewTimer(10000);
    actiontimer = NewTimer(1000);
    Reset();
    planon = 1;
    flowers = 0;
    plan_knit = 0;
    quanfeng = 0;
    menfeng = 0;
    ting = 0;
    avatar = 0;
    wildmode = 0;
    wildmj = tagMj{0, 0};
}

CMjPlayer::~CMjPlayer() {
    delete facetimer;
    delete waittimer;
    delete actiontimer;
}

void CMjPlayer::Reset() {
    rivernum = cardnum = gangnum = fan = splitnum = flowers = gain = chownum = 0;
    select = -1;
    paidby = -1;
    played = hasnew = hued = action = face = kongdraw = zimo = hidemj = 0;
    kongwin = robkong = choosechow = choosekong = ting = 0;
    plan_suit = plan_pairs = plan_pungs = plan_knit = plan_knitline = 0;
    std::memset(open, 1, sizeof open);
    std::memset(canplay, 1, sizeof canplay);
    std::memset(lock, 0, sizeof lock);
    std::memset(FanFlag, 0, sizeof FanFlag);
    std::memset(ExFan, 0, sizeof ExFan);
}

bool CMjPlayer::CompareMj(int i, int j) const {
    const tagMj& a = Mj[i];
    const tagMj& b = Mj[j];
    if (wildmode) {
        const bool wildA = IsWild(a);
        const bool wildB = IsWild(b);
        if (wildA && wildB) return b.value < a.value;
        if (wildB) return true;
        if (wildA) return false;
    }
    return TileGreater(a, b);
}

void CMjPlayer::SwapMj(int i, int j) {
    SwapTiles(Mj, i, j);
    const unsigned char mark = lock[i];
    lock[i] = lock[j];
    lock[j] = mark;
}

void CMjPlayer::SortHand() {
    for (int i = 0; i < cardnum - 1; i++)
        for (int j = i; j < cardnum; j++)
            if (CompareMj(i, j)) SwapMj(i, j);
}

int CMjPlayer::CountMj(const tagMj& tile) const {
    int count = 0;
    for (int i = 0; i < cardnum; i++)
        if (TileEqual(Mj[i], tile)) count++;
    return count;
}

bool CMjPlayer::FindMj(const tagMj& tile) const { return CountMj(tile) > 0; }

bool CMjPlayer::IsWild(const tagMj& tile) const {
    return wildmode && MatchesWild(tile, wildmj);
}

bool CMjPlayer::CanChow(const tagMj& tile) {
    if (wildmode && IsWild(tile)) return false;
    chownum = 0;
    if (!IsNumbered(tile)) return false;
    struct Pattern { int lowest, highest, first, second; };
    // Tile in the middle, on top, at the bottom.
    static const Pattern kPatterns[3] = {{2, 8, -1, 1}, {3, 9, -2, -1}, {1, 7, 1, 2}};
    for (const Pattern& p : kPatterns) {
        if (tile.value < p.lowest || tile.value > p.highest) continue;
        const tagMj a = Shifted(tile, p.first);
        const tagMj b = Shifted(tile, p.second);
        if (CountMj(a) < 1 || CountMj(b) < 1 || IsWild(a) || IsWild(b)) continue;
        GetMj& option = Chow[chownum++];
        option.Mj[0] = a;
        option.Mj[1] = b;
        option.num = 2;
        option.kind = kKindChow;
    }
    return chownum > 0;
}

bool CMjPlayer::CanPung(const tagMj& tile) const { return CountMj(tile) >= 2 && !IsWild(tile); }

bool CMjPlayer::CanKong(const tagMj& tile) const { return CountMj(tile) == 3 && !IsWild(tile); }

void CMjPlayer::DeleteMj(const tagMj& tile) {
    for (int i = 0; i < cardnum; i++) {
        if (!TileEqual(Mj[i], tile)) continue;
        for (int k = i; k < cardnum - 1; k++) {
            Mj[k] = Mj[k + 1];
            lock[k] = lock[k + 1];
        }
        cardnum--;
        lock[cardnum] = 0;
        return;
    }
    Log.WriteError("DeleteMj can't find mj to delete.");
}

void CMjPlayer::DeleteMjN(const tagMj& tile, int n) {
    for (int i = 0; i < n; i++) DeleteMj(tile);
}

void CMjPlayer::RemovePlayMj() { DeleteMj(PlayMj); }

void CMjPlayer::PlayMjOut() {
    RemovePlayMj();
    played = 1;
}

bool CMjPlayer::FindConcealedKong(tagMj* out) {
    SortHand();
    int run = 0;
    for (int i = 0; i < cardnum; i++) {
        run = (i > 0 && TileEqual(Mj[i], Mj[i - 1])) ? run + 1 : 1;
        if (run == 4) {
            *out = Mj[i];
            return true;
        }
    }
    return false;
}

bool CMjPlayer::HasPung(const tagMj& tile) const {
    for (int i = 0; i < gangnum; i++)
        if (Gang[i].num == 3 && Gang[i].kind == kKindPung && TileEqual(Gang[i].Mj[0], tile))
            return true;
    return false;
}

bool CMjPlayer::FindAddedKong(tagMj* out) {
    for (int i = 0; i < cardnum; i++) {
        if (!HasPung(Mj[i])) continue;
        *out = Mj[i];
        return true;
    }
    return false;
}

int CMjPlayer::BuildKongOptions() {
    kongnum = 0;
    auto add = [this](const tagMj& tile) {
        if (kongnum < 5 && !FindTile(Kong, kongnum, tile)) Kong[kongnum++] = tile;
    };
    if (hasnew && CountMj(newmj) == 3) add(newmj);
    for (int i = 0; i <= cardnum - 4; i++)
        if (CountMj(Mj[i]) == 4) add(Mj[i]);
    if (hasnew && HasPung(newmj)) add(newmj);
    for (int i = 0; i < cardnum; i++)
        if (HasPung(Mj[i])) add(Mj[i]);
    return kongnum;
}

bool CMjPlayer::IsConcealedHand() const {
    const int melds = MeldCount();
    for (int i = 0; i < melds; i++)
        if (Gang[i].kind != kKindKong || open[i]) return false;
    return true;
}

int CMjPlayer::CountSuit(int suit) const {
    int count = 0;
    for (int i = 0; i < cardnum; i++)
        if (Mj[i].suit == suit) count++;
    const int melds = MeldCount();
    for (int g = 0; g < melds; g++)
        for (int k = 0; k < Gang[g].Count(); k++)
            if (Gang[g].Mj[k].suit == suit) count++;
    return count;
}

int CMjPlayer::MainSuit(int n) const {
    for (int suit = 0; suit < 3; suit++)
        if (CountSuit(suit) >= n) return suit;
    return 10;
}
