// The test server's table: seating, the deal, draws and flowers, the pace of robots and
// people, and the view tests compare with.
#include "tools/testserver/ServerTable.h"

#include <algorithm>
#include <chrono>
#include <fstream>
#include <numeric>
#include <sstream>

#include "online/GameMsgServer.h"
#include "rules/WildTile.h"
#include "tools/testserver/ServerSeat.h"

namespace testserver {


namespace {

constexpr int kDealtTiles = 13;
constexpr int kOwnTurnOffers = 1;
// A neutral tile index that shows another seat's replacement to nobody.
constexpr std::uint8_t kBlankTile = 0;

bool IsFlowerTile(const tagMj& t) { return t.suit == kFlowerSuit; }

}  // namespace

std::vector<int> ReadWallFile(const std::string& path) {
    std::ifstream in(path);
    std::vector<int> wall;
    std::string text((std::istreambuf_iterator<char>(in)), {});
    std::replace(text.begin(), text.end(), ',', ' ');
    std::istringstream words(text);
    int index = 0;
    while (words >> index) {
        if (index < 0 || index > 143) return {};
        wall.push_back(index);
    }
    return wall.size() == 144 ? wall : std::vector<int>();
}

ServerTable::ServerTable(TableOptions options, TableOutput* output)
    : options_(std::move(options)), output_(output), random_(options_.seed) {
    for (auto& s : seats_) s = std::make_unique<Seat>();
    scorer_.minfan = ai_.minfan = options_.minFan;
    scorer_.wildrule = ai_.wildrule = options_.wild ? 1 : 0;
}

ServerTable::~ServerTable() = default;

std::uint8_t ServerTable::Index(const tagMj& tile) { return TileToIndex(tile); }

bool ServerTable::HasPerson(int seat) const { return seats_[seat]->status == 1; }
bool ServerTable::Deserted() const {
    return !running_ && std::none_of(std::begin(seats_), std::end(seats_),
                                     [](const auto& s) { return s->status == 1; });
}
int ServerTable::Score(int seat) const { return seats_[seat]->score; }
bool ServerTable::IsRobot(int seat) const { return seats_[seat]->status != 1; }

void ServerTable::Send(int seat, const GameMsg& record) {
    if (HasPerson(seat) && output_) output_->SendTo(seat, record);
}

void ServerTable::SendAll(const GameMsg& record) {
    for (int s = 0; s < kTableSeats; s++) Send(s, record);
}

void ServerTable::SyncPoint() {
    if (onSyncPoint) onSyncPoint(View());
}

void ServerTable::SendUserInfo() {
    ScTableUserInfo info;
    for (int s = 0; s < kTableSeats; s++) {
        const Seat& seat = *seats_[s];
        info.seats[s].status = seat.status;
        info.seats[s].score = seat.score;
        info.seats[s].name = seat.name;
        info.seats[s].male = seat.male;
        info.pictures[s] = seat.picture;
    }
    SendAll(Encode(info));
}

void ServerTable::SendStarts() {
    ScUserStart start;
    for (int s = 0; s < kTableSeats; s++) start.started[s] = seats_[s]->started || IsRobot(s);
    SendAll(Encode(start));
}

// The person's score comes with them: the table carries it on from hand to hand.
void ServerTable::SeatStarted(int seat, const std::string& name, bool male, int picture, int score) {
    Seat& s = *seats_[seat];
    s.status = 1;
    s.name = name;
    s.male = male;
    s.picture = picture;
    s.score = score;
    s.started = true;
}

void ServerTable::SeatUser(int seat, const std::string& name, bool male, int picture, int score) {
    SeatStarted(seat, name, male, picture, score);
    seats_[seat]->started = false;
    ScEnterTable enter;
    enter.ownSeat = seat;
    enter.showStart = !running_;
    enter.variant = 1;
    enter.minFan = options_.minFan;
    enter.wildRule = options_.wild;
    Send(seat, Encode(enter));
    SendUserInfo();
    SendStarts();
    if (!running_) wait_ = Wait::kStart;
}

void ServerTable::StartIfReady() {
    if (!running_ && std::all_of(std::begin(seats_), std::end(seats_),
                                 [](const auto& s) { return s->status != 1 || s->started; }))
        StartHand();
}

void ServerTable::UserLost(int seat) {
    if (!HasPerson(seat)) return;
    seats_[seat]->status = 2;
    SendUserInfo();
    // A turn the person held is the robot's now.
    if (wait_ == Wait::kTurn && current_ == seat) GiveTurn(seat);
    if ((wait_ == Wait::kClaims || wait_ == Wait::kRob) && asked_[seat]) {
        asked_[seat] = false;
        claims_[seat] = 0;
        if (std::none_of(std::begin(asked_), std::end(asked_), [](bool a) { return a; }))
            Schedule(0, [this] { ResolveClaims(); });
    }
}

void ServerTable::UserLeft(int seat) {
    seats_[seat]->status = 2;
    UserLost(seat);
    seats_[seat]->status = 0;
    seats_[seat]->name = kRobotName;
    seats_[seat]->picture = kRobotPicture;
    SendUserInfo();
}

void ServerTable::RestoreUser(int seat) {
    Seat& s = *seats_[seat];
    if (s.status != 2) return;
    s.status = 1;
    ScEnterTable enter;
    enter.ownSeat = seat;
    enter.showStart = false;
    enter.variant = 1;
    enter.minFan = options_.minFan;
    enter.wildRule = options_.wild;
    Send(seat, Encode(enter));
    SendUserInfo();
    if (!running_) return;
    SendRestore(seat);
    // The robot step that was to play the seat's turn gives it back to the person.
    if (current_ == seat && wait_ == Wait::kRobotTurn) OfferTurn(seat);
}

// --- Pace --------------------------------------------------------------------------------

long long ServerTable::Now() const {
    if (options_.clock) return options_.clock();
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

void ServerTable::Schedule(int delayMs, std::function<void()> step) {
    due_ = Now() + delayMs;
    step_ = std::move(step);
}

void ServerTable::AwaitPeople(Wait wait, std::function<void()> onTimeout) {
    wait_ = wait;
    Schedule(options_.answerTimeoutMs, std::move(onTimeout));
}

void ServerTable::Tick() {
    while (step_ && due_ <= Now()) {
        auto step = std::move(step_);
        step_ = nullptr;
        step();
    }
}

// --- Deal --------------------------------------------------------------------------------

void ServerTable::ShuffleWall() {
    if (options_.fixedWall.size() == 144) {
        std::copy(options_.fixedWall.begin(), options_.fixedWall.end(), wall_);
        return;
    }
    std::iota(std::begin(wall_), std::end(wall_), 0);
    std::shuffle(std::begin(wall_), std::end(wall_), random_);
}

int ServerTable::TilesLeft() const { return back_ - front_ + 1; }

int ServerTable::TakeFront() {
    taken_++;
    return wall_[front_++];
}

int ServerTable::TakeBack() {
    taken_++;
    return wall_[back_--];
}

void ServerTable::StartHand() {
    ShuffleWall();
    front_ = 0;
    back_ = 143;
    taken_ = -1;
    running_ = true;
    discardShown_ = false;
    discarder_ = -1;
    std::fill(std::begin(seen_), std::end(seen_), 0);
    std::uniform_int_distribution<int> die(1, 6);
    ScDice dice;
    dice.wind = wind_;
    dice.dealer = dealer_;
    for (int& d : dice.dice) d = die(random_);
    SendAll(Encode(dice));
    for (int s = 0; s < kTableSeats; s++) {
        CMjPlayer& p = seats_[s]->p;
        p.Reset();
        p.quanfeng = wind_;
        p.menfeng = (s - dealer_ + kTableSeats) % kTableSeats + 1;
        p.wildmode = options_.wild;
        p.cardnum = kDealtTiles;
        seats_[s]->started = false;
    }
    for (int round = 0; round < kDealtTiles; round++)
        for (int k = 0; k < kTableSeats; k++) {
            const int s = (dealer_ + k) % kTableSeats;
            seats_[s]->p.Mj[round] = TileFromIndex(static_cast<std::uint8_t>(TakeFront()));
        }
    ScDeal deal;
    if (options_.wild) {
        const int indicator = TakeFront();
        wildTile_ = WildFromIndicator(TileFromIndex(static_cast<std::uint8_t>(indicator)), kWildNextTile);
        deal.wildRule = true;
        deal.wildTile = Index(wildTile_);
        deal.indicator = static_cast<std::uint8_t>(indicator);
        deal.extraTaken = 1;
    }
    scorer_.wildmj = ai_.wildmj = wildTile_;
    for (int s = 0; s < kTableSeats; s++) {
        CMjPlayer& p = seats_[s]->p;
        p.wildmj = wildTile_;
        deal.count = kDealtTiles;
        for (int i = 0; i < kDealtTiles; i++) deal.hand[i] = Index(p.Mj[i]);
        // The client reads the copy index; the dealt hand goes by the tiles' own indexes.
        Send(s, Encode(deal));
    }
    DealFlowers();
    current_ = dealer_;
    Draw(dealer_, false);
}

// Each seat's dealt flowers are set aside and replaced from the front; a replacement that is
// a flower again is announced on its own.
void ServerTable::DealFlowers() {
    for (int k = 0; k < kTableSeats; k++) {
        const int s = (dealer_ + k) % kTableSeats;
        CMjPlayer& p = seats_[s]->p;
        for (;;) {
            ScFlower flower;
            flower.seat = s;
            for (int i = 0; i < p.cardnum && flower.count < kMsgFlowers; i++) {
                if (!IsFlowerTile(p.Mj[i])) continue;
                p.Mj[i] = TileFromIndex(static_cast<std::uint8_t>(TakeFront()));
                flower.tiles[flower.count++] = Index(p.Mj[i]);
                p.flowers++;
            }
            if (flower.count == 0) break;
            Send(s, Encode(flower));
            for (int o = 0; o < kTableSeats; o++) {
                if (o == s) continue;
                ScFlower blank = flower;
                std::fill(std::begin(blank.tiles), std::end(blank.tiles), kBlankTile);
                Send(o, Encode(blank));
            }
        }
        p.SortHand();
    }
}

// --- Draws -------------------------------------------------------------------------------

void ServerTable::Draw(int seat, bool fromBack) {
    if (TilesLeft() <= 0) {
        DrawnHand();
        return;
    }
    current_ = seat;
    CMjPlayer& p = seats_[seat]->p;
    const int index = fromBack ? TakeBack() : TakeFront();
    p.newmj = TileFromIndex(static_cast<std::uint8_t>(index));
    p.Mj[p.cardnum++] = p.newmj;
    p.hasnew = 1;
    p.kongdraw = fromBack;
    SendAll(Encode(ScOtherDraw{seat}));
    Send(seat, Encode(ScDrawTile{static_cast<std::uint8_t>(index)}));
    bool emptyWall = false;
    if (!ReplaceDrawnFlowers(seat, &emptyWall)) {
        if (emptyWall) DrawnHand();
        return;
    }
    GiveTurn(seat);
}

// A drawn flower is set aside and replaced from the back until the tile is none.
bool ServerTable::ReplaceDrawnFlowers(int seat, bool* emptyWall) {
    CMjPlayer& p = seats_[seat]->p;
    while (IsFlowerTile(p.newmj)) {
        if (TilesLeft() <= 0) {
            *emptyWall = true;
            return false;
        }
        p.DeleteMj(p.newmj);
        p.flowers++;
        const int index = TakeBack();
        p.newmj = TileFromIndex(static_cast<std::uint8_t>(index));
        p.Mj[p.cardnum++] = p.newmj;
        ScFlower flower;
        flower.inPlay = true;
        flower.seat = seat;
        flower.count = 1;
        for (int s = 0; s < kTableSeats; s++) {
            flower.tiles[0] = s == seat ? static_cast<std::uint8_t>(index) : kBlankTile;
            Send(s, Encode(flower));
        }
    }
    return true;
}

// The seat's own turn goes to its owner: the person at the seat, else a robot step after its
// pause.
void ServerTable::GiveTurn(int seat) {
    current_ = seat;
    if (!IsRobot(seat)) {
        OfferTurn(seat);
        return;
    }
    Schedule(options_.robotThinkMs, [this, seat] { RobotTurn(seat); });
    wait_ = Wait::kRobotTurn;
}

// A person's own turn: after a draw the offers of a self-drawn win and own kongs, else (and
// after a claim) the discard now.
void ServerTable::OfferTurn(int seat) {
    CMjPlayer& p = seats_[seat]->p;
    ScYourTurn turn;
    tagMj kong;
    turn.offers.win = p.hasnew && CanWinWith(seat, p.newmj, true);
    turn.offers.kong = p.hasnew && TilesLeft() > 0 && (p.FindConcealedKong(&kong) || p.FindAddedKong(&kong));
    turn.options = (turn.offers.win || turn.offers.kong) ? kOwnTurnOffers : 0;
    Send(seat, Encode(turn));
    SyncPoint();
    AwaitPeople(Wait::kTurn, [this, seat] {
        CMjPlayer& q = seats_[seat]->p;
        Discard(seat, q.hasnew ? q.newmj : q.Mj[q.cardnum - 1], false);
    });
}

// A robot's own turn: its self-drawn win, a kong it likes, else the computer player's discard.
void ServerTable::RobotTurn(int seat) {
    wait_ = Wait::kNone;
    if (!IsRobot(seat)) {  // a person holds the seat again: the turn is theirs
        OfferTurn(seat);
        return;
    }
    CMjPlayer& p = seats_[seat]->p;
    if (p.hasnew && CanWinWith(seat, p.newmj, true)) {
        Win(seat, p.newmj, 1, -1);
        return;
    }
    tagMj kong;
    if (p.hasnew && TilesLeft() > 0 &&
        ((p.FindConcealedKong(&kong) || p.FindAddedKong(&kong)) &&
         ai_.ShouldKong(&p, &kong, seen_, TilesLeft()))) {
        OwnKong(seat, kong);
        return;
    }
    if (p.ting && p.hasnew) {
        Discard(seat, p.newmj, false);
        return;
    }
    CMjPlayer& q = seats_[seat]->p;
    if (options_.wild) {
        tagMj hand[kMaxHandTiles];
        std::copy(q.Mj, q.Mj + kMaxHandTiles, hand);
        const int count = q.cardnum;
        ai_.PlayWild(&q, seen_, TilesLeft(), nullptr, taken_);
        std::copy(hand, hand + kMaxHandTiles, q.Mj);
        q.cardnum = count;
    } else {
        ai_.Play(&q, seen_, TilesLeft(), nullptr, taken_);
    }
    tagMj tile = q.PlayMj;
    if (!q.FindMj(tile)) tile = q.Mj[q.cardnum - 1];
    Discard(seat, tile, false);
}

// --- View --------------------------------------------------------------------------------

TableView ServerTable::View() const {
    TableView v;
    for (int s = 0; s < kTableSeats; s++) {
        const CMjPlayer& p = seats_[s]->p;
        SeatView& sv = v.seats[s];
        sv.concealed = p.cardnum;
        for (int m = 0; m < p.gangnum; m++) {
            MeldView meld;
            meld.kind = p.Gang[m].kind;
            for (int i = 0; i < p.Gang[m].num; i++) meld.tiles.push_back(TileKey(p.Gang[m].Mj[i]));
            sv.melds.push_back(meld);
        }
        for (int i = 0; i < p.rivernum; i++) sv.river.push_back(TileKey(p.River[i]));
        sv.flowers = p.flowers;
        sv.ready = p.ting;
        sv.seatWind = p.menfeng;
    }
    v.dealer = dealer_;
    v.wind = wind_;
    v.current = current_;
    v.taken = taken_;
    v.shownSeat = discardShown_ ? discarder_ : -1;
    v.handsPlayed = handsPlayed_;
    v.running = running_;
    return v;
}

void ServerTable::MarkSeen(const tagMj& tile, int n) {
    const int key = TileKey(tile);
    if (key >= 0 && key < kTileKeyCount) seen_[key] += n;
}

}  // namespace testserver
