#include "graphics/PixelTables.h"

std::uint32_t Rgb565To888[65536];
std::uint16_t Rgb565To555[65536];

void GBuildPixelTables() {
    for (std::uint32_t pixel = 0; pixel < 65536; ++pixel) {
        const std::uint32_t r = pixel >> 11;
        const std::uint32_t g = (pixel >> 5) & 0x3F;
        const std::uint32_t b = pixel & 0x1F;
        Rgb565To888[pixel] = (r * 8) << 16 | (g * 4) << 8 | b * 8;
        Rgb565To555[pixel] = static_cast<std::uint16_t>(r << 10 | (g >> 1) << 5 | b);
    }
}
