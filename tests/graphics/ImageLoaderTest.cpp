// The GIF loaders and the grey drawing.  GIF fixtures are written by libgd in the tests.
#include "graphics/ImageLoader.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "graphics/GifPicture.h"
#include "graphics/GraphicsGlobals.h"
#include "graphics/GreyBlt.h"
#include "graphics/SurfaceHelpers.h"
#include "graphics/SurfaceRegistry.h"
#include "tests/graphics/GraphicsTestSupport.h"

using namespace graphicstest;
using platform::Rect;
using platform::Surface;

namespace {

constexpr std::uint16_t kMagenta = 0xF81F;

class ImageLoaderTest : public ::testing::Test {
protected:
    void SetUp() override {
        root_ = FreshGameFolder("images");
        first_ = SurfaceCount;
    }
    void PutGif(const char* relative, const std::vector<std::uint8_t>& bytes) {
        WriteFile(root_ / relative, bytes);
    }

    fs::path root_;
    int first_ = 0;
};

}  // namespace

struct GifCase {
    GifPicture picture;
    std::vector<std::uint16_t> pixels;  // expected, top row first
    const char* why;
};

const GifCase kGifCases[] = {
    {{3, 1, {0x000000, 0xFFFFFF, 0x123456}, {0, 1, 2}, -1},
     {0x0000, 0xFFFF, platform::Rgb565(0x12, 0x34, 0x56)},
     "palette colours are cut to RGB565"},
    {{2, 2, {0xFF0000, 0x00FF00}, {0, 1, 1, 0}, 1},
     {0xF800, kMagenta, kMagenta, 0xF800},
     "the transparent index becomes magenta"},
    {{2, 1, {0xFF00FF, 0x0000FF}, {0, 1}, -1},
     {kMagenta, 0x001F},
     "without a transparent index only a magenta palette colour is magenta"},
    {{1, 3, {0x808080, 0x404040}, {1, 0, 1}, 0},
     {0x4208, kMagenta, 0x4208},
     "a transparent first index"},
};

TEST_F(ImageLoaderTest, LoadsGifPixelsWithTheTransparentIndexMagenta) {
    for (const GifCase& c : kGifCases) {
        PutGif("Face/case.gif", MakeGif(c.picture));
        Surface* picture = nullptr;
        Rect rect;
        ASSERT_EQ(GLoadImage("Face\\case.gif", &picture, &rect, kNoRegister), DD_OK) << c.why;
        ASSERT_NE(picture, nullptr) << c.why;
        EXPECT_EQ(picture->Width(), c.picture.width) << c.why;
        EXPECT_TRUE(SameRect(rect, {0, 0, c.picture.width, c.picture.height})) << c.why;
        EXPECT_EQ(PixelsOf(*picture), c.pixels) << c.why;
        EXPECT_FALSE(picture->HasColorKey()) << "the caller sets the key: " << c.why;
        GReleaseSurface(&picture);
    }
    EXPECT_EQ(SurfaceCount, first_);
}

TEST_F(ImageLoaderTest, PathItselfComesFirstThenTheProgramFolder) {
    const fs::path here = root_.parent_path() / "elsewhere";
    WriteFile(here / "Avatar" / "1.gif", DiagonalGif(2, 1, {0xFF0000}));
    PutGif("Avatar/1.gif", DiagonalGif(3, 1, {0x00FF00}));
    PutGif("Avatar/2.gif", DiagonalGif(4, 1, {0x0000FF}));
    CurrentFolder cd(here);
    Surface* picture = nullptr;
    Rect rect;
    GLoadImage("Avatar\\1.gif", &picture, &rect, kNoRegister);
    EXPECT_EQ(picture->Width(), 2);
    EXPECT_EQ(picture->Row(0)[0], 0xF800);
    GLoadImage("Avatar\\2.gif", &picture, &rect, kNoRegister);
    EXPECT_EQ(picture->Width(), 4);
    EXPECT_EQ(picture->Row(0)[0], 0x001F);
    EXPECT_EQ(picture->Name(), "Avatar\\2.gif");
    GReleaseSurface(&picture);
}

TEST_F(ImageLoaderTest, UnloadablePictureIsARegisteredEmptyPlaceholder) {
    static Surface* missing = nullptr;
    static Surface* notGif = nullptr;
    WriteFile(root_ / "bmp.gif", SolidBmp(2, 2, 0xFFFFFF));
    MessageScope messages;
    Rect rect{1, 1, 5, 5};
    EXPECT_EQ(GLoadImage("none.gif", &missing, &rect, kRegisterSurface), DD_OK);
    ASSERT_NE(missing, nullptr);
    EXPECT_EQ(missing->Width(), 1);
    EXPECT_EQ(missing->Height(), 1);
    EXPECT_TRUE(SameRect(rect, {}));
    rect = {1, 1, 5, 5};
    EXPECT_EQ(GLoadImage("bmp.gif", &notGif, &rect, kRegisterSurface), DD_OK);
    EXPECT_TRUE(SameRect(rect, {}));
    ASSERT_EQ(SurfaceCount, first_ + 2);
    EXPECT_EQ(SurfaceList[first_], &missing);
    EXPECT_EQ(SurfacePath[first_], "none.gif");
    EXPECT_EQ(SurfaceKind[first_], kSurfaceImage);
    EXPECT_EQ(SurfaceList[first_ + 1], &notGif);

    // Drawn through its rectangle, the placeholder draws nothing.
    FrameScope frame(2, 2, 0x3333);
    platform::BltFast(lpDDSPla, 0, 0, missing, &rect, 0);
    EXPECT_EQ(frame.Frame().Row(0)[0], 0x3333);
    EXPECT_TRUE(messages.Shown().empty()) << "a GIF never ends the program";
    EXPECT_FALSE(GIsGifFile(platform::ProgramPath("none.gif")));
    EXPECT_FALSE(GIsGifFile(platform::ProgramPath("bmp.gif")));
    GReleaseSurface(&missing);
    GReleaseSurface(&notGif);
}

struct HeaderCase {
    const char* signature;
    int width;
    int height;
    bool accepted;
};

// Refused before decoding: a screen over 8192 pixels a side or 16 M pixels in all, as BMPs are.
const HeaderCase kHeaderCases[] = {
    {"GIF89a", 1, 1, true},        {"GIF87a", 8192, 1, true},       {"GIF89a", 1, 8192, true},
    {"GIF89a", 4096, 4096, true},  {"GIF89a", 8193, 1, false},      {"GIF89a", 1, 8193, false},
    {"GIF89a", 4097, 4096, false}, {"GIF89a", 65535, 65535, false}, {"GIF89a", 0, 5, false},
    {"GIF89a", 5, 0, false},       {"GIF88a", 5, 5, false},         {"BM\0\0\0\0", 5, 5, false},
};

TEST(GifHeader, RefusesAbsurdSizesBeforeDecoding) {
    for (const HeaderCase& c : kHeaderCases) {
        std::vector<std::uint8_t> header(c.signature, c.signature + 6);
        for (int v : {c.width, c.height}) {
            header.push_back(static_cast<std::uint8_t>(v));
            header.push_back(static_cast<std::uint8_t>(v >> 8));
        }
        header.resize(13, 0);
        EXPECT_EQ(GIsGifHeaderAcceptable(header.data(), header.size()), c.accepted)
            << c.signature << " " << c.width << " x " << c.height;
        header.resize(9);
        EXPECT_FALSE(GIsGifHeaderAcceptable(header.data(), header.size())) << "cut short";
    }
    EXPECT_FALSE(GIsGifHeaderAcceptable(nullptr, 100));
}

TEST_F(ImageLoaderTest, OversizedOrDamagedGifsLoadAsPlaceholders) {
    const std::vector<std::uint8_t> good = DiagonalGif(3, 2, {0x112233, 0x445566});
    std::vector<std::uint8_t> huge = good;  // a small frame on a screen of 9000 × 2
    huge[6] = 9000 & 0xFF;
    huge[7] = 9000 >> 8;
    const std::vector<std::uint8_t> cut(good.begin(), good.begin() + 12);
    PutGif("wide.gif", DiagonalGif(8192, 1, {0x000000, 0xFFFFFF}));
    PutGif("huge.gif", huge);
    PutGif("cut.gif", cut);
    EXPECT_TRUE(GIsGifFile(platform::ProgramPath("wide.gif")));
    EXPECT_FALSE(GIsGifFile(platform::ProgramPath("huge.gif")));
    EXPECT_FALSE(GIsGifFile(platform::ProgramPath("cut.gif")));
    EXPECT_EQ(GDecodeGif(huge.data(), huge.size()), nullptr);

    Surface* picture = nullptr;
    Rect rect;
    GLoadImage("wide.gif", &picture, &rect, kNoRegister);
    EXPECT_TRUE(SameRect(rect, {0, 0, 8192, 1}));
    EXPECT_EQ(picture->Row(0)[8191], 0xFFFF);
    for (const char* name : {"huge.gif", "cut.gif"}) {
        GLoadImage(name, &picture, &rect, kNoRegister);
        EXPECT_TRUE(SameRect(rect, {})) << name;
        EXPECT_EQ(picture->Width(), 1) << name;
    }
    GReleaseSurface(&picture);
}

TEST_F(ImageLoaderTest, ReloadReplacesARegisteredPictureAndRewritesItsEntry) {
    static Surface* avatar = nullptr;
    PutGif("male.gif", DiagonalGif(4, 4, {0x0000FF}));
    PutGif("Avatar/9.gif", DiagonalGif(6, 2, {0xFF0000, 0x00FF00}, 1));
    PutGif("Avatar/bad.gif", {'G', 'I', 'F'});
    Rect rect;
    GLoadImage("male.gif", &avatar, &rect, kRegisterSurface);
    const std::string downloaded = platform::ProgramPath("Avatar\\9.gif");
    EXPECT_EQ(GReloadImage(downloaded, &avatar, &rect), DD_OK);
    EXPECT_TRUE(SameRect(rect, {0, 0, 6, 2}));
    EXPECT_EQ(avatar->Row(0)[0], 0xF800);
    EXPECT_EQ(avatar->Row(0)[1], kMagenta);
    EXPECT_EQ(SurfaceCount, first_ + 1);
    EXPECT_EQ(SurfacePath[first_], downloaded);
    EXPECT_EQ(SurfaceKind[first_], kSurfaceImage);

    // A file that is not a GIF, or a relative path (reloads take the path as given, not under
    // the program folder), keeps the old picture.
    Surface* const kept = avatar;
    EXPECT_EQ(GReloadImage(platform::ProgramPath("Avatar\\bad.gif"), &avatar, &rect), 0);
    EXPECT_EQ(GReloadImage("male.gif", &avatar, &rect), 0);
    EXPECT_EQ(avatar, kept);
    EXPECT_TRUE(SameRect(rect, {0, 0, 6, 2}));
    EXPECT_EQ(SurfacePath[first_], downloaded);

    Surface* loose = nullptr;
    EXPECT_EQ(GReloadImage(downloaded, &loose, &rect), 0);
    EXPECT_EQ(loose, nullptr) << "an unregistered variable is left alone";
    GReleaseSurface(&avatar);
}

struct ClipCase {
    int maxWidth;
    int maxHeight;
    int width;  // of the new surface
    int height;
};

const ClipCase kClipCases[] = {
    {50, 50, 40, 50},  // the picture is 40 × 60: its top 50 rows
    {100, 100, 40, 60},
    {10, 60, 10, 60},
    {1, 1, 1, 1},
};

TEST_F(ImageLoaderTest, ClippedReloadKeepsTheTopLeftOfThePicture) {
    static Surface* portrait = nullptr;
    PutGif("tall.gif", DiagonalGif(40, 60, {0x000000, 0xFF0000, 0x00FF00, 0x0000FF}));
    PutGif("start.gif", DiagonalGif(1, 1, {0x000000}));
    Rect rect;
    GLoadImage("start.gif", &portrait, &rect, kRegisterSurface);
    const std::string path = platform::ProgramPath("tall.gif");
    const std::uint16_t colours[] = {0x0000, 0xF800, 0x07E0, 0x001F};
    for (const ClipCase& c : kClipCases) {
        EXPECT_EQ(GReloadImageClipped(path, &portrait, &rect, c.maxWidth, c.maxHeight), DD_OK);
        ASSERT_EQ(portrait->Width(), c.width) << c.maxWidth;
        ASSERT_EQ(portrait->Height(), c.height) << c.maxHeight;
        EXPECT_TRUE(SameRect(rect, {0, 0, c.width, c.height}));
        for (int y = 0; y < c.height; ++y)
            for (int x = 0; x < c.width; ++x)
                ASSERT_EQ(portrait->Row(y)[x], colours[(x + y) % 4]) << x << "," << y;
    }
    Surface* const kept = portrait;
    EXPECT_EQ(GReloadImageClipped(path, &portrait, &rect, 0, 50), 0) << "nothing of it to keep";
    EXPECT_EQ(portrait, kept);
    GReleaseSurface(&portrait);
}

struct GreyCase {
    std::uint16_t pixel;
    std::uint16_t grey;
    const char* why;
};

// Blue weighs six tenths and green one: (3 r + 6 b + g / 2) / 10.
const GreyCase kGreyCases[] = {
    {0xFFFF, 0xFFDF, "white is grey 31, doubled to 62 in green"},
    {0x001F, 0x9492, "pure blue is grey 18"},
    {0x07E0, 0x18C3, "pure green is grey 3"},
    {0xF800, 0x4A49, "pure red is grey 9"},
    {0x0000, 0x0000, "black stays black"},
    {0x0020, 0x0000, "green's lowest bit is dropped"},
};

TEST(GreyDrawing, GreyPixelWeighsTheChannels) {
    for (const GreyCase& c : kGreyCases)
        EXPECT_EQ(GGreyPixel565(c.pixel), c.grey) << std::hex << c.pixel << ": " << c.why;
}

TEST(GreyDrawing, GreyCopySkipsTheKeyAndIsClipped) {
    ColorKey = kMagenta;
    Surface source(3, 2);
    const std::uint16_t pixels[] = {0xFFFF, kMagenta, 0x001F, 0xF800, 0x07E0, kMagenta};
    std::copy(pixels, pixels + 6, source.Pixels());
    FrameScope frame(3, 3, 0x1111);
    GGreyBlt(&source, 1, 1, 0, 0, 3, 2);
    const std::vector<std::uint16_t> want = {
        0x1111, 0x1111, 0x1111,  //
        0x1111, 0xFFDF, 0x1111,  // the key pixel leaves the frame as it was
        0x1111, 0x4A49, 0x18C3,  // the rest hangs over the right edge
    };
    EXPECT_EQ(PixelsOf(frame.Frame()), want);
    GGreyBlt(nullptr, 0, 0, 0, 0, 3, 2);
    GGreyBlt(&source, 0, 0, 3, 0, 6, 2);  // wholly outside the picture
    EXPECT_EQ(PixelsOf(frame.Frame()), want);
}
