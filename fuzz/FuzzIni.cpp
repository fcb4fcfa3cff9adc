// Reads any bytes as a settings file: looks keys up, then writes keys named from the input and
// checks that each write reads back and that a second write keeps the first.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/Ini.h"

using namespace platform;

namespace {

// The input's first line, cut into a section name and a key name at its first '/'.
void NamesFrom(const std::string& text, std::string* section, std::string* key) {
    std::string line = text.substr(0, text.find('\n'));
    std::size_t slash = line.find('/');
    *section = line.substr(0, slash);
    *key = slash == std::string::npos ? "k" : line.substr(slash + 1);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    IniDocument doc(text);
    for (const char* section : {"Option", "Window", "DIRSERVER1", "Proxy"})
        for (const char* key : {"Sound", "Style", "name", "Port"})
            if (auto value = doc.Find(section, key)) ParseProfileInt(*value);

    std::string section, key;
    NamesFrom(text, &section, &key);
    if (doc.Set(section, key, "first")) {
        if (doc.Find(section, key) != std::optional<std::string>("first")) std::abort();
        const std::string other = key + "2";
        if (!doc.Set(section, other, "second")) std::abort();
        if (doc.Find(section, key) != std::optional<std::string>("first")) std::abort();
        if (doc.Find(section, other) != std::optional<std::string>("second")) std::abort();
    }
    if (doc.AddSection("Extra") && !doc.Set("Extra", "x", "1")) std::abort();
    return 0;
}
