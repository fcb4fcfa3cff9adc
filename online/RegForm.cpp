#include "online/RegForm.h"

#include <algorithm>
#include <string>

#include "engine/Mj.h"
#include "online/DataModule.h"
#include "online/LoginForm.h"

CRegForm* pRegForm = nullptr;

namespace {

constexpr int kTab = 9;
constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr const char* kEditPicture = "Graphic\\RegForm\\edit.bmp";
// The four edits that are drawn and take the focus by Tab, with their rows.
constexpr int kShownEdits = 4;
constexpr int kEditRows[kShownEdits] = {263, 307, 331, 379};

std::string Text(const CDxEdit* edit) { return std::string(edit->text, static_cast<std::size_t>(edit->length)); }

bool LengthOk(const CDxEdit* edit) { return edit->length >= 4 && edit->length <= 12; }

}  // namespace

CRegForm::CRegForm(std::string_view backgroundPath, CMj* ownerTable)
    : CBitForm(backgroundPath, ownerTable),
      NameEdit(new CDxEdit(kEditPicture)),
      PassEdit(new CDxEdit(kEditPicture)),
      ConfirmEdit(new CDxEdit(kEditPicture)),
      MailEdit(new CDxEdit(kEditPicture)),
      ExtraEdit1(new CDxEdit(kEditPicture)),
      ExtraEdit2(new CDxEdit(kEditPicture)),
      ExtraEdit3(new CDxEdit(kEditPicture)),
      FocusEdit(NameEdit),
      MaleBox(new CBitCheckBox("Graphic\\RegForm\\checkbox1.bmp", "Graphic\\RegForm\\checkbox2.bmp")),
      FemaleBox(new CBitCheckBox("Graphic\\RegForm\\checkbox1.bmp", "Graphic\\RegForm\\checkbox2.bmp")),
      ReplyTimer(new CMjTimer()) {
    buttons.Add("Graphic\\RegForm\\submit.bmp", "");
    buttons.Add("Graphic\\RegForm\\return.bmp", "");
    for (CDxEdit* edit : Edits()) edit->textColor = kWhite;
    PassEdit->password = 1;
    ConfirmEdit->password = 1;
    FocusOn(NameEdit);
    MaleBox->checked = 1;
    FemaleBox->checked = 0;
    StatusLabel.visible = 0;
    StatusLabel.textColor = kWhite;
    StatusLabel.SetRect(280, 525, 300, 40);
    ReplyTimer->id = kTimerId;
    ReplyTimer->interval = kReplyTimeoutMs;
    CRegForm::SetPos(0, 0);
}

CRegForm::~CRegForm() {
    delete ReplyTimer;
    for (CDxEdit* edit : Edits()) delete edit;
    delete MaleBox;
    delete FemaleBox;
    if (pRegForm == this) pRegForm = nullptr;
}

void CRegForm::Draw() {
    CBitForm::Draw();
    for (int i = 0; i < kShownEdits; i++) Edits()[i]->Draw();
    StatusLabel.Draw();
    MaleBox->Draw();
    FemaleBox->Draw();
}

void CRegForm::Close() { Redraw(); }

void CRegForm::SetPos(int newX, int newY) {
    CBitForm::SetPos(newX, newY);
    buttons.SetPos(kSubmit, newX + 293, newY + 471);
    buttons.SetPos(kReturn, newX + 401, newY + 471);
    MaleBox->SetPos(387, 425);
    FemaleBox->SetPos(458, 425);
    for (int i = 0; i < kShownEdits; i++) Edits()[i]->SetPos(newX + 360, newY + kEditRows[i]);
}

void CRegForm::Show() {
    nActiveForm = kId;
    Redraw();
}

int CRegForm::OnLButtonDown(int px, int py) {
    const int index = PressButtons(px, py);
    for (CDxEdit* edit : Edits())
        if (edit->MouseDown(px, py)) {
            FocusOn(edit);
            break;
        }
    // The two boxes are one choice.
    if (MaleBox->Click(px, py))
        FemaleBox->checked = !MaleBox->checked;
    else if (FemaleBox->Click(px, py))
        MaleBox->checked = !FemaleBox->checked;
    return index;
}

int CRegForm::OnMouseMove(int px, int py) { return HoverButtons(px, py); }

int CRegForm::OnLButtonUp(int px, int py) {
    const int index = buttons.MouseUp(px, py);
    if (index == kSubmit) {
        Submit();
    } else if (index == kReturn && pLoginForm) {
        pLoginForm->ReturnFromSignUp();
    }
    return index;
}

void CRegForm::OnKeyPress(int key) {
    if (key == kTab) {
        const auto edits = Edits();
        const auto at = std::find(edits.begin(), edits.begin() + kShownEdits, FocusEdit);
        const bool last = at == edits.begin() + kShownEdits || at + 1 == edits.begin() + kShownEdits;
        FocusOn(last ? NameEdit : *(at + 1));
    } else {
        for (CDxEdit* edit : Edits()) edit->OnChar(static_cast<unsigned char>(key));
    }
    Redraw();
}

void CRegForm::FocusOn(CDxEdit* edit) {
    for (CDxEdit* e : Edits()) e->focus = e == edit;
    edit->caretOn = 1;
    FocusEdit = edit;
}

bool CRegForm::CheckFields() {
    struct Check {
        bool failed;
        const char* text;
        CDxEdit* focus;
    };
    const std::string mail = Text(MailEdit);
    const Check checks[] = {
        {!LengthOk(NameEdit), "玩家帐户必须为4-12个字符", NameEdit},
        {!LengthOk(PassEdit), "密码必须在4-12个字符之间", PassEdit},
        {Text(PassEdit) != Text(ConfirmEdit), "密码不一致", PassEdit},
        {mail.find('@') == std::string::npos || mail.find('.') == std::string::npos,
         "您的电子邮件地址无效,请重新填写. 如player@cuiling-game.net", MailEdit},
    };
    for (const Check& check : checks) {
        if (!check.failed) continue;
        if (owner) owner->ShowMessageForm(check.text);
        FocusOn(check.focus);
        return false;
    }
    return true;
}

void CRegForm::Submit() {
    if (!CheckFields() || !DataModule1) return;
    SetStatus("正在连接到注册服务器...");
    EnableButtons(false);
    DataModule1->StartSignUp();
    Redraw();
}

void CRegForm::EnableButtons(bool on) {
    for (int i = 0; i < buttons.count; i++) buttons.GetButton(i)->enabled = on;
}

int CRegForm::OnTimer(unsigned id) {
    if (id != kTimerId) return 0;
    ReplyTimer->SetEnabled(false);
    if (DataModule1) DataModule1->SignUpTimedOut();
    return 1;
}

void CRegForm::SetStatus(const char* gbkText) {
    StatusLabel.text = gbkText;
    StatusLabel.visible = 1;
}

std::string CRegForm::AccountName() const { return Text(NameEdit); }

RegRequestBytes CRegForm::BuildRequest() const {
    RegRequest request;
    request.name = AccountName();
    request.password = Text(PassEdit);
    request.mail = Text(MailEdit);
    request.male = MaleBox->checked != 0;
    request.extra1 = Text(ExtraEdit1);
    request.extra2 = Text(ExtraEdit2);
    return EncodeRegRequest(request);
}
