// The table of every picture the art generator lays into the program folder: the path the
// game loads it by, the size and cell layout the drawing code relies on, and the painter that
// makes it.  Paths are game paths (GBK, backslashes, relative to the program folder), so the
// loading code can check its own paths against this table.
#pragma once

#include <string>
#include <vector>

namespace art {

// Which painter draws a picture; the generator keeps one painter per kind.
enum class Art {
    TilesStanding,   // 43 upright tiles of a hand, face visible
    TilesLying,      // 43 face-up tiles lying on the table (variant: seat 0..3)
    TileFaceGrid,    // faces only, 9 columns (value) by rows (suit)
    TileLaidGrid,    // face-up tiles with body, 9 x 4 (variant: seat; 10 + n desk sheet n)
    TileBodySheet,   // the new-style tile bodies (blank upright body at x 330..385)
    TileBack,        // one tile back (variant: TileBackView)
    TileBackStrip,   // cells of tile backs in perspective steps (variant: TileBackView)
    TiltedTile,      // one tile tipping over
    DrawAnimation,   // tile drawn from the wall, frames 136 apart
    DrawBase,        // the tray under the classic draw animation
    DiceSheet,       // 33 x 33 cells: six faces then throw frames
    DiceThrow,       // two dice tumbling, 132 x 75 frames
    DiceFaces,       // die faces 1..6 in cells
    Chips,           // a stack of chips (colour-key source of the classic style)
    Banner,          // claim banner with one large character
    Screen,          // 800 x 600 background (variant: ScreenLook)
    Logo,            // the start-up logo
    Dialog,          // dialog background with a title (variant: DialogLook)
    Button,          // five-frame button strip with a caption (variant: ButtonShape)
    CheckBox,        // variant 0 unchecked, 1 checked
    EditField,       // text edit frame
    Digits,          // ten digit cells (variant: DigitLook)
    Signs,           // plus and minus cells
    LevelMarks,      // 20 level marks
    WindMarks,       // four cells: the winds (variant: WindLook)
    Label,           // a small plate with a caption (variant: LabelLook)
    Plate,           // panel plate (variant: 0 classic bar, 1 seat plate)
    Panel,           // plain translucent-looking panel (chat, pop-up, input)
    CenterPlate,     // the centre of the classic table
    TurnArrow,       // turn marker pointing at a seat (family index 2..5)
    FlowerBox,       // flower box (variant 0 box, 1 icon, 2 count: index - 2)
    Effect,          // flower-replacement effect frame (family index)
    Sparkle,         // four sparkle cells
    Pointer,         // the turn pointer
    MouseCursor,     // the program's mouse cursor
    Portrait,        // 140 x 226 portrait (family index 1..12; variant 13 male, 14 female)
    PortraitStrip,   // 12 portraits in cells
    FaceStrip,       // 12 faces in small cells, each face filling its cell
    SeatFigure,      // two halves of a seated figure (variant: FigureView)
    LobbyTable,      // lobby table (variant 0 free, 1 in game)
    SeatMarker,      // empty lobby seat (variant: seat 0..3)
    ExitWindow,      // the exit window's picture
    CornerMask,      // the exit window's corner mask (family index 1..4)
    Forbid,          // the forbidden-choice mark
    UserMarks,       // the user list's marks: member, in the lobby, seated, ready, playing
    Count
};

// Tile-back pictures: a view, plus NewStyleTiles for the new style's colours.
constexpr int NewStyleTiles = 0x100;
enum TileBackView { BackStanding, BackSide, BackWallSide, BackWallFront, BackPerspOwn,
                    BackPerspSide, BackPerspOpposite, BackOwnSmall };
enum ScreenLook { ScreenFelt, ScreenWood, ScreenLoading, ScreenMenu, ScreenLobby, ScreenNames,
                  ScreenLogin, ScreenSignUp, ScreenSlots };
// Dialog pictures: square or with rounded corners keyed; the options dialog with its labels;
// the score sheet on dark paper for its white and orange text.
enum DialogLook { DialogSquare, DialogRounded, DialogOptions, DialogScore };
enum ButtonShape { ButtonPlain, ButtonRound, ButtonArrowUp, ButtonArrowDown, ButtonArrowLeft,
                   ButtonArrowRight, ButtonClose, ButtonGdi, ButtonGdiClose, ButtonThumb,
                   ButtonClaim, ButtonItem };
enum DigitLook { DigitsGold, DigitsScore, DigitsLed, DigitsSmall };
enum WindLook { WindsRound, WindsSeat, WindsPlate, WindsPosition };
enum LabelLook { LabelRed, LabelGreen, LabelGold, LabelGrey, LabelTitle };
enum FigureView { FigureUpRole, FigureUpPose, FigureLeftRole, FigureLeftPose, FigureRightRole,
                  FigureRightPose };

// One row of the table.  A family row stands for the files first..last: the path holds "{}"
// where the number goes (decimal, no leading zeros).
struct AssetEntry {
    const char* path;    // game path, GBK
    int first, last;     // family numbers; 0, 0 for a single file
    int width, height;   // size of the whole picture
    int cols, rows;      // cell grid (1, 1 for a single picture)
    Art art;
    int variant;
    const char* label;   // caption drawn on the picture, UTF-8; may be empty
    bool keyed;          // transparent pixels are the colour key
    bool gif;            // written as GIF instead of BMP
};

// One file of the table with its family number filled in.
struct AssetFile {
    std::string path;    // game path, GBK
    int index;           // family number (0 for single files)
    int width, height;   // size of this file (families may grow with their number)
    const AssetEntry* entry;
};

// The table as written.
const std::vector<AssetEntry>& AssetTable();
// Every file the table stands for, families expanded, in table order.
std::vector<AssetFile> ExpandAssetTable();
// The file on disk for a game path below the given folder: '\' becomes '/', GBK becomes UTF-8.
// Case is kept as written (two names that differ only in case are two files).
std::string AssetDiskPath(const std::string& folder, const std::string& gbkPath);

}  // namespace art
