// Where a pop-up menu opened at a click point stands so that it stays inside the table's area:
// right of and below the point where there is room, else left of or above it, and never past
// the area's edges.
#pragma once

#include <algorithm>

struct MenuCorner {
    int x, y;
    bool operator==(const MenuCorner& o) const { return x == o.x && y == o.y; }
};

// One axis: the menu's start from the click `at`, for a menu `size` long in an area `extent`.
constexpr int MenuStartInside(int at, int size, int extent) {
    const int start = at + size > extent ? at - size : at;
    return std::clamp(start, 0, std::max(0, extent - size));
}

// The corner of a menu `width` × `height` clicked open at (x, y) in an area `areaWidth` ×
// `areaHeight` whose corner is (0, 0).
constexpr MenuCorner MenuCornerInside(int x, int y, int width, int height, int areaWidth,
                                      int areaHeight) {
    return {MenuStartInside(x, width, areaWidth), MenuStartInside(y, height, areaHeight)};
}
