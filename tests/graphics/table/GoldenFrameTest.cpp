// The mid-hand table in the new style, saved as a PNG for a person to look at.
#include <gtest/gtest.h>

#include <filesystem>

#include "TableStage.h"
#include "graphics/GraphicsGlobals.h"
#include "tests/support/PngWriter.h"

namespace {

TEST(GoldenFrame, MidHandTableInTheNewStyle) {
    tabletest::Stage& stage = tabletest::MidHand();
    tabletest::Compose(stage);
    const std::filesystem::path png = std::filesystem::path(MJ_TEST_OUT_DIR) / "mid_hand_new_style.png";
    ASSERT_TRUE(testsupport::WritePng(*lpDDSPla, png.string()));
    EXPECT_EQ(lpDDSPla->Width(), 800);
    EXPECT_EQ(lpDDSPla->Height(), 600);
}

}  // namespace
