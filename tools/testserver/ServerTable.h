// One table of the test server: people and the server's own robots (the project's computer
// player) play whole hands under the table's rules.  The table deals from a wall of its own
// seeded generator (or a fixed wall), relays draws, discards and claims with their precedence,
// replaces flowers, makes kongs and robs them, scores wins with the project's scorer, pays by
// the table's payment rule, ends hands and restores a reconnected user's running hand.
//
// It knows nothing of sockets: what it sends to a person goes through TableOutput, what a
// person sends comes in through OnRecord, and time through Tick, which runs what fell due on
// the table's clock.  Everything runs on one thread.  Robots and people who left are played
// by the computer player.  Each turn has one owner: the person at the seat, or the robot
// step playing it while nobody holds the seat.
#pragma once

#include <functional>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "online/GameMsg.h"
#include "rules/MjAi.h"
#include "rules/MjPlayer.h"

namespace testserver {

constexpr int kTableSeats = 4;
// A robot seat as every record shows it, in the lobby and at the table alike.
constexpr char kRobotName[] = "电脑";
constexpr int kRobotPicture = 6;
constexpr int kStartScore = 1000;

// The time in milliseconds, for the robots' pauses and the people's time-outs.
using TableClock = std::function<long long()>;

// The table's rules and pace.
struct TableOptions {
    unsigned seed = 1;
    int minFan = 8;          // 8: Official, no wild tile; 0: the wild-tile family
    bool wild = false;       // the wild tile (only with minFan 0)
    std::vector<int> fixedWall;  // 144 tile indexes in drawing order; empty: shuffled
    int robotThinkMs = 0;    // a robot's pause before it acts
    int answerTimeoutMs = 25000;  // a person's time to answer
    TableClock clock;        // empty: the steady clock
};

// A fixed wall from a file of 144 tile indexes (0..143) separated by blanks or commas, in
// drawing order; empty when the file is missing or does not hold exactly 144 of them.
std::vector<int> ReadWallFile(const std::string& path);

// What a person at a seat is sent.
class TableOutput {
public:
    virtual ~TableOutput() = default;
    virtual void SendTo(int seat, const GameMsg& record) = 0;
};

// The table as the server sees it, for tests to compare with a client's.
struct MeldView {
    int kind = 0;
    std::vector<int> tiles;  // tile keys
    bool operator==(const MeldView& o) const { return kind == o.kind && tiles == o.tiles; }
};
struct SeatView {
    int concealed = 0;       // concealed tiles, a drawn one included
    std::vector<MeldView> melds;
    std::vector<int> river;  // tile keys; the discard on show is apart
    int flowers = 0;
    bool ready = false;
    int seatWind = 0;
};
struct TableView {
    SeatView seats[kTableSeats];
    int dealer = 0;
    int wind = 1;
    int current = 0;
    int taken = -1;          // wall index of the last tile taken
    int shownSeat = -1;      // the seat whose discard is on show, -1 none
    int handsPlayed = 0;
    bool running = false;
};

class ServerTable {
public:
    ServerTable(TableOptions options, TableOutput* output);
    ~ServerTable();
    ServerTable(const ServerTable&) = delete;
    ServerTable& operator=(const ServerTable&) = delete;

    // A person takes a seat (the sit-down's answer joins here): SC_ENTER_TABLE to the person,
    // SC_TABLE_USERINFO and SC_USER_START to everyone at the table.
    void SeatUser(int seat, const std::string& name, bool male, int picture, int score = kStartScore);
    // A person the lobby seated and who has started there: the lobby sent the seat's records,
    // so nothing goes out.  StartIfReady then deals once every person has started.
    void SeatStarted(int seat, const std::string& name, bool male, int picture, int score);
    void StartIfReady();
    // The person's connection ended: a robot plays the seat, which shows as offline.
    void UserLost(int seat);
    // The person came back: the table as it stands, and what the table waits for.
    void RestoreUser(int seat);
    // The person left the table for good: a robot takes the seat.
    void UserLeft(int seat);

    void OnRecord(int seat, const std::uint8_t* record);
    // Runs what is due on the table's clock (robots' moves, people's time-outs).
    void Tick();

    TableView View() const;
    bool HasPerson(int seat) const;
    // Nobody sits at the table, and no hand runs there that a person who lost it could come
    // back to.
    bool Deserted() const;
    int Score(int seat) const;
    // Called after every sync point (an SC_YOUR_TURN or SC_DISCARD sent), with the view.
    std::function<void(const TableView&)> onSyncPoint;
    // Called when a hand has ended and its scores went out, with the winner's seat (-1: a
    // drawn hand).
    std::function<void(int winner)> onHandEnd;

private:
    struct Seat;
    // kTurn: the person at the current seat is to act; kRobotTurn: the robot step plays it.
    enum class Wait { kNone, kStart, kTurn, kRobotTurn, kClaims, kRob };

    // Sending.
    void Send(int seat, const GameMsg& record);
    void SendAll(const GameMsg& record);
    void SendUserInfo();
    void SendStarts();
    void SyncPoint();

    // Deal and draw (ServerTable.cpp).
    void StartHand();
    void ShuffleWall();
    int TakeFront();
    int TakeBack();
    int TilesLeft() const;
    void DealFlowers();
    void Draw(int seat, bool fromBack);
    bool ReplaceDrawnFlowers(int seat, bool* emptyWall);
    void GiveTurn(int seat);
    void OfferTurn(int seat);
    void RobotTurn(int seat);

    // Turns and claims (ServerTableTurns.cpp).
    void OnDiscard(int seat, const std::uint8_t* record);
    void OnAction(int seat, const std::uint8_t* record);
    void Discard(int seat, const tagMj& tile, bool ready);
    void CollectClaims();
    void WaitForClaims(Wait wait);
    void AnswerClaim(int seat, int action, const tagMj& a, const tagMj& b);
    void ResolveClaims();
    void ExecutePung(int seat);
    void TakeDiscardInto(int seat, unsigned char kind);
    void Announce(int seat, int action, const tagMj& tile, int detail, std::uint8_t third = 0);
    void ExecuteChow(int seat);
    void ExposedKong(int seat);
    void OwnKong(int seat, const tagMj& tile);
    void CompleteAddedKong();
    bool CanWinWith(int seat, const tagMj& tile, bool selfDrawn);
    void AfterMeld(int seat);

    // The end of a hand (ServerTableEnd.cpp).
    void Win(int winner, const tagMj& tile, int kind, int discarder);
    void DrawnHand();
    void SendReveal(const int change[kTableSeats]);
    void EndHand(int winner);
    void SendRestore(int seat);

    // Pace.
    long long Now() const;
    void Schedule(int delayMs, std::function<void()> step);
    void AwaitPeople(Wait wait, std::function<void()> onTimeout);
    bool IsRobot(int seat) const;
    int Next(int seat) const { return (seat + 1) % kTableSeats; }
    std::uint8_t Index(const tagMj& tile);
    void MarkSeen(const tagMj& tile, int n);

    TableOptions options_;
    TableOutput* output_;
    std::mt19937 random_;
    std::unique_ptr<Seat> seats_[kTableSeats];
    CGbHu scorer_;
    CMjAi ai_;
    int wall_[144] = {};      // tile indexes in drawing order
    int front_ = 0;           // next wall position from the front
    int back_ = 143;          // next from the back
    int taken_ = -1;
    int dealer_ = 0;
    int wind_ = 1;
    int current_ = 0;
    int handsPlayed_ = 0;
    bool running_ = false;
    tagMj wildTile_{};
    int seen_[kTileKeyCount] = {};
    // The discard on show and its claims.
    tagMj discard_{};
    int discarder_ = -1;
    bool discardShown_ = false;
    int claims_[kTableSeats] = {};       // the claim made: 0 none, else the action
    bool asked_[kTableSeats] = {};       // a person was offered claims and has not answered
    int offers_[kTableSeats] = {};       // bit per action offered (1 << action)
    tagMj chowTiles_[kTableSeats][2] = {};
    tagMj robTile_{};
    int robSeat_ = -1;                   // the seat whose added kong waits on robbers
    // Pace.
    Wait wait_ = Wait::kNone;
    long long due_ = -1;
    std::function<void()> step_;
};

}  // namespace testserver
