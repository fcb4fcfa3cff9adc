#include "ui/BitCheckBox.h"

#include "graphics/SurfaceHelpers.h"
#include "platform/Path.h"
#include "platform/Sound.h"
#include "ui/WidgetDraw.h"

CBitCheckBox::CBitCheckBox(std::string_view uncheckedPath, std::string_view checkedPath) {
    LoadWidgetPicture(uncheckedPath, &uncheckedPicture, &uncheckedRect, true);
    LoadWidgetPicture(checkedPath, &checkedPicture, &checkedRect, true);
}

CBitCheckBox::~CBitCheckBox() {
    GReleaseSurface(&checkedPicture);
    GReleaseSurface(&uncheckedPicture);
}

void CBitCheckBox::SetPos(int newX, int newY) {
    x = newX;
    y = newY;
}

void CBitCheckBox::Draw() {
    if (!visible) return;
    if (checked)
        DrawKeyed(checkedPicture, checkedRect, x, y);
    else
        DrawKeyed(uncheckedPicture, uncheckedRect, x, y);
    WriteText(x + checkedRect.right + 4, y + 4, caption, platform::kDeviceDefaultFont,
              InkOnly(0x000000));
}

bool CBitCheckBox::Click(int px, int py) {
    if (!enabled || !visible) return false;
    if (!(px > x && py > y && px < x + checkedRect.right && py < y + checkedRect.bottom))
        return false;
    platform::PlaySoundFile(platform::ProgramPath("Wave\\check.wav"));
    checked = !checked;
    return true;
}
