// The test server's table: the end of a hand (the win, the scoring with the project's scorer,
// the payment by the table's payment rule, the reveal and the result) and the restore of a
// running hand for a person who comes back.
#include <algorithm>
#include <cstring>

#include "online/GameMsgServer.h"
#include "rules/Payment.h"
#include "tools/testserver/ServerSeat.h"

namespace testserver {

namespace {

constexpr int kWinAction = 4;
constexpr int kRestoreMeldsStart = 51;

}  // namespace

// `kind`: 1 self-drawn, 2 a robbed kong, 0 on a discard; `discarder` pays (−1 self-drawn).
void ServerTable::Win(int winner, const tagMj& tile, int kind, int discarder) {
    wait_ = Wait::kNone;
    step_ = nullptr;
    CMjPlayer& w = seats_[winner]->p;
    if (kind != 1 && w.cardnum < kMaxHandTiles) w.Mj[w.cardnum++] = tile;
    w.SortHand();
    tagMj tiles[kMaxHandTiles];
    std::copy(w.Mj, w.Mj + w.cardnum, tiles);
    w.winmj = tile;
    w.zimo = kind == 1;
    w.kongwin = kind == 1 && w.kongdraw;
    w.robkong = kind == 2;
    scorer_.Hu(&w, tiles, w.cardnum, seen_, TilesLeft());
    w.hued = 1;
    if (kind == 0) discardShown_ = false;
    Announce(winner, kWinAction, tile, kind);

    bool won[kPaymentSeats] = {};
    won[winner] = true;
    SeatPayment pay[kPaymentSeats];
    WinPayments(winner, w.fan, 1, options_.minFan, kind == 1, discarder, won, pay);
    int change[kTableSeats] = {};
    for (int s = 0; s < kTableSeats; s++) {
        if (!pay[s].pays) continue;
        change[s] -= pay[s].points;
        change[winner] += pay[s].points;
    }
    SendReveal(change);
    ScHandEnd result;
    result.kind = ScHandEnd::kResult;
    result.win = true;
    result.winner = winner;
    result.onDiscard = kind != 1;
    result.discarder = std::max(discarder, 0);
    result.fan = w.fan;
    for (int k = 0; k < kMsgFanFlags; k++) result.fanFlags[k] = scorer_.fan[k] ? 1 : 0;
    for (int k = 0; k < kMsgExtraFlags; k++) result.extraFlags[k] = scorer_.exfan[k] ? 1 : 0;
    SendAll(Encode(result));
    EndHand(winner);
}

void ServerTable::DrawnHand() {
    wait_ = Wait::kNone;
    step_ = nullptr;
    const int change[kTableSeats] = {};
    SendReveal(change);
    ScHandEnd result;
    result.kind = ScHandEnd::kResult;
    SendAll(Encode(result));
    EndHand(-1);
}

void ServerTable::SendReveal(const int change[kTableSeats]) {
    ScHandEnd reveal;
    reveal.kind = ScHandEnd::kReveal;
    for (int s = 0; s < kTableSeats; s++) {
        const CMjPlayer& p = seats_[s]->p;
        seats_[s]->score += change[s];
        reveal.reveal[s].change = change[s];
        reveal.reveal[s].count = p.cardnum;
        for (int i = 0; i < p.cardnum; i++) reveal.reveal[s].tiles[i] = Index(p.Mj[i]);
    }
    SendAll(Encode(reveal));
}

// Scores go out; the dealer moves on; the next hand waits for the people's start.
void ServerTable::EndHand(int winner) {
    running_ = false;
    handsPlayed_++;
    SendUserInfo();
    dealer_ = Next(dealer_);
    if (dealer_ == 0) wind_ = wind_ % 4 + 1;
    for (auto& s : seats_) s->started = false;
    wait_ = Wait::kStart;
    if (onHandEnd) onHandEnd(winner);
}

// The running hand as the person at `seat` needs it: the table and hands, then the rivers.
// Blocks of melds that would pass the record's last byte send no restore: the person rejoins
// at the next deal.
void ServerTable::SendRestore(int seat) {
    ScTableRestore r;
    r.part = 1;
    r.variant = 1;
    const CMjPlayer& own = seats_[seat]->p;
    r.count = own.cardnum;
    for (int i = 0; i < own.cardnum; i++) r.hand[i] = Index(own.Mj[i]);
    int bytes = kRestoreMeldsStart;
    for (int s = 0; s < kTableSeats; s++) {
        const CMjPlayer& p = seats_[s]->p;
        r.concealed[s] = p.cardnum;
        r.flowers[s] = p.flowers;
        r.ready[s] = p.ting;
        r.melds[s].count = p.gangnum;
        bytes += 1;
        for (int m = 0; m < p.gangnum; m++) {
            MsgMeld& meld = r.melds[s].melds[m];
            meld.count = p.Gang[m].num;
            meld.kind = p.Gang[m].kind;
            for (int i = 0; i < meld.count; i++) meld.tiles[i] = Index(p.Gang[m].Mj[i]);
            bytes += 2 + meld.count;
        }
    }
    if (bytes > kGameMsgSize) return;
    r.dice[0] = 1;
    r.dice[1] = 1;
    r.dealer = dealer_;
    r.lastTaken = taken_;
    r.turn = current_;
    r.lastDiscard = Index(discardShown_ ? discard_ : tagMj{1, 0});
    r.lastDiscarder = discarder_ >= 0 ? discarder_ : dealer_;
    r.waitsDiscard = own.cardnum % 3 == 2;
    r.ownSeat = seat;
    r.minFan = options_.minFan;
    r.wind = wind_;
    Send(seat, Encode(r));
    ScTableRestore rivers;
    rivers.part = 2;
    for (int s = 0; s < kTableSeats; s++) {
        const CMjPlayer& p = seats_[s]->p;
        rivers.rivers[s].count = p.rivernum;
        for (int i = 0; i < p.rivernum; i++) rivers.rivers[s].tiles[i] = Index(p.River[i]);
    }
    Send(seat, Encode(rivers));
}

}  // namespace testserver
