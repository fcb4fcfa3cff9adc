// Writes a surface as a PNG file (uncompressed deflate blocks) for a person to look at: the
// golden frames and samples of the drawing tests, under MJ_TEST_OUT_DIR.
#pragma once

#include <string>

#include "platform/Surface.h"

namespace testsupport {

bool WritePng(const platform::Surface& surface, const std::string& path);

}  // namespace testsupport
