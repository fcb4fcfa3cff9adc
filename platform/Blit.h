// Copies between surfaces, colour fills and locks: what the drawing code does with its pictures.
//
// Every operation is clipped to both surfaces at every edge, so a picture that hangs over the
// border of the frame draws its visible part.  A source rectangle that lies wholly outside its
// picture, an empty or inverted rectangle, or a missing surface draws nothing and returns an
// error; none of them ever touches memory outside a surface.
#pragma once

#include <cstdint>

#include "platform/Rect.h"
#include "platform/Surface.h"

namespace platform {

enum class BlitResult {
    Ok,           // drawn (possibly nothing, when the destination clipped it all away)
    NoSurface,    // a null or empty surface
    InvalidRect,  // an empty or inverted rectangle, or a source wholly outside its picture
};

// Flags of the fast copy, as the drawing code passes them: 0x10 is an opaque copy, 0x11 a copy
// that skips the source's colour key.
constexpr unsigned kBltFastSrcColorKey = 0x01;
constexpr unsigned kBltFastWait = 0x10;  // waiting is implicit here: copies are synchronous

// Flags of the rectangle-to-rectangle copy.  0x8010 is the keyed stretch of perspective tiles;
// edge blending is accepted and ignored (the stretch is nearest-neighbour).
constexpr unsigned kBltAlphaEdgeBlend = 0x10;
constexpr unsigned kBltKeySrc = 0x8000;
constexpr unsigned kBltWait = 0x1000000;

// Copies `srcRect` of `src` (the whole picture when null) with its top-left corner at (x, y) of
// `dst`.  With kBltFastSrcColorKey, source pixels equal to the source's colour key are skipped
// (a source without a colour key copies every pixel).
BlitResult BltFast(Surface* dst, int x, int y, const Surface* src, const Rect* srcRect,
                   unsigned flags);

// Where a same-size copy lands once clipped: the source and destination corners and the size
// of the visible part (0 × 0 when nothing is visible).
struct BlitArea {
    int srcX = 0;
    int srcY = 0;
    int dstX = 0;
    int dstY = 0;
    int width = 0;
    int height = 0;
};

// Clips a copy of `srcRect` of `src` to (x, y) of `dst` exactly as BltFast does and says where
// it lands, for drawing routines that combine pixels their own way (blends, grey copies).
BlitResult ClipBlit(const Surface* dst, int x, int y, const Surface* src, const Rect* srcRect,
                    BlitArea* area);

// Copies `srcRect` of `src` onto `dstRect` of `dst` (either whole surface when null), stretched
// or shrunk by nearest neighbour when the sizes differ.  With kBltKeySrc, source pixels equal
// to the source's colour key are skipped.
BlitResult Blt(Surface* dst, const Rect* dstRect, const Surface* src, const Rect* srcRect,
               unsigned flags);

// Fills `rect` of `dst` (the whole surface when null) with the low 16 bits of `fillValue`, as a
// fill of a 16-bit surface takes a raw pixel value (0xFFFFFF fills white, 0xFF00FF 0x00FF).
BlitResult ColorFill(Surface* dst, const Rect* rect, std::uint32_t fillValue);

// Direct access to a surface's memory: pixels, bytes per row and size.
struct SurfaceLock {
    std::uint16_t* bits = nullptr;
    int pitch = 0;
    int width = 0;
    int height = 0;
};

// Fills `lock` for the whole surface; false (and `lock` left empty) for a null or empty one.
bool Lock(Surface* surface, SurfaceLock* lock);

}  // namespace platform
