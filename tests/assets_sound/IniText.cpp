#include "IniText.h"

#include <algorithm>
#include <cctype>
#include <sstream>

namespace {

std::string Lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return s;
}

std::string Trim(const std::string& s) {
    const auto first = s.find_first_not_of(" \t\r");
    if (first == std::string::npos) return {};
    return s.substr(first, s.find_last_not_of(" \t\r") - first + 1);
}

}  // namespace

IniText::IniText(const std::string& text) {
    std::istringstream in(text);
    std::string line, section;
    while (std::getline(in, line)) {
        line = Trim(line);
        if (line.empty() || line[0] == ';') continue;
        if (line.front() == '[' && line.back() == ']') {
            section = Lower(line.substr(1, line.size() - 2));
            sections_[section];
            continue;
        }
        const auto eq = line.find('=');
        if (eq != std::string::npos) sections_[section][Lower(Trim(line.substr(0, eq)))] = Trim(line.substr(eq + 1));
    }
}

std::optional<std::string> IniText::Get(const std::string& section, const std::string& key) const {
    const auto s = sections_.find(Lower(section));
    if (s == sections_.end()) return std::nullopt;
    const auto k = s->second.find(Lower(key));
    if (k == s->second.end()) return std::nullopt;
    return k->second;
}

bool IniText::HasSection(const std::string& section) const { return sections_.count(Lower(section)) > 0; }
