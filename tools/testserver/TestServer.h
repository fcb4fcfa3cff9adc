// The loopback game server the client's tests play against: it listens on 127.0.0.1 only, on
// ports of its choosing unless told otherwise, and plays the server's side of the protocol as
// the client expects it, on a thread of its own.  In this version it logs users in from its
// account file (and closes the connection after a refusal; a second login of a name replaces
// the first connection), answers the sign-up channel, closes connections that stay silent
// longer than the idle time-out, keeps a transcript of every record, and can play one of the
// hostile cases.
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "online/RegRequest.h"
#include "tools/testserver/Accounts.h"
#include "tools/testserver/HostileCases.h"
#include "tools/testserver/ServerTable.h"
#include "tools/testserver/Transcript.h"

namespace testserver {

struct ServerOptions {
    std::uint16_t gamePort = 0;  // 0: any free port
    std::uint16_t regPort = 0;
    std::string accountFile;     // empty: the default accounts
    int idleTimeoutMs = 60000;   // a connection that sends nothing this long is closed
    int regReply = kRegOk;       // the sign-up channel's answer byte
    bool regCreatesAccount = true;  // an answer of 1 creates the account
    std::string hostileCase;     // the id of the case to play; empty: none
    std::string transcriptFile;  // empty: the transcript stays in memory
    int dripPauseMs = 3;         // the pause between the bytes of a one-byte-per-read case
    std::string refusal = "帐号或密码错误";  // the text of SC_LOGIN_FAIL
    // Each login seats the person at a table of three robots of its own, or gives a person
    // who lost a running hand that hand back (until rooms seat people).
    bool seatOnLogin = false;
    TableOptions table;          // the rules and pace of the tables
};

class TestServer {
public:
    explicit TestServer(ServerOptions options = {});
    ~TestServer();
    TestServer(const TestServer&) = delete;
    TestServer& operator=(const TestServer&) = delete;

    // Reads the accounts, opens the two ports and starts serving; false with a reason.
    bool Start(std::string* error = nullptr);
    // Closes every connection and the ports and ends the thread.
    void Stop();

    std::uint16_t GamePort() const { return gamePort_; }
    std::uint16_t RegPort() const { return regPort_; }

    std::vector<TranscriptEntry> TranscriptEntries() const { return transcript_.Entries(); }
    bool HasAccount(const std::string& name) const;
    // The names logged in now.
    std::set<std::string> OnlineUsers() const;
    // Game and sign-up connections open now.
    int OpenConnections() const;
    // The view of the table where `name` sits, and the seat; false when the name sits nowhere.
    bool TableViewOf(const std::string& name, TableView* view, int* seat) const;

private:
    struct Connection;
    class TableLink;

    void Run();
    void Accept(int listener, bool signUp);
    void ReadGame(Connection& c);
    void ReadSignUp(Connection& c);
    void Discard(Connection& c);
    void OnRecord(Connection& c, const std::uint8_t* record);
    void OnLogin(Connection& c, const std::uint8_t* record);
    void AnswerSignUp(Connection& c, const std::string& request);
    void Send(Connection& c, const std::string& bytes, Delivery delivery = Delivery::kWhole);
    void Play(Connection& c, const HostileCase& hostile);
    void Flush(Connection& c);
    void Tick(Connection& c);
    void CloseAfterSending(Connection& c);
    void Close(Connection& c);
    int PollTimeoutMs() const;
    void Wake();
    const HostileCase* CaseFor(HostileWhen when) const;
    // Tables (ServerTables.cpp).
    void SeatAfterLogin(Connection& c);
    void OnTableRecord(Connection& c, const std::uint8_t* record);
    void TableLost(Connection& c);
    void TickTables();

    ServerOptions options_;
    const HostileCase* hostile_ = nullptr;
    std::vector<Account> accounts_;
    std::set<std::string> online_;
    mutable std::mutex mutex_;  // accounts_, online_ and the connection count for the tests
    Transcript transcript_;
    int gameListener_ = -1;
    int regListener_ = -1;
    int wake_[2] = {-1, -1};
    std::uint16_t gamePort_ = 0;
    std::uint16_t regPort_ = 0;
    std::vector<std::unique_ptr<Connection>> connections_;
    int openConnections_ = 0;
    int nextId_ = 1;
    std::atomic<bool> stopping_{false};
    std::thread thread_;
    std::vector<std::unique_ptr<TableLink>> tables_;
    // The tables, for the tests' views; a lost connection may be noticed inside a table's send.
    mutable std::recursive_mutex tableMutex_;
};

}  // namespace testserver
