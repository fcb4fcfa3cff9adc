// The data files the table reads once when it is made: the server directory and the
// quick-chat phrases.
#include <cstring>
#include <string>

#include "engine/Mj.h"
#include "platform/Gbk.h"
#include "platform/Ini.h"
#include "platform/Path.h"
#include "platform/WholeFile.h"

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

// Chat.txt is a short list of phrases; anything longer is not a phrase list.
constexpr std::size_t kMaxChatFileBytes = 64 * 1024;

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v'; }

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

// Every run of characters between white space is one phrase.  GBK trail bytes are never white
// space, so a character is never split; a phrase longer than one chat record is cut at a
// character boundary, and phrases past the list's limit are dropped.
void CMj::ReadChatPhrases(const std::string& gbkPath) {
    phrases.clear();
    const auto bytes = platform::ReadWholeFile(platform::ToDiskPath(gbkPath), kMaxChatFileBytes);
    if (!bytes) return;
    const std::string& text = *bytes;
    std::size_t pos = 0;
    while (pos < text.size() && static_cast<int>(phrases.size()) < kMaxChatPhrases) {
        while (pos < text.size() && IsBlank(text[pos])) pos++;
        std::size_t end = pos;
        while (end < text.size() && !IsBlank(text[end])) end++;
        if (end > pos) {
            const std::size_t keep =
                platform::GbkClampLength(text.data() + pos, end - pos, kMaxChatPhraseBytes);
            phrases.emplace_back(text, pos, keep);
        }
        pos = end;
    }
}
