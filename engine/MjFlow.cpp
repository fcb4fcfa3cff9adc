// The spine of a hand: drawing for the current seat, the user's turn and its buttons, the
// discard going to the river, the user's discard click, and the end of the hand.
#include <cstring>

#include "engine/Mj.h"
#include "graphics/DxSound.h"
#include "online/Lobby.h"
#include "platform/Desktop.h"
#include "rules/Random.h"

namespace {

// Discards fly to the desk at this many pixels a step.
constexpr int kDiscardFlightSpeed = 30;
// The last wall index from which own-turn and discard kongs are still offered to the user.
constexpr int kLastKongTaken = 143;

}  // namespace

void CMj::GiveMj(bool skipDraw) {
    if (curplayer == -1) {
        EndHand();
        return;
    }
    comprob = userrob = 0;
    if (!skipDraw) {
        if (!DrawFromWall()) return;
        if (animate) {
            Redraw();
            presentation_->StartWallFlight(lastfront, curplayer);
            presentation_->SetAnimKind(kAnimWall);
            Timer(kTimerDrawFlight)->SetEnabled(true);
            return;
        }
        ReceiveDrawnTile(false);
        if (ReplaceFlower(curplayer)) return;
    }
    PlayTurn(false);
}

// The seat's decisions with its 14 tiles: the user is offered the turn, a computer seat thinks.
void CMj::PlayTurn(bool afterFlight) {
    if (curplayer == 0)
        UserTurn(afterFlight);
    else
        ContinueTurn();
}

// Takes the next wall tile into lastdrawn; false (and the hand ended) when the wall is out.
bool CMj::DrawFromWall() {
    if (taken + 1 >= kWallTiles) {
        EndHand();
        return false;
    }
    taken++;
    lastdrawn = TileFromIndex(wall[taken]);
    if (lastdrawn.suit == kFlowerSuit)
        TakeWallBack();
    else
        TakeWallFront();
    return true;
}

// The second half of a draw shown with a flight (timer 104 has brought the tile).
void CMj::TakeDrawnTile() {
    ReceiveDrawnTile(true);
    if (!ReplaceFlower(curplayer)) PlayTurn(true);
}

void CMj::ReceiveDrawnTile(bool afterFlight) {
    CMjPlayer& p = Player[curplayer];
    p.newmj = lastdrawn;
    p.hasnew = 1;
    if (curplayer == 0) {
        if (p.cardnum < 14) p.Mj[p.cardnum] = lastdrawn;
        if (!afterFlight || !p.ting) Redraw();
    }
}

// A flower drawn in play is set aside and its replacement comes after a pause of 12 ticks.  A
// computer seat no longer holds it as its drawn tile; the user's flower stays in the drawn
// tile's place through the pause, so the user sees what came, and the replacement takes that
// place (the user may not play during the pause: the turn is offered after the replacement).
bool CMj::ReplaceFlower(int seat) {
    CMjPlayer& p = Player[seat];
    if (p.newmj.suit != kFlowerSuit || (wildkind == kWildFixedFlower && bWildRule)) {
        p.winmj = p.newmj;
        return false;
    }
    PlayAction(seat, kVoiceFlower);
    p.flowers++;
    flowerseat = seat;
    flowertick = 0;
    Timer(kTimerFlower)->SetEnabled(true);
    Redraw();
    if (seat != 0) p.hasnew = 0;
    return true;
}

bool CMj::FlowerPending(int seat) const {
    return Timer(kTimerFlower)->enabled && flowerseat == seat;
}

// A computer seat's drawn tile joins its hand and its discard follows after timer 102.
void CMj::ContinueTurn() {
    CMjPlayer& p = Player[curplayer];
    if (!nodraw && p.hasnew && p.cardnum < 14) p.Mj[p.cardnum++] = p.newmj;
    p.SortHand();
    Redraw();
    Timer(kTimerComputerTurn)->SetEnabled(true);
}

void CMj::UserTurn(bool afterFlight) {
    CMjPlayer& p = Player[0];
    if (chosen) {
        maydiscard = 0;
        chosen = 0;
        JoinDrawnTile(0);
        nodraw = 0;
        p.SortHand();
        Discard();
        return;
    }
    OfferUserTurn(afterFlight);
}

// The user's own turn: the win and kong buttons as the hand allows, the ready button under the
// other rule family; a ready user plays on by itself.
void CMj::OfferUserTurn(bool afterFlight) {
    CMjPlayer& p = Player[0];
    readyarmed = 0;
    SetButtonsForOffer();
    const int count = p.cardnum + 1;
    tagMj tiles[15];
    std::memcpy(tiles, p.Mj, sizeof(tagMj) * count);
    SortTiles(tiles, count);
    p.zimo = 1;
    p.kongwin = p.kongdraw;
    const bool win = hu.Hu(&p, tiles, count, seen, TilesLeft());
    p.zimo = p.kongwin = 0;
    Button(kButtonWin).enabled = win;

    tagMj found;
    const bool drawnKong = p.CountMj(p.newmj) == 3;
    const bool drawnAdds = p.HasPung(p.newmj);
    const bool kong = taken < kLastKongTaken &&
                      (p.FindConcealedKong(&found) || drawnAdds || drawnKong || p.FindAddedKong(&found));
    Button(kButtonKong).enabled = kong;
    ClearClaims();
    if (win) AppendClaim(0, kClaimWin, false);
    if (kong) AppendClaim(0, kClaimKong, false);
    std::memcpy(tiles, p.Mj, sizeof(tagMj) * count);
    Button(kButtonReady).enabled = MinFan == 0 && CanTing(0, tiles, count);

    if (p.ting) {
        if (win) {
            DeclareWin(0);
        } else if (kong && drawnKong && ai.ShouldKong(&p, &p.newmj, seen, TilesLeft())) {
            AddKong(p.newmj, 0);
        } else if (kong && drawnAdds) {
            AddKong(p.newmj, 0);
        } else if (afterFlight) {
            readyframe = 0;
            Timer(kTimerReadyDraw)->SetEnabled(true);
        } else {
            PlayDrawnTile();
        }
        return;
    }
    if (kong || win || Button(kButtonReady).enabled) {
        PlayEffect(kEffectAction);
        ShowClaimButtons(true);
        Button(kButtonPass).enabled = 1;
    }
    maydiscard = 1;
    Redraw();
    OnMouseMove(mousex, mousey);  // the tile under a resting mouse rises now that it may be played
    platform::FlashIfInactive();
}

// The buttons of an offer before its own claims are enabled: only pass takes clicks.
void CMj::SetButtonsForOffer() {
    for (int id : kClaimButtons) Button(id).enabled = 0;
    Button(kButtonPass).enabled = 1;
}

// The user's drawn tile goes into the hand.
void CMj::JoinDrawnTile(int seat) {
    CMjPlayer& p = Player[seat];
    if (seat == 0 && p.hasnew && p.cardnum < 14) p.Mj[p.cardnum++] = p.newmj;
    p.hasnew = 0;
}

void CMj::EndHand() {
    dealer = NextSeat(dealer);
    if (dealer == 0) quanfeng = quanfeng % 4 + 1;
    state = kHandOver;
    Timer(kTimerReveal)->SetEnabled(false);
    presentation_->SetRevealHands(true);
    Player[0].hasnew = 0;
    bool won = false;
    for (CMjPlayer& p : Player) {
        if (!p.hued) continue;
        won = true;
        if (p.cardnum < 14) p.Mj[p.cardnum++] = p.hutile;
        p.SortHand();
    }
    ShowDialog(1);
    for (const CMjPlayer& p : Player)
        for (int i = 0; i < p.cardnum; i++) seen[TileKey(p.Mj[i])]++;
    if (Player[0].gain >= 1) {
        if (won) {
            MjSrand(static_cast<unsigned>(MjTime()));
            Player[0].items[MjRand() % 3]++;
        }
        PlayEffect(kEffectWin);
    }
}

void CMj::NextTurn() {
    Timer(kTimerStep)->SetEnabled(false);
    CMjPlayer& p = Player[curplayer];
    p.played = 0;
    // The discard's desk cell stays empty while the tile flies to it.  A full desk keeps no
    // cell for it: it flies nowhere and lies only in the river.
    DeskCell cell;
    if (renderer.AddDeskTile(&p, curplayer, curmj)) cell = DeskCell{p.deskx, p.desky};
    const bool onDesk = cell.a >= 0;
    if (animate) {
        if (onDesk) renderer.SetDeskCell(cell.a, cell.b, 0);
        Redraw();
        presentation_->StartDiscardFlight(curplayer, cell, curmj);
        RunFlight(kAnimTile, kDiscardFlightSpeed);
        if (onDesk) renderer.SetDeskCell(cell.a, cell.b, 1);
    }
    PlayEffect(kEffectDiscard);
    if (p.rivernum < 52) p.River[p.rivernum++] = curmj;
    if (p.hidemj) {
        if (onDesk) deskhidden[cell.a * kDeskSize + cell.b] = 1;
        p.hidemj = 0;
    }
    Redraw();
    curplayer = NextPlayer();
    GiveMj(false);
}

void CMj::AutoDiscard() {
    if (IsNetGame()) {
        SendDiscard();
        return;
    }
    CMjPlayer& p = Player[0];
    if (state != kHandRunning || !maydiscard || claimpending) return;
    const bool drawn = p.select == p.cardnum && p.hasnew;
    if (p.select < 0 || (p.select >= p.cardnum && !drawn) || !p.canplay[p.select]) return;
    p.PlayMj = drawn ? p.newmj : p.Mj[p.select];
    chosen = 1;
    p.select = -1;
    p.played = 0;
    ShowClaimButtons(false);
    Redraw();
    GiveMj(true);
}

int CMj::NextPlayer() {
    for (const CMjPlayer& p : Player)
        if (p.hued) return -1;
    curplayer = NextSeat(curplayer);
    return curplayer;
}

// Whether giving up one of the tiles leaves a ready hand; every position is tried.
bool CMj::CanTing(int seat, const tagMj* tiles, int count) {
    CMjPlayer& p = Player[seat];
    if (p.ting || count < 2 || count > 14) return false;
    bool ready = false;
    tagMj rest[14];
    for (int i = 0; i < count; i++) {
        int n = 0;
        for (int k = 0; k < count; k++)
            if (k != i) rest[n++] = tiles[k];
        if (hu.IsReady(&p, rest, n) != 0) ready = true;
    }
    return ready;
}

bool CMj::WildEqual(const tagMj& a, const tagMj& b) {
    return bWildRule && MatchesWild(a, b);
}

void CMj::ShowClaimButtons(bool show) {
    for (int id : kClaimButtons) Button(id).visible = show;
    claimpending = show && (Button(kButtonPung).enabled || Button(kButtonKong).enabled ||
                            Button(kButtonWin).enabled || Button(kButtonChow).enabled);
    if (!show)
        for (int id : kClaimButtons) Button(id).enabled = 0;
}

void CMj::ResetTable() {
    ShowClaimButtons(false);
    CurrentLobbyWindows()->ShowInviteList(false, 0, 0);
    Timer(kTimerStep)->SetEnabled(false);
    chosen = 0;
    curplayer = 0;
    exchangemode = 0;
    Button(kButtonExchange).visible = 0;
    state = kHandRunning;
    for (int id : {kButtonPung, kButtonKong, kButtonWin, kButtonPass}) Button(id).enabled = 0;
    for (int s = 0; s < kSeats; s++) {
        Player[s].Reset();
        renderer.InitDeskCursor(&Player[s], s);
    }
    for (auto& h : stackheight) h = 2;
    nodraw = 0;
    std::memset(seen, 0, sizeof seen);
    std::memset(deskhidden, 0, sizeof deskhidden);
    renderer.ClearDesk();
    presentation_->SetRevealHands(false);
    Redraw();
}
