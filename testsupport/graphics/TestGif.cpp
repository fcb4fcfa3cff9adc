#include "testsupport/graphics/TestGif.h"

#include <gd.h>

namespace testsupport {

std::string MakeTestGif(int width, int height, int seed) {
    gdImagePtr image = gdImageCreate(width, height);
    const int key = gdImageColorAllocate(image, 255, 0, 255);
    gdImageColorTransparent(image, key);
    const int frame = gdImageColorAllocate(image, 250, 230, 140);
    const int face = gdImageColorAllocate(image, 240, 200, 170);
    const int bands[3] = {gdImageColorAllocate(image, 40 + 70 * (seed % 3), 90, 200 - 50 * (seed % 4)),
                          gdImageColorAllocate(image, 200, 60 + 60 * (seed % 3), 80),
                          gdImageColorAllocate(image, 30, 150, 90 + 40 * (seed % 4))};
    for (int y = 0; y < height; ++y)
        gdImageLine(image, 0, y, width - 1, y, bands[(y * 3 / height + seed) % 3]);
    gdImageFilledEllipse(image, width / 2, height / 3, width / 2, width / 2, face);
    gdImageRectangle(image, 0, 0, width - 1, height - 1, frame);
    gdImageFilledRectangle(image, 0, 0, 5, 5, key);
    int size = 0;
    void* bytes = gdImageGifPtr(image, &size);
    std::string gif(static_cast<const char*>(bytes), static_cast<std::size_t>(size));
    gdFree(bytes);
    gdImageDestroy(image);
    return gif;
}

}  // namespace testsupport
