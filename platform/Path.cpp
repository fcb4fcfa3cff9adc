#include "platform/Path.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <strings.h>

#include "platform/Gbk.h"

namespace platform {

namespace {

std::string ExecutableFolder() {
    char buffer[PATH_MAX];
    ssize_t n = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (n <= 0) return ".";
    std::string path(buffer, static_cast<std::size_t>(n));
    std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
}

std::string& FolderStorage() {
    static std::string folder = Utf8ToGbk(ExecutableFolder()) + "\\";
    return folder;
}

bool Exists(const std::string& utf8) {
    struct stat st;
    return lstat(utf8.c_str(), &st) == 0;
}

// The entry of `dir` whose name equals `name` ignoring ASCII case, or `name` itself.
std::string MatchInFolder(const std::string& dir, const std::string& name) {
    DIR* d = opendir(dir.empty() ? "/" : dir.c_str());
    if (!d) return name;
    std::string found = name;
    while (dirent* e = readdir(d)) {
        if (strcasecmp(e->d_name, name.c_str()) == 0) {
            found = e->d_name;
            break;
        }
    }
    closedir(d);
    return found;
}

}  // namespace

const std::string& ProgramFolder() { return FolderStorage(); }

void SetProgramFolder(std::string_view utf8Folder) {
    std::string folder(utf8Folder);
    while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
    FolderStorage() = Utf8ToGbk(folder) + "\\";
}

std::string ProgramPath(std::string_view gbkRelative) {
    return ProgramFolder() + std::string(gbkRelative);
}

std::string ToDiskPath(std::string_view gbkPath) {
    std::string utf8 = GbkToUtf8(gbkPath);
    for (char& c : utf8)
        if (c == '\\') c = '/';
    const bool absolute = !utf8.empty() && utf8[0] == '/';
    std::string out = absolute ? "/" : "";
    bool resolving = true;  // once a component is missing, the rest cannot exist either
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        std::size_t slash = utf8.find('/', pos);
        if (slash == std::string::npos) slash = utf8.size();
        std::string name = utf8.substr(pos, slash - pos);
        pos = slash + 1;
        if (name.empty()) continue;
        std::string folder = out.empty() ? "." : out;
        std::string prefix = (out.empty() || out.back() == '/') ? out : out + "/";
        if (resolving && name != "." && name != ".." && !Exists(prefix + name)) {
            name = MatchInFolder(folder, name);
            resolving = Exists(prefix + name);
        }
        out = prefix + name;
    }
    if (!utf8.empty() && utf8.back() == '/' && out.back() != '/') out += '/';
    return out;
}

namespace {

// Creates a folder on disk and its parents when missing; true when it is a folder after.
bool MakeDiskFolder(const std::string& disk) {
    for (std::size_t i = 1; i <= disk.size(); ++i) {
        if (i == disk.size() || disk[i] == '/') {
            std::string part = disk.substr(0, i);
            if (mkdir(part.c_str(), 0755) != 0 && errno != EEXIST) return false;
        }
    }
    struct stat st;
    return stat(disk.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

}  // namespace

bool MakeFolder(std::string_view gbkPath) { return MakeDiskFolder(ToDiskPath(gbkPath)); }

bool MakeFolderOf(std::string_view gbkFilePath) {
    const std::string disk = ToDiskPath(gbkFilePath);
    const std::size_t slash = disk.find_last_of('/');
    if (slash == std::string::npos) return true;  // the current folder
    return MakeDiskFolder(slash == 0 ? "/" : disk.substr(0, slash));
}

bool FileExists(std::string_view gbkPath) {
    struct stat st;
    return stat(ToDiskPath(gbkPath).c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

}  // namespace platform
