// The renderer's flights and dice as the table drives them: where each flight starts and ends,
// how many steps it takes, and the dice's fifteen steps.  The renderer's layout is set by hand
// (no pictures are loaded), so every position below follows from these figures.
#include <algorithm>
#include <cmath>

#include "TableFixture.h"
#include "engine/RendererPresentation.h"
#include "graphics/MjDraw.h"

namespace enginetest {
namespace {

class Flights : public TableTest {
protected:
    Flights() : d(t->renderer) {
        for (int s = 0; s < kSeats; s++) {
            d.ChipsPos[s] = {100 * s, 10 * s};
            d.HandPos[s] = {200 + s, 300 + s};
            d.LandPos[s] = {400 + s, 500 + s};
            d.WallOrigin[s] = {50 * s, 60 * s};
            d.DiceStart[s] = {360 + s, 380 + s};
        }
        for (int i = 0; i < kWallStacks; i++) d.WallStackPos[i] = {i, 2 * i};
        d.rcWallStack[0] = {0, 0, 24, 30};  // the classic wall piece: 24 wide
        d.DeskOrigin = {190, 214};
        d.desk.columns = 14;
        d.desk.rows = 6;
        d.nDeskTileW = 20;
        d.nDeskTileH = 30;
        d.nLaidTileW[1] = {30, 26};
        d.nLaidTileW[2] = {20, 30};
        d.nLaidTileW[3] = {30, 26};
    }
    // Steps the flight at `speed` until it arrives; the number of steps it took.
    int Fly(int speed) {
        int steps = 1;
        while (!d.StepFlight(speed)) steps++;
        return steps;
    }
    CMjDraw& d;
};

struct StepCase {
    MjPoint start, target;
    int speed;
    int steps;     // steps until it arrives
    MjPoint last;  // where the last step left it: up to one step beyond the target
};
const StepCase kStepCases[] = {
    {{0, 0}, {100, 0}, 30, 4, {120, 0}},       // along x: ends by x alone
    {{0, 0}, {0, -100}, 30, 4, {0, -120}},     // along y, upwards
    {{100, 50}, {10, 50}, 30, 3, {10, 50}},    // exactly on the target
    {{0, 0}, {300, 400}, 30, 17, {306, 408}},  // 3-4-5: x passes first
    {{500, 10}, {200, 410}, 60, 9, {176, 442}},
    {{7, 7}, {7, 7}, 30, 1, {7, 7}},           // nowhere to go: ends at once
};

TEST_F(Flights, AFlightStepsAlongItsLineUntilItReachesOrPassesTheTarget) {
    for (const StepCase& c : kStepCases) {
        d.FlightStart = c.start;
        d.FlightTarget = c.target;
        d.FlightPos = c.start;
        d.nFlightStep = 0;
        EXPECT_EQ(Fly(c.speed), c.steps) << c.target.x << "," << c.target.y;
        EXPECT_EQ(d.FlightPos.x, c.last.x) << c.target.x << "," << c.target.y;
        EXPECT_EQ(d.FlightPos.y, c.last.y) << c.target.x << "," << c.target.y;
    }
}

TEST_F(Flights, ChipsClaimsAndDiscardsStartAndEndAtTheirSeatsPlaces) {
    d.StartChipFlight(3, 1);
    EXPECT_EQ(d.FlightStart.x, 300);
    EXPECT_EQ(d.FlightTarget.x, 100);
    EXPECT_EQ(d.FlightPos.y, 30);
    EXPECT_EQ(d.nFlightStep, 0);

    d.StartClaimFlight(2, 1, tagMj{4, 1});
    EXPECT_EQ(d.FlightStart.x, 201) << "from the discarder's hand";
    EXPECT_EQ(d.FlightTarget.x, 402) << "to the claimer's landing place";
    EXPECT_EQ(d.nFlightSeat, 0);
    EXPECT_TRUE(TileEqual(d.FlyMj, tagMj{4, 1}));

    // New style: the desk cell's left edge, rows 27 apart unscaled.
    d.bClassic = 0;
    d.StartDiscardFlight(3, 2, 5, tagMj{9, 0}, t->Player);
    EXPECT_EQ(d.FlightStart.x, 203);
    EXPECT_EQ(d.FlightTarget.x, static_cast<int>(190 + 1 * 14 * 30 * 0.04 * 0.5 + 0.96 * 2 * 30));
    EXPECT_EQ(d.FlightTarget.y, 5 * 27 + 214);
    EXPECT_EQ(d.nFlightSeat, 3);
    d.StartDiscardFlight(0, 0, 0, tagMj{1, 0}, t->Player);
    EXPECT_EQ(d.FlightTarget.x, static_cast<int>(190 + 6 * 14 * 30 * 0.04 * 0.5));
    EXPECT_EQ(d.FlightTarget.y, 214);
    // A full desk keeps no cell: the discard does not fly.
    d.StartDiscardFlight(1, -1, -1, tagMj{1, 0}, t->Player);
    EXPECT_EQ(d.FlightTarget.x, d.FlightStart.x);
    EXPECT_EQ(d.FlightTarget.y, d.FlightStart.y);
    EXPECT_TRUE(d.StepFlight(30));
}

// Classic: the next river place walks the seat's rows (11 or 9 tiles, each row 2 shorter, at
// least 1), each new row one tile further in while the rows still shorten.
struct RiverCase {
    int seat;
    int count;  // tiles already in the river
    MjPoint at;
};
const RiverCase kRiverCases[] = {
    // Seat 0 from (255 - 20, 397) rightwards; rows move up by 30 - 8.
    {0, 0, {235, 397}},   {0, 10, {435, 397}},  {0, 11, {255, 375}}, {0, 12, {275, 375}},
    {0, 20, {275, 353}},  {0, 35, {335, 287}},  {0, 36, {335, 265}}, {0, 37, {335, 243}},
    // Seat 1 from (558, 373) upwards by 26 - 8; rows move left by 30.
    {1, 0, {558, 373}},   {1, 8, {558, 229}},   {1, 9, {528, 355}},  {1, 10, {528, 337}},
    // Seat 2 from (540, 140) leftwards by 20; rows move down by 30 - 8.
    {2, 0, {540, 140}},   {2, 10, {340, 140}},  {2, 11, {520, 162}}, {2, 12, {500, 162}},
    // Seat 3 from (210, 190 - 26) downwards by 26 - 8; rows move right by 30.
    {3, 0, {210, 164}},   {3, 8, {210, 308}},   {3, 9, {240, 182}},
};

TEST_F(Flights, AClassicDiscardFliesToTheSeatsNextRiverPlace) {
    d.bClassic = 1;
    for (const RiverCase& c : kRiverCases) {
        t->Player[c.seat].rivernum = c.count;
        d.StartDiscardFlight(c.seat, 3, 3, tagMj{1, 0}, t->Player);
        EXPECT_EQ(d.FlightTarget.x, c.at.x) << "seat " << c.seat << ", " << c.count;
        EXPECT_EQ(d.FlightTarget.y, c.at.y) << "seat " << c.seat << ", " << c.count;
    }
}

// Stacks 0-17 lie on the near wall, 18-35 the left, 36-53 the far and 54-71 the right; the
// classic start counts 24-pixel pieces along the near and far walls and 15 pixels a stack along
// the side walls.
struct WallCase {
    int stack;
    int side;
    MjPoint classic;
};
const WallCase kWallCases[] = {
    {0, 0, {17 * 24 + 0, 0}},     {17, 0, {0, 0}},          {18, 3, {150, 17 * 15 + 180}},
    {35, 3, {150, 180}},          {36, 2, {100, 120}},      {53, 2, {17 * 24 + 100, 120}},
    {54, 1, {50, 60}},            {71, 1, {50, 17 * 15 + 60}},
};

TEST_F(Flights, ADrawnTileFliesFromItsWallStackToTheSeatsLandingPlace) {
    for (const WallCase& c : kWallCases) {
        d.bClassic = 1;
        d.StartWallFlight(c.stack, 2);
        EXPECT_EQ(d.nWallSide, c.side) << c.stack;
        EXPECT_EQ(d.FlightStart.x, c.classic.x) << c.stack;
        EXPECT_EQ(d.FlightStart.y, c.classic.y) << c.stack;
        EXPECT_EQ(d.FlightTarget.x, 402) << c.stack;
        d.bClassic = 0;
        d.StartWallFlight(c.stack, 0);
        EXPECT_EQ(d.nWallSide, c.side) << c.stack;
        EXPECT_EQ(d.FlightStart.x, c.stack) << "where the wall was drawn";
        EXPECT_EQ(d.FlightStart.y, 2 * c.stack);
        EXPECT_EQ(d.FlightTarget.y, 500);
    }
    d.StartWallFlight(72, 1);
    EXPECT_TRUE(d.StepFlight(60)) << "no such stack: nothing to fly";
}

TEST_F(Flights, TheDiceTakeFifteenStepsFromTheirStart) {
    d.bClassic = 0;
    d.StartDiceThrow(2, 3, 6);
    EXPECT_EQ(d.FlightPos.x, 500);
    EXPECT_EQ(d.FlightPos.y, 10);
    EXPECT_EQ(d.nDice1, 3);
    EXPECT_EQ(d.nDice2, 6);
    for (int i = 1; i < 15; i++) ASSERT_FALSE(d.StepDiceThrow()) << i;
    EXPECT_TRUE(d.StepDiceThrow());
    EXPECT_EQ(d.FlightPos.x, 380);
    EXPECT_EQ(d.FlightPos.y, 310);

    d.bClassic = 1;
    const MjPoint moves[4] = {{0, -12}, {-12, 0}, {0, 12}, {12, 0}};
    for (int seat = 0; seat < kSeats; seat++) {
        d.StartDiceThrow(seat, 1, 1);
        int steps = 1;
        while (!d.StepDiceThrow()) steps++;
        EXPECT_EQ(steps, 15);
        EXPECT_EQ(d.FlightPos.x, d.DiceStart[seat].x + 15 * moves[seat].x) << seat;
        EXPECT_EQ(d.FlightPos.y, d.DiceStart[seat].y + 15 * moves[seat].y) << seat;
    }
}

// Through the renderer adapter, the table's discard flies in steps of 30 from the hand to the
// cell it fills on the desk, which stays empty while the tile is on its way.
class CellWatch : public RendererPresentation {
public:
    void RenderFrame(const CMj& table) override {
        frames.push_back({table.renderer.nAnimKind, table.renderer.desk.occupied[13][5] == 0});
    }
    void StartDiscardFlight(int seat, DeskCell cell, const tagMj& tile) override {
        RendererPresentation::StartDiscardFlight(seat, cell, tile);
        discardCell = cell;
    }
    struct Frame {
        int kind;
        bool cellFree;
    };
    std::vector<Frame> frames;
    DeskCell discardCell;
};

TEST_F(Flights, ADiscardFlightThroughTheRendererKeepsItsCellFreeUntilItLands) {
    CellWatch watch;
    headless.reset();  // one table at a time: the dialogs are the program's
    headless = std::make_unique<HeadlessTable>(1, &watch);
    t = headless->table.get();
    const CMjDraw& r = t->renderer;
    ASSERT_EQ(r.bWindowed, 1);
    Midhand(1);
    t->animate = 1;
    Hand(0, "19m19s19p1234567z");
    Hand(1, "5p 1357s248p1357z");
    Hand(2, "19m19s19p1234567z");
    Hand(3, "19m19s19p1234567z");
    watch.frames.clear();
    Discards(1, "5p");
    ASSERT_TRUE(RunUntil([&] { return t->curplayer == 2; })) << "the discard goes to the desk";
    EXPECT_EQ(watch.discardCell.a, 13) << "seat 1's first cell";
    EXPECT_EQ(watch.discardCell.b, 5);
    EXPECT_EQ(r.desk.occupied[13][5], 1);
    EXPECT_TRUE(TileEqual(r.desk.tiles[13][5], One("5p")));
    // Every frame of the flight (kind 3) shows the cell free; the next one shows it taken.
    const auto first = std::find_if(watch.frames.begin(), watch.frames.end(),
                                    [](const CellWatch::Frame& f) { return f.kind == kAnimTile; });
    ASSERT_NE(first, watch.frames.end());
    auto after = first;
    while (after != watch.frames.end() && after->kind == kAnimTile) {
        EXPECT_TRUE(after->cellFree);
        ++after;
    }
    ASSERT_NE(after, watch.frames.end());
    EXPECT_FALSE(after->cellFree);
    // From seat 1's hand place to the cell, 30 pixels a step: one frame a step.
    const MjPoint from = r.HandPos[1];
    const double k = 1.0 - 0.04 * (r.desk.rows - 5);
    const MjPoint to{static_cast<int>(r.DeskOrigin.x + (r.desk.rows - 5) * r.desk.columns * 30 * 0.04 * 0.5 +
                                      k * 13 * 30),
                     5 * 27 + r.DeskOrigin.y};
    const double length = std::hypot(to.x - from.x, to.y - from.y);
    const int steps = static_cast<int>(after - first);
    EXPECT_GE(steps, static_cast<int>(length / 30));
    EXPECT_LE(steps, static_cast<int>(length / 30) + 1);
}

}  // namespace
}  // namespace enginetest
