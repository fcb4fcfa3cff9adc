// What the main window hands to the table: mouse, keys, typed characters, paint and timer
// ticks; a saved game to open; an online game to leave.  Nothing reaches the table before it
// is made or after it is deleted.  F12 is not a game key: it opens the about box, in place of
// the system menu's item that window managers here do not offer.
#include "engine/Mj.h"
#include "platform/MessageBox.h"
#include "platform/Path.h"
#include "platform/WindowKeys.h"
#include "shell/MainForm.h"
#include "shell/TableEvents.h"

void TMainForm::OnLButtonDown(int x, int y, int button) {
    if (events_) events_->OnLButtonDown(x, y, button);
}

void TMainForm::OnMouseMove(int x, int y) {
    if (events_) events_->OnMouseMove(x, y);
}

void TMainForm::OnLButtonUp(int x, int y) {
    if (events_) events_->OnLButtonUp(x, y);
}

void TMainForm::OnKeyDown(int vk) {
    if (vk == platform::VK_F12) {
        WMSysCommand(kAboutCommand);
        return;
    }
    if (events_) events_->OnKeyDown(vk);
}

void TMainForm::OnKeyUp(int vk) {
    if (vk != platform::VK_F12 && events_) events_->OnKeyUp(vk);
}

void TMainForm::OnChar(unsigned char gbkByte) {
    if (events_) events_->OnChar(gbkByte);
}

void TMainForm::OnPaint() {
    if (events_) events_->OnPaint();
}

void TMainForm::OnTimer(int id) {
    if (events_) events_->OnTimer(id);
}

// A name that is no file (missing, a folder, a pipe, a link that leads nowhere) is told, as the
// table tells a damaged file; the table opens only a regular file, and never waits on one.  An
// opened game wants its music (the dialogs it replaces had it off).
void TMainForm::OpenSavedGame(const std::string& gbkPath) {
    if (!table_) return;
    if (!platform::FileExists(gbkPath)) {
        platform::ShowMessage("无法打开游戏档案：该文件不存在，或者不是普通文件。", "信息",
                              platform::MbIcon::Warning);
        return;
    }
    if (!table_->LoadProgress(gbkPath)) return;
    nActiveForm = 0;
    // The game plays on with its music, as one opened from the save slots does.
    table_->PlayMusic();
    table_->Redraw();
}

void TMainForm::QuitGame() {
    if (table_) table_->QuitGame();
}
