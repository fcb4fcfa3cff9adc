#include "platform/Font.h"

#include <algorithm>
#include <cstdlib>

namespace platform {

int FontCellHeight(const Font& font) {
    // Widened first: the magnitude of the most negative height does not fit an int.
    const long long h = font.height == 0 ? 12 : std::llabs(font.height);
    return static_cast<int>(std::clamp<long long>(h, kMinFontHeight, kMaxFontHeight));
}

int FontAscent(const Font& font) {
    // The embedded bitmaps put the baseline 11 rows down at 12 pixels, 12 at 14, 14 at 16.
    int h = FontCellHeight(font);
    return h - std::max(1, h / 7);
}

int FontCharAdvance(const Font& font, unsigned char lead, std::size_t bytes) {
    if (bytes == 1 && lead < 0x20) return 0;
    int h = FontCellHeight(font);
    int advance = bytes >= 2 ? h : h / 2;
    return FontIsBold(font) ? advance + 1 : advance;
}

}  // namespace platform
