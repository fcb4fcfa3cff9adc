#include "online/NetworkStart.h"

#include <cstdlib>

#include "engine/Mj.h"
#include "online/DataModule.h"
#include "online/GameMsgClient.h"
#include "online/LoginForm.h"
#include "online/MainWindowNotices.h"
#include "online/OnlineWindows.h"

std::uint8_t bNetMode = 0;
std::uint8_t bNetLoggedIn = 0;
std::uint8_t bNetEnded = 0;
char szMyName[kMyNameBytes + 1] = {};

void ParseHostPort(std::string_view text, std::uint16_t defaultPort, std::string* host,
                   std::uint16_t* port) {
    const std::size_t colon = text.rfind(':');
    *host = std::string(text.substr(0, colon));
    *port = defaultPort;
    if (colon == std::string_view::npos) return;
    const std::string digits(text.substr(colon + 1));
    if (digits.empty() || digits.size() > 5 ||
        digits.find_first_not_of("0123456789") != std::string::npos)
        return;
    const long value = std::strtol(digits.c_str(), nullptr, 10);
    if (value >= 1 && value <= 65535) *port = static_cast<std::uint16_t>(value);
}

bool StartNetworkFromCommandLine(const char* user, const char* password, const char* hostPort) {
    if (!DataModule1 || !pLoginForm) return false;
    bNetMode = 1;
    bNetLoggedIn = 0;
    bNetEnded = 0;
    pLoginForm->SetName(user ? user : "");
    pLoginForm->SetPassword(password ? password : "");
    CurrentOnlineWindows()->ShowHint();

    TDataModule1& link = *DataModule1;
    ParseHostPort(hostPort ? hostPort : "", kGamePort, &link.ClientSocket1.Host,
                  &link.ClientSocket1.Port);
    link.bUseProxy = 0;
    link.OpenGameSocket();
    // A server that never answers ends the start like a refusal would.
    pLoginForm->StartTimeout();
    return true;
}

void SendLogoff() {
    if (!DataModule1 || !DataModule1->ClientSocket1.Connected() || !pMj || !pMj->IsNetGame())
        return;
    const GameMsg record = Encode(CsLogoff{});
    DataModule1->SendRecord(record.data(), kGameMsgSize);
}

void CloseNetworkHint() {
    if (bNetMode && !bNetEnded) CurrentOnlineWindows()->CloseHint();
}

void EndNetworkStart(const std::string& gbkText, const std::string& gbkCaption,
                     platform::MbIcon icon) {
    if (bNetEnded) return;
    bNetEnded = 1;
    CurrentOnlineWindows()->CloseHint();
    PostNetworkStartEnd({gbkText, gbkCaption, icon});
}
