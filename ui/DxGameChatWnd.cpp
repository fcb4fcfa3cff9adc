#include "ui/DxGameChatWnd.h"

CDxGameChatWnd::CDxGameChatWnd()
    : CChatWindow("Graphic\\ChatWnd\\up.bmp", "Graphic\\ChatWnd\\down.bmp",
                  "Graphic\\ChatWnd\\BackGround.bmp") {}

void CDxGameChatWnd::Draw(int opacity) {
    if (!visible) return;
    DrawBackground(opacity);
    DrawButtonsAndPage();
}

const char* CDxGameChatWnd::GetLineAt(int x, int y) const {
    if (!visible || !enabled || !Inside(x, y)) return nullptr;
    return pages.GetSelectedText(currentPage);
}
