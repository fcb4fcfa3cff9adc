// GIF pictures made for tests (libgd): a framed portrait of bands of colour, different for each
// seed, with a transparent corner.
#pragma once

#include <string>

namespace testsupport {

std::string MakeTestGif(int width, int height, int seed);

}  // namespace testsupport
