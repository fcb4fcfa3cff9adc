// The test server's rooms: each room has 100 tables of four seats; users logged in get the
// room list, enter a room (or are refused by a room configured to refuse), see every user and
// every table of it, sit down (accepted: SC_ENTER_TABLE, SC_TABLE_USERINFO with robot seats,
// SC_USER_START; refused: SC_BACK_TO_ROOM), chat in the room and at their table, talk privately,
// invite, administer (CS_ADMIN) and set their table preferences (CS_TABLE_PREFS).  Changes go
// to the whole room as SC_USER_INFO and SC_TABLE_INFO.
//
// The hand play takes a table over once its people have started; it finds the table and its
// seats here.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "online/GameMsg.h"
#include "tools/testserver/Accounts.h"

namespace testserver {

struct RoomConfig {
    std::string name;
    bool refuses = false;  // every entry is refused with `refusal`
    std::string refusal = "该房间已满,请选择其他房间";
};

// Two open rooms and one that refuses.
std::vector<RoomConfig> DefaultRooms();

constexpr int kRoomTables = 100;
constexpr int kNoConnection = -1;

struct LobbySeat {
    int conn = kNoConnection;  // kNoConnection: empty, or a robot while the table plays
    bool started = false;
};

struct LobbyTable {
    LobbySeat seats[4];
    bool ingame = false;
    int People() const;
};

struct LobbyUser {
    int conn = 0;
    Account account;
    int room = -1;
    int table = -1;  // 0..99
    int chair = -1;
    bool acceptInvites = true;
    bool refuseTalk = false;
    bool muted = false;
};

class Rooms {
public:
    using SendFn = std::function<void(int conn, const GameMsg& record)>;
    Rooms(std::vector<RoomConfig> rooms, std::string serverName, int minFan, SendFn send);

    // A user logged in on a connection: the room list goes out, and every other user's server
    // line gets the new count.
    void OnLogin(int conn, const Account& account);
    // The connection closed or logged off: the user leaves its table and room, and every user's
    // server line gets the new count.
    void OnGone(int conn);
    // A record of a logged-in user; false when it is not a lobby record.
    bool OnRecord(int conn, const std::uint8_t* record);

    // CS_SET_AVATAR: a picture 1..12 becomes the user's (another keeps the old one); the user's
    // add record goes to the room again (to the user alone outside a room), and where the user
    // sits, the table's seat records to the table and its state to the room.
    void SetPicture(int conn, int picture);

    // What tests and the hand play read.
    const LobbyUser* User(int conn) const;
    const LobbyTable* Table(int room, int table) const;
    int RoomCount() const { return static_cast<int>(config_.size()); }

    // The hand play: a table starts (every person has started) and ends.  The hooks run after
    // the records of the operation that called them have gone out.
    std::function<void(int room, int table)> onTableStart;
    void SetInGame(int room, int table, bool ingame);
    // A hand ended: the user's new score, games and wins (from `standing`), and its update
    // record to the user's room.
    void SetStanding(int conn, const Account& standing);
    // A user entered a room (after SC_ROOM_INFO "entered"): the hand play may give a lost
    // running hand back, and seats the user again with SeatAgain (its table records are the
    // hand play's; the room is told).
    std::function<void(int conn, int room)> onRoomEntered;
    void SeatAgain(int conn, int table, int chair);

private:
    void EnterRoom(LobbyUser& u, int room);
    void LeaveRoom(LobbyUser& u);
    void SitDown(LobbyUser& u, int table, int chair);
    void StandUp(LobbyUser& u);
    void Start(LobbyUser& u);
    void RoomChat(LobbyUser& u, const std::uint8_t* record);
    void TableChat(LobbyUser& u, const std::uint8_t* record);
    void Talk(LobbyUser& u, const std::uint8_t* record);
    void Invite(LobbyUser& u, const std::uint8_t* record);
    void Admin(LobbyUser& u, const std::uint8_t* record);
    void Prefs(LobbyUser& u, const std::uint8_t* record);

    // Records go out once the operation that made them is over, so that a connection closing
    // while they are sent (which leaves its room) never changes the users being walked.
    void Post(int conn, const GameMsg& record) { outbox_.emplace_back(conn, record); }
    void FlushOutbox();
    void Later(std::function<void()> hook) { later_.push_back(std::move(hook)); }
    struct Operation;

    LobbyUser* FindUser(int conn);
    LobbyUser* FindByName(const std::string& name);
    GameMsg UserRecord(const LobbyUser& u, int op) const;
    GameMsg TableRecord(int room, int table, bool burst) const;
    GameMsg TableUsersRecord(int room, int table) const;
    GameMsg StartsRecord(int room, int table) const;
    int UsersIn(int room) const;
    GameMsg ServerCountRecord() const;
    void BroadcastRoomCount(int room);
    void ToEveryone(const GameMsg& record, int except = kNoConnection);
    void ToRoom(int room, const GameMsg& record);
    void ToTable(int room, int table, const GameMsg& record);
    void BroadcastSeat(const LobbyUser& u, int room, int table);
    void SystemLine(const LobbyUser& u, const std::string& text);
    LobbyTable& TableAt(int room, int table) { return tables_[room][table]; }

    std::vector<RoomConfig> config_;
    std::string serverName_;
    int minFan_;
    SendFn send_;
    std::map<int, LobbyUser> users_;  // by connection id
    std::vector<std::vector<LobbyTable>> tables_;
    std::vector<std::pair<int, GameMsg>> outbox_;
    std::vector<std::function<void()>> later_;  // hooks, run after the outbox is sent
    int depth_ = 0;
};

}  // namespace testserver
