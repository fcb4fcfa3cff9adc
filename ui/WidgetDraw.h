// What every widget does with the composition surface `lpDDSPla`: load its registered pictures,
// copy them (keyed or opaque, always clipped), tile a column, and write text.  With no
// composition surface nothing is drawn.
#pragma once

#include <string_view>

#include "platform/Font.h"
#include "platform/Rect.h"
#include "platform/Surface.h"
#include "platform/Text.h"

// Loads a picture into a registered surface variable; `keyed` gives it the table's colour key.
void LoadWidgetPicture(std::string_view path, platform::Surface** picture, platform::Rect* rect,
                       bool keyed);

// Copies `src` of `picture` to (x, y) skipping colour-key pixels, or opaque.
void DrawKeyed(const platform::Surface* picture, const platform::Rect& src, int x, int y);
void DrawOpaque(const platform::Surface* picture, const platform::Rect& src, int x, int y);

// Tiles a picture downwards from (x, top) without colour key until it reaches `bottom`: one tile
// per whole tile height in the span, plus one that may run past the bottom.  A picture without
// height draws nothing.
void DrawTiledColumn(const platform::Surface* tile, const platform::Rect& tileRect, int x,
                     int top, int bottom);

// Text on the composition surface: one line at a point, or laid out in a rectangle.
void WriteText(int x, int y, std::string_view text, const platform::Font& font,
               const platform::TextPaint& paint);
void WriteTextIn(platform::Rect rect, std::string_view text, const platform::Font& font,
                 unsigned format, const platform::TextPaint& paint);

// A transparent-background paint in one colour (0x00BBGGRR).
inline platform::TextPaint InkOnly(std::uint32_t color) { return {color, false, 0}; }
