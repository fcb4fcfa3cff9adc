#include "tools/art/ImageFiles.h"

#include <gd.h>

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <vector>

namespace art {

namespace {

void Put16(std::vector<std::uint8_t>& b, std::size_t at, std::uint16_t v) {
    b[at] = v & 0xFF;
    b[at + 1] = v >> 8;
}

void Put32(std::vector<std::uint8_t>& b, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + i] = (v >> (8 * i)) & 0xFF;
}

}  // namespace

bool WriteBmp24(const QImage& image, const std::string& path) {
    const int w = image.width(), h = image.height();
    const std::size_t stride = (static_cast<std::size_t>(w) * 3 + 3) & ~std::size_t(3);
    const std::size_t pixels = stride * h;
    std::vector<std::uint8_t> file(54 + pixels, 0);
    file[0] = 'B';
    file[1] = 'M';
    Put32(file, 2, static_cast<std::uint32_t>(file.size()));
    Put32(file, 10, 54);
    Put32(file, 14, 40);
    Put32(file, 18, w);
    Put32(file, 22, h);
    Put16(file, 26, 1);
    Put16(file, 28, 24);
    Put32(file, 34, static_cast<std::uint32_t>(pixels));
    Put32(file, 38, 2835);
    Put32(file, 42, 2835);
    for (int y = 0; y < h; ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        std::uint8_t* out = &file[54 + stride * (h - 1 - y)];
        for (int x = 0; x < w; ++x) {
            out[3 * x] = qBlue(row[x]);
            out[3 * x + 1] = qGreen(row[x]);
            out[3 * x + 2] = qRed(row[x]);
        }
    }
    std::ofstream stream(path, std::ios::binary);
    stream.write(reinterpret_cast<const char*>(file.data()), static_cast<std::streamsize>(file.size()));
    return static_cast<bool>(stream);
}

bool WriteGif(const QImage& image, const std::string& path) {
    gdImagePtr im = gdImageCreateTrueColor(image.width(), image.height());
    if (!im) return false;
    for (int y = 0; y < image.height(); ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            gdImageSetPixel(im, x, y, gdTrueColor(qRed(row[x]), qGreen(row[x]), qBlue(row[x])));
    }
    // Key-coloured pixels become the palette's transparent index.
    gdImageColorTransparent(im, gdTrueColor(255, 0, 255));
    gdImageTrueColorToPalette(im, 0, 256);
    bool ok = false;
    if (FILE* out = std::fopen(path.c_str(), "wb")) {
        gdImageGif(im, out);
        ok = std::fclose(out) == 0;
    }
    gdImageDestroy(im);
    return ok;
}

}  // namespace art
