// Test helpers of the shell: a program folder of the test's own holding the built program's
// files, a configuration folder of its own (the key store and the single-instance lock), the
// recorders of message boxes, the desktop and sound, and a person in front of the modal
// windows.
#pragma once

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QDialog>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QScreen>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <deque>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "engine/Mj.h"
#include "graphics/FrameDialogs.h"
#include "graphics/SurfaceHelpers.h"
#include "online/NetworkStart.h"
#include "online/qt/RoomListForm.h"
#include "platform/Path.h"
#include "platform/testing/DesktopRecorder.h"
#include "platform/testing/MessageBoxRecorder.h"
#include "platform/testing/RecordingSoundSystem.h"
#include "platform/testing/ScopedService.h"
#include "shell/AboutForm.h"
#include "shell/AdviceForm.h"
#include "shell/ClostForm.h"
#include "shell/DownForm.h"
#include "shell/LinkDlgForm.h"
#include "shell/MainForm.h"
#include "shell/Modal.h"
#include "tests/support/ScratchFolder.h"

namespace shelltest {

namespace fs = std::filesystem;
using platform::testing::MessageBoxRecorder;

// The screen of the tests' offscreen platform.
const QRect kScreen(0, 0, 1024, 768);

inline void WriteBytes(const fs::path& file, const std::vector<std::uint8_t>& bytes) {
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}

// Runs the events that are waiting, posted notices among them, and what they leave for the
// event loop in turn (the main window offers its queued boxes from the event loop), until the
// loop finds nothing more to do.  The bound stops a loop that always finds work.
inline void ProcessEvents() {
    QAbstractEventDispatcher* loop = QAbstractEventDispatcher::instance();
    for (int round = 0; round < 100; ++round) {
        QCoreApplication::sendPostedEvents();
        if (!loop->processEvents(QEventLoop::AllEvents)) break;
    }
}

// A press and release of the left button at (x, y) of a widget.
inline void ClickAt(QWidget& widget, int x, int y) {
    const QPointF at(x, y);
    const QPointF global = widget.mapToGlobal(at);
    QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(&widget, &press);
    QApplication::sendEvent(&widget, &release);
}

// Which of the shell's windows a dialog is.
inline std::string KindOf(QDialog& dialog) {
    if (dynamic_cast<TAdviceForm*>(&dialog)) return "advice";
    if (dynamic_cast<TAboutForm*>(&dialog)) return "about";
    if (dynamic_cast<TClostForm*>(&dialog)) return "exit";
    if (dynamic_cast<TLinkDlgForm*>(&dialog)) return "link";
    if (dynamic_cast<TRoomListForm*>(&dialog)) return "rooms";
    return "other";
}

// The person in front of the modal windows: every modal window is shown, recorded by its
// kind and answered by the next scripted answer; without one it is accepted.
class ModalScript {
public:
    using Answer = std::function<int(QDialog&)>;

    ModalScript() {
        InstallModalHook([this](QDialog& dialog) { return Show(dialog); });
    }
    ~ModalScript() { InstallModalHook(nullptr); }
    ModalScript(const ModalScript&) = delete;
    ModalScript& operator=(const ModalScript&) = delete;

    void Then(Answer answer) { answers_.push_back(std::move(answer)); }
    void Reset() {
        shown.clear();
        answers_.clear();
    }
    // Presses the exit window's OK or cancel button.
    void ThenExitWindow(bool leave) {
        Then([leave](QDialog& dialog) {
            ClickAt(dialog, leave ? 60 : 270, 390);
            return dialog.result();
        });
    }

    std::vector<std::string> shown;

private:
    int Show(QDialog& dialog) {
        shown.push_back(KindOf(dialog));
        dialog.setResult(QDialog::Rejected);
        dialog.show();
        ProcessEvents();
        int result = QDialog::Accepted;
        if (answers_.empty()) {
            dialog.accept();
        } else {
            Answer answer = std::move(answers_.front());
            answers_.pop_front();
            result = answer(dialog);
        }
        dialog.hide();
        return result;
    }

    std::deque<Answer> answers_;
};

// A test with a program folder and a configuration folder of its own and the recorders
// installed.  The program folder links the built program's files, less those named in
// `Missing` (paths below the folder, with '/'), and holds no settings, saves or downloads.
class ShellTest : public ::testing::Test {
protected:
    void SetUp() override { UseProgramFolder({}); }
    void TearDown() override {
        ResetTableGlobals();
        bLinkDlgBusy = 0;
        if (previousConfig_)
            setenv("XDG_CONFIG_HOME", previousConfig_->c_str(), 1);
        else
            unsetenv("XDG_CONFIG_HOME");
    }

    void UseProgramFolder(const std::set<std::string>& missing) {
        root_ = testsupport::FreshProgramFolder("shell");
        std::set<std::string> left = missing;
        left.insert({"SET.ini", "Save", "Avatar", "Setup"});
        testsupport::LinkTreeExcept(MJ_GAME_DIR, root_, left);
        if (!previousConfig_) {
            const char* config = std::getenv("XDG_CONFIG_HOME");
            previousConfig_ = config ? config : "";
        }
        setenv("XDG_CONFIG_HOME", (root_ / "config").c_str(), 1);
        ResetTableGlobals();
    }

    // The table's globals as a program starts with them.
    static void ResetTableGlobals() {
        bGameFileMissing = false;
        nActiveForm = 0;
        bMessageShown = bInviteShown = bInfoShown = 0;
        bNetMode = bNetLoggedIn = bNetEnded = 0;
    }

    fs::path Root() const { return root_; }
    fs::path ConfigFolder() const { return root_ / "config" / "mahjong"; }

    // A window as a 1024 × 768 screen shows it over an empty desktop: its picture at its place,
    // without what lies outside its region.
    static QImage ScreenPicture(QWidget& window) {
        QImage picture = window.grab().toImage().convertToFormat(QImage::Format_ARGB32);
        const QRegion region = window.mask();
        for (int y = 0; y < picture.height() && !region.isEmpty(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                if (!region.contains(QPoint(x, y))) picture.setPixel(x, y, qRgba(0, 0, 0, 0));
        QImage screen(kScreen.size(), QImage::Format_RGB32);
        screen.fill(Qt::black);
        QPainter(&screen).drawImage(window.pos(), picture);
        return screen;
    }

    // A PNG under the test output folder for a person to look at.
    static fs::path SavePng(const QImage& image, const std::string& name) {
        const fs::path file = fs::path(MJ_TEST_OUT_DIR) / "pictures" / (name + ".png");
        fs::create_directories(file.parent_path());
        EXPECT_TRUE(image.save(QString::fromStdString(file.string())));
        return file;
    }

    MessageBoxRecorder boxes_;
    platform::testing::ScopedMessageBoxes boxesInstalled_{&boxes_};
    platform::testing::DesktopRecorder desktop_;
    platform::testing::ScopedDesktop desktopInstalled_{&desktop_};
    platform::testing::RecordingSoundSystem sound_;
    platform::testing::ScopedSoundSystem soundInstalled_{&sound_};

private:
    fs::path root_;
    std::optional<std::string> previousConfig_;
};

}  // namespace shelltest
