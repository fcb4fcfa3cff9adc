// The online users of the room the user is in: one row per user, as the main window's list
// `ListView1` shows them (the Qt list draws these rows; the records fill them).  The own user's
// row is always the first.  Rows are kept by value; a row's `UserInfo` is the record the lobby,
// the user menu and the invitation list read.  A busy room lists thousands of users and the
// server sends a record per change, so a name is found through an index, not by walking the
// rows.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

struct ScUserInfo;

// One online user.
struct UserInfo {
    char name[20] = {};       // NUL-terminated
    std::int32_t userId = 0;  // also names the user's picture file in Avatar\ .
    std::uint8_t sex = 0;     // 1 male
    std::int32_t score = 0;
    std::int32_t games = 0;
    std::int32_t wins = 0;
    std::int32_t counter1 = 0;  // from record byte 36; not shown
    std::int32_t counter2 = 0;  // from record byte 44; not shown
    std::int32_t escapes = 0;
    std::uint8_t atTable = 0;  // 1: seated
    std::uint8_t table = 0;    // 1..100
    std::uint8_t chair = 0;
    std::int8_t kind = 0;      // > 0: a listed member (1 administrator, 2 super player)
    std::int32_t avatar = 1;   // picture 1..12
};

// The table-state images of a row, the member image, and the avatar image base.
enum UserImage : int {
    kImageNone = -1,
    kImageMember = 16,
    kImageInLobby = 17,
    kImageSeated = 18,
    kImageStarted = 19,
    kImagePlaying = 20,
    kAvatarImageBase = 3,
};

// wins × 100 / games, 0 without games; and its text ("66%").
int WinRate(const UserInfo& user);
std::string WinRateText(const UserInfo& user);
// The user's name as a string.
std::string UserName(const UserInfo& user);

struct UserItem {
    UserInfo info;
    int tableImage = kImageInLobby;  // sub-item image 0
    int avatarImage = 0;             // sub-item image 1: picture + 3
    int image = kImageNone;          // kImageMember for a listed member
};

class CUserList {
public:
    // The first row whose name equals `name` exactly; null when none.
    UserItem* Find(std::string_view name);
    const UserItem* Find(std::string_view name) const;
    // An add record: a new row (the own user's at the top, others appended), or, for a name
    // already listed, that row takes all the add's fields (the own row stays first).
    UserItem* Add(const ScUserInfo& record, std::string_view myName);
    // A remove record: the index the row had; -1 when the name is not listed.
    int Remove(std::string_view name);
    // An update record: the counters and the seat; null when the name is not listed.
    UserItem* Update(const ScUserInfo& record);
    void Clear();
    int Count() const { return static_cast<int>(rows.size()); }
    // The index of a row of this list.
    int IndexOf(const UserItem& row) const { return static_cast<int>(&row - rows.data()); }
    // Builds the name index afresh; whoever reorders `rows` calls it (a change of their number
    // is noticed by itself).
    void Reindex();

    std::vector<UserItem> rows;

private:
    // Where each name's row stood when it was indexed.  A removal moves the rows behind it one
    // place up without touching the index, so a row stands at most `removed_` places above
    // its indexed place; the index is built afresh after kMaxRemoved removals.
    static constexpr int kMaxRemoved = 64;
    std::unordered_map<std::string, std::size_t> index_;
    int removed_ = 0;
};
