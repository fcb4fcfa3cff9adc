// One lobby table as the server sends it inside SC_TABLE_INFO (bytes 4..96): 93 bytes, no
// padding.  Seat 0 is drawn at the bottom, 1 on the right, 2 at the top, 3 on the left.
#pragma once

#include <cstdint>

struct TableInfo {
    char name[4][20];        // GBK, NUL-terminated unless it fills all 20 bytes
    std::int8_t picture[4];  // index into the small-face strip, 0..11
    std::int8_t state[4];    // 0 empty; 2 occupied, drawn grey; any other value occupied
    std::uint8_t ready[4];   // non-zero: has pressed start
    std::uint8_t ingame;     // non-zero: a game runs at the table
};
static_assert(sizeof(TableInfo) == 93, "the table record is 93 bytes");

constexpr int kLobbyTables = 100;
constexpr int kSeatGrey = 2;
