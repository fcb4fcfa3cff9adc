// Writes a surface as a PNG file (uncompressed deflate blocks) for a person to look at.
#pragma once

#include <string>

#include "platform/Surface.h"

namespace text_test {

bool WritePng(const platform::Surface& surface, const std::string& path);

}  // namespace text_test
