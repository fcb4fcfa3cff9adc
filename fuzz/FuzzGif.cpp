// Decodes any bytes as a GIF picture (header checked first, then libgd); an accepted picture
// is turned into a surface whole and cut, and drawn onto a small frame with a keyed copy at a
// position taken from the input.
#include <gd.h>

#include <cstdint>
#include <cstdlib>

#include "graphics/GifPicture.h"
#include "platform/Blit.h"

using namespace platform;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    gdImageStruct* image = GDecodeGif(data, size);
    if (image == nullptr) return 0;
    const int width = gdImageSX(image), height = gdImageSY(image);
    if (width < 1 || height < 1 || width > kMaxGifSide || height > kMaxGifSide) std::abort();
    const int cutSide = data[size - 1] % 64;
    std::unique_ptr<Surface> picture = GGifToSurface(image, kMaxGifSide, kMaxGifSide);
    std::unique_ptr<Surface> cut = GGifToSurface(image, cutSide, cutSide);
    gdImageDestroy(image);
    if (!picture || picture->Width() != width || picture->Height() != height) std::abort();
    if (cut && (cut->Width() > cutSide || cut->Height() > cutSide)) std::abort();
    picture->SetColorKey(0xF81F);
    Surface frame(64, 48);
    const int x = static_cast<std::int8_t>(data[size - 2]);
    const int y = static_cast<std::int8_t>(data[size - 3]);
    BltFast(&frame, x, y, picture.get(), nullptr, kBltFastWait | kBltFastSrcColorKey);
    return 0;
}
