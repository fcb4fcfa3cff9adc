#include "ui/DxChatWnd.h"

#include <algorithm>
#include <vector>

#include "graphics/AlphaBlend.h"
#include "graphics/SurfaceHelpers.h"
#include "platform/Path.h"
#include "ui/WidgetDraw.h"

namespace {

constexpr int kPanelEdge = 12;  // the picture's rounded corners and borders lie within this

// One run of a fitted span: `length` pixels from `from` in the picture, drawn at `at`.
struct Run {
    int at, from, length;
};

// A span of `span` pixels made from a picture side of `side` pixels: both edges kept, the
// middle repeated or cut, so that the span ends with the picture's own far edge.
std::vector<Run> FitSpan(int span, int side) {
    const int edge = std::min({kPanelEdge, span / 2, side / 2});
    std::vector<Run> runs{{0, 0, edge}};
    const int middle = side - 2 * edge;
    for (int at = edge; at < span - edge && middle > 0; at += middle)
        runs.push_back({at, edge, std::min(middle, span - edge - at)});
    runs.push_back({span - edge, side - edge, edge});
    return runs;
}

}  // namespace

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

// The background fills the window's frame and no more: the room chat stands above the chat
// input, which a picture drawn at its own size would run under.
void CDxChatWnd::DrawFittedBackground(int opacity) const {
    const int x = rect.left - kFrameInset;
    const int y = rect.top - kFrameInset;
    const int width = rect.right - rect.left + 2 * kFrameInset;
    const int height = rect.bottom - rect.top + 2 * kFrameInset;
    for (const Run& row : FitSpan(height, backgroundRect.bottom - backgroundRect.top))
        for (const Run& column : FitSpan(width, backgroundRect.right - backgroundRect.left)) {
            const int left = backgroundRect.left + column.from;
            const int top = backgroundRect.top + row.from;
            GAlphaBlt(background, x + column.at, y + row.at, left, top, left + column.length,
                      top + row.length, opacity);
        }
}

void CDxChatWnd::Draw(int opacity) {
    if (!visible) return;
    DrawFittedBackground(opacity);
    DrawTiledColumn(bar, barRect, barX, barTop, barBottom);
    DrawButtonsAndPage();
}
