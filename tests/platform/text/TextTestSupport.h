// Helpers of the surface-text tests: ink extents on a surface and exact-size text buffers.
#pragma once

#include <climits>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>

#include "platform/Surface.h"
#include "platform/Text.h"

namespace text_test {

// The sources are compiled to GBK: a Chinese character is two bytes.
static_assert(sizeof("中") == 3, "tests expect GBK string literals");

// The box of every pixel in `area` that differs from `background`, and how many there are.
struct InkBox {
    int left = INT_MAX;
    int top = INT_MAX;
    int right = INT_MIN;  // last inked column + 1
    int bottom = INT_MIN;
    int count = 0;
    bool Empty() const { return count == 0; }
};

inline InkBox FindInk(const platform::Surface& s, std::uint16_t background,
                      platform::Rect area) {
    InkBox box;
    for (int y = std::max(area.top, 0); y < std::min(area.bottom, s.Height()); ++y)
        for (int x = std::max(area.left, 0); x < std::min(area.right, s.Width()); ++x) {
            if (s.Row(y)[x] == background) continue;
            box.left = std::min(box.left, x);
            box.right = std::max(box.right, x + 1);
            box.top = std::min(box.top, y);
            box.bottom = std::max(box.bottom, y + 1);
            ++box.count;
        }
    return box;
}

inline InkBox FindInk(const platform::Surface& s, std::uint16_t background) {
    return FindInk(s, background, {0, 0, s.Width(), s.Height()});
}

inline void FillSurface(platform::Surface& s, std::uint16_t pixel) {
    std::fill(s.Pixels(), s.Pixels() + static_cast<std::size_t>(s.Width()) * s.Height(), pixel);
}

// A heap copy of exactly the bytes of `text`, without a terminator, so that a read past its
// end is caught by the address sanitizer.
inline std::unique_ptr<char[]> ExactCopy(const std::string& text) {
    std::unique_ptr<char[]> copy(new char[text.size() ? text.size() : 1]);
    std::memcpy(copy.get(), text.data(), text.size());
    return copy;
}

}  // namespace text_test
