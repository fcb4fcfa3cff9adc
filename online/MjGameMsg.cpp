// The table's entry for every received record, and the login records.
#include "engine/Mj.h"
#include "online/GameMsgServer.h"
#include "online/LobbyRecords.h"
#include "online/LoginForm.h"
#include "online/MainWindowNotices.h"
#include "online/NetworkStart.h"
#include "online/OnlineWindows.h"

// Types whose handling is not part of the client yet, and every unknown type, change nothing.
void CMj::OnGameMsg(const std::uint8_t* record) {
    switch (MsgType(record)) {
        case SC_LOGIN_SUCCESS: OnLoginSuccess(); return;
        case SC_LOGIN_FAIL: OnLoginFail(record); return;
        case SC_MESSAGEBOX: OnNoticeRecord(record); return;
        case SC_NOTICE: OnNoticeRecord(record); return;
        case SC_LINK_NOTICE: OnLinkNotice(record); return;
        case SC_BACK_TO_ROOM: OnBackToRoom(*this, record); return;
        case SC_ROOM_LIST_BEGIN: OnRoomListBegin(*this, record); return;
        case SC_ROOM_ADD: OnRoomAdd(*this, record); return;
        case SC_SERVER_USERCOUNT: OnServerUserCount(*this, record); return;
        case SC_ROOM_USERCOUNT: OnRoomUserCount(*this, record); return;
        case SC_ROOM_LIST_END: OnRoomListEnd(*this, record); return;
        case SC_ROOM_INFO: OnRoomInfo(*this, record); return;
        case SC_TABLE_INFO: OnTableInfo(*this, record); return;
        case SC_USER_INFO: OnUserInfo(*this, record); return;
        case SC_INVITE: OnInvite(*this, record); return;
        case SC_TALK: OnTalk(*this, record); return;
        case SC_ROOM_CHAT: OnRoomChat(*this, record); return;
        default: break;
    }
    // A table record with no record behind it draws its own frames (its animations among
    // them), after the one frame held for the records before it.
    if (!recordsWaiting_) ReleaseFrames();
    switch (MsgType(record)) {
        case SC_ENTER_TABLE: OnEnterTable(record); return;
        case SC_TABLE_USERINFO: OnTableUserInfo(record); return;
        case SC_USER_START: OnUserStart(record); return;
        case SC_DICE: OnDice(record); return;
        case SC_DEAL: OnDeal(record); return;
        case SC_FLOWER: OnFlower(record); return;
        case SC_TABLE_CHAT: OnTableChat(record); return;
        case SC_DRAW_TILE: OnDrawTile(record); return;
        case SC_OTHER_DRAW: OnOtherDraw(record); return;
        case SC_YOUR_TURN: OnYourTurn(record); return;
        case SC_ACTION_OPTIONS: OnActionOptions(record); return;
        case SC_DISCARD: OnDiscardRecord(record); return;
        case SC_SEND_ACTION: OnSendAction(record); return;
        case SC_HAND_END: OnHandEnd(record); return;
        case SC_TABLE_RESTORE: OnTableRestore(record); return;
        case SC_AVATAR_INFO: HandleAvatarInfo(record); return;
        default: return;
    }
}

// A login success while online already is a server's mistake: the table stays as it is.
void CMj::OnLoginSuccess() {
    if (pLoginForm) pLoginForm->EndAttempt();
    if (IsNetGame()) return;
    if (bNetMode && !bNetLoggedIn) {
        bNetLoggedIn = 1;
        CloseNetworkHint();
        CurrentOnlineWindows()->ShowMainWindow();
    }
    NetStart();
    StartLobby();
}

// The server closes the connection after a refusal; a command-line start ends with it.
void CMj::OnLoginFail(const std::uint8_t* record) {
    ScLoginFail fail;
    Decode(record, &fail);
    if (pLoginForm) pLoginForm->EndAttempt();
    if (bNetMode)
        EndNetworkStart(fail.text, "翠岭", platform::MbIcon::Information);
    else
        platform::PostNotice(WM_NOTICEMSG, fail.text);
}
