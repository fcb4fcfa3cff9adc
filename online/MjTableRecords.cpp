// The server's records that set a table and a hand up: the user sits down, the occupants and
// their start flags, the dice, the deal, flower replacements and table chat.  A record with a
// seat, die or count out of range is ignored; a tile index above 143 reads as the empty tile.
#include <algorithm>
#include <cstdio>
#include <cstring>

#include "engine/Mj.h"
#include "graphics/DxSound.h"
#include "graphics/FrameDialogs.h"
#include "online/GameMsgServer.h"
#include "online/Lobby.h"
#include "online/OnlineDialogs.h"
#include "platform/Desktop.h"
#include "platform/Sleep.h"
#include "ui/Dialogs.h"
#include "ui/DxGameChatWnd.h"

namespace {

// Chat colours, GDI order 0x00BBGGRR.
constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr std::uint32_t kYellow = 0x00FFFF;

// No tile is wild until the deal names one.
constexpr tagMj kNoWild = {8, 8};

// Wall break of the second thrower, in stacks.
constexpr int kNetBreakOffset[kSeats] = {0, 54, 36, 18};

constexpr int kBlinkMs = 200;
// A deal's hand: 13 tiles, or 14 for a dealer whose last one is its draw.
constexpr int kDealtWithDraw = 14;
constexpr unsigned kDiceFrameMs = 10;
constexpr unsigned kDicePauseMs = 500;
constexpr int kFlowerFlashFrames = 12;

bool SeatInRange(int seat) { return seat >= 0 && seat < kSeats; }
bool DieInRange(int die) { return die >= 1 && die <= 6; }

// The kind of a user of the room's list (a listed member's mark); 0 for a name not listed.
int UserKindOf(const char* name) {
    const UserItem* user = Lobby.ListView1.Find(name);
    return user ? user->info.kind : 0;
}

}  // namespace

void CMj::ChatLine(const char* gbkText, std::uint32_t color) {
    if (chatlog) chatlog->AddText(gbkText, static_cast<int>(std::strlen(gbkText)), color);
}

void CMj::OnEnterTable(const std::uint8_t* record) {
    ScEnterTable msg;
    if (!IsNetGame() || !Decode(record, &msg) || !SeatInRange(msg.ownSeat)) return;
    StopOffer();
    bInfoShown = 0;
    if (chatlog) chatlog->Clear();
    saveddealer = -1;
    ownseat = msg.ownSeat;
    seated = 1;
    restorehalf = 0;
    if (msg.showStart) Button(kButtonStart).visible = 1;
    variant = msg.variant;
    ResetTable();
    state = kNoHand;
    // The lobby's close hides its panes beside the table and starts the table's music.
    CloseDialogById(this, kLobbyId);
    MinFan = hu.minfan = ai.minfan = msg.minFan;
    bWildRule = msg.wildRule ? 1 : 0;
    if (bWildRule) {
        ChatLine("财神规则", kWhite);
        WildTile = indicator = kNoWild;
    }
    NetSpreadWild();
    Redraw();
}

// The rule flag and the wild tile go to both scorers and to every seat.
void CMj::NetSpreadWild() {
    hu.wildrule = ai.wildrule = bWildRule;
    hu.wildmj = ai.wildmj = WildTile;
    for (CMjPlayer& p : Player) {
        p.wildmode = bWildRule;
        p.wildmj = WildTile;
    }
}

void CMj::OnTableUserInfo(const std::uint8_t* record) {
    ScTableUserInfo msg;
    if (!seated || !Decode(record, &msg)) return;
    for (int s = 0; s < kSeats; s++) {
        CMjPlayer& p = Player[ServerSeatToLocal(s)];
        const MsgTableSeat& seat = msg.seats[s];
        p.occupied = seat.status != 0;
        p.robot = seat.status == 2;
        p.score = seat.score;
        std::memset(p.name, 0, sizeof p.name);
        std::memcpy(p.name, seat.name.data(), std::min(seat.name.size(), sizeof p.name - 1));
        p.sex = seat.male ? 1 : 0;
        p.usermark = p.occupied ? UserKindOf(p.name) : 0;
    }
    for (int s = 0; s < kSeats; s++) {
        const int local = ServerSeatToLocal(s);
        int picture = msg.pictures[s];
        // A picture out of 1..12 takes the default by sex.
        if (picture < 1 || picture > 12) picture = Player[local].sex ? 7 : 1;
        Player[local].avatar = picture - 1;
        presentation_->LoadSeatAvatar(local, picture);
    }
    Redraw();
}

void CMj::OnUserStart(const std::uint8_t* record) {
    ScUserStart msg;
    if (!seated || !Decode(record, &msg)) return;
    for (int s = 0; s < kSeats; s++) Player[ServerSeatToLocal(s)].started = msg.started[s];
    Redraw();
}

void CMj::OnDice(const std::uint8_t* record) {
    ScDice msg;
    if (!seated || !Decode(record, &msg) || !SeatInRange(msg.dealer) || msg.wind < 1 ||
        msg.wind > 4 || !std::all_of(std::begin(msg.dice), std::end(msg.dice), DieInRange))
        return;
    StopOffer();
    if (bWildRule) WildTile = indicator = kNoWild;
    if (nActiveForm == kScoreFormId) nActiveForm = 0;
    backtaken = 0;
    ResetTable();
    Redraw();
    dealer = handdealer = saveddealer = ServerSeatToLocal(msg.dealer);
    NetSetWinds(msg.wind);
    dice[0] = msg.dice[0];
    dice[1] = msg.dice[1];
    NetThrowDice(dealer, msg.dice[0], msg.dice[1], true);
    thrower = (dealer + msg.dice[0] + msg.dice[1] - 1) % kSeats;
    dice[0] = msg.dice[2];
    dice[1] = msg.dice[3];
    NetThrowDice(thrower, msg.dice[2], msg.dice[3], false);
    changchengstart = kNetBreakOffset[thrower] + msg.dice[2] + msg.dice[3] - 1;
    state = kHandRunning;
    Redraw();
}

// Winds from the dealer on: the dealer is east.
void CMj::NetSetWinds(int wind) {
    quanfeng = wind;
    int seat = dealer;
    for (int k = 0; k < kSeats; k++) {
        Player[seat].quanfeng = wind;
        Player[seat].menfeng = k + 1;
        seat = NextSeat(seat);
    }
}

// One throw shown from a seat; the dice pictures take the value − 1.
void CMj::NetThrowDice(int seat, int die1, int die2, bool effectFirst) {
    if (effectFirst) PlayEffect(kEffectDice);
    presentation_->StartDiceThrow(seat, die1 - 1, die2 - 1);
    if (!effectFirst) PlayEffect(kEffectDice);
    presentation_->SetAnimKind(kAnimDice);
    presentation_->SetDiceShown(true);
    while (!presentation_->StepDiceThrow()) {
        Redraw();
        platform::Sleep(kDiceFrameMs);
    }
    presentation_->SetAnimKind(kAnimNone);
    Redraw();
    platform::Sleep(kDicePauseMs);
    presentation_->SetDiceShown(false);
}

// One tile from the front of the wall; false once all 144 are taken.
bool CMj::NetTakeOne() {
    if (taken >= kWallTiles - 1) return false;
    taken++;
    TakeWallFront();
    return true;
}

void CMj::NetTakeFront(int n) {
    for (int i = 0; i < n && NetTakeOne(); i++) {
    }
}

void CMj::OnDeal(const std::uint8_t* record) {
    ScDeal msg;
    if (!seated || !Decode(record, &msg) || msg.count < 0 || msg.count > kDealtWithDraw ||
        msg.extraTaken < 0 || msg.extraTaken > kWallTiles)
        return;
    StopOffer();
    ResetTable();
    CMjPlayer& user = Player[0];
    // A dealer's fourteenth tile is its drawn tile, marked in the drawn tile's place.
    user.hasnew = msg.count == kDealtWithDraw ? 1 : 0;
    user.cardnum = msg.count - user.hasnew;
    markedcount = 0;
    int flowers = 0;
    for (int i = 0; i < msg.count; i++) {
        user.Mj[i] = TileFromIndex(msg.hand[i]);
        user.lock[i] = variant == 4 && TileEqual(user.Mj[i], variant4tile);
        markedcount += user.lock[i];
        if (user.Mj[i].suit == kFlowerSuit) flowers++;
    }
    if (user.hasnew) user.newmj = user.Mj[user.cardnum];
    user.SortHand();
    for (int s = 1; s < kSeats; s++) Player[s].cardnum = 13;
    discardshown = 0;
    maydiscard = 0;
    taken = -1;
    state = kHandRunning;
    NetTakeFront(variant == 4 ? 53 : 52);
    Timer(kTimerBlink)->interval = kBlinkMs;
    Timer(kTimerBlink)->SetEnabled(true);
    Redraw();
    platform::FlashIfInactive();
    bWildRule = msg.wildRule ? 1 : 0;
    if (bWildRule) {
        WildTile = TileFromIndex(msg.wildTile);
        indicator = TileFromIndex(msg.indicator);
        NetTakeFront(msg.extraTaken);
    }
    wildkind = kWildNextTile;
    NetSpreadWild();
    user.SortHand();
    if (flowers > 0) {
        ClearOutgoingRecord();
        outmsg[0] = CS_FLOWER_COUNT;
        outmsg[3] = static_cast<std::uint8_t>(flowers);
        SendOutgoingRecord();
    }
}

void CMj::OnFlower(const std::uint8_t* record) {
    ScFlower msg;
    if (!seated || !Decode(record, &msg) || !SeatInRange(msg.seat) || msg.count < 0 ||
        msg.count > kMsgFlowers)
        return;
    const int seat = ServerSeatToLocal(msg.seat);
    CMjPlayer& p = Player[seat];
    if (msg.inPlay) {
        if (taken >= kWallTiles - 1) return;
        taken++;
        TakeWallBack();
        p.flowers++;
        PlayAction(seat, kVoiceFlower);
        p.newmj = TileFromIndex(msg.tiles[0]);
        p.hasnew = 1;
        if (seat == 0 && p.cardnum < kMaxHandTiles) p.Mj[p.cardnum] = p.newmj;
        flowerseat = seat;
        flowertick = 0;
        Timer(kTimerFlower)->enabled = true;
        for (int i = 0; i < kFlowerFlashFrames; i++, flowertick++) Redraw();
        Timer(kTimerFlower)->enabled = false;
        Redraw();
        return;
    }
    if (seat == 0) {
        for (int k = 0; k < msg.count; k++) {
            const tagMj tile = TileFromIndex(msg.tiles[k]);
            if (p.hasnew && p.newmj.suit == kFlowerSuit) {
                p.newmj = tile;
                continue;
            }
            for (int i = 0; i < p.cardnum; i++) {
                if (p.Mj[i].suit != kFlowerSuit) continue;
                p.Mj[i] = tile;
                break;
            }
        }
        p.SortHand();
    }
    PlayAction(seat, kVoiceFlower);
    p.flowers += msg.count;
    NetTakeFront(msg.count);
    Redraw();
}

void CMj::OnTableChat(const std::uint8_t* record) {
    ScTableChat msg;
    if (!Decode(record, &msg)) return;
    char line[200];
    if (msg.seat == ScTableChat::kSystemSeat)
        std::snprintf(line, sizeof line, "【系统消息】：%s", msg.text.c_str());
    else if (msg.seat >= 0 && msg.seat < kSeats)
        std::snprintf(line, sizeof line, "%s说：%s", Player[ServerSeatToLocal(msg.seat)].name,
                      msg.text.c_str());
    else
        std::snprintf(line, sizeof line, "%s", msg.text.c_str());
    ChatLine(line, msg.seat == ScTableChat::kSystemSeat ? kYellow : kWhite);
    Redraw();
}
