// A rectangle of pixels, as the drawing code passes them to copies and text.
#pragma once

namespace platform {

// Left and top inclusive, right and bottom exclusive.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

}  // namespace platform
