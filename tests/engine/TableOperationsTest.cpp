// The small table operations the input handlers and the dialogs use: showing the claim buttons
// (which decides whether a claim waits for the user), showing every hand, and resetting the
// table for a loaded or a network game.
#include <gtest/gtest.h>

#include <algorithm>

#include "TableFixture.h"

namespace enginetest {
namespace {

class TableOperations : public TableTest {};

struct ClaimButtonsCase {
    const char* name;
    int enabled;  // the one claim button enabled before, or -1
    bool show;
    bool pending;
};

// Only pung, kong, win and chow make a claim wait; pass and ready alone do not.
const ClaimButtonsCase kClaimButtonsCases[] = {
    {"pung", kButtonPung, true, true},     {"kong", kButtonKong, true, true},
    {"win", kButtonWin, true, true},       {"chow", kButtonChow, true, true},
    {"pass alone", kButtonPass, true, false}, {"ready alone", kButtonReady, true, false},
    {"none", -1, true, false},             {"hiding", kButtonPung, false, false},
};

TEST_F(TableOperations, ShowingTheClaimButtonsMakesAClaimWaitOnlyForAClaimThatCanBeMade) {
    for (const ClaimButtonsCase& c : kClaimButtonsCases) {
        for (int id : kClaimButtons) t->Button(id).enabled = 0;
        if (c.enabled >= 0) t->Button(c.enabled).enabled = 1;
        t->claimpending = !c.pending;
        t->ShowClaimButtons(c.show);
        EXPECT_EQ(t->claimpending != 0, c.pending) << c.name;
        for (int id : kClaimButtons) {
            EXPECT_EQ(t->Button(id).visible != 0, c.show) << c.name << " " << id;
            // Hiding disables all six; showing leaves each as it was.
            EXPECT_EQ(t->Button(id).enabled != 0, c.show && id == c.enabled) << c.name << " " << id;
        }
    }
}

TEST_F(TableOperations, ShowAllHandsSetsTheRevealAndRedraws) {
    const int frames = shown.frames;
    t->ShowAllHands(true);
    t->ShowAllHands(false);
    EXPECT_EQ(shown.revealed, (std::vector<bool>{true, false}));
    EXPECT_EQ(shown.frames, frames + 2);
    EXPECT_EQ(t->GetPlayer(2), &t->Player[2]);
}

TEST_F(TableOperations, ResetTableClearsTheHandButKeepsTheSeatsScores) {
    // A hand under way: the user marking tiles, a claim offered, a face-down discard, every hand
    // shown, stacks taken.
    Midhand(3);
    Hand(0, "123m 456p 789s 55z 23m");
    Hand(1, "123m 456p 789s 55z 23m");
    Discards(3, "5z");
    ASSERT_TRUE(t->claimpending);
    t->exchangemode = 2;
    t->Button(kButtonExchange).visible = 1;
    t->deskhidden[42] = 1;
    t->renderer.desk.occupied[2][2] = 1;
    t->stackheight[5] = 0;
    t->seen[3] = 2;
    t->chosen = 1;
    t->Player[1].score = 1234;
    shown.revealed.clear();
    t->Timer(kTimerStep)->SetEnabled(true);

    t->ResetTable();

    EXPECT_EQ(t->state, kHandRunning);
    EXPECT_EQ(t->curplayer, 0);
    EXPECT_EQ(t->chosen, 0);
    EXPECT_EQ(t->exchangemode, 0);
    EXPECT_FALSE(t->claimpending);
    EXPECT_FALSE(t->Button(kButtonExchange).visible);
    for (int id : kClaimButtons) EXPECT_FALSE(t->Button(id).visible || t->Button(id).enabled) << id;
    EXPECT_FALSE(headless->Clock().IsArmed(kTimerStep));
    for (const CMjPlayer& p : t->Player) {
        EXPECT_EQ(p.cardnum, 0);
        EXPECT_EQ(p.rivernum, 0);
    }
    EXPECT_EQ(t->Player[1].score, 1234);  // a seat's reset keeps its score
    EXPECT_TRUE(std::all_of(std::begin(t->stackheight), std::end(t->stackheight),
                            [](std::uint8_t h) { return h == 2; }));
    EXPECT_TRUE(std::all_of(std::begin(t->seen), std::end(t->seen), [](int n) { return n == 0; }));
    EXPECT_EQ(std::count(std::begin(t->deskhidden), std::end(t->deskhidden), 1), 0);
    EXPECT_EQ(shown.revealed, std::vector<bool>{false});
    // Every seat starts its river at its own corner of the empty desk.
    for (int s = 0; s < kSeats; s++) {
        const DeskCursor start = t->renderer.desk.StartCursor(s);
        EXPECT_EQ(t->Player[s].deskx, start.a) << s;
        EXPECT_EQ(t->Player[s].desky, start.b) << s;
    }
    for (const auto& column : t->renderer.desk.occupied)
        EXPECT_EQ(std::count(std::begin(column), std::end(column), 0), kDeskSize);
    EXPECT_EQ(t->nodraw, 0);  // the after-claim flag
}

}  // namespace
}  // namespace enginetest
