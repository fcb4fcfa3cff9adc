// What the user menu, the quick phrases, the table chat, the room list window and the room tree
// do: they act on the lobby, the table and the server, with no window of their own.
#include <cstring>

#include "engine/Mj.h"
#include "graphics/FrameDialogs.h"
#include "online/ChatGate.h"
#include "online/GameMsgClient.h"
#include "online/Lobby.h"
#include "online/NetRoom.h"
#include "online/NetworkStart.h"
#include "platform/Gbk.h"
#include "platform/MessageBox.h"
#include "ui/DxEdit.h"
#include "ui/DxGameChatWnd.h"
#include "ui/InfoForm.h"

namespace {

constexpr char kRoomWait[] = "正在获取房间信息,请稍后...";

void ShowRoomWait() {
    auto* info = static_cast<CInfoForm*>(pInfoForm);
    if (!info) return;
    info->text = kRoomWait;
    info->Show();
}

void RefuseFlood() {
    if (pMj && pMj->chatlog)
        pMj->chatlog->AddText(kChatFloodLine, sizeof kChatFloodLine - 1, 0xFFFFFF);
    if (pMj) pMj->Redraw();
}

bool IsMe(const std::string& name) { return name == szMyName; }

}  // namespace

UserMenuContext CurrentMenuContext(const UserInfo& user) {
    UserMenuContext c;
    c.myName = szMyName;
    c.rights = Lobby.nRights;
    c.handRunning = pMj && pMj->state == kHandRunning;
    c.activeForm = nActiveForm;
    c.myTable = Lobby.MyInfo.table;
    if (user.atTable && pNetRoom) c.userTable = pNetRoom->GetTable(user.table - 1);
    return c;
}

void PopupUserMenuAt(const UserInfo& user, int x, int y, MenuOpener opener) {
    CurrentLobbyWindows()->PopupUserMenu(BuildUserMenu(user, CurrentMenuContext(user), opener),
                                         UserName(user), x, y);
}

// A table of the lobby that is waiting and has a free seat.
void UserMenuJoinTable(const std::string& name) {
    const UserItem* user = Lobby.ListView1.Find(name);
    if (!user || !user->info.atTable || !pNetRoom) return;
    const TableInfo* t = pNetRoom->GetTable(user->info.table - 1);
    if (!t || t->ingame || pNetRoom->FreeSeatCount(user->info.table - 1) <= 0) return;
    pNetRoom->SitDown(user->info.table - 1, -1);
}

void UserMenuTalk(const std::string& name) {
    if (IsMe(name)) return;
    CurrentLobbyWindows()->OpenTalkWindow(name);
}

void UserMenuAddress(const std::string& name) {
    if (!pMj || !pMj->chatedit) return;
    const std::string line = "[" + name + "],";
    CDxEdit& edit = *pMj->chatedit;
    const std::size_t n = std::min(line.size(), static_cast<std::size_t>(CDxEdit::kMaxLength));
    std::memset(edit.text, 0, sizeof edit.text);
    std::memcpy(edit.text, line.data(), n);
    edit.length = static_cast<int>(n);
    pMj->Redraw();
}

// Asked first, "no" the default; sent only while connected.
void UserMenuAdmin(const std::string& name, int action) {
    if (IsMe(name)) return;
    const std::string question = action == CsAdmin::kMute ? "确定要禁止" + name + "发言吗？"
                                                          : "确定要将" + name + "踢出房间吗？";
    if (platform::AskYesNo(question, "提示信息", platform::MbIcon::Question,
                           platform::MbResult::No) !=
        platform::MbResult::Yes)
        return;
    CsAdmin admin;
    admin.action = action;
    admin.name = name;
    SendLobbyRecord(Encode(admin));
}

// At most 127 bytes, cut at a character boundary, so the record always ends in a zero byte.
void SendLobbyChat(const std::string& gbkText) {
    if (!TakeChatTurn()) {
        RefuseFlood();
        return;
    }
    const std::size_t n = platform::GbkClampLength(gbkText.data(), gbkText.size(), 127);
    SendLobbyRecord(Encode(CsTableChat{gbkText.substr(0, n)}));
}

// Only online, connected, with a line typed.
void SendTableChatLine() {
    if (!pMj || !pMj->IsNetGame() || !pMj->chatedit || pMj->chatedit->length == 0) return;
    if (!LobbyLinkUp()) return;
    CDxEdit& edit = *pMj->chatedit;
    if (!TakeChatTurn()) {
        RefuseFlood();
        return;
    }
    SendLobbyRecord(Encode(CsTableChat{std::string(edit.text, static_cast<std::size_t>(edit.length))}));
    std::memset(edit.text, 0, sizeof edit.text);
    edit.length = 0;
    pMj->Redraw();
}

bool EnterCheckedRoom() {
    for (std::size_t i = 0; i < Lobby.roomList.size(); i++) {
        if (!Lobby.roomList[i].checked) continue;
        SendLobbyRecord(Encode(CsEnterRoom{static_cast<int>(i)}));
        ShowRoomWait();
        return true;
    }
    platform::ShowMessage("请选择一个你要进入的房间", "翠岭", platform::MbIcon::Warning);
    return false;
}

void EnterRoomFromTree(int index) {
    if (bInfoShown) {
        platform::ShowMessage("正在等待服务器数据,请稍后进行该操作...", "翠岭",
                              platform::MbIcon::Warning);
        return;
    }
    if (!pNetRoom || index < 0 || index == pNetRoom->room) return;
    SendLobbyRecord(Encode(CsEnterRoom{index}));
    ShowRoomWait();
}
