// The update offer: ask, download the installer on a thread of its own while the progress
// window shows how far it got, then offer to install it.  The download's progress and end
// arrive as notices; the handler waits for the end in an event loop of its own, so the window
// stays current and "取消" works meanwhile.
#include <QEventLoop>

#include "platform/Desktop.h"
#include "platform/MessageBox.h"
#include "platform/Path.h"
#include "shell/Addresses.h"
#include "shell/DownForm.h"
#include "shell/Forms.h"
#include "shell/MainForm.h"

namespace {

constexpr char kUpdateCaption[] = "提示信息";

}  // namespace

void TMainForm::WMUpdate(const std::string& question) {
    if (!DownForm || downloadLoop_) return;
    if (platform::AskYesNo(question, kUpdateCaption, platform::MbIcon::Question,
                           platform::MbResult::Yes) != platform::MbResult::Yes)
        return;
    platform::MakeFolder(platform::ProgramPath("Setup"));
    DownForm->SetLabel("正在连接下载服务器");
    DownForm->SetProgress(0);
    DownForm->bCancelled = false;
    DownForm->InstallerPath = platform::ProgramPath("Setup\\mj.exe");
    DownForm->abortTransfer = [this] { download_.Abort(); };
    DownForm->show();
    bDownloadOk = false;
    downloadConnected_ = false;

    QEventLoop loop;
    downloadLoop_ = &loop;
    download_.Start(szInstallerUrl, DownForm->InstallerPath);
    loop.exec();
    downloadLoop_ = nullptr;
    // The loop also ends when the program is closing: the download is abandoned then.
    download_.Abort();
    download_.Join();
    DownForm->abortTransfer = nullptr;
    if (!DownForm->bCancelled) DownForm->Finish();
    if (bDownloadOk) OfferInstaller();
}

void TMainForm::DownloadProgress(const std::string& payload) {
    std::uint64_t received = 0;
    std::uint64_t total = 0;
    if (!downloadLoop_ || !ReadProgressPayload(payload, &received, &total)) return;
    if (!downloadConnected_) HTTPDownConnect();
    HTTPDownPacketRecvd(received, total);
}

void TMainForm::DownloadDone(const std::string& payload) {
    if (!downloadLoop_) return;
    switch (ReadResultPayload(payload)) {
        case platform::HttpResult::Ok: HTTPDownSuccess(); break;
        case platform::HttpResult::Failed: HTTPDownFailure(); break;
        case platform::HttpResult::Cancelled: break;  // "取消": not a failure
    }
    downloadLoop_->quit();
}

void TMainForm::HTTPDownConnect() {
    downloadConnected_ = true;
    DownForm->SetLabel("开始下载");
}

void TMainForm::HTTPDownPacketRecvd(std::uint64_t received, std::uint64_t total) {
    DownForm->SetLabel(DownloadLabel(received, total));
    DownForm->SetProgress(DownloadPercent(received, total));
}

void TMainForm::HTTPDownSuccess() { bDownloadOk = true; }

void TMainForm::HTTPDownFailure() {
    DownForm->Finish();
    platform::ShowMessage("自动更新游戏失败，请至游戏官方网站下载", kUpdateCaption,
                          platform::MbIcon::None);
    platform::OpenUrl(kGameSiteUrl);
}

// The installer is a Windows program, which cannot run here: the offer ends in the message of
// an installer that did not start, and the program goes on.
void TMainForm::OfferInstaller() {
    if (platform::AskYesNo("游戏已经下载完毕，现在安装么？", kUpdateCaption,
                           platform::MbIcon::Information,
                           platform::MbResult::Yes) != platform::MbResult::Yes)
        return;
    platform::ShowMessage("启动游戏安装程序失败", kUpdateCaption, platform::MbIcon::None);
}
