// The loopback game server the client's tests play against: it listens on 127.0.0.1 only, on
// ports of its choosing unless told otherwise, and plays the server's side of the protocol as
// the client expects it, on a thread of its own.  In this version it logs users in from its
// account file (and closes the connection after a refusal; a second login of a name replaces
// the first connection), answers the sign-up channel, serves the users' pictures over HTTP and
// announces them (SC_AVATAR_INFO) before the records that show their users, closes connections that stay silent
// longer than the idle time-out, keeps a transcript of every record when one is asked for, and
// can play one of the hostile cases.
#pragma once

#include <atomic>
#include <condition_variable>
#include <functional>
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
#include "tools/testserver/Rooms.h"
#include "tools/testserver/ServerTable.h"
#include "tools/testserver/Transcript.h"

namespace nettest {
class TinyHttpServer;
}

namespace testserver {

struct ServerOptions {
    std::uint16_t gamePort = 0;  // 0: any free port
    std::uint16_t regPort = 0;
    std::string accountFile;     // empty: the default accounts; new accounts are appended
    int idleTimeoutMs = 60000;   // a connection that sends nothing this long is closed
    int regReply = kRegOk;       // the sign-up channel's answer byte (a known name: taken)
    bool regCreatesAccount = true;  // an answer of 1 creates the account
    std::string hostileCase;     // the id of the case to play; empty: none
    std::string transcriptFile;  // the transcript's lines, written as they come; empty: none
    bool keepTranscript = false; // the transcript kept in memory too (TranscriptEntries)
    int dripPauseMs = 3;         // the pause between the bytes of a one-byte-per-read case
    std::string refusal = "帐号或密码错误";  // the text of SC_LOGIN_FAIL
    // The rooms a login lists (none: the login is answered and nothing follows), the server's
    // name in the room list, and the minimum fan of its tables.
    std::vector<RoomConfig> rooms = DefaultRooms();
    std::string serverName = "翠岭测试服务器";
    int minFan = 8;
    // Pictures: the HTTP port (0: any free port), the folder the accounts' picture paths are
    // relative to (empty: the account file's folder), the default pictures announced after
    // every login (empty: none), and the pause between the slow route's pieces.
    std::uint16_t httpPort = 0;
    std::string pictureFolder;
    std::string malePicture;
    std::string femalePicture;
    int slowPictureMs = 50;
    // Each login seats the person at a table of three robots of its own, or gives a person
    // who lost a running hand that hand back (until rooms seat people).
    bool seatOnLogin = false;
    TableOptions table;          // the rules and pace of the tables
};

// The HTTP routes that fail, for accounts whose picture path names one: a picture that takes
// about 20 s to arrive, one above the client's 1 MiB cap, one that is no GIF, and a redirect
// to a file on the client's machine.  Any other unknown path is not found.
constexpr const char* kSlowPicture = "fail/slow.gif";
constexpr const char* kOversizedPicture = "fail/oversized.gif";
constexpr const char* kNotAGifPicture = "fail/notgif.gif";
constexpr const char* kRedirectPicture = "fail/redirect.gif";

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
    std::uint16_t HttpPort() const { return httpPort_; }

    // The SC_AVATAR_INFO record the server sends for a user: empty when the user is unknown or
    // has no picture.
    std::string AvatarInfoFor(const std::string& name) const;
    // The picture number an account holds now; 0 for an unknown name.
    int PictureOf(const std::string& name) const;

    // The transcript kept with ServerOptions::keepTranscript; empty without it.
    std::vector<TranscriptEntry> TranscriptEntries() const { return transcript_.Entries(); }
    bool HasAccount(const std::string& name) const;
    // The names logged in now.
    std::set<std::string> OnlineUsers() const;
    // Game and sign-up connections open now.
    int OpenConnections() const;
    // Runs `look` on the server's thread with its rooms (null without rooms) and waits for it.
    void WithRooms(const std::function<void(Rooms*)>& look);
    // Runs `advance` on the server's thread (where a test moves the clock it gave the tables,
    // TableOptions::clock), then what fell due at the tables; returns when that has run.
    void AdvanceTables(const std::function<void()>& advance);
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
    void CreateAccount(const RegRequest& request);
    void Send(Connection& c, const std::string& bytes, Delivery delivery = Delivery::kWhole);
    void Play(Connection& c, const HostileCase& hostile);
    void Flush(Connection& c);
    void Tick(Connection& c);
    void CloseAfterSending(Connection& c);
    void Close(Connection& c);
    int PollTimeoutMs() const;
    void Wake();
    void SendTo(int id, const GameMsg& record);
    void RunPendingLooks();
    const HostileCase* CaseFor(HostileWhen when) const;
    // A copy of the account of a name; false when there is none.
    bool AccountOf(const std::string& name, Account* account) const;
    // Pictures (ServerAvatars.cpp).
    bool StartPictures(std::string* error);
    std::string AvatarRecord(const Account& account) const;
    // Sends a user's SC_AVATAR_INFO on a connection, once per connection.
    void AnnounceAvatar(Connection& c, const Account& shown);
    void AnnounceDefaultPictures(Connection& c);
    // Before a record that shows users with their pictures: their SC_AVATAR_INFO.
    void AnnounceShownUsers(Connection& c, const GameMsg& record);
    void OnSetAvatar(Connection& c, const std::uint8_t* record);
    // Tables (ServerTables.cpp).
    void SeatAfterLogin(Connection& c);
    TableLink& NewTable(const TableOptions& options);
    void CarryResults(const TableLink& link, int winner);
    void JoinRoomsToTables();
    void StartRoomTable(int room, int table);
    void RestoreInRoom(int conn, int room);
    Connection* ConnectionOf(int id);
    // True when the table took the record; other records go on to the rooms.
    bool OnTableRecord(Connection& c, const std::uint8_t* record);
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
    std::uint16_t httpPort_ = 0;
    std::unique_ptr<nettest::TinyHttpServer> http_;
    std::vector<std::string> defaultRecords_;  // the default pictures' SC_AVATAR_INFO
    std::vector<std::unique_ptr<Connection>> connections_;
    int openConnections_ = 0;
    int nextId_ = 1;
    std::atomic<bool> stopping_{false};
    std::thread thread_;
    std::unique_ptr<Rooms> rooms_;
    std::vector<std::function<void()>> looks_;  // under mutex_
    std::vector<std::unique_ptr<TableLink>> tables_;
    // The tables, for the tests' views; a lost connection may be noticed inside a table's send.
    mutable std::recursive_mutex tableMutex_;
};

}  // namespace testserver
