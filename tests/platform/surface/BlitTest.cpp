#include "platform/Blit.h"

#include <gtest/gtest.h>

#include <vector>

using namespace platform;

namespace {

constexpr std::uint16_t kKey = 0xF81F;
constexpr std::uint16_t kBackground = 0x1111;

// A w × h picture whose pixels are all different: 100 + y × w + x.
Surface Numbered(int w, int h) {
    Surface s(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) s.Row(y)[x] = static_cast<std::uint16_t>(100 + y * w + x);
    return s;
}

// The 4 × 3 sprite below, key-coloured all round its border and in its middle column: a keyed
// copy must skip the key at whichever edge it is clipped.
//   K K K K
//   K a K b
//   K K K K
Surface Sprite() {
    Surface s(4, 3);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x) s.Row(y)[x] = kKey;
    s.Row(1)[1] = 0x0A0A;
    s.Row(1)[3] = 0x0B0B;
    s.SetColorKey(kKey);
    return s;
}

Surface Filled(int w, int h, std::uint16_t value) {
    Surface s(w, h);
    ColorFill(&s, nullptr, value);
    return s;
}

// What a copy of `srcRect` of `src` to (x, y) must leave at each destination pixel: the
// source pixel where one lands inside both pictures (unless keyed and of the key colour),
// the old pixel elsewhere.
void ExpectCopied(const Surface& dst, const Surface& before, const Surface& src, const Rect& r,
                  int x, int y, bool keyed, const char* what) {
    for (int dy = 0; dy < dst.Height(); ++dy)
        for (int dx = 0; dx < dst.Width(); ++dx) {
            const long long sx = 0LL + dx - x + r.left, sy = 0LL + dy - y + r.top;
            std::uint16_t want = before.Row(dy)[dx];
            const bool inRect = sx >= r.left && sx < r.right && sy >= r.top && sy < r.bottom;
            const bool inPicture = sx >= 0 && sx < src.Width() && sy >= 0 && sy < src.Height();
            if (inRect && inPicture && !(keyed && src.Row(sy)[sx] == src.ColorKey()))
                want = src.Row(sy)[sx];
            ASSERT_EQ(dst.Row(dy)[dx], want) << what << " at " << dx << "," << dy;
        }
}

struct Place {
    const char* name;
    int x;
    int y;
};

// Every edge and corner of a 10 × 8 destination, half over and wholly off.
const Place kPlaces[] = {
    {"inside", 3, 2},        {"over left", -2, 2},     {"over right", 8, 2},
    {"over top", 3, -2},     {"over bottom", 3, 6},    {"over top-left", -3, -2},
    {"over top-right", 8, -1}, {"over bottom-left", -1, 7}, {"over bottom-right", 9, 7},
    {"off left", -4, 2},     {"off right", 10, 2},     {"off top", 3, -3},
    {"off bottom", 3, 8},    {"far off", -100000, 2000000000},
};

}  // namespace

TEST(BltFast, OpaqueCopyIsClippedAtEveryEdge) {
    const Surface src = Numbered(4, 3);
    for (const auto& p : kPlaces) {
        Surface dst = Filled(10, 8, kBackground);
        const Surface before = dst;
        EXPECT_EQ(BltFast(&dst, p.x, p.y, &src, nullptr, kBltFastWait), BlitResult::Ok) << p.name;
        ExpectCopied(dst, before, src, {0, 0, 4, 3}, p.x, p.y, false, p.name);
    }
}

TEST(BltFast, KeyedCopySkipsTheKeyAtEveryEdge) {
    const Surface src = Sprite();
    for (const auto& p : kPlaces) {
        Surface dst = Filled(10, 8, kBackground);
        const Surface before = dst;
        EXPECT_EQ(BltFast(&dst, p.x, p.y, &src, nullptr, kBltFastWait | kBltFastSrcColorKey),
                  BlitResult::Ok)
            << p.name;
        ExpectCopied(dst, before, src, {0, 0, 4, 3}, p.x, p.y, true, p.name);
    }
}

TEST(BltFast, OpaqueFlagCopiesKeyColouredPixelsToo) {
    const Surface src = Sprite();
    Surface dst = Filled(10, 8, kBackground);
    BltFast(&dst, 0, 0, &src, nullptr, 0x10);
    EXPECT_EQ(dst.Row(0)[0], kKey);
    EXPECT_EQ(dst.Row(1)[1], 0x0A0A);
}

TEST(BltFast, KeyedCopyOfAPictureWithoutKeyCopiesEverything) {
    const Surface src = Numbered(4, 3);
    Surface dst = Filled(10, 8, kBackground);
    const Surface before = dst;
    BltFast(&dst, 1, 1, &src, nullptr, 0x11);
    ExpectCopied(dst, before, src, {0, 0, 4, 3}, 1, 1, false, "no key");
}

struct SourceCase {
    const char* name;
    Rect rect;
    BlitResult result;
};

// Source rectangles against a 6 × 5 picture: those partly outside draw their inside part where
// it would have stood; those wholly outside, empty or inverted draw nothing.
const SourceCase kSources[] = {
    {"inside", {1, 1, 4, 3}, BlitResult::Ok},
    {"whole", {0, 0, 6, 5}, BlitResult::Ok},
    {"over the left", {-2, 0, 3, 2}, BlitResult::Ok},
    {"over the right", {4, 1, 9, 3}, BlitResult::Ok},
    {"over the top", {1, -3, 3, 2}, BlitResult::Ok},
    {"over the bottom", {1, 3, 3, 8}, BlitResult::Ok},
    {"round the picture", {-1, -1, 7, 6}, BlitResult::Ok},
    {"wholly left", {-5, 0, 0, 2}, BlitResult::InvalidRect},
    {"wholly right", {6, 0, 8, 2}, BlitResult::InvalidRect},
    {"wholly above", {0, -4, 2, 0}, BlitResult::InvalidRect},
    {"wholly below", {0, 5, 2, 9}, BlitResult::InvalidRect},
    {"empty", {2, 2, 2, 4}, BlitResult::InvalidRect},
    {"inverted", {4, 3, 1, 1}, BlitResult::InvalidRect},
    {"at the int limits", {-2147483647 - 1, 0, 2147483647, 2}, BlitResult::Ok},
};

TEST(BltFast, SourceRectangleIsClippedToItsPicture) {
    const Surface src = Numbered(6, 5);
    for (const auto& c : kSources) {
        for (int x : {2, -1}) {
            Surface dst = Filled(10, 8, kBackground);
            const Surface before = dst;
            EXPECT_EQ(BltFast(&dst, x, 1, &src, &c.rect, kBltFastWait), c.result) << c.name;
            if (c.result == BlitResult::Ok)
                ExpectCopied(dst, before, src, c.rect, x, 1, false, c.name);
            else
                ExpectCopied(dst, before, src, {0, 0, 0, 0}, x, 1, false, c.name);
        }
    }
}

TEST(BltFast, NullOrEmptySurfaceDrawsNothing) {
    Surface dst = Filled(4, 4, kBackground);
    Surface src = Numbered(2, 2);
    Surface empty(0, 0);
    EXPECT_EQ(BltFast(&dst, 0, 0, nullptr, nullptr, 0x11), BlitResult::NoSurface);
    EXPECT_EQ(BltFast(nullptr, 0, 0, &src, nullptr, 0x11), BlitResult::NoSurface);
    EXPECT_EQ(BltFast(&dst, 0, 0, &empty, nullptr, 0x11), BlitResult::NoSurface);
    EXPECT_EQ(BltFast(&empty, 0, 0, &src, nullptr, 0x11), BlitResult::NoSurface);
    EXPECT_EQ(dst.Row(0)[0], kBackground);
}

TEST(BltFast, OverlappingCopyWithinOneSurfaceReadsTheOldPixels) {
    for (int shift : {-1, 1}) {
        Surface s = Numbered(6, 1);
        const Surface before = s;
        const Rect r{1, 0, 5, 1};
        BltFast(&s, 1 + shift, 0, &s, &r, kBltFastWait);
        ExpectCopied(s, before, before, r, 1 + shift, 0, false, shift < 0 ? "left" : "right");
    }
}

TEST(Blt, SameSizeCopyIsTheFastCopy) {
    const Surface src = Sprite();
    Surface viaBlt = Filled(10, 8, kBackground), viaFast = viaBlt;
    const Rect to{-1, 6, 3, 9};
    EXPECT_EQ(Blt(&viaBlt, &to, &src, nullptr, kBltKeySrc | kBltAlphaEdgeBlend), BlitResult::Ok);
    BltFast(&viaFast, -1, 6, &src, nullptr, 0x11);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 10; ++x) ASSERT_EQ(viaBlt.Row(y)[x], viaFast.Row(y)[x]);
}

TEST(Blt, StretchDoublesEachPixel) {
    const Surface src = Numbered(2, 2);  // 100 101 / 102 103
    Surface dst = Filled(4, 4, kBackground);
    const Rect to{0, 0, 4, 4};
    EXPECT_EQ(Blt(&dst, &to, &src, nullptr, kBltWait), BlitResult::Ok);
    const std::uint16_t want[4][4] = {
        {100, 100, 101, 101}, {100, 100, 101, 101}, {102, 102, 103, 103}, {102, 102, 103, 103}};
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x) EXPECT_EQ(dst.Row(y)[x], want[y][x]) << x << "," << y;
}

TEST(Blt, ShrinkTakesTheNearestPixel) {
    const Surface src = Numbered(4, 4);
    Surface dst = Filled(2, 2, kBackground);
    Blt(&dst, nullptr, &src, nullptr, 0);
    // Destination pixel centres 0.5 and 1.5 fall on source columns 1 and 3.
    EXPECT_EQ(dst.Row(0)[0], 100 + 1 * 4 + 1);
    EXPECT_EQ(dst.Row(0)[1], 100 + 1 * 4 + 3);
    EXPECT_EQ(dst.Row(1)[0], 100 + 3 * 4 + 1);
    EXPECT_EQ(dst.Row(1)[1], 100 + 3 * 4 + 3);
}

TEST(Blt, KeyedStretchSkipsTheKey) {
    const Surface src = Sprite();
    Surface dst = Filled(8, 6, kBackground);
    const Rect to{0, 0, 8, 6};
    Blt(&dst, &to, &src, nullptr, kBltKeySrc | kBltAlphaEdgeBlend);
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 8; ++x) {
            const std::uint16_t s = src.Row(y / 2)[x / 2];
            EXPECT_EQ(dst.Row(y)[x], s == kKey ? kBackground : s) << x << "," << y;
        }
}

TEST(Blt, StretchIsClippedAtEveryEdge) {
    const Surface src = Numbered(2, 2);
    // Each source pixel covers 4 × 4 destination pixels of the rectangle (-2, -2)..(6, 6), so
    // the visible 4 × 4 corner shows the source's split at column and row 2.
    Surface dst = Filled(4, 4, kBackground);
    const Rect over{-2, -2, 6, 6};
    EXPECT_EQ(Blt(&dst, &over, &src, nullptr, 0), BlitResult::Ok);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(dst.Row(y)[x], 100 + (y >= 2) * 2 + (x >= 2)) << x << "," << y;

    Surface untouched = Filled(4, 4, kBackground);
    const Rect off{4, 0, 12, 8};
    EXPECT_EQ(Blt(&untouched, &off, &src, nullptr, 0), BlitResult::Ok);
    EXPECT_EQ(untouched.Row(3)[3], kBackground);
}

TEST(Blt, StretchOfASourcePartlyOutsideDrawsOnlyPicturePixels) {
    const Surface src = Numbered(2, 2);
    Surface dst = Filled(4, 2, kBackground);
    const Rect from{-2, 0, 2, 1};  // left half outside the picture
    const Rect to{0, 0, 4, 1};
    EXPECT_EQ(Blt(&dst, &to, &src, &from, 0), BlitResult::Ok);
    const std::uint16_t want[4] = {kBackground, kBackground, 100, 101};
    for (int x = 0; x < 4; ++x) EXPECT_EQ(dst.Row(0)[x], want[x]) << x;
}

TEST(Blt, RefusesBadRectanglesAndSurfaces) {
    const Surface src = Numbered(4, 4);
    Surface dst = Filled(4, 4, kBackground);
    const Rect inverted{3, 3, 1, 1}, outside{4, 0, 8, 4}, good{0, 0, 2, 2};
    const Rect huge{0, 0, 2147483647, 2};
    EXPECT_EQ(Blt(&dst, &inverted, &src, &good, 0), BlitResult::InvalidRect);
    EXPECT_EQ(Blt(&dst, &good, &src, &inverted, 0), BlitResult::InvalidRect);
    EXPECT_EQ(Blt(&dst, &good, &src, &outside, 0), BlitResult::InvalidRect);
    EXPECT_EQ(Blt(&dst, &huge, &src, &good, 0), BlitResult::InvalidRect);
    EXPECT_EQ(Blt(&dst, &good, nullptr, &good, 0), BlitResult::NoSurface);
    EXPECT_EQ(Blt(nullptr, &good, &src, &good, 0), BlitResult::NoSurface);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x) ASSERT_EQ(dst.Row(y)[x], kBackground);
}

TEST(Blt, StretchWithinOneSurfaceReadsTheOldPixels) {
    Surface s = Numbered(4, 1);
    const Rect from{0, 0, 2, 1}, to{0, 0, 4, 1};
    Blt(&s, &to, &s, &from, 0);
    const std::uint16_t want[4] = {100, 100, 101, 101};
    for (int x = 0; x < 4; ++x) EXPECT_EQ(s.Row(0)[x], want[x]) << x;
}

struct FillCase {
    const char* name;
    Rect rect;
    std::uint32_t value;
    std::uint16_t pixel;
    BlitResult result;
};

const FillCase kFills[] = {
    {"white as a raw 24-bit value", {1, 1, 3, 3}, 0xFFFFFF, 0xFFFF, BlitResult::Ok},
    {"magenta keeps only its low half", {1, 1, 3, 3}, 0xFF00FF, 0x00FF, BlitResult::Ok},
    {"clipped at the top-left", {-5, -5, 2, 2}, 0x07E0, 0x07E0, BlitResult::Ok},
    {"clipped at the bottom-right", {2, 2, 50, 50}, 0x07E0, 0x07E0, BlitResult::Ok},
    {"wholly off", {4, 4, 9, 9}, 0x07E0, 0x07E0, BlitResult::Ok},
    {"inverted", {3, 3, 1, 1}, 0x07E0, 0x07E0, BlitResult::InvalidRect},
};

TEST(ColorFill, FillsTheClippedRectangleWithTheLowHalf) {
    for (const auto& c : kFills) {
        Surface s = Filled(4, 4, kBackground);
        EXPECT_EQ(ColorFill(&s, &c.rect, c.value), c.result) << c.name;
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 4; ++x) {
                const bool in = c.result == BlitResult::Ok && x >= c.rect.left &&
                                x < c.rect.right && y >= c.rect.top && y < c.rect.bottom;
                ASSERT_EQ(s.Row(y)[x], in ? c.pixel : kBackground) << c.name << x << "," << y;
            }
    }
    EXPECT_EQ(ColorFill(nullptr, nullptr, 0), BlitResult::NoSurface);
}

TEST(Lock, GivesThePixelsAndPitch) {
    Surface s(7, 3);
    SurfaceLock lock;
    ASSERT_TRUE(Lock(&s, &lock));
    EXPECT_EQ(lock.bits, s.Pixels());
    EXPECT_EQ(lock.pitch, 14);
    EXPECT_EQ(lock.width, 7);
    EXPECT_EQ(lock.height, 3);
    lock.bits[2 * lock.pitch / 2 + 6] = 0xABCD;
    EXPECT_EQ(s.Row(2)[6], 0xABCD);

    EXPECT_FALSE(Lock(nullptr, &lock));
    EXPECT_EQ(lock.bits, nullptr);
    Surface empty(0, 5);
    EXPECT_FALSE(Lock(&empty, &lock));
}

struct AreaCase {
    const char* name;
    int x;
    int y;
    Rect rect;
    BlitResult result;
    BlitArea area;
};

// A 6 × 5 picture onto a 10 × 8 destination.
const AreaCase kAreas[] = {
    {"inside", 2, 1, {1, 1, 4, 3}, BlitResult::Ok, {1, 1, 2, 1, 3, 2}},
    {"over the left and top", -1, -2, {0, 0, 6, 5}, BlitResult::Ok, {1, 2, 0, 0, 5, 3}},
    {"over the right and bottom", 7, 6, {0, 0, 6, 5}, BlitResult::Ok, {0, 0, 7, 6, 3, 2}},
    {"source over its picture", 0, 0, {-2, 3, 3, 9}, BlitResult::Ok, {0, 3, 2, 0, 3, 2}},
    {"off the destination", 10, 0, {0, 0, 6, 5}, BlitResult::Ok, {0, 0, 0, 0, 0, 0}},
    {"source off its picture", 0, 0, {6, 0, 9, 2}, BlitResult::InvalidRect, {0, 0, 0, 0, 0, 0}},
};

TEST(ClipBlit, SaysWhereAClippedCopyLands) {
    const Surface src = Numbered(6, 5);
    const Surface dst(10, 8);
    for (const auto& c : kAreas) {
        BlitArea a;
        EXPECT_EQ(ClipBlit(&dst, c.x, c.y, &src, &c.rect, &a), c.result) << c.name;
        EXPECT_EQ(std::vector<int>({a.srcX, a.srcY, a.dstX, a.dstY, a.width, a.height}),
                  std::vector<int>({c.area.srcX, c.area.srcY, c.area.dstX, c.area.dstY,
                                    c.area.width, c.area.height}))
            << c.name;
    }
    BlitArea a;
    EXPECT_EQ(ClipBlit(nullptr, 0, 0, &src, nullptr, &a), BlitResult::NoSurface);
}
