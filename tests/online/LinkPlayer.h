// The user's seat of a client table over the link, played by a script, for the tests of whole
// hands against the test server.
#pragma once

#include <gtest/gtest.h>

#include "engine/Mj.h"
#include "tests/online/ServerBench.h"
#include "tests/online/TableCompare.h"

namespace onlinetest {

// The user's script over the link: the win when offered, else a pass; a discard of the drawn
// tile; the next hand from the score sheet.  At each wait of the server on the user's discard
// the table is compared with the server's view.  Each step paces the server's tables.
struct LinkPlayer {
    static constexpr unsigned kPaceMs = 20;
    CMj& t;
    ServerBench& s;
    int compared = 0;
    bool startSent = false;
    bool compare = true;

    void Act() {
        s.PaceTables(kPaceMs);
        CMjPlayer& p = t.Player[0];
        if (t.state == kHandRunning) startSent = false;
        if (t.state != kHandRunning && t.seated && !startSent) {
            startSent = true;
            if (t.Button(kButtonStart).visible)
                t.OnButtonClick(kButtonStart);
            else
                t.StartHand();
            return;
        }
        if (t.Button(kButtonPass).visible && t.claimpending) {
            t.OnButtonClick(t.Button(kButtonWin).enabled ? kButtonWin : kButtonPass);
            return;
        }
        if (!t.maydiscard || t.claimpending || p.cardnum <= 0) return;
        testserver::TableView v;
        int seat = 0;
        if (compare && s.server.TableViewOf("tester", &v, &seat) && v.current == seat) {
            EXPECT_EQ(Compare(t, v), "");
            compared++;
        }
        if (t.Button(kButtonPass).visible) t.OnButtonClick(kButtonPass);
        p.select = p.hasnew ? p.cardnum : p.cardnum - 1;
        t.AutoDiscard();
    }
};

// Plays until the user is to discard with a discard on show and more than 60 tiles taken (what
// a restore must carry), then drops the link; false when that moment does not come or the
// table stays online.  What the last table showed does not count afterwards.
inline bool PlayToMidHandAndDrop(OnlineBench& b, ServerBench& s, LinkPlayer& player) {
    testserver::TableView v;
    int seat = 0;
    const bool reached = Pump(
        [&] {
            if (s.server.TableViewOf("tester", &v, &seat) && v.running && v.taken > 60 &&
                v.current == seat && v.shownSeat >= 0 && b.table->maydiscard)
                return true;
            player.Act();
            return false;
        },
        60000);
    EXPECT_TRUE(reached) << "taken " << v.taken << " hands " << v.handsPlayed;
    if (!reached) return false;
    b.link->CloseGameSocket();
    if (!Pump([&] { return !s.Online(); })) return false;
    b.table->maydiscard = 0;
    return true;
}

// Waits until the table, back online and its restore whole (both records read), is at the
// user's turn of a running hand and the server waits on the same seat; its view and the seat
// are left in `v` and `seat`.  The tables are paced only once the restore is whole.
inline bool WaitForRestoredTurn(OnlineBench& b, ServerBench& s, testserver::TableView* v, int* seat) {
    return Pump([&] {
        const bool restored = s.Online() && b.table->seated && b.table->state == kHandRunning && !b.table->restorehalf;
        if (restored && b.table->maydiscard && b.table->Player[0].cardnum > 0 &&
            s.server.TableViewOf("tester", v, seat) && v->current == *seat)
            return true;
        if (restored) s.PaceTables(LinkPlayer::kPaceMs);
        return false;
    }, 20000);
}

// Plays the running hand to its score sheet.
inline bool PlayToHandEnd(OnlineBench& b, LinkPlayer& player) {
    return Pump(
        [&] {
            player.Act();
            return b.table->state == kHandOver;
        },
        60000);
}

}  // namespace onlinetest
