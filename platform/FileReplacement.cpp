#include "platform/FileReplacement.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <optional>

namespace platform {

namespace {

constexpr char kTemporaryMark[] = ".tmp-";
constexpr std::size_t kTemporaryMarkLength = sizeof kTemporaryMark - 1;
constexpr std::size_t kUniqueLength = 6;  // the letters and digits mkostemp fills in
constexpr int kMaxLinks = 40;             // as many as the kernel follows in one path
constexpr int kCreateAttempts = 8;

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
}

std::string NameOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The file that links at `path` lead to (`path` itself when it is no link); nothing when the
// links loop or one cannot be read.
std::optional<std::string> FollowLinks(std::string path) {
    for (int hops = 0; hops <= kMaxLinks; ++hops) {
        struct stat st;
        if (lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
        char target[PATH_MAX];
        const ssize_t n = readlink(path.c_str(), target, sizeof target);
        if (n <= 0 || static_cast<std::size_t>(n) == sizeof target) return std::nullopt;
        const std::string next(target, static_cast<std::size_t>(n));
        path = next[0] == '/' ? next : FolderOf(path) + "/" + next;
    }
    return std::nullopt;
}

bool IsTemporaryOf(const std::string& name, const std::string& targetName) {
    if (name.size() != targetName.size() + kTemporaryMarkLength + kUniqueLength ||
        name.compare(0, targetName.size(), targetName) != 0 ||
        name.compare(targetName.size(), kTemporaryMarkLength, kTemporaryMark) != 0)
        return false;
    for (std::size_t i = name.size() - kUniqueLength; i < name.size(); ++i) {
        const char c = name[i];
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')))
            return false;
    }
    return true;
}

bool SameFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// Removes the temporary file at `path` when it is the user's own regular file and no writer
// holds its lock.
void RemoveIfStale(const std::string& path) {
    const int fd = open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return;
    struct stat opened, named;
    if (fstat(fd, &opened) == 0 && S_ISREG(opened.st_mode) && opened.st_uid == geteuid() &&
        flock(fd, LOCK_EX | LOCK_NB) == 0 && lstat(path.c_str(), &named) == 0 &&
        SameFile(opened, named))
        unlink(path.c_str());
    close(fd);
}

void ClearStaleTemporaries(const std::string& target) {
    const std::string folder = FolderOf(target);
    const std::string targetName = NameOf(target);
    DIR* dir = opendir(folder.c_str());
    if (!dir) return;
    while (const dirent* entry = readdir(dir))
        if (IsTemporaryOf(entry->d_name, targetName)) RemoveIfStale(folder + "/" + entry->d_name);
    closedir(dir);
}

mode_t ModeFor(const std::string& target) {
    struct stat st;
    return stat(target.c_str(), &st) == 0 ? (st.st_mode & 07777) : 0644;
}

// Makes the writes of the folder's entries (the rename) durable; a folder that cannot be
// synced changes nothing about the result.
void SyncFolder(const std::string& folder) {
    const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    fsync(fd);
    close(fd);
}

}  // namespace

FileReplacement::FileReplacement(const std::string& diskPath) {
    const std::optional<std::string> target = FollowLinks(diskPath);
    if (!target) return;
    target_ = *target;
    ClearStaleTemporaries(target_);
    for (int attempt = 0; attempt < kCreateAttempts; ++attempt) {
        std::string name = target_ + kTemporaryMark + std::string(kUniqueLength, 'X');
        const int fd = mkostemp(name.data(), O_CLOEXEC | O_NOFOLLOW);
        if (fd < 0) return;
        // Locked at once.  A cleaner that came between the creation and the lock has taken
        // the file away (or is about to): another name then.
        struct stat st;
        if (flock(fd, LOCK_EX | LOCK_NB) == 0 && fstat(fd, &st) == 0 && st.st_nlink > 0) {
            fd_ = fd;
            temporary_ = std::move(name);
            return;
        }
        close(fd);
    }
}

FileReplacement::~FileReplacement() { Discard(); }

bool FileReplacement::Write(std::string_view bytes) {
    if (fd_ < 0) return false;
    while (!bytes.empty() && !failed_) {
        const ssize_t n = write(fd_, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0)
            failed_ = true;
        else
            bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return !failed_;
}

bool FileReplacement::Commit() {
    // The rename happens while the lock is held, so that no cleaner takes the file before.
    if (fd_ < 0 || failed_ || fchmod(fd_, ModeFor(target_)) != 0 || fsync(fd_) != 0 ||
        std::rename(temporary_.c_str(), target_.c_str()) != 0) {
        Discard();
        return false;
    }
    close(fd_);
    fd_ = -1;
    SyncFolder(FolderOf(target_));
    return true;
}

void FileReplacement::Discard() {
    if (fd_ < 0) return;
    unlink(temporary_.c_str());
    close(fd_);
    fd_ = -1;
}

}  // namespace platform
