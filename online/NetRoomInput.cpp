// The lobby under the mouse and the keyboard: seat clicks and the seat request, the automatic
// seat search, the user menu of a seated player, the buttons, the room chat input line, and
// the table-partner preferences dialog with the record that tells the server.
#include <cstdlib>
#include <cstring>
#include <string>

#include "engine/Mj.h"
#include "graphics/FrameDialogs.h"
#include "online/ChatGate.h"
#include "online/DataModule.h"
#include "online/GameMsgClient.h"
#include "online/Lobby.h"
#include "online/NetRoom.h"
#include "online/NetworkStart.h"
#include "online/OnlineAddresses.h"
#include "online/OnlineWindows.h"
#include "platform/Desktop.h"
#include "platform/MessageBox.h"
#include "ui/DxChatWnd.h"
#include "ui/DxEdit.h"
#include "ui/DxTrackBar2.h"
#include "ui/InfoForm.h"

namespace {

constexpr char kSeatWait[] = "正在进入游戏,请稍后...";
constexpr char kGameSiteUrl[] = "http://www.cuiling-game.net/";

struct FaceSquare {
    int seat, dx, dy;
};
// Tested in this order; strict on all four sides.
constexpr FaceSquare kFaceSquares[4] = {{2, 59, 10}, {0, 59, 126}, {3, 5, 64}, {1, 113, 64}};

void ShowInfo(const char* gbkText) {
    auto* info = static_cast<CInfoForm*>(pInfoForm);
    if (!info) return;
    info->text = gbkText;
    info->Show();
}

// A whole decimal number (an optional '-' and digits only).
bool ParseNumber(const std::string& text, int* value) {
    if (text.empty()) return false;
    char* end = nullptr;
    const long v = std::strtol(text.c_str(), &end, 10);
    if (*end != '\0' || end == text.c_str()) return false;
    *value = static_cast<int>(v);
    return true;
}

void Warn(const char* gbkText) { platform::ShowMessage(gbkText, "翠岭", platform::MbIcon::Warning); }

}  // namespace

bool CNetRoom::SeatAt(int px, int py, int* table, int* chair) const {
    if (!(px > 28 && px < 28 + 170 * 3 && py > 80 && py < 80 + 175 * 2)) return false;
    const int column = (px - 28) / 170, row = (py - 80) / 175;
    const int cx = 28 + 170 * column, cy = 80 + 175 * row;
    for (const FaceSquare& f : kFaceSquares) {
        const int left = cx + f.dx, top = cy + f.dy;
        if (px > left && px < left + 32 && py > top && py < top + 32) {
            *table = page * 6 + row * 3 + column;
            *chair = f.seat;
            return true;
        }
    }
    return false;
}

void CNetRoom::RequestSeat(int table, int chair) {
    owntable = table;
    SendLobbyRecord(Encode(CsSitDown{table, chair}));
    ShowInfo(kSeatWait);
}

int CNetRoom::OnLButtonDown(int px, int py) {
    if (bInfoShown) return -1;
    if (!InRoom()) {
        platform::ShowMessage("请先登录房间", "翠岭", platform::MbIcon::Information);
        return -1;
    }
    int table = 0, chair = 0;
    if (SeatAt(px, py, &table, &chair)) {
        const TableInfo* t = GetTable(table);
        if (!t || t->ingame || t->state[chair] != 0) return 0;
        RequestSeat(table, chair);
        return 0;
    }
    const int index = buttons.MouseDown(px, py);
    if (index >= 0) Redraw();
    if (pager->MouseDown(px, py)) Redraw();
    if (chat->MouseDown(px, py)) Redraw();
    return index;
}

int CNetRoom::ShowSeatUserInfo(int px, int py) {
    if (bInfoShown) return -1;
    int table = 0, chair = 0;
    if (!SeatAt(px, py, &table, &chair)) return 0;
    const TableInfo* t = GetTable(table);
    if (!t || t->state[chair] == 0) return 0;
    const std::string name(t->name[chair], strnlen(t->name[chair], sizeof t->name[chair]));
    if (const UserItem* user = Lobby.ListView1.Find(name))
        PopupUserMenuAt(user->info, px, py, MenuOpener::kLobbySeat);
    return 0;
}

int CNetRoom::OnMouseMove(int px, int py) {
    const int index = buttons.MouseMove(px, py);
    bool changed = index >= 0;
    if (pager->MouseMove(px, py)) {
        page = pager->position;
        changed = true;
    }
    if (chat->MouseMove(px, py)) changed = true;
    if (changed) Redraw();
    return index;
}

int CNetRoom::OnLButtonUp(int px, int py) {
    const int index = buttons.MouseUp(px, py);
    if (pager->MouseUp(px, py)) page = pager->position;
    chat->MouseUp(px, py);
    Redraw();
    if (index >= 0) OnButtonClicked(index);
    return index;
}

void CNetRoom::OnButtonClicked(int index) {
    switch (index) {
        case kPrefs:
            Redraw();
            ShowRoomPrefs();
            break;
        case kWebSite: platform::OpenUrl(kGameSiteUrl); break;
        case kLeave:
            if (bNetMode) {
                CurrentOnlineWindows()->CloseMainWindow();
            } else if (DataModule1) {
                SendLobbyRecord(Encode(CsLogoff{}));
                DataModule1->CloseGameSocket();
            }
            break;
        case kAutoSeat: AutoSeat(); break;
        case kAvatar: ShowAvatarChooser(); break;
        default: break;
    }
}

int CNetRoom::SitDown(int table, int chair) {
    const TableInfo* t = GetTable(table);
    if (!t || t->ingame) return -1;
    SetPage(table / 6);
    Redraw();
    if (chair == -1) {
        for (int s = 0; s < 4; s++)
            if (t->state[s] == 0) {
                RequestSeat(table, s);
                return 1;
            }
        return 0;
    }
    if (chair < 0 || chair > 3) return -1;
    if (t->state[chair] != 0) return 0;
    RequestSeat(table, chair);
    return 1;
}

int CNetRoom::FreeSeatCount(int table) {
    const TableInfo* t = GetTable(table);
    if (!t || t->ingame) return -1;
    int free = 0;
    for (int s = 0; s < 4; s++)
        if (t->state[s] == 0) free++;
    return free;
}

// The fullest table that still has a free seat, the lowest number among equals.
void CNetRoom::ShowAvatarChooser() {
    const UserInfo& me = Lobby.MyInfo;
    AvatarUser user;
    user.sex = me.sex;
    user.picture = me.avatar;
    user.avatarId = me.userId;
    CurrentOnlineWindows()->ShowAvatarChooser(user);
}

void CNetRoom::AutoSeat() {
    for (int need = 1; need <= 4; need++)
        for (int table = 0; table < kLobbyTables; table++)
            if (FreeSeatCount(table) == need) {
                SitDown(table, -1);
                return;
            }
}

void CNetRoom::SendTablePrefs() {
    CsTablePrefs prefs;
    prefs.acceptInvites = Invite != 0;
    prefs.addressFilter = IP == 0 ? 0 : IP;
    prefs.limitEscapes = ESCAPE != 0;
    if (ESCAPE) prefs.maxEscapeRate = ESCAPERATE;
    prefs.limit1 = LIMITSCORE1 != 0;
    if (LIMITSCORE1) prefs.value1 = LIMITSCORE1RATE;
    prefs.limit2 = LIMITSCORE2 != 0;
    if (LIMITSCORE2) prefs.value2 = LIMITSCORE2RATE;
    prefs.refuseTalk = P2PTalk == 0;
    SendLobbyRecord(Encode(prefs));
}

TablePrefsFields CNetRoom::RoomPrefsFields() const {
    TablePrefsFields f;
    f.invite = Invite != 0;
    f.sameAddress = IP != 0;
    f.addressItem = IP == 3 ? 1 : 0;
    f.escape = ESCAPE != 0;
    if (ESCAPE) f.escapeText = std::to_string(ESCAPERATE);
    f.limit1 = LIMITSCORE1 != 0;
    if (LIMITSCORE1) f.limit1Text = std::to_string(LIMITSCORE1RATE);
    f.limit2 = LIMITSCORE2 != 0;
    if (LIMITSCORE2) f.limit2Text = std::to_string(LIMITSCORE2RATE);
    return f;
}

bool CNetRoom::TakeRoomPrefs(const TablePrefsFields& f) {
    Invite = f.invite;
    IP = f.sameAddress ? (f.addressItem == 1 ? 3 : 4) : 0;
    ESCAPE = f.escape;
    if (ESCAPE) {
        int rate = 0;
        if (!ParseNumber(f.escapeText, &rate)) {
            ESCAPE = 0;
            Warn("输入的不是数字");
            return false;
        }
        if (rate < 0 || rate > 100) {
            ESCAPE = 0;
            Warn("逃跑率为0-100的数");
            return false;
        }
        ESCAPERATE = rate;
    }
    const struct {
        bool on;
        const std::string& text;
        std::uint8_t& flag;
        int& value;
    } limits[2] = {{f.limit1, f.limit1Text, LIMITSCORE1, LIMITSCORE1RATE},
                   {f.limit2, f.limit2Text, LIMITSCORE2, LIMITSCORE2RATE}};
    for (const auto& l : limits) {
        l.flag = l.on;
        if (!l.on) continue;
        if (!ParseNumber(l.text, &l.value)) {
            l.flag = 0;
            Warn("输入的不是数字");
            return false;
        }
    }
    SendTablePrefs();
    return true;
}

void CNetRoom::ShowRoomPrefs() {
    TablePrefsFields fields = RoomPrefsFields();
    if (!CurrentLobbyWindows()->EditTablePrefs(fields)) return;
    TakeRoomPrefs(fields);
}

int CNetRoom::OnChatKey(int key) {
    if (key == 13) {
        if (chatInput->length == 0 && bChatAllowed) {
            AddChatLine("请不要发送空消息", 0x0000FF);
        } else if (!TakeChatTurn()) {
            AddChatLine(kChatFloodLine, 0x0000FF);
        } else {
            CsRoomChat line;
            line.text.assign(chatInput->text, static_cast<std::size_t>(chatInput->length));
            SendLobbyRecord(Encode(line));
            chatInput->length = 0;
            std::memset(chatInput->text, 0, sizeof chatInput->text);
        }
    } else {
        chatInput->OnChar(static_cast<unsigned char>(key & 0xFF));
    }
    Redraw();
    return 1;
}
