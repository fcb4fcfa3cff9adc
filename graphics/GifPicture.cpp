#include "graphics/GifPicture.h"

#include <gd.h>

#include <algorithm>
#include <cstring>
#include <optional>
#include <string>

#include "platform/Path.h"
#include "platform/WholeFile.h"

namespace {

constexpr std::size_t kGifHeaderBytes = 10;  // signature and the logical screen's size
constexpr std::uint16_t kTransparentPixel = 0xF81F;

int Le16(const std::uint8_t* p) { return p[0] | p[1] << 8; }

}  // namespace

bool GIsGifHeaderAcceptable(const std::uint8_t* data, std::size_t size) {
    if (data == nullptr || size < kGifHeaderBytes) return false;
    if (std::memcmp(data, "GIF87a", 6) != 0 && std::memcmp(data, "GIF89a", 6) != 0) return false;
    const long long width = Le16(data + 6);
    const long long height = Le16(data + 8);
    return width >= 1 && height >= 1 && width <= kMaxGifSide && height <= kMaxGifSide &&
           width * height <= kMaxGifPixels;
}

gdImageStruct* GDecodeGif(const std::uint8_t* data, std::size_t size) {
    if (!GIsGifHeaderAcceptable(data, size) || size > kMaxGifFileBytes) return nullptr;
    return gdImageCreateFromGifPtr(static_cast<int>(size),
                                   const_cast<void*>(static_cast<const void*>(data)));
}

gdImageStruct* GLoadGif(std::string_view path) {
    const std::optional<std::string> bytes =
        platform::ReadWholeFile(platform::ToDiskPath(path), kMaxGifFileBytes);
    if (!bytes) return nullptr;
    return GDecodeGif(reinterpret_cast<const std::uint8_t*>(bytes->data()), bytes->size());
}

std::unique_ptr<platform::Surface> GGifToSurface(gdImageStruct* image, int maxWidth,
                                                 int maxHeight) {
    if (image == nullptr) return nullptr;
    const int width = std::min(maxWidth, gdImageSX(image));
    const int height = std::min(maxHeight, gdImageSY(image));
    if (width < 1 || height < 1) return nullptr;
    auto surface = std::make_unique<platform::Surface>(width, height);
    const int transparent = gdImageGetTransparent(image);
    for (int y = 0; y < height; ++y) {
        std::uint16_t* row = surface->Row(y);
        for (int x = 0; x < width; ++x) {
            const int c = gdImageGetPixel(image, x, y);
            row[x] = c == transparent ? kTransparentPixel
                                      : platform::Rgb565(gdImageRed(image, c),
                                                         gdImageGreen(image, c),
                                                         gdImageBlue(image, c));
        }
    }
    return surface;
}
