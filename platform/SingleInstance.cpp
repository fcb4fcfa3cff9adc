#include "platform/SingleInstance.h"

#include <cerrno>
#include <cstdlib>
#include <utility>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace platform {

namespace {
std::string RuntimeFolder() {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    return runtime && *runtime ? runtime : "";
}
}  // namespace

SingleInstance::SingleInstance(std::string folder) : folder_(std::move(folder)) {
    // $XDG_RUNTIME_DIR is the user's own; a shared folder such as /tmp needs the user in the
    // name so that two users do not lock each other out.
    perUserName_ = folder_.empty() && RuntimeFolder().empty();
    if (folder_.empty()) folder_ = perUserName_ ? "/tmp" : RuntimeFolder();
}

SingleInstance::~SingleInstance() {
    if (fd_ >= 0) close(fd_);
}

std::string SingleInstance::LockFilePath(std::string_view name) const {
    std::string path = folder_ + "/" + std::string(name);
    if (perUserName_) path += "-" + std::to_string(getuid());
    return path + ".lock";
}

bool SingleInstance::IsFirstInstance(std::string_view name) {
    if (fd_ >= 0) return true;
    // The lock may live in a shared folder (/tmp): never follow a link planted under its name.
    int fd = open(LockFilePath(name).c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0) return true;
    int rc;
    do {
        rc = flock(fd, LOCK_EX | LOCK_NB);
    } while (rc != 0 && errno == EINTR);
    if (rc != 0) {
        bool heldElsewhere = errno == EWOULDBLOCK;
        close(fd);
        return !heldElsewhere;
    }
    fd_ = fd;
    return true;
}

}  // namespace platform
