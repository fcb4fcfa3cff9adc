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

// The next cell of a seat's walk after `cursor`: the next cell along its edge when `takes` it,
// else the first cell of the search that `takes`.
template <class Takes>
bool NextCell(int seat, const DeskCursor& cursor, int columns, int rows, Takes takes,
              DeskCursor* out) {
    const Walk& walk = kWalks[seat];
    DeskCursor cell{cursor.a + walk.stepA, cursor.b + walk.stepB};
    if (OnEdge(seat, cell.a, cell.b, columns, rows) && takes(cell.a, cell.b)) {
        *out = cell;
        return true;
    }
    const Search search = SearchFor(seat, cursor, columns, rows);
    for (int o = search.outer.first; search.outer.Contains(o); o += search.outer.step)
        for (int i = search.inner.first; search.inner.Contains(i); i += search.inner.step) {
            cell = walk.byRows ? DeskCursor{i, o} : DeskCursor{o, i};
            if (takes(cell.a, cell.b)) {
                *out = cell;
                return true;
            }
        }
    return false;
}

// The order in which a seat's walk fills the cells it gets: line by line from its edge
// inwards, and along each line in the walk's direction.  A seat never goes back to a line it
// has left, so its discards lie in this order.
struct FillOrder {
    Range outer, inner;
    bool byRows;
};

FillOrder FillOrderOf(int seat, int columns, int rows) {
    switch (seat) {
    case 0: return {{rows - 1, 0, -1}, {0, columns - 1, +1}, true};
    case 1: return {{columns - 1, 0, -1}, {rows - 1, 0, -1}, false};
    case 2: return {{0, rows - 1, +1}, {columns - 1, 0, -1}, true};
    default: return {{0, columns - 1, +1}, {0, rows - 1, +1}, false};
    }
}

}  // namespace

void DeskGrid::Clear() {
    std::memset(occupied, 0, sizeof occupied);
    std::memset(owner, 0, sizeof owner);
}

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
    DeskCursor cell;
    const auto free = [this](int a, int b) { return IsFree(a, b); };
    if (!NextCell(seat, cursor, columns, rows, free, &cell)) return false;
    cursor = cell;
    CopyTile(tiles[cell.a][cell.b], tile);
    occupied[cell.a][cell.b] = 1;
    owner[cell.a][cell.b] = static_cast<std::uint8_t>(seat + 1);
    return true;
}

bool DeskGrid::CellOfDiscard(int seat, int k, DeskCursor* cell) const {
    seat &= 3;
    const FillOrder order = FillOrderOf(seat, columns, rows);
    for (int o = order.outer.first; order.outer.Contains(o); o += order.outer.step)
        for (int i = order.inner.first; order.inner.Contains(i); i += order.inner.step) {
            const DeskCursor at = order.byRows ? DeskCursor{i, o} : DeskCursor{o, i};
            if (owner[at.a][at.b] == seat + 1 && k-- == 0) {
                *cell = at;
                return true;
            }
        }
    return false;
}

void DeskGrid::FindOwners(const River (&rivers)[4]) {
    std::memset(owner, 0, sizeof owner);
    for (int seat = 0; seat < 4; ++seat) {
        DeskCursor cursor = StartCursor(seat);
        const DeskCursor last = rivers[seat].last;
        for (int k = 0; k < rivers[seat].count && !(cursor.a == last.a && cursor.b == last.b);
             ++k) {
            const tagMj& tile = rivers[seat].tiles[k];
            const auto holds = [&](int a, int b) {
                return a >= 0 && a < kDeskSize && b >= 0 && b < kDeskSize && occupied[a][b] &&
                       owner[a][b] == 0 && TileEqual(tiles[a][b], tile);
            };
            DeskCursor cell;
            if (!NextCell(seat, cursor, columns, rows, holds, &cell)) break;
            owner[cell.a][cell.b] = static_cast<std::uint8_t>(seat + 1);
            cursor = cell;
        }
    }
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
    std::memset(owner, 0, sizeof owner);
    const std::uint8_t* p = bytes + kDeskCells;
    for (auto& column : tiles)
        for (tagMj& t : column) {
            t.value = static_cast<signed char>(p[0]);
            t.suit = static_cast<signed char>(p[1]);
            p += 2;
        }
}
