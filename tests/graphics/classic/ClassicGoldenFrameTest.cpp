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

TEST(ClassicGoldenFrame, LateHandWithLongRiversAndTheDice) {
    SaveFrame(classictest::ClassicLateHand(), "late_hand_classic.png");
}

}  // namespace
