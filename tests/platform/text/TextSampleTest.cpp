// A sample of rendered text written as a PNG for a person to look at.
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "tests/support/PngWriter.h"
#include "TextTestSupport.h"
#include "platform/Text.h"

using namespace platform;

namespace {

void Frame(Surface& s, const Rect& r, std::uint16_t pixel) {
    for (int x = r.left - 1; x <= r.right; ++x) s.Row(r.top - 1)[x] = s.Row(r.bottom)[x] = pixel;
    for (int y = r.top - 1; y <= r.bottom; ++y) s.Row(y)[r.left - 1] = s.Row(y)[r.right] = pixel;
}

void Box(Surface& s, Rect r, const std::string& text, const Font& font, unsigned format,
         std::uint32_t color) {
    Frame(s, r, Rgb565(90, 120, 90));
    DrawText(s, &r, text.data(), text.size(), font, format, {color, false, 0});
}

TEST(TextSample, WritesAPictureOfRenderedText) {
    Surface s(420, 320);
    text_test::FillSurface(s, Rgb565(16, 72, 40));
    const std::string body = "东南西北中发白 The quick brown fox 12345 ，。！？";
    TextOut(s, 10, 8, body.data(), body.size(), kBodyFont, {0xFFFFFF, false, 0});
    const std::string title = "游戏房间列表 Rooms";
    TextOut(s, 10, 26, title.data(), title.size(), kTitleFont, {0xFFFFFF, false, 0});
    const std::string bold12 = "玩家甲 (bold 12)";
    TextOut(s, 10, 46, bold12.data(), bold12.size(), {12, 600, false}, {0xFFFFFF, false, 0});
    const std::string fan = "88 番";
    TextOut(s, 200, 46, fan.data(), fan.size(), kTitleFont, {0x00BEFF, false, 0});
    const std::string link = "访问主页 homepage";
    TextOut(s, 10, 64, link.data(), link.size(), {12, 400, true}, {0xFFFFFF, false, 0});
    const std::string hint = "提示 hint";
    TextOut(s, 200, 64, hint.data(), hint.size(), kIconTitleFont, {0x000000, true, 0xFFFFFF});

    Box(s, {10, 90, 215, 140}, "您的积分不足，不能进入这个房间。Please try another room later.",
        kBodyFont, kDtWordBreak, 0xFFFFFF);
    Box(s, {230, 90, 410, 172}, "玩家乙邀请您加入第3桌，是否同意？", kTitleFont, kDtWordBreak,
        0xFFFFFF);
    Box(s, {10, 150, 150, 168}, "centred 居中", kBodyFont, kDtCenter, 0xC6AA84);
    Box(s, {10, 178, 150, 196}, "right 右对齐", kBodyFont, kDtRight, 0xC6AA84);
    Box(s, {10, 206, 90, 222}, "a very long edit text|", kBodyFont, kDtRight, 0xFFFFFF);
    Box(s, {230, 186, 410, 220}, "cut by the box 被框裁掉的文字 cut by the box", kTitleFont,
        kDtWordBreak, 0x808080);
    const std::string sizes = "字号 16 and 20";
    TextOut(s, 10, 236, sizes.data(), sizes.size(), {16, 400, false}, {0xFFFFFF, false, 0});
    TextOut(s, 10, 260, sizes.data(), sizes.size(), {20, 400, false}, {0xFFFFFF, false, 0});
    TextOut(s, 200, 260, sizes.data(), sizes.size(), {20, 600, false}, {0xFFFFFF, false, 0});

    const std::string path = std::string(MJ_TEST_OUT_DIR) + "/text_sample.png";
    ASSERT_TRUE(testsupport::WritePng(s, path));
    std::ifstream file(path, std::ios::binary | std::ios::ate);
    EXPECT_GT(static_cast<long>(file.tellg()), 420L * 320L * 3L);
}

}  // namespace
