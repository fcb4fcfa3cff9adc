// The renderer's desk: the seats' cursors and the new style's perspective drawing of the grid.
#include <gtest/gtest.h>

#include <memory>

#include "RendererTestSupport.h"
#include "rules/MjPlayer.h"
#include "graphics/GraphicsGlobals.h"
#include "graphics/MjDraw.h"
#include "platform/Blit.h"

namespace {

constexpr int kCell = 10;  // the test sheets' cells: 9 values by 4 suits of 10 × 10

// The colour of a tile's cell on desk sheet `sheet` (0..4): never black, never the colour key.
std::uint16_t CellColour(int sheet, int value, int suit) {
    return static_cast<std::uint16_t>((sheet + 1) << 11 | (suit + 1) << 6 | value);
}

class Desk : public ::testing::Test {
protected:
    void SetUp() override {
        rendertest::UseProgramFolder("desk", rendertest::Pictures::None);
        bNewStyle = 1;
        draw = std::make_unique<CMjDraw>();
        draw->ComputeLayout();
        lpDDSPla = &frame;
        for (int sheet = 0; sheet < 5; ++sheet) {
            sheets[sheet] = std::make_unique<platform::Surface>(9 * kCell, 4 * kCell);
            for (int suit = 0; suit < 4; ++suit)
                for (int value = 1; value <= 9; ++value) {
                    const platform::Rect cell{(value - 1) * kCell, suit * kCell, value * kCell,
                                              (suit + 1) * kCell};
                    platform::ColorFill(sheets[sheet].get(), &cell, CellColour(sheet, value, suit));
                }
            lpDDSNewDiscard[sheet] = sheets[sheet].get();
        }
        // Every sheet is cut by the first one's cells (the others' sizes do not matter).
        rcNewDiscard[0] = {0, 0, 9 * kCell, 4 * kCell};
    }

    void TearDown() override {
        for (platform::Surface*& sheet : lpDDSNewDiscard) sheet = nullptr;
        lpDDSPla = nullptr;
    }

    // The rectangle of pixels that differ from black.
    platform::Rect Drawn() const {
        platform::Rect r{800, 600, 0, 0};
        for (int y = 0; y < 600; ++y)
            for (int x = 0; x < 800; ++x)
                if (frame.Row(y)[x] != 0) r = {std::min(r.left, x), std::min(r.top, y),
                                               std::max(r.right, x + 1), std::max(r.bottom, y + 1)};
        return r;
    }

    void Clear() { platform::ColorFill(&frame, nullptr, 0); }

    platform::Surface frame{800, 600};
    std::unique_ptr<platform::Surface> sheets[5];
    std::unique_ptr<CMjDraw> draw;
};

struct TileCase {
    int a, b;
    platform::Rect rect;
    int sheet;
};

// A cell shrinks by 0.04 a row towards the far side (k = 1 − 0.04 (6 − b)) and moves in by half
// the rows' shrink of the 14 columns: left = 190 + (6 − b) × 14 × 30 × 0.02 + k × 30 a, top =
// 261 + k × 26 b, a tile k × 35 wide and k × 45 high, every coordinate truncated.
const TileCase kTileCases[] = {
    {0, 5, {198, 385, 231, 428}, 0},
    {6, 2, {374, 304, 403, 341}, 2},
    {13, 0, {536, 261, 562, 295}, 4},
    {1, 5, {227, 385, 260, 428}, 0},
    {2, 5, {256, 385, 289, 428}, 1},
    {11, 1, {496, 281, 524, 317}, 3},
    {12, 1, {520, 281, 548, 317}, 4},
};

TEST_F(Desk, DrawsEachTileInPerspectiveFromItsColumnsSheet) {
    for (const TileCase& c : kTileCases) {
        Clear();
        draw->DrawDeskTile({4, 2}, c.a, c.b, 0);
        const platform::Rect r = Drawn();
        SCOPED_TRACE(::testing::Message() << "cell " << c.a << "," << c.b);
        EXPECT_EQ(r.left, c.rect.left);
        EXPECT_EQ(r.top, c.rect.top);
        EXPECT_EQ(r.right, c.rect.right);
        EXPECT_EQ(r.bottom, c.rect.bottom);
        EXPECT_EQ(frame.Row(r.top)[r.left], CellColour(c.sheet, 4, 2));
    }
}

// A tile outside the sheets' 9 values and 4 suits (a flower, the empty tile) draws nothing.
TEST_F(Desk, DrawsNothingForATileOutsideTheSheet) {
    for (const tagMj tile : {tagMj{1, 4}, tagMj{0, 0}, tagMj{10, 0}, tagMj{3, -1}}) {
        Clear();
        draw->DrawDeskTile(tile, 5, 3, 0);
        EXPECT_EQ(Drawn().right, 0) << int(tile.value) << "," << int(tile.suit);
    }
}

// Columns 0 to 6 are drawn first, then 13 down to 7, so column 7 lies over both its
// neighbours, and each of 0 to 6 over its left neighbour.  A tile is 5 pixels wider than its
// column, so neighbours overlap.
TEST_F(Desk, DrawsColumnSevenLast) {
    draw->desk.occupied[5][5] = draw->desk.occupied[6][5] = 1;
    draw->desk.occupied[7][5] = draw->desk.occupied[8][5] = 1;
    draw->desk.tiles[5][5] = {5, 0};
    draw->desk.tiles[6][5] = {6, 0};
    draw->desk.tiles[7][5] = {7, 0};
    draw->desk.tiles[8][5] = {8, 0};
    draw->DrawDesk();
    const int y = 400;
    EXPECT_EQ(frame.Row(y)[373], CellColour(2, 6, 0));  // 6 over 5
    EXPECT_EQ(frame.Row(y)[402], CellColour(2, 7, 0));  // 7 over 6
    EXPECT_EQ(frame.Row(y)[430], CellColour(2, 7, 0));  // 7 over 8
    EXPECT_EQ(frame.Row(y)[440], CellColour(2, 8, 0));
}

// Only occupied cells are drawn: a freed cell keeps its tile but shows nothing.
TEST_F(Desk, DrawsOnlyOccupiedCells) {
    draw->desk.tiles[3][5] = {2, 1};
    draw->SetDeskCell(3, 5, 1);
    draw->DrawDesk();
    EXPECT_NE(Drawn().right, 0);
    Clear();
    draw->SetDeskCell(3, 5, 0);
    draw->DrawDesk();
    EXPECT_EQ(Drawn().right, 0);
}

// The seats' cursors live in their seat records: set at the start of a hand, moved by every
// discard that finds a cell, left alone by one that does not.
TEST_F(Desk, KeepsEachSeatsCursorInItsSeatRecord) {
    CMjPlayer seats[4];
    for (int seat = 0; seat < 4; ++seat) draw->InitDeskCursor(&seats[seat], seat);
    EXPECT_EQ(seats[1].deskx, 13);
    EXPECT_EQ(seats[1].desky, 6);
    draw->AddDeskTile(&seats[1], 1, {9, 1});
    EXPECT_EQ(seats[1].deskx, 13);
    EXPECT_EQ(seats[1].desky, 5);
    EXPECT_TRUE(TileEqual(draw->desk.tiles[13][5], {9, 1}));

    for (int a = 0; a < 14; ++a)
        for (int b = 0; b < 6; ++b) draw->SetDeskCell(a, b, 1);
    draw->AddDeskTile(&seats[1], 1, {1, 1});
    EXPECT_EQ(seats[1].deskx, 13);
    EXPECT_EQ(seats[1].desky, 5);
    EXPECT_TRUE(TileEqual(draw->desk.tiles[13][5], {9, 1}));

    draw->ClearDesk();
    draw->AddDeskTile(&seats[0], 0, {1, 2});
    EXPECT_EQ(seats[0].deskx, 3);
    EXPECT_EQ(seats[0].desky, 5);
}

// The renderer's saved grid is the grid's 1,200 bytes; a load takes them back.
TEST_F(Desk, SavesAndLoadsTheGrid) {
    CMjPlayer seat;
    draw->InitDeskCursor(&seat, 2);
    draw->AddDeskTile(&seat, 2, {3, 1});
    std::vector<std::uint8_t> bytes;
    draw->SaveDesk(bytes);
    ASSERT_EQ(bytes.size(), 1200u);
    draw->ClearDesk();
    draw->desk.tiles[10][0] = {};
    draw->LoadDesk(bytes.data());
    EXPECT_FALSE(draw->desk.IsFree(10, 0));
    EXPECT_TRUE(TileEqual(draw->desk.tiles[10][0], {3, 1}));
}

}  // namespace
