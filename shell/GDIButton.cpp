#include "shell/GDIButton.h"

#include <cstdint>
#include <utility>

#include "graphics/SurfaceHelpers.h"
#include "platform/Blit.h"
#include "platform/Path.h"
#include "platform/Sound.h"

namespace {

constexpr int kMaskFrame = 4;
constexpr int kDisabledFrame = 3;
constexpr int kPressedFrame = 2;
constexpr int kHoverFrame = 1;

// The button's sounds come from the program folder, wherever the program was started from.
void PlayButtonSound(const char* name) { platform::PlaySoundFile(platform::ProgramPath(name)); }

}  // namespace

void RasterBlt(platform::Surface& dst, int x, int y, const platform::Surface& src,
               const platform::Rect& srcRect, RasterOp op) {
    platform::BlitArea area;
    if (platform::ClipBlit(&dst, x, y, &src, &srcRect, &area) != platform::BlitResult::Ok) return;
    for (int row = 0; row < area.height; ++row) {
        const std::uint16_t* from = src.Row(area.srcY + row) + area.srcX;
        std::uint16_t* to = dst.Row(area.dstY + row) + area.dstX;
        for (int i = 0; i < area.width; ++i)
            to[i] = op == RasterOp::And ? (to[i] & from[i]) : (to[i] | from[i]);
    }
}

CGDIButton::CGDIButton(std::string_view path) : picture(GLoadPicture(path)) {
    if (picture) rect = {0, 0, picture->Width(), picture->Height()};
}

void CGDIButton::SetPos(int px, int py) {
    x = px;
    y = py;
}

void CGDIButton::SetText(std::string text) { caption = std::move(text); }

platform::Rect CGDIButton::Frame(int index) const {
    const int w = FrameWidth();
    return {index * w, 0, (index + 1) * w, FrameHeight()};
}

void CGDIButton::Draw(platform::Surface& canvas) const {
    if (!visible || !picture) return;
    RasterBlt(canvas, x, y, *picture, Frame(kMaskFrame), RasterOp::And);
    int frame = 0;
    if (!enabled)
        frame = kDisabledFrame;
    else if (pressed && hover)
        frame = kPressedFrame;
    else if (hover)
        frame = kHoverFrame;
    RasterBlt(canvas, x, y, *picture, Frame(frame), RasterOp::Or);
}

// The left and top edge lines are outside the button.
bool CGDIButton::Hit(int px, int py) const {
    return enabled && visible && px > x && py > y && px < x + FrameWidth() &&
           py < y + FrameHeight();
}

bool CGDIButton::MouseDown(int px, int py) {
    if (!Hit(px, py)) return false;
    pressed = true;
    return true;
}

bool CGDIButton::MouseUp(int px, int py) {
    if (!enabled || !visible) return false;
    const bool clicked = pressed && Hit(px, py);
    pressed = false;
    if (clicked) PlayButtonSound("Sound\\button.wav");
    return clicked;
}

bool CGDIButton::MouseMove(int px, int py) {
    if (!enabled || !visible) return false;
    const bool over = Hit(px, py);
    if (over == hover) return false;
    hover = over;
    if (over) PlayButtonSound("Sound\\move.wav");
    return true;
}
