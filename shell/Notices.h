// The notices other parts of the program post to the main window (platform::PostNotice), and
// the texts each carries.  A notice carries its own copy of its texts, cut to the size of the
// main window's field it stands for, so a poster may reuse its buffer at once and two notices
// in a row are both shown.  No window code here: the server link posts these too.
#pragma once

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>

#include "platform/Gbk.h"
#include "platform/WindowPost.h"

// The notices of the main window.
enum ShellNotice : int {
    WM_NOTICEMSG = platform::kUserMessage + 1,    // a server notice: szNotice
    WM_TALKCLOSED = platform::kUserMessage + 3,   // a talk window has closed: its peer's name
    WM_ROOMLISTMSG = platform::kUserMessage + 4,  // a room-list notice: szNotice
    WM_UPDATEMSG = platform::kUserMessage + 5,    // an update offer: the question to ask
    WM_LINKDLGMSG = platform::kUserMessage + 6,   // a notice with a link: LinkNotice
    // The update download's progress and its end, from the downloading thread.
    WM_DOWNLOADPROGRESS = platform::kUserMessage + 7,
    WM_DOWNLOADDONE = platform::kUserMessage + 8,
};

// Sizes of the main window's text fields, terminator included.
constexpr std::size_t kNoticeBytes = 128;
constexpr std::size_t kTalkPeerBytes = 20;
constexpr std::size_t kLinkTextBytes = 60;
constexpr std::size_t kLinkCaptionBytes = 30;
constexpr std::size_t kLinkUrlBytes = 35;

// GBK text cut to what a field of `fieldBytes` holds before its terminator, never inside a
// character, and ending at an embedded zero as a C string would.
inline std::string FieldText(std::string_view text, std::size_t fieldBytes) {
    text = text.substr(0, text.find('\0'));
    return std::string(text.substr(0, platform::GbkClampLength(text.data(), text.size(),
                                                               fieldBytes - 1)));
}

// The three texts of a link notice.
struct LinkNotice {
    std::string text;     // the notice, up to 59 bytes
    std::string caption;  // the link's caption, up to 29 bytes
    std::string url;      // the address the link opens, up to 34 bytes
};

// A link notice as one payload: the three texts, each cut to its field, separated by zeros.
inline std::string PackLinkNotice(const LinkNotice& notice) {
    std::string payload = FieldText(notice.text, kLinkTextBytes);
    payload += '\0';
    payload += FieldText(notice.caption, kLinkCaptionBytes);
    payload += '\0';
    payload += FieldText(notice.url, kLinkUrlBytes);
    return payload;
}

// The texts of a payload made by PackLinkNotice; missing parts are empty, and each part is cut
// to its field again, so no payload gives longer texts.
inline LinkNotice UnpackLinkNotice(std::string_view payload) {
    std::string_view parts[3];
    for (std::string_view& part : parts) {
        const std::size_t end = std::min(payload.find('\0'), payload.size());
        part = payload.substr(0, end);
        payload.remove_prefix(std::min(end + 1, payload.size()));
    }
    return {FieldText(parts[0], kLinkTextBytes), FieldText(parts[1], kLinkCaptionBytes),
            FieldText(parts[2], kLinkUrlBytes)};
}

// Posting, from any thread.
inline void PostShellNotice(ShellNotice id, std::string_view gbkText) {
    const std::size_t field = id == WM_TALKCLOSED ? kTalkPeerBytes : kNoticeBytes;
    platform::PostNotice(id, FieldText(gbkText, field));
}
inline void PostLinkNotice(const LinkNotice& notice) {
    platform::PostNotice(WM_LINKDLGMSG, PackLinkNotice(notice));
}
