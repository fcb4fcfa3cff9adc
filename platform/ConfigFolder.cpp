#include "platform/ConfigFolder.h"

#include <cstdlib>

namespace platform {

std::string UserConfigFolder() {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    if (config && config[0] == '/') return std::string(config) + "/mahjong";
    const char* home = std::getenv("HOME");
    if (home && *home) return std::string(home) + "/.config/mahjong";
    return {};
}

}  // namespace platform
