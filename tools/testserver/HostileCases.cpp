#include "tools/testserver/HostileCases.h"

#include "online/GameMsgServer.h"
#include "tools/testserver/LobbyHostileCases.h"

namespace testserver {

namespace {

std::string Bytes(const GameMsg& msg) { return std::string(msg.begin(), msg.end()); }

std::string RecordOfType(int type) { return Bytes(NewGameMsg(type)); }

std::string LoginSuccess() { return Bytes(Encode(ScLoginSuccess{})); }

// Types no side has, negative ones included.
std::string UnknownTypes() {
    std::string bytes;
    for (int type : {0, 16, 99, 106, 120, 126, -1, -128}) bytes += RecordOfType(type);
    return bytes;
}

std::string SecondLoginSuccess() { return LoginSuccess(); }

// More than the client's 50,000-byte work buffer in one go: 400 records of an unknown type,
// then a login success that must still be read (and ignored: the client is online already).
std::string BurstOverBuffer() {
    std::string bytes;
    for (int i = 0; i < 400; i++) bytes += RecordOfType(0);
    return bytes + LoginSuccess();
}

// The first 60 bytes of a record, then the connection closes.
std::string HalfARecord() { return LoginSuccess().substr(0, 60); }

// A refusal whose text fills all 128 bytes of its field, without a terminator.
std::string UnterminatedRefusal() {
    GameMsg msg = NewGameMsg(SC_LOGIN_FAIL);
    for (int i = 1; i < kGameMsgSize; i++) msg[i] = 'A' + i % 26;
    return Bytes(msg);
}

// Avatar records the client must not keep: digests short, not hexadecimal or unterminated;
// addresses with a user part, a space, a backslash, or filling their field; a negative id.
std::string BadAvatarRecords() {
    const std::string digest = "900150983cd24fb0d6963f7d28e17f72";
    const struct {
        std::int32_t id;
        const char* digest;
        const char* url;
    } rows[] = {
        {7, "900150983cd24fb0", "127.0.0.1/a.gif"},
        {7, "900150983cd24fb0d6963f7d28e17fZZ", "127.0.0.1/a.gif"},
        {7, digest.c_str(), "me@127.0.0.1/a.gif"},
        {7, digest.c_str(), "127.0.0.1/a b.gif"},
        {7, digest.c_str(), "127.0.0.1\\a.gif"},
        {-7, digest.c_str(), "127.0.0.1/a.gif"},
    };
    std::string bytes;
    for (const auto& row : rows) {
        ScAvatarInfo info;
        info.userId = row.id;
        info.name = "坏头像";
        info.digest = row.digest;
        info.url = row.url;
        bytes += Bytes(Encode(info));
    }
    GameMsg full = Encode(ScAvatarInfo{});
    for (int i = 8; i < kGameMsgSize; i++) full[i] = 'a';  // no terminator anywhere
    return bytes + Bytes(full);
}

std::string Nothing() { return std::string(); }

std::string Join(std::initializer_list<GameMsg> records) {
    std::string bytes;
    for (const GameMsg& m : records) bytes += Bytes(m);
    return bytes;
}

GameMsg SendAction(int seat, int action, int tile, int detail) {
    ScSendAction a;
    a.seat = seat;
    a.action = action;
    a.tile = static_cast<std::uint8_t>(tile);
    a.detail = detail;
    return Encode(a);
}

// Table records from a server that does not know where the user sits.
std::string TableRecordsInLobby() {
    ScDeal deal;
    deal.count = 13;
    return Join({Encode(deal), Encode(ScYourTurn{}), Encode(ScDrawTile{5}), Encode(ScOtherDraw{1}),
                 SendAction(1, 2, 5, 0), NewGameMsg(SC_HAND_END)});
}

std::string SeatsOutOfRange() {
    ScEnterTable enter;
    enter.ownSeat = 4;
    ScDice dice;
    dice.dealer = 7;
    dice.wind = 1;
    for (int& d : dice.dice) d = 3;
    return Join({Encode(ScOtherDraw{4}), Encode(ScDiscard{9, 5, false}), SendAction(200, 2, 5, 0),
                 Encode(enter), Encode(dice)});
}

std::string TilesAbove143() {
    return Join({Encode(ScDrawTile{200}), Encode(ScOtherDraw{2}), Encode(ScDiscard{2, 250, false}),
                 SendAction(3, 2, 255, 0)});
}

std::string DiceAndWindsOutOfRange() {
    std::string bytes;
    for (int bad : {0, 7, 255}) {
        ScDice dice;
        dice.wind = 1;
        for (int& d : dice.dice) d = 3;
        dice.dice[bad % 4] = bad;
        bytes += Bytes(Encode(dice));
    }
    ScDice wind;
    wind.wind = 5;
    for (int& d : wind.dice) d = 3;
    return bytes + Bytes(Encode(wind));
}

std::string PicturesOutOfRange() {
    GameMsg info = Encode(ScTableUserInfo{});
    info[105] = 0;
    info[106] = 13;
    info[107] = 255;
    info[108] = 200;
    return Bytes(info);
}

// Counts above the client's arrays: a hand of 20, a reveal of 15, a restore hand of 15 and a
// river of 53.
std::string CountsAboveArrays() {
    GameMsg deal = NewGameMsg(SC_DEAL);
    deal[3] = 20;
    GameMsg reveal = NewGameMsg(SC_HAND_END);
    reveal[7] = 15;
    GameMsg restore = NewGameMsg(SC_TABLE_RESTORE);
    restore[1] = 1;
    restore[3] = 15;
    GameMsg rivers = NewGameMsg(SC_TABLE_RESTORE);
    rivers[1] = 2;
    rivers[3] = 53;
    return Join({deal, reveal, restore, rivers});
}

std::string ResultWithoutReveal() {
    ScHandEnd result;
    result.kind = ScHandEnd::kResult;
    result.win = true;
    result.winner = 2;
    result.fan = 8;
    return Bytes(Encode(result));
}

std::string RiversWithoutTable() {
    ScTableRestore rivers;
    rivers.part = 2;
    rivers.rivers[0].count = 10;
    return Bytes(Encode(rivers));
}

// A restore whose meld blocks run past byte 128, one with a meld of kind 3 and one with a
// meld of two tiles; the rest in range.
std::string RestoreMeldsOutOfRange() {
    auto restore = [](int kind, int size, int melds) {
        GameMsg r = NewGameMsg(SC_TABLE_RESTORE);
        r[1] = 1;
        r[2] = 1;
        r[22] = r[23] = 3;
        r[25] = 80;
        r[36] = 1;
        int at = 51;
        for (int s = 0; s < 4 && at < kGameMsgSize; s++) {
            r[at++] = static_cast<std::uint8_t>(melds);
            for (int m = 0; m < melds && at + 2 + size <= kGameMsgSize; m++) {
                r[at++] = static_cast<std::uint8_t>(size);
                r[at++] = static_cast<std::uint8_t>(kind);
                at += size;
            }
        }
        return r;
    };
    return Join({restore(0, 4, 5), restore(3, 3, 1), restore(1, 2, 1)});
}

// Sequences that would overflow: draws past the wall, a sixth meld, a 53rd river tile, a hand
// grown by draws without discards, counts driven below 0.
std::string OverflowingSequences() {
    std::string bytes;
    for (int i = 0; i < 100; i++) {
        bytes += Bytes(Encode(ScOtherDraw{2}));
        bytes += Bytes(Encode(ScDiscard{2, static_cast<std::uint8_t>(i % 100), false}));
        bytes += Bytes(Encode(ScDiscard{3, static_cast<std::uint8_t>(i % 100), false}));
        bytes += Bytes(SendAction(3, 3, i % 100, 1));
        bytes += Bytes(Encode(ScDrawTile{7}));
    }
    return bytes;
}

std::string DiceFlood() {
    ScDice dice;
    dice.wind = 1;
    for (int& d : dice.dice) d = 6;
    std::string bytes;
    for (int i = 0; i < 40; i++) bytes += Bytes(Encode(dice));
    return bytes;
}
std::string TwoBytes() { return std::string("\x01\x01", 2); }

const std::vector<HostileCase> kCases = {
    {"unknown-types", HostileWhen::kAfterLogin, Delivery::kWhole, false, HostileOutcome::kIgnored,
     UnknownTypes, "records of types neither side has, negative ones included"},
    {"types-before-login", HostileWhen::kOnConnect, Delivery::kWhole, false,
     HostileOutcome::kIgnored, UnknownTypes, "unknown records before the login is answered"},
    {"login-success-twice", HostileWhen::kAfterLogin, Delivery::kWhole, false,
     HostileOutcome::kIgnored, SecondLoginSuccess, "a second SC_LOGIN_SUCCESS"},
    {"burst-over-buffer", HostileWhen::kAfterLogin, Delivery::kWhole, false,
     HostileOutcome::kIgnored, BurstOverBuffer, "51,729 bytes at once, more than the buffer"},
    {"login-one-byte-per-read", HostileWhen::kForLogin, Delivery::kOneBytePerRead, false,
     HostileOutcome::kHandled, LoginSuccess, "the login's answer a byte at a time"},
    {"close-after-last-record", HostileWhen::kForLogin, Delivery::kWhole, true,
     HostileOutcome::kDisconnected, LoginSuccess,
     "the login's answer, and the connection closes right behind it"},
    {"close-mid-record", HostileWhen::kAfterLogin, Delivery::kWhole, true,
     HostileOutcome::kDisconnected, HalfARecord, "the connection closes in the middle of a record"},
    {"refusal-unterminated", HostileWhen::kForLogin, Delivery::kWhole, true,
     HostileOutcome::kClamped, UnterminatedRefusal, "a refusal text without a terminator"},
    {"login-silent", HostileWhen::kForLogin, Delivery::kWhole, false, HostileOutcome::kTimedOut,
     Nothing, "no answer to the login"},
    {"signup-silent", HostileWhen::kForSignUp, Delivery::kWhole, false, HostileOutcome::kTimedOut,
     Nothing, "the sign-up channel never answers"},
    {"signup-no-byte", HostileWhen::kForSignUp, Delivery::kWhole, true,
     HostileOutcome::kDisconnected, Nothing, "the sign-up channel closes without an answer"},
    {"signup-two-bytes", HostileWhen::kForSignUp, Delivery::kWhole, true, HostileOutcome::kIgnored,
     TwoBytes, "the sign-up channel answers two bytes"},
    {"lobby-out-of-order", HostileWhen::kAfterLogin, Delivery::kWhole, false,
     HostileOutcome::kIgnored, LobbyRecordsOutOfOrder,
     "room records before the list, indexes and table numbers out of range, the own row removed"},
    {"lobby-texts-unterminated", HostileWhen::kAfterLogin, Delivery::kWhole, false,
     HostileOutcome::kIgnored, LobbyTextsUnterminated, "lobby texts without a terminator"},
    {"lobby-floods", HostileWhen::kAfterLogin, Delivery::kWhole, false, HostileOutcome::kIgnored,
     LobbyFloods, "endless users and rooms, talk from twenty senders"},
    {"table-records-in-lobby", HostileWhen::kAfterLogin, Delivery::kWhole, false,
     HostileOutcome::kIgnored, TableRecordsInLobby, "a deal, a turn and a hand end before sitting down"},
    {"seats-out-of-range", HostileWhen::kSeatedMidHand, Delivery::kWhole, false,
     HostileOutcome::kIgnored, SeatsOutOfRange, "seats, own seats and dealers above 3"},
    {"tiles-above-143", HostileWhen::kSeatedMidHand, Delivery::kWhole, false,
     HostileOutcome::kClamped, TilesAbove143, "tiles above 143 read as the empty tile"},
    {"dice-winds-out-of-range", HostileWhen::kSeatedMidHand, Delivery::kWhole, false,
     HostileOutcome::kIgnored, DiceAndWindsOutOfRange, "dice outside 1-6 and a wind of 5"},
    {"pictures-out-of-range", HostileWhen::kSeatedMidHand, Delivery::kWhole, false,
     HostileOutcome::kClamped, PicturesOutOfRange, "seat pictures outside 1-12"},
    {"counts-above-arrays", HostileWhen::kSeatedMidHand, Delivery::kWhole, false,
     HostileOutcome::kIgnored, CountsAboveArrays, "hand, reveal, restore and river counts above their arrays"},
    {"result-without-reveal", HostileWhen::kSeatedMidHand, Delivery::kWhole, false,
     HostileOutcome::kHandled, ResultWithoutReveal, "a hand's result with no reveal before it"},
    {"rivers-without-table", HostileWhen::kSeatedMidHand, Delivery::kWhole, false,
     HostileOutcome::kIgnored, RiversWithoutTable, "restore record 2 without record 1"},
    {"restore-melds-out-of-range", HostileWhen::kSeatedMidHand, Delivery::kWhole, false,
     HostileOutcome::kIgnored, RestoreMeldsOutOfRange,
     "restore meld blocks cut at byte 128, a meld kind of 3, a meld of 2 tiles"},
    {"overflowing-sequences", HostileWhen::kSeatedMidHand, Delivery::kWhole, false,
     HostileOutcome::kClamped, OverflowingSequences,
     "draws past the wall, a sixth meld, a 53rd river tile, counts driven below 0"},
    {"dice-flood", HostileWhen::kSeatedMidHand, Delivery::kWhole, false, HostileOutcome::kHandled,
     DiceFlood, "40 SC_DICE in a row"},
    {"avatar-bad-records", HostileWhen::kAfterLogin, Delivery::kWhole, false,
     HostileOutcome::kIgnored, BadAvatarRecords,
     "avatar records with bad digests, addresses, ids and no terminators"},
};

}  // namespace

const std::vector<HostileCase>& HostileCases() { return kCases; }

const HostileCase* FindHostileCase(const std::string& id) {
    for (const HostileCase& c : kCases)
        if (id == c.id) return &c;
    return nullptr;
}

const char* WhenName(HostileWhen when) {
    switch (when) {
        case HostileWhen::kOnConnect: return "on-connect";
        case HostileWhen::kForLogin: return "for-login";
        case HostileWhen::kAfterLogin: return "after-login";
        case HostileWhen::kForSignUp: return "for-signup";
        case HostileWhen::kSeatedMidHand: return "seated-mid-hand";
    }
    return "?";
}

const char* OutcomeName(HostileOutcome outcome) {
    switch (outcome) {
        case HostileOutcome::kIgnored: return "ignored";
        case HostileOutcome::kHandled: return "handled";
        case HostileOutcome::kClamped: return "clamped";
        case HostileOutcome::kDisconnected: return "disconnected";
        case HostileOutcome::kTimedOut: return "timed-out";
    }
    return "?";
}

}  // namespace testserver
