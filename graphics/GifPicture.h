// GIF pictures decoded by libgd into its palette images, and turned into RGB565 surfaces.
//
// The header is checked before anything is decoded: libgd confines every frame to the
// picture's logical screen, so a screen of at most 8192 pixels a side and 16 M pixels in all
// (the limits of BMP pictures) bounds what decoding can allocate.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

#include "platform/Surface.h"

struct gdImageStruct;  // libgd's picture; destroyed with gdImageDestroy

constexpr int kMaxGifSide = 8192;
constexpr long long kMaxGifPixels = 16LL << 20;
constexpr std::size_t kMaxGifFileBytes = 64u << 20;

// True when the bytes begin with a GIF header ("GIF87a" or "GIF89a") whose logical screen is
// within the limits above and not empty.
bool GIsGifHeaderAcceptable(const std::uint8_t* data, std::size_t size);

// The first picture of GIF bytes, or null when the header is refused or the bytes do not
// decode.
gdImageStruct* GDecodeGif(const std::uint8_t* data, std::size_t size);

// The picture of the GIF file at a game path (GBK, backslashes), or null when the file cannot
// be read or is not a GIF picture.  The caller destroys it with gdImageDestroy.
gdImageStruct* GLoadGif(std::string_view path);

// The top-left part of the picture, at most maxWidth × maxHeight, as an RGB565 surface: each
// pixel its palette colour cut to RGB565, the picture's transparent index magenta (0xF81F, the
// table pictures' colour key).  Null when the part would be empty.
std::unique_ptr<platform::Surface> GGifToSurface(gdImageStruct* image, int maxWidth, int maxHeight);
