// A named pipe standing where a file should be, for tests of code that must refuse it without
// waiting.  Opening a pipe for reading waits for a writer, and reading it waits for data: code
// that does either would hang its test.  The trap's watchdog, after a grace period, opens the
// pipe for writing and closes it again, which lets such a reader go on (it sees end of file),
// and records that it had to: the test fails instead of hanging.
#pragma once

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>

namespace platform {

class FifoTrap {
public:
    // Makes the pipe at `diskPath` (which must not exist) and starts watching it.
    explicit FifoTrap(std::string diskPath,
                      std::chrono::milliseconds grace = std::chrono::milliseconds(3000))
        : path_(std::move(diskPath)), made_(mkfifo(path_.c_str(), 0600) == 0) {
        watchdog_ = std::thread([this, grace] { Watch(grace); });
    }
    ~FifoTrap() {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            stopped_ = true;
        }
        wake_.notify_all();
        watchdog_.join();
    }
    FifoTrap(const FifoTrap&) = delete;
    FifoTrap& operator=(const FifoTrap&) = delete;

    // True when the pipe was made.
    bool Made() const { return made_; }
    // True when a reader was found waiting on the pipe after the grace period.
    bool CaughtAReader() const {
        std::lock_guard<std::mutex> lock(mutex_);
        return caught_;
    }

private:
    void Watch(std::chrono::milliseconds grace) {
        std::unique_lock<std::mutex> lock(mutex_);
        if (wake_.wait_for(lock, grace, [this] { return stopped_; })) return;
        // Past the grace period: release every reader, until the test is over.
        while (!stopped_) {
            // A non-blocking open for writing succeeds only while someone has the pipe open
            // (or waits in opening it) for reading.
            const int fd = open(path_.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
            if (fd >= 0) {
                close(fd);
                caught_ = true;
            }
            wake_.wait_for(lock, std::chrono::milliseconds(50), [this] { return stopped_; });
        }
    }

    const std::string path_;
    const bool made_;
    mutable std::mutex mutex_;
    std::condition_variable wake_;
    bool stopped_ = false;
    bool caught_ = false;
    std::thread watchdog_;
};

}  // namespace platform
