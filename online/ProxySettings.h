// The login's proxy settings: kept in section `Proxy` of SET.ini, edited in the proxy dialog.
// Texts are GBK, at most 49 bytes each, cut at a character boundary; the port is 1..65535,
// anything else reads as 1080.
#pragma once

#include <string>
#include <string_view>

#include "online/OnlineWindows.h"

struct ProxySettings {
    static constexpr std::size_t kFieldBytes = 49;
    static constexpr int kDefaultPort = 1080;
    static constexpr int kSocks5 = 0;
    static constexpr int kHttp = 1;

    bool useProxy = false;
    std::string host;
    int port = kDefaultPort;
    int type = kSocks5;  // any value but 0 is HTTP
    bool auth = false;
    std::string user;
    std::string password;

    // The seven keys of section Proxy (defaults when missing).
    void Read(const std::string& gbkIniPath);
    // Writes them in the order UseProxy, UsePassWord, Address, Type, Port, UserName, PassWord.
    void Write(const std::string& gbkIniPath) const;

    // The dialog's fields for these settings, and the settings the dialog's OK leaves: with
    // the proxy unticked only the switch changes.
    ProxyFormFields ToForm() const;
    void TakeForm(const ProxyFormFields& fields);
};

// A proxy text cut to 49 bytes at a character boundary.
std::string BoundProxyField(std::string_view gbkText);
// A port text or number as a proxy port: 1..65535, else 1080.
int ProxyPortFrom(std::string_view text);
int ProxyPortFrom(int port);
