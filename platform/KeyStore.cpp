#include "platform/KeyStore.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <vector>

#include "platform/ConfigFolder.h"
#include "platform/Gbk.h"
#include "platform/Path.h"
#include "platform/WholeFile.h"

namespace platform {

namespace fs = std::filesystem;

// The file holds one line per key and per value, fields separated by tabs:
//   K <key>                    a key
//   S <key> <name> <text>      a string value
//   I <key> <name> <decimal>   an integer value
// '%', tab, CR and LF inside a field are written as %25, %09, %0D and %0A.
namespace {

// The store holds a few install records; a file larger than this is not one.
constexpr std::size_t kMaxStoreBytes = 1u << 20;

std::string Escape(std::string_view text) {
    std::string out;
    for (char c : text) {
        if (c == '%' || c == '\t' || c == '\r' || c == '\n') {
            char code[4];
            std::snprintf(code, sizeof code, "%%%02X", static_cast<unsigned char>(c));
            out += code;
        } else {
            out += c;
        }
    }
    return out;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

std::string Unescape(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size() && HexDigit(text[i + 1]) >= 0 &&
            HexDigit(text[i + 2]) >= 0) {
            out += static_cast<char>(HexDigit(text[i + 1]) * 16 + HexDigit(text[i + 2]));
            i += 2;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::vector<std::string> SplitTabs(const std::string& line) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (;;) {
        std::size_t tab = line.find('\t', start);
        fields.push_back(Unescape(std::string_view(line).substr(start, tab - start)));
        if (tab == std::string::npos) return fields;
        start = tab + 1;
    }
}

std::optional<std::int32_t> ParseInt32(const std::string& text) {
    if (text.empty()) return std::nullopt;
    errno = 0;
    char* end = nullptr;
    long long value = std::strtoll(text.c_str(), &end, 10);
    if (errno != 0 || *end != '\0' || value < INT32_MIN || value > INT32_MAX) return std::nullopt;
    return static_cast<std::int32_t>(value);
}

}  // namespace

bool KeyStore::NoCaseLess::operator()(std::string_view a, std::string_view b) const {
    return GbkFoldAsciiCase(a) < GbkFoldAsciiCase(b);
}

KeyStore::KeyStore(std::string diskPath) : path_(std::move(diskPath)) {}

std::string KeyStore::DefaultPath() {
    const std::string folder = UserConfigFolder();
    return folder.empty() ? folder : folder + "/registry.txt";
}

void KeyStore::ParseLine(const std::string& line) {
    std::vector<std::string> f = SplitTabs(line);
    if (f.size() == 2 && f[0] == "K") {
        CreateKey(f[1]);
    } else if (f.size() == 4 && f[0] == "S") {
        SetString(f[1], f[2], f[3]);
    } else if (f.size() == 4 && f[0] == "I") {
        if (auto value = ParseInt32(f[3])) SetInt(f[1], f[2], *value);
    }
}

bool KeyStore::Load() {
    keys_.clear();
    std::error_code ec;
    if (!fs::exists(path_, ec)) return !ec;
    const std::optional<std::string> bytes = ReadWholeFile(path_, kMaxStoreBytes);
    if (!bytes) return false;
    std::istringstream lines(*bytes);
    std::string line;
    while (std::getline(lines, line)) ParseLine(line);
    return true;
}

bool KeyStore::Save() const {
    if (path_.empty()) return false;
    const fs::path target(path_);
    if (target.has_parent_path())
        MakeDiskFolders(target.parent_path().string(), kPrivateFolderMode);
    std::string text;
    for (const auto& [key, values] : keys_) {
        text += "K\t" + Escape(key) + "\n";
        for (const auto& [name, value] : values) {
            text += (std::holds_alternative<std::string>(value) ? "S\t" : "I\t") + Escape(key) +
                    "\t" + Escape(name) + "\t";
            if (const auto* string = std::get_if<std::string>(&value))
                text += Escape(*string);
            else
                text += std::to_string(std::get<std::int32_t>(value));
            text += "\n";
        }
    }
    return ReplaceFileContents(path_, text);
}

void KeyStore::CreateKey(std::string_view key) {
    if (keys_.find(key) == keys_.end()) keys_.emplace(std::string(key), Values{});
}

bool KeyStore::HasKey(std::string_view key) const { return keys_.find(key) != keys_.end(); }

void KeyStore::Put(std::string_view key, std::string_view name, Value value) {
    CreateKey(key);
    Values& values = keys_.find(key)->second;
    auto it = values.find(name);
    if (it == values.end())
        values.emplace(std::string(name), std::move(value));
    else
        it->second = std::move(value);
}

void KeyStore::SetString(std::string_view key, std::string_view name, std::string_view value) {
    Put(key, name, std::string(value));
}

void KeyStore::SetInt(std::string_view key, std::string_view name, std::int32_t value) {
    Put(key, name, value);
}

const KeyStore::Value* KeyStore::Find(std::string_view key, std::string_view name) const {
    auto k = keys_.find(key);
    if (k == keys_.end()) return nullptr;
    auto v = k->second.find(name);
    return v == k->second.end() ? nullptr : &v->second;
}

std::optional<std::string> KeyStore::GetString(std::string_view key,
                                               std::string_view name) const {
    const Value* value = Find(key, name);
    const auto* text = value ? std::get_if<std::string>(value) : nullptr;
    return text ? std::optional<std::string>(*text) : std::nullopt;
}

std::optional<std::int32_t> KeyStore::GetInt(std::string_view key, std::string_view name) const {
    const Value* value = Find(key, name);
    const auto* number = value ? std::get_if<std::int32_t>(value) : nullptr;
    return number ? std::optional<std::int32_t>(*number) : std::nullopt;
}

}  // namespace platform
