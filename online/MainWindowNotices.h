// Notices posted to the main window (platform::PostNotice), each carrying its own copy of its
// texts, so two in a row are both shown and a poster may reuse its buffer at once: a message box
// of the server, a closed talk window, a room-list notice, an update offer and a notice with a
// link, and the link's own message box.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "platform/MessageBox.h"
#include "platform/WindowPost.h"

// The text of a message box (GBK), shown with the program's title as its caption.
constexpr int WM_NOTICEMSG = platform::kUserMessage + 1;
// A private talk window has closed: its peer's name.
constexpr int WM_TALKCLOSED = platform::kUserMessage + 3;
// A room-list notice: its text, shown before the room list.
constexpr int WM_ROOMLISTMSG = platform::kUserMessage + 4;
// An update offer: the question to ask.
constexpr int WM_UPDATEMSG = platform::kUserMessage + 5;
// A link notice: PackLinkNotice's payload.
constexpr int WM_LINKDLGMSG = platform::kUserMessage + 6;
// The link's message box (a lost connection): PackNoticeBox's payload, shown over the main
// window in turn with the server's boxes.
constexpr int WM_LINKBOXMSG = platform::kUserMessage + 9;
// A command-line start has ended: PackNoticeBox's payload, the box shown before the hidden main
// window closes.
constexpr int WM_NETENDMSG = platform::kUserMessage + 10;

// The text fields of the main window the one-text notices stand for: a notice of 127 bytes, a
// peer's name of 19.
constexpr std::size_t kNoticeTextBytes = 127;
constexpr std::size_t kTalkPeerBytes = 19;

// Posts a one-text notice (WM_NOTICEMSG, WM_TALKCLOSED, WM_ROOMLISTMSG, WM_UPDATEMSG), the text
// cut to its field at a character boundary.
void PostNoticeText(int id, const std::string& gbkText);

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

// A box's caption, icon and text (GBK), joined for WM_LINKBOXMSG.
std::string PackNoticeBox(const platform::MessageBoxRequest& box);
// The box of a payload: an OK box over the main window; a payload that is not one gives an empty
// text.
platform::MessageBoxRequest UnpackNoticeBox(std::string_view payload);

// Posts the link's message box to the main window.
void PostNoticeBox(const platform::MessageBoxRequest& box);
// Posts a command-line start's last box to the main window.
void PostNetworkStartEnd(const platform::MessageBoxRequest& box);
