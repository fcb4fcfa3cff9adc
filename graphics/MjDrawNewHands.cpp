// The new style's hands: the user's standing hand and melds, the three other seats' hands and
// melds in perspective, and each seat's tile in play.  The hand routines store each seat's
// landing position, where its drawn or claimed tile lands, while they draw.
#include "engine/Mj.h"
#include "graphics/GraphicsGlobals.h"
#include "graphics/MjDraw.h"
#include "graphics/TileCells.h"

namespace {

// The user's tiles stand one body apart; a raised tile stands 15 pixels higher.
constexpr int kOwnStep = 48;
constexpr int kRaise = 15;
constexpr int kDrawnGap = 20;
// The user's melds lie 4 pixels apart.
constexpr int kOwnMeldGap = 4;
// A laid-down winning tile lies this much lower than the standing row.
constexpr int kLaidDrop = 13;
// Frames of the draw animation "Graphic\摸牌.bmp": 136 apart, 81 × 209 in the new style.
constexpr int kDrawFramePitch = 136;
constexpr int kDrawFrameW = 81;
constexpr int kDrawFrameH = 209;

// The opposite seat's row: faces 23 apart, backs 21 apart.
constexpr int kOppositeStep = 23;
constexpr int kOppositeBackStep = 21;
constexpr int kOppositeY = 210;

int Trunc(double v) { return static_cast<int>(v); }

// The perspective scale of the side seats' k-th tile.
double SideScale(int k) { return 1.0 - 0.02 * (13 - k); }

bool IsKong(const GetMj& meld) { return meld.num >= 4; }

// A side seat's drawing pen: moving it truncates each coordinate.
struct Pen {
    int x;
    int y;
    void Move(double dx, double dy) {
        x = Trunc(x + dx);
        y = Trunc(y + dy);
    }
};

// The concealed tiles a seat shows in its row: the drawn tile stands apart.
int RowCount(const CMjPlayer& seat) { return seat.cardnum - (seat.hasnew ? 1 : 0); }

}  // namespace

// The user's hand: the tiles from the anchor leftwards, the drawn tile after a gap, and the
// winning tile laid down once the seat has won.  In the exchange view the tiles picked for the
// exchange stand out; otherwise tiles that may not be played, and the wild tile, are dimmed.
void CMjDraw::DrawOwnTiles(CMjPlayer* seat, std::uint8_t reveal) {
    CMjPlayer& p = *seat;
    const int n = p.cardnum;
    const bool handOver = pMj && pMj->state == kHandOver;
    const bool exchange = pMj && pMj->exchangemode == 2;
    int x0 = OwnHandAnchor.x - kOwnStep * n - kDrawnGap;
    const int y = OwnHandAnchor.y;
    if (handOver && p.hued) x0 += kOwnStep;

    const auto stand = [&](const tagMj& tile, int x, bool raised, bool dim) {
        const int ty = raised ? y - kRaise : y;
        if (dim)
            DrawTileFaceDim(tile, x, ty, 0, true);
        else
            DrawTileFace(tile, x, ty, 0, true);
    };
    const bool wonHidden = p.hued && !reveal;

    if (exchange) {
        for (int i = 0; i < n; ++i) stand(p.Mj[i], x0 + kOwnStep * i, i == p.select, !p.change[i]);
        if (!wonHidden && p.hasnew) {
            const bool selected = p.select == n;
            stand(p.newmj, x0 + kOwnStep * n + (selected ? 15 : kDrawnGap), selected, !p.change[n]);
        }
    } else {
        const auto drawTile = [&](int i) {
            const int x = x0 + kOwnStep * i;
            const bool wild = IsSameTile(p.Mj[i], WildTile);
            if (p.choosechow && i == p.chowpeer) {
                stand(p.Mj[i], x, true, false);
            } else if (i == p.select) {
                // A hidden hand keeps its raised tile dimmed; a tile that may not be played
                // is not raised at all.
                if (p.hidemj == 1)
                    stand(p.Mj[i], x, true, true);
                else if (!p.canplay[i])
                    stand(p.Mj[i], x, false, true);
                else
                    stand(p.Mj[i], x, true, wild);
            } else if (handOver) {
                DrawTile(p.Mj[i], 0, x, y, 1.0, i);
            } else {
                stand(p.Mj[i], x, false, !p.canplay[i] || wild);
            }
        };
        // From the middle outwards on each side, so that neighbours overlap the same way.
        if (n < 3) {
            for (int i = 0; i < n; ++i) drawTile(i);
        } else {
            for (int i = n / 2; i < n; ++i) drawTile(i);
            for (int i = n / 2 - 1; i >= 0; --i) drawTile(i);
        }
        if (!wonHidden && p.hasnew) {
            const bool selected = p.select == n;
            const bool dim = (selected && p.hidemj == 1) || !p.canplay[n] ||
                             IsSameTile(p.newmj, WildTile);
            stand(p.newmj, x0 + kOwnStep * n + kDrawnGap, selected, dim);
        }
    }
    if (wonHidden) DrawTile(p.hutile, 0, x0 + kOwnStep * n + 10, y + kLaidDrop, 1.0, n);

    LandPos[0] = {x0 + kOwnStep * (n + 1), y};

    if (pMj && pMj->Timer(kTimerReadyDraw) && pMj->Timer(kTimerReadyDraw)->enabled) {
        const int left = kDrawFramePitch * pMj->readyframe;
        const platform::Rect frame{left, 0, left + kDrawFrameW, kDrawFrameH};
        platform::BltFast(lpDDSPla, 719, 366, lpDDSDrawTile, &frame, kKeyedCopy);
    }
}

// The opposite seat: its row centred, the drawn tile at the left end as the user sees it,
// melds to the right.
void CMjDraw::DrawOppositeHand(CMjPlayer* seat, std::uint8_t reveal) {
    const CMjPlayer& p = *seat;
    const int melds = p.gangnum;
    const auto start = [&](int count) {
        return (800 - count * kOppositeStep - 4 * melds - 3 * kOppositeStep * melds) / 2;
    };
    int x0;
    if (!reveal) {
        const int count = RowCount(p);
        x0 = start(count);
        for (int i = 0; i < count; ++i)
            DrawTileBack(x0 + kOppositeBackStep * i, i == p.select ? 225 : kOppositeY, 2, i, 1.0);
        const int w = rcSeatHand[2].right;
        const int h = rcSeatHand[2].bottom;
        if (p.hued)
            DrawTile(p.hutile, 2, x0 - kOppositeStep - 10, kOppositeY, 1.0, count);
        else if (p.hasnew)
            DrawTileBack(x0 - w - 10, kOppositeY, 2, count, 1.0);
        LandPos[2] = {x0 - w - 10, kOppositeY - h};
        x0 += count * kOppositeBackStep;
    } else {
        x0 = start(p.cardnum);
        for (int i = 0; i < p.cardnum; ++i)
            DrawTile(p.Mj[i], 2, x0 + kOppositeStep * i, kOppositeY, 1.0, i);
        x0 += p.cardnum * kOppositeStep;
    }
    int x = x0 + 8;
    for (int m = 0; m < melds; ++m) {
        const GetMj& meld = p.Gang[m];
        for (int t = 0; t < 3; ++t) DrawTile(meld.Mj[t], 2, x + kOppositeStep * t, kOppositeY, 1.0, t);
        if (IsKong(meld)) DrawTile(meld.Mj[3], 2, x + kOppositeStep, kOppositeY - 8, 1.0, 3);
        x += 3 * kOppositeStep + 4;
    }
}

// The right-hand seat: a column running down towards the user, growing as it comes nearer;
// the drawn tile above the column, the melds below it.  The column starts at (570, 200), high
// enough that a full hand, or four melds (wider, as they lie), ends above the row of claim
// buttons (from y 428).
void CMjDraw::DrawRightHand(CMjPlayer* seat, std::uint8_t reveal) {
    constexpr int kX = 570;
    constexpr int kY = 200;
    const CMjPlayer& p = *seat;
    Pen pen{kX, kY};
    int k = 0;
    if (!reveal) {
        if (p.hued)
            DrawTile(p.hutile, 1, Trunc(kX - 14 * 0.72), Trunc(kY - 16 * 0.72), 0.72, k);
        else if (p.hasnew)
            DrawTileBack(Trunc(kX - 14 * 0.72 - 4 + 12), Trunc(kY - 16 * 0.72 - 4 - 16), 1, k,
                         0.7);
        LandPos[1] = {Trunc(kX - 10.08 - 4), Trunc(kY - 12.96 - 4) - (p.hasnew ? 31 : 0)};
        for (int i = 0; i < RowCount(p); ++i, ++k) {
            const double s = SideScale(k);
            DrawTileBack(pen.x + (i == p.select ? 3 : 8), pen.y - 16, 1, k, s);
            pen.Move(14 * s, 18 * s);
        }
        pen.Move(3, 12);
    } else {
        for (int i = 0; i < p.cardnum; ++i, ++k) {
            const double s = SideScale(k);
            DrawTile(p.Mj[i], 1, pen.x, pen.y, s, k);
            pen.Move(15 * s, 18 * s);
        }
        pen.Move(3, 6);
    }
    for (int m = 0; m < p.gangnum; ++m) {
        const GetMj& meld = p.Gang[m];
        const Pen first = pen;
        for (int t = 0; t < 3; ++t, ++k) {
            const double s = SideScale(k);
            DrawTile(meld.Mj[t], 1, pen.x, pen.y, s, k);
            pen.Move(14 * s, 18 * s);
        }
        if (IsKong(meld)) DrawTile(meld.Mj[3], 1, first.x + 16, first.y + 1, 1.0 - 0.02 * (15 - k), k - 1);
        pen.Move(3, 3);
    }
}

// The left-hand seat: the melds first at the far end, then the column coming down towards the
// user; the drawn tile below the column.
void CMjDraw::DrawLeftHand(CMjPlayer* seat, std::uint8_t reveal) {
    const CMjPlayer& p = *seat;
    Pen pen{201, 240};
    int k = 0;
    for (int m = 0; m < p.gangnum; ++m) {
        const GetMj& meld = p.Gang[m];
        const Pen first{pen.x - 5, pen.y};
        for (int t = 0; t < 3; ++t, ++k) {
            const double s = SideScale(k);
            DrawTile(meld.Mj[t], 3, pen.x - 5, pen.y, s, k);
            pen.Move(-14 * s, 18 * s);
        }
        if (IsKong(meld)) DrawTile(meld.Mj[3], 3, first.x - 17, first.y + 1, 1.0 - 0.02 * (15 - k), k - 1);
        pen.Move(2, 2);
    }
    if (!reveal) {
        // The column starts over past the meld tiles, stepping as they did.
        Pen row{198, 240};
        for (int j = 0; j < k; ++j) row.Move(-14 * SideScale(j), 18 * SideScale(j));
        for (int i = 0; i < RowCount(p); ++i, ++k) {
            const double s = SideScale(k);
            DrawTileBack(row.x - (i == p.select ? 13 : 8), row.y - 8, 3, k, s);
            row.Move(-15 * s, 18 * s);
        }
        if (p.hued)
            DrawTile(p.hutile, 3, row.x - 10, row.y + 18, 1.0, 13);
        else if (p.hasnew)
            DrawTileBack(row.x - 13, row.y - 3, 3, 13, 1.0);
        LandPos[3] = {row.x - 5, row.y + 5};
    } else {
        pen.x -= 2;
        for (int i = 0; i < p.cardnum; ++i, ++k) {
            DrawTile(p.Mj[i], 3, pen.x, pen.y, SideScale(k), k);
            pen.Move(-14 * SideScale(k + 1), 18 * SideScale(k + 1));
        }
    }
}

// The user's melds lie at the left of the standing row, a kong's fourth tile on the middle one.
// Their tiles lie side by side, one laid-down tile wide apart: at the standing hand's step
// they would reach under its first tile (the row moves right by only three steps a meld).
void CMjDraw::DrawOwnHand(CMjPlayer* seats) {
    const CMjPlayer& p = seats[0];
    const int step = OwnLaidTileWidth();
    int x = 800 - OwnHandAnchor.x - 30;
    const int y = OwnHandAnchor.y;
    for (int m = 0; m < p.gangnum; ++m) {
        const GetMj& meld = p.Gang[m];
        for (int t = 0; t < 3; ++t) DrawTile(meld.Mj[t], 0, x + step * t, y, 1.0, t);
        if (IsKong(meld)) DrawTile(meld.Mj[3], 0, x + step, y - 20, 1.0, 3);
        x += 3 * step + kOwnMeldGap;
    }
}

// The tile each seat is playing stands at the seat's hand position, face down when it is
// played hidden.
void CMjDraw::DrawPlayedTiles(CMjPlayer* seats) {
    for (int s = 0; s < 4; ++s) {
        const CMjPlayer& p = seats[s];
        if (!p.played) continue;
        if (p.hidemj == 1)
            DrawTileCovered(p.PlayMj, HandPos[s].x, HandPos[s].y, -1, true);
        else
            DrawTileFace(p.PlayMj, HandPos[s].x, HandPos[s].y, -1, true);
    }
}
