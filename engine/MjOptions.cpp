// The table's options and seat names in SET.ini: read once when the table is made, written
// once when it goes.  The key names keep the file's historical spellings ("Rull", "Laguage").
#include <cstring>

#include "engine/Mj.h"
#include "graphics/DxSound.h"
#include "platform/Ini.h"
#include "platform/Path.h"

namespace {

// The seat letters of the keys: S the user, E seat 1, N seat 2, W seat 3.
struct SeatKey {
    int seat;
    const char* letter;
};
// Names and sexes are written S, N, E, W; languages S, N, W, E.
constexpr SeatKey kNameOrder[] = {{0, "S"}, {2, "N"}, {1, "E"}, {3, "W"}};
constexpr SeatKey kLanguageOrder[] = {{0, "S"}, {2, "N"}, {3, "W"}, {1, "E"}};

constexpr const char* kSections[] = {"PlayerInfo", "Rull", "Skin", "Option",
                                     "Volume", "UserSet", "Avatar"};

constexpr const char* kDefaultPlayerName = "玩家";

const char* Flag(std::uint8_t on) { return on ? "1" : "0"; }

}  // namespace

void CMj::ReadOptions(const std::string& gbkPath) {
    if (!platform::FileExists(gbkPath)) return;
    auto read = [&](const char* section, const char* key, int fallback) {
        return platform::ReadProfileInt(section, key, fallback, gbkPath);
    };
    if (read("Rull", "Brood", 1) == 0) brood = 0;
    if (read("Rull", "Rain", 1) == 0) rain = 0;
    if (read("Option", "Sound", 1) == 0) SetSound(0);
    musicon = read("Option", "Music", 0) != 0;
    SetAnimate(read("Option", "Animate", 1) != 0);
    if (read("Option", "YuYin", 0) == 1) {
        voiceon = 1;
        if (pDxSound) pDxSound->bVoicesOn = 1;
    }
    bHelp = read("Window", "Help", 1) == 1;
}

void CMj::WriteOptions(const std::string& gbkPath) {
    if (!platform::FileExists(gbkPath)) {
        for (const char* section : kSections)
            if (!platform::WriteProfileSection(section, gbkPath)) return;
    }
    auto write = [&](const char* section, const std::string& key, const char* value) {
        platform::WriteProfileString(section, key, value, gbkPath);
    };
    write("Rull", "Brood", Flag(brood));
    write("Rull", "Rain", Flag(rain));
    write("Option", "Animate", Flag(animate));
    write("Option", "Sound", Flag(soundon));
    write("Option", "Music", Flag(musicon));
    write("Option", "YuYin", Flag(voiceon));
    write("Window", "FullScreen", "0");  // the table always runs windowed
    write("Window", "Help", Flag(bHelp));
    for (const SeatKey& k : kNameOrder)
        write("PlayerInfo", std::string(k.letter) + "PlayerName", Player[k.seat].name);
    for (const SeatKey& k : kNameOrder)
        write("PlayerInfo", std::string(k.letter) + "PlayerSex", Flag(Player[k.seat].sex == 1));
    // A seat whose language is not 1 writes "0" beside its key, under the key with an x.
    for (const SeatKey& k : kLanguageOrder) {
        const bool one = Player[k.seat].language == 1;
        write("PlayerInfo", std::string(k.letter) + (one ? "PlayerLaguage" : "PlayerLaguagex"),
              one ? "1" : "0");
    }
}

void CMj::SetPlayerName(const char* gbkText) {
    const std::size_t length = gbkText ? std::strlen(gbkText) : 0;
    const char* name = length == 0 || length >= sizeof Player[0].name ? kDefaultPlayerName : gbkText;
    std::memset(Player[0].name, 0, sizeof Player[0].name);
    std::strncpy(Player[0].name, name, sizeof Player[0].name - 1);
}

int CMj::GetCountdown() const {
    const bool running = Timer(kTimerDiscardCount)->enabled || Timer(kTimerClaimCount)->enabled;
    return running ? countdown : -1;
}
