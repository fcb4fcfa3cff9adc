#include "platform/Surface.h"

namespace platform {

Surface::Surface(int width, int height)
    : width_(width > 0 && height > 0 ? width : 0),
      height_(width > 0 && height > 0 ? height : 0),
      pixels_(static_cast<std::size_t>(width_) * height_, 0) {}

}  // namespace platform
