#include "graphics/LevelTable.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <cstring>
#include <optional>
#include <string>

#include "platform/Gbk.h"
#include "platform/Path.h"
#include "platform/WholeFile.h"

LevelEntry LevelTable[kMaxLevels];
int nLevelCount = 0;

namespace {

constexpr std::size_t kMaxLevelFileBytes = 1u << 20;

// Reads the file's words and numbers as a formatted read of "%s%d" would: a number that does
// not read leaves the word where it stands, to be read as the next title.
class LevelScanner {
public:
    explicit LevelScanner(const std::string& text) : text_(text) {}

    bool AtEnd() {
        SkipSpace();
        return pos_ >= text_.size();
    }

    // The next word (a run of non-blank bytes).
    std::string_view Word() {
        SkipSpace();
        const std::size_t start = pos_;
        while (pos_ < text_.size() && !IsSpace(text_[pos_])) ++pos_;
        return std::string_view(text_).substr(start, pos_ - start);
    }

    // A decimal integer with an optional sign, clamped to 32 bits; nothing (and nothing
    // consumed) when no digit follows.
    std::optional<std::int32_t> Number() {
        SkipSpace();
        std::size_t at = pos_;
        const bool negative = at < text_.size() && text_[at] == '-';
        if (at < text_.size() && (text_[at] == '-' || text_[at] == '+')) ++at;
        if (at >= text_.size() || !IsDigit(text_[at])) return std::nullopt;
        long long value = 0;
        for (; at < text_.size() && IsDigit(text_[at]); ++at)
            value = std::min<long long>(value * 10 + (text_[at] - '0'), 1LL + INT_MAX);
        pos_ = at;
        value = negative ? -value : value;
        return static_cast<std::int32_t>(std::clamp<long long>(value, INT_MIN, INT_MAX));
    }

private:
    static bool IsSpace(char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; }
    static bool IsDigit(char c) { return c >= '0' && c <= '9'; }
    void SkipSpace() {
        while (pos_ < text_.size() && IsSpace(text_[pos_])) ++pos_;
    }

    const std::string& text_;
    std::size_t pos_ = 0;
};

// Stores a title, cut to fit the entry without splitting a two-byte character.
void StoreTitle(LevelEntry& entry, std::string_view title) {
    const std::size_t length =
        platform::GbkClampLength(title.data(), title.size(), sizeof entry.title - 1);
    std::memcpy(entry.title, title.data(), length);
    entry.title[length] = '\0';
}

}  // namespace

void LoadLevelTable(std::string_view path) {
    std::memset(LevelTable, 0, sizeof LevelTable);
    nLevelCount = 0;
    const std::optional<std::string> text =
        platform::ReadWholeFile(platform::ToDiskPath(path), kMaxLevelFileBytes);
    if (!text) return;
    LevelScanner scanner(*text);
    while (nLevelCount < kMaxLevels && !scanner.AtEnd()) {
        const std::string_view title = scanner.Word();
        const std::optional<std::int32_t> bound = scanner.Number();
        if (!bound) continue;
        StoreTitle(LevelTable[nLevelCount], title);
        LevelTable[nLevelCount].bound = *bound;
        ++nLevelCount;
    }
}

int LevelIndexForScore(int score) {
    for (int i = 0; i < nLevelCount; ++i)
        if (LevelTable[i].bound >= score) return i;
    return nLevelCount > 0 ? nLevelCount - 1 : 0;
}

const LevelEntry& LevelForScore(int score) { return LevelTable[LevelIndexForScore(score)]; }
