// Random legal seats for the computer player's property tests: melds and a concealed hand dealt
// from one set of 136 tiles, so no tile kind is held more than four times, with plan flags,
// the declared-ready flag and the wild rule sometimes set.
#pragma once

#include <random>
#include <vector>

#include "AiTestSupport.h"

namespace aitest {

struct RandomSeat {
    std::unique_ptr<CMjPlayer> seat = NewSeat();
    std::vector<tagMj> pool;   // tiles still unseen by the seat, for discards
};

class SeatDealer {
public:
    explicit SeatDealer(unsigned seed) : rng_(seed) {}

    // A seat with `handTiles` concealed tiles (13 or 14 less three per meld) and 0 to 4 melds.
    RandomSeat Deal(int handTiles, bool withMelds) {
        RandomSeat r;
        std::vector<tagMj> set = ShuffledSet(rng_);
        const int melds = withMelds ? static_cast<int>(rng_() % 5) : 0;
        for (int m = 0; m < melds; ++m) TakeMeld(r.seat.get(), set);
        const int count = handTiles - 3 * r.seat->gangnum;
        for (int i = 0; i < count; ++i) {
            r.seat->Mj[i] = set.back();
            set.pop_back();
        }
        r.seat->cardnum = count;
        SortTiles(r.seat->Mj, count);
        r.pool = set;
        return r;
    }

    // A discard: often a tile of the hand or one next to it, so claims are possible.
    tagMj Discard(const RandomSeat& r) {
        const CMjPlayer* s = r.seat.get();
        for (int tries = 0; tries < 20; ++tries) {
            tagMj t = r.pool[rng_() % r.pool.size()];
            if (rng_() % 3 != 0 && s->cardnum > 0) {
                t = s->Mj[rng_() % s->cardnum];
                if (IsNumbered(t) && rng_() % 2) t = Shifted(t, rng_() % 2 ? 1 : -1);
            }
            if (InPool(r.pool, t)) return t;
        }
        return r.pool.front();
    }

    void MaybePlan(CMjPlayer* s) {
        switch (rng_() % 10) {
        case 0: s->plan_pairs = 1; break;
        case 1: s->plan_suit = 1; s->plan_suitno = static_cast<unsigned char>(rng_() % 3); break;
        case 2: s->plan_pungs = 1; break;
        case 3: s->plan_knit = 1; break;
        case 4: s->plan_knitline = 1; break;
        default: break;
        }
        if (rng_() % 10 == 0) s->ting = 1;
    }

    unsigned Next() { return static_cast<unsigned>(rng_()); }

private:
    static bool InPool(const std::vector<tagMj>& pool, const tagMj& t) {
        for (const tagMj& p : pool)
            if (TileEqual(p, t)) return true;
        return false;
    }
    static bool TakeFromSet(std::vector<tagMj>& set, const tagMj& t) {
        for (size_t i = 0; i < set.size(); ++i) {
            if (TileEqual(set[i], t)) {
                set.erase(set.begin() + static_cast<long>(i));
                return true;
            }
        }
        return false;
    }
    void TakeMeld(CMjPlayer* s, std::vector<tagMj>& set) {
        for (int tries = 0; tries < 50; ++tries) {
            const int kind = static_cast<int>(rng_() % 3);
            const tagMj base = set[rng_() % set.size()];
            std::vector<tagMj> tiles;
            if (kind == kKindChow) {
                if (!IsNumbered(base) || base.value > 7) continue;
                for (int k = 0; k < 3; ++k)
                    tiles.push_back(Shifted(base, k));
            } else {
                tiles.assign(kind == kKindKong ? 4 : 3, base);
            }
            std::vector<tagMj> copy = set;
            bool ok = true;
            for (const tagMj& t : tiles) ok = ok && TakeFromSet(copy, t);
            if (!ok) continue;
            set = copy;
            GetMj& meld = s->Gang[s->gangnum];
            meld = GetMj();
            meld.kind = static_cast<unsigned char>(kind);
            meld.num = static_cast<int>(tiles.size());
            for (int k = 0; k < meld.num; ++k) meld.Mj[k] = tiles[k];
            s->open[s->gangnum] = static_cast<unsigned char>(kind == kKindKong ? rng_() % 2 : 1);
            ++s->gangnum;
            return;
        }
    }

    std::mt19937 rng_;
};

}  // namespace aitest
