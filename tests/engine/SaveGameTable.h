// A headless table for saved-game tests: a presentation that keeps the desk grid's bytes and
// records what the table asks of its dialogs, a driver that plays until a chosen moment, and a
// fingerprint of everything a load may change.
#pragma once

#include <cstdint>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "engine/Mj.h"
#include "engine/SaveGameFile.h"
#include "testsupport/engine/HeadlessTable.h"

namespace enginetest {

// Every discard takes the next desk cell in a row (cell n is a = n / 20, b = n % 20); the
// grid's bytes go to and come from saved games.
class DeskPresentation : public TablePresentation {
public:
    void ClearDesk() override {
        std::memset(desk, 0, kSavedDeskCells);
        next = 0;
    }
    DeskCell AddDeskTile(CMjPlayer& seat, int, const tagMj& tile) override {
        if (next >= kSavedDeskCells) return {};
        const int n = next++;
        desk[n] = 1;
        desk[kSavedDeskCells + 2 * n] = static_cast<std::uint8_t>(tile.value);
        desk[kSavedDeskCells + 2 * n + 1] = static_cast<std::uint8_t>(tile.suit);
        seat.deskx = n / 20;
        seat.desky = n % 20;
        return {n / 20, n % 20};
    }
    void SaveDesk(std::uint8_t* bytes) const override { std::memcpy(bytes, desk, sizeof desk); }
    void LoadDesk(const std::uint8_t* bytes) override { std::memcpy(desk, bytes, sizeof desk); }
    void LoadSeatAvatar(int seat, int picture) override { avatars.push_back({seat, picture}); }
    void ShowMessageForm(const char* gbkText) override { messages.emplace_back(gbkText); }
    void ShowSaveSlots() override { ++saveSlotsShown; }

    std::uint8_t desk[kSavedDeskCells * 3] = {};
    int next = 0;
    struct AvatarLoad {
        int seat;
        int picture;
    };
    std::vector<AvatarLoad> avatars;
    std::vector<std::string> messages;
    int saveSlotsShown = 0;
};

// The user may pick a discard and no claim is offered.
inline bool AtUserDiscardTurn(const CMj& t) {
    return t.state == kHandRunning && t.curplayer == 0 && t.maydiscard && !t.claimpending &&
           !t.Player[0].choosechow && !t.Player[0].choosekong;
}

// Plays (the scripted user for seat 0, the next hand from the score sheet) until `stop` holds
// before the user acts; false when it never does within `maxTicks` timer ticks.
inline bool PlayUntil(HeadlessTable& h, const std::function<bool(CMj&)>& stop,
                      int maxTicks = 200000) {
    CMj& t = *h.table;
    ScriptedUser user(t);
    for (int tick = 0; tick < maxTicks; ++tick) {
        if (stop(t)) return true;
        if (user.Act()) continue;
        if (nActiveForm == 1) {
            nActiveForm = 0;
            t.StartHand();
            continue;
        }
        if (!h.Clock().AdvanceToNextTick()) return false;
    }
    return false;
}

// Every byte of table state that a saved game holds or a load sets.
inline std::string Fingerprint(const CMj& t) {
    std::string f;
    auto add = [&f](const void* p, std::size_t n) { f.append(static_cast<const char*>(p), n); };
    for (const CMjPlayer& p : t.Player) {
        add(p.name, sizeof p.name);
        add(&p.cardnum, sizeof p.cardnum);
        add(p.Mj, sizeof p.Mj);
        add(&p.gangnum, sizeof p.gangnum);
        for (const GetMj& m : p.Gang) {
            add(m.Mj, sizeof m.Mj);
            add(&m.num, sizeof m.num);
            add(&m.kind, 1);
        }
        add(p.open, sizeof p.open);
        add(&p.hasnew, 1);
        add(&p.newmj, sizeof p.newmj);
        add(&p.hued, 1);
        add(&p.score, sizeof p.score);
        add(&p.gain, sizeof p.gain);
        add(&p.rivernum, sizeof p.rivernum);
        add(p.River, sizeof p.River);
        add(&p.flowers, sizeof p.flowers);
        add(&p.avatar, sizeof p.avatar);
        add(&p.winmj, sizeof p.winmj);
    }
    add(&t.state, 1);
    add(&t.taken, sizeof t.taken);
    add(&t.dealer, sizeof t.dealer);
    add(&t.curplayer, sizeof t.curplayer);
    add(t.wall, sizeof t.wall);
    add(t.seen, sizeof t.seen);
    add(t.stackheight, sizeof t.stackheight);
    add(t.deskhidden, sizeof t.deskhidden);
    add(&MinFan, sizeof MinFan);
    add(&bWildRule, 1);
    add(&WildTile, sizeof WildTile);
    f += t.savefile;
    return f;
}

}  // namespace enginetest
