// The server-line chooser (id 18): one button per line of the server directory (at most five)
// and a close button.  A line's button makes it the chosen line and brings up the login
// dialog; close goes back to the start screen.
#pragma once

#include <string_view>

#include "ui/BitForm.h"

class CChooseNetForm : public CBitForm {
public:
    static constexpr int kId = 18;
    static constexpr int kLineButtons = 5;
    static constexpr int kCloseButton = 5;

    CChooseNetForm(std::string_view backgroundPath, CMj* owner);

    // A button for each line of the directory, captioned with its name; the others blank and
    // disabled.
    void UpdateCaptions();
    // The buttons stand at fixed screen points whatever the origin.
    void SetPos(int x, int y) override;
    void Show() override;
    int OnLButtonDown(int x, int y) override;
    int OnMouseMove(int x, int y) override;
    int OnLButtonUp(int x, int y) override;
};

extern CChooseNetForm* pChooseNetForm;
