// The whole program in this process: start it, play, close it through the exit window and
// start it again; a second copy started while the first runs is refused; the install record.
#include <QThread>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "ShellTestSupport.h"
#include "online/GameMsg.h"
#include "platform/Ini.h"
#include "platform/KeyStore.h"
#include "platform/WindowPost.h"
#include "platform/net/QtSocketFactory.h"
#include "platform/qt/QtGameWindow.h"
#include "shell/Forms.h"
#include "shell/InstallRecord.h"
#include "shell/WinMain.h"
#include "tools/testserver/TestServer.h"
#include "ui/Dialogs.h"

namespace shelltest {
namespace {

class ProgramTest : public ShellTest {
protected:
    // Runs `step` once the program's event loop runs with its windows and table made.
    static void WhenRunning(std::function<void()> step) {
        QTimer::singleShot(10, [step = std::move(step)]() mutable {
            if (MainForm && MainForm->Table() && ClostForm && QCoreApplication::instance())
                step();
            else
                WhenRunning(std::move(step));
        });
    }
    // Runs `step` once `done` holds, or after thirty seconds of the event loop: the deal runs
    // on the table's own timers, which take seconds, and far longer under a parallel test run.
    static void Once(std::function<bool()> done, std::function<void()> step, int waited = 0) {
        QTimer::singleShot(50, [=] {
            if (done() || waited >= 30000)
                step();
            else
                Once(done, step, waited + 50);
        });
    }

    std::string Settings(const char* section, const char* key) const {
        return platform::ReadProfileString(section, key, "", platform::ProgramPath("SET.ini"));
    }

    ModalScript modal_;
};

TEST_F(ProgramTest, StartPlayCloseAndStartAgain) {
    platform::WriteProfileString("UserSet", "Kept", "yes", platform::ProgramPath("SET.ini"));

    // First start: the start notice, a hand dealt and played on by the table's own timers, a
    // second copy refused meanwhile, then the close box and the exit window's OK.
    int tilesTaken = -1;
    int secondCopy = -1;
    modal_.Then([](QDialog& notice) {
        notice.accept();
        return notice.result();
    });
    modal_.ThenExitWindow(true);
    WhenRunning([&] {
        nActiveForm = 0;
        MainForm->Table()->NewGame();
        MainForm->Table()->StartHand();
        MainForm->Table()->SetAnimate(0);
        Once([] { return MainForm->Table()->taken > 4 * 13; }, [&] {
            tilesTaken = MainForm->Table()->taken;
            secondCopy = WinMain({});
            MainForm->Window().close();
        });
    });
    EXPECT_EQ(WinMain({}), 0);
    EXPECT_EQ(modal_.shown, (std::vector<std::string>{"advice", "exit"}));
    EXPECT_GT(tilesTaken, 4 * 13) << "the hand was dealt and played on";
    EXPECT_EQ(secondCopy, 0);
    ASSERT_EQ(boxes_.Shown().size(), 1u);
    EXPECT_EQ(boxes_.Last().text, "翠岭已经运行.");
    EXPECT_EQ(boxes_.Last().caption, "翠岭");
    EXPECT_EQ(boxes_.Last().icon, platform::MbIcon::Information);
    EXPECT_EQ(MainForm, nullptr);
    EXPECT_EQ(pMj, nullptr);

    // SET.ini keeps what was there and what the table wrote; the install record has both parts.
    EXPECT_EQ(Settings("UserSet", "Kept"), "yes");
    EXPECT_EQ(Settings("Option", "Animate"), "0");
    platform::KeyStore store(platform::KeyStore::DefaultPath());
    ASSERT_TRUE(store.Load());
    const std::string folder = Root().string() + "/";
    EXPECT_EQ(store.GetString(kGameInstallKey, "GamePath"), folder + "mahjong");
    EXPECT_EQ(store.GetString(kGameInstallKey, "GameName"), "翠岭");
    EXPECT_EQ(store.GetString(kGameInstallKey, "GameIcon"), folder + "mj.bmp");
    EXPECT_EQ(store.GetString(kGameInstallKey, "RoomIniPath"), folder + "Room.ini");
    EXPECT_EQ(store.GetString(kGameInstallKey, "NoRoomGame"), "1");
    EXPECT_EQ(store.GetString(kPortalInstallKey, "ExePath"), folder + "mahjong");

    // Second start: the settings come back; the start-mode dialog's exit closes at once.
    modal_.Reset();
    boxes_.Clear();
    int animate = -1;
    WhenRunning([&] {
        animate = MainForm->Table()->GetAnimate();
        platform::PostNotice(platform::kCloseRequest, "");
    });
    EXPECT_EQ(WinMain({}), 0);
    EXPECT_EQ(animate, 0);
    EXPECT_EQ(modal_.shown, std::vector<std::string>{"advice"}) << "no exit window over start mode";
    EXPECT_TRUE(boxes_.Shown().empty());
    EXPECT_EQ(Settings("UserSet", "Kept"), "yes");
}

TEST_F(ProgramTest, AStartThatEndsEarlyHoldsNothing) {
    // Without the resource folder the program ends after its message; the next start runs.
    UseProgramFolder({"MjRes"});
    EXPECT_EQ(WinMain({"/REGSERVER"}), 0);
    ASSERT_EQ(boxes_.Shown().size(), 1u);
    EXPECT_EQ(boxes_.Last().text, "游戏缺少文件，重新安装可能解决该问题。");
    UseProgramFolder({});
    boxes_.Clear();
    WhenRunning([] { MainForm->Window().close(); });
    modal_.ThenExitWindow(true);
    EXPECT_EQ(WinMain({"/REGSERVER"}), 0);
    EXPECT_TRUE(boxes_.Shown().empty());
}

// A launcher's "NetWork" start against the loopback test server: no start notice, the window
// hidden until the login went through, and closing it (after the exit window) logs off.
TEST_F(ProgramTest, NetworkStartLogsInShowsTheWindowAndLogsOffOnClose) {
    testserver::ServerOptions options;
    options.keepTranscript = true;
    testserver::TestServer server(options);
    std::string error;
    ASSERT_TRUE(server.Start(&error)) << error;
    platform::QtSocketFactory sockets;
    platform::testing::ScopedSocketFactory socketsInstalled(&sockets);
    const std::string target = "127.0.0.1:" + std::to_string(server.GamePort());

    bool hiddenAtFirst = false;
    bool shownOnline = false;
    int dialogOnline = -1;
    modal_.ThenExitWindow(true);
    WhenRunning([&] {
        hiddenAtFirst = !MainForm->Window().isVisible();
        Once([] { return MainForm->Table()->IsNetGame(); }, [&] {
            shownOnline = MainForm->Table()->IsNetGame() && MainForm->Window().isVisible();
            dialogOnline = nActiveForm;
            MainForm->Window().close();
        });
    });
    EXPECT_EQ(WinMain({"NetWork", "tester", "secret", target}), 0);
    EXPECT_TRUE(hiddenAtFirst);
    EXPECT_TRUE(shownOnline);
    EXPECT_EQ(dialogOnline, kLobbyId) << "straight to the lobby, no login dialog on the way";
    EXPECT_TRUE(boxes_.Shown().empty());
    EXPECT_EQ(modal_.shown, std::vector<std::string>{"exit"});
    const auto loggedOff = [&] {
        for (const auto& entry : server.TranscriptEntries())
            if (entry.fromClient && entry.type == CS_LOGOFF) return true;
        return false;
    };
    for (int i = 0; i < 100 && !loggedOff(); ++i) QThread::msleep(20);
    EXPECT_TRUE(loggedOff());
    server.Stop();
}

}  // namespace
}  // namespace shelltest
