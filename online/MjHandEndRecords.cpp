// The two records that carry a whole table: the end of a hand (every hand revealed, the
// server's scoring, the score sheet) and the restore of a running hand after a reconnection
// (the table and hands, then the rivers).  A record whose seats, dice, counts or melds are out
// of range is ignored whole, so the table never holds half of it.
#include <algorithm>
#include <cstring>

#include "engine/Mj.h"
#include "graphics/DxSound.h"
#include "online/GameMsgServer.h"
#include "online/OnlineDialogs.h"
#include "platform/Desktop.h"
#include "ui/Dialogs.h"

namespace {

constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr int kFlowerFan = 81;
constexpr int kNetBreakOffset[kSeats] = {0, 54, 36, 18};

bool SeatInRange(int seat) { return seat >= 0 && seat < kSeats; }
bool DieInRange(int die) { return die >= 1 && die <= 6; }

bool AllTiles(const tagMj* tiles, int count) {
    return std::all_of(tiles, tiles + count, [](const tagMj& t) { return IsTile(t); });
}

// A restore the table can hold: seats, dice, wind and tiles taken in range, each seat's tiles
// within its arrays, meld kinds 0..2 of 3 or 4 tiles, and no more flowers than tiles taken.
bool RestoreFits(const ScTableRestore& m) {
    if (!SeatInRange(m.ownSeat) || !SeatInRange(m.dealer) || !SeatInRange(m.turn) ||
        !SeatInRange(m.lastDiscarder) || !DieInRange(m.dice[0]) || !DieInRange(m.dice[1]) ||
        m.wind < 1 || m.wind > 4 || m.lastTaken < 0 || m.lastTaken >= kWallTiles)
        return false;
    int flowers = 0;
    for (int s = 0; s < kMsgSeats; s++) {
        if (m.concealed[s] > kMaxHandTiles || m.flowers[s] > kMsgFlowers) return false;
        flowers += m.flowers[s];
        for (int i = 0; i < m.melds[s].count; i++) {
            const MsgMeld& meld = m.melds[s].melds[i];
            if (meld.kind < kKindKong || meld.kind > kKindChow || meld.count < 3) return false;
        }
    }
    return flowers <= m.lastTaken + 1;
}

}  // namespace

void CMj::OnHandEnd(const std::uint8_t* record) {
    ScHandEnd msg;
    if (!seated || !Decode(record, &msg)) return;
    if (msg.kind == ScHandEnd::kReveal) {
        for (int s = 0; s < kSeats; s++) {
            CMjPlayer& p = Player[ServerSeatToLocal(s)];
            const MsgRevealSeat& seat = msg.reveal[s];
            p.gain = seat.change;
            p.cardnum = seat.count;
            for (int i = 0; i < seat.count; i++) p.Mj[i] = TileFromIndex(seat.tiles[i]);
            p.hasnew = 0;
            p.SortHand();
        }
        return;
    }
    if (msg.kind == ScHandEnd::kResult && msg.win) {
        if (!SeatInRange(msg.winner)) return;
        NetHandResult(record);
    }
    NetEndOfHand();
}

// The winner's hand is split by the scorer; the server's fan total and flags stand.
void CMj::NetHandResult(const std::uint8_t* record) {
    ScHandEnd msg;
    Decode(record, &msg);
    CMjPlayer& w = Player[ServerSeatToLocal(msg.winner)];
    tagMj tiles[kMaxHandTiles];
    const int count = w.HandCount();
    std::copy(w.Mj, w.Mj + count, tiles);
    SortTiles(tiles, count);
    if (count % 3 == 2 && AllTiles(tiles, count))
        hu.Hu(&w, tiles, count, seen, kWallTiles - std::max(taken, 0));
    w.fan = msg.fan;
    for (int k = 0; k < kMsgFanFlags; k++) hu.fan[k] = w.FanFlag[k] = msg.fanFlags[k] == 1;
    for (int k = 0; k < kMsgExtraFlags; k++) hu.exfan[k] = w.ExFan[k] = msg.extraFlags[k] == 1;
    if (w.flowers > 0) w.FanFlag[kFlowerFan] = 1;
}

void CMj::NetEndOfHand() {
    StopOffer();
    ChatLine(" ", kWhite);
    ChatLine("==结束==", kWhite);
    ChatLine(" ", kWhite);
    state = kHandOver;
    for (CMjPlayer& p : Player) p.started = 0;
    for (unsigned id : {kTimerBlink, kTimerDiscardCount, kTimerClaimCount})
        Timer(id)->SetEnabled(false);
    maydiscard = 0;
    std::fill(std::begin(Player[0].canplay), std::end(Player[0].canplay), 1);
    if (Player[0].gain > 0) PlayEffect(kEffectWin);
    presentation_->SetRevealHands(true);
    Player[0].hasnew = 0;
    ShowDialog(kScoreFormId);
    platform::FlashIfInactive();
}

void CMj::OnTableRestore(const std::uint8_t* record) {
    ScTableRestore msg;
    if (!seated || !Decode(record, &msg)) return;
    if (msg.part == 1) {
        if (!RestoreFits(msg)) return;
        StopOffer();
        RestoreTable(record);
        return;
    }
    if (!restorehalf) return;
    RestoreRivers(record);
}

// The record carries no wild tile: a restored hand of the wild rule keeps the "no wild tile
// yet" of SC_ENTER_TABLE until the next deal names one.
void CMj::RestoreTable(const std::uint8_t* record) {
    ScTableRestore m;
    Decode(record, &m);
    ResetTable();
    variant = m.variant == 0 ? 1 : m.variant;
    CloseDialogById(this, kLobbyId);
    state = kHandRunning;
    maydiscard = 0;
    ownseat = m.ownSeat;
    CMjPlayer& user = Player[0];
    user.cardnum = m.count;
    for (int i = 0; i < m.count; i++) user.Mj[i] = TileFromIndex(m.hand[i]);
    int flowers = 0;
    for (int s = 0; s < kSeats; s++) {
        CMjPlayer& p = Player[ServerSeatToLocal(s)];
        if (ServerSeatToLocal(s) != 0) p.cardnum = m.concealed[s];
        p.flowers = m.flowers[s];
        p.ting = m.ready[s];
        flowers += m.flowers[s];
    }
    dice[0] = m.dice[0];
    dice[1] = m.dice[1];
    dealer = handdealer = ServerSeatToLocal(m.dealer);
    taken = m.lastTaken;
    discardseat = ServerSeatToLocal(m.lastDiscarder);
    curplayer = ServerSeatToLocal(m.turn);
    curmj = TileFromIndex(m.lastDiscard);
    discardshown = 0;
    if (taken > 53) {
        Player[discardseat].PlayMj = curmj;
        Player[discardseat].played = 1;
        discardshown = 1;
    }
    quanfeng = m.wind;
    MinFan = hu.minfan = ai.minfan = m.minFan;
    NetSetWinds(m.wind);
    // The user's last tile is the drawn one; another seat's count already holds its draw.
    if (user.cardnum % 3 == 2) {
        user.cardnum--;
        user.newmj = user.Mj[user.cardnum];
        user.hasnew = 1;
    }
    // A half-restored hand takes no discard: the rivers still to come would overwrite it.
    restoreturn = user.hasnew && m.waitsDiscard && curplayer == 0;
    for (int s = 1; s < kSeats; s++)
        if (Player[s].cardnum % 3 == 2) Player[s].hasnew = 1;
    Timer(kTimerBlink)->enabled = true;
    thrower = 1;
    changchengstart = kNetBreakOffset[thrower] + dice[0] + dice[1] - 1;
    RestoreWall(flowers);
    for (int s = 0; s < kSeats; s++) {
        CMjPlayer& p = Player[ServerSeatToLocal(s)];
        p.gangnum = 0;
        for (int i = 0; i < m.melds[s].count; i++) {
            const MsgMeld& meld = m.melds[s].melds[i];
            GetMj& g = p.Gang[p.gangnum];
            g = GetMj();
            g.num = meld.count;
            g.kind = static_cast<unsigned char>(meld.kind);
            for (int k = 0; k < meld.count; k++) g.Mj[k] = TileFromIndex(meld.tiles[k]);
            p.open[p.gangnum++] = 1;
        }
    }
    restorehalf = 1;
    nActiveForm = 0;
    Button(kButtonStart).visible = 0;
    Redraw();
}

// T − F + 1 tiles from the front, then the F flowers' replacements from the back.
void CMj::RestoreWall(int flowers) {
    const int last = taken;
    std::fill(std::begin(stackheight), std::end(stackheight), 2);
    backtaken = 0;
    for (taken = 0; taken <= last - flowers; taken++) TakeWallFront();
    taken = last;
    for (int i = 0; i < flowers; i++) TakeWallBack();
}

void CMj::RestoreRivers(const std::uint8_t* record) {
    ScTableRestore m;
    Decode(record, &m);
    restorehalf = 0;
    maydiscard = restoreturn;
    restoreturn = 0;
    for (int s = 0; s < kSeats; s++) {
        CMjPlayer& p = Player[ServerSeatToLocal(s)];
        p.rivernum = m.rivers[s].count;
        for (int i = 0; i < p.rivernum; i++) p.River[i] = TileFromIndex(m.rivers[s].tiles[i]);
    }
    renderer.ClearDesk();
    for (int k = 0; k < kMsgRiverTiles; k++)
        for (int s = 0; s < kSeats; s++)
            if (Player[s].rivernum > k) renderer.AddDeskTile(&Player[s], s, Player[s].River[k]);
    nActiveForm = 0;
    Button(kButtonStart).visible = 0;
    Redraw();
}
