// The glyphs of surface text: 1-bit images from FreeType, cached per height and character.
//
// AR PL UMing CN serves the 12- and 14-pixel sizes from its embedded bitmaps; WenQuanYi Zen Hei
// Sharp serves the characters it lacks and every other size.  At 12 and 14 pixels a bitmap of
// either face is taken before an outline rendered in 1 bit.  Font files are read whole by the
// program's reader (regular files only).  When one cannot be loaded the failure is reported
// once on standard error and the glyphs of that face are simply absent: measuring never needs
// them, drawing leaves their cells empty.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace platform {

// A 1-bit glyph image: `rows` rows of `width` pixels (1 = ink), its top-left corner `left`
// pixels right of the pen and `top` pixels above the baseline; `advance` is the face's own
// advance, used to centre the image in the cell the text metrics give it.
struct GlyphBitmap {
    int width = 0;
    int rows = 0;
    int left = 0;
    int top = 0;
    int advance = 0;
    std::vector<std::uint8_t> ink;  // width × rows, row by row

    bool Ink(int x, int y) const { return ink[static_cast<std::size_t>(y) * width + x] != 0; }
};

// A font file and the index of the face inside it (font collections hold several).
struct FontFace {
    std::string file;
    int index = 0;
};

struct FontFiles {
    FontFace primary;   // embedded bitmaps at 12 and 14 pixels
    FontFace fallback;  // missing characters and other sizes
};

// The program's fonts as fontconfig knows them, else at their Debian paths.
FontFiles FindTextFontFiles();

class FontGlyphs {
public:
    explicit FontGlyphs(const FontFiles& files);
    ~FontGlyphs();
    FontGlyphs(const FontGlyphs&) = delete;
    FontGlyphs& operator=(const FontGlyphs&) = delete;

    // True when both faces loaded.
    bool Loaded() const;

    // The glyph of the GBK character ch[0, bytes) (bytes 1 or 2) at `height` pixels, or null
    // when no loaded face has one.
    const GlyphBitmap* Glyph(int height, const char* ch, std::size_t bytes);

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
    std::unordered_map<std::uint32_t, std::unique_ptr<GlyphBitmap>> cache_;
};

// The glyph source all surface text uses, loaded on first use (UI thread only).
FontGlyphs& TextGlyphs();

// Replaces the shared glyph source by one over `files`.
void ReloadTextFonts(const FontFiles& files);

}  // namespace platform
