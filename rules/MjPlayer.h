// One seat at the table: who plays it, its score, its concealed hand and drawn tile, its river,
// its melds, the claim options offered to it, the flags the win test and the fan count read, the
// special-hand plan of a computer seat, and the seat's three timers.
#pragma once

#include "rules/Assert.h"
#include "rules/FanTable.h"
#include "rules/GetMj.h"
#include "rules/Tile.h"

class CMjTimer;

class CMjPlayer {
public:
    unsigned char sex{};        // 1 male, 0 female: the voice of the seat's calls
    unsigned char language{};   // voice language, passed with sex
    unsigned char action{};     // caption: 0 none, 1 pung, 2 kong, 3 win, 4 dealt the win, 5 chow
    unsigned char face{};       // portrait frame: 0 normal, 1 discard pose, 11 blink
    int score{};
    int gain{};                 // points won or paid in this hand
    char name[20]{};            // GBK, NUL-terminated
    int cardnum{};              // tiles in Mj
    tagMj Mj[kMaxHandTiles]{}; // concealed hand; seat 0 keeps its drawn tile at Mj[cardnum]
    unsigned char lock[15]{};   // one mark per hand position, travels with its tile
    int select{};               // selected hand position, -1 none
    unsigned char hasnew{};     // holds a drawn tile not yet in the hand
    tagMj newmj{};              // the drawn tile
    tagMj PlayMj{};             // the tile about to be discarded
    unsigned char played{};     // the last discard still lies in front of the seat
    unsigned char hued{};       // the seat has won this hand
    tagMj hutile{};             // the tile the seat won with
    unsigned char kongdraw{};   // the next draw is a kong replacement
    int kongfrom{};             // seat that fed an exposed kong, -1 own kongs
    tagMj River[52]{};
    int rivernum{};
    int deskx{}, desky{};         // desk cursor
    GetMj Gang[kMaxMelds]{};    // melds in order of making
    int gangnum{};
    unsigned char open[kMaxMelds]{};  // per meld: 1 exposed, 0 concealed kong
    int fan{};                  // fan total of the win or of the best ready hand
    unsigned char zimo{};       // won (or tested) on its own draw
    int paidby{};               // discarder that pays for the win, -1 none
    unsigned char ting{};       // declared ready
    unsigned char hidemj{};     // next discard lies face down
    unsigned char change[15]{}; // exchange marks of the hand tiles
    unsigned char canplay[15]{};  // per hand position: may be discarded
    unsigned char plan_suit{};
    unsigned char plan_suitno{};
    unsigned char plan_pairs{};
    unsigned char plan_pungs{};
    unsigned char plan_knit{};
    int knit_suit[3]{};         // suits of the rows 1-4-7, 2-5-8, 3-6-9
    unsigned char plan_knitline{};
    int knitline_suit[3]{};
    unsigned char planon{};     // ChoosePlan may set a plan
    CMjTimer* facetimer{nullptr};      // portrait timer, id 10 + seat
    CMjTimer* waittimer{nullptr};      // seat timer, id 14 + seat
    CMjTimer* actiontimer{nullptr};    // caption timer, id 18 + seat
    unsigned char occupied{};   // online: somebody sits here
    unsigned char started{};    // online: pressed Start for the next hand
    unsigned char robot{};      // online: the server's robot plays for the seat
    unsigned char kongwin{};    // a win on a kong replacement is tested or declared
    unsigned char robkong{};    // the win robs a kong
    int flowers{};              // flowers set aside
    tagMj chowmj[2]{};          // the hand tiles of the chosen chow
    int chownum{};
    GetMj Chow[3]{};            // chow options: the two hand tiles each
    unsigned char choosechow{};
    int chowpeer{};
    tagMj winmj{};              // the seat's last tile: the one that completes the hand
    unsigned char FanFlag[kFanSlots]{};
    unsigned char ExFan[kExFanSlots]{};
    GetMj Split[6]{};           // the scored decomposition
    int splitnum{};
    int quanfeng{};             // prevailing wind 1..4
    int menfeng{};              // seat wind 1..4
    tagMj kongmj{};             // the kong the user picked
    tagMj Kong[5]{};            // kong choices
    int kongnum{};
    unsigned char choosekong{};
    int avatar{};               // 0..5 female, 6..11 male
    unsigned char wildmode{};   // the wild-tile rule is on for this hand
    tagMj wildmj{};
    int usermark{};
    int items[3]{};             // uses left of the table items

    CMjPlayer();
    ~CMjPlayer();
    CMjPlayer(const CMjPlayer&) = delete;
    CMjPlayer& operator=(const CMjPlayer&) = delete;

    // The seat's melds, 0..kMaxMelds, and its concealed tiles, 0..kMaxHandTiles: the counts the
    // scorer and the computer player walk.  A count out of its range is a broken record.
    // Both sit in the evaluator's and the scorer's inner loops: one unsigned comparison
    // passes a count in range.
    int MeldCount() const {
        MJ_ASSERT(gangnum >= 0 && gangnum <= kMaxMelds);
        if (static_cast<unsigned>(gangnum) <= static_cast<unsigned>(kMaxMelds)) return gangnum;
        return gangnum < 0 ? 0 : kMaxMelds;
    }
    int HandCount() const {
        MJ_ASSERT(cardnum >= 0 && cardnum <= kMaxHandTiles);
        if (static_cast<unsigned>(cardnum) <= static_cast<unsigned>(kMaxHandTiles)) return cardnum;
        return cardnum < 0 ? 0 : kMaxHandTiles;
    }

    void Reset();
    void SortHand();
    bool CompareMj(int i, int j) const;
    void SwapMj(int i, int j);
    int CountMj(const tagMj& tile) const;
    bool FindMj(const tagMj& tile) const;
    bool IsWild(const tagMj& tile) const;
    bool CanChow(const tagMj& tile);
    bool CanPung(const tagMj& tile) const;
    bool CanKong(const tagMj& tile) const;
    void RemovePlayMj();
    void PlayMjOut();
    void DeleteMj(const tagMj& tile);
    void DeleteMjN(const tagMj& tile, int n);
    bool FindConcealedKong(tagMj* out);
    bool HasPung(const tagMj& tile) const;
    bool FindAddedKong(tagMj* out);
    int BuildKongOptions();
    bool IsConcealedHand() const;
    int CountSuit(int suit) const;
    int MainSuit(int n) const;
    // Settles the long-term plan of a computer seat from the hand-shape evaluator.
    void ChoosePlan();
};

// Appends a meld to the seat's melds unless all five are made; `open` is 0 for a concealed
// kong.
inline void AppendMeld(CMjPlayer& p, const GetMj& meld, unsigned char open) {
    if (p.gangnum < 0 || p.gangnum >= kMaxMelds) return;
    p.open[p.gangnum] = open;
    p.Gang[p.gangnum++] = meld;
}
