// The lobby's half of the table's received records: the room list and room entry, the tables
// and users of the room, room chat, private talk, invitations, notices, the return to the room
// after a refused seat.  CMj::OnGameMsg calls one of these per type.
#pragma once

#include <cstdint>

class CMj;

void OnNoticeRecord(const std::uint8_t* record);      // SC_MESSAGEBOX, SC_NOTICE
void OnLinkNotice(const std::uint8_t* record);        // SC_LINK_NOTICE
void OnBackToRoom(CMj& table, const std::uint8_t* record);
void OnRoomListBegin(CMj& table, const std::uint8_t* record);
void OnRoomAdd(CMj& table, const std::uint8_t* record);
void OnServerUserCount(CMj& table, const std::uint8_t* record);
void OnRoomUserCount(CMj& table, const std::uint8_t* record);
void OnRoomListEnd(CMj& table, const std::uint8_t* record);
void OnRoomInfo(CMj& table, const std::uint8_t* record);
void OnTableInfo(CMj& table, const std::uint8_t* record);
void OnUserInfo(CMj& table, const std::uint8_t* record);
void OnInvite(CMj& table, const std::uint8_t* record);
void OnTalk(CMj& table, const std::uint8_t* record);
void OnRoomChat(CMj& table, const std::uint8_t* record);

// Online play starts after a login: the lists are cleared and the preferences go to the server.
void StartLobby();

// At most this many users are listed; further adds are dropped.
constexpr int kMaxListedUsers = 4096;
