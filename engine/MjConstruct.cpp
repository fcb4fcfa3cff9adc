// Making and tearing down the table: its globals, timers, seats, buttons and sound object, the
// settings and data files it reads on the way, and the shown dialog.
#include <cstring>

#include "engine/Mj.h"
#include "graphics/DxSound.h"
#include "graphics/LevelTable.h"
#include "graphics/PixelTables.h"
#include "graphics/MidiMusic.h"
#include "platform/Path.h"
#include "platform/Timer.h"
#include "rules/FanTable.h"

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
struct TimerSpec {
    unsigned id;
    int interval;
};
constexpr TimerSpec kTimerSpecs[kTableTimerCount] = {
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

CMj::CMj(TablePresentation* presentation)
    : presentation_(presentation ? presentation : &defaultPresentation_) {
    pMj = this;
    MinFan = kOfficialMinFan;
    hu.minfan = ai.minfan = MinFan;
    ReadDirServers(platform::ProgramPath("Dirconfig.ini"));
    GBuildPixelTables();

    voiceon = 0;
    pDxSound = new CDxSound();
    if (SoundDeviceExists()) {
        MidiInit();
        MidiSongs[0] = MidiLoad("bg.mid");
    }
    CreateTimers();
    for (int i = 0; i < kWallTiles; i++) wall[i] = shuffleorder[i] = static_cast<std::uint8_t>(i);
    SetUpSeats();

    bWildRule = 0;
    WildTile = tagMj{0, 0};
    SpreadRules();
    ReadChatPhrases(platform::ProgramPath("Chat.txt"));
    SetUpButtons();
    ShowClaimButtons(false);
    Button(kButtonDiscard).enabled = 1;

    ReadOptions(platform::ProgramPath("SET.ini"));
    pDxSound->SetEffectsOn(soundon);
    LoadLevelTable(platform::ProgramPath("level.txt"));
    ShowDialog(11);

    for (int s = 0; s < kSeats; s++) {
        Player[s].face = 0;
        Player[s].facetimer->interval = PortraitInterval(s);
        Player[s].facetimer->SetEnabled(true);
    }
    portraitphase = 0;
    InitFanNameTable();
}

CMj::~CMj() {
    bAppClosing = 1;
    WriteOptions(platform::ProgramPath("SET.ini"));
    for (auto& timer : timers_) timer.reset();
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
        timers_[i]->id = kTimerSpecs[i].id;
        timers_[i]->interval = kTimerSpecs[i].interval;
    }
    for (unsigned id : kRunningTimers) Timer(id)->SetEnabled(true);
}

CMjTimer* CMj::Timer(unsigned id) const {
    for (auto& timer : timers_)
        if (timer->id == id) return timer.get();
    return nullptr;
}

void CMj::SetUpSeats() {
    for (int s = 0; s < kSeats; s++) {
        CMjPlayer& p = Player[s];
        p.facetimer->id = kFaceTimerBase + s;
        p.waittimer->id = kWaitTimerBase + s;
        p.actiontimer->id = kActionTimerBase + s;
        p.actiontimer->SetEnabled(false);
        p.menfeng = s + 1;
        p.quanfeng = 1;
        p.cardnum = 0;
        p.select = -1;
        p.sex = kSeatSex[s];
        std::strncpy(p.name, kSeatNames[s], sizeof p.name - 1);
        if (s == 0 || s == 3) p.language = 0;
    }
    for (auto& h : stackheight) h = 2;
}

void CMj::SetUpButtons() {
    // The table is drawn in the new style unless the renderer says otherwise.
    for (int id = 0; id < kTableButtonCount; id++) {
        buttons[id].enabled = kTableButtonSpecs[id].disabled ? 0 : 1;
        buttons[id].visible = kTableButtonSpecs[id].shownInNewStyle ? 1 : 0;
    }
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

void CMj::Redraw() { presentation_->RenderFrame(*this); }

void CMj::ShowDialog(int id) {
    nActiveForm = id;
    presentation_->ShowDialog(id);
    Redraw();
}

void CMj::ShowMessageForm(const char* gbkText) {
    bMessageShown = 1;
    presentation_->ShowMessageForm(gbkText);
    Redraw();
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
