#include "online/ProxySock.h"

#include <arpa/inet.h>
#include <netdb.h>
#include <netinet/in.h>
#include <sys/socket.h>

#include <algorithm>
#include <cctype>
#include <cstring>

#include "platform/MessageBox.h"

namespace {

constexpr std::uint8_t kSocksVersion = 5;
constexpr std::uint8_t kAuthVersion = 1;
constexpr std::uint8_t kMethodNone = 0;
constexpr std::uint8_t kMethodPassword = 2;
constexpr std::uint8_t kNoAcceptableMethod = 255;
constexpr std::uint8_t kCommandConnect = 1;
constexpr std::uint8_t kAddressIpv4 = 1;
constexpr std::uint8_t kAddressName = 3;
constexpr std::uint8_t kAddressIpv6 = 4;
constexpr int kMaxSocksName = 255;

std::string Base64(const std::string& bytes) {
    static const char kDigits[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string out;
    std::size_t i = 0;
    for (; i + 2 < bytes.size(); i += 3) {
        const unsigned v = static_cast<unsigned char>(bytes[i]) << 16 |
                           static_cast<unsigned char>(bytes[i + 1]) << 8 |
                           static_cast<unsigned char>(bytes[i + 2]);
        for (int shift : {18, 12, 6, 0}) out += kDigits[(v >> shift) & 63];
    }
    const std::size_t rest = bytes.size() - i;
    if (rest > 0) {
        unsigned v = static_cast<unsigned char>(bytes[i]) << 16;
        if (rest == 2) v |= static_cast<unsigned char>(bytes[i + 1]) << 8;
        out += kDigits[(v >> 18) & 63];
        out += kDigits[(v >> 12) & 63];
        out += rest == 2 ? kDigits[(v >> 6) & 63] : '=';
        out += '=';
    }
    return out;
}

// The IPv4 address of a dotted text or, failing that, of a name; 0 when neither works.
std::uint32_t ResolveIpv4(const std::string& host) {
    in_addr address{};
    if (inet_pton(AF_INET, host.c_str(), &address) == 1) return address.s_addr;
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    if (host.empty() || getaddrinfo(host.c_str(), nullptr, &hints, &found) != 0) return 0;
    std::uint32_t result = 0;
    if (found && found->ai_addr && found->ai_family == AF_INET)
        result = reinterpret_cast<const sockaddr_in*>(found->ai_addr)->sin_addr.s_addr;
    freeaddrinfo(found);
    return result;
}

bool StartsLikeHttp(const std::string& reply) {
    static const char kHttp[] = "HTTP";
    const std::size_t n = std::min<std::size_t>(4, reply.size());
    for (std::size_t i = 0; i < n; i++)
        if (std::toupper(static_cast<unsigned char>(reply[i])) != kHttp[i]) return false;
    return true;
}

bool EndsWithBlankLine(const std::string& reply) {
    return reply.size() >= 4 && reply.compare(reply.size() - 4, 4, "\r\n\r\n") == 0;
}

}  // namespace

bool HttpStatusIsSuccess(const std::string& reply) {
    const std::size_t lineEnd = reply.find("\r\n");
    const std::string line = reply.substr(0, lineEnd);
    const std::size_t space = line.find(' ');
    if (space == std::string::npos || space + 4 > line.size()) return false;
    const char* code = line.c_str() + space + 1;
    const bool digits = std::isdigit(static_cast<unsigned char>(code[0])) &&
                        std::isdigit(static_cast<unsigned char>(code[1])) &&
                        std::isdigit(static_cast<unsigned char>(code[2]));
    const bool ends = space + 4 == line.size() || line[space + 4] == ' ';
    return digits && ends && code[0] == '2';
}

void CProxySock::SetAuth(const std::string& user, const std::string& password) {
    m_sUser = user;
    m_sPassword = password;
}

void CProxySock::SetDest(const std::string& host, int port) {
    m_sHost = host;
    m_nPort = htons(static_cast<std::uint16_t>(port));
    m_nAddr = ResolveIpv4(host);
}

void CProxySock::OnConnect(platform::ClientSocket& socket) {
    m_nPending = 0;
    m_nFailed = kNotFailed;
    m_nRead = 0;
    if (m_nType == kSocks5)
        Socks5Greeting(socket);
    else if (m_nType == kHttp)
        HttpConnect(socket);
}

bool CProxySock::OnRead(platform::ClientSocket& socket) {
    if (m_nType == kSocks5) return Socks5OnReply(socket);
    if (m_nType == kHttp) return HttpOnRead(socket);
    return true;
}

bool CProxySock::SendAll(platform::ClientSocket& socket, const std::string& bytes) {
    if (socket.Write(bytes.data(), bytes.size()) == bytes.size()) return true;
    m_nFailed = kRefused;
    return false;
}

// --- SOCKS5 ----------------------------------------------------------------------------------

void CProxySock::Socks5Greeting(platform::ClientSocket& socket) {
    std::string greeting{char(kSocksVersion), 1, char(kMethodNone)};
    if (!m_sUser.empty())
        greeting = {char(kSocksVersion), 2, char(kMethodPassword), char(kMethodNone)};
    m_nState = 1;
    socket.Write(greeting.data(), greeting.size());
}

bool CProxySock::RecvExact(platform::ClientSocket& socket, int n) {
    while (m_nRead < n) {
        const std::size_t got = socket.Read(m_Reply + m_nRead, static_cast<std::size_t>(n - m_nRead));
        if (got == 0) return false;
        m_nRead += static_cast<int>(got);
    }
    m_nRead = 0;
    return true;
}

bool CProxySock::SkipPending(platform::ClientSocket& socket) {
    while (m_nPending > 0) {
        const std::size_t room = std::min<std::size_t>(kReplyBytes, static_cast<std::size_t>(m_nPending));
        const std::size_t got = socket.Read(m_Reply, room);
        if (got == 0) return false;
        m_nPending -= static_cast<int>(got);
    }
    return true;
}

// A failed handshake stays failed: every later read answers at once.
bool CProxySock::Socks5OnReply(platform::ClientSocket& socket) {
    if (m_nFailed != kNotFailed) return true;
    switch (m_nState) {
        case 0: return true;
        case 1: return Socks5MethodReply(socket);
        case 2: return Socks5AuthReply(socket);
        case 3: return Socks5ConnectReply(socket);
        default:
            m_nFailed = kRefused;
            return true;
    }
}

bool CProxySock::Socks5MethodReply(platform::ClientSocket& socket) {
    if (!RecvExact(socket, 2)) return false;
    const bool valid = m_Reply[0] == kSocksVersion && m_Reply[1] != kNoAcceptableMethod;
    if (valid && m_Reply[1] == kMethodNone) return !Socks5Connect(socket);
    if (valid && m_Reply[1] == kMethodPassword && !m_sUser.empty()) return !Socks5Auth(socket);
    m_nFailed = kRefused;
    return true;
}

bool CProxySock::Socks5AuthReply(platform::ClientSocket& socket) {
    if (!RecvExact(socket, 2)) return false;
    if (m_Reply[1] != 0) {
        m_nFailed = kRefused;
        return true;
    }
    return !Socks5Connect(socket);
}

// The reply's first five bytes, then the rest by its address type, read and dropped.
bool CProxySock::Socks5ConnectReply(platform::ClientSocket& socket) {
    if (m_nPending == 0) {
        if (!RecvExact(socket, 5)) return false;
        if (m_Reply[0] != kSocksVersion || m_Reply[1] != 0) {
            m_nFailed = kConnectRefused;
            return true;
        }
        switch (m_Reply[3]) {
            case kAddressIpv4: m_nPending = 5; break;
            case kAddressName: m_nPending = m_Reply[4] + 2; break;
            case kAddressIpv6: m_nPending = 17; break;
            default:
                m_nFailed = kRefused;
                return true;
        }
    }
    if (!SkipPending(socket)) return false;
    m_nState = 0;
    return true;
}

bool CProxySock::Socks5Auth(platform::ClientSocket& socket) {
    m_nState = 2;
    const std::string user = m_sUser.substr(0, kMaxSocksName);
    const std::string password = m_sPassword.substr(0, kMaxSocksName);
    std::string request{char(kAuthVersion), char(user.size())};
    request += user;
    request += char(password.size());
    request += password;
    return SendAll(socket, request);
}

bool CProxySock::Socks5Connect(platform::ClientSocket& socket) {
    m_nState = 3;
    std::string request{char(kSocksVersion), char(kCommandConnect), 0};
    if (m_nAddr != 0) {
        request += char(kAddressIpv4);
        request.append(reinterpret_cast<const char*>(&m_nAddr), 4);
    } else {
        const std::string name = m_sHost.substr(0, kMaxSocksName);
        request += char(kAddressName);
        request += char(name.size());
        request += name;
    }
    request.append(reinterpret_cast<const char*>(&m_nPort), 2);
    return SendAll(socket, request);
}

// --- HTTP CONNECT ----------------------------------------------------------------------------

void CProxySock::ShowError(const char* gbkText) {
    platform::ShowMessage(gbkText, "翠岭", platform::MbIcon::None);
}

bool CProxySock::CheckDest() {
    if (m_nAddr != 0 || !m_sHost.empty()) return true;
    ShowError("错误：使用代理服务器时没有指定目的地址!");
    return false;
}

// The password goes only in the proxy's own header, as HTTP Basic credentials.
void CProxySock::HttpConnect(platform::ClientSocket& socket) {
    m_bDone = 0;
    m_nFailed = kNotFailed;
    m_sHttpReply.clear();
    if (!CheckDest()) return;
    const std::string target = m_sHost + ":" + std::to_string(ntohs(m_nPort));
    std::string request = "CONNECT " + target + " HTTP/1.1\r\nHost: " + target + "\r\n";
    if (!m_sUser.empty())
        request += "Proxy-Authorization: Basic " + Base64(m_sUser + ":" + m_sPassword) + "\r\n";
    request += "\r\n";
    if (!SendAll(socket, request)) m_bDone = 1;
}

bool CProxySock::HttpOnRead(platform::ClientSocket& socket) {
    while (!m_bDone) {
        char c;
        if (socket.Read(&c, 1) == 0) return false;
        m_sHttpReply += c;
        HttpCheckReply();
    }
    return true;
}

void CProxySock::HttpCheckReply() {
    if (!StartsLikeHttp(m_sHttpReply) || m_sHttpReply.size() > kMaxHttpReply) {
        m_nFailed = kRefused;
        m_bDone = 1;
    } else if (EndsWithBlankLine(m_sHttpReply)) {
        m_nFailed = HttpStatusIsSuccess(m_sHttpReply) ? kNotFailed : kRefused;
        m_bDone = 1;
    }
}
