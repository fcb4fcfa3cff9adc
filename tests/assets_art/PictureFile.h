// Reads just enough of the generated pictures to check them: BMP headers and 24-bit pixels,
// and the logical size of a GIF.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct Picture {
    int width = 0;
    int height = 0;
    int bitsPerPixel = 0;
    std::vector<std::uint32_t> pixels;   // 0xRRGGBB, top row first; only for 24-bit pictures
    std::vector<std::uint32_t> palette;  // 0xRRGGBB; a GIF's global colour table
    int transparentIndex = -1;           // a GIF's transparent palette index, -1 when none
    std::uint32_t At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

// A Windows BMP; nullopt when the file is missing, short or not a BMP.
std::optional<Picture> ReadBmp(const std::string& path);
// A GIF's logical screen size, global colour table and the transparent index of its first
// graphic control block (no pixels); nullopt when missing or not a GIF.
std::optional<Picture> ReadGifSize(const std::string& path);
