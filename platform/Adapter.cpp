#include "platform/Adapter.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <optional>
#include <vector>

#include "platform/WholeFile.h"

namespace platform {
namespace {

constexpr const char* kNoAdapter = "000000000000";
constexpr int kLoopbackType = 772;  // the kernel's hardware type of a loopback device

// The kernel's files here hold one short line.
constexpr std::size_t kMaxDeviceFileBytes = 4096;

std::string FirstLine(const std::filesystem::path& file) {
    const std::optional<std::string> bytes = ReadWholeFile(file.string(), kMaxDeviceFileBytes);
    return bytes ? bytes->substr(0, bytes->find('\n')) : std::string();
}

// "aa:bb:cc:dd:ee:ff" as "AABBCCDDEEFF"; empty when it is not six bytes or all zero.
std::string MacHex(const std::string& text) {
    std::string hex;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool separator = i % 3 == 2;
        const char c = text[i];
        if (separator ? c != ':' : !std::isxdigit(static_cast<unsigned char>(c))) return {};
        if (!separator) hex += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    if (hex.size() != 12 || text.size() != 17 || hex == kNoAdapter) return {};
    return hex;
}

bool IsLoopback(const std::filesystem::path& device) {
    return device.filename() == "lo" || FirstLine(device / "type") == std::to_string(kLoopbackType);
}

}  // namespace

std::string AdapterMacHexIn(const std::string& sysClassNet) {
    std::error_code error;
    std::vector<std::filesystem::path> devices;
    for (std::filesystem::directory_iterator it(sysClassNet, error), end; !error && it != end;
         it.increment(error))
        devices.push_back(it->path());
    std::sort(devices.begin(), devices.end());
    for (const auto& device : devices) {
        if (IsLoopback(device)) continue;
        const std::string hex = MacHex(FirstLine(device / "address"));
        if (!hex.empty()) return hex;
    }
    return kNoAdapter;
}

std::string AdapterMacHex() { return AdapterMacHexIn("/sys/class/net"); }

}  // namespace platform
