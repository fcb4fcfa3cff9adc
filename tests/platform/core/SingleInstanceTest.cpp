#include "platform/SingleInstance.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include "tests/support/ScratchFolder.h"

namespace fs = std::filesystem;
using platform::SingleInstance;

namespace {

// A lock folder of the test's own, so that tests running side by side do not meet.
std::string LockFolder() { return testsupport::ScratchFolder("locks").string(); }

// A child process that takes the lock, reports whether it got it, then waits to be killed.
class LockHolder {
public:
    explicit LockHolder(const std::string& folder) {
        int fds[2];
        if (pipe(fds) != 0) return;
        pid_ = fork();
        if (pid_ == 0) {
            close(fds[0]);
            SingleInstance instance(folder);
            char got = instance.IsFirstInstance("qelu") ? 'y' : 'n';
            if (write(fds[1], &got, 1) != 1) _exit(1);
            for (;;) pause();
        }
        close(fds[1]);
        char got = 0;
        if (pid_ > 0 && read(fds[0], &got, 1) == 1) holds_ = got == 'y';
        close(fds[0]);
    }
    ~LockHolder() { Kill(); }
    bool Holds() const { return holds_; }
    void Kill() {
        if (pid_ <= 0) return;
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
        pid_ = -1;
    }

private:
    pid_t pid_ = -1;
    bool holds_ = false;
};

TEST(SingleInstance, SecondCopyIsRefusedUntilTheFirstDies) {
    const std::string folder = LockFolder();
    LockHolder first(folder);
    ASSERT_TRUE(first.Holds());
    {
        SingleInstance second(folder);
        EXPECT_FALSE(second.IsFirstInstance("qelu"));
    }
    first.Kill();  // killed, not shut down: the kernel releases the lock
    SingleInstance third(folder);
    EXPECT_TRUE(third.IsFirstInstance("qelu"));
    EXPECT_TRUE(third.IsFirstInstance("qelu"));  // asking again keeps it
}

TEST(SingleInstance, LockIsReleasedWhenTheHolderIsDestroyed) {
    const std::string folder = LockFolder();
    {
        SingleInstance holder(folder);
        ASSERT_TRUE(holder.IsFirstInstance("qelu"));
        LockHolder other(folder);
        EXPECT_FALSE(other.Holds());
    }
    LockHolder later(folder);
    EXPECT_TRUE(later.Holds());
}

TEST(SingleInstance, DifferentNamesDoNotBlockEachOther) {
    const std::string folder = LockFolder();
    SingleInstance a(folder), b(folder);
    EXPECT_TRUE(a.IsFirstInstance("qelu"));
    EXPECT_TRUE(b.IsFirstInstance("other"));
}

TEST(SingleInstance, UnusableLockFolderLetsTheProgramStart) {
    const fs::path inTheWay = fs::path(LockFolder()) / "a file";  // no folder can be made below
    std::ofstream(inTheWay) << "x";
    SingleInstance instance((inTheWay / "folder").string());
    EXPECT_TRUE(instance.IsFirstInstance("qelu"));
}

}  // namespace
