// The table renderer: one instance lives inside the table object for the whole run.  It owns
// every table picture (the graphics catalogue of its style), the ripple height maps and the desk
// grid, computes the fixed screen layout once, and composes and presents each frame.
//
// Two table styles exist, chosen before the set-up and fixed for the run: the classic style
// (flat, pictures directly under `Graphic\`) and the new style (3D view, most pictures under
// `Graphic\NewStyle\` and `Graphic\MainForm\`).  `bClassic` is the inverse of `bNewStyle` at
// construction.
//
// Seat arrays are indexed by seat: 0 the user (bottom), 1 the next seat (right), 2 the opposite
// seat (top), 3 the previous seat (left).  Wall arrays are indexed by side the same way.
//
// The renderer's work is split by concern: MjDrawSetup.cpp (construction, the windowed set-up,
// the catalogue, the logo fade, destruction), MjLayout.cpp (the screen layout), MjDesk.cpp (the
// desk grid's placement and drawing), MjFrame.cpp (frames and their presentation), MjTable.cpp
// (the table composition) and Ripple.cpp (the water ripple).
#pragma once

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <vector>

#include "graphics/DeskGrid.h"
#include "platform/Blit.h"
#include "platform/Rect.h"
#include "platform/Surface.h"
#include "rules/Tile.h"

class CMj;
class CMjPlayer;
class CBitButtonArray;

// A screen position of the layout, in pixels of the 800 × 600 composition surface.
struct MjPoint {
    int x = 0;
    int y = 0;
};
inline MjPoint operator+(MjPoint a, MjPoint b) { return {a.x + b.x, a.y + b.y}; }
inline MjPoint operator*(MjPoint a, int k) { return {a.x * k, a.y * k}; }

// A cell size of a tile sheet.
struct MjSize {
    int w = 0;
    int h = 0;
};

// Where a table style puts the seats' flower boxes: each seat's box, and the flower icon and
// the count picture from the box's corner.
struct FlowerBoxPlaces {
    MjPoint box[4];
    MjPoint icon;
    MjPoint count;
};

// What presenting a frame reports: the frame is shown, or the display lost its surfaces.
constexpr long kPresentOk = 0;
constexpr long kSurfaceLost = static_cast<long>(0x887601C2L);

class CMjDraw {
public:
    // Animations the composition draws (`nAnimKind`).
    static constexpr std::uint8_t kAnimNone = 0;
    static constexpr std::uint8_t kAnimChips = 1;       // chips flying
    static constexpr std::uint8_t kAnimDice = 2;        // dice being thrown
    static constexpr std::uint8_t kAnimTileFlight = 3;  // a tile to a river, the desk or a meld
    static constexpr std::uint8_t kAnimWallFlight = 4;  // a tile from the wall
    // Where the menu's pop-up panel ("Graphic\NewStyle\弹出.bmp") stands behind its entries.
    static constexpr MjPoint kMenuPanelAt{718, 231};
    // The top of the row of claim buttons above the user's hand: low enough that the desk's
    // near row (down to y 428) shows whole, high enough that the 42-pixel buttons end above
    // the user's standing tiles (from y 472 in the new style).
    static constexpr int kClaimRowTop = 600 - 172;

    CMjDraw();
    ~CMjDraw();
    CMjDraw(const CMjDraw&) = delete;
    CMjDraw& operator=(const CMjDraw&) = delete;

    // Set-up (MjDrawSetup.cpp).
    bool InitWindowed();
    void Banner();
    void SetAnimKind(std::uint8_t kind) { nAnimKind = kind; }
    void SetOwner(CMj* owner) { pMj = owner; }
    void SetButtons(CBitButtonArray* buttons) { pButtons = buttons; }

    // Layout (MjLayout.cpp).
    void ComputeLayout();

    // Desk grid (MjDesk.cpp).
    void ClearDesk();
    void InitDeskCursor(CMjPlayer* player, int seat);
    // True when the tile found a cell (the seat's cursor then names it); a full desk drops it.
    bool AddDeskTile(CMjPlayer* player, int seat, const tagMj& tile);
    void SetDeskCell(int a, int b, std::uint8_t value);
    void DrawDesk();
    void DrawDeskTile(const tagMj& tile, int a, int b, std::uint8_t mark);
    void SaveDesk(std::vector<std::uint8_t>& out) const;
    // Takes the saved grid; the owner's seats, loaded before it, tell whose discards they are.
    void LoadDesk(const std::uint8_t* bytes);
    // True when the seat's discard number `index` lies face down on the desk (the hide item).
    bool RiverTileHidden(int seat, int index) const;

    // Frames (MjFrame.cpp).
    long RenderFrame(CMj* owner, const std::uint8_t* heights);
    void DrawTableOnly(CMj* owner, const std::uint8_t* heights);
    long DrawFullScreen();
    long RestoreSurfaces();
    void SwitchDisplayMode();

    // Table composition (MjTable.cpp): the active dialog alone, or the table with the dialog
    // drawn over it.
    void DrawTable(CMj* owner, const std::uint8_t* heights);

    // Water ripple (Ripple.cpp).
    int InitRipple();
    void DropRipple(int x, int y, int radius, std::int16_t strength);
    // One wave step over every row but the first and the last, then the maps swap roles.
    void StepRipple();
    // Writes `source` displaced by the current map's slopes into `target` (rows 1 to 598).
    void RefractRipple(platform::Surface* source, platform::Surface* target);
    // One frame of the effect: a random drop, a step, the refraction of the composition surface
    // into the ripple surface, and its presentation.
    void RippleFrame();
    // Runs the effect for at most 100 frames or until the seconds clock has moved on by more
    // than 2, then the owner redraws the calm table.  Answers the frames shown.
    int RunRipple();

    // Flights and the dice (MjFlights.cpp).  A flight starts at one point and moves towards its
    // target in straight steps; the composition draws the flying object (`nAnimKind`) at the
    // current point.  Chips fly between the seats' chip places; a discard from the seat's hand
    // place to its desk cell (a, b) (the new style) or to its next river place (the classic
    // style, from the seat's river count); a claimed tile from the discarder's hand place to
    // the claimer's landing position; a drawn tile from wall stack 0..71 to the seat's landing
    // position.
    void StartChipFlight(int fromSeat, int toSeat);
    void StartDiscardFlight(int seat, int a, int b, const tagMj& tile, CMjPlayer* seats);
    void StartClaimFlight(int claimingSeat, int discardingSeat, const tagMj& tile);
    void StartWallFlight(int stack, int seat);
    // One step of `speed` pixels; true once the flight has reached or passed its target.
    bool StepFlight(int speed);
    // One frame of the owning table.
    void RedrawOwner();
    // The dice thrown from a seat with their two values (1..6); each step moves them on, true
    // after the fifteenth.
    void StartDiceThrow(int seat, int die1, int die2);
    bool StepDiceThrow();
    void SetDiceShown(std::uint8_t shown) { bDiceShown = shown; }
    void SetRevealHands(std::uint8_t reveal) { bRevealAll = reveal; }

    // The user's hand under the mouse (MjHandInput.cpp), given seat 0's record.  A click may
    // raise or lower a tile (`select`); true when it counts.  A hover raises the tile under
    // the mouse and lowers it on leaving; true when the hand must be drawn again.
    bool HitTestHand(int x, int y, CMjPlayer* seat);
    bool HoverHand(int x, int y, CMjPlayer* seat);
    // While tiles are marked for the exchange: the hand position under the point (the drawn
    // tile is position `cardnum`), -1 none.
    int ExchangeTileAt(int x, int y, const CMjPlayer& seat) const;

    // The jolt of the show item (MjScreenEffects.cpp): the frame shown 20 rows lower for 100 ms.
    void ScrollDown();

    // --- The table in the new style and the parts both styles share ----------------------
    // MjDrawTable.cpp: the order of the style parts and the shared tail.  MjDrawNewStyle.cpp:
    // the new style's tile sprites, walls, dice, banners, plates and scores; MjDrawNewHands.cpp
    // its hands and melds.  MjDrawSeats.cpp: the seat pictures.  MjDrawPanels.cpp: seat marks
    // and countdown digits.
    // Seats are passed as the address of seat 0 of the four; `reveal` draws a hand face up.

    // One face-up tile laid down for a seat's side (0 the user, 1 right, 2 opposite, 3 left),
    // from the new-style sheets (9 values by 4 suits); `size` is not used.
    void DrawTile(const tagMj& tile, int side, int x, int y, double scale, int size);
    void DrawTileUnscaled(const tagMj& tile, int side, int x, int y);
    // The width of one of the user's laid-down tiles as DrawTile draws them.
    int OwnLaidTileWidth() const;
    // One upright tile of the user's hand: the blank body, and with `face` the tile's face on
    // it; the dimmed one is blended at opacity 120.  `index` is not used.
    void DrawTileFace(const tagMj& tile, int x, int y, int index, bool face);
    void DrawTileFaceDim(const tagMj& tile, int x, int y, int index, bool face);
    // A face-down upright tile: the standing back of the tile-body sheet.
    void DrawTileCovered(const tagMj& tile, int x, int y, int index, bool face);
    // One concealed tile of seat 1, 2 or 3 seen across the table; side 0 draws nothing.
    void DrawTileBack(int x, int y, int side, int index, double scale);
    // The wild-tile indicator: the tile's cell of the river sheet, blended at opacity 120.
    void DrawWildTile(const tagMj& tile, int x, int y, bool flag);
    // True when `a` counts as the wild tile `b` under the wild-tile rule (always false with
    // the rule off): the same tile, or two flowers.
    bool IsSameTile(const tagMj& a, const tagMj& b) const;
    // One new-style wall piece; `height` is the perspective cell, clamped to 0..13.
    void DrawWalls(int x, int y, int side, int height, double scale);
    // The four walls from the stack heights, storing each stack's place in WallStackPos, with
    // the desk between the far walls and the near one.
    void DrawWallStacks(const std::uint8_t* heights, CMj* owner);
    // The user's standing hand with its drawn tile; stores seat 0's landing position.
    void DrawOwnTiles(CMjPlayer* seat, std::uint8_t reveal);
    // Seats 2, 1 and 3: hand, drawn tile and melds; each stores its seat's landing position
    // while the hand is hidden.
    void DrawOppositeHand(CMjPlayer* seat, std::uint8_t reveal);
    void DrawRightHand(CMjPlayer* seat, std::uint8_t reveal);
    void DrawLeftHand(CMjPlayer* seat, std::uint8_t reveal);
    void DrawOwnHand(CMjPlayer* seats);         // the user's melds
    void DrawPlayedTiles(CMjPlayer* seats);     // each seat's tile in play
    void DrawActionBanner(CMjPlayer* seats);    // the claim banners
    void DrawDice();
    void DrawCenterPanel();                     // the seat plates with winds and names
    void DrawScores(CMj* owner);                // the scores on the plates
    void DrawChatWindow(CMj* owner);            // the table chat log
    void NewStyleHook(CMj* owner);              // does nothing

    // Seat pictures: a seat's avatar `picture` 1..12 loaded, and the new-style figures.
    void LoadSeatAvatar(int seat, int picture);
    void DrawSeatFigures();

    // Seat marks and the countdown digits.
    void DrawPlayerState(CMjPlayer* seats);     // ready marks
    void DrawStartMarks();                      // online, between hands
    void DrawOfflineMarks(CMjPlayer* seats);    // online robot marks
    void DrawPiaoMarks(CMjPlayer* seats);
    void DrawDigits();                          // online, the last seconds of a countdown

    // --- The table in the classic style -----------------------------------------------------
    // MjDrawClassic.cpp: the order of the classic frame.  MjClassicTiles.cpp: the tile sprites
    // and the four hands and melds.  MjClassicTable.cpp: rivers, walls, the tiles in play, the
    // dice, the banners and the flying pictures.  MjClassicPanels.cpp: the seat pictures, the
    // user's name and the chips, level marks and scores.  Sprites cut their cell from a strip
    // of 43 cells; "dimmed" is a blend at opacity 120; a tile with no cell draws nothing.

    // The user's standing tile; face down, or the empty tile, shows cell 27.
    void DrawStandingTile(const tagMj& tile, int x, int y, bool faceUp);
    // Face up: the tile dimmed.  Face down: the whole small back `IDB_BACK_S`.
    void DrawStandingTileDim(const tagMj& tile, int x, int y, bool faceUp);
    // A face-up tile lying in front of `seat`; `cropBottom` leaves out the cell's lowest 8
    // rows (the part the next tile of a river would cover).
    platform::BlitResult DrawLyingTile(const tagMj& tile, int seat, int x, int y, bool cropBottom);
    void DrawLyingTileDim(const tagMj& tile, int seat, int x, int y, bool cropBottom);
    // A tile of the user's river (and of flights to it), from the desk-tile strip.
    void DrawRiverTile(const tagMj& tile, int x, int y, bool cropBottom);
    void DrawRiverTileDim(const tagMj& tile, int x, int y);
    // A discard of `seat`'s river lying face down: the back in the spare cell of the seat's
    // river sheet (the desk-tile strip for the user, the lying sheet for the others).
    void DrawRiverBack(int seat, int x, int y, bool cropBottom);
    // The four hands with their drawn or winning tiles and melds; each stores its seat's
    // landing position while it is drawn as in play (seat 0: normal and exchange modes, seats
    // 1 to 3: face down).
    void DrawOwnHandClassic(CMjPlayer* seats, std::uint8_t reveal);
    void DrawOppositeHandClassic(CMjPlayer* seat, std::uint8_t reveal);
    void DrawRightHandClassic(CMjPlayer* seat, std::uint8_t reveal);
    void DrawLeftHandClassic(CMjPlayer* seat, std::uint8_t reveal);
    void DrawOwnMeldsClassic(CMjPlayer* seats);  // the user's melds, left of the hand
    void DrawRiversClassic(CMjPlayer* seats);    // each seat's discards in front of it
    void DrawWallsClassic(const std::uint8_t* heights);
    void DrawPlayedTilesClassic(CMjPlayer* seats);
    void DrawDiceClassic();
    void DrawActionBannerClassic(CMjPlayer* seats);
    void DrawAvatars(CMjPlayer* seats);          // seat pictures; online the others' names
    void DrawOwnNameClassic(CMjPlayer* seats);   // the user's name and level title
    void DrawLevels(CMjPlayer* seats);           // chips, level marks and scores

    // The seat whose discard flies (0 for a claim flight), set with each flight: it chooses
    // the classic flying tile's picture.
    int nFlightSeat = 0;
    // The wall side a drawn tile flies from, which chooses the flying wall piece.
    int nWallSide = 0;

    // --- Fields, in the order of the renderer's data model. ---

    int nWidth = 800;
    int nHeight = 600;
    CMj* pMj = nullptr;
    CBitButtonArray* pButtons = nullptr;

    // The first surface group.
    platform::Surface* lpDDSHandTiles = nullptr;     // the user's standing tiles
    platform::Surface* lpDDSSeatHand[4] = {};        // concealed tiles as seen across the table
    platform::Surface* lpDDSWallStack[4] = {};       // one wall stack on each side
    platform::Surface* lpDDSLaidTiles[4] = {};       // face-up tiles per seat (classic)
    platform::Surface* lpDDSClaim[5] = {};           // banners: pung, kong, win, dealt in, chow
    platform::Surface* lpDDSChips = nullptr;
    platform::Surface* lpDDSDice = nullptr;          // dice-throw frames
    platform::Surface* lpDDSRoom = nullptr;          // the table background
    platform::Surface* lpDDSPortrait[4] = {};
    platform::Surface* lpDDSRipple = nullptr;        // the ripple's target copy of the frame
    platform::Surface* lpDDSDeskMj = nullptr;
    platform::Surface* lpDDSCenterPan = nullptr;     // the new-style seat plate
    platform::Surface* lpDDSSeatPose[4][4] = {};     // seat figure per pose (0 discarding)
    platform::Surface* lpDDSCursor = nullptr;        // the turn pointer
    platform::Surface* lpDDSStart = nullptr;         // the start button picture
    platform::Surface* lpDDSNoAvatar = nullptr;      // the portrait of an empty seat
    platform::Surface* lpDDSDigits = nullptr;
    platform::Surface* lpDDSOffline = nullptr;
    platform::Surface* lpDDSDeskTiles = nullptr;     // tiles lying on the table, 43 cells

    platform::Surface* lpDDSEffect[12] = {};         // flower-replacement effect frames
    platform::Rect rcEffect[12];
    platform::Surface* lpDDSCenterMid[4] = {};       // centre pictures 1-2 to 1-5
    platform::Surface* lpDDSCenter6 = nullptr;
    platform::Surface* lpDDSCenter1 = nullptr;
    platform::Rect rcCenterMid[4], rcCenter6, rcCenter1;
    platform::Surface* lpDDSPaiSheet = nullptr;      // the new-style tile bodies
    platform::Surface* lpDDSMjSheet = nullptr;       // the new-style tile faces
    platform::Surface* lpDDSDiceFaces = nullptr;
    platform::Rect rcPaiSheet, rcMjSheet, rcDiceFaces;
    platform::Surface* lpDDSTileBack[4] = {};        // seat 0 stays empty
    platform::Rect rcTileBack[4];
    platform::Surface* lpDDSWall[4] = {};
    platform::Rect rcWall[4];
    platform::Surface* lpDDSFlower[10] = {};
    platform::Rect rcFlower[10];
    platform::Surface* lpDDSTilted = nullptr;
    platform::Rect rcTilted;
    platform::Surface* lpDDSWind[4] = {};
    platform::Rect rcWind[4];
    platform::Surface* lpDDSRound = nullptr;         // the prevailing-wind circle, four cells
    platform::Rect rcRound;
    platform::Surface* lpDDSState = nullptr;
    platform::Rect rcState;
    platform::Surface* lpDDSRuleBadge[2] = {};       // 0 Official rules, 1 the second family
    platform::Rect rcRuleBadge[2];
    platform::Surface* lpDDSCenterLogo = nullptr;
    platform::Surface* lpDDSPosition = nullptr;
    platform::Surface* lpDDSWindSheet = nullptr;
    platform::Surface* lpDDSNum = nullptr;
    platform::Surface* lpDDSBanker = nullptr;
    platform::Rect rcCenterLogo, rcPosition, rcWindSheet, rcNum, rcBanker;

    std::uint8_t bScreen565 = 0;  // the frame goes to the screen without conversion

    // The ripple: two height maps of 800 × 600 (current and previous, swapping roles each
    // step), the random-drop switch and which map is current.
    std::unique_ptr<std::int16_t[]> pRippleMap[2];
    int nRippleRandom = 1;
    int nRippleCurrent = 0;

    // The rectangles of the first surface group.
    platform::Rect rcHandTiles, rcSeatHand[4], rcWallStack[4], rcLaidTiles[4], rcClaim[5];
    platform::Rect rcChips, rcDice, rcRoom, rcPortrait[4], rcRipple, rcDeskMj, rcCenterPan;
    platform::Rect rcSeatPose[4][4], rcCursor, rcStart, rcNoAvatar, rcDigits, rcOffline;
    platform::Rect rcDeskTiles;

    int nDeskTileH = 0;             // desk-tile cell: the height of "Graphic\桌面牌.bmp"
    int nDeskTileW = 0;             // and its width / 43
    MjPoint WallStackPos[72];       // each new-style wall stack as last drawn
    MjSize nLaidTileW[4];           // one face-up tile per seat
    int nTileW = 0, nTileH = 0;     // one tile of the user's standing hand

    // The layout (MjLayout.cpp), fixed once computed.
    MjPoint WallOrigin[4];
    MjPoint DiceStart[4];
    MjPoint SeatRef[4];             // base of the chips positions
    MjPoint ChipsPos[4];
    platform::Rect DeskRect;
    MjPoint DeskOrigin;
    MjPoint HandPos[4];             // where a seat's played tile lies and its flights start
    MjPoint OwnHandAnchor;
    MjPoint BannerPos[4];
    MjPoint FigurePos[4];
    MjPoint PlatePos[4];
    // Where each seat's drawn or claimed tile lands: stored by the hand drawing, read by the
    // flights.
    MjPoint LandPos[4];

    // The running flight: start, target, current and a second current point, and its step.
    MjPoint FlightStart, FlightTarget, FlightPos, FlightPos2;
    int nFlightStep = 0;
    // The dice: throwing seat, the two dice, and whether they are shown.
    int nDiceSeat = 0, nDice1 = 0, nDice2 = 0;
    std::uint8_t bDiceShown = 0;
    tagMj FlyMj = {};               // the tile of a claim flight
    std::uint8_t bRevealAll = 0;    // every hand face up (end of a hand)
    std::uint8_t nAnimKind = kAnimNone;
    int bWallFlight = 0;            // a tile flight from the wall is running

    DeskGrid desk;

    std::uint8_t bWindowed = 0;
    std::uint8_t bClassic = 0;
    int nHoverX = 0, nHoverY = 0, nHoverIndex = -1;  // the hovered tile of the user's hand
    platform::Rect rcAvatar[4];     // the seat pictures as last drawn, for the input

private:
    struct Picture;
    void LoadPicture(const Picture& picture);
    void LoadPictures(std::initializer_list<Picture> pictures);
    void LoadKeySource(const char* path, platform::Surface** surface, platform::Rect* rect);
    void LoadClassicGroup();
    void LoadNewStyleGroup();
    void LoadPortraits();
    // A classic seat portrait from a GIF; `clipped` cuts it to the largest portrait shown.
    void LoadSeatPortrait(int seat, const std::string& path, bool clipped);
    void LoadNetSeatPortrait(int seat);
    void LoadCommonPictures();
    void ShowLoadingPicture();
    void ReleaseCatalogue();
    void ReleaseSharedPictures();

    void PlaceTableButtons();
    void PlaceMenuEntries();
    void LayoutNewStyle(int tw, int th);
    void LayoutClassic(int tw, int th);

    void DrawOverlays();
    void ComposeTable(CMj* owner, const std::uint8_t* heights);

    std::uint8_t DeskMark(int a, int b) const;
    void StartFlight(MjPoint start, MjPoint target);
    MjPoint DeskCellPlace(int a, int b) const;
    MjPoint NextRiverPlace(int seat, int count) const;
    struct HandBands;
    HandBands HandBandsAt(int x, int y, const CMjPlayer& p) const;
    void ComposeNewStyle(CMj* owner, const std::uint8_t* heights);
    void ComposeClassic(CMj* owner, const std::uint8_t* heights);
    void DrawSharedTail(CMj* owner);
    void DrawFlowerBoxes(CMj* owner, const FlowerBoxPlaces& places);
    void DrawSparkles(CMj* owner, const MjPoint (&at)[4]);
    void DrawFlight();
    void DrawFlowerEffect(CMj* owner);

    // The classic frame's centre (plate, badge, winds, flower boxes, turn marker) and its
    // flying pictures.
    void DrawClassicCentre(CMj* owner);
    void DrawFlightClassic();
};
