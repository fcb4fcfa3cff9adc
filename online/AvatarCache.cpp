#include "online/AvatarCache.h"

#include <algorithm>
#include <cctype>
#include <cstring>

#include "platform/Md5.h"
#include "platform/Path.h"
#include "platform/WholeFile.h"

bool FileMd5Hex(std::string_view gbkPath, char* out) {
    const auto bytes = platform::ReadWholeFile(platform::ToDiskPath(gbkPath), kMaxAvatarBytes);
    if (!bytes) return false;
    const std::string hex = platform::Md5Hex(*bytes);
    std::memcpy(out, hex.c_str(), hex.size() + 1);
    return true;
}

bool SameAvatarDigest(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

bool FileHasDigest(std::string_view gbkPath, std::string_view digest) {
    char computed[33] = {};
    return platform::FileExists(gbkPath) && FileMd5Hex(gbkPath, computed) &&
           SameAvatarDigest(computed, digest);
}

bool IsAvatarDigest(std::string_view digest) {
    return digest.size() == 32 && std::all_of(digest.begin(), digest.end(), [](char c) {
               return std::isxdigit(static_cast<unsigned char>(c)) != 0;
           });
}

bool AcceptableAvatarAddress(std::string_view address) {
    if (address.empty() || address.size() > kMaxAvatarAddress) return false;
    for (char c : address) {
        const auto u = static_cast<unsigned char>(c);
        if (u <= ' ' || u >= 0x7F || c == '\\' || c == '"' || c == '<' || c == '>') return false;
    }
    return address.substr(0, address.find('/')).find('@') == std::string_view::npos;
}

std::string AvatarCachePath(std::int32_t id) {
    return platform::ProgramPath("Avatar\\" + std::to_string(id) + ".gif");
}

std::string AvatarTemporaryPath(const std::string& target, std::int32_t id) {
    const std::size_t slash = target.find_last_of('\\');
    const std::string folder = slash == std::string::npos ? std::string() : target.substr(0, slash + 1);
    return folder + std::to_string(id) + ".tmp";
}
