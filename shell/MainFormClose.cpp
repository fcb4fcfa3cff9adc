// Closing the main window: an online game is left through the table's question, otherwise the
// exit window asks, unless the start-mode dialog is showing; an offline game is saved before
// the program ends, or ended without saving when the player says so.
#include <QCoreApplication>

#include "engine/Mj.h"
#include "online/NetworkStart.h"
#include "platform/Desktop.h"
#include "shell/ClostForm.h"
#include "shell/Forms.h"
#include "shell/MainForm.h"
#include "shell/Modal.h"
#include "ui/Dialogs.h"

// Online, the game on the table is left through the table's own question; the score sheet
// between two hands closes through the exit window, as the lobby does.
CloseStep CloseDecision(int activeForm, bool netGame) {
    if (netGame && GameOnTable(activeForm) && activeForm != kScoreFormId)
        return CloseStep::QuitGame;
    if (activeForm == kModeFormId) return CloseStep::CloseAtOnce;
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
            // An offline game goes to its file as leaving it would; one that cannot be saved
            // ends unsaved only when the player says so.
            return !table_ || table_->SaveGameOnClose();
        case CloseStep::CloseAtOnce: break;
    }
    return true;
}
