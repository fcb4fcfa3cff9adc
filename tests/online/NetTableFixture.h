// A headless table switched to online play whose records go to a list instead of a link, fed
// the server's records through the codec; the invariants are checked after every record.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "engine/Mj.h"
#include "online/GameMsgClient.h"
#include "online/GameMsgServer.h"
#include "testsupport/engine/HeadlessTable.h"
#include "testsupport/online/NetTableInvariants.h"

namespace onlinetest {

// Notes the dice the table shows.
class DicePresentation : public TablePresentation {
public:
    void StartDiceThrow(int seat, int die1, int die2) override {
        TablePresentation::StartDiceThrow(seat, die1, die2);
        throws.push_back({seat, die1, die2});
    }
    struct Throw {
        int seat, die1, die2;
    };
    std::vector<Throw> throws;
};

// Tile indexes of a kind's first copy.
inline std::uint8_t Idx(int value, int suit) { return TileToIndex(MakeTile(value, suit)); }

class NetTable : public ::testing::Test {
protected:
    NetTable() : headless_(7, &presentation) {
        nActiveForm = 0;
        t.recordsink = [this](const std::uint8_t* r) {
            GameMsg m;
            std::copy(r, r + kGameMsgSize, m.begin());
            sent.push_back(m);
        };
        t.NetStart();
    }
    ~NetTable() override { nActiveForm = 0; }

    void Feed(const GameMsg& m) {
        t.OnGameMsg(m.data());
        EXPECT_EQ(BrokenInvariant(t), "") << "after a record of type " << MsgType(m.data());
    }

    // Seated at server seat `own`, three robots, the start button shown.
    void Sit(int own = 0, int minFan = 8, bool wild = false) {
        ScEnterTable enter;
        enter.ownSeat = own;
        enter.showStart = true;
        enter.variant = 1;
        enter.minFan = minFan;
        enter.wildRule = wild;
        Feed(Encode(enter));
        ScTableUserInfo info;
        for (int s = 0; s < 4; s++) {
            info.seats[s].status = s == own ? 1 : 0;
            info.seats[s].score = 1000;
            info.seats[s].name = s == own ? "me" : "robot";
            info.pictures[s] = s + 1;
        }
        Feed(Encode(info));
    }

    // Dice with the dealer at server seat `dealer`, then the user's 13 tiles.
    void Deal(const std::vector<std::uint8_t>& hand, int dealer = 0) {
        ScDice dice;
        dice.wind = 1;
        dice.dealer = dealer;
        for (int& d : dice.dice) d = 3;
        Feed(Encode(dice));
        ScDeal deal;
        deal.count = static_cast<int>(hand.size());
        std::copy(hand.begin(), hand.end(), deal.hand);
        Feed(Encode(deal));
    }

    // 1-9 characters, 1-4 bamboo: a plain hand of 13.
    static std::vector<std::uint8_t> PlainHand() {
        std::vector<std::uint8_t> h;
        for (int v = 1; v <= 9; v++) h.push_back(Idx(v, 0));
        for (int v = 1; v <= 4; v++) h.push_back(Idx(v, 1));
        return h;
    }

    // The user's draw: the wall record for the own seat, the tile, the turn.
    void UserDraws(std::uint8_t tile, bool options = false) {
        Feed(Encode(ScOtherDraw{t.ownseat}));
        Feed(Encode(ScDrawTile{tile}));
        ScYourTurn turn;
        turn.options = options;
        Feed(Encode(turn));
    }

    GameMsg Action(int serverSeat, int action, std::uint8_t tile, int detail = 0, std::uint8_t third = 0) {
        ScSendAction a;
        a.seat = serverSeat;
        a.action = action;
        a.tile = tile;
        a.detail = detail;
        a.third = third;
        return Encode(a);
    }

    // Sent records of a type.
    std::vector<GameMsg> Sent(int type) const {
        std::vector<GameMsg> out;
        for (const GameMsg& m : sent)
            if (MsgType(m.data()) == type) out.push_back(m);
        return out;
    }

    void Tick(int ms) { headless_.Clock().Advance(ms); }

    DicePresentation presentation;

private:
    enginetest::HeadlessTable headless_;

protected:
    CMj& t = *headless_.table;
    std::vector<GameMsg> sent;
};

}  // namespace onlinetest
