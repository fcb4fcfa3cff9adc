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
