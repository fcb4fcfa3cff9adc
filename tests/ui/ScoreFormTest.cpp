// The score sheet: the sign and digits of every seat's change, the exhausted wall, the fan list
// and its scrolling, Space hiding and showing the sheet, and its two actions.
#include <gtest/gtest.h>

#include <climits>

#include "DialogTestSupport.h"
#include "graphics/AlphaBlend.h"
#include "ui/FanNames.h"
#include "ui/ScoreForm.h"
#include "ui/WelComForm.h"

namespace dialog_test {
namespace {

// True when every non-key pixel of `cell` of `sheet` stands at (x, y) of the frame.
bool CellAt(const platform::Surface& frame, const platform::Surface* sheet,
            const platform::Rect& cell, int x, int y) {
    int compared = 0;
    for (int j = cell.top; j < cell.bottom; ++j)
        for (int i = cell.left; i < cell.right; ++i) {
            const std::uint16_t p = sheet->Row(j)[i];
            if (p == ColorKey) continue;
            ++compared;
            if (frame.Row(y + j - cell.top)[x + i - cell.left] != p) return false;
        }
    return compared > 0;
}

class ScoreFormTest : public DialogTest {
protected:
    ScoreFormTest() : sheet(*pScoreForm) {}

    // Seat `winner` has won with a few fans, every seat with its change.
    void Win(int winner, const int changes[4]) {
        for (int s = 0; s < 4; ++s) {
            CMjPlayer& p = table.Player[s];
            p.hued = s == winner;
            p.gain = changes[s];
        }
        CMjPlayer& w = table.Player[winner];
        w.fan = 12;
        w.winmj = MakeTile(5, 1);
        w.cardnum = 14;
        for (int i = 0; i < 14; ++i) w.Mj[i] = MakeTile(i % 9 + 1, i / 9);
    }
    void SetFans(int seat, std::initializer_list<int> fans,
                 std::initializer_list<int> extras = {}) {
        CMjPlayer& p = table.Player[seat];
        std::fill(std::begin(p.FanFlag), std::end(p.FanFlag), 0);
        std::fill(std::begin(p.ExFan), std::end(p.ExFan), 0);
        for (int f : fans) p.FanFlag[f] = 1;
        for (int e : extras) p.ExFan[e] = 1;
    }
    // The sheet drawn alone on the felt.
    void DrawSheet() {
        Fill(kFelt);
        sheet.Draw();
    }
    // The sheet's background blended on the felt, as under the digits.
    platform::Surface BackgroundOnly() {
        platform::Surface* saved = lpDDSPla;
        platform::Surface plain(800, 600);
        platform::ColorFill(&plain, nullptr, kFelt);
        lpDDSPla = &plain;
        GAlphaBlt(sheet.background, sheet.x, sheet.y, 0, 0, sheet.backgroundRect.right,
                  sheet.backgroundRect.bottom, 210);
        lpDDSPla = saved;
        return plain;
    }

    CScoreForm& sheet;
};

// Seat 0 with the large sprites, seat 1 with the small ones: the sign cell, then five digit
// cells a pen step apart, the magnitude's leading zeros included.
TEST_F(ScoreFormTest, EachChangeShowsItsSignAndFiveDigits) {
    struct Case {
        int change;
        int sign;            // -1 minus, 0 none, 1 plus
        const char* digits;  // drawn, pen step by pen step
    };
    const Case cases[] = {
        {0, 0, "00000"},      {-8, -1, "00008"},     {250, 1, "00250"}, {9999, 1, "09999"},
        {-9999, -1, "09999"}, {-123456, -1, "3456"},  // the ten-thousands digit 12 is skipped, the
                                                      // pen stays
        {INT_MIN, -1, ""},                            // no magnitude: the sign only
    };
    struct Spot {
        int seat;
        bool large;
        int digitX, digitY, signX, signY;
    };
    const Spot spots[] = {{0, true, 276, 336, 251, 338},
                          {1, false, 352, 282, 337, 284},
                          {2, false, 292, 236, 277, 238},
                          {3, false, 234, 282, 219, 284}};
    for (const Case& c : cases) {
        const int changes[4] = {c.change, c.change, c.change, c.change};
        Win(2, changes);
        sheet.Show();
        DrawSheet();
        for (const Spot& s : spots) {
            const int cell = s.large ? 23 : 17;
            const int step = s.large ? 25 : 19;
            const platform::Surface* signs = s.large ? sheet.largeSigns : sheet.smallSigns;
            const platform::Surface* digits = s.large ? sheet.largeDigits : sheet.smallDigits;
            const platform::Rect minus =
                s.large ? platform::Rect{21, 0, 42, 21} : platform::Rect{14, 0, 28, 12};
            const platform::Rect plus =
                s.large ? platform::Rect{0, 0, 21, 21} : platform::Rect{0, 0, 14, 12};
            const int sx = sheet.x + s.signX;
            const int sy = sheet.y + s.signY;
            EXPECT_EQ(CellAt(frame, signs, minus, sx, sy), c.sign < 0)
                << c.change << " seat " << s.seat;
            EXPECT_EQ(CellAt(frame, signs, plus, sx, sy), c.sign > 0)
                << c.change << " seat " << s.seat;
            const std::string drawn = c.digits;
            for (std::size_t k = 0; k < drawn.size(); ++k) {
                const int d = drawn[k] - '0';
                EXPECT_TRUE(CellAt(frame, digits, {d * cell, 0, (d + 1) * cell, cell},
                                   sheet.x + s.digitX + static_cast<int>(k) * step,
                                   sheet.y + s.digitY))
                    << c.change << " seat " << s.seat << " digit " << k;
            }
        }
    }
}

TEST_F(ScoreFormTest, AChangeOfTenThousandOrMoreIsNotDrawn) {
    for (int change : {10000, 10001, 250000, INT_MAX}) {
        const int changes[4] = {change, change, change, change};
        Win(1, changes);
        sheet.Show();
        DrawSheet();
        const platform::Surface plain = BackgroundOnly();
        // The sign and the five digits of each seat.
        const platform::Rect areas[] = {
            {251, 336, 401, 359}, {337, 282, 447, 299}, {277, 236, 387, 253}, {219, 282, 329, 299}};
        for (const platform::Rect& a : areas) {
            const platform::Rect onScreen{sheet.x + a.left, sheet.y + a.top, sheet.x + a.right,
                                          sheet.y + a.bottom};
            EXPECT_EQ(ui_test::CountDifferences(frame, plain, onScreen), 0) << change;
        }
    }
}

TEST_F(ScoreFormTest, AnExhaustedWallShowsItsPictureWithoutScrollButtons) {
    const int changes[4] = {0, 0, 0, 0};
    Win(0, changes);
    table.Player[0].hued = 0;
    sheet.Show();
    EXPECT_EQ(nActiveForm, kScoreFormId);
    EXPECT_FALSE(sheet.buttons.GetButton(CScoreForm::kUp)->visible);
    EXPECT_FALSE(sheet.buttons.GetButton(CScoreForm::kDown)->visible);
    EXPECT_FALSE(sheet.buttons.GetButton(CScoreForm::kHiddenExit)->visible);
    DrawSheet();
    EXPECT_TRUE(CellAt(frame, sheet.exhausted, sheet.exhaustedRect, sheet.x + 130, sheet.y + 120));
    EXPECT_FALSE(CellAt(frame, sheet.largeDigits, {0, 0, 23, 23}, sheet.x + 276, sheet.y + 336))
        << "no changes after an exhausted wall";
}

TEST_F(ScoreFormTest, TheWinnersHandShowsMeldsWithAKongsFourthTileRaised) {
    const int changes[4] = {24, -8, -8, -8};
    Win(0, changes);
    CMjPlayer& w = table.Player[0];
    w.gangnum = 1;
    w.Gang[0].num = 4;
    for (tagMj& t : w.Gang[0].Mj) t = MakeTile(3, kHonourSuit);
    w.Gang[0].Mj[3] = MakeTile(4, kHonourSuit);  // a different face, to find it
    w.splitnum = 0;
    w.cardnum = 2;
    w.Mj[0] = MakeTile(1, 0);
    w.Mj[1] = MakeTile(1, 0);
    sheet.Show();
    DrawSheet();
    const int tw = sheet.tileWidth;
    const int h = sheet.tilesRect.bottom;
    auto tileCell = [&](const tagMj& t) {
        const int base[5] = {0, 9, 18, 27, 34};
        const int column = base[t.suit] + t.value - 1;
        return platform::Rect{column * tw, 0, (column + 1) * tw, h};
    };
    const int penX = sheet.x + 15;
    const int penY = sheet.y + 165;
    EXPECT_TRUE(CellAt(frame, sheet.tiles, tileCell(MakeTile(5, 1)), sheet.x + 100, sheet.y + 96))
        << "the winning tile";
    EXPECT_TRUE(
        CellAt(frame, sheet.tiles, tileCell(MakeTile(4, kHonourSuit)), penX + tw, penY - 12))
        << "the fourth tile over the middle one";
    EXPECT_TRUE(CellAt(frame, sheet.tiles, tileCell(MakeTile(1, 0)), penX + 3 * tw + 3 + tw, penY))
        << "the concealed tiles after the meld and its gap";
}

TEST_F(ScoreFormTest, TheListScrollsLineByLineWithinItsEnds) {
    const int changes[4] = {0, 48, -16, -32};
    Win(1, changes);
    SetFans(1, {10, 22, 48, 49, 55, 70, 76}, {0, 4});  // nine lines
    EXPECT_EQ(CScoreForm::CountFanLines(table.Player[1]), 9);
    sheet.Show();
    const int frames = presenter.Count();
    const int firstAfterDown[] = {1, 2, 3, 3, 3};
    for (int expected : firstAfterDown) {
        EXPECT_EQ(Click(sheet, CScoreForm::kDown), CScoreForm::kDown);
        EXPECT_EQ(sheet.firstLine, expected);
    }
    const int firstAfterUp[] = {2, 1, 0, 0};
    for (int expected : firstAfterUp) {
        Click(sheet, CScoreForm::kUp);
        EXPECT_EQ(sheet.firstLine, expected);
    }
    // A press redraws, and every release redraws whether the list moved or not.
    EXPECT_GE(presenter.Count() - frames, 2 * 9);
    sheet.Show();
    EXPECT_EQ(sheet.firstLine, 0);
}

TEST_F(ScoreFormTest, SixLinesOrFewerDoNotScroll) {
    const int changes[4] = {0, 8, -8, 0};
    Win(1, changes);
    SetFans(1, {1, 2, 3, 4, 5, 6});
    sheet.Show();
    Click(sheet, CScoreForm::kDown);
    EXPECT_EQ(sheet.firstLine, 0);
}

TEST_F(ScoreFormTest, FlowersBecomeTheFlowerFanLine) {
    const int changes[4] = {0, 8, -8, 0};
    Win(1, changes);
    SetFans(1, {48});
    table.Player[1].flowers = 3;
    sheet.Show();
    EXPECT_EQ(table.Player[1].FanFlag[81], 1) << "the frame drew the sheet";
    EXPECT_EQ(CScoreForm::CountFanLines(table.Player[1]), 2);
}

TEST_F(ScoreFormTest, TheFanNamesAreTheFanTablesOwn) {
    for (int n = 1; n <= 88; ++n) EXPECT_EQ(FanNames[n], FanNameTable[n]) << n;
    for (int i = 0; i < kExFanCount; ++i) EXPECT_EQ(ExtraFanNames[i], ExFanName(i)) << i;
    EXPECT_STREQ(FanNames[81], "花牌");
    EXPECT_STREQ(ExtraFanNames[6], "立直");
    EXPECT_STREQ(ExtraFanNames[7], "");
}

TEST_F(ScoreFormTest, SpaceHidesTheSheetUntilItIsReleased) {
    const int changes[4] = {24, -8, -8, -8};
    Win(0, changes);
    sheet.Show();
    const int inside = sheet.x + 5;
    const int insideY = sheet.y + 5;
    const std::uint16_t table = presentation.Table(inside, insideY);
    ASSERT_NE(Pixel(inside, insideY), table);
    struct Step {
        bool down;
        int key;
        std::uint8_t visibleAfter;
        bool redraws;  // Space down only when it hides the sheet; Space up always
    };
    const Step steps[] = {{true, 'A', 1, false},  {true, ' ', 0, true},  {true, ' ', 0, false},
                          {false, 'A', 0, false}, {false, ' ', 1, true}, {false, ' ', 1, true}};
    for (const Step& s : steps) {
        const int frames = presenter.Count();
        EXPECT_EQ(s.down ? sheet.OnKeyDown(s.key) : sheet.OnKeyUp(s.key), 0);
        EXPECT_EQ(sheet.visible, s.visibleAfter) << s.down << s.key;
        EXPECT_EQ(nActiveForm, kScoreFormId);
        EXPECT_EQ(presenter.Count() - frames, s.redraws ? 1 : 0) << s.down << s.key;
        EXPECT_EQ(presenter.Last().Pixel(inside, insideY) == table, s.visibleAfter == 0);
    }
}

TEST_F(ScoreFormTest, AClickOnTheHiddenSheetStillReplays) {
    headless.StartGame(enginetest::kOfficial);
    const int changes[4] = {24, -8, -8, -8};
    Win(0, changes);
    sheet.Show();
    sheet.OnKeyDown(' ');
    ASSERT_EQ(sheet.visible, 0);
    table.Timer(kTimerDice)->SetEnabled(false);
    table.Timer(kTimerStep)->SetEnabled(false);
    EXPECT_EQ(Click(sheet, CScoreForm::kReplay), CScoreForm::kReplay);
    EXPECT_EQ(nActiveForm, 0);
    EXPECT_EQ(table.state, kHandRunning);
    EXPECT_TRUE(table.Timer(kTimerStep)->enabled) << "the dice of the next hand roll";
}

TEST_F(ScoreFormTest, ReplayWithABankruptSeatOnlyShowsTheMessage) {
    const int changes[4] = {24, -8, -8, -8};
    Win(0, changes);
    table.Player[2].score = 0;
    sheet.Show();
    Click(sheet, CScoreForm::kReplay);
    EXPECT_EQ(nActiveForm, 0);
    EXPECT_TRUE(bMessageShown);
    EXPECT_EQ(MessageBoxForm()->text, "有人已经破产了,游戏结束");
}

TEST_F(ScoreFormTest, LeaveSavesTheGameAndShowsTheSlots) {
    const int changes[4] = {24, -8, -8, -8};
    Win(0, changes);
    table.state = kHandOver;
    table.savefile = platform::ProgramPath("Save\\2.cmj");
    sheet.Show();
    EXPECT_EQ(Click(sheet, CScoreForm::kLeave), CScoreForm::kLeave);
    EXPECT_EQ(nActiveForm, kWelComFormId);
    EXPECT_TRUE(std::filesystem::exists(folder / "Save" / "2.cmj"));
    EXPECT_EQ(pWelComForm->buttons.GetButton(CWelComForm::kFirstLoad + 1)->caption, "档案2");
}

TEST_F(ScoreFormTest, APressOffTheButtonsFreezesTheHoverUntilTheRelease) {
    const int changes[4] = {24, -8, -8, -8};
    Win(0, changes);
    sheet.Show();
    const int x0 = sheet.x;
    EXPECT_EQ(sheet.OnLButtonDown(sheet.x + 5, sheet.y + 5), -1);
    EXPECT_EQ(sheet.dragging, 1);
    const int overReplay =
        sheet.OnMouseMove(ButtonX(sheet, CScoreForm::kReplay), ButtonY(sheet, CScoreForm::kReplay));
    EXPECT_EQ(overReplay, 0);
    EXPECT_FALSE(sheet.buttons.GetButton(CScoreForm::kReplay)->hover);
    EXPECT_EQ(sheet.OnLButtonUp(sheet.x + 300, sheet.y + 300), -1);
    EXPECT_EQ(sheet.dragging, 0);
    EXPECT_EQ(sheet.x, x0) << "the sheet never moves";
    EXPECT_EQ(
        sheet.OnMouseMove(ButtonX(sheet, CScoreForm::kReplay), ButtonY(sheet, CScoreForm::kReplay)),
        CScoreForm::kReplay);
}

}  // namespace
}  // namespace dialog_test
