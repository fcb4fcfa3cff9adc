// The table's switch to online play and back, its outgoing record, the keep-alive, and the
// timers of the online dialogs.
#include <cstring>

#include "engine/Mj.h"
#include "graphics/FrameDialogs.h"
#include "online/DataModule.h"
#include "online/GameMsg.h"
#include "online/Lobby.h"
#include "online/LoginForm.h"
#include "online/NetRoom.h"
#include "online/OnlineDialogs.h"
#include "ui/DxChatWnd.h"
#include "ui/DxGameChatWnd.h"
#include "ui/DxLinkLabel.h"

static_assert(kOutgoingRecordBytes == kGameMsgSize, "the table's record is a GameMsg");

namespace {

// Table buttons of online play.
constexpr int kButtonSendChat = 17;
constexpr int kButtonInvite = 20;
constexpr int kButtonPhrases = 21;

// Online the table shows its chat log, the chat input with its send and phrase buttons, and
// none of the offline game's link labels (which would still take clicks though undrawn).
void ShowOnlineWidgets(CMj& mj, bool online) {
    const std::uint8_t on = online ? 1 : 0;
    if (mj.chatlog) mj.chatlog->visible = on;
    if (mj.chatedit) mj.chatedit->visible = on;
    mj.Button(kButtonSendChat).visible = on;
    mj.Button(kButtonPhrases).visible = on;
    for (CDxLinkLabel* link : mj.links)
        if (link) link->visible = online ? 0 : 1;
}

}  // namespace

int CMj::ServerSeatToLocal(int serverSeat) const { return (serverSeat + 4 - ownseat) % 4; }

void CMj::ClearOutgoingRecord() { std::memset(outmsg, 0, sizeof outmsg); }

void CMj::SendOutgoingRecord() {
    if (recordsink)
        recordsink(outmsg);
    else if (DataModule1) DataModule1->SendRecord(outmsg, kGameMsgSize);
}

void CMj::SendKeepAlive() {
    ClearOutgoingRecord();
    outmsg[0] = CS_KEEPALIVE;
    SendOutgoingRecord();
}

bool CMj::OnOnlineTimer(unsigned id) { return PassTimerToOnlineDialog(id); }

bool CMj::NoticeLinkActive() const { return DataModule1 && DataModule1->ClientSocket2.Active(); }

// After the login: the offline game's claim steps stop, the table is cleared for the server's
// tables, the keep-alive starts and the lobby comes up.
void CMj::NetStart() {
    Timer(kTimerClaims)->SetEnabled(false);
    Timer(kTimerPung)->SetEnabled(false);
    for (CMjPlayer& p : Player) p.occupied = 0;
    ResetTable();
    state = kNoHand;
    variant = 1;
    Button(kButtonNewGame).visible = 0;
    netgame = 1;
    ownseat = 0;
    seated = 0;
    Timer(kTimerKeepAlive)->SetEnabled(true);
    Button(kButtonInvite).visible = 1;
    if (pNetRoom) pNetRoom->chat->Clear();
    ShowDialogById(this, kLobbyId);
    ShowOnlineWidgets(*this, true);
    bWildRule = 0;
    AvatarInfoList.clear();
    AvatarRequestList.clear();
    avatarDownloads.StartThread();
}

// The connection ended: the lobby's panes and the talk windows go, the online timers stop,
// the table is cleared, the menu closes as leaving the table closes it, and the login dialog
// comes back with an empty password.
void CMj::NetGameEnded() {
    bInfoShown = 0;
    bInviteShown = 0;
    Button(kButtonStart).visible = 0;
    LobbyWindows* windows = CurrentLobbyWindows();
    windows->ShowLobbyPanes(false);
    windows->ShowInviteList(false, 0, 0);
    windows->CloseTalkWindows();
    for (unsigned id : {kTimerDiscardCount, kTimerClaimCount, kTimerBlink, kTimerKeepAlive})
        Timer(id)->SetEnabled(false);
    ResetTable();
    state = kNoHand;
    Button(kButtonInvite).visible = 0;
    CloseMenu();
    netgame = 0;
    seated = 0;
    if (pLoginForm) pLoginForm->Show();
    ShowOnlineWidgets(*this, false);
    Redraw();
}
