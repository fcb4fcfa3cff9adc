// The seat pictures of the new style: which half of which picture each seat's figure shows,
// and loading a seat's avatar (once per picture, only for seats 1 to 3, only seated ones online).
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "TableStage.h"
#include "graphics/GraphicsGlobals.h"
#include "graphics/SurfaceRegistry.h"
#include "platform/Path.h"
#include "tests/support/PngWriter.h"
#include "ui/DxGameChatWnd.h"

namespace {

using platform::testing::DrawRecorder;
using tabletest::At;

// A figure at rest shows the left half of its role picture, blinking the right half, and in
// its discard pose the right half of the pose picture.
TEST(SeatFigures, HalfOfThePictureByThePortraitFrame) {
    tabletest::Stage& stage = tabletest::MidHand();
    CMjDraw& draw = *stage.draw;
    CMjPlayer* seats = stage.table->Player;
    seats[1].face = 0;
    seats[2].face = 11;
    seats[3].face = 1;
    stage.table->chatlog->visible = 0;  // the pane would hide part of the left figure
    DrawRecorder drawn(*lpDDSPla);
    draw.DrawSeatFigures();
    stage.table->chatlog->visible = 1;
    const auto& calls = drawn.Calls();
    ASSERT_EQ(calls.size(), 3u);
    const int w1 = draw.rcPortrait[1].right, w2 = draw.rcPortrait[2].right;
    const int w3 = draw.rcSeatPose[3][0].right;
    EXPECT_EQ(calls[0].source, draw.lpDDSPortrait[1]);
    EXPECT_TRUE(tabletest::SameRect(calls[0].src, {0, 0, w1 / 2, draw.rcPortrait[1].bottom}));
    EXPECT_EQ(At({calls[0].dst.left, calls[0].dst.top}), At({600, 67}));
    EXPECT_EQ(calls[1].source, draw.lpDDSPortrait[2]);
    EXPECT_TRUE(tabletest::SameRect(calls[1].src, {w2 / 2, 0, w2, draw.rcPortrait[2].bottom}));
    EXPECT_EQ(At({calls[1].dst.left, calls[1].dst.top}), At({320, 0}));
    EXPECT_EQ(calls[2].source, draw.lpDDSSeatPose[3][0]);
    EXPECT_TRUE(tabletest::SameRect(calls[2].src, {w3 / 2, 0, w3, draw.rcSeatPose[3][0].bottom}));
    EXPECT_EQ(At({calls[2].dst.left, calls[2].dst.top}), At({0, 67}));
}

TEST(SeatFigures, OnlineOnlySeatedPlayersShow) {
    tabletest::Stage& stage = tabletest::MidHand();
    stage.table->netgame = 1;
    stage.table->Player[2].occupied = 1;
    DrawRecorder drawn(*lpDDSPla);
    stage.draw->DrawSeatFigures();
    ASSERT_EQ(drawn.Calls().size(), 1u);
    EXPECT_EQ(drawn.Calls()[0].source, stage.draw->lpDDSPortrait[2]);
}

// Online, the chat pane stands in front of the left seat's figure: no part of a figure is drawn
// inside the pane's frame, and the figure's part below the pane still shows.  The table with
// three seated players and a chat line is saved as online_chat_pane_new_style.png.
TEST(SeatFigures, NoFigureUnderTheChatPane) {
    tabletest::Stage& stage = tabletest::MidHand();
    stage.table->netgame = 1;
    unsigned char occupied[4];
    for (int s = 0; s < 4; ++s) {
        occupied[s] = stage.table->Player[s].occupied;
        stage.table->Player[s].occupied = 1;
    }
    const CDxGameChatWnd& chat = *stage.table->chatlog;
    const int left = chat.rect.left - CChatWindow::kFrameInset;
    const int top = chat.rect.top - CChatWindow::kFrameInset;
    const platform::Rect pane{left, top, left + chat.backgroundRect.right,
                              top + chat.backgroundRect.bottom};
    DrawRecorder drawn(*lpDDSPla);
    tabletest::Compose(stage);
    const std::filesystem::path png =
        std::filesystem::path(MJ_TEST_OUT_DIR) / "online_chat_pane_new_style.png";
    EXPECT_TRUE(testsupport::WritePng(*lpDDSPla, png.string()));
    stage.table->netgame = 0;
    for (int s = 0; s < 4; ++s) stage.table->Player[s].occupied = occupied[s];
    int below = 0;
    for (const platform::Surface* figure : {stage.draw->lpDDSPortrait[3], stage.draw->lpDDSSeatPose[3][0]})
        for (const platform::DrawCall& call : drawn.From(figure)) {
            const platform::Rect& r = call.dst;
            EXPECT_TRUE(r.right <= pane.left || r.left >= pane.right || r.bottom <= pane.top ||
                        r.top >= pane.bottom)
                << "figure part at " << r.left << ", " << r.top << " - " << r.right << ", " << r.bottom;
            below += r.top >= pane.bottom;
        }
    EXPECT_GT(below, 0);
}

class SeatAvatar : public ::testing::Test {
protected:
    tabletest::Stage& stage = tabletest::MidHand();
    CMjDraw& draw = *stage.draw;

    // Puts back the start-up figures (picture 1 opposite, 2 at the sides).
    void TearDown() override {
        draw.LoadSeatAvatar(1, 2);
        draw.LoadSeatAvatar(2, 1);
        draw.LoadSeatAvatar(3, 2);
    }

    static std::string Figure(int picture, const char* side, const char* file) {
        return platform::ProgramPath("Graphic\\Avatar\\" + std::to_string(picture) + "\\" + side + "\\" + file);
    }
    std::string PathOf(platform::Surface** surface) const {
        const int entry = GFindSurfaceEntry(surface);
        return entry < 0 ? std::string() : SurfacePath[entry];
    }
};

TEST_F(SeatAvatar, LoadsTheSeatsRoleAndPosePictures) {
    draw.LoadSeatAvatar(3, 7);
    EXPECT_EQ(AvatarName[3], Figure(7, "Left", "role.bmp"));
    EXPECT_EQ(PathOf(&draw.lpDDSPortrait[3]), Figure(7, "Left", "role.bmp"));
    EXPECT_EQ(PathOf(&draw.lpDDSSeatPose[3][0]), Figure(7, "Left", "出牌.bmp"));
    ASSERT_NE(draw.lpDDSPortrait[3], nullptr);
    EXPECT_TRUE(draw.lpDDSPortrait[3]->HasColorKey());
    EXPECT_TRUE(draw.lpDDSSeatPose[3][0]->HasColorKey());
}

TEST_F(SeatAvatar, TheSamePictureLoadsOnce) {
    draw.LoadSeatAvatar(1, 9);
    platform::Surface* loaded = draw.lpDDSPortrait[1];
    loaded->SetName("loaded once");
    draw.LoadSeatAvatar(1, 9);
    EXPECT_EQ(draw.lpDDSPortrait[1], loaded);
    EXPECT_EQ(draw.lpDDSPortrait[1]->Name(), "loaded once");
    draw.LoadSeatAvatar(1, 10);
    EXPECT_EQ(PathOf(&draw.lpDDSPortrait[1]), Figure(10, "Right", "role.bmp"));
}

TEST_F(SeatAvatar, IgnoredCalls) {
    const std::string before[4] = {AvatarName[0], AvatarName[1], AvatarName[2], AvatarName[3]};
    draw.LoadSeatAvatar(1, 0);
    draw.LoadSeatAvatar(1, 13);
    draw.LoadSeatAvatar(0, 5);  // the user has no figure in the new style
    draw.LoadSeatAvatar(4, 5);
    stage.table->netgame = 1;
    draw.LoadSeatAvatar(2, 5);  // nobody sits there
    for (int s = 0; s < 4; ++s) EXPECT_EQ(AvatarName[s], before[s]) << "seat " << s;
    stage.table->Player[2].occupied = 1;
    draw.LoadSeatAvatar(2, 5);
    EXPECT_EQ(AvatarName[2], Figure(5, "Up", "role.bmp"));
}

}  // namespace
