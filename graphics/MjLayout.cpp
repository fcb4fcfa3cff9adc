// The fixed screen layout: wall origins, dice starts, chips, the desk, the hands, the own-hand
// anchor, banners, seat figures and plates, the places of the table buttons and of the menu's
// entries on its panel.  Computed once, after the pictures are loaded and the table buttons
// handed over, since several positions follow from picture sizes.  Every division truncates
// toward zero.
#include <iterator>

#include "engine/TableButtons.h"
#include "graphics/GraphicsGlobals.h"
#include "graphics/MjDraw.h"
#include "ui/BitButtonArray.h"

namespace {

// The desk grid uses 14 columns and 6 rows in both styles.
constexpr int kDeskColumns = 14;
constexpr int kDeskRows = 6;

// The row of claim buttons above the user's hand.
constexpr int kClaimRowY = CMjDraw::kClaimRowTop;

// Which style a button place applies to.
enum class In { Both, Classic, NewStyle };

struct ButtonPlace {
    int id;
    int x, y;
    In style = In::Both;
};

// The table buttons, in the order they are placed; a later place of one id wins.  Button 11
// stands between the two tables, 50 pixels above the own-hand anchor.
constexpr ButtonPlace kButtonPlaces[] = {
    {3, 800 - 326, kClaimRowY},         // the claim row
    {0, 800 - 240, kClaimRowY},
    {1, 800 - 197, kClaimRowY},
    {2, 800 - 111, kClaimRowY},
    {12, 800 - 283, kClaimRowY},
    {4, 800 - 111, kClaimRowY},
    {22, 800 - 154, kClaimRowY},
    {23, 800 - 383, kClaimRowY},
    {24, (800 - 120) / 2, kClaimRowY},
    {25, (800 - 120) / 2 + 60, kClaimRowY},
    {13, 800 - 383, kClaimRowY},
    {6, 10, 0},                         // the top-left corner
    {7, 48, 0},
    {8, 86, 0},
    {9, 756, 3},
    {10, 712, 10},
};

constexpr ButtonPlace kLaterButtonPlaces[] = {
    {15, 351, 481},
    {16, 666, 3, In::Classic},
    {16, 704, 550},
    {17, 623, 564},
    {18, 612, 567},
    {19, 612, 567},
    {20, 709, 13, In::NewStyle},
    {20, 710, 3, In::Classic},
    {21, 575, 563},
    {26, 716, 20},
};

}  // namespace

void CMjDraw::ComputeLayout() {
    const int tw = nTileW;
    const int th = nTileH;
    if (bClassic)
        LayoutClassic(tw, th);
    else
        LayoutNewStyle(tw, th);

    SeatRef[0] = {359, 558};
    SeatRef[1] = {758, 284};
    SeatRef[2] = {359, 10};
    SeatRef[3] = {10, 284};
    const int ph = rcPortrait[0].bottom;
    FigurePos[0] = {20, 600 - ph - 40};
    FigurePos[1] = {600, 67};
    FigurePos[2] = {320, 0};
    FigurePos[3] = {0, 67};
    PlatePos[0] = {40, 560};
    PlatePos[1] = {550, 12};
    PlatePos[2] = {340, 12};
    PlatePos[3] = {100, 12};
    PlaceTableButtons();
}

void CMjDraw::LayoutNewStyle(int tw, int th) {
    const int cw = rcChips.right;
    const int bw = rcClaim[0].right;
    const int bh = rcClaim[0].bottom;

    WallOrigin[0] = {(800 - 392) / 2, 600 - 190};
    WallOrigin[1] = {593, 180};
    WallOrigin[2] = {(800 - 294) / 2, 188};
    WallOrigin[3] = {168, 180};
    // The new style throws the dice from one place; these starts are kept for the record.
    DiceStart[0] = {363, 370};
    DiceStart[1] = {593, 310};
    DiceStart[2] = {363, 188};
    DiceStart[3] = {168, 310};
    ChipsPos[0] = {354 - cw, 558};
    ChipsPos[1] = {763, 342};
    ChipsPos[2] = {354 - cw, 10};
    ChipsPos[3] = {15, 342};
    HandPos[0] = {(800 - tw) / 2, 600 - 2 * th - 80};
    HandPos[1] = {600, 310};
    HandPos[2] = {(800 - tw) / 2, 240};
    HandPos[3] = {150, 310};
    const int yB = (360 - bh) / 2 + 160;
    BannerPos[0] = {(800 - bw) / 2, 600 - th - bh - 65};
    BannerPos[1] = {550, yB};
    BannerPos[2] = {(800 - bw) / 2, 245};
    BannerPos[3] = {180, yB};

    DeskRect = {250, 280, 550, 460};
    desk.columns = kDeskColumns;
    desk.rows = kDeskRows;
    DeskOrigin = {190, 280 + (180 - kDeskRows * 22) / 2 - 43};
    OwnHandAnchor = {800 - (800 - 14 * tw - 15) / 2 - tw, 600 - th - 53};
}

void CMjDraw::LayoutClassic(int tw, int th) {
    const int ww = rcWallStack[0].right;   // "Graphic\cc2.bmp"
    const int wh = rcWallStack[0].bottom;
    const int ch1 = rcWallStack[1].bottom;  // "Graphic\cc1.bmp"
    const int cw = rcChips.right;
    const int bw = rcClaim[0].right;
    const int bh = rcClaim[0].bottom;
    const int sw = rcSeatHand[3].right;    // "Graphic\上家侧面.bmp"
    const int kw = rcSeatHand[0].right;    // IDB_BACK_S

    const int yW = (600 - 255 - wh - (55 - nTableTop)) / 2 - 15;
    WallOrigin[0] = {(800 - 18 * ww) / 2, 438};
    WallOrigin[1] = {600, yW};
    WallOrigin[2] = {(800 - 18 * ww) / 2, 105};
    WallOrigin[3] = {180, yW};
    DiceStart[0] = {363, 398};
    DiceStart[1] = {560, 263};
    DiceStart[2] = {363, 145};
    DiceStart[3] = {220, 263};
    ChipsPos[0] = {354 - cw, 558};
    ChipsPos[1] = {725, 418};
    ChipsPos[2] = {354 - cw, 30};
    ChipsPos[3] = {65, 418};
    HandPos[0] = {(800 - tw) / 2, 600 - 2 * th - 75};
    HandPos[1] = {800 - sw - tw - 120, (600 - th) / 2};
    HandPos[2] = {(800 - tw) / 2, nTableTop + th};
    HandPos[3] = {sw + 120, (600 - th) / 2};
    // The seat-0 banner rises by the banner's width, and seat 1 moves in by the whole back
    // width where seat 3 moves by half of it.
    BannerPos[0] = {(800 - bw) / 2, 600 - th - bw - 65};
    BannerPos[1] = {800 - (kw + 50) - bw, (600 - bh) / 2};
    BannerPos[2] = {(800 - bw) / 2, nTableTop + 10};
    BannerPos[3] = {kw / 2 + 50, (600 - bh) / 2};

    DeskRect = {180 + ch1, 105 + ww, 600, 438};
    DeskOrigin = {250, 210};
    desk.columns = kDeskColumns;
    desk.rows = kDeskRows;
    OwnHandAnchor = {800 - (800 - 14 * tw - 15) / 2, 600 - 55 - th};
}

void CMjDraw::PlaceTableButtons() {
    if (pButtons == nullptr) return;
    const In style = bClassic ? In::Classic : In::NewStyle;
    const auto place = [&](const ButtonPlace& p) {
        if (p.style != In::Both && p.style != style) return;
        if (CBitButton* button = pButtons->GetButton(p.id)) button->SetPos(p.x, p.y);
    };
    for (const ButtonPlace& p : kButtonPlaces) place(p);
    place({11, 380, OwnHandAnchor.y - 50});
    for (const ButtonPlace& p : kLaterButtonPlaces) place(p);
    PlaceMenuEntries();
}

// Each menu entry stands centred across the pop-up panel and in its own quarter of the panel's
// height: the entries line up whatever their widths, and none reaches the window's edge.
void CMjDraw::PlaceMenuEntries() {
    const int panelWidth = rcPopup.right - rcPopup.left;
    const int slot = (rcPopup.bottom - rcPopup.top) / static_cast<int>(std::size(kMenuEntries));
    int top = kMenuPanelAt.y;
    for (int id : kMenuEntries) {
        if (CBitButton* entry = pButtons->GetButton(id)) {
            entry->SetPos(kMenuPanelAt.x + (panelWidth - entry->GetWidth()) / 2,
                          top + (slot - entry->GetHeight()) / 2);
        }
        top += slot;
    }
}
