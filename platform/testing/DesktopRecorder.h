// The desktop for tests: records the addresses handed to the opener, the urgency requests and
// the minimise requests.  Without a browser (`browser` false) the opener records the address
// and fails, as a desktop that can start none does.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/Desktop.h"

namespace platform::testing {

class DesktopRecorder : public Desktop {
public:
    bool OpenWebAddress(std::string_view utf8Url) override {
        opened.emplace_back(utf8Url);
        return browser;
    }
    void FlashIfInactive() override { ++flashes; }
    void Minimize() override { ++minimizes; }

    bool browser = true;
    std::vector<std::string> opened;  // UTF-8
    int flashes = 0;
    int minimizes = 0;
};

}  // namespace platform::testing
