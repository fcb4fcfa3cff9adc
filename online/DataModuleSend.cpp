// The send queue of the game socket: every outgoing record is appended and sent as far as the
// socket takes it; the rest goes when the socket has room again or with the next record.
#include <cstring>

#include "online/DataModule.h"

void TDataModule1::SendRecord(const void* data, int length) { QueueSend(data, length, true); }

void TDataModule1::QueueSend(const void* data, int length, bool flush) {
    if (length <= 0) return;
    if (sendbufnum + length >= kSendQueueBytes) {
        CloseGameSocket();
        return;
    }
    std::memcpy(sendbuf + sendbufnum, data, static_cast<std::size_t>(length));
    sendbufnum += length;
    if (flush) FlushSend();
}

// Never re-entered: a room event that comes while sending only finds the loop running.
void TDataModule1::FlushSend() {
    if (flushing_) return;
    flushing_ = true;
    while (sendbufnum > 0) {
        const std::size_t sent =
            ClientSocket1.Socket().Write(sendbuf, static_cast<std::size_t>(sendbufnum));
        if (sent == 0) break;
        sendbufnum -= static_cast<int>(sent);
        std::memmove(sendbuf, sendbuf + sent, static_cast<std::size_t>(sendbufnum));
    }
    flushing_ = false;
}
