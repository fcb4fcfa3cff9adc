#include "online/UserList.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "online/GameMsgServer.h"

namespace {

constexpr int kMaxPicture = 12;

// A picture outside 1..12 is the default of the user's sex.
int PictureOf(const ScUserInfo& r) {
    if (r.picture >= 1 && r.picture <= kMaxPicture) return r.picture;
    return r.male ? 7 : 1;
}

void TakeCounters(UserInfo& u, const ScUserInfo& r) {
    u.score = r.score;
    u.games = r.games;
    u.wins = r.wins;
    u.counter1 = r.counter1;
    u.counter2 = r.counter2;
    u.escapes = r.escapes;
    u.atTable = r.atTable ? 1 : 0;
    u.table = static_cast<std::uint8_t>(r.table);
    u.chair = static_cast<std::uint8_t>(r.chair);
}

void TakeAdd(UserItem& item, const ScUserInfo& r) {
    UserInfo& u = item.info;
    u = UserInfo{};
    std::memcpy(u.name, r.name.data(), std::min(r.name.size(), sizeof u.name - 1));
    u.sex = r.male ? 1 : 0;
    u.kind = static_cast<std::int8_t>(r.kind);
    u.userId = r.userId;
    u.avatar = PictureOf(r);
    TakeCounters(u, r);
    item.tableImage = kImageInLobby;
    item.avatarImage = u.avatar + kAvatarImageBase;
    item.image = u.kind > 0 ? kImageMember : kImageNone;
}

}  // namespace

int WinRate(const UserInfo& user) {
    if (user.games <= 0) return 0;
    return static_cast<int>(static_cast<long long>(user.wins) * 100 / user.games);
}

std::string WinRateText(const UserInfo& user) { return std::to_string(WinRate(user)) + "%"; }

std::string UserName(const UserInfo& user) {
    return std::string(user.name, strnlen(user.name, sizeof user.name));
}

void CUserList::Reindex() {
    index_.clear();
    index_.reserve(rows.size());
    for (std::size_t i = 0; i < rows.size(); i++) index_.emplace(UserName(rows[i].info), i);
    removed_ = 0;
}

void CUserList::Clear() {
    rows.clear();
    Reindex();
}

// The row is looked for from its indexed place up over the places removals may have moved it.
UserItem* CUserList::Find(std::string_view name) {
    if (index_.size() != rows.size()) Reindex();
    const auto it = index_.find(std::string(name));
    if (it == index_.end() || rows.empty()) return nullptr;
    const std::size_t from = std::min(it->second, rows.size() - 1);
    const std::size_t to = from > static_cast<std::size_t>(removed_) ? from - removed_ : 0;
    for (std::size_t i = from + 1; i-- > to;)
        if (UserName(rows[i].info) == name) return &rows[i];
    return nullptr;
}

const UserItem* CUserList::Find(std::string_view name) const {
    return const_cast<CUserList*>(this)->Find(name);
}

UserItem* CUserList::Add(const ScUserInfo& record, std::string_view myName) {
    UserItem* item = Find(record.name);
    if (!item) {
        if (record.name == myName) {
            rows.insert(rows.begin(), UserItem{});
            item = &rows.front();
        } else {
            rows.push_back(UserItem{});
            item = &rows.back();
        }
        TakeAdd(*item, record);
        if (item == &rows.front() && rows.size() > 1)
            Reindex();  // every row moved down
        else
            index_.emplace(UserName(item->info), rows.size() - 1);
        return item;
    }
    TakeAdd(*item, record);
    return item;
}

int CUserList::Remove(std::string_view name) {
    const UserItem* row = Find(name);
    if (!row) return -1;
    const int at = IndexOf(*row);
    index_.erase(std::string(name));
    rows.erase(rows.begin() + at);
    if (++removed_ > kMaxRemoved) Reindex();
    return at;
}

UserItem* CUserList::Update(const ScUserInfo& record) {
    UserItem* item = Find(record.name);
    if (!item) return nullptr;
    TakeCounters(item->info, record);
    if (!item->info.atTable) item->tableImage = kImageInLobby;
    return item;
}
