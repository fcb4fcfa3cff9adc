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

// The program folder twice: as it is on disk (its own bytes, which need not be UTF-8) and in
// the game's form (GBK, ending in a backslash; a character GBK cannot hold becomes '?').
struct FolderNames {
    std::string disk;
    std::string game;
};

FolderNames NamesOf(std::string diskFolder) {
    while (diskFolder.size() > 1 && diskFolder.back() == '/') diskFolder.pop_back();
    std::string game = Utf8ToGbk(diskFolder) + "\\";
    return {std::move(diskFolder), std::move(game)};
}

FolderNames& FolderStorage() {
    static FolderNames folder = NamesOf(ExecutableFolder());
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

// Appends the UTF-8 path `utf8` ('/' separated) to the disk path `out`, matching each
// component that does not exist as written case-insensitively in its folder.
std::string Resolve(std::string out, const std::string& utf8) {
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
    if (!utf8.empty() && utf8.back() == '/' && !out.empty() && out.back() != '/') out += '/';
    return out;
}

std::string GameToUtf8(std::string_view gbkPath) {
    std::string utf8 = GbkToUtf8(gbkPath);
    for (char& c : utf8)
        if (c == '\\') c = '/';
    return utf8;
}

}  // namespace

const std::string& ProgramFolder() { return FolderStorage().game; }

void SetProgramFolder(std::string_view diskFolder) {
    FolderStorage() = NamesOf(std::string(diskFolder));
}

bool ProgramFolderFitsGbk() {
    const FolderNames& folder = FolderStorage();
    return GbkToUtf8(std::string_view(folder.game).substr(0, folder.game.size() - 1)) ==
           folder.disk;
}

std::string ProgramPath(std::string_view gbkRelative) {
    return ProgramFolder() + std::string(gbkRelative);
}

std::string ToDiskPath(std::string_view gbkPath) {
    // Under the program folder, the folder's own bytes are kept: only the game's names after
    // it are converted, so a folder name GBK cannot hold still leads to the files.
    const FolderNames& folder = FolderStorage();
    if (gbkPath.substr(0, folder.game.size()) == folder.game)  // the rest from its backslash on
        return Resolve(folder.disk, GameToUtf8(gbkPath.substr(folder.game.size() - 1)));
    const std::string utf8 = GameToUtf8(gbkPath);
    return Resolve(!utf8.empty() && utf8[0] == '/' ? "/" : "", utf8);
}

std::string GamePathOfDisk(std::string_view diskPath) {
    const std::string gbk = Utf8ToGbk(diskPath);
    if (GbkToUtf8(gbk) == diskPath) return gbk;  // GBK holds the name
    const FolderNames& folder = FolderStorage();
    std::string path(diskPath);
    char cwd[PATH_MAX];
    if (!path.empty() && path[0] != '/' && getcwd(cwd, sizeof cwd))
        path = std::string(cwd) + "/" + path;
    const std::string prefix = folder.disk == "/" ? folder.disk : folder.disk + "/";
    if (path.size() <= prefix.size() || path.compare(0, prefix.size(), prefix) != 0) return gbk;
    std::string rest = Utf8ToGbk(path.substr(prefix.size()));
    for (char& c : rest)
        if (c == '/') c = '\\';  // no GBK trail byte is '/'
    return folder.game + rest;
}

bool MakeDiskFolders(const std::string& diskPath, unsigned mode) {
    for (std::size_t i = 1; i <= diskPath.size(); ++i) {
        if (i < diskPath.size() && diskPath[i] != '/') continue;
        if (mkdir(diskPath.substr(0, i).c_str(), mode) != 0 && errno != EEXIST) return false;
    }
    struct stat st;
    return !diskPath.empty() && stat(diskPath.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool MakeFolder(std::string_view gbkPath) {
    return MakeDiskFolders(ToDiskPath(gbkPath), 0755);
}

bool MakeFolderOf(std::string_view gbkFilePath) {
    const std::string disk = ToDiskPath(gbkFilePath);
    const std::size_t slash = disk.find_last_of('/');
    if (slash == std::string::npos) return true;  // the current folder
    return MakeDiskFolders(slash == 0 ? "/" : disk.substr(0, slash), 0755);
}

bool FileExists(std::string_view gbkPath) {
    struct stat st;
    return stat(ToDiskPath(gbkPath).c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

}  // namespace platform
