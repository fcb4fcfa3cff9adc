// Hands at the rooms' tables of the test server: people enter a room, sit down and start, and
// the server plays the hand there with robots in the empty chairs; a person who lost a running
// hand gets it back on entering the room again.
#include <gtest/gtest.h>

#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <string>
#include <utility>

#include "online/GameMsgClient.h"
#include "online/GameMsgServer.h"
#include "online/Lobby.h"
#include "online/NetRoom.h"
#include "tests/online/LinkPlayer.h"
#include "testsupport/online/RawClient.h"
#include "tests/online/RecordPerson.h"
#include "tests/online/ServerBench.h"
#include "tests/online/TableCompare.h"

using namespace onlinetest;
using testserver::ServerOptions;
using testserver::TableView;

namespace {

ServerOptions RoomServer(int robotThinkMs) {
    ServerOptions options;
    options.minFan = 8;
    options.table.seed = 21;
    options.table.robotThinkMs = robotThinkMs;
    return options;
}

// The client logs in, enters the first room (its room list asks for it) and sits down.
void SitInRoom(ServerBench& s, int table, int chair) {
    OnlineBench& b = *s.bench;
    b.LogInAs("tester", "secret");
    ASSERT_TRUE(Pump([] { return pNetRoom && pNetRoom->room == 0 && !bInfoShown; }));
    ASSERT_EQ(pNetRoom->SitDown(table, chair), 1);
    ASSERT_TRUE(Pump([&] { return b.table->seated != 0; }));
    EXPECT_EQ(b.table->ownseat, chair);
}

// A scripted person on the record codec: logs in, enters room 0 and sits down; then plays its
// seat as RecordPerson does.
struct CodecPerson {
    CodecClient client;
    RecordPerson person;
    int seat;
    int handEnds = 0;
    int changes[4] = {};                   // each seat's point changes, summed over the hands
    int wins[4] = {};                      // each seat's wins over the hands
    ScTableUserInfo seats;                 // the last seat records
    std::map<std::string, ScUserInfo> listed;  // the room's last user record of each name

    CodecPerson(std::uint16_t port, int table, int chair) : client(port), seat(chair) {
        client.LogIn("玩家甲", "1234");
        EXPECT_TRUE(client.Expect(SC_ROOM_LIST_END));
        client.Send(Encode(CsEnterRoom{0}));
        for (;;) {
            const auto info = client.Expect(SC_ROOM_INFO);
            EXPECT_TRUE(info);
            ScRoomInfo r;
            if (!info || (Decode(info->data(), &r) && r.entered)) break;
        }
        client.Send(Encode(CsSitDown{table, chair}));
        EXPECT_TRUE(client.Expect(SC_ENTER_TABLE));
        client.seen.clear();
    }
    // Reads what has come and answers it.
    void Poll() {
        client.Expect(-1, 3);  // whatever comes within a moment
        std::deque<std::pair<int, GameMsg>> out;
        while (!client.seen.empty()) {
            const GameMsg r = client.seen.front();
            client.seen.pop_front();
            Note(r);
            person.Read(r.data(), &out, seat);
        }
        for (const auto& [s, record] : out) client.Send(record);
    }
    void Note(const GameMsg& r) {
        ScHandEnd end;
        ScUserInfo user;
        switch (MsgType(r.data())) {
            case SC_HAND_END:
                if (!Decode(r.data(), &end)) return;
                handEnds += end.kind == ScHandEnd::kResult;
                if (end.kind == ScHandEnd::kResult && end.win && end.winner >= 0 && end.winner < 4) wins[end.winner]++;
                if (end.kind == ScHandEnd::kReveal)
                    for (int s = 0; s < 4; s++) changes[s] += end.reveal[s].change;
                return;
            case SC_TABLE_USERINFO: Decode(r.data(), &seats); return;
            case SC_USER_INFO:
                if (Decode(r.data(), &user)) listed[user.name] = user;
                return;
            default: return;
        }
    }
};

// The client sits at chair 0 of table 4, a scripted person at chair 1; the person starts.
void SitTwoAndStart(ServerBench& s, std::unique_ptr<CodecPerson>* other) {
    CMj& t = *s.bench->table;
    SitInRoom(s, 4, 0);
    *other = std::make_unique<CodecPerson>(s.server.GamePort(), 4, 1);
    ASSERT_TRUE(Pump([&] { return t.Player[t.ServerSeatToLocal(1)].occupied != 0; }));
    (*other)->client.Send(NewGameMsg(CS_START));
}

// Both people play until `hands` hands have ended at the client and at the server.
bool PlayBothToHandEnd(ServerBench& s, CodecPerson& other, LinkPlayer& player, int hands) {
    TableView v;
    int seat = 0;
    return Pump(
        [&] {
            other.Poll();
            player.Act();
            return other.handEnds >= hands && player.t.state == kHandOver &&
                   s.server.TableViewOf("tester", &v, &seat) && v.handsPlayed >= hands;
        },
        60000);
}

// Where the server wrote an entry of `type` after entry `from`; -1 when it did not.
int SentAfter(const testserver::TestServer& server, std::size_t from, int type) {
    const auto entries = server.TranscriptEntries();
    for (std::size_t i = from; i < entries.size(); i++)
        if (!entries[i].fromClient && !entries[i].signUp && entries[i].type == type) return static_cast<int>(i);
    return -1;
}

}  // namespace

// The client at chair 0 and a scripted person at chair 1 of table 4 both start; the server
// deals and plays the hand to the score sheet with two robots, and at each of the client's
// discards its seats match the server's view.
TEST(RoomHands, TwoPeopleSitDownStartAndPlayAHandWithTwoRobots) {
    ServerBench s(RoomServer(0));
    OnlineBench& b = *s.bench;
    std::unique_ptr<CodecPerson> person;
    ASSERT_NO_FATAL_FAILURE(SitTwoAndStart(s, &person));
    CodecPerson& other = *person;
    LinkPlayer player{*b.table, s};
    TableView v;
    int seat = 0;
    ASSERT_TRUE(PlayBothToHandEnd(s, other, player, 1))
        << "running " << (s.server.TableViewOf("tester", &v, &seat) && v.running) << " taken " << v.taken
        << " state " << b.table->state << " ends " << other.handEnds << " hand " << other.person.hand.size();
    ASSERT_TRUE(s.server.TableViewOf("tester", &v, &seat));
    EXPECT_EQ(seat, 0);
    EXPECT_EQ(v.handsPlayed, 1);
    EXPECT_GT(player.compared, 5);
    EXPECT_EQ(nActiveForm, kScoreFormId);
    // The seat records went out once, at the sit-down: the table that took over sent none.
    int enters = 0;
    for (const auto& e : s.server.TranscriptEntries()) enters += !e.fromClient && e.type == SC_ENTER_TABLE;
    EXPECT_EQ(enters, 2);
    s.server.WithRooms([](testserver::Rooms* rooms) { EXPECT_TRUE(rooms->Table(0, 4)->ingame); });
}

// Three hands in a row: each person's score goes on from the account's own from hand to hand,
// the robots keep their names, and the room's user records follow the scores, the games played
// and the wins, at the scripted person and in the client's user list.
TEST(RoomHands, ThreeHandsInARowKeepTheScoresAndTheNames) {
    ServerBench s(RoomServer(0));
    CMj& t = *s.bench->table;
    std::unique_ptr<CodecPerson> person;
    ASSERT_NO_FATAL_FAILURE(SitTwoAndStart(s, &person));
    CodecPerson& other = *person;
    const std::string names[4] = {"tester", "玩家甲", testserver::kRobotName, testserver::kRobotName};
    const int start[4] = {1000, 1200, testserver::kStartScore, testserver::kStartScore};
    LinkPlayer player{t, s};
    for (int hand = 1; hand <= 3; hand++) {
        SCOPED_TRACE("hand " + std::to_string(hand));
        ASSERT_TRUE(PlayBothToHandEnd(s, other, player, hand));
        // The client reads the hand's end on its own connection, which can lag behind the
        // person's on a loaded machine (its table may still show the hand before): it is read.
        EXPECT_TRUE(Pump([&] {
            for (int k = 0; k < 4; k++)
                if (t.Player[t.ServerSeatToLocal(k)].score != start[k] + other.changes[k]) return false;
            return true;
        }, 10000));
        // The room's record of the person follows the hand's scores.
        EXPECT_TRUE(Pump([&] {
            other.Poll();
            return other.listed["玩家甲"].score == 1200 + other.changes[1] &&
                   other.listed["tester"].games == hand;
        }, 3000)) << other.listed["玩家甲"].score << " vs " << 1200 + other.changes[1];
        for (int k = 0; k < 4; k++) {
            const CMjPlayer& p = t.Player[t.ServerSeatToLocal(k)];
            EXPECT_EQ(other.seats.seats[k].name, names[k]) << "seat " << k;
            EXPECT_EQ(other.seats.seats[k].score, start[k] + other.changes[k]) << "seat " << k;
            EXPECT_EQ(std::string(p.name), names[k]) << "seat " << k;
            EXPECT_EQ(p.score, start[k] + other.changes[k]) << "seat " << k;
        }
        EXPECT_EQ(other.listed["tester"].score, 1000 + other.changes[0]);
        // The accounts' games and wins: 玩家甲 came with 30 games and 12 wins, tester with none.
        const struct {
            const char* name;
            int seat, games, wins;
        } people[] = {{"tester", 0, 0, 0}, {"玩家甲", 1, 30, 12}};
        for (const auto& p : people) {
            SCOPED_TRACE(p.name);
            EXPECT_EQ(other.listed[p.name].games, p.games + hand);
            EXPECT_EQ(other.listed[p.name].wins, p.wins + other.wins[p.seat]);
            const UserItem* item = nullptr;
            EXPECT_TRUE(Pump([&] {
                item = Lobby.ListView1.Find(p.name);
                return item && item->info.games == p.games + hand;
            }, 3000));
            if (item) {
                EXPECT_EQ(item->info.wins, p.wins + other.wins[p.seat]);
            }
        }
    }
    s.server.WithRooms([&](testserver::Rooms* rooms) {
        EXPECT_EQ(rooms->User(rooms->Table(0, 4)->seats[1].conn)->account.score, 1200 + other.changes[1]);
    });
}

// The link drops in the middle of a hand at a room's table; the next login alone gives nothing
// back, the entry into the room (after its "entered") restores the hand, which then goes on in
// step with the server to its end.  The tables are not paced while the user is away: the robot
// step that took the user's turn over is still waiting when the user is back, and the turn is
// the user's again.
TEST(RoomHands, ALostHandComesBackOnEnteringTheRoomAgain) {
    ServerBench s(RoomServer(60));
    OnlineBench& b = *s.bench;
    SitInRoom(s, 7, 2);
    LinkPlayer player{*b.table, s};
    ASSERT_TRUE(PlayToMidHandAndDrop(b, s, player));
    const std::size_t before = s.server.TranscriptEntries().size();
    b.LogInAs("tester", "secret");
    TableView v;
    int seat = 0;
    ASSERT_TRUE(WaitForRestoredTurn(b, s, &v, &seat));
    EXPECT_EQ(seat, 2);
    EXPECT_EQ(b.table->ownseat, 2);
    EXPECT_EQ(Compare(*b.table, v), "");
    // The restore follows the room's contents, not the login.
    const int restored = SentAfter(s.server, before, SC_TABLE_RESTORE);
    ASSERT_GE(restored, 0);
    int entered = -1;
    const auto entries = s.server.TranscriptEntries();
    for (int i = static_cast<int>(before); i < restored; i++)
        if (!entries[i].fromClient && entries[i].type == SC_ROOM_INFO) entered = i;
    EXPECT_GE(entered, 0);
    EXPECT_GT(SentAfter(s.server, before, SC_ROOM_LIST_END), -1);
    EXPECT_LT(SentAfter(s.server, before, SC_ROOM_LIST_END), entered);
    // The room sees the user seated again.
    s.server.WithRooms([](testserver::Rooms* rooms) {
        EXPECT_NE(rooms->Table(0, 7)->seats[2].conn, testserver::kNoConnection);
    });
    ASSERT_TRUE(PlayToHandEnd(b, player));
}
