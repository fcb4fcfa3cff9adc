// The link on scripted sockets: the test plays the server byte by byte.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "online/GameMsgServer.h"
#include "online/MainWindowNotices.h"
#include "platform/testing/ScriptedSocket.h"
#include "tests/online/OnlineTestSupport.h"

namespace onlinetest {

inline std::string Bytes(const GameMsg& msg) { return std::string(msg.begin(), msg.end()); }
inline std::string LoginSuccess() { return Bytes(Encode(ScLoginSuccess{})); }
inline std::string LoginFail(const std::string& text) { return Bytes(Encode(ScLoginFail{text})); }

// A hand's start at a table whose user is seated: the dice (east round, two threes) and a
// 13-tile deal of the tile indexes `tileOf(0..12)`.
template <typename TileOf>
std::string DiceAndDeal(TileOf tileOf) {
    ScDice dice;
    dice.wind = 1;
    for (int& d : dice.dice) d = 3;
    ScDeal deal;
    deal.count = 13;
    for (int i = 0; i < 13; i++) deal.hand[i] = static_cast<std::uint8_t>(tileOf(i));
    return Bytes(Encode(dice)) + Bytes(Encode(deal));
}

// The records of a type among the bytes sent.
inline std::vector<GameMsg> SentOfType(const std::string& sent, int type) {
    std::vector<GameMsg> out;
    for (std::size_t at = 0; at + kGameMsgSize <= sent.size(); at += kGameMsgSize) {
        GameMsg r;
        std::copy_n(sent.begin() + static_cast<long>(at), kGameMsgSize, r.begin());
        if (MsgType(r.data()) == type) out.push_back(r);
    }
    return out;
}

class LinkTest : public ::testing::Test {
protected:
    // The table shown through `presentation` (not owned); none: headless.
    explicit LinkTest(TablePresentation* presentation = nullptr) : bench({}, presentation) {}

    using ScriptedSocket = platform::testing::ScriptedSocket;

    ScriptedSocket& Game() { return factory.Socket(0); }
    ScriptedSocket& SignUp() { return factory.Socket(1); }

    // Logs in through the dialog and lets the connection come up; the login record is taken.
    void Connect() {
        bench.LogInAs("tester", "secret");
        ASSERT_TRUE(Game().AcceptConnection());
        ASSERT_EQ(Game().TakeSent().size(), static_cast<std::size_t>(kGameMsgSize));
    }
    void ConnectAndLogIn() {
        Connect();
        Game().Feed(LoginSuccess());
        ASSERT_TRUE(bench.table->IsNetGame());
        // The login's success sends the table preferences.
        const std::string prefs = Game().TakeSent();
        ASSERT_EQ(prefs.size(), static_cast<std::size_t>(kGameMsgSize));
        ASSERT_EQ(MsgType(reinterpret_cast<const std::uint8_t*>(prefs.data())), CS_TABLE_PREFS);
    }

    std::vector<std::string> NoticeTexts() { return onlinetest::NoticeTexts(bench); }

    platform::testing::ScriptedSocketFactory factory;
    platform::testing::ScopedSocketFactory factoryInstalled{&factory};
    OnlineBench bench;
};

}  // namespace onlinetest
