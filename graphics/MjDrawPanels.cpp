// Marks on the seats, in both styles: the ready mark, online the Start and robot marks, and the
// last seconds of an online countdown.
#include "engine/Mj.h"
#include "graphics/GraphicsGlobals.h"
#include "graphics/MjDraw.h"
#include "graphics/TileCells.h"

namespace {

// Seats in the order the marks are drawn.
constexpr int kReadyOrder[4] = {3, 1, 0, 2};
constexpr int kMarkOrder[4] = {3, 1, 2, 0};

// The ready mark of each seat, by style.
constexpr MjPoint kReadyClassic[4] = {{44, 477}, {630, 188}, {158, 48}, {138, 188}};
constexpr MjPoint kReadyNewStyle[4] = {{95, 426}, {572, 191}, {255, 168}, {173, 191}};

// The countdown shows its digit from 4 seconds down.
constexpr int kLastSeconds = 4;

void Mark(platform::Surface* picture, const platform::Rect& rect, MjPoint at) {
    platform::BltFast(lpDDSPla, at.x, at.y, picture, &rect, kKeyedCopy);
}

}  // namespace

void CMjDraw::DrawPlayerState(CMjPlayer* seats) {
    const MjPoint* at = bNewStyle ? kReadyNewStyle : kReadyClassic;
    for (int s : kReadyOrder)
        if (seats[s].ting) Mark(lpDDSState, rcState, at[s]);
}

// Online between hands: the seats whose players pressed Start.  Drawn in the new style only.
void CMjDraw::DrawStartMarks() {
    if (pMj == nullptr || !pMj->IsNetGame() || pMj->state == kHandRunning) return;
    const int kw = rcStart.right;
    const MjPoint at[4] = {{(800 - kw) / 2, 490}, {622, 310}, {(800 - kw) / 2, 220}, {130, 310}};
    for (int s : kMarkOrder) {
        const CMjPlayer& seat = pMj->Player[s];
        if (seat.occupied && seat.started) Mark(lpDDSStart, rcStart, at[s]);
    }
}

// Online: the seats a robot plays for.  The classic marks stand beside the seats' hands (the
// user's centred by the Start picture's size); the new style's where the Start marks stand.
void CMjDraw::DrawOfflineMarks(CMjPlayer* seats) {
    if (pMj == nullptr || !pMj->IsNetGame()) return;
    const int ow = rcOffline.right;
    MjPoint at[4];
    if (bClassic) {
        const platform::Rect& left = rcSeatHand[3];
        const platform::Rect& right = rcSeatHand[1];
        at[0] = {(800 - rcStart.right) / 2, OwnHandAnchor.y - 8 - rcStart.bottom};
        at[1] = {800 - (right.right + 70) - ow, (600 - right.bottom) / 2};
        at[2] = {(800 - ow) / 2, nTableTop + rcSeatHand[2].bottom + 8};
        at[3] = {left.right + 70, (600 - left.bottom) / 2};
    } else {
        at[0] = {(800 - ow) / 2, 490};
        at[1] = {622, 310};
        at[2] = {(800 - ow) / 2, 220};
        at[3] = {130, 310};
    }
    for (int s : kMarkOrder)
        if (seats[s].occupied && seats[s].robot) Mark(lpDDSOffline, rcOffline, at[s]);
}

// No seat record carries a piao flag and the catalogue loads no piao mark, so there is
// nothing to draw yet.
void CMjDraw::DrawPiaoMarks(CMjPlayer* /*seats*/) {}

void CMjDraw::DrawDigits() {
    if (pMj == nullptr || !pMj->IsNetGame() || pMj->state != kHandRunning) return;
    const int c = pMj->GetCountdown();
    platform::Rect cell;
    if (c > kLastSeconds || !EqualCell(rcDigits, 10, c, &cell)) return;
    Mark(lpDDSDigits, cell, {800 - (cell.right - cell.left) - 30, OwnHandAnchor.y - 50});
}
