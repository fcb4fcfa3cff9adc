// The dialogs' test bench: the widget bench's composition surface, sounds and recorders, a
// headless table in a program folder of its own (it writes SET.ini and saved games there), the
// table's offline dialogs, and frames composed of them by the table's renderer.
#pragma once

#include <filesystem>
#include <string>

#include "EngineTestSupport.h"
#include "WidgetTestSupport.h"
#include "engine/Mj.h"
#include "graphics/MjDraw.h"
#include "graphics/SurfaceHelpers.h"
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

// The table's frames through its renderer, with only the table's background picture loaded:
// the dialog table of the frame, the overlay boxes, the presentation.  The table's requests to
// show dialogs go to the offline dialogs.
class DialogPresentation : public TablePresentation {
public:
    DialogPresentation() {
        GLoadBitmap("Graphic\\NewStyle\\Room.bmp", &draw.lpDDSRoom, &draw.rcRoom, kNoRegister);
    }
    void RenderFrame(const CMj& table) override {
        draw.RenderFrame(const_cast<CMj*>(&table), table.stackheight);
    }
    void ShowDialog(int id) override { ShowOfflineDialog(id); }
    void ShowMessageForm(const char* gbkText) override { ShowMessageText(gbkText); }
    void ShowSaveSlots() override { ::ShowSaveSlots(); }
    // The table's background at a point of the frame.
    std::uint16_t Table(int x, int y) const { return draw.lpDDSRoom->Row(y)[x]; }

    CMjDraw draw;
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
