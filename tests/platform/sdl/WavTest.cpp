#include "platform/Wav.h"

#include <gtest/gtest.h>

#include "WavBuilder.h"

using namespace platform;
using namespace soundtest;

namespace {

std::optional<WavSound> Parse(const std::vector<std::uint8_t>& bytes) {
    return ParseWav(bytes.data(), bytes.size());
}

const std::vector<std::uint8_t> kFourBytes = {1, 2, 3, 4};

struct FormatCase { WavShape shape; std::size_t frames; };
const FormatCase kFormatCases[] = {
    {{1, 1, 22050, 16}, 2},
    {{1, 2, 22050, 16}, 1},
    {{1, 1, 8000, 8}, 4},
    {{1, 2, 48000, 8}, 2},
};

}  // namespace

TEST(WavParse, ReadsPcmOfEveryWidthAndChannelCount) {
    for (const auto& c : kFormatCases) {
        const auto sound = Parse(WavBytes(c.shape, kFourBytes));
        ASSERT_TRUE(sound) << c.shape.channels << "ch " << c.shape.bits << "bit";
        EXPECT_EQ(sound->format.channels, c.shape.channels);
        EXPECT_EQ(sound->format.sampleRate, static_cast<int>(c.shape.rate));
        EXPECT_EQ(sound->format.bitsPerSample, c.shape.bits);
        EXPECT_EQ(sound->Frames(), c.frames);
        EXPECT_EQ(sound->data, kFourBytes);
    }
}

TEST(WavParse, WalksPastOtherChunksByTheirLengths) {
    std::vector<std::uint8_t> chunks;
    PutChunk(chunks, "LIST", {'a', 'b', 'c'});  // odd length: a pad byte follows
    PutChunk(chunks, "fmt ", FmtBody({}));
    PutChunk(chunks, "fact", {0, 0, 0, 0});
    PutChunk(chunks, "data", kFourBytes);
    const auto sound = Parse(Riff(chunks));
    ASSERT_TRUE(sound);
    EXPECT_EQ(sound->data, kFourBytes);
}

TEST(WavParse, DropsAPartialFrameAtTheEnd) {
    WavShape stereo;
    stereo.channels = 2;
    const auto sound = Parse(WavBytes(stereo, {1, 2, 3, 4, 5, 6}));
    ASSERT_TRUE(sound);
    EXPECT_EQ(sound->Frames(), 1u);
    EXPECT_EQ(sound->data.size(), 4u);
}

TEST(WavParse, RefusesDamagedFiles) {
    const std::vector<std::uint8_t> good = WavBytes({}, kFourBytes);
    auto shape = [](auto change) { WavShape s; change(s); return WavBytes(s, kFourBytes); };
    auto withData = [](const std::vector<std::uint8_t>& dataChunkBody, std::uint32_t claimed) {
        std::vector<std::uint8_t> chunks;
        PutChunk(chunks, "fmt ", FmtBody({}));
        chunks.insert(chunks.end(), {'d', 'a', 't', 'a'});
        Put32(chunks, claimed);
        chunks.insert(chunks.end(), dataChunkBody.begin(), dataChunkBody.end());
        return Riff(chunks);
    };
    std::vector<std::uint8_t> riffTooLong = good;
    riffTooLong[4] += 10;
    std::vector<std::uint8_t> notWave = good;
    notWave[8] = 'X';
    std::vector<std::uint8_t> fmt14 = FmtBody({});
    fmt14.resize(14);
    std::vector<std::uint8_t> shortFmt;
    PutChunk(shortFmt, "fmt ", fmt14);
    PutChunk(shortFmt, "data", kFourBytes);
    std::vector<std::uint8_t> noData;
    PutChunk(noData, "fmt ", FmtBody({}));
    std::vector<std::uint8_t> noFmt;
    PutChunk(noFmt, "data", kFourBytes);

    const struct { const char* what; std::vector<std::uint8_t> bytes; } cases[] = {
        {"empty", {}},
        {"truncated header", std::vector<std::uint8_t>(good.begin(), good.begin() + 10)},
        {"truncated in the data chunk", std::vector<std::uint8_t>(good.begin(), good.end() - 2)},
        {"RIFF length past the end", riffTooLong},
        {"data length past the end", withData(kFourBytes, 0x7FFFFFF0)},
        {"data length off by one", withData(kFourBytes, 5)},
        {"not WAVE", notWave},
        {"fmt chunk too short", Riff(shortFmt)},
        {"no data chunk", Riff(noData)},
        {"no fmt chunk", Riff(noFmt)},
        {"empty data", withData({}, 0)},
        {"not PCM (float)", shape([](WavShape& s) { s.formatTag = 3; })},
        {"not PCM (extensible)", shape([](WavShape& s) { s.formatTag = 0xFFFE; })},
        {"zero channels", shape([](WavShape& s) { s.channels = 0; })},
        {"three channels", shape([](WavShape& s) { s.channels = 3; })},
        {"24 bits", shape([](WavShape& s) { s.bits = 24; })},
        {"zero bits", shape([](WavShape& s) { s.bits = 0; })},
        {"zero rate", shape([](WavShape& s) { s.rate = 0; })},
        {"huge rate", shape([](WavShape& s) { s.rate = 0xFFFFFFFF; })},
        {"block align disagrees", shape([](WavShape& s) { s.blockAlign = 7; })},
    };
    for (const auto& c : cases) EXPECT_FALSE(Parse(c.bytes)) << c.what;
    EXPECT_FALSE(ParseWav(nullptr, 100));
}

TEST(WavParse, MissingFileIsRefused) {
    EXPECT_FALSE(LoadWavFile(std::string(MJ_TEST_OUT_DIR) + "/no such.wav"));
}

TEST(WavConvert, WidensEightBitAndDoublesMono) {
    WavShape shape;
    shape.bits = 8;
    shape.rate = 44100;
    const auto sound = Parse(WavBytes(shape, {128, 255, 0, 64}));
    ASSERT_TRUE(sound);
    EXPECT_EQ(WavToStereo16(*sound, 44100),
              (std::vector<std::int16_t>{0, 0, 127 * 256, 127 * 256, -32768, -32768, -16384, -16384}));
}

TEST(WavConvert, KeepsStereoChannelsApart) {
    WavShape shape;
    shape.channels = 2;
    shape.rate = 44100;
    const auto sound = Parse(WavBytes(shape, Pcm16({100, -200, 300, -400})));
    ASSERT_TRUE(sound);
    EXPECT_EQ(WavToStereo16(*sound, 44100), (std::vector<std::int16_t>{100, -200, 300, -400}));
}

TEST(WavConvert, DoublesTheRateByInterpolating) {
    const auto sound = Parse(WavBytes({}, Pcm16({0, 1000, -1000})));  // 22050 Hz mono
    ASSERT_TRUE(sound);
    const auto out = WavToStereo16(*sound, 44100);
    ASSERT_EQ(out.size(), 12u);
    const std::int16_t left[] = {0, 500, 1000, 0, -1000, -1000};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(out[i * 2], left[i]) << i;
}

TEST(WavConvert, HalvesTheRate) {
    WavShape shape;
    shape.rate = 88200;
    const auto sound = Parse(WavBytes(shape, Pcm16({10, 20, 30, 40, 50})));
    ASSERT_TRUE(sound);
    const auto out = WavToStereo16(*sound, 44100);
    EXPECT_EQ(out, (std::vector<std::int16_t>{10, 10, 30, 30, 50, 50}));
}

TEST(WavConvert, RefusesASoundThatWouldGrowPastTheLimit) {
    // 400,000 one-byte frames at 1 kHz are 6.7 minutes: 17.6 million frames at 44.1 kHz.
    WavShape shape;
    shape.bits = 8;
    shape.rate = 1000;
    const auto sound = Parse(WavBytes(shape, std::vector<std::uint8_t>(400000, 128)));
    ASSERT_TRUE(sound);
    EXPECT_TRUE(WavToStereo16(*sound, 44100).empty());
    EXPECT_EQ(WavToStereo16(*sound, 1000).size(), 800000u);  // at its own rate it fits
}
