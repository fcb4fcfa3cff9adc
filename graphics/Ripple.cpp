// The water ripple's height maps: two 800 × 600 fields of signed 16-bit heights (current and
// previous, row-major, index y × 800 + x), made once by the set-up and seeded with a row of
// drops across the middle of the screen.
#include "graphics/MjDraw.h"

namespace {

constexpr int kMapW = 800;
constexpr int kMapH = 600;
constexpr int kMapSize = kMapW * kMapH;

// The seed: drops of radius 3 and strength 128 at x = 0, 80, ..., 720 on the middle row (the
// one at x = 0 reaches over the left edge and is not made).
constexpr int kSeedDrops = 10;
constexpr int kSeedSpacing = 80;
constexpr int kSeedY = 300;
constexpr int kDropRadius = 3;
constexpr std::int16_t kDropStrength = 128;

}  // namespace

int CMjDraw::InitRipple() {
    for (auto& map : pRippleMap) map = std::make_unique<std::int16_t[]>(kMapSize);  // zeroed
    nRippleCurrent = 0;
    for (int i = 0; i < kSeedDrops; ++i)
        DropRipple(kSeedSpacing * i, kSeedY, kDropRadius, kDropStrength);
    return 1;
}

// A circular dent of depth `strength` in the current map; a drop whose square reaches over any
// edge of the screen is not made.
void CMjDraw::DropRipple(int x, int y, int radius, std::int16_t strength) {
    std::int16_t* map = pRippleMap[nRippleCurrent].get();
    if (map == nullptr) return;
    if (x + radius > kMapW || y + radius > kMapH || x - radius < 0 || y - radius < 0) return;
    const std::int16_t depth = static_cast<std::int16_t>(-strength);
    for (int j = y - radius; j < y + radius; ++j)
        for (int i = x - radius; i < x + radius; ++i)
            if ((i - x) * (i - x) + (j - y) * (j - y) < radius * radius) map[j * kMapW + i] = depth;
}
