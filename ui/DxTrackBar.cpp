#include "ui/DxTrackBar.h"

#include <algorithm>

#include "graphics/SurfaceHelpers.h"
#include "ui/WidgetDraw.h"

CDxTrackBar::CDxTrackBar(std::string_view thumbPath) {
    LoadWidgetPicture(thumbPath, &thumb, &thumbRect, true);
    thumbHeight = thumbRect.bottom;
}

CDxTrackBar::~CDxTrackBar() { GReleaseSurface(&thumb); }

void CDxTrackBar::SetGeometry(int newXMin, int newXMax, int newY) {
    xMin = newXMin;
    xMax = newXMax;
    y = newY;
    pixelsPerStep = std::max(1, (xMax - xMin - thumbRect.right) / std::max(1, maxValue));
}

bool CDxTrackBar::MouseDown(int px, int py) {
    const int left = ThumbLeft();
    pressed = px > left && px < left + thumbRect.right && py > y && py < y + thumbHeight;
    return pressed;
}

bool CDxTrackBar::MouseMove(int px, int /*py*/) {
    if (!pressed) return false;
    if (px > xMin && px < xMax) return SetValue(std::min((px - xMin) / pixelsPerStep, maxValue));
    if (px < xMin) return SetValue(0);
    if (px > xMax) return SetValue(maxValue);
    return false;
}

bool CDxTrackBar::SetValue(int newValue) {
    if (newValue == value) return false;
    value = newValue;
    return true;
}

bool CDxTrackBar::MouseUp() {
    pressed = 0;
    return true;
}

void CDxTrackBar::Draw() { DrawKeyed(thumb, thumbRect, ThumbLeft(), y); }
