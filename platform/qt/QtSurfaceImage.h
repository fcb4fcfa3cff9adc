// A surface of the platform layer as a Qt picture, for the ordinary windows that show the
// program folder's pictures.
#pragma once

#include <QImage>

namespace platform {

class Surface;

// An ARGB copy of the surface; pixels of its colour key, when it has one, are transparent.
QImage SurfaceImage(const Surface& image);

}  // namespace platform
