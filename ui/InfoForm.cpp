#include "ui/InfoForm.h"

#include "ui/ShowMessageForm.h"

CInfoForm::CInfoForm(std::string_view backgroundPath, CMj* ownerTable)
    : CBitForm(backgroundPath, ownerTable) {
    KeyBackground();
    SetPosCentred();
}

void CInfoForm::Draw() {
    DrawKeyedBackground();
    DrawBoxText(x, y, text);
}

void CInfoForm::Close() {
    bInfoShown = 0;
    Redraw();
}

void CInfoForm::Show() {
    bInfoShown = 1;
    Redraw();
}
