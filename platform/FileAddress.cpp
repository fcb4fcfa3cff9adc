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

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    const char lower = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (lower >= 'a' && lower <= 'f') return lower - 'a' + 10;
    return -1;
}

// The path an address names, its %XX undone; none for a malformed escape or an escaped NUL.
std::optional<std::string> DecodePath(std::string_view encoded) {
    std::string path;
    for (std::size_t i = 0; i < encoded.size(); ++i) {
        if (encoded[i] != '%') {
            path += encoded[i];
            continue;
        }
        if (i + 2 >= encoded.size()) return std::nullopt;
        const int high = HexValue(encoded[i + 1]), low = HexValue(encoded[i + 2]);
        if (high < 0 || low < 0 || (high == 0 && low == 0)) return std::nullopt;
        path += static_cast<char>(high * 16 + low);
        i += 2;
    }
    return path;
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

bool StartsWithNoCase(std::string_view text, std::string_view lowerPrefix) {
    if (text.size() < lowerPrefix.size()) return false;
    for (std::size_t i = 0; i < lowerPrefix.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(text[i])) != lowerPrefix[i]) return false;
    return true;
}

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

bool IsProgramFileAddress(std::string_view url) {
    if (!StartsWithNoCase(url, kFileScheme)) return false;
    const std::string_view rest = url.substr(kFileScheme.size());
    if (rest.empty() || rest.front() != '/' || rest.find_first_of("?#") != std::string_view::npos)
        return false;
    const auto path = DecodePath(rest);
    return path && InsideProgramFolder(*path).has_value();
}

}  // namespace platform
