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

std::string Nothing() { return std::string(); }
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
