// What online play keeps for the main window's lobby side: the user list (`ListView1`), the
// server and room tree (`TreeView1`), the room list window's rows, the invitation list
// (`ListView2`), the own user's record and rights, and the sort state.  The server records fill
// them (LobbyRecords.cpp); the Qt windows of the main window draw them and are told when they
// changed through LobbyWindows.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "online/GameMsg.h"
#include "online/UserList.h"
#include "online/UserMenu.h"
#include "online/UserSort.h"

// One node of the room tree.
struct RoomInfo {
    char name[50] = {};
    std::int32_t count = 0;
    std::int32_t index = 0;  // 0 for the server node
};

struct RoomNode {
    RoomInfo info;
    std::string text;  // the name, then "(count人)" once a count arrived
    int image = 0;     // 0 the server, 1 a room, 2 the room the user is in
};

// Tree images.
constexpr int kTreeServerImage = 0;
constexpr int kTreeRoomImage = 1;
constexpr int kTreeCurrentRoomImage = 2;

struct RoomTree {
    bool hasServer = false;  // a room list has begun: the first node exists
    RoomNode server;
    std::vector<RoomNode> rooms;  // the server node's children, in order
    bool expanded = false;
};

// One row of the room list window: "房间名称", "在线人数".
struct RoomListRow {
    std::string name;
    std::string count = "0";
    bool checked = false;
};

// One row of the invitation list.
struct InviteRow {
    int image = 0;  // 1 for sex 0, else 0
    std::string name, score, level, games, winRate;
};

struct LobbyLists {
    CUserList ListView1;
    RoomTree TreeView1;
    std::vector<RoomListRow> roomList;  // the room list window's ListView1
    std::vector<InviteRow> ListView2;
    int inviteSelected = -1;             // the selected row of ListView2; -1 none
    UserSortState sort;
    UserInfo MyInfo;
    std::int32_t nMyAvatarId = 0;
    int nRights = 0;
};

extern LobbyLists Lobby;

// Clears everything (online play starts or ends).
void ClearLobby();

// The ordinary windows of the lobby side, installed by the main window; none installed:
// nothing is shown, the preferences dialog answers Cancel and no talk window opens.
struct TablePrefsFields;
class LobbyWindows {
public:
    virtual ~LobbyWindows() = default;
    // The user list, the room tree or the room list changed: draw them again.
    virtual void ListsChanged() {}
    // Finer news for a busy room, so that one record redraws one row: a row of the user list
    // (its index in Lobby.ListView1.rows) changed, was inserted or was removed; the room tree
    // or the room list changed and the user list did not.  Each draws everything again unless
    // the windows do better.
    virtual void UserRowChanged(int) { ListsChanged(); }
    virtual void UserRowInserted(int) { ListsChanged(); }
    virtual void UserRowRemoved(int) { ListsChanged(); }
    virtual void RoomsChanged() { ListsChanged(); }
    // The lobby's panes beside the table (ListView1, Panel2, Banner, TreeView1) shown or hidden;
    // ListView2 is hidden whenever they show.
    virtual void ShowLobbyPanes(bool) {}
    // The invitation list ListView2 at a table point.
    virtual void ShowInviteList(bool, int, int) {}
    // The user menu of `user` at a client point of the main window.
    virtual void PopupUserMenu(const UserMenuState&, const std::string&, int, int) {}
    // The quick-phrase menu at a client point.
    virtual void PopupPhrases(int, int) {}
    // The table-partner dialog: true on OK, with the fields read back.
    virtual bool EditTablePrefs(TablePrefsFields&) { return false; }
    // The room list window, modal; its OK sends the room request itself.
    virtual void ShowRoomList() {}
    // Talk windows: the number open; adding a line to a peer's window (false: none open); a
    // new window for a peer (false: none could be made); showing a peer's window.
    virtual int TalkWindowCount() { return 0; }
    virtual bool AddTalkLine(const std::string&, const std::string&) { return false; }
    virtual bool OpenTalkWindow(const std::string&) { return false; }
    // Online play ended: every talk window closes.
    virtual void CloseTalkWindows() {}
};

void InstallLobbyWindows(LobbyWindows* windows);
LobbyWindows* CurrentLobbyWindows();

// The game server's connection is open.
bool LobbyLinkUp();
// Sends a record on the game connection; false (nothing sent) while it is not open.
bool SendLobbyRecord(const GameMsg& record);

// The user menu of a user, opened at a client point of the main window.
void PopupUserMenuAt(const UserInfo& user, int x, int y, MenuOpener opener);
// The context the menu is decided in: the viewer, the table and the lobby as they stand.
UserMenuContext CurrentMenuContext(const UserInfo& user);

// The user menu's actions, for the user the menu was opened on (by name).
void UserMenuJoinTable(const std::string& name);     // N9
void UserMenuTalk(const std::string& name);          // N11
void UserMenuAddress(const std::string& name);       // N14
// N24 and N26 remove (CsAdmin::kRemove), N25 mutes (CsAdmin::kMute).
void UserMenuAdmin(const std::string& name, int action);
// A quick phrase as table chat, through the flood gate (MenuItem1Click).
void SendLobbyChat(const std::string& gbkText);
// The table chat line typed in the table's edit (button 17, Enter).
void SendTableChatLine();
// The room list window's OK: false (the window stays) when no row is checked.
bool EnterCheckedRoom();
// A double-click on a room of the tree.
void EnterRoomFromTree(int index);

// At most this many talk windows are open; talk from a further new sender goes to the room chat.
constexpr int kMaxTalkWindows = 16;

// One SC_TALK record: into the sender's window (Wave\msg.wav), a new window (Wave\ring.wav), or
// with 16 open, a line of the room chat.  The taskbar flashes for a window.
void ShowIncomingTalk(const std::uint8_t* record);
// The line a talk record shows: "[系统消息] text" or "[sender]说: text".
std::string IncomingTalkLine(const std::string& sender, const std::string& text, bool system);
