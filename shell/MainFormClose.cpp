// Closing the main window: an online game is left through the table's question, otherwise the
// exit window asks, unless the start-mode dialog is showing; an offline game is saved before
// the program ends.
#include <QCoreApplication>

#include "engine/Mj.h"
#include "online/NetworkStart.h"
#include "platform/Desktop.h"
#include "shell/ClostForm.h"
#include "shell/Forms.h"
#include "shell/MainForm.h"
#include "shell/Modal.h"

namespace {

constexpr int kNoDialog = 0;
constexpr int kOptionsDialog = 2;
constexpr int kStartModeDialog = 11;
constexpr int kInviteDialog = 14;

}  // namespace

CloseStep CloseDecision(int activeForm, bool netGame) {
    const bool tableShowing =
        activeForm == kNoDialog || activeForm == kOptionsDialog || activeForm == kInviteDialog;
    if (tableShowing && netGame) return CloseStep::QuitGame;
    if (activeForm == kStartModeDialog) return CloseStep::CloseAtOnce;
    return CloseStep::AskExitWindow;
}

bool TMainForm::FormClose() {
    // A "NetWork" start that could not go on has said why and closes its hidden window: there is
    // nothing left to ask.
    if (!bNetEnded && !ConfirmClose()) return false;
    SendLogoff();
    if (bExitPage) platform::OpenUrl(szExitPageUrl);
    // The event loop ends; quit() would first try to close every window, this one included.
    QCoreApplication::exit(0);
    return true;
}

bool TMainForm::ConfirmClose() {
    switch (CloseDecision(nActiveForm, table_ && table_->IsNetGame())) {
        case CloseStep::QuitGame:
            QuitGame();
            return false;
        case CloseStep::AskExitWindow:
            if (ClostForm && ShowModal(*ClostForm) != QDialog::Accepted) return false;
            // An offline game goes to its file as leaving it would; a refused save keeps the
            // table, whose message says why.
            return !table_ || table_->SaveGameOnClose();
        case CloseStep::CloseAtOnce: break;
    }
    return true;
}
