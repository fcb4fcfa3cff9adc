// The table buttons beyond those of the hand: the menu and its entries (the web site, the help
// page in the program folder), the quick-phrase list, the tile exchange, minimising, and the
// buttons that do nothing.  The buttons of online play
// (start, chat send, invitation, quick phrases, the piao pair) act with online play.
#include "engine/Mj.h"
#include "online/InviteForm.h"
#include "online/Lobby.h"
#include "platform/Desktop.h"
#include "platform/Gbk.h"
#include "platform/MessageBox.h"
#include "platform/Path.h"
#include "ui/Dialogs.h"
#include "ui/DxGameChatWnd.h"
#include "ui/ModeForm.h"

namespace {

// The buttons of online play handled here: chat send, invitation, quick phrases.
constexpr int kButtonSendChat = 17;
constexpr int kButtonInvite = 20;
constexpr int kButtonPhrases = 21;

// The help page in the program folder.
constexpr char kHelpPage[] = "help.htm";

// Why a page did not show; the box names the page after it.
constexpr char kNoBrowser[] = "无法启动浏览器打开网页，请自行打开：\n";
constexpr char kHelpMissing[] = "找不到帮助页面：\n";

void SayPageNotShown(const char* why, const std::string& gbkPage) {
    platform::ShowMessage(why + gbkPage, "信息", platform::MbIcon::Information);
}

}  // namespace

void CMj::OnTableButton(int id) {
    switch (id) {
    case kButtonMinimize: platform::MinimizeApplication(); break;
    case kButtonExchange: ExchangeTiles(); break;
    case kButtonMenu: ToggleMenu(); break;
    case kButtonPhrasesOpen: SetPhraseListOpen(true); break;
    case kButtonPhrasesClose: SetPhraseListOpen(false); break;
    case kButtonMaximize: ChangeDisplayMode(); break;
    case kButtonSendChat: SendTableChatLine(); break;
    case kButtonInvite:
        if (pInviteForm) pInviteForm->FillAndShow();
        break;
    case kButtonPhrases: CurrentLobbyWindows()->PopupPhrases(mousex, mousey); break;
    case kButtonSettings:
        // The options dialog takes the mouse from here on; no move over the table would tell
        // the button the pointer has left, so it would still be lit when the dialog closes.
        Button(kButtonSettings).hover = 0;
        ShowDialog(kSetFormId);
        break;
    case kButtonWebsite: OpenHomePage(); break;
    case kButtonHelp: OpenHelpPage(); break;
    case kButtonStart:
        PlayWave("Wave\\start.wav");
        Button(kButtonStart).visible = 0;
        if (IsNetGame()) SendStart();
        Redraw();
        break;
    case kButtonPiaoYes:
    case kButtonPiaoNo:
        Button(kButtonPiaoYes).visible = Button(kButtonPiaoNo).visible = 0;
        if (id == kButtonPiaoNo) Timer(kTimerClaimCount)->SetEnabled(false);
        SendPiaoAnswer(id == kButtonPiaoYes);
        Redraw();
        break;
    default: break;  // 7 and 8 (settings and rules captions), 13 and 14 (chow), 23
    }
}

// The home page goes to the desktop's browser; when none can be started a box says so and
// names the page, so the player can open it.
void CMj::OpenHomePage() {
    if (!platform::OpenUrl(kHomePageAddress)) SayPageNotShown(kNoBrowser, kHomePageAddress);
    Redraw();
}

// The program folder's help page goes to the browser by its own call, the only local file the
// program opens; the box tells a missing page from a browser that could not start.
void CMj::OpenHelpPage() {
    using platform::PageOpening;
    const PageOpening opening = platform::OpenProgramPage(kHelpPage);
    if (opening != PageOpening::Opened) {
        const std::string page = platform::ToDiskPath(platform::ProgramPath(kHelpPage));
        SayPageNotShown(opening == PageOpening::Missing ? kHelpMissing : kNoBrowser,
                        platform::Utf8ToGbk(page));
    }
    Redraw();
}

// The menu's four entries show when they are hidden, else hide.
void CMj::ToggleMenu() {
    const std::uint8_t show = Button(kButtonSettings).visible ? 0 : 1;
    for (int id : kMenuEntries) Button(id).visible = show;
    Redraw();
}

void CMj::CloseMenu() {
    for (int id : kMenuEntries) Button(id).visible = 0;
}

// Buttons 18 and 19 take turns: the one that opens the list shows while it is closed.
void CMj::SetPhraseListOpen(bool open) {
    PlayWave("Wave\\ta.wav");
    if (phraselist) phraselist->visible = open ? 1 : 0;
    Button(kButtonPhrasesOpen).visible = open ? 0 : 1;
    Button(kButtonPhrasesClose).visible = open ? 1 : 0;
    Redraw();
}
