// Settings files in the Windows profile format ("[Section]" lines and "key=value" lines), read
// and written the way the game expects of them:
// - section and key names compare without regard to ASCII case (GBK characters as they are);
// - names and values are trimmed of spaces and tabs, and a value in matching single or double
//   quotes loses them; lines starting with ';' are comments;
// - the first section of a name and the first key of a name in it are the ones that count;
// - CRLF and LF files both read; GBK bytes are kept as they are;
// - a write changes one line (or adds one, and the section when missing) and keeps every other
//   byte of the file, in the file's own line endings.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// The text of one profile file, looked up and edited in memory.
class IniDocument {
public:
    IniDocument() = default;
    explicit IniDocument(std::string bytes) : text_(std::move(bytes)) {}

    // The value of `key` in `section`; nothing when the section or the key is missing.
    std::optional<std::string> Find(std::string_view section, std::string_view key) const;

    // Sets `key` of `section` to `value`: rewrites the key's line, or adds it at the end of the
    // section, or adds the section with the key at the end of the text.  False (and no change)
    // when a name is empty, a name or the value holds a line break, a key holds '=' or starts
    // with '[' or ';', or a section name holds ']'.
    bool Set(std::string_view section, std::string_view key, std::string_view value);

    // Adds the line "[section]" at the end when no section of that name exists.  False (and no
    // change) for a name that cannot be stored (as for Set).
    bool AddSection(std::string_view section);

    const std::string& Text() const { return text_; }

private:
    std::string text_;
};

// The profile integer of a value: leading spaces and tabs, an optional sign, then the decimal
// digits up to the first other character ("12abc" is 12, "abc" is 0).  Out-of-range values wrap
// as 32-bit numbers do.
int ParseProfileInt(std::string_view value);

// The following work on the file at a game path (GBK, backslashes), mapped with ToDiskPath.

// Copies the value of `key` in `section` (or `defaultValue` when the file, section or key is
// missing; a null default is empty) into `buffer` of `size` bytes: at most size − 1 bytes,
// never half of a GBK character, then a terminating zero.  Returns the bytes copied (without
// the zero); 0 and nothing written when `buffer` is null or `size` is 0.
std::size_t ReadProfileString(std::string_view section, std::string_view key,
                              const char* defaultValue, char* buffer, std::size_t size,
                              std::string_view gbkPath);

// The whole value, or the default, as a string.
std::string ReadProfileString(std::string_view section, std::string_view key,
                              std::string_view defaultValue, std::string_view gbkPath);

// The value parsed by ParseProfileInt; `defaultValue` when the file, section or key is missing
// or the value is empty.
int ReadProfileInt(std::string_view section, std::string_view key, int defaultValue,
                   std::string_view gbkPath);

// Sets one key in the file, creating the file and the section when missing; every other byte
// of the file stays.  The file is replaced through a temporary file, so a failed write leaves
// the old one.  False when the value cannot be stored (see IniDocument::Set) or the file cannot
// be written (its folder missing, no permission).
bool WriteProfileString(std::string_view section, std::string_view key, std::string_view value,
                        std::string_view gbkPath);

// Adds an empty section to the file (creating the file when missing); true when the section
// exists afterwards.
bool WriteProfileSection(std::string_view section, std::string_view gbkPath);

}  // namespace platform
