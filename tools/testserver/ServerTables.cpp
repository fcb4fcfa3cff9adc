// The test server's tables on its connections: the rooms' tables once their people have
// started (robots in the empty chairs), or with the option a person seated at a table of their
// own with three robots after the login; the records of a seated person, a lost connection, and
// the restore of a running hand (at the entry into the table's room, or at the next login).
#include <algorithm>

#include "online/GameMsgClient.h"
#include "tools/testserver/Connection.h"

namespace testserver {


// A hostile case of a running hand goes out once, after the user's first turn is offered.
void TestServer::TableLink::SendTo(int seat, const GameMsg& record) {
    for (auto& c : server_.connections_) {
        if (c->closed || !c->loggedIn || c->table != table || c->seat != seat) continue;
        server_.Send(*c, std::string(record.begin(), record.end()));
        const HostileCase* hostile = server_.CaseFor(HostileWhen::kSeatedMidHand);
        if (hostile && !hostilePlayed && MsgType(record.data()) == SC_YOUR_TURN) {
            hostilePlayed = true;
            server_.Play(*c, *hostile);
        }
    }
}

constexpr int kUserSeat = 0;

// A person who left a running hand gets it back; anyone else gets a new table.
void TestServer::SeatAfterLogin(Connection& c) {
    if (!options_.seatOnLogin) return;
    std::lock_guard<std::recursive_mutex> lock(tableMutex_);
    for (auto& link : tables_) {
        if (link->room >= 0) continue;  // the rooms' tables come back at the room's entry
        for (int s = 0; s < kTableSeats; s++) {
            if (link->names[s] != c.name || link->table->HasPerson(s)) continue;
            c.table = link->table;
            c.seat = s;
            link->table->RestoreUser(s);
            if (!link->table->HasPerson(s)) link->table->SeatUser(s, c.name, true, DefaultPicture(1));
            return;
        }
    }
    Account account;
    const int score = AccountOf(c.name, &account) ? account.score : kStartScore;
    TableLink& link = NewTable(options_.table);
    link.names[kUserSeat] = c.name;
    c.table = link.table;
    c.seat = kUserSeat;
    link.table->SeatUser(kUserSeat, c.name, true, DefaultPicture(1), score);
}

TestServer::TableLink& TestServer::NewTable(const TableOptions& options) {
    tables_.push_back(std::make_unique<TableLink>(*this));
    TableLink& link = *tables_.back();
    link.owned = std::make_unique<ServerTable>(options, &link);
    link.table = link.owned.get();
    link.table->onHandEnd = [this, &link](int winner) { CarryResults(link, winner); };
    return link;
}

// A hand's results are the people's own: each counts one game more, the winner one win more,
// and the scores are the table's; their accounts and the room's user records follow.
void TestServer::CarryResults(const TableLink& link, int winner) {
    for (int s = 0; s < kTableSeats; s++) {
        if (link.names[s].empty()) continue;
        Account standing;
        {
            std::lock_guard<std::mutex> lock(mutex_);
            for (Account& a : accounts_)
                if (a.name == link.names[s]) {
                    a.score = link.table->Score(s);
                    a.games++;
                    a.wins += s == winner;
                    standing = a;
                }
        }
        if (!rooms_ || standing.name.empty()) continue;
        for (const auto& c : connections_)
            if (!c->closed && c->loggedIn && c->name == link.names[s]) rooms_->SetStanding(c->id, standing);
    }
}

TestServer::Connection* TestServer::ConnectionOf(int id) {
    for (auto& c : connections_)
        if (c->id == id && !c->closed) return c.get();
    return nullptr;
}

void TestServer::JoinRoomsToTables() {
    rooms_->onTableStart = [this](int room, int table) { StartRoomTable(room, table); };
    rooms_->onRoomEntered = [this](int conn, int room) { RestoreInRoom(conn, room); };
}

// The lobby sent the seats' records; the table takes its people as they sit, started, and
// deals.  A table whose hand still runs (its people lost) is kept for their return.  The lobby
// announces no wild tile, so its tables play without one.
void TestServer::StartRoomTable(int room, int table) {
    const LobbyTable* lobby = rooms_->Table(room, table);
    if (!lobby) return;
    std::lock_guard<std::recursive_mutex> lock(tableMutex_);
    TableLink* link = nullptr;
    for (auto& l : tables_)
        if (l->room == room && l->roomTable == table && !l->table->View().running) link = l.get();
    if (!link) {
        TableOptions options = options_.table;
        options.minFan = options_.minFan;
        options.wild = false;
        link = &NewTable(options);
        link->room = room;
        link->roomTable = table;
    }
    rooms_->SetInGame(room, table, true);
    for (int s = 0; s < kTableSeats; s++) {
        Connection* c = ConnectionOf(lobby->seats[s].conn);
        const LobbyUser* u = rooms_->User(lobby->seats[s].conn);
        if (!c || !u) continue;
        link->names[s] = c->name;
        c->table = link->table;
        c->seat = s;
        link->table->SeatStarted(s, c->name, u->account.sex == 1, u->account.picture, u->account.score);
    }
    link->table->StartIfReady();
}

// A person who lost a running hand of a table in this room gets it back, and the room sees them
// seated again.
void TestServer::RestoreInRoom(int conn, int room) {
    Connection* c = ConnectionOf(conn);
    if (!c || c->table) return;
    std::lock_guard<std::recursive_mutex> lock(tableMutex_);
    for (auto& link : tables_) {
        if (link->room != room || !link->table->View().running) continue;
        for (int s = 0; s < kTableSeats; s++) {
            if (link->names[s] != c->name || link->table->HasPerson(s)) continue;
            c->table = link->table;
            c->seat = s;
            link->table->RestoreUser(s);
            rooms_->SeatAgain(conn, link->roomTable, s);
            return;
        }
    }
}

// The hand's records go to the table.  Leaving puts a robot in the seat for good and goes on to
// the rooms, which stand the person up; chat and the rest are the rooms'.
bool TestServer::OnTableRecord(Connection& c, const std::uint8_t* record) {
    std::lock_guard<std::recursive_mutex> lock(tableMutex_);
    switch (MsgType(record)) {
        case CS_LEAVE_GAME:
            c.table->UserLeft(c.seat);
            for (auto& link : tables_)
                if (link->table == c.table && link->room >= 0) link->names[c.seat].clear();
            c.table = nullptr;
            return false;
        case CS_START:
        case CS_DISCARD:
        case CS_ACTION:
        case CS_FLOWER_COUNT: c.table->OnRecord(c.seat, record); return true;
        default: return false;
    }
}

void TestServer::TableLost(Connection& c) {
    if (!c.table) return;
    std::lock_guard<std::recursive_mutex> lock(tableMutex_);
    c.table->UserLost(c.seat);
    c.table = nullptr;
}

// A login's table goes once nobody sits at it and its hand is over: a person who lost the hand
// gets a new table at the next login, so the tables do not grow with the logins.  The rooms'
// tables stay, one for each of the rooms' tables at most.
void TestServer::TickTables() {
    std::lock_guard<std::recursive_mutex> lock(tableMutex_);
    for (auto& link : tables_) link->table->Tick();
    tables_.erase(std::remove_if(tables_.begin(), tables_.end(),
                                 [](const auto& link) { return link->room < 0 && link->table->Deserted(); }),
                  tables_.end());
}

void TestServer::AdvanceTables(const std::function<void()>& advance) {
    WithRooms([&](Rooms*) {
        advance();
        TickTables();
    });
}

bool TestServer::TableViewOf(const std::string& name, TableView* view, int* seat) const {
    std::lock_guard<std::recursive_mutex> lock(tableMutex_);
    for (const auto& link : tables_)
        for (int s = 0; s < kTableSeats; s++)
            if (link->names[s] == name) {
                *view = link->table->View();
                *seat = s;
                return true;
            }
    return false;
}

}  // namespace testserver
