#include "ui/ChatWindow.h"

#include <string>

#include "graphics/AlphaBlend.h"
#include "graphics/SurfaceHelpers.h"
#include "platform/Path.h"
#include "ui/WidgetDraw.h"

CChatWindow::CChatWindow(std::string_view upPath, std::string_view downPath,
                         std::string_view backgroundPath)
    : pageUp(std::make_unique<CBitButton>(platform::ProgramPath(upPath))),
      pageDown(std::make_unique<CBitButton>(platform::ProgramPath(downPath))) {
    LoadWidgetPicture(platform::ProgramPath(backgroundPath), &background, &backgroundRect, true);
}

CChatWindow::~CChatWindow() { GReleaseSurface(&background); }

void CChatWindow::SetRect(int left, int top, int right, int bottom) {
    rect = {left, top, right, bottom};
    pages.SetRect(left, top, right, bottom);
    pageUp->SetPos(right + kFrameInset, top - kFrameInset);
    pageDown->SetPos(right + kFrameInset, bottom - pageDown->GetHeight());
}

void CChatWindow::AddText(const char* text, int length, std::uint32_t color) {
    currentPage = pages.AddText(text, length, color);
}

bool CChatWindow::Inside(int x, int y) const {
    return x > rect.left && x < rect.right && y > rect.top && y < rect.bottom;
}

bool CChatWindow::MouseMove(int x, int y) {
    if (!visible) return false;
    if (enabled && Inside(x, y) && pages.HitTest(x, y, currentPage) >= 0) return true;
    const bool upChanged = pageUp->MouseMove(x, y);
    const bool downChanged = pageDown->MouseMove(x, y);
    return upChanged || downChanged;
}

bool CChatWindow::MouseDown(int x, int y) {
    if (!visible) return false;
    return pageUp->MouseDown(x, y) || pageDown->MouseDown(x, y);
}

bool CChatWindow::MouseUp(int x, int y) {
    if (!visible) return false;
    const bool up = pageUp->MouseUp(x, y);
    const bool down = pageDown->MouseUp(x, y);
    if (up) {
        if (currentPage - 1 >= 0) --currentPage;
    } else if (down) {
        if (currentPage + 1 < pages.count) ++currentPage;
    }
    return up || down;
}

void CChatWindow::Clear() {
    pages.Clear();
    currentPage = -1;
}

void CChatWindow::DrawBackground(int opacity) const {
    GAlphaBlt(background, rect.left - kFrameInset, rect.top - kFrameInset, backgroundRect.left,
              backgroundRect.top, backgroundRect.right, backgroundRect.bottom, opacity);
}

void CChatWindow::DrawButtonsAndPage() const {
    pageUp->Draw();
    pageDown->Draw();
    pages.DrawPage(currentPage);
}
