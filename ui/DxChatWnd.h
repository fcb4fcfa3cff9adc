// The lobby's room-chat window: the table's chat window with its own pictures and a vertical
// bar tiled between its page buttons.
#pragma once

#include "platform/Rect.h"
#include "platform/Surface.h"
#include "ui/ChatWindow.h"

class CDxChatWnd : public CChatWindow {
public:
    // Pictures from Graphic\NetForm\: up.bmp, down.bmp, Chat.bmp and the bar tile
    // barcenter.bmp (colour-keyed; the bar is drawn without the key).
    CDxChatWnd();
    ~CDxChatWnd();

    // Places the window and the bar: from top - 5 down to the page-down button, at right + 5.
    void SetRect(int left, int top, int right, int bottom);
    // Nothing while hidden; else the background at `opacity`, the bar, the page buttons and the
    // page.
    void Draw(int opacity);

    // The background fitted to the frame 5 pixels around the text rectangle.
    void DrawFittedBackground(int opacity) const;

    int barTop = 0;
    int barBottom = 0;
    int barX = 0;
    platform::Surface* bar = nullptr;  // this window's own tile
    platform::Rect barRect;
};
