#include "ui/ScoreForm.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "engine/Mj.h"
#include "graphics/AlphaBlend.h"
#include "graphics/SurfaceHelpers.h"
#include "online/Lobby.h"
#include "ui/Dialogs.h"
#include "ui/FanNames.h"
#include "ui/WidgetDraw.h"

namespace {

constexpr int kSheetOpacity = 210;
constexpr int kStripCells = 43;
constexpr int kFlowerFan = 81;
constexpr int kLastListedFan = 88;

// The text of the sheet: white names and fan names, orange totals and values.
constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr std::uint32_t kOrange = 0x00BEFF;  // red 255, green 190, blue 0
constexpr platform::Font kSheetFont{14, 600, false};

// The first cell of each suit in the tile strip.
constexpr int kSuitBase[5] = {0, 9, 18, 27, 34};

// Where a seat's score change goes: its sign cell, then five digits, each a pen step apart.
struct ChangeDigits {
    int cell;  // digit cell width and height
    int step;  // pen step
    platform::Rect minus;
    platform::Rect plus;
};
constexpr ChangeDigits kLargeDigits{23, 25, {21, 0, 42, 21}, {0, 0, 21, 21}};
constexpr ChangeDigits kSmallDigits{17, 19, {14, 0, 28, 12}, {0, 0, 14, 12}};

struct ChangeSpot {
    int seat;
    bool large;
    int digitX, digitY;  // from the sheet's origin
    int signX, signY;
};
// In drawing order.
constexpr ChangeSpot kChangeSpots[] = {
    {0, true, 276, 336, 251, 338},
    {2, false, 292, 236, 277, 238},
    {3, false, 234, 282, 219, 284},
    {1, false, 352, 282, 337, 284},
};

// Seat names, centred in their boxes (from the sheet's origin), seats 0..3.
constexpr platform::Rect kNameBoxes[4] = {
    {271, 359, 402, 391}, {363, 310, 450, 342}, {284, 260, 375, 292}, {217, 310, 304, 342}};

// The fan list: six lines from y + 248, 25 pixels apart; a name and its value.
constexpr int kFirstLineY = 248;
constexpr int kLineStep = 25;

// Decimal digits of a change, ten-thousands first.
void ChangeDigitsOf(int value, int out[5]) {
    out[0] = value / 10000;
    out[1] = value % 10000 / 1000;
    out[2] = value % 1000 / 100;
    out[3] = value % 100 / 10;
    out[4] = value % 10;
}

platform::Rect Offset(const platform::Rect& r, int x, int y) {
    return {r.left + x, r.top + y, r.right + x, r.bottom + y};
}

}  // namespace

CScoreForm::CScoreForm(std::string_view backgroundPath, CMj* ownerTable)
    : CBitForm(backgroundPath, ownerTable) {
    InitFanNames();
    buttons.Add("Graphic\\ScoreForm\\replay.bmp", "");
    buttons.Add("Graphic\\ScoreForm\\exit.bmp", "");
    buttons.Add("Graphic\\ScoreForm\\Exit.bmp", "");
    buttons.Add("Graphic\\ScoreForm\\up.bmp", "");
    buttons.Add("Graphic\\ScoreForm\\down.bmp", "");
    buttons.GetButton(kHiddenExit)->visible = 0;
    SetPosCentred();
    LoadWidgetPicture("Graphic\\ScoreForm\\mj.bmp", &tiles, &tilesRect, true);
    LoadWidgetPicture("Graphic\\ScoreForm\\huangpai.bmp", &exhausted, &exhaustedRect, true);
    LoadWidgetPicture("Graphic\\ScoreForm\\he.bmp", &winPicture, &winRect, true);
    LoadWidgetPicture("Graphic\\ScoreForm\\lresultnumber1.bmp", &largeDigits, &largeDigitsRect,
                      true);
    LoadWidgetPicture("Graphic\\ScoreForm\\lresultnumber2.bmp", &smallDigits, &smallDigitsRect,
                      true);
    LoadWidgetPicture("Graphic\\ScoreForm\\lresultSign1.bmp", &largeSigns, &largeSignsRect, true);
    LoadWidgetPicture("Graphic\\ScoreForm\\lresultSign2.bmp", &smallSigns, &smallSignsRect, true);
    LoadWidgetPicture("Graphic\\ScoreForm\\barcenter.bmp", &barPiece, &barRect, true);
    tileWidth = tilesRect.right / kStripCells;
}

CScoreForm::~CScoreForm() {
    for (platform::Surface** s : {&tiles, &exhausted, &winPicture, &largeDigits, &smallDigits,
                                  &largeSigns, &smallSigns, &barPiece})
        GReleaseSurface(s);
}

void CScoreForm::SetPos(int newX, int newY) {
    CBitForm::SetPos(newX, newY);
    buttons.SetPos(kReplay, newX + 300, newY + 400);
    buttons.SetPos(kLeave, newX + 390, newY + 400);
    buttons.SetPos(kHiddenExit, newX + 369, newY + 400);
    buttons.SetPos(kUp, newX + 160, newY + 230);
    buttons.SetPos(kDown, newX + 160, newY + 370);
}

int CScoreForm::FindWinner() const {
    if (!owner) return -1;
    for (int s = 0; s < 4; ++s)
        if (owner->GetPlayer(s)->hued) return s;
    return -1;
}

void CScoreForm::Show() {
    const bool won = FindWinner() >= 0;
    buttons.GetButton(kUp)->visible = won;
    buttons.GetButton(kDown)->visible = won;
    firstLine = 0;
    visible = 1;
    CurrentLobbyWindows()->ShowInviteList(false, 0, 0);
    nActiveForm = kScoreFormId;
    Redraw();
}

void CScoreForm::BlitTile(const tagMj& tile, int px, int py) {
    if (tile.suit < 0 || tile.suit > 4) return;
    const int column = kSuitBase[tile.suit] + tile.value - 1;
    const platform::Rect cell{column * tileWidth, 0, (column + 1) * tileWidth, tilesRect.bottom};
    DrawKeyed(tiles, cell, px, py);
}

void CScoreForm::Draw() {
    if (!visible) return;
    GAlphaBlt(background, x, y, 0, 0, backgroundRect.right, backgroundRect.bottom, kSheetOpacity);
    const int winner = FindWinner();
    if (winner >= 0) DrawScrollTrack();
    buttons.DrawAll();
    if (winner < 0) {
        DrawKeyed(exhausted, exhaustedRect, x + 130, y + 120);
        return;
    }
    CMjPlayer& seat = *owner->GetPlayer(winner);
    GAlphaBlt(winPicture, x + 15, y + 96, 0, 0, winRect.right, winRect.bottom, kSheetOpacity);
    BlitTile(seat.winmj, x + 100, y + 96);
    DrawWinnerHand(seat);
    DrawScoreChanges();
    DrawTexts(seat);
}

// 140 / h + 1 pieces of the bar, h the piece's height.
void CScoreForm::DrawScrollTrack() {
    const int h = barRect.bottom;
    if (h <= 0) return;
    for (int i = 0; i <= 140 / h; ++i) DrawKeyed(barPiece, barRect, x + 160, y + 230 + i * h);
}

// The melds, then the scored groups (or, with none, the concealed tiles side by side).
void CScoreForm::DrawWinnerHand(CMjPlayer& winner) {
    int pen = x + 15;
    const int penY = y + 165;
    for (int i = 0; i < std::clamp(winner.gangnum, 0, 5); ++i) DrawGroup(winner.Gang[i], pen, penY);
    const int groups = std::clamp(winner.splitnum, 0, 6);
    if (groups == 0) {
        for (int i = 0; i < std::clamp(winner.cardnum, 0, kMaxHandTiles); ++i) {
            BlitTile(winner.Mj[i], pen, penY);
            pen += tileWidth;
        }
        return;
    }
    for (int i = 0; i < groups; ++i) DrawGroup(winner.Split[i], pen, penY);
}

// Side by side; a kong's fourth tile stands over the middle one, 12 pixels higher.
void CScoreForm::DrawGroup(const GetMj& group, int& penX, int penY) {
    const int n = std::clamp(group.num, 0, 4);
    for (int k = 0; k < n; ++k) {
        if (k == 3) {
            BlitTile(group.Mj[k], penX - 2 * tileWidth, penY - 12);
        } else {
            BlitTile(group.Mj[k], penX, penY);
            penX += tileWidth;
        }
    }
    penX += 3;
}

// Each seat's change below 10,000: a sign for a change other than 0, then always five digits
// of its magnitude.  A digit outside 0..9 (the ten-thousands of 100,000 and more, or any digit
// of the most negative change, whose magnitude cannot be taken) is skipped without moving the
// pen.
void CScoreForm::DrawScoreChanges() {
    for (const ChangeSpot& spot : kChangeSpots) {
        const int change = owner->GetPlayer(spot.seat)->gain;
        if (change >= kUndrawnChange) continue;
        const ChangeDigits& look = spot.large ? kLargeDigits : kSmallDigits;
        const platform::Surface* signs = spot.large ? largeSigns : smallSigns;
        const platform::Surface* digits = spot.large ? largeDigits : smallDigits;
        if (change != 0)
            DrawKeyed(signs, change < 0 ? look.minus : look.plus, x + spot.signX, y + spot.signY);
        int d[5];
        ChangeDigitsOf(Abs(change), d);
        int pen = x + spot.digitX;
        for (int digit : d) {
            if (digit < 0 || digit > 9) continue;
            DrawKeyed(digits, {digit * look.cell, 0, (digit + 1) * look.cell, look.cell}, pen,
                      y + spot.digitY);
            pen += look.step;
        }
    }
}

void CScoreForm::DrawTexts(CMjPlayer& winner) {
    WriteTextIn({x + 80, y + 410, x + 160, y + 442}, std::to_string(winner.fan) + " 番", kSheetFont,
                0, InkOnly(kOrange));
    for (int s = 0; s < 4; ++s) {
        const CMjPlayer& seat = *owner->GetPlayer(s);
        const std::string_view name(seat.name, strnlen(seat.name, sizeof seat.name));
        WriteTextIn(Offset(kNameBoxes[s], x, y), name, kSheetFont, platform::kDtCenter,
                    InkOnly(kWhite));
    }
    DrawFanLines(winner);
}

int CScoreForm::CountFanLines(const CMjPlayer& seat) {
    int n = 0;
    for (int fan = 0; fan <= kLastListedFan; ++fan) n += seat.FanFlag[fan] != 0;
    for (int i = 0; i < kExFanCount; ++i) n += seat.ExFan[i] != 0;
    return n;
}

// The winner's flowers make fan 81 a line of its own, worth one fan a flower.
void CScoreForm::DrawFanLines(CMjPlayer& winner) {
    if (winner.flowers > 0) winner.FanFlag[kFlowerFan] = 1;
    int line = 0;
    int drawn = 0;
    auto drawLine = [&](const char* name, int value) {
        if (++line <= firstLine || drawn >= kVisibleLines) return;
        const int ly = y + kFirstLineY + kLineStep * drawn++;
        WriteTextIn({x + 28, ly, x + 158, ly + 32}, name ? name : "", kSheetFont, 0,
                    InkOnly(kWhite));
        WriteTextIn({x + 130, ly, x + 200, ly + 32}, std::to_string(value), kSheetFont, 0,
                    InkOnly(kOrange));
    };
    for (int fan = 0; fan <= kLastListedFan; ++fan)
        if (winner.FanFlag[fan])
            drawLine(FanNames[fan], fan == kFlowerFan ? winner.flowers : FanValue(fan));
    for (int i = 0; i < kExFanCount; ++i)
        if (winner.ExFan[i]) drawLine(ExtraFanNames[i], ExFanValue(i));
}

void CScoreForm::ScrollUp() {
    if (firstLine >= 1) --firstLine;
    Redraw();
}

// Down stops once the last line is the sixth one shown.
void CScoreForm::ScrollDown() {
    const int winner = FindWinner();
    const int listed = winner >= 0 ? CountFanLines(*owner->GetPlayer(winner)) : 0;
    if (listed - firstLine >= kVisibleLines + 1) ++firstLine;
    Redraw();
}

int CScoreForm::OnLButtonDown(int px, int py) {
    const int index = PressButtons(px, py);
    if (index < 0) {
        dragging = 1;
        dragPointX = px;
        dragPointY = py;
        dragStartX = x;
        dragStartY = y;
    }
    return index;
}

int CScoreForm::OnMouseMove(int px, int py) {
    if (dragging) return 0;
    return HoverButtons(px, py);
}

int CScoreForm::OnLButtonUp(int px, int py) {
    dragging = 0;
    const int index = buttons.MouseUp(px, py);
    switch (index) {
        case kReplay:
            CBitForm::Close();
            if (owner) owner->StartHand();
            break;
        case kLeave:
            if (owner) owner->QuitGame();
            break;
        case kUp: ScrollUp(); break;
        case kDown: ScrollDown(); break;
        default: break;
    }
    return index;
}

int CScoreForm::OnKeyDown(int key) {
    if (key == ' ' && visible) {
        visible = 0;
        Redraw();
    }
    return 0;
}

int CScoreForm::OnKeyUp(int key) {
    if (key == ' ') {
        visible = 1;
        Redraw();
    }
    return 0;
}
