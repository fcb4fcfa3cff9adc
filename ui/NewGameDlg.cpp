#include "ui/NewGameDlg.h"

#include "engine/Mj.h"
#include "ui/Dialogs.h"

CNewGameDlg::CNewGameDlg(std::string_view backgroundPath, CMj* ownerTable)
    : CBitForm(backgroundPath, ownerTable) {
    KeyBackground();
    buttons.Add("Graphic\\MessageBox\\queding.bmp", "");
    buttons.Add("Graphic\\MessageBox\\quxiao.bmp", "");
    SetPosCentred();
}

void CNewGameDlg::Draw() {
    DrawKeyedBackground();
    buttons.DrawAll();
}

void CNewGameDlg::Close() {
    nActiveForm = kWelComFormId;
    Redraw();
}

void CNewGameDlg::SetPos(int newX, int newY) {
    CBitForm::SetPos(newX, newY);
    buttons.SetPos(kOk, newX + 41, newY + 56);
    buttons.SetPos(kCancel, newX + 135, newY + 56);
}

void CNewGameDlg::Show() {
    nActiveForm = kNewGameDlgId;
    Redraw();
}

int CNewGameDlg::OnLButtonDown(int px, int py) { return PressButtons(px, py); }

int CNewGameDlg::OnMouseMove(int px, int py) { return HoverButtons(px, py); }

// OK leaves the save slots open underneath, so the music stays off until the names and rules
// start the game.
int CNewGameDlg::OnLButtonUp(int px, int py) {
    const int index = buttons.MouseUp(px, py);
    if (index == kOk) {
        nActiveForm = 0;
        Close();
        OpenNewGame(owner);
    } else if (index == kCancel) {
        Close();
    }
    return index;
}
