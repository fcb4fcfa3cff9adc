#include "online/qt/QtOnlineWindows.h"

#include <QWidget>

#include "online/qt/AvatarForm.h"
#include "online/qt/HintForm.h"
#include "online/qt/ProxyForm.h"
#include "platform/ModalCount.h"

QtOnlineWindows::QtOnlineWindows(QWidget* mainWindow)
    : mainWindow_(mainWindow), hint_(std::make_unique<THintForm>([this] { CloseMainWindow(); })) {}

QtOnlineWindows::~QtOnlineWindows() = default;

bool QtOnlineWindows::EditProxySettings(ProxyFormFields& fields) {
    TProxyForm form(mainWindow_);
    form.Load(fields);
    platform::ModalScope modal;
    if (form.exec() != QDialog::Accepted) return false;
    fields = form.Fields();
    return true;
}

void QtOnlineWindows::ShowHint() { hint_->ShowCentred(); }
void QtOnlineWindows::SetHintText(const std::string& gbkText) { hint_->SetText(gbkText); }
void QtOnlineWindows::CloseHint() { hint_->hide(); }

void QtOnlineWindows::ShowMainWindow() {
    if (mainWindow_) mainWindow_->show();
}

void QtOnlineWindows::CloseMainWindow() {
    if (mainWindow_) mainWindow_->close();
}

void QtOnlineWindows::ShowAvatarChooser(const AvatarUser& user) {
    if (!AvatarForm) return;
    AvatarForm->SetUser(user);
    // Modal: the lobby and the table behind it take no input until the chooser is closed.
    AvatarForm->setWindowModality(Qt::ApplicationModal);
    AvatarForm->show();
    AvatarForm->raise();
}
