#include "platform/FontGlyphs.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <cstdio>
#include <cstdlib>
#include <optional>

#include "platform/Gbk.h"
#include "platform/WholeFile.h"

namespace platform {

namespace {

constexpr const char* kPrimaryFamily = "AR PL UMing CN";
constexpr const char* kFallbackFamily = "WenQuanYi Zen Hei Sharp";
// Heights the primary face draws from its embedded bitmaps.
constexpr int kPrimaryHeights[] = {12, 14};

// The file and face index of a font family, by exact family name.
bool FindFamily(FcConfig* config, const char* family, FontFace* face) {
    FcPattern* pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family));
    FcObjectSet* objects = FcObjectSetBuild(FC_FILE, FC_INDEX, nullptr);
    FcFontSet* fonts = FcFontList(config, pattern, objects);
    bool found = false;
    for (int i = 0; fonts && i < fonts->nfont && !found; ++i) {
        FcChar8* file = nullptr;
        int index = 0;
        if (FcPatternGetString(fonts->fonts[i], FC_FILE, 0, &file) != FcResultMatch) continue;
        FcPatternGetInteger(fonts->fonts[i], FC_INDEX, 0, &index);
        face->file = reinterpret_cast<const char*>(file);
        face->index = index;
        found = true;
    }
    if (fonts) FcFontSetDestroy(fonts);
    FcObjectSetDestroy(objects);
    FcPatternDestroy(pattern);
    return found;
}

// The program's fonts are some twenty megabytes; a larger file is not one of them.
constexpr std::size_t kMaxFontFileBytes = 64u << 20;

// One FreeType face, the file's bytes it reads from, and the pixel height it is set to.
struct LoadedFace {
    FT_Face face = nullptr;
    std::string bytes;
    int height = 0;

    bool SetHeight(int h) {
        if (height == h) return true;
        if (FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(h)) != 0) return false;
        height = h;
        return true;
    }
};

bool IsPrimaryHeight(int height) {
    for (int h : kPrimaryHeights)
        if (h == height) return true;
    return false;
}

// Copies FreeType's rendered bitmap (1-bit packed, or grey thresholded at half) to 0/1 ink.
std::unique_ptr<GlyphBitmap> CopyBitmap(const FT_GlyphSlot slot) {
    const FT_Bitmap& bm = slot->bitmap;
    auto glyph = std::make_unique<GlyphBitmap>();
    glyph->width = static_cast<int>(bm.width);
    glyph->rows = static_cast<int>(bm.rows);
    glyph->left = slot->bitmap_left;
    glyph->top = slot->bitmap_top;
    glyph->advance = static_cast<int>(slot->advance.x >> 6);
    glyph->ink.assign(static_cast<std::size_t>(glyph->width) * glyph->rows, 0);
    int pitch = bm.pitch < 0 ? -bm.pitch : bm.pitch;
    for (int y = 0; y < glyph->rows; ++y) {
        int srcRow = bm.pitch < 0 ? glyph->rows - 1 - y : y;
        const unsigned char* row = bm.buffer + static_cast<std::ptrdiff_t>(srcRow) * pitch;
        for (int x = 0; x < glyph->width; ++x) {
            bool on = bm.pixel_mode == FT_PIXEL_MODE_MONO ? (row[x >> 3] & (0x80 >> (x & 7))) != 0
                                                          : row[x] >= 128;
            glyph->ink[static_cast<std::size_t>(y) * glyph->width + x] = on ? 1 : 0;
        }
    }
    return glyph;
}

}  // namespace

FontFiles FindTextFontFiles() {
    FontFiles files{{"/usr/share/fonts/truetype/arphic/uming.ttc", 0},
                    {"/usr/share/fonts/truetype/wqy/wqy-zenhei.ttc", 2}};
    if (FcConfig* config = FcInitLoadConfigAndFonts()) {
        FindFamily(config, kPrimaryFamily, &files.primary);
        FindFamily(config, kFallbackFamily, &files.fallback);
        FcConfigDestroy(config);
    }
    return files;
}

struct FontGlyphs::Impl {
    FT_Library library = nullptr;
    LoadedFace primary;
    LoadedFace fallback;

    explicit Impl(const FontFiles& files) {
        if (FT_Init_FreeType(&library) != 0) {
            std::fprintf(stderr, "text: FreeType did not start; surface text draws nothing\n");
            library = nullptr;
            return;
        }
        Open(files.primary, &primary);
        Open(files.fallback, &fallback);
    }
    ~Impl() {
        if (primary.face) FT_Done_Face(primary.face);
        if (fallback.face) FT_Done_Face(fallback.face);
        if (library) FT_Done_FreeType(library);
    }

    // The file is read whole by the program's own reader (regular files only), and FreeType
    // reads the face from those bytes.
    void Open(const FontFace& face, LoadedFace* loaded) {
        std::optional<std::string> bytes = ReadWholeFile(face.file, kMaxFontFileBytes);
        if (bytes) {
            loaded->bytes = std::move(*bytes);
            if (FT_New_Memory_Face(library, reinterpret_cast<const FT_Byte*>(loaded->bytes.data()),
                                   static_cast<FT_Long>(loaded->bytes.size()), face.index,
                                   &loaded->face) == 0)
                return;
        }
        loaded->face = nullptr;
        loaded->bytes.clear();
        std::fprintf(stderr, "text: cannot load font %s (face %d); its glyphs are left out\n",
                     face.file.c_str(), face.index);
    }

    // The glyph of code point `cp` from `loaded` at `height`: its embedded bitmap, else (unless
    // `bitmapOnly`) its outline rendered in 1 bit; null when the face has neither.
    static std::unique_ptr<GlyphBitmap> Render(LoadedFace& loaded, int height, char32_t cp,
                                               bool bitmapOnly) {
        if (!loaded.face || !loaded.SetHeight(height)) return nullptr;
        FT_UInt index = FT_Get_Char_Index(loaded.face, cp);
        if (index == 0) return nullptr;
        if (FT_Load_Glyph(loaded.face, index, FT_LOAD_TARGET_MONO | FT_LOAD_MONOCHROME) != 0)
            return nullptr;
        FT_GlyphSlot slot = loaded.face->glyph;
        if (slot->format != FT_GLYPH_FORMAT_BITMAP &&
            (bitmapOnly || FT_Render_Glyph(slot, FT_RENDER_MODE_MONO) != 0))
            return nullptr;
        return CopyBitmap(slot);
    }

    // At the primary heights a hand-drawn bitmap from either face beats a rendered outline.
    std::unique_ptr<GlyphBitmap> Lookup(int height, char32_t cp) {
        if (cp == 0xFFFD) return nullptr;
        if (!IsPrimaryHeight(height)) return Render(fallback, height, cp, false);
        std::unique_ptr<GlyphBitmap> glyph = Render(primary, height, cp, true);
        if (!glyph) glyph = Render(fallback, height, cp, true);
        if (!glyph) glyph = Render(primary, height, cp, false);
        if (!glyph) glyph = Render(fallback, height, cp, false);
        return glyph;
    }
};

FontGlyphs::FontGlyphs(const FontFiles& files) : impl_(std::make_unique<Impl>(files)) {}

FontGlyphs::~FontGlyphs() = default;

bool FontGlyphs::Loaded() const { return impl_->primary.face && impl_->fallback.face; }

const GlyphBitmap* FontGlyphs::Glyph(int height, const char* ch, std::size_t bytes) {
    std::uint32_t code = static_cast<unsigned char>(ch[0]);
    if (bytes >= 2) code = (code << 8) | static_cast<unsigned char>(ch[1]);
    std::uint32_t key = (static_cast<std::uint32_t>(height) << 16) | code;
    auto found = cache_.find(key);
    if (found != cache_.end()) return found->second.get();

    std::unique_ptr<GlyphBitmap> glyph =
        impl_->Lookup(height, GbkDecodeChar(ch, bytes, 0, nullptr));
    return cache_.emplace(key, std::move(glyph)).first->second.get();
}

namespace {
std::unique_ptr<FontGlyphs>& SharedGlyphs() {
    static std::unique_ptr<FontGlyphs> glyphs;
    return glyphs;
}
}  // namespace

FontGlyphs& TextGlyphs() {
    auto& glyphs = SharedGlyphs();
    if (!glyphs) glyphs = std::make_unique<FontGlyphs>(FindTextFontFiles());
    return *glyphs;
}

void ReloadTextFonts(const FontFiles& files) {
    SharedGlyphs() = std::make_unique<FontGlyphs>(files);
}

}  // namespace platform
