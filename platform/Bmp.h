// Windows BMP pictures decoded into RGB565 surfaces.
//
// Accepted: 1, 4 and 8 bits per pixel with a palette; 16 bits (RGB555, or any masks given as
// bit fields, such as RGB565); 24 bits; 32 bits (BGRX, or bit fields); rows stored bottom-up
// (positive height) or top-down (negative height); the 12-byte OS/2 header and the 40, 52, 56,
// 108 and 124-byte Windows headers.  Channels are widened to 8 bits and cut to RGB565 by
// truncation, so #FF00FF becomes 0xF81F.  Anything else (compressed rows, damaged sizes,
// truncated data, offsets or palettes outside the file, pictures over 8192 pixels a side or
// 16 M pixels in all) is refused: the result is null.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

#include "platform/Surface.h"

namespace platform {

// The picture in a BMP file's bytes, or null.
std::unique_ptr<Surface> DecodeBmp(const std::uint8_t* data, std::size_t size);

// The picture in the BMP file at a game path (GBK, backslashes), or null when the file is
// missing, unreadable or not a picture this decoder accepts.
std::unique_ptr<Surface> LoadBmpFile(std::string_view gbkPath);

}  // namespace platform
