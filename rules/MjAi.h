// The computer player.  One object serves every computer seat: it chooses a seat's discard
// (Play, or PlayWild under the wild-tile rule) and decides its pung, chow and kong claims.  It
// keeps no memory of a seat between calls; what it knows comes from the seat and the table's
// seen counts.
//
// It is a scorer itself: its ready tests run on its own CGbHu part, whose minimum and wild rule
// stay as constructed (8 fans, no wild tile).  The play settings the table writes, `minfan`,
// `wildrule` and `wildmj` below, are the computer player's own and hide the scorer's.
#pragma once

#include "rules/BestWay.h"
#include "rules/Evaluation.h"
#include "rules/GbHu.h"

class CMjPlayer;

class CMjAi : public CGbHu {
public:
    CEvaluation evaluator;
    tagMj PlayMj;              // the tile chosen by the last search
    unsigned char onestep;     // the small search found a one-step discard
    unsigned char twostep;     // ... a two-step discard
    tagMj onestepmj;
    tagMj twostepmj;
    tagMj step1mj;             // GetBestWay: best discard of a shape one step from ready
    tagMj step2mj;             // ... two steps from ready
    int step1score;
    int step2score;
    int minfan;                // play minimum: 0 selects the decomposition search
    unsigned char wildrule;    // the wild-tile rule is on
    tagMj wildmj;              // the wild tile

    CMjAi();

    // Discard choice: writes the seat's PlayMj.  The wall and its index are only traced.
    void Play(CMjPlayer* player, const int* seen, int leavenum, const unsigned char* wall,
              int mjindex);
    // The same under the wild-tile rule.  Takes the wild tiles out of the seat's hand while it
    // works: the caller saves the hand and cardnum and puts them back.
    void PlayWild(CMjPlayer* player, const int* seen, int leavenum, const unsigned char* wall,
                  int mjindex);

    // Ready search: decomposes the sorted tiles into sets and a few loose pieces and scores
    // every discard that leaves the hand ready; the best goes to PlayMj.  True when some
    // decomposition passed.  `best` carries the best score in and out.
    bool FindReadyDiscard(CMjPlayer* player, const tagMj* tiles, int count, int pairs,
                          int partials, int singles, tagMj* singlemj, const int* seen,
                          int leavenum, int* best);
    // The first non-wild tile whose discard leaves the hand ready: to `out` and PlayMj.
    bool FindReadyDiscardWild(CMjPlayer* player, const tagMj* tiles, int count, tagMj* out);
    // The ready test of the computer player's own scorer.
    int IsReady(CMjPlayer* player, const tagMj* tiles, int count);
    tagMj* GetPlayMj() { return &PlayMj; }
    // Chooses the discard among the evaluator's candidates into the seat's PlayMj.
    bool ChooseFromCandidates(CMjPlayer* player, tagMj* candidates, int count, const int* seen);

    int CountTile(const tagMj* tiles, int count, tagMj tile);
    bool IsWild(const tagMj& tile, const tagMj& wild);
    int LiveCount(CMjPlayer* player, const int* seen, const tagMj& tile);
    int PairWaits(CMjPlayer* player, const int* seen, const tagMj& tile);
    int PartialWaits(CMjPlayer* player, const int* seen, const tagPartialMj& partial);

    // Decomposition search of the play minimum 0: 1 when a discard one step from ready was
    // found, 2 when only one two steps away, 0 none; the discard goes to PlayMj.
    int GetBestWay(CMjPlayer* player, const int* seen);
    void ScoreOneStep(CMjPlayer* player, const int* seen, int pairnum, int partialnum,
                      int singlenum, const tagMj* pairs, const tagPartialMj* partials,
                      const tagMj* singles);
    void ScoreTwoSteps(CMjPlayer* player, const int* seen, int pairnum, int partialnum,
                       int singlenum, const tagMj* pairs, const tagPartialMj* partials,
                       const tagMj* singles);
    // The small search of the shape heuristic: a discard one or two steps from ready.
    bool FindReadyDiscardSmall(const tagMj* tiles, int count, tagMj* out);
    void SplitHand(const tagMj* tiles, int count, int pairnum, int partialnum, int singlenum,
                   tagMj* pairs, tagPartialMj* partials, tagMj* singles);

    // Claims on a discard (or, for a kong, on the seat's own tiles).  The seat's hand, cardnum,
    // melds and open flags come back as they were; the hand may come back re-sorted.
    bool ShouldPung(CMjPlayer* player, const tagMj* tile, const int* seen, int leavenum);
    // A yes leaves the two hand tiles of the chow in the seat's chowmj.
    bool ShouldChow(CMjPlayer* player, const tagMj* tile, const int* seen, int leavenum);
    bool ShouldKong(CMjPlayer* player, const tagMj* tile, const int* seen, int leavenum);

private:
    tagMj pairmj[2]{};         // pair tiles of the ready search's current path (first two)
    tagPartialMj partialmj{};  // the partial of the ready search's current path

    // The ready search on the seat's hand as it stands, from a best score of 0.
    bool SearchReadyDiscard(CMjPlayer* player, const int* seen, int leavenum);
    // Ready search, evaluator, decomposition search and shape heuristic, in this order, on the
    // sorted tiles (the hand, or what is left of it under the wild rule).
    void ChooseDiscard(CMjPlayer* player, const int* seen, const tagMj* hand, int count);
    // Scores a leaf of the ready search.
    bool ScoreReadyShape(CMjPlayer* player, int pairs, int partials, int singles,
                         const tagMj* singlemj, const int* seen, int* best);
    // Takes a scored discard into PlayMj when it is held and beats the best.
    void OfferReadyDiscard(CMjPlayer* player, const tagMj& discard, int waits, int score,
                           int* best);
    // The ready test of the seat's hand without one copy of `discard`.
    int ReadyWithout(CMjPlayer* player, const tagMj& discard);
    // The shape heuristic; presence tests look at the seat's hand when `player` is given, at
    // the list itself otherwise.  `smallSearch` allows the small search.
    tagMj ShapeDiscard(CMjPlayer* player, const tagMj* tiles, int count, bool smallSearch);
    // Common first steps of the pung and chow claims: false when the claim is out.
    bool MayClaim(CMjPlayer* player, const tagMj& tile, bool allowed);
};
