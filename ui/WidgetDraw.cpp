#include "ui/WidgetDraw.h"

#include "graphics/GraphicsGlobals.h"
#include "graphics/SurfaceHelpers.h"
#include "platform/Blit.h"

void LoadWidgetPicture(std::string_view path, platform::Surface** picture, platform::Rect* rect,
                       bool keyed) {
    GLoadBitmap(path, picture, rect, true);
    if (keyed) GSetColorKey(picture);
}

void DrawKeyed(const platform::Surface* picture, const platform::Rect& src, int x, int y) {
    platform::BltFast(lpDDSPla, x, y, picture, &src,
                      platform::kBltFastSrcColorKey | platform::kBltFastWait);
}

void DrawOpaque(const platform::Surface* picture, const platform::Rect& src, int x, int y) {
    platform::BltFast(lpDDSPla, x, y, picture, &src, platform::kBltFastWait);
}

void DrawTiledColumn(const platform::Surface* tile, const platform::Rect& tileRect, int x,
                     int top, int bottom) {
    const int tileHeight = tileRect.bottom - tileRect.top;
    if (tileHeight <= 0) return;
    int n = (bottom - top) / tileHeight;
    if (n != 0) ++n;
    for (int i = 0; i < n; ++i) DrawOpaque(tile, tileRect, x, top + i * tileHeight);
}

void WriteText(int x, int y, std::string_view text, const platform::Font& font,
               const platform::TextPaint& paint) {
    if (lpDDSPla) platform::TextOut(*lpDDSPla, x, y, text.data(), text.size(), font, paint);
}

void WriteTextIn(platform::Rect rect, std::string_view text, const platform::Font& font,
                 unsigned format, const platform::TextPaint& paint) {
    if (lpDDSPla)
        platform::DrawText(*lpDDSPla, &rect, text.data(), text.size(), font, format, paint);
}
