// The desk grid: the shared table of discarded tiles in the middle of the table.  Every discard
// goes into the next free cell of its seat, each seat filling the grid from its own edge along
// a fixed walk, so that the four seats' discards meet in one picture.
//
// A cell is [a][b]: a runs along x (0 at the left), b along y (0 at the far, upper side); in
// memory cell (a, b) is element a × 20 + b, which is also the order of the saved bytes.  Only
// a < `columns` and b < `rows` are used (14 and 6 once the layout has run).
#pragma once

#include <cstdint>
#include <vector>

#include "rules/Tile.h"

constexpr int kDeskSize = 20;
constexpr int kDeskCells = kDeskSize * kDeskSize;
// The saved grid: the occupied bytes, then the tiles as (value, suit) pairs.
constexpr int kDeskSavedBytes = kDeskCells * 3;

// A seat's desk cursor: the last cell the seat filled (a, b).
struct DeskCursor {
    int a = 0;
    int b = 0;
};

struct DeskGrid {
    tagMj tiles[kDeskSize][kDeskSize] = {};
    std::uint8_t occupied[kDeskSize][kDeskSize] = {};
    // The seat whose discard lies in a cell, plus one (0 none known).  Not saved: a load works
    // it out again from the seats' rivers (`FindOwners`).
    std::uint8_t owner[kDeskSize][kDeskSize] = {};
    int columns = 0;  // first index in use (C)
    int rows = 0;     // second index in use (R)

    // Frees every cell and forgets its seat; the tiles stay as they are.
    void Clear();

    // True when (a, b) lies in the grid and holds no tile.
    bool IsFree(int a, int b) const;

    // Where a seat's cursor starts a hand: one step before the first cell it fills.
    DeskCursor StartCursor(int seat) const;

    // Puts `tile` into the seat's next free cell after `cursor`, which then names that cell.
    // False (nothing placed, the cursor unchanged) when the seat finds no free cell.
    bool Place(int seat, DeskCursor& cursor, const tagMj& tile);

    // The cell of the seat's discard number `k` (0 the first) that found a cell, in the order
    // the seat filled them; false when the seat has fewer discards on the desk.
    bool CellOfDiscard(int seat, int k, DeskCursor* cell) const;

    // Works out which seat's discard lies in each occupied cell, from each seat's discards in
    // order (its river) and its cursor: every seat walks its path again, taking the first
    // occupied cell not yet given to a seat that holds its next discard.  The cells the walk
    // passes over are taken to be other seats'.  Each seat's walk ends at its cursor (the last
    // cell it filled; later discards found the desk full) or where its river does.
    struct River {
        const tagMj* tiles;
        int count;
        DeskCursor last;
    };
    void FindOwners(const River (&rivers)[4]);

    // Appends the 1,200 saved bytes to `out`.
    void Save(std::vector<std::uint8_t>& out) const;
    // Takes the 1,200 saved bytes as they are; no cell's seat is known after it.
    void Load(const std::uint8_t* bytes);
};
