// Classic tables saved as PNGs for a person to look at.  The mid-hand table is the table
// tests' game, which that program saves in the new style (mid_hand_new_style.png): the pair is
// the one game as each choice of the start notice's style shows it.  The late hand shows long
// rivers and the dice.
#include <gtest/gtest.h>

#include <filesystem>

#include "ClassicStage.h"
#include "graphics/GraphicsGlobals.h"
#include "tests/support/PngWriter.h"

namespace {

void SaveFrame(tabletest::Stage& stage, const char* name) {
    tabletest::Compose(stage);
    const std::filesystem::path png = std::filesystem::path(MJ_TEST_OUT_DIR) / name;
    ASSERT_TRUE(testsupport::WritePng(*lpDDSPla, png.string()));
    EXPECT_EQ(lpDDSPla->Width(), 800);
    EXPECT_EQ(lpDDSPla->Height(), 600);
}

TEST(ClassicGoldenFrame, MidHandTableInTheClassicStyle) {
    SaveFrame(classictest::ClassicMidHand(), "mid_hand_classic.png");
}

// Two melds of the user's, four of the right-hand seat's, the user's second discard face down
// in its river; the new style's twin is late_hand_melds_new_style.png.
TEST(ClassicGoldenFrame, LateHandWithMeldsAndAHiddenDiscard) {
    SaveFrame(classictest::ClassicLateHandWithMelds(), "late_hand_melds_classic.png");
}

TEST(ClassicGoldenFrame, LateHandWithLongRiversAndTheDice) {
    SaveFrame(classictest::ClassicLateHand(), "late_hand_classic.png");
}

}  // namespace
