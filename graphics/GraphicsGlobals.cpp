#include "graphics/GraphicsGlobals.h"

platform::Surface* lpDDSPla = nullptr;
ScreenSurface* lpDDSSame = nullptr;
std::uint8_t nScreenFormat = 1;
std::uint16_t ColorKey = 0xF81F;
