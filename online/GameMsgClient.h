// The records the client sends, field by field: one struct per type, built with Encode and
// read with Decode (the test server reads them).  Decode answers false for a record of another
// type.  Texts are read through ReadRecordText.
#pragma once

#include <cstdint>
#include <string>

#include "online/GameMsg.h"

struct CsAction {
    static constexpr int kType = CS_ACTION;
    // Byte 3.
    enum Action : int { kPass = 0, kPung = 2, kKong = 3, kWin = 4, kChow = 5 };
    int action = 0;
    std::uint8_t kongTile = 0;       // 2: a kong declared on the own turn
    std::uint8_t chowTiles[2] = {};  // 4, 5: the two hand tiles of a chow (4: the variant-2 answer)
};

struct CsDiscard {
    static constexpr int kType = CS_DISCARD;
    std::uint8_t tile = 0;  // 3
    bool ready = false;     // 2 == 1
};

struct CsTableChat {
    static constexpr int kType = CS_TABLE_CHAT;
    std::string text;  // 1..128
};

struct CsTablePrefs {
    static constexpr int kType = CS_TABLE_PREFS;
    bool acceptInvites = false;  // 1 == 1
    int addressFilter = 0;       // 2: 0 off, else 4 or 3
    bool limitEscapes = false;   // 3 == 1
    int maxEscapeRate = 0;       // 4
    bool limit1 = false;         // 5 == 1
    std::int32_t value1 = 0;     // 6
    bool limit2 = false;         // 10 == 1
    std::int32_t value2 = 0;     // 11
    bool refuseTalk = false;     // 21 == 1
};

struct CsFlowerCount {
    static constexpr int kType = CS_FLOWER_COUNT;
    int count = 0;  // 3
};

struct CsLogin {
    static constexpr int kType = CS_LOGIN;
    static constexpr int kVersion = 25;
    static constexpr int kAdapterDigits = 12;
    std::string name;      // 1..20, no terminator when it fills the field
    std::string password;  // 21..40
    // 51..63: twelve hexadecimal digits and a terminator; written only when exactly 12 long.
    std::string adapter;
    int version = kVersion;  // 103 (byte 101 holds 'x')
};

struct CsSitDown {
    static constexpr int kType = CS_SIT_DOWN;
    int table = 0;  // 1, 0..99
    int chair = 0;  // 2, 0..3
};

// Records without fields.
struct CsLeaveGame {
    static constexpr int kType = CS_LEAVE_GAME;
};
struct CsStart {
    static constexpr int kType = CS_START;
};
struct CsKeepAlive {
    static constexpr int kType = CS_KEEPALIVE;
};
struct CsLogoff {
    static constexpr int kType = CS_LOGOFF;
};

struct CsInvite {
    static constexpr int kType = CS_INVITE;
    std::string name;  // 1..20
};

struct CsEnterRoom {
    static constexpr int kType = CS_ENTER_ROOM;
    int room = 0;  // 1
};

struct CsTalk {
    static constexpr int kType = CS_TALK;
    std::string peer;  // 1..20
    std::string text;  // 21..120
};

struct CsRoomChat {
    static constexpr int kType = CS_ROOM_CHAT;
    std::string text;  // 1..127
};

struct CsAdmin {
    static constexpr int kType = CS_ADMIN;
    static constexpr int kRemove = 1;
    static constexpr int kMute = 3;
    int action = 0;    // 3
    std::string name;  // 4..23
};

struct CsSetAvatar {
    static constexpr int kType = CS_SET_AVATAR;
    int picture = 0;  // 4 (byte 3 holds 1)
};

// Build and read, one pair per type.
GameMsg Encode(const CsAction& msg);
bool Decode(const std::uint8_t* record, CsAction* out);
GameMsg Encode(const CsDiscard& msg);
bool Decode(const std::uint8_t* record, CsDiscard* out);
GameMsg Encode(const CsTableChat& msg);
bool Decode(const std::uint8_t* record, CsTableChat* out);
GameMsg Encode(const CsTablePrefs& msg);
bool Decode(const std::uint8_t* record, CsTablePrefs* out);
GameMsg Encode(const CsFlowerCount& msg);
bool Decode(const std::uint8_t* record, CsFlowerCount* out);
GameMsg Encode(const CsLogin& msg);
bool Decode(const std::uint8_t* record, CsLogin* out);
GameMsg Encode(const CsSitDown& msg);
bool Decode(const std::uint8_t* record, CsSitDown* out);
GameMsg Encode(const CsLeaveGame& msg);
bool Decode(const std::uint8_t* record, CsLeaveGame* out);
GameMsg Encode(const CsStart& msg);
bool Decode(const std::uint8_t* record, CsStart* out);
GameMsg Encode(const CsKeepAlive& msg);
bool Decode(const std::uint8_t* record, CsKeepAlive* out);
GameMsg Encode(const CsLogoff& msg);
bool Decode(const std::uint8_t* record, CsLogoff* out);
GameMsg Encode(const CsInvite& msg);
bool Decode(const std::uint8_t* record, CsInvite* out);
GameMsg Encode(const CsEnterRoom& msg);
bool Decode(const std::uint8_t* record, CsEnterRoom* out);
GameMsg Encode(const CsTalk& msg);
bool Decode(const std::uint8_t* record, CsTalk* out);
GameMsg Encode(const CsRoomChat& msg);
bool Decode(const std::uint8_t* record, CsRoomChat* out);
GameMsg Encode(const CsAdmin& msg);
bool Decode(const std::uint8_t* record, CsAdmin* out);
GameMsg Encode(const CsSetAvatar& msg);
bool Decode(const std::uint8_t* record, CsSetAvatar* out);
