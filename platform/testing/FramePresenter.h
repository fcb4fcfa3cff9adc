// A presenter that keeps the frames it is given, for tests that check what reached the screen.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/Presenter.h"

namespace platform::testing {

struct CapturedFrame {
    int width = 0;
    int height = 0;
    std::vector<std::uint16_t> pixels;  // rows packed, width pixels each

    std::uint16_t Pixel(int x, int y) const {
        return pixels[static_cast<std::size_t>(y) * width + x];
    }
};

class FramePresenter : public Presenter {
public:
    // Keeps every frame when `keepAll`, else only the latest (a blocking animation presents
    // hundreds of them).
    explicit FramePresenter(bool keepAll = false) : keepAll_(keepAll) {}

    void Present(const std::uint16_t* pixels, int width, int height, int pitchBytes) override;

    int Count() const { return count_; }
    bool HasFrame() const { return !frames_.empty(); }
    const CapturedFrame& Last() const { return frames_.back(); }
    const std::vector<CapturedFrame>& Frames() const { return frames_; }
    void Clear();

private:
    bool keepAll_;
    int count_ = 0;
    std::vector<CapturedFrame> frames_;
};

}  // namespace platform::testing
