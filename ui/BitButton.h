// A push button drawn on the composition surface: a strip of five equal frames (0 normal,
// 1 hovered, 2 pressed; 3 and 4 unused), a caption and a hint shown above it while hovered.
// It has no window: its owner forwards surface coordinates and redraws when an operation
// returns true.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/Rect.h"
#include "platform/Surface.h"

class CBitButton {
public:
    // Loads the strip (a path as given, else in the program folder, else a resource name) into
    // a registered surface with the table's colour key.
    explicit CBitButton(std::string_view bitmapPath);
    ~CBitButton();
    CBitButton(const CBitButton&) = delete;
    CBitButton& operator=(const CBitButton&) = delete;

    void SetPos(int x, int y);
    void SetCaption(std::string_view text);
    // The strip's height, which is the button's.
    int GetHeight() const;
    // One frame's width, which is the button's.
    int GetWidth() const { return FrameWidth(); }

    void Draw();
    // True when the press landed on the enabled, visible button (it is then pressed).
    bool MouseDown(int x, int y);
    // True for a click: released inside after a press on it.  Clears pressed in every case.
    bool MouseUp(int x, int y);
    // True when the hover state changed; entering plays the move effect.
    bool MouseMove(int x, int y);

    platform::Surface* picture = nullptr;
    platform::Rect pictureRect;
    int x = 0;
    int y = 0;
    std::uint8_t hover = 0;
    std::uint8_t pressed = 0;
    std::string caption;
    std::uint8_t enabled = 1;      // takes the mouse; owners write it
    std::uint8_t visible = 1;      // drawn and takes the mouse; owners write it
    std::uint8_t translucent = 0;  // blended at 120 instead of keyed
    std::string hint;              // shown above the hovered button; owners write it

private:
    int FrameWidth() const;
    int FrameHeight() const;
    // Strict on all four sides: the frame's top row and left column are outside.
    bool HitTest(int px, int py) const;
    bool TakesMouse() const { return enabled && visible; }
    void DrawFrame() const;
    void DrawTexts() const;
};
