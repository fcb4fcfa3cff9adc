#include "platform/ConfigFolder.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdlib>

namespace platform {

std::string UserConfigFolder() {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    if (config && config[0] == '/') return std::string(config) + "/mahjong";
    const char* home = std::getenv("HOME");
    if (home && *home) return std::string(home) + "/.config/mahjong";
    return {};
}

bool MakePrivateFolder(const std::string& diskPath) {
    if (diskPath.empty()) return false;
    for (std::size_t i = 1; i <= diskPath.size(); ++i) {
        if (i < diskPath.size() && diskPath[i] != '/') continue;
        if (mkdir(diskPath.substr(0, i).c_str(), 0700) != 0 && errno != EEXIST) return false;
    }
    struct stat st;
    return stat(diskPath.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

}  // namespace platform
