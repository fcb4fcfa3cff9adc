#include "platform/WholeFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>

#include "platform/FileReplacement.h"

namespace platform {

namespace {

// Reads to the end of the file; nothing when it holds more than maxBytes or a read fails.
// The size the file announces is only a hint: files of the kernel's own (/proc, /sys) announce
// none or a page, and a file may grow while it is read.
std::optional<std::string> ReadToEnd(int fd, std::size_t maxBytes, off_t announced) {
    std::string bytes;
    if (announced > 0) bytes.reserve(std::min<std::uint64_t>(announced, maxBytes) + 1);
    char chunk[1 << 14];
    for (;;) {
        const ssize_t n = read(fd, chunk, sizeof chunk);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return std::nullopt;
        if (n == 0) return bytes;
        if (static_cast<std::size_t>(n) > maxBytes - bytes.size()) return std::nullopt;
        bytes.append(chunk, static_cast<std::size_t>(n));
    }
}

}  // namespace

std::optional<std::string> ReadWholeFile(const std::string& diskPath, std::size_t maxBytes) {
    // Only a regular file is opened at all: opening a pipe waits for a writer, and opening a
    // device may do something.  The open itself does not wait either, should the name be
    // swapped for a pipe in between, and the file is checked again once open.
    struct stat st;
    if (stat(diskPath.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
    const int fd = open(diskPath.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) return std::nullopt;
    std::optional<std::string> bytes;
    if (fstat(fd, &st) == 0 && S_ISREG(st.st_mode) &&
        static_cast<std::uint64_t>(st.st_size) <= maxBytes)
        bytes = ReadToEnd(fd, maxBytes, st.st_size);
    close(fd);
    return bytes;
}

bool ReplaceFileContents(const std::string& diskPath, std::string_view bytes) {
    FileReplacement file(diskPath);
    return file.Write(bytes) && file.Commit();
}

}  // namespace platform
