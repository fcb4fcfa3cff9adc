// Notices online play posts to the main window (platform::PostNotice), each carrying its own
// copy of its texts: a message box of the server, and a notice with a link.
#pragma once

#include <string>
#include <string_view>

#include "platform/WindowPost.h"

// The text of a message box (GBK), shown with the program's title as its caption.
constexpr int WM_NOTICEMSG = platform::kUserMessage + 1;
// A link notice: PackLinkNotice's payload.
constexpr int WM_LINKDLGMSG = platform::kUserMessage + 6;

// A link notice's three texts (GBK), each bounded by the main window's field for it.
struct LinkNotice {
    static constexpr std::size_t kTextBytes = 59;
    static constexpr std::size_t kCaptionBytes = 29;
    static constexpr std::size_t kUrlBytes = 34;
    std::string text;
    std::string caption;
    std::string url;
};

// The three texts, each cut to its bound at a character boundary, joined by NULs.
std::string PackLinkNotice(const LinkNotice& notice);
LinkNotice UnpackLinkNotice(std::string_view payload);

// Posts a link notice to the main window.
void PostLinkNotice(const LinkNotice& notice);
