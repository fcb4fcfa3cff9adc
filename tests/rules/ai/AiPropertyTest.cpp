#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "RandomSeats.h"
#include "rules/MjAi.h"
#include "rules/Random.h"

namespace {

using aitest::Name;
using aitest::Names;
using aitest::RandomSeat;
using aitest::SeatDealer;

long long FixedClock(void* context) { return *static_cast<long long*>(context); }

// What a claim decision must give back: the hand as a multiset, the counts, the melds and
// their open flags.
struct SeatState {
    std::vector<std::pair<int, int>> hand;
    int cardnum;
    int gangnum;
    std::vector<std::vector<int>> melds;
    std::vector<int> open;

    explicit SeatState(const CMjPlayer* s) : cardnum(s->cardnum), gangnum(s->gangnum) {
        for (int i = 0; i < s->cardnum; ++i) hand.emplace_back(s->Mj[i].suit, s->Mj[i].value);
        std::sort(hand.begin(), hand.end());
        for (int m = 0; m < s->gangnum; ++m) {
            std::vector<int> meld{s->Gang[m].kind, s->Gang[m].num};
            for (int k = 0; k < s->Gang[m].num; ++k) {
                meld.push_back(s->Gang[m].Mj[k].suit);
                meld.push_back(s->Gang[m].Mj[k].value);
            }
            melds.push_back(meld);
        }
        open.assign(s->open, s->open + 5);
    }
    bool operator==(const SeatState& o) const {
        return hand == o.hand && cardnum == o.cardnum && gangnum == o.gangnum &&
               melds == o.melds && open == o.open;
    }
};

// The hand position by position with its lock marks: a claim decision puts back exactly what
// it took out, so the order and the marks that travel with the tiles survive it too.
std::string ExactHand(const CMjPlayer* s) {
    std::string text = Names(s->Mj, s->cardnum) + " locks ";
    for (int i = 0; i < s->cardnum; ++i) text += static_cast<char>('0' + s->lock[i]);
    return text;
}

class AiPropertyTest : public ::testing::Test {
protected:
    void SetUp() override { MjSetClock(FixedClock, &now); }
    void TearDown() override { MjSetClock(nullptr, nullptr); }

    // Seen counts of a few tiles of the pool, as if discarded.
    void SeeSome(SeatDealer& dealer, const RandomSeat& r, int* seen) {
        std::memset(seen, 0, sizeof(int) * kTileKeyCount);
        const int shown = static_cast<int>(dealer.Next() % 30);
        for (int i = 0; i < shown && i < static_cast<int>(r.pool.size()); ++i)
            ++seen[TileKey(r.pool[i])];
    }

    // A seat on its turn: 14 tiles, with melds every other round, perhaps a plan, and the seen
    // counts; the play minimum alternates between the evaluator's 8 and the search's 0, and the
    // clock moves on a little.
    RandomSeat DealTurn(SeatDealer& dealer, CMjAi& ai, int round, int* seen) {
        RandomSeat r = dealer.Deal(14, round % 2 == 1);
        dealer.MaybePlan(r.seat.get());
        ai.minfan = round % 3 == 0 ? 0 : 8;
        SeeSome(dealer, r, seen);
        now += static_cast<long long>(dealer.Next() % 2);
        return r;
    }

    long long now = 1765000000;
};

TEST_F(AiPropertyTest, ClaimDecisionsGiveTheSeatBackAsTheyFoundIt) {
    SeatDealer dealer(7);
    CMjAi ai;
    int yes[3] = {};
    for (int round = 0; round < 10000; ++round) {
        RandomSeat r = dealer.Deal(13, true);
        CMjPlayer* s = r.seat.get();
        dealer.MaybePlan(s);
        ai.wildrule = dealer.Next() % 5 == 0;
        ai.wildmj = r.pool[dealer.Next() % r.pool.size()];
        int seen[kTileKeyCount];
        SeeSome(dealer, r, seen);
        const tagMj discard = dealer.Discard(r);
        for (int i = 0; i < s->cardnum; ++i) s->lock[i] = static_cast<unsigned char>(dealer.Next() % 2);
        const SeatState before(s);
        const std::string exact = ExactHand(s);
        const std::string what = Names(s->Mj, s->cardnum) + " on " + Name(discard);

        yes[0] += ai.ShouldPung(s, &discard, seen, 50);
        ASSERT_TRUE(SeatState(s) == before) << "pung " << what;
        ASSERT_EQ(ExactHand(s), exact) << "pung " << what;
        if (ai.ShouldChow(s, &discard, seen, 50)) {
            ++yes[1];
            EXPECT_TRUE(s->FindMj(s->chowmj[0]) && s->FindMj(s->chowmj[1])) << what;
            tagMj run[3] = {discard, s->chowmj[0], s->chowmj[1]};
            SortTiles(run, 3);
            EXPECT_TRUE(run[0].suit == run[2].suit && run[1].value == run[0].value + 1 &&
                        run[2].value == run[0].value + 2)
                << what;
        }
        ASSERT_TRUE(SeatState(s) == before) << "chow " << what;
        ASSERT_EQ(ExactHand(s), exact) << "chow " << what;
        yes[2] += ai.ShouldKong(s, &discard, seen, 50);
        ASSERT_TRUE(SeatState(s) == before) << "kong " << what;
        ASSERT_EQ(ExactHand(s), exact) << "kong " << what;
        // A kong of a tile the hand holds four or three of, as on the seat's own turn.
        for (int i = 0; i < s->cardnum; ++i) {
            if (s->CountMj(s->Mj[i]) < 3) continue;
            const tagMj own = s->Mj[i];
            ai.ShouldKong(s, &own, seen, 50);
            ASSERT_TRUE(SeatState(s) == before) << "own kong " << what;
            ASSERT_EQ(ExactHand(s), exact) << "own kong " << what;
            break;
        }
    }
    // The seats were dealt so that every kind of claim is sometimes made.
    EXPECT_GT(yes[0], 30);
    EXPECT_GT(yes[1], 30);
    EXPECT_GT(yes[2], 30);
}

TEST_F(AiPropertyTest, PlayAlwaysDiscardsAHeldTile) {
    SeatDealer dealer(11);
    CMjAi ai;
    for (int round = 0; round < 2000; ++round) {
        int seen[kTileKeyCount];
        RandomSeat r = DealTurn(dealer, ai, round, seen);
        CMjPlayer* s = r.seat.get();
        ai.Play(s, seen, 50, nullptr, 0);
        ASSERT_TRUE(s->FindMj(s->PlayMj))
            << Names(s->Mj, s->cardnum) << " discards " << Name(s->PlayMj) << " minfan " << ai.minfan;
    }
}

TEST_F(AiPropertyTest, PlayWildDiscardsAHeldTileAndAWildOnlyWhenNothingElseIsLeft) {
    SeatDealer dealer(13);
    CMjAi ai;
    ai.wildrule = 1;
    for (int round = 0; round < 2000; ++round) {
        int seen[kTileKeyCount];
        RandomSeat r = DealTurn(dealer, ai, round, seen);
        CMjPlayer* s = r.seat.get();
        // The wild tile is often one the hand holds, sometimes a flower.
        ai.wildmj = round % 7 == 0 ? tagMj{3, 4} : s->Mj[dealer.Next() % s->cardnum];
        s->wildmode = 1;
        s->wildmj = ai.wildmj;
        s->SortHand();

        // The turn flow saves the hand around the choice and checks the tile afterwards.
        tagMj saved[14];
        std::memcpy(saved, s->Mj, sizeof saved);
        const int savedCount = s->cardnum;
        ai.PlayWild(s, seen, 50, nullptr, 0);
        std::memcpy(s->Mj, saved, sizeof saved);
        s->cardnum = savedCount;

        const std::string what = Names(s->Mj, s->cardnum) + " wild " + Name(ai.wildmj) +
                                 " discards " + Name(s->PlayMj);
        ASSERT_TRUE(s->FindMj(s->PlayMj)) << what;
        bool plainHeld = false;
        for (int i = 0; i < s->cardnum; ++i) plainHeld = plainHeld || !ai.IsWild(s->Mj[i], ai.wildmj);
        if (plainHeld) {
            ASSERT_FALSE(ai.IsWild(s->PlayMj, ai.wildmj)) << what;
        }
    }
}

TEST_F(AiPropertyTest, TheSameClockAndSeatsGiveTheSameDecisions) {
    const auto decide = [this](std::vector<std::string>* out) {
        SeatDealer dealer(17);
        CMjAi ai;
        now = 1765000000;
        for (int round = 0; round < 400; ++round) {
            int seen[kTileKeyCount];
            RandomSeat r = DealTurn(dealer, ai, round, seen);
            CMjPlayer* s = r.seat.get();
            ai.Play(s, seen, 50, nullptr, 0);
            std::string d = Name(s->PlayMj);
            s->DeleteMj(s->PlayMj);
            const tagMj discard = dealer.Discard(r);
            d += ai.ShouldPung(s, &discard, seen, 50) ? "P" : "-";
            d += ai.ShouldChow(s, &discard, seen, 50) ? "C" : "-";
            d += ai.ShouldKong(s, &discard, seen, 50) ? "K" : "-";
            out->push_back(d);
        }
    };
    std::vector<std::string> first, second;
    decide(&first);
    MjSrand(4242);  // whatever the generator held before, each choice reseeds from the clock
    decide(&second);
    EXPECT_EQ(first, second);
}

}  // namespace
