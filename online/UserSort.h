// Sorting the user list by a clicked column.  The order is strict (a true "less than"), so a
// sort never depends on how the sorting routine treats equal rows: the own row first, listed
// members next, then the column's order; equal rows keep their order.  The first click on the
// name column sorts descending, the first on score, level, games or win rate ascending; each
// further click reverses that column.
#pragma once

#include <string_view>

#include "online/UserList.h"

// Columns of ListView1: 0..2 images, 3 name, 4 score, 5 level, 6 games, 7 win rate, 8 escapes.
enum UserColumn : int {
    kColumnName = 3,
    kColumnScore = 4,
    kColumnLevel = 5,
    kColumnGames = 6,
    kColumnWinRate = 7,
    kColumnEscapes = 8,
};

// Header images of the sort arrows.
constexpr int kArrowAscending = 3;
constexpr int kArrowDescending = 2;

struct UserSortState {
    int nSortColumn = 0;
    bool bSortNameAsc = true;
    bool bSortScoreAsc = false;  // score and level
    bool bSortGamesAsc = false;
    bool bSortWinRateAsc = false;
    int arrowColumn = -1;  // the one header with an arrow; -1 none
    int arrowImage = -1;
};

// True when `a` stands before `b` in the list sorted by the state's column.
bool UserBefore(const UserInfo& a, const UserInfo& b, const UserSortState& state,
                std::string_view myName);

// A click on a column header: records the column; columns 3..7 flip their flag, move the arrow
// and sort the list (stably).  Other columns do not sort.
void ListView1ColumnClick(CUserList& list, UserSortState& state, int column,
                          std::string_view myName);
