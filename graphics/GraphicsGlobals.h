// The drawing globals every part of the table shares: the composition surface that the table,
// its widgets and dialogs draw on, the screen-format copy of the frame, the screen's format code
// and the transparent colour of the table pictures.
#pragma once

#include <cstdint>

#include "platform/Surface.h"

class ScreenSurface;

// The 800 × 600 RGB565 composition surface; null until the display is set up.
extern platform::Surface* lpDDSPla;
// The frame in the screen's own format (ScreenConvert.h); exists only when the screen is not
// RGB565.
extern ScreenSurface* lpDDSSame;
// The screen's pixel format: 1 RGB565, 2 other 16-bit (RGB555), 4 24-bit, 5 32-bit, 0 other.
extern std::uint8_t nScreenFormat;
// The transparent colour of the table pictures as an RGB565 value.
extern std::uint16_t ColorKey;
