#include "graphics/GreyBlt.h"

#include "graphics/FramePixels.h"

std::uint16_t GGreyPixel565(std::uint16_t pixel) {
    const unsigned r = pixel >> 11;
    const unsigned g = (pixel & 0x07E0) >> 6;
    const unsigned b = pixel & 0x1F;
    const unsigned grey = (3 * r + 6 * b + g) / 10;
    return static_cast<std::uint16_t>(grey << 11 | grey << 6 | grey);
}

void GGreyBlt(const platform::Surface* source, int x, int y, int left, int top, int right,
              int bottom) {
    CombineOntoFrame(platform::DrawKind::GreyBlt, 0, source, x, y, {left, top, right, bottom},
                     [](const std::uint16_t* s, std::uint16_t* d, int n, std::uint16_t key) {
                         for (int i = 0; i < n; ++i)
                             if (s[i] != key) d[i] = GGreyPixel565(s[i]);
                     });
}
