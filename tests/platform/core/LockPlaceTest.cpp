// Where the single-instance lock lives: in the user's own configuration folder, wherever the
// runtime folder is or whether there is one, made for the user alone and never through a link.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "platform/KeyStore.h"
#include "platform/SingleInstance.h"

namespace fs = std::filesystem;
using platform::SingleInstance;

namespace {

// Sets (or, given nothing, removes) an environment variable for the life of the object.
class ScopedEnv {
public:
    ScopedEnv(const char* name, std::optional<std::string> value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        if (value)
            setenv(name, value->c_str(), 1);
        else
            unsetenv(name);
    }
    ~ScopedEnv() {
        if (old_)
            setenv(name_, old_->c_str(), 1);
        else
            unsetenv(name_);
    }

private:
    const char* name_;
    std::optional<std::string> old_;
};

// A fresh folder of the test's own, holding its home and runtime folders.
fs::path FreshRoot() {
    const fs::path root = fs::path(MJ_TEST_OUT_DIR) / "lockplace" /
                          ::testing::UnitTest::GetInstance()->current_test_info()->name();
    fs::remove_all(root);
    fs::create_directories(root / "runtime");
    fs::create_directories(root / "home");
    return root;
}

class LockPlaceTest : public ::testing::Test {
protected:
    const fs::path root_ = FreshRoot();
    ScopedEnv home_{"HOME", (root_ / "home").string()};
    ScopedEnv config_{"XDG_CONFIG_HOME", std::nullopt};
    ScopedEnv runtime_{"XDG_RUNTIME_DIR", std::nullopt};
};

mode_t ModeOf(const fs::path& path) {
    struct stat st;
    return lstat(path.c_str(), &st) == 0 ? st.st_mode & 07777 : 07777;
}

TEST_F(LockPlaceTest, TwoStartsMeetWithAndWithoutARuntimeFolder) {
    ScopedEnv config("XDG_CONFIG_HOME", (root_ / "config").string());
    const std::string lock = (root_ / "config" / "mahjong" / "qelu.lock").string();
    std::optional<SingleInstance> first;
    {
        ScopedEnv runtime("XDG_RUNTIME_DIR", (root_ / "runtime").string());
        first.emplace();
        EXPECT_EQ(first->LockFilePath("qelu"), lock);
        ASSERT_TRUE(first->IsFirstInstance("qelu"));
    }
    SingleInstance second;  // no runtime folder now
    EXPECT_EQ(second.LockFilePath("qelu"), lock);
    EXPECT_FALSE(second.IsFirstInstance("qelu"));
    // The lock lives where the key store does.
    EXPECT_EQ(fs::path(platform::KeyStore::DefaultPath()).parent_path(),
              fs::path(lock).parent_path());
}

TEST_F(LockPlaceTest, WithoutAConfigFolderTheHomeConfigIsUsed) {
    const std::string lock = (root_ / "home" / ".config" / "mahjong" / "qelu.lock").string();
    EXPECT_EQ(SingleInstance().LockFilePath("qelu"), lock);
    ScopedEnv relative("XDG_CONFIG_HOME", "relative/config");  // not absolute: ignored
    EXPECT_EQ(SingleInstance().LockFilePath("qelu"), lock);
}

TEST_F(LockPlaceTest, FolderAndLockAreTheUsersAlone) {
    SingleInstance instance;
    ASSERT_TRUE(instance.IsFirstInstance("qelu"));
    EXPECT_EQ(ModeOf(root_ / "home" / ".config"), 0700u);
    EXPECT_EQ(ModeOf(root_ / "home" / ".config" / "mahjong"), 0700u);
    EXPECT_EQ(ModeOf(root_ / "home" / ".config" / "mahjong" / "qelu.lock"), 0600u);
}

TEST_F(LockPlaceTest, LinksAreNeverFollowed) {
    ScopedEnv config("XDG_CONFIG_HOME", (root_ / "config").string());
    fs::create_directories(root_ / "config" / "mahjong");
    fs::create_directories(root_ / "elsewhere");
    fs::create_symlink(root_ / "elsewhere" / "planted", root_ / "config" / "mahjong" / "qelu.lock");
    SingleInstance(std::string()).IsFirstInstance("qelu");
    EXPECT_FALSE(fs::exists(root_ / "elsewhere" / "planted"));

    // The configuration folder itself as a link to another folder.
    fs::remove_all(root_ / "config" / "mahjong");
    fs::create_directory_symlink(root_ / "elsewhere", root_ / "config" / "mahjong");
    SingleInstance(std::string()).IsFirstInstance("qelu");
    EXPECT_FALSE(fs::exists(root_ / "elsewhere" / "qelu.lock"));
}

}  // namespace
