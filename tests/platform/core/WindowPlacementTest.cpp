#include "platform/WindowPlacement.h"

#include <gtest/gtest.h>

using namespace platform;

namespace {

struct FrameCase {
    int screenWidth;
    WindowFrame frame;
};
const FrameCase kFrameCases[] = {
    {640, WindowFrame::TooNarrow},  {799, WindowFrame::TooNarrow},
    {800, WindowFrame::Borderless}, {801, WindowFrame::Bordered},
    {1920, WindowFrame::Bordered},
};

TEST(WindowPlacement, ScreenWidthDecidesTheFrame) {
    for (const auto& c : kFrameCases)
        EXPECT_EQ(FrameForScreenWidth(c.screenWidth), c.frame) << c.screenWidth;
}

TEST(WindowPlacement, WindowIsCentredRoundingTowardZero) {
    EXPECT_EQ(CentredOrigin(1280, 800), 240);
    EXPECT_EQ(CentredOrigin(1024, 600), 212);
    EXPECT_EQ(CentredOrigin(801, 800), 0);
    EXPECT_EQ(CentredOrigin(597, 600), -1);  // -3 / 2
}

}  // namespace
