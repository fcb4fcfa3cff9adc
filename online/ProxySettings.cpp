#include "online/ProxySettings.h"

#include "platform/Gbk.h"
#include "platform/Ini.h"

namespace {

constexpr const char* kSection = "Proxy";

std::string ReadText(const char* key, const std::string& path) {
    char buffer[ProxySettings::kFieldBytes + 1] = {};
    platform::ReadProfileString(kSection, key, "", buffer, sizeof buffer, path);
    return buffer;
}

bool ReadSwitch(const char* key, const std::string& path) {
    return platform::ReadProfileInt(kSection, key, 0, path) == 1;
}

}  // namespace

std::string BoundProxyField(std::string_view gbkText) {
    return std::string(gbkText.substr(
        0, platform::GbkClampLength(gbkText.data(), gbkText.size(), ProxySettings::kFieldBytes)));
}

int ProxyPortFrom(int port) { return port >= 1 && port <= 65535 ? port : ProxySettings::kDefaultPort; }

int ProxyPortFrom(std::string_view text) {
    if (text.empty() || text.size() > 5 || text.find_first_not_of("0123456789") != std::string_view::npos)
        return ProxySettings::kDefaultPort;
    return ProxyPortFrom(platform::ParseProfileInt(text));
}

void ProxySettings::Read(const std::string& path) {
    useProxy = ReadSwitch("UseProxy", path);
    port = ProxyPortFrom(platform::ReadProfileInt(kSection, "Port", kDefaultPort, path));
    type = platform::ReadProfileInt(kSection, "Type", kSocks5, path);
    auth = ReadSwitch("UsePassWord", path);
    host = ReadText("Address", path);
    user = ReadText("UserName", path);
    password = ReadText("PassWord", path);
}

void ProxySettings::Write(const std::string& path) const {
    platform::WriteProfileString(kSection, "UseProxy", useProxy ? "1" : "0", path);
    platform::WriteProfileString(kSection, "UsePassWord", auth ? "1" : "0", path);
    platform::WriteProfileString(kSection, "Address", host, path);
    platform::WriteProfileString(kSection, "Type", std::to_string(type), path);
    platform::WriteProfileString(kSection, "Port", std::to_string(port), path);
    platform::WriteProfileString(kSection, "UserName", user, path);
    platform::WriteProfileString(kSection, "PassWord", password, path);
}

ProxyFormFields ProxySettings::ToForm() const {
    ProxyFormFields f;
    f.useProxy = useProxy;
    f.host = host;
    f.port = std::to_string(port);
    f.http = type != kSocks5;
    f.auth = auth;
    if (useProxy && auth) {
        f.user = user;
        f.password = password;
    }
    return f;
}

void ProxySettings::TakeForm(const ProxyFormFields& f) {
    useProxy = f.useProxy;
    if (!useProxy) return;
    port = ProxyPortFrom(f.port);
    host = BoundProxyField(f.host);
    auth = f.auth;
    if (auth) {
        user = BoundProxyField(f.user);
        password = BoundProxyField(f.password);
    }
    type = f.http ? kHttp : kSocks5;
}
