#include "engine/SaveGameFile.h"

#include <cstring>

namespace {

constexpr std::size_t kSignatureBytes = 10;
constexpr int kMeldReservedBytes = 10;  // after the open byte
constexpr int kSeatReservedBytes = 2;  // after the turn flags
constexpr int kWallTiles = 144;
constexpr int kDeskEdge = 20;
constexpr std::uint8_t kSavedHandRunning = 1;

// Reads the fields in file order from a buffer known to hold the whole file.
class FieldReader {
public:
    explicit FieldReader(const char* bytes) : at_(bytes) {}
    void Bytes(void* out, std::size_t n) {
        std::memcpy(out, at_, n);
        at_ += n;
    }
    void U8(std::uint8_t& v) { Bytes(&v, 1); }
    void Tile(tagMj& t) {
        t.value = static_cast<signed char>(*at_++);
        t.suit = static_cast<signed char>(*at_++);
    }
    void I32(std::int32_t& v) {
        std::uint32_t u = 0;
        for (int i = 0; i < 4; ++i)
            u |= static_cast<std::uint32_t>(static_cast<unsigned char>(at_[i])) << (8 * i);
        at_ += 4;
        v = static_cast<std::int32_t>(u);
    }
    void Skip(std::size_t n) { at_ += n; }

private:
    const char* at_;
};

// Appends the fields in file order.
class FieldWriter {
public:
    explicit FieldWriter(std::string& out) : out_(out) {}
    void Bytes(const void* in, std::size_t n) { out_.append(static_cast<const char*>(in), n); }
    void U8(const std::uint8_t& v) { out_.push_back(static_cast<char>(v)); }
    void Tile(const tagMj& t) {
        out_.push_back(static_cast<char>(t.value));
        out_.push_back(static_cast<char>(t.suit));
    }
    void I32(const std::int32_t& v) {
        const auto u = static_cast<std::uint32_t>(v);
        for (int i = 0; i < 4; ++i) out_.push_back(static_cast<char>((u >> (8 * i)) & 0xFF));
    }
    void Skip(std::size_t n) { out_.append(n, '\0'); }

private:
    std::string& out_;
};

// The layout, once, for reading and writing: Io is FieldReader with a mutable record or
// FieldWriter with a const one.
template <typename Io, typename Meld>
void VisitMeld(Io& io, Meld& m) {
    for (auto& t : m.tiles) io.Tile(t);
    io.I32(m.num);
    io.U8(m.kind);
    io.Bytes(m.flag, sizeof m.flag);
    io.U8(m.open);
    io.Skip(kMeldReservedBytes);
}

template <typename Io, typename Seat>
void VisitSeat(Io& io, Seat& s) {
    io.Bytes(s.name, sizeof s.name);
    io.I32(s.cardnum);
    for (auto& t : s.hand) io.Tile(t);
    io.I32(s.meldnum);
    for (auto& m : s.melds) VisitMeld(io, m);
    io.U8(s.hasnew);
    io.Tile(s.newmj);
    io.U8(s.hued);
    io.Tile(s.hutile);
    io.I32(s.paidby);
    io.U8(s.nodraw);
    io.U8(s.hidemj);
    io.Skip(kSeatReservedBytes);
    io.I32(s.gain);
    io.I32(s.score);
    io.I32(s.deskx);
    io.I32(s.desky);
    io.I32(s.rivernum);
    for (auto& t : s.river) io.Tile(t);
    io.I32(s.menfeng);
    io.I32(s.quanfeng);
    io.I32(s.flowers);
    io.U8(s.ting);
    io.I32(s.avatar);
}

template <typename Io, typename Game>
void VisitGame(Io& io, Game& g) {
    io.U8(g.state);
    for (auto& s : g.seats) VisitSeat(io, s);
    io.I32(g.minFan);
    io.I32(g.quanfeng);
    io.I32(g.dealer);
    io.I32(g.handDealer);
    io.I32(g.wallBreak);
    io.I32(g.taken);
    io.Bytes(g.wall, sizeof g.wall);
    for (auto& n : g.seen) io.I32(n);
    io.Bytes(g.deskHidden, sizeof g.deskHidden);
    io.U8(g.wildRule);
    io.Tile(g.wildTile);
    io.Tile(g.indicator);
    io.I32(g.wildKind);
    io.Bytes(g.desk, sizeof g.desk);
}

// The range checks: the first failing field is named.
class Checker {
public:
    bool ok() const { return fault_.empty(); }
    const std::string& fault() const { return fault_; }

    void In(long long v, long long lowest, long long highest, const std::string& field) {
        if (ok() && (v < lowest || v > highest)) fault_ = field;
    }
    void Flag(std::uint8_t v, const std::string& field) { In(v, 0, 1, field); }
    // A tile in use must exist; an unused slot may also hold the empty tile.
    void Tile(const tagMj& t, bool used, const std::string& field) {
        const bool empty = t.value == 0 && t.suit == 0;
        if (ok() && !IsTile(t) && (used || !empty)) fault_ = field;
    }
    // The wild tile and the indicator: a tile, the empty tile, or {8, 8} for none yet.
    void WildTile(const tagMj& t, const std::string& field) {
        if (!(t.value == 8 && t.suit == 8)) Tile(t, false, field);
    }
    void Fail(const std::string& field) {
        if (ok()) fault_ = field;
    }

private:
    std::string fault_;
};

void CheckSeat(Checker& c, const SavedSeat& s, const std::string& seat) {
    if (std::memchr(s.name, 0, sizeof s.name) == nullptr) c.Fail(seat + "name");
    c.In(s.cardnum, 0, 14, seat + "cardnum");
    for (int i = 0; i < 14; ++i) c.Tile(s.hand[i], i < s.cardnum, seat + "hand");
    c.In(s.meldnum, 0, 5, seat + "meldnum");
    for (int i = 0; i < 5; ++i) {
        const SavedMeld& m = s.melds[i];
        c.In(m.num, 0, 4, seat + "meld num");
        c.In(m.kind, 0, 2, seat + "meld kind");
        c.In(m.open, 0, 2, seat + "meld open");
        for (int k = 0; k < 4; ++k)
            c.Tile(m.tiles[k], i < s.meldnum && k < m.num, seat + "meld tile");
    }
    c.Flag(s.hasnew, seat + "hasnew");
    c.Tile(s.newmj, s.hasnew != 0, seat + "newmj");
    c.Flag(s.hued, seat + "hued");
    c.Tile(s.hutile, s.hued != 0, seat + "hutile");
    c.In(s.paidby, -1, 3, seat + "paidby");
    // A cursor may stand one step outside the grid before its first tile.
    c.In(s.deskx, -1, kDeskEdge, seat + "deskx");
    c.In(s.desky, -1, kDeskEdge, seat + "desky");
    c.In(s.rivernum, 0, 52, seat + "rivernum");
    for (int i = 0; i < 52; ++i) c.Tile(s.river[i], i < s.rivernum, seat + "river");
    c.In(s.menfeng, 1, 4, seat + "menfeng");
    c.In(s.quanfeng, 1, 4, seat + "quanfeng");
    c.In(s.flowers, 0, 8, seat + "flowers");
    c.Flag(s.ting, seat + "ting");
    c.In(s.avatar, 0, 11, seat + "avatar");
    c.Flag(s.nodraw, seat + "nodraw");
    c.Flag(s.hidemj, seat + "hidemj");
}

// A hand is saved only at the user's discard turn: the user holds 14 tiles with the drawn one
// (13 and one more), every other seat 13, each meld standing for three of them; only the user's
// turn can have come through a claim.  Between hands the seats' tiles are not played on.
void CheckRunningHand(Checker& c, const SavedGame& g) {
    if (!c.ok()) return;  // the counts are known to be in range from here on
    if (g.state != kSavedHandRunning) {
        for (int s = 0; s < 4; ++s) c.In(g.seats[s].nodraw, 0, 0, "nodraw between hands");
        return;
    }
    for (int s = 0; s < 4; ++s) {
        const SavedSeat& seat = g.seats[s];
        const int held = seat.cardnum + 3 * seat.meldnum + (s == 0 ? seat.hasnew : 0);
        const std::string name = "seat " + std::to_string(s) + " ";
        c.In(held, s == 0 ? 14 : 13, s == 0 ? 14 : 13, name + "tiles for the turn");
        if (s != 0) c.In(seat.nodraw, 0, 0, name + "nodraw");
    }
}

void CheckGame(Checker& c, const SavedGame& g) {
    c.In(g.state, 0, 2, "state");
    for (int s = 0; s < 4; ++s) CheckSeat(c, g.seats[s], "seat " + std::to_string(s) + " ");
    if (g.minFan != 0 && g.minFan != 8) c.Fail("minFan");
    c.In(g.quanfeng, 1, 4, "quanfeng");
    c.In(g.dealer, 0, 3, "dealer");
    c.In(g.handDealer, 0, 3, "handDealer");
    c.In(g.wallBreak, 0, 71, "wallBreak");
    c.In(g.taken, -1, kWallTiles - 1, "taken");
    // The wall holds each of the 144 tiles once.
    bool present[kWallTiles] = {};
    for (std::uint8_t index : g.wall) {
        if (index >= kWallTiles || present[index]) c.Fail("wall");
        if (index < kWallTiles) present[index] = true;
    }
    for (std::int32_t n : g.seen) c.In(n, 0, kWallTiles, "seen");
    for (std::uint8_t hidden : g.deskHidden) c.Flag(hidden, "deskHidden");
    c.Flag(g.wildRule, "wildRule");
    c.WildTile(g.wildTile, "wildTile");
    c.WildTile(g.indicator, "indicator");
    c.In(g.wildKind, 1, 3, "wildKind");
    for (int i = 0; i < kSavedDeskCells; ++i) {
        c.Flag(g.desk[i], "desk occupied");
        const auto* pair = g.desk + kSavedDeskCells + 2 * i;
        c.Tile(tagMj{static_cast<signed char>(pair[0]), static_cast<signed char>(pair[1])}, false,
               "desk tile");
    }
    CheckRunningHand(c, g);
}

}  // namespace

std::optional<SavedGame> ReadSavedGame(std::string_view bytes, std::string* fault) {
    auto refuse = [fault](const std::string& why) {
        if (fault) *fault = why;
        return std::nullopt;
    };
    if (bytes.size() != kSavedGameBytes) return refuse("size");
    if (std::memcmp(bytes.data(), kSavedGameSignature, kSignatureBytes) != 0)
        return refuse("signature");
    SavedGame game;
    FieldReader reader(bytes.data() + kSignatureBytes);
    VisitGame(reader, game);
    Checker checker;
    CheckGame(checker, game);
    if (!checker.ok()) return refuse(checker.fault());
    if (fault) fault->clear();
    return game;
}

std::string WriteSavedGame(const SavedGame& game) {
    std::string out(kSavedGameSignature, kSignatureBytes);
    out.reserve(kSavedGameBytes);
    FieldWriter writer(out);
    VisitGame(writer, game);
    return out;
}
