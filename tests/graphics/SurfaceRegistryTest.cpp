// The surface registry and the BMP loaders.  The registry is global and append-only, and it
// keeps the addresses of the variables it registers, so every registered variable here is a
// static that outlives the test, and each test looks only at the entries it appended.
#include "graphics/SurfaceRegistry.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#include "graphics/GraphicsGlobals.h"
#include "graphics/ImageLoader.h"
#include "graphics/SurfaceHelpers.h"
#include "tests/graphics/GraphicsTestSupport.h"

using namespace graphicstest;
using platform::Rect;
using platform::Surface;

namespace {

constexpr std::uint32_t kRed = 0xFF0000, kGreen = 0x00FF00, kBlue = 0x0000FF, kGrey = 0x808080;
constexpr std::uint16_t kRed565 = 0xF800, kGreen565 = 0x07E0, kBlue565 = 0x001F;

class SurfaceRegistryTest : public ::testing::Test {
protected:
    void SetUp() override {
        root_ = FreshGameFolder("registry");
        bGameFileMissing = false;
        ColorKey = 0xF81F;
        first_ = SurfaceCount;
    }
    void TearDown() override { bGameFileMissing = false; }

    // A one-colour BMP at a path under the program folder ('/' separated).
    void PutBmp(const char* relative, int w, int h, std::uint32_t rgb) {
        WriteFile(root_ / fs::u8path(relative), SolidBmp(w, h, rgb));
    }
    void ExpectEntry(int index, Surface** variable, const char* path, std::uint8_t kind) {
        ASSERT_LT(index, SurfaceCount);
        EXPECT_EQ(SurfaceList[index], variable) << index;
        EXPECT_EQ(SurfacePath[index], path) << index;
        EXPECT_EQ(SurfaceKind[index], kind) << index;
    }

    fs::path root_;
    int first_ = 0;  // the first entry this test appends
    MessageScope messages_;
};

}  // namespace

struct SearchCase {
    const char* path;     // as the game passes it
    int width;            // of the picture expected
    std::uint16_t pixel;  // its colour
    const char* why;
};

// The current folder holds "Graphic/both.bmp" (red 2 × 2); the program folder holds another
// "Graphic/both.bmp" (green), "Graphic/game.bmp" (green 3 × 3), a GBK-named picture and the
// resource bitmap "MjRes/IDB_BUTTON.bmp" (blue 4 × 1).
const SearchCase kSearchCases[] = {
    {"Graphic\\both.bmp", 2, kRed565, "a file at the path itself wins over the program folder"},
    {"Graphic\\game.bmp", 3, kGreen565, "else the program folder followed by the path"},
    {"graphic\\GAME.BMP", 3, kGreen565, "names match whatever their case"},
    {"Graphic\\桌面牌.bmp", 5, kBlue565, "GBK names are found under their UTF-8 names"},
    {"IDB_BUTTON", 4, kBlue565, "a name found as no file is a resource bitmap"},
};

TEST_F(SurfaceRegistryTest, LoadsFromThePathThenTheProgramFolderThenTheResources) {
    const fs::path here = root_.parent_path() / "elsewhere";
    WriteFile(here / "Graphic" / "both.bmp", SolidBmp(2, 2, kRed));
    PutBmp("Graphic/both.bmp", 3, 3, kGreen);
    PutBmp("Graphic/game.bmp", 3, 3, kGreen);
    PutBmp(u8"Graphic/桌面牌.bmp", 5, 1, kBlue);
    PutBmp("MjRes/IDB_BUTTON.bmp", 4, 1, kBlue);
    CurrentFolder cd(here);
    for (const SearchCase& c : kSearchCases) {
        Surface* picture = nullptr;
        Rect rect{9, 9, 9, 9};
        GLoadBitmap(c.path, &picture, &rect, kNoRegister);
        ASSERT_NE(picture, nullptr) << c.why;
        EXPECT_EQ(picture->Width(), c.width) << c.why;
        EXPECT_EQ(picture->Row(0)[0], c.pixel) << c.why;
        EXPECT_TRUE(SameRect(rect, {0, 0, picture->Width(), picture->Height()})) << c.why;
        EXPECT_FALSE(picture->HasColorKey()) << c.why;
        EXPECT_EQ(picture->Name(), c.path) << "named after the path as the game gave it";
        GReleaseSurface(&picture);
    }
    EXPECT_EQ(SurfaceCount, first_) << "loads without registration append nothing";
    EXPECT_TRUE(messages_.Shown().empty());
    EXPECT_FALSE(bGameFileMissing);
}

TEST_F(SurfaceRegistryTest, MissingPictureShowsOneMessageAndEndsTheProgram) {
    static Surface* missing = nullptr;
    static Surface* damaged = nullptr;
    WriteFile(root_ / "Graphic" / "damaged.bmp", {'B', 'M', 1, 2, 3});
    Rect rect{1, 2, 3, 4};
    GLoadBitmap("Graphic\\none.bmp", &missing, &rect, kRegisterSurface);
    EXPECT_EQ(missing, nullptr);
    EXPECT_TRUE(SameRect(rect, {}));
    ExpectEntry(first_, &missing, "Graphic\\none.bmp", kSurfaceBitmap);  // registered all the same
    EXPECT_TRUE(bGameFileMissing);
    ASSERT_EQ(messages_.Shown().size(), 1u);
    EXPECT_EQ(messages_.Shown()[0].text,
              "游戏缺少文件，重新安装可能解决该问题。\nGraphic\\none.bmp");
    EXPECT_EQ(messages_.Shown()[0].caption, "警告");
    EXPECT_EQ(messages_.Shown()[0].icon, platform::MbIcon::Warning);

    // A damaged file and a failed reload keep the program ending, without a second message.
    GLoadBitmap("Graphic\\damaged.bmp", &damaged, &rect, kNoRegister);
    GReloadBitmap("Graphic\\damaged.bmp", &missing, &rect);
    EXPECT_EQ(damaged, nullptr);
    EXPECT_EQ(missing, nullptr);
    EXPECT_EQ(SurfacePath[first_], "Graphic\\damaged.bmp");
    EXPECT_EQ(messages_.Shown().size(), 1u);
    EXPECT_TRUE(bGameFileMissing);
}

TEST_F(SurfaceRegistryTest, FailedReloadShowsTheMessageToo) {
    static Surface* picture = nullptr;
    PutBmp("a.bmp", 2, 2, kRed);
    GLoadBitmap("a.bmp", &picture, nullptr, kRegisterSurface);
    ASSERT_NE(picture, nullptr);
    EXPECT_FALSE(bGameFileMissing);
    GReloadBitmap("gone.bmp", &picture, nullptr);
    EXPECT_EQ(picture, nullptr);
    ASSERT_EQ(messages_.Shown().size(), 1u);
    EXPECT_EQ(messages_.Shown()[0].text, "游戏缺少文件，重新安装可能解决该问题。\ngone.bmp");
    EXPECT_TRUE(bGameFileMissing);
}

TEST_F(SurfaceRegistryTest, LoadingAVariableTwiceGivesTwoEntriesAndAReloadRewritesTheFirst) {
    static Surface* twice = nullptr;
    PutBmp("a.bmp", 2, 2, kRed);
    PutBmp("b.bmp", 3, 1, kGreen);
    PutBmp("c.bmp", 1, 4, kBlue);
    Rect rect;
    GLoadBitmap("a.bmp", &twice, &rect, kRegisterSurface);
    const int releasedBefore = nSurfacesReleased;
    GLoadBitmap("b.bmp", &twice, &rect, kRegisterSurface);
    EXPECT_EQ(nSurfacesReleased, releasedBefore + 1) << "the first picture is not lost";
    ASSERT_EQ(SurfaceCount, first_ + 2);
    ExpectEntry(first_, &twice, "a.bmp", kSurfaceBitmap);
    ExpectEntry(first_ + 1, &twice, "b.bmp", kSurfaceBitmap);
    EXPECT_EQ(GFindSurfaceEntry(&twice), first_);

    GReloadBitmap("c.bmp", &twice, &rect);
    EXPECT_EQ(SurfaceCount, first_ + 2);
    ExpectEntry(first_, &twice, "c.bmp", kSurfaceBitmap);
    ExpectEntry(first_ + 1, &twice, "b.bmp", kSurfaceBitmap);
    ASSERT_NE(twice, nullptr);
    EXPECT_EQ(twice->Row(3)[0], kBlue565);
    EXPECT_TRUE(SameRect(rect, {0, 0, 1, 4}));
    GReleaseSurface(&twice);
}

TEST_F(SurfaceRegistryTest, ReloadOfAnUnregisteredVariableChangesNothing) {
    PutBmp("a.bmp", 2, 2, kRed);
    PutBmp("b.bmp", 3, 3, kGreen);
    Surface* loose = nullptr;
    Rect rect;
    GLoadBitmap("a.bmp", &loose, &rect, kNoRegister);
    Surface* const before = loose;
    GReloadBitmap("b.bmp", &loose, &rect);
    EXPECT_EQ(loose, before);
    EXPECT_EQ(loose->Row(0)[0], kRed565);
    EXPECT_TRUE(SameRect(rect, {0, 0, 2, 2}));
    EXPECT_EQ(SurfaceCount, first_);
    GReleaseSurface(&loose);
}

TEST_F(SurfaceRegistryTest, ReloadTurnsAnImageEntryIntoABitmapEntry) {
    static Surface* avatar = nullptr;
    WriteFile(root_ / "face.gif", DiagonalGif(2, 2, {kGrey}));
    PutBmp("face.bmp", 3, 3, kGreen);
    Rect rect;
    ASSERT_EQ(GLoadImage("face.gif", &avatar, &rect, kRegisterSurface), DD_OK);
    ExpectEntry(first_, &avatar, "face.gif", kSurfaceImage);
    GReloadBitmap("face.bmp", &avatar, &rect);
    ExpectEntry(first_, &avatar, "face.bmp", kSurfaceBitmap);
    EXPECT_EQ(avatar->Row(0)[0], kGreen565);
    GReleaseSurface(&avatar);
}

TEST_F(SurfaceRegistryTest, ReleaseAllThenRestoreAllRebuildsEveryPictureWithTheColourKey) {
    static Surface* table = nullptr;
    static Surface* button = nullptr;
    static Surface* avatar = nullptr;
    static Surface* twice = nullptr;
    PutBmp("Graphic/table.bmp", 4, 3, kGreen);
    PutBmp("MjRes/IDB_BUTTON.bmp", 2, 1, kBlue);
    PutBmp("Graphic/first.bmp", 1, 1, kRed);
    PutBmp("Graphic/second.bmp", 2, 2, kBlue);
    WriteFile(root_ / "Avatar" / "7.gif", DiagonalGif(5, 2, {kRed, kBlue}, 1));
    Rect tableRect, buttonRect, avatarRect, twiceRect;
    GLoadBitmap("Graphic\\table.bmp", &table, &tableRect, kRegisterSurface);
    GLoadBitmap("IDB_BUTTON", &button, &buttonRect, kRegisterSurface);
    GLoadImage("Avatar\\7.gif", &avatar, &avatarRect, kRegisterSurface);
    GLoadBitmap("Graphic\\first.bmp", &twice, &twiceRect, kRegisterSurface);
    GLoadBitmap("Graphic\\second.bmp", &twice, &twiceRect, kRegisterSurface);
    const int count = SurfaceCount;
    ASSERT_EQ(count, first_ + 5);

    const int releasedBefore = nSurfacesReleased;
    GReleaseAllSurfaces();
    for (Surface* s : {table, button, avatar, twice}) EXPECT_EQ(s, nullptr);
    EXPECT_GE(nSurfacesReleased, releasedBefore + 4);
    EXPECT_EQ(SurfaceCount, count) << "entries stay";

    ColorKey = 0x1234;
    const Rect scribbled{7, 7, 7, 7};
    tableRect = avatarRect = scribbled;
    GRestoreAllSurfaces();
    EXPECT_EQ(SurfaceCount, count) << "nothing appended";
    ASSERT_TRUE(table && button && avatar && twice);
    EXPECT_EQ(table->Width(), 4);
    EXPECT_EQ(button->Row(0)[1], kBlue565);
    EXPECT_EQ(avatar->Width(), 5);
    EXPECT_EQ(avatar->Row(0)[1], 0xF81F) << "the transparent index is magenta again";
    EXPECT_EQ(twice->Width(), 2) << "the later entry of a variable is loaded last";
    for (Surface* s : {table, button, avatar, twice}) {
        EXPECT_TRUE(s->HasColorKey());
        EXPECT_EQ(s->ColorKey(), 0x1234);
    }
    EXPECT_TRUE(SameRect(tableRect, scribbled)) << "the owners' rectangles stay as they were";
    EXPECT_TRUE(SameRect(avatarRect, scribbled));
    for (Surface** s : {&table, &button, &avatar, &twice}) GReleaseSurface(s);
}

// Fills the registry to its last entry, then registers once more; exits 0 when the refusal
// left the registry, and the picture, as they should be.
[[noreturn]] void FillTheRegistryAndRegisterOnceMore(const fs::path& picture) {
    static Surface* filler[kMaxSurfaces];
    static Surface* late = nullptr;
    bool ok = true;
    for (int i = 0; SurfaceCount < kMaxSurfaces; ++i)
        ok &= GRegisterSurface(&filler[i], "filler", 0);
    ok &= !GRegisterSurface(&late, "late", kSurfaceImage);
    GLoadBitmap(picture.string(), &late, nullptr, kRegisterSurface);
    ok &= late != nullptr && late->Width() == 2;
    ok &= SurfaceCount == kMaxSurfaces && GFindSurfaceEntry(&late) == -1;
    ok &= SurfacePath[kMaxSurfaces - 1] == "filler";
    std::fprintf(stderr, ok ? "refused as it should\n" : "registry went wrong\n");
    std::_Exit(ok ? 0 : 1);
}

TEST_F(SurfaceRegistryTest, FullRegistryRefusesARegistrationButStillLoadsThePicture) {
    // In a child process: the registry is never emptied, so a full one would refuse every
    // later test's registrations.
    PutBmp("a.bmp", 2, 2, kRed);
    EXPECT_EXIT(FillTheRegistryAndRegisterOnceMore(root_ / "a.bmp"), ::testing::ExitedWithCode(0),
                "refused as it should");
}

TEST_F(SurfaceRegistryTest, SurfaceMadeFromABitmapIsAKeylessCopy) {
    Surface bitmap(3, 2);
    bitmap.Row(1)[2] = 0xABCD;
    bitmap.SetColorKey(0xABCD);
    Surface* made = nullptr;
    Rect rect;
    const int createdBefore = nSurfacesCreated;
    ASSERT_EQ(GCreateOffScreenPlain(&bitmap, &made, &rect), DD_OK);
    ASSERT_NE(made, &bitmap);
    EXPECT_EQ(PixelsOf(*made), PixelsOf(bitmap));
    EXPECT_FALSE(made->HasColorKey());
    EXPECT_TRUE(SameRect(rect, {0, 0, 3, 2}));
    EXPECT_EQ(nSurfacesCreated, createdBefore + 1);

    made->Row(0)[0] = 0x5555;
    ASSERT_EQ(GCreateOffScreenPlain(made, &made, &rect), DD_OK) << "a surface made from itself";
    EXPECT_EQ(made->Row(0)[0], 0x5555);
    EXPECT_EQ(made->Row(1)[2], 0xABCD);
    EXPECT_EQ(nSurfacesCreated, createdBefore + 2);

    const Surface empty(0, 0);
    EXPECT_EQ(GCreateOffScreenPlain(&empty, &made, &rect), DDERR_INVALIDPARAMS);
    EXPECT_EQ(GCreateOffScreenPlain(nullptr, &made, &rect), DDERR_INVALIDPARAMS);
    EXPECT_EQ(made, nullptr);
    EXPECT_TRUE(SameRect(rect, {}));
    EXPECT_EQ(nSurfacesCreated, createdBefore + 2);
}

TEST_F(SurfaceRegistryTest, ReleasingANullVariableDoesNothingAndIsNotCounted) {
    Surface* none = nullptr;
    const int releasedBefore = nSurfacesReleased;
    GReleaseSurface(&none);
    GReleaseSurface(nullptr);
    EXPECT_EQ(nSurfacesReleased, releasedBefore);
    EXPECT_EQ(GSetColorKey(&none), DDERR_INVALIDPARAMS);
    EXPECT_EQ(GSetColorKey(nullptr), DDERR_INVALIDPARAMS);

    Surface bitmap(1, 1);
    GCreateOffScreenPlain(&bitmap, &none, nullptr);
    ColorKey = 0x0F0F;
    EXPECT_EQ(GSetColorKey(&none), DD_OK);
    EXPECT_EQ(none->ColorKey(), 0x0F0F);
    GReleaseSurface(&none);
    EXPECT_EQ(none, nullptr);
    EXPECT_EQ(nSurfacesReleased, releasedBefore + 1);
}
