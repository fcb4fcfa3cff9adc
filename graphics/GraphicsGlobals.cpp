#include "graphics/GraphicsGlobals.h"

platform::Surface* lpDDSPla = nullptr;
ScreenSurface* lpDDSSame = nullptr;
std::uint8_t nScreenFormat = 1;
std::uint16_t ColorKey = 0xF81F;

std::uint8_t bNewStyle = 1;
std::uint8_t bNetworkStart = 0;
int nTableTop = 50;
std::string AvatarName[4];

platform::Surface* lpDDSNewLaid[4] = {};
platform::Rect rcNewLaid[4];
platform::Surface* lpDDSNewDiscard[5] = {};
platform::Rect rcNewDiscard[5];
platform::Surface* lpDDSNewOwnLaid[5] = {};
platform::Rect rcNewOwnLaid[5];
platform::Surface* lpDDSDrawBase = nullptr;
platform::Rect rcDrawBase;
platform::Surface* lpDDSDrawTile = nullptr;
platform::Rect rcDrawTile;
platform::Surface* lpDDSLevel = nullptr;
platform::Rect rcLevel;
platform::Surface* lpDDSPan = nullptr;
platform::Rect rcPan;
platform::Surface* lpDDSPopup = nullptr;
platform::Rect rcPopup;
platform::Surface* lpDDSSparkle = nullptr;
platform::Rect rcSparkle;
