#include "platform/FontLayout.h"

#include "platform/Gbk.h"
#include "platform/Rect.h"

namespace platform {

namespace {

bool IsLineBreak(char c) { return c == '\r' || c == '\n'; }

// End of the paragraph that starts at `pos` (the first line-break byte, or len) and the start
// of the next one after its line break.
std::size_t ParagraphEnd(const char* text, std::size_t len, std::size_t pos, std::size_t* next) {
    std::size_t end = pos;
    while (end < len && !IsLineBreak(text[end])) end += GbkCharLength(text, len, end);
    *next = end;
    if (end < len)
        *next = end + (text[end] == '\r' && end + 1 < len && text[end + 1] == '\n' ? 2 : 1);
    return end;
}

std::size_t SkipSpaces(const char* text, std::size_t end, std::size_t pos) {
    while (pos < end && text[pos] == ' ') ++pos;
    return pos;
}

// Breaks one paragraph text[begin, end) into lines no wider than maxWidth.
void BreakParagraph(const char* text, std::size_t begin, std::size_t end, const Font& font,
                    int maxWidth, std::vector<TextLine>* lines) {
    std::size_t start = begin;
    for (;;) {
        std::size_t pos = start;
        long long width = 0;  // in 64 bits: a line may be as wide as the largest int
        // The last place the line may end, the width up to it and where the next line starts.
        TextLine wrap{start, start, 0};
        std::size_t wrapNext = start;
        bool prevDouble = false;
        bool broke = false;
        while (pos < end) {
            std::size_t n = GbkCharLength(text, end, pos);
            bool isSpace = text[pos] == ' ';
            // A line may end before a run of spaces (which it then drops) or next to a
            // two-byte character.
            if (pos > start && text[pos - 1] != ' ' && (isSpace || n == 2 || prevDouble)) {
                wrap = {start, pos, ClampToInt(width)};
                wrapNext = isSpace ? SkipSpaces(text, end, pos) : pos;
            }
            int advance = FontCharAdvance(font, static_cast<unsigned char>(text[pos]), n);
            if (pos > start && width + advance > maxWidth) {
                if (wrap.end == start) {
                    wrap = {start, pos, ClampToInt(width)};
                    wrapNext = pos;
                }
                lines->push_back(wrap);
                start = wrapNext;
                broke = true;
                break;
            }
            width += advance;
            prevDouble = n == 2;
            pos += n;
        }
        if (!broke) {
            lines->push_back({start, end, ClampToInt(width)});
            return;
        }
        if (start >= end) return;
    }
}

}  // namespace

int TextRunWidth(const char* text, std::size_t begin, std::size_t end, const Font& font) {
    long long width = 0;  // summed in 64 bits, given saturated
    for (std::size_t pos = begin; pos < end;) {
        std::size_t n = GbkCharLength(text, end, pos);
        width += FontCharAdvance(font, static_cast<unsigned char>(text[pos]), n);
        pos += n;
    }
    return ClampToInt(width);
}

std::vector<TextLine> BreakTextLines(const char* text, std::size_t len, const Font& font,
                                     bool singleLine, bool wordBreak, int maxWidth) {
    std::vector<TextLine> lines;
    if (singleLine) {
        lines.push_back({0, len, TextRunWidth(text, 0, len, font)});
        return lines;
    }
    std::size_t pos = 0;
    do {
        std::size_t next = len;
        std::size_t end = ParagraphEnd(text, len, pos, &next);
        if (wordBreak)
            BreakParagraph(text, pos, end, font, maxWidth, &lines);
        else
            lines.push_back({pos, end, TextRunWidth(text, pos, end, font)});
        pos = next;
    } while (pos < len);
    return lines;
}

}  // namespace platform
