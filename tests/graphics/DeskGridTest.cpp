// The desk grid: where each seat's discards go, what a full grid does, and the saved bytes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "graphics/DeskGrid.h"

namespace {

constexpr int C = 14;
constexpr int R = 6;

DeskGrid LaidOutGrid() {
    DeskGrid grid;
    grid.columns = C;
    grid.rows = R;
    return grid;
}

tagMj Tile(int n) { return {static_cast<signed char>(n % 9 + 1), static_cast<signed char>(n / 9 % 3)}; }

// The cells a seat fills, in order, discarding alone on an empty grid.
std::vector<std::pair<int, int>> FillOrder(int seat, int discards) {
    DeskGrid grid = LaidOutGrid();
    DeskCursor cursor = grid.StartCursor(seat);
    std::vector<std::pair<int, int>> cells;
    for (int i = 0; i < discards; ++i) {
        if (!grid.Place(seat, cursor, Tile(i))) break;
        cells.emplace_back(cursor.a, cursor.b);
    }
    return cells;
}

struct FillCase {
    int seat;
    std::vector<std::pair<int, int>> firstCells;  // the first cells, in order
};

// Each seat fills its own edge, then the next line inwards: seat 0 the near row rightwards
// from a = 3 to C − 4, seat 1 the right column upwards, seat 2 the far row leftwards from
// C − 4 to 3, seat 3 the left column downwards.
const FillCase kFillCases[] = {
    {0, {{3, 5}, {4, 5}, {5, 5}, {6, 5}, {7, 5}, {8, 5}, {9, 5}, {10, 5}, {3, 4}, {4, 4}}},
    {1, {{13, 5}, {13, 4}, {13, 3}, {13, 2}, {13, 1}, {13, 0}, {12, 5}, {12, 4}}},
    {2, {{10, 0}, {9, 0}, {8, 0}, {7, 0}, {6, 0}, {5, 0}, {4, 0}, {3, 0}, {10, 1}, {9, 1}}},
    {3, {{0, 0}, {0, 1}, {0, 2}, {0, 3}, {0, 4}, {0, 5}, {1, 0}, {1, 1}}},
};

TEST(DeskGrid, EachSeatFillsFromItsOwnEdge) {
    for (const FillCase& c : kFillCases) {
        const auto cells = FillOrder(c.seat, static_cast<int>(c.firstCells.size()));
        EXPECT_EQ(cells, c.firstCells) << "seat " << c.seat;
    }
}

struct StartCase {
    int seat;
    DeskCursor start;
};

// The start cursors lie one step before the first cell each seat fills.
TEST(DeskGrid, StartCursorsLieOneStepBeforeTheFirstCell) {
    const StartCase cases[] = {{0, {2, R - 1}}, {1, {C - 1, R}}, {2, {C - 3, 0}}, {3, {0, -1}}};
    const DeskGrid grid = LaidOutGrid();
    for (const StartCase& c : cases) {
        const DeskCursor start = grid.StartCursor(c.seat);
        EXPECT_EQ(start.a, c.start.a) << "seat " << c.seat;
        EXPECT_EQ(start.b, c.start.b) << "seat " << c.seat;
    }
}

// Seat 0 alone fills the rows 5 to 1 between a = 3 and 10 (its search never takes row 0) and
// then drops its discards; the others likewise stop at the end of their walks.
TEST(DeskGrid, ASeatAloneStopsWhereItsWalkEnds) {
    const std::pair<int, std::size_t> capacities[] = {{0, 8 * 5}, {1, 6 * 13}, {2, 8 * 6},
                                                       {3, 6 * 14}};
    for (const auto& [seat, capacity] : capacities)
        EXPECT_EQ(FillOrder(seat, 200).size(), capacity) << "seat " << seat;
}

// The four seats discarding in turn until no one can: which seat's tile lies in each cell, far
// row first.  Each seat's walk turns inwards where another's tiles block it (seat 3 runs along
// row 2 once columns 3 to 5 are taken above and below), and every cell is filled.
TEST(DeskGrid, FourSeatsInTurnFillTheWholeGrid) {
    DeskGrid grid = LaidOutGrid();
    DeskCursor cursors[4];
    for (int seat = 0; seat < 4; ++seat) cursors[seat] = grid.StartCursor(seat);
    int owner[C][R];
    bool placed = true;
    for (int turn = 0; placed; ++turn) {
        placed = false;
        for (int seat = 0; seat < 4; ++seat)
            if (grid.Place(seat, cursors[seat], Tile(turn))) {
                owner[cursors[seat].a][cursors[seat].b] = seat;
                placed = true;
            }
    }
    std::string map;
    for (int b = 0; b < R; ++b) {
        for (int a = 0; a < C; ++a) map += grid.occupied[a][b] ? char('0' + owner[a][b]) : '.';
        map += '\n';
    }
    EXPECT_EQ(map,
              "33322222222111\n"
              "33322222222111\n"
              "33333322222111\n"
              "33300000111111\n"
              "33300000000111\n"
              "33300000000111\n");

    // A full grid takes no more discards, and no seat's cursor moves.
    for (int seat = 0; seat < 4; ++seat) {
        const DeskCursor before = cursors[seat];
        EXPECT_FALSE(grid.Place(seat, cursors[seat], Tile(0))) << "seat " << seat;
        EXPECT_EQ(cursors[seat].a, before.a);
        EXPECT_EQ(cursors[seat].b, before.b);
    }
}

// A cleared grid frees every cell and keeps the tiles; the seats start over.
TEST(DeskGrid, ClearFreesTheCellsAndKeepsTheTiles) {
    DeskGrid grid = LaidOutGrid();
    DeskCursor cursor = grid.StartCursor(0);
    ASSERT_TRUE(grid.Place(0, cursor, {7, 2}));
    grid.Clear();
    EXPECT_TRUE(grid.IsFree(3, 5));
    EXPECT_TRUE(TileEqual(grid.tiles[3][5], {7, 2}));
}

// The saved grid: the 400 occupied bytes, cell (a, b) at a × 20 + b, then the 400 tiles as
// (value, suit) pairs in the same order; loading takes them back as they are.
TEST(DeskGrid, SavesOccupancyThenTilesInCellOrder) {
    DeskGrid grid = LaidOutGrid();
    DeskCursor cursor = grid.StartCursor(1);
    ASSERT_TRUE(grid.Place(1, cursor, {6, 3}));  // cell (13, 5)
    std::vector<std::uint8_t> bytes{0xAB};       // what the saved game wrote before
    grid.Save(bytes);
    ASSERT_EQ(bytes.size(), 1u + kDeskSavedBytes);
    const int cell = 13 * 20 + 5;
    EXPECT_EQ(bytes[1 + cell], 1);
    EXPECT_EQ(bytes[1 + 400 + 2 * cell], 6);
    EXPECT_EQ(bytes[1 + 400 + 2 * cell + 1], 3);

    DeskGrid loaded;
    loaded.Load(bytes.data() + 1);
    EXPECT_FALSE(loaded.IsFree(13, 5));
    EXPECT_TRUE(TileEqual(loaded.tiles[13][5], {6, 3}));
    std::vector<std::uint8_t> again;
    loaded.Save(again);
    EXPECT_EQ(again, std::vector<std::uint8_t>(bytes.begin() + 1, bytes.end()));
}

// Cursors from a saved game may point anywhere in the 20 × 20 grid; the walk never leaves it.
TEST(DeskGrid, CursorsAtTheGridsEdgeStayInside) {
    const DeskCursor corners[] = {{19, 19}, {0, 0}, {19, 0}, {0, 19}};
    for (int seat = 0; seat < 4; ++seat)
        for (const DeskCursor& corner : corners) {
            DeskGrid grid = LaidOutGrid();
            DeskCursor cursor = corner;
            if (grid.Place(seat, cursor, Tile(1))) {
                EXPECT_GE(cursor.a, 0);
                EXPECT_LT(cursor.a, kDeskSize);
                EXPECT_GE(cursor.b, 0);
                EXPECT_LT(cursor.b, kDeskSize);
            }
        }
}

// A hand's discards: the seats in turn, some turns skipped (a claim moves the turn on), each
// discard a tile of a shuffled set, so the same tile lies on the desk more than once.  Records
// every seat's discards in order (its river) and the cell each found.
struct PlayedDesk {
    DeskGrid grid = LaidOutGrid();
    DeskCursor cursors[4];
    std::vector<tagMj> rivers[4];
    std::vector<std::pair<int, int>> cells[4];

    explicit PlayedDesk(int discards) {
        for (int seat = 0; seat < 4; ++seat) cursors[seat] = grid.StartCursor(seat);
        unsigned random = 12345;
        int seat = 0;
        for (int i = 0; i < discards; ++i) {
            random = random * 1103515245u + 12345u;
            const tagMj tile = Tile(static_cast<int>(random >> 16) % 27);
            rivers[seat].push_back(tile);
            if (grid.Place(seat, cursors[seat], tile))
                cells[seat].emplace_back(cursors[seat].a, cursors[seat].b);
            seat = (seat + 1 + (random >> 8) % 5 / 4) % 4;  // now and then a seat is skipped
        }
    }

    DeskGrid::River River(int seat) const {
        return {rivers[seat].data(), static_cast<int>(rivers[seat].size()), cursors[seat]};
    }
};

// Each seat's discards on the desk are found in the order it made them, by the cell each one
// took; a discard that found no cell, or one the seat never made, has none.
TEST(DeskGrid, FindsEachSeatsDiscardsInTheOrderMade) {
    for (int discards : {20, 60, 100}) {
        const PlayedDesk desk(discards);
        for (int seat = 0; seat < 4; ++seat) {
            const auto& cells = desk.cells[seat];
            for (int k = 0; k < static_cast<int>(cells.size()); ++k) {
                DeskCursor cell;
                ASSERT_TRUE(desk.grid.CellOfDiscard(seat, k, &cell)) << discards << " " << seat;
                EXPECT_EQ(std::make_pair(cell.a, cell.b), cells[k]) << discards << " " << seat;
            }
            DeskCursor none;
            EXPECT_FALSE(desk.grid.CellOfDiscard(seat, static_cast<int>(cells.size()), &none));
        }
    }
}

// A loaded grid does not know whose discards it holds; the seats' rivers and cursors tell it
// again, also once the desk is full and the rivers run on past it.
TEST(DeskGrid, ALoadFindsTheSeatsOfTheDiscardsFromTheRivers) {
    for (int discards : {20, 60, 100}) {
        const PlayedDesk desk(discards);
        std::vector<std::uint8_t> bytes;
        desk.grid.Save(bytes);
        DeskGrid loaded = LaidOutGrid();
        loaded.Load(bytes.data());
        DeskCursor cell;
        EXPECT_FALSE(loaded.CellOfDiscard(0, 0, &cell));
        const DeskGrid::River rivers[4] = {desk.River(0), desk.River(1), desk.River(2),
                                           desk.River(3)};
        loaded.FindOwners(rivers);
        for (int a = 0; a < C; ++a)
            for (int b = 0; b < R; ++b)
                EXPECT_EQ(loaded.owner[a][b], desk.grid.owner[a][b])
                    << discards << " discards, cell " << a << ", " << b;
    }
}

}  // namespace
