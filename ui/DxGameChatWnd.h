// The chat window of the table, used twice: as the table-chat log and as the list of preset
// phrases, whose hovered line the table sends when it is clicked.
#pragma once

#include "ui/ChatWindow.h"

class CDxGameChatWnd : public CChatWindow {
public:
    // Pictures from Graphic\ChatWnd\: up.bmp, down.bmp and BackGround.bmp (colour-keyed).
    CDxGameChatWnd();

    // Nothing while hidden; else the background at `opacity`, the page buttons and the page.
    void Draw(int opacity);
    // The highlighted line of the shown page when the window is visible and enabled and the
    // point strictly inside the text rectangle; else null.
    const char* GetLineAt(int x, int y) const;
};
