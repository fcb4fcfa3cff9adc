// The mid-hand table in the classic style, saved as a PNG for a person to look at.  The table
// tests' program saves the same game in the new style (mid_hand_new_style.png): the pair is
// the one game as each choice of the start notice's style shows it.
#include <gtest/gtest.h>

#include <filesystem>

#include "ClassicStage.h"
#include "graphics/GraphicsGlobals.h"
#include "tests/support/PngWriter.h"

namespace {

TEST(ClassicGoldenFrame, MidHandTableInTheClassicStyle) {
    tabletest::Stage& stage = classictest::ClassicMidHand();
    tabletest::Compose(stage);
    const std::filesystem::path png = std::filesystem::path(MJ_TEST_OUT_DIR) / "mid_hand_classic.png";
    ASSERT_TRUE(testsupport::WritePng(*lpDDSPla, png.string()));
    EXPECT_EQ(lpDDSPla->Width(), 800);
    EXPECT_EQ(lpDDSPla->Height(), 600);
}

}  // namespace
