// The saved-game reader and writer: the layout's size and offsets, a round trip, and every
// checked field refused when out of range, with the fault named.
#include <gtest/gtest.h>

#include <cstring>

#include "SavedGameCases.h"
#include "engine/SaveGameFile.h"

namespace enginetest {
namespace {

std::int32_t I32At(const std::string& bytes, std::size_t offset) {
    std::uint32_t u = 0;
    for (int i = 0; i < 4; ++i)
        u |= static_cast<std::uint32_t>(static_cast<std::uint8_t>(bytes[offset + i])) << (8 * i);
    return static_cast<std::int32_t>(u);
}

TEST(SavedGameLayout, WritesTheFieldsAtTheirOffsets) {
    const SavedGame g = ValidSavedGame();
    const std::string bytes = WriteSavedGame(g);
    ASSERT_EQ(bytes.size(), kSavedGameBytes);
    EXPECT_EQ(std::memcmp(bytes.data(), "QELU2.6.1\0", 10), 0);
    EXPECT_EQ(bytes[10], 2);
    EXPECT_STREQ(bytes.data() + SeatField(1, 0), "east");
    EXPECT_EQ(I32At(bytes, SeatField(1, 20)), 4);
    EXPECT_EQ(bytes[SeatField(0, 56 + 17)], 2);  // the meld's open byte: exposed
    EXPECT_EQ(I32At(bytes, SeatField(3, 214)), 1030);
    EXPECT_EQ(I32At(bytes, SeatField(0, 210)), -8);
    EXPECT_EQ(I32At(bytes, SeatField(2, 347)), 6);
    EXPECT_EQ(I32At(bytes, 1415), 8);
    EXPECT_EQ(I32At(bytes, 1435), 80);
    EXPECT_EQ(static_cast<std::uint8_t>(bytes[1439 + 1]), 37);
    EXPECT_EQ(I32At(bytes, 1583 + 4 * 37), 3);
    EXPECT_EQ(bytes[1783 + 21], 1);
    EXPECT_EQ(bytes[2184], 8);
    EXPECT_EQ(I32At(bytes, 2188), 2);
    EXPECT_EQ(bytes[2192 + 5], 1);
    EXPECT_EQ(bytes[2592 + 10], 3);
}

TEST(SavedGameLayout, ReadsBackWhatItWroteByteForByte) {
    const std::string bytes = WriteSavedGame(ValidSavedGame());
    std::string fault = "unset";
    const auto game = ReadSavedGame(bytes, &fault);
    ASSERT_TRUE(game) << fault;
    EXPECT_EQ(fault, "");
    EXPECT_EQ(WriteSavedGame(*game), bytes);
}

TEST(SavedGameLayout, ReservedBytesAreNotRead) {
    std::string bytes = WriteSavedGame(ValidSavedGame());
    bytes[SeatField(1, 56 + 18)] = 'r';  // a meld's reserved byte after the open byte
    bytes[SeatField(1, 208)] = 'r';      // the seat's reserved bytes after its turn flags
    bytes[SeatField(1, 209)] = 'r';
    const auto game = ReadSavedGame(bytes);
    ASSERT_TRUE(game);
    EXPECT_EQ(WriteSavedGame(*game), WriteSavedGame(ValidSavedGame()));
}

TEST(SavedGameLayout, AnOpenByteOfAnOlderFileIsAccepted) {
    std::string bytes = WriteSavedGame(ValidSavedGame());
    bytes[SeatField(0, 56 + 17)] = 0;
    const auto game = ReadSavedGame(bytes);
    ASSERT_TRUE(game);
    EXPECT_EQ(game->seats[0].melds[0].open, 0);
}

TEST(SavedGameReader, RefusesEveryFieldOutOfRange) {
    const std::string valid = WriteSavedGame(ValidSavedGame());
    for (const DamageCase& c : DamageCases()) {
        std::string fault;
        EXPECT_FALSE(ReadSavedGame(Damaged(valid, c), &fault)) << c.fault;
        EXPECT_EQ(fault, c.fault) << "at offset " << c.offset;
    }
}

// The turn flags sit in the seat's first two reserved bytes, where an older file has zeros.
TEST(SavedGameLayout, TheTurnFlagsReadFromTheSeatsReservedBytes) {
    SavedGame g = ValidRunningGame();
    g.seats[0].nodraw = 1;
    g.seats[0].hidemj = 1;
    const std::string bytes = WriteSavedGame(g);
    EXPECT_EQ(bytes[SeatField(0, 206)], 1);
    EXPECT_EQ(bytes[SeatField(0, 207)], 1);
    const auto game = ReadSavedGame(bytes);
    ASSERT_TRUE(game);
    EXPECT_EQ(game->seats[0].nodraw, 1);
    EXPECT_EQ(game->seats[0].hidemj, 1);
    const auto older = ReadSavedGame(WriteSavedGame(ValidRunningGame()));
    ASSERT_TRUE(older);
    EXPECT_EQ(older->seats[0].nodraw, 0);
    EXPECT_EQ(older->seats[0].hidemj, 0);
}

// A running hand is the user's discard turn: the seats must hold its tiles.  The user may hold
// its fourteenth tile without the drawn-tile flag (as an older file after a pung does).
TEST(SavedGameReader, RefusesARunningHandWhoseSeatsDoNotHoldTheTurnsTiles) {
    const std::string valid = WriteSavedGame(ValidRunningGame());
    ASSERT_TRUE(ReadSavedGame(valid));
    for (const DamageCase& c : RunningDamageCases()) {
        std::string fault;
        EXPECT_FALSE(ReadSavedGame(Damaged(valid, c), &fault)) << c.fault;
        EXPECT_EQ(fault, c.fault) << "at offset " << c.offset;
    }
    SavedGame noDrawnTile = ValidRunningGame();
    noDrawnTile.seats[0].hasnew = 0;
    noDrawnTile.seats[0].cardnum = 11;
    noDrawnTile.seats[0].hand[10] = MakeTile(5, 2);
    EXPECT_TRUE(ReadSavedGame(WriteSavedGame(noDrawnTile)));
}

TEST(SavedGameReader, RefusesAFileOfAnyOtherSize) {
    const std::string valid = WriteSavedGame(ValidSavedGame());
    for (std::size_t size :
         {std::size_t{0}, std::size_t{9}, kSavedGameBytes - 1, kSavedGameBytes + 1}) {
        std::string bytes = valid;
        bytes.resize(size);
        std::string fault;
        EXPECT_FALSE(ReadSavedGame(bytes, &fault)) << size;
        EXPECT_EQ(fault, "size");
    }
}

}  // namespace
}  // namespace enginetest
