// The names and rules: the check boxes' truth table and the four rule outcomes, the picture
// arrows, the pictures in SET.ini, the name, and Enter.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <iterator>
#include <set>
#include <vector>

#include "DialogTestSupport.h"
#include "platform/Ini.h"
#include "rules/Random.h"
#include "ui/InputNameDlg.h"

namespace dialog_test {
namespace {

// The SET.ini keys of the seats' pictures, seat 0 to 3.
const char* const kSeatKeys[4] = {"SPlayer", "EPlayer", "NPlayer", "WPlayer"};

class InputNameDlgTest : public DialogTest {
protected:
    InputNameDlgTest() : dlg(*pInputNameDlg) {}

    // A click in the middle of a check box.
    static void ClickBox(CInputNameDlg& d, CBitCheckBox& box) {
        d.OnLButtonDown(box.x + box.checkedRect.right / 2, box.y + box.checkedRect.bottom / 2);
        d.OnLButtonUp(box.x + box.checkedRect.right / 2, box.y + box.checkedRect.bottom / 2);
    }
    // Official, second family, no wild tile, after, before.
    std::string Boxes() const {
        std::string s;
        for (const CBitCheckBox* b :
             {dlg.officialBox.get(), dlg.secondFamilyBox.get(), dlg.noWildBox.get(),
              dlg.wildAfterBox.get(), dlg.wildBeforeBox.get()})
            s += b->checked ? '1' : '0';
        return s;
    }
    CBitCheckBox& Box(char which) {
        switch (which) {
            case 'O': return *dlg.officialBox;
            case 'S': return *dlg.secondFamilyBox;
            case 'N': return *dlg.noWildBox;
            case 'A': return *dlg.wildAfterBox;
            default: return *dlg.wildBeforeBox;
        }
    }
    std::string Settings() const { return platform::ProgramPath("SET.ini"); }

    CInputNameDlg& dlg;
};

TEST_F(InputNameDlgTest, TheBoxesFollowTheirTruthTable) {
    struct Case {
        char click;  // O official, S second family, N no wild tile, A after, B before
        const char* after;
    };
    const Case cases[] = {
        {'A', "01010"},  // a variant checks itself and clears the other two
        {'B', "01001"},
        {'B', "01001"},  // a checked variant does not react
        {'N', "01100"},
        {'O', "10100"},  // Official: second family off, variants back to no wild tile
        {'A', "10100"},  // variants do nothing under the Official rules
        {'B', "10100"},
        {'O', "01100"},  // unchecking Official checks the second family
        {'S', "10100"},  // unchecking the second family checks Official
        {'S', "01100"},
    };
    dlg.Show();
    ASSERT_EQ(Boxes(), "01100");
    for (const Case& c : cases) {
        ClickBox(dlg, Box(c.click));
        EXPECT_EQ(Boxes(), c.after) << c.click;
    }
}

TEST_F(InputNameDlgTest, ShowPutsTheFamiliesBackAndKeepsTheVariant) {
    dlg.Show();
    ClickBox(dlg, Box('B'));
    ClickBox(dlg, Box('S'));  // Official now
    ASSERT_EQ(Boxes(), "10100");
    ClickBox(dlg, Box('S'));
    ClickBox(dlg, Box('A'));
    dlg.officialBox->checked = 1;
    dlg.Show();
    EXPECT_EQ(Boxes(), "01010");
    EXPECT_EQ(nActiveForm, kInputNameDlgId);
}

TEST_F(InputNameDlgTest, OkSetsTheRulesOfTheBoxes) {
    struct Case {
        const char* clicks;
        int minFan;
        std::uint8_t wildRule;
        int wildKind;
    };
    const Case cases[] = {
        {"O", 8, 0, kWildNextTile},
        {"N", 0, 0, kWildNextTile},
        {"A", 0, 1, kWildNextTile},
        {"B", 0, 1, kWildPreviousTile},
    };
    for (const Case& c : cases) {
        dlg.Show();
        ClickBox(dlg, Box('N'));
        for (const char* k = c.clicks; *k; ++k) ClickBox(dlg, Box(*k));
        MinFan = 99;
        bWildRule = 9;
        table.wildkind = 0;
        EXPECT_EQ(Click(dlg, CInputNameDlg::kOk), CInputNameDlg::kOk);
        EXPECT_EQ(MinFan, c.minFan) << c.clicks;
        EXPECT_EQ(bWildRule, c.wildRule) << c.clicks;
        EXPECT_EQ(table.wildkind, c.wildKind) << c.clicks;
        EXPECT_EQ(nActiveForm, 0);
        EXPECT_EQ(table.state, kHandRunning) << "a new game";
        EXPECT_EQ(table.hu.minfan, c.minFan);
    }
}

TEST_F(InputNameDlgTest, TheArrowsStepEachSeatsPictureWithoutWrapping) {
    dlg.Show();
    struct Case {
        int seat;
        int from;
        int button;
        int to;
    };
    const Case cases[] = {
        {0, 0, 1, 0}, {0, 0, 2, 1},   {0, 11, 2, 11}, {1, 11, 4, 11}, {1, 5, 3, 4},
        {2, 0, 5, 0}, {2, 10, 6, 11}, {3, 1, 7, 0},   {3, 11, 8, 11},
    };
    for (const Case& c : cases) {
        dlg.avatarId[c.seat] = c.from;
        Click(dlg, c.button);
        EXPECT_EQ(dlg.avatarId[c.seat], c.to) << "seat " << c.seat << " button " << c.button;
        EXPECT_EQ(table.Player[c.seat].avatar, c.to);
    }
}

TEST_F(InputNameDlgTest, PictureSixAndUpMakeAMaleSeat) {
    dlg.Show();
    dlg.avatarId[1] = 5;
    Click(dlg, 4);
    EXPECT_EQ(dlg.avatarId[1], 6);
    EXPECT_EQ(table.Player[1].sex, 1);
    Click(dlg, 3);
    EXPECT_EQ(table.Player[1].sex, 0);
}

TEST_F(InputNameDlgTest, ShowTakesThePicturesStoredInRangeAndRandomOnesOtherwise) {
    platform::WriteProfileString("Avatar", "SPlayer", "3", Settings());
    platform::WriteProfileString("Avatar", "EPlayer", "12", Settings());
    platform::WriteProfileString("Avatar", "WPlayer", "-1", Settings());
    MjSrand(static_cast<unsigned>(MjTime()));
    int random[4];
    for (int& r : random) r = MjRand() % 12;
    dlg.Show();
    EXPECT_EQ(dlg.avatarId[0], 3);
    EXPECT_EQ(dlg.avatarId[1], random[1]) << "12 is out of range";
    EXPECT_EQ(dlg.avatarId[2], 0) << "a missing key reads as 0";
    EXPECT_EQ(dlg.avatarId[3], random[3]) << "-1 is out of range";
    for (int s = 0; s < 4; ++s) {
        EXPECT_EQ(table.Player[s].avatar, dlg.avatarId[s]);
        EXPECT_EQ(table.Player[s].sex, dlg.avatarId[s] >= 6);
    }
}

// The settings file a new program folder comes with seats four different figures, two of each
// sex, in the first game.
TEST_F(InputNameDlgTest, TheFirstSettingsFileSeatsFourDifferentFigures) {
    std::filesystem::copy_file(std::string(MJ_DATA_SOURCE_DIR) + "/SET.ini",
                               platform::ToDiskPath(Settings()),
                               std::filesystem::copy_options::overwrite_existing);
    for (int round = 0; round < 2; ++round) {  // the stored pictures, not the random ones
        dlg.Show();
        std::set<int> ids(std::begin(dlg.avatarId), std::end(dlg.avatarId));
        EXPECT_EQ(ids.size(), 4u);
        int men = 0;
        for (int s = 0; s < 4; ++s) {
            EXPECT_GE(dlg.avatarId[s], 0);
            EXPECT_LT(dlg.avatarId[s], 12);
            EXPECT_EQ(platform::ReadProfileInt("Avatar", kSeatKeys[s], -1, Settings()), dlg.avatarId[s]);
            men += table.Player[s].sex;
        }
        EXPECT_EQ(men, 2);
    }
}

TEST_F(InputNameDlgTest, OkStoresThePicturesAndNamesTheUser) {
    dlg.Show();
    const int ids[4] = {2, 7, 11, 0};
    std::copy(std::begin(ids), std::end(ids), dlg.avatarId);
    for (char c : std::string("小明")) dlg.OnKeyPress(static_cast<unsigned char>(c));
    Click(dlg, CInputNameDlg::kOk);
    for (int s = 0; s < 4; ++s) {
        EXPECT_EQ(platform::ReadProfileInt("Avatar", kSeatKeys[s], -5, Settings()), ids[s])
            << kSeatKeys[s];
        EXPECT_EQ(table.Player[s].avatar, ids[s]);
    }
    EXPECT_STREQ(table.Player[0].name, "小明");
}

TEST_F(InputNameDlgTest, NamesOfTwentyBytesOrNoneBecomeTheDefault) {
    struct Case {
        std::string typed;
        const char* name;
    };
    const Case cases[] = {
        {"", "玩家"},
        {std::string(19, 'a'), "aaaaaaaaaaaaaaaaaaa"},
        {std::string(20, 'b'), "玩家"},
        {std::string(30, 'c'), "玩家"},  // cut to its first 20 bytes first
    };
    for (const Case& c : cases) {
        dlg.Show();
        dlg.nameEdit->length = 0;
        dlg.nameEdit->text[0] = 0;
        for (char ch : c.typed) dlg.OnKeyPress(static_cast<unsigned char>(ch));
        Click(dlg, CInputNameDlg::kOk);
        EXPECT_STREQ(table.Player[0].name, c.name) << c.typed.size();
    }
}

TEST_F(InputNameDlgTest, EnterConfirmsLikeOkAndNeverReachesTheName) {
    dlg.Show();
    ClickBox(dlg, Box('O'));
    EXPECT_EQ(dlg.OnKeyPress('x'), 0);
    EXPECT_EQ(nActiveForm, kInputNameDlgId);
    EXPECT_EQ(dlg.OnKeyPress(13), 1);
    EXPECT_EQ(nActiveForm, 0);
    EXPECT_EQ(MinFan, 8);
    EXPECT_EQ(std::string(dlg.nameEdit->text, dlg.nameEdit->length), "x");
    EXPECT_STREQ(table.Player[0].name, "x");
    EXPECT_EQ(table.state, kHandRunning);
    EXPECT_EQ(table.musicwanted, 1);
}

TEST_F(InputNameDlgTest, TheForbidPictureShowsUnderTheOfficialRules) {
    dlg.Show();
    auto forbidShown = [&] {
        Fill(kFelt);
        dlg.Draw();
        for (int j = 0; j < dlg.forbidRect.bottom; ++j)
            for (int i = 0; i < dlg.forbidRect.right; ++i) {
                const std::uint16_t p = dlg.forbid->Row(j)[i];
                if (p != ColorKey && Pixel(574 + i, 315 + j) != p) return false;
            }
        return true;
    };
    EXPECT_FALSE(forbidShown());
    ClickBox(dlg, Box('O'));
    EXPECT_TRUE(forbidShown());
}

// The sign covers no label: under each of its drawn pixels the dialog's picture is plain, not
// the stroke of a caption (a pixel at twice the contrast of the plate's usual colour or more).
TEST_F(InputNameDlgTest, TheForbidPictureCoversNoLabel) {
    const platform::Surface& picture = *dlg.background;
    std::vector<std::uint16_t> under;
    for (int j = 0; j < dlg.forbidRect.bottom; ++j)
        for (int i = 0; i < dlg.forbidRect.right; ++i)
            if (dlg.forbid->Row(j)[i] != ColorKey)
                under.push_back(picture.Row(315 - dlg.y + j)[574 - dlg.x + i]);
    ASSERT_FALSE(under.empty());
    std::vector<std::uint16_t> sorted = under;
    std::nth_element(sorted.begin(), sorted.begin() + sorted.size() / 2, sorted.end(),
                     [](std::uint16_t a, std::uint16_t b) { return Luminance(a) < Luminance(b); });
    const std::uint16_t plain = sorted[sorted.size() / 2];
    const auto ink = std::count_if(under.begin(), under.end(),
                                   [&](std::uint16_t px) { return Contrast(px, plain) >= 2.0; });
    EXPECT_EQ(ink, 0);
}

}  // namespace
}  // namespace dialog_test
