#include "graphics/DeskGrid.h"

#include <cstring>

namespace {

// One seat's walk: the step to the next cell along its edge and, when that cell is taken or
// the edge is used up, the order in which the rest of the grid is searched.  Seat 0 fills the
// near row rightwards, seat 1 the right column upwards, seat 2 the far row leftwards and seat 3
// the left column downwards; each then moves one line inwards.
struct Walk {
    int stepA, stepB;  // the next cell along the edge
    bool byRows;       // the search walks rows (b outer) instead of columns (a outer)
};

constexpr Walk kWalks[4] = {
    {+1, 0, true},   // seat 0: (a + 1, b); rows b − 1 down to 1, a = 3 up to C − 1
    {0, -1, false},  // seat 1: (a, b − 1); columns a − 1 down to 1, b = R − 1 down to 1
    {-1, 0, true},   // seat 2: (a − 1, b); rows b + 1 up to R − 1, a = C − 4 down to 4
    {0, +1, false},  // seat 3: (a, b + 1); columns a + 1 up to C − 1, b = 0 up to R − 1
};

// True when the next cell along the seat's edge is still on that edge.
bool OnEdge(int seat, int a, int b, int columns, int rows) {
    switch (seat) {
    case 0: return a <= columns - 4;
    case 1: return b >= 0;
    case 2: return a >= 3;
    default: return b < rows;
    }
}

// The search for the first free cell once the edge is done: an outer line range, and for each
// line an inner range, both inclusive, walked from `first` to `last` by `step` (empty when
// `first` lies beyond `last`).
struct Range {
    int first, last, step;
    bool Contains(int v) const { return step > 0 ? v <= last : v >= last; }
};

struct Search {
    Range outer, inner;
};

Search SearchFor(int seat, const DeskCursor& c, int columns, int rows) {
    switch (seat) {
    case 0: return {{c.b - 1, 1, -1}, {3, columns - 1, +1}};
    case 1: return {{c.a - 1, 1, -1}, {rows - 1, 1, -1}};
    case 2: return {{c.b + 1, rows - 1, +1}, {columns - 4, 4, -1}};
    default: return {{c.a + 1, columns - 1, +1}, {0, rows - 1, +1}};
    }
}

}  // namespace

void DeskGrid::Clear() { std::memset(occupied, 0, sizeof occupied); }

bool DeskGrid::IsFree(int a, int b) const {
    return a >= 0 && a < kDeskSize && b >= 0 && b < kDeskSize && occupied[a][b] == 0;
}

DeskCursor DeskGrid::StartCursor(int seat) const {
    switch (seat) {
    case 0: return {2, rows - 1};
    case 1: return {columns - 1, rows};
    case 2: return {columns - 3, 0};
    default: return {0, -1};
    }
}

bool DeskGrid::Place(int seat, DeskCursor& cursor, const tagMj& tile) {
    seat &= 3;
    const Walk& walk = kWalks[seat];
    DeskCursor cell{cursor.a + walk.stepA, cursor.b + walk.stepB};
    bool found = OnEdge(seat, cell.a, cell.b, columns, rows) && IsFree(cell.a, cell.b);
    if (!found) {
        const Search search = SearchFor(seat, cursor, columns, rows);
        for (int o = search.outer.first; !found && search.outer.Contains(o);
             o += search.outer.step) {
            for (int i = search.inner.first; search.inner.Contains(i); i += search.inner.step) {
                cell = walk.byRows ? DeskCursor{i, o} : DeskCursor{o, i};
                if (IsFree(cell.a, cell.b)) {
                    found = true;
                    break;
                }
            }
        }
    }
    if (!found) return false;
    cursor = cell;
    CopyTile(tiles[cell.a][cell.b], tile);
    occupied[cell.a][cell.b] = 1;
    return true;
}

void DeskGrid::Save(std::vector<std::uint8_t>& out) const {
    const std::uint8_t* used = &occupied[0][0];
    out.insert(out.end(), used, used + kDeskCells);
    for (const auto& column : tiles)
        for (const tagMj& t : column) {
            out.push_back(static_cast<std::uint8_t>(t.value));
            out.push_back(static_cast<std::uint8_t>(t.suit));
        }
}

void DeskGrid::Load(const std::uint8_t* bytes) {
    std::memcpy(occupied, bytes, kDeskCells);
    const std::uint8_t* p = bytes + kDeskCells;
    for (auto& column : tiles)
        for (tagMj& t : column) {
            t.value = static_cast<signed char>(p[0]);
            t.suit = static_cast<signed char>(p[1]);
            p += 2;
        }
}
