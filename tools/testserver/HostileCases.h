// The records a broken or hostile server could send, one case a row: its id, when the server
// plays it, its bytes and how it delivers them, and what the client is expected to do.  The
// test server plays a case on request, the client's tests play every case, and the fuzz
// targets' seeds are written from the same rows.
#pragma once

#include <string>
#include <vector>

namespace testserver {

// When the case's bytes go out.
enum class HostileWhen {
    kOnConnect,        // as soon as the client connects
    kForLogin,         // in place of the answer to CS_LOGIN
    kAfterLogin,       // right after SC_LOGIN_SUCCESS
    kForSignUp,        // in place of the sign-up channel's answer byte
    kSeatedMidHand,    // seated at a running hand, after the user's first turn is offered
};

enum class Delivery {
    kWhole,            // in one write
    kOneBytePerRead,   // a byte at a time, a pause between them
};

// What the client is expected to do.
enum class HostileOutcome {
    kIgnored,       // the bytes change nothing; the connection stays
    kHandled,       // the records are handled as if they came in one piece
    kClamped,       // handled within bounds (a text cut at its field)
    kDisconnected,  // the connection ends; the client is back at its dialog
    kTimedOut,      // nothing comes; the client gives up after its time-out
};

struct HostileCase {
    const char* id;
    HostileWhen when;
    Delivery delivery;
    bool closeAfter;           // the server closes the connection once the bytes are out
    HostileOutcome expected;
    std::string (*bytes)();
    const char* what;
};

const std::vector<HostileCase>& HostileCases();
// The case of an id; null when there is none.
const HostileCase* FindHostileCase(const std::string& id);

const char* WhenName(HostileWhen when);
const char* OutcomeName(HostileOutcome outcome);

}  // namespace testserver
