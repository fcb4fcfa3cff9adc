// The record the client and the game server exchange: exactly 129 bytes, the type in byte 0
// (signed), every byte a type does not name 0.  i32 fields are little-endian and unaligned;
// texts are GBK, NUL-terminated unless they fill their field.
//
// This file holds the record, its field helpers and the two tables of types, one for each
// direction (type 1 is SC_DEAL from the server and CS_ACTION from the client).  The fields of
// every type are built and read in GameMsgServer.h and GameMsgClient.h.  The client and the
// loopback test server both go through this one codec.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

constexpr int kGameMsgSize = 129;

// A record being built (or a copy of one received).  Readers take a pointer to 129 bytes, so
// that a received record is read where the link layer framed it.
using GameMsg = std::array<std::uint8_t, kGameMsgSize>;

// Types sent by the server.
enum ServerMsgType : int {
    SC_DEAL = 1,
    SC_DRAW_TILE = 2,
    SC_DISCARD = 3,
    SC_ACTION_OPTIONS = 4,
    SC_DICE = 5,
    SC_YOUR_TURN = 6,
    SC_OTHER_DRAW = 7,
    SC_SEND_ACTION = 8,
    SC_ENTER_TABLE = 9,
    SC_HAND_END = 10,
    SC_TABLE_CHAT = 11,
    SC_TABLE_RESTORE = 12,
    SC_TABLE_USERINFO = 13,
    SC_USER_START = 14,
    SC_FLOWER = 15,
    SC_MESSAGEBOX = 100,
    SC_TABLE_INFO = 101,
    SC_LOGIN_SUCCESS = 102,
    SC_BACK_TO_ROOM = 103,
    SC_USER_INFO = 104,
    SC_INVITE = 105,
    SC_ROOM_ADD = 108,
    SC_ROOM_LIST_BEGIN = 109,
    SC_SERVER_USERCOUNT = 110,
    SC_ROOM_USERCOUNT = 111,
    SC_ROOM_INFO = 112,
    SC_ROOM_LIST_END = 113,
    SC_TALK = 114,
    SC_LOGIN_FAIL = 119,
    SC_ROOM_CHAT = 122,
    SC_LINK_NOTICE = 123,
    SC_AVATAR_INFO = 124,
    SC_NOTICE = 125,
};

// Types sent by the client.
enum ClientMsgType : int {
    CS_ACTION = 1,
    CS_DISCARD = 2,
    CS_TABLE_CHAT = 3,
    CS_TABLE_PREFS = 4,
    CS_FLOWER_COUNT = 6,
    CS_LOGIN = 100,
    CS_SIT_DOWN = 101,
    CS_LEAVE_GAME = 102,
    CS_START = 103,
    CS_KEEPALIVE = 104,
    CS_LOGOFF = 105,
    CS_INVITE = 106,
    CS_ENTER_ROOM = 107,
    CS_TALK = 109,
    CS_ROOM_CHAT = 110,
    CS_ADMIN = 111,
    CS_SET_AVATAR = 112,
};

// One row of a direction's table of types.
struct MsgTypeInfo {
    int type;
    const char* name;
};
constexpr int kServerMsgTypeCount = 33;
constexpr int kClientMsgTypeCount = 17;
extern const MsgTypeInfo kServerMsgTypes[kServerMsgTypeCount];
extern const MsgTypeInfo kClientMsgTypes[kClientMsgTypeCount];

// The type byte, signed.
inline int MsgType(const std::uint8_t* record) { return static_cast<std::int8_t>(record[0]); }

// The name of a type in its direction ("SC_DEAL", "CS_ACTION"); null for a type the direction
// does not have.
const char* ServerMsgName(int type);
const char* ClientMsgName(int type);

// A zeroed record of a type.
GameMsg NewGameMsg(int type);

// i32 fields.
std::int32_t GetI32(const std::uint8_t* record, int offset);
void PutI32(std::uint8_t* record, int offset, std::int32_t value);

// The one way a text leaves a record: the bytes of the field [offset, offset + width) up to
// its first NUL, never past the record's last byte, and at most destSize - 1 bytes, cut so that
// no GBK character is split; then a terminating NUL.  Returns the bytes copied.  Nothing is
// written when destSize is 0.
std::size_t ReadRecordText(const std::uint8_t* record, int offset, int width, char* dest,
                           std::size_t destSize);
// The same text as a string.
std::string RecordText(const std::uint8_t* record, int offset, int width);

// Writes a text into the field [offset, offset + width): at most `width` bytes, cut at a
// character boundary; the rest of the field stays 0, so a shorter text is terminated and one
// that fills the field is not.
void PutRecordText(std::uint8_t* record, int offset, int width, std::string_view text);

// The records that carry one text field (T has kType and `text`).
template <typename T>
GameMsg EncodeTextMsg(const T& msg, int offset, int width) {
    GameMsg r = NewGameMsg(T::kType);
    PutRecordText(r.data(), offset, width, msg.text);
    return r;
}

template <typename T>
bool DecodeTextMsg(const std::uint8_t* record, T* out, int offset, int width) {
    if (MsgType(record) != T::kType) return false;
    out->text = RecordText(record, offset, width);
    return true;
}
