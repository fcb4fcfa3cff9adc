// The dialogs' test bench: the widget bench's composition surface, sounds and recorders, a
// headless table in a program folder of its own (it writes SET.ini and saved games there), the
// table's offline dialogs, and a presentation that composes frames of them the way the table's
// renderer does: the felt, the save slots under the new-game confirmation, the active dialog,
// then the message box when it is shown.
#pragma once

#include <filesystem>
#include <string>

#include "EngineTestSupport.h"
#include "WidgetTestSupport.h"
#include "engine/Mj.h"
#include "platform/Blit.h"
#include "platform/Presenter.h"
#include "rules/GbHu.h"
#include "tests/support/PngWriter.h"
#include "testsupport/engine/HeadlessTable.h"
#include "ui/BitForm.h"
#include "ui/Dialogs.h"
#include "ui/InfoForm.h"
#include "ui/SetForm.h"
#include "ui/ShowMessageForm.h"

namespace dialog_test {

using ui_test::kFelt;

class DialogPresentation : public TablePresentation {
public:
    void RenderFrame(const CMj&) override {
        if (!lpDDSPla) return;
        platform::ColorFill(lpDDSPla, nullptr, kFelt);
        if (nActiveForm == kNewGameDlgId) ShowUnder(kWelComFormId);
        ShowUnder(nActiveForm);
        if (bMessageShown && pShowMessageForm) pShowMessageForm->Draw();
        platform::PresentSurface(*lpDDSPla);
    }
    void ShowDialog(int id) override { ShowOfflineDialog(id); }
    void ShowMessageForm(const char* gbkText) override { ShowMessageText(gbkText); }
    void ShowSaveSlots() override { ::ShowSaveSlots(); }

private:
    static void ShowUnder(int id) {
        if (CBitForm* dialog = DialogForId(id)) dialog->Draw();
    }
};

class DialogTest : public ui_test::WidgetTest {
protected:
    DialogTest() {
        CreateOfflineDialogs(&table);
        ResetGlobals();
        presenter.Clear();
    }
    ~DialogTest() override {
        DeleteOfflineDialogs();
        ResetGlobals();
    }

    static void ResetGlobals() {
        nActiveForm = 0;
        bMessageShown = 0;
        bInfoShown = 0;
        bFullScreen = 0;
        MinFan = kOfficialMinFan;
        bWildRule = 0;
    }

    // The middle of a button of a dialog.
    static int ButtonX(const CBitForm& form, int index) {
        const CBitButton* b = form.buttons.GetButton(index);
        return b->x + b->pictureRect.right / 10;
    }
    static int ButtonY(const CBitForm& form, int index) {
        const CBitButton* b = form.buttons.GetButton(index);
        return b->y + b->GetHeight() / 2;
    }
    // A press and a release in the middle of a button; the release's answer.
    static int Click(CBitForm& form, int index) {
        const int x = ButtonX(form, index);
        const int y = ButtonY(form, index);
        form.OnLButtonDown(x, y);
        return form.OnLButtonUp(x, y);
    }

    // Writes the frame as MJ_TEST_OUT_DIR/dialogs/<name>.png for a person to look at.
    void WriteGolden(const std::string& name) {
        const auto dir = std::filesystem::path(MJ_TEST_OUT_DIR) / "dialogs";
        std::filesystem::create_directories(dir);
        EXPECT_TRUE(testsupport::WritePng(frame, (dir / (name + ".png")).string())) << name;
    }

    std::filesystem::path folder = enginetest::ProgramFolderOfTheBuild("dialog_tables");
    DialogPresentation presentation;
    enginetest::HeadlessTable headless{1, &presentation};
    CMj& table = *headless.table;
};

}  // namespace dialog_test
