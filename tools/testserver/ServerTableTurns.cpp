// The test server's table: what people send during a hand, discards, claims with their
// precedence (a win before a kong or pung, those before a chow), and kongs with their robbing.
#include <algorithm>

#include "online/GameMsgClient.h"
#include "online/GameMsgServer.h"
#include "tools/testserver/ServerSeat.h"

namespace testserver {

namespace {

constexpr int kPass = 0;
constexpr int kPung = 2;
constexpr int kKong = 3;
constexpr int kWin = 4;
constexpr int kChow = 5;

bool Offered(int offers, int action) { return (offers & (1 << action)) != 0; }

}  // namespace

void ServerTable::OnRecord(int seat, const std::uint8_t* record) {
    if (seat < 0 || seat >= kTableSeats || !HasPerson(seat)) return;
    switch (MsgType(record)) {
        case CS_START:
            seats_[seat]->started = true;
            SendStarts();
            StartIfReady();
            return;
        case CS_DISCARD: OnDiscard(seat, record); return;
        case CS_ACTION: OnAction(seat, record); return;
        default: return;  // the flower count and the keep-alive need no answer
    }
}

// A discard counts only on the seat's own turn, of a tile it holds.
void ServerTable::OnDiscard(int seat, const std::uint8_t* record) {
    if (!running_ || wait_ != Wait::kTurn || current_ != seat) return;
    CMjPlayer& p = seats_[seat]->p;
    const tagMj tile = TileFromIndex(record[3]);
    if (!p.FindMj(tile)) return;
    Discard(seat, tile, record[2] == 1 && options_.minFan == 0);
}

void ServerTable::OnAction(int seat, const std::uint8_t* record) {
    if (!running_) return;
    const int action = record[3];
    CMjPlayer& p = seats_[seat]->p;
    if (wait_ == Wait::kTurn && current_ == seat) {
        if (action == kWin && CanWinWith(seat, p.newmj, true)) {
            Win(seat, p.newmj, 1, -1);
        } else if (action == kKong && TilesLeft() > 0) {
            const tagMj tile = TileFromIndex(record[2]);
            if (p.CountMj(tile) == 4 || p.HasPung(tile)) OwnKong(seat, tile);
        }
        // A pass leaves the turn waiting for the discard.
        return;
    }
    if ((wait_ != Wait::kClaims && wait_ != Wait::kRob) || !asked_[seat]) return;  // stray
    AnswerClaim(seat, action, TileFromIndex(record[4]), TileFromIndex(record[5]));
}

void ServerTable::Discard(int seat, const tagMj& tile, bool ready) {
    wait_ = Wait::kNone;
    CMjPlayer& p = seats_[seat]->p;
    if (discardShown_) {
        CMjPlayer& d = seats_[discarder_]->p;
        if (d.rivernum < 52) d.River[d.rivernum++] = discard_;
    }
    p.DeleteMj(tile);
    p.hasnew = 0;
    p.SortHand();
    if (ready && !p.ting) p.ting = 1;
    else ready = false;
    discard_ = tile;
    discarder_ = seat;
    discardShown_ = true;
    MarkSeen(tile, 1);
    SendAll(Encode(ScDiscard{seat, Index(tile), ready}));
    SyncPoint();
    CollectClaims();
}

// Every other seat's claims on the discard: people are asked, robots decide at once.
void ServerTable::CollectClaims() {
    std::fill(std::begin(claims_), std::end(claims_), 0);
    std::fill(std::begin(asked_), std::end(asked_), false);
    std::fill(std::begin(offers_), std::end(offers_), 0);
    for (int k = 1; k < kTableSeats; k++) {
        const int s = (discarder_ + k) % kTableSeats;
        CMjPlayer& p = seats_[s]->p;
        int offers = 0;
        if (CanWinWith(s, discard_, false)) offers |= 1 << kWin;
        if (!p.ting && TilesLeft() > 0) {
            if (p.CountMj(discard_) >= 3) offers |= 1 << kKong;
            if (p.CountMj(discard_) >= 2) offers |= 1 << kPung;
            if (k == 1 && p.CanChow(discard_)) offers |= 1 << kChow;
        }
        offers_[s] = offers;
        if (offers == 0) continue;
        if (!IsRobot(s)) {
            ScActionOptions options;
            options.offers.pung = Offered(offers, kPung);
            options.offers.kong = Offered(offers, kKong);
            options.offers.win = Offered(offers, kWin);
            options.offers.chow = Offered(offers, kChow);
            asked_[s] = true;
            Send(s, Encode(options));
            continue;
        }
        if (Offered(offers, kWin))
            claims_[s] = kWin;
        else if (Offered(offers, kKong) && ai_.ShouldKong(&p, &discard_, seen_, TilesLeft()))
            claims_[s] = kKong;
        else if (Offered(offers, kPung) && ai_.ShouldPung(&p, &discard_, seen_, TilesLeft()))
            claims_[s] = kPung;
        else if (Offered(offers, kChow) && ai_.ShouldChow(&p, &discard_, seen_, TilesLeft())) {
            claims_[s] = kChow;
            chowTiles_[s][0] = p.chowmj[0];
            chowTiles_[s][1] = p.chowmj[1];
        }
    }
    WaitForClaims(Wait::kClaims);
}

// People asked are waited for (a silence counts as a pass); robots' claims are settled after
// their pause.
void ServerTable::WaitForClaims(Wait wait) {
    wait_ = wait;
    if (std::none_of(std::begin(asked_), std::end(asked_), [](bool a) { return a; })) {
        Schedule(options_.robotThinkMs, [this] { ResolveClaims(); });
        return;
    }
    AwaitPeople(wait, [this] {
        std::fill(std::begin(asked_), std::end(asked_), false);
        ResolveClaims();
    });
}

// A person's answer; a claim that was not offered, or a chow whose tiles do not complete a
// run with the discard, counts as a pass.
void ServerTable::AnswerClaim(int seat, int action, const tagMj& a, const tagMj& b) {
    asked_[seat] = false;
    claims_[seat] = action != kPass && Offered(offers_[seat], action) ? action : 0;
    if (claims_[seat] == kChow) {
        CMjPlayer& p = seats_[seat]->p;
        tagMj run[3] = {discard_, a, b};
        SortTiles(run, 3);
        const bool isRun = IsNumbered(run[0]) && run[0].suit == run[2].suit && run[1].suit == run[0].suit &&
                           run[1].value == run[0].value + 1 && run[2].value == run[1].value + 1;
        const bool held = TileEqual(a, b) ? p.CountMj(a) >= 2 : p.FindMj(a) && p.FindMj(b);
        if (!isRun || !held) claims_[seat] = 0;
        chowTiles_[seat][0] = a;
        chowTiles_[seat][1] = b;
    }
    if (std::none_of(std::begin(asked_), std::end(asked_), [](bool x) { return x; })) {
        step_ = nullptr;
        ResolveClaims();
    }
}

void ServerTable::ResolveClaims() {
    if (wait_ == Wait::kRob) {
        wait_ = Wait::kNone;
        for (int k = 1; k < kTableSeats; k++) {
            const int s = (robSeat_ + k) % kTableSeats;
            if (claims_[s] == kWin) {
                Win(s, robTile_, 2, robSeat_);
                return;
            }
        }
        CompleteAddedKong();
        return;
    }
    wait_ = Wait::kNone;
    for (int k = 1; k < kTableSeats; k++) {
        const int s = (discarder_ + k) % kTableSeats;
        if (claims_[s] == kWin) {
            Win(s, discard_, 0, discarder_);
            return;
        }
    }
    for (int k = 1; k < kTableSeats; k++) {
        const int s = (discarder_ + k) % kTableSeats;
        if (claims_[s] == kKong) return ExposedKong(s);
        if (claims_[s] == kPung) return ExecutePung(s);
    }
    const int next = Next(discarder_);
    if (claims_[next] == kChow) return ExecuteChow(next);
    Draw(next, false);
}

void ServerTable::ExecutePung(int seat) {
    TakeDiscardInto(seat, kKindPung);
    AfterMeld(seat);
}

// The discard and two (pung) or three (kong) of the seat's tiles make an exposed meld.
void ServerTable::TakeDiscardInto(int seat, unsigned char kind) {
    CMjPlayer& p = seats_[seat]->p;
    const int fromHand = kind == kKindKong ? 3 : 2;
    p.DeleteMjN(discard_, fromHand);
    AppendMeld(p, MakeMeld(kind, discard_, discard_, discard_, discard_), 1);
    MarkSeen(discard_, fromHand);
    discardShown_ = false;
    Announce(seat, kind == kKindKong ? kKong : kPung, discard_, 0);
}

void ServerTable::ExecuteChow(int seat) {
    CMjPlayer& p = seats_[seat]->p;
    const tagMj a = chowTiles_[seat][0], b = chowTiles_[seat][1];
    p.DeleteMj(a);
    p.DeleteMj(b);
    tagMj run[3] = {discard_, a, b};
    SortTiles(run, 3);
    AppendMeld(p, MakeMeld(kKindChow, run[0], run[1], run[2], run[2]), 1);
    MarkSeen(a, 1);
    MarkSeen(b, 1);
    discardShown_ = false;
    Announce(seat, kChow, discard_, Index(a), Index(b));
    AfterMeld(seat);
}

// After a pung or chow the claimant discards without a draw.
void ServerTable::AfterMeld(int seat) {
    seats_[seat]->p.hasnew = 0;
    GiveTurn(seat);
}

void ServerTable::ExposedKong(int seat) {
    TakeDiscardInto(seat, kKindKong);
    Draw(seat, true);
}

// A kong of the seat's own tiles: concealed at once; an added one waits on the robbers.
void ServerTable::OwnKong(int seat, const tagMj& tile) {
    wait_ = Wait::kNone;
    CMjPlayer& p = seats_[seat]->p;
    p.hasnew = 0;
    if (p.CountMj(tile) == 4) {
        p.DeleteMjN(tile, 4);
        AppendMeld(p, MakeMeld(kKindKong, tile, tile, tile, tile), 0);
        Announce(seat, kKong, tile, 1);
        Draw(seat, true);
        return;
    }
    robSeat_ = seat;
    robTile_ = tile;
    std::fill(std::begin(claims_), std::end(claims_), 0);
    std::fill(std::begin(asked_), std::end(asked_), false);
    std::fill(std::begin(offers_), std::end(offers_), 0);
    for (int k = 1; k < kTableSeats; k++) {
        const int s = (seat + k) % kTableSeats;
        if (!CanWinWith(s, tile, false)) continue;
        offers_[s] = 1 << kWin;
        if (IsRobot(s)) {
            claims_[s] = kWin;
            continue;
        }
        ScActionOptions options;
        options.offers.win = true;
        asked_[s] = true;
        Send(s, Encode(options));
    }
    WaitForClaims(Wait::kRob);
}

void ServerTable::CompleteAddedKong() {
    const int seat = robSeat_;
    CMjPlayer& p = seats_[seat]->p;
    p.DeleteMj(robTile_);
    for (int m = 0; m < p.gangnum; m++) {
        GetMj& g = p.Gang[m];
        if (g.kind != kKindPung || !TileEqual(g.Mj[0], robTile_)) continue;
        g.kind = kKindKong;
        g.num = 4;
        g.Mj[3] = robTile_;
        break;
    }
    MarkSeen(robTile_, 1);
    robSeat_ = -1;
    Announce(seat, kKong, robTile_, 2);
    Draw(seat, true);
}

// SC_SEND_ACTION to everyone: a seat's meld or win.
void ServerTable::Announce(int seat, int action, const tagMj& tile, int detail, std::uint8_t third) {
    ScSendAction a;
    a.seat = seat;
    a.action = action;
    a.tile = Index(tile);
    a.detail = detail;
    a.third = third;
    SendAll(Encode(a));
}

// The scorer's test of the seat's hand with the tile (already in the hand when self-drawn).
bool ServerTable::CanWinWith(int seat, const tagMj& tile, bool selfDrawn) {
    CMjPlayer& p = seats_[seat]->p;
    tagMj tiles[kMaxHandTiles + 1];
    int count = p.cardnum;
    std::copy(p.Mj, p.Mj + count, tiles);
    if (!selfDrawn) {
        if (count >= kMaxHandTiles) return false;
        tiles[count++] = tile;
    }
    if (count % 3 != 2) return false;
    SortTiles(tiles, count);
    p.winmj = tile;
    p.zimo = selfDrawn;
    p.kongwin = selfDrawn && p.kongdraw;
    const bool won = scorer_.Hu(&p, tiles, count, seen_, TilesLeft());
    p.zimo = p.kongwin = 0;
    return won;
}

}  // namespace testserver
