// The classic table online: seats that users sit in show their pictures downloaded from the
// test server's HTTP routes once they are cached and current (cut to 140 x 226), the default
// picture of their sex before that or when the file is no GIF; saved as a PNG to look at.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "ClassicStage.h"
#include "graphics/GraphicsGlobals.h"
#include "online/AvatarCache.h"
#include "online/GameMsgServer.h"
#include "online/Lobby.h"
#include "platform/Md5.h"
#include "platform/Path.h"
#include "tests/support/PngWriter.h"
#include "tests/support/ScratchFolder.h"
#include "testsupport/graphics/TestGif.h"
#include "tools/testserver/Accounts.h"
#include "tools/testserver/TestServer.h"

namespace {

namespace fs = std::filesystem;

void WriteFile(const fs::path& path, const std::string& bytes) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

struct Sitter {
    int seat;
    const char* name;
    int sex;
    std::int32_t id;
    std::string picture;  // empty: the server has none that decodes
};

// The test server with the sitters' pictures; the fourth user's file is no GIF.
testserver::ServerOptions Server(const std::vector<Sitter>& sitters) {
    const fs::path folder = testsupport::ScratchFolder("avatar-server");
    std::vector<testserver::Account> accounts;
    for (const Sitter& s : sitters) {
        testserver::Account a;
        a.name = s.name;
        a.password = "pw1234";
        a.sex = s.sex;
        a.userId = s.id;
        const std::string bytes = s.picture.empty() ? std::string("no picture") : s.picture;
        a.picturePath = "avatar/" + std::to_string(s.id) + ".gif";
        a.digest = platform::Md5Hex(bytes);
        WriteFile(folder / a.picturePath, bytes);
        accounts.push_back(a);
    }
    WriteFile(folder / "accounts.txt", testserver::FormatAccounts(accounts));
    testserver::ServerOptions options;
    options.accountFile = (folder / "accounts.txt").string();
    return options;
}

// The user sits at the table and is listed in the room.
void Sit(CMj& table, const Sitter& s) {
    ScUserInfo row;
    row.op = ScUserInfo::kAdd;
    row.name = s.name;
    row.userId = s.id;
    row.male = s.sex == 1;
    Lobby.ListView1.Add(row, "");
    CMjPlayer& p = table.Player[s.seat];
    p.occupied = 1;
    std::snprintf(p.name, sizeof p.name, "%s", s.name);
    p.sex = static_cast<unsigned char>(s.sex);
}

TEST(ClassicOnlineAvatars, SeatsShowDownloadedPicturesOnceCurrent) {
    tabletest::Stage& stage = classictest::ClassicMidHand();
    CMj& table = *stage.table;
    CMjDraw& draw = *stage.draw;
    const fs::path folder = platform::ToDiskPath(platform::ProgramFolder());
    for (const char* file : {"male.gif", "female.gif"})
        if (!fs::exists(folder / file)) fs::create_symlink(fs::path(MJ_GAME_DIR) / file, folder / file);
    fs::remove_all(folder / "Avatar");

    const std::vector<Sitter> sitters = {
        {1, "右家画像", 0, 3101, testsupport::MakeTestGif(110, 140, 1)},
        {2, "对家画像", 1, 3102, testsupport::MakeTestGif(200, 300, 2)},  // cut to 140 x 226
        {3, "左家画像", 1, 3103, ""},
    };
    testserver::TestServer server(Server(sitters));
    ASSERT_TRUE(server.Start());

    table.netgame = 1;
    table.avatarDownloads.StartThread();
    for (const Sitter& s : sitters) {
        Sit(table, s);
        const std::string record = server.AvatarInfoFor(s.name);
        table.OnGameMsg(reinterpret_cast<const std::uint8_t*>(record.data()));
        draw.LoadSeatAvatar(s.seat, 1);
    }
    // Not cached yet: the default pictures by sex, and the downloads queued.
    EXPECT_EQ(AvatarName[1], platform::ProgramPath("female.gif"));
    EXPECT_EQ(AvatarName[2], platform::ProgramPath("male.gif"));
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (table.avatarDownloads.Busy() && std::chrono::steady_clock::now() < until)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    ASSERT_FALSE(table.avatarDownloads.Busy());

    for (const Sitter& s : sitters) draw.LoadSeatAvatar(s.seat, 1);
    EXPECT_EQ(AvatarName[1], AvatarCachePath(3101));
    EXPECT_EQ(AvatarName[2], AvatarCachePath(3102));
    EXPECT_EQ(AvatarName[3], platform::ProgramPath("male.gif"));  // current, but no GIF
    EXPECT_EQ(draw.rcPortrait[1].right, 110);
    EXPECT_EQ(draw.rcPortrait[1].bottom, 140);
    EXPECT_EQ(draw.rcPortrait[2].right, 140);
    EXPECT_EQ(draw.rcPortrait[2].bottom, 226);

    tabletest::Compose(stage);
    const fs::path png = fs::path(MJ_TEST_OUT_DIR) / "online_avatars_classic.png";
    EXPECT_TRUE(testsupport::WritePng(*lpDDSPla, png.string()));

    table.avatarDownloads.Stop();
    server.Stop();
    table.netgame = 0;
    Lobby.ListView1.Clear();
    for (int s = 0; s < 4; ++s) {
        table.Player[s].occupied = 0;
        draw.LoadSeatAvatar(s, table.Player[s].avatar + 1);
    }
}

}  // namespace
