// The program's own message boxes through the real Qt boxes: a damaged saved game named on the
// command line, a save that fails on leaving, and a close of a game that cannot be saved each
// put a visible box with its text over the shown main window.
#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <QWindow>

#include <gtest/gtest.h>

#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "ShellTestSupport.h"
#include "platform/qt/QtGameWindow.h"
#include "platform/qt/QtGbk.h"
#include "platform/qt/QtMessageBoxes.h"
#include "shell/ShellForms.h"

namespace shelltest {
namespace {

// Watches for message boxes while it lives: each box that comes up is written down (its text,
// whether it is on the screen, the window it stands over) and answered with the next answer.
class BoxWatcher {
public:
    struct Seen {
        QString text;
        bool onScreen = false;
        QWidget* owner = nullptr;
    };

    explicit BoxWatcher(std::deque<QMessageBox::StandardButton> answers)
        : answers_(std::move(answers)) {
        QObject::connect(&poll_, &QTimer::timeout, [this] { Look(); });
        poll_.start(5);
    }

    std::vector<Seen> seen;

private:
    void Look() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || box->property("answered").toBool()) return;
        box->setProperty("answered", true);
        const QWindow* window = box->windowHandle();
        seen.push_back({box->text(), box->isVisible() && window && window->isVisible(),
                        box->parentWidget()});
        const QMessageBox::StandardButton answer =
            answers_.empty() ? QMessageBox::Ok : answers_.front();
        if (!answers_.empty()) answers_.pop_front();
        if (QAbstractButton* button = box->button(answer)) button->click();
    }

    std::deque<QMessageBox::StandardButton> answers_;
    QTimer poll_;
};

class RealBoxes : public ShellTest {
protected:
    ShellForms& Start(const std::vector<std::string>& args) {
        forms_ = std::make_unique<ShellForms>(args, kScreen);
        return *forms_;
    }
    void TearDown() override {
        forms_.reset();
        ShellTest::TearDown();
    }
    // A game whose file lies in a "folder" that is a plain file: it cannot be written.
    void BlockTheGamesFile(CMj& t) {
        std::ofstream(Root() / "Blocked") << "a plain file";
        t.savefile = platform::ProgramPath("Blocked\\game.cmj");
        t.state = kHandOver;
        nActiveForm = 0;
    }
    static QString Text(const char* gbk) { return platform::FromGbk(gbk); }

    platform::QtMessageBoxes qtBoxes_;
    platform::testing::ScopedMessageBoxes realBoxes_{&qtBoxes_};
    ModalScript modal_;
    std::unique_ptr<ShellForms> forms_;
};

TEST_F(RealBoxes, ADamagedFileNamedOnTheCommandLineShowsItsBoxOverTheWindow) {
    std::string bytes(3392, '\0');
    for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>(i * 131 + 7);
    std::ofstream(Root() / "damaged.cmj", std::ios::binary) << bytes;
    BoxWatcher watcher({QMessageBox::Ok});
    TMainForm& form = Start({(Root() / "damaged.cmj").string()}).Main();
    ASSERT_EQ(watcher.seen.size(), 1u);
    EXPECT_EQ(watcher.seen[0].text, Text("该文件版本太低或者已经被损坏。"));
    EXPECT_TRUE(watcher.seen[0].onScreen);
    EXPECT_EQ(watcher.seen[0].owner, &form.Window());
}

TEST_F(RealBoxes, AFailedSaveOnLeavingShowsItsBoxOverTheWindow) {
    TMainForm& form = Start({kRegServerArgument}).Main();
    BlockTheGamesFile(*form.Table());
    BoxWatcher watcher({QMessageBox::Ok});
    form.Table()->QuitGame();
    ASSERT_EQ(watcher.seen.size(), 1u);
    EXPECT_EQ(watcher.seen[0].text, Text("游戏保存失败。"));
    EXPECT_TRUE(watcher.seen[0].onScreen);
    EXPECT_EQ(watcher.seen[0].owner, &form.Window());
    EXPECT_EQ(nActiveForm, 0) << "the table stays";
}

// The exit window has closed when the question comes: it stands over the main window, and its
// answer decides.
TEST_F(RealBoxes, ClosingAGameThatCannotBeSavedAsksOverTheWindow) {
    TMainForm& form = Start({kRegServerArgument}).Main();
    const struct {
        QMessageBox::StandardButton answer;
        bool closes;
    } kAnswers[] = {{QMessageBox::No, false}, {QMessageBox::Yes, true}};
    for (const auto& c : kAnswers) {
        BlockTheGamesFile(*form.Table());
        modal_.Reset();
        modal_.ThenExitWindow(true);
        BoxWatcher watcher({c.answer});
        EXPECT_EQ(form.FormClose(), c.closes) << c.answer;
        ASSERT_EQ(watcher.seen.size(), 1u) << c.answer;
        EXPECT_TRUE(watcher.seen[0].text.contains("Blocked/game.cmj")) << c.answer;
        EXPECT_TRUE(watcher.seen[0].onScreen) << c.answer;
        EXPECT_EQ(watcher.seen[0].owner, &form.Window()) << c.answer;
    }
}

}  // namespace
}  // namespace shelltest
