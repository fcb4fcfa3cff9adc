#include "online/ChooseNetForm.h"

#include "engine/Mj.h"
#include "online/LoginForm.h"
#include "online/OnlineDialogs.h"

CChooseNetForm* pChooseNetForm = nullptr;

namespace {
constexpr int kLineX = 313;
constexpr int kLineY[CChooseNetForm::kLineButtons] = {279, 318, 358, 398, 438};
}  // namespace

CChooseNetForm::CChooseNetForm(std::string_view backgroundPath, CMj* ownerTable)
    : CBitForm(backgroundPath, ownerTable) {
    for (int i = 0; i < kLineButtons; i++) buttons.Add("Graphic\\ChooseNetForm\\load.bmp", "");
    buttons.Add("Graphic\\LoadForm\\close.bmp", "");
    CChooseNetForm::SetPos(0, 0);
    UpdateCaptions();
}

void CChooseNetForm::UpdateCaptions() {
    for (int i = 0; i < kLineButtons; i++) {
        CBitButton* button = buttons.GetButton(i);
        const bool line = i < ServerNum;
        button->SetCaption(line ? DirServer[i].name : "");
        button->enabled = line;
    }
}

void CChooseNetForm::SetPos(int newX, int newY) {
    CBitForm::SetPos(newX, newY);
    for (int i = 0; i < kLineButtons; i++) buttons.SetPos(i, kLineX, kLineY[i]);
    buttons.SetPos(kCloseButton, 417, 490);
}

void CChooseNetForm::Show() {
    nActiveForm = kId;
    Redraw();
}

int CChooseNetForm::OnLButtonDown(int px, int py) {
    const int index = buttons.MouseDown(px, py);
    if (index >= 0) Redraw();
    return index;
}

int CChooseNetForm::OnMouseMove(int px, int py) {
    const int index = buttons.MouseMove(px, py);
    if (index >= 0) Redraw();
    return index;
}

int CChooseNetForm::OnLButtonUp(int px, int py) {
    const int index = buttons.MouseUp(px, py);
    if (index >= 0 && index < kLineButtons) {
        nServerIndex = index;
        if (pLoginForm) pLoginForm->Show();
    } else if (index == kCloseButton) {
        ShowDialogById(owner, kModeFormDialogId);
    }
    return index;
}
