// The painters of the art generator, one per kind of picture, and the table that picks one.
// Each paints a whole picture of the file's size onto a transparent canvas.
#pragma once

#include "tools/art/AssetTable.h"

#include <QPainter>

namespace art {

using Painter = void (*)(QPainter& p, const AssetFile& file);

// The painter for a kind of picture.
Painter PainterFor(Art art);

// Tiles (TileSheets.cpp).
void PaintStandingSheet(QPainter& p, const AssetFile& f);
void PaintLyingSheet(QPainter& p, const AssetFile& f);
void PaintFaceGrid(QPainter& p, const AssetFile& f);
void PaintLaidGrid(QPainter& p, const AssetFile& f);
void PaintBodySheet(QPainter& p, const AssetFile& f);
void PaintTileBackPicture(QPainter& p, const AssetFile& f);
void PaintTileBackStrip(QPainter& p, const AssetFile& f);
void PaintTiltedTile(QPainter& p, const AssetFile& f);
void PaintDrawAnimation(QPainter& p, const AssetFile& f);
void PaintDrawBase(QPainter& p, const AssetFile& f);

// Buttons and widgets (ButtonPainter.cpp).
void PaintButtonStrip(QPainter& p, const AssetFile& f);
void PaintCheckBox(QPainter& p, const AssetFile& f);
void PaintEditField(QPainter& p, const AssetFile& f);

// Screens, dialogs and panels (DialogPainter.cpp).
void PaintScreen(QPainter& p, const AssetFile& f);
void PaintDialog(QPainter& p, const AssetFile& f);
void PaintPanel(QPainter& p, const AssetFile& f);
void PaintExitWindow(QPainter& p, const AssetFile& f);
void PaintCornerMask(QPainter& p, const AssetFile& f);
void PaintLogo(QPainter& p, const AssetFile& f);

// Portraits and figures (FigurePainter.cpp).
void PaintPortrait(QPainter& p, const AssetFile& f);
void PaintPortraitStrip(QPainter& p, const AssetFile& f);
void PaintFaceStrip(QPainter& p, const AssetFile& f);
void PaintSeatFigure(QPainter& p, const AssetFile& f);

// Dice, chips, banners, digits and marks (MarkPainter.cpp).
void PaintDiceSheet(QPainter& p, const AssetFile& f);
void PaintDiceThrow(QPainter& p, const AssetFile& f);
void PaintDiceFaces(QPainter& p, const AssetFile& f);
void PaintChips(QPainter& p, const AssetFile& f);
void PaintBanner(QPainter& p, const AssetFile& f);
void PaintDigits(QPainter& p, const AssetFile& f);
void PaintSigns(QPainter& p, const AssetFile& f);
void PaintLevelMarks(QPainter& p, const AssetFile& f);
void PaintWindMarks(QPainter& p, const AssetFile& f);
void PaintLabel(QPainter& p, const AssetFile& f);
void PaintPlate(QPainter& p, const AssetFile& f);
void PaintCenterPlate(QPainter& p, const AssetFile& f);
void PaintTurnArrow(QPainter& p, const AssetFile& f);
void PaintFlowerBox(QPainter& p, const AssetFile& f);
void PaintEffect(QPainter& p, const AssetFile& f);
void PaintSparkle(QPainter& p, const AssetFile& f);
void PaintPointer(QPainter& p, const AssetFile& f);
void PaintMouseCursor(QPainter& p, const AssetFile& f);
void PaintLobbyTable(QPainter& p, const AssetFile& f);
void PaintSeatMarker(QPainter& p, const AssetFile& f);
void PaintForbid(QPainter& p, const AssetFile& f);

// The lobby user list's marks (UserMarkPainter.cpp).
void PaintUserMarks(QPainter& p, const AssetFile& f);

}  // namespace art
