// Only one copy of the program runs at a time: the first copy holds an exclusive lock on a
// file named after the lock's name, for as long as it lives.  The kernel releases the lock
// when the process ends, however it ends.
#pragma once

#include <string>
#include <string_view>

namespace platform {

class SingleInstance {
public:
    // Lock files go into `folder` (a UTF-8 folder on disk); empty: the default folder,
    // $XDG_RUNTIME_DIR, else /tmp.
    explicit SingleInstance(std::string folder = {});
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // Takes the lock `name`.  True when this process is now its holder (or already was), false
    // when another process holds it.  When the lock file cannot be made at all, the program
    // is let through: true.
    bool IsFirstInstance(std::string_view name);

    // The lock file used for `name` (the user's id is part of it outside $XDG_RUNTIME_DIR).
    std::string LockFilePath(std::string_view name) const;

private:
    std::string folder_;
    bool perUserName_;
    int fd_ = -1;
};

}  // namespace platform
