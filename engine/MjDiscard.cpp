// A discard and what follows it: a computer seat's own-turn decisions and choice, playing the
// tile with its spoken name and the ready declaration, collecting the other seats' claims in
// precedence order, and resolving the claim that stands.
#include <cstring>

#include "engine/Mj.h"
#include "graphics/DxSound.h"

namespace {

// Discard and own-turn kongs are offered while this many tiles or more remain beyond taken.
constexpr int kLastKongTaken = 143;
// A computer seat's discard pose lasts this long.
constexpr int kDiscardPoseMs = 600;

}  // namespace

void CMj::Discard() {
    if (curplayer != 0 && !ComputerTurn()) return;
    PlayTile();
}

// A computer seat's turn up to its choice of discard: its self-drawn win, its own kongs, then
// the computer player's choice.  False when the turn went elsewhere (a win or a kong).
bool CMj::ComputerTurn() {
    Timer(kTimerComputerTurn)->SetEnabled(false);
    CMjPlayer& p = Player[curplayer];
    p.hasnew = 0;
    if (!nodraw) {
        tagMj tiles[14];
        std::memcpy(tiles, p.Mj, sizeof(tagMj) * p.cardnum);
        p.zimo = 1;
        p.kongwin = p.kongdraw;
        if (hu.Hu(&p, tiles, p.cardnum, seen, TilesLeft())) {
            DeclareWin(curplayer);
            return false;
        }
        p.zimo = p.kongwin = 0;
        if (ComputerOwnKong(p)) return false;
    }
    nodraw = 0;
    if (p.ting)
        p.PlayMj = p.newmj;
    else
        ChooseComputerDiscard(p);
    return true;
}

// A kong of the seat's own tiles when the computer player approves one; true when made.  A
// ready seat only looks at its drawn tile.
bool CMj::ComputerOwnKong(CMjPlayer& p) {
    tagMj t;
    auto approve = [&](const tagMj& tile) { return ai.ShouldKong(&p, &tile, seen, TilesLeft()); };
    if (!p.ting) {
        if ((p.FindConcealedKong(&t) && approve(t)) || (p.FindAddedKong(&t) && approve(t))) {
            AddKong(t, curplayer);
            return true;
        }
        return false;
    }
    t = p.newmj;
    if ((p.CountMj(t) == 4 || p.HasPung(t)) && approve(t)) {
        AddKong(t, curplayer);
        return true;
    }
    return false;
}

// The computer player's choice into the seat's PlayMj; under the wild rule its search takes
// the wild tiles out of the hand, which is put back afterwards.
void CMj::ChooseComputerDiscard(CMjPlayer& p) {
    if (!bWildRule) {
        ai.Play(&p, seen, TilesLeft(), wall, taken);
        return;
    }
    tagMj hand[14];
    std::memcpy(hand, p.Mj, sizeof hand);
    const int count = p.cardnum;
    ai.PlayWild(&p, seen, TilesLeft(), wall, taken);
    std::memcpy(p.Mj, hand, sizeof hand);
    p.cardnum = count;
}

// Plays the current seat's chosen tile: it becomes the tile under claim, is spoken, may make
// the seat ready, and the other seats are asked for their claims.
void CMj::PlayTile() {
    CMjPlayer& p = Player[curplayer];
    if (!p.FindMj(p.PlayMj) && p.cardnum > 0) p.PlayMj = p.Mj[0];
    curmj = p.PlayMj;
    for (CMjPlayer& s : Player) s.winmj = curmj;
    seen[TileKey(curmj)]++;
    if (curplayer != 0 && Player[0].cardnum < 14) Player[0].Mj[Player[0].cardnum] = curmj;
    p.PlayMjOut();
    if (pDxSound) pDxSound->PlayTile(p.sex, p.language, &curmj);

    const bool mayDeclare = curplayer == 0 ? readyarmed != 0 : MinFan == 0 && !p.ting;
    if (mayDeclare) {
        tagMj rest[14];
        std::memcpy(rest, p.Mj, sizeof(tagMj) * p.cardnum);
        if (hu.IsReady(&p, rest, p.cardnum) != 0) {
            PlayAction(curplayer, kVoiceReady);
            p.ting = 1;
        }
    }
    if (curplayer != 0) {
        p.face = 1;
        p.facetimer->interval = kDiscardPoseMs;
        p.facetimer->SetEnabled(true);
    }
    Redraw();
    if (p.hidemj) {
        SetStepMode(kStepNextTurn);  // a hidden discard cannot be claimed
        return;
    }
    CollectClaims();
}

// The hand of the seat with one more tile, sorted, tested for a win.
bool CMj::HuWith(int seat, const tagMj& extra) {
    CMjPlayer& p = Player[seat];
    tagMj tiles[15];
    std::memcpy(tiles, p.Mj, sizeof(tagMj) * p.cardnum);
    tiles[p.cardnum] = extra;
    SortTiles(tiles, p.cardnum + 1);
    return hu.Hu(&p, tiles, p.cardnum + 1, seen, TilesLeft());
}

// Claims on the current discard, in precedence order: every win in turn order from the
// discarder, then the one seat that can kong or pung, then the chow of the next seat.
void CMj::CollectClaims() {
    robber = -1;
    ClearClaims();
    const int from = curplayer;
    for (int k = 1; k < kSeats; k++) {
        const int s = (from + k) % kSeats;
        if (!Player[s].hued && HuWith(s, curmj)) AppendClaim(s, kClaimWin, s != 0);
    }
    for (int k = 1; k < kSeats; k++) {
        const int s = (from + k) % kSeats;
        CMjPlayer& p = Player[s];
        if (p.hued) continue;
        if (taken < kLastKongTaken && p.CanKong(curmj)) {
            const bool approve = (s != 0 || p.ting) && ai.ShouldKong(&p, &curmj, seen, TilesLeft());
            if (s == 0 && !p.ting)
                AppendClaim(0, kClaimKong, false);
            else if (approve)
                AppendClaim(s, kClaimKong, true);
        }
        if (p.CanPung(curmj)) {
            if (s == 0) {
                if (!p.ting) AppendClaim(0, kClaimPung, false);
            } else if (ai.ShouldPung(&p, &curmj, seen, TilesLeft())) {
                AppendClaim(s, kClaimPung, true);
            }
        }
    }
    const int next = NextSeat(from);
    CMjPlayer& n = Player[next];
    if (n.CanChow(curmj)) {
        if (next == 0) {
            if (!n.ting) AppendClaim(0, kClaimChow, false);
        } else if (ai.ShouldChow(&n, &curmj, seen, TilesLeft())) {
            AppendClaim(next, kClaimChow, true);
        }
    }
    AnswerClaims();
}

// What follows the collection: the user is asked when its claim comes first; otherwise the
// claims stand after the claim delay, or at once when a computer's claim beats the user's.
void CMj::AnswerClaims() {
    if (claimnum == 0 || !UserHasClaim(0)) {
        StartClaimTimer();
        return;
    }
    if (claims[0].seat != 0) {
        ResolveClaims();
        return;
    }
    PlayEffect(kEffectAction);
    SetButtonsForOffer();
    constexpr struct {
        std::uint8_t kind;
        int button;
    } kButtonOfKind[] = {{kClaimWin, kButtonWin}, {kClaimPung, kButtonPung},
                         {kClaimChow, kButtonChow}, {kClaimKong, kButtonKong}};
    for (const auto& k : kButtonOfKind)
        if (UserHasClaim(k.kind)) Button(k.button).enabled = 1;
    if (Player[0].ting && Button(kButtonWin).enabled) {
        DeclareWin(0);
    } else if (Player[0].ting && Button(kButtonKong).enabled) {
        ClaimKong(0);
    } else {
        ShowClaimButtons(true);
        Redraw();
    }
}

void CMj::StartClaimTimer() {
    CMjTimer* t = Timer(kTimerClaims);
    t->interval = claimdelay;
    t->SetEnabled(true);
}

void CMj::AppendClaim(int seat, std::uint8_t kind, bool claimed) {
    if (claimnum >= kMaxClaims) return;
    claims[claimnum++] = ClaimInfo{static_cast<std::uint8_t>(seat), kind,
                                   static_cast<std::uint8_t>(claimed), 0};
}

void CMj::ClearClaims() {
    claimnum = 0;
    for (ClaimInfo& c : claims) c.claimed = c.declined = 0;
}

// The user has an entry of that kind (any kind for 0).
bool CMj::UserHasClaim(std::uint8_t kind) const {
    for (int i = 0; i < claimnum; i++)
        if (claims[i].seat == 0 && (kind == 0 || claims[i].kind == kind)) return true;
    return false;
}

// Every entry of the user is made; those of other kinds than `keepKind` are given up.
void CMj::MarkUserClaims(int keepKind) {
    for (int i = 0; i < claimnum; i++) {
        if (claims[i].seat != 0) continue;
        claims[i].claimed = 1;
        if (claims[i].kind != keepKind) claims[i].declined = 1;
    }
}

void CMj::ResolveClaims() {
    Timer(kTimerClaims)->SetEnabled(false);
    for (int i = 0; i < claimnum; i++) {
        const ClaimInfo c = claims[i];
        if (!c.claimed || c.declined) continue;
        if (c.kind != kClaimWin) Player[curplayer].kongdraw = 0;
        switch (c.kind) {
        case kClaimWin: DeclareWin(c.seat); break;
        case kClaimKong:
            if (c.seat == curplayer)
                AddKong(Player[c.seat].kongmj, c.seat);
            else
                ClaimKong(c.seat);
            break;
        case kClaimPung: ClaimPung(c.seat); break;
        case kClaimChow: ClaimChow(c.seat); break;
        default: break;
        }
        return;
    }
    Player[curplayer].kongdraw = 0;
    if (claimnum == 0)
        SetStepMode(kStepNextTurn);
    else
        NextTurn();
}
