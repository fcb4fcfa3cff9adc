#include "platform/Desktop.h"

#include <cctype>
#include <string>

#include "platform/FileAddress.h"
#include "platform/Gbk.h"

namespace platform {

namespace {
Desktop* gDesktop = nullptr;

// True when the text starts with the prefix (in lower case), ASCII letters in any case: how
// an address's scheme is matched.
bool StartsWithNoCase(std::string_view text, std::string_view lowerPrefix) {
    if (text.size() < lowerPrefix.size()) return false;
    for (std::size_t i = 0; i < lowerPrefix.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(text[i])) != lowerPrefix[i]) return false;
    return true;
}
}  // namespace

void InstallDesktop(Desktop* desktop) { gDesktop = desktop; }
Desktop* CurrentDesktop() { return gDesktop; }

bool IsWebAddress(std::string_view url) {
    for (std::string_view scheme : {std::string_view("http:"), std::string_view("https:")})
        if (StartsWithNoCase(url, scheme) && url.size() > scheme.size()) return true;
    return false;
}

bool OpenUrl(std::string_view gbkUrl) {
    if (!gDesktop || !IsWebAddress(gbkUrl)) return false;
    return gDesktop->OpenWebAddress(GbkToUtf8(gbkUrl));
}

PageOpening OpenProgramPage(std::string_view gbkGamePath) {
    const std::string address = ProgramFileAddress(gbkGamePath);
    if (address.empty()) return PageOpening::Missing;
    if (!gDesktop || !gDesktop->OpenWebAddress(address)) return PageOpening::NoBrowser;
    return PageOpening::Opened;
}

void FlashIfInactive() {
    if (gDesktop) gDesktop->FlashIfInactive();
}

void MinimizeApplication() {
    if (gDesktop) gDesktop->Minimize();
}

}  // namespace platform
