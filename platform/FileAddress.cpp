#include "platform/FileAddress.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <optional>
#include <system_error>
#include <vector>

#include "platform/Path.h"

namespace platform {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kFileScheme = "file://";
constexpr char kHexDigits[] = "0123456789ABCDEF";

bool IsPlainByte(unsigned char c) {
    return std::isalnum(c) || c == '-' || c == '.' || c == '_' || c == '~' || c == '/';
}

// A path's components without the empty one a trailing '/' leaves.
std::vector<fs::path> Components(const fs::path& path) {
    std::vector<fs::path> parts;
    for (const fs::path& part : path.lexically_normal())
        if (!part.empty()) parts.push_back(part);
    return parts;
}

// The file, when its absolute path (with no ".." anywhere) lies under the program folder and
// names a regular file there.  The folder's own files may be links (a test's folder is made of
// them); what the program folder holds is the program's.
std::optional<fs::path> InsideProgramFolder(const fs::path& file) {
    if (!file.is_absolute()) return std::nullopt;
    for (const fs::path& part : file)
        if (part == "..") return std::nullopt;
    const std::vector<fs::path> folder = Components(ToDiskPath(ProgramFolder()));
    const std::vector<fs::path> path = Components(file);
    if (path.size() <= folder.size() || !std::equal(folder.begin(), folder.end(), path.begin()))
        return std::nullopt;
    std::error_code error;
    if (!fs::is_regular_file(file, error)) return std::nullopt;
    return file.lexically_normal();
}

}  // namespace

std::string ProgramFileAddress(std::string_view gbkGamePath) {
    const auto real = InsideProgramFolder(ToDiskPath(ProgramPath(gbkGamePath)));
    if (!real) return {};
    std::string address(kFileScheme);
    for (unsigned char c : real->string()) {
        if (IsPlainByte(c)) {
            address += static_cast<char>(c);
        } else {
            address += '%';
            address += kHexDigits[c >> 4];
            address += kHexDigits[c & 15];
        }
    }
    return address;
}

}  // namespace platform
