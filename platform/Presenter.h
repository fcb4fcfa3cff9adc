// Showing a finished RGB565 frame in the main window.  Presenting is synchronous: the frame is
// on the screen when Present returns, also when it is called from inside a blocking loop.
#pragma once

#include <cstdint>

namespace platform {

class Surface;

class Presenter {
public:
    virtual ~Presenter() = default;
    // Copies width × height pixels, rows pitchBytes apart, to the window's client area at
    // (0, 0).  Null pixels or sizes below 1 present nothing.
    virtual void Present(const std::uint16_t* pixels, int width, int height, int pitchBytes) = 0;
};

// True for a frame a presenter can copy: pixels, sizes of at least 1 and rows at least a row
// of pixels apart (checked without overflow for any sizes).
constexpr bool IsPresentableFrame(const std::uint16_t* pixels, int width, int height,
                                  int pitchBytes) {
    return pixels != nullptr && width >= 1 && height >= 1 &&
           static_cast<long long>(pitchBytes) >= 2LL * width;
}

// The presenter the game's frames go to; none installed: frames are dropped.
void InstallPresenter(Presenter* presenter);
Presenter* CurrentPresenter();
// Presents a whole surface through the installed presenter.
void PresentSurface(const Surface& surface);

}  // namespace platform
