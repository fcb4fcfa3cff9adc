// The description of a surface-text font and the metrics every text operation shares.
//
// Every face name the program asks for ("宋体" included) is served by the same pair of fonts:
// AR PL UMing CN with its 1-bit embedded bitmaps at 12 and 14 pixels, WenQuanYi Zen Hei Sharp
// for the characters it lacks and for other sizes.  Advances follow the half-width rule the
// layouts were made for: a one-byte character is half the height wide, a two-byte (GBK)
// character the full height; bold text takes one more pixel per character.
#pragma once

#include <cstddef>

namespace platform {

struct Font {
    // Character height in pixels.  A negative value is taken as its magnitude (the
    // Windows-style "-12" of a character height); 0 selects the 12-pixel default.
    int height = 12;
    int weight = 400;  // 600 and above draws bold
    bool underline = false;
};

// The program's two usual fonts: body text and titles or prompts.
constexpr Font kBodyFont{12, 400, false};
constexpr Font kTitleFont{14, 600, false};
// The desktop's icon-title font, which widgets and chat windows use.
constexpr Font kIconTitleFont{12, 400, false};
// The font a device context starts with (the system font: 16-pixel characters).
constexpr Font kDeviceDefaultFont{16, 400, false};

constexpr int kMinFontHeight = 6;
constexpr int kMaxFontHeight = 96;

// The pixel height of the character cell (and of one text line) for `font`, within
// [kMinFontHeight, kMaxFontHeight].
int FontCellHeight(const Font& font);

inline bool FontIsBold(const Font& font) { return font.weight >= 600; }

// Rows from the top of the cell down to the baseline.
int FontAscent(const Font& font);

// Advance in pixels of a character of `bytes` GBK bytes (1 or 2) that starts with `lead`;
// control characters (below 0x20) take no room.
int FontCharAdvance(const Font& font, unsigned char lead, std::size_t bytes);

}  // namespace platform
