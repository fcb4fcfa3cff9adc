// The message box over the table: a short text and an OK button.  It is not an active dialog:
// its own flag `bMessageShown` shows it, and while it is up the table hands it every mouse
// event before anything else.  The caller sets the text, then shows it.
#pragma once

#include <string>
#include <string_view>

#include "ui/BitForm.h"

class CShowMessageForm : public CBitForm {
public:
    enum ButtonId : int { kOk = 0 };

    CShowMessageForm(std::string_view backgroundPath, CMj* owner);

    void Draw() override;
    void SetPos(int x, int y) override;
    void Show() override;
    int OnLButtonDown(int x, int y) override;
    int OnMouseMove(int x, int y) override;
    // OK hides the box.
    int OnLButtonUp(int x, int y) override;

    std::string text;  // GBK
};

// The box's text as the message and information boxes lay it out: white body text broken into
// lines inside (x + 20, y + 15)–(x + 225, y + 50) of the box at (x, y), cut at its edges.
void DrawBoxText(int x, int y, std::string_view text);
