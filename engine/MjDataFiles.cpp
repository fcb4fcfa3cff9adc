// The data files the table reads once when it is made: the server directory and the
// quick-chat phrases.
#include <cstring>
#include <string>

#include "engine/ChatPhrases.h"
#include "engine/Mj.h"
#include "ui/DxGameChatWnd.h"
#include "platform/Ini.h"
#include "platform/Path.h"

DirServerInfo DirServer[kMaxDirServers];
int ServerNum = 0;
int nServerIndex = 0;

namespace {

constexpr int kDefaultServerCount = 2;
constexpr int kDefaultServerPort = 1982;
// The server lines the game knows without a directory file: entry 1 the netcom line, the
// others the telecom line, both on this machine until the directory names the servers.
constexpr const char* kNetcomName = "网通服务器";
constexpr const char* kTelecomName = "电信服务器";
constexpr const char* kNetcomHost = "127.0.0.1";
constexpr const char* kTelecomHost = "127.0.0.1";

constexpr std::uint32_t kPhraseColor = 0xFFFFFF;

}  // namespace

// Lines beyond the five the directory holds are ignored.
void CMj::ReadDirServers(const std::string& gbkPath) {
    ServerNum = 0;
    nServerIndex = 0;
    const int count = platform::ReadProfileInt("Public", "ServerNum", kDefaultServerCount, gbkPath);
    for (int i = 0; i < count && ServerNum < kMaxDirServers; i++) {
        const std::string section = "DIRSERVER" + std::to_string(i);
        DirServerInfo& entry = DirServer[ServerNum];
        std::memset(&entry, 0, sizeof entry);
        const bool netcom = i == 1;
        platform::ReadProfileString(section, "name", netcom ? kNetcomName : kTelecomName,
                                    entry.name, sizeof entry.name, gbkPath);
        platform::ReadProfileString(section, "host", netcom ? kNetcomHost : kTelecomHost,
                                    entry.host, sizeof entry.host, gbkPath);
        entry.port = platform::ReadProfileInt(section, "port", kDefaultServerPort, gbkPath);
        ServerNum++;
    }
}

// Each phrase of Chat.txt is a line of the phrase list in white.
void CMj::ReadChatPhrases(const std::string& gbkPath) {
    if (!phraselist) return;
    for (const std::string& phrase : ReadChatFile(gbkPath))
        phraselist->AddText(phrase.data(), static_cast<int>(phrase.size()), kPhraseColor);
}
