#include "platform/Text.h"

#include <algorithm>
#include <vector>

#include "platform/Blit.h"
#include "platform/DrawObserver.h"
#include "platform/FontGlyphs.h"
#include "platform/FontLayout.h"
#include "platform/Gbk.h"

namespace platform {

namespace {

Rect SurfaceBounds(const Surface& surface) { return {0, 0, surface.Width(), surface.Height()}; }

// Positions on the way to the surface are worked out in 64 bits: a rectangle or a point may
// lie anywhere in the int range, and text may run past its ends.
using Coord = long long;

// Fills the part of the box [left, right) × [top, bottom) inside `clip` with one pixel value.
void Fill(Surface& surface, const Rect& clip, Coord left, Coord top, Coord right, Coord bottom,
          std::uint16_t pixel) {
    const Rect box{ClampToInt(left), ClampToInt(top), ClampToInt(right), ClampToInt(bottom)};
    const Rect r = Intersect(clip, box);
    ColorFill(&surface, &r, pixel);  // an empty intersection draws nothing
}

// Sets the ink pixels of `glyph` whose top-left corner is at (x, y), inside `clip`.
void PlotGlyph(Surface& surface, const Rect& clip, Coord x, Coord y, const GlyphBitmap& glyph,
               std::uint16_t pixel) {
    const Coord y0 = std::max<Coord>(clip.top - y, 0);
    const Coord y1 = std::min<Coord>(clip.bottom - y, glyph.rows);
    const Coord x0 = std::max<Coord>(clip.left - x, 0);
    const Coord x1 = std::min<Coord>(clip.right - x, glyph.width);
    for (Coord gy = y0; gy < y1; ++gy) {
        std::uint16_t* row = surface.Row(static_cast<int>(y + gy));
        for (Coord gx = x0; gx < x1; ++gx)
            if (glyph.Ink(static_cast<int>(gx), static_cast<int>(gy))) row[x + gx] = pixel;
    }
}

// Draws text[line.begin, line.end) with its first cell's top-left corner at (x, y).
void DrawLine(Surface& surface, const Rect& clip, Coord x, Coord y, const char* text,
              const TextLine& line, const Font& font, const TextPaint& paint) {
    const int height = FontCellHeight(font);
    const int ascent = FontAscent(font);
    const bool bold = FontIsBold(font);
    const std::uint16_t ink = Rgb565FromColorRef(paint.color);
    if (paint.opaque)
        Fill(surface, clip, x, y, x + line.width, y + height, Rgb565FromColorRef(paint.background));

    FontGlyphs& glyphs = TextGlyphs();
    Coord pen = x;
    for (std::size_t pos = line.begin; pos < line.end;) {
        std::size_t n = GbkCharLength(text, line.end, pos);
        int advance = FontCharAdvance(font, static_cast<unsigned char>(text[pos]), n);
        const GlyphBitmap* glyph = advance > 0 ? glyphs.Glyph(height, text + pos, n) : nullptr;
        if (glyph) {
            // A glyph from a face whose advance differs from the cell is centred in the cell.
            int cell = bold ? advance - 1 : advance;
            Coord gx = pen + glyph->left + (cell - glyph->advance) / 2;
            Coord gy = y + ascent - glyph->top;
            PlotGlyph(surface, clip, gx, gy, *glyph, ink);
            if (bold) PlotGlyph(surface, clip, gx + 1, gy, *glyph, ink);
        }
        pen += advance;
        pos += n;
    }
    if (font.underline) {
        Coord row = std::min<Coord>(y + ascent, y + height - 1);
        Fill(surface, clip, x, row, x + line.width, row + 1, ink);
    }
}

std::vector<TextLine> LayOut(const Rect& rect, const char* text, std::size_t len,
                             const Font& font, unsigned format) {
    return BreakTextLines(text, len, font, (format & kDtSingleLine) != 0,
                          (format & kDtWordBreak) != 0, ClampToInt(RectWidth(rect)));
}

Coord LinesHeight(const std::vector<TextLine>& lines, const Font& font) {
    return static_cast<Coord>(lines.size()) * FontCellHeight(font);
}

// Left edge of a line of `width` pixels in `rect` under the horizontal alignment of `format`.
Coord LineLeft(const Rect& rect, int width, unsigned format) {
    if (format & kDtCenter) return rect.left + (RectWidth(rect) - width) / 2;
    if (format & kDtRight) return static_cast<Coord>(rect.right) - width;
    return rect.left;
}

// Top of the first line: single lines may be centred or put at the bottom.
Coord TextTop(const Rect& rect, const Font& font, unsigned format) {
    if (!(format & kDtSingleLine)) return rect.top;
    if (format & kDtVCenter) return rect.top + (RectHeight(rect) - FontCellHeight(font)) / 2;
    if (format & kDtBottom) return static_cast<Coord>(rect.bottom) - FontCellHeight(font);
    return rect.top;
}

// Reports one text call to the surface's observer and keeps the observer away until the text
// is drawn, so that the fills the text makes of its own are not reported as calls.
class TextCallReport {
public:
    TextCallReport(Surface& surface, DrawKind kind, const Rect& box, const char* text,
                   std::size_t len, const Font& font, unsigned format, const TextPaint& paint)
        : surface_(surface), observer_(surface.Observer()) {
        if (!observer_) return;
        DrawCall call(kind);
        call.dst = box;
        call.flags = format;
        call.color = paint.color;
        call.text.assign(text, len);
        call.font = font;
        call.paint = paint;
        observer_->OnDraw(call);
        surface_.SetObserver(nullptr);
    }
    ~TextCallReport() { surface_.SetObserver(observer_); }
    TextCallReport(const TextCallReport&) = delete;
    TextCallReport& operator=(const TextCallReport&) = delete;

private:
    Surface& surface_;
    DrawObserver* observer_;
};

}  // namespace

TextSize MeasureText(const char* text, std::size_t len, const Font& font) {
    if (!text) len = 0;
    return {TextRunWidth(text, 0, len, font), FontCellHeight(font)};
}

void TextOut(Surface& surface, int x, int y, const char* text, std::size_t len, const Font& font,
             const TextPaint& paint) {
    if (!text) len = 0;
    TextLine line{0, len, TextRunWidth(text, 0, len, font)};
    const Rect box{x, y, ClampToInt(static_cast<long long>(x) + line.width),
                   ClampToInt(static_cast<long long>(y) + FontCellHeight(font))};
    TextCallReport report(surface, DrawKind::TextOut, box, text, len, font, 0, paint);
    DrawLine(surface, SurfaceBounds(surface), x, y, text, line, font, paint);
}

int CalcRect(Rect* rect, const char* text, std::size_t len, const Font& font,
                 unsigned format) {
    if (!text) len = 0;
    std::vector<TextLine> lines = LayOut(*rect, text, len, font, format);
    int width = 0;
    for (const TextLine& line : lines) width = std::max(width, line.width);
    rect->right = ClampToInt(static_cast<Coord>(rect->left) + width);
    rect->bottom = ClampToInt(rect->top + LinesHeight(lines, font));
    return ClampToInt(LinesHeight(lines, font));
}

int DrawText(Surface& surface, Rect* rect, const char* text, std::size_t len, const Font& font,
             unsigned format, const TextPaint& paint) {
    if (format & kDtCalcRect) return CalcRect(rect, text, len, font, format);
    if (!text) len = 0;
    TextCallReport report(surface, DrawKind::DrawText, *rect, text, len, font, format, paint);
    std::vector<TextLine> lines = LayOut(*rect, text, len, font, format);
    Rect clip = SurfaceBounds(surface);
    if (!(format & kDtNoClip)) clip = Intersect(clip, *rect);
    Coord y = TextTop(*rect, font, format);
    for (const TextLine& line : lines) {
        if (y >= clip.bottom) break;
        DrawLine(surface, clip, LineLeft(*rect, line.width, format), y, text, line, font, paint);
        y += FontCellHeight(font);
    }
    return ClampToInt(LinesHeight(lines, font));
}

}  // namespace platform
