// The record reader on any byte stream: the stream arrives in reads of varying sizes (the
// first byte seeds them), is cut into records, and every record is read as each type of both
// directions.  Checks: the records come out whole, in order and equal to the stream's slices;
// no more than an incomplete record is kept; a record that reads as a type builds again into
// one that reads as the same type.
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "online/GameMsgClient.h"
#include "online/GameMsgServer.h"
#include "online/RecordFramer.h"

namespace {

template <typename T>
void ReadAndRebuild(const std::uint8_t* record) {
    T msg;
    if (!Decode(record, &msg)) return;
    const GameMsg again = Encode(msg);
    T back;
    if (!Decode(again.data(), &back)) std::abort();
}

template <typename... T>
void ReadAsEach(const std::uint8_t* record) {
    (ReadAndRebuild<T>(record), ...);
}

void ReadAsEveryType(const std::uint8_t* record) {
    ReadAsEach<ScDeal, ScDrawTile, ScDiscard, ScActionOptions, ScDice, ScYourTurn, ScOtherDraw,
               ScSendAction, ScEnterTable, ScHandEnd, ScTableChat, ScTableRestore,
               ScTableUserInfo, ScUserStart, ScFlower, ScMessageBox, ScTableInfo,
               ScLoginSuccess, ScBackToRoom, ScUserInfo, ScInvite, ScRoomAdd, ScRoomListBegin,
               ScServerUserCount, ScRoomUserCount, ScRoomInfo, ScRoomListEnd, ScTalk,
               ScLoginFail, ScRoomChat, ScLinkNotice, ScAvatarInfo, ScNotice>(record);
    ReadAsEach<CsAction, CsDiscard, CsTableChat, CsTablePrefs, CsFlowerCount, CsLogin, CsSitDown,
               CsLeaveGame, CsStart, CsKeepAlive, CsLogoff, CsInvite, CsEnterRoom, CsTalk,
               CsRoomChat, CsAdmin, CsSetAvatar>(record);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    unsigned seed = data[0] * 2654435761u + 1;
    const std::uint8_t* stream = data + 1;
    const std::size_t length = size - 1;

    static RecordFramer framer;  // 50 KB: kept between runs, cleared for each
    framer.Clear();
    std::size_t fed = 0;
    std::size_t handed = 0;
    const auto read = [&](std::uint8_t* buffer, std::size_t room) -> std::size_t {
        seed = seed * 1103515245u + 12345u;
        const std::size_t chunk = 1 + (seed >> 8) % 700;
        const std::size_t n = std::min({chunk, room, length - fed});
        std::memcpy(buffer, stream + fed, n);
        fed += n;
        return n;
    };
    const auto onRecord = [&](const std::uint8_t* record) {
        if (std::memcmp(record, stream + handed, kGameMsgSize) != 0) std::abort();
        handed += kGameMsgSize;
        ReadAsEveryType(record);
        return true;
    };
    while (framer.ReadOnce(read, onRecord) > 0) {
        if (framer.leftbufnum < 0 || framer.leftbufnum >= kGameMsgSize) std::abort();
    }
    if (handed != length / kGameMsgSize * kGameMsgSize || fed != length) std::abort();
    return 0;
}
