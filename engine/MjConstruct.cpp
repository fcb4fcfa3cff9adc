// Making and tearing down the table in its order: its globals, its display, the sound object
// and music, timers, dialogs, seats, chat windows, link labels and buttons, the settings and
// data files it reads on the way, and the shown dialog.
#include <cstring>

#include "engine/Mj.h"
#include "graphics/DxSound.h"
#include "graphics/GraphicsGlobals.h"
#include "graphics/LevelTable.h"
#include "graphics/PixelTables.h"
#include "graphics/MidiMusic.h"
#include "platform/Path.h"
#include "platform/Timer.h"
#include "rules/FanTable.h"
#include "ui/DxEdit.h"
#include "ui/DxGameChatWnd.h"

int MinFan = kOfficialMinFan;
std::uint8_t bWildRule = 0;
tagMj WildTile = {0, 0};

CMj* pMj = nullptr;
int nActiveForm = 0;
std::uint8_t bAppClosing = 0;
std::uint8_t bHelp = 0;
std::uint8_t bMusicPlaying = 0;

namespace {

// The table's timers in the order they are made, with their intervals at construction.
struct TimerSetting {
    unsigned id;
    int interval;
};
constexpr TimerSetting kTimerSettings[kTableTimerCount] = {
    {kTimerStep, 10000},       {kTimerReveal, 100000},   {kTimerDiscardCount, 1000},
    {kTimerClaimCount, 1000},  {kTimerBlink, 200},       {kTimerIdle, 500},
    {kTimerKeepAlive, 10000},  {kTimerClaims, 100},      {kTimerPung, 500},
    {kTimerCountdown, 1000},   {kTimerFlower, 50},       {kTimerComputerTurn, 50},
    {kTimerDice, 1000},        {kTimerDrawFlight, 1},    {kTimer105, 1},
    {kTimerLinks, 120000},     {kTimerReadyDraw, 100},
};
// Timers running from construction on.
constexpr unsigned kRunningTimers[] = {kTimerIdle, kTimerCountdown, kTimerLinks};

constexpr const char* kSeatNames[kSeats] = {"玩家", "小静", "小强", "花花"};
constexpr std::uint8_t kSeatSex[kSeats] = {1, 0, 1, 0};

// The portrait timer's interval at the start of a hand and after construction.
int PortraitInterval(int seat) { return 4000 + 500 * seat; }

}  // namespace

// The steps follow the order the table's parts depend on: the renderer is set up before
// anything loads a table picture, the buttons exist before the layout places them, the options
// are read before the sound object takes the effects switch, and the start-mode dialog is the
// first thing the table shows.
CMj::CMj(TablePresentation* presentation)
    : presentation_(presentation ? presentation : &defaultPresentation_) {
    pMj = this;
    linkcount = 0;
    MinFan = kOfficialMinFan;
    hu.minfan = ai.minfan = MinFan;
    ReadDirServers(platform::ProgramPath("Dirconfig.ini"));
    GBuildPixelTables();

    renderer.SetOwner(this);
    presentation_->SetUpDisplay(*this);

    voiceon = 0;
    pDxSound = new CDxSound();
    if (SoundDeviceExists()) {
        MidiInit();
        MidiSongs[0] = MidiLoad("bg.mid");
    }
    CreateTimers();
    SetUpSeatTimers();
    CreateDialogs();
    for (int i = 0; i < kWallTiles; i++) wall[i] = shuffleorder[i] = static_cast<std::uint8_t>(i);
    SetUpSeats();

    bWildRule = 0;
    WildTile = tagMj{0, 0};
    SpreadRules();
    CreateChatWindows();
    SetUpLinkLabels();
    SetUpButtons();
    ShowClaimButtons(false);
    Button(kButtonDiscard).enabled = 1;

    ReadOptions(platform::ProgramPath("SET.ini"));
    pDxSound->SetEffectsOn(soundon);
    renderer.SetButtons(&buttons);
    renderer.ComputeLayout();
    ShowClaimButtons(false);
    chatedit->visible = 0;
    LoadLevelTable(platform::ProgramPath("level.txt"));
    if (!bNetworkStart) ShowBanner();
    ShowDialog(11);

    for (int s = 0; s < kSeats; s++) {
        Player[s].face = 0;
        Player[s].facetimer->interval = PortraitInterval(s);
        Player[s].facetimer->SetEnabled(true);
    }
    portraitphase = 0;
    InitFanNameTable();
}

// The program is closing before anything goes: a running download is aborted and its thread
// joined; the settings are written while every dialog still holds its own; the music and the
// sound object go after the dialogs that may play, the renderer and the seats last, with the
// members.
CMj::~CMj() {
    bAppClosing = 1;
    avatarDownloads.Stop();
    WriteOptions(platform::ProgramPath("SET.ini"));
    DeleteChatWindows();
    for (auto& timer : timers_) timer.reset();
    DeleteDialogs();
    if (SoundDeviceExists()) {
        MidiUnloadAll();
        MidiShutdown();
    }
    delete pDxSound;
    pDxSound = nullptr;
    if (pMj == this) pMj = nullptr;
}

void CMj::CreateTimers() {
    for (int i = 0; i < kTableTimerCount; i++) {
        timers_[i] = std::make_unique<CMjTimer>();
        timers_[i]->id = kTimerSettings[i].id;
        timers_[i]->interval = kTimerSettings[i].interval;
    }
    for (unsigned id : kRunningTimers) Timer(id)->SetEnabled(true);
}

CMjTimer* CMj::Timer(unsigned id) const {
    for (auto& timer : timers_)
        if (timer->id == id) return timer.get();
    return nullptr;
}

void CMj::SetUpSeatTimers() {
    for (int s = 0; s < kSeats; s++) {
        CMjPlayer& p = Player[s];
        p.facetimer->id = kFaceTimerBase + s;
        p.waittimer->id = kWaitTimerBase + s;
        p.actiontimer->id = kActionTimerBase + s;
        p.actiontimer->SetEnabled(false);
        p.menfeng = s + 1;
        p.quanfeng = 1;
    }
}

void CMj::SetUpSeats() {
    for (int s = 0; s < kSeats; s++) {
        CMjPlayer& p = Player[s];
        p.cardnum = 0;
        p.select = -1;
        p.sex = kSeatSex[s];
        std::strncpy(p.name, kSeatNames[s], sizeof p.name - 1);
        if (s == 0 || s == 3) p.language = 0;
    }
    for (auto& h : stackheight) h = 2;
}

// The rules in force go to the scorer, the computer player and every seat.
void CMj::SpreadRules() {
    hu.minfan = ai.minfan = MinFan;
    hu.wildrule = ai.wildrule = bWildRule;
    hu.wildmj = ai.wildmj = WildTile;
    for (CMjPlayer& p : Player) {
        p.wildmode = bWildRule;
        p.wildmj = WildTile;
    }
}

void CMj::Redraw() {
    if (framesHeld_) {
        frameWanted_ = true;
        return;
    }
    presentation_->RenderFrame(*this);
}

void CMj::HoldFrames(bool recordsWaiting) {
    framesHeld_ = true;
    recordsWaiting_ = recordsWaiting;
}

void CMj::ReleaseFrames() {
    framesHeld_ = false;
    recordsWaiting_ = false;
    if (!frameWanted_) return;
    frameWanted_ = false;
    Redraw();
}

// The shown dialog draws itself with the next frame, which its Show asks for.
void CMj::ShowDialog(int id) {
    nActiveForm = id;
    presentation_->ShowDialog(id);
}

void CMj::ShowMessageForm(const char* gbkText) {
    bMessageShown = 1;
    presentation_->ShowMessageForm(gbkText);
}

void CMj::ShowAllHands(bool show) {
    presentation_->SetRevealHands(show);
    Redraw();
}

void CMj::PlayEffect(int slot) {
    if (pDxSound) pDxSound->PlayEffect(slot);
}

void CMj::PlayAction(int seat, int slot) {
    if (pDxSound) pDxSound->PlayAction(Player[seat].sex, Player[seat].language, slot);
}

void CMj::PlayWave(const char* gbkName) {
    if (!soundon) return;
    platform::SoundSystem* system = platform::CurrentSoundSystem();
    if (!system) return;
    std::string path = gbkName;
    if (!platform::FileExists(path)) path = platform::ProgramPath(gbkName);
    if (!platform::FileExists(path)) return;
    system->PlaySoundFile(path);
}
