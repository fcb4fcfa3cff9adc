// The test server's tables on its connections: a person seated at a table of their own with
// three robots after the login (until the lobby's sit-down seats people), the records of a
// seated person, a lost connection, and the restore of a running hand at the next login.
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
constexpr int kDefaultPicture = 7;

// A person who left a running hand gets it back; anyone else gets a new table.
void TestServer::SeatAfterLogin(Connection& c) {
    if (!options_.seatOnLogin) return;
    std::lock_guard<std::recursive_mutex> lock(tableMutex_);
    for (auto& link : tables_) {
        for (int s = 0; s < kTableSeats; s++) {
            if (link->names[s] != c.name || link->table->HasPerson(s)) continue;
            c.table = link->table;
            c.seat = s;
            link->table->RestoreUser(s);
            if (!link->table->HasPerson(s)) link->table->SeatUser(s, c.name, true, kDefaultPicture);
            return;
        }
    }
    auto link = std::make_unique<TableLink>(*this);
    link->owned = std::make_unique<ServerTable>(options_.table, link.get());
    link->table = link->owned.get();
    link->names[kUserSeat] = c.name;
    c.table = link->table;
    c.seat = kUserSeat;
    link->table->SeatUser(kUserSeat, c.name, true, kDefaultPicture);
    tables_.push_back(std::move(link));
}

void TestServer::OnTableRecord(Connection& c, const std::uint8_t* record) {
    if (!c.table) return;
    std::lock_guard<std::recursive_mutex> lock(tableMutex_);
    if (MsgType(record) == CS_LEAVE_GAME) {
        c.table->UserLeft(c.seat);
        c.table = nullptr;
        return;
    }
    c.table->OnRecord(c.seat, record);
}

void TestServer::TableLost(Connection& c) {
    if (!c.table) return;
    std::lock_guard<std::recursive_mutex> lock(tableMutex_);
    c.table->UserLost(c.seat);
    c.table = nullptr;
}

void TestServer::TickTables() {
    std::lock_guard<std::recursive_mutex> lock(tableMutex_);
    const long long now =
        std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now().time_since_epoch()).count();
    for (auto& link : tables_) link->table->Tick(now);
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
