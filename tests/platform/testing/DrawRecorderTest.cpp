// The drawing calls on a watched surface are recorded as they were made: the picture and the
// part of it, where it went, flags, fill values, texts.
#include <gtest/gtest.h>

#include <string>

#include "platform/Blit.h"
#include "platform/Text.h"
#include "platform/testing/DrawRecorder.h"

using namespace platform;
using namespace platform::testing;

namespace {

bool SameRect(const Rect& a, const Rect& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

TEST(DrawRecorder, RecordsCopiesAndFillsAsCalledAlsoWhenTheyDrawNothing) {
    Surface frame(100, 80), tiles(40, 30);
    tiles.SetName("Graphic\\mj.bmp");
    DrawRecorder drawn(frame);
    const Rect cell{10, 0, 20, 15};
    BltFast(&frame, 95, 70, &tiles, &cell, kBltFastWait | kBltFastSrcColorKey);  // clipped
    const Rect stretched{0, 0, 20, 30};
    Blt(&frame, &stretched, &tiles, nullptr, kBltKeySrc | kBltWait);
    ColorFill(&frame, nullptr, 0xFFFFFF);
    BltFast(&frame, 0, 0, nullptr, nullptr, kBltFastWait);  // no picture: drawn nothing
    BltFast(&tiles, 0, 0, &frame, nullptr, kBltFastWait);   // onto a surface not watched

    ASSERT_EQ(drawn.Calls().size(), 4u);
    const DrawCall& copy = drawn.Calls()[0];
    EXPECT_EQ(copy.kind, DrawKind::BltFast);
    EXPECT_EQ(copy.source, &tiles);
    EXPECT_TRUE(SameRect(copy.src, cell));
    EXPECT_TRUE(SameRect(copy.dst, {95, 70, 105, 85}));
    EXPECT_EQ(copy.flags, 0x11u);
    const DrawCall& stretch = drawn.Calls()[1];
    EXPECT_EQ(stretch.kind, DrawKind::Blt);
    EXPECT_TRUE(SameRect(stretch.src, {0, 0, 40, 30}));  // the whole picture
    EXPECT_TRUE(SameRect(stretch.dst, stretched));
    const DrawCall& fill = drawn.Calls()[2];
    EXPECT_EQ(fill.kind, DrawKind::ColorFill);
    EXPECT_TRUE(SameRect(fill.dst, {0, 0, 100, 80}));
    EXPECT_EQ(fill.color, 0xFFFFFFu);
    EXPECT_EQ(drawn.Calls()[3].source, nullptr);
    EXPECT_EQ(drawn.From("Graphic\\mj.bmp").size(), 2u);
    EXPECT_EQ(drawn.From(&tiles).size(), 2u);
}

TEST(DrawRecorder, RecordsEachTextCallOnceWithItsBytesAndBox) {
    Surface frame(200, 100);
    DrawRecorder drawn(frame);
    const std::string name = "\xB6\xAB\xB7\xE7 East";  // GBK bytes
    TextOut(frame, 5, 6, name.data(), name.size(), kBodyFont, {0x0000FF, true, 0x000000});
    Rect box{0, 20, 120, 60};
    DrawText(frame, &box, "ok", 2, kTitleFont, kDtCenter | kDtSingleLine, {0x00FF00});
    Rect measured{0, 0, 120, 0};
    DrawText(frame, &measured, "ok", 2, kTitleFont, kDtCalcRect, {});  // measures, draws nothing

    ASSERT_EQ(drawn.Calls().size(), 2u);  // the opaque background is part of the text call
    const DrawCall& line = drawn.Calls()[0];
    EXPECT_EQ(line.kind, DrawKind::TextOut);
    EXPECT_EQ(line.text, name);
    EXPECT_TRUE(SameRect(line.dst, {5, 6, 5 + MeasureText(name.data(), name.size(), kBodyFont).width,
                                    6 + FontCellHeight(kBodyFont)}));
    EXPECT_EQ(line.color, 0x0000FFu);
    EXPECT_TRUE(line.paint.opaque);
    const DrawCall& text = drawn.Calls()[1];
    EXPECT_EQ(text.kind, DrawKind::DrawText);
    EXPECT_TRUE(SameRect(text.dst, {0, 20, 120, 60}));
    EXPECT_EQ(text.flags, static_cast<unsigned>(kDtCenter | kDtSingleLine));
    EXPECT_EQ(text.font.height, kTitleFont.height);
    EXPECT_EQ(frame.Observer(), &drawn);  // back after the text's own fills
}

TEST(DrawRecorder, StopsWatchingWhenDestroyed) {
    Surface frame(10, 10);
    {
        DrawRecorder drawn(frame);
        ColorFill(&frame, nullptr, 1);
        EXPECT_EQ(drawn.Of(DrawKind::ColorFill).size(), 1u);
    }
    EXPECT_EQ(frame.Observer(), nullptr);
    ColorFill(&frame, nullptr, 2);  // reaches no recorder that is gone
}

}  // namespace
