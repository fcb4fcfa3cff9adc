#include "platform/WholeFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
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

bool ReadAll(int fd, std::string& bytes) {
    std::size_t got = 0;
    while (got < bytes.size()) {
        const ssize_t n = read(fd, bytes.data() + got, bytes.size() - got);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        got += static_cast<std::size_t>(n);
    }
    return true;
}

mode_t ModeFor(const std::string& diskPath) {
    struct stat st;
    return stat(diskPath.c_str(), &st) == 0 ? (st.st_mode & 07777) : 0644;
}

}  // namespace

std::optional<std::string> ReadWholeFile(const std::string& diskPath, std::size_t maxBytes) {
    // Non-blocking, so that a pipe or device under the name cannot stall the open.
    const int fd = open(diskPath.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return std::nullopt;
    std::optional<std::string> bytes;
    struct stat st;
    if (fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size >= 0 &&
        static_cast<std::uint64_t>(st.st_size) <= maxBytes) {
        bytes.emplace(static_cast<std::size_t>(st.st_size), '\0');
        if (!ReadAll(fd, *bytes)) bytes.reset();
    }
    close(fd);
    return bytes;
}

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
