#include "online/LobbyRecords.h"

#include <cstring>
#include <string>

#include "engine/Mj.h"
#include "graphics/FrameDialogs.h"
#include "online/GameMsgClient.h"
#include "online/GameMsgServer.h"
#include "online/InviteMessage.h"
#include "online/Lobby.h"
#include "online/MainWindowNotices.h"
#include "online/NetRoom.h"
#include "online/NetworkStart.h"
#include "platform/Desktop.h"
#include "ui/InfoForm.h"

namespace {

// The box waits over the lobby only: a user seated at a table is not held up by the lobby's
// records, and the table is not covered by them.
void ShowInfo(const CMj& table, const char* gbkText) {
    auto* info = static_cast<CInfoForm*>(pInfoForm);
    if (!info || table.seated) return;
    info->text = gbkText;
    info->Show();
}

void HideInfo() { bInfoShown = 0; }

void Changed() { CurrentLobbyWindows()->ListsChanged(); }
void RoomsChanged() { CurrentLobbyWindows()->RoomsChanged(); }

RoomNode MakeNode(const std::string& name, int index, int image) {
    RoomNode node;
    std::memcpy(node.info.name, name.data(), std::min(name.size(), sizeof node.info.name - 1));
    node.info.index = index;
    node.text = name;
    node.image = image;
    return node;
}

void SetCount(RoomNode& node, std::int32_t count) {
    node.info.count = count;
    node.text = std::string(node.info.name) + "(" + std::to_string(count) + "人)";
}

// The user's table-state image from the seat of a table record.
int SeatImage(const TableInfo& t, int seat) {
    if (!t.ready[seat]) return kImageSeated;
    return t.ingame ? kImagePlaying : kImageStarted;
}

// Only the rows whose image changes are drawn again.
void MarkSeatedUsers(const TableInfo& t) {
    for (int s = 0; s < 4; s++) {
        if (t.state[s] == 0) continue;
        const std::string name(t.name[s], strnlen(t.name[s], sizeof t.name[s]));
        UserItem* user = Lobby.ListView1.Find(name);
        if (!user || user->tableImage == SeatImage(t, s)) continue;
        user->tableImage = SeatImage(t, s);
        CurrentLobbyWindows()->UserRowChanged(Lobby.ListView1.IndexOf(*user));
    }
}

bool IsMe(const std::string& name) { return name == szMyName; }

void EnteredRoom(CMj& table, int room) {
    pNetRoom->room = room;
    pNetRoom->RoomID = room;
    for (std::size_t i = 0; i < Lobby.TreeView1.rooms.size(); i++)
        Lobby.TreeView1.rooms[i].image =
            static_cast<int>(i) == room ? kTreeCurrentRoomImage : kTreeRoomImage;
    for (int t = 0; t < kLobbyTables; t++) {
        TableInfo& info = pNetRoom->tables[t];
        for (int s = 0; s < 4; s++) {
            if (info.state[s] == 0) continue;
            const std::string name(info.name[s], strnlen(info.name[s], sizeof info.name[s]));
            if (UserItem* user = Lobby.ListView1.Find(name)) {
                user->tableImage = SeatImage(info, s);
                info.picture[s] = static_cast<std::int8_t>(user->info.avatar - 1);
            }
        }
    }
    Changed();
    table.Redraw();
}

}  // namespace

void StartLobby() {
    ClearLobby();
    if (pNetRoom) {
        pNetRoom->room = -1;
        pNetRoom->roomcount = 0;
        pNetRoom->SendTablePrefs();
    }
    Changed();
}

void OnNoticeRecord(const std::uint8_t* record) {
    std::string text;
    if (MsgType(record) == SC_NOTICE) {
        ScNotice notice;
        Decode(record, &notice);
        text = notice.text;
    } else {
        ScMessageBox box;
        Decode(record, &box);
        text = box.text;
    }
    PostNoticeText(WM_NOTICEMSG, text);
}

void OnLinkNotice(const std::uint8_t* record) {
    ScLinkNotice n;
    Decode(record, &n);
    PostLinkNotice({n.text, n.caption, n.url});
}

void OnBackToRoom(CMj&, const std::uint8_t* record) {
    ScBackToRoom back;
    Decode(record, &back);
    if (pInfoForm) pInfoForm->Close();
    PostNoticeText(WM_NOTICEMSG, back.text);
    CurrentLobbyWindows()->ShowInviteList(false, 0, 0);
    if (pNetRoom) pNetRoom->Show();
}

// A repeated list replaces the old one.
void OnRoomListBegin(CMj& table, const std::uint8_t* record) {
    ScRoomListBegin begin;
    Decode(record, &begin);
    ShowInfo(table, "正在获取服务器房间列表...");
    if (pNetRoom) pNetRoom->roomcount = begin.count;
    RoomTree& tree = Lobby.TreeView1;
    tree = RoomTree{};
    tree.hasServer = true;
    tree.server = MakeNode(begin.serverName, 0, kTreeServerImage);
    Lobby.roomList.clear();
    Changed();
}

// Rooms before the list began, or beyond its count, are ignored.
void OnRoomAdd(CMj&, const std::uint8_t* record) {
    ScRoomAdd add;
    Decode(record, &add);
    RoomTree& tree = Lobby.TreeView1;
    if (!tree.hasServer || !pNetRoom) return;
    if (static_cast<int>(tree.rooms.size()) >= pNetRoom->roomcount) return;
    tree.rooms.push_back(MakeNode(add.name, add.room, kTreeRoomImage));
    Lobby.roomList.push_back(RoomListRow{add.name});
    RoomsChanged();
}

void OnServerUserCount(CMj& table, const std::uint8_t* record) {
    ScServerUserCount count;
    Decode(record, &count);
    if (!Lobby.TreeView1.hasServer) return;
    SetCount(Lobby.TreeView1.server, count.count);
    RoomsChanged();
    table.Redraw();
}

void OnRoomUserCount(CMj&, const std::uint8_t* record) {
    ScRoomUserCount count;
    Decode(record, &count);
    std::vector<RoomNode>& rooms = Lobby.TreeView1.rooms;
    if (count.room < 0 || count.room >= static_cast<int>(rooms.size())) return;
    SetCount(rooms[count.room], count.count);
    if (count.room < static_cast<int>(Lobby.roomList.size()))
        Lobby.roomList[count.room].count = std::to_string(count.count);
    RoomsChanged();
}

void OnRoomListEnd(CMj& table, const std::uint8_t*) {
    if (!Lobby.TreeView1.hasServer || !pNetRoom) return;
    HideInfo();
    Lobby.TreeView1.expanded = true;
    if (pNetRoom->RoomID < 0 || pNetRoom->RoomID >= pNetRoom->roomcount) pNetRoom->RoomID = 0;
    SendLobbyRecord(Encode(CsEnterRoom{pNetRoom->RoomID}));
    ShowInfo(table, "正在获取房间信息,请稍后...");
    Changed();
}

void OnRoomInfo(CMj& table, const std::uint8_t* record) {
    ScRoomInfo info;
    Decode(record, &info);
    if (!pNetRoom) return;
    if (info.contentsFollow) {
        ShowInfo(table, "正在获取房间信息...");
        Lobby.ListView1.Clear();
        pNetRoom->ClearTables();
        Changed();
        table.Redraw();
        return;
    }
    HideInfo();
    if (info.entered) {
        if (info.room < 0 || info.room >= pNetRoom->roomcount) return;
        EnteredRoom(table, info.room);
        return;
    }
    PostNoticeText(WM_ROOMLISTMSG, info.refusal);
    table.Redraw();
}

void OnTableInfo(CMj& table, const std::uint8_t* record) {
    ScTableInfo info;
    Decode(record, &info);
    if (!pNetRoom) return;
    const bool onPage = pNetRoom->UpdateTable(info.table, info.info);
    const TableInfo* t = pNetRoom->GetTable(info.table);
    if (!t) return;
    if (!info.noRedraw && nActiveForm == CNetRoom::kId && onPage) table.Redraw();
    MarkSeatedUsers(*t);
}

void OnUserInfo(CMj& table, const std::uint8_t* record) {
    ScUserInfo user;
    Decode(record, &user);
    CUserList& list = Lobby.ListView1;
    LobbyWindows* windows = CurrentLobbyWindows();
    switch (user.op) {
        case ScUserInfo::kAdd: {
            const bool listed = list.Find(user.name) != nullptr;
            if (!listed && list.Count() >= kMaxListedUsers) return;
            if (IsMe(user.name)) Lobby.nRights = user.kind;
            const UserItem* item = list.Add(user, szMyName);
            const int row = list.IndexOf(*item);
            if (IsMe(user.name)) {
                Lobby.MyInfo = item->info;
                Lobby.nMyAvatarId = user.userId;
                if (pNetRoom) pNetRoom->LoadUserAvatar();
                table.Redraw();
            }
            if (listed)
                windows->UserRowChanged(row);
            else
                windows->UserRowInserted(row);
            return;
        }
        case ScUserInfo::kRemove: {
            if (IsMe(user.name)) return;
            const int row = list.Remove(user.name);
            if (row < 0) return;
            PostNoticeText(WM_TALKCLOSED, user.name);
            windows->UserRowRemoved(row);
            return;
        }
        case ScUserInfo::kUpdate: {
            const UserItem* item = list.Update(user);
            if (!item) return;
            const int row = list.IndexOf(*item);
            if (IsMe(user.name)) {
                Lobby.MyInfo = item->info;
                table.Redraw();
            }
            windows->UserRowChanged(row);
            return;
        }
        default: return;
    }
}

// Only in the lobby, with no prompt and no information box up; otherwise dropped.
void OnInvite(CMj& table, const std::uint8_t* record) {
    ScInvite invite;
    Decode(record, &invite);
    auto* prompt = static_cast<CInviteMessage*>(pInviteMessage);
    if (!prompt || nActiveForm != CNetRoom::kId || bInviteShown || bInfoShown) return;
    prompt->text = invite.text;
    prompt->table = invite.table;
    prompt->Show();
    table.Redraw();
    platform::FlashIfInactive();
}

void OnTalk(CMj&, const std::uint8_t* record) { ShowIncomingTalk(record); }

void OnRoomChat(CMj& table, const std::uint8_t* record) {
    ScRoomChat chat;
    Decode(record, &chat);
    if (!pNetRoom) return;
    pNetRoom->AddChatLine(chat.text, chat.red ? 0x0000FF : 0x000000);
    table.Redraw();
}
