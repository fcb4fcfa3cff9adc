#include "ui/DxLinkLabel.h"

#include "platform/Desktop.h"
#include "ui/WidgetDraw.h"

void CDxLinkLabel::Set(int x, int y, std::string_view newCaption, std::string_view newTarget) {
    caption = newCaption;
    target = newTarget;
    rect = {x, y, x, y};
    platform::CalcRect(&rect, caption.data(), caption.size(), platform::kIconTitleFont, 0);
}

bool CDxLinkLabel::HitTest(int px, int py) const {
    return visible && px >= rect.left && px <= rect.right && py >= rect.top && py <= rect.bottom;
}

bool CDxLinkLabel::MouseMove(int px, int py) {
    if (!visible) return false;
    const std::uint8_t inside = HitTest(px, py) ? 1 : 0;
    if (inside == hover) return false;
    hover = inside;
    return true;
}

bool CDxLinkLabel::Click(int px, int py) {
    if (!HitTest(px, py)) return false;
    platform::OpenUrl(target);
    return true;
}

void CDxLinkLabel::Draw() {
    if (!visible) return;
    const platform::Font underlined{12, 400, true};
    WriteTextIn(rect, caption, underlined, 0, InkOnly(hover ? 0xFF0000 : 0xFFFFFF));
}
