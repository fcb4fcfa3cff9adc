// The table's avatar records: what the server announces, which downloads are queued, and the
// finished downloads shown on timer 6.  Only the main thread touches the two lists.
#include <algorithm>
#include <cstring>

#include "engine/Mj.h"
#include "graphics/ImageLoader.h"
#include "online/GameMsgServer.h"
#include "online/Lobby.h"
#include "online/NetRoom.h"
#include "online/NetworkStart.h"
#include "platform/Path.h"

namespace {

// A flood of records for ever new names stops being kept here.
constexpr std::size_t kMaxAvatarRecords = 2000;

std::string SeatName(const CMjPlayer& p) { return std::string(p.name, strnlen(p.name, sizeof p.name)); }

const GetAvatar* FindByName(const std::vector<GetAvatar>& list, const std::string& name) {
    const auto found = std::find_if(list.begin(), list.end(),
                                    [&](const GetAvatar& a) { return a.name == name; });
    return found == list.end() ? nullptr : &*found;
}

LoadAvatar JobFor(const GetAvatar& avatar, const std::string& target) {
    return LoadAvatar{avatar.id, avatar.name, avatar.digest, avatar.address, target};
}

// The lobby shows the user's own picture once it decodes.
void ReloadOwnAvatar(std::int32_t id) {
    if (pNetRoom && GIsGifFile(AvatarCachePath(id))) pNetRoom->LoadUserAvatar();
}

}  // namespace

// A record with a digest that is not 32 hexadecimal digits, an address that is not a plain
// host and path, or a negative id is ignored.  A default picture (male.gif, female.gif) is
// refreshed when its digest differs; a user's picture is fetched at once only for the user;
// others wait until drawing asks for them.
void CMj::HandleAvatarInfo(const std::uint8_t* record) {
    ScAvatarInfo info;
    if (!Decode(record, &info) || !IsAvatarDigest(info.digest) ||
        !AcceptableAvatarAddress(info.url) || info.userId < 0)
        return;
    const GetAvatar avatar{info.userId, info.name, info.digest, info.url};
    if (info.isDefault) {
        const std::string file = platform::ProgramPath(info.male ? "male.gif" : "female.gif");
        if (!FileHasDigest(file, avatar.digest)) avatarDownloads.Queue(JobFor(avatar, file));
        return;
    }
    if (FindByName(AvatarInfoList, avatar.name) || AvatarInfoList.size() >= kMaxAvatarRecords) return;
    AvatarInfoList.push_back(avatar);
    if (avatar.name == szMyName && EnsureAvatar(avatar)) ReloadOwnAvatar(avatar.id);
}

bool CMj::EnsureAvatar(const GetAvatar& avatar) {
    const std::string path = AvatarCachePath(avatar.id);
    if (FileHasDigest(path, avatar.digest)) return true;
    if (FindByName(AvatarRequestList, avatar.name)) return false;
    AvatarRequestList.push_back(avatar);
    avatarDownloads.Queue(JobFor(avatar, path));
    return false;
}

bool CMj::FindPendingAvatar(std::int32_t id) {
    const auto found = std::find_if(AvatarInfoList.begin(), AvatarInfoList.end(),
                                    [&](const GetAvatar& a) { return a.id == id; });
    return found != AvatarInfoList.end() && EnsureAvatar(*found);
}

std::int32_t CMj::AvatarIdOf(const char* gbkName) const {
    const UserItem* user = Lobby.ListView1.Find(gbkName);
    return user ? user->info.userId : 0;
}

void CMj::TakeFinishedAvatar() {
    LoadAvatar done;
    if (!avatarDownloads.TakeDone(&done)) return;
    if (done.name == szMyName) ReloadOwnAvatar(done.id);
    for (int s = 0; s < kSeats; ++s)
        if (Player[s].occupied && SeatName(Player[s]) == done.name)
            presentation_->LoadSeatAvatar(s, Player[s].avatar + 1);
}
