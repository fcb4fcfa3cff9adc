// Closing the main window: an online game is left through the table's question, otherwise the
// exit window asks, unless the start-mode dialog is showing.
#include <QCoreApplication>

#include "engine/Mj.h"
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
    switch (CloseDecision(nActiveForm, table_ && table_->IsNetGame())) {
        case CloseStep::QuitGame:
            QuitGame();
            return false;
        case CloseStep::AskExitWindow:
            if (ClostForm && ShowModal(*ClostForm) != QDialog::Accepted) return false;
            break;
        case CloseStep::CloseAtOnce: break;
    }
    // Online play: while connected in an online game, the log-off record (type 105) is sent.
    if (bExitPage) platform::OpenUrl(szExitPageUrl);
    // The event loop ends; quit() would first try to close every window, this one included.
    QCoreApplication::exit(0);
    return true;
}
