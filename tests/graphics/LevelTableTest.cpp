// The level table read from level.txt, and the lookups by score.
#include "graphics/LevelTable.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "tests/graphics/GraphicsTestSupport.h"

using namespace graphicstest;

namespace {

class LevelTableTest : public ::testing::Test {
protected:
    void SetUp() override { root_ = testsupport::FreshProgramFolder("levels"); }
    // Writes level.txt with the given GBK text and loads it.
    void Load(const std::string& text) {
        WriteFile(root_ / "level.txt", std::vector<std::uint8_t>(text.begin(), text.end()));
        LoadLevelTable(platform::ProgramPath("level.txt"));
    }
    fs::path root_;
};

struct ScoreCase {
    int score;
    int index;
    const char* title;
};

// Bounds 100, 500 and 2000: the first entry whose bound reaches the score, else the last.
const ScoreCase kScoreCases[] = {
    {-300, 0, "新手"}, {50, 0, "新手"},  {100, 0, "新手"},  {101, 1, "熟手"},
    {500, 1, "熟手"},  {501, 2, "高手"}, {2000, 2, "高手"}, {5000, 2, "高手"},
};

}  // namespace

TEST_F(LevelTableTest, ScoreFindsTheFirstLevelWhoseBoundReachesIt) {
    Load("新手 100\n熟手 500\n高手 2000\n");
    ASSERT_EQ(nLevelCount, 3) << "a closing line break adds no empty entry";
    for (const ScoreCase& c : kScoreCases) {
        EXPECT_EQ(LevelIndexForScore(c.score), c.index) << c.score;
        EXPECT_STREQ(LevelForScore(c.score).title, c.title) << c.score;
    }
    EXPECT_EQ(LevelForScore(101).bound, 500);
}

struct FileCase {
    std::string text;
    int count;
    const char* lastTitle;
    int lastBound;
    const char* why;
};

const FileCase kFileCases[] = {
    {"a 1\r\nb 2\r\n", 2, "b", 2, "Windows line ends"},
    {"a 1 b 2\n\n  c\t3", 3, "c", 3, "pairs are words and numbers wherever they stand"},
    {"a b 7", 1, "b", 7, "a number that does not read leaves its word to be the next title"},
    {"a 5 b", 1, "a", 5, "a title without its bound does not count"},
    {"a -40 b +60", 2, "b", 60, "signed bounds"},
    {"a 99999999999", 1, "a", 2147483647, "bounds beyond 32 bits are held at the limit"},
    {"", 0, "", 0, "an empty file"},
};

TEST_F(LevelTableTest, ReadsTitleAndBoundPairs) {
    for (const FileCase& c : kFileCases) {
        Load(c.text);
        ASSERT_EQ(nLevelCount, c.count) << c.why;
        const LevelEntry& last = LevelTable[c.count > 0 ? c.count - 1 : 0];
        EXPECT_STREQ(last.title, c.lastTitle) << c.why;
        EXPECT_EQ(last.bound, c.lastBound) << c.why;
    }
}

TEST_F(LevelTableTest, KeepsTheFirstFiftyPairs) {
    std::string text;
    for (int i = 1; i <= 60; ++i)
        text += "L" + std::to_string(i) + " " + std::to_string(i * 10) + "\n";
    Load(text);
    EXPECT_EQ(nLevelCount, 50);
    EXPECT_STREQ(LevelTable[49].title, "L50");
    EXPECT_STREQ(LevelForScore(100000).title, "L50");
}

TEST_F(LevelTableTest, LongTitlesAreCutAtACharacterBoundary) {
    // 25 ASCII bytes keep 19; ten two-byte characters (20 bytes) keep nine; a two-byte
    // character that would straddle byte 19 goes whole.
    Load("abcdefghijklmnopqrstuvwxy 1\n一二三四五六七八九十 2\nx一二三四五六七八九十 3\n");
    ASSERT_EQ(nLevelCount, 3);
    EXPECT_STREQ(LevelTable[0].title, "abcdefghijklmnopqrs");
    EXPECT_STREQ(LevelTable[1].title, "一二三四五六七八九");
    EXPECT_STREQ(LevelTable[2].title, "x一二三四五六七八九");
    EXPECT_EQ(LevelTable[2].bound, 3);
}

TEST_F(LevelTableTest, WithoutLevelsTheTitleIsEmptyAndTheIndexZero) {
    Load("新手 100\n");
    LoadLevelTable(platform::ProgramPath("missing.txt"));
    EXPECT_EQ(nLevelCount, 0) << "a new load starts from an empty table";
    EXPECT_STREQ(LevelForScore(50).title, "");
    EXPECT_EQ(LevelIndexForScore(50), 0);
    Load("only words here\n");
    EXPECT_EQ(nLevelCount, 0);
    EXPECT_STREQ(LevelForScore(-1).title, "");
}
