// What the main window hands to the table: mouse, keys, typed characters, paint and timer
// ticks; a saved game to open; an online game to leave.  Nothing reaches the table before it
// is made or after it is deleted.  F12 is not a game key: it opens the about box, in place of
// the system menu's item that window managers here do not offer.
#include "engine/Mj.h"
#include "platform/WindowKeys.h"
#include "shell/MainForm.h"

void TMainForm::OnLButtonDown(int x, int y, int button) {
    if (table_) table_->OnLButtonDown(x, y, button, 1);
}

void TMainForm::OnMouseMove(int x, int y) {
    if (table_) table_->OnMouseMove(x, y);
}

void TMainForm::OnLButtonUp(int x, int y) {
    if (table_) table_->OnLButtonUp(x, y);
}

void TMainForm::OnKeyDown(int vk) {
    if (vk == platform::VK_F12) {
        WMSysCommand(kAboutCommand);
        return;
    }
    if (table_) table_->OnKeyDown(vk);
}

void TMainForm::OnKeyUp(int vk) {
    if (vk != platform::VK_F12 && table_) table_->OnKeyUp(vk);
}

void TMainForm::OnChar(unsigned char gbkByte) {
    if (table_) table_->OnKeyPress(gbkByte);
}

void TMainForm::OnPaint() {
    if (table_) table_->Redraw();
}

void TMainForm::OnTimer(int id) {
    if (table_) table_->OnTimer(static_cast<unsigned>(id));
}

void TMainForm::OpenSavedGame(const std::string& gbkPath) {
    if (!table_ || !table_->LoadProgress(gbkPath)) return;
    nActiveForm = 0;
    table_->Redraw();
}

void TMainForm::QuitGame() {
    if (table_) table_->QuitGame();
}
