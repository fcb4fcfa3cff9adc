#include "online/UserMenu.h"

#include "graphics/LevelTable.h"

namespace {

bool HasFreeSeat(const TableInfo& t) {
    for (int s = 0; s < 4; s++)
        if (t.state[s] == 0) return true;
    return false;
}

std::string Where(const UserInfo& user, const TableInfo* table) {
    if (!user.atTable) return "正在大厅中等待";
    const std::string number = std::to_string(user.table);
    if (!table || table->ingame) return "正在第" + number + "桌游戏";
    return "正在第" + number + "桌等待";
}

void SetShown(UserMenuState& m, std::initializer_list<int> items, bool shown) {
    for (int i : items) m[i].visible = shown;
}

// What every opener fills.
UserMenuState CommonPart(const UserInfo& user, const UserMenuContext& c) {
    UserMenuState m = InitialUserMenu();
    const std::string name = UserName(user);
    const bool me = name == c.myName;
    m[N9].enabled = false;
    m[N11].enabled = true;
    m[Manager].visible = c.rights == 1 && !me;
    m[N26].enabled = (c.rights == 1 || c.rights == 2) && !me && !c.handRunning &&
                     c.activeForm == 0 && user.table == c.myTable;
    m[N1].caption = Where(user, c.userTable);
    m[N3].caption = "积分: " + std::to_string(user.score);
    m[N4].caption = "总局数: " + std::to_string(user.games);
    m[N5].caption = "和牌: " + std::to_string(user.wins);
    m[N6].caption = "逃跑: " + std::to_string(user.escapes);
    m[N8].caption = std::string("级别: ") + LevelForScore(user.score).title;
    m[N13].caption = "用户名: " + name;
    return m;
}

}  // namespace

UserMenuState InitialUserMenu() {
    UserMenuState m;
    const char* captions[kUserMenuItemCount] = {
        "用户名:", "与他交谈", "-", "正在桌游戏", "加入该桌游戏", "-", "积分:", "等级:",
        "总局数:", "胜:", "逃跑:", "断线:", "-", "私聊", "-", "请他离开（超级玩家权限）",
        "网管功能"};
    for (int i = 0; i < kUserMenuItemCount; i++) m[i].caption = captions[i];
    m[N7].visible = false;
    m[Manager].visible = false;
    return m;
}

UserMenuState BuildUserMenu(const UserInfo& user, const UserMenuContext& c, MenuOpener opener) {
    UserMenuState m = CommonPart(user, c);
    const std::string name = UserName(user);
    SetShown(m, {N10, N11, N14, N1, N2, N9}, false);
    m[N11].caption = "与" + name + "私聊";
    switch (opener) {
        case MenuOpener::kTable:
            m[N14].visible = true;
            m[N14].caption = "与" + name + "交谈";
            break;
        case MenuOpener::kLobbySeat:
            SetShown(m, {N10, N11, N1, N2, N9}, true);
            break;
        case MenuOpener::kList:
            if (name == c.myName) m[N11].enabled = false;
            if (user.atTable && c.userTable && !c.userTable->ingame)
                m[N9].enabled = HasFreeSeat(*c.userTable);
            SetShown(m, {N10, N11, N1, N2, N9}, true);
            break;
    }
    return m;
}
