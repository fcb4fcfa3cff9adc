// What the table makes besides its game state: the table buttons in the pictures of the table
// style, the fifteen dialogs in their order and frame slots, the chat windows and link labels,
// a headless display that composes nothing; and the order in which it all goes again.
#include <algorithm>
#include <filesystem>
#include <functional>

#include "TableFixture.h"
#include "graphics/DxSound.h"
#include "graphics/GraphicsGlobals.h"
#include "graphics/SurfaceRegistry.h"
#include "platform/Ini.h"
#include "platform/testing/DrawRecorder.h"
#include "platform/testing/RecordingMusicPlayer.h"
#include "platform/testing/RecordingSoundSystem.h"
#include "platform/testing/ScopedService.h"
#include "ui/Dialogs.h"
#include "ui/DxEdit.h"
#include "ui/DxGameChatWnd.h"
#include "online/InviteForm.h"
#include "online/InviteMessage.h"
#include "online/NetRoom.h"
#include "online/ChooseNetForm.h"
#include "online/LoginForm.h"
#include "online/RegForm.h"

namespace enginetest {
namespace {

namespace fs = std::filesystem;

class TableMaking : public ::testing::Test {
protected:
    TableMaking() : folder(FreshProgramFolder("making")) {}
    ~TableMaking() override { bNewStyle = 1; }
    std::unique_ptr<HeadlessTable> Make() { return std::make_unique<HeadlessTable>(1, &shown); }
    fs::path folder;
    RecordingPresentation shown;
};

// Each style takes its own pictures where the table names two, and shows the close button
// only on the classic table; the menu button shows on both.
TEST_F(TableMaking, TheButtonsTakeThePicturesAndStateOfTheTableStyle) {
    for (std::uint8_t newStyle : {0, 1}) {
        bNewStyle = newStyle;
        auto h = Make();
        CMj& t = *h->table;
        ASSERT_EQ(t.buttons.count, kTableButtonCount);
        EXPECT_EQ(t.renderer.bClassic, newStyle ? 0 : 1);
        for (int id = 0; id < kTableButtonCount; id++) {
            const TableButtonDef& def = kTableButtonDefs[id];
            const CBitButton& b = t.Button(id);
            ASSERT_NE(b.picture, nullptr) << id;
            EXPECT_EQ(b.picture->Name(), newStyle ? def.newStyleBitmap : def.classicBitmap) << id;
            EXPECT_EQ(b.caption, def.caption) << id;
            const bool shown = id == kButtonMenu || (id == kButtonClose && !newStyle);
            EXPECT_EQ(b.visible, shown) << "style " << int(newStyle) << ", button " << id;
        }
        for (int id : {kButtonPung, kButtonKong, kButtonWin, kButtonPass, kButtonChow, kButtonReady})
            EXPECT_FALSE(t.Button(id).enabled) << id;
        EXPECT_TRUE(t.Button(kButtonDiscard).enabled);
        EXPECT_TRUE(t.Button(13).enabled);
        EXPECT_EQ(t.renderer.pButtons, &t.buttons);
        h.reset();
    }
}

// The logo fades in on every start but one made for online play; the start mode shows on both.
TEST_F(TableMaking, AnOnlineStartShowsNoLogoButTheStartModeAllTheSame) {
    class BannerCount : public RecordingPresentation {
    public:
        void ShowBanner() override { banners++; }
        int banners = 0;
    };
    for (std::uint8_t online : {0, 1}) {
        bNetworkStart = online;
        BannerCount counted;
        HeadlessTable h(1, &counted);
        EXPECT_EQ(counted.banners, online ? 0 : 1);
        EXPECT_EQ(nActiveForm, 11);
        EXPECT_EQ(counted.dialogs, std::vector<int>{11});
    }
    bNetworkStart = 0;
}

struct DialogMade {
    const char* background;
    std::function<CBitForm*()> pointer;
    int slot;  // 0: a box over the table, in no slot
};

// The order the table makes its dialogs in, with each one's background and frame slot.
std::vector<DialogMade> DialogsInOrder() {
    return {
        {"Graphic\\ScoreForm\\background.bmp", [] { return (CBitForm*)pScoreForm; }, 1},
        {"Graphic\\LoadForm\\background.bmp", [] { return (CBitForm*)pWelComForm; }, 6},
        {"Graphic\\OptionForm\\background.bmp", [] { return (CBitForm*)pSetForm; }, 2},
        {"Graphic\\MessageBox\\background.bmp", [] { return (CBitForm*)pNewGameDlg; }, 7},
        {"Graphic\\InputName\\background.bmp", [] { return (CBitForm*)pInputNameDlg; }, 8},
        {"Graphic\\Form\\item.bmp", [] { return (CBitForm*)pItemForm; }, 9},
        {"Graphic\\NetForm\\Room.bmp", [] { return (CBitForm*)pNetRoom; }, 10},
        {"Graphic\\ModeForm\\background.bmp", [] { return (CBitForm*)pModeForm; }, 11},
        {"Graphic\\LoginForm\\background.bmp", [] { return (CBitForm*)pLoginForm; }, 12},
        {"Graphic\\RegForm\\background.bmp", [] { return (CBitForm*)pRegForm; }, 13},
        {"Graphic\\ShowMessage\\background.bmp", [] { return pShowMessageForm; }, 0},
        {"Graphic\\InviteForm\\background.bmp", [] { return (CBitForm*)pInviteForm; }, 14},
        {"Graphic\\InviteMessage\\background.bmp", [] { return pInviteMessage; }, 0},
        {"Graphic\\ShowMessage\\background.bmp", [] { return pInfoForm; }, 0},
        {"Graphic\\ChooseNetForm\\background.bmp", [] { return (CBitForm*)pChooseNetForm; }, 18},
    };
}

// The registry keeps every picture in the order it was loaded: each dialog's background comes
// after the one made before it.
int RegistryIndex(platform::Surface** variable) {
    for (int i = 0; i < SurfaceCount; i++)
        if (SurfaceList[i] == variable) return i;
    return -1;
}

TEST_F(TableMaking, FifteenDialogsInTheirOrderEachInItsSlotAndGoneWithTheTable) {
    SurfaceCount = 0;  // entries of tables gone before this test mean nothing to it
    auto h = Make();
    int previous = -1;
    for (const DialogMade& d : DialogsInOrder()) {
        CBitForm* form = d.pointer();
        ASSERT_NE(form, nullptr) << d.background;
        ASSERT_NE(form->background, nullptr) << d.background;
        EXPECT_EQ(form->background->Name(), d.background);
        EXPECT_EQ(form->owner, h->table.get());
        const int index = RegistryIndex(&form->background);
        EXPECT_GT(index, previous) << d.background;
        previous = index;
        if (d.slot) {
            EXPECT_EQ(DialogForId(d.slot), form) << d.slot;
        }
    }
    int slotted = 0;
    for (CBitForm* slot : DialogSlots) slotted += slot != nullptr;
    EXPECT_EQ(slotted, 12);
    EXPECT_EQ(nActiveForm, 11) << "the start mode shows first";
    h.reset();
    for (const DialogMade& d : DialogsInOrder()) EXPECT_EQ(d.pointer(), nullptr) << d.background;
    for (CBitForm* slot : DialogSlots) EXPECT_EQ(slot, nullptr);
}

// The lobby and the invitation form become the active dialog and close again; the prompt
// raises its own flag.
TEST_F(TableMaking, TheOnlineDialogsShowAndClose) {
    auto h = Make();
    const std::pair<CBitForm*, int> forms[] = {{pNetRoom, CNetRoom::kId},
                                               {pInviteForm, CInviteForm::kId}};
    for (const auto& [form, id] : forms) {
        form->Show();
        EXPECT_EQ(nActiveForm, id);
        form->Close();
        EXPECT_EQ(nActiveForm, 0);
    }
    pInviteMessage->Show();
    EXPECT_EQ(bInviteShown, 1);
    EXPECT_EQ(nActiveForm, 0);
    pInviteMessage->Close();
    EXPECT_EQ(bInviteShown, 0);
}

TEST_F(TableMaking, ChatWindowsAndLinkLabelsInTheirPlaces) {
    auto h = Make();
    CMj& t = *h->table;
    ASSERT_NE(t.chatedit, nullptr);
    EXPECT_EQ(t.chatedit->background->Name(), "Graphic\\input.bmp");
    EXPECT_EQ(t.chatedit->x, 256);
    EXPECT_EQ(t.chatedit->y, 563);
    EXPECT_EQ(t.chatedit->textColor, 0xFFFFFFu);
    EXPECT_TRUE(t.chatedit->focus);
    EXPECT_FALSE(t.chatedit->translucent);
    EXPECT_FALSE(t.chatedit->visible);
    ASSERT_NE(t.chatlog, nullptr);
    EXPECT_EQ(t.chatlog->rect.left, 10);
    EXPECT_EQ(t.chatlog->rect.top, 65);
    EXPECT_EQ(t.chatlog->rect.right, 250);
    EXPECT_EQ(t.chatlog->rect.bottom, 190);
    ASSERT_NE(t.phraselist, nullptr);
    EXPECT_EQ(t.phraselist->rect.left, 408);
    EXPECT_EQ(t.phraselist->rect.bottom, 560);
    EXPECT_TRUE(t.phraselist->enabled);
    EXPECT_FALSE(t.phraselist->visible);

    ASSERT_EQ(t.linkcount, 2);
    EXPECT_EQ(t.links[0]->caption, "访问翠岭网站");
    EXPECT_EQ(t.links[0]->rect.left, 265);
    EXPECT_EQ(t.links[0]->rect.top, 572);
    EXPECT_EQ(t.links[1]->caption, "每日精选小游戏,免费玩");
    EXPECT_EQ(t.links[1]->rect.left, 485);
    for (int i = 0; i < 2; i++) EXPECT_EQ(t.links[i]->target.rfind("https://", 0), 0u) << i;
    for (int i = 0; i < kMaxLinkLabels; i++) EXPECT_NE(t.links[i], nullptr) << i;
}

// The scorer, the computer player and every seat follow the rules the table sets.
TEST_F(TableMaking, TheScorerAndSeatsFollowTheRulesInForce) {
    MinFan = 0;
    bWildRule = 1;
    WildTile = tagMj{5, 1};
    auto h = Make();
    CMj& t = *h->table;
    EXPECT_EQ(t.hu.minfan, 8);
    EXPECT_EQ(t.ai.minfan, 8);
    EXPECT_EQ(t.hu.wildrule, 0);
    EXPECT_TRUE(TileEqual(t.hu.wildmj, tagMj{0, 0}));
    MinFan = 0;
    bWildRule = 1;
    t.wildkind = kWildFixedFlower;
    nActiveForm = 0;
    t.NewGame();
    EXPECT_EQ(t.hu.minfan, 0);
    EXPECT_EQ(t.ai.minfan, 0);
    EXPECT_EQ(t.hu.wildrule, 1);
    EXPECT_EQ(t.ai.wildrule, 1);
    for (const CMjPlayer& p : t.Player) EXPECT_EQ(p.wildmode, 1);
}

// Without a display nothing is composed: no picture of the table is loaded, and a whole hand
// leaves the composition surface untouched.
TEST_F(TableMaking, AHeadlessTableComposesNothing) {
    platform::Surface frame(800, 600);
    platform::Surface* before = lpDDSPla;
    lpDDSPla = &frame;
    platform::testing::DrawRecorder drawn(frame);
    {
        HeadlessTable h(3);
        EXPECT_EQ(h.table->renderer.lpDDSRoom, nullptr);
        EXPECT_EQ(h.table->renderer.bWindowed, 0);
        ScriptedUser user(*h.table);
        h.StartGame(kOfficial);
        for (int ticks = 0; nActiveForm != 1 && ticks < 20000; ticks++) {
            while (user.Act()) {
            }
            h.Clock().AdvanceToNextTick();
        }
        EXPECT_EQ(nActiveForm, 1);
    }
    EXPECT_TRUE(drawn.Calls().empty()) << drawn.Calls().size() << " drawing calls";
    EXPECT_EQ(lpDDSPla, &frame) << "a headless table does not own the composition surface";
    lpDDSPla = before;
}

// ---- Going away ----------------------------------------------------------------------------

// What had happened, seen from one step of the teardown.
struct Moment {
    std::uint8_t closing = 0;
    bool settingsWritten = false;
    bool chatWindowsGone = false;
    bool dialogsGone = false;
    bool soundObject = false;
};

Moment Now(const fs::path& folder) {
    Moment m;
    m.closing = bAppClosing;
    m.settingsWritten = fs::exists(folder / "SET.ini");
    m.chatWindowsGone = pMj && !pMj->chatedit && !pMj->chatlog && !pMj->phraselist;
    m.dialogsGone = !pScoreForm && !pModeForm && !pChooseNetForm && !pShowMessageForm;
    m.soundObject = pDxSound != nullptr;
    return m;
}

// The table's timers as they are stopped, and the music as it is unloaded.
class WatchedTimers : public platform::TimerService {
public:
    WatchedTimers(platform::TimerService* inner, fs::path folder)
        : inner_(inner), folder_(std::move(folder)) {}
    void Set(int id, unsigned ms) override { inner_->Set(id, ms); }
    void Kill(int id) override {
        if (pMj) kills.push_back(Now(folder_));
        inner_->Kill(id);
    }
    std::vector<Moment> kills;

private:
    platform::TimerService* inner_;
    fs::path folder_;
};

class WatchedMusic : public platform::testing::RecordingMusicPlayer {
public:
    explicit WatchedMusic(fs::path folder) : folder_(std::move(folder)) {}
    void UnloadAll() override {
        unloading = Now(folder_);
        RecordingMusicPlayer::UnloadAll();
    }
    Moment unloading;

private:
    fs::path folder_;
};

TEST_F(TableMaking, GoingAwayClosesFirstThenSettingsChatTimersDialogsMusicAndSound) {
    WatchedMusic music(folder);
    platform::testing::ScopedMusicPlayer musicInstalled(&music);
    platform::testing::RecordingSoundSystem sound;
    platform::testing::ScopedSoundSystem soundInstalled(&sound);
    bAppClosing = 0;
    auto h = Make();
    ASSERT_FALSE(fs::exists(folder / "SET.ini"));
    WatchedTimers timers(platform::CurrentTimerService(), folder);
    platform::testing::ScopedTimerService timersInstalled(&timers);
    h->table.reset();

    ASSERT_FALSE(timers.kills.empty());
    const Moment& firstKill = timers.kills.front();
    EXPECT_EQ(firstKill.closing, 1);
    EXPECT_TRUE(firstKill.settingsWritten);
    EXPECT_TRUE(firstKill.chatWindowsGone) << "the chat windows go before the timers";
    EXPECT_FALSE(firstKill.dialogsGone) << "the dialogs go after the timers";
    EXPECT_TRUE(firstKill.soundObject);

    EXPECT_EQ(music.unloading.closing, 1);
    EXPECT_TRUE(music.unloading.dialogsGone) << "the music goes after the dialogs";
    EXPECT_TRUE(music.unloading.soundObject) << "and before the sound object";
    const auto& calls = music.Calls();
    ASSERT_GE(calls.size(), 2u);
    EXPECT_EQ(calls[calls.size() - 2].kind, platform::testing::MusicCallKind::UnloadAll);
    EXPECT_EQ(calls.back().kind, platform::testing::MusicCallKind::Shutdown);
    EXPECT_EQ(pDxSound, nullptr);
    EXPECT_EQ(pMj, nullptr);
    // The renderer, last with the seats, writes the table style.
    EXPECT_EQ(platform::ReadProfileInt("Window", "Style", -1, platform::ProgramPath("SET.ini")), 1);
    bAppClosing = 0;
}

}  // namespace
}  // namespace enginetest
