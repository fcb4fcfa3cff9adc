#include "shell/InstallRecord.h"

#include "platform/KeyStore.h"
#include "platform/Path.h"

const char kGameInstallKey[] = "HKEY_CURRENT_USER\\Software\\Pemra\\InstalledGame\\6";
const char kPortalInstallKey[] = "HKEY_LOCAL_MACHINE\\Software\\Tovalink Portal\\Game\\0";

namespace {

constexpr char kExeName[] = "mahjong";

// The program folder as a disk path ending in '/': the game's form ends in a backslash.
std::string DiskFolder() {
    std::string folder = platform::ProgramFolder();
    if (!folder.empty() && folder.back() == '\\') folder.back() = '/';
    return folder;
}

// Loads the store, lets `write` set its values and saves it; nothing when the folder's name
// does not fit GBK or the store cannot be read.
template <typename Write>
void UpdateStore(Write write) {
    if (!platform::ProgramFolderFitsGbk()) return;
    platform::KeyStore store(platform::KeyStore::DefaultPath());
    if (!store.Load()) return;
    write(store);
    store.Save();
}

}  // namespace

std::string InstalledExePath() { return DiskFolder() + kExeName; }

void WriteGameInstallRecord() {
    UpdateStore([](platform::KeyStore& store) {
        const std::string folder = DiskFolder();
        const struct {
            const char* name;
            std::string value;
        } values[] = {
            {"GamePath", InstalledExePath()},  {"GameName", "翠岭"},
            {"Version", "8"},                  {"CategoryID", "2"},
            {"GameID", "6"},                   {"NoRoomGame", "1"},
            {"GameIcon", folder + "mj.bmp"},   {"RoomIniPath", folder + "Room.ini"},
        };
        for (const auto& v : values) store.SetString(kGameInstallKey, v.name, v.value);
    });
}

void WritePortalInstallRecord() {
    UpdateStore([](platform::KeyStore& store) {
        store.SetString(kPortalInstallKey, "ExePath", InstalledExePath());
    });
}
