#include "ui/DxEdit.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "graphics/AlphaBlend.h"
#include "graphics/SurfaceHelpers.h"
#include "platform/Gbk.h"
#include "platform/Sound.h"
#include "ui/WidgetDraw.h"

namespace {

constexpr unsigned char kBackspace = 8;
constexpr unsigned char kEnter = 13;
constexpr unsigned char kEscape = 27;
constexpr int kTranslucentOpacity = 180;

}  // namespace

CDxEdit::CDxEdit(std::string_view backgroundPath) {
    LoadWidgetPicture(backgroundPath, &background, &backgroundRect, true);
}

CDxEdit::~CDxEdit() { GReleaseSurface(&background); }

void CDxEdit::SetPos(int newX, int newY) {
    x = newX;
    y = newY;
}

bool CDxEdit::MouseDown(int px, int py) {
    if (!(px > x && py > y && px < x + backgroundRect.right && py < y + backgroundRect.bottom))
        return false;
    focus = 1;
    return true;
}

bool CDxEdit::OnChar(unsigned char c) {
    if (!focus) return false;
    const bool dropTrail = dropTrail_;
    dropTrail_ = false;
    if (c == kEnter || c == kEscape) return false;
    if (c == kBackspace)
        Backspace();
    else if (!(dropTrail && platform::IsGbkTrail(c)))
        Append(c);
    return true;
}

void CDxEdit::Backspace() {
    length = static_cast<int>(platform::GbkPrevCharStart(text, static_cast<std::size_t>(length)));
}

void CDxEdit::Append(unsigned char c) {
    // A lead byte needs room for its trail too; a trail byte completes the lead before it.
    const bool startsCharacter = platform::IsGbkLead(c) && !EndsInsideCharacter();
    const int room = kMaxLength - length;
    if (room < (startsCharacter ? 2 : 1)) {
        dropTrail_ = startsCharacter;
        platform::Beep();
        return;
    }
    text[length++] = static_cast<char>(c);
}

bool CDxEdit::EndsInsideCharacter() const {
    if (length == 0) return false;
    const std::size_t last =
        platform::GbkPrevCharStart(text, static_cast<std::size_t>(length));
    return last == static_cast<std::size_t>(length - 1) &&
           platform::IsGbkLead(static_cast<unsigned char>(text[last]));
}

void CDxEdit::GetText(char* buffer, int max) const {
    const int n = std::clamp(max, 0, length);
    if (n > 0) std::memcpy(buffer, text, static_cast<std::size_t>(n));
}

void CDxEdit::Draw() {
    if (!visible) return;
    if (translucent)
        GAlphaBlt(background, x, y, backgroundRect.left, backgroundRect.top,
                  backgroundRect.right, backgroundRect.bottom, kTranslucentOpacity);
    else
        DrawKeyed(background, backgroundRect, x, y);
    DrawTextLine();
}

// The text (or stars) followed by the caret ('|' or, between blinks, a space; a space too
// without focus).  When it fits the box it is written from the left; when wider it is set
// against the right edge, so its end and the caret stay in view.
void CDxEdit::DrawTextLine() const {
    std::string display = password ? std::string(static_cast<std::size_t>(length), '*')
                                   : std::string(text, static_cast<std::size_t>(length));
    const bool caret = focus && caretOn;
    display += caret ? '|' : ' ';
    const std::string_view all(display);
    const std::string_view bare = all.substr(0, all.size() - 1);  // without the caret's cell
    const std::string_view measured = focus ? all : bare;

    const platform::Rect inner{x + marginX, y + marginY, x + backgroundRect.right - marginX,
                               y + backgroundRect.bottom - marginY};
    const platform::TextPaint paint = InkOnly(textColor);
    const int width =
        platform::MeasureText(measured.data(), measured.size(), platform::kBodyFont).width;
    if (width <= inner.right - inner.left)
        WriteText(inner.left, inner.top, caret ? all : bare, platform::kBodyFont, paint);
    else
        WriteTextIn(inner, all, platform::kBodyFont, platform::kDtRight, paint);
}
