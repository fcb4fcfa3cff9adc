// Decodes any bytes as a BMP picture; an accepted picture is drawn onto a small frame with a
// keyed copy and a keyed stretch at positions taken from the input.
#include <cstdint>
#include <cstdlib>

#include "platform/Blit.h"
#include "platform/Bmp.h"

using namespace platform;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::unique_ptr<Surface> picture = DecodeBmp(data, size);
    if (!picture) return 0;
    if (picture->Width() < 1 || picture->Height() < 1) std::abort();
    picture->SetColorKey(0xF81F);
    Surface frame(64, 48);
    const int x = size > 0 ? static_cast<std::int8_t>(data[size - 1]) : 0;
    const int y = size > 1 ? static_cast<std::int8_t>(data[size - 2]) : 0;
    BltFast(&frame, x, y, picture.get(), nullptr, kBltFastWait | kBltFastSrcColorKey);
    const Rect to{x, y, x + picture->Width() / 2 + 1, y + picture->Height() * 2};
    Blt(&frame, &to, picture.get(), nullptr, kBltKeySrc | kBltAlphaEdgeBlend);
    return 0;
}
