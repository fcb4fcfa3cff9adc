// A check box drawn on the composition surface: a checked and an unchecked picture and a caption
// to their right.  Owners read and write `checked`, `enabled`, `visible` and the caption
// directly; dialogs that group boxes as radio choices set the others after a click.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/Rect.h"
#include "platform/Surface.h"

class CBitCheckBox {
public:
    // Loads both pictures (registered, with the table's colour key).
    CBitCheckBox(std::string_view uncheckedPath, std::string_view checkedPath);
    ~CBitCheckBox();
    CBitCheckBox(const CBitCheckBox&) = delete;
    CBitCheckBox& operator=(const CBitCheckBox&) = delete;

    void SetPos(int x, int y);
    // The picture of the state, then the caption in a device context's default font.  A
    // disabled box is drawn like an enabled one.
    void Draw();
    // A click strictly inside the checked picture's box of an enabled, visible box plays the
    // check sound and inverts `checked`; true then.
    bool Click(int x, int y);

    platform::Surface* checkedPicture = nullptr;
    platform::Surface* uncheckedPicture = nullptr;
    platform::Rect checkedRect;
    platform::Rect uncheckedRect;
    int x = 0;
    int y = 0;
    std::string caption;
    std::uint8_t enabled = 1;
    std::uint8_t visible = 1;
    std::uint8_t checked = 1;  // a new box is checked
};
