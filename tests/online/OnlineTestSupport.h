// The online tests' bench: a program folder of the test's own, the table run headless with its
// online dialogs and the link, and recorders for everything the link shows the user (message
// boxes, posted notices, the desktop, the online windows).  Sockets come from whatever factory
// the test installs: scripted ones, or the real ones on Qt's event loop.
#pragma once

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>

#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "engine/Mj.h"
#include "graphics/FrameDialogs.h"
#include "online/ChooseNetForm.h"
#include "online/DataModule.h"
#include "online/LoginForm.h"
#include "online/MainWindowNotices.h"
#include "online/NetworkStart.h"
#include "online/OnlineDialogs.h"
#include "online/OnlineWindows.h"
#include "online/RegForm.h"
#include "platform/Path.h"
#include "platform/testing/DesktopRecorder.h"
#include "platform/testing/NoticeQueue.h"
#include "platform/testing/ScopedService.h"
#include "testsupport/engine/HeadlessTable.h"
#include "tests/support/ScratchFolder.h"

namespace onlinetest {

// The sources are compiled to GBK: a Chinese character is two bytes.
static_assert(sizeof("中") == 3, "tests expect GBK string literals");

// The online windows, recorded; the proxy dialog answers as the test scripts it.
class WindowsRecorder : public OnlineWindows {
public:
    bool EditProxySettings(ProxyFormFields& fields) override {
        shownProxyFields.push_back(fields);
        if (!proxyAnswer) return false;
        proxyAnswer(fields);
        return true;
    }
    void ShowHint() override { log.push_back("hint"); }
    void SetHintText(const std::string& gbkText) override { log.push_back("hint:" + gbkText); }
    void CloseHint() override { log.push_back("hint closed"); }
    void ShowMainWindow() override {
        log.push_back("main shown");
        if (onShowMain) onShowMain();
    }
    void CloseMainWindow() override { log.push_back("main closed"); }
    void ShowAvatarChooser(const AvatarUser& user) override { chooserUsers.push_back(user); }

    bool Saw(const std::string& entry) const {
        for (const std::string& e : log)
            if (e == entry) return true;
        return false;
    }

    std::vector<std::string> log;
    std::vector<ProxyFormFields> shownProxyFields;
    std::vector<AvatarUser> chooserUsers;
    // Set: the dialog is confirmed after this edits the fields; unset: it is cancelled.
    std::function<void(ProxyFormFields&)> proxyAnswer;
    // Runs inside ShowMainWindow, as a nested event loop would.
    std::function<void()> onShowMain;
};

// A fresh program folder: links to the build's pictures and sounds, and its own copies of the
// data files the online dialogs read and write.
inline std::filesystem::path OnlineProgramFolder() {
    namespace fs = std::filesystem;
    std::string suite = ::testing::UnitTest::GetInstance()->current_test_info()->test_suite_name();
    for (char& c : suite)
        if (c == '/') c = '_';
    const fs::path root = testsupport::FreshProgramFolder(("online/" + suite).c_str());
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(MJ_GAME_DIR, ec)) {
        const std::string name = entry.path().filename().string();
        if (name == "SET.ini" || name == "Save" || name == "Avatar") continue;
        if (name == "Network.cfg" || name == "Dirconfig.ini")
            fs::copy_file(entry.path(), root / name, ec);
        else
            fs::create_symlink(entry.path(), root / name, ec);
    }
    return root;
}

inline void WriteFile(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    out << bytes;
}

inline std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// The table with its online dialogs and the link.
class OnlineBench {
public:
    explicit OnlineBench(const std::function<void(const std::filesystem::path&)>& prepareFolder = {},
                         TablePresentation* presentation = nullptr)
        : folder_(OnlineProgramFolder()),
          noticesInstalled_(&notices),
          desktopInstalled_(&desktop) {
        if (prepareFolder) prepareFolder(folder_);
        ResetGlobals();
        InstallOnlineWindows(&windows);
        headless_.emplace(1, presentation);
        table = headless_->table.get();
        DataModule1 = new TDataModule1(table);
        link = DataModule1;
        login = pLoginForm;
    }
    ~OnlineBench() {
        delete DataModule1;
        headless_.reset();
        InstallOnlineWindows(nullptr);
        ResetGlobals();
    }
    OnlineBench(const OnlineBench&) = delete;
    OnlineBench& operator=(const OnlineBench&) = delete;

    const std::filesystem::path& Folder() const { return folder_; }
    platform::testing::VirtualClock& Clock() { return headless_->Clock(); }
    platform::testing::MessageBoxRecorder& Boxes() { return headless_->Boxes(); }

    // Fills the login dialog and clicks its log-in button.
    void LogInAs(const std::string& name, const std::string& password) {
        login->SetName(name);
        login->SetPassword(password);
        ClickButton(*login, CLoginForm::kEnter);
    }
    // A click in the middle of a dialog button.
    static void ClickButton(CBitForm& form, int index) {
        const CBitButton* b = form.buttons.GetButton(index);
        const int x = b->x + b->pictureRect.right / 10;
        const int y = b->y + b->GetHeight() / 2;
        form.OnLButtonDown(x, y);
        form.OnLButtonUp(x, y);
    }
    // The notices posted so far, taken.
    std::vector<std::pair<int, std::string>> TakeNotices() {
        struct Collector : platform::WindowEvents {
            std::vector<std::pair<int, std::string>> got;
            void OnPosted(int id, const std::string& payload) override { got.emplace_back(id, payload); }
        } collector;
        notices.DeliverAll(collector);
        return collector.got;
    }

    CMj* table = nullptr;
    TDataModule1* link = nullptr;
    CLoginForm* login = nullptr;
    WindowsRecorder windows;
    platform::testing::NoticeQueue notices;
    platform::testing::DesktopRecorder desktop;

private:
    static void ResetGlobals() {
        nActiveForm = 0;
        bNetMode = 0;
        bNetLoggedIn = 0;
        bNetEnded = 0;
        bInfoShown = 0;
        bMessageShown = 0;
        bInviteShown = 0;
    }

    std::filesystem::path folder_;
    platform::testing::ScopedWindowPoster noticesInstalled_;
    platform::testing::ScopedDesktop desktopInstalled_;
    std::optional<enginetest::HeadlessTable> headless_;
};

// The texts of the server notices posted so far (each SC_LOGIN_FAIL posts one), taken.
inline std::vector<std::string> NoticeTexts(OnlineBench& bench) {
    std::vector<std::string> texts;
    for (const auto& [id, payload] : bench.TakeNotices())
        if (id == WM_NOTICEMSG) texts.push_back(payload);
    return texts;
}

// The boxes posted so far as notice `id` (the link's WM_LINKBOXMSG, a command-line start's
// WM_NETENDMSG); every notice posted so far is taken.
inline std::vector<platform::MessageBoxRequest> PostedBoxes(OnlineBench& bench, int id) {
    std::vector<platform::MessageBoxRequest> boxes;
    for (const auto& [posted, payload] : bench.TakeNotices())
        if (posted == id) boxes.push_back(UnpackNoticeBox(payload));
    return boxes;
}

// The box of a command-line start's end, which the main window shows in its turn before it
// closes: the one notice posted so far, taken.
inline platform::MessageBoxRequest StartEndBox(OnlineBench& bench) {
    const auto notices = bench.TakeNotices();
    EXPECT_EQ(notices.size(), 1u);
    if (notices.size() != 1 || notices[0].first != WM_NETENDMSG) {
        ADD_FAILURE() << "not one end of the start";
        return {};
    }
    return UnpackNoticeBox(notices[0].second);
}

// Runs Qt's event loop until `done` holds or `ms` pass; returns `done`.
inline bool Pump(const std::function<bool()>& done, int ms = 5000) {
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < ms) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    return done();
}

// Runs the event loop for a while, to show that nothing more happens.
inline void Settle(int ms = 100) {
    Pump([] { return false; }, ms);
}

}  // namespace onlinetest
