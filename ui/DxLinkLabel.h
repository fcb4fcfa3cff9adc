// A line of underlined text on the table that opens a web page when clicked.  Its rectangle is
// measured from the caption, and it is hit on its edges too.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/Rect.h"

class CDxLinkLabel {
public:
    // Stores both texts and measures the caption at (x, y) in the icon-title font.
    void Set(int x, int y, std::string_view caption, std::string_view target);
    // True when the hover state changed.
    bool MouseMove(int x, int y);
    // True when the point is on the visible label; the target is then opened.
    bool Click(int x, int y);
    // White, or blue while hovered, underlined.
    void Draw();

    std::string caption;
    std::string target;  // a web address
    std::uint8_t visible = 1;
    std::uint32_t textColor = 0x000000;
    platform::Rect rect;
    std::uint8_t hover = 0;

private:
    bool HitTest(int x, int y) const;
};
