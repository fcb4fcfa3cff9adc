// A table run headless for tests and benchmarks: timers and pauses on a virtual clock whose
// ticks go to CMj::OnTimer, the game's clock (and so every reseed) read from that virtual clock
// plus a seed, message boxes on a recorder, optionally the recording sound system and music
// player, and seat 0 played by a script through the calls the table's buttons and tile clicks
// make.
#pragma once

#include <cstdint>
#include <cstring>
#include <memory>
#include <optional>

#include "engine/Mj.h"
#include "platform/testing/MessageBoxRecorder.h"
#include "platform/testing/RecordingMusicPlayer.h"
#include "platform/testing/RecordingSoundSystem.h"
#include "platform/testing/ScopedService.h"
#include "platform/testing/VirtualClock.h"
#include "rules/Random.h"

namespace enginetest {

// The rule families a game can be played under.
struct RuleFamily {
    const char* name;
    int minFan;
    std::uint8_t wildRule;
    int wildKind;
};
constexpr RuleFamily kOfficial = {"official", 8, 0, kWildNextTile};
constexpr RuleFamily kOpen = {"open", 0, 0, kWildNextTile};
constexpr RuleFamily kWildNext = {"wild-next", 0, 1, kWildNextTile};
constexpr RuleFamily kWildPrevious = {"wild-previous", 0, 1, kWildPreviousTile};
constexpr RuleFamily kWildFlower = {"wild-flower", 0, 1, kWildFixedFlower};

enum class StandIns { kNone, kSoundAndMusic };

// The game's seconds clock (which every reseed reads) on a virtual clock, for the object's
// life: a thousand seconds per unit of the seed, plus the virtual clock's whole seconds.
class SeededGameClock {
public:
    SeededGameClock(unsigned seed, const platform::testing::VirtualClock& clock)
        : seed_(seed), clock_(clock) {
        MjSetClock(&Read, this);
    }
    ~SeededGameClock() { MjSetClock(nullptr, nullptr); }
    SeededGameClock(const SeededGameClock&) = delete;
    SeededGameClock& operator=(const SeededGameClock&) = delete;

private:
    static long long Read(void* self) {
        auto* c = static_cast<SeededGameClock*>(self);
        return static_cast<long long>(c->seed_) * 1000 +
               static_cast<long long>(c->clock_.Now() / 1000);
    }

    unsigned seed_;
    const platform::testing::VirtualClock& clock_;
};

class HeadlessTable {
public:
    explicit HeadlessTable(unsigned seed, TablePresentation* presentation = nullptr,
                           StandIns standIns = StandIns::kNone)
        : clock_([this](int id) {
              if (table) table->OnTimer(static_cast<unsigned>(id));
          }),
          gameClock_(seed, clock_),
          timers_(&clock_),
          pauses_(&clock_),
          boxesInstalled_(&boxes_) {
        if (standIns == StandIns::kSoundAndMusic) {
            soundInstalled_.emplace(&sound_);
            musicInstalled_.emplace(&music_);
        }
        table = std::make_unique<CMj>(presentation);
    }
    ~HeadlessTable() { table.reset(); }
    HeadlessTable(const HeadlessTable&) = delete;
    HeadlessTable& operator=(const HeadlessTable&) = delete;

    // Sets the rules as the names-and-rules dialog does and starts a new game.
    void StartGame(const RuleFamily& rules) {
        MinFan = rules.minFan;
        bWildRule = rules.wildRule;
        table->wildkind = rules.wildKind;
        nActiveForm = 0;
        table->NewGame();
    }

    platform::testing::VirtualClock& Clock() { return clock_; }
    platform::testing::MessageBoxRecorder& Boxes() { return boxes_; }
    platform::testing::RecordingSoundSystem& Sound() { return sound_; }
    platform::testing::RecordingMusicPlayer& Music() { return music_; }

    std::unique_ptr<CMj> table;

private:
    platform::testing::VirtualClock clock_;
    SeededGameClock gameClock_;
    platform::testing::MessageBoxRecorder boxes_;
    platform::testing::RecordingSoundSystem sound_;
    platform::testing::RecordingMusicPlayer music_;
    platform::testing::ScopedTimerService timers_;
    platform::testing::ScopedSleepService pauses_;
    platform::testing::ScopedMessageBoxes boxesInstalled_;
    std::optional<platform::testing::ScopedSoundSystem> soundInstalled_;
    std::optional<platform::testing::ScopedMusicPlayer> musicInstalled_;
};

// Seat 0's player: decides as the computer player would and acts only through what a person
// can do at the table: table buttons that are shown and take clicks, a click on a tile
// (select, then the discard), and the score sheet's next-hand button.  How each act reaches
// the table can be replaced: a person at the window does the same with the mouse.
class ScriptedUser {
public:
    explicit ScriptedUser(CMj& table) : t_(table) {}
    virtual ~ScriptedUser() = default;

    // Acts when the table waits for the user; true when it did something.
    bool Act() {
        CMjPlayer& p = t_.Player[0];
        if (t_.state != kHandRunning) return false;
        if (p.choosechow || p.choosekong) return PickChoice(p);
        if (Clickable(kButtonWin)) return Click(kButtonWin);
        if (Clickable(kButtonKong) && WantsKong(p)) return Click(kButtonKong);
        if (Clickable(kButtonPung) && ai().ShouldPung(&p, &t_.curmj, t_.seen, Left()))
            return Click(kButtonPung);
        if (Clickable(kButtonChow) && ai().ShouldChow(&p, &t_.curmj, t_.seen, Left())) {
            chow_[0] = p.chowmj[0];
            chow_[1] = p.chowmj[1];
            return Click(kButtonChow);
        }
        if (Clickable(kButtonReady) && !t_.readyarmed) return Click(kButtonReady);
        if (t_.claimpending && Clickable(kButtonPass)) return Click(kButtonPass);
        if (t_.maydiscard && t_.curplayer == 0 && !t_.claimpending) return DiscardTile(p);
        return false;
    }

protected:
    // A click on a shown button that takes clicks.
    virtual void ClickButton(int id) { t_.OnButtonClick(id); }
    // A click that plays the tile at a hand position (position cardnum: the drawn tile).
    virtual void PlayTileAt(int position) {
        t_.Player[0].select = position;
        t_.AutoDiscard();
    }
    // The click after the kong or chow button that picks one of several choices.
    virtual void PickKong(const tagMj& tile) {
        t_.Player[0].kongmj = tile;
        t_.OnKongButton();
    }
    virtual void PickChow(const tagMj& first, const tagMj& second) {
        t_.Player[0].chowmj[0] = first;
        t_.Player[0].chowmj[1] = second;
        t_.OnChowButton();
    }

    // The hand position that holds the tile and may be played (the drawn tile first).
    static int Position(const CMjPlayer& p, const tagMj& tile) {
        if (p.hasnew && TileEqual(p.newmj, tile)) return p.cardnum;
        for (int i = 0; i < p.cardnum; i++)
            if (TileEqual(p.Mj[i], tile) && p.canplay[i]) return i;
        return p.hasnew ? p.cardnum : 0;
    }

    CMj& t_;

private:
    CMjAi& ai() { return t_.ai; }
    int Left() const { return kWallTiles - t_.taken; }
    bool Clickable(int id) { return t_.Button(id).visible && t_.Button(id).enabled; }
    bool Click(int id) {
        ClickButton(id);
        return true;
    }

    bool WantsKong(CMjPlayer& p) {
        if (t_.curplayer != 0) return ai().ShouldKong(&p, &t_.curmj, t_.seen, Left());
        return p.BuildKongOptions() > 0 && ai().ShouldKong(&p, &p.Kong[0], t_.seen, Left());
    }

    bool PickChoice(CMjPlayer& p) {
        if (p.choosekong)
            PickKong(p.Kong[0]);
        else
            PickChow(chow_[0], chow_[1]);
        return true;
    }

    // The computer player's choice on a copy of the hand with the drawn tile, then a click on
    // that tile.
    bool DiscardTile(CMjPlayer& p) {
        tagMj saved[14];
        std::memcpy(saved, p.Mj, sizeof saved);
        const int count = p.cardnum;
        if (p.hasnew) p.cardnum++;
        if (bWildRule)
            ai().PlayWild(&p, t_.seen, Left(), t_.wall, t_.taken);
        else
            ai().Play(&p, t_.seen, Left(), t_.wall, t_.taken);
        std::memcpy(p.Mj, saved, sizeof saved);
        p.cardnum = count;
        PlayTileAt(Position(p, p.PlayMj));
        if (t_.maydiscard)  // a tile the table refuses: the drawn tile, else the first one
            PlayTileAt(p.hasnew ? p.cardnum : 0);
        return true;
    }

    tagMj chow_[2] = {};
};

}  // namespace enginetest
