#include "graphics/ScreenConvert.h"

#include <algorithm>

#include "graphics/GraphicsGlobals.h"
#include "graphics/PixelTables.h"

namespace {

int DepthOfFormat(std::uint8_t format) {
    switch (format) {
        case 2: return 16;
        case 4: return 24;
        case 5: return 32;
        default: return 0;
    }
}

// Writes the low `bytes` bytes of `value`, lowest first: the pixel's memory order.
void PutPixel(std::uint8_t* out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out[i] = static_cast<std::uint8_t>(value >> (8 * i));
}

}  // namespace

ScreenSurface::ScreenSurface(int width, int height, int bitsPerPixel)
    : width_(0), height_(0), bitsPerPixel_(bitsPerPixel) {
    const bool depthKnown = bitsPerPixel == 16 || bitsPerPixel == 24 || bitsPerPixel == 32;
    if (!depthKnown || width < 1 || height < 1) return;
    width_ = width;
    height_ = height;
    bytes_.assign(static_cast<std::size_t>(Pitch()) * height_, 0);
}

void GConvertToSame(ScreenSurface* target) {
    const int depth = DepthOfFormat(nScreenFormat);
    if (depth == 0 || lpDDSPla == nullptr || target == nullptr || target->Empty() ||
        target->BitsPerPixel() != depth)
        return;
    const int bytes = depth / 8;
    const int width = std::min(lpDDSPla->Width(), target->Width());
    const int height = std::min(lpDDSPla->Height(), target->Height());
    for (int y = 0; y < height; ++y) {
        const std::uint16_t* in = lpDDSPla->Row(y);
        std::uint8_t* out = target->Row(y);
        for (int x = 0; x < width; ++x, out += bytes)
            PutPixel(out, depth == 16 ? Rgb565To555[in[x]] : Rgb565To888[in[x]], bytes);
    }
}
