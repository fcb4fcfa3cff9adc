// Whole hands between the test server's table and headless client tables, each user's seat
// played by a script through the table's buttons and tile clicks.  At every sync point (an
// SC_YOUR_TURN or SC_DISCARD sent to a person) the client's table must match the server's view
// of it once the client has read that record.
#include <gtest/gtest.h>

#include <cstdio>
#include <deque>
#include <functional>
#include <map>
#include <memory>

#include "engine/Mj.h"
#include "online/GameMsgClient.h"
#include "online/GameMsgServer.h"
#include "testsupport/engine/HeadlessTable.h"
#include "testsupport/online/NetTableInvariants.h"
#include "tests/online/RecordPerson.h"
#include "tests/online/TableCompare.h"
#include "tools/testserver/ServerTable.h"
#include "ui/Dialogs.h"

namespace onlinetest {
namespace {

using testserver::ServerTable;
using testserver::TableOptions;
using testserver::TableView;

// One person: a headless table and the script that plays its user.
struct Client {
    explicit Client(unsigned seed) : headless(seed) {}
    enginetest::HeadlessTable headless;
    CMj& t() { return *headless.table; }
    std::deque<GameMsg> inbox;
    std::deque<std::pair<std::size_t, TableView>> syncs;  // views by the record they follow
    std::size_t received = 0;
    std::size_t delivered = 0;
    int compared = 0;
    bool startSent = false;  // the next hand was asked for from this score sheet
};

class Harness : public testserver::TableOutput {
public:
    // `people` play on client tables; `recordSeat`, when 0..3, is a second person played by
    // records.
    Harness(TableOptions options, std::vector<int> people, int recordSeat = -1)
        : server(OnHarnessClock(options), this), rawSeat(recordSeat) {
        nActiveForm = 0;
        for (int seat : people) clients[seat] = MakeClient(seat, options.seed + seat);
        if (rawSeat >= 0) {
            server.SeatUser(rawSeat, "raw", false, 2);
            toServer.push_back({rawSeat, NewGameMsg(CS_START)});
        }
        // The view goes with the last record each person has been sent.
        server.onSyncPoint = [this](const TableView& v) {
            for (auto& [seat, c] : clients)
                if (c->received > 0) c->syncs.push_back({c->received, v});
        };
        for (int seat : people) server.SeatUser(seat, "p" + std::to_string(seat), true, 7);
    }

    // The table's time is the harness's `now`.
    TableOptions OnHarnessClock(TableOptions options) {
        options.clock = [this] { return now; };
        return options;
    }

    void SendTo(int seat, const GameMsg& record) override {
        if (seat == rawSeat) {
            raw.Read(record.data(), &toServer, seat);
            return;
        }
        Client& c = *clients.at(seat);
        c.inbox.push_back(record);
        c.received++;
    }

    // Delivers records both ways and lets the scripts act until `hands` hands have ended.
    void Play(int hands, const std::function<bool()>& stop = {}, int limit = 200000) {
        for (auto& [seat, c] : clients)
            if (c->t().state != kHandRunning) c->t().StartHand();
        for (int step = 0; step < limit && server.View().handsPlayed < hands; step++) {
            if (stop && stop()) return;
            now += 50;
            server.Tick();
            bool moved = false;
            for (auto& [seat, c] : clients) moved = Deliver(*c) || moved;
            while (!toServer.empty()) {
                auto [seat, m] = toServer.front();
                toServer.pop_front();
                server.OnRecord(seat, m.data());
                moved = true;
            }
            if (!moved)
                for (auto& [seat, c] : clients) Act(*c);
        }
        for (auto& [seat, c] : clients)
            while (Deliver(*c)) {
            }
    }

    // The person's link ends and a new client logs in again: the restore must give it the
    // table as the server has it.
    std::string Reconnect(int seat) {
        LoseAndRestore(seat);
        const TableView v = server.View();
        Client& c = *clients[seat];
        while (Deliver(c)) {
        }
        return Compare(c.t(), v);
    }

    // The person's link ends and a new client is restored at once; its records wait in the
    // inbox.
    void LoseAndRestore(int seat) {
        server.UserLost(seat);
        // The old table goes first: a table and its services are the program's only ones.
        clients[seat].reset();
        clients[seat] = MakeClient(seat, 99);
        server.RestoreUser(seat);
        clients[seat]->syncs.clear();
    }

    // Delivers the client's records up to and including the first of `type`; false when none
    // came.
    bool DeliverThrough(Client& c, int type) {
        while (!c.inbox.empty()) {
            const bool last = MsgType(c.inbox.front().data()) == type;
            Deliver(c);
            if (last) return true;
        }
        return false;
    }

    // Plays until the person at `seat` is to discard after a draw, with more than 60 tiles
    // taken and a discard on show (what a restore must carry), everything delivered.
    void PlayToUsersTurnMidHand(int seat) {
        Play(1, [&] {
            const TableView v = server.View();
            return v.running && v.taken > 60 && v.shownSeat >= 0 && v.current == seat &&
                   v.seats[seat].concealed % 3 == 2 && clients[seat]->inbox.empty() && toServer.empty() &&
                   clients[seat]->t().maydiscard;
        });
    }

    std::unique_ptr<Client> MakeClient(int seat, unsigned seed) {
        auto c = std::make_unique<Client>(seed);
        c->t().recordsink = [this, seat](const std::uint8_t* r) {
            GameMsg m;
            std::copy(r, r + kGameMsgSize, m.begin());
            toServer.push_back({seat, m});
        };
        c->t().NetStart();
        return c;
    }

    bool Deliver(Client& c) {
        if (c.inbox.empty()) return false;
        const GameMsg m = c.inbox.front();
        c.inbox.pop_front();
        c.t().OnGameMsg(m.data());
        c.delivered++;
        EXPECT_EQ(BrokenInvariant(c.t()), "");
        while (!c.syncs.empty() && c.syncs.front().first == c.delivered) {
            const std::string diff = Compare(c.t(), c.syncs.front().second);
            EXPECT_EQ(diff, "") << "after record " << c.delivered << " of type " << MsgType(m.data());
            c.compared++;
            c.syncs.pop_front();
        }
        return true;
    }

    // The user's script: a win when offered, then a kong, a pung, a chow; else pass; a discard
    // of the drawn tile (or the last one); the next hand from the score sheet.
    static void Act(Client& c) {
        CMj& t = c.t();
        CMjPlayer& p = t.Player[0];
        if (t.state != kHandOver) c.startSent = false;
        if (t.state == kHandOver && !c.startSent) {
            c.startSent = true;
            t.StartHand();
            return;
        }
        if (t.Button(kButtonPass).visible && t.claimpending) {
            for (int id : {kButtonWin, kButtonKong, kButtonPung, kButtonChow, kButtonPass}) {
                if (!t.Button(id).enabled) continue;
                t.OnButtonClick(id);
                if (p.choosechow) {
                    p.chowmj[0] = p.Chow[0].Mj[0];
                    p.chowmj[1] = p.Chow[0].Mj[1];
                    t.OnChowButton();
                }
                if (p.choosekong) {
                    p.kongmj = p.Kong[0];
                    t.OnKongButton();
                }
                return;
            }
        }
        if (t.maydiscard && !t.claimpending && p.cardnum > 0) {
            if (t.Button(kButtonPass).visible) t.OnButtonClick(kButtonPass);
            p.select = p.hasnew ? p.cardnum : p.cardnum - 1;
            t.AutoDiscard();
        }
    }

    long long now = 0;
    ServerTable server;
    std::map<int, std::unique_ptr<Client>> clients;
    std::deque<std::pair<int, GameMsg>> toServer;
    int rawSeat = -1;
    RecordPerson raw;
};

struct Family {
    const char* name;
    int minFan;
    bool wild;
};

class ServerHands : public ::testing::TestWithParam<Family> {};

TEST_P(ServerHands, AUserPlaysWholeHandsInStepWithTheServer) {
    TableOptions options;
    options.minFan = GetParam().minFan;
    options.wild = GetParam().wild;
    for (unsigned seed : {3u, 11u}) {
        options.seed = seed;
        Harness h(options, {1});
        h.Play(3);
        EXPECT_EQ(h.server.View().handsPlayed, 3) << "seed " << seed;
        EXPECT_GT(h.clients[1]->compared, 20);
        EXPECT_EQ(h.clients[1]->t().state, kHandOver);
        EXPECT_EQ(nActiveForm, kScoreFormId);
        for (int s = 0; s < 4; s++)
            EXPECT_EQ(h.clients[1]->t().Player[h.clients[1]->t().ServerSeatToLocal(s)].score,
                      h.server.Score(s));
        std::printf("%s seed %u: %d sync points compared, last hand taken %d\n", GetParam().name, seed,
                    h.clients[1]->compared, h.server.View().taken);
    }
}

INSTANTIATE_TEST_SUITE_P(Families, ServerHands,
                         ::testing::Values(Family{"official", 8, false}, Family{"wild", 0, true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ServerHandRestore, AReconnectedUserGetsTheRunningHandBackAndPlaysItOut) {
    TableOptions options;
    options.seed = 11;
    Harness h(options, {1});
    // A moment with a discard on show and more than 53 tiles taken.
    h.Play(1, [&] {
        const TableView v = h.server.View();
        return v.running && v.taken > 60 && v.shownSeat >= 0 && h.clients[1]->inbox.empty() &&
               h.toServer.empty();
    });
    ASSERT_GT(h.server.View().taken, 60);
    EXPECT_EQ(h.Reconnect(1), "");
    EXPECT_TRUE(h.clients[1]->t().discardshown);
    h.Play(1);
    EXPECT_EQ(h.server.View().handsPlayed, 1);
    EXPECT_GT(h.clients[1]->compared, 0);
    EXPECT_EQ(h.clients[1]->t().state, kHandOver);
}

TableOptions RestoreOptions(int robotThinkMs) {
    TableOptions options;
    options.seed = 11;
    options.robotThinkMs = robotThinkMs;
    return options;
}

// The user at seat 1 is to discard in the middle of the hand when the link ends; a new client
// is restored at once, its records waiting.
void LoseAtTurnAndRestore(Harness& h) {
    h.PlayToUsersTurnMidHand(1);
    ASSERT_GT(h.server.View().taken, 60);
    h.LoseAndRestore(1);
}

// The restore comes as two records: a client that took the user's discard after the first
// would see it overwritten by the rivers of the second and discard again at the turn that
// follows.  The hand is whole, and the discard taken, only after the second.
TEST(ServerHandRestore, AHalfRestoredHandTakesNoDiscard) {
    Harness h(RestoreOptions(0), {1});
    ASSERT_NO_FATAL_FAILURE(LoseAtTurnAndRestore(h));
    Client& c = *h.clients[1];
    ASSERT_TRUE(h.DeliverThrough(c, SC_TABLE_RESTORE));
    EXPECT_TRUE(c.t().restorehalf);
    EXPECT_FALSE(c.t().maydiscard);
    Harness::Act(c);  // the user clicks a tile at once
    EXPECT_TRUE(h.toServer.empty());
    ASSERT_TRUE(h.DeliverThrough(c, SC_TABLE_RESTORE));
    EXPECT_TRUE(c.t().maydiscard);
    EXPECT_EQ(Compare(c.t(), h.server.View()), "");
    h.Play(1);
    EXPECT_EQ(h.server.View().handsPlayed, 1);
    EXPECT_GT(c.compared, 0);
}

// A turn has one owner.  The link ends while the user is to discard: a robot step takes the
// turn over after its pause; the user is back before that pause is over and is offered the
// turn.  The robot step must not discard for the user then: the discard is the user's.
TEST(ServerHandRestore, AUserBackBeforeTheRobotsPauseOwnsTheTurn) {
    Harness h(RestoreOptions(500), {1});
    ASSERT_NO_FATAL_FAILURE(LoseAtTurnAndRestore(h));
    Client& c = *h.clients[1];
    while (h.Deliver(c)) {
    }
    ASSERT_TRUE(c.t().maydiscard) << "restore half " << int(c.t().restorehalf) << " state " << c.t().state;
    const TableView before = h.server.View();
    h.now += 1000;  // the robot's pause is over
    h.server.Tick();
    const TableView after = h.server.View();
    EXPECT_EQ(after.current, 1);
    EXPECT_EQ(after.seats[1].concealed, before.seats[1].concealed);
    EXPECT_EQ(after.seats[1].river, before.seats[1].river);
    EXPECT_TRUE(c.inbox.empty()) << "the server sent record " << MsgType(c.inbox.front().data());
    // The user's own discard is the one that counts.
    Harness::Act(c);
    ASSERT_EQ(h.toServer.size(), 1u);
    const tagMj chosen = TileFromIndex(h.toServer.front().second[3]);
    h.server.OnRecord(1, h.toServer.front().second.data());
    h.toServer.clear();
    EXPECT_EQ(h.server.View().shownSeat, 1);
    ASSERT_TRUE(h.DeliverThrough(c, SC_DISCARD));
    EXPECT_TRUE(TileEqual(c.t().curmj, chosen));
    h.Play(1);
    EXPECT_EQ(h.server.View().handsPlayed, 1);
}

// A first hand's turn waits for the person's discard however late on the table's clock the
// table was made: the answer time-out counts from the offer, not from the clock's start.
TEST(ServerHandPace, TheFirstTurnOfAPersonDealerWaitsForTheDiscard) {
    TableOptions options;
    options.seed = 3;
    Harness h(options, {0});
    h.now = 1'700'000'000'000;  // a steady clock's milliseconds
    Client& c = *h.clients[0];
    while (h.Deliver(c)) {
    }
    c.t().StartHand();
    while (!h.toServer.empty()) {
        h.server.OnRecord(h.toServer.front().first, h.toServer.front().second.data());
        h.toServer.pop_front();
    }
    ASSERT_TRUE(h.server.View().running);
    ASSERT_EQ(h.server.View().current, 0);
    h.now += 1000;
    h.server.Tick();
    while (h.Deliver(c)) {
    }
    EXPECT_EQ(h.server.View().shownSeat, -1);
    EXPECT_EQ(h.server.View().seats[0].concealed, 14);
    EXPECT_TRUE(c.t().maydiscard);
}

// A fixed wall that deals flowers to every seat and puts flowers on the first draws and on
// the replacements: the dealt and in-play replacements stay in step with the server.
TEST(ServerHandFixedWall, FlowersDealtAndDrawnAreReplacedInStep) {
    TableOptions options;
    std::vector<int> wall;
    for (int i = 0; i < 136; i++) wall.push_back((i * 37) % 136);  // the 136 suit and honour tiles
    const int flowers[] = {136, 137, 138, 139, 140, 141, 142, 143};
    // Dealt (positions 0..3: one to each seat), the first draw and the back's replacements.
    const int at[] = {0, 1, 2, 3, 52, 53};
    for (int k = 0; k < 6; k++) wall.insert(wall.begin() + at[k], flowers[k]);
    wall.push_back(flowers[6]);
    wall.push_back(flowers[7]);
    ASSERT_EQ(wall.size(), 144u);
    options.fixedWall = wall;
    Harness h(options, {1});
    h.Play(1);
    EXPECT_EQ(h.server.View().handsPlayed, 1);
    EXPECT_GT(h.clients[1]->compared, 10);
    int flowersSeen = 0;
    for (const CMjPlayer& p : h.clients[1]->t().Player) flowersSeen += p.flowers;
    EXPECT_GE(flowersSeen, 5);
}

TEST(ServerHandsTwoPeople, TwoPeopleAndTwoRobotsPlayHands) {
    TableOptions options;
    options.seed = 5;
    Harness h(options, {0}, 2);
    h.Play(2);
    EXPECT_EQ(h.server.View().handsPlayed, 2);
    EXPECT_GT(h.clients[0]->compared, 20);
    EXPECT_TRUE(h.server.HasPerson(2));
    EXPECT_TRUE(h.clients[0]->t().Player[2].occupied);
}

}  // namespace
}  // namespace onlinetest
