#include "ui/BitButton.h"

#include "graphics/AlphaBlend.h"
#include "graphics/DxSound.h"
#include "graphics/SurfaceHelpers.h"
#include "ui/WidgetDraw.h"

namespace {

constexpr int kFrames = 5;
constexpr int kFrameHovered = 1;
constexpr int kFramePressed = 2;
constexpr int kDisabledOpacity = 50;
constexpr int kTranslucentOpacity = 120;
constexpr int kHintRise = 16;  // the hint's top above the button

}  // namespace

CBitButton::CBitButton(std::string_view bitmapPath) {
    LoadWidgetPicture(bitmapPath, &picture, &pictureRect, true);
}

CBitButton::~CBitButton() { GReleaseSurface(&picture); }

void CBitButton::SetPos(int newX, int newY) {
    x = newX;
    y = newY;
}

void CBitButton::SetCaption(std::string_view text) { caption = text; }

int CBitButton::GetHeight() const { return pictureRect.bottom; }

int CBitButton::FrameWidth() const { return (pictureRect.right - pictureRect.left) / kFrames; }

int CBitButton::FrameHeight() const { return pictureRect.bottom - pictureRect.top; }

bool CBitButton::HitTest(int px, int py) const {
    return px > x && py > y && px < x + FrameWidth() && py < y + FrameHeight();
}

bool CBitButton::MouseDown(int px, int py) {
    if (!TakesMouse() || !HitTest(px, py)) return false;
    pressed = 1;
    return true;
}

bool CBitButton::MouseUp(int px, int py) {
    // A release always ends the gesture, also on a button that was disabled or hidden meanwhile,
    // so a later release can never click it.
    const bool click = TakesMouse() && pressed && HitTest(px, py);
    pressed = 0;
    return click;
}

bool CBitButton::MouseMove(int px, int py) {
    if (!TakesMouse()) return false;
    const std::uint8_t inside = HitTest(px, py) ? 1 : 0;
    if (inside == hover) return false;
    if (inside && pDxSound) pDxSound->PlayEffect(kEffectMove);
    hover = inside;
    return true;
}

void CBitButton::Draw() {
    if (!visible) return;
    DrawFrame();
    DrawTexts();
}

void CBitButton::DrawFrame() const {
    int frame = 0;
    if (enabled && hover) frame = pressed ? kFramePressed : kFrameHovered;
    const int w = FrameWidth();
    const platform::Rect src{frame * w, 0, frame * w + w, FrameHeight()};
    if (!enabled)
        GAlphaBlt(picture, x, y, src.left, src.top, src.right, src.bottom, kDisabledOpacity);
    else if (translucent)
        GAlphaBlt(picture, x, y, src.left, src.top, src.right, src.bottom, kTranslucentOpacity);
    else
        DrawKeyed(picture, src, x, y);
}

void CBitButton::DrawTexts() const {
    // The caption (a save slot's or a server line's name) is centred on the button's face in
    // the title font, so that it reads as the bar's label.
    WriteTextIn({x, y, x + FrameWidth(), y + FrameHeight()}, caption, platform::kTitleFont,
                platform::kDtCenter | platform::kDtVCenter | platform::kDtSingleLine,
                InkOnly(0xFFFFFF));
    if (hover && y - kHintRise > 0)
        WriteText(x, y - kHintRise, hint, platform::kIconTitleFont, {0x000000, true, 0xFFFFFF});
}
