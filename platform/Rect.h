// A rectangle of pixels, as the drawing code passes them to copies and text.
#pragma once

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

}  // namespace platform
