// The widgets the table makes and draws with itself: the chat input, the chat log and the
// phrase list, the link labels under the table, and the 31 table buttons in the pictures of
// the table's style.
#include "engine/Mj.h"
#include "graphics/GraphicsGlobals.h"
#include "ui/DxEdit.h"
#include "ui/DxGameChatWnd.h"
#include "platform/Path.h"

namespace {

constexpr std::uint32_t kWhite = 0xFFFFFF;

// The chat input sits under the table; the chat log at the top left; the phrase list above
// the right of the hand.
constexpr MjPoint kChatEditAt{256, 563};
constexpr platform::Rect kChatLogRect{10, 65, 250, 190};
constexpr platform::Rect kPhraseListRect{408, 430, 648, 560};

struct LinkEntry {
    MjPoint at;
    const char* caption;
    const char* address;
};
// The two links the table shows offline; online more come from the server, a pair at a time.
constexpr LinkEntry kLinks[] = {
    {{265, 572}, "访问翠岭网站", "https://cuiling.example/"},
    {{485, 572}, "每日精选小游戏,免费玩", "https://cuiling.example/moregames?from=cuiling"},
};

}  // namespace

void CMj::CreateChatWindows() {
    ownChatEdit_ = std::make_unique<CDxEdit>("Graphic\\input.bmp");
    chatedit = ownChatEdit_.get();
    chatedit->focus = 1;
    chatedit->translucent = 0;
    chatedit->SetPos(kChatEditAt.x, kChatEditAt.y);
    chatedit->textColor = kWhite;
    chatedit->visible = 0;

    ownChatLog_ = std::make_unique<CDxGameChatWnd>();
    chatlog = ownChatLog_.get();
    chatlog->SetRect(kChatLogRect.left, kChatLogRect.top, kChatLogRect.right, kChatLogRect.bottom);

    ownPhraseList_ = std::make_unique<CDxGameChatWnd>();
    phraselist = ownPhraseList_.get();
    phraselist->SetRect(kPhraseListRect.left, kPhraseListRect.top, kPhraseListRect.right,
                        kPhraseListRect.bottom);
    phraselist->enabled = 1;
    phraselist->visible = 0;
    ReadChatPhrases(platform::ProgramPath("Chat.txt"));
    phraselist->currentPage = 0;
}

void CMj::DeleteChatWindows() {
    chatedit = nullptr;
    chatlog = nullptr;
    phraselist = nullptr;
    ownChatEdit_.reset();
    ownChatLog_.reset();
    ownPhraseList_.reset();
}

void CMj::SetUpLinkLabels() {
    for (int i = 0; i < kMaxLinkLabels; i++) links[i] = &linkLabels_[i];
    linkcount = 0;
    for (const LinkEntry& link : kLinks) {
        links[linkcount]->Set(link.at.x, link.at.y, link.caption, link.address);
        linkcount++;
    }
}

// The pictures follow the table style chosen at start-up; which buttons show follows the
// renderer's style (the classic table has a close button of its own).
void CMj::SetUpButtons() { AddTableButtons(buttons, bNewStyle != 0, renderer.bClassic != 0); }
