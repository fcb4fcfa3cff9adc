// The users' pictures: served over HTTP on 127.0.0.1 from the accounts' picture files, with the
// failure routes; announced as SC_AVATAR_INFO (the default pictures after each login, a user's
// own picture before the records that show the user); and a user's choice of picture number.
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>

#include "online/GameMsgClient.h"
#include "online/GameMsgServer.h"
#include "platform/Md5.h"
#include "tools/testserver/Connection.h"
#include "tools/testserver/TinyHttpServer.h"

namespace testserver {

namespace {

namespace fs = std::filesystem;

constexpr const char* kMaleRoute = "default/male.gif";
constexpr const char* kFemaleRoute = "default/female.gif";
constexpr std::size_t kSlowBytes = 400000;
constexpr std::size_t kOversizedBytes = (1u << 20) + 4096;
constexpr int kFirstPicture = 1;
constexpr int kLastPicture = 12;

std::string Bytes(const GameMsg& msg) { return std::string(msg.begin(), msg.end()); }

bool ReadFile(const fs::path& path, std::string* bytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    bytes->assign(std::istreambuf_iterator<char>(in), {});
    return true;
}

// A GIF header with a small logical screen, padded to `size` bytes.
std::string GifLike(std::size_t size) {
    std::string bytes("GIF89a\x10\x00\x10\x00\x00\x00\x00", 13);
    bytes.resize(size, '\0');
    return bytes;
}

std::map<std::string, nettest::Route> FailureRoutes(int slowMs) {
    std::map<std::string, nettest::Route> routes;
    routes.emplace(std::string("/") + kSlowPicture, nettest::Route{200, GifLike(kSlowBytes), true, "", slowMs});
    routes.emplace(std::string("/") + kOversizedPicture, nettest::Route{200, GifLike(kOversizedBytes)});
    routes.emplace(std::string("/") + kNotAGifPicture, nettest::Route{200, "this is no picture\n"});
    routes.emplace(std::string("/") + kRedirectPicture,
                   nettest::Route{302, "", true, "Location: file:///etc/passwd\r\n"});
    return routes;
}

// The users a record shows with their pictures: an SC_USER_INFO add, the seats of
// SC_TABLE_USERINFO.
std::vector<std::string> NamesShown(const GameMsg& record) {
    std::vector<std::string> names;
    ScUserInfo user;
    if (Decode(record.data(), &user) && user.op == ScUserInfo::kAdd) names.push_back(user.name);
    ScTableUserInfo seats;
    if (Decode(record.data(), &seats))
        for (const MsgTableSeat& seat : seats.seats)
            if (seat.status != 0) names.push_back(seat.name);
    return names;
}

}  // namespace

bool TestServer::AccountOf(const std::string& name, Account* account) const {
    std::lock_guard<std::mutex> lock(mutex_);
    for (const Account& a : accounts_)
        if (a.name == name) {
            *account = a;
            return true;
        }
    return false;
}

// Every account's picture file that can be read gets its route; a missing file is simply not
// found.  The default pictures are announced with their own digests.
bool TestServer::StartPictures(std::string* error) {
    fs::path folder = options_.pictureFolder;
    if (folder.empty() && !options_.accountFile.empty()) folder = fs::path(options_.accountFile).parent_path();
    std::map<std::string, nettest::Route> routes = FailureRoutes(options_.slowPictureMs);
    for (const Account& a : accounts_) {
        std::string bytes;
        if (!a.picturePath.empty() && !routes.count("/" + a.picturePath) && ReadFile(folder / a.picturePath, &bytes))
            routes.emplace("/" + a.picturePath, nettest::Route{200, bytes});
    }
    const std::pair<const std::string*, const char*> defaults[] = {{&options_.malePicture, kMaleRoute},
                                                                   {&options_.femalePicture, kFemaleRoute}};
    std::vector<std::pair<std::string, std::string>> announced;  // route, digest
    for (const auto& [file, route] : defaults) {
        std::string bytes;
        if (file->empty()) continue;
        if (!ReadFile(*file, &bytes)) {
            *error = "cannot read " + *file;
            return false;
        }
        announced.emplace_back(route, platform::Md5Hex(bytes));
        routes.emplace(std::string("/") + route, nettest::Route{200, bytes});
    }
    http_ = std::make_unique<nettest::TinyHttpServer>(std::move(routes), options_.httpPort);
    if (!http_->Listening()) {
        *error = "cannot listen on 127.0.0.1:" + std::to_string(options_.httpPort);
        return false;
    }
    httpPort_ = http_->Port();
    for (const auto& [route, digest] : announced) {
        ScAvatarInfo info;
        info.isDefault = true;
        info.male = route == kMaleRoute;
        info.digest = digest;
        info.url = "127.0.0.1:" + std::to_string(httpPort_) + "/" + route;
        defaultRecords_.push_back(Bytes(Encode(info)));
    }
    return true;
}

std::string TestServer::AvatarRecord(const Account& a) const {
    if (a.digest.empty() || a.picturePath.empty()) return {};
    ScAvatarInfo info;
    info.userId = a.userId;
    info.name = a.name;
    info.digest = a.digest;
    info.url = "127.0.0.1:" + std::to_string(httpPort_) + "/" + a.picturePath;
    return Bytes(Encode(info));
}

std::string TestServer::AvatarInfoFor(const std::string& name) const {
    Account account;
    return AccountOf(name, &account) ? AvatarRecord(account) : std::string();
}

int TestServer::PictureOf(const std::string& name) const {
    Account account;
    return AccountOf(name, &account) ? account.picture : 0;
}

void TestServer::AnnounceAvatar(Connection& c, const Account& shown) {
    const std::string record = AvatarRecord(shown);
    if (record.empty() || !c.announced.insert(shown.name).second) return;
    Send(c, record);
}

void TestServer::AnnounceDefaultPictures(Connection& c) {
    for (const std::string& record : defaultRecords_) Send(c, record);
}

void TestServer::AnnounceShownUsers(Connection& c, const GameMsg& record) {
    for (const std::string& name : NamesShown(record)) {
        Account shown;
        if (AccountOf(name, &shown)) AnnounceAvatar(c, shown);
    }
}

// The choice is the room's to answer; it is also kept with the account for later logins.
void TestServer::OnSetAvatar(Connection& c, const std::uint8_t* record) {
    if (!c.loggedIn) return;
    CsSetAvatar choice;
    Decode(record, &choice);
    if (choice.picture >= kFirstPicture && choice.picture <= kLastPicture) {
        std::lock_guard<std::mutex> lock(mutex_);
        for (Account& a : accounts_)
            if (a.name == c.name) a.picture = choice.picture;
    }
    if (rooms_) rooms_->SetPicture(c.id, choice.picture);
}

}  // namespace testserver
