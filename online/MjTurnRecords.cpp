// The server's records of a running hand's turns: draws, the user's turn and claim offers,
// discards, and the melds and wins of every seat.  The server decides; the table mirrors it.
// A record with a seat out of range is ignored; no count leaves its array.
#include <algorithm>
#include <cstdio>
#include <cstring>

#include "engine/Mj.h"
#include "graphics/DxSound.h"
#include "online/GameMsgServer.h"
#include "platform/Desktop.h"
#include "ui/DxGameChatWnd.h"

namespace {

constexpr std::uint32_t kWhite = 0xFFFFFF;

// Actions of SC_SEND_ACTION.
constexpr int kActPung = 2;
constexpr int kActKong = 3;
constexpr int kActWin = 4;
constexpr int kActChow = 5;

// Kong kinds (byte 6).
constexpr int kKongExposed = 0;
constexpr int kKongConcealed = 1;
constexpr int kKongAdded = 2;

// Win kinds (byte 6).
constexpr int kWinSelfDrawn = 1;
constexpr int kWinRobbed = 2;

bool SeatInRange(int seat) { return seat >= 0 && seat < kSeats; }

// Another seat gives up tiles it holds face down; its count never goes below 0.
void TakeHidden(CMjPlayer& p, int n) { p.cardnum = std::max(0, p.cardnum - n); }

// The user's drawn tile joins the hand.
void JoinDrawn(CMjPlayer& p) {
    if (p.hasnew && p.cardnum < kMaxHandTiles) p.Mj[p.cardnum++] = p.newmj;
    p.hasnew = 0;
}

}  // namespace

// Claim buttons, their countdown and a chow or kong choice end.
void CMj::StopOffer() {
    Timer(kTimerClaimCount)->SetEnabled(false);
    ShowClaimButtons(false);
    CMjPlayer& user = Player[0];
    if (user.choosechow || user.choosekong) {
        user.choosechow = user.choosekong = 0;
        std::fill(std::begin(user.canplay), std::end(user.canplay), 1);
    }
}

void CMj::OnDrawTile(const std::uint8_t* record) {
    ScDrawTile msg;
    CMjPlayer& user = Player[0];
    if (!seated || state != kHandRunning || !Decode(record, &msg) || user.cardnum >= kMaxHandTiles)
        return;
    user.hasnew = 1;
    user.newmj = TileFromIndex(msg.tile);
    user.lock[user.cardnum] = variant == 4 && TileEqual(user.newmj, variant4tile);
    markedcount += user.lock[user.cardnum];
    curplayer = 0;
    countdown = countdowncopy = kOnlineCountdown;
    user.Mj[user.cardnum] = user.newmj;
    OnMouseMove(mousex, mousey);
    Redraw();
}

void CMj::OnOtherDraw(const std::uint8_t* record) {
    ScOtherDraw msg;
    if (!seated || state != kHandRunning || !Decode(record, &msg) || !SeatInRange(msg.seat))
        return;
    StopOffer();
    const int seat = ServerSeatToLocal(msg.seat);
    curplayer = seat;
    if (!NetTakeOne()) return;
    CMjPlayer& p = Player[seat];
    if (seat != 0 && p.cardnum < kMaxHandTiles) {
        p.cardnum++;
        p.hasnew = 1;
    }
    countdowncopy = kOnlineCountdown;
    Redraw();
}

void CMj::OnYourTurn(const std::uint8_t* record) {
    ScYourTurn msg;
    CMjPlayer& user = Player[0];
    if (!seated || state != kHandRunning || !Decode(record, &msg)) return;
    // A turn is for a hand that holds a tile to discard.  One that reaches a hand whose discard
    // has already gone is stale: the restore of a running hand offers the turn, and the user may
    // take it before the server's turn record behind the restore is read.  Offering it again
    // would let a second discard go out that the server refuses, and the hand would lose a tile.
    if ((user.HandCount() + (user.hasnew ? 1 : 0)) % 3 != 2) return;
    curplayer = 0;
    maydiscard = 1;
    countdown = countdowncopy = kOnlineCountdown;
    Timer(kTimerCountdown)->SetEnabled(false);
    Timer(kTimerCountdown)->SetEnabled(true);
    if (msg.options) {
        OfferButtons(msg.offers.pung, msg.offers.kong, msg.offers.win, msg.offers.chow);
        return;
    }
    Timer(kTimerDiscardCount)->SetEnabled(true);
    if (user.ting) {
        SendReadyDiscard();
        return;
    }
    readyarmed = 0;
    for (int id : {kButtonPung, kButtonKong, kButtonWin, kButtonChow, kButtonReady})
        Button(id).enabled = 0;
    Button(kButtonPass).enabled = 1;
    tagMj tiles[kMaxHandTiles + 1] = {};
    const int count = std::min(user.HandCount() + (user.hasnew ? 1 : 0), kMaxHandTiles);
    std::copy(user.Mj, user.Mj + user.HandCount(), tiles);
    if (user.hasnew && user.cardnum < kMaxHandTiles) tiles[user.cardnum] = user.newmj;
    SortTiles(tiles, count);
    if (MinFan == 0 && CanTing(0, tiles, count)) {
        Button(kButtonReady).enabled = 1;
        PlayEffect(kEffectAction);
        ShowClaimButtons(true);
        Button(kButtonPass).enabled = 1;
    }
    platform::FlashIfInactive();
}

void CMj::OnActionOptions(const std::uint8_t* record) {
    ScActionOptions msg;
    if (!seated || state != kHandRunning || !Decode(record, &msg)) return;
    OfferButtons(msg.offers.pung, msg.offers.kong, msg.offers.win, msg.offers.chow);
}

// The offered claim buttons with pass, and the claim countdown.
void CMj::OfferButtons(bool pung, bool kong, bool win, bool chow) {
    for (int id : kClaimButtons) Button(id).enabled = 0;
    Button(kButtonPung).enabled = pung;
    Button(kButtonKong).enabled = kong;
    Button(kButtonWin).enabled = win;
    Button(kButtonChow).enabled = chow;
    Button(kButtonPass).enabled = 1;
    ShowClaimButtons(true);
    countdown = kOnlineCountdown;
    Timer(kTimerClaimCount)->SetEnabled(true);
    Redraw();
    platform::FlashIfInactive();
}

// The discard on show goes into its seat's river and onto the desk.
void CMj::RetireShownDiscard() {
    if (!discardshown || !SeatInRange(discardseat)) return;
    CMjPlayer& p = Player[discardseat];
    p.played = 0;
    renderer.AddDeskTile(&p, discardseat, p.PlayMj);
    if (p.rivernum >= 0 && p.rivernum < 52) p.River[p.rivernum++] = p.PlayMj;
    discardshown = 0;
}

void CMj::ShowUserDiscard(const tagMj& tile) {
    CMjPlayer& user = Player[0];
    user.PlayMj = tile;
    user.played = 1;
    discardshown = 1;
    discardseat = 0;
    std::fill(std::begin(user.canplay), std::end(user.canplay), 1);
}

void CMj::OnDiscardRecord(const std::uint8_t* record) {
    ScDiscard msg;
    if (!seated || state != kHandRunning || !Decode(record, &msg) || !SeatInRange(msg.seat))
        return;
    StopOffer();
    const int seat = ServerSeatToLocal(msg.seat);
    CMjPlayer& p = Player[seat];
    const tagMj tile = TileFromIndex(msg.tile);
    curmj = tile;
    if (seat != 0 && pDxSound) pDxSound->PlayTile(p.sex, p.language, &tile);
    if (msg.ready && !p.ting) p.ting = 1;
    if (seat == 0) {
        if (p.hasnew || maydiscard) {
            // The server discarded for the user: the countdown ends and no second discard goes.
            Timer(kTimerDiscardCount)->SetEnabled(false);
            maydiscard = 0;
            p.select = -1;
            JoinDrawn(p);
            p.DeleteMj(tile);
            p.SortHand();
            RetireShownDiscard();
            ShowUserDiscard(tile);
        } else if (!TileEqual(p.PlayMj, tile)) {
            // The server names another discard than the user's: the user's tile on show goes
            // back to the hand; a tile on show of another seat goes to its river, so no two
            // tiles ever stand on show (and a discard of the user's that lies in the river
            // already is not taken into the hand a second time).
            if (discardshown && discardseat == 0) {
                if (p.cardnum < kMaxHandTiles) p.Mj[p.cardnum++] = p.PlayMj;
            } else {
                RetireShownDiscard();
            }
            p.DeleteMj(tile);
            p.SortHand();
            ShowUserDiscard(tile);
        }
        Redraw();
        return;
    }
    RetireShownDiscard();
    p.PlayMj = tile;
    p.played = 1;
    TakeHidden(p, 1);
    p.hasnew = 0;
    discardshown = 1;
    discardseat = seat;
    Redraw();
}

void CMj::OnSendAction(const std::uint8_t* record) {
    ScSendAction msg;
    if (!seated || state != kHandRunning || !Decode(record, &msg) || !SeatInRange(msg.seat))
        return;
    StopOffer();
    const int seat = ServerSeatToLocal(msg.seat);
    const tagMj tile = TileFromIndex(msg.tile);
    switch (msg.action) {
        case kActPung: NetPung(seat, tile); return;
        case kActKong: NetKong(seat, tile, msg.detail); return;
        case kActWin: NetWin(seat, tile, msg.detail); return;
        case kActChow:
            NetChow(seat, tile, TileFromIndex(static_cast<std::uint8_t>(msg.detail)),
                    TileFromIndex(msg.third));
            return;
        default: return;
    }
}

// The discard on show is taken by a claim.
static void TakeShownDiscard(CMj& t) {
    if (t.discardshown && t.discardseat >= 0 && t.discardseat < kSeats)
        t.Player[t.discardseat].played = 0;
    t.discardshown = 0;
}

void CMj::NetPung(int seat, const tagMj& tile) {
    CMjPlayer& p = Player[seat];
    curplayer = seat;
    TakeShownDiscard(*this);
    PlayAction(seat, kVoicePung);
    ShowCaption(seat, 1);
    if (seat == 0) {
        p.DeleteMjN(tile, 2);
        p.SortHand();
    } else {
        TakeHidden(p, 2);
    }
    AppendMeld(p, MakeMeld(kKindPung, tile, tile, tile, tile), 1);
    NetMeldDone(seat);
}

// After a pung or chow the claimant discards next; the user's last tile stands as drawn.
void CMj::NetMeldDone(int seat) {
    CMjPlayer& p = Player[seat];
    if (seat == 0 && p.cardnum > 0) {
        p.hasnew = 1;
        p.cardnum--;
        p.newmj = p.Mj[p.cardnum];
    }
    countdowncopy = kOnlineCountdown;
    Timer(kTimerCountdown)->SetEnabled(false);
    Timer(kTimerCountdown)->SetEnabled(true);
    Redraw();
}

void CMj::NetKong(int seat, const tagMj& tile, int kind) {
    CMjPlayer& p = Player[seat];
    curplayer = seat;
    PlayAction(seat, kVoiceKong);
    ShowCaption(seat, 2);
    const int fromHand = kind == kKongExposed ? 3 : kind == kKongConcealed ? 4 : 1;
    if (kind == kKongExposed) TakeShownDiscard(*this);
    if (seat == 0) {
        // The drawn tile joins the hand before the kong's tiles leave it.
        if (kind != kKongExposed) JoinDrawn(p);
        p.DeleteMjN(tile, fromHand);
        p.SortHand();
    } else {
        TakeHidden(p, fromHand);
    }
    if (kind != kKongAdded) {
        AppendMeld(p, MakeMeld(kKindKong, tile, tile, tile, tile), kind != kKongConcealed);
        return;
    }
    for (int i = 0; i < p.MeldCount(); i++) {
        GetMj& g = p.Gang[i];
        if (g.kind != kKindPung || !TileEqual(g.Mj[0], tile)) continue;
        g.Mj[3] = tile;
        g.num = 4;
        g.kind = kKindKong;
        return;
    }
}

// A line of the chat naming a seat, or the robot's text when nobody sits there.
void CMj::AnnounceSeat(int seat, const char* format, const char* robotText) {
    char line[64];
    if (Player[seat].occupied)
        std::snprintf(line, sizeof line, format, Player[seat].name);
    else
        std::snprintf(line, sizeof line, "%s", robotText);
    ChatLine(line, kWhite);
}

void CMj::NetWin(int seat, const tagMj& tile, int kind) {
    CMjPlayer& p = Player[seat];
    ChatLine(" ", kWhite);
    p.hued = 1;
    p.hutile = p.winmj = tile;
    PlayAction(seat, kind == kWinSelfDrawn ? kVoiceSelfDrawn : kVoiceWin);
    ShowCaption(seat, 3);
    if (kind == kWinSelfDrawn) {
        p.zimo = 1;
        AnnounceSeat(seat, "%s : 自摸", "机器人自摸");
        Redraw();
        return;
    }
    // A robbed kong names the kong's seat as the one who dealt in; else the discard's seat.
    int dealtIn = kind == kWinRobbed ? curplayer : discardseat;
    if (!SeatInRange(dealtIn)) dealtIn = 0;
    if (kind == kWinRobbed && dealtIn == 0) {
        CMjPlayer& user = Player[0];
        JoinDrawn(user);
        user.DeleteMj(tile);
        user.SortHand();
    }
    ShowCaption(dealtIn, 4);
    // A robbed kong's tile was no discard: the discard on show before it, nobody's win, goes
    // to its river.  A discard won on leaves the show with the win.
    if (dealtIn != discardseat) RetireShownDiscard();
    Player[dealtIn].played = 0;
    discardshown = 0;
    AnnounceSeat(dealtIn, "%s : 点炮", "机器人点炮");
    AnnounceSeat(seat, "%s : 胡", "机器人胡");
    Redraw();
}

void CMj::NetChow(int seat, const tagMj& tile, const tagMj& a, const tagMj& b) {
    CMjPlayer& p = Player[seat];
    curplayer = seat;
    TakeShownDiscard(*this);
    PlayAction(seat, kVoiceChow);
    ShowCaption(seat, 5);
    if (seat == 0) {
        p.DeleteMj(a);
        p.DeleteMj(b);
        p.SortHand();
    } else {
        TakeHidden(p, 2);
    }
    tagMj run[3] = {tile, a, b};
    SortTiles(run, 3);
    AppendMeld(p, MakeMeld(kKindChow, run[0], run[1], run[2], run[2]), 1);
    NetMeldDone(seat);
}
