// A rectangle of pixels, as the drawing code passes them to copies and text.
#pragma once

#include <climits>

namespace platform {

// Left and top inclusive, right and bottom exclusive.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// The overlap of two rectangles; empty (right <= left or bottom <= top) when they do not meet.
inline Rect Intersect(const Rect& a, const Rect& b) {
    return {a.left > b.left ? a.left : b.left, a.top > b.top ? a.top : b.top,
            a.right < b.right ? a.right : b.right, a.bottom < b.bottom ? a.bottom : b.bottom};
}

// A rectangle's width and height in 64 bits: the difference of two ints need not fit an int.
inline long long RectWidth(const Rect& r) { return static_cast<long long>(r.right) - r.left; }
inline long long RectHeight(const Rect& r) { return static_cast<long long>(r.bottom) - r.top; }

// A coordinate or size worked out in 64 bits, brought back to an int: clamped to its range.
constexpr int ClampToInt(long long value) {
    return value < INT_MIN ? INT_MIN : value > INT_MAX ? INT_MAX : static_cast<int>(value);
}

}  // namespace platform
