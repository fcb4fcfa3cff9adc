// Reads any bytes as the program folder's plain-text data files, through their own readers from
// a file: the level table (level.txt) and the quick-chat phrases (Chat.txt).  Checks what the
// game relies on: at most 50 levels, each title ended inside its field and never ending in half
// a character; at most 100 phrases, each a non-empty run without white space that fits one chat
// record and ends on a character boundary.
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "engine/ChatPhrases.h"
#include "graphics/LevelTable.h"
#include "platform/Gbk.h"

namespace {

// One file in memory for every run, named by its descriptor: nothing is left on disk.
struct InputFile {
    InputFile() : fd(memfd_create("datafile", MFD_CLOEXEC)) {
        if (fd < 0) std::abort();
        path = "/proc/self/fd/" + std::to_string(fd);
    }
    void Put(const std::uint8_t* data, std::size_t size) const {
        if (ftruncate(fd, 0) != 0 || pwrite(fd, data, size, 0) != static_cast<ssize_t>(size))
            std::abort();
    }
    int fd;
    std::string path;
};

bool EndsOnACharacter(const char* text, std::size_t length) {
    return platform::GbkClampLength(text, length, length) == length;
}

void CheckLevels() {
    if (nLevelCount < 0 || nLevelCount > kMaxLevels) std::abort();
    for (int i = 0; i < nLevelCount; ++i) {
        const LevelEntry& e = LevelTable[i];
        const void* end = std::memchr(e.title, 0, sizeof e.title);
        if (!end) std::abort();
        if (!EndsOnACharacter(e.title, std::strlen(e.title))) std::abort();
    }
    LevelForScore(0);
    LevelForScore(INT32_MIN);
    LevelForScore(INT32_MAX);
}

void CheckPhrases(const std::vector<std::string>& phrases) {
    if (static_cast<int>(phrases.size()) > kMaxChatPhrases) std::abort();
    for (const std::string& p : phrases) {
        if (p.empty() || static_cast<int>(p.size()) > kMaxChatPhraseBytes) std::abort();
        if (p.find_first_of(" \t\r\n\f\v") != std::string::npos) std::abort();
        if (!EndsOnACharacter(p.data(), p.size())) std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const InputFile file;
    file.Put(data, size);
    LoadLevelTable(file.path);
    CheckLevels();
    const std::vector<std::string> phrases = ReadChatFile(file.path);
    CheckPhrases(phrases);
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    if (size <= kMaxChatFileBytes && phrases != SplitChatPhrases(bytes)) std::abort();
    return 0;
}
