// The classic tests' stage: the table tests' mid-hand position, set up in the classic style,
// with what only the classic table shows besides: each seat's river and the level titles.
#pragma once

#include <filesystem>
#include <initializer_list>
#include <vector>

#include "TableStage.h"
#include "graphics/LevelTable.h"
#include "platform/testing/DrawRecorder.h"

namespace classictest {

using platform::testing::DrawRecorder;
using tabletest::At;

inline tagMj T(int value, int suit) {
    return tagMj{static_cast<signed char>(value), static_cast<signed char>(suit)};
}

inline void SetRiver(CMjPlayer& p, std::initializer_list<tagMj> tiles) {
    p.rivernum = 0;
    for (const tagMj& t : tiles) p.River[p.rivernum++] = t;
}

// A river of `count` tiles running through the suits, so neighbours differ.
inline void FillRiver(CMjPlayer& p, int count) {
    p.rivernum = count;
    for (int i = 0; i < count; ++i) p.River[i] = T(i % 9 + 1, i / 9 % 3);
}

// The stage's discards (those it lays on the new style's desk) in the seats' rivers, and the
// level titles of the built program folder.
inline tabletest::Stage& WithRivers(tabletest::Stage& stage) {
    CMjPlayer* seats = stage.table->Player;
    SetRiver(seats[0], {T(9, 0), T(1, 3), T(4, 3), T(2, 1)});
    SetRiver(seats[1], {T(6, 3), T(8, 0), T(3, 3)});
    SetRiver(seats[2], {T(1, 1), T(5, 3), T(9, 1)});
    SetRiver(seats[3], {T(2, 3), T(7, 1), T(4, 2), T(6, 2)});
    LoadLevelTable((std::filesystem::path(MJ_GAME_DIR) / "level.txt").string());
    return stage;
}

// The mid-hand position with its rivers.
inline tabletest::Stage& ClassicMidHand() { return WithRivers(tabletest::MidHand()); }

// The table tests' later position (melds, a face-down discard, signed scores) with its rivers.
inline tabletest::Stage& ClassicLateHandWithMelds() {
    return WithRivers(tabletest::LateHandWithMelds());
}

// Later in the hand: long rivers (the user's rises above its rows, the others' keep their
// pyramids) and the dice on the table.
inline tabletest::Stage& ClassicLateHand() {
    tabletest::Stage& stage = ClassicMidHand();
    const int counts[4] = {40, 27, 38, 30};
    for (int s = 0; s < 4; ++s) FillRiver(stage.table->Player[s], counts[s]);
    stage.draw->bDiceShown = 1;
    stage.draw->nDiceSeat = 1;
    stage.draw->nDice1 = 4;
    stage.draw->nDice2 = 6;
    stage.draw->FlightPos = stage.draw->DiceStart[1];
    return stage;
}

// The copies from one picture, by kind.
inline std::vector<platform::DrawCall> CopiesFrom(const DrawRecorder& drawn,
                                                  const platform::Surface* picture,
                                                  platform::DrawKind kind) {
    std::vector<platform::DrawCall> out;
    for (const platform::DrawCall& call : drawn.From(picture))
        if (call.kind == kind) out.push_back(call);
    return out;
}

inline At CornerOf(const platform::DrawCall& call) { return {call.dst.left, call.dst.top}; }

}  // namespace classictest
