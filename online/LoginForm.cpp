#include "online/LoginForm.h"

#include <algorithm>
#include <cstring>

#include "engine/Mj.h"
#include "online/DataModule.h"
#include "online/NetworkStart.h"
#include "online/OnlineAddresses.h"
#include "online/OnlineDialogs.h"
#include "online/OnlineWindows.h"
#include "online/RegForm.h"
#include "platform/Desktop.h"
#include "platform/Ini.h"
#include "platform/MessageBox.h"
#include "platform/Path.h"

CLoginForm* pLoginForm = nullptr;

namespace {

constexpr int kTab = 9;
constexpr int kEnterKey = 13;
constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr int kLoginNameBytes = 20;
constexpr const char* kEditPicture = "Graphic\\LoginForm\\edit.bmp";

std::string NetworkCfg() { return platform::ProgramPath("Network.cfg"); }
std::string SettingsFile() { return platform::ProgramPath("SET.ini"); }

// Length rules of the log-in, in the order they are checked.
struct LengthRule {
    bool password;
    bool tooLong;
    const char* text;
};
constexpr LengthRule kLengthRules[] = {
    {false, false, "请输入至少4位的帐号"},
    {false, true, "请输入少于12位的帐号"},
    {true, false, "请输入至少4位的密码"},
    {true, true, "请输入少于12位的密码"},
};

void SetEditText(CDxEdit* edit, std::string_view text) {
    const int n = static_cast<int>(std::min<std::size_t>(text.size(), CDxEdit::kMaxLength));
    std::memset(edit->text, 0, sizeof edit->text);
    std::memcpy(edit->text, text.data(), static_cast<std::size_t>(n));
    edit->length = n;
}

std::string EditText(const CDxEdit* edit, int maxBytes) {
    return std::string(edit->text, static_cast<std::size_t>(std::min(edit->length, maxBytes)));
}

}  // namespace

CLoginForm::CLoginForm(std::string_view backgroundPath, CMj* ownerTable)
    : CBitForm(backgroundPath, ownerTable),
      NameEdit(new CDxEdit(kEditPicture)),
      PassEdit(new CDxEdit(kEditPicture)),
      FocusEdit(NameEdit),
      LoginTimer(new CMjTimer()) {
    buttons.Add("Graphic\\LoginForm\\Enter.bmp", "");
    buttons.Add("Graphic\\LoginForm\\Close.bmp", "");
    buttons.Add("Graphic\\LoginForm\\Reg.bmp", "");
    buttons.Add("Graphic\\LoginForm\\Daili.bmp", "");
    buttons.GetButton(kSignUp)->hint = "免费注册为翠岭的会员";
    NameEdit->textColor = kWhite;
    PassEdit->textColor = kWhite;
    PassEdit->password = 1;
    LoginTimer->id = kTimerId;
    LoginTimer->interval = 1000;

    char name[kLoginNameBytes + 1] = {};
    platform::ReadProfileString("loginserver", "name", "", name, sizeof name, NetworkCfg());
    SetName(name);
    FocusOn(NameEdit->length > 0 ? PassEdit : NameEdit);

    StatusLabel.visible = 0;
    StatusLabel.textColor = kWhite;
    StatusLabel.SetRect(280, 525, 300, 40);
    CLoginForm::SetPos(0, 0);
    proxy.Read(SettingsFile());
}

CLoginForm::~CLoginForm() {
    delete LoginTimer;
    delete NameEdit;
    delete PassEdit;
    proxy.Write(SettingsFile());
    if (pLoginForm == this) pLoginForm = nullptr;
}

void CLoginForm::Draw() {
    CBitForm::Draw();
    NameEdit->Draw();
    PassEdit->Draw();
    StatusLabel.Draw();
}

void CLoginForm::Close() { Redraw(); }

void CLoginForm::SetPos(int newX, int newY) {
    CBitForm::SetPos(newX, newY);
    buttons.SetPos(kEnter, newX + 294, newY + 409);
    buttons.SetPos(kSignUp, newX + 402, newY + 409);
    buttons.SetPos(kBack, newX + 402, newY + 460);
    buttons.SetPos(kProxy, newX + 294, newY + 460);
    NameEdit->SetPos(newX + 287, newY + 289);
    PassEdit->SetPos(newX + 287, newY + 353);
}

void CLoginForm::Show() {
    SetPassword("");
    nActiveForm = kId;
    Redraw();
}

void CLoginForm::ShowSignedUp(std::string_view gbkName) {
    SetName(gbkName);
    FocusOn(PassEdit);
    buttons.ClearHover();
    Show();
}

// The sign-up dialog had the mouse while it showed, so no move here told the 注册 button that
// the pointer left it: it would come back lit, its hint above it, until the mouse moved.
void CLoginForm::ReturnFromSignUp() {
    buttons.ClearHover();
    nActiveForm = kId;
    Redraw();
}

int CLoginForm::OnLButtonDown(int px, int py) {
    const int index = buttons.MouseDown(px, py);
    if (NameEdit->MouseDown(px, py))
        FocusOn(NameEdit);
    else if (PassEdit->MouseDown(px, py))
        FocusOn(PassEdit);
    Redraw();
    return index;
}

int CLoginForm::OnMouseMove(int px, int py) { return HoverButtons(px, py); }

int CLoginForm::OnLButtonUp(int px, int py) {
    const int index = buttons.MouseUp(px, py);
    switch (index) {
        case kEnter: LogIn(false); break;
        case kBack:
            nActiveForm = kModeFormId;
            Redraw();
            break;
        case kSignUp: ShowDialogById(owner, CRegForm::kId); break;
        case kProxy:
            Redraw();
            ShowProxySettings();
            break;
        default: break;
    }
    return index;
}

void CLoginForm::Login(int key) {
    if (key == kTab) {
        FocusOn(NameEdit->focus ? PassEdit : NameEdit);
        Redraw();
        return;
    }
    if (key == kEnterKey) LogIn(true);
    const auto c = static_cast<unsigned char>(key);
    NameEdit->OnChar(c);
    PassEdit->OnChar(c);
    Redraw();
}

void CLoginForm::FocusOn(CDxEdit* edit) {
    NameEdit->focus = edit == NameEdit;
    PassEdit->focus = edit == PassEdit;
    edit->caretOn = 1;
    FocusEdit = edit;
}

bool CLoginForm::CheckLengths(bool fromKey) {
    for (const LengthRule& rule : kLengthRules) {
        const int length = (rule.password ? PassEdit : NameEdit)->length;
        if (rule.tooLong ? length <= kMaxLength : length >= kMinLength) continue;
        if (fromKey)
            platform::ShowMessage(rule.text, "翠岭", platform::MbIcon::Information);
        else if (owner)
            owner->ShowMessageForm(rule.text);
        return false;
    }
    return true;
}

void CLoginForm::LogIn(bool fromKey) {
    if (!CheckLengths(fromKey) || !DataModule1 || DataModule1->ClientSocket1.Active()) return;
    char ip[50] = {};
    platform::ReadProfileString("loginserver", "ip", kDefaultServerHost, ip, sizeof ip, NetworkCfg());
    std::string host = ip;
    int port = kGamePort;
    if (nServerIndex >= 0 && nServerIndex < ServerNum) {
        host = DirServer[nServerIndex].host;
        port = DirServer[nServerIndex].port;
    }
    DataModule1->ConnectGameServer(host, port);

    SetStatus("正在连接到游戏服务器...");
    EnableControls(false);
    Redraw();
    platform::WriteProfileString("loginserver", "name", NameText(), NetworkCfg());
    StartTimeout();
}

void CLoginForm::EnableControls(bool on) {
    for (int i = 0; i < buttons.count; i++) buttons.GetButton(i)->enabled = on;
    NameEdit->enabled = on;
    PassEdit->enabled = on;
}

void CLoginForm::StartTimeout() {
    LoginTimer->SetEnabled(true);
    nLoginCountDown = kTimeoutSeconds;
}

void CLoginForm::EndAttempt() {
    EnableControls(true);
    LoginTimer->SetEnabled(false);
}

int CLoginForm::OnTimer(unsigned id) {
    if (id != kTimerId) return 0;
    if (--nLoginCountDown > 0) return 1;
    EndAttempt();
    Redraw();
    const bool connected = DataModule1 && DataModule1->ClientSocket1.Connected();
    const char* text = connected ? "接收游戏数据超时,请重试." : "连接游戏服务器超时,请重试.";
    if (bNetMode) {
        // A command-line start has no dialog to go back to: it ends here.  The end is posted
        // before the socket closes, so the close's disconnect finds the start ended and adds no
        // box of its own; the box shows from the main window's queue, the socket closed by then.
        EndNetworkStart(text, "翠岭", platform::MbIcon::Information);
        if (DataModule1) DataModule1->CloseGameSocket();
        return 1;
    }
    if (DataModule1) DataModule1->CloseGameSocket();
    platform::ShowMessage(text, "翠岭", platform::MbIcon::Information);
    return 1;
}

void CLoginForm::ShowProxySettings() {
    ProxyFormFields fields = proxy.ToForm();
    if (CurrentOnlineWindows()->EditProxySettings(fields)) proxy.TakeForm(fields);
}

void CLoginForm::SetStatus(const char* gbkText) {
    StatusLabel.text = gbkText;
    StatusLabel.visible = 1;
}

std::string CLoginForm::NameText() const { return EditText(NameEdit, kLoginNameBytes); }
std::string CLoginForm::PasswordText() const { return EditText(PassEdit, kLoginNameBytes); }
void CLoginForm::SetName(std::string_view gbkText) { SetEditText(NameEdit, gbkText); }
void CLoginForm::SetPassword(std::string_view gbkText) { SetEditText(PassEdit, gbkText); }
