#include "ui/BitForm.h"

#include "engine/Mj.h"
#include "graphics/SurfaceHelpers.h"
#include "ui/WidgetDraw.h"

CBitForm::CBitForm(std::string_view backgroundPath, CMj* ownerTable) : owner(ownerTable) {
    LoadWidgetPicture(backgroundPath, &background, &backgroundRect, false);
}

CBitForm::~CBitForm() { GReleaseSurface(&background); }

void CBitForm::Draw() {
    DrawOpaque(background, backgroundRect, x, y);
    buttons.DrawAll();
}

void CBitForm::Close() {
    nActiveForm = 0;
    Redraw();
}

void CBitForm::SetPos(int newX, int newY) {
    x = newX;
    y = newY;
}

void CBitForm::Redraw() {
    if (owner) owner->Redraw();
}

void CBitForm::SetPosCentred() {
    SetPos((800 - backgroundRect.right) / 2, (600 - backgroundRect.bottom) / 2);
}

void CBitForm::KeyBackground() { GSetColorKey(&background); }

void CBitForm::DrawKeyedBackground() const { DrawKeyed(background, backgroundRect, x, y); }

int CBitForm::PressButtons(int px, int py) {
    const int index = buttons.MouseDown(px, py);
    if (index >= 0) Redraw();
    return index;
}

int CBitForm::HoverButtons(int px, int py) {
    const int index = buttons.MouseMove(px, py);
    if (index >= 0) Redraw();
    return index;
}
