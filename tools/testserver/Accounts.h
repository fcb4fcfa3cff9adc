// The test server's accounts: a GBK text file, one user a line, fields separated by spaces or
// tabs, in this order: name, password, sex (1 male), kind (0 ordinary, 1 administrator, 2 super
// player), picture (1..12), score, games, wins, the two further counters, escapes, user id,
// avatar digest (32 hexadecimal digits, "-" none) and picture path ("-" none).  The last two
// may be left out, and the user id with them (an older file's line: the id is 0); lines
// starting with '#' are comments.  A signed-up account is appended to the file with the next
// free user id.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace testserver {

struct Account {
    std::string name;
    std::string password;
    int sex = 1;
    int kind = 0;
    int picture = 1;
    std::int32_t score = 1000;
    std::int32_t games = 0;
    std::int32_t wins = 0;
    std::int32_t counter1 = 0;
    std::int32_t counter2 = 0;
    std::int32_t escapes = 0;
    std::int32_t userId = 0;
    std::string digest;       // empty: none
    std::string picturePath;  // empty: none
};

// Parses an account file's text; false with the line's number in `error` for a line that is
// not an account.
bool ParseAccounts(const std::string& text, std::vector<Account>* accounts, std::string* error);
bool LoadAccounts(const std::string& path, std::vector<Account>* accounts, std::string* error);
// The text of an account file holding these accounts.
std::string FormatAccounts(const std::vector<Account>& accounts);
// Adds the account's line at the end of an account file (after a newline when its last line
// has none); false when the file cannot be written.
bool AppendAccount(const std::string& path, const Account& account);

// The user id a new account gets: one above the highest in use.
std::int32_t NextUserId(const std::vector<Account>& accounts);

// The picture a new account of a sex gets: the first of the sex's pictures (1..6 female, 7..12
// male).
int DefaultPicture(int sex);

// The accounts the server knows without a file: ordinary users, an administrator, a super
// player, and users with custom avatars.
std::vector<Account> DefaultAccounts();

}  // namespace testserver
