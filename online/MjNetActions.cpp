// The user's choices sent to the server: a discard, a claim or pass, the start of a hand, the
// answer to the piao prompt, and leaving the table.
#include <algorithm>

#include "engine/Mj.h"
#include "graphics/DxSound.h"
#include "online/GameMsg.h"
#include "online/OnlineDialogs.h"
#include "platform/MessageBox.h"
#include "ui/Dialogs.h"

namespace {

constexpr int kActChow = 5;
constexpr int kActKong = 3;

}  // namespace

void CMj::SendDiscard() {
    CMjPlayer& user = Player[0];
    if (state != kHandRunning || !maydiscard || claimpending || user.select < 0 ||
        user.select > user.cardnum || user.cardnum <= 0)
        return;
    tagMj tile;
    if (user.select == user.cardnum)
        tile = user.hasnew ? user.newmj : user.Mj[user.cardnum - 1];
    else
        tile = user.Mj[user.select];
    user.PlayMj = tile;
    Timer(kTimerDiscardCount)->SetEnabled(false);
    ShowClaimButtons(false);
    ClearOutgoingRecord();
    outmsg[0] = CS_DISCARD;
    outmsg[3] = TileToIndex(tile);
    outmsg[2] = readyarmed && !user.ting ? 1 : 0;
    SendOutgoingRecord();
    maydiscard = 0;
    user.select = -1;
    if (user.hasnew && user.cardnum < kMaxHandTiles) user.Mj[user.cardnum++] = user.newmj;
    user.DeleteMj(tile);
    user.hasnew = 0;
    user.SortHand();
    RetireShownDiscard();
    ShowUserDiscard(tile);
    if (pDxSound) pDxSound->PlayTile(user.sex, user.language, &tile);
    Redraw();
}

void CMj::SendReadyDiscard() {
    CMjPlayer& user = Player[0];
    user.select = user.hasnew ? user.cardnum : user.cardnum - 1;
    SendDiscard();
}

void CMj::SendAction(int action) {
    Timer(kTimerClaimCount)->SetEnabled(false);
    ClearOutgoingRecord();
    outmsg[0] = CS_ACTION;
    outmsg[3] = static_cast<std::uint8_t>(action);
    const CMjPlayer& user = Player[0];
    if (action == kActChow) {
        outmsg[4] = TileToIndex(user.chowmj[0]);
        outmsg[5] = TileToIndex(user.chowmj[1]);
    }
    if (action == kActKong && curplayer == 0) outmsg[2] = TileToIndex(user.kongmj);
    SendOutgoingRecord();
}

// The user shows as started at once, not only once the server's echo comes back.
void CMj::SendStart() {
    ClearOutgoingRecord();
    outmsg[0] = CS_START;
    SendOutgoingRecord();
    Player[0].started = 1;
    Redraw();
}

// The piao answer is action 5 with byte 4 the choice.
void CMj::SendPiaoAnswer(bool yes) {
    ClearOutgoingRecord();
    outmsg[0] = CS_ACTION;
    outmsg[3] = kActChow;
    outmsg[4] = yes ? 1 : 0;
    SendOutgoingRecord();
}

// A running hand is left only after the user confirms it, as it costs points and counts as an
// escape.
void CMj::QuitOnlineTable() {
    if (state == kHandRunning &&
        platform::AskYesNo("您正在游戏中,中途退出将会被扣分并且会增加逃跑次数,\n您确定要退出么?",
                           "询问", platform::MbIcon::Question,
                           platform::MbResult::No) != platform::MbResult::Yes)
        return;
    // The question's modal loop goes on reading the socket: a connection lost while it was up
    // has ended online play already (the login dialog is back), and there is no table to leave.
    if (!IsNetGame()) return;
    Timer(kTimerDiscardCount)->SetEnabled(false);
    Timer(kTimerClaimCount)->SetEnabled(false);
    ClearOutgoingRecord();
    outmsg[0] = CS_LEAVE_GAME;
    SendOutgoingRecord();
    seated = 0;
    ShowDialogById(this, kLobbyId);
    state = kNoHand;
    MusicOff();
    CloseMenu();
    Redraw();
}
