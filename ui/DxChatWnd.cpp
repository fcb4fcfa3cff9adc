#include "ui/DxChatWnd.h"

#include "graphics/SurfaceHelpers.h"
#include "platform/Path.h"
#include "ui/WidgetDraw.h"

CDxChatWnd::CDxChatWnd()
    : CChatWindow("Graphic\\NetForm\\up.bmp", "Graphic\\NetForm\\down.bmp",
                  "Graphic\\NetForm\\Chat.bmp") {
    LoadWidgetPicture(platform::ProgramPath("Graphic\\NetForm\\barcenter.bmp"), &bar, &barRect,
                      true);
}

CDxChatWnd::~CDxChatWnd() { GReleaseSurface(&bar); }

void CDxChatWnd::SetRect(int left, int top, int right, int bottom) {
    CChatWindow::SetRect(left, top, right, bottom);
    barTop = top - 5;
    barBottom = bottom - pageDown->GetHeight();
    barX = right + 5;
}

void CDxChatWnd::Draw(int opacity) {
    if (!visible) return;
    DrawBackground(opacity);
    DrawTiledColumn(bar, barRect, barX, barTop, barBottom);
    DrawButtonsAndPage();
}
