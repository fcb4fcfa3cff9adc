// The renderer's moving objects: straight-line flights of tiles and chips, and the dice throw.
// Each keeps only positions and a step counter; the table composition draws the object where
// the flight stands, and the table object steps it, in a loop of frames or from a timer.
#include <algorithm>
#include <cmath>

#include "engine/Mj.h"
#include "graphics/MjDraw.h"

namespace {

// The dice: fifteen steps; the new style throws from one place for every seat and moves the
// same way, the classic style moves from each seat's start towards the middle.
constexpr int kDiceThrowSteps = 15;
constexpr MjPoint kNewStyleDiceStart{500, 10};
constexpr MjPoint kNewStyleDiceStep{-8, 20};
constexpr MjPoint kClassicDiceStep[4] = {{0, -12}, {-12, 0}, {0, 12}, {12, 0}};

// The new style's desk cell as a flight target: the cell's drawn left edge, and a row step of
// 27 that is not scaled like the drawn cell.
constexpr double kDeskCellW = 30.0;
constexpr double kDeskShrink = 0.04;
constexpr int kDeskFlightRowStep = 27;

// The classic wall: each side holds 18 stacks; the side walls stand 15 pixels a stack.
constexpr int kStacksPerSide = 18;
constexpr int kSideWallStep = 15;

// One axis of a flight: moves from `start` by `moved` towards `target`.
int Advance(int start, int target, int moved) { return start < target ? start + moved : start - moved; }

// True once the axis has reached or passed its target; an axis that does not move never has.
bool Passed(int start, int target, int current) {
    return (start < target && current >= target) || (start > target && current <= target);
}

// The classic river: where a seat's first tile lies, how a tile and a row step from there, and
// how many tiles its first row holds.
struct RiverWalk {
    MjPoint first;
    int firstRow;
};

}  // namespace

void CMjDraw::StartFlight(MjPoint start, MjPoint target) {
    FlightStart = start;
    FlightTarget = target;
    FlightPos = start;
    nFlightStep = 0;
}

void CMjDraw::StartChipFlight(int fromSeat, int toSeat) {
    StartFlight(ChipsPos[fromSeat & 3], ChipsPos[toSeat & 3]);
}

// A discard the full desk has no cell for (a or b below 0) has nowhere to fly in the new style.
void CMjDraw::StartDiscardFlight(int seat, int a, int b, const tagMj& tile, CMjPlayer* seats) {
    seat &= 3;
    MjPoint target = HandPos[seat];
    if (bClassic)
        target = NextRiverPlace(seat, seats[seat].rivernum);
    else if (a >= 0 && b >= 0)
        target = DeskCellPlace(a, b);
    StartFlight(HandPos[seat], target);
    FlyMj = tile;
    nFlightSeat = seat;
}

void CMjDraw::StartClaimFlight(int claimingSeat, int discardingSeat, const tagMj& tile) {
    StartFlight(HandPos[discardingSeat & 3], LandPos[claimingSeat & 3]);
    FlyMj = tile;
    nFlightSeat = 0;
}

// Stacks 0–17 lie along the near wall (side 0), 18–35 the left (3), 36–53 the far (2) and
// 54–71 the right (1).  The new style starts from where its wall routine last drew the stack.
void CMjDraw::StartWallFlight(int stack, int seat) {
    const MjPoint target = LandPos[seat & 3];
    if (stack < 0 || stack >= kWallStacks) {
        StartFlight(target, target);  // no such stack: nothing to fly
        return;
    }
    const int side = stack / kStacksPerSide;
    const int k = stack % kStacksPerSide;  // the stack's place along its side
    const int ww = rcWallStack[0].right;
    static constexpr int kSides[4] = {0, 3, 2, 1};
    nWallSide = kSides[side];
    MjPoint start = WallStackPos[stack];
    if (bClassic) {
        const MjPoint o = WallOrigin[nWallSide];
        switch (side) {
        case 0: start = {(17 - k) * ww + o.x, o.y}; break;
        case 1: start = {o.x, (17 - k) * kSideWallStep + o.y}; break;
        case 2: start = {k * ww + o.x, o.y}; break;
        default: start = {o.x, k * kSideWallStep + o.y}; break;
        }
    }
    StartFlight(start, target);
}

// The flight moves `speed` pixels further along its line each step, measured from its start.
// It ends on the step that reaches or passes the target on either moving axis; the last point
// is not pulled back onto the target.  A flight with nowhere to go ends at once.
bool CMjDraw::StepFlight(int speed) {
    const int dx = FlightStart.x - FlightTarget.x;
    const int dy = FlightStart.y - FlightTarget.y;
    const double d = std::sqrt(static_cast<double>(dx) * dx + static_cast<double>(dy) * dy);
    if (d == 0.0) {
        FlightPos = FlightTarget;
        return true;
    }
    const double kx = std::abs(dx) / d;
    const double ky = std::abs(dy) / d;
    ++nFlightStep;
    const int n = nFlightStep * speed;
    FlightPos.x = Advance(FlightStart.x, FlightTarget.x, static_cast<int>(n * kx));
    FlightPos.y = Advance(FlightStart.y, FlightTarget.y, static_cast<int>(n * ky));
    return Passed(FlightStart.x, FlightTarget.x, FlightPos.x) ||
           Passed(FlightStart.y, FlightTarget.y, FlightPos.y);
}

void CMjDraw::RedrawOwner() {
    if (pMj) pMj->Redraw();
}

void CMjDraw::StartDiceThrow(int seat, int die1, int die2) {
    nDiceSeat = seat & 3;
    nFlightStep = 0;
    FlightPos = bClassic ? DiceStart[nDiceSeat] : kNewStyleDiceStart;
    nDice1 = die1;
    nDice2 = die2;
}

bool CMjDraw::StepDiceThrow() {
    ++nFlightStep;
    const MjPoint step = bClassic ? kClassicDiceStep[nDiceSeat & 3] : kNewStyleDiceStep;
    FlightPos.x += step.x;
    FlightPos.y += step.y;
    return nFlightStep >= kDiceThrowSteps;
}

// The left edge of the desk cell, as its tile is drawn, and the cell's unscaled row.
MjPoint CMjDraw::DeskCellPlace(int a, int b) const {
    const int C = desk.columns;
    const int R = desk.rows;
    const double x = DeskOrigin.x + (R - b) * C * kDeskCellW * kDeskShrink * 0.5 +
                     (1.0 - kDeskShrink * (R - b)) * a * kDeskCellW;
    return {static_cast<int>(x), b * kDeskFlightRowStep + DeskOrigin.y};
}

// Where the seat's next river tile lies in the classic style: the walk over its `count` tiles
// so far.  Rows hold 11 tiles (seats 0 and 2) or 9 (seats 1 and 3), each next row 2 fewer, and
// at least 1.  Seat 0's rows move up, seat 2's down, seat 1's left and seat 3's right; the
// near and far rows start one tile further in while they still shorten.
MjPoint CMjDraw::NextRiverPlace(int seat, int count) const {
    const int dw = nDeskTileW;
    const int dh = nDeskTileH;
    const MjSize lay = nLaidTileW[seat];
    static constexpr RiverWalk kWalks[4] = {
        {{255, 397}, 11}, {{558, 373}, 9}, {{540, 140}, 11}, {{210, 190}, 9}};
    MjPoint at = kWalks[seat].first;
    if (seat == 0) at.x -= dw;
    if (seat == 3) at.y -= lay.h;
    MjPoint rowStart = at;
    int rowLength = kWalks[seat].firstRow;  // shortens by 2 a row; below 1 a row holds 1
    int inRow = 0;
    for (int i = 0; i <= std::max(count, 0); ++i) {
        if (i == 0) {
            inRow = 1;
            continue;
        }
        if (inRow < std::max(rowLength, 1)) {
            ++inRow;
            switch (seat) {
            case 0: at.x += dw; break;
            case 1: at.y -= lay.h - 8; break;
            case 2: at.x -= lay.w; break;
            default: at.y += lay.h - 8; break;
            }
            continue;
        }
        rowLength -= 2;
        inRow = 1;
        switch (seat) {
        case 0:
            at.y -= dh - 8;
            if (rowLength > 0) at.x = rowStart.x + dw;
            rowStart.x = at.x;
            break;
        case 1:
            at.x -= lay.w;
            at.y = rowStart.y - (lay.h - 8);
            rowStart.y = at.y;
            break;
        case 2:
            at.y += lay.h - 8;
            rowStart.x -= lay.w;
            at.x = rowStart.x;
            break;
        default:
            at.x += lay.w;
            at.y = rowStart.y + (lay.h - 8);
            rowStart.y = at.y;
            break;
        }
    }
    return at;
}
