#include "ui/DxLabel.h"

#include "ui/WidgetDraw.h"

void CDxLabel::SetRect(int x, int y, int width, int height) {
    rect = {x, y, x + width, y + height};
}

void CDxLabel::Draw() {
    if (visible) WriteTextIn(rect, text, platform::kIconTitleFont, 0, InkOnly(textColor));
}
