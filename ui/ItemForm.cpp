#include "ui/ItemForm.h"

#include "engine/Mj.h"
#include "ui/Dialogs.h"

CItemForm::CItemForm(std::string_view backgroundPath, CMj* ownerTable)
    : CBitForm(backgroundPath, ownerTable) {
    KeyBackground();
    buttons.Add("Graphic\\Button\\samecolor_item.bmp", "");
    buttons.Add("Graphic\\Button\\pair_item.bmp", "");
    buttons.Add("IDB_BUTTON_CANCEL", "");
    SetPosCentred();
}

void CItemForm::Draw() {
    DrawKeyedBackground();
    buttons.DrawAll();
}

void CItemForm::SetPos(int newX, int newY) {
    CBitForm::SetPos(newX, newY);
    buttons.SetPos(kSuitItem, newX + 9, newY + 34);
    buttons.SetPos(kPairItem, newX + 88, newY + 34);
    buttons.SetPos(kCancel, newX + 260, newY + 115);
}

void CItemForm::Show() {
    nActiveForm = kItemFormId;
    Redraw();
}

int CItemForm::OnLButtonDown(int px, int py) { return PressButtons(px, py); }

int CItemForm::OnMouseMove(int px, int py) { return HoverButtons(px, py); }

int CItemForm::OnLButtonUp(int px, int py) {
    const int index = buttons.MouseUp(px, py);
    if (index < 0) return index;
    Close();
    if (!owner) return index;
    if (index == kSuitItem) owner->ApplySuitItem();
    if (index == kPairItem) owner->ApplyPairItem();
    owner->BeginDeal();
    return index;
}
