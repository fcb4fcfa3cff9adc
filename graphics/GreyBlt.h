// Pictures drawn in grey: the lobby's tables that cannot be joined.
#pragma once

#include <cstdint>

#include "platform/Surface.h"

// The grey of an RGB565 pixel: (3 × red + 6 × blue + green's top five bits) / 10, put back in
// all three channels (doubled in green's six bits), so the result is a neutral grey.
std::uint16_t GGreyPixel565(std::uint16_t pixel);

// Draws the source rectangle {left, top, right, bottom} of `source` in grey onto `lpDDSPla`
// with its top-left corner at (x, y), leaving out pixels equal to `ColorKey`.  Clipped to both
// surfaces; a null surface draws nothing.
void GGreyBlt(const platform::Surface* source, int x, int y, int left, int top, int right,
              int bottom);
