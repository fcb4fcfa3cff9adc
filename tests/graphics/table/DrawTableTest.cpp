// One whole new-style frame: the order of its parts, the tail both styles share (the wild
// tile, the buttons and the pop-up panel, the chat windows, the links, the flower effect) and
// a dialog drawn over the table last; the landing positions the frame leaves for the flights.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "TableStage.h"
#include "graphics/FrameDialogs.h"
#include "graphics/GraphicsGlobals.h"
#include "graphics/SurfaceHelpers.h"
#include "tests/support/PngWriter.h"
#include "ui/BitButtonArray.h"
#include "ui/BitForm.h"
#include "ui/DxGameChatWnd.h"
#include "ui/DxLinkLabel.h"

namespace {

using platform::testing::DrawRecorder;
using tabletest::At;

// The parts of a frame, named by the pictures they draw from.
std::map<const platform::Surface*, std::string> PartNames(const tabletest::Stage& stage) {
    const CMjDraw& d = *stage.draw;
    std::map<const platform::Surface*, std::string> names = {
        {d.lpDDSRoom, "room"},
        {lpDDSPan, "bar"},
        {d.lpDDSRuleBadge[1], "rule badge"},
        {d.lpDDSPortrait[2], "figures"},
        {d.lpDDSTileBack[2], "opposite hand"},
        {d.lpDDSTileBack[1], "right hand"},
        {d.lpDDSTileBack[3], "left hand"},
        {d.lpDDSPaiSheet, "own hand"},
        {d.lpDDSWall[2], "walls"},
        {d.lpDDSClaim[4], "banner"},
        {d.lpDDSCenterPan, "plates"},
        {d.lpDDSNum, "scores"},
        {d.lpDDSFlower[0], "flower boxes"},
        {d.lpDDSDeskTiles, "wild tile"},
        {d.pButtons->GetButton(16)->picture, "buttons"},
        {stage.table->chatlog->background, "chat log"},
    };
    for (const platform::Surface* sheet : lpDDSNewDiscard) names[sheet] = "desk";
    return names;
}

// The named parts in the order they first appear in the frame.
std::vector<std::string> FirstAppearances(const DrawRecorder& drawn, const tabletest::Stage& stage) {
    const auto names = PartNames(stage);
    std::vector<std::string> order;
    for (const platform::DrawCall& call : drawn.Calls()) {
        const auto it = names.find(call.source);
        if (it != names.end() && std::find(order.begin(), order.end(), it->second) == order.end())
            order.push_back(it->second);
    }
    return order;
}

TEST(DrawTable, NewStyleOrder) {
    tabletest::Stage& stage = tabletest::MidHand();
    DrawRecorder drawn(*lpDDSPla);
    tabletest::Compose(stage);
    const std::vector<std::string> expected = {
        "room",   "bar",   "rule badge", "figures", "opposite hand", "right hand",
        "left hand", "own hand", "walls", "desk", "banner", "plates", "scores",
        "flower boxes", "wild tile", "buttons", "chat log"};
    EXPECT_EQ(FirstAppearances(drawn, stage), expected);
    ASSERT_FALSE(drawn.Calls().empty());
    EXPECT_EQ(drawn.Calls().front().kind, platform::DrawKind::BltFast);
    EXPECT_EQ(drawn.Calls().front().flags, platform::kBltFastWait) << "the room is copied opaque";
}

// The landing positions the flights read after a frame: seat 0 after its drawn tile, seat 1
// 31 above the place its drawn tile stands, seat 2 at the left end of its row, seat 3 below
// its column.
TEST(DrawTable, LeavesEachSeatsLandingPosition) {
    tabletest::Stage& stage = tabletest::MidHand();
    tabletest::Compose(stage);
    const std::vector<At> expected = {{724, 472}, {555, 152}, {214, 178}, {19, 440}};
    for (int s = 0; s < 4; ++s)
        EXPECT_EQ(At({stage.draw->LandPos[s].x, stage.draw->LandPos[s].y}), expected[s]) << "seat " << s;
}

// The wild tile: its cell of the river sheet, dimmed, at (210, 561); none without the rule.
TEST(DrawTable, WildTileIndicator) {
    tabletest::Stage& stage = tabletest::MidHand();
    DrawRecorder drawn(*lpDDSPla);
    tabletest::Compose(stage);
    const std::vector<platform::DrawCall> wild = drawn.From(stage.draw->lpDDSDeskTiles);
    ASSERT_EQ(wild.size(), 1u);
    const int w = stage.draw->nDeskTileW;
    EXPECT_EQ(wild[0].kind, platform::DrawKind::AlphaBlt);
    EXPECT_EQ(wild[0].flags, 120u);
    EXPECT_TRUE(tabletest::SameRect(wild[0].src, {13 * w, 0, 14 * w, stage.draw->nDeskTileH}));
    EXPECT_EQ(At({wild[0].dst.left, wild[0].dst.top}), At({210, 561}));

    bWildRule = 0;
    drawn.Clear();
    tabletest::Compose(stage);
    EXPECT_TRUE(drawn.From(stage.draw->lpDDSDeskTiles).empty());
}

// The quick phrases at 180 over the table, then the chat log at 120 (the new style's).
TEST(DrawTable, ChatWindowsAtTheirOpacities) {
    tabletest::Stage& stage = tabletest::MidHand();
    CDxGameChatWnd phrases;
    phrases.SetRect(408, 430, 648, 560);
    phrases.visible = 1;
    stage.table->phraselist = &phrases;
    DrawRecorder drawn(*lpDDSPla);
    tabletest::Compose(stage);
    stage.table->phraselist = nullptr;
    std::vector<unsigned> opacities;
    for (const platform::DrawCall& call : drawn.Of(platform::DrawKind::AlphaBlt))
        if (call.source == phrases.background || call.source == stage.table->chatlog->background)
            opacities.push_back(call.flags);
    EXPECT_EQ(opacities, std::vector<unsigned>({180, 120}));
}

// The pop-up panel stands under the buttons while button 27 shows; the buttons follow it.
TEST(DrawTable, PopupPanelUnderTheButtons) {
    tabletest::Stage& stage = tabletest::MidHand();
    CBitButton* settings = stage.draw->pButtons->GetButton(27);
    DrawRecorder drawn(*lpDDSPla);
    tabletest::Compose(stage);
    EXPECT_TRUE(drawn.From(lpDDSPopup).empty());
    settings->visible = 1;
    drawn.Clear();
    tabletest::Compose(stage);
    settings->visible = 0;
    ASSERT_EQ(tabletest::CornersOf(drawn, lpDDSPopup), std::vector<At>({{718, 231}}));
    const auto& calls = drawn.Calls();
    const auto popup = std::find_if(calls.begin(), calls.end(),
                                    [](const platform::DrawCall& c) { return c.source == lpDDSPopup; });
    const auto button = std::find_if(calls.begin(), calls.end(), [&](const platform::DrawCall& c) {
        return c.source == settings->picture;
    });
    EXPECT_LT(popup - calls.begin(), button - calls.begin());
}

// The open menu's panel reaches behind all four of its entries, the last one (leave) too;
// saved as menu_open_new_style.png.
TEST(DrawTable, PopupPanelReachesEveryMenuEntry) {
    tabletest::Stage& stage = tabletest::MidHand();
    for (int id = 27; id <= 30; ++id) stage.draw->pButtons->GetButton(id)->visible = 1;
    DrawRecorder drawn(*lpDDSPla);
    tabletest::Compose(stage);
    const std::filesystem::path png = std::filesystem::path(MJ_TEST_OUT_DIR) / "menu_open_new_style.png";
    EXPECT_TRUE(testsupport::WritePng(*lpDDSPla, png.string()));
    const std::vector<platform::DrawCall> panel = drawn.From(lpDDSPopup);
    ASSERT_EQ(panel.size(), 1u);
    const platform::Rect& under = panel[0].dst;
    for (int id = 27; id <= 30; ++id) {
        CBitButton* entry = stage.draw->pButtons->GetButton(id);
        const std::vector<platform::DrawCall> drawnEntry = drawn.From(entry->picture);
        ASSERT_FALSE(drawnEntry.empty()) << id;
        const platform::Rect& r = drawnEntry[0].dst;
        EXPECT_TRUE(r.left >= under.left && r.top >= under.top && r.right <= under.right &&
                    r.bottom <= under.bottom)
            << "entry " << id << " at " << r.left << ", " << r.top << " - " << r.right << ", "
            << r.bottom;
        entry->visible = 0;
    }
}

// The menu's entries line up on its panel: each stands centred across the panel (its two
// margins differ by a pixel at most), clear of the window's right edge, and centred in its own
// quarter of the panel's height.
TEST(DrawTable, MenuEntriesStandCentredOnThePanel) {
    tabletest::Stage& stage = tabletest::MidHand();
    for (int id = 27; id <= 30; ++id) stage.draw->pButtons->GetButton(id)->visible = 1;
    DrawRecorder drawn(*lpDDSPla);
    tabletest::Compose(stage);
    for (int id = 27; id <= 30; ++id) stage.draw->pButtons->GetButton(id)->visible = 0;
    const std::vector<platform::DrawCall> panel = drawn.From(lpDDSPopup);
    ASSERT_EQ(panel.size(), 1u);
    const platform::Rect& under = panel[0].dst;
    const int slot = (under.bottom - under.top) / 4;
    for (int id = 27; id <= 30; ++id) {
        const std::vector<platform::DrawCall> entry =
            drawn.From(stage.draw->pButtons->GetButton(id)->picture);
        ASSERT_FALSE(entry.empty()) << id;
        const platform::Rect& r = entry[0].dst;
        const int slotTop = under.top + slot * (id - 27);
        EXPECT_LE(std::abs((r.left - under.left) - (under.right - r.right)), 1) << "entry " << id;
        EXPECT_LT(r.right, 800) << "entry " << id;
        EXPECT_LE(std::abs((r.top - slotTop) - (slotTop + slot - r.bottom)), 1) << "entry " << id;
    }
}

// The rule badge at the top left stands clear of every seat's plate and of the wind marks
// beside the plates, whichever rule family it names.
TEST(DrawTable, TheRuleBadgeClearsThePlates) {
    tabletest::Stage& stage = tabletest::MidHand();
    const int minFan = MinFan;
    for (const int fan : {0, 8}) {
        MinFan = fan;
        DrawRecorder drawn(*lpDDSPla);
        tabletest::Compose(stage);
        const std::vector<platform::DrawCall> badge = drawn.From(stage.draw->lpDDSRuleBadge[fan == 0 ? 1 : 0]);
        ASSERT_EQ(badge.size(), 1u);
        const platform::Rect& b = badge[0].dst;
        for (const platform::Surface* plate : {stage.draw->lpDDSCenterPan, stage.draw->lpDDSWindSheet,
                                               stage.draw->lpDDSPosition})
            for (const platform::DrawCall& call : drawn.From(plate)) {
                const platform::Rect& r = call.dst;
                EXPECT_TRUE(r.right <= b.left || r.left >= b.right || r.bottom <= b.top ||
                            r.top >= b.bottom)
                    << "badge " << b.left << ", " << b.top << " - " << b.right << ", " << b.bottom
                    << " meets " << call.sourceName << " at " << r.left << ", " << r.top;
            }
    }
    MinFan = minFan;
}

// Link labels are drawn offline only, as many as the table counts.
TEST(DrawTable, LinksOfflineOnly) {
    tabletest::Stage& stage = tabletest::MidHand();
    CDxLinkLabel links[3];
    for (int i = 0; i < 3; ++i) {
        links[i].Set(265 + 100 * i, 572, "link", "https://example.org/");
        stage.table->links[i] = &links[i];
    }
    stage.table->linkcount = 2;
    const auto linkTexts = [&](DrawRecorder& drawn) {
        int n = 0;
        for (const platform::DrawCall& call : drawn.Calls())
            if ((call.kind == platform::DrawKind::DrawText || call.kind == platform::DrawKind::TextOut) &&
                call.text == "link")
                ++n;
        return n;
    };
    DrawRecorder drawn(*lpDDSPla);
    tabletest::Compose(stage);
    EXPECT_EQ(linkTexts(drawn), 2);
    stage.table->netgame = 1;
    drawn.Clear();
    tabletest::Compose(stage);
    EXPECT_EQ(linkTexts(drawn), 0);
    for (CDxLinkLabel*& link : stage.table->links) link = nullptr;
    stage.table->linkcount = 2;
}

// The flower effect plays around the seat's landing position (the user's at (720, 520)), kept
// 20 pixels in from the left edge.
TEST(DrawTable, FlowerEffectAtTheSeat) {
    struct Case {
        int seat;
        int frame;
        At at;
    };
    const Case cases[] = {{0, 0, {700, 500}}, {1, 5, {535, 132}}, {3, 11, {0, 420}}};
    for (const Case& c : cases) {
        tabletest::Stage& stage = tabletest::MidHand();
        stage.table->Timer(kTimerFlower)->enabled = true;
        stage.table->flowerseat = c.seat;
        stage.table->flowertick = c.frame;
        DrawRecorder drawn(*lpDDSPla);
        tabletest::Compose(stage);
        EXPECT_EQ(tabletest::CornersOf(drawn, stage.draw->lpDDSEffect[c.frame]), std::vector<At>({c.at}))
            << "seat " << c.seat;
    }
    tabletest::Stage& stage = tabletest::MidHand();
    stage.table->flowertick = 12;
    stage.table->Timer(kTimerFlower)->enabled = true;
    DrawRecorder drawn(*lpDDSPla);
    tabletest::Compose(stage);
    for (platform::Surface* frame : stage.draw->lpDDSEffect) EXPECT_TRUE(drawn.From(frame).empty());
}

// A dialog of the ids drawn over the table.
class PlainForm : public CBitForm {
public:
    PlainForm() : CBitForm("Graphic\\ShowMessage\\background.bmp", nullptr) { SetPos(300, 250); }
    void Show() override {}
    int OnLButtonDown(int, int) override { return -1; }
    int OnMouseMove(int, int) override { return -1; }
    int OnLButtonUp(int, int) override { return -1; }
};

TEST(DrawTable, ItemDialogIsDrawnLastOverTheTable) {
    tabletest::Stage& stage = tabletest::MidHand();
    PlainForm items;
    DialogSlots[9] = &items;
    nActiveForm = 9;
    stage.table->Timer(kTimerFlower)->enabled = true;
    DrawRecorder drawn(*lpDDSPla);
    tabletest::Compose(stage);
    DialogSlots[9] = nullptr;
    nActiveForm = 0;
    const auto& calls = drawn.Calls();
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(calls.front().source, stage.draw->lpDDSRoom);
    EXPECT_EQ(calls.back().source, items.background);
    EXPECT_EQ(calls[calls.size() - 2].source, stage.draw->lpDDSEffect[0]) << "the flower effect just before";
}

}  // namespace
