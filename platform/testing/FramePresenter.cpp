#include "platform/testing/FramePresenter.h"

#include <cstring>

namespace platform::testing {

void FramePresenter::Present(const std::uint16_t* pixels, int width, int height,
                             int pitchBytes) {
    if (!IsPresentableFrame(pixels, width, height, pitchBytes)) return;
    CapturedFrame frame;
    frame.width = width;
    frame.height = height;
    frame.pixels.resize(static_cast<std::size_t>(width) * height);
    const auto* row = reinterpret_cast<const unsigned char*>(pixels);
    for (int y = 0; y < height; ++y, row += pitchBytes)
        std::memcpy(&frame.pixels[static_cast<std::size_t>(y) * width], row, width * 2u);
    if (!keepAll_) frames_.clear();
    frames_.push_back(std::move(frame));
    ++count_;
}

void FramePresenter::Clear() {
    frames_.clear();
    count_ = 0;
}

}  // namespace platform::testing
