#include "online/OnlineWindows.h"

namespace {

// Nothing shown; the proxy dialog answers Cancel.
class NoWindows : public OnlineWindows {
public:
    bool EditProxySettings(ProxyFormFields&) override { return false; }
    void ShowHint() override {}
    void SetHintText(const std::string&) override {}
    void CloseHint() override {}
    void ShowMainWindow() override {}
    void CloseMainWindow() override {}
};

NoWindows gNoWindows;
OnlineWindows* gWindows = nullptr;

}  // namespace

void InstallOnlineWindows(OnlineWindows* windows) { gWindows = windows; }

OnlineWindows* CurrentOnlineWindows() { return gWindows ? gWindows : &gNoWindows; }
