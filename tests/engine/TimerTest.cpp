// The timer map: what each timer of the table and the seats is set up as and does on its tick.
#include "TableFixture.h"
#include "ui/Dialogs.h"
#include "ui/DxLinkLabel.h"
#include "ui/DxEdit.h"
#include "ui/InputNameDlg.h"

namespace enginetest {
namespace {

struct TimerSetUp {
    unsigned id;
    unsigned interval;  // as the clock runs it: at least 10 ms
    bool running;
};
// After construction: only 6, 100 and 106 and the computer seats' portraits run.
const TimerSetUp kTableTimers[] = {
    {1, 10000, false},  {2, 100000, false}, {3, 1000, false},  {4, 1000, false},
    {5, 200, false},    {6, 500, true},     {7, 10000, false}, {8, 100, false},
    {9, 500, false},    {100, 1000, true},  {101, 50, false},  {102, 50, false},
    {103, 1000, false}, {104, 10, false},   {105, 10, false},  {106, 120000, true},
    {107, 100, false},
};

class Timers : public TableTest {
protected:
    platform::testing::VirtualClock& Clock() { return headless->Clock(); }
};

TEST_F(Timers, TheTableMakesSeventeenTimersAndStartsThreeOfThem) {
    for (const TimerSetUp& s : kTableTimers) {
        const CMjTimer* timer = t->Timer(s.id);
        ASSERT_NE(timer, nullptr) << s.id;
        EXPECT_EQ(Clock().IsArmed(static_cast<int>(s.id)), s.running) << s.id;
        if (s.running) EXPECT_EQ(Clock().Interval(static_cast<int>(s.id)), s.interval) << s.id;
        else EXPECT_EQ(platform::EffectiveTimerInterval(timer->interval), s.interval) << s.id;
    }
}

TEST_F(Timers, EachSeatHasAPortraitAWaitAndACaptionTimer) {
    for (int s = 0; s < kSeats; s++) {
        const CMjPlayer& p = t->Player[s];
        EXPECT_EQ(p.facetimer->id, 10u + s);
        EXPECT_EQ(p.waittimer->id, 14u + s);
        EXPECT_EQ(p.actiontimer->id, 18u + s);
        EXPECT_EQ(Clock().Interval(10 + s), 4000u + 500u * s);
        EXPECT_FALSE(Clock().IsArmed(18 + s));
    }
}

TEST_F(Timers, TheUsersPortraitTimerIsKilledAtItsFirstTickAndNeverAnimates) {
    Clock().Advance(4000);
    EXPECT_FALSE(Clock().IsArmed(10));
    EXPECT_EQ(t->Player[0].face, 0);
}

TEST_F(Timers, AComputerPortraitBlinksAndComesBack) {
    t->OnTimer(11);
    EXPECT_EQ(t->Player[1].face, 11);
    EXPECT_EQ(Clock().Interval(11), 100u);
    t->OnTimer(11);
    EXPECT_EQ(t->Player[1].face, 0);
    EXPECT_GE(Clock().Interval(11), 4000u);
    EXPECT_LT(Clock().Interval(11), 6000u);
    t->Player[1].face = 1;  // the discard pose
    t->OnTimer(11);
    EXPECT_EQ(t->Player[1].face, 0);
}

TEST_F(Timers, CaptionAndWaitTimersStopAndTheCaptionGoes) {
    t->Player[2].action = 3;
    t->Player[2].actiontimer->SetEnabled(true);
    Clock().Advance(1000);
    EXPECT_EQ(t->Player[2].action, 0);
    EXPECT_FALSE(Clock().IsArmed(20));
    t->Player[3].waittimer->SetEnabled(true);
    t->OnTimer(17);
    EXPECT_FALSE(Clock().IsArmed(17));
}

TEST_F(Timers, StepModeOtherThanDealNextTurnAndDiceStopsTimerOne) {
    t->SetStepMode(7);
    EXPECT_EQ(Clock().Interval(kTimerStep), 50u);
    Clock().Advance(50);
    EXPECT_FALSE(Clock().IsArmed(kTimerStep));
    struct { std::uint8_t mode; unsigned interval; } modes[] = {{0, 100}, {3, 500}, {4, 10}};
    for (const auto& m : modes) {
        t->SetStepMode(m.mode);
        EXPECT_EQ(Clock().Interval(kTimerStep), m.interval) << int(m.mode);
    }
}

TEST_F(Timers, AnIdThatIsNotTheTablesIsKilledAtItsFirstTick) {
    platform::SetTimer(50, 100);
    Clock().Advance(100);
    EXPECT_FALSE(Clock().IsArmed(50));
}

TEST_F(Timers, TheRevealTimerHidesTheHandsAgain) {
    t->Timer(kTimerReveal)->SetEnabled(true);
    t->OnTimer(kTimerReveal);
    EXPECT_FALSE(Clock().IsArmed(kTimerReveal));
    ASSERT_FALSE(shown.revealed.empty());
    EXPECT_FALSE(shown.revealed.back());
}

TEST_F(Timers, TheShownCountdownRunsDownOnlyWhileAHandIsPlayed) {
    t->countdowncopy = 3;
    t->state = kHandOver;
    t->OnTimer(kTimerCountdown);
    EXPECT_EQ(t->countdowncopy, 3);
    t->state = kHandRunning;
    t->OnTimer(kTimerCountdown);
    EXPECT_EQ(t->countdowncopy, 2);
    EXPECT_EQ(t->GetCountdown(), -1) << "no countdown without timer 3 or 4";
}

TEST_F(Timers, TimerSixTurnsThePortraitPhase) {
    for (int tick = 1; tick <= 5; tick++) {
        t->OnTimer(kTimerIdle);
        EXPECT_EQ(t->portraitphase, tick % 4);
    }
}

// Timer 6: the focused edit of the active dialog and the table's chat input blink; an edit
// without the focus, or of a dialog not shown, keeps its caret.
TEST_F(Timers, TheIdleTimerBlinksTheFocusedEdits) {
    struct Case {
        unsigned timer;
        int activeForm;
        bool namesCaretBlinks;
    };
    const Case cases[] = {
        {kTimerIdle, kInputNameDlgId, true},
        {kTimerIdle, kModeFormId, false},
    };
    for (const Case& c : cases) {
        CDxEdit& names = *pInputNameDlg->nameEdit;
        names.focus = 1;
        names.caretOn = 1;
        t->chatedit->caretOn = 1;
        nActiveForm = c.activeForm;
        t->OnTimer(c.timer);
        EXPECT_EQ(names.caretOn, c.namesCaretBlinks ? 0 : 1) << c.timer << " " << c.activeForm;
        EXPECT_EQ(t->chatedit->caretOn, 0) << c.timer;
        t->OnTimer(c.timer);
        EXPECT_EQ(names.caretOn, 1);
        EXPECT_EQ(t->chatedit->caretOn, 1);
    }
    pInputNameDlg->nameEdit->focus = 0;
    nActiveForm = kInputNameDlgId;
    t->OnTimer(kTimerIdle);
    EXPECT_EQ(pInputNameDlg->nameEdit->caretOn, 1) << "an edit without the focus keeps its caret";
}

// Timer 5 (online) turns only the blink flag: a caret blinking with it too would blink twice
// as often, or not at all when both ticks meet.
TEST_F(Timers, TheBlinkTimerTurnsOnlyTheBlinkFlag) {
    CDxEdit& names = *pInputNameDlg->nameEdit;
    names.focus = 1;
    names.caretOn = 1;
    t->chatedit->focus = 1;
    t->chatedit->caretOn = 1;
    nActiveForm = kInputNameDlgId;
    const int frames = shown.frames;
    t->OnTimer(kTimerBlink);
    EXPECT_EQ(t->blink, 1);
    EXPECT_EQ(shown.frames, frames + 1);
    EXPECT_EQ(names.caretOn, 1);
    EXPECT_EQ(t->chatedit->caretOn, 1);
    t->OnTimer(kTimerBlink);
    EXPECT_EQ(t->blink, 0);
    names.focus = 0;
    nActiveForm = 0;
}

// With link labels from link notices (more than the two of the table), timer 106 shows them a
// pair at a time in turn: every label hidden but the pair's two, and back to the first pair
// after the last (at most five pairs).  While a dialog is up nothing turns.
TEST_F(Timers, TheLinkTimerShowsTheLabelsAPairAtATime) {
    auto shownLabels = [this] {
        std::string on;
        for (CDxLinkLabel* label : t->links) on += label->visible ? '1' : '0';
        return on;
    };
    struct Case {
        int count;
        int activeForm;
        std::vector<std::string> turns;  // the labels shown after each tick
    };
    const Case cases[] = {
        {2, 0, {"1111111111"}},  // the table's own two: nothing turns
        {5, 0, {"0011000000", "0000110000", "1100000000"}},
        {10, 0, {"0011000000", "0000110000", "0000001100", "0000000011", "1100000000"}},
        {6, kModeFormId, {"1111111111"}},
    };
    for (const Case& c : cases) {
        for (CDxLinkLabel* label : t->links) label->visible = 1;
        t->linkpair = 0;
        t->linkcount = c.count;
        nActiveForm = c.activeForm;
        for (const std::string& expected : c.turns) {
            t->OnTimer(kTimerLinks);
            EXPECT_EQ(shownLabels(), expected) << c.count << " labels, dialog " << c.activeForm;
        }
    }
    nActiveForm = 0;
    t->linkcount = 2;
}

TEST_F(Timers, AFlowerDrawnInPlayIsReplacedAfterTwelveTicks) {
    Midhand(1);
    Hand(1, "1359s2468p1234z 5m");
    WallNext("3f 7m");
    t->GiveMj(false);
    EXPECT_EQ(t->Player[1].flowers, 1);
    EXPECT_FALSE(t->Player[1].hasnew);
    EXPECT_EQ(t->flowerseat, 1);
    Clock().Advance(11 * 50);
    EXPECT_EQ(t->taken, 61);
    Clock().Advance(50);
    EXPECT_EQ(t->taken, 62);
    EXPECT_EQ(t->Player[1].CountMj(One("7m")), 1);
    EXPECT_TRUE(Clock().IsArmed(kTimerComputerTurn));
}

TEST_F(Timers, TheDrawFlightStepsUntilItArrivesThenTheTileIsTaken) {
    Midhand(1);
    t->animate = 1;
    Hand(1, "1359s2468p1234z 5m");
    WallNext("7m");
    t->GiveMj(false);
    ASSERT_TRUE(Clock().IsArmed(kTimerDrawFlight));
    EXPECT_EQ(shown.flights.back().kind, 'w');
    EXPECT_EQ(t->Player[1].cardnum, 13);
    Clock().Advance(10);
    EXPECT_FALSE(Clock().IsArmed(kTimerDrawFlight));
    EXPECT_EQ(t->Player[1].cardnum, 14);
}

TEST_F(Timers, AReadyUsersDrawnTileShowsEightFramesThenIsPlayed) {
    Midhand(3);
    t->animate = 1;
    Hand(0, "1359s2468p1234z 5m");
    t->Player[0].ting = 1;
    WallNext("7m");
    t->curplayer = 0;
    t->GiveMj(false);
    Clock().Advance(10);  // the flight
    ASSERT_TRUE(Clock().IsArmed(kTimerReadyDraw));
    Clock().Advance(8 * 100);
    EXPECT_TRUE(t->Player[0].hasnew) << "still shown";
    Clock().Advance(100);
    EXPECT_EQ(t->Player[0].rivernum + t->Player[0].played, 1);
    EXPECT_TRUE(TileEqual(t->curmj, One("7m")));
}

}  // namespace
}  // namespace enginetest
