// The saved-game file: 3,392 bytes, little-endian, the fields packed one after another after the
// signature "QELU2.6.1" and its zero byte.  This is the plain record of the file and its
// reader and writer; the table object fills the record from its state and takes its state from
// a record (MjSaveGame.cpp).  The reader checks every count, index, cursor and tile, so that a
// record it hands out can be applied without further checks.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "rules/Tile.h"

constexpr std::size_t kSavedGameBytes = 3392;
constexpr char kSavedGameSignature[] = "QELU2.6.1";
constexpr int kSavedDeskCells = 400;  // 20 × 20, cell a × 20 + b

// A meld.  `open` lives in the first of the record's eleven reserved bytes: 0 unknown (an older
// file), 1 concealed, 2 exposed.
struct SavedMeld {
    tagMj tiles[4] = {};
    std::int32_t num = 0;
    std::uint8_t kind = 0;  // 0 kong, 1 pung, 2 chow
    std::uint8_t flag[4] = {};
    std::uint8_t open = 0;
};

struct SavedSeat {
    char name[20] = {};  // GBK, terminated inside the field
    std::int32_t cardnum = 0;
    tagMj hand[14] = {};
    std::int32_t meldnum = 0;
    SavedMeld melds[5];
    std::uint8_t hasnew = 0;
    tagMj newmj = {};
    std::uint8_t hued = 0;
    tagMj hutile = {};
    std::int32_t paidby = -1;
    // In the first two of the seat's four reserved bytes (0 in an older file): the seat's turn
    // came through its pung or chow and its last hand tile stands as the drawn tile, so it
    // discards without a self-drawn win or kong; its next discard lies face down (hide item).
    std::uint8_t nodraw = 0;
    std::uint8_t hidemj = 0;
    std::int32_t gain = 0;
    std::int32_t score = 0;
    std::int32_t deskx = 0;
    std::int32_t desky = 0;
    std::int32_t rivernum = 0;
    tagMj river[52] = {};
    std::int32_t menfeng = 1;
    std::int32_t quanfeng = 1;
    std::int32_t flowers = 0;
    std::uint8_t ting = 0;
    std::int32_t avatar = 0;
};

struct SavedGame {
    std::uint8_t state = 0;  // 0 no hand, 1 a hand running, 2 a hand over
    SavedSeat seats[4];
    std::int32_t minFan = 0;
    std::int32_t quanfeng = 1;
    std::int32_t dealer = 0;
    std::int32_t handDealer = 0;  // the seat shown as dealer
    std::int32_t wallBreak = 0;   // the stack where the front of the wall begins
    std::int32_t taken = -1;
    std::uint8_t wall[144] = {};
    std::int32_t seen[50] = {};  // by suit × 10 + value
    std::uint8_t deskHidden[kSavedDeskCells] = {};
    std::uint8_t wildRule = 0;
    tagMj wildTile = {};
    tagMj indicator = {};
    std::int32_t wildKind = 2;  // 1 fixed flower, 2 after the indicator, 3 before it
    // The desk grid as the renderer saves it: 400 occupied flags, then 400 tiles.
    std::uint8_t desk[kSavedDeskCells * 3] = {};
};

// The record of a saved game's bytes, or nothing when the bytes are not exactly one file of
// this layout with the signature and every field in range, and, for a hand running at the
// user's discard turn, every seat holding the tiles its melds leave it; `fault` (when given)
// then names the first thing wrong.
std::optional<SavedGame> ReadSavedGame(std::string_view bytes, std::string* fault = nullptr);

// The 3,392 bytes of a record; reserved bytes are written as zero.
std::string WriteSavedGame(const SavedGame& game);
