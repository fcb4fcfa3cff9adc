#include "platform/Ini.h"

#include <cstdint>

#include "platform/Gbk.h"

namespace platform {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trim(std::string_view s) {
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
    return s;
}

bool SameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && GbkFoldAsciiCase(a) == GbkFoldAsciiCase(b);
}

// Position of `c` in a GBK text, skipping two-byte characters; npos when absent.
std::size_t FindGbkChar(std::string_view text, char c) {
    for (std::size_t i = 0; i < text.size(); i += GbkCharLength(text.data(), text.size(), i))
        if (text[i] == c) return i;
    return std::string_view::npos;
}

bool HasLineBreak(std::string_view s) { return s.find_first_of("\r\n") != std::string_view::npos; }

// One line of the text: its content (without the line break) and where the next line starts.
struct Line {
    std::size_t begin;
    std::size_t end;   // end of the content, before "\r\n" or "\n"
    std::size_t next;  // start of the next line (the text's size for the last one)
};

enum class LineKind { Other, Section, Key };

// What a line is: a section header with its name, a key line with its key and raw value, or
// anything else (blank, comment, a line without '=').
struct ParsedLine {
    LineKind kind = LineKind::Other;
    std::string_view name;
    std::string_view value;
};

ParsedLine ParseLine(std::string_view content) {
    std::string_view line = Trim(content);
    if (line.empty() || line.front() == ';') return {};
    if (line.front() == '[') {
        line.remove_prefix(1);
        std::size_t close = FindGbkChar(line, ']');
        return {LineKind::Section, Trim(line.substr(0, close)), {}};
    }
    std::size_t eq = line.find('=');  // '=' is never part of a two-byte GBK character
    if (eq == std::string_view::npos) return {};
    std::string_view key = Trim(line.substr(0, eq));
    if (key.empty()) return {};
    return {LineKind::Key, key, Trim(line.substr(eq + 1))};
}

std::string_view Unquote(std::string_view v) {
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
        return v.substr(1, v.size() - 2);
    return v;
}

// Walks the lines of a text.
class LineReader {
public:
    explicit LineReader(std::string_view text) : text_(text) {}
    bool Next(Line* line) {
        if (pos_ >= text_.size()) return false;
        std::size_t nl = text_.find('\n', pos_);
        std::size_t next = nl == std::string_view::npos ? text_.size() : nl + 1;
        std::size_t end = nl == std::string_view::npos ? text_.size() : nl;
        if (end > pos_ && text_[end - 1] == '\r') --end;
        *line = {pos_, end, next};
        pos_ = next;
        return true;
    }

private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

// Where a section and a key stand in the text.
struct Location {
    bool sectionFound = false;
    std::size_t insertAt = 0;       // after the section's last non-blank line
    bool insertNeedsBreak = false;  // that line has no line break of its own
    bool keyFound = false;
    Line keyLine{};
    std::string_view keyName;
    std::string_view value;
};

Location Locate(std::string_view text, std::string_view section, std::string_view key) {
    Location loc;
    LineReader reader(text);
    Line line;
    bool inside = false;
    while (reader.Next(&line)) {
        std::string_view content = text.substr(line.begin, line.end - line.begin);
        ParsedLine parsed = ParseLine(content);
        if (parsed.kind == LineKind::Section) {
            if (inside) break;  // the first section of the name is the one that counts
            inside = SameName(parsed.name, section);
            if (!inside) continue;
            loc.sectionFound = true;
        } else if (!inside || Trim(content).empty()) {
            continue;
        }
        loc.insertAt = line.next;
        loc.insertNeedsBreak = text[line.next - 1] != '\n';
        if (parsed.kind == LineKind::Key && !loc.keyFound && SameName(parsed.name, key)) {
            loc.keyFound = true;
            loc.keyLine = line;
            loc.keyName = parsed.name;
            loc.value = parsed.value;
        }
    }
    return loc;
}

std::string_view LineBreakOf(std::string_view text) {
    std::size_t nl = text.find('\n');
    if (nl == std::string_view::npos || (nl > 0 && text[nl - 1] == '\r')) return "\r\n";
    return "\n";
}

// A name can be stored when the line written for it reads back as that same name: no line
// break, no ']' in a section name (nor a last byte that would pair with the ']' into one GBK
// character), no '=' in a key, and no key that would read as a section or a comment.
bool StorableSection(std::string_view section) {
    section = Trim(section);
    if (section.empty() || HasLineBreak(section)) return false;
    const std::string line = "[" + std::string(section) + "]";
    const ParsedLine parsed = ParseLine(line);
    return parsed.kind == LineKind::Section && parsed.name == section;
}

bool StorableKey(std::string_view key) {
    key = Trim(key);
    if (key.empty() || HasLineBreak(key)) return false;
    const std::string line = std::string(key) + "=";
    const ParsedLine parsed = ParseLine(line);
    return parsed.kind == LineKind::Key && parsed.name == key;
}

}  // namespace

std::optional<std::string> IniDocument::Find(std::string_view section,
                                             std::string_view key) const {
    Location loc = Locate(text_, Trim(section), Trim(key));
    if (!loc.keyFound) return std::nullopt;
    return std::string(Unquote(loc.value));
}

bool IniDocument::Set(std::string_view section, std::string_view key, std::string_view value) {
    if (!StorableSection(section) || !StorableKey(key) || HasLineBreak(value)) return false;
    section = Trim(section);
    key = Trim(key);
    const std::string_view br = LineBreakOf(text_);
    Location loc = Locate(text_, section, key);
    if (loc.keyFound) {
        std::string line = std::string(loc.keyName) + "=" + std::string(value);
        text_.replace(loc.keyLine.begin, loc.keyLine.end - loc.keyLine.begin, line);
        return true;
    }
    std::string line = std::string(key) + "=" + std::string(value) + std::string(br);
    if (!loc.sectionFound) {
        AddSection(section);
        loc = Locate(text_, section, key);
    }
    if (loc.insertNeedsBreak) line.insert(0, br);
    text_.insert(loc.insertAt, line);
    return true;
}

bool IniDocument::AddSection(std::string_view section) {
    if (!StorableSection(section)) return false;
    section = Trim(section);
    const std::string_view br = LineBreakOf(text_);
    if (Locate(text_, section, {}).sectionFound) return true;
    if (!text_.empty() && text_.back() != '\n') text_ += br;
    text_ += "[" + std::string(section) + "]" + std::string(br);
    return true;
}

int ParseProfileInt(std::string_view value) {
    while (!value.empty() && IsBlank(value.front())) value.remove_prefix(1);
    bool negative = false;
    if (!value.empty() && (value.front() == '+' || value.front() == '-')) {
        negative = value.front() == '-';
        value.remove_prefix(1);
    }
    std::uint32_t n = 0;
    for (char c : value) {
        if (c < '0' || c > '9') break;
        n = n * 10 + static_cast<std::uint32_t>(c - '0');
    }
    if (negative) n = 0u - n;
    return static_cast<int>(n);
}

}  // namespace platform
