// Draws any bytes as text into any rectangle (ends of the int range included), with any
// format and font: nothing may overflow or touch memory outside the surface, a clipped drawing
// changes no pixel outside its rectangle, measuring changes none at all and gives a rectangle
// that starts where it was and never runs backwards, and one-line output at any point stays
// on the surface.
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "platform/Text.h"

using namespace platform;

namespace {

constexpr int kWidth = 48;
constexpr int kHeight = 32;
constexpr std::uint16_t kBackground = 0x1234;

// Coordinates near the ends of the int range and near the surface turn up most often.
int Coordinate(const std::uint8_t* p) {
    std::int32_t raw;
    std::memcpy(&raw, p + 1, sizeof raw);
    switch (p[0] % 6) {
        case 0: return INT_MIN + (raw & 0xFF);
        case 1: return INT_MAX - (raw & 0xFF);
        case 2: return static_cast<std::int8_t>(raw & 0xFF);
        case 3: return (raw & 0x7F) - 16;
        default: return raw;
    }
}

constexpr int kHeights[] = {12, 14, 16, -12, 0, 6, 96, 200, INT_MIN, INT_MAX};

void Check(bool ok) {
    if (!ok) std::abort();
}

bool Untouched(const Surface& s, const Rect& keep) {
    for (int y = 0; y < s.Height(); ++y)
        for (int x = 0; x < s.Width(); ++x) {
            const bool inside =
                x >= keep.left && x < keep.right && y >= keep.top && y < keep.bottom;
            if (!inside && s.Row(y)[x] != kBackground) return false;
        }
    return true;
}

Surface FreshSurface() {
    Surface s(kWidth, kHeight);
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) s.Row(y)[x] = kBackground;
    return s;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    constexpr std::size_t kHeader = 4 * 5 + 3;
    if (size < kHeader) return 0;
    const Rect rect{Coordinate(data), Coordinate(data + 5), Coordinate(data + 10),
                    Coordinate(data + 15)};
    const unsigned format = data[20] | (data[21] & 0x05) << 8;  // the flags and NoClip, CalcRect
    const Font font{kHeights[data[22] % 10], (data[22] & 0x10) ? 700 : 400,
                    (data[22] & 0x20) != 0};
    const TextPaint paint{0xFFFFFF, (data[22] & 0x40) != 0, 0x00FF00};
    const std::size_t len = size - kHeader;
    std::unique_ptr<char[]> text(new char[len ? len : 1]);  // no terminator: reads past are caught
    std::memcpy(text.get(), data + kHeader, len);

    Surface s = FreshSurface();
    Rect drawn = rect;
    const int height = DrawText(s, &drawn, text.get(), len, font, format, paint);
    Check(height >= 0);
    if (format & kDtCalcRect) {
        Check(Untouched(s, {0, 0, 0, 0}));
        Check(drawn.left == rect.left && drawn.top == rect.top);
        Check(drawn.right >= drawn.left && drawn.bottom >= drawn.top);
    } else if (!(format & kDtNoClip)) {
        Check(Untouched(s, Intersect({0, 0, kWidth, kHeight}, rect)));
    }

    Surface line = FreshSurface();
    TextOut(line, rect.left, rect.top, text.get(), len, font, paint);
    return 0;
}
