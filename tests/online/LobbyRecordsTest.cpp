// The lobby's records on a scripted link: the room list and the room entry, users and tables,
// refusals, invitations, room chat and private talk.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "online/GameMsgClient.h"
#include "online/InviteMessage.h"
#include "online/Lobby.h"
#include "online/LobbyRecords.h"
#include "online/NetRoom.h"
#include "graphics/GraphicsGlobals.h"
#include "platform/Blit.h"
#include "tests/online/LinkTestSupport.h"
#include "tests/support/PngWriter.h"
#include "tools/testserver/HostileCases.h"
#include "ui/DxChatWnd.h"
#include "ui/InfoForm.h"

using namespace onlinetest;

namespace {

// The lobby's windows, recorded.
class LobbyRecorder : public LobbyWindows {
public:
    int TalkWindowCount() override { return static_cast<int>(talks.size()); }
    bool AddTalkLine(const std::string& peer, const std::string& line) override {
        for (auto& [name, lines] : talks)
            if (name == peer) {
                lines.push_back(line);
                return true;
            }
        return false;
    }
    bool OpenTalkWindow(const std::string& peer) override {
        talks.push_back({peer, {}});
        return true;
    }
    void ShowRoomList() override { roomListShown++; }
    std::vector<std::pair<std::string, std::vector<std::string>>> talks;
    int roomListShown = 0;
};

ScUserInfo UserRecord(const std::string& name, int op = ScUserInfo::kAdd) {
    ScUserInfo u;
    u.op = op;
    u.name = name;
    u.score = 1000;
    u.male = true;
    u.games = 3;
    u.wins = 2;
    return u;
}

// The frames the table draws, counted.
class FrameCounter : public TablePresentation {
public:
    void RenderFrame(const CMj& table) override {
        TablePresentation::RenderFrame(table);
        frames++;
    }
    int frames = 0;
};

// Made before the link test's table, which draws through it.
struct CountedFrames {
    FrameCounter shown;
};

class LobbyRecords : private CountedFrames, public LinkTest {
protected:
    LobbyRecords() : LinkTest(&shown) {}
    int Frames() const { return shown.frames; }

    void SetUp() override {
        InstallLobbyWindows(&windows);
        ConnectAndLogIn();
        Game().TakeSent();
    }
    void TearDown() override { InstallLobbyWindows(nullptr); }

    void Feed(const GameMsg& record) { Game().Feed(Bytes(record)); }
    void RoomList(int count) {
        Feed(Encode(ScRoomListBegin{count, "测试服"}));
        for (int r = 0; r < count; r++) Feed(Encode(ScRoomAdd{r, "房间" + std::to_string(r)}));
        for (int r = 0; r < count; r++) Feed(Encode(ScRoomUserCount{r, 10 + r}));
        Feed(Encode(ScServerUserCount{42}));
        Feed(Encode(ScRoomListEnd{}));
    }
    void Enter(int room, const std::vector<std::string>& others) {
        ScRoomInfo begin;
        begin.contentsFollow = true;
        Feed(Encode(begin));
        for (const std::string& name : others) Feed(Encode(UserRecord(name)));
        Feed(Encode(UserRecord("tester")));
        ScRoomInfo entered;
        entered.entered = true;
        entered.room = room;
        Feed(Encode(entered));
    }
    std::vector<std::string> ListNames() const {
        std::vector<std::string> names;
        for (const UserItem& row : Lobby.ListView1.rows) names.push_back(UserName(row.info));
        return names;
    }

    LobbyRecorder windows;
};

}  // namespace

TEST_F(LobbyRecords, TheRoomListFillsTheTreeAndAsksForTheRememberedRoomWithinRange) {
    pNetRoom->RoomID = 7;
    RoomList(5);
    const RoomTree& tree = Lobby.TreeView1;
    EXPECT_EQ(tree.server.text, "测试服(42人)");
    ASSERT_EQ(tree.rooms.size(), 5u);
    EXPECT_EQ(tree.rooms[2].text, "房间2(12人)");
    EXPECT_TRUE(tree.expanded);
    ASSERT_EQ(Lobby.roomList.size(), 5u);
    EXPECT_EQ(Lobby.roomList[4].count, "14");
    const auto asked = SentOfType(Game().TakeSent(), CS_ENTER_ROOM);
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0][1], 0);
    EXPECT_EQ(bInfoShown, 1);
    EXPECT_EQ(static_cast<CInfoForm*>(pInfoForm)->text, "正在获取房间信息,请稍后...");
}

TEST_F(LobbyRecords, RecordsBeforeTheListAreIgnoredAndARepeatedListReplacesTheOld) {
    Feed(Encode(ScRoomAdd{0, "早到"}));
    Feed(Encode(ScRoomUserCount{0, 3}));
    EXPECT_FALSE(Lobby.TreeView1.hasServer);
    EXPECT_TRUE(Lobby.roomList.empty());
    RoomList(3);
    RoomList(2);
    EXPECT_EQ(Lobby.TreeView1.rooms.size(), 2u);
    EXPECT_EQ(Lobby.roomList.size(), 2u);
    Feed(Encode(ScRoomAdd{5, "多余"}));  // beyond the count
    EXPECT_EQ(Lobby.TreeView1.rooms.size(), 2u);
}

TEST_F(LobbyRecords, EnteringARoomListsItsUsersOwnRowFirstAndMarksTheRoom) {
    RoomList(3);
    Enter(2, {"甲", "乙"});
    EXPECT_EQ(ListNames(), (std::vector<std::string>{"tester", "甲", "乙"}));
    EXPECT_EQ(pNetRoom->room, 2);
    EXPECT_EQ(pNetRoom->RoomID, 2);
    EXPECT_EQ(bInfoShown, 0);
    const auto& rooms = Lobby.TreeView1.rooms;
    EXPECT_EQ(rooms[0].image, kTreeRoomImage);
    EXPECT_EQ(rooms[1].image, kTreeRoomImage);
    EXPECT_EQ(rooms[2].image, kTreeCurrentRoomImage);
    EXPECT_EQ(std::string(Lobby.MyInfo.name), "tester");
}

TEST_F(LobbyRecords, UserRecordsAddUpdateAndRemoveRows) {
    RoomList(1);
    Enter(0, {"甲"});
    ScUserInfo male = UserRecord("乙");
    male.picture = 0;
    Feed(Encode(male));
    const UserItem* b = Lobby.ListView1.Find("乙");
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(b->info.avatar, 7);
    EXPECT_EQ(b->avatarImage, 10);
    EXPECT_EQ(WinRateText(b->info), "66%");
    // A second add takes all its fields; the own row stays first.
    ScUserInfo again = UserRecord("乙");
    again.score = 2222;
    again.kind = 1;
    Feed(Encode(again));
    EXPECT_EQ(Lobby.ListView1.Count(), 3);
    EXPECT_EQ(Lobby.ListView1.Find("乙")->info.score, 2222);
    EXPECT_EQ(Lobby.ListView1.Find("乙")->image, kImageMember);
    ScUserInfo me = UserRecord("tester");
    me.score = 5;
    Feed(Encode(me));
    EXPECT_EQ(ListNames().front(), "tester");
    EXPECT_EQ(Lobby.MyInfo.score, 5);
    // Updates: counters and the seat.
    ScUserInfo seated = UserRecord("甲", ScUserInfo::kUpdate);
    seated.atTable = true;
    seated.table = 4;
    seated.chair = 2;
    Feed(Encode(seated));
    EXPECT_EQ(Lobby.ListView1.Find("甲")->info.table, 4);
    bench.TakeNotices();
    // The own row is never removed; another's removal closes its talk window.
    Feed(Encode(UserRecord("tester", ScUserInfo::kRemove)));
    Feed(Encode(UserRecord("甲", ScUserInfo::kRemove)));
    Feed(Encode(UserRecord("无名", ScUserInfo::kRemove)));
    EXPECT_EQ(ListNames(), (std::vector<std::string>{"tester", "乙"}));
    const auto notices = bench.TakeNotices();
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0], std::make_pair(WM_TALKCLOSED, std::string("甲")));
}

TEST_F(LobbyRecords, TableRecordsMarkTheSeatedUsers) {
    RoomList(1);
    Enter(0, {"甲"});
    ScTableInfo table;
    table.table = 9;
    std::memcpy(table.info, "甲", 2);
    table.info[84] = 1;   // seat 0 occupied
    table.info[88] = 1;   // started
    table.info[80] = 40;  // a picture out of range
    Feed(Encode(table));
    EXPECT_EQ(Lobby.ListView1.Find("甲")->tableImage, kImageStarted);
    EXPECT_EQ(pNetRoom->GetTable(9)->picture[0], 6);  // the listed user's picture 7, minus 1
    table.table = 120;  // beyond the tables: ignored
    Feed(Encode(table));
    EXPECT_EQ(pNetRoom->GetTable(120), nullptr);
}

TEST_F(LobbyRecords, ARefusedEntryPostsTheRoomListNoticeAndKeepsTheLists) {
    RoomList(2);
    Enter(0, {"甲"});
    bench.TakeNotices();
    ScRoomInfo refused;
    refused.refusal = "房间已满";
    Feed(Encode(refused));
    const auto notices = bench.TakeNotices();
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0], std::make_pair(WM_ROOMLISTMSG, std::string("房间已满")));
    EXPECT_EQ(Lobby.ListView1.Count(), 2);
    EXPECT_EQ(pNetRoom->room, 0);
}

TEST_F(LobbyRecords, AnInvitationShowsOnlyInTheLobbyAndOnlyOnce) {
    RoomList(1);
    Enter(0, {"甲"});
    auto* prompt = static_cast<CInviteMessage*>(pInviteMessage);
    nActiveForm = 0;
    Feed(Encode(ScInvite{3, "甲邀请你"}));
    EXPECT_EQ(bInviteShown, 0);
    nActiveForm = CNetRoom::kId;
    Feed(Encode(ScInvite{3, "甲邀请你"}));
    EXPECT_EQ(bInviteShown, 1);
    EXPECT_EQ(prompt->table, 3);
    EXPECT_EQ(bench.desktop.flashes, 1);
    Feed(Encode(ScInvite{8, "乙邀请你"}));
    EXPECT_EQ(prompt->table, 3);
    EXPECT_EQ(prompt->text, "甲邀请你");
}

TEST_F(LobbyRecords, BackToTheRoomClosesTheWaitAndShowsTheLobby) {
    bInfoShown = 1;
    nActiveForm = 0;
    bench.TakeNotices();
    Feed(Encode(ScBackToRoom{"座位已有人"}));
    EXPECT_EQ(bInfoShown, 0);
    EXPECT_EQ(nActiveForm, CNetRoom::kId);
    const auto notices = bench.TakeNotices();
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0].second, "座位已有人");
}

// Sixteen senders get windows; the seventeenth new sender's line goes to the room chat.
TEST_F(LobbyRecords, TalkOpensAtMostSixteenWindows) {
    for (int i = 0; i < 17; i++) {
        ScTalk talk;
        talk.sender = "u" + std::to_string(i);
        talk.text = "hi";
        Feed(Encode(talk));
    }
    ScTalk again;
    again.sender = "u0";
    again.text = "again";
    Feed(Encode(again));
    ScTalk refused;
    refused.sender = "u1";
    refused.text = "对方拒绝私聊";
    refused.system = true;
    Feed(Encode(refused));
    ASSERT_EQ(windows.talks.size(), 16u);
    EXPECT_EQ(windows.talks[0].second,
              (std::vector<std::string>{"[u0]说: hi", "[u0]说: again"}));
    EXPECT_EQ(windows.talks[1].second.back(), "[系统消息] 对方拒绝私聊");
    EXPECT_GT(pNetRoom->chat->pages.count, 0);  // the seventeenth sender's line
}

namespace {

// One table record: names by seat ("" empty), grey seats, started seats, in game.
ScTableInfo TableRecord(int number, std::vector<std::string> names, std::vector<int> states,
                        std::vector<int> ready, bool ingame) {
    ScTableInfo t;
    t.table = number;
    for (int s = 0; s < 4; s++) {
        std::memcpy(t.info + 20 * s, names[s].data(), std::min<std::size_t>(names[s].size(), 20));
        t.info[84 + s] = static_cast<std::uint8_t>(names[s].empty() ? 0 : states[s]);
        t.info[88 + s] = static_cast<std::uint8_t>(ready[s]);
        t.info[80 + s] = static_cast<std::uint8_t>(s * 3);
    }
    t.info[92] = ingame;
    return t;
}

}  // namespace

// The lobby with users at several tables, written as MJ_TEST_OUT_DIR/online/lobby.png for a
// person to look at.
TEST_F(LobbyRecords, GoldenFrameOfTheLobbyWithUsersAtSeveralTables) {
    RoomList(3);
    const std::vector<std::string> names = {"玩家甲", "玩家乙", "老玩家", "超级玩家", "画像",
                                            "管理员", "名字正好二十个字节长"};
    Enter(1, names);
    for (std::size_t i = 0; i < names.size(); i++) {
        ScUserInfo u = UserRecord(names[i]);
        u.picture = static_cast<int>(i) + 2;
        Feed(Encode(u));
    }
    ScUserInfo me = UserRecord("tester");
    me.score = 1234;
    me.games = 40;
    me.wins = 17;
    me.escapes = 1;
    me.picture = 8;
    Feed(Encode(me));
    Feed(Encode(TableRecord(0, {"玩家甲", "玩家乙", "", "老玩家"}, {1, 1, 0, 2}, {1, 0, 0, 1}, false)));
    Feed(Encode(TableRecord(1, {"超级玩家", "画像", "管理员", "tester"}, {1, 1, 1, 1}, {1, 1, 1, 1}, true)));
    Feed(Encode(TableRecord(4, {"", "", "名字正好二十个字节长", ""}, {0, 0, 1, 0}, {0, 0, 1, 0}, false)));
    ScRoomChat red;
    red.red = true;
    red.text = "系统: 欢迎来到翠岭";
    Feed(Encode(red));
    ScRoomChat line;
    line.text = "玩家甲说: 大家好";
    Feed(Encode(line));
    platform::Surface frame(800, 600);
    platform::Surface* previous = lpDDSPla;
    lpDDSPla = &frame;
    pNetRoom->Draw();
    lpDDSPla = previous;
    // The grey seat and the table in game are drawn: the frame is not one colour.
    int differing = 0;
    for (int x = 28; x < 28 + 170 * 2; x++) differing += frame.Row(160)[x] != frame.Row(160)[28];
    EXPECT_GT(differing, 0);
    const auto dir = std::filesystem::path(MJ_TEST_OUT_DIR) / "online";
    std::filesystem::create_directories(dir);
    EXPECT_TRUE(testsupport::WritePng(frame, (dir / "lobby.png").string()));
}

// The room chat's background ends at its frame: below the frame, where the chat input stands,
// the lobby looks the same with the chat shown and hidden.
TEST_F(LobbyRecords, TheRoomChatStaysAboveTheChatInput) {
    ScRoomChat line;
    line.text = "玩家甲说: 大家好";
    Feed(Encode(line));
    auto draw = [](platform::Surface& frame) {
        platform::Surface* previous = lpDDSPla;
        lpDDSPla = &frame;
        pNetRoom->Draw();
        lpDDSPla = previous;
    };
    platform::Surface shown(800, 600), hidden(800, 600);
    draw(shown);
    pNetRoom->chat->visible = 0;
    draw(hidden);
    pNetRoom->chat->visible = 1;
    const int frameBottom = pNetRoom->chat->rect.bottom + CChatWindow::kFrameInset;
    int differing = 0;
    for (int y = frameBottom; y < 600; y++)
        for (int x = 0; x < 800; x++) differing += shown.Row(y)[x] != hidden.Row(y)[x];
    EXPECT_EQ(differing, 0);
    // Above it the chat is drawn.
    int drawn = 0;
    for (int x = 40; x < 540; x++) drawn += shown.Row(500)[x] != hidden.Row(500)[x];
    EXPECT_GT(drawn, 400);
}

// The lobby's hostile cases leave the lists within their bounds: the own row first when listed,
// at most 4,096 users, no more rooms than the list announced, the room entered within range, at
// most 16 talk windows.
TEST_F(LobbyRecords, HostileLobbyCasesKeepTheListsWithinBounds) {
    for (const testserver::HostileCase& hostile : testserver::HostileCases()) {
        if (std::string(hostile.id).rfind("lobby-", 0) != 0) continue;
        SCOPED_TRACE(hostile.id);
        Game().Feed(hostile.bytes());
        EXPECT_TRUE(bench.table->IsNetGame());
        EXPECT_LE(Lobby.ListView1.Count(), kMaxListedUsers);
        if (const UserItem* me = Lobby.ListView1.Find("tester")) {
            EXPECT_EQ(me, &Lobby.ListView1.rows.front());
        }
        EXPECT_LE(static_cast<int>(Lobby.TreeView1.rooms.size()), pNetRoom->roomcount);
        EXPECT_TRUE(pNetRoom->room == -1 || pNetRoom->room < pNetRoom->roomcount);
        EXPECT_LE(windows.TalkWindowCount(), kMaxTalkWindows);
        EXPECT_EQ(pNetRoom->GetTable(100), nullptr);
    }
}

// A busy room's records come many to a read: the lobby draws one frame for all of them, and a
// table record among them draws its own frames after the lobby's.
TEST_F(LobbyRecords, ARoomFloodDrawsOneFramePerRead) {
    RoomList(2);
    Enter(0, {"甲", "乙"});
    std::string flood;
    for (int i = 0; i < 50; i++) {
        ScRoomChat chat;
        chat.text = "第" + std::to_string(i) + "句";
        flood += Bytes(Encode(chat));
        ScUserInfo update = UserRecord(i % 2 ? "甲" : "乙", ScUserInfo::kUpdate);
        update.score = i;
        flood += Bytes(Encode(update));
    }
    flood += Bytes(Encode(ScServerUserCount{50}));
    int before = Frames();
    Game().Feed(flood);
    EXPECT_EQ(Frames() - before, 1);
    EXPECT_EQ(Lobby.ListView1.Find("甲")->info.score, 49);
    EXPECT_EQ(Lobby.TreeView1.server.text, "测试服(50人)");

    ScEnterTable enter;
    enter.ownSeat = 0;
    before = Frames();
    Game().Feed(Bytes(Encode(ScServerUserCount{51})) + Bytes(Encode(enter)));
    EXPECT_GE(Frames() - before, 2);  // the lobby's, then the table's own
    before = Frames();
    Game().Feed(Bytes(Encode(ScServerUserCount{52})));
    EXPECT_EQ(Frames() - before, 1);
}

// A table behind the server (records of a hand waiting behind each other in one read) skips
// the frames in between, the discards' flights among them, and shows where the read ends; a
// record that comes alone still draws its own frames.
TEST_F(LobbyRecords, ATableBehindTheServerDrawsOnlyWhereTheReadEnds) {
    ScEnterTable enter;
    enter.variant = 1;
    enter.minFan = 8;
    Feed(Encode(enter));
    ScTableUserInfo seats;
    for (int s = 0; s < 4; s++) {
        seats.seats[s].status = 1;
        seats.seats[s].score = 1000;
        seats.seats[s].name = s == 0 ? "tester" : "电脑" + std::to_string(s);
        seats.pictures[s] = s + 1;
    }
    Feed(Encode(seats));
    const std::string start = DiceAndDeal([](int i) { return i * 4; });
    Game().Feed(start.substr(0, kGameMsgSize));
    Game().Feed(start.substr(kGameMsgSize));

    const auto discardBy = [](int seat, int tile) {
        ScDiscard d;
        d.seat = seat;
        d.tile = static_cast<std::uint8_t>(tile);
        return Bytes(Encode(ScOtherDraw{seat})) + Bytes(Encode(d));
    };
    int before = Frames();
    Game().Feed(discardBy(1, 60));
    const int alone = Frames() - before;
    EXPECT_GE(alone, 2);  // the draw's frame and the discard's own

    std::string burst;
    for (int i = 0; i < 12; i++) burst += discardBy(1 + i % 3, 64 + i);
    before = Frames();
    Game().Feed(burst);
    EXPECT_LE(Frames() - before, 2);  // the frame held for the first 23, the last one's own
    EXPECT_EQ(bench.table->Player[1].rivernum + bench.table->Player[2].rivernum +
                  bench.table->Player[3].rivernum,
              12);  // every discard of the read but the last, which is still on show
}
