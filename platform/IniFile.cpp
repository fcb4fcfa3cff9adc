// The profile functions on files: each call reads the whole file, and a write puts the whole
// edited text back, so two writers one after the other keep each other's keys.
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>

#include "platform/WholeFile.h"
#include "platform/Gbk.h"
#include "platform/Ini.h"
#include "platform/Path.h"

namespace platform {

namespace {

// Settings files are a few kilobytes; anything larger than this is not one of them.
constexpr std::size_t kMaxProfileBytes = 4 << 20;

std::optional<std::string> ReadFileBytes(const std::string& diskPath) {
    return ReadWholeFile(diskPath, kMaxProfileBytes);
}

std::optional<std::string> FindInFile(std::string_view section, std::string_view key,
                                      std::string_view gbkPath) {
    std::optional<std::string> bytes = ReadFileBytes(ToDiskPath(gbkPath));
    if (!bytes) return std::nullopt;
    return IniDocument(std::move(*bytes)).Find(section, key);
}

// A regular file too large to be read as settings: one of ours grown wrong, whose settings are
// lost already (every read gives the defaults).
bool TooLargeForSettings(const std::string& diskPath) {
    struct stat st;
    return stat(diskPath.c_str(), &st) == 0 && S_ISREG(st.st_mode) &&
           static_cast<std::size_t>(st.st_size) > kMaxProfileBytes;
}

// Loads the file (an empty document when it is missing or too large to be settings, so that
// the settings are written again), applies `edit`, and writes the result back when the edit
// succeeded and changed something.
template <typename Edit>
bool EditFile(std::string_view gbkPath, Edit edit) {
    const std::string disk = ToDiskPath(gbkPath);
    std::optional<std::string> bytes = ReadFileBytes(disk);
    if (!bytes) {
        // Anything else there (a folder, a pipe, a file we may not read) is left alone.
        if (access(disk.c_str(), F_OK) == 0 && !TooLargeForSettings(disk)) return false;
        bytes.emplace();
    }
    IniDocument doc(*bytes);
    if (!edit(doc)) return false;
    if (doc.Text() == *bytes && access(disk.c_str(), F_OK) == 0) return true;
    return ReplaceFileContents(disk, doc.Text());
}

}  // namespace

std::size_t ReadProfileString(std::string_view section, std::string_view key,
                              const char* defaultValue, char* buffer, std::size_t size,
                              std::string_view gbkPath) {
    if (buffer == nullptr || size == 0) return 0;
    std::optional<std::string> value = FindInFile(section, key, gbkPath);
    std::string_view text = value ? std::string_view(*value)
                                  : std::string_view(defaultValue ? defaultValue : "");
    const std::size_t n = GbkClampLength(text.data(), text.size(), size - 1);
    std::copy_n(text.data(), n, buffer);
    buffer[n] = '\0';
    return n;
}

std::string ReadProfileString(std::string_view section, std::string_view key,
                              std::string_view defaultValue, std::string_view gbkPath) {
    std::optional<std::string> value = FindInFile(section, key, gbkPath);
    return value ? *value : std::string(defaultValue);
}

int ReadProfileInt(std::string_view section, std::string_view key, int defaultValue,
                   std::string_view gbkPath) {
    std::optional<std::string> value = FindInFile(section, key, gbkPath);
    if (!value || value->empty()) return defaultValue;
    return ParseProfileInt(*value);
}

bool WriteProfileString(std::string_view section, std::string_view key, std::string_view value,
                        std::string_view gbkPath) {
    return EditFile(gbkPath, [&](IniDocument& doc) { return doc.Set(section, key, value); });
}

bool WriteProfileSection(std::string_view section, std::string_view gbkPath) {
    return EditFile(gbkPath, [&](IniDocument& doc) { return doc.AddSection(section); });
}

}  // namespace platform
