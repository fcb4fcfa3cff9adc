// The message boxes, desktop, posted notices and presenter as the game reaches them, checked
// through their test doubles.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "platform/Desktop.h"
#include "platform/FileAddress.h"
#include "platform/MessageBox.h"
#include "platform/Presenter.h"
#include "platform/Surface.h"
#include "platform/WindowPost.h"
#include "platform/testing/DesktopRecorder.h"
#include "platform/testing/FramePresenter.h"
#include "platform/testing/MessageBoxRecorder.h"
#include "platform/testing/NoticeQueue.h"
#include "tests/support/ScratchFolder.h"

using namespace platform;
using namespace platform::testing;

namespace {

TEST(MessageBoxes, RecorderAnswersFromItsScriptThenWithTheDefault) {
    MessageBoxRecorder boxes;
    InstallMessageBoxes(&boxes);
    boxes.Answer(MbResult::Yes);
    EXPECT_EQ(AskYesNo("kick?", "caption", MbIcon::Question, MbResult::No), MbResult::Yes);
    EXPECT_EQ(AskYesNo("mute?", "caption", MbIcon::Question, MbResult::No), MbResult::No);
    ShowMessage("\xB4\xE4\xC1\xEB", "\xBE\xAF\xB8\xE6", MbIcon::Warning);
    InstallMessageBoxes(nullptr);

    ASSERT_EQ(boxes.Shown().size(), 3u);
    const MessageBoxRequest& first = boxes.Shown()[0];
    EXPECT_EQ(first.text, "kick?");
    EXPECT_EQ(first.buttons, MbButtons::YesNo);
    EXPECT_EQ(first.defaultButton, MbResult::No);
    EXPECT_EQ(first.icon, MbIcon::Question);
    EXPECT_EQ(boxes.Last().text, "\xB4\xE4\xC1\xEB");
    EXPECT_EQ(boxes.Last().caption, "\xBE\xAF\xB8\xE6");
    EXPECT_EQ(boxes.Last().buttons, MbButtons::Ok);
    EXPECT_EQ(boxes.Last().icon, MbIcon::Warning);
}

TEST(MessageBoxes, WithoutAServiceEveryBoxAnswersItsDefault) {
    EXPECT_EQ(AskYesNo("q", "c", MbIcon::Question, MbResult::Yes), MbResult::Yes);
    EXPECT_EQ(AskYesNo("q", "c", MbIcon::Question, MbResult::No), MbResult::No);
}

// The address opens, reaching the desktop's opener, or is refused before it.
void ExpectOpened(DesktopRecorder& desktop, const std::string& url, bool opens) {
    desktop.opened.clear();
    EXPECT_EQ(OpenUrl(url), opens) << url;
    EXPECT_EQ(desktop.opened.size(), opens ? 1u : 0u) << url;
}

struct AddressCase {
    const char* url;
    bool opens;
};
const AddressCase kAddressCases[] = {
    {"http://example.com/help.htm", true},
    {"https://example.com/", true},
    {"HTTP://EXAMPLE.COM", true},
    {"http:", false},
    {"file:///etc/passwd", false},
    {"javascript:alert(1)", false},
    {"mailto:someone@example.com", false},
    {"/usr/bin/xterm", false},
    {"httpx://example.com", false},
    {"", false},
};

TEST(Desktop, OnlyWebAddressesAreOpened) {
    DesktopRecorder desktop;
    InstallDesktop(&desktop);
    for (const auto& c : kAddressCases) ExpectOpened(desktop, c.url, c.opens);
    InstallDesktop(nullptr);
    EXPECT_FALSE(OpenUrl("http://example.com"));
}

// A page of the program folder opens by its own call, by its "file:" address; no game path
// leads the opener to a file outside the folder, to a folder, or to a file that is not there.
// OpenUrl, which every address from a server or a page goes through, opens no "file:" address,
// not even one of the folder's own pages.
TEST(Desktop, FileAddressesOpenOnlyRegularFilesInsideTheProgramFolder) {
    namespace fs = std::filesystem;
    const fs::path root = testsupport::ScratchFolder("desktop");
    const fs::path folder = root / u8"游戏 1";
    fs::create_directories(folder / "ad");
    fs::create_directories(root / "outside");
    for (const fs::path& file : {folder / "help.htm", folder / "ad" / "pop.htm", root / "outside" / "x.htm",
                                 root / u8"游戏 1x.htm"})
        std::ofstream(file) << "<html></html>";
    fs::create_symlink(folder / "help.htm", folder / "link.htm");
    SetProgramFolder(folder.string());
    const std::string help = ProgramFileAddress("help.htm");
    ASSERT_FALSE(help.empty());
    EXPECT_EQ(help.rfind("file:///", 0), 0u);
    EXPECT_NE(help.find("%E6%B8%B8%E6%88%8F%201/help.htm"), std::string::npos) << help;
    EXPECT_EQ(ProgramFileAddress("missing.htm"), "");
    EXPECT_EQ(ProgramFileAddress("ad"), "") << "a folder is no page";

    const struct {
        const char* gamePath;
        PageOpening opening;
    } kPages[] = {
        {"help.htm", PageOpening::Opened},
        {"ad\\pop.htm", PageOpening::Opened},
        {"link.htm", PageOpening::Opened},  // the folder's own link
        {"..\\outside\\x.htm", PageOpening::Missing},
        {"ad\\..\\..\\outside\\x.htm", PageOpening::Missing},
        {"..\\游戏 1x.htm", PageOpening::Missing},  // beside the folder
        {"missing.htm", PageOpening::Missing},
        {"ad", PageOpening::Missing},
    };
    DesktopRecorder desktop;
    InstallDesktop(&desktop);
    for (const auto& c : kPages) {
        desktop.opened.clear();
        EXPECT_EQ(OpenProgramPage(c.gamePath), c.opening) << c.gamePath;
        const bool opened = c.opening == PageOpening::Opened;
        EXPECT_EQ(desktop.opened,
                  opened ? std::vector<std::string>{ProgramFileAddress(c.gamePath)}
                         : std::vector<std::string>{})
            << c.gamePath;
    }

    const std::string base = help.substr(0, help.size() - std::string("help.htm").size());
    for (const std::string& url : {
             help,
             base + "ad/pop.htm",
             base + "link.htm",
             "FILE" + help.substr(4),
             base + "../outside/x.htm",
             base + "ad/../../outside/x.htm",
             base + "%2E%2E/outside/x.htm",
             base + "..%2Foutside%2Fx.htm",
             base.substr(0, base.size() - 1) + "x.htm",
             base + "missing.htm",
             base + "help.htm?x=1",
             "file://" + (root / "outside" / "x.htm").string(),
             std::string("file:help.htm"),
             "file://localhost" + help.substr(7),
         })
        ExpectOpened(desktop, url, false);

    desktop.browser = false;
    EXPECT_EQ(OpenProgramPage("help.htm"), PageOpening::NoBrowser) << "no browser could start";
    InstallDesktop(nullptr);
    EXPECT_EQ(OpenProgramPage("help.htm"), PageOpening::NoBrowser) << "no desktop installed";
}

TEST(Desktop, GbkAddressReachesTheOpenerAsUtf8AndOtherRequestsAreCounted) {
    DesktopRecorder desktop;
    InstallDesktop(&desktop);
    EXPECT_TRUE(OpenUrl("http://example.com/\xB4\xE4\xC1\xEB"));
    FlashIfInactive();
    MinimizeApplication();
    InstallDesktop(nullptr);
    FlashIfInactive();  // none installed: nothing happens
    ASSERT_EQ(desktop.opened.size(), 1u);
    EXPECT_EQ(desktop.opened[0], u8"http://example.com/翠岭");
    EXPECT_EQ(desktop.flashes, 1);
    EXPECT_EQ(desktop.minimizes, 1);
}

// Writes down the notices it receives.
struct NoticeLog : WindowEvents {
    void OnPosted(int id, const std::string& payload) override {
        notices.emplace_back(id, payload);
    }
    std::vector<std::pair<int, std::string>> notices;
};

TEST(PostedNotices, CarryTheirOwnCopyOfThePayloadInPostingOrder) {
    NoticeQueue queue;
    InstallWindowPoster(&queue);
    char notice[128] = "first";
    PostNotice(kUserMessage + 1, notice);
    std::snprintf(notice, sizeof notice, "second");  // the poster reuses its buffer at once
    PostNotice(kUserMessage + 4, notice);
    InstallWindowPoster(nullptr);
    PostNotice(kUserMessage + 1, "dropped");

    NoticeLog log;
    EXPECT_EQ(queue.DeliverAll(log), 2);
    ASSERT_EQ(log.notices.size(), 2u);
    EXPECT_EQ(log.notices[0], std::make_pair(1025, std::string("first")));
    EXPECT_EQ(log.notices[1], std::make_pair(1028, std::string("second")));
    EXPECT_TRUE(queue.Empty());
}

TEST(PostedNotices, MayBePostedFromAnotherThread) {
    NoticeQueue queue;
    std::thread poster([&] {
        for (int i = 0; i < 100; ++i) queue.Post(kUserMessage + 6, std::to_string(i));
    });
    poster.join();
    NoticeLog log;
    EXPECT_EQ(queue.DeliverAll(log), 100);
    EXPECT_EQ(log.notices[99].second, "99");
}

// A poster that takes its time and then checks it has not been removed meanwhile.
class SlowPoster : public WindowPoster {
public:
    void Post(int, std::string) override {
        entered = true;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        if (removed) ++postsAfterRemoval;
    }
    std::atomic<bool> entered{false};
    std::atomic<bool> removed{false};
    std::atomic<int> postsAfterRemoval{0};
};

TEST(PostedNotices, RemovingThePosterWaitsForAPostFromAnotherThread) {
    SlowPoster slow;
    InstallWindowPoster(&slow);
    std::thread worker([] { PostNotice(kUserMessage + 2, "avatar ready"); });
    while (!slow.entered) std::this_thread::yield();
    InstallWindowPoster(nullptr);
    slow.removed = true;  // from here on the poster may be destroyed
    worker.join();
    EXPECT_EQ(slow.postsAfterRemoval, 0);
}

TEST(FramePresenter, CapturesRowsAcrossThePitch) {
    // Two rows of three pixels, each row padded to five pixels.
    const std::uint16_t pixels[] = {1, 2, 3, 0xDEAD, 0xDEAD, 4, 5, 6, 0xDEAD, 0xDEAD};
    FramePresenter presenter(/*keepAll=*/true);
    presenter.Present(pixels, 3, 2, 10);
    presenter.Present(nullptr, 3, 2, 10);  // nothing to present
    presenter.Present(pixels, 3, 2, 4);    // pitch shorter than a row: refused
    presenter.Present(pixels, 0, 2, 10);
    presenter.Present(pixels, 1 << 30, 1, 10);  // a row of 2^31 bytes: refused, not wrapped
    ASSERT_EQ(presenter.Count(), 1);
    EXPECT_EQ(presenter.Last().pixels, (std::vector<std::uint16_t>{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(presenter.Last().Pixel(2, 1), 6);
}

TEST(FramePresenter, PresentSurfaceGoesThroughTheInstalledPresenter) {
    Surface surface(800, 600);
    surface.Row(599)[799] = 0xF81F;
    FramePresenter presenter;
    PresentSurface(surface);  // none installed
    InstallPresenter(&presenter);
    PresentSurface(surface);
    PresentSurface(surface);
    InstallPresenter(nullptr);
    EXPECT_EQ(presenter.Count(), 2);
    EXPECT_EQ(presenter.Frames().size(), 1u);  // only the latest is kept
    EXPECT_EQ(presenter.Last().width, 800);
    EXPECT_EQ(presenter.Last().Pixel(799, 599), 0xF81F);
}

}  // namespace
