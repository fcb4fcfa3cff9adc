// A piece of text drawn in a rectangle of the composition surface (the status lines of the
// login and sign-up dialogs).  Owners assign the text, colour and visibility directly.
#pragma once

#include <cstdint>
#include <string>

#include "platform/Rect.h"

class CDxLabel {
public:
    // rect := {x, y, x + width, y + height}.
    void SetRect(int x, int y, int width, int height);
    // The whole text from the rectangle's top-left corner, without wrapping; line breaks in
    // the text start new lines.
    void Draw();

    std::string text;
    std::uint8_t visible = 1;
    std::uint32_t textColor = 0x000000;
    platform::Rect rect;
};
