#include "tools/testserver/Rooms.h"

#include "online/GameMsgClient.h"
#include "online/GameMsgServer.h"
#include "platform/Gbk.h"
#include "tools/testserver/ServerTable.h"

namespace testserver {

namespace {

constexpr std::size_t kRoomChatBytes = 100;
constexpr std::size_t kTableChatBytes = 99;

// Cut at a character boundary.
std::string Cut(const std::string& text, std::size_t bytes) {
    return text.substr(0, platform::GbkClampLength(text.data(), text.size(), bytes));
}

}  // namespace

// Marks a public operation; the outermost one sends what was posted when it ends.
struct Rooms::Operation {
    explicit Operation(Rooms& rooms) : r(rooms) { r.depth_++; }
    ~Operation() {
        if (--r.depth_ == 0) r.FlushOutbox();
    }
    Rooms& r;
};

void Rooms::FlushOutbox() {
    while (!outbox_.empty() || !later_.empty()) {
        std::vector<std::pair<int, GameMsg>> out;
        out.swap(outbox_);
        for (const auto& [conn, record] : out) send_(conn, record);
        std::vector<std::function<void()>> hooks;
        hooks.swap(later_);
        for (const auto& hook : hooks) hook();
    }
}

std::vector<RoomConfig> DefaultRooms() {
    return {{"新手房间"}, {"高手房间"}, {"满员房间", true}};
}

int LobbyTable::People() const {
    int n = 0;
    for (const LobbySeat& s : seats) n += s.conn != kNoConnection;
    return n;
}

Rooms::Rooms(std::vector<RoomConfig> rooms, std::string serverName, int minFan, SendFn send)
    : config_(std::move(rooms)),
      serverName_(std::move(serverName)),
      minFan_(minFan),
      send_(std::move(send)),
      tables_(config_.size(), std::vector<LobbyTable>(kRoomTables)) {}

LobbyUser* Rooms::FindUser(int conn) {
    const auto it = users_.find(conn);
    return it == users_.end() ? nullptr : &it->second;
}

const LobbyUser* Rooms::User(int conn) const { return const_cast<Rooms*>(this)->FindUser(conn); }

const LobbyTable* Rooms::Table(int room, int table) const {
    if (room < 0 || room >= RoomCount() || table < 0 || table >= kRoomTables) return nullptr;
    return &tables_[room][table];
}

LobbyUser* Rooms::FindByName(const std::string& name) {
    for (auto& [conn, u] : users_)
        if (u.account.name == name) return &u;
    return nullptr;
}

void Rooms::OnLogin(int conn, const Account& account) {
    Operation op(*this);
    users_[conn] = LobbyUser{conn, account};
    ToEveryone(ServerCountRecord(), conn);
    Post(conn, Encode(ScRoomListBegin{RoomCount(), serverName_}));
    for (int r = 0; r < RoomCount(); r++) Post(conn, Encode(ScRoomAdd{r, config_[r].name}));
    for (int r = 0; r < RoomCount(); r++) Post(conn, Encode(ScRoomUserCount{r, UsersIn(r)}));
    Post(conn, ServerCountRecord());
    Post(conn, Encode(ScRoomListEnd{}));
}

void Rooms::OnGone(int conn) {
    Operation op(*this);
    LobbyUser* u = FindUser(conn);
    if (!u) return;
    LeaveRoom(*u);
    users_.erase(conn);
    ToEveryone(ServerCountRecord());
}

bool Rooms::OnRecord(int conn, const std::uint8_t* record) {
    Operation op(*this);
    LobbyUser* u = FindUser(conn);
    if (!u) return false;
    switch (MsgType(record)) {
        case CS_ENTER_ROOM: {
            CsEnterRoom enter;
            Decode(record, &enter);
            EnterRoom(*u, enter.room);
            return true;
        }
        case CS_SIT_DOWN: {
            CsSitDown sit;
            Decode(record, &sit);
            SitDown(*u, sit.table, sit.chair);
            return true;
        }
        case CS_LEAVE_GAME: StandUp(*u); return true;
        case CS_START: Start(*u); return true;
        case CS_ROOM_CHAT: RoomChat(*u, record); return true;
        case CS_TABLE_CHAT: TableChat(*u, record); return true;
        case CS_TALK: Talk(*u, record); return true;
        case CS_INVITE: Invite(*u, record); return true;
        case CS_ADMIN: Admin(*u, record); return true;
        case CS_TABLE_PREFS: Prefs(*u, record); return true;
        default: return false;
    }
}

int Rooms::UsersIn(int room) const {
    int count = 0;
    for (const auto& [c, u] : users_) count += u.room == room;
    return count;
}

GameMsg Rooms::ServerCountRecord() const {
    return Encode(ScServerUserCount{static_cast<std::int32_t>(users_.size())});
}

// Every user's room list follows a room's count.
void Rooms::BroadcastRoomCount(int room) { ToEveryone(Encode(ScRoomUserCount{room, UsersIn(room)})); }

void Rooms::ToEveryone(const GameMsg& record, int except) {
    for (const auto& [conn, u] : users_)
        if (conn != except) Post(conn, record);
}

// --- Records ------------------------------------------------------------------------------

GameMsg Rooms::UserRecord(const LobbyUser& u, int op) const {
    const Account& a = u.account;
    ScUserInfo r;
    r.op = op;
    r.name = a.name;
    r.score = a.score;
    r.male = a.sex == 1;
    r.games = a.games;
    r.wins = a.wins;
    r.counter1 = a.counter1;
    r.counter2 = a.counter2;
    r.escapes = a.escapes;
    r.kind = a.kind;
    r.userId = a.userId;
    r.picture = a.picture;
    r.atTable = u.table >= 0;
    r.table = u.table >= 0 ? u.table + 1 : 0;
    r.chair = u.chair >= 0 ? u.chair : 0;
    return Encode(r);
}

GameMsg Rooms::TableRecord(int room, int table, bool burst) const {
    ScTableInfo r;
    r.noRedraw = burst;
    r.table = table;
    const LobbyTable& t = tables_[room][table];
    for (int s = 0; s < 4; s++) {
        const auto it = users_.find(t.seats[s].conn);
        if (it == users_.end()) continue;
        const std::string& name = it->second.account.name;
        for (std::size_t i = 0; i < name.size() && i < 20; i++)
            r.info[20 * s + i] = static_cast<std::uint8_t>(name[i]);
        r.info[80 + s] = static_cast<std::uint8_t>(it->second.account.picture - 1);
        r.info[84 + s] = 1;
        r.info[88 + s] = t.seats[s].started;
    }
    r.info[92] = t.ingame;
    return Encode(r);
}

// Robot seats have status 0 and count as started.
GameMsg Rooms::TableUsersRecord(int room, int table) const {
    ScTableUserInfo r;
    const LobbyTable& t = tables_[room][table];
    for (int s = 0; s < 4; s++) {
        const auto it = users_.find(t.seats[s].conn);
        if (it == users_.end()) {
            r.seats[s] = {0, kStartScore, kRobotName, true};
            r.pictures[s] = kRobotPicture;
            continue;
        }
        const Account& a = it->second.account;
        r.seats[s] = {1, a.score, a.name, a.sex == 1};
        r.pictures[s] = a.picture;
    }
    return Encode(r);
}

GameMsg Rooms::StartsRecord(int room, int table) const {
    ScUserStart r;
    const LobbyTable& t = tables_[room][table];
    for (int s = 0; s < 4; s++) r.started[s] = t.seats[s].conn == kNoConnection || t.seats[s].started;
    return Encode(r);
}

void Rooms::ToRoom(int room, const GameMsg& record) {
    for (const auto& [conn, u] : users_)
        if (u.room == room) Post(conn, record);
}

void Rooms::ToTable(int room, int table, const GameMsg& record) {
    for (const LobbySeat& s : tables_[room][table].seats)
        if (s.conn != kNoConnection) Post(s.conn, record);
}

void Rooms::BroadcastSeat(const LobbyUser& u, int room, int table) {
    ToRoom(room, TableRecord(room, table, false));
    ToRoom(room, UserRecord(u, ScUserInfo::kUpdate));
}

void Rooms::SystemLine(const LobbyUser& u, const std::string& text) {
    Post(u.conn, Encode(ScTableChat{ScTableChat::kSystemSeat, text}));
}

// --- Rooms --------------------------------------------------------------------------------

// A refused entry sends only the refusal, so the client keeps its lists.
void Rooms::EnterRoom(LobbyUser& u, int room) {
    if (room < 0 || room >= RoomCount() || config_[room].refuses) {
        ScRoomInfo refused;
        refused.refusal = room >= 0 && room < RoomCount() ? config_[room].refusal : "没有这个房间";
        Post(u.conn, Encode(refused));
        return;
    }
    LeaveRoom(u);
    u.room = room;
    ScRoomInfo begin;
    begin.contentsFollow = true;
    Post(u.conn, Encode(begin));
    for (const auto& [conn, other] : users_)
        if (other.room == room && conn != u.conn) Post(u.conn, UserRecord(other, ScUserInfo::kAdd));
    Post(u.conn, UserRecord(u, ScUserInfo::kAdd));
    for (int t = 0; t < kRoomTables; t++)
        if (tables_[room][t].People() > 0) Post(u.conn, TableRecord(room, t, true));
    ScRoomInfo entered;
    entered.entered = true;
    entered.room = room;
    Post(u.conn, Encode(entered));
    for (const auto& [conn, other] : users_)
        if (other.room == room && conn != u.conn) Post(conn, UserRecord(u, ScUserInfo::kAdd));
    BroadcastRoomCount(room);
    if (onRoomEntered) Later([this, conn = u.conn, room] { onRoomEntered(conn, room); });
}

void Rooms::LeaveRoom(LobbyUser& u) {
    if (u.room < 0) return;
    StandUp(u);
    const int room = u.room;
    u.room = -1;
    ToRoom(room, UserRecord(u, ScUserInfo::kRemove));
    BroadcastRoomCount(room);
}

// --- Tables -------------------------------------------------------------------------------

void Rooms::SitDown(LobbyUser& u, int table, int chair) {
    std::string refusal;
    if (u.room < 0) refusal = "请先进入房间";
    else if (table < 0 || table >= kRoomTables || chair < 0 || chair > 3) refusal = "没有这个座位";
    else if (u.table >= 0) refusal = "你已经在座位上了";
    else if (TableAt(u.room, table).ingame) refusal = "该桌正在游戏中";
    else if (TableAt(u.room, table).seats[chair].conn != kNoConnection) refusal = "该座位已经有人了";
    if (!refusal.empty()) {
        Post(u.conn, Encode(ScBackToRoom{refusal}));
        return;
    }
    LobbyTable& t = TableAt(u.room, table);
    t.seats[chair] = {u.conn, false};
    u.table = table;
    u.chair = chair;
    ScEnterTable enter;
    enter.ownSeat = chair;
    enter.showStart = true;
    enter.variant = 1;
    enter.minFan = minFan_;
    Post(u.conn, Encode(enter));
    ToTable(u.room, table, TableUsersRecord(u.room, table));
    ToTable(u.room, table, StartsRecord(u.room, table));
    BroadcastSeat(u, u.room, table);
}

// When the last person leaves, the robots' game there ends.
void Rooms::StandUp(LobbyUser& u) {
    if (u.room < 0 || u.table < 0) return;
    const int table = u.table;
    LobbyTable& t = TableAt(u.room, table);
    t.seats[u.chair] = {};
    u.table = -1;
    u.chair = -1;
    if (t.People() == 0) t.ingame = false;
    ToTable(u.room, table, TableUsersRecord(u.room, table));
    BroadcastSeat(u, u.room, table);
}

void Rooms::Start(LobbyUser& u) {
    if (u.room < 0 || u.table < 0) return;
    LobbyTable& t = TableAt(u.room, u.table);
    if (t.ingame) return;
    t.seats[u.chair].started = true;
    ToTable(u.room, u.table, StartsRecord(u.room, u.table));
    ToRoom(u.room, TableRecord(u.room, u.table, false));
    for (const LobbySeat& s : t.seats)
        if (s.conn != kNoConnection && !s.started) return;
    if (onTableStart) Later([this, room = u.room, table = u.table] { onTableStart(room, table); });
}

void Rooms::SeatAgain(int conn, int table, int chair) {
    Operation op(*this);
    LobbyUser* u = FindUser(conn);
    if (!u || u->room < 0 || u->table >= 0 || !Table(u->room, table) || chair < 0 || chair > 3) return;
    LobbyTable& t = TableAt(u->room, table);
    if (t.seats[chair].conn != kNoConnection) return;
    t.seats[chair] = {conn, true};
    t.ingame = true;
    u->table = table;
    u->chair = chair;
    BroadcastSeat(*u, u->room, table);
}

void Rooms::SetPicture(int conn, int picture) {
    Operation op(*this);
    LobbyUser* u = FindUser(conn);
    if (!u) return;
    if (picture >= 1 && picture <= 12) u->account.picture = picture;
    if (u->room < 0) {
        Post(conn, UserRecord(*u, ScUserInfo::kAdd));
        return;
    }
    ToRoom(u->room, UserRecord(*u, ScUserInfo::kAdd));
    if (u->table < 0) return;
    ToTable(u->room, u->table, TableUsersRecord(u->room, u->table));
    ToRoom(u->room, TableRecord(u->room, u->table, false));
}

void Rooms::SetInGame(int room, int table, bool ingame) {
    Operation op(*this);
    if (!Table(room, table)) return;
    TableAt(room, table).ingame = ingame;
    ToRoom(room, TableRecord(room, table, false));
}

void Rooms::SetStanding(int conn, const Account& standing) {
    Operation op(*this);
    LobbyUser* u = FindUser(conn);
    if (!u) return;
    u->account.score = standing.score;
    u->account.games = standing.games;
    u->account.wins = standing.wins;
    if (u->room >= 0) ToRoom(u->room, UserRecord(*u, ScUserInfo::kUpdate));
}

// --- Chat, talk, invitations, administration, preferences ---------------------------------

// The server composes the line; a muted user is told and nothing goes to the room.
void Rooms::RoomChat(LobbyUser& u, const std::uint8_t* record) {
    if (u.room < 0) return;
    CsRoomChat chat;
    Decode(record, &chat);
    ScRoomChat line;
    if (u.muted) {
        line.red = true;
        line.text = "你已被禁言";
        Post(u.conn, Encode(line));
        return;
    }
    line.text = Cut(u.account.name + "说: " + chat.text, kRoomChatBytes);
    ToRoom(u.room, Encode(line));
}

void Rooms::TableChat(LobbyUser& u, const std::uint8_t* record) {
    if (u.room < 0 || u.table < 0) return;
    CsTableChat chat;
    Decode(record, &chat);
    ToTable(u.room, u.table, Encode(ScTableChat{u.chair, Cut(chat.text, kTableChatBytes)}));
}

// A refused or unknown peer answers the sender with a system line in the peer's name.
void Rooms::Talk(LobbyUser& u, const std::uint8_t* record) {
    CsTalk talk;
    Decode(record, &talk);
    LobbyUser* peer = FindByName(talk.peer);
    ScTalk answer;
    if (!peer || peer->refuseTalk) {
        answer.sender = talk.peer;
        answer.text = peer ? "对方拒绝私聊" : "对方不在线";
        answer.system = true;
        Post(u.conn, Encode(answer));
        return;
    }
    answer.sender = u.account.name;
    answer.text = talk.text;
    Post(peer->conn, Encode(answer));
}

// The inviter sits at a table; the invitee is in the lobby of the same room and accepts.
void Rooms::Invite(LobbyUser& u, const std::uint8_t* record) {
    CsInvite invite;
    Decode(record, &invite);
    LobbyUser* peer = FindByName(invite.name);
    std::string refusal;
    if (u.table < 0) refusal = "你还没有坐下";
    else if (!peer || peer->room != u.room) refusal = invite.name + "不在房间中";
    else if (peer->table >= 0) refusal = invite.name + "已经在游戏中";
    else if (!peer->acceptInvites) refusal = invite.name + "拒绝了邀请";
    if (!refusal.empty()) {
        SystemLine(u, refusal);
        return;
    }
    ScInvite out;
    out.table = u.table;
    out.text = Cut(u.account.name + "邀请你到第" + std::to_string(u.table + 1) + "桌游戏", 126);
    Post(peer->conn, Encode(out));
    SystemLine(u, "邀请已发出");
}

// Kind 1 may remove and mute anyone; kind 2 only remove, at its own table.
void Rooms::Admin(LobbyUser& u, const std::uint8_t* record) {
    CsAdmin admin;
    Decode(record, &admin);
    LobbyUser* target = FindByName(admin.name);
    const bool remove = admin.action == CsAdmin::kRemove, mute = admin.action == CsAdmin::kMute;
    bool allowed = false;
    if (u.account.kind == 1) allowed = remove || mute;
    if (u.account.kind == 2)
        allowed = remove && target && u.table >= 0 && target->room == u.room &&
                  target->table == u.table;
    if (!allowed || !target || target == &u) {
        Post(u.conn, Encode(ScMessageBox{"你没有该权限"}));
        return;
    }
    if (mute) {
        target->muted = true;
        ScRoomChat line;
        line.red = true;
        line.text = "你已被管理员禁言";
        Post(target->conn, Encode(line));
        return;
    }
    Post(target->conn, Encode(ScMessageBox{"你被请出了房间"}));
    LeaveRoom(*target);
    ScRoomInfo refused;
    refused.refusal = "请选择其他房间";
    Post(target->conn, Encode(refused));
}

void Rooms::Prefs(LobbyUser& u, const std::uint8_t* record) {
    CsTablePrefs prefs;
    Decode(record, &prefs);
    u.acceptInvites = prefs.acceptInvites;
    u.refuseTalk = prefs.refuseTalk;
}

}  // namespace testserver
