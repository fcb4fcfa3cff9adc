#include "ui/DxTrackBar2.h"

#include <algorithm>

#include "graphics/SurfaceHelpers.h"
#include "ui/WidgetDraw.h"

CDxTrackBar2::CDxTrackBar2(std::string_view thumbPath, std::string_view upPath,
                           std::string_view downPath) {
    buttons.Add(thumbPath, "");
    buttons.Add(upPath, "");
    buttons.Add(downPath, "");
    LoadWidgetPicture("Graphic\\NetForm\\barcenter.bmp", &track, &trackRect, false);
}

CDxTrackBar2::~CDxTrackBar2() { GReleaseSurface(&track); }

void CDxTrackBar2::SetRange(int newX, int newTop, int bottom) {
    x = newX - 1;
    top = newTop;
    trackLength = bottom - top - buttons.GetButton(kThumb)->GetHeight();
    pixelsPerStep = std::max(1, trackLength / std::max(1, steps));
    buttons.SetPos(kThumb, x, top);
    tileTop_ = top;
    tileBottom_ = bottom;
}

bool CDxTrackBar2::MouseDown(int px, int py) {
    const int hit = buttons.MouseDown(px, py);
    dragging = hit == kThumb;
    return hit >= 0;
}

bool CDxTrackBar2::MouseMove(int px, int py) {
    if (!dragging) return buttons.MouseMove(px, py) >= 0;
    if (py > top && py < top + trackLength)
        return SetPosition(std::min((py - top) / pixelsPerStep, steps));
    if (py < top) return SetPosition(0);
    if (py > top + trackLength) return SetPosition(steps);
    return false;
}

bool CDxTrackBar2::SetPosition(int newPosition) {
    if (newPosition == position) return false;
    position = newPosition;
    PlaceThumb();
    return true;
}

void CDxTrackBar2::PlaceThumb() {
    int thumbTop = top + position * pixelsPerStep;
    if (position >= steps)
        thumbTop = top + trackLength;
    else if (position <= 0)
        thumbTop = top;
    buttons.SetPos(kThumb, x, thumbTop);
}

bool CDxTrackBar2::MouseUp(int px, int py) {
    dragging = 0;
    const int clicked = buttons.MouseUp(px, py);
    if (clicked == kUpArrow) position = std::max(position - 1, 0);
    if (clicked == kDownArrow) position = std::min(position + 1, steps);
    return clicked >= 0;
}

void CDxTrackBar2::Draw() {
    DrawTiledColumn(track, trackRect, x, tileTop_, tileBottom_);
    PlaceThumb();
    buttons.DrawAll();
}
