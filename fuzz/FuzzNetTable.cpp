// The server's records on a headless online table.  The first byte picks where the table
// stands (0 in the lobby, 1 seated, 2 in the middle of a hand); every following 129 bytes are
// one record, its type byte taken among the table's records; between records the table's
// clock moves on by the next byte × 100 ms, so countdowns run out and answers go out.  After
// every record the table must hold: counts within their arrays, no more than 144 tiles taken,
// seats and dice in range.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "online/GameMsgServer.h"
#include "testsupport/engine/HeadlessTable.h"
#include "testsupport/online/NetTableInvariants.h"

namespace {

// The record types the table reads.
constexpr std::uint8_t kTableTypes[] = {SC_DEAL,      SC_DRAW_TILE,  SC_DISCARD,      SC_ACTION_OPTIONS,
                                        SC_DICE,      SC_YOUR_TURN,  SC_OTHER_DRAW,   SC_SEND_ACTION,
                                        SC_ENTER_TABLE, SC_HAND_END, SC_TABLE_CHAT,   SC_TABLE_RESTORE,
                                        SC_TABLE_USERINFO, SC_USER_START, SC_FLOWER};

void Feed(CMj& t, const GameMsg& m) { t.OnGameMsg(m.data()); }

// Seated at server seat 1 with three robots; mid-hand also dealt and on the user's draw.
void Prepare(CMj& t, int where) {
    if (where < 1) return;
    ScEnterTable enter;
    enter.ownSeat = 1;
    enter.showStart = true;
    enter.variant = 1;
    enter.minFan = where == 2 ? 0 : 8;
    enter.wildRule = where == 2;
    Feed(t, Encode(enter));
    if (where < 2) return;
    ScDice dice;
    dice.wind = 1;
    for (int& d : dice.dice) d = 2;
    Feed(t, Encode(dice));
    ScDeal deal;
    deal.count = 13;
    for (int i = 0; i < 13; i++) deal.hand[i] = static_cast<std::uint8_t>(i * 9);
    Feed(t, Encode(deal));
    Feed(t, Encode(ScOtherDraw{1}));
    Feed(t, Encode(ScDrawTile{100}));
    Feed(t, Encode(ScYourTurn{}));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static auto headless = std::make_unique<enginetest::HeadlessTable>(1);
    CMj& t = *headless->table;
    t.recordsink = [](const std::uint8_t*) {};
    t.NetGameEnded();
    t.NetStart();
    if (size == 0) return 0;
    Prepare(t, data[0] % 3);
    std::size_t at = 1;
    while (at + kGameMsgSize <= size) {
        GameMsg m;
        std::copy(data + at, data + at + kGameMsgSize, m.begin());
        // Mostly the table's own types; now and then a type as it stands.
        if (m[0] < 200) m[0] = kTableTypes[m[0] % sizeof kTableTypes];
        at += kGameMsgSize;
        Feed(t, m);
        const std::string broken = onlinetest::BrokenInvariant(t);
        if (!broken.empty()) {
            std::fprintf(stderr, "broken after type %d: %s\n", MsgType(m.data()), broken.c_str());
            std::abort();
        }
        if (at < size) headless->Clock().Advance(100u * data[at++]);
    }
    return 0;
}
