// Two real clients, each a process of its own with its own copy of the program folder and its
// own configuration folder (XDG_CONFIG_HOME, where the single-instance lock lives), against the
// test server: both log in and see each other, chat in the room, talk privately, one sits down
// and invites the other, who accepts; a refused room entry goes through the room list window
// and a refused seat comes back as SC_BACK_TO_ROOM.
#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>

#include <filesystem>
#include <string>

#include "online/GameMsgServer.h"
#include "platform/qt/QtGbk.h"
#include "tests/online/OnlineTestSupport.h"
#include "tools/testserver/TestServer.h"

using namespace onlinetest;

namespace {

namespace fs = std::filesystem;

// A program folder of the client's own whose server directory names the test server.
fs::path ClientFolder(const char* name, std::uint16_t port) {
    const fs::path root = testsupport::FreshProgramFolder((std::string("online/two_clients/") + name).c_str());
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(MJ_GAME_DIR, ec)) {
        const std::string file = entry.path().filename().string();
        if (file == "SET.ini" || file == "Save" || file == "Avatar" || file == "Dirconfig.ini") continue;
        if (file == "Network.cfg")
            fs::copy_file(entry.path(), root / file, ec);
        else
            fs::create_symlink(entry.path(), root / file, ec);
    }
    WriteFile(root / "Dirconfig.ini", "[Public]\r\nServerNum=1\r\n[DIRSERVER0]\r\nname=本机\r\nhost=127.0.0.1\r\nport=" +
                                          std::to_string(port) + "\r\n");
    fs::create_directories(root / "config");
    return root;
}

class Client {
public:
    Client(const fs::path& folder, const QString& user, const QString& password, QStringList steps) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_CONFIG_HOME", QString::fromStdString((folder / "config").string()));
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("SDL_AUDIODRIVER", "dummy");
        if (env.contains("LSAN_OPTIONS")) env.insert("LSAN_OPTIONS", MJ_WIDGETS_LSAN_OPTIONS);
        process.setProcessEnvironment(env);
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.start(MJ_LOBBY_CLIENT_PROGRAM,
                      QStringList{QString::fromStdString(folder.string()), user, password} + steps);
    }
    // Waits for the end; the client's whole output.
    QString Finish() {
        process.waitForFinished(120000);
        return QString::fromUtf8(process.readAll());
    }
    QProcess process;
};

// The program's texts are GBK; a process's arguments are UTF-8.
QStringList Args(std::initializer_list<const char*> gbk) {
    QStringList list;
    for (const char* text : gbk) list << platform::FromGbk(text);
    return list;
}

bool ServerSent(const testserver::TestServer& server, int type) {
    for (const auto& e : server.TranscriptEntries())
        if (!e.fromClient && !e.signUp && e.type == type) return true;
    return false;
}

}  // namespace

TEST(TwoClients, MeetInTheLobbyChatTalkInviteAndSitAtOneTable) {
    testserver::ServerOptions options;
    options.keepTranscript = true;
    testserver::TestServer server(options);
    ASSERT_TRUE(server.Start());
    const fs::path a = ClientFolder("a", server.GamePort());
    const fs::path b = ClientFolder("b", server.GamePort());
    Client first(a, "tester", "secret",
                 Args({"login", "room", "see:玩家甲", "chat:大家好", "heard:玩家甲说: 你好",
                  "talk:玩家甲:私聊一下", "sit:5:0", "seated:5:0:tester", "talked:玩家甲:准备好了",
                  "invite:玩家甲", "seated:5:1:玩家甲", "talk:玩家甲:坐好了", "rawsit:5:2", "back",
                       "quit"}));
    Client second(b, platform::FromGbk("玩家甲"), "1234",
                  Args({"login", "room", "see:tester", "heard:tester说: 大家好", "chat:你好",
                   "talked:tester:私聊一下", "enter:2", "inroom:0", "talk:tester:准备好了",
                   "invited", "accept", "seated:5:1:玩家甲", "talked:tester:坐好了", "quit"}));
    const QString outA = first.Finish();
    const QString outB = second.Finish();
    EXPECT_EQ(first.process.exitCode(), 0) << outA.toStdString();
    EXPECT_EQ(second.process.exitCode(), 0) << outB.toStdString();
    EXPECT_TRUE(outA.contains("ok back")) << outA.toStdString() << outB.toStdString();
    EXPECT_TRUE(outB.contains("ok seated:5:1")) << outB.toStdString();
    EXPECT_TRUE(ServerSent(server, SC_INVITE));
    EXPECT_TRUE(ServerSent(server, SC_BACK_TO_ROOM));
    EXPECT_TRUE(ServerSent(server, SC_ENTER_TABLE));
    // Each client held the single-instance lock in its own configuration folder.
    for (const fs::path& folder : {a, b}) {
        bool lock = false;
        for (const auto& entry : fs::recursive_directory_iterator(folder / "config"))
            lock |= entry.path().filename().string().find("qelu") != std::string::npos;
        EXPECT_TRUE(lock) << folder;
    }
}
