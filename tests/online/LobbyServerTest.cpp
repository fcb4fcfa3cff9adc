// The test server's rooms, played by scripted clients on the record codec: the room list and
// entry, what each user sees of the others, sitting down and its refusal, chat, talk,
// invitations, administration and preferences.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "online/GameMsgServer.h"
#include "testsupport/online/RawClient.h"
#include "tools/testserver/TestServer.h"

using namespace testserver;
using onlinetest::CodecClient;

namespace {

template <typename T>
T Read(const std::optional<GameMsg>& record) {
    T out;
    EXPECT_TRUE(record.has_value());
    if (record) {
        EXPECT_TRUE(Decode(record->data(), &out));
    }
    return out;
}

class LobbyServer : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(server.Start());
    }
    // A user logged in who entered `room` (the room list read).
    std::unique_ptr<CodecClient> Enter(const std::string& name, const std::string& password,
                                       int room = 0) {
        auto c = std::make_unique<CodecClient>(server.GamePort());
        c->LogIn(name, password);
        EXPECT_TRUE(c->Expect(SC_LOGIN_SUCCESS));
        EXPECT_TRUE(c->Expect(SC_ROOM_LIST_END));
        c->Send(Encode(CsEnterRoom{room}));
        const auto entered = Read<ScRoomInfo>(c->Expect(SC_ROOM_INFO));
        EXPECT_TRUE(entered.contentsFollow);
        const auto last = Read<ScRoomInfo>(c->Expect(SC_ROOM_INFO));
        EXPECT_TRUE(last.entered);
        EXPECT_EQ(last.room, room);
        // The room list's count of the room follows, the user counted.
        const auto count = Read<ScRoomUserCount>(c->Expect(SC_ROOM_USERCOUNT));
        EXPECT_EQ(count.room, room);
        EXPECT_GE(count.count, 1);
        c->seen.clear();
        return c;
    }
    TestServer server;
};

}  // namespace

TEST_F(LobbyServer, TheRoomListComesInItsOrderAfterTheLogin) {
    CodecClient c(server.GamePort());
    c.LogIn("tester", "secret");
    ASSERT_TRUE(c.Expect(SC_LOGIN_SUCCESS));
    const auto begin = Read<ScRoomListBegin>(c.Expect(SC_ROOM_LIST_BEGIN));
    EXPECT_EQ(begin.count, 3);
    for (int r = 0; r < 3; r++) EXPECT_EQ(Read<ScRoomAdd>(c.Expect(SC_ROOM_ADD)).room, r);
    EXPECT_TRUE(c.Expect(SC_SERVER_USERCOUNT));
    EXPECT_TRUE(c.Expect(SC_ROOM_LIST_END));
}

// Every user's room list follows the rooms' counts as users enter, move and leave.
TEST_F(LobbyServer, RoomCountsFollowUsersEnteringAndLeaving) {
    auto a = Enter("tester", "secret");
    const auto next = [&] { return Read<ScRoomUserCount>(a->Expect(SC_ROOM_USERCOUNT)); };
    const auto expect = [&](int room, int count) {
        const ScRoomUserCount c = next();
        EXPECT_EQ(c.room, room);
        EXPECT_EQ(c.count, count) << "room " << room;
    };
    auto b = Enter("玩家甲", "1234", 1);
    expect(1, 1);
    b->Send(Encode(CsEnterRoom{0}));
    expect(1, 0);
    expect(0, 2);
    b.reset();  // the connection closes
    expect(0, 1);
    // A new login's list counts the users in each room.
    CodecClient c(server.GamePort());
    c.LogIn("玩家乙", "1234");
    EXPECT_EQ(Read<ScRoomUserCount>(c.Expect(SC_ROOM_USERCOUNT)).count, 1);
}

// Every user's server line follows the server's count as users log in and off, in a room or
// not yet in one.
TEST_F(LobbyServer, TheServerCountReachesEveryUserAtEachLoginAndLogoff) {
    auto inRoom = Enter("tester", "secret");
    auto listOnly = std::make_unique<CodecClient>(server.GamePort());
    listOnly->LogIn("玩家甲", "1234");
    ASSERT_TRUE(listOnly->Expect(SC_ROOM_LIST_END));
    const auto expect = [](CodecClient& c, int count) {
        EXPECT_EQ(Read<ScServerUserCount>(c.Expect(SC_SERVER_USERCOUNT)).count, count);
    };
    expect(*inRoom, 2);
    auto third = Enter("玩家乙", "1234", 1);
    expect(*inRoom, 3);
    expect(*listOnly, 3);
    third->Send(Encode(CsLogoff{}));
    expect(*inRoom, 2);
    expect(*listOnly, 2);
    listOnly.reset();  // the connection closes
    expect(*inRoom, 1);
}

TEST_F(LobbyServer, ARefusedRoomSendsOnlyTheRefusal) {
    auto a = Enter("tester", "secret");
    a->Send(Encode(CsEnterRoom{2}));
    const auto refused = Read<ScRoomInfo>(a->Expect(SC_ROOM_INFO));
    EXPECT_FALSE(refused.contentsFollow);
    EXPECT_FALSE(refused.entered);
    EXPECT_FALSE(refused.refusal.empty());
    EXPECT_TRUE(a->seen.empty());
}

TEST_F(LobbyServer, UsersSeeEachOtherAndTheSeatTheOtherTakes) {
    auto a = Enter("tester", "secret");
    auto b = Enter("玩家甲", "1234");
    EXPECT_EQ(Read<ScUserInfo>(a->Expect(SC_USER_INFO)).name, "玩家甲");
    b->Send(Encode(CsSitDown{5, 2}));
    const auto enter = Read<ScEnterTable>(b->Expect(SC_ENTER_TABLE));
    EXPECT_EQ(enter.ownSeat, 2);
    EXPECT_TRUE(enter.showStart);
    const auto users = Read<ScTableUserInfo>(b->Expect(SC_TABLE_USERINFO));
    EXPECT_EQ(users.seats[2].status, 1);
    EXPECT_EQ(users.seats[2].name, "玩家甲");
    EXPECT_EQ(users.seats[0].status, 0);  // a robot
    const auto starts = Read<ScUserStart>(b->Expect(SC_USER_START));
    EXPECT_TRUE(starts.started[0]);
    EXPECT_FALSE(starts.started[2]);
    const auto table = Read<ScTableInfo>(a->Expect(SC_TABLE_INFO));
    EXPECT_EQ(table.table, 5);
    EXPECT_EQ(table.info[84 + 2], 1);
    EXPECT_EQ(table.info[84 + 0], 0);
    const auto update = Read<ScUserInfo>(a->Expect(SC_USER_INFO));
    EXPECT_TRUE(update.atTable);
    EXPECT_EQ(update.table, 6);  // 1-based
    // The taken seat is refused to the other user.
    a->Send(Encode(CsSitDown{5, 2}));
    EXPECT_FALSE(Read<ScBackToRoom>(a->Expect(SC_BACK_TO_ROOM)).text.empty());
    // A late-comer to the room gets the table in the burst.
    CodecClient c(server.GamePort());
    c.LogIn("玩家乙", "1234");
    ASSERT_TRUE(c.Expect(SC_ROOM_LIST_END));
    c.Send(Encode(CsEnterRoom{0}));
    const auto burst = Read<ScTableInfo>(c.Expect(SC_TABLE_INFO));
    EXPECT_EQ(burst.table, 5);
    EXPECT_TRUE(burst.noRedraw);
}

TEST_F(LobbyServer, RoomChatReachesTheWholeRoomAndTableChatTheTable) {
    auto a = Enter("tester", "secret");
    auto b = Enter("玩家甲", "1234");
    a->Send(Encode(CsRoomChat{"大家好"}));
    EXPECT_EQ(Read<ScRoomChat>(b->Expect(SC_ROOM_CHAT)).text, "tester说: 大家好");
    EXPECT_EQ(Read<ScRoomChat>(a->Expect(SC_ROOM_CHAT)).text, "tester说: 大家好");
    a->Send(Encode(CsSitDown{0, 0}));
    b->Send(Encode(CsSitDown{0, 1}));
    ASSERT_TRUE(b->Expect(SC_ENTER_TABLE));
    a->Send(Encode(CsTableChat{std::string(120, 'x')}));
    const auto line = Read<ScTableChat>(b->Expect(SC_TABLE_CHAT));
    EXPECT_EQ(line.seat, 0);
    EXPECT_EQ(line.text.size(), 99u);
}

TEST_F(LobbyServer, TalkGoesToThePeerOrComesBackRefused) {
    auto a = Enter("tester", "secret");
    auto b = Enter("玩家甲", "1234");
    a->Send(Encode(CsTalk{"玩家甲", "你好"}));
    const auto got = Read<ScTalk>(b->Expect(SC_TALK));
    EXPECT_EQ(got.sender, "tester");
    EXPECT_EQ(got.text, "你好");
    CsTablePrefs prefs;
    prefs.acceptInvites = true;
    prefs.refuseTalk = true;
    b->Send(Encode(prefs));
    b->Send(Encode(CsTalk{"无此人", "?"}));
    ASSERT_TRUE(b->Expect(SC_TALK));
    a->Send(Encode(CsTalk{"玩家甲", "再见"}));
    const auto refused = Read<ScTalk>(a->Expect(SC_TALK));
    EXPECT_EQ(refused.sender, "玩家甲");
    EXPECT_TRUE(refused.system);
}

TEST_F(LobbyServer, InvitationsReachALobbyUserWhoAcceptsThem) {
    auto a = Enter("tester", "secret");
    auto b = Enter("玩家甲", "1234");
    a->Send(Encode(CsSitDown{7, 0}));
    ASSERT_TRUE(a->Expect(SC_ENTER_TABLE));
    a->Send(Encode(CsInvite{"玩家甲"}));
    const auto invite = Read<ScInvite>(b->Expect(SC_INVITE));
    EXPECT_EQ(invite.table, 7);  // 0-based
    CsTablePrefs prefs;  // refuses invitations
    b->Send(Encode(prefs));
    b->Send(Encode(CsTalk{"无此人", "?"}));  // its answer shows the preferences were taken
    ASSERT_TRUE(b->Expect(SC_TALK));
    a->Send(Encode(CsInvite{"玩家甲"}));
    a->Send(Encode(CsInvite{"无此人"}));
    EXPECT_FALSE(b->Expect(SC_INVITE, 300));
    int refusals = 0;
    while (auto line = a->Expect(SC_TABLE_CHAT, 300))
        refusals += Read<ScTableChat>(line).seat == ScTableChat::kSystemSeat;
    EXPECT_EQ(refusals, 3);  // sent, refused, unknown
}

TEST_F(LobbyServer, AdministrationFollowsTheKindOfUser) {
    auto admin = Enter("管理员", "admin1");
    auto user = Enter("tester", "secret");
    auto super = Enter("超级玩家", "super1");
    super->Send(Encode(CsAdmin{CsAdmin::kMute, "tester"}));  // kind 2 may not mute
    EXPECT_TRUE(super->Expect(SC_MESSAGEBOX));
    admin->Send(Encode(CsAdmin{CsAdmin::kMute, "tester"}));
    EXPECT_TRUE(Read<ScRoomChat>(user->Expect(SC_ROOM_CHAT)).red);
    user->Send(Encode(CsRoomChat{"hi"}));
    EXPECT_EQ(Read<ScRoomChat>(user->Expect(SC_ROOM_CHAT)).text, "你已被禁言");
    EXPECT_FALSE(admin->Expect(SC_ROOM_CHAT, 300));
    admin->Send(Encode(CsAdmin{CsAdmin::kRemove, "tester"}));
    EXPECT_TRUE(user->Expect(SC_MESSAGEBOX));
    EXPECT_FALSE(Read<ScRoomInfo>(user->Expect(SC_ROOM_INFO)).entered);
    const auto removed = Read<ScUserInfo>(admin->Expect(SC_USER_INFO));
    EXPECT_EQ(removed.op, ScUserInfo::kRemove);
}

TEST_F(LobbyServer, TheServerShowsItsTablesToTheTests) {
    auto a = Enter("tester", "secret");
    a->Send(Encode(CsSitDown{3, 1}));
    ASSERT_TRUE(a->Expect(SC_ENTER_TABLE));
    int people = -1;
    server.WithRooms([&](Rooms* rooms) { people = rooms->Table(0, 3)->People(); });
    EXPECT_EQ(people, 1);
    a->Send(Encode(CsLeaveGame{}));
    EXPECT_TRUE(Read<ScUserInfo>(a->Expect(SC_USER_INFO)).atTable);
    EXPECT_FALSE(Read<ScUserInfo>(a->Expect(SC_USER_INFO)).atTable);
    server.WithRooms([&](Rooms* rooms) { people = rooms->Table(0, 3)->People(); });
    EXPECT_EQ(people, 0);
}
