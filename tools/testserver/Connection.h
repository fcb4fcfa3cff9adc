// One connection of the test server, game or sign-up channel: what it has received and has
// still to send, and where it stands.  Used by the server's own files only.
#pragma once

#include <chrono>
#include <memory>
#include <set>
#include <string>

#include "online/RecordFramer.h"
#include "tools/testserver/TestServer.h"

namespace testserver {

using Clock = std::chrono::steady_clock;

struct TestServer::Connection {
    int fd = -1;
    int id = 0;
    bool signUp = false;
    std::unique_ptr<RecordFramer> framer;  // the game channel's records
    std::string request;                   // the sign-up channel's request so far
    std::string out;                       // bytes to send
    std::string drip;                      // bytes to send one at a time
    Clock::time_point nextDrip;
    Clock::time_point lastHeard;
    bool closeWhenSent = false;
    bool lingering = false;                // our end is shut; waiting for the client's
    Clock::time_point lingerUntil;
    bool closed = false;
    bool loggedIn = false;
    std::string name;
    std::set<std::string> announced;  // users whose SC_AVATAR_INFO went out here
};

}  // namespace testserver
