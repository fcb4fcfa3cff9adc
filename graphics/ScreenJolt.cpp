// The downward jolt the show item plays before every hand is revealed: the finished frame moves
// 20 pixels down inside the composition surface (its top 20 rows stay as they were), is shown
// at once, and the program pauses a moment so the jolt can be seen.
#include <algorithm>
#include <cstring>

#include "graphics/GraphicsGlobals.h"
#include "graphics/MjDraw.h"
#include "platform/Blit.h"
#include "platform/Sleep.h"

namespace {

constexpr int kJoltRows = 20;
constexpr unsigned kJoltPauseMs = 100;

}  // namespace

void CMjDraw::ScrollDown() {
    platform::SurfaceLock lock;
    if (platform::Lock(lpDDSPla, &lock)) {
        const int rows = std::min(lock.height, nHeight) - kJoltRows;
        const std::size_t bytes = static_cast<std::size_t>(std::min(lock.width, nWidth)) * 2;
        auto* base = reinterpret_cast<unsigned char*>(lock.bits);
        // Bottom up, so each row is read before the copy above it overwrites it.
        for (int y = rows - 1; y >= 0; --y)
            std::memmove(base + static_cast<std::size_t>(y + kJoltRows) * lock.pitch,
                         base + static_cast<std::size_t>(y) * lock.pitch, bytes);
    }
    DrawFullScreen();
    platform::Sleep(kJoltPauseMs);
}
