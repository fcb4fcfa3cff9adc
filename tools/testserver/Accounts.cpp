#include "tools/testserver/Accounts.h"

#include <algorithm>
#include <fstream>
#include <sstream>

namespace testserver {

namespace {

constexpr const char* kNone = "-";

std::string OrNone(const std::string& text) { return text.empty() ? kNone : text; }
std::string FromNone(const std::string& text) { return text == kNone ? std::string() : text; }

// A line of an older file ends after the escapes: its account keeps the id 0 it always had.
bool ParseLine(const std::string& line, Account* a) {
    std::istringstream in(line);
    if (!(in >> a->name >> a->password >> a->sex >> a->kind >> a->picture >> a->score >> a->games >>
          a->wins >> a->counter1 >> a->counter2 >> a->escapes))
        return false;
    if (!(in >> std::ws).eof() && !(in >> a->userId)) return false;
    std::string digest, path;
    in >> digest >> path;
    a->digest = FromNone(digest);
    a->picturePath = FromNone(path);
    std::string rest;
    return !(in >> rest);
}

// The account's line of an account file, its newline included.
std::string AccountLine(const Account& a) {
    std::ostringstream out;
    out << a.name << ' ' << a.password << ' ' << a.sex << ' ' << a.kind << ' ' << a.picture << ' '
        << a.score << ' ' << a.games << ' ' << a.wins << ' ' << a.counter1 << ' ' << a.counter2
        << ' ' << a.escapes << ' ' << a.userId << ' ' << OrNone(a.digest) << ' '
        << OrNone(a.picturePath) << '\n';
    return out.str();
}

}  // namespace

bool ParseAccounts(const std::string& text, std::vector<Account>* accounts, std::string* error) {
    std::istringstream in(text);
    std::string line;
    int number = 0;
    accounts->clear();
    while (std::getline(in, line)) {
        number++;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.find_first_not_of(" \t") == std::string::npos || line[0] == '#') continue;
        Account account;
        if (!ParseLine(line, &account)) {
            if (error) *error = "line " + std::to_string(number) + " is not an account";
            return false;
        }
        accounts->push_back(account);
    }
    return true;
}

bool LoadAccounts(const std::string& path, std::vector<Account>* accounts, std::string* error) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        if (error) *error = "cannot read " + path;
        return false;
    }
    std::ostringstream text;
    text << file.rdbuf();
    return ParseAccounts(text.str(), accounts, error);
}

std::string FormatAccounts(const std::vector<Account>& accounts) {
    std::string text =
        "# name password sex kind picture score games wins counter1 counter2 escapes id "
        "digest path\n";
    for (const Account& a : accounts) text += AccountLine(a);
    return text;
}

bool AppendAccount(const std::string& path, const Account& account) {
    std::fstream file(path, std::ios::binary | std::ios::in | std::ios::out | std::ios::ate);
    if (!file) return false;
    const std::streamoff size = file.tellp();
    char last = '\n';
    if (size > 0) {
        file.seekg(size - 1);
        file.get(last);
        file.seekp(0, std::ios::end);
    }
    if (last != '\n') file << '\n';
    file << AccountLine(account);
    return static_cast<bool>(file.flush());
}

std::int32_t NextUserId(const std::vector<Account>& accounts) {
    std::int32_t highest = 0;
    for (const Account& a : accounts) highest = std::max(highest, a.userId);
    return highest + 1;
}

int DefaultPicture(int sex) { return sex == 1 ? 7 : 1; }

std::vector<Account> DefaultAccounts() {
    auto user = [](const char* name, const char* password, int sex, int kind, int picture,
                   int score, int games, int wins, int escapes, int id) {
        Account a;
        a.name = name;
        a.password = password;
        a.sex = sex;
        a.kind = kind;
        a.picture = picture;
        a.score = score;
        a.games = games;
        a.wins = wins;
        a.escapes = escapes;
        a.userId = id;
        return a;
    };
    std::vector<Account> accounts = {
        user("tester", "secret", 1, 0, 7, 1000, 0, 0, 0, 1001),
        user("玩家甲", "1234", 1, 0, 8, 1200, 30, 12, 1, 1002),
        user("玩家乙", "1234", 0, 0, 2, 950, 3, 2, 0, 1003),
        user("管理员", "admin1", 1, 1, 9, 3000, 200, 70, 0, 1004),
        user("超级玩家", "super1", 0, 2, 3, 2500, 120, 50, 2, 1005),
        user("老玩家", "oldhand", 1, 3, 10, 8000, 900, 310, 12, 1006),
    };
    Account avatar = user("画像", "picture", 0, 0, 4, 1500, 40, 15, 0, 1007);
    avatar.digest = "0123456789abcdef0123456789abcdef";
    avatar.picturePath = "avatar/1007.gif";
    accounts.push_back(avatar);
    return accounts;
}

}  // namespace testserver
