// The row of claim buttons late in the hand, in the style the test program draws: with every
// claim button shown, the right-hand seat's full river, its four melds and the full wall on its
// side lie clear of the buttons, and the buttons stand clear of the user's hand.  The frame is
// saved as a PNG for a person to look at.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "TableStage.h"
#include "graphics/GraphicsGlobals.h"
#include "tests/support/PngWriter.h"
#include "ui/BitButtonArray.h"

namespace {

using platform::testing::DrawRecorder;

// The claim row: 过, 吃, 碰, 杠, 听 and 胡.
constexpr int kClaimButtons[] = {3, 12, 0, 1, 22, 2};

// The right-hand seat's wall side: stacks 54 to 71.
constexpr int kRightWallFirst = 54;
constexpr int kRightWallLast = 71;

// Discards enough to fill the right-hand seat's edge of the new style's desk and to run its
// classic river up several columns.
constexpr int kRightDiscards = 27;

#if MJ_STAGE_CLASSIC
constexpr char kStyleName[] = "classic";
#else
constexpr char kStyleName[] = "new_style";
#endif

// The pictures the right-hand seat's discards, melds and its side's wall are drawn from: the
// classic lying tiles (river and melds) and wall pieces of seat 1, or the new style's desk
// sheets, its lying tiles of seat 1 and right wall.
std::vector<const platform::Surface*> RightSeatPieces(const CMjDraw& draw) {
#if MJ_STAGE_CLASSIC
    return {draw.lpDDSLaidTiles[1], draw.lpDDSWallStack[1]};
#else
    std::vector<const platform::Surface*> pieces(std::begin(lpDDSNewDiscard),
                                                 std::end(lpDDSNewDiscard));
    pieces.push_back(lpDDSNewLaid[1]);
    pieces.push_back(draw.lpDDSWall[1]);
    return pieces;
#endif
}

bool Overlap(const platform::Rect& a, const platform::Rect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

std::string Text(const platform::Rect& r) {
    return std::to_string(r.left) + ", " + std::to_string(r.top) + " - " +
           std::to_string(r.right) + ", " + std::to_string(r.bottom);
}

// The right-hand seat's river and its side of the wall full.
void FillRightSide(tabletest::Stage& stage) {
    CMjPlayer& right = stage.table->Player[1];
    right.rivernum = kRightDiscards;
    for (int i = 0; i < kRightDiscards; ++i) {
        right.River[i] = tagMj{static_cast<signed char>(i % 9 + 1), static_cast<signed char>(i / 9 % 3)};
        stage.draw->AddDeskTile(&right, 1, right.River[i]);
    }
    for (int i = kRightWallFirst; i <= kRightWallLast; ++i) stage.table->stackheight[i] = 2;
}

TEST(ClaimRow, ClearsTheRightSeatsRiverMeldsAndWallAndTheUsersHand) {
    tabletest::Stage& stage = tabletest::LateHandWithMelds();
    const int river = stage.table->Player[1].rivernum;
    FillRightSide(stage);
    CBitButtonArray& buttons = *stage.draw->pButtons;
    for (int id : kClaimButtons) buttons.GetButton(id)->visible = 1;
    DrawRecorder drawn(*lpDDSPla);
    tabletest::Compose(stage);
    for (int id : kClaimButtons) buttons.GetButton(id)->visible = 0;
    const std::filesystem::path png = std::filesystem::path(MJ_TEST_OUT_DIR) /
                                      ("claim_row_late_hand_" + std::string(kStyleName) + ".png");
    EXPECT_TRUE(testsupport::WritePng(*lpDDSPla, png.string()));
    stage.table->Player[1].rivernum = river;

    std::vector<platform::DrawCall> pieces;
    for (const platform::Surface* picture : RightSeatPieces(*stage.draw))
        for (const platform::DrawCall& call : drawn.From(picture)) pieces.push_back(call);
    ASSERT_GT(pieces.size(), static_cast<std::size_t>(kRightDiscards));
    for (int id : kClaimButtons) {
        const std::vector<platform::DrawCall> shown = drawn.From(buttons.GetButton(id)->picture);
        ASSERT_EQ(shown.size(), 1u) << "button " << id;
        const platform::Rect& button = shown[0].dst;
        EXPECT_LE(button.bottom, stage.draw->OwnHandAnchor.y) << "button " << id << " on the hand";
        for (const platform::DrawCall& piece : pieces)
            EXPECT_FALSE(Overlap(piece.dst, button))
                << "button " << id << " at " << Text(button) << " over " << piece.sourceName
                << " at " << Text(piece.dst);
    }
}

}  // namespace
