// The water ripple: two 800 × 600 fields of signed 16-bit heights (current and previous,
// row-major, index y × 800 + x), made once by the set-up and seeded with a row of drops across
// the middle of the screen.  Each frame of the effect drops a random disturbance, propagates
// and damps the waves, and shows the finished table displaced by the local slope of the
// heights.  The composition surface itself is never changed, so the next redraw is calm.
#include "engine/Mj.h"
#include "graphics/GraphicsGlobals.h"
#include "graphics/MjDraw.h"
#include "platform/Blit.h"
#include "platform/Presenter.h"
#include "rules/Random.h"

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

// The effect ends after this many frames, or once the seconds clock is more than this many
// seconds past its start.
constexpr int kMaxRippleFrames = 100;
constexpr long long kRippleSeconds = 2;

// A 16-bit height of a 32-bit sum, wrapping as the map's entries do.
std::int16_t Wrap16(int value) { return static_cast<std::int16_t>(value); }

// A random coordinate 0..extent from a 15-bit random number (extent itself only when the
// number is the largest; such a drop does not fit the screen and is not made).
int RandomCoordinate(int extent) {
    return static_cast<int>(static_cast<double>(MjRand()) / kMjRandMax * extent);
}

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

// The wave equation on the integer grid: the new height is half the sum of the four neighbours
// less the height two steps back, damped by 1/32.  Row edges read across into the rows beside
// them, as the maps are one long array.
void CMjDraw::StepRipple() {
    const std::int16_t* cur = pRippleMap[nRippleCurrent].get();
    std::int16_t* prev = pRippleMap[1 - nRippleCurrent].get();
    if (cur == nullptr || prev == nullptr) return;
    for (int k = kMapW; k < kMapSize - kMapW; ++k) {
        const int n = (cur[k - 1] + cur[k + 1] + cur[k - kMapW] + cur[k + kMapW]) >> 1;
        const std::int16_t next = Wrap16(n - prev[k]);
        prev[k] = Wrap16(next - (next >> 5));
    }
    nRippleCurrent = 1 - nRippleCurrent;
}

// Each target pixel of rows 1..598 is the source pixel its slope points at; a slope pointing
// off the screen leaves the target pixel as it was.  Rows 0 and 599 are never written.
void CMjDraw::RefractRipple(platform::Surface* source, platform::Surface* target) {
    const std::int16_t* cur = pRippleMap[nRippleCurrent].get();
    platform::SurfaceLock from, to;
    if (cur == nullptr || !platform::Lock(source, &from) || !platform::Lock(target, &to)) return;
    if (from.width < kMapW || from.height < kMapH || to.width < kMapW || to.height < kMapH) return;
    const int fromRow = from.pitch / 2;
    const int toRow = to.pitch / 2;
    for (int y = 1; y < kMapH - 1; ++y) {
        for (int x = 0; x < kMapW; ++x) {
            const int k = y * kMapW + x;
            const int sx = x + cur[k - 1] - cur[k + 1];
            const int sy = y + cur[k - kMapW] - cur[k + kMapW];
            if (sx < 0 || sx >= kMapW || sy < 0 || sy >= kMapH) continue;
            to.bits[y * toRow + x] = from.bits[sy * fromRow + sx];
        }
    }
}

// The window takes RGB565 frames, so the ripple surface is shown as it stands.
void CMjDraw::RippleFrame() {
    if (nRippleRandom == 1)
        DropRipple(RandomCoordinate(kMapW), RandomCoordinate(kMapH), kDropRadius, kDropStrength);
    StepRipple();
    RefractRipple(lpDDSPla, lpDDSRipple);
    if (lpDDSRipple) platform::PresentSurface(*lpDDSRipple);
}

int CMjDraw::RunRipple() {
    const long long start = MjTime();
    int frames = 0;
    while (frames < kMaxRippleFrames && MjTime() - start <= kRippleSeconds) {
        RippleFrame();
        ++frames;
    }
    if (pMj) pMj->Redraw();
    return frames;
}
