// The frame in the screen's own pixel format, for screens that are not RGB565: a surface of
// 16, 24 or 32 bits per pixel, and the conversion of the composition surface into it.
#pragma once

#include <cstdint>
#include <vector>

// A picture in a screen format: rows of Width() pixels of BitsPerPixel() / 8 bytes each,
// Pitch() bytes apart; all zero when made.  Depths other than 16, 24 and 32, and sizes below
// 1, give an empty surface.
class ScreenSurface {
public:
    ScreenSurface(int width, int height, int bitsPerPixel);

    int Width() const { return width_; }
    int Height() const { return height_; }
    int BitsPerPixel() const { return bitsPerPixel_; }
    int Pitch() const { return width_ * (bitsPerPixel_ / 8); }
    bool Empty() const { return bytes_.empty(); }

    std::uint8_t* Row(int y) { return bytes_.data() + static_cast<std::size_t>(y) * Pitch(); }
    const std::uint8_t* Row(int y) const {
        return bytes_.data() + static_cast<std::size_t>(y) * Pitch();
    }

private:
    int width_;
    int height_;
    int bitsPerPixel_;
    std::vector<std::uint8_t> bytes_;
};

// Converts `lpDDSPla` into `target` in the format of `nScreenFormat`, through the pixel tables
// (GBuildPixelTables): 5 writes each pixel's 32-bit Rgb565To888 value, 4 its low three bytes
// (blue, green, red), 2 its 16-bit Rgb565To555 value.  Any other code, a target whose depth is
// not the format's, or a null surface converts nothing.  Where the sizes differ, the part the
// two share is converted.
void GConvertToSame(ScreenSurface* target);
