#include "shell/ProgramPresentation.h"

#include "ui/Dialogs.h"

ProgramPresentation::~ProgramPresentation() { CloseDialogs(); }

void ProgramPresentation::SetUpDisplay(CMj& table) {
    RendererPresentation::SetUpDisplay(table);
    CreateOfflineDialogs(&table);
    dialogsMade_ = true;
}

void ProgramPresentation::ShowMessageForm(const char* gbkText) { ShowMessageText(gbkText); }

void ProgramPresentation::ShowDialog(int id) { ShowOfflineDialog(id); }

void ProgramPresentation::ShowSaveSlots() { ::ShowSaveSlots(); }

void ProgramPresentation::CloseDialogs() {
    if (!dialogsMade_) return;
    DeleteOfflineDialogs();
    dialogsMade_ = false;
}
