#include "graphics/AlphaBlend.h"

#include <algorithm>
#include <cstdint>

#include "graphics/FramePixels.h"

namespace {

// One channel (at `shift`, `mask` wide) of the blend: the difference is weighted as a signed
// number and shifted arithmetically, so a darker source rounds towards minus infinity.
int BlendChannel(std::uint16_t s, std::uint16_t d, int shift, int mask, int alpha) {
    const int sc = (s >> shift) & mask;
    const int dc = (d >> shift) & mask;
    return dc + (((sc - dc) * alpha) >> 8);
}

std::uint16_t BlendPixel(std::uint16_t s, std::uint16_t d, int alpha) {
    return static_cast<std::uint16_t>(BlendChannel(s, d, 11, 0x1F, alpha) << 11 |
                                      BlendChannel(s, d, 5, 0x3F, alpha) << 5 |
                                      BlendChannel(s, d, 0, 0x1F, alpha));
}

}  // namespace

void GAlphaBlt(const platform::Surface* source, int x, int y, int left, int top, int right,
               int bottom, int alpha) {
    // Weights outside 0..256 would carry one channel into the next.
    alpha = std::clamp(alpha, 0, 256);
    CombineOntoFrame(platform::DrawKind::AlphaBlt, static_cast<unsigned>(alpha), source, x, y,
                     {left, top, right, bottom},
                     [alpha](std::uint16_t s, std::uint16_t d) { return BlendPixel(s, d, alpha); });
}
