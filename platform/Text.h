// Text on a surface: measuring, one-line output at a point, and formatted output into a
// rectangle, in the way the program's screens lay out their texts.
//
// Text is GBK, given as bytes and a length (no terminator is needed or read).  Measuring and
// drawing lay lines out with the same function, and drawing never touches a pixel outside the
// surface (nor, unless kDtNoClip, outside the rectangle).  Fonts: see Font.h.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/Font.h"
#include "platform/Rect.h"
#include "platform/Surface.h"

namespace platform {

struct TextSize {
    int width = 0;
    int height = 0;
};

// Layout flags for DrawText, with the bit values of the Windows DT_ flags they stand for.
// Left and top alignment are the default (0).
enum TextFormat : unsigned {
    kDtCenter = 0x1,       // each line centred horizontally
    kDtRight = 0x2,        // each line right-aligned
    kDtVCenter = 0x4,      // with kDtSingleLine: the line centred vertically
    kDtBottom = 0x8,       // with kDtSingleLine: the line at the bottom
    kDtWordBreak = 0x10,   // lines wrap at the rectangle's width
    kDtSingleLine = 0x20,  // one line; line breaks in the text take no room
    kDtNoClip = 0x100,     // not cut at the rectangle (still at the surface)
    kDtCalcRect = 0x400,   // measure only: set the rectangle's right and bottom, draw nothing
};

// Colours as GDI colour values 0x00BBGGRR.  An opaque background fills the cells of the text
// drawn (each line's width by one line's height) before the glyphs.
struct TextPaint {
    std::uint32_t color = 0x000000;
    bool opaque = false;
    std::uint32_t background = 0xFFFFFF;
};

// Size of text[0, len) as one line: the sum of the advances by the font's line height.
TextSize MeasureText(const char* text, std::size_t len, const Font& font);

// Writes text[0, len) as one line with the top-left corner of its first cell at (x, y).
void TextOut(Surface& surface, int x, int y, const char* text, std::size_t len, const Font& font,
             const TextPaint& paint);

// The rectangle text[0, len) takes when drawn into *rect with `format`: right := left + the
// widest line, bottom := top + the lines' height.  Returns that height.
int CalcRect(Rect* rect, const char* text, std::size_t len, const Font& font,
                 unsigned format);

// Draws text[0, len) into *rect laid out by `format` (with kDtCalcRect: CalcRect instead).
// Returns the height of the text.
int DrawText(Surface& surface, Rect* rect, const char* text, std::size_t len, const Font& font,
             unsigned format, const TextPaint& paint);

}  // namespace platform
