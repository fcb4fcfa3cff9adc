// The table under the dialogs: the style's part, then the tail both styles share (marks, the
// object in flight, the wild tile, digits, the chat input, the buttons, the chat windows, the
// links and the flower effect).  Every step draws over the earlier ones; nothing survives from
// the previous frame.
#include "engine/Mj.h"
#include "graphics/GraphicsGlobals.h"
#include "graphics/MjDraw.h"
#include "graphics/TileCells.h"
#include "ui/BitButtonArray.h"
#include "ui/DxEdit.h"
#include "ui/DxGameChatWnd.h"
#include "ui/DxLinkLabel.h"

namespace {

// The flower boxes of the new style: the box, the flower icon and the count of the seat's
// flowers (pictures 2 to 9 for counts 0 to 7; eight flowers show the last picture).  The
// user's box stands at the screen's left edge: the count, 25 pixels into the box, would
// otherwise lie on the first tile of a full hand, which starts at x 52.
constexpr FlowerBoxPlaces kFlowerBoxesNewStyle = {
    {{6, 510}, {754, 300}, {475, 180}, {10, 300}}, {16, 14}, {25, 9}};
constexpr int kFlowerBoxOrder[4] = {3, 2, 1, 0};
constexpr int kFlowerCountPictures = 8;

constexpr MjPoint kSparklesNewStyle[4] = {{24, 590}, {594, 3}, {382, 3}, {140, 3}};
constexpr int kSparkleCells = 4;

// The wild tile lies at the bottom left of the table in both styles.
constexpr MjPoint kWildTileAt{210, 561};

// The fourth desk sheet draws a flying tile; every desk sheet is cut by the first sheet's
// cells.
constexpr int kFlightDeskSheet = 3;
constexpr int kDeskSheetRows = 4;
// A flying wall piece is drawn as the perspective cell 6.
constexpr int kFlightWallCell = 6;

// The table button that shows the pop-up panel under the buttons.
constexpr int kPopupButton = 27;

// The chat windows' opacities: the quick phrases 180, the chat log by style.
constexpr int kPhraseOpacity = 180;

// The flower-replacement effect: twelve frames around the seat's landing position; the user's
// stands at a place of its own.
constexpr int kEffectFrames = 12;
constexpr MjPoint kOwnEffectAt{720, 520};

void Keyed(platform::Surface* picture, const platform::Rect& rect, int x, int y) {
    platform::BltFast(lpDDSPla, x, y, picture, &rect, kKeyedCopy);
}

}  // namespace

void CMjDraw::ComposeTable(CMj* owner, const std::uint8_t* heights) {
    if (owner == nullptr) {
        // Before the table exists there is nothing on it but the room.
        platform::BltFast(lpDDSPla, 0, 0, lpDDSRoom, &rcRoom, kOpaqueCopy);
        return;
    }
    if (bClassic)
        ComposeClassic(owner, heights);
    else
        ComposeNewStyle(owner, heights);
    DrawSharedTail(owner);
}

void CMjDraw::ComposeNewStyle(CMj* owner, const std::uint8_t* heights) {
    CMjPlayer* seats = owner->Player;
    platform::BltFast(lpDDSPla, 0, 0, lpDDSRoom, &rcRoom, kOpaqueCopy);
    Keyed(lpDDSPan, rcPan, 246, 558);
    const int badge = MinFan == 0 ? 1 : 0;
    Keyed(lpDDSRuleBadge[badge], rcRuleBadge[badge], 10, 30);
    NewStyleHook(owner);
    DrawSeatFigures();
    DrawOppositeHand(&seats[2], bRevealAll);
    DrawRightHand(&seats[1], bRevealAll);
    DrawLeftHand(&seats[3], bRevealAll);
    DrawOwnTiles(&seats[0], bRevealAll);
    DrawWallStacks(heights, owner);
    DrawPlayedTiles(seats);
    DrawOwnHand(seats);
    DrawDice();
    DrawActionBanner(seats);
    DrawCenterPanel();
    DrawScores(owner);
    DrawStartMarks();
    DrawFlowerBoxes(owner, kFlowerBoxesNewStyle);
    DrawPlayerState(seats);
    DrawSparkles(owner, kSparklesNewStyle);
}

void CMjDraw::DrawSharedTail(CMj* owner) {
    CMjPlayer* seats = owner->Player;
    DrawOfflineMarks(seats);
    DrawPiaoMarks(seats);
    DrawFlight();
    if (bWildRule && WildTile.suit >= 0 && WildTile.suit <= 4)
        DrawWildTile(WildTile, kWildTileAt.x, kWildTileAt.y, true);
    DrawDigits();
    if (owner->chatedit) owner->chatedit->Draw();
    if (pButtons) {
        const CBitButton* popup = pButtons->GetButton(kPopupButton);
        if (popup && popup->visible) Keyed(lpDDSPopup, rcPopup, kMenuPanelAt.x, kMenuPanelAt.y);
        pButtons->DrawAll();
    }
    if (owner->phraselist) owner->phraselist->Draw(kPhraseOpacity);
    DrawChatWindow(owner);
    if (!owner->IsNetGame()) {
        const int count = std::min(std::max(owner->linkcount, 0), kMaxLinkLabels);
        for (int i = 0; i < count; ++i)
            if (owner->links[i]) owner->links[i]->Draw();
    }
    DrawFlowerEffect(owner);
}

// The classic style leaves out the boxes of the seats nobody occupies online.
void CMjDraw::DrawFlowerBoxes(CMj* owner, const FlowerBoxPlaces& places) {
    const bool skipEmpty = bClassic && owner->IsNetGame();
    for (int s : kFlowerBoxOrder) {
        const CMjPlayer& seat = owner->Player[s];
        if (skipEmpty && !seat.occupied) continue;
        const MjPoint at = places.box[s];
        const MjPoint icon = at + places.icon;
        const MjPoint count = at + places.count;
        const int picture = std::min(std::max(seat.flowers, 0), kFlowerCountPictures - 1) + 2;
        Keyed(lpDDSFlower[0], rcFlower[0], at.x, at.y);
        Keyed(lpDDSFlower[1], rcFlower[1], icon.x, icon.y);
        Keyed(lpDDSFlower[picture], rcFlower[picture], count.x, count.y);
    }
}

// The sparkle of the seats whose user carries a mark, in the frame the table's portrait phase
// gives.
void CMjDraw::DrawSparkles(CMj* owner, const MjPoint (&at)[4]) {
    platform::Rect cell;
    if (!EqualCell(rcSparkle, kSparkleCells, owner->portraitphase, &cell)) return;
    for (int s = 0; s < 4; ++s) {
        const CMjPlayer& seat = owner->Player[s];
        if (seat.occupied && seat.usermark > 0) Keyed(lpDDSSparkle, cell, at[s].x, at[s].y);
    }
}

// The object in flight at the flight's current point: chips, a tile flying to the desk or a
// meld, or a tile flying from the wall.  The classic style's tiles fly as its own pictures.
void CMjDraw::DrawFlight() {
    if (nAnimKind == kAnimChips) {
        Keyed(lpDDSChips, rcChips, FlightPos.x, FlightPos.y);
    } else if (bClassic) {
        DrawFlightClassic();
    } else if (nAnimKind == kAnimTileFlight) {
        platform::Rect cell;
        if (GridCell(rcNewDiscard[0], kDeskSheetRows, FlyMj, &cell))
            Keyed(lpDDSNewDiscard[kFlightDeskSheet], cell, FlightPos.x, FlightPos.y);
    } else if (nAnimKind == kAnimWallFlight) {
        DrawWalls(FlightPos.x, FlightPos.y, nWallSide, kFlightWallCell, 1.0);
    }
}

void CMjDraw::DrawFlowerEffect(CMj* owner) {
    const CMjTimer* timer = owner->Timer(kTimerFlower);
    const int frame = owner->flowertick;
    const int seat = owner->flowerseat;
    if (!timer || !timer->enabled || frame < 0 || frame >= kEffectFrames || seat < 0 || seat > 3)
        return;
    MjPoint at = seat == 0 ? kOwnEffectAt : LandPos[seat];
    if (at.x < 20) at.x = 20;
    Keyed(lpDDSEffect[frame], rcEffect[frame], at.x - 20, at.y - 20);
}
