// The main window: start-up (the screen-width rule, the start notice and the table style, the
// resource folder, the folders and the install record), closing, dropped files, the posted
// notices, the about box and the guard around the table.
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>

#include <sys/stat.h>

#include <gtest/gtest.h>

#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "ShellTestSupport.h"
#include "graphics/GraphicsGlobals.h"
#include "online/DataModule.h"
#include "online/GameMsgServer.h"
#include "engine/SaveGameFile.h"
#include "platform/FileAddress.h"
#include "platform/Ini.h"
#include "platform/KeyStore.h"
#include "platform/WindowKeys.h"
#include "platform/qt/QtGameWindow.h"
#include "shell/Addresses.h"
#include "shell/Forms.h"
#include "shell/InstallRecord.h"
#include "shell/LinkLabel.h"
#include "online/MainWindowNotices.h"
#include "shell/QtText.h"
#include "shell/ShellForms.h"
#include "shell/WinMain.h"

namespace shelltest {
namespace {

using Args = std::vector<std::string>;

class MainFormTest : public ShellTest {
protected:
    // Starts the program's windows; the modal windows go to the script.
    ShellForms& Start(const Args& args = {}, QRect screen = kScreen) {
        forms_ = std::make_unique<ShellForms>(args, screen);
        return *forms_;
    }
    void TearDown() override {
        forms_.reset();
        ShellTest::TearDown();
    }
    void WriteSettings(const char* style) {
        platform::WriteProfileString("Window", "Style", style, platform::ProgramPath("SET.ini"));
    }

    ModalScript modal_;
    std::unique_ptr<ShellForms> forms_;
};

// --- Start-up -----------------------------------------------------------------------------

struct ScreenCase {
    int width;
    bool ends;
    bool borderless;
};
// Kept as described: narrower than the table ends the program without a word; exactly as wide
// gives the window without a border.
const ScreenCase kScreenCases[] = {{799, true, false}, {800, false, true}, {801, false, false},
                                   {1024, false, false}};

TEST_F(MainFormTest, ScreenWidthRule) {
    for (const ScreenCase& c : kScreenCases) {
        ShellForms& forms = Start({kRegServerArgument}, QRect(0, 0, c.width, 768));
        EXPECT_EQ(forms.EndRequested(), c.ends) << c.width;
        EXPECT_EQ(forms.Main().Table() != nullptr, !c.ends) << c.width;
        if (!c.ends) {
            const bool frameless =
                forms.Main().Window().windowFlags().testFlag(Qt::FramelessWindowHint);
            EXPECT_EQ(frameless, c.borderless) << c.width;
            EXPECT_EQ(forms.Main().Window().pos(), QPoint((c.width - 800) / 2, (768 - 600) / 2));
        }
        forms_.reset();
    }
    EXPECT_TRUE(boxes_.Shown().empty());
    EXPECT_TRUE(modal_.shown.empty());
}

// The start notice chooses the table style; "/REGSERVER" and "NetWork" skip it and take the
// style from SET.ini.
TEST_F(MainFormTest, TableStyleComesFromTheStartNoticeOrTheSettings) {
    const struct {
        const char* setting;
        Args args;
        bool noticeShown;
        bool untick;  // the person unticks the 3D box in the notice
        int newStyle;
    } kCases[] = {
        {"1", {}, true, false, 1},
        {"1", {}, true, true, 0},
        {"0", {}, true, false, 0},
        {"1", {kRegServerArgument}, false, false, 1},
        {"0", {kRegServerArgument}, false, false, 0},
        {"0", {kNetworkArgument, "me", "pw", "127.0.0.1"}, false, false, 0},
    };
    for (const auto& c : kCases) {
        WriteSettings(c.setting);
        modal_.Reset();
        bool ticked = false;
        modal_.Then([&](QDialog& dialog) {
            auto& notice = dynamic_cast<TAdviceForm&>(dialog);
            ticked = notice.CheckBox2->isChecked();
            if (c.untick) ClickAt(*notice.CheckBox2, 5, notice.CheckBox2->height() / 2);
            return QDialog::Accepted;
        });
        Start(c.args);
        EXPECT_EQ(modal_.shown, c.noticeShown ? Args{"advice"} : Args{}) << c.setting;
        if (c.noticeShown) {
            EXPECT_EQ(ticked, std::string(c.setting) == "1");
        }
        EXPECT_EQ(bNewStyle, c.newStyle) << c.setting << " " << c.args.size();
        forms_.reset();
        modal_.Reset();
    }
}

TEST_F(MainFormTest, NetworkStartKeepsTheWindowHidden) {
    ShellForms& forms = Start({kNetworkArgument, "me", "pw", "127.0.0.1"});
    EXPECT_TRUE(bNetMode);
    EXPECT_FALSE(forms.Main().Window().isVisible());
    forms_.reset();
    ShellForms& other = Start({"network"});  // another case: an ordinary start
    EXPECT_FALSE(bNetMode);
    EXPECT_TRUE(other.Main().Window().isVisible());
}

TEST_F(MainFormTest, MissingResourceFolderEndsTheProgram) {
    UseProgramFolder({"MjRes"});
    ShellForms& forms = Start({kRegServerArgument});
    EXPECT_TRUE(forms.EndRequested());
    EXPECT_EQ(forms.Main().Table(), nullptr);
    ASSERT_EQ(boxes_.Shown().size(), 1u);
    EXPECT_EQ(boxes_.Last().text, "游戏缺少文件，重新安装可能解决该问题。");
    EXPECT_EQ(boxes_.Last().caption, "警告");
    EXPECT_EQ(boxes_.Last().icon, platform::MbIcon::Warning);
}

TEST_F(MainFormTest, MissingExitWindowPictureEndsTheProgram) {
    UseProgramFolder({"Res/mask_conner2.bmp"});
    EXPECT_TRUE(Start({kRegServerArgument}).EndRequested());
    ASSERT_EQ(boxes_.Shown().size(), 1u);
    EXPECT_EQ(boxes_.Last().text.rfind("游戏缺少文件，重新安装可能解决该问题。", 0), 0u);
}

// After the table: the server link, the folders and the portal's part of the install record.
// The link goes when the window is destroyed.
TEST_F(MainFormTest, MakesTheLinkTheFoldersAndThePortalRecord) {
    TMainForm& form = Start({kRegServerArgument}).Main();
    ASSERT_NE(DataModule1, nullptr);
    EXPECT_EQ(DataModule1->pMj, form.Table());
    EXPECT_TRUE(fs::is_directory(Root() / "Save"));
    EXPECT_TRUE(fs::is_directory(Root() / "Avatar"));
    platform::KeyStore store(platform::KeyStore::DefaultPath());
    ASSERT_TRUE(store.Load());
    EXPECT_EQ(store.GetString(kPortalInstallKey, "ExePath"), (Root() / "mahjong").string());
    forms_.reset();
    EXPECT_EQ(DataModule1, nullptr);
}

// --- Closing ------------------------------------------------------------------------------

struct CloseCase {
    int activeForm;
    bool netGame;
    CloseStep step;
};
const CloseCase kCloseCases[] = {
    {0, false, CloseStep::AskExitWindow},  {0, true, CloseStep::QuitGame},
    {2, false, CloseStep::AskExitWindow},  {2, true, CloseStep::QuitGame},
    {14, true, CloseStep::QuitGame},       {1, true, CloseStep::AskExitWindow},
    {10, true, CloseStep::AskExitWindow},  {11, false, CloseStep::CloseAtOnce},
    {11, true, CloseStep::CloseAtOnce},    {6, false, CloseStep::AskExitWindow},
};

TEST_F(MainFormTest, CloseDecisionTable) {
    for (const CloseCase& c : kCloseCases)
        EXPECT_EQ(CloseDecision(c.activeForm, c.netGame), c.step)
            << c.activeForm << " " << c.netGame;
}

// The window closes only when the exit window says OK, or at once over the start-mode dialog;
// during an online game with the table showing, the table's question decides and the window
// stays.
TEST_F(MainFormTest, CloseGoesThroughTheExitWindow) {
    const struct {
        int activeForm;
        bool netGame;
        bool leave;  // the exit window's answer
        bool closes;
        Args shown;
    } kCases[] = {
        {0, false, true, true, {"exit"}},   {0, false, false, false, {"exit"}},
        {11, false, false, true, {}},       {0, true, true, false, {}},
        {10, true, true, true, {"exit"}},
    };
    TMainForm& form = Start({kRegServerArgument}).Main();
    for (const auto& c : kCases) {
        modal_.Reset();
        modal_.ThenExitWindow(c.leave);
        nActiveForm = c.activeForm;
        form.Table()->netgame = c.netGame;
        EXPECT_EQ(form.FormClose(), c.closes) << c.activeForm << " " << c.netGame;
        EXPECT_EQ(modal_.shown, c.shown) << c.activeForm << " " << c.netGame;
        modal_.Reset();
    }
    form.Table()->netgame = 0;
}

// The exit window's OK saves an offline game on the table to its file, as leaving it does; a
// save refused at that moment keeps the window and the table, with the table's message.  A
// game is not saved over from the save slots, nor when the exit window is cancelled.
// After the exit window's OK an offline game on the table goes to its file as leaving saves it.
// When it cannot be saved (not the moment, or the write fails) one question over the main
// window says why: yes ends the program and leaves the last good save as it was, no keeps the
// table.  Between games nothing is saved.
enum class Block { None, Write };
struct SaveOnCloseCase {
    const char* what;
    int activeForm;
    std::uint8_t state;
    int curplayer;
    bool leave;
    Block block;
    platform::MbResult answer;  // to the question, when one is asked
    bool asked;
    bool closes;
    bool saved;
};
const SaveOnCloseCase kSaveOnCloseCases[] = {
    {"between hands", 1, kHandOver, 0, true, Block::None, platform::MbResult::No, false, true, true},
    {"at the table", 0, kHandOver, 0, true, Block::None, platform::MbResult::No, false, true, true},
    {"in the options", 2, kHandOver, 0, true, Block::None, platform::MbResult::No, false, true, true},
    {"cancelled", 0, kHandOver, 0, false, Block::None, platform::MbResult::No, false, false, false},
    {"a computer seat's turn, end anyway", 0, kHandRunning, 2, true, Block::None,
     platform::MbResult::Yes, true, true, false},
    {"a computer seat's turn, stay", 2, kHandRunning, 2, true, Block::None,
     platform::MbResult::No, true, false, false},
    {"a file that cannot be written, end anyway", 0, kHandOver, 0, true, Block::Write,
     platform::MbResult::Yes, true, true, false},
    {"a file that cannot be written, stay", 1, kHandOver, 0, true, Block::Write,
     platform::MbResult::No, true, false, false},
    {"at the save slots", 6, kHandOver, 0, true, Block::None, platform::MbResult::No, false, true, false},
    {"no game yet", 0, kNoHand, 0, true, Block::None, platform::MbResult::No, false, true, false},
};

std::string FileBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

TEST_F(MainFormTest, ClosingSavesTheOfflineGameOrAsksToEndWithoutIt) {
    TMainForm& form = Start({kRegServerArgument}).Main();
    CMj& t = *form.Table();
    const std::string lastGoodSave = "the last good save";
    for (const SaveOnCloseCase& c : kSaveOnCloseCases) {
        // A slot with an earlier save, or a file in a "folder" that is a plain file.
        const bool blocked = c.block == Block::Write;
        const fs::path disk = blocked ? Root() / "Blocked" : Root() / "Save" / "2.cmj";
        fs::remove(Root() / "Blocked");
        fs::create_directories(Root() / "Save");
        std::ofstream(disk, std::ios::binary) << lastGoodSave;
        t.savefile = platform::ProgramPath(blocked ? "Blocked\\2.cmj" : "Save\\2.cmj");
        bMessageShown = 0;
        modal_.Reset();
        modal_.ThenExitWindow(c.leave);
        boxes_.Clear();
        boxes_.Answer(c.answer);
        nActiveForm = c.activeForm;
        t.state = c.state;
        t.curplayer = c.curplayer;
        t.maydiscard = 0;
        t.Player[0].score = 4321;

        EXPECT_EQ(form.FormClose(), c.closes) << c.what;
        EXPECT_EQ(modal_.shown, Args{"exit"}) << c.what;
        EXPECT_FALSE(bMessageShown) << c.what << ": the question says why, nothing else";
        ASSERT_EQ(boxes_.Shown().size(), c.asked ? 1u : 0u) << c.what;
        if (c.asked) {
            const platform::MessageBoxRequest& question = boxes_.Last();
            EXPECT_EQ(question.buttons, platform::MbButtons::YesNo) << c.what;
            EXPECT_EQ(question.defaultButton, platform::MbResult::No) << c.what;
            EXPECT_EQ(question.owner, platform::MbOwner::MainWindow) << c.what;
            const std::string why = blocked ? "Blocked/2.cmj" : std::string("选择出牌");
            EXPECT_NE(question.text.find(why), std::string::npos) << c.what << ": " << question.text;
        }
        const std::string bytes = FileBytes(disk);
        if (!c.saved) {
            EXPECT_EQ(bytes, lastGoodSave) << c.what << ": the last good save stays";
            continue;
        }
        const auto game = ReadSavedGame(bytes);
        ASSERT_TRUE(game) << c.what;
        EXPECT_EQ(game->seats[0].score, 4321) << c.what;
    }
    fs::remove(Root() / "Blocked");
}

// Leaving keeps its own way: the table says why, and stays.
TEST_F(MainFormTest, LeavingAGameThatCannotBeSavedSaysWhyAndStays) {
    TMainForm& form = Start({kRegServerArgument}).Main();
    CMj& t = *form.Table();
    std::ofstream(Root() / "Blocked") << "a plain file";
    const struct {
        const char* what;
        std::uint8_t state;
        const char* file;
        bool tableSays;
        bool errorBox;
    } kCases[] = {
        {"not the moment", kHandRunning, "Save\\2.cmj", true, false},
        {"the write fails", kHandOver, "Blocked\\2.cmj", false, true},
    };
    for (const auto& c : kCases) {
        nActiveForm = 0;
        bMessageShown = 0;
        boxes_.Clear();
        t.state = c.state;
        t.curplayer = 2;
        t.savefile = platform::ProgramPath(c.file);
        t.QuitGame();
        EXPECT_EQ(nActiveForm, 0) << c.what << ": the table stays";
        EXPECT_EQ(bMessageShown != 0, c.tableSays) << c.what;
        ASSERT_EQ(boxes_.Shown().size(), c.errorBox ? 1u : 0u) << c.what;
        if (c.errorBox) {
            EXPECT_EQ(boxes_.Last().text, "游戏保存失败。") << c.what;
        }
    }
    fs::remove(Root() / "Blocked");
    bMessageShown = 0;
}

// A "NetWork" start that could not go on has shown its message and closes its hidden window:
// no exit window asks.
TEST_F(MainFormTest, AnEndedNetworkStartClosesWithoutAsking) {
    TMainForm& form = Start({kRegServerArgument}).Main();
    nActiveForm = 12;
    bNetEnded = 1;
    EXPECT_TRUE(form.FormClose());
    EXPECT_TRUE(modal_.shown.empty());
}

TEST_F(MainFormTest, AnAnnouncedExitPageOpensOnClose) {
    TMainForm& form = Start({kRegServerArgument}).Main();
    form.bExitPage = true;
    form.szExitPageUrl = "http://www.example.com/bye";
    nActiveForm = 11;
    ASSERT_TRUE(form.FormClose());
    EXPECT_EQ(desktop_.opened, (Args{"http://www.example.com/bye"}));
}

// --- Dropped files ------------------------------------------------------------------------

struct DropCase {
    Args paths;
    bool netGame;
    DropStep step;
};
const DropCase kDropCases[] = {
    {{"/home/me/Save/1.cmj"}, false, DropStep::Load},
    {{"/home/me/1.CMJ"}, false, DropStep::UnknownType},   // the extension is case-sensitive
    {{"/home/me/1.cmjx"}, false, DropStep::UnknownType},
    {{"/home/me/game.cmj\\1"}, false, DropStep::UnknownType},  // a dot in a folder's name
    {{"/home/me/cmj"}, false, DropStep::UnknownType},
    {{"/a/1.cmj", "/a/2.cmj"}, false, DropStep::TooMany},
    {{"/home/me/1.cmj"}, true, DropStep::RefuseNetGame},
    {{"/a/1.cmj", "/a/2.cmj"}, true, DropStep::RefuseNetGame},
};

TEST_F(MainFormTest, DropDecisionTable) {
    for (const DropCase& c : kDropCases)
        EXPECT_EQ(DropDecision(c.paths, c.netGame), c.step) << c.paths[0] << " " << c.netGame;
}

TEST_F(MainFormTest, RefusedDropsSayWhy) {
    const struct {
        Args paths;
        bool netGame;
        const char* message;
    } kCases[] = {
        {{"a.txt"}, false, "未知的档案类型。"},
        {{"a.cmj", "b.cmj"}, false, "一次只能打开一个游戏档案。"},
        {{"a.cmj"}, true, "网络游戏中不能打开游戏档案。"},
    };
    TMainForm& form = Start({kRegServerArgument}).Main();
    for (const auto& c : kCases) {
        boxes_.Clear();
        form.Table()->netgame = c.netGame;
        form.WMDropFiles(c.paths);
        ASSERT_EQ(boxes_.Shown().size(), 1u) << c.message;
        EXPECT_EQ(boxes_.Last().text, c.message);
        EXPECT_EQ(boxes_.Last().caption, "错误");
        EXPECT_EQ(boxes_.Last().icon, platform::MbIcon::Error);
    }
    form.Table()->netgame = 0;
}

// A saved game named on the command line or dropped on the window opens and shows: no dialog
// stays in front of it.  The launcher's keywords are never opened as saved games, even when a
// file of that name is there.
TEST_F(MainFormTest, SavedGamesOpenAndShow) {
    const std::string saved = platform::ProgramPath("Save\\1.cmj");
    {
        TMainForm& form = Start({kRegServerArgument}).Main();
        form.Table()->Player[0].score = 1234;  // a game between hands
        ASSERT_TRUE(form.Table()->SaveProgress(saved));
        forms_.reset();
    }
    TMainForm& form = Start({saved}).Main();
    EXPECT_EQ(nActiveForm, 0);
    EXPECT_EQ(form.Table()->Player[0].score, 1234);
    EXPECT_EQ(form.Table()->musicwanted, 1) << "the music follows the option, as from the slots";
    nActiveForm = 11;
    form.Table()->Player[0].score = 1;
    form.Table()->StopMusic();  // the start-mode dialog has it off
    form.WMDropFiles({saved});
    EXPECT_EQ(nActiveForm, 0);
    EXPECT_EQ(form.Table()->Player[0].score, 1234);
    EXPECT_EQ(form.Table()->musicwanted, 1);
    forms_.reset();

    const fs::path folder = fs::current_path();
    fs::copy_file(Root() / "Save" / "1.cmj", Root() / kNetworkArgument);
    fs::current_path(Root());
    TMainForm& online = Start({kNetworkArgument, "me", "pw", "127.0.0.1"}).Main();
    fs::current_path(folder);
    EXPECT_EQ(nActiveForm, 11) << "still the start-mode dialog";
    EXPECT_NE(online.Table()->Player[0].score, 1234);
    EXPECT_TRUE(boxes_.Shown().empty());
}

// A name on the command line or dropped that is no saved-game file (missing, a folder, a pipe,
// a link loop) opens nothing and says so; the pipe is never waited on.
TEST_F(MainFormTest, ANameThatIsNoFileOpensNothingAndSaysWhy) {
    const fs::path odd = Root() / "odd";
    fs::create_directories(odd / "folder.cmj");
    ASSERT_EQ(mkfifo((odd / "pipe.cmj").c_str(), 0644), 0);
    fs::create_symlink(odd / "loop2.cmj", odd / "loop1.cmj");
    fs::create_symlink(odd / "loop1.cmj", odd / "loop2.cmj");
    auto expectTold = [this](const char* what) {
        ASSERT_EQ(boxes_.Shown().size(), 1u) << what;
        EXPECT_EQ(boxes_.Last().text, "无法打开游戏档案：该文件不存在，或者不是普通文件。");
        EXPECT_EQ(boxes_.Last().caption, "信息");
        EXPECT_EQ(boxes_.Last().icon, platform::MbIcon::Warning);
        boxes_.Clear();
    };
    for (const char* name : {"missing.cmj", "folder.cmj", "pipe.cmj", "loop1.cmj"}) {
        const std::string path = platform::GamePathOfDisk((odd / name).string());
        boxes_.Clear();
        TMainForm& form = Start({path}).Main();
        expectTold(name);
        EXPECT_NE(nActiveForm, 0) << "the start dialog stays: " << name;
        form.WMDropFiles({path});
        expectTold(name);
        forms_.reset();
    }
}

// In a program folder whose name GBK cannot hold, a saved game named on the command line by its
// own bytes opens, as the save slots do.
TEST_F(MainFormTest, ASavedGameUnderAFolderGbkCannotNameOpensFromTheCommandLine) {
    const fs::path folder = Root() / "mj-\xF0\x9F\x80\x84";  // an emoji
    fs::create_directory_symlink(Root(), folder);
    platform::SetProgramFolder(folder.string());
    ASSERT_FALSE(platform::ProgramFolderFitsGbk());
    {
        TMainForm& form = Start({kRegServerArgument}).Main();
        form.Table()->Player[0].score = 1234;
        ASSERT_TRUE(form.Table()->SaveProgress(platform::ProgramPath("Save\\1.cmj")));
        forms_.reset();
    }
    const std::string file = (folder / "Save" / "1.cmj").string();
    const char* argv[] = {"mahjong", file.c_str()};
    TMainForm& form = Start(ProgramArguments(2, argv)).Main();
    EXPECT_TRUE(boxes_.Shown().empty());
    EXPECT_EQ(nActiveForm, 0);
    EXPECT_EQ(form.Table()->Player[0].score, 1234);
}

// --- Posted notices -----------------------------------------------------------------------

// Each notice carries its own text: two in a row are both shown, each with its own words, and
// a text longer than the notice field is cut at a whole character.
TEST_F(MainFormTest, NoticesInARowAreAllShown) {
    Start({kRegServerArgument});
    std::string buffer = "第一条";
    PostNoticeText(WM_NOTICEMSG, buffer);
    buffer = "第二条";
    PostNoticeText(WM_NOTICEMSG, buffer);
    PostNoticeText(WM_ROOMLISTMSG, "房间");
    PostNoticeText(WM_NOTICEMSG, std::string(63, 'x') + std::string(80, '\xB0'));
    ProcessEvents();
    ASSERT_EQ(boxes_.Shown().size(), 4u);
    EXPECT_EQ(boxes_.Shown()[0].text, "第一条");
    EXPECT_EQ(boxes_.Shown()[0].caption, "翠岭");
    EXPECT_EQ(boxes_.Shown()[0].icon, platform::MbIcon::Information);
    EXPECT_EQ(boxes_.Shown()[1].text, "第二条");
    EXPECT_EQ(boxes_.Shown()[2].text, "房间");
    EXPECT_EQ(boxes_.Shown()[2].caption, "信息");
    EXPECT_EQ(boxes_.Shown()[3].text.size(), 63u + 64u);
}

TEST(NoticeTexts, LinkNoticeFieldsAreCutToTheirSizes) {
    const LinkNotice notice = UnpackLinkNotice(PackLinkNotice(
        {std::string(70, 'a'), std::string(40, 'b'), "http://" + std::string(40, 'c')}));
    EXPECT_EQ(notice.text, std::string(59, 'a'));
    EXPECT_EQ(notice.caption, std::string(29, 'b'));
    EXPECT_EQ(notice.url, "http://" + std::string(27, 'c'));
    const LinkNotice partial = UnpackLinkNotice("only text");
    EXPECT_EQ(partial.text, "only text");
    EXPECT_EQ(partial.caption, "");
    EXPECT_EQ(partial.url, "");
}

// A link notice shows the link window; one that arrives while it is showing is dropped; the
// next one after it closed is shown again.  Its link opens in the desktop's browser.
TEST_F(MainFormTest, LinkNoticeWhileOneShowsIsDropped) {
    Start({kRegServerArgument});
    std::string shownText;
    modal_.Then([&](QDialog& dialog) {
        auto& link = dynamic_cast<TLinkDlgForm&>(dialog);
        shownText = ToGbk(link.Label1->text());
        PostLinkNotice({"第二条", "看看", "http://www.example.com/2"});
        ProcessEvents();  // delivered while the first is showing: dropped
        link.Label2Click();
        return QDialog::Accepted;
    });
    PostLinkNotice({"连接中断", "重新连接", "http://www.example.com/1"});
    ProcessEvents();
    EXPECT_EQ(modal_.shown, Args{"link"});
    EXPECT_EQ(shownText, "连接中断");
    EXPECT_EQ(desktop_.opened, Args{"http://www.example.com/1"});
    EXPECT_EQ(bLinkDlgBusy, 0);
    PostLinkNotice({"第三条", "看看", "http://www.example.com/3"});
    ProcessEvents();
    EXPECT_EQ(modal_.shown, (Args{"link", "link"}));
}

// A server's link notice opens web pages only: the "file:" address of a file of the program
// folder (the program itself, its help page, a downloaded picture) reaches no opener, while a
// web address sent the same way does.  The folder is reached by a short path, so that each
// address fits the record's field.
TEST_F(MainFormTest, ALinkNoticeFromTheServerOpensNoFileOfTheProgramFolder) {
    UseProgramFolder({"mahjong", "help.htm"});
    for (const char* file : {"mahjong", "help.htm", "Avatar/1.gif"}) WriteBytes(Root() / file, {'x'});
    std::string shortFolder = (fs::temp_directory_path() / "mjXXXXXX").string();
    ASSERT_NE(mkdtemp(shortFolder.data()), nullptr);
    fs::remove(shortFolder);
    fs::create_directory_symlink(Root(), shortFolder);
    platform::SetProgramFolder(shortFolder);
    ShellForms& forms = Start({kRegServerArgument});
    Args urls;
    for (const char* file : {"mahjong", "help.htm", "Avatar\\1.gif"})
        urls.push_back(platform::ProgramFileAddress(file));
    urls.push_back("http://www.example.com/");
    for (const std::string& url : urls) {
        EXPECT_TRUE(url.size() > 8 && url.size() <= LinkNotice::kUrlBytes) << url;
        modal_.Then([](QDialog& dialog) {
            dynamic_cast<TLinkDlgForm&>(dialog).Label2Click();
            return QDialog::Accepted;
        });
        forms.Main().Table()->OnGameMsg(Encode(ScLinkNotice{"看看", "点这里", url}).data());
        ProcessEvents();
    }
    fs::remove(shortFolder);
    EXPECT_EQ(modal_.shown, Args(urls.size(), "link"));
    EXPECT_EQ(desktop_.opened, Args{"http://www.example.com/"});
}

TEST_F(MainFormTest, LinkTurnsRedUnderTheMouse) {
    Start({kRegServerArgument});
    LinkDlgForm->SetNotice("文字", "链接", "http://www.example.com/");
    LinkDlgForm->Label2MouseMove();
    EXPECT_EQ(LinkDlgForm->Label2->Colour(), LinkLabel::kRed);
    LinkDlgForm->FormMouseMove();
    EXPECT_EQ(LinkDlgForm->Label2->Colour(), LinkLabel::kBlue);
}

// --- Keys and the table guard -------------------------------------------------------------

TEST_F(MainFormTest, F12OpensTheAboutBox) {
    TMainForm& form = Start({kRegServerArgument}).Main();
    form.OnKeyDown(platform::VK_F12);
    form.OnKeyUp(platform::VK_F12);
    EXPECT_EQ(modal_.shown, Args{"about"});
}

// The window's mouse reaches the table; F12 on the window opens the about box instead of
// reaching the table's keys.
TEST_F(MainFormTest, TheWindowsEventsReachTheTable) {
    TMainForm& form = Start({kRegServerArgument}).Main();
    nActiveForm = 0;
    const QPointF at(123, 456);
    QMouseEvent move(QEvent::MouseMove, at, form.Window().mapToGlobal(at), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&form.Window(), &move);
    EXPECT_EQ(form.Table()->mousex, 123);
    EXPECT_EQ(form.Table()->mousey, 456);
    QKeyEvent f12(QEvent::KeyPress, Qt::Key_F12, Qt::NoModifier);
    QApplication::sendEvent(&form.Window(), &f12);
    EXPECT_EQ(modal_.shown, Args{"about"});
}

// Nothing reaches the table before it is made or after it is deleted.
TEST_F(MainFormTest, EventsWithoutATableAreDropped) {
    const auto send = [](TMainForm& form) {
        form.OnLButtonDown(10, 10, platform::kLeftButton);
        form.OnMouseMove(11, 11);
        form.OnLButtonUp(11, 11);
        form.OnKeyDown(platform::VK_ESCAPE);
        form.OnKeyUp(platform::VK_ESCAPE);
        form.OnChar('a');
        form.OnPaint();
        form.OnTimer(kTimerStep);
    };
    send(Start({kRegServerArgument}, QRect(0, 0, 640, 480)).Main());  // ends before the table
    forms_.reset();
    TMainForm& form = Start({kRegServerArgument}).Main();
    form.FormDestroy();
    EXPECT_EQ(form.Table(), nullptr);
    EXPECT_EQ(pMj, nullptr);
    send(form);
}

}  // namespace
}  // namespace shelltest
