// The user list's order, the user menu's states and the chat flood gate.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "online/ChatGate.h"
#include "online/GameMsgServer.h"
#include "online/UserList.h"
#include "online/UserMenu.h"
#include "online/UserSort.h"
#include "platform/testing/ScopedService.h"
#include "platform/testing/VirtualClock.h"

namespace {

UserInfo User(const char* name, int kind, int score, int games, int wins) {
    UserInfo u;
    std::strncpy(u.name, name, sizeof u.name - 1);
    u.kind = static_cast<std::int8_t>(kind);
    u.score = score;
    u.games = games;
    u.wins = wins;
    return u;
}

CUserList ListOf(const std::vector<UserInfo>& users) {
    CUserList list;
    for (const UserInfo& u : users) list.rows.push_back(UserItem{u});
    return list;
}

std::vector<std::string> Names(const CUserList& list) {
    std::vector<std::string> names;
    for (const UserItem& row : list.rows) names.push_back(UserName(row.info));
    return names;
}

const std::vector<UserInfo> kRoom = {
    User("me", 0, 500, 10, 5),   User("bob", 0, 900, 3, 2),  User("amy", 0, 100, 0, 0),
    User("vip", 2, 50, 4, 1),    User("cat", 0, 900, 8, 1),  User("adm", 1, 3000, 9, 9),
};

}  // namespace

// Own row first, members next, then the column; the first click on the name sorts descending,
// the others ascending, and a second click reverses.
TEST(UserSort, KeepsOwnRowAndMembersFirstWhateverTheColumn) {
    struct Case {
        std::vector<int> clicks;
        std::vector<std::string> order;
    };
    const Case cases[] = {
        {{kColumnName}, {"me", "vip", "adm", "cat", "bob", "amy"}},
        {{kColumnName, kColumnName}, {"me", "adm", "vip", "amy", "bob", "cat"}},
        {{kColumnScore}, {"me", "vip", "adm", "amy", "bob", "cat"}},
        {{kColumnScore, kColumnLevel}, {"me", "adm", "vip", "bob", "cat", "amy"}},
        {{kColumnGames}, {"me", "vip", "adm", "amy", "bob", "cat"}},
        {{kColumnWinRate}, {"me", "vip", "adm", "amy", "cat", "bob"}},
        {{kColumnWinRate, kColumnWinRate}, {"me", "adm", "vip", "bob", "cat", "amy"}},
    };
    for (const Case& c : cases) {
        CUserList list = ListOf(kRoom);
        UserSortState state;
        for (int column : c.clicks) ListView1ColumnClick(list, state, column, "me");
        EXPECT_EQ(Names(list), c.order) << c.clicks.size() << " clicks on " << c.clicks.back();
    }
}

// The order is strict: no row stands before itself, and of two rows at most one stands first.
TEST(UserSort, IsAStrictOrderingOnEveryColumn) {
    for (int column = 0; column <= kColumnEscapes; column++)
        for (bool ascending : {false, true}) {
            UserSortState s;
            s.nSortColumn = column;
            s.bSortNameAsc = s.bSortScoreAsc = s.bSortGamesAsc = s.bSortWinRateAsc = ascending;
            for (const UserInfo& a : kRoom) {
                EXPECT_FALSE(UserBefore(a, a, s, "me")) << column << a.name;
                for (const UserInfo& b : kRoom)
                    EXPECT_FALSE(UserBefore(a, b, s, "me") && UserBefore(b, a, s, "me"))
                        << column << a.name << b.name;
            }
        }
}

TEST(UserSort, OneArrowAfterEachSortingClickAndNoSortOnOtherColumns) {
    CUserList list = ListOf(kRoom);
    UserSortState state;
    ListView1ColumnClick(list, state, kColumnGames, "me");
    EXPECT_EQ(state.arrowColumn, kColumnGames);
    EXPECT_EQ(state.arrowImage, kArrowAscending);
    const auto sorted = Names(list);
    ListView1ColumnClick(list, state, kColumnEscapes, "me");
    EXPECT_EQ(state.nSortColumn, kColumnEscapes);
    EXPECT_EQ(state.arrowColumn, kColumnGames);
    EXPECT_EQ(Names(list), sorted);
}

// The rows a name stands in, walking them all: what the list's index must agree with.
const UserItem* FirstByWalking(const CUserList& list, const std::string& name) {
    for (const UserItem& row : list.rows)
        if (UserName(row.info) == name) return &row;
    return nullptr;
}

ScUserInfo AddRecord(const std::string& name, int score) {
    ScUserInfo r;
    r.op = ScUserInfo::kAdd;
    r.name = name;
    r.score = score;
    return r;
}

// Users come and go in a busy room, the own user arrives among them, a column is sorted and a
// test changes the rows directly: after each step every name, listed or gone, is found where
// walking the rows finds it, and a removal reports the place the row had.
TEST(UserList, FindingANameAgreesWithWalkingTheRowsWhateverHappenedToThem) {
    CUserList list;
    std::vector<std::string> names;
    for (int i = 0; i < 300; i++) names.push_back("u" + std::to_string(i));
    names.push_back("me");
    const auto check = [&](const char* step) {
        for (const std::string& name : names)
            ASSERT_EQ(list.Find(name), FirstByWalking(list, name)) << step << ": " << name;
    };
    for (int i = 0; i < 200; i++) list.Add(AddRecord(names[i], i), "me");
    check("added");
    for (int i = 0; i < 150; i += 2) {
        const int at = list.IndexOf(*list.Find(names[i]));
        EXPECT_EQ(list.Remove(names[i]), at) << names[i];
        list.Add(AddRecord(names[200 + i / 2], i), "me");
    }
    EXPECT_EQ(list.Remove("u0"), -1);
    check("came and went");
    list.Add(AddRecord("me", 5), "me");
    EXPECT_EQ(&list.rows.front(), list.Find("me"));
    check("own row on top");
    UserSortState state;
    ListView1ColumnClick(list, state, kColumnScore, "me");
    check("sorted");
    for (int i = 1; i < 150; i += 2) list.Remove(names[i]);
    list.rows.push_back(UserItem{});
    std::strcpy(list.rows.back().info.name, "u0");
    check("changed directly");
    list.Clear();
    check("cleared");
}

TEST(UserList, WinRateText) {
    EXPECT_EQ(WinRateText(User("a", 0, 0, 3, 2)), "66%");
    EXPECT_EQ(WinRateText(User("a", 0, 0, 0, 0)), "0%");
    EXPECT_EQ(WinRateText(User("a", 0, 0, -1, 5)), "0%");
}

// --- The user menu -------------------------------------------------------------------------

namespace {

struct MenuCase {
    const char* why;
    UserInfo user;
    int rights;
    bool handRunning;
    MenuOpener opener;
    TableInfo table;
    bool tableKnown;
    // Expected.
    bool manager, n26, n11Enabled, n9Shown, n9Enabled, n14Shown;
    const char* where;
};

UserInfo Seated(const char* name, int kind, int table) {
    UserInfo u = User(name, kind, 1200, 10, 4);
    u.atTable = 1;
    u.table = static_cast<std::uint8_t>(table);
    return u;
}

TableInfo Waiting(int people) {
    TableInfo t{};
    for (int s = 0; s < people; s++) t.state[s] = 1;
    return t;
}

TableInfo Playing() {
    TableInfo t = Waiting(4);
    t.ingame = 1;
    return t;
}

}  // namespace

TEST(UserMenu, StatesByViewerUserAndOpener) {
    const UserInfo lobbyUser = User("bob", 0, 900, 3, 2);
    const MenuCase cases[] = {
        {"self from the list: no talk, no manager", User("me", 0, 1, 0, 0), 1, false,
         MenuOpener::kList, {}, false, false, false, false, true, false, false, "正在大厅中等待"},
        {"administrator on another user", lobbyUser, 1, false, MenuOpener::kList, {}, false,
         true, false, true, true, false, false, "正在大厅中等待"},
        {"waiting table with a free seat: join enabled", Seated("bob", 0, 5), 0, false,
         MenuOpener::kList, Waiting(3), true, false, false, true, true, true, false,
         "正在第5桌等待"},
        {"full waiting table: join disabled", Seated("bob", 0, 5), 0, false, MenuOpener::kList,
         Waiting(4), true, false, false, true, true, false, false, "正在第5桌等待"},
        {"playing table", Seated("bob", 0, 5), 0, false, MenuOpener::kList, Playing(), true,
         false, false, true, true, false, false, "正在第5桌游戏"},
        {"unknown table reads as playing", Seated("bob", 0, 5), 0, false, MenuOpener::kList, {},
         false, false, false, true, true, false, false, "正在第5桌游戏"},
        {"super player at the own table, no hand", Seated("bob", 0, 7), 2, false,
         MenuOpener::kTable, Waiting(2), true, false, true, true, false, false, true,
         "正在第7桌等待"},
        {"super player while a hand runs", Seated("bob", 0, 7), 2, true, MenuOpener::kTable,
         Waiting(2), true, false, false, true, false, false, true, "正在第7桌等待"},
        {"from a lobby seat: join shown disabled", Seated("bob", 0, 5), 0, false,
         MenuOpener::kLobbySeat, Waiting(1), true, false, false, true, true, false, false,
         "正在第5桌等待"},
    };
    for (const MenuCase& c : cases) {
        UserMenuContext context;
        context.myName = "me";
        context.rights = c.rights;
        context.handRunning = c.handRunning;
        context.myTable = 7;
        context.userTable = c.tableKnown ? &c.table : nullptr;
        const UserMenuState m = BuildUserMenu(c.user, context, c.opener);
        EXPECT_EQ(m[Manager].visible, c.manager) << c.why;
        EXPECT_EQ(m[N26].enabled, c.n26) << c.why;
        EXPECT_EQ(m[N11].enabled, c.n11Enabled) << c.why;
        EXPECT_EQ(m[N9].visible, c.n9Shown) << c.why;
        EXPECT_EQ(m[N9].enabled, c.n9Enabled) << c.why;
        EXPECT_EQ(m[N14].visible, c.n14Shown) << c.why;
        EXPECT_EQ(m[N1].caption, c.where) << c.why;
        EXPECT_FALSE(m[N7].visible) << c.why;
    }
}

TEST(UserMenu, CaptionsNameTheUser) {
    UserMenuContext context;
    context.myName = "me";
    const UserMenuState list = BuildUserMenu(User("bob", 0, 900, 3, 2), context, MenuOpener::kList);
    EXPECT_EQ(list[N13].caption, "用户名: bob");
    EXPECT_EQ(list[N11].caption, "与bob私聊");
    EXPECT_EQ(list[N3].caption, "积分: 900");
    EXPECT_EQ(list[N5].caption, "和牌: 2");
    const UserMenuState table = BuildUserMenu(User("bob", 0, 900, 3, 2), context, MenuOpener::kTable);
    EXPECT_EQ(table[N14].caption, "与bob交谈");
    EXPECT_FALSE(table[N11].visible);
}

// --- The flood gate ------------------------------------------------------------------------

TEST(ChatGate, OneLineInAnyThreeSecondsOnTheVirtualClock) {
    platform::testing::VirtualClock clock([](int id) { PassTimerToMainWindow(id); });
    platform::testing::ScopedTimerService timers(&clock);
    bChatAllowed = 1;
    EXPECT_TRUE(TakeChatTurn());
    EXPECT_FALSE(TakeChatTurn());
    clock.Advance(2999);
    EXPECT_FALSE(TakeChatTurn());
    clock.Advance(1);
    EXPECT_TRUE(TakeChatTurn());  // refused lines did not restart the timer
    clock.Advance(3000);
    EXPECT_FALSE(clock.IsArmed(kTalkTimerId));
    EXPECT_EQ(bChatAllowed, 1);
    EXPECT_FALSE(PassTimerToMainWindow(kTalkTimerId + 1));
}
