#include "graphics/AlphaBlend.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "graphics/FramePixels.h"

namespace {

// Eight pixels at a time, as GCC and Clang vector types (SSE2 on x86-64): translucent plates
// cover much of the frame, and a blend per pixel with a branch on the key ran ten times
// slower.  A channel difference times a weight of at most 256 fits in 16 signed bits.
typedef std::uint16_t Pixels8 __attribute__((vector_size(16)));
typedef std::int16_t Channels8 __attribute__((vector_size(16)));

Pixels8 AsPixels(Channels8 v) { return reinterpret_cast<Pixels8>(v); }
Channels8 AsChannels(Pixels8 v) { return reinterpret_cast<Channels8>(v); }

// One channel (at `shift`, `mask` wide) of eight blends: the difference is weighted as a
// signed number and shifted arithmetically, so a darker source rounds towards minus infinity.
Pixels8 BlendChannel(Pixels8 s, Pixels8 d, int shift, std::uint16_t mask, std::int16_t alpha) {
    const Channels8 sc = AsChannels((s >> shift) & mask);
    const Channels8 dc = AsChannels((d >> shift) & mask);
    return AsPixels(dc + (((sc - dc) * alpha) >> 8)) << shift;
}

// Eight source pixels blended over eight frame pixels; the key's positions keep the frame's.
Pixels8 BlendEight(Pixels8 s, Pixels8 d, std::uint16_t key, std::int16_t alpha) {
    const Pixels8 isKey = AsPixels(s == key);
    const Pixels8 blended = BlendChannel(s, d, 11, 0x1F, alpha) |
                            BlendChannel(s, d, 5, 0x3F, alpha) |
                            BlendChannel(s, d, 0, 0x1F, alpha);
    return (d & isKey) | (blended & ~isKey);
}

void BlendRow(const std::uint16_t* s, std::uint16_t* d, int n, std::uint16_t key,
              std::int16_t alpha) {
    Pixels8 in, out;
    int i = 0;
    for (; i + 8 <= n; i += 8) {
        std::memcpy(&in, s + i, sizeof in);
        std::memcpy(&out, d + i, sizeof out);
        out = BlendEight(in, out, key, alpha);
        std::memcpy(d + i, &out, sizeof out);
    }
    if (i == n) return;
    // The last few pixels go through the same eight lanes, the unused ones left at zero.
    const std::size_t rest = static_cast<std::size_t>(n - i) * sizeof *s;
    in = Pixels8{};
    out = Pixels8{};
    std::memcpy(&in, s + i, rest);
    std::memcpy(&out, d + i, rest);
    out = BlendEight(in, out, key, alpha);
    std::memcpy(d + i, &out, rest);
}

}  // namespace

void GAlphaBlt(const platform::Surface* source, int x, int y, int left, int top, int right,
               int bottom, int alpha) {
    // Weights outside 0..256 would carry one channel into the next.
    const auto weight = static_cast<std::int16_t>(std::clamp(alpha, 0, 256));
    CombineOntoFrame(platform::DrawKind::AlphaBlt, static_cast<unsigned>(alpha), source, x, y,
                     {left, top, right, bottom},
                     [weight](const std::uint16_t* s, std::uint16_t* d, int n, std::uint16_t key) {
                         BlendRow(s, d, n, key, weight);
                     });
}
