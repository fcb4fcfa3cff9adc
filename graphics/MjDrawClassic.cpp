// The classic table's part of a frame, in its order: the room and the centre plate, the rule
// badge, the winds, the flower boxes and the turn marker; then the seat panels, the rivers,
// the walls, the tiles in play, the user's melds, the dice, the user's name and the chips;
// the sparkles; and last the four hands and the claim banners.
#include "engine/Mj.h"
#include "graphics/AlphaBlend.h"
#include "graphics/GraphicsGlobals.h"
#include "graphics/MjDraw.h"
#include "graphics/TileCells.h"

namespace {

constexpr MjPoint kCentrePlateAt{372, 255};
constexpr MjPoint kRuleBadgeAt{578, 4};
// The prevailing wind: one of four cells of "Graphic\圈.bmp".
constexpr MjPoint kRoundAt{5, 36};
constexpr int kWindCells = 4;
// Each seat's wind: a cell of its own wind picture, blended faintly.
constexpr MjPoint kSeatWindAt[4] = {{575, 440}, {632, 138}, {200, 108}, {143, 384}};
constexpr int kSeatWindOpacity = 80;

constexpr FlowerBoxPlaces kFlowerBoxesClassic = {
    {{6, 535}, {730, 148}, {146, 82}, {31, 148}}, {21, 7}, {30, 4}};

// The turn marker on the centre plate points at the seat to play, with the countdown's two
// digits (cells of "Graphic\Center\1-6.bmp") between them.
constexpr MjPoint kTurnMarkerAt[4] = {{385, 302}, {421, 268}, {385, 236}, {353, 268}};
constexpr MjPoint kTensAt{382, 271};
constexpr MjPoint kUnitsAt{399, 271};
constexpr int kDigitCells = 10;
constexpr int kLargestCountdown = 99;

constexpr MjPoint kSparklesClassic[4] = {{139, 563}, {716, 386}, {550, 80}, {60, 386}};

bool InWindRange(int wind) { return wind >= 1 && wind <= 4; }

}  // namespace

void CMjDraw::ComposeClassic(CMj* owner, const std::uint8_t* heights) {
    CMjPlayer* seats = owner->Player;
    DrawClassicCentre(owner);
    DrawPlayerState(seats);
    DrawAvatars(seats);
    DrawRiversClassic(seats);
    DrawWallsClassic(heights);
    DrawPlayedTilesClassic(seats);
    DrawOwnMeldsClassic(seats);
    DrawDiceClassic();
    DrawOwnNameClassic(seats);
    DrawLevels(seats);
    DrawSparkles(owner, kSparklesClassic);
    DrawOwnHandClassic(seats, bRevealAll);
    DrawOppositeHandClassic(&seats[2], bRevealAll);
    DrawRightHandClassic(&seats[1], bRevealAll);
    DrawLeftHandClassic(&seats[3], bRevealAll);
    DrawActionBannerClassic(seats);
}

void CMjDraw::DrawClassicCentre(CMj* owner) {
    const CMjPlayer* seats = owner->Player;
    platform::BltFast(lpDDSPla, 0, 0, lpDDSRoom, &rcRoom, kOpaqueCopy);
    DrawKeyedCell(lpDDSCenter1, rcCenter1, kCentrePlateAt.x, kCentrePlateAt.y);
    const int badge = MinFan == 0 ? 1 : 0;
    DrawKeyedCell(lpDDSRuleBadge[badge], rcRuleBadge[badge], kRuleBadgeAt.x, kRuleBadgeAt.y);

    platform::Rect cell;
    const int round = seats[0].quanfeng;
    if (InWindRange(round) && EqualCell(rcRound, kWindCells, round - 1, &cell))
        DrawKeyedCell(lpDDSRound, cell, kRoundAt.x, kRoundAt.y);
    for (int s = 0; s < 4; ++s) {
        const int wind = seats[s].menfeng;
        if (InWindRange(wind) && EqualCell(rcWind[s], kWindCells, wind - 1, &cell))
            GAlphaBlt(lpDDSWind[s], kSeatWindAt[s].x, kSeatWindAt[s].y, cell.left, cell.top,
                      cell.right, cell.bottom, kSeatWindOpacity);
    }

    DrawFlowerBoxes(owner, kFlowerBoxesClassic);

    // The marker shows while a hand runs and no dice roll or lie on the table.
    const int turn = owner->GetCurPlayer();
    if (owner->state != kHandRunning || nAnimKind == kAnimDice || bDiceShown || turn < 0 ||
        turn > 3)
        return;
    DrawKeyedCell(lpDDSCenterMid[turn], rcCenterMid[turn], kTurnMarkerAt[turn].x,
                  kTurnMarkerAt[turn].y);
    const int countdown = owner->GetCountdown();
    if (countdown < 0 || countdown > kLargestCountdown) return;
    if (EqualCell(rcCenter6, kDigitCells, countdown / 10, &cell))
        DrawKeyedCell(lpDDSCenter6, cell, kTensAt.x, kTensAt.y);
    if (EqualCell(rcCenter6, kDigitCells, countdown % 10, &cell))
        DrawKeyedCell(lpDDSCenter6, cell, kUnitsAt.x, kUnitsAt.y);
}
