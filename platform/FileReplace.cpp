#include "platform/FileReplace.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <vector>

namespace platform {

namespace {

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

mode_t ModeFor(const std::string& diskPath) {
    struct stat st;
    return stat(diskPath.c_str(), &st) == 0 ? (st.st_mode & 07777) : 0644;
}

}  // namespace

bool ReplaceFileContents(const std::string& diskPath, std::string_view bytes) {
    std::string pattern = diskPath + ".XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    const int fd = mkostemp(name.data(), O_CLOEXEC);
    if (fd < 0) return false;
    const bool written = WriteAll(fd, bytes) && fchmod(fd, ModeFor(diskPath)) == 0;
    const bool closed = close(fd) == 0;
    if (!written || !closed || std::rename(name.data(), diskPath.c_str()) != 0) {
        std::remove(name.data());
        return false;
    }
    return true;
}

}  // namespace platform
