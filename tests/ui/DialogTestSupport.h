// The dialogs' test bench: the widget bench's composition surface, sounds and recorders, a
// headless table in a program folder of its own (it writes SET.ini and saved games there), the
// table's offline dialogs, and frames composed of them by the table's renderer.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
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

inline std::uint16_t Rgb565(int r, int g, int b) {
    return static_cast<std::uint16_t>((r >> 3) << 11 | (g >> 2) << 5 | (b >> 3));
}

// WCAG relative luminance of an RGB565 pixel, its channels widened to 8 bits.
inline double Luminance(std::uint16_t px) {
    auto linear = [](int v8) {
        const double c = v8 / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    const int r = px >> 11 & 31, g = px >> 5 & 63, b = px & 31;
    return 0.2126 * linear(r << 3 | r >> 2) + 0.7152 * linear(g << 2 | g >> 4) +
           0.0722 * linear(b << 3 | b >> 2);
}

// The WCAG contrast ratio of two pixels, 1 to 21.
inline double Contrast(std::uint16_t a, std::uint16_t b) {
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The table's frames through its renderer, with only the table's background picture loaded:
// the dialog table of the frame, the overlay boxes, the presentation.  The table shows its own
// dialogs, as the presentation's base class does.
class DialogPresentation : public TablePresentation {
public:
    DialogPresentation() {
        GLoadBitmap("Graphic\\NewStyle\\Room.bmp", &draw.lpDDSRoom, &draw.rcRoom, kNoRegister);
    }
    void RenderFrame(const CMj& table) override {
        draw.RenderFrame(const_cast<CMj*>(&table), table.stackheight);
    }
    // The table's background at a point of the frame.
    std::uint16_t Table(int x, int y) const { return draw.lpDDSRoom->Row(y)[x]; }

    CMjDraw draw;
};

class DialogTest : public ui_test::WidgetTest {
protected:
    DialogTest() {
        ResetGlobals();
        presenter.Clear();
    }
    ~DialogTest() override { ResetGlobals(); }

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
