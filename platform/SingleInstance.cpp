#include "platform/SingleInstance.h"

#include <cerrno>
#include <utility>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/ConfigFolder.h"
#include "platform/Path.h"

namespace platform {

namespace {

std::string LockFileName(std::string_view name) { return std::string(name) + ".lock"; }

// Opens (creating it when missing) the lock file `fileName` in `folder`, neither of them through
// a link; -1 when that cannot be done or what is there is not a regular file.
int OpenLockFile(const std::string& folder, const std::string& fileName) {
    if (!MakeDiskFolders(folder, kPrivateFolderMode)) return -1;
    const int dir = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (dir < 0) return -1;
    int fd = openat(dir, fileName.c_str(),
                    O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0600);
    close(dir);
    struct stat st;
    if (fd >= 0 && (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode))) {
        close(fd);
        fd = -1;
    }
    return fd;
}

}  // namespace

SingleInstance::SingleInstance(std::string folder) : folder_(std::move(folder)) {
    if (folder_.empty()) folder_ = UserConfigFolder();
}

SingleInstance::~SingleInstance() {
    if (fd_ >= 0) close(fd_);
}

std::string SingleInstance::LockFilePath(std::string_view name) const {
    return folder_ + "/" + LockFileName(name);
}

bool SingleInstance::IsFirstInstance(std::string_view name) {
    if (fd_ >= 0) return true;
    const int fd = OpenLockFile(folder_, LockFileName(name));
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
