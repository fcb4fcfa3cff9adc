// Saved-game files for tests: a valid record built field by field, and damaged files, one per
// field that the reader checks, each with the fault the reader names.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "engine/SaveGameFile.h"

namespace enginetest {

// A game between hands: four named seats with a few tiles, melds and discards, a shuffled wall.
inline SavedGame ValidSavedGame() {
    SavedGame g;
    g.state = 2;
    const char* names[4] = {"me", "east", "north", "west"};
    for (int s = 0; s < 4; ++s) {
        SavedSeat& seat = g.seats[s];
        std::snprintf(seat.name, sizeof seat.name, "%s", names[s]);
        seat.cardnum = 4;
        for (int i = 0; i < 4; ++i) seat.hand[i] = MakeTile(i + 1, s % 3);
        seat.meldnum = 1;
        seat.melds[0].num = 3;
        seat.melds[0].kind = 1;
        seat.melds[0].open = 2;
        for (int k = 0; k < 3; ++k) seat.melds[0].tiles[k] = MakeTile(7, kHonourSuit);
        seat.rivernum = 2;
        seat.river[0] = MakeTile(1, kHonourSuit);
        seat.river[1] = MakeTile(9, 2);
        seat.score = 1000 + 10 * s;
        seat.gain = s == 0 ? -8 : 0;
        seat.menfeng = s + 1;
        seat.avatar = 3 * s;
        seat.deskx = -1;
        seat.desky = 20;
    }
    g.minFan = 8;
    g.quanfeng = 2;
    g.dealer = 1;
    g.handDealer = 1;
    g.wallBreak = 40;
    g.taken = 80;
    for (int i = 0; i < 144; ++i) g.wall[i] = static_cast<std::uint8_t>((i * 37) % 144);
    g.seen[TileKey(MakeTile(7, kHonourSuit))] = 3;
    g.deskHidden[21] = 1;
    g.wildTile = MakeTile(8, 8);
    g.indicator = MakeTile(1, 4);
    g.desk[5] = 1;
    g.desk[kSavedDeskCells + 10] = 3;  // cell 5: the 3 of characters
    return g;
}

// A hand running at the user's discard turn: every seat holds its meld and ten tiles, the user
// one more as its drawn tile.
inline SavedGame ValidRunningGame() {
    SavedGame g = ValidSavedGame();
    g.state = 1;
    for (int s = 0; s < 4; ++s) {
        SavedSeat& seat = g.seats[s];
        seat.cardnum = 10;
        for (int i = 0; i < 10; ++i) seat.hand[i] = MakeTile(i % 9 + 1, s % 3);
    }
    g.seats[0].hasnew = 1;
    g.seats[0].newmj = MakeTile(2, 2);
    return g;
}

// Where the fields lie in the file.
constexpr std::size_t kSeatBase = 11;
constexpr std::size_t kSeatBytes = 351;
constexpr std::size_t SeatField(int seat, std::size_t offset) {
    return kSeatBase + kSeatBytes * seat + offset;
}

inline std::vector<std::uint8_t> I32(std::int32_t v) {
    const auto u = static_cast<std::uint32_t>(v);
    return {static_cast<std::uint8_t>(u), static_cast<std::uint8_t>(u >> 8),
            static_cast<std::uint8_t>(u >> 16), static_cast<std::uint8_t>(u >> 24)};
}
inline std::vector<std::uint8_t> U8(int v) { return {static_cast<std::uint8_t>(v)}; }
inline std::vector<std::uint8_t> Pair(int value, int suit) {
    return {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(suit)};
}

// One damaged field: the bytes written at an offset of a valid file, and the fault named.
struct DamageCase {
    std::size_t offset;
    std::vector<std::uint8_t> bytes;
    const char* fault;
};

inline const std::vector<DamageCase>& DamageCases() {
    static const std::vector<DamageCase> cases = {
        {0, U8('X'), "signature"},
        {9, U8('!'), "signature"},  // the signature's zero byte
        {10, U8(3), "state"},
        {SeatField(0, 0), std::vector<std::uint8_t>(20, 'a'), "seat 0 name"},  // no end
        {SeatField(0, 20), I32(15), "seat 0 cardnum"},
        {SeatField(0, 20), I32(-1), "seat 0 cardnum"},
        {SeatField(0, 24), Pair(10, 0), "seat 0 hand"},
        {SeatField(0, 24), Pair(0, 0), "seat 0 hand"},           // an empty tile in use
        {SeatField(0, 24 + 2 * 13), Pair(8, 3), "seat 0 hand"},  // unused, but no tile
        {SeatField(0, 52), I32(6), "seat 0 meldnum"},
        {SeatField(0, 56 + 8), I32(5), "seat 0 meld num"},
        {SeatField(0, 56 + 12), U8(3), "seat 0 meld kind"},
        {SeatField(0, 56 + 17), U8(3), "seat 0 meld open"},
        {SeatField(0, 56), Pair(1, 5), "seat 0 meld tile"},
        {SeatField(0, 196), U8(2), "seat 0 hasnew"},
        {SeatField(0, 196), U8(1), "seat 0 newmj"},  // a drawn tile that is the empty tile
        {SeatField(0, 199), U8(2), "seat 0 hued"},
        {SeatField(0, 200), Pair(9, 4), "seat 0 hutile"},
        {SeatField(0, 202), I32(4), "seat 0 paidby"},
        {SeatField(0, 202), I32(-2), "seat 0 paidby"},
        {SeatField(0, 218), I32(21), "seat 0 deskx"},
        {SeatField(0, 222), I32(-2), "seat 0 desky"},
        {SeatField(0, 226), I32(53), "seat 0 rivernum"},
        {SeatField(0, 230), Pair(8, 3), "seat 0 river"},
        {SeatField(0, 334), I32(0), "seat 0 menfeng"},
        {SeatField(0, 338), I32(5), "seat 0 quanfeng"},
        {SeatField(0, 342), I32(9), "seat 0 flowers"},
        {SeatField(0, 206), U8(2), "seat 0 nodraw"},
        {SeatField(0, 207), U8(2), "seat 0 hidemj"},
        {SeatField(0, 206), U8(1), "nodraw between hands"},
        {SeatField(0, 346), U8(2), "seat 0 ting"},
        {SeatField(0, 347), I32(12), "seat 0 avatar"},
        {SeatField(3, 347), I32(-1), "seat 3 avatar"},
        {SeatField(2, 20), I32(99), "seat 2 cardnum"},
        {1415, I32(7), "minFan"},
        {1419, I32(0), "quanfeng"},
        {1423, I32(4), "dealer"},
        {1427, I32(-1), "handDealer"},
        {1431, I32(72), "wallBreak"},
        {1435, I32(144), "taken"},
        {1435, I32(-2), "taken"},
        {1439, U8(144), "wall"},
        {1439 + 1, U8(0), "wall"},  // tile 0 twice: the valid wall starts with it
        {1583, I32(-1), "seen"},
        {1583 + 4 * 49, I32(145), "seen"},
        {1783, U8(2), "deskHidden"},
        {2183, U8(2), "wildRule"},
        {2184, Pair(0, 9), "wildTile"},
        {2186, Pair(10, 1), "indicator"},
        {2188, I32(0), "wildKind"},
        {2188, I32(4), "wildKind"},
        {2192, U8(2), "desk occupied"},
        {2592, Pair(1, 7), "desk tile"},
    };
    return cases;
}

// A running hand whose seats do not hold the tiles of the user's discard turn, refused although
// every field is in range.
inline const std::vector<DamageCase>& RunningDamageCases() {
    static const std::vector<DamageCase> cases = {
        {SeatField(0, 20), I32(0), "seat 0 tiles for the turn"},
        {SeatField(0, 20), I32(2), "seat 0 tiles for the turn"},
        {SeatField(0, 20), I32(9), "seat 0 tiles for the turn"},
        {SeatField(0, 196), U8(0), "seat 0 tiles for the turn"},  // no drawn tile, one short
        {SeatField(0, 52), I32(2), "seat 0 tiles for the turn"},
        {SeatField(2, 20), I32(9), "seat 2 tiles for the turn"},
        {SeatField(3, 52), I32(0), "seat 3 tiles for the turn"},
        {SeatField(1, 206), U8(1), "seat 1 nodraw"},  // only the user's turn is saved
        // A count out of range is named as such, and no sum of counts overflows.
        {SeatField(0, 20), I32(0x7FFFFFFF), "seat 0 cardnum"},
        {SeatField(1, 52), I32(0x7FFFFFFF), "seat 1 meldnum"},
    };
    return cases;
}

inline std::string Damaged(std::string bytes, const DamageCase& c) {
    for (std::size_t i = 0; i < c.bytes.size(); ++i)
        bytes[c.offset + i] = static_cast<char>(c.bytes[i]);
    return bytes;
}

}  // namespace enginetest
