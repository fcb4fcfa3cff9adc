// The message box, the information box and the item choice.
#include <gtest/gtest.h>

#include "DialogTestSupport.h"
#include "ui/InfoForm.h"
#include "ui/ItemForm.h"
#include "ui/ShowMessageForm.h"

namespace dialog_test {
namespace {

class OverlayTest : public DialogTest {};

TEST_F(OverlayTest, TheMessageBoxTakesOnlyItsOkAndHidesWithIt) {
    CShowMessageForm& box = *MessageBoxForm();
    ShowMessageText("在轮到你选择出牌时候才可以存储进度");
    EXPECT_EQ(bMessageShown, 1);
    EXPECT_EQ(box.text, "在轮到你选择出牌时候才可以存储进度");
    const int frames = presenter.Count();
    EXPECT_EQ(box.OnLButtonDown(box.x + 2, box.y + 2), -1);
    EXPECT_EQ(box.OnLButtonUp(box.x + 2, box.y + 2), -1);
    EXPECT_EQ(presenter.Count(), frames) << "a press off OK changes nothing";
    EXPECT_EQ(bMessageShown, 1);
    EXPECT_EQ(Click(box, CShowMessageForm::kOk), CShowMessageForm::kOk);
    EXPECT_EQ(bMessageShown, 0);
    EXPECT_EQ(box.text, "在轮到你选择出牌时候才可以存储进度") << "the text stays";
}

TEST_F(OverlayTest, TheInformationBoxTakesNoInput) {
    CInfoForm& box = *InfoBoxForm();
    box.text = "正在获取房间信息,请稍后...";
    box.Show();
    EXPECT_EQ(bInfoShown, 1);
    const int frames = presenter.Count();
    EXPECT_EQ(box.OnLButtonDown(box.x + 10, box.y + 10), 1);
    EXPECT_EQ(box.OnMouseMove(box.x + 10, box.y + 10), 1);
    EXPECT_EQ(box.OnLButtonUp(box.x + 10, box.y + 10), 1);
    EXPECT_EQ(presenter.Count(), frames);
    box.Close();
    EXPECT_EQ(bInfoShown, 0);
    EXPECT_EQ(presenter.Count(), frames + 1);
}

TEST_F(OverlayTest, BothBoxesStandInTheMiddleAndWriteTheirTextInTheirBox) {
    for (CBitForm* box :
         {pShowMessageForm, pInfoForm}) {
        EXPECT_EQ(box->x, (800 - box->backgroundRect.right) / 2);
        EXPECT_EQ(box->y, (600 - box->backgroundRect.bottom) / 2);
    }
    InfoBoxForm()->text = "正在进入游戏,请稍后...";
    Fill(kFelt);
    pInfoForm->Draw();
    const platform::Surface withText = frame;
    InfoBoxForm()->text.clear();
    Fill(kFelt);
    pInfoForm->Draw();
    const int x = pInfoForm->x;
    const int y = pInfoForm->y;
    EXPECT_GT(ui_test::CountDifferences(withText, frame, {x + 20, y + 15, x + 225, y + 50}), 0);
    EXPECT_EQ(ui_test::CountDifferences(withText, frame, {0, 0, 800, y + 15}), 0);
    EXPECT_EQ(ui_test::CountDifferences(withText, frame, {0, y + 50, 800, 600}), 0);
}

TEST_F(OverlayTest, EachItemButtonClosesAndDeals) {
    for (CMjPlayer& p : table.Player) p.score = 1000;
    for (int button : {CItemForm::kSuitItem, CItemForm::kPairItem, CItemForm::kCancel}) {
        table.state = kNoHand;
        table.Timer(kTimerStep)->SetEnabled(false);
        pItemForm->Show();
        EXPECT_EQ(nActiveForm, kItemFormId);
        EXPECT_EQ(Click(*pItemForm, button), button);
        EXPECT_EQ(nActiveForm, 0) << button;
        EXPECT_EQ(table.state, kHandRunning) << button;
        EXPECT_TRUE(table.Timer(kTimerStep)->enabled) << "the dice roll";
    }
}

}  // namespace
}  // namespace dialog_test
