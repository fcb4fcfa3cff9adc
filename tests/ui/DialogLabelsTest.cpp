// The dialogs' pictures label the widgets the program places on them: a caption beside each
// check box, edit and slider, a visible groove under each slider's thumb, a caption for the
// seat each picture of the names dialog is for.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DialogTestSupport.h"
#include "online/LoginForm.h"
#include "online/RegForm.h"
#include "ui/InputNameDlg.h"
#include "ui/SetForm.h"

namespace dialog_test {
namespace {

// A part of a dialog's picture that must carry ink, relative to the dialog's corner.
struct LabelPlace {
    const CBitForm* form;
    platform::Rect rect;
    std::string what;
};

// Pixels of the part that stand out from its median (contrast 2 : 1 or more): the strokes of a
// caption or a groove, never the grain of plain felt or paper.
int InkPixels(const LabelPlace& place) {
    const platform::Surface& picture = *place.form->background;
    std::vector<std::uint16_t> pixels;
    for (int y = place.rect.top; y < place.rect.bottom; ++y)
        for (int x = place.rect.left; x < place.rect.right; ++x)
            pixels.push_back(picture.Row(y)[x]);
    std::vector<std::uint16_t> sorted = pixels;
    std::nth_element(sorted.begin(), sorted.begin() + sorted.size() / 2, sorted.end(),
                     [](std::uint16_t a, std::uint16_t b) { return Luminance(a) < Luminance(b); });
    const std::uint16_t median = sorted[sorted.size() / 2];
    return static_cast<int>(std::count_if(pixels.begin(), pixels.end(), [&](std::uint16_t px) {
        return Contrast(px, median) >= 2.0;
    }));
}

class DialogLabelsTest : public DialogTest {
protected:
    // Right of a check box: its caption.
    void BoxCaption(const CBitForm& form, const CBitCheckBox& box, const std::string& what) {
        const int x = box.x - form.x + 22, y = box.y - form.y;
        places.push_back({&form, {x, y, x + 40, y + 20}, what});
    }
    // Left of an edit: its caption.
    void EditCaption(const CBitForm& form, const CDxEdit& edit, const std::string& what) {
        const int x = edit.x - form.x, y = edit.y - form.y;
        places.push_back({&form, {x - 60, y, x - 6, y + 24}, what});
    }
    // A slider: its caption above the thumb's run, and the groove the thumb covers.
    void Slider(const CBitForm& form, const CDxTrackBar& slider, const std::string& what) {
        const int x0 = slider.xMin - form.x, x1 = slider.xMax - form.x, y = slider.y - form.y;
        places.push_back({&form, {x0 + 20, y - 24, x1 - 20, y - 4}, what + " caption"});
        places.push_back({&form, {x0 + 4, y + 6, x1 - 5, y + 14}, what + " groove"});
    }
    // Between a seat's two arrow buttons: the seat's name.
    void SeatCaption(int leftArrow, const std::string& what) {
        const CBitButton& l = *pInputNameDlg->buttons.GetButton(leftArrow);
        const CBitButton& r = *pInputNameDlg->buttons.GetButton(leftArrow + 1);
        places.push_back({pInputNameDlg, {l.x + l.pictureRect.right / 5, l.y, r.x, l.y + 24}, what});
    }

    std::vector<LabelPlace> places;
};

TEST_F(DialogLabelsTest, EveryBoxEditSliderAndSeatHasItsCaption) {
    const CInputNameDlg& names = *pInputNameDlg;
    BoxCaption(names, *names.officialBox, "Official rules");
    BoxCaption(names, *names.secondFamilyBox, "second family");
    BoxCaption(names, *names.noWildBox, "no wild tile");
    BoxCaption(names, *names.wildAfterBox, "wild after the indicator");
    BoxCaption(names, *names.wildBeforeBox, "wild before the indicator");
    places.push_back({&names,
                      {names.nameEdit->x, names.nameEdit->y - 22, names.nameEdit->x + 60,
                       names.nameEdit->y - 2},
                      "name box"});
    SeatCaption(1, "own seat");
    SeatCaption(3, "next seat");
    SeatCaption(5, "opposite seat");
    SeatCaption(7, "previous seat");
    const CSetForm& options = *pSetForm;
    BoxCaption(options, *options.animateBox, "animations");
    BoxCaption(options, *options.fullScreenBox, "full screen");
    BoxCaption(options, *options.musicBox, "music");
    BoxCaption(options, *options.voiceBox, "spoken calls");
    Slider(options, *options.volumeSlider, "volume");
    Slider(options, *options.speedSlider, "pace");
    const auto& login = *static_cast<const CLoginForm*>(pLoginForm);
    EditCaption(login, *login.NameEdit, "login name");
    EditCaption(login, *login.PassEdit, "login password");
    const auto& signUp = *static_cast<const CRegForm*>(pRegForm);
    EditCaption(signUp, *signUp.NameEdit, "sign-up name");
    EditCaption(signUp, *signUp.PassEdit, "sign-up password");
    EditCaption(signUp, *signUp.ConfirmEdit, "sign-up confirmation");
    EditCaption(signUp, *signUp.MailEdit, "sign-up mail");
    BoxCaption(signUp, *signUp.MaleBox, "male");
    BoxCaption(signUp, *signUp.FemaleBox, "female");
    for (const LabelPlace& place : places) EXPECT_GE(InkPixels(place), 20) << place.what;
}

// The name box stands on plain felt: no frame line or edge of the picture runs under it.
TEST_F(DialogLabelsTest, TheNameBoxLiesOnPlainFelt) {
    const CDxEdit& edit = *pInputNameDlg->nameEdit;
    const LabelPlace around{pInputNameDlg,
                            {edit.x - 4, edit.y - 2, edit.x + edit.backgroundRect.right + 4,
                             edit.y + edit.backgroundRect.bottom + 4},
                            "around the name box"};
    EXPECT_EQ(InkPixels(around), 0);
}

}  // namespace
}  // namespace dialog_test
