// Lays out any bytes as text (chat lines and names come from the server): every line must stay
// inside the text, start and end on character boundaries, and be no wider than the box unless it
// holds a single character.  The text sits at the very end of its allocation, so a read past its
// length is caught.
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <vector>

#include "platform/FontLayout.h"
#include "platform/Gbk.h"

using namespace platform;

namespace {

// The character starts of text[0, len), plus len itself.
std::vector<bool> Boundaries(const char* text, std::size_t len) {
    std::vector<bool> starts(len + 1, false);
    for (std::size_t pos = 0; pos < len; pos += GbkCharLength(text, len, pos)) starts[pos] = true;
    starts[len] = true;
    return starts;
}

void Check(bool ok) {
    if (!ok) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    // The first byte picks the box width and the format, the rest is the text.
    const int maxWidth = data[0] % 64 * 3;
    const bool wordBreak = (data[1] & 1) != 0;
    const bool singleLine = (data[1] & 2) != 0;
    const Font font{(data[1] & 4) ? 14 : 12, (data[1] & 8) ? 600 : 400, false};
    const std::size_t len = size - 2;
    std::unique_ptr<char[]> text(new char[len ? len : 1]);
    for (std::size_t i = 0; i < len; ++i) text[i] = static_cast<char>(data[i + 2]);

    const std::vector<bool> starts = Boundaries(text.get(), len);
    const std::vector<TextLine> lines =
        BreakTextLines(text.get(), len, font, singleLine, wordBreak, maxWidth);
    Check(!lines.empty());
    std::size_t previousEnd = 0;
    for (const TextLine& line : lines) {
        Check(line.begin <= line.end && line.end <= len && line.begin >= previousEnd);
        Check(starts[line.begin] && starts[line.end]);
        Check(line.width == TextRunWidth(text.get(), line.begin, line.end, font));
        if (wordBreak && !singleLine && line.width > maxWidth)
            Check(line.end == line.begin + GbkCharLength(text.get(), len, line.begin));
        previousEnd = line.end;
    }
    return 0;
}
