#include "ui/ShowMessageForm.h"

#include "engine/Mj.h"
#include "graphics/FrameDialogs.h"
#include "ui/WidgetDraw.h"

void DrawBoxText(int x, int y, std::string_view text) {
    WriteTextIn({x + 20, y + 15, x + 225, y + 50}, text, platform::kBodyFont,
                platform::kDtWordBreak, InkOnly(0xFFFFFF));
}

CShowMessageForm::CShowMessageForm(std::string_view backgroundPath, CMj* ownerTable)
    : CBitForm(backgroundPath, ownerTable) {
    KeyBackground();
    buttons.Add("Graphic\\ShowMessage\\queding.bmp", "");
    SetPosCentred();
}

void CShowMessageForm::Draw() {
    DrawKeyedBackground();
    buttons.DrawAll();
    DrawBoxText(x, y, text);
}

void CShowMessageForm::SetPos(int newX, int newY) {
    CBitForm::SetPos(newX, newY);
    buttons.SetPos(kOk, newX + 80, newY + 56);
}

void CShowMessageForm::Show() {
    bMessageShown = 1;
    Redraw();
}

int CShowMessageForm::OnLButtonDown(int px, int py) { return PressButtons(px, py); }

int CShowMessageForm::OnMouseMove(int px, int py) { return HoverButtons(px, py); }

int CShowMessageForm::OnLButtonUp(int px, int py) {
    const int index = buttons.MouseUp(px, py);
    if (index == kOk) {
        bMessageShown = 0;
        Redraw();
    }
    return index;
}
