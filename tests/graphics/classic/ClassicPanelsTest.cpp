// The classic seat panels, by the calls recorded on the frame: the seat pictures between and
// during hands and online, the other players' names, the user's name, the chips, level marks
// and scores, and what an empty online seat leaves out.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "ClassicStage.h"
#include "graphics/GraphicsGlobals.h"

namespace {

using classictest::At;
using classictest::CornerOf;
using classictest::DrawRecorder;
using platform::DrawKind;

const At kAvatarCorners[4] = {{330, 354}, {654, 187}, {548, 28}, {6, 187}};

class ClassicPanels : public ::testing::Test {
protected:
    void SetUp() override {
        stage_ = &classictest::ClassicMidHand();
        seats_ = stage_->table->Player;
    }
    void TearDown() override { stage_->table->netgame = 0; }
    CMjDraw& D() { return *stage_->draw; }
    CMj& Table() { return *stage_->table; }
    void GoOnline(std::initializer_list<int> occupied) {
        Table().netgame = 1;
        for (int s = 0; s < 4; ++s) seats_[s].occupied = 0;
        for (int s : occupied) seats_[s].occupied = 1;
    }
    std::vector<std::string> Texts(const DrawRecorder& drawn) {
        std::vector<std::string> out;
        for (const platform::DrawCall& call : drawn.Calls())
            if (call.kind == DrawKind::DrawText || call.kind == DrawKind::TextOut)
                out.push_back(call.text);
        return out;
    }
    tabletest::Stage* stage_ = nullptr;
    CMjPlayer* seats_ = nullptr;
};

// Between hands each picture fills its 140 × 226 rectangle; during a hand it is blended at
// 200 in its own size.  Drawn for seats 3, 1, 2, 0, each rectangle kept for the input.
TEST_F(ClassicPanels, PicturesStretchedBetweenHandsBlendedDuringOne) {
    for (std::uint8_t state : {kNoHand, kHandOver, kHandRunning}) {
        Table().state = state;
        DrawRecorder drawn(*lpDDSPla);
        D().DrawAvatars(seats_);
        ASSERT_EQ(drawn.Calls().size(), 4u);
        int order = 0;
        for (int s : {3, 1, 2, 0}) {
            const platform::DrawCall& call = drawn.Calls()[order++];
            const At at = kAvatarCorners[s];
            EXPECT_EQ(call.source, D().lpDDSPortrait[s]);
            EXPECT_TRUE(tabletest::SameRect(D().rcAvatar[s], {at.x, at.y, at.x + 140, at.y + 226}));
            if (state == kHandRunning) {
                EXPECT_EQ(call.kind, DrawKind::AlphaBlt);
                EXPECT_EQ(call.flags, 200u);
                EXPECT_TRUE(tabletest::SameRect(call.src, D().rcPortrait[s]));
                EXPECT_EQ(CornerOf(call), at);
            } else {
                EXPECT_EQ(call.kind, DrawKind::Blt);
                EXPECT_EQ(call.flags, platform::kBltKeySrc | platform::kBltWait);
                EXPECT_TRUE(tabletest::SameRect(call.dst, D().rcAvatar[s]));
            }
        }
    }
}

// Online between hands: an empty seat shows no picture, a seat whose player pressed Start its
// blended picture, the others stretched; the other players' names and titles under them.
TEST_F(ClassicPanels, OnlineSeatsShowWhoSitsThere) {
    Table().state = kNoHand;
    GoOnline({0, 1, 2});
    seats_[1].started = 1;
    DrawRecorder drawn(*lpDDSPla);
    D().DrawAvatars(seats_);
    seats_[1].started = 0;
    std::vector<const platform::Surface*> pictures;
    for (const platform::DrawCall& call : drawn.Calls())
        if (call.kind != DrawKind::DrawText) pictures.push_back(call.source);
    EXPECT_EQ(pictures, (std::vector<const platform::Surface*>{
                            D().lpDDSPortrait[1], D().lpDDSPortrait[2], D().lpDDSPortrait[0]}));
    EXPECT_EQ(drawn.From(D().lpDDSPortrait[1])[0].kind, DrawKind::AlphaBlt);
    const std::vector<platform::DrawCall> texts = drawn.Of(DrawKind::DrawText);
    ASSERT_EQ(texts.size(), 4u);
    EXPECT_EQ(texts[0].text, seats_[1].name);
    EXPECT_TRUE(tabletest::SameRect(texts[0].dst, {654, 177, 794, 195}));
    EXPECT_EQ(texts[0].flags, platform::kDtCenter);
    EXPECT_EQ(texts[0].paint.color, 0xC6AA84u);
    EXPECT_EQ(texts[1].text, LevelForScore(seats_[1].score).title);
    EXPECT_EQ(texts[2].text, seats_[2].name);
    EXPECT_TRUE(tabletest::SameRect(texts[3].dst, {686, 63, 796, 81}));
    EXPECT_EQ(texts[3].flags, 0u);
}

// The user's name and title at the bottom left in the icon-title font; online the title only
// while the user's seat is occupied.
TEST_F(ClassicPanels, OwnNameAndTitle) {
    DrawRecorder drawn(*lpDDSPla);
    D().DrawOwnNameClassic(seats_);
    const std::vector<platform::DrawCall> texts = drawn.Of(DrawKind::DrawText);
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].text, seats_[0].name);
    EXPECT_TRUE(tabletest::SameRect(texts[0].dst, {16, 564, 100, 584}));
    EXPECT_EQ(texts[0].font.height, platform::kIconTitleFont.height);
    EXPECT_EQ(texts[0].paint.color, 0x808080u);
    EXPECT_EQ(texts[1].text, LevelForScore(seats_[0].score).title);
    EXPECT_TRUE(tabletest::SameRect(texts[1].dst, {38, 581, 128, 601}));

    GoOnline({1, 2, 3});
    DrawRecorder online(*lpDDSPla);
    D().DrawOwnNameClassic(seats_);
    EXPECT_EQ(Texts(online), std::vector<std::string>({seats_[0].name}));
}

// The user's flower box, its flower and its count end above the user's name.
TEST_F(ClassicPanels, TheUsersFlowerBoxLeavesItsNameClear) {
    DrawRecorder drawn(*lpDDSPla);
    tabletest::Compose(*stage_);
    const std::vector<platform::DrawCall> texts = drawn.Of(DrawKind::DrawText);
    const auto name = std::find_if(texts.begin(), texts.end(), [&](const platform::DrawCall& c) {
        return c.text == seats_[0].name;
    });
    ASSERT_NE(name, texts.end());
    int boxParts = 0;
    for (platform::Surface* picture : D().lpDDSFlower)
        for (const platform::DrawCall& call : drawn.From(picture)) {
            if (call.dst.top < 500) continue;  // another seat's box
            ++boxParts;
            EXPECT_LE(call.dst.bottom, name->dst.top) << call.sourceName;
        }
    EXPECT_EQ(boxParts, 3);
}

// Chips at each seat's chips position (seats 2 and 0 moved to their fixed places), the level
// marks beside them, the scores under the side seats' chips and beside the others.
TEST_F(ClassicPanels, ChipsLevelMarksAndScores) {
    DrawRecorder drawn(*lpDDSPla);
    D().DrawLevels(seats_);
    EXPECT_EQ(At({D().ChipsPos[2].x, D().ChipsPos[2].y}), At({656, 86}));
    EXPECT_EQ(At({D().ChipsPos[0].x, D().ChipsPos[0].y}), At({113, 574}));
    std::vector<At> chips;
    for (const platform::DrawCall& call : drawn.From(D().lpDDSChips)) chips.push_back(CornerOf(call));
    EXPECT_EQ(chips, (std::vector<At>{{113, 574}, {725, 418}, {656, 86}, {65, 418}}));
    std::vector<At> marks;
    for (const platform::DrawCall& call : drawn.From(lpDDSLevel)) marks.push_back(CornerOf(call));
    EXPECT_EQ(marks, (std::vector<At>{{725, 463}, {65, 463}, {656, 63}, {16, 584}}));

    const int cw = D().rcChips.right;
    const int ch = D().rcChips.bottom;
    const std::vector<platform::DrawCall> texts = drawn.Of(DrawKind::DrawText);
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[0].text, "980");
    EXPECT_TRUE(tabletest::SameRect(texts[0].dst, {695, 418 + ch + 3, 725 + cw + 30, 418 + ch + 23}));
    EXPECT_EQ(texts[0].flags, platform::kDtCenter);
    EXPECT_EQ(texts[1].text, "1270");
    EXPECT_EQ(texts[2].text, "-250");
    EXPECT_TRUE(tabletest::SameRect(texts[2].dst, {690, 86, 750, 106}));
    const std::vector<platform::DrawCall> own = drawn.Of(DrawKind::TextOut);
    ASSERT_EQ(own.size(), 1u);
    EXPECT_EQ(own[0].text, "1000");
    EXPECT_EQ(CornerOf(own[0]), At({138, 583}));
    EXPECT_EQ(own[0].paint.color, 0xFFFFFFu);
}

// A level index past the twenty marks shows the last mark.
TEST_F(ClassicPanels, ALevelPastTheLastMarkShowsMarkNineteen) {
    const int saved = nLevelCount;
    nLevelCount = 25;
    for (int i = 0; i < nLevelCount; ++i) LevelTable[i].bound = 100 * (i + 1);
    seats_[1].score = 2450;  // level 24
    seats_[3].score = 150;   // level 1
    DrawRecorder drawn(*lpDDSPla);
    D().DrawLevels(seats_);
    const std::vector<platform::DrawCall> marks = drawn.From(lpDDSLevel);
    ASSERT_EQ(marks.size(), 4u);
    EXPECT_EQ(marks[0].src.left, 19 * 15);
    EXPECT_EQ(marks[1].src.left, 1 * 15);
    nLevelCount = saved;
    classictest::ClassicMidHand();  // the built level table again
}

// Online an empty seat shows no chips, mark or score; the user's own score is drawn even for
// an empty seat 0.
TEST_F(ClassicPanels, AnEmptyOnlineSeatShowsNothingButTheUsersScore) {
    GoOnline({1});
    DrawRecorder drawn(*lpDDSPla);
    D().DrawLevels(seats_);
    EXPECT_EQ(drawn.From(D().lpDDSChips).size(), 1u);
    EXPECT_EQ(drawn.From(lpDDSLevel).size(), 1u);
    EXPECT_EQ(Texts(drawn), std::vector<std::string>({"980", "1000"}));
}

}  // namespace
