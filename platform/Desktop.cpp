#include "platform/Desktop.h"

#include <cctype>
#include <string>

#include "platform/FileAddress.h"
#include "platform/Gbk.h"

namespace platform {

namespace {
Desktop* gDesktop = nullptr;
}  // namespace

void InstallDesktop(Desktop* desktop) { gDesktop = desktop; }
Desktop* CurrentDesktop() { return gDesktop; }

bool IsWebAddress(std::string_view url) {
    for (std::string_view scheme : {std::string_view("http:"), std::string_view("https:")})
        if (StartsWithNoCase(url, scheme) && url.size() > scheme.size()) return true;
    return false;
}

bool OpenUrl(std::string_view gbkUrl) {
    if (!gDesktop || !(IsWebAddress(gbkUrl) || IsProgramFileAddress(gbkUrl))) return false;
    return gDesktop->OpenWebAddress(GbkToUtf8(gbkUrl));
}

void FlashIfInactive() {
    if (gDesktop) gDesktop->FlashIfInactive();
}

void MinimizeApplication() {
    if (gDesktop) gDesktop->Minimize();
}

}  // namespace platform
