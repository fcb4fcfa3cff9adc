// Claims carried out: pung, chow and the kongs, robbing a kong, and the user passing.  A pung
// or chow gives the claimant a turn without a draw, a kong a replacement draw, a robbed kong
// a win.
#include <algorithm>

#include "engine/Mj.h"
#include "graphics/DxSound.h"

namespace {

constexpr int kClaimFlightSpeed = 30;

// The seat's pung of the tile becomes a kong in place.
void PromotePung(CMjPlayer& p, const tagMj& tile) {
    for (int i = 0; i < p.gangnum; i++) {
        GetMj& g = p.Gang[i];
        if (g.num == 3 && g.kind == kKindPung && TileEqual(g.Mj[0], tile)) {
            g.num = 4;
            g.kind = kKindKong;
            g.Mj[3] = g.Mj[0];
            return;
        }
    }
}

}  // namespace

void CMj::ShowCaption(int seat, std::uint8_t action) {
    Player[seat].action = action;
    Player[seat].actiontimer->SetEnabled(true);
}

// Flights are stepped in a loop of whole frames until they arrive.
void CMj::RunFlight(int kind, int speed) {
    presentation_->SetAnimKind(kind);
    Redraw();
    while (!presentation_->StepFlight(speed)) Redraw();
    presentation_->SetAnimKind(kAnimNone);
}

// The discard (or the winning tile) flies from the discarder to the claimant.
void CMj::ClaimFlight(int claimer, int discarder, const tagMj& tile) {
    presentation_->StartClaimFlight(claimer, discarder, tile);
    RunFlight(kAnimTile, kClaimFlightSpeed);
}

void CMj::ClaimPung(int seat) {
    ShowCaption(seat, 1);
    if (Player[seat].CountMj(curmj) < 2) return;
    PlayAction(seat, kVoicePung);
    Redraw();
    pungseat = seat;
    if (seat == 0)
        ExecutePung();
    else
        Timer(kTimerPung)->SetEnabled(true);
}

void CMj::ExecutePung() {
    Timer(kTimerPung)->SetEnabled(false);
    const int seat = pungseat;
    if (animate)
        ClaimFlight(seat, curplayer, curmj);
    else
        Redraw();
    Player[curplayer].played = 0;
    CMjPlayer& p = Player[seat];
    p.DeleteMjN(curmj, 2);
    AppendMeld(p, MakeMeld(kKindPung, curmj, curmj, curmj, curmj), 1);
    seen[TileKey(curmj)] += 2;
    AfterClaim(seat);
}

void CMj::ClaimChow(int seat) {
    CMjPlayer& p = Player[seat];
    p.choosechow = 0;
    if (!p.CanChow(curmj) || !p.FindMj(p.chowmj[0]) || !p.FindMj(p.chowmj[1])) return;
    ShowCaption(seat, 5);
    PlayAction(seat, kVoiceChow);
    Player[curplayer].played = 0;
    p.DeleteMj(p.chowmj[0]);
    p.DeleteMj(p.chowmj[1]);
    tagMj run[3] = {curmj, p.chowmj[0], p.chowmj[1]};
    SortTiles(run, 3);
    AppendMeld(p, MakeMeld(kKindChow, run[0], run[1], run[2], run[2]), 1);
    seen[TileKey(p.chowmj[0])]++;
    seen[TileKey(p.chowmj[1])]++;
    AfterClaim(seat);
}

// After a pung or chow the claimant discards without drawing: the user gets its last hand tile
// as if drawn (and the ready button when a discard leaves the hand ready under the other rule
// family); a computer seat goes on to its discard.
void CMj::AfterClaim(int seat) {
    nodraw = 1;
    curplayer = seat;
    if (seat != 0) {
        GiveMj(true);
        return;
    }
    LastTileAsDrawn();
    OfferClaimantTurn();
}

// The user's last hand tile stands as its drawn tile, so that it discards as after a draw.
void CMj::LastTileAsDrawn() {
    CMjPlayer& p = Player[0];
    if (p.cardnum == 0) return;
    p.cardnum--;
    p.newmj = p.Mj[p.cardnum];
    p.hasnew = 1;
}

// The user's turn after its pung or chow (also resumed from a saved game): no self-drawn win
// and no own kong, only the discard, and the ready button when a discard leaves the hand ready
// under the other rule family.  The tile under a resting mouse rises at once.
void CMj::OfferClaimantTurn() {
    CMjPlayer& p = Player[0];
    readyarmed = 0;
    ShowClaimButtons(false);
    if (MinFan == 0 && CanTing(0, p.Mj, p.cardnum + 1)) {
        SetButtonsForOffer();
        Button(kButtonReady).enabled = 1;
        PlayEffect(kEffectAction);
        ShowClaimButtons(true);
    }
    maydiscard = 1;
    Redraw();
    OnMouseMove(mousex, mousey);
}

void CMj::ClaimKong(int seat) {
    CMjPlayer& p = Player[seat];
    if (seat != curplayer) {
        if (p.CountMj(curmj) == 3) ExposedKong(seat, curmj);
        return;
    }
    tagMj t;
    if (p.FindConcealedKong(&t))
        ConcealedKong(seat, t);
    else if (p.FindAddedKong(&t))
        HandTileAddedKong(seat, t);
    else if (p.hasnew && p.HasPung(p.newmj))
        DrawnTileAddedKong(seat, p.newmj);
}

void CMj::AddKong(const tagMj& tile, int seat) {
    CMjPlayer& p = Player[seat];
    if (seat != curplayer) {
        if (p.CountMj(tile) == 3) ExposedKong(seat, tile);
        return;
    }
    const bool drawnFourth = seat == 0 && p.hasnew && TileEqual(p.newmj, tile) && p.CountMj(tile) == 3;
    if (p.CountMj(tile) == 4 || drawnFourth)
        ConcealedKong(seat, tile);
    else if (p.HasPung(tile))
        DrawnTileAddedKong(seat, tile);
}

// A kong on another seat's discard: the replacement draw follows.
void CMj::ExposedKong(int seat, const tagMj& tile) {
    CMjPlayer& p = Player[seat];
    const int discarder = curplayer;
    seen[TileKey(tile)] += 3;
    PlayAction(seat, kVoiceKong);
    p.kongdraw = 1;
    p.kongfrom = discarder;
    ShowCaption(seat, 2);
    if (animate) ClaimFlight(seat, discarder, tile);
    Player[discarder].played = 0;
    p.DeleteMjN(tile, 3);
    AppendMeld(p, MakeMeld(kKindKong, tile, tile, tile, tile), 1);
    curplayer = seat;
    GiveMj(false);
}

// Four equal tiles of the seat's own (the user's drawn tile joins the hand first).
void CMj::ConcealedKong(int seat, const tagMj& tile) {
    CMjPlayer& p = Player[seat];
    seen[TileKey(tile)] += 4;
    PlayAction(seat, kVoiceKong);
    p.kongdraw = 1;
    p.kongfrom = -1;
    ShowCaption(seat, 2);
    JoinDrawnTile(seat);
    p.DeleteMjN(tile, 4);
    AppendMeld(p, MakeMeld(kKindKong, tile, tile, tile, tile), 0);
    FinishOwnKong(seat);
}

// A hand tile added to an exposed pung is never robbed.
void CMj::HandTileAddedKong(int seat, const tagMj& tile) {
    JoinDrawnTile(seat);
    Player[seat].DeleteMj(tile);
    CompleteAddedKong(seat, tile);
    FinishOwnKong(seat);
}

// The drawn (or given) tile added to an exposed pung is offered to the other seats first.
void CMj::DrawnTileAddedKong(int seat, const tagMj& tile) {
    if (RobTheKong(seat, tile)) return;
    TakeKongTileFrom(seat, tile);
    CompleteAddedKong(seat, tile);
    FinishOwnKong(seat);
}

// The pung of the tile becomes a kong; the tile has already left the seat's hand.
void CMj::CompleteAddedKong(int seat, const tagMj& tile) {
    CMjPlayer& p = Player[seat];
    seen[TileKey(tile)]++;
    PlayAction(seat, kVoiceKong);
    p.kongdraw = 1;
    p.kongfrom = -1;
    ShowCaption(seat, 2);
    PromotePung(p, tile);
}

// The replacement draw follows; the user may not discard until it has arrived.
void CMj::FinishOwnKong(int seat) {
    Player[seat].SortHand();
    curplayer = seat;
    chosen = 0;
    maydiscard = 0;
    GiveMj(false);
}

// The kong tile leaves the kong seat: the user's drawn tile joins the hand first, then one
// copy goes.
void CMj::TakeKongTileFrom(int seat, const tagMj& tile) {
    JoinDrawnTile(seat);
    Player[seat].DeleteMj(tile);
    Player[seat].SortHand();
}

// Offers an added kong's tile as a win to the other seats in turn order.  True when the kong
// stops there: a computer seat robs it, or the user is offered the robbing win.
bool CMj::RobTheKong(int seat, const tagMj& tile) {
    robber = -1;
    comprob = userrob = 0;
    for (int k = 1; k < kSeats; k++) {
        const int s = (seat + k) % kSeats;
        if (Player[s].hued || !HuWith(s, tile)) continue;
        if (s == 0) {
            userrob = 1;
            continue;
        }
        comprob = 1;
        robber = s;
        break;
    }
    if (userrob) {
        OfferRobbing(seat, tile);
        return true;
    }
    if (!comprob) return false;
    curmj = tile;
    TakeKongTileFrom(seat, tile);
    DeclareWin(robber);
    return true;
}

// The user may rob a computer seat's kong: the tile lies on show as the kong seat's discard
// and in the user's slot, and only the win and pass buttons take clicks.
void CMj::OfferRobbing(int kongSeat, const tagMj& tile) {
    curmj = tile;
    CMjPlayer& user = Player[0];
    if (user.cardnum < 14) user.Mj[user.cardnum] = tile;
    TakeKongTileFrom(kongSeat, tile);
    CMjPlayer& k = Player[kongSeat];
    k.PlayMj = tile;
    k.played = 1;
    PlayEffect(kEffectAction);
    SetButtonsForOffer();
    Button(kButtonWin).enabled = 1;
    ShowClaimButtons(true);
    Redraw();
}

void CMj::PassClaim(int seat) {
    CMjPlayer& p = Player[0];
    p.choosechow = p.choosekong = 0;
    std::fill(std::begin(p.canplay), std::end(p.canplay), 1);
    ShowClaimButtons(false);
    Redraw();
    if (IsNetGame()) {
        PassOnline();
        return;
    }
    if (!userrob) {
        MarkUserClaims(-1);
        if (curplayer != 0)
            ResolveClaims();
        else if (p.ting && p.hasnew)
            PlayDrawnTile();  // a ready hand plays on by itself
        else
            Redraw();  // the user goes on to discard
        return;
    }
    userrob = 0;
    if (robber >= 0) {
        DeclareWin(robber);
        return;
    }
    // Nobody robs: the waiting kong is completed and its seat draws the replacement.
    Player[curplayer].played = 0;
    CompleteAddedKong(curplayer, curmj);
    FinishOwnKong(curplayer);
}

// Online a pass goes to the server; a pass on the options of the own draw starts a new discard
// countdown, or, for a ready hand, sends the drawn tile at once.
void CMj::PassOnline() {
    SendAction(0);
    if (!Player[0].hasnew) return;
    if (Player[0].ting) {
        SendReadyDiscard();
        return;
    }
    countdown = countdowncopy = kOnlineCountdown;
    Timer(kTimerCountdown)->SetEnabled(false);
    Timer(kTimerCountdown)->SetEnabled(true);
    Timer(kTimerDiscardCount)->SetEnabled(true);
}

void CMj::PlayDrawnTile() {
    CMjPlayer& p = Player[0];
    p.PlayMj = p.newmj;
    chosen = 1;
    GiveMj(true);
}
