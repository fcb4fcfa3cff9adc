// A table to draw: one renderer, new style or classic, set up from a program folder that holds the built
// pictures (once per program: its set-up fills the process-wide surface registry), a headless
// table object, the table buttons and the chat log, and a mid-hand position that every use
// starts from and then changes where it needs to.
#pragma once

#include <string>

#include "engine/Mj.h"
#include "graphics/MjDraw.h"

namespace tabletest {

struct Stage {
    CMj* table;
    CMjDraw* draw;
};

// The table style the stage is set up in (the start notice's choice).
enum class TableStyle { NewStyle, Classic };

// The stage, set up on first use in `programFolder` and `style` (later calls keep the first
// folder and style); the table is put back into the mid-hand position and the renderer's
// per-frame state cleared.
Stage& MidHand(const std::string& programFolder, TableStyle style = TableStyle::NewStyle);

// Composes one frame of the stage's table on the composition surface.
void Compose(Stage& stage);

// The mid-hand position in words:
// - seat 0: ten tiles (one of them the wild tile 5 bamboo, at position 8), a drawn tile
//   (9 dots), tile 4 raised, a pung of west laid down, two flowers;
// - seat 1 (right): ten tiles and a drawn one, a chow laid down, its chow banner up;
// - seat 2 (opposite): ten tiles, a kong of white laid down, one flower;
// - seat 3 (left): thirteen tiles, its discard (6 characters) in play, eight flowers;
// - the wild-tile rule on with 5 bamboo wild, the second rule family (MinFan 0);
// - the wall: stacks 18..25 taken, stack 26 and stack 0 with one tile, stack 71 taken, the
//   rest whole; a few discards on the desk; seat 1 the dealer; seat 0 to play.
constexpr int kOwnTiles = 10;
constexpr int kOwnSelected = 4;
constexpr int kOwnWild = 8;

}  // namespace tabletest
