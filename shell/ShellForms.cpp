#include "shell/ShellForms.h"

#include "graphics/SurfaceHelpers.h"
#include "online/qt/AvatarForm.h"
#include "platform/qt/QtGameWindow.h"
#include "shell/AboutForm.h"
#include "shell/ClostForm.h"
#include "shell/DownForm.h"
#include "shell/Forms.h"
#include "shell/LinkDlgForm.h"
#include "shell/MainForm.h"
#include "shell/PopForm.h"

TAboutForm* AboutForm = nullptr;
TPopForm* PopForm = nullptr;
TDownForm* DownForm = nullptr;
TLinkDlgForm* LinkDlgForm = nullptr;
TClostForm* ClostForm = nullptr;

namespace {

template <typename Form>
Form* Keep(std::unique_ptr<Form>& slot, Form* form) {
    slot.reset(form);
    return form;
}

}  // namespace

ShellForms::ShellForms(const std::vector<std::string>& args, QRect screen) {
    main_ = std::make_unique<TMainForm>(args, screen);
    MainForm = main_.get();
    if (main_->EndRequested()) return;
    QWidget* owner = &main_->Window();
    AboutForm = Keep(about_, new TAboutForm(owner));
    // Online play: the server-line settings, room list and proxy windows come here.
    PopForm = Keep(pop_, new TPopForm());
    DownForm = Keep(down_, new TDownForm(owner));
    LinkDlgForm = Keep(link_, new TLinkDlgForm(owner));
    ClostForm = Keep(close_, new TClostForm(owner));
    AvatarForm = Keep(avatar_, new TAvatarForm(owner));
}

ShellForms::~ShellForms() {
    AvatarForm = nullptr;
    avatar_.reset();
    ClostForm = nullptr;
    LinkDlgForm = nullptr;
    DownForm = nullptr;
    PopForm = nullptr;
    AboutForm = nullptr;
    close_.reset();
    link_.reset();
    down_.reset();
    pop_.reset();
    about_.reset();
    main_->FormDestroy();
    MainForm = nullptr;
    main_.reset();
}

bool ShellForms::EndRequested() const { return main_->EndRequested() || bGameFileMissing; }
