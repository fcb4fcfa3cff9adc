// The bytes of the hostile cases that concern the lobby's records (the rows are in the one
// table of HostileCases.cpp).
#pragma once

#include <string>

namespace testserver {

// Room records before the list, room indexes beyond the count, table numbers out of range,
// an SC_USER_INFO that removes the user's own name.
std::string LobbyRecordsOutOfOrder();
// Every text field of the lobby's records filled without a terminator.
std::string LobbyTextsUnterminated();
// 4,200 users, 300 rooms and talk from 20 senders.
std::string LobbyFloods();

}  // namespace testserver
