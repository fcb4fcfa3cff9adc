#include "ui/ChatText.h"

#include <algorithm>

#include "graphics/GraphicsGlobals.h"
#include "platform/Blit.h"
#include "platform/Text.h"
#include "ui/WidgetDraw.h"

namespace {

// The highlight is a raw fill value: on the 16-bit surface its low half, 0x00FF, a strong blue.
constexpr std::uint32_t kHighlightFill = 0xFF00FF;

bool StrictlyInside(const platform::Rect& r, int x, int y) {
    return x > r.left && x < r.right && y > r.top && y < r.bottom;
}

std::size_t ByteCount(const char* text, int length) {
    return text && length > 0 ? static_cast<std::size_t>(length) : 0;
}

}  // namespace

void CChatLine::SetRect(int left, int top, int right, int bottom) {
    rect = {left, top, right, bottom};
}

void CChatLine::SetText(const char* bytes, int length, int offset, int height) {
    text.assign(bytes ? bytes : "", ByteCount(bytes, length));
    rect.top += offset;
    rect.bottom = rect.top + height;
}

void CChatLine::Draw() const {
    WriteTextIn(rect, text, platform::kIconTitleFont, platform::kDtWordBreak, InkOnly(color));
}

void CChatLineList::SetRect(int left, int top, int right, int bottom) {
    rect_ = {left, top, right, bottom};
}

void CChatLineList::Add(const char* text, int length, int offset, int height,
                        std::uint32_t color) {
    CChatLine line;
    line.color = color;
    line.SetRect(rect_.left, rect_.top, rect_.right, rect_.bottom);
    line.SetText(text, length, offset, height);
    lines_.push_back(std::move(line));
}

void CChatLineList::Clear() { lines_.clear(); }

int CChatLineList::HitTest(int x, int y) {
    auto hit = std::find_if(lines_.begin(), lines_.end(),
                            [&](const CChatLine& line) { return StrictlyInside(line.rect, x, y); });
    if (hit == lines_.end() || hit->selected) return -1;
    for (CChatLine& line : lines_) line.selected = 0;
    hit->selected = 1;
    return static_cast<int>(hit - lines_.begin());
}

void CChatLineList::Draw() const {
    auto selected = std::find_if(lines_.begin(), lines_.end(),
                                 [](const CChatLine& line) { return line.selected; });
    if (selected != lines_.end()) platform::ColorFill(lpDDSPla, &selected->rect, kHighlightFill);
    for (const CChatLine& line : lines_) line.Draw();
}

const char* CChatLineList::GetSelectedText() const {
    for (const CChatLine& line : lines_)
        if (line.selected) return line.text.c_str();
    return nullptr;
}

void CChatPage::SetRect(int left, int top, int right, int bottom) {
    used = 0;
    rect = {left, top, right, bottom};
    lines.SetRect(left, top, right, bottom);
}

bool CChatPage::AddText(const char* text, int length, std::uint32_t color) {
    platform::Rect measured{rect.left, used, rect.right, used};
    const int height =
        platform::CalcRect(&measured, text, ByteCount(text, length), platform::kIconTitleFont,
                           platform::kDtWordBreak);
    const int pageHeight = rect.bottom - rect.top;
    if (used + height <= pageHeight) {
        lines.Add(text, length, used, height, color);
        used += height + kLineGap;
        return true;
    }
    if (used == 0) {
        lines.Add(text, length, 0, pageHeight, color);
        used = pageHeight + kLineGap;
        return true;
    }
    return false;
}

void CChatPageList::SetRect(int left, int top, int right, int bottom) {
    rect_ = {left, top, right, bottom};
}

int CChatPageList::AddText(const char* text, int length, std::uint32_t color) {
    if (pages_.empty() || !pages_.back()->AddText(text, length, color)) {
        auto page = std::make_unique<CChatPage>();
        page->SetRect(rect_.left, rect_.top, rect_.right, rect_.bottom);
        page->AddText(text, length, color);
        if (pages_.size() >= static_cast<std::size_t>(kMaxChatPages)) pages_.erase(pages_.begin());
        pages_.push_back(std::move(page));
        count = static_cast<int>(pages_.size());
    }
    return count - 1;
}

CChatPage* CChatPageList::GetPage(int index) const {
    if (pages_.empty()) return nullptr;
    return pages_[static_cast<std::size_t>(std::clamp(index, 0, count - 1))].get();
}

int CChatPageList::HitTest(int x, int y, int index) {
    CChatPage* page = GetPage(index);
    return page ? page->HitTest(x, y) : -1;
}

void CChatPageList::DrawPage(int index) const {
    if (const CChatPage* page = GetPage(index)) page->Draw();
}

const char* CChatPageList::GetSelectedText(int index) const {
    const CChatPage* page = GetPage(index);
    return page ? page->GetSelectedText() : nullptr;
}

void CChatPageList::Clear() {
    pages_.clear();
    count = 0;
}
