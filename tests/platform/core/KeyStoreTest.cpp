#include "platform/KeyStore.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "tests/support/ScratchFolder.h"

namespace fs = std::filesystem;
using platform::KeyStore;

namespace {

const char kUserKey[] = "HKEY_CURRENT_USER\\Software\\Pemra\\InstalledGame\\6";
const char kMachineKey[] = "HKEY_LOCAL_MACHINE\\Software\\Tovalink Portal\\Game\\0";

class KeyStoreTest : public ::testing::Test {
protected:
    void SetUp() override { folder_ = testsupport::ScratchFolder("keystore"); }
    std::string StorePath() const { return (folder_ / "config" / "registry.txt").string(); }

    fs::path folder_;
};

TEST_F(KeyStoreTest, ValuesSurviveASaveAndALoad) {
    KeyStore store(StorePath());
    ASSERT_TRUE(store.Load());  // no file yet: an empty store
    store.SetString(kUserKey, "GameName", "\xB4\xE4\xC1\xEB");  // GBK bytes kept as they are
    store.SetString(kUserKey, "GamePath", "/opt/game\\mahjong");
    store.SetString(kUserKey, "Odd", "tab\there%25\r\nnext line %");
    store.SetString(kUserKey, "Empty", "");
    store.SetInt(kUserKey, "Count", -2147483647 - 1);
    store.SetString(kMachineKey, "ExePath", "/opt/game\\mahjong");
    store.CreateKey("HKEY_CURRENT_USER\\Software\\Empty");
    ASSERT_TRUE(store.Save());  // creates the missing folder

    KeyStore again(StorePath());
    ASSERT_TRUE(again.Load());
    EXPECT_EQ(again.GetString(kUserKey, "GameName"), "\xB4\xE4\xC1\xEB");
    EXPECT_EQ(again.GetString(kUserKey, "GamePath"), "/opt/game\\mahjong");
    EXPECT_EQ(again.GetString(kUserKey, "Odd"), "tab\there%25\r\nnext line %");
    EXPECT_EQ(again.GetString(kUserKey, "Empty"), "");
    EXPECT_EQ(again.GetInt(kUserKey, "Count"), -2147483647 - 1);
    EXPECT_EQ(again.GetString(kMachineKey, "ExePath"), "/opt/game\\mahjong");
    EXPECT_TRUE(again.HasKey("HKEY_CURRENT_USER\\Software\\Empty"));
    EXPECT_FALSE(fs::exists(StorePath() + ".tmp"));
}

TEST_F(KeyStoreTest, KeysAndNamesIgnoreAsciiCase) {
    KeyStore store(StorePath());
    store.SetString(kUserKey, "Version", "7");
    store.SetString("hkey_current_user\\SOFTWARE\\pemra\\installedgame\\6", "VERSION", "8");
    EXPECT_EQ(store.GetString(kUserKey, "version"), "8");
    EXPECT_TRUE(store.HasKey("HKEY_CURRENT_USER\\software\\Pemra\\InstalledGame\\6"));
}

TEST_F(KeyStoreTest, TwoByteCharactersAreNotFoldedByTheirTrailByte) {
    // 0x81 0x41 and 0x81 0x61 are two different GBK characters, though their trail bytes are
    // 'A' and 'a'.
    KeyStore store(StorePath());
    store.SetString(kUserKey, "\x81\x41", "first");
    store.SetString(kUserKey, "\x81\x61", "second");
    EXPECT_EQ(store.GetString(kUserKey, "\x81\x41"), "first");
    EXPECT_EQ(store.GetString(kUserKey, "\x81\x61"), "second");
    EXPECT_EQ(store.GetString(kUserKey, "x\x81\x41"), std::nullopt);
}

TEST_F(KeyStoreTest, AValueHasOneTypeAtATime) {
    KeyStore store(StorePath());
    store.SetInt(kUserKey, "GameID", 6);
    EXPECT_EQ(store.GetString(kUserKey, "GameID"), std::nullopt);
    store.SetString(kUserKey, "GameID", "6");
    EXPECT_EQ(store.GetString(kUserKey, "GameID"), "6");
    EXPECT_EQ(store.GetInt(kUserKey, "GameID"), std::nullopt);
    EXPECT_EQ(store.GetString(kMachineKey, "GameID"), std::nullopt);
    EXPECT_FALSE(store.HasKey(kMachineKey));
}

TEST_F(KeyStoreTest, DamagedLinesAreSkipped) {
    fs::create_directories(folder_ / "config");
    std::ofstream(StorePath(), std::ios::binary)
        << "S\tKey\tGood\tyes\n"
        << "garbage without tabs\n"
        << "I\tKey\tTooBig\t4294967296\n"
        << "I\tKey\tNotANumber\t12x\n"
        << "S\tKey\tMissingValue\n"
        << "X\tKey\tUnknown\tkind\n"
        << "S\tKey\tBadEscape\t%G1%4\n"
        << "I\tKey\tGoodInt\t42";  // no line break at the end
    KeyStore store(StorePath());
    ASSERT_TRUE(store.Load());
    EXPECT_EQ(store.GetString("Key", "Good"), "yes");
    EXPECT_EQ(store.GetInt("Key", "GoodInt"), 42);
    EXPECT_EQ(store.GetString("Key", "BadEscape"), "%G1%4");
    for (const char* name : {"TooBig", "NotANumber", "MissingValue", "Unknown"}) {
        EXPECT_EQ(store.GetInt("Key", name), std::nullopt) << name;
        EXPECT_EQ(store.GetString("Key", name), std::nullopt) << name;
    }
}

TEST_F(KeyStoreTest, LoadReplacesWhatTheStoreHeld) {
    KeyStore store(StorePath());
    store.SetString("Key", "Old", "1");
    ASSERT_TRUE(store.Load());
    EXPECT_FALSE(store.HasKey("Key"));
}

TEST_F(KeyStoreTest, UnwritableStoreReportsFailure) {
    fs::create_directories(folder_);
    std::ofstream(folder_ / "file") << "x";  // a file where the folder should be
    KeyStore store((folder_ / "file" / "registry.txt").string());
    store.SetString("Key", "Name", "value");
    EXPECT_FALSE(store.Save());
    EXPECT_FALSE(KeyStore("").Save());
}

TEST_F(KeyStoreTest, StoreThatCannotBeReadOrRenamedIntoPlaceReportsFailure) {
    fs::create_directories(fs::path(StorePath()) / "in the way");  // a folder at the store's path
    KeyStore store(StorePath());
    EXPECT_FALSE(store.Load());
    store.SetString("Key", "Name", "value");
    EXPECT_FALSE(store.Save());
    EXPECT_EQ(std::distance(fs::directory_iterator(folder_ / "config"), fs::directory_iterator()), 1);
}

TEST_F(KeyStoreTest, DefaultPathIsInTheUsersConfigFolder) {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    const bool hadConfig = config != nullptr;
    const std::string saved = hadConfig ? config : "";
    setenv("XDG_CONFIG_HOME", "/cfg", 1);
    EXPECT_EQ(KeyStore::DefaultPath(), "/cfg/mahjong/registry.txt");
    unsetenv("XDG_CONFIG_HOME");
    if (const char* home = std::getenv("HOME")) {
        EXPECT_EQ(KeyStore::DefaultPath(), std::string(home) + "/.config/mahjong/registry.txt");
    }
    if (hadConfig) setenv("XDG_CONFIG_HOME", saved.c_str(), 1);
}

}  // namespace
