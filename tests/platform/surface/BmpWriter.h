// Test helper: writes small BMP files of every depth and row order the decoder accepts, from a
// grid of 0xRRGGBB colours.
#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

namespace bmptest {

struct BmpLayout {
    int bpp = 24;
    bool topDown = false;
    bool bitFields = false;  // 16 bits: RGB565 masks; 32 bits: the masks below
    std::uint32_t masks32[3] = {0xFF0000, 0xFF00, 0xFF};
    int infoSize = 40;       // 12 (OS/2), 40 or 108
};

inline void Put16(std::vector<std::uint8_t>& out, std::uint32_t v) {
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}
inline void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}
inline void Set32(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

// Packs one colour into a pixel of `bits` bits by the channel masks.
inline std::uint32_t PackFields(std::uint32_t rgb, const std::uint32_t masks[3]) {
    std::uint32_t pixel = 0;
    for (int c = 0; c < 3; ++c) {
        std::uint32_t v = (rgb >> (16 - 8 * c)) & 0xFF;
        std::uint32_t m = masks[c];
        int shift = 0, bits = 0;
        while (!((m >> shift) & 1)) ++shift;
        while (shift + bits < 32 && ((m >> (shift + bits)) & 1)) ++bits;
        pixel |= (bits >= 8 ? v << (bits - 8) : v >> (8 - bits)) << shift;
    }
    return pixel;
}

// A BMP file of width × height pixels, `rgb` given top row first.
inline std::vector<std::uint8_t> WriteBmp(int width, int height, const std::vector<std::uint32_t>& rgb,
                                          const BmpLayout& layout) {
    std::vector<std::uint32_t> palette;
    if (layout.bpp <= 8) {
        for (std::uint32_t c : rgb)
            if (std::find(palette.begin(), palette.end(), c) == palette.end()) palette.push_back(c);
    }
    const bool os2 = layout.infoSize == 12;
    if (os2 && layout.bpp <= 8) palette.resize(std::size_t{1} << layout.bpp, palette.empty() ? 0 : palette[0]);
    const std::uint32_t masks16[3] = {0xF800, 0x07E0, 0x001F};
    const std::uint32_t masks555[3] = {0x7C00, 0x03E0, 0x001F};
    const std::uint32_t* masks = layout.bpp == 16 ? (layout.bitFields ? masks16 : masks555) : layout.masks32;
    const bool fieldsAfterHeader = layout.bitFields && layout.infoSize == 40;

    std::vector<std::uint8_t> out = {'B', 'M'};
    Put32(out, 0);  // file size, set below
    Put32(out, 0);
    Put32(out, 0);  // pixel offset, set below
    Put32(out, static_cast<std::uint32_t>(layout.infoSize));
    if (os2) {
        Put16(out, static_cast<std::uint32_t>(width));
        Put16(out, static_cast<std::uint32_t>(height));
        Put16(out, 1);
        Put16(out, static_cast<std::uint32_t>(layout.bpp));
    } else {
        Put32(out, static_cast<std::uint32_t>(width));
        Put32(out, static_cast<std::uint32_t>(layout.topDown ? -height : height));
        Put16(out, 1);
        Put16(out, static_cast<std::uint32_t>(layout.bpp));
        Put32(out, layout.bitFields ? 3 : 0);
        Put32(out, 0);
        Put32(out, 2835);
        Put32(out, 2835);
        Put32(out, static_cast<std::uint32_t>(palette.size()));
        Put32(out, 0);
        if (layout.infoSize > 40) {
            for (int c = 0; c < 3; ++c) Put32(out, layout.bitFields ? masks[c] : 0);
            while (out.size() < 14u + layout.infoSize) out.push_back(0);
        }
    }
    if (fieldsAfterHeader)
        for (int c = 0; c < 3; ++c) Put32(out, masks[c]);
    for (std::uint32_t c : palette) {
        out.push_back(c & 0xFF);
        out.push_back((c >> 8) & 0xFF);
        out.push_back((c >> 16) & 0xFF);
        if (!os2) out.push_back(0);
    }
    Set32(out, 10, static_cast<std::uint32_t>(out.size()));

    const std::size_t stride = (static_cast<std::size_t>(width) * layout.bpp + 31) / 32 * 4;
    for (int r = 0; r < height; ++r) {
        const int y = layout.topDown ? r : height - 1 - r;
        std::vector<std::uint8_t> row(stride, 0);
        for (int x = 0; x < width; ++x) {
            const std::uint32_t c = rgb[static_cast<std::size_t>(y) * width + x];
            if (layout.bpp <= 8) {
                const std::uint32_t index = static_cast<std::uint32_t>(
                    std::find(palette.begin(), palette.end(), c) - palette.begin());
                const int perByte = 8 / layout.bpp;
                const int shift = 8 - layout.bpp * (x % perByte + 1);
                row[x / perByte] |= static_cast<std::uint8_t>(index << shift);
            } else if (layout.bpp == 24) {
                row[3 * x] = c & 0xFF;
                row[3 * x + 1] = (c >> 8) & 0xFF;
                row[3 * x + 2] = (c >> 16) & 0xFF;
            } else {
                const std::uint32_t p = PackFields(c, masks);
                for (int i = 0; i < layout.bpp / 8; ++i) row[layout.bpp / 8 * x + i] = (p >> (8 * i)) & 0xFF;
            }
        }
        out.insert(out.end(), row.begin(), row.end());
    }
    Set32(out, 2, static_cast<std::uint32_t>(out.size()));
    return out;
}

}  // namespace bmptest
