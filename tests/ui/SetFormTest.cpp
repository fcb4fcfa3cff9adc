// The options: the slider positions read from and written to SET.ini with their ranges, the
// volume and pace they give, sliders acting at once, and the switches applied only by OK.
#include <gtest/gtest.h>

#include <optional>

#include "DialogTestSupport.h"
#include "graphics/DxSound.h"
#include "platform/Ini.h"
#include "ui/SetForm.h"

namespace dialog_test {
namespace {

using platform::testing::SoundCallKind;

class SetFormTest : public DialogTest {
protected:
    std::string Settings() const { return platform::ProgramPath("SET.ini"); }
    // The volume the sound object was given last.
    int LastVolume() const {
        int volume = 1;
        for (const auto& call : sound.Calls())
            if (call.kind == SoundCallKind::SetVolume) volume = call.volume;
        return volume;
    }
    // Drags a slider's thumb to screen x.
    static void Drag(CSetForm& form, CDxTrackBar& slider, int toX) {
        const int thumbX = slider.xMin + slider.value * slider.pixelsPerStep + 2;
        form.OnLButtonDown(thumbX, slider.y + 2);
        form.OnMouseMove(toX, slider.y + 2);
    }
};

TEST_F(SetFormTest, TheSliderPositionsComeFromSetIniWhenInRange) {
    struct Case {
        const char* stored;  // null: no key
        int position;
    };
    const Case cases[] = {{nullptr, 20}, {"0", 0},   {"7", 7},   {"19", 19},
                          {"20", 20},    {"25", 20}, {"-1", 20}, {"x", 0}};
    for (const Case& c : cases) {
        std::filesystem::remove(folder / "SET.ini");
        if (c.stored) {
            platform::WriteProfileString("Volume", "Sound", c.stored, Settings());
            platform::WriteProfileString("Window", "Speed", c.stored, Settings());
        }
        sound.ClearCalls();
        std::optional<CSetForm> form;
        form.emplace("Graphic\\OptionForm\\background.bmp", &table);
        EXPECT_EQ(form->volumeSlider->value, c.position) << (c.stored ? c.stored : "none");
        EXPECT_EQ(form->speedSlider->value, c.position);
        EXPECT_EQ(LastVolume(), std::max(250 * c.position - 5000, -10000)) << "applied at once";
        EXPECT_EQ(table.claimdelay, (20 - c.position) * 20 + 50);
        form.reset();  // writes both positions back
        EXPECT_EQ(platform::ReadProfileInt("Volume", "Sound", -9, Settings()), c.position);
        EXPECT_EQ(platform::ReadProfileInt("Window", "Speed", -9, Settings()), c.position);
    }
}

TEST_F(SetFormTest, VolumeAndPaceFollowThePositions) {
    struct Case {
        int position;
        int volume;
        int pace;
    };
    const Case cases[] = {{0, -5000, 450}, {1, -4750, 430}, {10, -2500, 250}, {20, 0, 50}};
    for (const Case& c : cases) {
        EXPECT_EQ(CSetForm::VolumeFor(c.position), c.volume);
        EXPECT_EQ(CSetForm::PaceFor(c.position), c.pace);
    }
}

TEST_F(SetFormTest, DraggedSlidersActAtOnceAndStayAfterCancel) {
    CSetForm& form = *pSetForm;
    form.Show();
    ASSERT_EQ(nActiveForm, kSetFormId);
    Drag(form, *form.volumeSlider, form.volumeSlider->xMin - 10);
    EXPECT_EQ(form.volumeSlider->value, 0);
    EXPECT_EQ(LastVolume(), -5000);
    form.OnLButtonUp(0, 0);
    Drag(form, *form.speedSlider, form.speedSlider->xMin - 10);
    EXPECT_EQ(table.claimdelay, 450);
    form.OnLButtonUp(0, 0);
    EXPECT_EQ(Click(form, CSetForm::kCancel), CSetForm::kCancel);
    EXPECT_EQ(nActiveForm, 0);
    EXPECT_EQ(form.volumeSlider->value, 0);
    EXPECT_EQ(table.claimdelay, 450);
    DeleteOfflineDialogs();
    EXPECT_EQ(platform::ReadProfileInt("Volume", "Sound", -9, Settings()), 0);
    EXPECT_EQ(platform::ReadProfileInt("Window", "Speed", -9, Settings()), 0);
}

TEST_F(SetFormTest, TheSwitchesTakeEffectOnlyThroughOk) {
    CSetForm& form = *pSetForm;
    table.SetAnimate(1);
    table.musicon = 0;
    table.voiceon = 0;
    form.Show();
    EXPECT_EQ(form.animateBox->checked, 1);
    EXPECT_EQ(form.musicBox->checked, 0);
    EXPECT_EQ(form.voiceBox->checked, 0);
    EXPECT_EQ(form.fullScreenBox->checked, 0);
    auto clickBox = [&](CBitCheckBox& box) {
        form.OnLButtonDown(box.x + 3, box.y + 3);
        form.OnLButtonUp(box.x + 3, box.y + 3);
    };
    for (CBitCheckBox* box : {form.animateBox.get(), form.musicBox.get(), form.voiceBox.get(),
                              form.fullScreenBox.get()})
        clickBox(*box);
    Click(form, CSetForm::kCancel);
    EXPECT_EQ(table.GetAnimate(), 1);
    EXPECT_EQ(table.GetMusic(), 0);
    EXPECT_EQ(table.voiceon, 0);

    form.Show();
    EXPECT_EQ(form.musicBox->checked, 0) << "the boxes come from the options again";
    for (CBitCheckBox* box : {form.animateBox.get(), form.musicBox.get(), form.voiceBox.get(),
                              form.fullScreenBox.get()})
        clickBox(*box);
    Click(form, CSetForm::kOk);
    EXPECT_EQ(nActiveForm, 0);
    EXPECT_EQ(table.GetAnimate(), 0);
    EXPECT_EQ(table.GetMusic(), 1);
    EXPECT_EQ(table.voiceon, 1);
    EXPECT_EQ(pDxSound->bVoicesOn, 1);
    EXPECT_EQ(bFullScreen, 0) << "the table stays in its window";
}

}  // namespace
}  // namespace dialog_test
