// The stage of the table drawing tests: one renderer set up from the built program folder
// (once per test program: its set-up fills the process-wide surface registry), in the new
// style or, built with MJ_STAGE_CLASSIC, the classic one; a headless table object, the table
// buttons and the chat log, and a mid-hand position that every test starts from and then
// changes where it needs to.
#pragma once

#include <cstdint>
#include <vector>

#include "engine/Mj.h"
#include "graphics/MjDraw.h"
#include "platform/DrawObserver.h"
#include "platform/testing/DrawRecorder.h"

namespace tabletest {

struct Stage {
    CMj* table;
    CMjDraw* draw;
};

// The stage, set up on first use; the table is put back into the mid-hand position and the
// renderer's per-frame state cleared.
Stage& MidHand();

// Composes one frame of the stage's table.
void Compose(Stage& stage);

// The mid-hand position in words:
// - seat 0: ten tiles (one of them the wild tile 5 bamboo, at position 8), a drawn tile
//   (9 dots), tile 4 raised, a pung of west laid down, two flowers;
// - seat 1 (right): ten tiles and a drawn one, a chow laid down, its chow banner up;
// - seat 2 (opposite): ten tiles, a kong of white laid down;
// - seat 3 (left): thirteen tiles, its discard (6 characters) in play, eight flowers;
// - the wild-tile rule on with 5 bamboo wild, the second rule family (MinFan 0);
// - the wall: stacks 18..25 taken, stack 26 and stack 0 with one tile, stack 71 taken, the
//   rest whole; a few discards on the desk; seat 1 the dealer; seat 0 to play.
constexpr int kOwnTiles = 10;
constexpr int kOwnSelected = 4;
constexpr int kOwnWild = 8;

bool SameRect(const platform::Rect& a, const platform::Rect& b);

// Where a recorded copy or blend put its picture's top-left corner.
struct At {
    int x;
    int y;
    bool operator==(const At& o) const { return x == o.x && y == o.y; }
};
std::ostream& operator<<(std::ostream& out, const At& at);

// The corners of the recorded calls drawing from `source` with the source rectangle `part`
// (any part when null), in call order.
std::vector<At> CornersOf(const platform::testing::DrawRecorder& drawn,
                          const platform::Surface* source, const platform::Rect* part = nullptr);

// The user's tiles as drawn: each body's corner and whether it was dimmed (blended).
struct Body {
    At at;
    bool dim;
    bool operator==(const Body& o) const { return at == o.at && dim == o.dim; }
};
std::ostream& operator<<(std::ostream& out, const Body& body);
std::vector<Body> TileBodies(const platform::testing::DrawRecorder& drawn, const CMjDraw& draw);

}  // namespace tabletest
