#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "online/RecordFramer.h"

namespace {

// A stream of records numbered in their second byte (and their type byte).
std::string Records(int count, int first = 0) {
    std::string bytes;
    for (int i = 0; i < count; i++) {
        std::string record(kGameMsgSize, '\0');
        record[0] = static_cast<char>(100 + (first + i) % 20);
        record[1] = static_cast<char>(first + i);
        record[128] = static_cast<char>(0xAA);
        bytes += record;
    }
    return bytes;
}

// Feeds a stream to a framer in reads of the sizes given (the last size repeats).
class Feeder {
public:
    std::vector<std::string> Feed(const std::string& stream, std::vector<std::size_t> sizes) {
        std::size_t at = 0;
        std::size_t step = 0;
        const auto read = [&](std::uint8_t* buffer, std::size_t room) {
            const std::size_t want = sizes[std::min(step, sizes.size() - 1)];
            const std::size_t n = std::min({want, room, stream.size() - at});
            std::memcpy(buffer, stream.data() + at, n);
            at += n;
            return n;
        };
        while (framer.ReadOnce(read, [&](const std::uint8_t* r) {
            records.emplace_back(reinterpret_cast<const char*>(r), kGameMsgSize);
            return true;
        }) > 0) {
            reads.push_back(records.size());
            step++;
        }
        return records;
    }

    RecordFramer framer;
    std::vector<std::string> records;
    std::vector<std::size_t> reads;  // records handed so far, after each read
};

}  // namespace

TEST(RecordFramer, ARecordSplitAtEveryByteComesOutWholeOnTheSecondRead) {
    const std::string one = Records(1);
    for (std::size_t split = 1; split < static_cast<std::size_t>(kGameMsgSize); split++) {
        Feeder f;
        f.Feed(one, {split, kGameMsgSize});
        ASSERT_EQ(f.records.size(), 1u) << split;
        EXPECT_EQ(f.records[0], one);
        EXPECT_EQ(f.reads, (std::vector<std::size_t>{0, 1})) << split;
        EXPECT_EQ(f.framer.leftbufnum, 0);
    }
}

TEST(RecordFramer, SeveralRecordsInOneReadComeInOrderAndTheRestWaits) {
    const std::string stream = Records(3);
    Feeder f;
    f.Feed(stream, {300, 87});
    EXPECT_EQ(f.reads, (std::vector<std::size_t>{2, 3}));
    ASSERT_EQ(f.records.size(), 3u);
    for (int i = 0; i < 3; i++) EXPECT_EQ(f.records[i], stream.substr(i * kGameMsgSize, kGameMsgSize));

    Feeder exact;
    exact.Feed(Records(2), {258});
    EXPECT_EQ(exact.reads, (std::vector<std::size_t>{2}));
    EXPECT_EQ(exact.framer.leftbufnum, 0);
}

TEST(RecordFramer, AReadKeepsTheTailOfAnIncompleteRecord) {
    Feeder f;
    f.Feed(Records(3).substr(0, 300), {300});
    EXPECT_EQ(f.framer.leftbufnum, 42);
    f.framer.Clear();
    EXPECT_EQ(f.framer.leftbufnum, 0);
}

TEST(RecordFramer, OneByteAtATime) {
    const std::string stream = Records(5);
    Feeder f;
    f.Feed(stream, {1});
    ASSERT_EQ(f.records.size(), 5u);
    EXPECT_EQ(f.records[4], stream.substr(4 * kGameMsgSize));
    EXPECT_EQ(f.reads.size(), stream.size());
}

TEST(RecordFramer, ABurstLargerThanTheBufferIsReadInTurnsAndLosesNothing) {
    const int count = RecordFramer::kWorkBytes / kGameMsgSize * 3 + 7;
    const std::string stream = Records(count);
    Feeder f;
    f.Feed(stream, {stream.size()});
    ASSERT_EQ(f.records.size(), static_cast<std::size_t>(count));
    EXPECT_GE(f.reads.size(), 4u);
    for (int i = 0; i < count; i++)
        ASSERT_EQ(static_cast<unsigned char>(f.records[i][1]), static_cast<unsigned char>(i)) << i;
}

TEST(RecordFramer, AStoppedBatchDropsTheRestOfItsRead) {
    const std::string stream = Records(4);
    RecordFramer framer;
    std::size_t at = 0;
    int handed = 0;
    framer.ReadOnce(
        [&](std::uint8_t* buffer, std::size_t room) {
            const std::size_t n = std::min(room, stream.size() - 10);
            std::memcpy(buffer, stream.data(), n);
            at = n;
            return n;
        },
        [&](const std::uint8_t*) { return ++handed < 2; });
    EXPECT_EQ(handed, 2);
    EXPECT_EQ(framer.leftbufnum, kGameMsgSize - 10);
}
