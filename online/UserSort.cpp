#include "online/UserSort.h"

#include <algorithm>
#include <cstring>

namespace {

bool IsMe(const UserInfo& u, std::string_view myName) { return UserName(u) == myName; }

// Ascending: a before b when its key is smaller; descending when it is larger.
template <typename Key>
bool ByKey(Key a, Key b, bool ascending) {
    return ascending ? a < b : b < a;
}

bool* FlagOf(UserSortState& s, int column) {
    switch (column) {
        case kColumnName: return &s.bSortNameAsc;
        case kColumnScore:
        case kColumnLevel: return &s.bSortScoreAsc;
        case kColumnGames: return &s.bSortGamesAsc;
        case kColumnWinRate: return &s.bSortWinRateAsc;
        default: return nullptr;
    }
}

}  // namespace

bool UserBefore(const UserInfo& a, const UserInfo& b, const UserSortState& s,
                std::string_view myName) {
    const bool meA = IsMe(a, myName), meB = IsMe(b, myName);
    if (meA != meB) return meA;
    if (meA) return false;
    const bool specialA = a.kind > 0, specialB = b.kind > 0;
    if (specialA != specialB) return specialA;
    switch (s.nSortColumn) {
        case kColumnName:
            return ByKey(std::strncmp(a.name, b.name, sizeof a.name), 0, s.bSortNameAsc);
        case kColumnScore:
        case kColumnLevel: return ByKey(a.score, b.score, s.bSortScoreAsc);
        case kColumnGames: return ByKey(a.games, b.games, s.bSortGamesAsc);
        case kColumnWinRate: return ByKey(WinRate(a), WinRate(b), s.bSortWinRateAsc);
        default: return false;
    }
}

void ListView1ColumnClick(CUserList& list, UserSortState& state, int column,
                          std::string_view myName) {
    state.nSortColumn = column;
    bool* flag = FlagOf(state, column);
    if (!flag) return;
    *flag = !*flag;
    state.arrowColumn = column;
    state.arrowImage = *flag ? kArrowAscending : kArrowDescending;
    std::stable_sort(list.rows.begin(), list.rows.end(),
                     [&](const UserItem& a, const UserItem& b) {
                         return UserBefore(a.info, b.info, state, myName);
                     });
    list.Reindex();
}
