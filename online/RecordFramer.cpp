#include "online/RecordFramer.h"

#include <cstring>

std::size_t RecordFramer::ReadOnce(const ReadFn& read, const RecordFn& onRecord) {
    const int kept = leftbufnum;
    const std::size_t room = static_cast<std::size_t>(kWorkBytes - kept);
    std::memcpy(recvbuf_, leftbuf, static_cast<std::size_t>(kept));
    std::size_t got = read(recvbuf_ + kept, room);
    if (got > room) got = room;  // a reader never reports more than it was given room for
    if (got == 0) return 0;

    const int total = kept + static_cast<int>(got);
    const int whole = total / kGameMsgSize;
    leftbufnum = total % kGameMsgSize;
    std::memcpy(leftbuf, recvbuf_ + whole * kGameMsgSize, static_cast<std::size_t>(leftbufnum));
    for (int i = 0; i < whole; i++) {
        waiting_ = whole - i - 1;
        if (!onRecord(recvbuf_ + i * kGameMsgSize)) break;
    }
    waiting_ = 0;
    return got;
}
