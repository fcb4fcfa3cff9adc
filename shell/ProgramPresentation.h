// The table as the program shows it: drawn by its renderer (RendererPresentation), with the
// offline dialogs made for it when its display is set up and shown when it asks for them (a
// dialog by id, the message box with a text, the save slots).  The owner closes the dialogs
// before it deletes the table, which they act on.
#pragma once

#include "engine/RendererPresentation.h"

class ProgramPresentation : public RendererPresentation {
public:
    ~ProgramPresentation() override;

    void SetUpDisplay(CMj& table) override;
    void ShowMessageForm(const char* gbkText) override;
    void ShowDialog(int id) override;
    void ShowSaveSlots() override;

    // Deletes the offline dialogs (the options write their settings); nothing once done.
    void CloseDialogs();

private:
    bool dialogsMade_ = false;
};
