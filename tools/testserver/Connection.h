// One connection of the test server, game or sign-up channel: what it has received and has
// still to send, and where it stands; and the link from a table to its people's connections.  Used by the server's own files only.
#pragma once

#include <chrono>
#include <memory>
#include <set>
#include <string>

#include "online/RecordFramer.h"
#include "tools/testserver/ServerTable.h"
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
    ServerTable* table = nullptr;  // where the person sits
    int seat = -1;
};

// What a table sends to a seat goes to the connection logged in under the seat's name.
class TestServer::TableLink : public TableOutput {
public:
    explicit TableLink(TestServer& server) : server_(server) {}
    void SendTo(int seat, const GameMsg& record) override;
    std::unique_ptr<ServerTable> owned;
    ServerTable* table = nullptr;
    std::string names[kTableSeats];  // the people seated, by seat
    int room = -1;                   // the rooms' table it plays; -1: a table of the login
    int roomTable = -1;
    bool hostilePlayed = false;

private:
    TestServer& server_;
};

}  // namespace testserver
