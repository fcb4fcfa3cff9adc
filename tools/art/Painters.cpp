#include "tools/art/Painters.h"

#include <iterator>

namespace art {

namespace {

// Indexed by Art; the order follows the enumeration.
const Painter kPainters[] = {
    PaintStandingSheet, PaintLyingSheet, PaintFaceGrid, PaintLaidGrid, PaintBodySheet,
    PaintTileBackPicture, PaintTileBackStrip, PaintTiltedTile, PaintDrawAnimation, PaintDrawBase,
    PaintDiceSheet, PaintDiceThrow, PaintDiceFaces, PaintChips, PaintBanner, PaintScreen,
    PaintLogo, PaintDialog, PaintButtonStrip, PaintCheckBox, PaintEditField, PaintDigits,
    PaintSigns, PaintLevelMarks, PaintWindMarks, PaintLabel, PaintPlate, PaintPanel,
    PaintCenterPlate, PaintTurnArrow, PaintFlowerBox, PaintEffect, PaintSparkle, PaintPointer,
    PaintMouseCursor, PaintPortrait, PaintPortraitStrip, PaintFaceStrip,
    PaintSeatFigure, PaintLobbyTable,
    PaintSeatMarker, PaintExitWindow, PaintCornerMask, PaintForbid, PaintUserMarks,
};
static_assert(std::size(kPainters) == static_cast<std::size_t>(Art::Count),
              "one painter per kind of picture");

}  // namespace

Painter PainterFor(Art art) { return kPainters[static_cast<int>(art)]; }

}  // namespace art
