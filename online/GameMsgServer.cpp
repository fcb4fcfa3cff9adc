#include "online/GameMsgServer.h"

#include <algorithm>
#include <cstring>

namespace {

using Byte = std::uint8_t;

Byte B(int value) { return static_cast<Byte>(value); }

bool IsType(const Byte* record, int type) { return MsgType(record) == type; }

// Counted blocks at a running offset (the reveal, the restore's melds and rivers): reading
// stops with false once a block would pass the record's last byte; writing stops there too.
class Cursor {
public:
    explicit Cursor(int offset) : at_(offset) {}

    bool Take(const Byte* record, Byte* out, int n) {
        if (n < 0 || at_ + n > kGameMsgSize) return false;
        std::memcpy(out, record + at_, static_cast<std::size_t>(n));
        at_ += n;
        return true;
    }
    bool TakeByte(const Byte* record, int* out) {
        Byte b = 0;
        if (!Take(record, &b, 1)) return false;
        *out = b;
        return true;
    }
    bool TakeI32(const Byte* record, std::int32_t* out) {
        if (at_ + 4 > kGameMsgSize) return false;
        *out = GetI32(record, at_);
        at_ += 4;
        return true;
    }

    bool Put(Byte* record, const Byte* bytes, int n) {
        if (n < 0 || at_ + n > kGameMsgSize) return false;
        std::memcpy(record + at_, bytes, static_cast<std::size_t>(n));
        at_ += n;
        return true;
    }
    bool PutByte(Byte* record, int value) {
        const Byte b = B(value);
        return Put(record, &b, 1);
    }
    bool PutI32(Byte* record, std::int32_t value) {
        if (at_ + 4 > kGameMsgSize) return false;
        ::PutI32(record, at_, value);
        at_ += 4;
        return true;
    }

private:
    int at_;
};

// A count byte followed by that many tiles, at most `capacity` of them.
bool TakeTiles(Cursor& c, const Byte* record, int* count, Byte* tiles, int capacity) {
    return c.TakeByte(record, count) && *count <= capacity && c.Take(record, tiles, *count);
}

bool PutTiles(Cursor& c, Byte* record, int count, const Byte* tiles, int capacity) {
    const int n = std::clamp(count, 0, capacity);
    return c.PutByte(record, n) && c.Put(record, tiles, n);
}

void PutOffers(Byte* r, const MsgOffers& o) {
    r[3] = o.pung;
    r[4] = o.kong;
    r[5] = o.win;
    r[6] = o.chow;
}

MsgOffers ReadOffers(const Byte* r) {
    MsgOffers o;
    o.pung = r[3] == 1;
    o.kong = r[4] == 1;
    o.win = r[5] == 1;
    o.chow = r[6] == 1;
    return o;
}


}  // namespace

// --- Table and hand ------------------------------------------------------------------------

GameMsg Encode(const ScDeal& msg) {
    GameMsg r = NewGameMsg(SC_DEAL);
    const int n = std::clamp(msg.count, 0, kMsgHandTiles);
    r[3] = B(n);
    std::memcpy(&r[4], msg.hand, static_cast<std::size_t>(n));
    r[31] = msg.wildRule;
    r[32] = msg.wildTile;
    r[33] = B(msg.extraTaken);
    r[34] = msg.indicator;
    return r;
}

bool Decode(const Byte* r, ScDeal* out) {
    if (!IsType(r, SC_DEAL) || r[3] > kMsgHandTiles) return false;
    out->count = r[3];
    std::memcpy(out->hand, &r[4], static_cast<std::size_t>(out->count));
    out->wildRule = r[31] == 1;
    out->wildTile = r[32];
    out->extraTaken = r[33];
    out->indicator = r[34];
    return true;
}

GameMsg Encode(const ScDrawTile& msg) {
    GameMsg r = NewGameMsg(SC_DRAW_TILE);
    r[3] = msg.tile;
    return r;
}

bool Decode(const Byte* r, ScDrawTile* out) {
    if (!IsType(r, SC_DRAW_TILE)) return false;
    out->tile = r[3];
    return true;
}

GameMsg Encode(const ScDiscard& msg) {
    GameMsg r = NewGameMsg(SC_DISCARD);
    r[3] = B(msg.seat);
    r[4] = msg.tile;
    r[5] = msg.ready;
    return r;
}

bool Decode(const Byte* r, ScDiscard* out) {
    if (!IsType(r, SC_DISCARD)) return false;
    out->seat = r[3];
    out->tile = r[4];
    out->ready = r[5] == 1;
    return true;
}

GameMsg Encode(const ScActionOptions& msg) {
    GameMsg r = NewGameMsg(SC_ACTION_OPTIONS);
    PutOffers(r.data(), msg.offers);
    return r;
}

bool Decode(const Byte* r, ScActionOptions* out) {
    if (!IsType(r, SC_ACTION_OPTIONS)) return false;
    out->offers = ReadOffers(r);
    return true;
}

GameMsg Encode(const ScDice& msg) {
    GameMsg r = NewGameMsg(SC_DICE);
    r[2] = B(msg.wind);
    r[3] = B(msg.dealer);
    for (int i = 0; i < 4; i++) r[4 + i] = B(msg.dice[i]);
    return r;
}

bool Decode(const Byte* r, ScDice* out) {
    if (!IsType(r, SC_DICE)) return false;
    out->wind = r[2];
    out->dealer = r[3];
    for (int i = 0; i < 4; i++) out->dice[i] = r[4 + i];
    return true;
}

GameMsg Encode(const ScYourTurn& msg) {
    GameMsg r = NewGameMsg(SC_YOUR_TURN);
    r[2] = msg.options;
    if (msg.options) PutOffers(r.data(), msg.offers);
    return r;
}

bool Decode(const Byte* r, ScYourTurn* out) {
    if (!IsType(r, SC_YOUR_TURN)) return false;
    out->options = r[2] != 0;
    out->offers = out->options ? ReadOffers(r) : MsgOffers{};
    return true;
}

GameMsg Encode(const ScOtherDraw& msg) {
    GameMsg r = NewGameMsg(SC_OTHER_DRAW);
    r[3] = B(msg.seat);
    return r;
}

bool Decode(const Byte* r, ScOtherDraw* out) {
    if (!IsType(r, SC_OTHER_DRAW)) return false;
    out->seat = r[3];
    return true;
}

GameMsg Encode(const ScSendAction& msg) {
    GameMsg r = NewGameMsg(SC_SEND_ACTION);
    r[3] = B(msg.seat);
    r[4] = B(msg.action);
    r[5] = msg.tile;
    r[6] = B(msg.detail);
    r[7] = msg.third;
    return r;
}

bool Decode(const Byte* r, ScSendAction* out) {
    if (!IsType(r, SC_SEND_ACTION)) return false;
    out->seat = r[3];
    out->action = r[4];
    out->tile = r[5];
    out->detail = r[6];
    out->third = r[7];
    return true;
}

GameMsg Encode(const ScEnterTable& msg) {
    GameMsg r = NewGameMsg(SC_ENTER_TABLE);
    r[3] = B(msg.ownSeat);
    r[4] = msg.showStart ? 0 : 1;
    r[6] = B(msg.variant);
    r[9] = B(msg.minFan);
    r[11] = msg.wildRule;
    return r;
}

bool Decode(const Byte* r, ScEnterTable* out) {
    if (!IsType(r, SC_ENTER_TABLE)) return false;
    out->ownSeat = r[3];
    out->showStart = r[4] == 0;
    out->variant = r[6];
    out->minFan = r[9];
    out->wildRule = r[11] == 1;
    return true;
}

GameMsg Encode(const ScHandEnd& msg) {
    GameMsg r = NewGameMsg(SC_HAND_END);
    r[2] = B(msg.kind);
    if (msg.kind == ScHandEnd::kReveal) {
        Cursor c(3);
        for (const MsgRevealSeat& seat : msg.reveal)
            if (!c.PutI32(r.data(), seat.change) ||
                !PutTiles(c, r.data(), seat.count, seat.tiles, kMsgHandTiles))
                break;
    } else if (msg.kind == ScHandEnd::kResult) {
        r[3] = msg.win;
        r[4] = B(msg.winner);
        r[5] = msg.onDiscard;
        r[6] = B(msg.discarder);
        PutI32(r.data(), 7, msg.fan);
        std::memcpy(&r[11], msg.fanFlags, kMsgFanFlags);
        std::memcpy(&r[101], msg.extraFlags, kMsgExtraFlags);
    }
    return r;
}

bool Decode(const Byte* r, ScHandEnd* out) {
    if (!IsType(r, SC_HAND_END)) return false;
    out->kind = r[2];
    if (out->kind == ScHandEnd::kReveal) {
        Cursor c(3);
        for (MsgRevealSeat& seat : out->reveal)
            if (!c.TakeI32(r, &seat.change) ||
                !TakeTiles(c, r, &seat.count, seat.tiles, kMsgHandTiles))
                return false;
    } else if (out->kind == ScHandEnd::kResult) {
        out->win = r[3] != 0;
        out->winner = r[4];
        out->onDiscard = r[5] != 0;
        out->discarder = r[6];
        out->fan = GetI32(r, 7);
        std::memcpy(out->fanFlags, &r[11], kMsgFanFlags);
        std::memcpy(out->extraFlags, &r[101], kMsgExtraFlags);
    }
    return true;
}

GameMsg Encode(const ScTableChat& msg) {
    GameMsg r = NewGameMsg(SC_TABLE_CHAT);
    r[1] = B(msg.seat);
    PutRecordText(r.data(), 2, 127, msg.text);
    return r;
}

bool Decode(const Byte* r, ScTableChat* out) {
    if (!IsType(r, SC_TABLE_CHAT)) return false;
    out->seat = r[1];
    out->text = RecordText(r, 2, 127);
    return true;
}

namespace {

void EncodeRestoreTable(const ScTableRestore& msg, Byte* r) {
    r[2] = B(msg.variant);
    const int n = std::clamp(msg.count, 0, kMsgHandTiles);
    r[3] = B(n);
    std::memcpy(&r[4], msg.hand, static_cast<std::size_t>(n));
    for (int s = 0; s < kMsgSeats; s++) {
        r[18 + s] = B(msg.concealed[s]);
        r[37 + s] = B(msg.flowers[s]);
        r[41 + s] = msg.ready[s];
    }
    r[22] = B(msg.dice[0]);
    r[23] = B(msg.dice[1]);
    r[24] = B(msg.dealer);
    r[25] = B(msg.lastTaken);
    r[26] = B(msg.turn);
    r[27] = msg.lastDiscard;
    r[28] = B(msg.lastDiscarder);
    r[29] = msg.waitsDiscard;
    r[30] = B(msg.ownSeat);
    r[31] = B(msg.minFan);
    r[36] = B(msg.wind);
    Cursor c(51);
    for (const MsgSeatMelds& seat : msg.melds) {
        const int m = std::clamp(seat.count, 0, kMsgMelds);
        if (!c.PutByte(r, m)) return;
        for (int i = 0; i < m; i++) {
            const MsgMeld& meld = seat.melds[i];
            const int tiles = std::clamp(meld.count, 0, kMsgMeldTiles);
            if (!c.PutByte(r, tiles) || !c.PutByte(r, meld.kind) || !c.Put(r, meld.tiles, tiles))
                return;
        }
    }
}

bool DecodeRestoreTable(const Byte* r, ScTableRestore* out) {
    if (r[3] > kMsgHandTiles) return false;
    out->variant = r[2];
    out->count = r[3];
    std::memcpy(out->hand, &r[4], static_cast<std::size_t>(out->count));
    for (int s = 0; s < kMsgSeats; s++) {
        out->concealed[s] = r[18 + s];
        out->flowers[s] = r[37 + s];
        out->ready[s] = r[41 + s] == 1;
    }
    out->dice[0] = r[22];
    out->dice[1] = r[23];
    out->dealer = r[24];
    out->lastTaken = r[25];
    out->turn = r[26];
    out->lastDiscard = r[27];
    out->lastDiscarder = r[28];
    out->waitsDiscard = r[29] == 1;
    out->ownSeat = r[30];
    out->minFan = r[31];
    out->wind = r[36];
    Cursor c(51);
    for (MsgSeatMelds& seat : out->melds) {
        if (!c.TakeByte(r, &seat.count) || seat.count > kMsgMelds) return false;
        for (int i = 0; i < seat.count; i++) {
            MsgMeld& meld = seat.melds[i];
            if (!c.TakeByte(r, &meld.count) || meld.count > kMsgMeldTiles ||
                !c.TakeByte(r, &meld.kind) || !c.Take(r, meld.tiles, meld.count))
                return false;
        }
    }
    return true;
}

}  // namespace

GameMsg Encode(const ScTableRestore& msg) {
    GameMsg r = NewGameMsg(SC_TABLE_RESTORE);
    r[1] = B(msg.part);
    if (msg.part == 1) {
        EncodeRestoreTable(msg, r.data());
    } else {
        Cursor c(3);
        for (const MsgRiver& river : msg.rivers)
            if (!PutTiles(c, r.data(), river.count, river.tiles, kMsgRiverTiles)) break;
    }
    return r;
}

bool Decode(const Byte* r, ScTableRestore* out) {
    if (!IsType(r, SC_TABLE_RESTORE)) return false;
    out->part = r[1];
    if (out->part == 1) return DecodeRestoreTable(r, out);
    Cursor c(3);
    for (MsgRiver& river : out->rivers)
        if (!TakeTiles(c, r, &river.count, river.tiles, kMsgRiverTiles)) return false;
    return true;
}

namespace {
constexpr int kTableSeatBlock = 26;
constexpr int kTableSeatName = 20;
}  // namespace

GameMsg Encode(const ScTableUserInfo& msg) {
    GameMsg r = NewGameMsg(SC_TABLE_USERINFO);
    for (int s = 0; s < kMsgSeats; s++) {
        const int at = 1 + s * kTableSeatBlock;
        const MsgTableSeat& seat = msg.seats[s];
        r[at] = B(seat.status);
        PutI32(r.data(), at + 1, seat.score);
        PutRecordText(r.data(), at + 5, kTableSeatName, seat.name);
        r[at + 25] = seat.male;
        r[105 + s] = B(msg.pictures[s]);
    }
    return r;
}

bool Decode(const Byte* r, ScTableUserInfo* out) {
    if (!IsType(r, SC_TABLE_USERINFO)) return false;
    for (int s = 0; s < kMsgSeats; s++) {
        const int at = 1 + s * kTableSeatBlock;
        MsgTableSeat& seat = out->seats[s];
        seat.status = r[at];
        seat.score = GetI32(r, at + 1);
        seat.name = RecordText(r, at + 5, kTableSeatName);
        seat.male = r[at + 25] == 1;
        out->pictures[s] = r[105 + s];
    }
    return true;
}

GameMsg Encode(const ScUserStart& msg) {
    GameMsg r = NewGameMsg(SC_USER_START);
    for (int s = 0; s < kMsgSeats; s++) r[3 + s] = msg.started[s];
    return r;
}

bool Decode(const Byte* r, ScUserStart* out) {
    if (!IsType(r, SC_USER_START)) return false;
    for (int s = 0; s < kMsgSeats; s++) out->started[s] = r[3 + s] != 0;
    return true;
}

GameMsg Encode(const ScFlower& msg) {
    GameMsg r = NewGameMsg(SC_FLOWER);
    r[2] = msg.inPlay;
    r[3] = B(msg.seat);
    if (msg.inPlay) {
        r[6] = msg.tiles[0];
    } else {
        const int n = std::clamp(msg.count, 0, kMsgFlowers);
        r[4] = B(n);
        std::memcpy(&r[6], msg.tiles, static_cast<std::size_t>(n));
    }
    return r;
}

bool Decode(const Byte* r, ScFlower* out) {
    if (!IsType(r, SC_FLOWER)) return false;
    out->inPlay = r[2] == 1;
    out->seat = r[3];
    if (out->inPlay) {
        out->count = 1;
        out->tiles[0] = r[6];
        return true;
    }
    if (r[4] > kMsgFlowers) return false;
    out->count = r[4];
    std::memcpy(out->tiles, &r[6], static_cast<std::size_t>(out->count));
    return true;
}

// --- Login, lobby, rooms, chat and notices ---------------------------------------------------

GameMsg Encode(const ScMessageBox& msg) { return EncodeTextMsg(msg, 1, 128); }
bool Decode(const Byte* r, ScMessageBox* out) { return DecodeTextMsg(r, out, 1, 128); }
GameMsg Encode(const ScBackToRoom& msg) { return EncodeTextMsg(msg, 1, 128); }
bool Decode(const Byte* r, ScBackToRoom* out) { return DecodeTextMsg(r, out, 1, 128); }
GameMsg Encode(const ScLoginFail& msg) { return EncodeTextMsg(msg, 1, 128); }
bool Decode(const Byte* r, ScLoginFail* out) { return DecodeTextMsg(r, out, 1, 128); }
GameMsg Encode(const ScNotice& msg) { return EncodeTextMsg(msg, 6, 120); }
bool Decode(const Byte* r, ScNotice* out) { return DecodeTextMsg(r, out, 6, 120); }

GameMsg Encode(const ScTableInfo& msg) {
    GameMsg r = NewGameMsg(SC_TABLE_INFO);
    r[2] = msg.noRedraw;
    r[3] = B(msg.table);
    std::memcpy(&r[4], msg.info, kMsgTableInfoBytes);
    return r;
}

bool Decode(const Byte* r, ScTableInfo* out) {
    if (!IsType(r, SC_TABLE_INFO)) return false;
    out->noRedraw = r[2] != 0;
    out->table = r[3];
    std::memcpy(out->info, &r[4], kMsgTableInfoBytes);
    return true;
}

GameMsg Encode(const ScLoginSuccess&) { return NewGameMsg(SC_LOGIN_SUCCESS); }
bool Decode(const Byte* r, ScLoginSuccess*) { return IsType(r, SC_LOGIN_SUCCESS); }
GameMsg Encode(const ScRoomListEnd&) { return NewGameMsg(SC_ROOM_LIST_END); }
bool Decode(const Byte* r, ScRoomListEnd*) { return IsType(r, SC_ROOM_LIST_END); }

GameMsg Encode(const ScUserInfo& msg) {
    GameMsg r = NewGameMsg(SC_USER_INFO);
    r[2] = B(msg.op);
    PutRecordText(r.data(), 3, 20, msg.name);
    PutI32(r.data(), 23, msg.score);
    r[27] = msg.male;
    PutI32(r.data(), 28, msg.games);
    PutI32(r.data(), 32, msg.wins);
    PutI32(r.data(), 36, msg.counter1);
    PutI32(r.data(), 40, msg.escapes);
    PutI32(r.data(), 44, msg.counter2);
    r[51] = B(msg.kind);
    PutI32(r.data(), 52, msg.userId);
    r[66] = B(msg.picture);
    r[101] = msg.atTable;
    r[102] = B(msg.table);
    r[103] = B(msg.chair);
    return r;
}

bool Decode(const Byte* r, ScUserInfo* out) {
    if (!IsType(r, SC_USER_INFO)) return false;
    out->op = r[2];
    out->name = RecordText(r, 3, 20);
    out->score = GetI32(r, 23);
    out->male = r[27] == 1;
    out->games = GetI32(r, 28);
    out->wins = GetI32(r, 32);
    out->counter1 = GetI32(r, 36);
    out->escapes = GetI32(r, 40);
    out->counter2 = GetI32(r, 44);
    out->kind = r[51];
    out->userId = GetI32(r, 52);
    out->picture = r[66];
    out->atTable = r[101] != 0;
    out->table = r[102];
    out->chair = r[103];
    return true;
}

GameMsg Encode(const ScInvite& msg) {
    GameMsg r = NewGameMsg(SC_INVITE);
    r[1] = B(msg.table);
    PutRecordText(r.data(), 3, 126, msg.text);
    return r;
}

bool Decode(const Byte* r, ScInvite* out) {
    if (!IsType(r, SC_INVITE)) return false;
    out->table = r[1];
    out->text = RecordText(r, 3, 126);
    return true;
}

GameMsg Encode(const ScRoomAdd& msg) {
    GameMsg r = NewGameMsg(SC_ROOM_ADD);
    r[1] = B(msg.room);
    PutRecordText(r.data(), 3, 50, msg.name);
    return r;
}

bool Decode(const Byte* r, ScRoomAdd* out) {
    if (!IsType(r, SC_ROOM_ADD)) return false;
    out->room = r[1];
    out->name = RecordText(r, 3, 50);
    return true;
}

GameMsg Encode(const ScRoomListBegin& msg) {
    GameMsg r = NewGameMsg(SC_ROOM_LIST_BEGIN);
    r[2] = B(msg.count);
    PutRecordText(r.data(), 3, 50, msg.serverName);
    return r;
}

bool Decode(const Byte* r, ScRoomListBegin* out) {
    if (!IsType(r, SC_ROOM_LIST_BEGIN)) return false;
    out->count = r[2];
    out->serverName = RecordText(r, 3, 50);
    return true;
}

GameMsg Encode(const ScServerUserCount& msg) {
    GameMsg r = NewGameMsg(SC_SERVER_USERCOUNT);
    PutI32(r.data(), 3, msg.count);
    return r;
}

bool Decode(const Byte* r, ScServerUserCount* out) {
    if (!IsType(r, SC_SERVER_USERCOUNT)) return false;
    out->count = GetI32(r, 3);
    return true;
}

GameMsg Encode(const ScRoomUserCount& msg) {
    GameMsg r = NewGameMsg(SC_ROOM_USERCOUNT);
    r[1] = B(msg.room);
    PutI32(r.data(), 3, msg.count);
    return r;
}

bool Decode(const Byte* r, ScRoomUserCount* out) {
    if (!IsType(r, SC_ROOM_USERCOUNT)) return false;
    out->room = r[1];
    out->count = GetI32(r, 3);
    return true;
}

GameMsg Encode(const ScRoomInfo& msg) {
    GameMsg r = NewGameMsg(SC_ROOM_INFO);
    r[1] = msg.contentsFollow;
    r[3] = msg.entered;
    r[4] = B(msg.room);
    PutRecordText(r.data(), 6, 120, msg.refusal);
    return r;
}

bool Decode(const Byte* r, ScRoomInfo* out) {
    if (!IsType(r, SC_ROOM_INFO)) return false;
    out->contentsFollow = r[1] != 0;
    out->entered = r[3] != 0;
    out->room = r[4];
    out->refusal = RecordText(r, 6, 120);
    return true;
}

GameMsg Encode(const ScTalk& msg) {
    GameMsg r = NewGameMsg(SC_TALK);
    PutRecordText(r.data(), 1, 20, msg.sender);
    PutRecordText(r.data(), 21, 100, msg.text);
    r[126] = msg.system;
    return r;
}

bool Decode(const Byte* r, ScTalk* out) {
    if (!IsType(r, SC_TALK)) return false;
    out->sender = RecordText(r, 1, 20);
    out->text = RecordText(r, 21, 100);
    out->system = r[126] == 1;
    return true;
}

GameMsg Encode(const ScRoomChat& msg) {
    GameMsg r = NewGameMsg(SC_ROOM_CHAT);
    r[3] = msg.red;
    PutRecordText(r.data(), 6, 100, msg.text);
    return r;
}

bool Decode(const Byte* r, ScRoomChat* out) {
    if (!IsType(r, SC_ROOM_CHAT)) return false;
    out->red = r[3] == 1;
    out->text = RecordText(r, 6, 100);
    return true;
}

GameMsg Encode(const ScLinkNotice& msg) {
    GameMsg r = NewGameMsg(SC_LINK_NOTICE);
    PutRecordText(r.data(), 4, 60, msg.text);
    PutRecordText(r.data(), 64, 30, msg.caption);
    PutRecordText(r.data(), 94, 35, msg.url);
    return r;
}

bool Decode(const Byte* r, ScLinkNotice* out) {
    if (!IsType(r, SC_LINK_NOTICE)) return false;
    out->text = RecordText(r, 4, 60);
    out->caption = RecordText(r, 64, 30);
    out->url = RecordText(r, 94, 35);
    return true;
}

GameMsg Encode(const ScAvatarInfo& msg) {
    GameMsg r = NewGameMsg(SC_AVATAR_INFO);
    r[1] = msg.isDefault;
    r[2] = msg.male;
    PutI32(r.data(), 4, msg.userId);
    PutRecordText(r.data(), 8, 20, msg.name);
    PutRecordText(r.data(), 28, 32, msg.digest);
    PutRecordText(r.data(), 61, 60, msg.url);
    return r;
}

bool Decode(const Byte* r, ScAvatarInfo* out) {
    if (!IsType(r, SC_AVATAR_INFO)) return false;
    out->isDefault = r[1] == 1;
    out->male = r[2] == 1;
    out->userId = GetI32(r, 4);
    out->name = RecordText(r, 8, 20);
    out->digest = RecordText(r, 28, 32);
    out->url = RecordText(r, 61, 60);
    return true;
}
