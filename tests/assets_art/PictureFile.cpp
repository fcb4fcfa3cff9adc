#include "PictureFile.h"

#include <fstream>
#include <iterator>

namespace {

std::vector<unsigned char> Slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<unsigned char>(std::istreambuf_iterator<char>(in), {});
}

std::uint32_t Le(const std::vector<unsigned char>& b, std::size_t at, int bytes) {
    std::uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | b[at + i];
    return v;
}

}  // namespace

std::optional<Picture> ReadBmp(const std::string& path) {
    const std::vector<unsigned char> b = Slurp(path);
    if (b.size() < 54 || b[0] != 'B' || b[1] != 'M') return std::nullopt;
    Picture pic;
    const std::uint32_t offset = Le(b, 10, 4);
    pic.width = static_cast<std::int32_t>(Le(b, 18, 4));
    const std::int32_t rawHeight = static_cast<std::int32_t>(Le(b, 22, 4));
    pic.height = rawHeight < 0 ? -rawHeight : rawHeight;
    pic.bitsPerPixel = static_cast<int>(Le(b, 28, 2));
    if (pic.width <= 0 || pic.height <= 0 || Le(b, 30, 4) != 0) return std::nullopt;
    if (pic.bitsPerPixel != 24) return pic;
    const std::size_t stride = (static_cast<std::size_t>(pic.width) * 3 + 3) & ~std::size_t(3);
    if (offset + stride * pic.height > b.size()) return std::nullopt;
    pic.pixels.resize(static_cast<std::size_t>(pic.width) * pic.height);
    for (int y = 0; y < pic.height; ++y) {
        const int fileRow = rawHeight > 0 ? pic.height - 1 - y : y;
        const unsigned char* row = &b[offset + stride * fileRow];
        for (int x = 0; x < pic.width; ++x)
            pic.pixels[static_cast<std::size_t>(y) * pic.width + x] =
                (row[3 * x + 2] << 16) | (row[3 * x + 1] << 8) | row[3 * x];
    }
    return pic;
}

std::optional<Picture> ReadGifSize(const std::string& path) {
    const std::vector<unsigned char> b = Slurp(path);
    if (b.size() < 13 || std::string(b.begin(), b.begin() + 3) != "GIF") return std::nullopt;
    Picture pic;
    pic.width = static_cast<int>(Le(b, 6, 2));
    pic.height = static_cast<int>(Le(b, 8, 2));
    pic.bitsPerPixel = 8;
    const unsigned flags = b[10];
    std::size_t at = 13;
    if (flags & 0x80) {
        const std::size_t entries = std::size_t(1) << ((flags & 7) + 1);
        if (at + 3 * entries > b.size()) return std::nullopt;
        for (std::size_t i = 0; i < entries; ++i, at += 3)
            pic.palette.push_back((b[at] << 16) | (b[at + 1] << 8) | b[at + 2]);
    }
    // A graphic control extension right after the colour table: 21 F9 04 flags delay(2) index.
    if (at + 8 <= b.size() && b[at] == 0x21 && b[at + 1] == 0xF9 && b[at + 2] == 4 &&
        (b[at + 3] & 1))
        pic.transparentIndex = b[at + 6];
    return pic;
}
