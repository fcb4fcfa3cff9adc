#include "online/GameMsgClient.h"

namespace {

using Byte = std::uint8_t;

Byte B(int value) { return static_cast<Byte>(value); }

bool IsType(const Byte* record, int type) { return MsgType(record) == type; }

template <typename T>
GameMsg EncodeEmpty() {
    return NewGameMsg(T::kType);
}


constexpr Byte kLoginMark = 'x';

}  // namespace

GameMsg Encode(const CsAction& msg) {
    GameMsg r = NewGameMsg(CS_ACTION);
    r[2] = msg.kongTile;
    r[3] = B(msg.action);
    r[4] = msg.chowTiles[0];
    r[5] = msg.chowTiles[1];
    return r;
}

bool Decode(const Byte* r, CsAction* out) {
    if (!IsType(r, CS_ACTION)) return false;
    out->kongTile = r[2];
    out->action = r[3];
    out->chowTiles[0] = r[4];
    out->chowTiles[1] = r[5];
    return true;
}

GameMsg Encode(const CsDiscard& msg) {
    GameMsg r = NewGameMsg(CS_DISCARD);
    r[2] = msg.ready;
    r[3] = msg.tile;
    return r;
}

bool Decode(const Byte* r, CsDiscard* out) {
    if (!IsType(r, CS_DISCARD)) return false;
    out->ready = r[2] == 1;
    out->tile = r[3];
    return true;
}

GameMsg Encode(const CsTableChat& msg) { return EncodeTextMsg(msg, 1, 128); }
bool Decode(const Byte* r, CsTableChat* out) { return DecodeTextMsg(r, out, 1, 128); }

GameMsg Encode(const CsTablePrefs& msg) {
    GameMsg r = NewGameMsg(CS_TABLE_PREFS);
    r[1] = msg.acceptInvites;
    r[2] = B(msg.addressFilter);
    r[3] = msg.limitEscapes;
    r[4] = B(msg.maxEscapeRate);
    r[5] = msg.limit1;
    PutI32(r.data(), 6, msg.value1);
    r[10] = msg.limit2;
    PutI32(r.data(), 11, msg.value2);
    r[21] = msg.refuseTalk;
    return r;
}

bool Decode(const Byte* r, CsTablePrefs* out) {
    if (!IsType(r, CS_TABLE_PREFS)) return false;
    out->acceptInvites = r[1] == 1;
    out->addressFilter = r[2];
    out->limitEscapes = r[3] == 1;
    out->maxEscapeRate = r[4];
    out->limit1 = r[5] == 1;
    out->value1 = GetI32(r, 6);
    out->limit2 = r[10] == 1;
    out->value2 = GetI32(r, 11);
    out->refuseTalk = r[21] == 1;
    return true;
}

GameMsg Encode(const CsFlowerCount& msg) {
    GameMsg r = NewGameMsg(CS_FLOWER_COUNT);
    r[3] = B(msg.count);
    return r;
}

bool Decode(const Byte* r, CsFlowerCount* out) {
    if (!IsType(r, CS_FLOWER_COUNT)) return false;
    out->count = r[3];
    return true;
}

GameMsg Encode(const CsLogin& msg) {
    GameMsg r = NewGameMsg(CS_LOGIN);
    PutRecordText(r.data(), 1, 20, msg.name);
    PutRecordText(r.data(), 21, 20, msg.password);
    if (msg.adapter.size() == CsLogin::kAdapterDigits)
        PutRecordText(r.data(), 51, CsLogin::kAdapterDigits + 1, msg.adapter);
    r[101] = kLoginMark;
    r[103] = B(msg.version);
    return r;
}

bool Decode(const Byte* r, CsLogin* out) {
    if (!IsType(r, CS_LOGIN)) return false;
    out->name = RecordText(r, 1, 20);
    out->password = RecordText(r, 21, 20);
    out->adapter = RecordText(r, 51, CsLogin::kAdapterDigits + 1);
    out->version = r[103];
    return true;
}

GameMsg Encode(const CsSitDown& msg) {
    GameMsg r = NewGameMsg(CS_SIT_DOWN);
    r[1] = B(msg.table);
    r[2] = B(msg.chair);
    return r;
}

bool Decode(const Byte* r, CsSitDown* out) {
    if (!IsType(r, CS_SIT_DOWN)) return false;
    out->table = r[1];
    out->chair = r[2];
    return true;
}

GameMsg Encode(const CsLeaveGame&) { return EncodeEmpty<CsLeaveGame>(); }
bool Decode(const Byte* r, CsLeaveGame*) { return IsType(r, CS_LEAVE_GAME); }
GameMsg Encode(const CsStart&) { return EncodeEmpty<CsStart>(); }
bool Decode(const Byte* r, CsStart*) { return IsType(r, CS_START); }
GameMsg Encode(const CsKeepAlive&) { return EncodeEmpty<CsKeepAlive>(); }
bool Decode(const Byte* r, CsKeepAlive*) { return IsType(r, CS_KEEPALIVE); }
GameMsg Encode(const CsLogoff&) { return EncodeEmpty<CsLogoff>(); }
bool Decode(const Byte* r, CsLogoff*) { return IsType(r, CS_LOGOFF); }

GameMsg Encode(const CsInvite& msg) {
    GameMsg r = NewGameMsg(CS_INVITE);
    PutRecordText(r.data(), 1, 20, msg.name);
    return r;
}

bool Decode(const Byte* r, CsInvite* out) {
    if (!IsType(r, CS_INVITE)) return false;
    out->name = RecordText(r, 1, 20);
    return true;
}

GameMsg Encode(const CsEnterRoom& msg) {
    GameMsg r = NewGameMsg(CS_ENTER_ROOM);
    r[1] = B(msg.room);
    return r;
}

bool Decode(const Byte* r, CsEnterRoom* out) {
    if (!IsType(r, CS_ENTER_ROOM)) return false;
    out->room = r[1];
    return true;
}

GameMsg Encode(const CsTalk& msg) {
    GameMsg r = NewGameMsg(CS_TALK);
    PutRecordText(r.data(), 1, 20, msg.peer);
    PutRecordText(r.data(), 21, 100, msg.text);
    return r;
}

bool Decode(const Byte* r, CsTalk* out) {
    if (!IsType(r, CS_TALK)) return false;
    out->peer = RecordText(r, 1, 20);
    out->text = RecordText(r, 21, 100);
    return true;
}

GameMsg Encode(const CsRoomChat& msg) { return EncodeTextMsg(msg, 1, 127); }
bool Decode(const Byte* r, CsRoomChat* out) { return DecodeTextMsg(r, out, 1, 127); }

GameMsg Encode(const CsAdmin& msg) {
    GameMsg r = NewGameMsg(CS_ADMIN);
    r[3] = B(msg.action);
    PutRecordText(r.data(), 4, 20, msg.name);
    return r;
}

bool Decode(const Byte* r, CsAdmin* out) {
    if (!IsType(r, CS_ADMIN)) return false;
    out->action = r[3];
    out->name = RecordText(r, 4, 20);
    return true;
}

GameMsg Encode(const CsSetAvatar& msg) {
    GameMsg r = NewGameMsg(CS_SET_AVATAR);
    r[3] = 1;
    r[4] = B(msg.picture);
    return r;
}

bool Decode(const Byte* r, CsSetAvatar* out) {
    if (!IsType(r, CS_SET_AVATAR)) return false;
    out->picture = r[4];
    return true;
}
