#include "platform/qt/QtSurfaceImage.h"

#include <cstdint>

#include "platform/Surface.h"

namespace platform {

QImage SurfaceImage(const Surface& image) {
    QImage picture = QImage(reinterpret_cast<const uchar*>(image.Row(0)), image.Width(),
                            image.Height(), image.Pitch(), QImage::Format_RGB16)
                         .convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; image.HasColorKey() && y < image.Height(); ++y) {
        const std::uint16_t* source = image.Row(y);
        auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < image.Width(); ++x)
            if (source[x] == image.ColorKey()) line[x] = qRgba(0, 0, 0, 0);
    }
    return picture;
}

}  // namespace platform
