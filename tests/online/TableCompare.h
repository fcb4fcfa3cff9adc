// A client's table against the test server's view of the same table.
#pragma once

#include <string>
#include <vector>

#include "engine/Mj.h"
#include "testsupport/online/NetTableInvariants.h"
#include "tools/testserver/ServerTable.h"

namespace onlinetest {

// The differences between a client's table and the server's view; empty when they agree.
inline std::string Compare(const CMj& t, const testserver::TableView& v) {
    auto local = [&](int s) { return t.ServerSeatToLocal(s); };
    std::string diff;
    auto check = [&](bool same, const std::string& what) {
        if (!same) diff += what + "; ";
    };
    for (int s = 0; s < 4; s++) {
        const CMjPlayer& p = t.Player[local(s)];
        const testserver::SeatView& sv = v.seats[s];
        const std::string seat = "seat " + std::to_string(s) + " ";
        const int concealed = local(s) == 0 ? p.cardnum + (p.hasnew ? 1 : 0) : p.cardnum;
        check(concealed == sv.concealed, seat + "concealed " + std::to_string(concealed) + " vs " +
                                             std::to_string(sv.concealed));
        check(p.gangnum == static_cast<int>(sv.melds.size()), seat + "meld count");
        for (int m = 0; m < std::min<int>(p.gangnum, sv.melds.size()); m++) {
            std::vector<int> keys;
            for (int i = 0; i < p.Gang[m].num; i++) keys.push_back(TileKey(p.Gang[m].Mj[i]));
            check(p.Gang[m].kind == sv.melds[m].kind && keys == sv.melds[m].tiles, seat + "meld");
        }
        std::vector<int> river;
        for (int i = 0; i < p.rivernum; i++) river.push_back(TileKey(p.River[i]));
        check(river == sv.river, seat + "river");
        check(p.flowers == sv.flowers, seat + "flowers");
        check((p.ting != 0) == sv.ready, seat + "ready");
        check(p.menfeng == sv.seatWind, seat + "wind");
    }
    check(t.dealer == local(v.dealer), "dealer");
    check(t.quanfeng == v.wind, "prevailing wind");
    check(t.curplayer == local(v.current), "current seat");
    check(t.taken == v.taken, "tiles taken " + std::to_string(t.taken) + " vs " + std::to_string(v.taken));
    const bool shown = v.shownSeat >= 0;
    check(t.discardshown == shown && (!shown || t.discardseat == local(v.shownSeat)), "discard on show");
    return diff;
}

}  // namespace onlinetest
