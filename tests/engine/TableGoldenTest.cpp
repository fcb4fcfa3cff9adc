// The program's table drawn through its renderer: made in the build's program folder with the
// renderer presentation (the catalogue loaded, the logo faded in on the virtual clock), then a
// new game dealt until the user's first turn.  Both frames are written as PNGs under the build
// folder for a person to look at: golden/table_made_new_style.png and
// golden/table_dealt_new_style.png.
#include <filesystem>

#include "TableFixture.h"
#include "engine/RendererPresentation.h"
#include "graphics/GraphicsGlobals.h"
#include "platform/testing/DrawRecorder.h"
#include "platform/testing/FramePresenter.h"
#include "platform/testing/ScopedService.h"
#include "tests/support/PngWriter.h"

namespace enginetest {
namespace {

namespace fs = std::filesystem;

void WriteGolden(const std::string& name) {
    const fs::path dir = fs::path(MJ_TEST_OUT_DIR) / "golden";
    fs::create_directories(dir);
    ASSERT_NE(lpDDSPla, nullptr);
    EXPECT_TRUE(testsupport::WritePng(*lpDDSPla, (dir / name).string())) << name;
}

// The frame as it reached the window equals the composition surface.
bool PresentedAsComposed(const platform::testing::FramePresenter& presenter) {
    if (!presenter.HasFrame() || !lpDDSPla) return false;
    const platform::testing::CapturedFrame& f = presenter.Last();
    for (int y = 0; y < 600; y += 7)
        for (int x = 0; x < 800; x += 5)
            if (f.Pixel(x, y) != lpDDSPla->Row(y)[x]) return false;
    return true;
}

TEST(TableGolden, TheNewStyleTableMadeAndDealtThroughItsRenderer) {
    ProgramFolderOfTheBuild("golden_table");
    bNewStyle = 1;
    bNetworkStart = 0;
    platform::testing::FramePresenter presenter;
    platform::testing::ScopedPresenter presenterInstalled(&presenter);
    RendererPresentation presentation;
    HeadlessTable h(11, &presentation);
    CMj& t = *h.table;

    // Made: the logo faded in (twenty 50 ms pauses), then the start-mode dialog over the frame.
    EXPECT_EQ(t.renderer.bWindowed, 1);
    EXPECT_NE(t.renderer.lpDDSRoom, nullptr) << "the catalogue is loaded";
    int fade = 0;
    for (unsigned ms : h.Clock().Pauses()) fade += ms == 50;
    EXPECT_EQ(fade, 20);
    EXPECT_EQ(nActiveForm, 11);
    EXPECT_TRUE(PresentedAsComposed(presenter));
    WriteGolden("table_made_new_style.png");

    // A new game, played on the virtual clock until the user may discard from a dealt hand.
    h.StartGame(kOfficial);
    for (int ticks = 0; ticks < 5000; ticks++) {
        if (t.state == kHandRunning && t.curplayer == 0 && t.maydiscard) break;
        h.Clock().AdvanceToNextTick();
    }
    ASSERT_TRUE(t.maydiscard) << "the deal reaches the user's turn";
    ASSERT_EQ(t.Player[0].cardnum, 13);
    ASSERT_TRUE(t.Player[0].hasnew) << "the dealer holds fourteen";
    platform::testing::DrawRecorder drawn(*lpDDSPla);
    t.Redraw();
    // The user's fourteen tiles stand on the table, each body from the tile-body sheet.
    EXPECT_GE(drawn.From(t.renderer.lpDDSPaiSheet).size(), 14u);
    EXPECT_GT(t.renderer.LandPos[0].x, 0) << "the hand stored where a drawn tile lands";
    EXPECT_EQ(t.renderer.nAnimKind, CMjDraw::kAnimNone);
    EXPECT_TRUE(PresentedAsComposed(presenter));
    WriteGolden("table_dealt_new_style.png");
}

}  // namespace
}  // namespace enginetest
