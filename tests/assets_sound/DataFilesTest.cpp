// The data files in the built program folder: GBK text the program's readers take, pointing
// at the loopback test server.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <sstream>

#include "GameFolder.h"
#include "IniText.h"
#include "platform/Gbk.h"
#include "tools/data/DataTable.h"

namespace {

std::string GameFile(std::string_view gamePath) { return ReadBytes(ExactDiskPath(gamePath)); }

// Whitespace-separated words, as the program reads Chat.txt and level.txt.
std::vector<std::string> Words(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> words;
    for (std::string w; in >> w;) words.push_back(w);
    return words;
}

bool IsDecimal(const std::string& s) {
    return !s.empty() && s.find_first_not_of("0123456789") == std::string::npos;
}

TEST(DataFolder, HoldsEveryDataFileAsTheGbkTextOfItsSource) {
    for (const auto& f : gamefiles::DataFiles()) {
        const std::string path = ExactDiskPath(f.gamePath);
        ASSERT_TRUE(std::filesystem::is_regular_file(path)) << f.gamePath;
        const std::string gbk = ReadBytes(path);
        const std::string source = ReadBytes(std::string(MJ_DATA_SOURCE_DIR) + "/" + std::string(f.source));
        EXPECT_FALSE(gbk.empty()) << f.gamePath;
        // The settings file is the player's once it is there: the game rewrites it.
        if (f.kind == gamefiles::DataKind::Settings) continue;
        EXPECT_EQ(platform::GbkToUtf8(gbk), source) << f.gamePath;
        EXPECT_EQ(gbk.find("\xEF\xBF\xBD"), std::string::npos) << f.gamePath;
    }
}

TEST(Dirconfig, ListsServerLinesOnTheLoopbackTestServer) {
    const IniText ini(GameFile("Dirconfig.ini"));
    const auto count = ini.Get("Public", "ServerNum");
    ASSERT_TRUE(count && IsDecimal(*count));
    const int lines = std::stoi(*count);
    EXPECT_GE(lines, 1);
    EXPECT_LE(lines, 5);  // the chooser has five line buttons
    for (int i = 0; i < lines; ++i) {
        const std::string section = "DIRSERVER" + std::to_string(i);
        const auto name = ini.Get(section, "name"), host = ini.Get(section, "host"), port = ini.Get(section, "port");
        ASSERT_TRUE(name && host && port) << section;
        EXPECT_FALSE(name->empty()) << section;
        EXPECT_LE(name->size(), 49u) << section;  // a 50-byte field with its terminator
        EXPECT_EQ(*host, "127.0.0.1") << section;
        EXPECT_EQ(*port, "1982") << section;
    }
    EXPECT_FALSE(ini.HasSection("DIRSERVER" + std::to_string(lines)));
}

TEST(NetworkCfg, SendsLoginAndSignUpToTheLoopbackServer) {
    const IniText ini(GameFile("Network.cfg"));
    EXPECT_EQ(ini.Get("loginserver", "ip").value_or(""), "127.0.0.1");
    EXPECT_EQ(ini.Get("loginserver", "regip").value_or(""), "127.0.0.1");
    EXPECT_LE(ini.Get("loginserver", "name").value_or("").size(), 20u);
}

TEST(LevelTable, IsOneTitleAndAscendingBoundForEveryLevelMark) {
    const auto words = Words(GameFile("level.txt"));
    ASSERT_EQ(words.size() % 2, 0u) << "a title without its bound";
    EXPECT_EQ(words.size() / 2, 20u) << "the level picture has 20 marks";
    long previous = -1;
    for (std::size_t i = 0; i + 1 < words.size(); i += 2) {
        EXPECT_LE(words[i].size(), 19u) << platform::GbkToUtf8(words[i]);
        EXPECT_FALSE(IsDecimal(words[i])) << "entry " << i / 2 << " has no title";
        ASSERT_TRUE(IsDecimal(words[i + 1])) << platform::GbkToUtf8(words[i]);
        const long bound = std::stol(words[i + 1]);
        EXPECT_GT(bound, previous) << platform::GbkToUtf8(words[i]);
        previous = bound;
    }
}

TEST(QuickPhrases, AreOneSendablePhrasePerLine) {
    const std::string text = GameFile("Chat.txt");
    const auto phrases = Words(text);
    EXPECT_FALSE(phrases.empty());
    std::istringstream lines(text);
    std::size_t lineCount = 0;
    for (std::string line; std::getline(lines, line);)
        if (!line.empty()) ++lineCount;
    EXPECT_EQ(phrases.size(), lineCount) << "a phrase with a blank would be cut in two";
    for (const auto& p : phrases) EXPECT_LE(p.size(), 127u) << platform::GbkToUtf8(p);  // one chat record
}

TEST(LocalPages, AreGbkPagesThatNeedNothingFromTheNetwork) {
    for (const char* page : {"ad\\pop.htm", "ad\\closead.htm", "help.htm"}) {
        const std::string html = GameFile(page);
        EXPECT_NE(html.find("charset=gbk"), std::string::npos) << page;
        EXPECT_NE(html.find("</html>"), std::string::npos) << page;
        EXPECT_EQ(html.find("http:"), std::string::npos) << page;
        EXPECT_EQ(html.find("https:"), std::string::npos) << page;
        EXPECT_EQ(html.find("src="), std::string::npos) << page;
    }
}

// The start notice tells of both rule families a new game offers, not of the Official rules
// alone: a player who keeps the names dialog's choice plays the second family.
TEST(LocalPages, TheStartNoticeNamesBothRuleFamilies) {
    const std::string html = GameFile("ad\\pop.htm");  // GBK, as the literals are
    EXPECT_NE(html.find("国标麻将（起和八番）"), std::string::npos);
    EXPECT_NE(html.find("大众麻将（不限番数"), std::string::npos);
}

// The help page tells of the rule families, saving and each item key, as the table shows them:
// under the Official rules the ready button stands dimmed in the claim row, and the exchange
// is confirmed with the button that reads 确定.
TEST(LocalPages, TheHelpPageTellsTheRulesSavingAndTheItemKeys) {
    const std::string html = GameFile("help.htm");  // GBK, as the literals are
    for (const char* words : {"国标麻将", "大众麻将", "保存", "离开", "F1", "F3", "F7",
                              "“听”按钮也在其中，但总是灰的", "点桌上出现的“确定”按钮"})
        EXPECT_NE(html.find(words), std::string::npos) << platform::GbkToUtf8(words);
    for (const char* words : {"没有听牌按钮", "换牌按钮"})
        EXPECT_EQ(html.find(words), std::string::npos) << platform::GbkToUtf8(words);
}

// A new program folder's settings give the four seats four different pictures (ids 0 to 11).
TEST(FirstSettings, GiveTheFourSeatsDifferentPictures) {
    const IniText ini(ReadBytes(std::string(MJ_DATA_SOURCE_DIR) + "/SET.ini"));
    std::set<std::string> ids;
    for (const char* key : {"SPlayer", "EPlayer", "NPlayer", "WPlayer"}) {
        const auto id = ini.Get("Avatar", key);
        ASSERT_TRUE(id && IsDecimal(*id)) << key;
        EXPECT_LT(std::stoi(*id), 12) << key;
        ids.insert(*id);
    }
    EXPECT_EQ(ids.size(), 4u);
    EXPECT_TRUE(std::filesystem::is_regular_file(ExactDiskPath("SET.ini")));
}

}  // namespace
