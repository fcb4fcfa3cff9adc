// The table drawing tests' stage (testsupport/graphics/MidHandTable.h) in a folder of the
// test's own, and what the tests read from the recorded draw calls.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/DrawObserver.h"
#include "platform/testing/DrawRecorder.h"
#include "testsupport/graphics/MidHandTable.h"

namespace tabletest {

// The stage in mid-hand, in a program folder of the running test's own that sees the built
// pictures (the renderer writes its settings there; tests run side by side); in the new style,
// or the classic one when built with MJ_STAGE_CLASSIC.
Stage& MidHand();

// Later in the hand, on the mid-hand stage: the user holds seven tiles and the drawn one
// beside two melds (the pung of west and a chow of 2, 3, 4 dots); the right-hand seat holds one
// tile beside four melds (a chow, a pung, a kong, a pung); the user's second discard lies face
// down (the hide item); the user's score is −250 and the opposite seat's 0.
Stage& LateHandWithMelds();
// The desk cell of the user's face-down discard.
DeskCursor HiddenDiscardCell(const Stage& stage);

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
