// The information box: a text without buttons shown while the program waits for an answer of
// the server.  It takes no input.  Like the message box it is not an active dialog: the flag
// `bInfoShown` shows it, and the frame that draws it dismisses the message box and the
// invitation prompt.
#pragma once

#include <string>
#include <string_view>

#include "graphics/FrameDialogs.h"
#include "ui/BitForm.h"

class CInfoForm : public CBitForm {
public:
    CInfoForm(std::string_view backgroundPath, CMj* owner);

    // The keyed background and the text laid out as in the message box.
    void Draw() override;
    void Close() override;
    void Show() override;
    // Presses, moves and releases do nothing and answer 1.
    int OnLButtonDown(int x, int y) override { return 1; }
    int OnMouseMove(int x, int y) override { return 1; }
    int OnLButtonUp(int x, int y) override { return 1; }

    std::string text;  // GBK
};
