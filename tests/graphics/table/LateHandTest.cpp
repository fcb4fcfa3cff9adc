// Later in the hand, in the new style: the user's melds beside its standing row, the right-hand
// seat's four melds, a discard lying face down on the desk, the scores with their sign, and the
// frame saved as a PNG for a person to look at.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <vector>

#include "TableStage.h"
#include "graphics/GraphicsGlobals.h"
#include "graphics/TileCells.h"
#include "tests/support/PngWriter.h"

namespace {

using platform::testing::DrawRecorder;

std::vector<platform::Rect> PlacesFrom(const DrawRecorder& drawn, const platform::Surface* source) {
    std::vector<platform::Rect> out;
    for (const platform::DrawCall& call : drawn.From(source)) out.push_back(call.dst);
    return out;
}

// With one to four melds the user's standing row (13 − 3 × melds tiles and the drawn one)
// moves three tile steps right a meld; the melds beside it end before its first tile.
TEST(LateHand, TheUsersMeldsEndBeforeItsFirstStandingTile) {
    for (int melds = 1; melds <= 4; ++melds) {
        tabletest::Stage& stage = tabletest::LateHandWithMelds();
        CMjPlayer& own = stage.table->Player[0];
        for (int m = 0; m < melds; ++m) own.Gang[m] = own.Gang[m % 2];
        own.gangnum = melds;
        own.cardnum = 13 - 3 * melds;
        own.select = -1;
        own.Mj[own.cardnum] = own.newmj;
        DrawRecorder drawn(*lpDDSPla);
        stage.draw->DrawOwnTiles(&own, 0);
        stage.draw->DrawOwnHand(stage.table->Player);
        const std::vector<platform::Rect> laid = PlacesFrom(drawn, lpDDSNewOwnLaid[2]);
        ASSERT_EQ(laid.size(), static_cast<std::size_t>(3 * melds)) << melds;
        const std::vector<tabletest::Body> row = tabletest::TileBodies(drawn, *stage.draw);
        ASSERT_FALSE(row.empty());
        int firstTile = 800;
        for (const tabletest::Body& body : row) firstTile = std::min(firstTile, body.at.x);
        for (const platform::Rect& tile : laid) EXPECT_LE(tile.right, firstTile) << melds << " melds";
    }
}

// The user's second discard lies face down in its desk cell: the lying back of the tile-body
// sheet, stretched into the cell; the other discards show their faces.
TEST(LateHand, AHiddenDiscardLiesFaceDownOnTheDesk) {
    tabletest::Stage& stage = tabletest::LateHandWithMelds();
    const DeskCursor hidden = tabletest::HiddenDiscardCell(stage);
    ASSERT_EQ(hidden.a, 4);
    ASSERT_EQ(hidden.b, 5);
    DrawRecorder drawn(*lpDDSPla);
    stage.draw->DrawDesk();
    const std::vector<platform::DrawCall> backs = drawn.From(stage.draw->lpDDSPaiSheet);
    ASSERT_EQ(backs.size(), 1u);
    EXPECT_TRUE(tabletest::SameRect(backs[0].src, kLyingBack));
    int faces = 0;
    for (platform::Surface* sheet : lpDDSNewDiscard) {
        for (const platform::DrawCall& call : drawn.From(sheet)) {
            EXPECT_FALSE(tabletest::SameRect(call.dst, backs[0].dst)) << "a face in the hidden cell";
            ++faces;
        }
    }
    EXPECT_EQ(faces, 13);

    // Unmarked, the cell shows its tile again.
    stage.table->deskhidden[hidden.a * kDeskSize + hidden.b] = 0;
    drawn.Clear();
    stage.draw->DrawDesk();
    EXPECT_TRUE(drawn.From(stage.draw->lpDDSPaiSheet).empty());
}

bool Overlap(const platform::Rect& a, const platform::Rect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

bool OnTheFelt(const platform::Surface& room, int x, int y) {
    const std::uint16_t pixel = room.Row(y)[x];
    const int red = pixel >> 11;
    const int green = (pixel >> 6) & 0x1F;
    return green > red;
}

// The right-hand seat's four melds lie wider than its hidden tiles; with its last tile they
// still lie on the felt of the table picture and end above the row of claim buttons.
TEST(LateHand, TheRightSeatsFourMeldsStayOnTheFeltAboveTheClaimButtons) {
    tabletest::Stage& stage = tabletest::LateHandWithMelds();
    const int buttonRow = stage.draw->pButtons->GetButton(2)->y;
    DrawRecorder drawn(*lpDDSPla);
    stage.draw->DrawRightHand(&stage.table->Player[1], 0);
    const std::vector<platform::Rect> laid = PlacesFrom(drawn, lpDDSNewLaid[1]);
    ASSERT_EQ(laid.size(), 13u);
    for (const platform::Rect& tile : laid) {
        EXPECT_LE(tile.bottom, buttonRow) << tile.left << ", " << tile.top;
        for (const int x : {tile.left, tile.right - 1})
            for (const int y : {tile.top, tile.bottom - 1})
                EXPECT_TRUE(OnTheFelt(*stage.draw->lpDDSRoom, x, y)) << x << ", " << y;
    }
}

// The user's flower box, its flower and its count leave a full hand's first tile clear.
TEST(LateHand, TheUsersFlowerBoxLeavesAFullHandClear) {
    tabletest::Stage& stage = tabletest::MidHand();
    CMjPlayer& own = stage.table->Player[0];
    own.gangnum = 0;
    own.cardnum = 13;
    own.Mj[own.cardnum] = own.newmj;
    DrawRecorder drawn(*lpDDSPla);
    tabletest::Compose(stage);
    std::vector<platform::Rect> box;
    for (platform::Surface* picture : stage.draw->lpDDSFlower)
        for (const platform::Rect& r : PlacesFrom(drawn, picture))
            if (r.top >= 500) box.push_back(r);
    ASSERT_EQ(box.size(), 3u);
    for (const tabletest::Body& body : tabletest::TileBodies(drawn, *stage.draw)) {
        const platform::Rect tile{body.at.x, body.at.y, body.at.x + 55, body.at.y + 75};
        for (const platform::Rect& r : box)
            EXPECT_FALSE(Overlap(r, tile)) << r.left << ", " << r.top << " on " << body.at;
    }
}

TEST(LateHand, GoldenFrameWithMeldsAHiddenDiscardAndSignedScores) {
    tabletest::Stage& stage = tabletest::LateHandWithMelds();
    tabletest::Compose(stage);
    const std::filesystem::path png =
        std::filesystem::path(MJ_TEST_OUT_DIR) / "late_hand_melds_new_style.png";
    ASSERT_TRUE(testsupport::WritePng(*lpDDSPla, png.string()));
}

}  // namespace
