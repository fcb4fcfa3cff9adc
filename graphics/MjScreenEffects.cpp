// Screen effects of the item keys that act on the finished frame.
#include "graphics/GraphicsGlobals.h"
#include "graphics/MjDraw.h"
#include "platform/Blit.h"
#include "platform/Sleep.h"

namespace {

// The jolt moves the whole frame this far down, keeping its top rows, and holds it this long.
constexpr int kJoltRows = 20;
constexpr unsigned kJoltPauseMs = 100;

}  // namespace

// The composition surface is copied onto itself 20 rows lower (the copy is safe for the
// overlap), shown, and held for a moment; the next frame puts the table back.
void CMjDraw::ScrollDown() {
    const platform::Rect moved{0, 0, nWidth, nHeight - kJoltRows};
    platform::BltFast(lpDDSPla, 0, kJoltRows, lpDDSPla, &moved, platform::kBltFastWait);
    DrawFullScreen();
    platform::Sleep(kJoltPauseMs);
}
