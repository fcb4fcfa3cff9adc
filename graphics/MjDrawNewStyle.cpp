// The new style's pictures on the table: tile sprites, wall pieces and the four walls, the
// dice, the claim banners, the seat plates with their winds, names and scores, and the chat log.
#include <algorithm>
#include <cstring>
#include <string>

#include "engine/Mj.h"
#include "graphics/AlphaBlend.h"
#include "graphics/GraphicsGlobals.h"
#include "graphics/MjDraw.h"
#include "graphics/TileCells.h"
#include "platform/Text.h"
#include "ui/DxGameChatWnd.h"

namespace {

// The blank upright tile of "Graphic\pai.bmp".
constexpr platform::Rect kTileBody{330, 0, 385, 75};
// Where a face lies on the body: 5 pixels in (6 when dimmed) and 25 down.
constexpr int kFaceX = 5;
constexpr int kFaceDimX = 6;
constexpr int kFaceY = 25;
// The tile-face sheet "Graphic\mj.bmp" has a row for each of the five suits; the laid-down
// sheets have none for the flowers.
constexpr int kFaceRows = 5;
constexpr int kLaidRows = 4;
constexpr int kLaidColumns = 9;
// The laid-down sheet of the user's tiles that the table draws with (the third of five).
constexpr int kOwnLaidSheet = 2;

// The backs of the side seats: 14 cells of 39 × 54, always the last one; the opposite seat's
// back is one 24 × 37 piece of its picture.
constexpr platform::Rect kSideBack{507, 0, 546, 54};
constexpr platform::Rect kOppositeBack{144, 0, 168, 37};

constexpr int kMaxWallCell = 13;

// Dice: throw frames 132 × 75 side by side; faces 40 × 40, value v in cell v − 1.
constexpr int kDiceFrameW = 132;
constexpr int kDiceFrameH = 75;
constexpr int kDieFace = 40;

// Seat plates: the plate and its marks are blended.
constexpr int kPlateOpacity = 160;
constexpr int kPlateBlinkOpacity = 120;
constexpr int kPlateMarkOpacity = 220;

// Score digits of "Graphic\NewStyle\num.bmp": ten of 12 × 17, then the minus sign.
constexpr int kMinusCell = 10;
constexpr int kDigitW = 12;
constexpr int kDigitH = 17;
constexpr int kScoreDigits = 9;
constexpr int kLargestPlateScore = 100000000;

int Trunc(double v) { return static_cast<int>(v); }

bool InWindRange(int wind) { return wind >= 1 && wind <= 4; }

void Keyed(platform::Surface* source, const platform::Rect& rect, int x, int y) {
    platform::BltFast(lpDDSPla, x, y, source, &rect, kKeyedCopy);
}

void Stretched(platform::Surface* source, const platform::Rect& rect, const platform::Rect& to) {
    platform::Blt(lpDDSPla, &to, source, &rect, kKeyedStretch);
}

void Blend(const platform::Surface* source, const platform::Rect& rect, int x, int y, int alpha) {
    GAlphaBlt(source, x, y, rect.left, rect.top, rect.right, rect.bottom, alpha);
}

}  // namespace

void CMjDraw::DrawTile(const tagMj& tile, int side, int x, int y, double scale, int /*size*/) {
    const bool sideSeat = side == 1 || side == 3;
    platform::Surface* sheet = sideSeat ? lpDDSNewLaid[side] : lpDDSNewOwnLaid[kOwnLaidSheet];
    const platform::Rect& sheetRect = sideSeat ? rcNewLaid[side] : rcNewOwnLaid[kOwnLaidSheet];
    platform::Rect cell;
    if (side < 0 || side > 3 || !GridCell(sheetRect, kLaidRows, tile, &cell)) return;
    if (side == 0) {
        Keyed(sheet, cell, x, y);
    } else if (side == 2) {
        Stretched(sheet, cell, {x, y, x + 26, y + 33});
    } else {
        const int left = x - 1;
        const int top = y - 14;
        Stretched(sheet, cell, {left, top, Trunc(left + 50 * scale), Trunc(top + 33 * scale)});
    }
}

int CMjDraw::OwnLaidTileWidth() const { return rcNewOwnLaid[kOwnLaidSheet].right / kLaidColumns; }

void CMjDraw::DrawTileUnscaled(const tagMj& tile, int side, int x, int y) {
    DrawTile(tile, side, x, y, 1.0, 0);
}

void CMjDraw::DrawTileFace(const tagMj& tile, int x, int y, int /*index*/, bool face) {
    Keyed(lpDDSPaiSheet, kTileBody, x, y);
    platform::Rect cell;
    if (face && GridCell(rcMjSheet, kFaceRows, tile, &cell))
        Keyed(lpDDSMjSheet, cell, x + kFaceX, y + kFaceY);
}

void CMjDraw::DrawTileFaceDim(const tagMj& tile, int x, int y, int /*index*/, bool face) {
    Blend(lpDDSPaiSheet, kTileBody, x, y, kDimOpacity);
    platform::Rect cell;
    if (face && GridCell(rcMjSheet, kFaceRows, tile, &cell))
        Blend(lpDDSMjSheet, cell, x + kFaceDimX, y + kFaceY, kDimOpacity);
}

// No face-down picture of its own exists for a played tile; the standing back that the
// tile-body sheet holds in its first cell serves.
void CMjDraw::DrawTileCovered(const tagMj& /*tile*/, int x, int y, int /*index*/, bool /*face*/) {
    Keyed(lpDDSPaiSheet, kStandingBack, x, y);
}

void CMjDraw::DrawTileBack(int x, int y, int side, int /*index*/, double scale) {
    if (side == 2) {
        Keyed(lpDDSTileBack[2], kOppositeBack, x, y);
    } else if (side == 1 || side == 3) {
        Stretched(lpDDSTileBack[side], kSideBack,
                  {x, y, Trunc(x + 39 * scale), Trunc(y + 54 * scale)});
    }
}

void CMjDraw::DrawWildTile(const tagMj& tile, int x, int y, bool /*flag*/) {
    DrawRiverTileDim(tile, x, y);
}

// The table's own wild test: the same tile, or two flowers, and only under the wild-tile rule.
bool CMjDraw::IsSameTile(const tagMj& a, const tagMj& b) const { return CMj::WildEqual(a, b); }

void CMjDraw::DrawWalls(int x, int y, int side, int height, double scale) {
    const int h = std::clamp(height, 0, kMaxWallCell);
    switch (side) {
    case 0: Keyed(lpDDSWall[0], {31 * h, 0, 31 * h + 31, 31}, x, y); break;
    case 1:
    case 3:
        Stretched(lpDDSWall[side], {0, 0, 34, 26},
                  {x, y, Trunc(x + 34 * scale * 0.8), Trunc(y + 26 * scale * 0.8)});
        break;
    case 2:
        Stretched(lpDDSWall[2], {27 * h, 0, 27 * h + 27, 28},
                  {x, y, Trunc(x + 20.8), Trunc(y + 20.8)});
        break;
    default: break;
    }
}

namespace {

// The stacks of a straight wall in drawing order: the first nine from the outer end, then the
// rest from the inner end back, so that the middle ones lie on top.
constexpr int kStraightOrder[18] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 17, 16, 15, 14, 13, 12, 11, 10, 9};

// Where each wall's first stack stands: the far and near walls run left to right, the side
// walls from their far end towards the user.  They frame the desk, with the opposite seat's
// hand beyond the far wall and the user's in front of the near one.  The side walls start high
// enough that the right one's near end, full, ends at y 428, above the claim buttons' 听 and
// 胡; the left one matches it.
constexpr MjPoint kFarWall{270, 252};
constexpr MjPoint kLeftWall{224, 246};
constexpr MjPoint kRightWall{552, 244};
constexpr MjPoint kNearWall{229, 428};

// A perspective scale of the side walls: smaller towards the far end.
double SideScale(int i) { return 1.0 - (13 - i) * 0.02; }

}  // namespace

// Every stack's place goes into WallStackPos before it is drawn (an empty stack included), so
// that a tile drawn from it flies from there.
void CMjDraw::DrawWallStacks(const std::uint8_t* heights, CMj* /*owner*/) {
    const auto stack = [&](int index, int x, int y) {
        WallStackPos[index] = {x, y};
        return heights ? heights[index] : 0;
    };
    // The far wall, stacks 36..53 from left to right.
    for (int i : kStraightOrder) {
        const int x = Trunc(kFarWall.x + 17 * i * 0.8);
        const int y = kFarWall.y;
        const int h = stack(36 + i, x, y);
        if (h >= 1) DrawWalls(x, y, 2, i, 1.0);
        if (h >= 2) DrawWalls(x, y - 8, 2, i, 1.0);
    }
    // The left wall, stacks 35 down to 18 from the far end towards the user.
    int x = kLeftWall.x;
    int y = kLeftWall.y;
    for (int i = 0; i < 18; ++i) {
        const double s = SideScale(i);
        const int h = stack(35 - i, x, y);
        if (h >= 1) DrawWalls(x, y, 3, i, s);
        if (h >= 2) DrawWalls(x, y - 11, 3, i, 1.0 - (12 - i) * 0.02);
        x = Trunc(x - s * 10 * 0.8);
        y = Trunc(y + s * 14 * 0.8);
    }
    // The right wall, stacks 54..71 from the far end towards the user.
    x = kRightWall.x;
    y = kRightWall.y;
    for (int i = 0; i < 18; ++i) {
        const double s = SideScale(i);
        const int h = stack(54 + i, x, y);
        if (h >= 1) DrawWalls(x, y, 1, i, s);
        if (h >= 2) DrawWalls(x, y - 11, 1, i, s);
        x = Trunc(x + s * 10 * 0.8);
        y = Trunc(y + s * 14 * 0.8);
    }
    DrawDesk();
    // The near wall, stacks 17 down to 0 from left to right, over the desk.
    for (int i : kStraightOrder) {
        const int nx = kNearWall.x + 19 * i;
        const int ny = kNearWall.y;
        const int h = stack(17 - i, nx, ny);
        if (h >= 1) DrawWalls(nx, ny, 0, i, 1.0);
        if (h >= 2) DrawWalls(nx, ny - 10, 0, i, 1.0);
    }
}

// While the dice fly, the throw frame of the step; once they lie, the two faces.  The dice lie
// where the throw ended (the flight's current point).
void CMjDraw::DrawDice() {
    if (nAnimKind == kAnimDice) {
        const int left = kDiceFrameW * nFlightStep;
        Keyed(lpDDSDice, {left, 0, left + kDiceFrameW, kDiceFrameH}, FlightPos.x, FlightPos.y);
    } else if (bDiceShown) {
        const auto face = [&](int value, int dx) {
            platform::Rect cell;
            if (EqualCell(rcDiceFaces, rcDiceFaces.right / kDieFace, value - 1, &cell))
                Keyed(lpDDSDiceFaces, cell, FlightPos.x + dx, FlightPos.y + 8);
        };
        face(nDice1, 10);
        face(nDice2, 90);
    }
}

void CMjDraw::DrawActionBanner(CMjPlayer* seats) {
    for (int s = 0; s < 4; ++s) {
        const int action = seats[s].action;
        if (action >= 1 && action <= 5)
            Keyed(lpDDSClaim[action - 1], rcClaim[action - 1], BannerPos[s].x, BannerPos[s].y);
    }
}

// The four seat plates: a seat gets its plate when it is the dealer or has a seat wind; online
// the plate of the seat to play blinks.  Then the prevailing and seat winds beside each plate,
// and the names on the plates last.
void CMjDraw::DrawCenterPanel() {
    if (pMj == nullptr) return;
    const platform::Rect plate = rcCenterPan;
    for (int s = 0; s < 4; ++s) {
        const CMjPlayer& seat = pMj->Player[s];
        const MjPoint at = PlatePos[s];
        const bool blinking = pMj->IsNetGame() && s == pMj->GetCurPlayer() && pMj->blink;
        const int opacity = blinking ? kPlateBlinkOpacity : kPlateOpacity;
        if (s == pMj->handdealer) {
            Blend(lpDDSCenterPan, plate, at.x, at.y, opacity);
            Blend(lpDDSBanker, rcBanker, at.x + 127, at.y + 2, kPlateMarkOpacity);
        } else if (InWindRange(seat.menfeng)) {
            Blend(lpDDSCenterPan, plate, at.x, at.y, opacity);
        }
        platform::Rect cell;
        if (InWindRange(seat.quanfeng) && EqualCell(rcWindSheet, 4, seat.quanfeng - 1, &cell))
            Blend(lpDDSWindSheet, cell, at.x - 33, at.y - 11, kPlateMarkOpacity);
        if (InWindRange(seat.menfeng) && EqualCell(rcPosition, 4, seat.menfeng - 1, &cell))
            Blend(lpDDSPosition, cell, at.x + 13, at.y - 11, kPlateMarkOpacity);
    }
    const platform::Font nameFont{12, 600, false};
    platform::TextPaint white;
    white.color = 0xFFFFFF;
    for (int s = 0; s < 4; ++s) {
        const CMjPlayer& seat = pMj->Player[s];
        const MjPoint at = PlatePos[s];
        platform::Rect box{at.x + 62, at.y + 4, at.x + plate.right - 4, at.y + 24};
        platform::DrawText(*lpDDSPla, &box, seat.name, strnlen(seat.name, sizeof seat.name),
                           nameFont, 0, white);
    }
}

// A score up to 100,000,000 in the plate's digits, without leading zeros (0 shows "0"), a
// negative one after the minus sign; a larger one as text.
void CMjDraw::DrawScores(CMj* owner) {
    if (owner == nullptr) return;
    for (int s = 0; s < 4; ++s) {
        const int v = owner->Player[s].score;
        const MjPoint at = PlatePos[s];
        if (v > kLargestPlateScore) {
            const std::string text = std::to_string(v);
            platform::TextPaint paint;
            paint.color = 0x639FE5;
            platform::TextOut(*lpDDSPla, at.x + 62, at.y + 20, text.data(), text.size(),
                              platform::kIconTitleFont, paint);
            continue;
        }
        // The magnitude of the most negative score does not fit an int; only its last nine
        // digits are shown, like any other.
        unsigned long long magnitude = v < 0 ? 0ULL - static_cast<unsigned long long>(v) : v;
        int digits[kScoreDigits];
        for (int i = kScoreDigits - 1; i >= 0; --i) {
            digits[i] = static_cast<int>(magnitude % 10);
            magnitude /= 10;
        }
        int first = 0;
        while (first < kScoreDigits - 1 && digits[first] == 0) ++first;
        int x = at.x + 30;
        const auto cell = [&](int c) {
            Blend(lpDDSNum, {c * kDigitW, 0, c * kDigitW + kDigitW, kDigitH}, x, at.y + 18,
                  kPlateMarkOpacity);
            x += kDigitW;
        };
        if (v < 0) cell(kMinusCell);
        for (int i = first; i < kScoreDigits; ++i) cell(digits[i]);
    }
}

// The classic style draws the chat log a little more transparent.
void CMjDraw::DrawChatWindow(CMj* owner) {
    if (owner && owner->chatlog) owner->chatlog->Draw(bClassic ? 100 : 120);
}

void CMjDraw::NewStyleHook(CMj* /*owner*/) {}
