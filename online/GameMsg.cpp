#include "online/GameMsg.h"

#include <algorithm>
#include <cstring>

#include "platform/Gbk.h"

const MsgTypeInfo kServerMsgTypes[kServerMsgTypeCount] = {
    {SC_DEAL, "SC_DEAL"},
    {SC_DRAW_TILE, "SC_DRAW_TILE"},
    {SC_DISCARD, "SC_DISCARD"},
    {SC_ACTION_OPTIONS, "SC_ACTION_OPTIONS"},
    {SC_DICE, "SC_DICE"},
    {SC_YOUR_TURN, "SC_YOUR_TURN"},
    {SC_OTHER_DRAW, "SC_OTHER_DRAW"},
    {SC_SEND_ACTION, "SC_SEND_ACTION"},
    {SC_ENTER_TABLE, "SC_ENTER_TABLE"},
    {SC_HAND_END, "SC_HAND_END"},
    {SC_TABLE_CHAT, "SC_TABLE_CHAT"},
    {SC_TABLE_RESTORE, "SC_TABLE_RESTORE"},
    {SC_TABLE_USERINFO, "SC_TABLE_USERINFO"},
    {SC_USER_START, "SC_USER_START"},
    {SC_FLOWER, "SC_FLOWER"},
    {SC_MESSAGEBOX, "SC_MESSAGEBOX"},
    {SC_TABLE_INFO, "SC_TABLE_INFO"},
    {SC_LOGIN_SUCCESS, "SC_LOGIN_SUCCESS"},
    {SC_BACK_TO_ROOM, "SC_BACK_TO_ROOM"},
    {SC_USER_INFO, "SC_USER_INFO"},
    {SC_INVITE, "SC_INVITE"},
    {SC_ROOM_ADD, "SC_ROOM_ADD"},
    {SC_ROOM_LIST_BEGIN, "SC_ROOM_LIST_BEGIN"},
    {SC_SERVER_USERCOUNT, "SC_SERVER_USERCOUNT"},
    {SC_ROOM_USERCOUNT, "SC_ROOM_USERCOUNT"},
    {SC_ROOM_INFO, "SC_ROOM_INFO"},
    {SC_ROOM_LIST_END, "SC_ROOM_LIST_END"},
    {SC_TALK, "SC_TALK"},
    {SC_LOGIN_FAIL, "SC_LOGIN_FAIL"},
    {SC_ROOM_CHAT, "SC_ROOM_CHAT"},
    {SC_LINK_NOTICE, "SC_LINK_NOTICE"},
    {SC_AVATAR_INFO, "SC_AVATAR_INFO"},
    {SC_NOTICE, "SC_NOTICE"},
};

const MsgTypeInfo kClientMsgTypes[kClientMsgTypeCount] = {
    {CS_ACTION, "CS_ACTION"},
    {CS_DISCARD, "CS_DISCARD"},
    {CS_TABLE_CHAT, "CS_TABLE_CHAT"},
    {CS_TABLE_PREFS, "CS_TABLE_PREFS"},
    {CS_FLOWER_COUNT, "CS_FLOWER_COUNT"},
    {CS_LOGIN, "CS_LOGIN"},
    {CS_SIT_DOWN, "CS_SIT_DOWN"},
    {CS_LEAVE_GAME, "CS_LEAVE_GAME"},
    {CS_START, "CS_START"},
    {CS_KEEPALIVE, "CS_KEEPALIVE"},
    {CS_LOGOFF, "CS_LOGOFF"},
    {CS_INVITE, "CS_INVITE"},
    {CS_ENTER_ROOM, "CS_ENTER_ROOM"},
    {CS_TALK, "CS_TALK"},
    {CS_ROOM_CHAT, "CS_ROOM_CHAT"},
    {CS_ADMIN, "CS_ADMIN"},
    {CS_SET_AVATAR, "CS_SET_AVATAR"},
};

namespace {

template <std::size_t N>
const char* FindName(const MsgTypeInfo (&table)[N], int type) {
    for (const MsgTypeInfo& row : table)
        if (row.type == type) return row.name;
    return nullptr;
}

}  // namespace

const char* ServerMsgName(int type) { return FindName(kServerMsgTypes, type); }
const char* ClientMsgName(int type) { return FindName(kClientMsgTypes, type); }

GameMsg NewGameMsg(int type) {
    GameMsg msg{};
    msg[0] = static_cast<std::uint8_t>(type);
    return msg;
}

std::int32_t GetI32(const std::uint8_t* record, int offset) {
    const std::uint32_t v = static_cast<std::uint32_t>(record[offset]) |
                            static_cast<std::uint32_t>(record[offset + 1]) << 8 |
                            static_cast<std::uint32_t>(record[offset + 2]) << 16 |
                            static_cast<std::uint32_t>(record[offset + 3]) << 24;
    return static_cast<std::int32_t>(v);
}

void PutI32(std::uint8_t* record, int offset, std::int32_t value) {
    const std::uint32_t v = static_cast<std::uint32_t>(value);
    for (int i = 0; i < 4; i++) record[offset + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

std::size_t ReadRecordText(const std::uint8_t* record, int offset, int width, char* dest,
                           std::size_t destSize) {
    if (destSize == 0) return 0;
    std::size_t length = 0;
    if (offset >= 0 && offset < kGameMsgSize && width > 0) {
        const std::size_t field = static_cast<std::size_t>(std::min(width, kGameMsgSize - offset));
        const char* text = reinterpret_cast<const char*>(record + offset);
        while (length < field && text[length] != '\0') length++;
        length = platform::GbkClampLength(text, length, destSize - 1);
        std::memcpy(dest, text, length);
    }
    dest[length] = '\0';
    return length;
}

std::string RecordText(const std::uint8_t* record, int offset, int width) {
    char buffer[kGameMsgSize + 1];
    const std::size_t n = ReadRecordText(record, offset, width, buffer, sizeof buffer);
    return std::string(buffer, n);
}

void PutRecordText(std::uint8_t* record, int offset, int width, std::string_view text) {
    if (offset < 0 || offset >= kGameMsgSize || width <= 0) return;
    const std::size_t field = static_cast<std::size_t>(std::min(width, kGameMsgSize - offset));
    const std::size_t n = platform::GbkClampLength(text.data(), text.size(), field);
    std::memset(record + offset, 0, field);
    std::memcpy(record + offset, text.data(), n);
}
