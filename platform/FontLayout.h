// Line breaking of GBK text: the one function measuring and drawing both use, so that the
// lines drawn are exactly the lines measured.
#pragma once

#include <cstddef>
#include <vector>

#include "platform/Font.h"

namespace platform {

// One line of laid-out text: the bytes [begin, end) it shows and their width in pixels (widths
// saturate at the largest int).
struct TextLine {
    std::size_t begin = 0;
    std::size_t end = 0;
    int width = 0;
};

// Width in pixels of text[begin, end) on one line (line breaks take no room).
int TextRunWidth(const char* text, std::size_t begin, std::size_t end, const Font& font);

// Splits text[0, len) into lines; bytes at len and beyond are never read, and no line starts
// or ends inside a two-byte character.
//
// `singleLine` gives one line of all the text.  Otherwise "\r\n", "\n" and "\r" end a line
// (a break at the very end of the text starts no further line), and with `wordBreak` a line ends
// before the character that would take it past `maxWidth`: at the last run of spaces (which belongs
// to neither line), else at the last boundary next to a two-byte character, else before that
// character; a line always holds at least one character.  Empty text is one empty line.
std::vector<TextLine> BreakTextLines(const char* text, std::size_t len, const Font& font,
                                     bool singleLine, bool wordBreak, int maxWidth);

}  // namespace platform
