// The start notice's 3D box switches the table's style: the same saved game, mid-hand, opened
// from the command line twice, once with the box ticked and once with it cleared, comes up in
// the new style and in the classic style with the same hand; both frames are written for a
// person to look at.
#include <QCheckBox>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "ShellTestSupport.h"
#include "shell/ShellForms.h"
#include "platform/qt/QtGameWindow.h"
#include "tests/engine/SaveGameTable.h"

namespace shelltest {
namespace {

class StyleSwitchTest : public ShellTest {
protected:
    // A game under the Official rules played headless to the user's discard turn, with a
    // drawn tile and the rivers well filled, saved where the command line names it.
    static std::string SaveMidHand() {
        const std::string path = platform::ProgramPath("Save\\1.cmj");
        enginetest::SavePresentation desk;
        enginetest::HeadlessTable h(7, &desk);
        h.StartGame(enginetest::kOfficial);
        EXPECT_TRUE(enginetest::PlayUntil(h, [](CMj& t) {
            return enginetest::AtUserDiscardTurn(t) && t.taken >= 70 && t.Player[0].hasnew;
        }));
        EXPECT_TRUE(h.table->SaveProgress(path));
        return path;
    }

    struct Started {
        QImage frame;
        std::string hand;  // the user's tiles as the table holds them
        bool classic = false;
        int activeForm = -1;
    };

    // Starts the program's windows on the saved game; the person leaves the start notice with
    // its 3D box as `tick3D` says.
    static Started StartWith(const std::string& saved, bool tick3D) {
        ModalScript modal;
        modal.Then([tick3D](QDialog& dialog) {
            auto& notice = dynamic_cast<TAdviceForm&>(dialog);
            if (notice.CheckBox2->isChecked() != tick3D)
                ClickAt(*notice.CheckBox2, 5, notice.CheckBox2->height() / 2);
            return QDialog::Accepted;
        });
        ShellForms forms({saved}, kScreen);
        Started started;
        EXPECT_EQ(modal.shown, std::vector<std::string>{"advice"});
        if (forms.EndRequested() || !forms.Main().Table()) return started;
        const CMj& table = *forms.Main().Table();
        started.frame = forms.Main().Window().Frame().copy();
        started.hand.assign(reinterpret_cast<const char*>(table.Player[0].Mj),
                            sizeof table.Player[0].Mj);
        started.classic = table.renderer.bClassic != 0;
        started.activeForm = nActiveForm;
        return started;
    }

    // The share of pixels, 0 to 1, in which two frames of one size differ.
    static double ShareDiffering(const QImage& a, const QImage& b) {
        long long differing = 0;
        for (int y = 0; y < a.height(); ++y)
            for (int x = 0; x < a.width(); ++x) differing += a.pixel(x, y) != b.pixel(x, y);
        return static_cast<double>(differing) / (static_cast<double>(a.width()) * a.height());
    }
};

TEST_F(StyleSwitchTest, TheNoticesBoxSwitchesTheSameGameBetweenTheStyles) {
    const std::string saved = SaveMidHand();
    ResetTableGlobals();

    const Started newStyle = StartWith(saved, true);
    const Started classic = StartWith(saved, false);

    EXPECT_FALSE(newStyle.classic);
    EXPECT_TRUE(classic.classic);
    EXPECT_EQ(newStyle.activeForm, 0) << "the game shows, no dialog in front";
    EXPECT_EQ(classic.activeForm, 0);
    EXPECT_EQ(newStyle.hand, classic.hand) << "the same hand on both tables";
    ASSERT_EQ(newStyle.frame.size(), QSize(800, 600));
    ASSERT_EQ(classic.frame.size(), QSize(800, 600));
    // Two different tables around the same game: most of the picture changes.
    EXPECT_GT(ShareDiffering(newStyle.frame, classic.frame), 0.5);
    SavePng(newStyle.frame, "style_switch_3d");
    SavePng(classic.frame, "style_switch_classic");
}

}  // namespace
}  // namespace shelltest
