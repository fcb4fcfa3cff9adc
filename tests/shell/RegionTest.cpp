// The exit window's shape: the outline of a mask's non-black pixels and the region it makes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ShellTestSupport.h"
#include "shell/WindowRegion.h"

namespace shelltest {
namespace {

// A mask drawn as text: '#' white, '.' black.
platform::Surface MaskOf(const std::vector<std::string>& rows) {
    platform::Surface mask(static_cast<int>(rows[0].size()), static_cast<int>(rows.size()));
    for (int y = 0; y < mask.Height(); ++y)
        for (int x = 0; x < mask.Width(); ++x) mask.Row(y)[x] = rows[y][x] == '#' ? 0xFFFF : 0;
    return mask;
}

struct OutlineCase {
    const char* name;
    std::vector<std::string> rows;
    std::vector<QPoint> outline;  // left points down, then right points up
};

const OutlineCase kOutlineCases[] = {
    // Each row's left point sits one right of its first white pixel, its right point on its
    // last white pixel.
    {"corners cut",
     {"..####..", ".######.", "########", ".######.", "..####.."},
     {{3, 0}, {2, 1}, {1, 2}, {2, 3}, {3, 4}, {5, 4}, {6, 3}, {7, 2}, {6, 1}, {5, 0}}},
    // A black row repeats the row above, its points included.
    {"blank middle row",
     {"..##..", "......", ".####."},
     {{3, 0}, {3, 0}, {2, 2}, {4, 2}, {3, 0}, {3, 0}}},
    // A black first row has no row above: it takes the first white row's points.
    {"blank first row",
     {"......", ".####.", "..##.."},
     {{2, 1}, {2, 1}, {3, 2}, {3, 2}, {4, 1}, {4, 1}}},
    {"all black", {"....", "...."}, {}},
};

TEST(RegionOutline, FollowsTheWhitePixelsRowByRow) {
    for (const OutlineCase& c : kOutlineCases) {
        const std::vector<QPoint> outline = RegionOutline(MaskOf(c.rows));
        EXPECT_EQ(outline, c.outline) << c.name;
    }
}

TEST(RegionOutline, RegionCutsTheCornersAndKeepsTheMiddle) {
    const platform::Surface mask =
        MaskOf({"..######..", ".########.", "##########", "##########", ".########.",
                "..######.."});
    const QRegion region = RegionFromBitmap(mask);
    for (QPoint corner : {QPoint(0, 0), QPoint(9, 0), QPoint(0, 5), QPoint(9, 5)})
        EXPECT_FALSE(region.contains(corner)) << corner.x() << "," << corner.y();
    for (QPoint inside : {QPoint(4, 1), QPoint(2, 2), QPoint(7, 3), QPoint(5, 4)})
        EXPECT_TRUE(region.contains(inside)) << inside.x() << "," << inside.y();
    EXPECT_TRUE(QRect(0, 0, 10, 6).contains(region.boundingRect()));
}

TEST(RegionOutline, AllBlackGivesNoRegion) {
    EXPECT_TRUE(RegionFromBitmap(MaskOf({"...", "..."})).isEmpty());
}

class ExitWindowRegionTest : public ShellTest {};

// The first and last pixel of the region in row y, and whether every pixel between them is in.
struct RowRun {
    int first = -1;
    int last = -1;
    bool whole = true;
};
RowRun RunOfRow(const QRegion& region, int y, int width) {
    RowRun run;
    for (int x = 0; x < width; ++x) {
        if (!region.contains(QPoint(x, y))) continue;
        if (run.first < 0) run.first = x;
        if (run.last >= 0 && run.last != x - 1) run.whole = false;
        run.last = x;
    }
    return run;
}

// The exit window's own 16 × 16 corner masks round its four corners.  Every row of the window
// is one run without a notch; the top row runs from just inside the left corner mask to just
// inside the right one (the outline takes the first white pixel's right neighbour on the left
// and stops before the last white pixel on the right), the rows between the corners span the
// window but for those two edge pixels.
TEST_F(ExitWindowRegionTest, RoundsTheCornersWithoutANotch) {
    TClostForm form(nullptr);
    const QRegion region = form.mask();
    const int w = TClostForm::kWidth;
    const int h = TClostForm::kHeight;
    for (int y = 0; y < h - 1; ++y) {
        const RowRun run = RunOfRow(region, y, w);
        EXPECT_TRUE(run.whole) << "a notch in row " << y;
        if (y == 0) {
            EXPECT_EQ(run.first, 17);
            EXPECT_EQ(run.last, w - 18);
        } else if (y >= 16 && y < h - 16) {
            EXPECT_EQ(run.first, 1) << y;
            EXPECT_EQ(run.last, w - 2) << y;
        }
    }
    for (QPoint corner : {QPoint(0, 0), QPoint(w - 1, 0), QPoint(0, h - 2), QPoint(w - 1, h - 2)})
        EXPECT_FALSE(region.contains(corner)) << corner.x() << "," << corner.y();
    EXPECT_FALSE(bGameFileMissing);
}

}  // namespace
}  // namespace shelltest
