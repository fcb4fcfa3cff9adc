// Only one copy of the program runs at a time: the first copy holds an exclusive lock on a
// file named after the lock's name, for as long as it lives.  The kernel releases the lock
// when the process ends, however it ends.
//
// The lock file lives in the user's own configuration folder (UserConfigFolder), made for the
// user alone: its place does not depend on a runtime folder, and no other user can create,
// replace or hold it.  Neither the folder nor the file is ever reached through a link.
#pragma once

#include <string>
#include <string_view>

namespace platform {

class SingleInstance {
public:
    // Lock files go into `folder` (a folder on disk); empty: the user's configuration folder.
    explicit SingleInstance(std::string folder = {});
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // Takes the lock `name`.  True when this process is now its holder (or already was), false
    // when another process holds it.  When the lock file cannot be made at all (no folder, a
    // link or something other than a file in its place), the program is let through: true.
    bool IsFirstInstance(std::string_view name);

    // The lock file used for `name`.
    std::string LockFilePath(std::string_view name) const;

private:
    std::string folder_;
    int fd_ = -1;
};

}  // namespace platform
