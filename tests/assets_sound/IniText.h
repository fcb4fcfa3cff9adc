// A plain reading of an INI text for the tests: sections and keys looked up ignoring ASCII
// case, as the program's profile reader does; values are the bytes after '=' up to the line end.
#pragma once

#include <map>
#include <optional>
#include <string>

class IniText {
public:
    explicit IniText(const std::string& text);
    std::optional<std::string> Get(const std::string& section, const std::string& key) const;
    bool HasSection(const std::string& section) const;

private:
    std::map<std::string, std::map<std::string, std::string>> sections_;  // lower-case names
};
