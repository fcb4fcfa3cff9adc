// The records the server sends, field by field: one struct per type, built with Encode and
// read with Decode.  Decode answers false for a record of another type and for a record whose
// counted blocks do not fit (a count above the client's arrays, a block running past byte
// 128); every other byte is read as it stands, and the record's handler judges the values
// (seats, tiles, dice and the like).  Texts are read through ReadRecordText.
#pragma once

#include <cstdint>
#include <string>

#include "online/GameMsg.h"

// The client's arrays, which bound the counted fields.
constexpr int kMsgHandTiles = 14;
constexpr int kMsgFlowers = 8;
constexpr int kMsgMelds = 5;
constexpr int kMsgMeldTiles = 4;
constexpr int kMsgRiverTiles = 52;
constexpr int kMsgFanFlags = 90;    // byte 11 + k for fan k (1..88)
constexpr int kMsgExtraFlags = 20;
constexpr int kMsgTableInfoBytes = 93;
constexpr int kMsgSeats = 4;

// Claim or own-draw offers: 1 offers the button, any other value does not.
struct MsgOffers {
    bool pung = false;
    bool kong = false;
    bool win = false;
    bool chow = false;
};

struct ScDeal {
    static constexpr int kType = SC_DEAL;
    int count = 0;                        // byte 3
    std::uint8_t hand[kMsgHandTiles] = {};  // from byte 4, min(count, 14) of them
    bool wildRule = false;                // byte 31 == 1
    std::uint8_t wildTile = 0;            // 32
    int extraTaken = 0;                   // 33: tiles taken from the front after the deal
    std::uint8_t indicator = 0;           // 34
};

struct ScDrawTile {
    static constexpr int kType = SC_DRAW_TILE;
    std::uint8_t tile = 0;  // 3
};

struct ScDiscard {
    static constexpr int kType = SC_DISCARD;
    int seat = 0;           // 3
    std::uint8_t tile = 0;  // 4
    bool ready = false;     // 5 == 1
};

struct ScActionOptions {
    static constexpr int kType = SC_ACTION_OPTIONS;
    MsgOffers offers;  // 3..6
};

struct ScDice {
    static constexpr int kType = SC_DICE;
    int wind = 0;        // 2
    int dealer = 0;      // 3
    int dice[4] = {};    // 4, 5 the first throw; 6, 7 the second
};

struct ScYourTurn {
    static constexpr int kType = SC_YOUR_TURN;
    bool options = false;  // 2 != 0: choose among the offers; else discard now
    MsgOffers offers;      // 3..6, read only with options
};

struct ScOtherDraw {
    static constexpr int kType = SC_OTHER_DRAW;
    int seat = 0;  // 3
};

struct ScSendAction {
    static constexpr int kType = SC_SEND_ACTION;
    int seat = 0;           // 3
    int action = 0;         // 4: 2 pung, 3 kong, 4 win, 5 chow
    std::uint8_t tile = 0;  // 5
    int detail = 0;         // 6: kong kind, win kind, or the chow's second tile
    std::uint8_t third = 0;  // 7: the chow's third tile
};

struct ScEnterTable {
    static constexpr int kType = SC_ENTER_TABLE;
    int ownSeat = 0;           // 3
    bool showStart = false;    // 4 == 0
    int variant = 0;           // 6
    int minFan = 0;            // 9
    bool wildRule = false;     // 11 == 1
};

// One seat's part of the reveal: point change, concealed tiles.
struct MsgRevealSeat {
    std::int32_t change = 0;
    int count = 0;
    std::uint8_t tiles[kMsgHandTiles] = {};
};

struct ScHandEnd {
    static constexpr int kType = SC_HAND_END;
    static constexpr int kReveal = 0;
    static constexpr int kResult = 1;
    int kind = 0;  // 2
    // kind 0, from byte 3, seat after seat.
    MsgRevealSeat reveal[kMsgSeats];
    // kind 1.
    bool win = false;          // 3 != 0
    int winner = 0;            // 4
    bool onDiscard = false;    // 5 != 0
    int discarder = 0;         // 6
    std::int32_t fan = 0;      // 7
    std::uint8_t fanFlags[kMsgFanFlags] = {};      // 11..100
    std::uint8_t extraFlags[kMsgExtraFlags] = {};  // 101..120
};

struct ScTableChat {
    static constexpr int kType = SC_TABLE_CHAT;
    static constexpr int kSystemSeat = 100;
    int seat = 0;      // 1
    std::string text;  // 2..128
};

struct MsgMeld {
    int count = 0;  // 3 or 4
    int kind = 0;   // 0 kong, 1 pung, 2 chow
    std::uint8_t tiles[kMsgMeldTiles] = {};
};

struct MsgSeatMelds {
    int count = 0;
    MsgMeld melds[kMsgMelds];
};

struct MsgRiver {
    int count = 0;
    std::uint8_t tiles[kMsgRiverTiles] = {};
};

struct ScTableRestore {
    static constexpr int kType = SC_TABLE_RESTORE;
    int part = 0;  // 1: table and hand; any other value: the rivers
    // Record 1 (`part` 1).
    int variant = 0;                          // 2
    int count = 0;                            // 3
    std::uint8_t hand[kMsgHandTiles] = {};    // 4..
    int concealed[kMsgSeats] = {};            // 18..21
    int dice[2] = {};                         // 22, 23
    int dealer = 0;                           // 24
    int lastTaken = 0;                        // 25
    int turn = 0;                             // 26
    std::uint8_t lastDiscard = 0;             // 27
    int lastDiscarder = 0;                    // 28
    bool waitsDiscard = false;                // 29 == 1
    int ownSeat = 0;                          // 30
    int minFan = 0;                           // 31
    int wind = 0;                             // 36
    int flowers[kMsgSeats] = {};              // 37..40
    bool ready[kMsgSeats] = {};               // 41..44 == 1
    MsgSeatMelds melds[kMsgSeats];            // from 51
    // Record 2: from byte 3.
    MsgRiver rivers[kMsgSeats];
};

struct MsgTableSeat {
    int status = 0;            // 0 empty (robot), 1 a user, 2 a user offline
    std::int32_t score = 0;
    std::string name;          // 20 bytes
    bool male = false;         // == 1
};

struct ScTableUserInfo {
    static constexpr int kType = SC_TABLE_USERINFO;
    MsgTableSeat seats[kMsgSeats];   // blocks of 26 bytes at 1, 27, 53, 79
    int pictures[kMsgSeats] = {};    // 105..108
};

struct ScUserStart {
    static constexpr int kType = SC_USER_START;
    bool started[kMsgSeats] = {};  // 3..6 != 0
};

struct ScFlower {
    static constexpr int kType = SC_FLOWER;
    bool inPlay = false;     // 2 == 1: one flower during play
    int seat = 0;            // 3
    int count = 0;           // 4 (dealt form)
    std::uint8_t tiles[kMsgFlowers] = {};  // from 6; in play the one tile at 6
};

// Records that carry one text and nothing else.
struct ScMessageBox {
    static constexpr int kType = SC_MESSAGEBOX;
    std::string text;  // 1..128
};

struct ScBackToRoom {
    static constexpr int kType = SC_BACK_TO_ROOM;
    std::string text;  // 1..128
};

struct ScLoginFail {
    static constexpr int kType = SC_LOGIN_FAIL;
    std::string text;  // 1..128
};

struct ScNotice {
    static constexpr int kType = SC_NOTICE;
    std::string text;  // 6..125
};

struct ScTableInfo {
    static constexpr int kType = SC_TABLE_INFO;
    bool noRedraw = false;  // 2 != 0
    int table = 0;          // 3
    std::uint8_t info[kMsgTableInfoBytes] = {};  // 4..96
};

struct ScLoginSuccess {
    static constexpr int kType = SC_LOGIN_SUCCESS;
};

struct ScUserInfo {
    static constexpr int kType = SC_USER_INFO;
    static constexpr int kAdd = 1;
    static constexpr int kRemove = 2;
    static constexpr int kUpdate = 3;
    int op = 0;                  // 2
    std::string name;            // 3..22
    std::int32_t score = 0;      // 23
    bool male = false;           // 27 == 1
    std::int32_t games = 0;      // 28
    std::int32_t wins = 0;       // 32
    std::int32_t counter1 = 0;   // 36
    std::int32_t escapes = 0;    // 40
    std::int32_t counter2 = 0;   // 44
    int kind = 0;                // 51
    std::int32_t userId = 0;     // 52
    int picture = 0;             // 66
    bool atTable = false;        // 101 != 0
    int table = 0;               // 102, 1..100
    int chair = 0;               // 103
};

struct ScInvite {
    static constexpr int kType = SC_INVITE;
    int table = 0;     // 1, 0..99
    std::string text;  // 3..128
};

struct ScRoomAdd {
    static constexpr int kType = SC_ROOM_ADD;
    int room = 0;      // 1
    std::string name;  // 3..52
};

struct ScRoomListBegin {
    static constexpr int kType = SC_ROOM_LIST_BEGIN;
    int count = 0;           // 2
    std::string serverName;  // 3..52
};

struct ScServerUserCount {
    static constexpr int kType = SC_SERVER_USERCOUNT;
    std::int32_t count = 0;  // 3
};

struct ScRoomUserCount {
    static constexpr int kType = SC_ROOM_USERCOUNT;
    int room = 0;            // 1
    std::int32_t count = 0;  // 3
};

struct ScRoomInfo {
    static constexpr int kType = SC_ROOM_INFO;
    bool contentsFollow = false;  // 1 != 0
    bool entered = false;         // 3 != 0 (read with byte 1 == 0)
    int room = 0;                 // 4
    std::string refusal;          // 6..125
};

struct ScRoomListEnd {
    static constexpr int kType = SC_ROOM_LIST_END;
};

struct ScTalk {
    static constexpr int kType = SC_TALK;
    std::string sender;   // 1..20
    std::string text;     // 21..120
    bool system = false;  // 126 == 1
};

struct ScRoomChat {
    static constexpr int kType = SC_ROOM_CHAT;
    bool red = false;  // 3 == 1
    std::string text;  // 6..105
};

struct ScLinkNotice {
    static constexpr int kType = SC_LINK_NOTICE;
    std::string text;     // 4..63
    std::string caption;  // 64..93
    std::string url;      // 94..128
};

struct ScAvatarInfo {
    static constexpr int kType = SC_AVATAR_INFO;
    bool isDefault = false;   // 1 == 1
    bool male = false;        // 2 == 1 (default picture)
    std::int32_t userId = 0;  // 4
    std::string name;         // 8..27
    std::string digest;       // 28..59, 32 hexadecimal digits
    std::string url;          // 61..120
};

// Build and read, one pair per type.
GameMsg Encode(const ScDeal& msg);
bool Decode(const std::uint8_t* record, ScDeal* out);
GameMsg Encode(const ScDrawTile& msg);
bool Decode(const std::uint8_t* record, ScDrawTile* out);
GameMsg Encode(const ScDiscard& msg);
bool Decode(const std::uint8_t* record, ScDiscard* out);
GameMsg Encode(const ScActionOptions& msg);
bool Decode(const std::uint8_t* record, ScActionOptions* out);
GameMsg Encode(const ScDice& msg);
bool Decode(const std::uint8_t* record, ScDice* out);
GameMsg Encode(const ScYourTurn& msg);
bool Decode(const std::uint8_t* record, ScYourTurn* out);
GameMsg Encode(const ScOtherDraw& msg);
bool Decode(const std::uint8_t* record, ScOtherDraw* out);
GameMsg Encode(const ScSendAction& msg);
bool Decode(const std::uint8_t* record, ScSendAction* out);
GameMsg Encode(const ScEnterTable& msg);
bool Decode(const std::uint8_t* record, ScEnterTable* out);
GameMsg Encode(const ScHandEnd& msg);
bool Decode(const std::uint8_t* record, ScHandEnd* out);
GameMsg Encode(const ScTableChat& msg);
bool Decode(const std::uint8_t* record, ScTableChat* out);
GameMsg Encode(const ScTableRestore& msg);
bool Decode(const std::uint8_t* record, ScTableRestore* out);
GameMsg Encode(const ScTableUserInfo& msg);
bool Decode(const std::uint8_t* record, ScTableUserInfo* out);
GameMsg Encode(const ScUserStart& msg);
bool Decode(const std::uint8_t* record, ScUserStart* out);
GameMsg Encode(const ScFlower& msg);
bool Decode(const std::uint8_t* record, ScFlower* out);
GameMsg Encode(const ScMessageBox& msg);
bool Decode(const std::uint8_t* record, ScMessageBox* out);
GameMsg Encode(const ScTableInfo& msg);
bool Decode(const std::uint8_t* record, ScTableInfo* out);
GameMsg Encode(const ScLoginSuccess& msg);
bool Decode(const std::uint8_t* record, ScLoginSuccess* out);
GameMsg Encode(const ScBackToRoom& msg);
bool Decode(const std::uint8_t* record, ScBackToRoom* out);
GameMsg Encode(const ScUserInfo& msg);
bool Decode(const std::uint8_t* record, ScUserInfo* out);
GameMsg Encode(const ScInvite& msg);
bool Decode(const std::uint8_t* record, ScInvite* out);
GameMsg Encode(const ScRoomAdd& msg);
bool Decode(const std::uint8_t* record, ScRoomAdd* out);
GameMsg Encode(const ScRoomListBegin& msg);
bool Decode(const std::uint8_t* record, ScRoomListBegin* out);
GameMsg Encode(const ScServerUserCount& msg);
bool Decode(const std::uint8_t* record, ScServerUserCount* out);
GameMsg Encode(const ScRoomUserCount& msg);
bool Decode(const std::uint8_t* record, ScRoomUserCount* out);
GameMsg Encode(const ScRoomInfo& msg);
bool Decode(const std::uint8_t* record, ScRoomInfo* out);
GameMsg Encode(const ScRoomListEnd& msg);
bool Decode(const std::uint8_t* record, ScRoomListEnd* out);
GameMsg Encode(const ScTalk& msg);
bool Decode(const std::uint8_t* record, ScTalk* out);
GameMsg Encode(const ScLoginFail& msg);
bool Decode(const std::uint8_t* record, ScLoginFail* out);
GameMsg Encode(const ScRoomChat& msg);
bool Decode(const std::uint8_t* record, ScRoomChat* out);
GameMsg Encode(const ScLinkNotice& msg);
bool Decode(const std::uint8_t* record, ScLinkNotice* out);
GameMsg Encode(const ScAvatarInfo& msg);
bool Decode(const std::uint8_t* record, ScAvatarInfo* out);
GameMsg Encode(const ScNotice& msg);
bool Decode(const std::uint8_t* record, ScNotice* out);
