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
// the table is compared with the server's view.
struct LinkPlayer {
    CMj& t;
    ServerBench& s;
    int compared = 0;
    bool startSent = false;
    bool compare = true;

    void Act() {
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

}  // namespace onlinetest
