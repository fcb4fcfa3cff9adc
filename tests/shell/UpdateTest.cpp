// The update offer: the progress label and bar, and the road from the question to the
// installer's message against a loopback HTTP server: a finished download, a failed one, a
// cancelled one, and "no".
#include <QCoreApplication>
#include <QEventLoop>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "ShellTestSupport.h"
#include "shell/Addresses.h"
#include "shell/DownForm.h"
#include "shell/Forms.h"
#include "shell/QtText.h"
#include "shell/ShellForms.h"
#include "shell/UpdateDownload.h"
#include "tools/testserver/TinyHttpServer.h"

namespace shelltest {
namespace {

using platform::MbResult;

struct ProgressCase {
    std::uint64_t received, total;
    const char* label;
    int bar;
};
const ProgressCase kProgressCases[] = {
    {125000, 250000, "已经下载125000字节(共250000字节)", 50},
    {250000, 250000, "已经下载250000字节(共250000字节)", 100},
    {0, 250000, "已经下载0字节(共250000字节)", 0},
    // From 100 bytes on the bar is received / (total / 100), kept within the bar.
    {199, 199, "已经下载199字节(共199字节)", 100},
    {150, 199, "已经下载150字节(共199字节)", 100},
    {99, 100, "已经下载99字节(共100字节)", 99},
    // Below 100 bytes: 100 × received / total.
    {25, 50, "已经下载25字节(共50字节)", 50},
    {1, 3, "已经下载1字节(共3字节)", 33},
    // No total announced: the bar stays at 0.
    {4096, 0, "已经下载4096字节(共0字节)", 0},
};

TEST(DownloadProgress, LabelAndBar) {
    for (const ProgressCase& c : kProgressCases) {
        EXPECT_EQ(DownloadLabel(c.received, c.total), c.label);
        EXPECT_EQ(DownloadPercent(c.received, c.total), c.bar) << c.label;
    }
}

TEST(DownloadProgress, NoticePayloadsReadBack) {
    std::uint64_t received = 0, total = 0;
    ASSERT_TRUE(ReadProgressPayload(ProgressPayload(123456789012ull, 7), &received, &total));
    EXPECT_EQ(received, 123456789012ull);
    EXPECT_EQ(total, 7u);
    EXPECT_FALSE(ReadProgressPayload("garbage", &received, &total));
    for (auto result : {platform::HttpResult::Ok, platform::HttpResult::Failed,
                        platform::HttpResult::Cancelled})
        EXPECT_EQ(ReadResultPayload(ResultPayload(result)), result);
    EXPECT_EQ(ReadResultPayload("?"), platform::HttpResult::Failed);
}

class UpdateTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        forms_ = std::make_unique<ShellForms>(std::vector<std::string>{kRegServerArgument}, kScreen);
    }
    void TearDown() override {
        forms_.reset();
        ShellTest::TearDown();
    }
    TMainForm& Form() { return forms_->Main(); }
    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (const auto& box : boxes_.Shown()) texts.push_back(box.text);
        return texts;
    }
    fs::path Installer() const { return Root() / "Setup" / "mj.exe"; }

    ModalScript modal_;
    std::unique_ptr<ShellForms> forms_;
};

const std::string kBody(250000, 'M');

// A finished download is offered for installing; the Windows installer cannot run here, so
// "yes" ends in the message of an installer that did not start.
TEST_F(UpdateTest, FinishedDownloadIsOfferedAndCannotStart) {
    nettest::TinyHttpServer server({{"/mj.exe", nettest::Route(200, kBody)}});
    Form().szInstallerUrl = server.Url("/mj.exe");
    boxes_.Answer(MbResult::Yes);  // update?
    boxes_.Answer(MbResult::Yes);  // install?
    PostNoticeText(WM_UPDATEMSG, "有新版本，现在更新么？");
    ProcessEvents();
    EXPECT_EQ(Texts(), (std::vector<std::string>{"有新版本，现在更新么？", "游戏已经下载完毕，现在安装么？",
                                                 "启动游戏安装程序失败"}));
    EXPECT_EQ(boxes_.Shown()[0].caption, "提示信息");
    EXPECT_EQ(boxes_.Shown()[0].buttons, platform::MbButtons::YesNo);
    EXPECT_EQ(boxes_.Shown()[2].buttons, platform::MbButtons::Ok);
    EXPECT_TRUE(Form().bDownloadOk);
    EXPECT_FALSE(DownForm->isVisible());
    EXPECT_EQ(fs::file_size(Installer()), kBody.size());
    EXPECT_EQ(DownForm->InstallerPath, platform::ProgramPath("Setup\\mj.exe"));
    // The progress window, hidden now, shows where the download ended.
    EXPECT_EQ(DownForm->ProgressBar1->value(), 100);
    EXPECT_EQ(ToGbk(DownForm->Label1->text()), "已经下载250000字节(共250000字节)");
    EXPECT_TRUE(desktop_.opened.empty());
}

TEST_F(UpdateTest, NoDownloadWithoutYes) {
    boxes_.Answer(MbResult::No);
    PostNoticeText(WM_UPDATEMSG, "更新么？");
    ProcessEvents();
    EXPECT_EQ(Texts(), std::vector<std::string>{"更新么？"});
    EXPECT_FALSE(fs::exists(Root() / "Setup"));
    EXPECT_FALSE(DownForm->isVisible());
}

// A failed download says so and opens the game's web site; no install is offered.
TEST_F(UpdateTest, FailedDownloadSendsToTheWebSite) {
    nettest::TinyHttpServer server({{"/mj.exe", nettest::Route(404, "gone")}});
    Form().szInstallerUrl = server.Url("/mj.exe");
    boxes_.Answer(MbResult::Yes);
    Form().WMUpdate("更新么？");
    EXPECT_EQ(Texts(), (std::vector<std::string>{"更新么？", "自动更新游戏失败，请至游戏官方网站下载"}));
    EXPECT_EQ(desktop_.opened, std::vector<std::string>{kGameSiteUrl});
    EXPECT_FALSE(Form().bDownloadOk);
    EXPECT_FALSE(DownForm->isVisible());
    EXPECT_FALSE(fs::exists(Installer()));
}

// "取消" ends the download without a failure message and without the install offer; the
// progress window's close box does nothing while the download runs.
TEST_F(UpdateTest, CancelIsNotAFailure) {
    nettest::TinyHttpServer server(
        {{"/mj.exe", nettest::Route(200, std::string(100000, 'M'), true, {}, 20)}});
    Form().szInstallerUrl = server.Url("/mj.exe");
    boxes_.Answer(MbResult::Yes);
    bool stayedOpen = false;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (!DownForm->isVisible() || DownForm->ProgressBar1->value() == 0) return;
        DownForm->close();
        stayedOpen = DownForm->isVisible();
        DownForm->Button1->click();
        watch.stop();
    });
    watch.start(5);
    Form().WMUpdate("更新么？");
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(Texts(), std::vector<std::string>{"更新么？"});
    EXPECT_TRUE(desktop_.opened.empty());
    EXPECT_FALSE(Form().bDownloadOk);
    EXPECT_FALSE(DownForm->isVisible());
    EXPECT_FALSE(fs::exists(Installer()));
}

}  // namespace
}  // namespace shelltest
