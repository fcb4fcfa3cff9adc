// The new-style walls, the desk between them, the object in flight and the dice: where each
// piece is drawn, and the wall-stack places the flights from the wall start at.
#include <gtest/gtest.h>

#include <vector>

#include "TableStage.h"
#include "graphics/GraphicsGlobals.h"

namespace {

using platform::testing::DrawRecorder;
using tabletest::At;

struct Piece {
    platform::Rect src;
    platform::Rect dst;
};

// The pieces of wall picture `side` drawn with a top-left corner at `at`.
std::vector<Piece> PiecesAt(const DrawRecorder& drawn, const platform::Surface* wall, At at) {
    std::vector<Piece> out;
    for (const platform::DrawCall& call : drawn.From(wall))
        if (call.dst.left == at.x && call.dst.top == at.y) out.push_back({call.src, call.dst});
    return out;
}

// The stacks at the ends of each wall, as the stage's heights leave them (stack 0 and 26 one
// tile, 18..25 and 71 none, the rest two), with the place stored for the flights and the
// pieces drawn there: lower first, the upper one 8 (far), 11 (sides) or 10 (near) higher.
struct StackCase {
    int stack;
    int side;
    At place;
    std::vector<Piece> pieces;  // lower, then upper
};

const StackCase kBoundaryStacks[] = {
    // The far wall from (270, 252), 13.6 apart, cut from its 27-wide perspective cells (the
    // cell is the stack's position, at most 13), shrunk to 20 × 20.
    {36, 2, {270, 252}, {{{0, 0, 27, 28}, {270, 252, 290, 272}}, {{0, 0, 27, 28}, {270, 244, 290, 264}}}},
    {53, 2, {501, 252}, {{{351, 0, 378, 28}, {501, 252, 521, 272}}, {{351, 0, 378, 28}, {501, 244, 521, 264}}}},
    // The left wall from (224, 246) down to the left, growing from 0.74 to 1.08.
    {35, 3, {224, 246}, {{{0, 0, 34, 26}, {224, 246, 244, 261}}, {{0, 0, 34, 26}, {224, 235, 244, 250}}}},
    {26, 3, {160, 324}, {{{0, 0, 34, 26}, {160, 324, 185, 343}}}},
    {18, 3, {93, 408}, {}},
    // The right wall from (552, 244) down to the right; both pieces of a stack at one scale.
    {54, 1, {552, 244}, {{{0, 0, 34, 26}, {552, 244, 572, 259}}, {{0, 0, 34, 26}, {552, 233, 572, 248}}}},
    {71, 1, {667, 406}, {}},
    // The near wall from (229, 428), 19 apart, copied at full size.
    {17, 0, {229, 428}, {{{0, 0, 31, 31}, {229, 428, 260, 459}}, {{0, 0, 31, 31}, {229, 418, 260, 449}}}},
    {0, 0, {552, 428}, {{{403, 0, 434, 31}, {552, 428, 583, 459}}}},
};

TEST(WallStacks, BoundaryStacksAndEmptyOnes) {
    tabletest::Stage& stage = tabletest::MidHand();
    DrawRecorder drawn(*lpDDSPla);
    stage.draw->DrawWallStacks(stage.table->stackheight, stage.table);
    for (const StackCase& c : kBoundaryStacks) {
        const MjPoint place = stage.draw->WallStackPos[c.stack];
        EXPECT_EQ(At({place.x, place.y}), c.place) << "stack " << c.stack;
        std::vector<Piece> pieces = PiecesAt(drawn, stage.draw->lpDDSWall[c.side], c.place);
        const At upper{c.place.x, c.place.y - (c.side == 2 ? 8 : c.side == 0 ? 10 : 11)};
        for (const Piece& p : PiecesAt(drawn, stage.draw->lpDDSWall[c.side], upper)) pieces.push_back(p);
        ASSERT_EQ(pieces.size(), c.pieces.size()) << "stack " << c.stack;
        for (std::size_t i = 0; i < pieces.size(); ++i) {
            EXPECT_TRUE(tabletest::SameRect(pieces[i].src, c.pieces[i].src)) << "stack " << c.stack;
            EXPECT_TRUE(tabletest::SameRect(pieces[i].dst, c.pieces[i].dst)) << "stack " << c.stack;
        }
    }
}

// 72 stacks less the nine taken ones, two pieces for each whole stack.
TEST(WallStacks, EveryStackHasAPlaceAndTheWallsFrameTheDesk) {
    tabletest::Stage& stage = tabletest::MidHand();
    DrawRecorder drawn(*lpDDSPla);
    stage.draw->DrawWallStacks(stage.table->stackheight, stage.table);
    int pieces = 0;
    for (platform::Surface* wall : stage.draw->lpDDSWall) pieces += static_cast<int>(drawn.From(wall).size());
    EXPECT_EQ(pieces, 2 * (72 - 9 - 2) + 2);
    for (int i = 0; i < 72; ++i) {
        const MjPoint p = stage.draw->WallStackPos[i];
        EXPECT_TRUE(p.x > 0 && p.x < 800 && p.y > 0 && p.y < 600) << "stack " << i;
    }
    // The desk lies between the far walls and the near wall.
    const auto& calls = drawn.Calls();
    std::size_t firstDesk = calls.size(), lastSide = 0, firstNear = calls.size();
    for (std::size_t i = 0; i < calls.size(); ++i) {
        const platform::Surface* src = calls[i].source;
        if (src == stage.draw->lpDDSWall[1] || src == stage.draw->lpDDSWall[3]) lastSide = i;
        for (platform::Surface* sheet : lpDDSNewDiscard)
            if (src == sheet && firstDesk == calls.size()) firstDesk = i;
        if (src == stage.draw->lpDDSWall[0] && firstNear == calls.size()) firstNear = i;
    }
    EXPECT_LT(lastSide, firstDesk);
    EXPECT_LT(firstDesk, firstNear);
}

TEST(WallStacks, FarAndNearWallsDrawTheMiddleStacksLast) {
    tabletest::Stage& stage = tabletest::MidHand();
    DrawRecorder drawn(*lpDDSPla);
    stage.draw->DrawWallStacks(stage.table->stackheight, stage.table);
    std::vector<int> nearX;
    for (const platform::DrawCall& call : drawn.From(stage.draw->lpDDSWall[0]))
        if (call.dst.top == 428) nearX.push_back(call.dst.left);
    const std::vector<int> expected = {229, 248, 267, 286, 305, 324, 343, 362, 381,
                                       552, 533, 514, 495, 476, 457, 438, 419, 400};
    EXPECT_EQ(nearX, expected);
}

class Flight : public ::testing::Test {
protected:
    tabletest::Stage& stage = tabletest::MidHand();
    DrawRecorder drawn{*lpDDSPla};

    void Fly(std::uint8_t kind) {
        stage.draw->nAnimKind = kind;
        stage.draw->FlightPos = {300, 200};
        tabletest::Compose(stage);
        stage.draw->nAnimKind = CMjDraw::kAnimNone;
    }
    // The fast copies from a desk sheet: the desk itself draws its tiles stretched.
    std::vector<platform::DrawCall> CopiesFrom(const platform::Surface* sheet) const {
        std::vector<platform::DrawCall> out;
        for (const platform::DrawCall& call : drawn.From(sheet))
            if (call.kind == platform::DrawKind::BltFast) out.push_back(call);
        return out;
    }
};

// A flying discard is its cell of the fourth desk sheet, cut by the first sheet's cells.
TEST_F(Flight, TileFliesFromTheFourthDeskSheet) {
    stage.draw->FlyMj = {4, 2};
    Fly(CMjDraw::kAnimTileFlight);
    const std::vector<platform::DrawCall> calls = CopiesFrom(lpDDSNewDiscard[3]);
    ASSERT_EQ(calls.size(), 1u);
    const int cw = rcNewDiscard[0].right / 9;
    const int ch = rcNewDiscard[0].bottom / 4;
    EXPECT_TRUE(tabletest::SameRect(calls[0].src, {3 * cw, 2 * ch, 4 * cw, 3 * ch}));
    EXPECT_EQ(At({calls[0].dst.left, calls[0].dst.top}), At({300, 200}));
}

TEST_F(Flight, AFlowerHasNoCellAndDrawsNothing) {
    stage.draw->FlyMj = {3, 4};
    Fly(CMjDraw::kAnimTileFlight);
    EXPECT_TRUE(CopiesFrom(lpDDSNewDiscard[3]).empty());
}

TEST_F(Flight, WallPieceFliesAsPerspectiveCellSix) {
    stage.draw->nWallSide = 0;
    Fly(CMjDraw::kAnimWallFlight);
    const std::vector<Piece> at = PiecesAt(drawn, stage.draw->lpDDSWall[0], {300, 200});
    ASSERT_EQ(at.size(), 1u);
    EXPECT_TRUE(tabletest::SameRect(at[0].src, {186, 0, 217, 31}));
}

TEST_F(Flight, ChipsFly) {
    Fly(CMjDraw::kAnimChips);
    EXPECT_EQ(tabletest::CornersOf(drawn, stage.draw->lpDDSChips), std::vector<At>({{300, 200}}));
}

// The dice: the throw frame of the step while they fly; then the faces, value v in cell v − 1,
// 10 and 90 pixels in from where the throw ended.
TEST(Dice, ThrowFramesThenFaces) {
    tabletest::Stage& stage = tabletest::MidHand();
    CMjDraw& draw = *stage.draw;
    draw.nAnimKind = CMjDraw::kAnimDice;
    draw.nFlightStep = 4;
    draw.FlightPos = {468, 90};
    DrawRecorder drawn(*lpDDSPla);
    draw.DrawDice();
    ASSERT_EQ(drawn.From(draw.lpDDSDice).size(), 1u);
    EXPECT_TRUE(tabletest::SameRect(drawn.From(draw.lpDDSDice)[0].src, {528, 0, 660, 75}));

    drawn.Clear();
    draw.nAnimKind = CMjDraw::kAnimNone;
    draw.bDiceShown = 1;
    draw.nDice1 = 1;
    draw.nDice2 = 6;
    draw.FlightPos = {380, 310};
    draw.DrawDice();
    const std::vector<platform::DrawCall> faces = drawn.From(draw.lpDDSDiceFaces);
    ASSERT_EQ(faces.size(), 2u);
    EXPECT_TRUE(tabletest::SameRect(faces[0].src, {0, 0, 40, 40}));
    EXPECT_EQ(At({faces[0].dst.left, faces[0].dst.top}), At({390, 318}));
    EXPECT_TRUE(tabletest::SameRect(faces[1].src, {200, 0, 240, 40}));
    EXPECT_EQ(At({faces[1].dst.left, faces[1].dst.top}), At({470, 318}));

    drawn.Clear();
    draw.nDice2 = 7;
    draw.DrawDice();
    EXPECT_EQ(drawn.From(draw.lpDDSDiceFaces).size(), 1u) << "a die outside 1..6 has no face";
}

}  // namespace
