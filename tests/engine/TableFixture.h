// A table for the tests of one situation: headless, with a presentation that records what the
// table asked to show, and helpers that lay out hands, melds and the wall in the middle of a
// hand.  Hands are written as in the rules tests ("123m 55z").
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "EngineTestSupport.h"
#include "testsupport/engine/HeadlessTable.h"
#include "TileLedger.h"
#include "testsupport/rules/RulesTestSupport.h"

namespace enginetest {

using rulestest::One;
using rulestest::T;

struct Flight {
    char kind;  // 'c' chips, 'd' discard, 'k' claim, 'w' wall
    int from;
    int to;
};

class RecordingPresentation : public TablePresentation {
public:
    void RenderFrame(const CMj&) override { frames++; }
    void StartChipFlight(int from, int to) override { flights.push_back({'c', from, to}); }
    void StartDiscardFlight(int seat, DeskCell cell, const tagMj&) override {
        flights.push_back({'d', seat, cell.a});
    }
    void StartClaimFlight(int claimer, int discarder, const tagMj&) override {
        flights.push_back({'k', discarder, claimer});
    }
    void StartWallFlight(int stack, int seat) override { flights.push_back({'w', stack, seat}); }
    void StartDiceThrow(int seat, int die1, int die2) override {
        TablePresentation::StartDiceThrow(seat, die1, die2);
        diceThrows.push_back(seat);
    }
    void SetRevealHands(bool reveal) override { revealed.push_back(reveal); }
    DeskCell AddDeskTile(CMjPlayer&, int seat, const tagMj&) override { return nextCell; }
    void ShowMessageForm(const char* text) override { messages.push_back(text); }
    void ShowDialog(int id) override { dialogs.push_back(id); }
    void RunRipple() override { ripples++; }
    void ScrollDown() override { jolts++; }
    // The hand position a test puts under the mouse (-1 none): hovering raises it, and while
    // tiles are marked for the exchange a click marks it.
    bool HoverHand(int, int, CMjPlayer& seat) override {
        if (seat.select == underMouse) return false;
        seat.select = underMouse;
        return true;
    }
    int ExchangeTileAt(int, int, const CMjPlayer&) override { return underMouse; }

    int frames = 0;
    std::vector<Flight> flights;
    std::vector<int> diceThrows;
    std::vector<bool> revealed;
    std::vector<std::string> messages;
    std::vector<int> dialogs;
    DeskCell nextCell;
    int ripples = 0;
    int jolts = 0;
    int underMouse = -1;
};

class TableTest : public ::testing::Test {
protected:
    TableTest() : TableTest(StandIns::kNone) {}
    // With the recording sound system and music player, the table sees the build's program
    // folder (its sounds among it).
    explicit TableTest(StandIns standIns) {
        if (standIns == StandIns::kNone)
            FreshProgramFolder("table");
        else
            ProgramFolderOfTheBuild("table");
        headless = std::make_unique<HeadlessTable>(1, &shown, standIns);
        t = headless->table.get();
    }

    // A hand under way: rules set, every seat empty, `current` to play, `taken` tiles out.
    void Midhand(int current, int minFan = 0, int taken = 60) {
        MinFan = minFan;
        bWildRule = 0;
        WildTile = tagMj{0, 0};
        nActiveForm = 0;
        for (CMjPlayer& p : t->Player) {
            p.Reset();
            p.score = 1000;
        }
        t->hu.minfan = t->ai.minfan = MinFan;
        t->hu.wildrule = t->ai.wildrule = 0;
        t->state = kHandRunning;
        t->curplayer = current;
        t->taken = taken;
        t->animate = 0;
        for (int& s : t->seen) s = 0;
    }
    void Hand(int seat, const std::string& text) {
        CMjPlayer& p = t->Player[seat];
        const std::vector<tagMj> tiles = T(text);
        p.cardnum = static_cast<int>(tiles.size());
        for (int i = 0; i < p.cardnum; i++) p.Mj[i] = tiles[i];
        p.SortHand();
    }
    // The user's drawn tile, held in the slot after its hand.
    void Drawn(int seat, const std::string& tile) {
        CMjPlayer& p = t->Player[seat];
        p.newmj = One(tile);
        p.hasnew = 1;
        if (seat == 0) p.Mj[p.cardnum] = p.newmj;
    }
    void Meld(int seat, const std::string& text, unsigned char kind, unsigned char open = 1) {
        CMjPlayer& p = t->Player[seat];
        const std::vector<tagMj> tiles = T(text);
        GetMj& g = p.Gang[p.gangnum];
        for (size_t i = 0; i < tiles.size(); i++) g.Mj[i] = tiles[i];
        g.num = static_cast<int>(tiles.size());
        g.kind = kind;
        p.open[p.gangnum++] = open;
    }
    // The next tiles of the wall, from taken + 1 on.
    void WallNext(const std::string& text) {
        const std::vector<tagMj> tiles = T(text);
        for (size_t i = 0; i < tiles.size(); i++)
            t->wall[t->taken + 1 + static_cast<int>(i)] = TileToIndex(tiles[i]);
    }
    // The seat discards the tile.  A computer seat does it as a ready seat after a claim
    // (which plays its drawn tile and decides nothing else).
    void Discards(int seat, const std::string& tile) {
        CMjPlayer& p = t->Player[seat];
        t->curplayer = seat;
        p.PlayMj = p.newmj = One(tile);
        if (seat != 0) {
            p.ting = 1;
            t->nodraw = 1;
        }
        t->Discard();
    }
    // Runs the clock until `done` holds or `ms` of virtual time have passed.
    template <typename Done>
    bool RunUntil(Done done, std::uint64_t ms = 60000) {
        const std::uint64_t end = headless->Clock().Now() + ms;
        while (!done() && headless->Clock().Now() < end) headless->Clock().AdvanceToNextTick();
        return done();
    }
    // Tiles out of the wall and still somewhere at the table (hands, melds, rivers, on show,
    // flowers set aside): a made-up situation does not hold all 144, but no step may lose one.
    int InPlay() const { return CountTiles(*t).total - (kWallTiles - 1 - t->taken); }
    int Gain(int seat) const { return t->Player[seat].gain; }
    std::string HandText(int seat) const {
        const CMjPlayer& p = t->Player[seat];
        return rulestest::Str(p.Mj, p.cardnum);
    }

    RecordingPresentation shown;
    std::unique_ptr<HeadlessTable> headless;
    CMj* t = nullptr;
};

}  // namespace enginetest
