// The drawing globals every part of the table shares: the composition surface that the table,
// its widgets and dialogs draw on, the screen-format copy of the frame, the screen's format code
// and the transparent colour of the table pictures; the table style and the start-up flags the
// renderer reads; and the catalogue pictures that live outside the renderer, each with its
// rectangle {0, 0, width, height} beside it.
#pragma once

#include <cstdint>
#include <string>

#include "platform/Rect.h"
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

// 1 for the new table style (3D view), 0 for the classic one; set by the start-up before the
// table object is made, fixed for the run.
extern std::uint8_t bNewStyle;
// 1 when the program was started for online play ("NetWork" as its first argument); set by the
// start-up before the table object is made.  Such a start shows no loading picture and no logo.
extern std::uint8_t bNetworkStart;
// The table layout's top margin, 50 in both styles.
extern int nTableTop;
// The avatar picture name each seat shows, emptied when the renderer is made.
extern std::string AvatarName[4];

// New-style face-up tiles per seat (grids of 9 values by 4 suits).
extern platform::Surface* lpDDSNewLaid[4];
extern platform::Rect rcNewLaid[4];
// The five new-style desk sheets, one per band of desk columns (9 × 4 cells each).
extern platform::Surface* lpDDSNewDiscard[5];
extern platform::Rect rcNewDiscard[5];
// The user's new-style melds, five sizes.
extern platform::Surface* lpDDSNewOwnLaid[5];
extern platform::Rect rcNewOwnLaid[5];
// The draw animation: the classic base picture and the frames.
extern platform::Surface* lpDDSDrawBase;
extern platform::Rect rcDrawBase;
extern platform::Surface* lpDDSDrawTile;
extern platform::Rect rcDrawTile;
// Level marks, the classic name plate, the new-style pop-up panel and the sparkles.
extern platform::Surface* lpDDSLevel;
extern platform::Rect rcLevel;
extern platform::Surface* lpDDSPan;
extern platform::Rect rcPan;
extern platform::Surface* lpDDSPopup;
extern platform::Rect rcPopup;
extern platform::Surface* lpDDSSparkle;
extern platform::Rect rcSparkle;
