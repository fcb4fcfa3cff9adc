#include "tools/testserver/LobbyHostileCases.h"

#include "online/GameMsgServer.h"

namespace testserver {

namespace {

std::string Bytes(const GameMsg& msg) { return std::string(msg.begin(), msg.end()); }

// The client's own name in the default accounts' first user.
constexpr char kOwnName[] = "tester";

std::string User(const std::string& name, int op, int table, int chair) {
    ScUserInfo u;
    u.op = op;
    u.name = name;
    u.atTable = table != 0;
    u.table = table;
    u.chair = chair;
    return Bytes(Encode(u));
}

std::string Entered(int room) {
    ScRoomInfo r;
    r.entered = true;
    r.room = room;
    return Bytes(Encode(r));
}

// A record of a type whose bytes from `from` on are all 'A' + n % 26 (no NUL anywhere).
std::string Filled(int type, int from) {
    GameMsg r = NewGameMsg(type);
    for (int i = from; i < kGameMsgSize; i++) r[i] = static_cast<std::uint8_t>('A' + i % 26);
    return Bytes(r);
}

}  // namespace

std::string LobbyRecordsOutOfOrder() {
    std::string b = Bytes(Encode(ScRoomAdd{0, "early"})) + Bytes(Encode(ScRoomUserCount{0, 5})) +
                    Bytes(Encode(ScRoomListEnd{})) + Entered(0);
    b += Bytes(Encode(ScRoomListBegin{2, "server"}));
    for (int room : {0, 1, 9}) b += Bytes(Encode(ScRoomAdd{room, "room"}));
    b += Bytes(Encode(ScRoomUserCount{9, 3})) + Bytes(Encode(ScRoomUserCount{-1, 3}));
    b += Entered(9) + Entered(200);
    ScTableInfo t;
    for (int table : {100, 255}) {
        t.table = table;
        b += Bytes(Encode(t));
    }
    b += User(kOwnName, ScUserInfo::kAdd, 0, 0) + User("other", ScUserInfo::kAdd, 101, 9);
    b += User(kOwnName, ScUserInfo::kRemove, 0, 0) + User("nobody", ScUserInfo::kUpdate, 0, 0);
    b += Bytes(Encode(ScInvite{250, "invite"}));
    return b;
}

std::string LobbyTextsUnterminated() {
    std::string b = Filled(SC_ROOM_LIST_BEGIN, 3);
    b[2] = 1;  // one room
    std::string add = Filled(SC_ROOM_ADD, 3);
    add[1] = 0;
    b += add;
    b += Filled(SC_USER_INFO, 3).replace(2, 1, 1, '\x01');
    b += Filled(SC_TABLE_INFO, 4).replace(3, 1, 1, '\x02');
    for (int type : {SC_ROOM_CHAT, SC_TALK, SC_NOTICE, SC_MESSAGEBOX, SC_LINK_NOTICE, SC_BACK_TO_ROOM})
        b += Filled(type, 1);
    std::string invite = Filled(SC_INVITE, 3);
    invite[1] = 4;
    return b + invite;
}

std::string LobbyFloods() {
    std::string b = Bytes(Encode(ScRoomListBegin{255, "server"}));
    for (int i = 0; i < 300; i++) b += Bytes(Encode(ScRoomAdd{i % 256, "r" + std::to_string(i)}));
    for (int i = 0; i < 4200; i++) b += User("u" + std::to_string(i), ScUserInfo::kAdd, 0, 0);
    for (int i = 0; i < 20; i++) {
        ScTalk talk;
        talk.sender = "t" + std::to_string(i);
        talk.text = "hi";
        b += Bytes(Encode(talk));
    }
    return b;
}

}  // namespace testserver
