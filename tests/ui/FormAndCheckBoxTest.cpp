// The dialog base (drawing, closing, the table redraw) and the check box.
#include <gtest/gtest.h>

#include "EngineTestSupport.h"
#include "WidgetTestSupport.h"
#include "engine/Mj.h"
#include "ui/BitCheckBox.h"
#include "ui/BitForm.h"

using namespace ui_test;
using platform::testing::SoundCallKind;

namespace {

constexpr int kTestFormId = 2;

// A dialog as every subclass makes one: buttons added in id order, Show makes it active.
class TestForm : public CBitForm {
public:
    explicit TestForm(CMj* table) : CBitForm("Graphic\\OptionForm\\background.bmp", table) {
        buttons.Add("Graphic\\OptionForm\\Restart.bmp", "确定");
        SetPos(250, 170);
    }
    void SetPos(int newX, int newY) override {
        CBitForm::SetPos(newX, newY);
        buttons.SetPos(0, newX + 20, newY + 200);
    }
    void Show() override {
        nActiveForm = kTestFormId;
        Redraw();
    }
    int OnLButtonDown(int px, int py) override { return buttons.MouseDown(px, py); }
    int OnMouseMove(int px, int py) override { return buttons.MouseMove(px, py); }
    int OnLButtonUp(int px, int py) override { return buttons.MouseUp(px, py); }
};

// A table in a program folder of its own: it writes its settings when it goes.
class FormTest : public WidgetTest {
protected:
    // The table shows its start-mode dialog as it is made; the tests count frames from there.
    FormTest() { presenter.Clear(); }
    ~FormTest() override { nActiveForm = 0; }
    std::filesystem::path folder_ = enginetest::ProgramFolderOfTheBuild("ui");
    CMj table;
};

TEST_F(FormTest, ShowMakesTheDialogActiveAndCloseClearsItEachWithARedraw) {
    TestForm form(&table);
    form.Show();
    EXPECT_EQ(nActiveForm, kTestFormId);
    EXPECT_EQ(presenter.Count(), 1);
    form.Close();
    EXPECT_EQ(nActiveForm, 0);
    ASSERT_EQ(presenter.Count(), 2);
    EXPECT_EQ(presenter.Last().width, 800);
    EXPECT_EQ(presenter.Last().Pixel(5, 5), Pixel(5, 5));
}

TEST_F(FormTest, RedrawWithoutACompositionSurfacePresentsNothing) {
    lpDDSPla = nullptr;
    table.Redraw();
    EXPECT_EQ(presenter.Count(), 0);
    lpDDSPla = &frame;
}

TEST_F(FormTest, DrawCopiesTheBackgroundOpaqueAndThenTheButtons) {
    TestForm form(&table);
    ASSERT_NE(form.background, nullptr);
    EXPECT_EQ(form.backgroundRect.right, form.background->Width());
    form.Draw();
    const platform::Surface& bg = *form.background;
    EXPECT_EQ(Pixel(250, 170), bg.Row(0)[0]);
    EXPECT_EQ(Pixel(250 + 150, 170 + 100), bg.Row(100)[150]);
    const CBitButton* ok = form.buttons.GetButton(0);
    const std::uint16_t face = ok->picture->Row(ok->GetHeight() / 2)[50];
    ASSERT_NE(face, ColorKey);
    EXPECT_EQ(Pixel(ok->x + 50, ok->y + ok->GetHeight() / 2), face);
}

TEST_F(FormTest, AClosedDialogShownAgainKeepsItsPlaceAndButtons) {
    TestForm form(&table);
    form.buttons.GetButton(0)->enabled = 0;
    form.Show();
    form.Close();
    form.Show();
    EXPECT_EQ(form.x, 250);
    EXPECT_EQ(form.buttons.count, 1);
    EXPECT_FALSE(form.buttons.GetButton(0)->enabled);
}

class CheckBoxTest : public WidgetTest {
protected:
    CheckBoxTest() { box.SetPos(kX, kY); }
    static constexpr int kX = 200;
    static constexpr int kY = 300;
    // 20 × 20 pictures.
    CBitCheckBox box{"Graphic\\OptionForm\\checkbox1.bmp", "Graphic\\OptionForm\\checkbox2.bmp"};
};

TEST_F(CheckBoxTest, ANewBoxIsChecked) {
    EXPECT_EQ(box.checked, 1);
    EXPECT_TRUE(box.enabled && box.visible);
    ASSERT_NE(box.checkedPicture, nullptr);
    ASSERT_NE(box.uncheckedPicture, nullptr);
    EXPECT_EQ(box.checkedRect.right, 20);
}

TEST_F(CheckBoxTest, ClicksOnTheEdgesMissAndInsideTogglesWithTheCheckSound) {
    const struct {
        int dx, dy;
        bool toggles;
    } cases[] = {{0, 10, false}, {10, 0, false}, {20, 10, false}, {10, 20, false},
                 {1, 1, true},   {19, 19, true}, {10, 10, true}};
    int expectedChecked = 1;
    int sounds = 0;
    for (const auto& c : cases) {
        EXPECT_EQ(box.Click(kX + c.dx, kY + c.dy), c.toggles) << c.dx << "," << c.dy;
        if (c.toggles) {
            expectedChecked = !expectedChecked;
            ++sounds;
        }
        EXPECT_EQ(box.checked, expectedChecked);
    }
    const auto files = sound.Paths(SoundCallKind::PlayFile);
    ASSERT_EQ(static_cast<int>(files.size()), sounds);
    EXPECT_EQ(files[0], platform::ProgramPath("Wave\\check.wav"));
}

TEST_F(CheckBoxTest, HiddenBoxNeitherDrawsNorTogglesAndADisabledOneDrawsButStays) {
    box.visible = 0;
    box.Draw();
    EXPECT_EQ(Pixel(kX + 10, kY + 10), kFelt);
    EXPECT_FALSE(box.Click(kX + 10, kY + 10));

    box.visible = 1;
    box.enabled = 0;
    EXPECT_FALSE(box.Click(kX + 10, kY + 10));
    EXPECT_EQ(box.checked, 1);
    box.Draw();
    EXPECT_EQ(Pixel(kX + 10, kY + 10), box.checkedPicture->Row(10)[10]);
    EXPECT_EQ(sound.Count(SoundCallKind::PlayFile), 0);
}

TEST_F(CheckBoxTest, DrawsThePictureOfItsStateAndTheCaptionInTheDefaultFont) {
    box.caption = "财神规则";
    box.checked = 0;
    box.Draw();
    EXPECT_EQ(Pixel(kX + 10, kY + 10), box.uncheckedPicture->Row(10)[10]);
    // The caption starts 4 pixels right of the picture, 4 down, in black 16-pixel characters.
    int ink = 0, lowest = 0;
    for (int y = kY; y < kY + 30; ++y)
        for (int x = kX + 24; x < kX + 24 + 64; ++x)
            if (Pixel(x, y) == 0x0000) {
                ++ink;
                lowest = y;
            }
    EXPECT_GT(ink, 0);
    EXPECT_GT(lowest, kY + 4 + 12);  // taller than the 12-pixel font could reach
    EXPECT_EQ(Pixel(kX + 23, kY + 10), kFelt);
}

}  // namespace
