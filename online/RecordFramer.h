// Cuts a byte stream into whole 129-byte records.  The bytes of an incomplete record wait for
// the next read; a read puts them at the start of a work buffer, reads new bytes behind them
// (at most what the buffer has room for), keeps the new incomplete tail, and only then hands
// each whole record on, in stream order, as a pointer into the work buffer.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>

#include "online/GameMsg.h"

class RecordFramer {
public:
    static constexpr int kWorkBytes = 50000;
    static constexpr int kMaxKept = kGameMsgSize - 1;

    // Reads into the buffer, `room` bytes at most; answers how many it read (0: nothing).
    using ReadFn = std::function<std::size_t(std::uint8_t* buffer, std::size_t room)>;
    // Takes one whole record; false stops the batch (the rest of this read is dropped).
    using RecordFn = std::function<bool(const std::uint8_t* record)>;

    // One read and its records; returns the bytes read.
    std::size_t ReadOnce(const ReadFn& read, const RecordFn& onRecord);
    // While a record is handled: how many whole records of the same read wait behind it.
    int RecordsWaiting() const { return waiting_; }
    // Drops the incomplete record.
    void Clear() { leftbufnum = 0; }

    int leftbufnum = 0;                     // bytes kept, 0..128
    std::uint8_t leftbuf[kMaxKept] = {};

private:
    std::uint8_t recvbuf_[kWorkBytes] = {};
    int waiting_ = 0;
};
