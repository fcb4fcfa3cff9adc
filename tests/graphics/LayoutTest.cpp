// The screen layout of both styles, from the picture sizes of the program folder, and the places
// of the 31 table buttons.
#include <gtest/gtest.h>

#include <memory>

#include "graphics/GraphicsGlobals.h"
#include "RendererTestSupport.h"
#include "graphics/MjDraw.h"
#include "ui/BitButtonArray.h"

namespace {

// Each test lays out in a program folder of its own, with the built pictures for its buttons.
class Layout : public ::testing::Test {
protected:
    void SetUp() override { rendertest::UseProgramFolder("layout", rendertest::Pictures::FromGame); }
    rendertest::RegistryScope registry;
};

// The picture sizes the layout reads, as the program folder's pictures have them.
struct PictureSizes {
    int standingW, standingH;  // one cell of the user's standing sheet
    int cc2W, cc2H, cc1H;      // classic wall pieces
    int chipsW;
    int bannerW, bannerH;
    int leftSideW;             // "Graphic\上家侧面.bmp"
    int backSmallW;            // IDB_BACK_S
    int portraitH;             // seat 0's portrait
};

constexpr PictureSizes kClassicSizes{42, 58, 24, 30, 24, 36, 96, 96, 18, 42, 226};
// The new style's standing step is one of the 13 cells of the 624-wide "Graphic\pai.bmp".
constexpr PictureSizes kNewStyleSizes{48, 75, 0, 0, 0, 36, 96, 96, 0, 0, 226};

void SetSizes(CMjDraw& draw, const PictureSizes& s) {
    draw.nTileW = s.standingW;
    draw.nTileH = s.standingH;
    draw.rcWallStack[0] = {0, 0, s.cc2W, s.cc2H};
    draw.rcWallStack[1] = {0, 0, 16, s.cc1H};
    draw.rcChips = {0, 0, s.chipsW, 24};
    draw.rcClaim[0] = {0, 0, s.bannerW, s.bannerH};
    draw.rcSeatHand[3] = {0, 0, s.leftSideW, 36};
    draw.rcSeatHand[0] = {0, 0, s.backSmallW, 58};
    draw.rcPortrait[0] = {0, 0, 140, s.portraitH};
    rcPopup = {0, 0, 82, 240};
}

// A renderer of the style, laid out with the given sizes (no picture loaded).
std::unique_ptr<CMjDraw> LaidOut(bool newStyle, const PictureSizes& sizes,
                                 CBitButtonArray* buttons = nullptr) {
    bNewStyle = newStyle ? 1 : 0;
    auto draw = std::make_unique<CMjDraw>();
    SetSizes(*draw, sizes);
    draw->SetButtons(buttons);
    draw->ComputeLayout();
    return draw;
}

struct SeatRow {
    const char* name;
    MjPoint (CMjDraw::*field)[4];
    MjPoint expected[4];
};

void ExpectRows(const CMjDraw& draw, const SeatRow* rows, std::size_t count) {
    for (std::size_t r = 0; r < count; ++r)
        for (int seat = 0; seat < 4; ++seat) {
            const MjPoint got = (draw.*rows[r].field)[seat];
            EXPECT_EQ(got.x, rows[r].expected[seat].x) << rows[r].name << " seat " << seat;
            EXPECT_EQ(got.y, rows[r].expected[seat].y) << rows[r].name << " seat " << seat;
        }
}

// New style: tw 48, th 75, chips 36 wide, banners 96 square.
const SeatRow kNewStyleRows[] = {
    {"wall origin", &CMjDraw::WallOrigin, {{204, 410}, {593, 180}, {253, 188}, {168, 180}}},
    {"dice start", &CMjDraw::DiceStart, {{363, 370}, {593, 310}, {363, 188}, {168, 310}}},
    {"seat point", &CMjDraw::SeatRef, {{359, 558}, {758, 284}, {359, 10}, {10, 284}}},
    {"chips", &CMjDraw::ChipsPos, {{318, 558}, {763, 342}, {318, 10}, {15, 342}}},
    {"hand", &CMjDraw::HandPos, {{376, 370}, {600, 310}, {376, 240}, {150, 310}}},
    {"banner", &CMjDraw::BannerPos, {{352, 364}, {550, 292}, {352, 245}, {180, 292}}},
    {"figure", &CMjDraw::FigurePos, {{20, 334}, {600, 67}, {320, 0}, {0, 67}}},
    {"plate", &CMjDraw::PlatePos, {{40, 560}, {550, 12}, {340, 12}, {100, 12}}},
};

// Classic: tw 42, th 58, cc2 24 × 30, cc1 24 high, side 18 wide, IDB_BACK_S 42 wide.  The
// seat-0 banner rises by the banner's width; seat 1's moves in by all of IDB_BACK_S, seat 3's
// by half of it.
const SeatRow kClassicRows[] = {
    {"wall origin", &CMjDraw::WallOrigin, {{184, 438}, {600, 140}, {184, 105}, {180, 140}}},
    {"dice start", &CMjDraw::DiceStart, {{363, 398}, {560, 263}, {363, 145}, {220, 263}}},
    {"seat point", &CMjDraw::SeatRef, {{359, 558}, {758, 284}, {359, 10}, {10, 284}}},
    {"chips", &CMjDraw::ChipsPos, {{318, 558}, {725, 418}, {318, 30}, {65, 418}}},
    {"hand", &CMjDraw::HandPos, {{379, 409}, {620, 271}, {379, 108}, {138, 271}}},
    {"banner", &CMjDraw::BannerPos, {{352, 381}, {612, 252}, {352, 60}, {71, 252}}},
    {"figure", &CMjDraw::FigurePos, {{20, 334}, {600, 67}, {320, 0}, {0, 67}}},
    {"plate", &CMjDraw::PlatePos, {{40, 560}, {550, 12}, {340, 12}, {100, 12}}},
};

struct OneOffCase {
    bool newStyle;
    MjPoint anchor;
    platform::Rect deskRect;
    MjPoint deskOrigin;
};

// The own-hand anchor: new style 800 − (800 − 14 tw − 15) / 2 − tw, 600 − th − 53; classic
// without the − tw and at 600 − 55 − th.  The desk grid is 14 × 6 in both styles.
const OneOffCase kOneOffCases[] = {
    {true, {696, 472}, {250, 280, 550, 460}, {190, 261}},
    {false, {702, 487}, {204, 129, 600, 438}, {250, 210}},
};

TEST_F(Layout, NewStylePositions) {
    const auto draw = LaidOut(true, kNewStyleSizes);
    ExpectRows(*draw, kNewStyleRows, std::size(kNewStyleRows));
}

TEST_F(Layout, ClassicPositions) {
    const auto draw = LaidOut(false, kClassicSizes);
    ExpectRows(*draw, kClassicRows, std::size(kClassicRows));
}

TEST_F(Layout, AnchorAndDeskOfEachStyle) {
    for (const OneOffCase& c : kOneOffCases) {
        const auto draw = LaidOut(c.newStyle, c.newStyle ? kNewStyleSizes : kClassicSizes);
        SCOPED_TRACE(c.newStyle ? "new style" : "classic");
        EXPECT_EQ(draw->OwnHandAnchor.x, c.anchor.x);
        EXPECT_EQ(draw->OwnHandAnchor.y, c.anchor.y);
        EXPECT_EQ(draw->DeskRect.left, c.deskRect.left);
        EXPECT_EQ(draw->DeskRect.top, c.deskRect.top);
        EXPECT_EQ(draw->DeskRect.right, c.deskRect.right);
        EXPECT_EQ(draw->DeskRect.bottom, c.deskRect.bottom);
        EXPECT_EQ(draw->DeskOrigin.x, c.deskOrigin.x);
        EXPECT_EQ(draw->DeskOrigin.y, c.deskOrigin.y);
        EXPECT_EQ(draw->desk.columns, 14);
        EXPECT_EQ(draw->desk.rows, 6);
    }
}

// With no picture loaded every size is 0 and the formulas still give positions.
TEST_F(Layout, WithoutPicturesTheFormulasStillHold) {
    const auto draw = LaidOut(true, PictureSizes{});
    EXPECT_EQ(draw->HandPos[0].x, 400);
    EXPECT_EQ(draw->HandPos[0].y, 520);
    EXPECT_EQ(draw->OwnHandAnchor.x, 800 - 785 / 2);
    EXPECT_EQ(draw->FigurePos[0].y, 560);
}

struct ButtonCase {
    int id;
    MjPoint newStyle, classic;
};

// The claim row stands at y 600 − 172.  Later places of one id win: 4 over 2's place, 13 over
// 23's; 16 ends at (704, 550) in both styles, 20 differs by style, 11 stands 50 above the
// own-hand anchor; the menu's entries (42 × 42 here) stand centred on the 82 × 240 panel at
// (718, 231), one to each quarter of it.  Buttons 5 and 14 are not placed.
const ButtonCase kButtonCases[] = {
    {0, {560, 428}, {560, 428}},   {1, {603, 428}, {603, 428}},   {2, {689, 428}, {689, 428}},
    {3, {474, 428}, {474, 428}},   {4, {689, 428}, {689, 428}},   {5, {0, 0}, {0, 0}},
    {6, {10, 0}, {10, 0}},         {7, {48, 0}, {48, 0}},         {8, {86, 0}, {86, 0}},
    {9, {756, 3}, {756, 3}},       {10, {712, 10}, {712, 10}},    {11, {380, 422}, {380, 437}},
    {12, {517, 428}, {517, 428}},  {13, {417, 428}, {417, 428}},  {14, {0, 0}, {0, 0}},
    {15, {351, 481}, {351, 481}},  {16, {704, 550}, {704, 550}},  {17, {623, 564}, {623, 564}},
    {18, {612, 567}, {612, 567}},  {19, {612, 567}, {612, 567}},  {20, {709, 13}, {710, 3}},
    {21, {575, 563}, {575, 563}},  {22, {646, 428}, {646, 428}},  {23, {417, 428}, {417, 428}},
    {24, {340, 428}, {340, 428}},  {25, {400, 428}, {400, 428}},  {26, {716, 20}, {716, 20}},
    {27, {738, 240}, {738, 240}},  {28, {738, 300}, {738, 300}},  {29, {738, 360}, {738, 360}},
    {30, {738, 420}, {738, 420}},
};

TEST_F(Layout, PlacesTheTableButtons) {
    for (const bool newStyle : {true, false}) {
        SCOPED_TRACE(newStyle ? "new style" : "classic");
        CBitButtonArray buttons;
        for (int id = 0; id < 31; ++id) buttons.Add("Graphic\\peng.bmp", "");
        LaidOut(newStyle, newStyle ? kNewStyleSizes : kClassicSizes, &buttons);
        for (const ButtonCase& c : kButtonCases) {
            const MjPoint want = newStyle ? c.newStyle : c.classic;
            const CBitButton* button = buttons.GetButton(c.id);
            ASSERT_NE(button, nullptr);
            EXPECT_EQ(button->x, want.x) << "button " << c.id;
            EXPECT_EQ(button->y, want.y) << "button " << c.id;
        }
    }
}

// Fewer buttons than the layout places: the missing ones are left alone.
TEST_F(Layout, PlacesOnlyTheButtonsThereAre) {
    CBitButtonArray buttons;
    for (int id = 0; id < 4; ++id) buttons.Add("Graphic\\peng.bmp", "");
    LaidOut(true, kNewStyleSizes, &buttons);
    EXPECT_EQ(buttons.GetButton(3)->x, 474);
    EXPECT_EQ(buttons.count, 4);
}

}  // namespace
