// The user menu `PopupMenu1` of a user row: which items show, which are enabled, and their
// captions, decided from the user, the viewer and where the menu was opened.  The Qt menu
// shows exactly this state; tests read it.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "online/TableInfo.h"
#include "online/UserList.h"

// Items in menu order.
enum UserMenuItemId : int {
    N13,      // "用户名: " + name
    N14,      // "与" + name + "交谈": address the user in the table chat
    N22,      // separator
    N1,       // where the user is
    N9,       // join the user's table
    N2,       // separator
    N3,       // score
    N8,       // level
    N4,       // games
    N5,       // wins
    N6,       // escapes
    N7,       // hidden, never filled
    N10,      // separator
    N11,      // private talk
    N12,      // separator
    N26,      // ask the user to leave (super player)
    Manager,  // administrator sub-menu: N24 remove, N25 mute
    kUserMenuItemCount
};

struct UserMenuItem {
    bool visible = true;
    bool enabled = true;
    std::string caption;  // GBK
};

using UserMenuState = std::array<UserMenuItem, kUserMenuItemCount>;

// Where the menu was opened: a seat portrait of the table (flag 1), a seat of the lobby
// (flag 0), or the user list itself.
enum class MenuOpener { kTable, kLobbySeat, kList };

struct UserMenuContext {
    std::string_view myName;
    int rights = 0;            // nRights: 1 administrator, 2 super player
    bool handRunning = false;  // a hand runs on the table
    int activeForm = 0;        // nActiveForm
    int myTable = 0;           // the own user's table (1-based, MyInfo)
    // The lobby's record of the user's table, or null (no such table).
    const TableInfo* userTable = nullptr;
};

// The menu for `user`.
UserMenuState BuildUserMenu(const UserInfo& user, const UserMenuContext& context,
                            MenuOpener opener);

// The captions of the initial menu (the form's own).
UserMenuState InitialUserMenu();
