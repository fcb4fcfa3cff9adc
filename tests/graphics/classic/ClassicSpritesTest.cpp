// The classic tile sprites: which cell of which strip each tile takes, face down and empty
// tiles, the lying sheets' spare cell, the crop of covered rows, and tiles with no cell.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "ClassicStage.h"
#include "graphics/GraphicsGlobals.h"

namespace {

using classictest::DrawRecorder;
using classictest::T;
using platform::DrawKind;

struct SpriteCase {
    const char* what;
    std::function<void(CMjDraw&)> draw;
    // The picture and the cell drawn (cell -1: the whole picture), or nothing.
    std::function<const platform::Surface*(const CMjDraw&)> picture;
    int cell;
    DrawKind kind;
    int cropped;  // rows left out at the bottom
};

const SpriteCase kSpriteCases[] = {
    {"standing 7 dots", [](CMjDraw& d) { d.DrawStandingTile(T(7, 2), 5, 6, true); },
     [](const CMjDraw& d) { return d.lpDDSHandTiles; }, 24, DrawKind::BltFast, 0},
    {"standing face down", [](CMjDraw& d) { d.DrawStandingTile(T(7, 2), 5, 6, false); },
     [](const CMjDraw& d) { return d.lpDDSHandTiles; }, 27, DrawKind::BltFast, 0},
    {"the empty tile", [](CMjDraw& d) { d.DrawStandingTile(T(0, 0), 5, 6, true); },
     [](const CMjDraw& d) { return d.lpDDSHandTiles; }, 27, DrawKind::BltFast, 0},
    {"dimmed flower 8", [](CMjDraw& d) { d.DrawStandingTileDim(T(8, 4), 5, 6, true); },
     [](const CMjDraw& d) { return d.lpDDSHandTiles; }, 41, DrawKind::AlphaBlt, 0},
    {"dimmed face down", [](CMjDraw& d) { d.DrawStandingTileDim(T(8, 4), 5, 6, false); },
     [](const CMjDraw& d) { return d.lpDDSSeatHand[0]; }, -1, DrawKind::BltFast, 0},
    {"lying white, cropped", [](CMjDraw& d) { d.DrawLyingTile(T(7, 3), 3, 5, 6, true); },
     [](const CMjDraw& d) { return d.lpDDSLaidTiles[3]; }, 33, DrawKind::BltFast, 8},
    {"lying suit 8", [](CMjDraw& d) { d.DrawLyingTile(T(1, 8), 1, 5, 6, false); },
     [](const CMjDraw& d) { return d.lpDDSLaidTiles[1]; }, 42, DrawKind::BltFast, 0},
    {"lying suit 6 from the first cell", [](CMjDraw& d) { d.DrawLyingTile(T(3, 6), 2, 5, 6, false); },
     [](const CMjDraw& d) { return d.lpDDSLaidTiles[2]; }, 2, DrawKind::BltFast, 0},
    {"dimmed lying east", [](CMjDraw& d) { d.DrawLyingTileDim(T(1, 3), 0, 5, 6, false); },
     [](const CMjDraw& d) { return d.lpDDSLaidTiles[0]; }, 27, DrawKind::AlphaBlt, 0},
    {"river 1 bamboo, cropped", [](CMjDraw& d) { d.DrawRiverTile(T(1, 1), 5, 6, true); },
     [](const CMjDraw& d) { return d.lpDDSDeskTiles; }, 9, DrawKind::BltFast, 8},
    {"dimmed river flower 1", [](CMjDraw& d) { d.DrawRiverTileDim(T(1, 4), 5, 6); },
     [](const CMjDraw& d) { return d.lpDDSDeskTiles; }, 34, DrawKind::AlphaBlt, 0},
    {"river suit 5", [](CMjDraw& d) { d.DrawRiverTile(T(1, 5), 5, 6, false); }, nullptr, 0,
     DrawKind::BltFast, 0},
    {"lying suit 8 past the strip", [](CMjDraw& d) { d.DrawLyingTile(T(8, 8), 1, 5, 6, false); },
     nullptr, 0, DrawKind::BltFast, 0},
    {"standing honour 8", [](CMjDraw& d) { d.DrawStandingTile(T(8, 3), 5, 6, true); }, nullptr, 0,
     DrawKind::BltFast, 0},
};

TEST(ClassicSprites, EachTileTakesItsCell) {
    tabletest::Stage& stage = classictest::ClassicMidHand();
    CMjDraw& d = *stage.draw;
    for (const SpriteCase& c : kSpriteCases) {
        DrawRecorder drawn(*lpDDSPla);
        c.draw(d);
        if (!c.picture) {
            EXPECT_TRUE(drawn.Calls().empty()) << c.what;
            continue;
        }
        ASSERT_EQ(drawn.Calls().size(), 1u) << c.what;
        const platform::DrawCall& call = drawn.Calls()[0];
        const platform::Surface* picture = c.picture(d);
        EXPECT_EQ(call.source, picture) << c.what;
        EXPECT_EQ(call.kind, c.kind) << c.what;
        if (c.kind == DrawKind::AlphaBlt) {
            EXPECT_EQ(call.flags, 120u) << c.what;
        }
        EXPECT_EQ(classictest::CornerOf(call), classictest::At({5, 6})) << c.what;
        const int w = c.cell < 0 ? picture->Width() : picture->Width() / 43;
        const int left = c.cell < 0 ? 0 : w * c.cell;
        EXPECT_TRUE(tabletest::SameRect(call.src, {left, 0, left + w, picture->Height() - c.cropped}))
            << c.what;
    }
}

}  // namespace
