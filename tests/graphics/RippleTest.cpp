// The ripple's height maps: the seed the set-up leaves in them and single drops.
#include <gtest/gtest.h>

#include "RendererTestSupport.h"
#include "graphics/MjDraw.h"

namespace {

// The renderer writes its style into the program folder when it goes.
class Ripple : public ::testing::Test {
protected:
    void SetUp() override { rendertest::UseProgramFolder("ripple", rendertest::Pictures::None); }
};

// Cells of the current map at or below zero and their count: a drop leaves -strength on the
// pixels strictly inside its circle.
int DentedCells(const CMjDraw& draw) {
    const std::int16_t* map = draw.pRippleMap[draw.nRippleCurrent].get();
    int dented = 0;
    for (int k = 0; k < 800 * 600; ++k) dented += map[k] != 0;
    return dented;
}

std::int16_t Height(const CMjDraw& draw, int x, int y) {
    return draw.pRippleMap[draw.nRippleCurrent][y * 800 + x];
}

// A circle of radius 3 covers the 25 pixels with (i − x)² + (j − y)² < 9 in the square
// [x − 3, x + 3) × [y − 3, y + 3).
constexpr int kDropCells = 25;

TEST_F(Ripple, SeedsNineDropsAcrossTheMiddle) {
    CMjDraw draw;
    EXPECT_EQ(draw.InitRipple(), 1);
    ASSERT_NE(draw.pRippleMap[0], nullptr);
    ASSERT_NE(draw.pRippleMap[1], nullptr);
    // The drop at x = 0 would reach over the left edge; the nine at 80 to 720 are made.
    EXPECT_EQ(DentedCells(draw), 9 * kDropCells);
    EXPECT_EQ(Height(draw, 0, 300), 0);
    for (int i = 1; i < 10; ++i) {
        EXPECT_EQ(Height(draw, 80 * i, 300), -128) << i;
        EXPECT_EQ(Height(draw, 80 * i - 2, 302), -128) << i;  // 4 + 4 < 9
        EXPECT_EQ(Height(draw, 80 * i - 3, 300), 0) << i;     // 9 is not inside
        EXPECT_EQ(Height(draw, 80 * i + 2, 300), -128) << i;
        EXPECT_EQ(Height(draw, 80 * i + 3, 300), 0) << i;     // past the square
    }
    const std::int16_t* previous = draw.pRippleMap[1 - draw.nRippleCurrent].get();
    for (int k = 0; k < 800 * 600; ++k) ASSERT_EQ(previous[k], 0) << k;
}

struct DropCase {
    int x, y;
    bool made;
};

// The whole square of the drop must lie inside the screen.
const DropCase kDropCases[] = {
    {799, 300, false}, {797, 300, true}, {3, 300, true},  {2, 300, false},
    {400, 597, true},  {400, 598, false}, {400, 3, true}, {400, 2, false},
};

TEST_F(Ripple, DropsOnlyWhereTheSquareFitsTheScreen) {
    for (const DropCase& c : kDropCases) {
        CMjDraw draw;
        draw.InitRipple();
        const int before = DentedCells(draw);
        draw.DropRipple(c.x, c.y, 3, 200);
        EXPECT_EQ(DentedCells(draw) - before, c.made ? kDropCells : 0) << c.x << "," << c.y;
        if (c.made) {
            EXPECT_EQ(Height(draw, c.x, c.y), -200);
        }
    }
}

TEST_F(Ripple, DropsNothingBeforeTheMapsExist) {
    CMjDraw draw;
    draw.DropRipple(400, 300, 3, 128);  // no maps yet: nothing to write
    EXPECT_EQ(draw.pRippleMap[0], nullptr);
}

}  // namespace
