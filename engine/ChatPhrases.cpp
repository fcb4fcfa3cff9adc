#include "engine/ChatPhrases.h"

#include "platform/Gbk.h"
#include "platform/Path.h"
#include "platform/WholeFile.h"

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v';
}

}  // namespace

std::vector<std::string> SplitChatPhrases(std::string_view text) {
    std::vector<std::string> phrases;
    std::size_t pos = 0;
    while (pos < text.size() && static_cast<int>(phrases.size()) < kMaxChatPhrases) {
        while (pos < text.size() && IsBlank(text[pos])) pos++;
        std::size_t end = pos;
        while (end < text.size() && !IsBlank(text[end])) end++;
        if (end > pos) {
            const std::size_t keep =
                platform::GbkClampLength(text.data() + pos, end - pos, kMaxChatPhraseBytes);
            phrases.emplace_back(text.substr(pos, keep));
        }
        pos = end;
    }
    return phrases;
}

std::vector<std::string> ReadChatFile(const std::string& gbkPath) {
    const auto bytes = platform::ReadWholeFile(platform::ToDiskPath(gbkPath), kMaxChatFileBytes);
    return bytes ? SplitChatPhrases(*bytes) : std::vector<std::string>{};
}
