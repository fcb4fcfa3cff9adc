#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "online/GameMsgClient.h"
#include "online/GameMsgServer.h"
#include "tests/online/OnlineTestSupport.h"

namespace {

// A byte of a built record that a field must land on.
struct Pin {
    int offset;
    int value;
};

void ExpectPins(const GameMsg& msg, const std::vector<Pin>& pins, const char* what) {
    std::vector<bool> pinned(kGameMsgSize, false);
    pinned[0] = true;
    for (const Pin& p : pins) {
        EXPECT_EQ(msg[p.offset], p.value) << what << " byte " << p.offset;
        pinned[p.offset] = true;
    }
    for (int i = 1; i < kGameMsgSize; i++) {
        if (!pinned[i]) {
            EXPECT_EQ(msg[i], 0) << what << " byte " << i << " is no field's";
        }
    }
}

std::vector<Pin> TextPins(int offset, const std::string& text) {
    std::vector<Pin> pins;
    for (std::size_t i = 0; i < text.size(); i++)
        pins.push_back({offset + static_cast<int>(i), static_cast<unsigned char>(text[i])});
    return pins;
}

std::vector<Pin> operator+(std::vector<Pin> a, const std::vector<Pin>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

}  // namespace

TEST(GameMsgTypes, EachDirectionHasItsOwnTable) {
    EXPECT_STREQ(ServerMsgName(1), "SC_DEAL");
    EXPECT_STREQ(ClientMsgName(1), "CS_ACTION");
    EXPECT_STREQ(ServerMsgName(102), "SC_LOGIN_SUCCESS");
    EXPECT_STREQ(ClientMsgName(102), "CS_LEAVE_GAME");
    EXPECT_EQ(ServerMsgName(100 + 6), nullptr);  // 106 is the client's CS_INVITE only
    EXPECT_STREQ(ClientMsgName(106), "CS_INVITE");
    for (int ignored : {0, 16, 99, 106, 120, 126, -1, -128}) EXPECT_EQ(ServerMsgName(ignored), nullptr);
    std::set<int> types;
    for (const MsgTypeInfo& row : kServerMsgTypes) EXPECT_TRUE(types.insert(row.type).second);
    types.clear();
    for (const MsgTypeInfo& row : kClientMsgTypes) EXPECT_TRUE(types.insert(row.type).second);
}

TEST(GameMsgTypes, TheTypeByteIsSigned) {
    GameMsg msg = NewGameMsg(-1);
    EXPECT_EQ(MsgType(msg.data()), -1);
    msg[0] = 0x80;
    EXPECT_EQ(MsgType(msg.data()), -128);
    ScLoginSuccess success;
    EXPECT_FALSE(Decode(msg.data(), &success));
}

TEST(GameMsgFields, IntegersAreLittleEndianAndUnaligned) {
    GameMsg msg{};
    PutI32(msg.data(), 7, -2);
    EXPECT_EQ(msg[7], 0xFE);
    EXPECT_EQ(msg[10], 0xFF);
    EXPECT_EQ(GetI32(msg.data(), 7), -2);
    PutI32(msg.data(), 3, 0x12345678);
    EXPECT_EQ(msg[3], 0x78);
    EXPECT_EQ(msg[6], 0x12);
}

TEST(GameMsgFields, TextsAreBoundedByFieldRecordAndBuffer) {
    GameMsg msg{};
    std::memset(msg.data(), 'A', kGameMsgSize);  // no terminator anywhere
    EXPECT_EQ(RecordText(msg.data(), 1, 128).size(), 128u);
    EXPECT_EQ(RecordText(msg.data(), 100, 60).size(), 29u);  // the record ends at byte 128
    EXPECT_EQ(RecordText(msg.data(), 129, 10), "");
    char small[8];
    EXPECT_EQ(ReadRecordText(msg.data(), 1, 128, small, sizeof small), 7u);
    EXPECT_EQ(small[7], '\0');

    msg[5] = 0;
    EXPECT_EQ(RecordText(msg.data(), 1, 128), "AAAA");
    // A cut never splits a GBK character.
    const std::string han = "中文";
    PutRecordText(msg.data(), 10, 20, han);
    EXPECT_EQ(ReadRecordText(msg.data(), 10, 20, small, 4), 2u);
    EXPECT_EQ(std::string(small), "中");
}

TEST(GameMsgFields, AWrittenTextIsTerminatedUnlessItFillsItsField) {
    GameMsg msg{};
    std::memset(msg.data(), 0xEE, kGameMsgSize);
    PutRecordText(msg.data(), 1, 20, "short");
    EXPECT_EQ(msg[6], 0);
    EXPECT_EQ(msg[20], 0);
    EXPECT_EQ(msg[21], 0xEE);
    PutRecordText(msg.data(), 1, 4, "中文字");  // 6 bytes into 4: two whole characters
    EXPECT_EQ(std::string(reinterpret_cast<char*>(&msg[1]), 4), "中文");
    PutRecordText(msg.data(), 1, 3, "中文");  // a character that does not fit stays out
    EXPECT_EQ(msg[3], 0);
}

// Offsets of the records' fields, by type.
TEST(GameMsgFields, ServerRecordsPutEveryFieldAtItsOffset) {
    ScDeal deal;
    deal.count = 2;
    deal.hand[0] = 5;
    deal.hand[1] = 143;
    deal.wildRule = true;
    deal.wildTile = 7;
    deal.extraTaken = 3;
    deal.indicator = 6;
    ExpectPins(Encode(deal), {{3, 2}, {4, 5}, {5, 143}, {31, 1}, {32, 7}, {33, 3}, {34, 6}}, "deal");

    ExpectPins(Encode(ScDiscard{2, 77, true}), {{3, 2}, {4, 77}, {5, 1}}, "discard");
    ExpectPins(Encode(ScDice{3, 1, {2, 3, 4, 5}}), {{2, 3}, {3, 1}, {4, 2}, {5, 3}, {6, 4}, {7, 5}},
               "dice");
    ScYourTurn turn;
    turn.options = true;
    turn.offers.kong = true;
    turn.offers.win = true;
    ExpectPins(Encode(turn), {{2, 1}, {4, 1}, {5, 1}}, "your turn");
    ExpectPins(Encode(ScSendAction{1, 5, 9, 10, 11}), {{3, 1}, {4, 5}, {5, 9}, {6, 10}, {7, 11}},
               "send action");
    ScEnterTable enter;
    enter.ownSeat = 2;
    enter.showStart = false;
    enter.variant = 4;
    enter.minFan = 8;
    enter.wildRule = true;
    ExpectPins(Encode(enter), {{3, 2}, {4, 1}, {6, 4}, {9, 8}, {11, 1}}, "enter table");

    ScTableUserInfo users;
    users.seats[3] = {1, 1000, "ab", true};
    users.pictures[3] = 12;
    ExpectPins(Encode(users),
               {{79, 1}, {80, 0xE8}, {81, 3}, {84, 'a'}, {85, 'b'}, {104, 1}, {108, 12}}, "table users");

    ScUserInfo user;
    user.op = ScUserInfo::kAdd;
    user.name = "bo";
    user.score = 1;
    user.male = true;
    user.games = 2;
    user.wins = 3;
    user.counter1 = 4;
    user.escapes = 5;
    user.counter2 = 6;
    user.kind = 1;
    user.userId = 7;
    user.picture = 9;
    user.atTable = true;
    user.table = 100;
    user.chair = 3;
    ExpectPins(Encode(user),
               {{2, 1}, {3, 'b'}, {4, 'o'}, {23, 1}, {27, 1}, {28, 2}, {32, 3}, {36, 4}, {40, 5},
                {44, 6}, {51, 1}, {52, 7}, {66, 9}, {101, 1}, {102, 100}, {103, 3}},
               "user info");

    ScLinkNotice link{"t", "c", "u"};
    ExpectPins(Encode(link), {{4, 't'}, {64, 'c'}, {94, 'u'}}, "link notice");
    ScAvatarInfo avatar;
    avatar.userId = 258;
    avatar.name = "n";
    avatar.digest = "d";
    avatar.url = "u";
    ExpectPins(Encode(avatar), {{4, 2}, {5, 1}, {8, 'n'}, {28, 'd'}, {61, 'u'}}, "avatar");
    ExpectPins(Encode(ScRoomInfo{false, true, 4, "no"}), {{3, 1}, {4, 4}, {6, 'n'}, {7, 'o'}},
               "room info");
    ExpectPins(Encode(ScTalk{"s", "t", true}), {{1, 's'}, {21, 't'}, {126, 1}}, "talk");
    ExpectPins(Encode(ScRoomChat{true, "x"}), {{3, 1}, {6, 'x'}}, "room chat");
    ExpectPins(Encode(ScNotice{"n"}), {{6, 'n'}}, "notice");
    ExpectPins(Encode(ScRoomUserCount{2, 300}), {{1, 2}, {3, 44}, {4, 1}}, "room count");
    ExpectPins(Encode(ScInvite{42, "go"}), {{1, 42}, {3, 'g'}, {4, 'o'}}, "invite");
    ExpectPins(Encode(ScTableChat{100, "hi"}), {{1, 100}, {2, 'h'}, {3, 'i'}}, "table chat");
}

TEST(GameMsgFields, ClientRecordsPutEveryFieldAtItsOffset) {
    CsAction chow;
    chow.action = CsAction::kChow;
    chow.chowTiles[0] = 10;
    chow.chowTiles[1] = 14;
    ExpectPins(Encode(chow), {{3, 5}, {4, 10}, {5, 14}}, "chow");
    CsAction kong;
    kong.action = CsAction::kKong;
    kong.kongTile = 33;
    ExpectPins(Encode(kong), {{2, 33}, {3, 3}}, "kong");
    ExpectPins(Encode(CsDiscard{50, true}), {{2, 1}, {3, 50}}, "discard");
    CsTablePrefs prefs;
    prefs.acceptInvites = true;
    prefs.addressFilter = 4;
    prefs.limitEscapes = true;
    prefs.maxEscapeRate = 30;
    prefs.limit1 = true;
    prefs.value1 = 500;
    prefs.limit2 = true;
    prefs.value2 = -1;
    prefs.refuseTalk = true;
    ExpectPins(Encode(prefs),
               {{1, 1}, {2, 4}, {3, 1}, {4, 30}, {5, 1}, {6, 0xF4}, {7, 1}, {10, 1}, {11, 0xFF},
                {12, 0xFF}, {13, 0xFF}, {14, 0xFF}, {21, 1}},
               "table prefs");
    ExpectPins(Encode(CsSitDown{99, 3}), {{1, 99}, {2, 3}}, "sit down");
    ExpectPins(Encode(CsSetAvatar{12}), {{3, 1}, {4, 12}}, "set avatar");
    ExpectPins(Encode(CsAdmin{CsAdmin::kMute, "x"}), {{3, 3}, {4, 'x'}}, "admin");
    ExpectPins(Encode(CsTalk{"p", "t"}), {{1, 'p'}, {21, 't'}}, "talk");
    for (int type : {CS_LEAVE_GAME, CS_START, CS_KEEPALIVE, CS_LOGOFF})
        ExpectPins(NewGameMsg(type), {}, ClientMsgName(type));
    EXPECT_EQ(Encode(CsLogoff{})[0], 105);
}

TEST(GameMsgLogin, NamePasswordAdapterMarkAndVersion) {
    CsLogin login;
    login.name = "abcdefghijklmnopqrst";  // 20 bytes: no terminator; byte 21 starts the password
    login.password = "pw";
    login.adapter = "00112233445A";
    const GameMsg msg = Encode(login);
    ExpectPins(msg,
               TextPins(1, login.name) + TextPins(21, "pw") + TextPins(51, "00112233445A") +
                   std::vector<Pin>{{101, 'x'}, {103, 25}},
               "login");
}

TEST(GameMsgLogin, AnAdapterTextNotTwelveLongLeavesItsFieldZero) {
    for (const char* adapter : {"", "00112233445", "00112233445AB"}) {
        CsLogin login;
        login.name = "tester";
        login.adapter = adapter;
        const GameMsg msg = Encode(login);
        for (int i = 51; i <= 63; i++) EXPECT_EQ(msg[i], 0) << adapter << " byte " << i;
    }
}

// Every type reads back what it was built from.
TEST(GameMsgRoundTrip, ServerRecords) {
    ScDeal deal;
    deal.count = 14;
    for (int i = 0; i < 14; i++) deal.hand[i] = static_cast<std::uint8_t>(i * 10);
    ScDeal dealBack;
    ASSERT_TRUE(Decode(Encode(deal).data(), &dealBack));
    EXPECT_EQ(dealBack.count, 14);
    EXPECT_EQ(dealBack.hand[13], 130);

    ScHandEnd reveal;
    reveal.kind = ScHandEnd::kReveal;
    for (int s = 0; s < 4; s++) {
        reveal.reveal[s].change = -100 * s;
        reveal.reveal[s].count = 13;
        reveal.reveal[s].tiles[12] = static_cast<std::uint8_t>(s + 1);
    }
    ScHandEnd revealBack;
    ASSERT_TRUE(Decode(Encode(reveal).data(), &revealBack));
    EXPECT_EQ(revealBack.reveal[3].change, -300);
    EXPECT_EQ(revealBack.reveal[3].tiles[12], 4);

    ScHandEnd result;
    result.kind = ScHandEnd::kResult;
    result.win = true;
    result.winner = 2;
    result.onDiscard = true;
    result.discarder = 1;
    result.fan = 24;
    result.fanFlags[88 + 1 - 1] = 1;
    result.extraFlags[19] = 1;
    ScHandEnd resultBack;
    ASSERT_TRUE(Decode(Encode(result).data(), &resultBack));
    EXPECT_EQ(Encode(result)[99], 1);  // fan 88 at byte 99
    EXPECT_EQ(Encode(result)[120], 1);
    EXPECT_EQ(resultBack.fan, 24);
    EXPECT_EQ(resultBack.discarder, 1);

    ScTableRestore table;
    table.part = 1;
    table.count = 14;
    table.hand[13] = 99;
    table.lastTaken = 60;
    table.waitsDiscard = true;
    table.ownSeat = 3;
    table.wind = 2;
    table.ready[2] = true;
    for (auto& seat : table.melds) {
        seat.count = 2;
        seat.melds[1] = {4, 0, {1, 2, 3, 4}};
    }
    ScTableRestore tableBack;
    ASSERT_TRUE(Decode(Encode(table).data(), &tableBack));
    EXPECT_EQ(tableBack.hand[13], 99);
    EXPECT_EQ(tableBack.melds[3].melds[1].tiles[3], 4);
    EXPECT_TRUE(tableBack.ready[2]);

    ScTableRestore rivers;
    rivers.part = 2;
    rivers.rivers[0].count = 30;
    rivers.rivers[3].count = 2;
    rivers.rivers[3].tiles[1] = 77;
    ScTableRestore riversBack;
    ASSERT_TRUE(Decode(Encode(rivers).data(), &riversBack));
    EXPECT_EQ(riversBack.rivers[0].count, 30);
    EXPECT_EQ(riversBack.rivers[3].tiles[1], 77);

    ScFlower dealt;
    dealt.seat = 1;
    dealt.count = 3;
    dealt.tiles[2] = 140;
    ScFlower dealtBack;
    ASSERT_TRUE(Decode(Encode(dealt).data(), &dealtBack));
    EXPECT_EQ(dealtBack.tiles[2], 140);
    EXPECT_FALSE(dealtBack.inPlay);
}

TEST(GameMsgRoundTrip, CountsAboveTheClientsArraysDoNotRead) {
    GameMsg msg = Encode(ScDeal{});
    msg[3] = 15;
    ScDeal deal;
    EXPECT_FALSE(Decode(msg.data(), &deal));

    msg = Encode(ScFlower{});
    msg[4] = 9;
    ScFlower flower;
    EXPECT_FALSE(Decode(msg.data(), &flower));

    // A reveal of a seat holding 15 tiles.
    msg = NewGameMsg(SC_HAND_END);
    msg[7] = 15;
    ScHandEnd end;
    EXPECT_FALSE(Decode(msg.data(), &end));

    // A restore with a sixth meld, and one whose meld block is cut at byte 128.
    msg = NewGameMsg(SC_TABLE_RESTORE);
    msg[1] = 1;
    msg[51] = 6;
    ScTableRestore restore;
    EXPECT_FALSE(Decode(msg.data(), &restore));
    msg[51] = 5;
    for (int m = 0, at = 52; m < 5; m++, at += 6) msg[at] = 4;
    for (int at = 82; at < kGameMsgSize; at++) msg[at] = 4;
    EXPECT_FALSE(Decode(msg.data(), &restore));
    // A river of 53 tiles.
    msg = NewGameMsg(SC_TABLE_RESTORE);
    msg[1] = 2;
    msg[3] = 53;
    EXPECT_FALSE(Decode(msg.data(), &restore));
}

TEST(GameMsgRoundTrip, ClientRecords) {
    CsLogin login{"名字", "pass", "AABBCCDDEEFF", 25};
    CsLogin loginBack;
    ASSERT_TRUE(Decode(Encode(login).data(), &loginBack));
    EXPECT_EQ(loginBack.name, "名字");
    EXPECT_EQ(loginBack.adapter, "AABBCCDDEEFF");
    CsTablePrefs prefs;
    prefs.value2 = -5;
    prefs.refuseTalk = true;
    CsTablePrefs prefsBack;
    ASSERT_TRUE(Decode(Encode(prefs).data(), &prefsBack));
    EXPECT_EQ(prefsBack.value2, -5);
    EXPECT_TRUE(prefsBack.refuseTalk);
    CsRoomChat chat{std::string(200, 'c')};
    CsRoomChat chatBack;
    ASSERT_TRUE(Decode(Encode(chat).data(), &chatBack));
    EXPECT_EQ(chatBack.text.size(), 127u);
    CsDiscard discard;
    EXPECT_FALSE(Decode(Encode(CsAction{}).data(), &discard));
}
