// A horizontal slider: a thumb dragged along a track that belongs to the dialog's background,
// with positions 0..maxValue.  The owner reads `value` after an operation returns true and
// redraws.
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/Rect.h"
#include "platform/Surface.h"

class CDxTrackBar {
public:
    // Loads the thumb (registered, with the table's colour key).
    explicit CDxTrackBar(std::string_view thumbPath);
    ~CDxTrackBar();
    CDxTrackBar(const CDxTrackBar&) = delete;
    CDxTrackBar& operator=(const CDxTrackBar&) = delete;

    // The track's ends on the screen and the thumb's top; sets the pixels per step (at least
    // one, also for a track narrower than the thumb).
    void SetGeometry(int xMin, int xMax, int y);
    // A press strictly inside the thumb starts a drag (true); any other press ends it.
    bool MouseDown(int x, int y);
    // While dragging, follows the mouse's x; true when the value changed.
    bool MouseMove(int x, int y);
    // Ends the drag; always true.
    bool MouseUp();
    void Draw();

    platform::Surface* thumb = nullptr;
    platform::Rect thumbRect;
    int pixelsPerStep = 1;
    int xMin = 0;
    int xMax = 0;
    int y = 0;
    int thumbHeight = 0;
    int maxValue = 20;
    int value = 20;
    std::uint8_t pressed = 0;

private:
    int ThumbLeft() const { return xMin + value * pixelsPerStep; }
    bool SetValue(int newValue);
};
