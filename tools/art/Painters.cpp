#include "tools/art/Painters.h"

#include <array>

namespace art {

namespace {

// Indexed by Art; the order follows the enumeration.
const std::array<Painter, static_cast<int>(Art::Count)> kPainters = {
    PaintStandingSheet, PaintLyingSheet, PaintFaceGrid, PaintLaidGrid, PaintBodySheet,
    PaintTileBackPicture, PaintTileBackStrip, PaintTiltedTile, PaintDrawAnimation, PaintDrawBase,
    PaintDiceSheet, PaintDiceThrow, PaintDiceFaces, PaintChips, PaintBanner, PaintScreen,
    PaintLogo, PaintDialog, PaintButtonStrip, PaintCheckBox, PaintEditField, PaintDigits,
    PaintSigns, PaintLevelMarks, PaintWindMarks, PaintLabel, PaintPlate, PaintPanel,
    PaintCenterPlate, PaintTurnArrow, PaintFlowerBox, PaintEffect, PaintSparkle, PaintPointer,
    PaintMouseCursor, PaintPortrait, PaintPortraitStrip, PaintSeatFigure, PaintLobbyTable,
    PaintSeatMarker, PaintExitWindow, PaintCornerMask, PaintForbid,
};

}  // namespace

Painter PainterFor(Art art) { return kPainters[static_cast<int>(art)]; }

}  // namespace art
