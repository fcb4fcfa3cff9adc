// The hand-shape evaluator: how many tiles a seat's hand lacks for each of a set of target
// shapes (named after the fan they aim at), and which hand tiles serve none of the closest ones.
// The computer player takes its discard candidates from it and judges claims with it; a seat's
// plan choice runs one at the deal.  It reads the seat (melds, plan flags, held copies) and
// writes only the seat's seven-pairs plan flag.
#pragma once

#include "rules/FanTable.h"
#include "rules/Tile.h"

class CMjPlayer;

// One group of a target shape: what the seat holds of it and what it still needs.
struct tagEvalMeld {
    tagMj held[4];
    int heldnum;
    tagMj need[4];
    int neednum;
    unsigned char live[4];   // per needed tile: nonzero while live copies remain
};

// Groups of a shape: seven for the seven pairs.
constexpr int kEvalMaxMelds = 7;
constexpr int kEvalMaxPlans = 90;

// One target shape.
struct tagEvalPlan {
    unsigned char fan;       // the fan the shape aims at
    int needed;              // tiles missing; 9 when a missing tile has no live copy
    tagEvalMeld melds[kEvalMaxMelds];
    int meldnum;
    tagMj spare[kMaxHandTiles];  // hand tiles the shape does not use, in hand order
    int sparenum;
};

class CEvaluation {
public:
    tagEvalPlan plans[kEvalMaxPlans];
    int plannum;
    int limit;               // a shape becomes a plan only with at most this many tiles missing

    CEvaluation();

    // Judges the sorted `tiles` (up to 14) of `player`: the still-needed count of the chosen
    // plan, its spare tiles (discard candidates) and the whole plan; -1 when no shape applies,
    // and then nothing is written.
    int Evaluate(CMjPlayer* player, const tagMj* tiles, int count, const int* seen, tagMj* spare,
                 int* sparenum, tagEvalPlan* plan);

    // The planners: each appends zero or more plans for the shape it aims at.
    void PlanPureShiftedChows(CMjPlayer* player, const tagMj* tiles, int count);
    void PlanPureStraight(CMjPlayer* player, const tagMj* tiles, int count);
    void PlanMixedTripleChow(CMjPlayer* player, const tagMj* tiles, int count);
    void PlanMixedShiftedChows(CMjPlayer* player, const tagMj* tiles, int count);
    void PlanMixedStraight(CMjPlayer* player, const tagMj* tiles, int count);
    void PlanKnittedStraight(CMjPlayer* player, const tagMj* tiles, int count);
    void PlanSevenPairs(CMjPlayer* player, const tagMj* tiles, int count);
    void PlanOneSuit(CMjPlayer* player, const tagMj* tiles, int count);
    void PlanAllPungs(CMjPlayer* player, const tagMj* tiles, int count);
    void PlanKnittedHonours(CMjPlayer* player, const tagMj* tiles, int count);

    // Works out the spare tiles of `plan`: hand tiles that no group claims, where a complete
    // group equal to one of the seat's melds is that meld and claims nothing.
    void FinishPlan(CMjPlayer* player, const tagMj* tiles, int count, tagEvalPlan* plan);

    // A new, empty plan at the end of the list (null when the list is full).
    tagEvalPlan* NewPlan(Fan fan);

private:
    // The flagged planners of the seat, in order: the first plan one of them makes, or null.
    const tagEvalPlan* FlaggedPlan(CMjPlayer* player, const tagMj* tiles, int count);
    void MarkLive(CMjPlayer* player, const int* seen);
    int ChoosePlan() const;
    // Narrows the chosen plan's spare tiles to those every equally close plan gives up.
    int NarrowSpare(int chosen, tagMj* spare) const;
};

// The live count of a tile for a seat: 4 - copies in the seat's hand - copies seen; 0 for
// anything but a numbered tile or an honour.
int EvalLiveCount(CMjPlayer* player, const int* seen, const tagMj& tile);
