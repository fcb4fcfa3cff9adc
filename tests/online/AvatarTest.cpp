// Avatars: the cache's checks, the job tables, and the client against the test server's
// pictures over HTTP on 127.0.0.1, each test on its own program folder: downloads verified,
// shown in the lobby and on an occupied seat, wrong and failed ones discarded, the cache used on
// the next start, the default pictures refreshed, one download thread for every login, and a
// close during a download.  The avatar chooser's save.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "online/AvatarCache.h"
#include "online/AvatarChoice.h"
#include "online/GameMsgClient.h"
#include "online/GameMsgServer.h"
#include "graphics/GraphicsGlobals.h"
#include "graphics/ImageLoader.h"
#include "graphics/SurfaceRegistry.h"
#include "online/Lobby.h"
#include "online/NetRoom.h"
#include "platform/Md5.h"
#include "platform/Path.h"
#include "testsupport/online/RawClient.h"
#include "tests/support/PngWriter.h"
#include "tests/online/ServerBench.h"
#include "testsupport/graphics/TestGif.h"
#include "tools/testserver/Accounts.h"

using namespace onlinetest;
using testserver::Account;
using testserver::ServerOptions;
namespace fs = std::filesystem;

namespace {

// --- The cache's checks --------------------------------------------------------------------

TEST(AvatarCache, AcceptsOnlyPlainHostAndPathAddresses) {
    const std::string longest(kMaxAvatarAddress - 10, 'a');
    const struct {
        std::string address;
        bool accepted;
    } cases[] = {
        {"127.0.0.1:8080/avatar/1007.gif", true},
        {"pics.example.net/u/a@b.gif", true},  // '@' after the first '/'
        {"127.0.0.1/" + longest, true},
        {"127.0.0.1/" + longest + "x", false},  // 60 bytes
        {"", false},
        {"user@evil.example/a.gif", false},
        {"host/a b.gif", false},
        {"host\\a.gif", false},
        {"host/\"a\".gif", false},
        {"host/<a>.gif", false},
        {"host/\x7f.gif", false},
        {"host/\xb0\xa1.gif", false},  // not ASCII
        {"host/a.gif\r\nX: y", false},
    };
    for (const auto& c : cases) EXPECT_EQ(AcceptableAvatarAddress(c.address), c.accepted) << c.address;
}

TEST(AvatarCache, DigestsAreUpperCaseMd5ComparedWithoutCase) {
    EXPECT_EQ(platform::Md5Hex("abc"), "900150983CD24FB0D6963F7D28E17F72");
    char hex[7];
    const std::uint8_t bytes[] = {0x00, 0xAB, 0x7F};
    EXPECT_EQ(platform::HexEncode(hex, bytes, 3), 6);
    EXPECT_STREQ(hex, "00AB7F");
    EXPECT_TRUE(SameAvatarDigest("900150983cd24fb0d6963f7d28e17f72", "900150983CD24FB0D6963F7D28E17F72"));
    EXPECT_FALSE(SameAvatarDigest("900150983CD24FB0D6963F7D28E17F7", "900150983CD24FB0D6963F7D28E17F72"));
    EXPECT_TRUE(IsAvatarDigest("900150983cd24fb0d6963f7d28e17f72"));
    EXPECT_FALSE(IsAvatarDigest("900150983cd24fb0d6963f7d28e17f7g"));
    EXPECT_FALSE(IsAvatarDigest("900150983cd24fb0d6963f7d28e17f7"));

    const fs::path folder = testsupport::FreshProgramFolder("avatars");
    WriteFile(folder / "a.gif", "abc");
    char out[33] = "unchanged";
    EXPECT_FALSE(FileMd5Hex(platform::ProgramPath("missing.gif"), out));
    EXPECT_STREQ(out, "unchanged");
    EXPECT_TRUE(FileMd5Hex(platform::ProgramPath("a.gif"), out));
    EXPECT_STREQ(out, "900150983CD24FB0D6963F7D28E17F72");
    EXPECT_TRUE(FileHasDigest(platform::ProgramPath("a.gif"), "900150983cd24fb0d6963f7d28e17f72"));
}

LoadAvatar Job(int id, const std::string& name) {
    LoadAvatar job;
    job.id = id;
    job.name = name;
    return job;
}

TEST(AvatarDownloads, TakesTheNewestJobFirstAndHoldsAtMost99) {
    CAvatarDownloads tables;  // no thread: the test takes the jobs
    for (int i = 0; i < CAvatarDownloads::kMaxHeld; ++i) EXPECT_TRUE(tables.Queue(Job(i, "n")));
    EXPECT_FALSE(tables.Queue(Job(99, "n")));
    LoadAvatar job;
    ASSERT_TRUE(tables.WaitForJob(&job));
    EXPECT_EQ(job.id, 98);
    for (int i = 0; i < 100; ++i) tables.Finished(Job(i, "done" + std::to_string(i)));
    ASSERT_TRUE(tables.TakeDone(&job));
    EXPECT_EQ(job.name, "done98");
    tables.Stop();
    EXPECT_FALSE(tables.WaitForJob(&job));
}

// --- Records the table keeps ----------------------------------------------------------------

GameMsg AvatarRecord(const std::string& name, std::int32_t id, const std::string& digest,
                     const std::string& url) {
    ScAvatarInfo info;
    info.name = name;
    info.userId = id;
    info.digest = digest;
    info.url = url;
    return Encode(info);
}

// No thread runs: the table was never put online, so what is queued stays queued.
TEST(AvatarRecords, BadRecordsAreIgnoredAndALaterRecordForAKnownNameToo) {
    OnlineBench b;
    CMj& t = *b.table;
    const std::string good = "900150983cd24fb0d6963f7d28e17f72";
    const GameMsg bad[] = {
        AvatarRecord("甲", 1, "900150983cd24fb0d6963f7d28e17f7", "h/a.gif"),   // short
        AvatarRecord("甲", 1, "900150983cd24fb0d6963f7d28e17fzz", "h/a.gif"),  // not hex
        AvatarRecord("甲", 1, good, "me@h/a.gif"),
        AvatarRecord("甲", 1, good, ""),
        AvatarRecord("甲", -1, good, "h/a.gif"),
    };
    for (const GameMsg& r : bad) t.OnGameMsg(r.data());
    EXPECT_TRUE(t.AvatarInfoList.empty());

    t.OnGameMsg(AvatarRecord("甲", 1, good, "h/a.gif").data());
    t.OnGameMsg(AvatarRecord("甲", 2, good, "h/b.gif").data());
    ASSERT_EQ(t.AvatarInfoList.size(), 1u);
    EXPECT_EQ(t.AvatarInfoList[0].address, "h/a.gif");
    // Drawing asks twice; one download is queued.
    EXPECT_FALSE(t.FindPendingAvatar(1));
    EXPECT_FALSE(t.FindPendingAvatar(1));
    EXPECT_FALSE(t.FindPendingAvatar(2));
    EXPECT_EQ(t.avatarDownloads.QueuedJobs(), 1);
}

TEST(AvatarRecords, AFloodOfNewNamesStopsBeingKept) {
    OnlineBench b;
    CMj& t = *b.table;
    for (int i = 0; i < 2500; ++i)
        t.OnGameMsg(AvatarRecord("u" + std::to_string(i), i, "900150983cd24fb0d6963f7d28e17f72", "h/a.gif").data());
    EXPECT_EQ(t.AvatarInfoList.size(), 2000u);
}

// --- Against the test server ---------------------------------------------------------------

constexpr const char* kNotAGifBody = "this is no picture\n";

// The users and their pictures: each account's picture path, and its digest as the server
// announces it.
struct User {
    const char* name;
    int sex;
    std::int32_t id;
    std::string path;
    std::string picture;  // served from the picture folder; empty: a failure route or nothing
    std::string digest;
};

std::vector<User> Users() {
    const std::string a = testsupport::MakeTestGif(100, 130, 1);
    const std::string b = testsupport::MakeTestGif(120, 150, 2);
    const std::string c = testsupport::MakeTestGif(90, 120, 3);
    std::string lower = platform::Md5Hex(b);
    for (char& ch : lower) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    return {
        {"头像甲", 1, 2001, "avatar/2001.gif", a, platform::Md5Hex(a)},
        {"头像乙", 0, 2002, "avatar/2002.gif", b, lower},
        {"错摘要", 1, 2003, "avatar/2003.gif", c, platform::Md5Hex(a)},
        {"慢图", 1, 2004, testserver::kSlowPicture, "", platform::Md5Hex("x")},
        {"无图", 0, 2005, "avatar/none.gif", "", platform::Md5Hex("x")},
        {"超大", 1, 2006, testserver::kOversizedPicture, "", platform::Md5Hex("x")},
        {"非图", 0, 2007, testserver::kNotAGifPicture, "", platform::Md5Hex(kNotAGifBody)},
        {"转向", 1, 2008, testserver::kRedirectPicture, "", platform::Md5Hex("x")},
    };
}

const User& UserNamed(const std::string& name) {
    static const std::vector<User> users = Users();
    for (const User& u : users)
        if (name == u.name) return u;
    throw std::logic_error("no user " + name);
}

// The server's account file and pictures in a scratch folder of the test's own.
ServerOptions PictureServer(const std::string& male = {}) {
    const fs::path folder = testsupport::ScratchFolder("avatar-server");
    std::vector<Account> accounts;
    for (const User& u : Users()) {
        Account a;
        a.name = u.name;
        a.password = "pw1234";
        a.sex = u.sex;
        a.userId = u.id;
        a.digest = u.digest;
        a.picturePath = u.path;
        accounts.push_back(a);
        if (!u.picture.empty()) {
            fs::create_directories((folder / u.path).parent_path());
            WriteFile(folder / u.path, u.picture);
        }
    }
    WriteFile(folder / "accounts.txt", testserver::FormatAccounts(accounts));
    ServerOptions options;
    options.accountFile = (folder / "accounts.txt").string();
    if (!male.empty()) {
        WriteFile(folder / "male.gif", male);
        options.malePicture = (folder / "male.gif").string();
    }
    return options;
}

// The seat pictures the table asks its display for.
struct SeatLoads : TablePresentation {
    void LoadSeatAvatar(int seat, int picture) override { loads.emplace_back(seat, picture); }
    std::vector<std::pair<int, int>> loads;
};

// In the classic style, where the lobby and the seats show the users' own pictures.
class Avatars : public ::testing::Test {
protected:
    // Each bench stands for one run of the program, whose surface registry fills once; the
    // test process's registry would fill up over many benches, and a full one reloads nothing.
    void SetUp() override {
        style_ = bNewStyle;
        bNewStyle = 0;
        SurfaceCount = 0;
    }
    void TearDown() override { bNewStyle = style_; }

    static CMj& Table(ServerBench& s) { return *s.bench->table; }
    // Logged in, and in the first room with the user's own row listed.
    static bool LogIn(ServerBench& s, const std::string& name) {
        Lobby.ListView1.Clear();  // an earlier bench's rows
        s.bench->LogInAs(name, "pw1234");
        return Pump([&] { return s.Online() && Lobby.ListView1.Find(name) != nullptr; });
    }
    // The lobby's own picture is the one at the path.
    static bool LobbyShows(const std::string& gbkPath) {
        platform::Surface* picture = nullptr;
        platform::Rect rect;
        GLoadImage(gbkPath, &picture, &rect, false);
        const bool same = pNetRoom->ownAvatarShown && rect.right == pNetRoom->ownAvatarRect.right &&
                          rect.bottom == pNetRoom->ownAvatarRect.bottom;
        delete picture;
        return same;
    }
    static bool DownloadsDone(ServerBench& s, int ms = 10000) {
        return Pump([&] { return !Table(s).avatarDownloads.Busy(); }, ms);
    }
    // The server's record of a user, handed to the table as the link would.
    static void Announce(ServerBench& s, const std::string& name) {
        const std::string record = s.server.AvatarInfoFor(name);
        ASSERT_EQ(record.size(), static_cast<std::size_t>(kGameMsgSize));
        Table(s).OnGameMsg(reinterpret_cast<const std::uint8_t*>(record.data()));
    }
    static void Seat(CMj& t, int seat, const std::string& name) {
        CMjPlayer& p = t.Player[seat];
        p.occupied = 1;
        std::snprintf(p.name, sizeof p.name, "%s", name.c_str());
        p.sex = static_cast<unsigned char>(UserNamed(name).sex);
        p.avatar = 4;
    }
    // Timer 6's tick.
    static void Tick(ServerBench& s) { s.bench->Clock().Advance(500); }
    std::uint8_t style_ = 0;

    static fs::path Cached(ServerBench& s, std::int32_t id) {
        return s.bench->Folder() / "Avatar" / (std::to_string(id) + ".gif");
    }
    // Files in the cache folder other than finished pictures.
    static std::vector<std::string> Leftovers(ServerBench& s) {
        std::vector<std::string> left;
        std::error_code ignored;
        for (const auto& e : fs::directory_iterator(s.bench->Folder() / "Avatar", ignored))
            if (e.path().extension() != ".gif") left.push_back(e.path().filename().string());
        for (const auto& e : fs::directory_iterator(s.bench->Folder(), ignored))
            if (e.path().extension() == ".tmp") left.push_back(e.path().filename().string());
        return left;
    }
};

TEST_F(Avatars, TheUsersOwnPictureIsDownloadedVerifiedAndShownInTheLobby) {
    ServerBench s(PictureServer());
    ASSERT_TRUE(LogIn(s, "头像甲"));
    ASSERT_TRUE(Pump([&] { return fs::exists(Cached(s, 2001)); }));
    ASSERT_TRUE(DownloadsDone(s));
    EXPECT_EQ(ReadFile(Cached(s, 2001)), UserNamed("头像甲").picture);
    EXPECT_TRUE(Leftovers(s).empty());
    Tick(s);  // timer 6 hands the finished download to the lobby
    EXPECT_TRUE(LobbyShows(AvatarCachePath(2001)));

    // The lobby with the downloaded picture, for a person to look at.
    platform::Surface frame(800, 600);
    platform::Surface* previous = lpDDSPla;
    lpDDSPla = &frame;
    pNetRoom->Draw();
    lpDDSPla = previous;
    const fs::path dir = fs::path(MJ_TEST_OUT_DIR) / "online";
    fs::create_directories(dir);
    EXPECT_TRUE(testsupport::WritePng(frame, (dir / "lobby_downloaded_avatar.png").string()));
}

// Another user enters the room: the server announces the picture before the user's row.
TEST_F(Avatars, AnOccupiedSeatShowsItsDownloadOnceItIsCurrent) {
    SeatLoads seats;
    ServerBench s(PictureServer(), &seats);
    ASSERT_TRUE(LogIn(s, "头像甲"));
    CMj& t = Table(s);
    CodecClient other(s.server.GamePort());
    other.LogIn("头像乙", "pw1234");
    ASSERT_TRUE(other.Expect(SC_ROOM_LIST_END));
    other.Send(Encode(CsEnterRoom{0}));
    ASSERT_TRUE(Pump([&] { return Lobby.ListView1.Find("头像乙") != nullptr; }));
    ASSERT_EQ(t.AvatarInfoList.size(), 2u);  // announced in lower case: compared without case
    EXPECT_EQ(t.AvatarInfoList[1].name, "头像乙");
    Seat(t, 2, "头像乙");
    EXPECT_EQ(t.AvatarIdOf("头像乙"), 2002);
    EXPECT_FALSE(t.FindPendingAvatar(2002));  // asked for by drawing: queued
    ASSERT_TRUE(DownloadsDone(s));
    seats.loads.clear();
    for (int i = 0; i < 3; ++i) Tick(s);
    EXPECT_EQ(seats.loads, (std::vector<std::pair<int, int>>{{2, 5}}));
    EXPECT_TRUE(t.FindPendingAvatar(2002));
    EXPECT_EQ(ReadFile(Cached(s, 2002)), UserNamed("头像乙").picture);
}

// Each failure leaves no picture and no temporary file, shows nothing, and is not asked for
// again until the next login.
TEST_F(Avatars, WrongAndFailedDownloadsAreDiscarded) {
    SeatLoads seats;
    ServerBench s(PictureServer(), &seats);
    ASSERT_TRUE(LogIn(s, "头像甲"));
    ASSERT_TRUE(DownloadsDone(s));
    CMj& t = Table(s);
    for (const char* name : {"错摘要", "无图", "超大", "转向"}) {
        SCOPED_TRACE(name);
        const std::int32_t id = UserNamed(name).id;
        Seat(t, 1, name);
        Announce(s, name);
        EXPECT_FALSE(t.FindPendingAvatar(id));
        ASSERT_TRUE(DownloadsDone(s));
        seats.loads.clear();
        Tick(s);
        EXPECT_TRUE(seats.loads.empty());
        EXPECT_FALSE(fs::exists(Cached(s, id)));
        EXPECT_TRUE(Leftovers(s).empty());
        EXPECT_FALSE(t.FindPendingAvatar(id));
        EXPECT_EQ(t.avatarDownloads.QueuedJobs(), 0);
    }
}

// The digest is the server's word on the file; a file that matches it but is no picture is
// kept, and the seat shows the default picture instead (the drawing tests show that part).
TEST_F(Avatars, AMatchingFileThatIsNoPictureIsKeptButNotAGif) {
    ServerBench s(PictureServer());
    ASSERT_TRUE(LogIn(s, "头像甲"));
    CMj& t = Table(s);
    Announce(s, "非图");
    EXPECT_FALSE(t.FindPendingAvatar(2007));
    ASSERT_TRUE(DownloadsDone(s));
    EXPECT_TRUE(t.FindPendingAvatar(2007));
    EXPECT_EQ(ReadFile(Cached(s, 2007)), kNotAGifBody);
}

TEST_F(Avatars, TheCacheIsUsedOnTheNextStartAndAStaleOneIsReplaced) {
    std::string kept;
    {
        ServerBench first(PictureServer());
        ASSERT_TRUE(LogIn(first, "头像甲"));
        ASSERT_TRUE(Pump([&] { return fs::exists(Cached(first, 2001)); }));
        ASSERT_TRUE(DownloadsDone(first));
        Announce(first, "头像乙");
        Table(first).FindPendingAvatar(2002);
        ASSERT_TRUE(DownloadsDone(first));
        kept = ReadFile(Cached(first, 2001));
    }
    const std::string stale = testsupport::MakeTestGif(50, 50, 9);
    ServerBench next(PictureServer(), nullptr, [&](const fs::path& folder) {
        fs::create_directories(folder / "Avatar");
        WriteFile(folder / "Avatar" / "2001.gif", kept);
        WriteFile(folder / "Avatar" / "2002.gif", stale);
    });
    ASSERT_TRUE(LogIn(next, "头像甲"));
    CMj& t = Table(next);
    // The own picture is current: shown at once, nothing requested.
    EXPECT_TRUE(LobbyShows(AvatarCachePath(2001)));
    EXPECT_TRUE(t.AvatarRequestList.empty());
    EXPECT_FALSE(t.avatarDownloads.Busy());
    // Another user's is stale: fetched again and replaced.
    Announce(next, "头像乙");
    EXPECT_FALSE(t.FindPendingAvatar(2002));
    ASSERT_TRUE(DownloadsDone(next));
    EXPECT_TRUE(t.FindPendingAvatar(2002));
    EXPECT_EQ(ReadFile(Cached(next, 2002)), UserNamed("头像乙").picture);
}

// The user's own cached picture is shown only once the server's digest confirms it: a stale
// one gives way to the default picture of the user's sex, also when its download fails.
TEST_F(Avatars, TheOwnStalePictureIsNotShownBeforeOrAfterAFailedDownload) {
    const std::string stale = testsupport::MakeTestGif(50, 50, 9);
    ServerBench s(PictureServer(), nullptr, [&](const fs::path& folder) {
        fs::create_directories(folder / "Avatar");
        WriteFile(folder / "Avatar" / "2005.gif", stale);
    });
    ASSERT_TRUE(LogIn(s, "无图"));
    EXPECT_FALSE(LobbyShows(AvatarCachePath(2005)));
    EXPECT_TRUE(LobbyShows(platform::ProgramPath("female.gif")));
    ASSERT_TRUE(DownloadsDone(s));
    Tick(s);
    EXPECT_TRUE(LobbyShows(platform::ProgramPath("female.gif")));
    pNetRoom->LoadUserAvatar();  // the lobby reloads it as the next user record would
    EXPECT_TRUE(LobbyShows(platform::ProgramPath("female.gif")));
}

TEST_F(Avatars, ADefaultPictureRecordReplacesTheFoldersMaleGifWhenItDiffers) {
    const fs::path built = fs::path(MJ_GAME_DIR) / "male.gif";
    const std::string builtBytes = ReadFile(built);
    const std::string serverMale = testsupport::MakeTestGif(64, 80, 5);
    ServerBench s(PictureServer(serverMale));
    ASSERT_TRUE(LogIn(s, "头像乙"));
    const fs::path male = s.bench->Folder() / "male.gif";
    ASSERT_TRUE(Pump([&] { return ReadFile(male) == serverMale; }));
    ASSERT_TRUE(DownloadsDone(s));
    EXPECT_FALSE(fs::is_symlink(male));           // this client's folder got its own file
    EXPECT_EQ(ReadFile(built), builtBytes);        // the built program folder is untouched
    EXPECT_TRUE(fs::is_symlink(s.bench->Folder() / "female.gif"));
    EXPECT_TRUE(Leftovers(s).empty());
}

TEST_F(Avatars, ADefaultPictureThatMatchesIsNotFetched) {
    ServerBench s(PictureServer(ReadFile(fs::path(MJ_GAME_DIR) / "male.gif")));
    ASSERT_TRUE(LogIn(s, "头像乙"));
    ASSERT_TRUE(Pump([&] { return Table(s).AvatarInfoList.size() == 1; }));
    ASSERT_TRUE(DownloadsDone(s));  // the user's own picture
    EXPECT_TRUE(fs::is_symlink(s.bench->Folder() / "male.gif"));
}

TEST_F(Avatars, ASecondLoginMakesNoSecondThread) {
    ServerBench s(PictureServer());
    ASSERT_TRUE(LogIn(s, "头像甲"));
    s.bench->link->CloseGameSocket();
    ASSERT_TRUE(Pump([&] { return s.AtLogin(); }));
    ASSERT_TRUE(LogIn(s, "头像乙"));
    EXPECT_EQ(Table(s).avatarDownloads.ThreadsStarted(), 1);
    // The second login emptied the lists: only its own record is there.
    ASSERT_TRUE(Pump([&] { return Table(s).AvatarInfoList.size() == 1; }));
    EXPECT_EQ(Table(s).AvatarInfoList[0].name, "头像乙");
}

// The slow picture would take about 20 s; the table's end aborts it and joins the thread.
TEST_F(Avatars, ClosingDuringADownloadEndsWithinAboutASecond) {
    auto s = std::make_unique<ServerBench>(PictureServer());
    ASSERT_TRUE(LogIn(*s, "慢图"));
    const fs::path folder = s->bench->Folder();
    ASSERT_TRUE(Pump([&] { return Table(*s).avatarDownloads.Busy(); }));
    Settle(500);
    ASSERT_TRUE(Table(*s).avatarDownloads.Busy());
    const auto start = std::chrono::steady_clock::now();
    s->bench.reset();
    const auto took = std::chrono::steady_clock::now() - start;
    EXPECT_LT(took, std::chrono::seconds(3));
    s.reset();
    EXPECT_FALSE(fs::exists(folder / "Avatar" / "2004.gif"));
    std::vector<std::string> left;
    for (const auto& e : fs::directory_iterator(folder / "Avatar")) left.push_back(e.path().filename().string());
    EXPECT_TRUE(left.empty());
}

// The hostile server's avatar case: the connection stays, and the table keeps nothing.
TEST_F(Avatars, TheHostileServersBadAvatarRecordsAreNotKept) {
    ServerOptions options;
    options.hostileCase = "avatar-bad-records";
    ServerBench s(options);
    s.bench->LogInAs("tester", "secret");
    ASSERT_TRUE(Pump([&] { return s.Online(); }));
    Settle(300);
    EXPECT_TRUE(s.bench->link->ClientSocket1.Connected());
    EXPECT_TRUE(Table(s).AvatarInfoList.empty());
    EXPECT_EQ(Table(s).avatarDownloads.QueuedJobs(), 0);
}

// --- What the server sends -----------------------------------------------------------------

TEST_F(Avatars, TheServerAnnouncesPicturesAfterTheLoginSuccess) {
    ServerBench s(PictureServer(testsupport::MakeTestGif(64, 80, 5)));
    ASSERT_TRUE(LogIn(s, "头像甲"));
    std::vector<int> sent;
    for (const auto& e : s.server.TranscriptEntries())
        if (!e.fromClient && !e.signUp) sent.push_back(e.type);
    ASSERT_GE(sent.size(), 4u);
    EXPECT_EQ(sent.front(), SC_LOGIN_SUCCESS);
    EXPECT_EQ(sent[1], SC_AVATAR_INFO);  // the default male picture
    EXPECT_EQ(sent[2], SC_AVATAR_INFO);  // the user's own, before any record shows the user
    EXPECT_EQ(std::count(sent.begin(), sent.end(), SC_AVATAR_INFO), 2);
    ScAvatarInfo own;
    const std::string record = s.server.AvatarInfoFor("头像甲");
    ASSERT_TRUE(Decode(reinterpret_cast<const std::uint8_t*>(record.data()), &own));
    EXPECT_EQ(own.userId, 2001);
    EXPECT_EQ(own.url, "127.0.0.1:" + std::to_string(s.server.HttpPort()) + "/avatar/2001.gif");
}

TEST_F(Avatars, TheLobbysButtonOpensTheChooserForTheUsersRecord) {
    ServerBench s(PictureServer());
    ASSERT_TRUE(LogIn(s, "头像乙"));
    pNetRoom->ShowAvatarChooser();
    ASSERT_EQ(s.bench->windows.chooserUsers.size(), 1u);
    const AvatarUser& user = s.bench->windows.chooserUsers[0];
    EXPECT_EQ(user.sex, 0);
    EXPECT_EQ(user.picture, 1);
    EXPECT_EQ(user.avatarId, 2002);
}

// --- The chooser's save --------------------------------------------------------------------

TEST_F(Avatars, TheChooserSavesOnlyPicturesOfTheUsersSex) {
    ServerBench s(PictureServer());
    ASSERT_TRUE(LogIn(s, "头像乙"));  // sex 0, picture 1
    const struct {
        int sex;
        int index;
        AvatarSave result;
    } cases[] = {
        {0, 5, AvatarSave::kSent},          {0, 6, AvatarSave::kSexMismatch},
        {0, 0, AvatarSave::kUnchanged},     {1, 6, AvatarSave::kSent},
        {1, 11, AvatarSave::kSent},         {1, 5, AvatarSave::kSexMismatch},
    };
    for (const auto& c : cases) {
        AvatarUser user;
        user.sex = c.sex;
        user.picture = 1;
        EXPECT_EQ(SaveAvatarChoice(user, c.index), c.result) << c.sex << " " << c.index;
    }
    const auto& boxes = s.bench->Boxes().Shown();
    ASSERT_EQ(boxes.size(), 3u);
    EXPECT_EQ(boxes[0].text, "性别不符，无法修改资料！");
    EXPECT_EQ(boxes[1].text, "资料修改成功！");
    EXPECT_EQ(boxes[0].caption, "翠岭");
    // The server takes the last choice sent and answers with the user's row.
    ASSERT_TRUE(Pump([&] { return s.server.PictureOf("头像乙") == 12; }));
    ASSERT_TRUE(Pump([&] { return Lobby.ListView1.Find("头像乙")->info.avatar == 12; }));
}

}  // namespace
