#include "online/MainWindowNotices.h"

#include "platform/Gbk.h"

namespace {

std::string_view Bounded(const std::string& text, std::size_t bytes) {
    return std::string_view(text).substr(0, platform::GbkClampLength(text.data(), text.size(), bytes));
}

// The part of `payload` up to the next NUL (or the end), moving past it.
std::string NextPart(std::string_view& payload) {
    const std::size_t end = payload.find('\0');
    std::string part(payload.substr(0, end));
    payload = end == std::string_view::npos ? std::string_view() : payload.substr(end + 1);
    return part;
}

}  // namespace

std::string PackLinkNotice(const LinkNotice& notice) {
    std::string payload(Bounded(notice.text, LinkNotice::kTextBytes));
    payload += '\0';
    payload += Bounded(notice.caption, LinkNotice::kCaptionBytes);
    payload += '\0';
    payload += Bounded(notice.url, LinkNotice::kUrlBytes);
    return payload;
}

LinkNotice UnpackLinkNotice(std::string_view payload) {
    LinkNotice notice;
    notice.text = NextPart(payload);
    notice.caption = NextPart(payload);
    notice.url = NextPart(payload);
    return notice;
}

void PostNoticeText(int id, const std::string& gbkText) {
    const std::size_t field = id == WM_TALKCLOSED ? kTalkPeerBytes : kNoticeTextBytes;
    platform::PostNotice(id, std::string(Bounded(gbkText, field)));
}

void PostLinkNotice(const LinkNotice& notice) {
    platform::PostNotice(WM_LINKDLGMSG, PackLinkNotice(notice));
}

// The icon as one digit, then the caption and the text, each ended by a NUL.
std::string PackNoticeBox(const platform::MessageBoxRequest& box) {
    std::string payload(1, static_cast<char>('0' + static_cast<int>(box.icon)));
    payload += box.caption;
    payload += '\0';
    payload += box.text;
    return payload;
}

platform::MessageBoxRequest UnpackNoticeBox(std::string_view payload) {
    platform::MessageBoxRequest box;
    box.owner = platform::MbOwner::MainWindow;
    if (payload.empty()) return box;
    const int icon = payload.front() - '0';
    if (icon >= 0 && icon <= static_cast<int>(platform::MbIcon::Question))
        box.icon = static_cast<platform::MbIcon>(icon);
    payload.remove_prefix(1);
    box.caption = NextPart(payload);
    box.text = NextPart(payload);
    return box;
}

void PostNoticeBox(const platform::MessageBoxRequest& box) {
    platform::PostNotice(WM_LINKBOXMSG, PackNoticeBox(box));
}

void PostNetworkStartEnd(const platform::MessageBoxRequest& box) {
    platform::PostNotice(WM_NETENDMSG, PackNoticeBox(box));
}
