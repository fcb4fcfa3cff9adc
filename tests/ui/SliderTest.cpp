// The horizontal slider and the vertical scroll bar: drags inside, at and beyond the ends,
// arrow steps, and tracks too short for their thumb.
#include <gtest/gtest.h>

#include "WidgetTestSupport.h"
#include "graphics/SurfaceHelpers.h"
#include "ui/DxTrackBar.h"
#include "ui/DxTrackBar2.h"

using namespace ui_test;

namespace {

class TrackBarTest : public WidgetTest {
protected:
    // A 14 × 20 thumb on a track from 100 to 324: (224 - 14) / 20 = 10 pixels a step.
    TrackBarTest() { bar.SetGeometry(100, 324, 50); }
    CDxTrackBar bar{"Graphic\\OptionForm\\key.bmp"};
};

TEST_F(TrackBarTest, StartsAtTwentyOfTwenty) {
    CDxTrackBar fresh("Graphic\\OptionForm\\key.bmp");
    EXPECT_EQ(fresh.value, 20);
    EXPECT_EQ(fresh.maxValue, 20);
    EXPECT_FALSE(fresh.pressed);
    EXPECT_EQ(bar.pixelsPerStep, 10);
    EXPECT_EQ(bar.thumbHeight, 20);
}

TEST_F(TrackBarTest, OnlyAPressStrictlyInsideTheThumbStartsADrag) {
    // The thumb stands at 100 + 20 × 10 = 300.
    const struct {
        int x, y;
        bool hit;
    } cases[] = {{300, 60, false}, {301, 60, true},  {313, 60, true}, {314, 60, false},
                 {305, 50, false}, {305, 51, true},  {305, 69, true}, {305, 70, false}};
    for (const auto& c : cases) {
        EXPECT_EQ(bar.MouseDown(c.x, c.y), c.hit) << c.x << "," << c.y;
        EXPECT_EQ(bar.pressed, c.hit ? 1 : 0);
    }
    EXPECT_FALSE(bar.MouseMove(150, 60)) << "a missed press leaves no drag behind";
    EXPECT_EQ(bar.value, 20);
}

TEST_F(TrackBarTest, DragsReportEachChangeOnceAtAndBeyondTheEnds) {
    ASSERT_TRUE(bar.MouseDown(305, 60));
    const struct {
        int x;
        bool changed;
        int value;
    } moves[] = {
        {150, true, 5},  {159, false, 5},   // within one step
        {99, true, 0},   {20, false, 0},    // left of the track: 0 once
        {100, false, 0},                    // on the left end itself: nothing
        {101, false, 0}, {110, true, 1},
        {325, true, 20}, {500, false, 20},  // right of the track: the maximum once
        {323, false, 20},                   // (223 / 10 = 22) is held at the maximum
        {250, true, 15},
    };
    for (const auto& m : moves) {
        EXPECT_EQ(bar.MouseMove(m.x, 0), m.changed) << m.x;
        EXPECT_EQ(bar.value, m.value) << m.x;
    }
    EXPECT_TRUE(bar.MouseUp());
    EXPECT_FALSE(bar.MouseMove(150, 60));
}

TEST_F(TrackBarTest, DrawsTheThumbAtItsValue) {
    bar.value = 3;
    bar.Draw();
    const std::uint16_t face = bar.thumb->Row(10)[7];
    ASSERT_NE(face, ColorKey);
    EXPECT_EQ(Pixel(130 + 7, 60), face);
    EXPECT_EQ(Pixel(300 + 7, 60), kFelt);
}

TEST_F(TrackBarTest, ATrackNarrowerThanTheThumbOrNoStepsStillMovesByWholePixels) {
    bar.SetGeometry(100, 105, 50);
    EXPECT_EQ(bar.pixelsPerStep, 1);
    bar.maxValue = 0;
    bar.SetGeometry(100, 105, 50);
    EXPECT_EQ(bar.pixelsPerStep, 1);
    bar.maxValue = 20;
    bar.value = 0;
    ASSERT_TRUE(bar.MouseDown(105, 60));
    EXPECT_TRUE(bar.MouseMove(103, 0));
    EXPECT_EQ(bar.value, 3);
}

class TrackBar2Test : public WidgetTest {
protected:
    // A 16 × 30 thumb on a track from 100 to 400: it travels 270 pixels, 16 a step.
    TrackBar2Test() {
        bar.SetRange(600, 100, 400);
        bar.buttons.SetPos(CDxTrackBar2::kUpArrow, 620, 100);
        bar.buttons.SetPos(CDxTrackBar2::kDownArrow, 620, 400);
    }
    bool Click(int x, int y) {
        bar.MouseDown(x, y);
        return bar.MouseUp(x, y);
    }
    int ThumbTop() const { return bar.buttons.GetButton(CDxTrackBar2::kThumb)->y; }

    CDxTrackBar2 bar{"Graphic\\NetForm\\bar.bmp", "Graphic\\NetForm\\up.bmp",
                     "Graphic\\NetForm\\down.bmp"};
};

TEST_F(TrackBar2Test, HasSixteenStepsAndPlacesTheThumbAtTheTop) {
    CDxTrackBar2 fresh("Graphic\\NetForm\\bar.bmp", "Graphic\\NetForm\\up.bmp",
                       "Graphic\\NetForm\\down.bmp");
    EXPECT_EQ(fresh.steps, 16);
    EXPECT_EQ(fresh.position, 0);
    EXPECT_EQ(fresh.buttons.count, 3);
    EXPECT_EQ(bar.x, 599);
    EXPECT_EQ(bar.trackLength, 270);
    EXPECT_EQ(bar.pixelsPerStep, 16);
    EXPECT_EQ(ThumbTop(), 100);
}

TEST_F(TrackBar2Test, DraggingFollowsTheMouseAndStopsAtBothEnds) {
    ASSERT_TRUE(bar.MouseDown(605, 110));
    ASSERT_TRUE(bar.dragging);
    const struct {
        int y;
        bool changed;
        int position;
        int thumbTop;
    } path[] = {
        {149, true, 3, 148},  {150, false, 3, 148},
        {500, true, 16, 370}, {600, false, 16, 370},  // below the track: the last step
        {368, false, 16, 370},                        // 268 / 16 = 16: already there
        {300, true, 12, 292},
        {50, true, 0, 100},   {20, false, 0, 100},    // above the track: the first step
        {100, false, 0, 100},                         // on the top itself: nothing
    };
    for (const auto& m : path) {
        EXPECT_EQ(bar.MouseMove(605, m.y), m.changed) << m.y;
        EXPECT_EQ(bar.position, m.position) << m.y;
        EXPECT_EQ(ThumbTop(), m.thumbTop) << m.y;
    }
    EXPECT_TRUE(bar.MouseUp(605, 110));  // released over the thumb
    EXPECT_FALSE(bar.dragging);
}

TEST_F(TrackBar2Test, ArrowsStepWithinTheEndsAndReportEveryClick) {
    EXPECT_TRUE(Click(625, 105));  // up at 0
    EXPECT_EQ(bar.position, 0);
    EXPECT_TRUE(Click(625, 405));
    EXPECT_EQ(bar.position, 1);
    bar.position = 16;
    EXPECT_TRUE(Click(625, 405));  // down at the last step
    EXPECT_EQ(bar.position, 16);
    EXPECT_TRUE(Click(625, 105));
    EXPECT_EQ(bar.position, 15);
    bar.Draw();  // the thumb follows at the next draw
    EXPECT_EQ(ThumbTop(), 100 + 15 * 16);
    EXPECT_FALSE(Click(700, 500));
}

TEST_F(TrackBar2Test, EachBarTilesItsOwnTrack) {
    CDxTrackBar2 other("Graphic\\NetForm\\bar.bmp", "Graphic\\NetForm\\up.bmp",
                       "Graphic\\NetForm\\down.bmp");
    other.SetRange(200, 50, 150);
    auto tile = [&](int row) { return bar.track->Row(row % 16)[5]; };
    // This bar's track runs from 100 down past 400: 19 tiles of 16, the last past the end.
    bar.Draw();
    EXPECT_EQ(Pixel(604, 395), tile(395 - 100));
    EXPECT_EQ(Pixel(604, 403), tile(403 - 100));
    EXPECT_EQ(Pixel(204, 140), kFelt) << "nothing at the other bar's place";
    Fill(kFelt);
    other.Draw();
    EXPECT_EQ(Pixel(204, 140), tile(140 - 50));
    EXPECT_EQ(Pixel(604, 395), kFelt);
}

TEST_F(TrackBar2Test, AShortTrackOrAMissingTilePictureNeverDividesByZero) {
    bar.SetRange(600, 100, 110);  // shorter than the thumb
    EXPECT_EQ(bar.pixelsPerStep, 1);
    bar.steps = 0;  // one position: the whole track is its step
    bar.SetRange(600, 100, 400);
    EXPECT_EQ(bar.pixelsPerStep, 270);
    ASSERT_TRUE(bar.MouseDown(605, 110));
    EXPECT_FALSE(bar.MouseMove(605, 300));
    EXPECT_EQ(bar.position, 0);
    GReleaseSurface(&bar.track);
    bar.trackRect = {};
    bar.Draw();
    EXPECT_EQ(Pixel(604, 200), kFelt);
}

}  // namespace
