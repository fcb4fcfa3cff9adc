#include "platform/Bmp.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/Gbk.h"
#include "platform/Path.h"
#include "tests/support/ScratchFolder.h"
#include "tests/platform/surface/BmpWriter.h"

using namespace platform;
using bmptest::BmpLayout;
using bmptest::WriteBmp;

namespace {

// Colours whose channels are 0x00, 0x84 or 0xFF come out of every depth alike: 5-bit fields
// widened by repeating their bits give back 0x84 and 0xFF exactly.
const std::uint32_t kColours[] = {0xFF00FF, 0x000000, 0xFFFFFF, 0x00FF00,
                                  0x0000FF, 0xFF0000, 0x848484, 0x84FF00};

constexpr int kWidth = 11;  // odd, and more than one byte of 1-bit pixels: rows are padded
constexpr int kHeight = 3;

// A picture of `colours` different colours, no two rows alike.
std::vector<std::uint32_t> Pattern(int colours) {
    std::vector<std::uint32_t> rgb;
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) rgb.push_back(kColours[(x * 3 + y * 5) % colours]);
    return rgb;
}

std::uint16_t Expected565(std::uint32_t rgb) {
    return Rgb565((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

std::unique_ptr<Surface> Decode(const std::vector<std::uint8_t>& bytes) {
    return DecodeBmp(bytes.data(), bytes.size());
}

struct DepthCase {
    const char* name;
    BmpLayout layout;
    int colours;
};

BmpLayout Layout(int bpp, bool bitFields = false, int infoSize = 40) {
    BmpLayout s;
    s.bpp = bpp;
    s.bitFields = bitFields;
    s.infoSize = infoSize;
    return s;
}

BmpLayout Spec32Rgba() {
    BmpLayout s = Layout(32, true);
    s.masks32[0] = 0xFF000000;
    s.masks32[1] = 0x00FF0000;
    s.masks32[2] = 0x0000FF00;
    return s;
}

const DepthCase kDepths[] = {
    {"1 bit", Layout(1), 2},
    {"4 bits", Layout(4), 8},
    {"8 bits", Layout(8), 8},
    {"16 bits RGB555", Layout(16), 8},
    {"16 bits RGB565 fields", Layout(16, true), 8},
    {"24 bits", Layout(24), 8},
    {"32 bits BGRX", Layout(32), 8},
    {"32 bits RGBA fields", Spec32Rgba(), 8},
    {"32 bits fields in a V4 header", [] { BmpLayout s = Spec32Rgba(); s.infoSize = 108; return s; }(), 8},
    {"24 bits OS/2 header", Layout(24, false, 12), 8},
    {"8 bits OS/2 header", Layout(8, false, 12), 8},
};

}  // namespace

TEST(BmpDecode, EveryDepthAndRowOrderGivesTheSamePixels) {
    for (const auto& c : kDepths) {
        for (bool topDown : {false, true}) {
            if (topDown && c.layout.infoSize == 12) continue;  // OS/2 rows are always bottom-up
            BmpLayout layout = c.layout;
            layout.topDown = topDown;
            const std::vector<std::uint32_t> rgb = Pattern(c.colours);
            auto surface = Decode(WriteBmp(kWidth, kHeight, rgb, layout));
            ASSERT_TRUE(surface) << c.name << (topDown ? " top-down" : " bottom-up");
            ASSERT_EQ(surface->Width(), kWidth);
            ASSERT_EQ(surface->Height(), kHeight);
            for (int y = 0; y < kHeight; ++y)
                for (int x = 0; x < kWidth; ++x)
                    ASSERT_EQ(surface->Row(y)[x], Expected565(rgb[y * kWidth + x]))
                        << c.name << (topDown ? " top-down" : " bottom-up") << " at " << x << ","
                        << y;
        }
    }
}

TEST(BmpDecode, ConvertsByTruncation) {
    const std::vector<std::uint32_t> rgb = {0xFF00FF, 0xFFFFFF, 0x070307, 0x08040F};
    auto surface = Decode(WriteBmp(4, 1, rgb, Layout(24)));
    ASSERT_TRUE(surface);
    EXPECT_EQ(surface->Row(0)[0], 0xF81F);
    EXPECT_EQ(surface->Row(0)[1], 0xFFFF);
    EXPECT_EQ(surface->Row(0)[2], 0x0000);  // every channel below one step
    EXPECT_EQ(surface->Row(0)[3], (1 << 11) | (1 << 5) | 1);
}

TEST(BmpDecode, PaletteIndexBeyondAShortPaletteIsBlack) {
    // Two palette entries on a 4-bit picture; the third pixel uses index 5.
    auto bytes = WriteBmp(3, 1, {0xFF0000, 0x00FF00, 0xFF0000}, Layout(4));
    const std::size_t pixels = bytes[10];
    bytes[pixels + 1] = 0x50;
    auto surface = Decode(bytes);
    ASSERT_TRUE(surface);
    EXPECT_EQ(surface->Row(0)[0], 0xF800);
    EXPECT_EQ(surface->Row(0)[1], 0x07E0);
    EXPECT_EQ(surface->Row(0)[2], 0x0000);
}

namespace {

void Put32(std::vector<std::uint8_t>& b, std::size_t at, std::uint32_t v) {
    bmptest::Set32(b, at, v);
}

struct DamageCase {
    const char* name;
    void (*damage)(std::vector<std::uint8_t>&);
};

// Damage done to a valid 8-bit, 11 × 3 picture (header 54 bytes, 8-colour palette, pixels at 86).
const DamageCase kDamages[] = {
    {"no signature", [](auto& b) { b[0] = 'X'; }},
    {"cut in the pixels", [](auto& b) { b.resize(b.size() - 5); }},
    {"cut in the header", [](auto& b) { b.resize(30); }},
    {"cut in the palette", [](auto& b) { b.resize(60); }},
    {"only the file header", [](auto& b) { b.resize(14); }},
    {"unknown header size", [](auto& b) { Put32(b, 14, 20); }},
    {"header size past the end", [](auto& b) { Put32(b, 14, 124); }},
    {"zero width", [](auto& b) { Put32(b, 18, 0); }},
    {"negative width", [](auto& b) { Put32(b, 18, static_cast<std::uint32_t>(-11)); }},
    {"zero height", [](auto& b) { Put32(b, 22, 0); }},
    {"most negative height", [](auto& b) { Put32(b, 22, 0x80000000u); }},
    {"huge width", [](auto& b) { Put32(b, 18, 100000); }},
    {"huge area", [](auto& b) { Put32(b, 18, 8000); Put32(b, 22, 8000); }},
    {"more rows than the data", [](auto& b) { Put32(b, 22, 4); }},
    {"pixel offset past the end", [](auto& b) { Put32(b, 10, 100000); }},
    {"pixel offset inside the header", [](auto& b) { Put32(b, 10, 20); }},
    {"pixel offset inside the palette", [](auto& b) { Put32(b, 10, 70); }},
    {"palette larger than the depth allows", [](auto& b) { Put32(b, 46, 300); }},
    {"palette past the pixels", [](auto& b) { Put32(b, 46, 200); }},
    {"2 bits per pixel", [](auto& b) { b[28] = 2; }},
    {"0 bits per pixel", [](auto& b) { b[28] = 0; }},
    {"64 bits per pixel", [](auto& b) { b[28] = 64; }},
    {"run-length rows", [](auto& b) { Put32(b, 30, 1); }},
    {"bit fields on a palette picture", [](auto& b) { Put32(b, 30, 3); }},
    {"compressed as JPEG", [](auto& b) { Put32(b, 30, 4); }},
};

}  // namespace

TEST(BmpDecode, RefusesDamagedFiles) {
    const auto valid = WriteBmp(kWidth, kHeight, Pattern(8), Layout(8));
    ASSERT_EQ(valid[10], 86);
    ASSERT_TRUE(Decode(valid));
    for (const auto& c : kDamages) {
        auto bytes = valid;
        c.damage(bytes);
        EXPECT_FALSE(Decode(bytes)) << c.name;
    }
    EXPECT_FALSE(DecodeBmp(nullptr, 0));
    EXPECT_FALSE(DecodeBmp(valid.data(), 0));
}

TEST(BmpDecode, RefusesBitFieldsThatAreNotContiguous) {
    auto bytes = WriteBmp(2, 2, {0, 0xFFFFFF, 0xFF00FF, 0}, Layout(16, true));
    ASSERT_TRUE(Decode(bytes));
    Put32(bytes, 54, 0xF00F);  // red mask with a hole
    EXPECT_FALSE(Decode(bytes));
}

TEST(BmpDecode, LastRowMayLackItsPadding) {
    auto bytes = WriteBmp(3, 2, {1, 2, 3, 4, 5, 6}, Layout(24));  // rows of 9 + 3 padding bytes
    bytes.resize(bytes.size() - 3);
    EXPECT_TRUE(Decode(bytes));
    bytes.resize(bytes.size() - 1);
    EXPECT_FALSE(Decode(bytes));
}

TEST(BmpDecode, LoadsFromAGamePathWithAChineseName) {
    namespace fs = std::filesystem;
    const fs::path root = testsupport::FreshProgramFolder("bmp");
    fs::create_directories(root / "Graphic");
    const auto bytes = WriteBmp(kWidth, kHeight, Pattern(8), Layout(24));
    std::ofstream(root / "Graphic" / u8"摸牌.bmp", std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));

    const std::string path = ProgramPath(Utf8ToGbk(u8"graphic\\摸牌.bmp"));
    auto surface = LoadBmpFile(path);
    ASSERT_TRUE(surface);
    EXPECT_EQ(surface->Width(), kWidth);
    EXPECT_EQ(surface->Name(), path);  // drawing records name the picture by it
    EXPECT_FALSE(LoadBmpFile(ProgramPath("Graphic\\missing.bmp")));
    EXPECT_FALSE(LoadBmpFile(ProgramPath("Graphic")));  // a folder
}
