// A person played at the level of records, for the server's tests.
#pragma once

#include <cstdint>
#include <deque>
#include <utility>
#include <vector>

#include "online/GameMsgClient.h"
#include "online/GameMsgServer.h"
#include "rules/Tile.h"

namespace onlinetest {

// A second person played at the level of records: the table object is the program's one, so
// a second table cannot live beside the first in one process.  It keeps its own tiles from the
// records, passes every offer, discards its drawn tile and starts every hand.
struct RecordPerson {
    std::vector<tagMj> hand;
    tagMj drawn{};
    bool hasDrawn = false;

    void Read(const std::uint8_t* r, std::deque<std::pair<int, GameMsg>>* out, int seat) {
        auto send = [&](GameMsg m) { out->push_back({seat, m}); };
        switch (MsgType(r)) {
            case SC_DEAL: {
                ScDeal deal;
                Decode(r, &deal);
                hand.clear();
                for (int i = 0; i < deal.count; i++) hand.push_back(TileFromIndex(deal.hand[i]));
                hasDrawn = false;
                return;
            }
            case SC_FLOWER: {
                ScFlower f;
                Decode(r, &f);
                if (f.seat != seat) return;
                if (f.inPlay) {
                    Take(drawn);
                    drawn = TileFromIndex(f.tiles[0]);
                    hand.push_back(drawn);
                    return;
                }
                for (int k = 0; k < f.count; k++) {
                    for (auto& t : hand)
                        if (t.suit == kFlowerSuit) {
                            t = TileFromIndex(f.tiles[k]);
                            break;
                        }
                }
                return;
            }
            case SC_DRAW_TILE:
                drawn = TileFromIndex(r[3]);
                hand.push_back(drawn);
                hasDrawn = true;
                return;
            case SC_YOUR_TURN: {
                if (r[2] != 0) send(Encode(CsAction{}));
                GameMsg d = NewGameMsg(CS_DISCARD);
                d[3] = TileToIndex(hasDrawn ? drawn : hand.back());
                send(d);
                return;
            }
            case SC_DISCARD:
                if (r[3] == seat) {
                    Take(TileFromIndex(r[4]));
                    hasDrawn = false;
                }
                return;
            case SC_ACTION_OPTIONS: send(Encode(CsAction{})); return;
            case SC_HAND_END:
                if (r[2] == ScHandEnd::kResult) send(NewGameMsg(CS_START));
                return;
            default: return;
        }
    }
    void Take(const tagMj& tile) {
        for (auto it = hand.begin(); it != hand.end(); ++it)
            if (TileEqual(*it, tile)) {
                hand.erase(it);
                return;
            }
    }
};

}  // namespace onlinetest
