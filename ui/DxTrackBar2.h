// A vertical scroll bar: a tiled track, a draggable thumb button and two arrow buttons, with
// positions 0..steps.  The owner places the arrows itself (button indexes 1 and 2), reads
// `position` after an operation returns true, and redraws.
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/Rect.h"
#include "platform/Surface.h"
#include "ui/BitButtonArray.h"

class CDxTrackBar2 {
public:
    static constexpr int kThumb = 0;
    static constexpr int kUpArrow = 1;
    static constexpr int kDownArrow = 2;

    // Adds the thumb and the two arrows (in that order, without captions) and loads the track
    // tile Graphic\NetForm\barcenter.bmp (registered, drawn without colour key).
    CDxTrackBar2(std::string_view thumbPath, std::string_view upPath, std::string_view downPath);
    ~CDxTrackBar2();
    CDxTrackBar2(const CDxTrackBar2&) = delete;
    CDxTrackBar2& operator=(const CDxTrackBar2&) = delete;

    // The thumb's column (it stands one pixel left of x) and the track's span; sets the pixels
    // per step (at least one) and places the thumb at the top.
    void SetRange(int x, int top, int bottom);
    // True when a button took the press; a press on the thumb starts a drag.
    bool MouseDown(int x, int y);
    // Dragging: follows the mouse's y, true when the position changed.  Otherwise: true when a
    // button's hover changed.
    bool MouseMove(int x, int y);
    // Ends the drag; an arrow click steps the position (within 0..steps).  True when any
    // button was clicked.
    bool MouseUp(int x, int y);
    // The track tiles, then the thumb at the current position and the arrows.
    void Draw();

    platform::Surface* track = nullptr;
    platform::Rect trackRect;
    int pixelsPerStep = 1;
    CBitButtonArray buttons;
    int x = 0;
    int top = 0;
    int trackLength = 0;  // how far the thumb's top can travel
    int steps = 16;
    int position = 0;
    std::uint8_t dragging = 0;

private:
    void PlaceThumb();
    bool SetPosition(int newPosition);

    // The span the track is tiled over, kept per bar.
    int tileTop_ = 0;
    int tileBottom_ = 0;
};
