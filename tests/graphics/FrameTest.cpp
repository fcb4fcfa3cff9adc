// One frame: which dialog the frame draws for each active id and what it draws under it, the
// order of the overlay boxes, and what reaches the window.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "RendererTestSupport.h"
#include "engine/Mj.h"
#include "graphics/FrameDialogs.h"
#include "graphics/GraphicsGlobals.h"
#include "graphics/MjDraw.h"
#include "graphics/SurfaceHelpers.h"
#include "platform/Blit.h"
#include "platform/Presenter.h"
#include "platform/testing/FramePresenter.h"
#include "ui/BitForm.h"

namespace {

// A dialog with nothing of its own: a plain background of one colour.
class PlainForm : public CBitForm {
public:
    PlainForm(std::uint16_t colour, int width, int height, int x, int y)
        : CBitForm("Graphic\\ShowMessage\\background.bmp", nullptr) {
        GReleaseSurface(&background);
        background = new platform::Surface(width, height);
        platform::ColorFill(background, nullptr, colour);
        backgroundRect = {0, 0, width, height};
        SetPos(x, y);
    }
    void Show() override {}
    int OnLButtonDown(int, int) override { return -1; }
    int OnMouseMove(int, int) override { return -1; }
    int OnLButtonUp(int, int) override { return -1; }
};

constexpr std::uint16_t kTableColour = 0x07E0;  // the style's background, all green
constexpr std::uint16_t kSaveSlotsColour = 0x0010;

// The colour of each dialog: its id in the low bits.
std::uint16_t DialogColour(int id) { return static_cast<std::uint16_t>(0x8000 | id); }

// Dialogs that cover the whole frame are 800 × 600; the others 200 × 100 in the middle.
bool FullScreen(int id) { return id == 6 || id == 10 || id == 11 || id == 12 || id == 13 || id == 18; }

const MjPoint kCorner{5, 5};       // outside every small dialog
const MjPoint kMiddle{400, 300};   // inside every dialog

class Frame : public ::testing::Test {
protected:
    void SetUp() override {
        rendertest::UseProgramFolder("frame", rendertest::Pictures::FromGame);
        lpDDSPla = new platform::Surface(800, 600);
        platform::InstallPresenter(&presenter);
        draw = std::make_unique<CMjDraw>();
        draw->lpDDSRoom = new platform::Surface(800, 600);
        platform::ColorFill(draw->lpDDSRoom, nullptr, kTableColour);
        draw->rcRoom = {0, 0, 800, 600};
    }

    void TearDown() override {
        for (CBitForm*& slot : DialogSlots) slot = nullptr;
        pInfoForm = pShowMessageForm = pInviteMessage = nullptr;
        bInfoShown = bMessageShown = bInviteShown = 0;
        nActiveForm = 0;
        draw.reset();
        platform::InstallPresenter(nullptr);
        GReleaseSurface(&lpDDSPla);
    }

    // Makes a dialog for every used id and puts it in its slot.
    void FillDialogSlots() {
        for (int id : {1, 2, 6, 7, 8, 9, 10, 11, 12, 13, 14, 18}) {
            const bool full = FullScreen(id);
            const std::uint16_t colour = id == 6 ? kSaveSlotsColour : DialogColour(id);
            forms.push_back(std::make_unique<PlainForm>(colour, full ? 800 : 200, full ? 600 : 100,
                                                        full ? 0 : 300, full ? 0 : 250));
            DialogSlots[id] = forms.back().get();
        }
    }

    std::uint16_t Shown(MjPoint p) const { return presenter.Last().Pixel(p.x, p.y); }

    rendertest::RegistryScope registry;  // outlives the dialogs below
    platform::testing::FramePresenter presenter{true};
    std::unique_ptr<CMjDraw> draw;
    std::vector<std::unique_ptr<PlainForm>> forms;
    const std::uint8_t heights[72] = {};
};

struct DialogCase {
    int id;
    std::uint16_t corner;  // what the frame shows outside the small dialogs
    std::uint16_t middle;  // and in the middle
};

// Ids 6, 10, 11, 12, 13 and 18 draw only their dialog; 7 draws the save slots under the new-game
// question; 1, 2, 8, 9 and 14 draw the table with the dialog over it; any other id the table.
const DialogCase kDialogCases[] = {
    {0, kTableColour, kTableColour},
    {1, kTableColour, DialogColour(1)},
    {2, kTableColour, DialogColour(2)},
    {3, kTableColour, kTableColour},
    {6, kSaveSlotsColour, kSaveSlotsColour},
    {7, kSaveSlotsColour, DialogColour(7)},
    {8, kTableColour, DialogColour(8)},
    {9, kTableColour, DialogColour(9)},
    {10, DialogColour(10), DialogColour(10)},
    {11, DialogColour(11), DialogColour(11)},
    {12, DialogColour(12), DialogColour(12)},
    {13, DialogColour(13), DialogColour(13)},
    {14, kTableColour, DialogColour(14)},
    {15, kTableColour, kTableColour},
    {18, DialogColour(18), DialogColour(18)},
    {19, kTableColour, kTableColour},
    {255, kTableColour, kTableColour},
};

TEST_F(Frame, EachActiveIdDrawsItsDialogAloneOrOverTheTable) {
    FillDialogSlots();
    for (const DialogCase& c : kDialogCases) {
        nActiveForm = c.id;
        draw->RenderFrame(pMj, heights);
        EXPECT_EQ(Shown(kCorner), c.corner) << "id " << c.id;
        EXPECT_EQ(Shown(kMiddle), c.middle) << "id " << c.id;
    }
}

// An id whose slot is empty draws the table alone; the new-game question without its save-slot
// dialog is drawn alone.
TEST_F(Frame, EmptySlotsDrawTheTable) {
    FillDialogSlots();
    DialogSlots[11] = nullptr;
    nActiveForm = 11;
    draw->RenderFrame(pMj, heights);
    EXPECT_EQ(Shown(kMiddle), kTableColour);

    DialogSlots[6] = nullptr;
    nActiveForm = 7;
    draw->RenderFrame(pMj, heights);
    EXPECT_EQ(Shown(kMiddle), DialogColour(7));
}

class Overlays : public Frame {
protected:
    // Three overlapping boxes, each covering (400, 300): the message box alone at (310, 260),
    // the prompt alone at (540, 370).
    void SetUp() override {
        Frame::SetUp();
        info = std::make_unique<PlainForm>(kInfo, 300, 200, 200, 200);
        message = std::make_unique<PlainForm>(kMessage, 200, 100, 300, 250);
        invite = std::make_unique<PlainForm>(kInvite, 200, 100, 350, 280);
        pInfoForm = info.get();
        pShowMessageForm = message.get();
        pInviteMessage = invite.get();
    }

    static constexpr std::uint16_t kInfo = 0x1111;
    static constexpr std::uint16_t kMessage = 0x2222;
    static constexpr std::uint16_t kInvite = 0x3333;
    std::unique_ptr<PlainForm> info, message, invite;
};

// The prompt lies above the message box.
TEST_F(Overlays, InvitationPromptLiesAboveTheMessageBox) {
    bMessageShown = 1;
    bInviteShown = 1;
    draw->RenderFrame(pMj, heights);
    EXPECT_EQ(Shown({310, 260}), kMessage);
    EXPECT_EQ(Shown({400, 300}), kInvite);
    EXPECT_EQ(Shown({540, 370}), kInvite);
    EXPECT_EQ(bMessageShown, 1);
    EXPECT_EQ(bInviteShown, 1);
}

// The information box is drawn alone and hides the other two for good.
TEST_F(Overlays, InformationBoxHidesTheOtherTwo) {
    bInfoShown = 1;
    bMessageShown = 1;
    bInviteShown = 1;
    draw->RenderFrame(pMj, heights);
    EXPECT_EQ(Shown({400, 300}), kInfo);
    EXPECT_EQ(Shown({540, 370}), kTableColour);
    EXPECT_EQ(bMessageShown, 0);
    EXPECT_EQ(bInviteShown, 0);

    bInfoShown = 0;
    draw->RenderFrame(pMj, heights);
    EXPECT_EQ(Shown({400, 300}), kTableColour);
}

// The overlays lie above the active dialog.
TEST_F(Overlays, LieAboveTheActiveDialog) {
    FillDialogSlots();
    nActiveForm = 11;
    bMessageShown = 1;
    draw->RenderFrame(pMj, heights);
    EXPECT_EQ(Shown({400, 300}), kMessage);
    EXPECT_EQ(Shown(kCorner), DialogColour(11));
}

// Each frame reaches the window once, as 800 × 600 pixels; composing alone shows nothing.
TEST_F(Frame, EveryPresentedFrameIsTheWholeSurface) {
    FillDialogSlots();
    for (int id : {0, 1, 7, 11}) {
        nActiveForm = id;
        draw->RenderFrame(pMj, heights);
    }
    draw->DrawTableOnly(pMj, heights);
    draw->SwitchDisplayMode();
    ASSERT_EQ(presenter.Count(), 4);
    for (const auto& frame : presenter.Frames()) {
        EXPECT_EQ(frame.width, 800);
        EXPECT_EQ(frame.height, 600);
    }
    EXPECT_EQ(draw->DrawFullScreen(), kPresentOk);
    EXPECT_EQ(presenter.Count(), 5);
}

}  // namespace
