// The loopback test server on its own: accounts, login and refusal, replacing a connection,
// the idle time-out, the sign-up channel, the transcript, the program, the fuzz seeds.
#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <thread>

#include "online/GameMsgClient.h"
#include "online/GameMsgServer.h"
#include "online/RegRequest.h"
#include "tests/support/ScratchFolder.h"
#include "tools/testserver/FuzzSeeds.h"
#include "testsupport/online/RawClient.h"
#include "tools/testserver/TestServer.h"

using namespace testserver;
using onlinetest::CodecClient;
using onlinetest::RawClient;

namespace {

std::string Bytes(const GameMsg& msg) { return std::string(msg.begin(), msg.end()); }

std::string LoginRecord(const std::string& name, const std::string& password) {
    CsLogin login;
    login.name = name;
    login.password = password;
    return Bytes(Encode(login));
}

// Signs a man up with the password "pw1234"; the sign-up channel's answer byte.
int SignUp(TestServer& server, const std::string& name) {
    RawClient client(server.RegPort());
    const RegRequestBytes bytes = EncodeRegRequest(RegRequest{name, "pw1234", "a@b.c", true, "", ""});
    client.Send(std::string(bytes.begin(), bytes.end()));
    const std::string reply = client.Receive(2, 1000);
    return reply.size() == 1 ? static_cast<unsigned char>(reply[0]) : -1;
}

// The user id in the user's own SC_USER_INFO once logged in and in the first room; -1 when
// none came.
std::int32_t UserIdSeenBy(TestServer& server, const std::string& name,
                          const std::string& password = "pw1234") {
    CodecClient client(server.GamePort());
    client.LogIn(name, password);
    if (!client.Expect(SC_ROOM_LIST_END)) return -1;
    client.Send(Encode(CsEnterRoom{0}));
    while (const auto record = client.Expect(SC_USER_INFO)) {
        ScUserInfo info;
        if (Decode(record->data(), &info) && info.name == name) return info.userId;
    }
    return -1;
}

class ServerTest : public ::testing::Test {
protected:
    void StartServer(ServerOptions options = {}) {
        server_ = std::make_unique<TestServer>(options);
        std::string error;
        ASSERT_TRUE(server_->Start(&error)) << error;
    }
    TestServer& Server() { return *server_; }

    std::unique_ptr<TestServer> server_;
};

}  // namespace

TEST(TestServerAccounts, TheAccountFileReadsBackWhatWasWritten) {
    const std::vector<Account> accounts = DefaultAccounts();
    std::vector<Account> back;
    std::string error;
    ASSERT_TRUE(ParseAccounts(FormatAccounts(accounts), &back, &error)) << error;
    ASSERT_EQ(back.size(), accounts.size());
    EXPECT_EQ(back[3].name, "管理员");
    EXPECT_EQ(back[3].kind, 1);
    EXPECT_EQ(back.back().digest, accounts.back().digest);
    EXPECT_EQ(back.back().picturePath, "avatar/1007.gif");
    EXPECT_TRUE(back[0].digest.empty());
}

TEST(TestServerAccounts, ALineThatIsNoAccountIsNamed) {
    std::vector<Account> accounts;
    std::string error;
    EXPECT_TRUE(ParseAccounts("# users\r\n\r\na b 1 0 1 1 0 0 0 0 0 7\r\n", &accounts, &error));
    EXPECT_EQ(accounts.size(), 1u);
    EXPECT_FALSE(ParseAccounts("a b 1 0 1 1 0 0 0 0 0 7\nshort line\n", &accounts, &error));
    EXPECT_EQ(error, "line 2 is not an account");
}

// A line of an older file, which ends after the escapes, loads with the user id 0; the next
// free id is one above the highest in use.
TEST(TestServerAccounts, AnOlderLineWithoutAUserIdLoadsAndNewIdsFollowTheHighest) {
    std::vector<Account> accounts;
    std::string error;
    ASSERT_TRUE(ParseAccounts("old pw 1 0 7 900 5 2 0 0 1\nnew pw 0 0 1 1000 0 0 0 0 0 1200\n",
                              &accounts, &error))
        << error;
    ASSERT_EQ(accounts.size(), 2u);
    EXPECT_EQ(accounts[0].userId, 0);
    EXPECT_EQ(accounts[0].escapes, 1);
    EXPECT_EQ(NextUserId(accounts), 1201);
    EXPECT_EQ(NextUserId({accounts[0]}), 1);
    EXPECT_FALSE(ParseAccounts("bad pw 1 0 7 900 5 2 0 0 1 x\n", &accounts, &error));
}

TEST_F(ServerTest, ListensOnTheLoopbackOnPortsOfItsOwn) {
    StartServer();
    TestServer other;
    ASSERT_TRUE(other.Start());
    EXPECT_NE(Server().GamePort(), 0);
    EXPECT_NE(Server().GamePort(), other.GamePort());
    EXPECT_NE(Server().GamePort(), Server().RegPort());
    RawClient client(Server().GamePort());
    EXPECT_TRUE(client.Connected());
}

TEST_F(ServerTest, LogsAUserInAndWritesBothDirectionsToTheTranscript) {
    const std::filesystem::path transcript = testsupport::ScratchFolder("server") / "transcript.txt";
    ServerOptions options;
    options.transcriptFile = transcript.string();
    options.keepTranscript = true;
    options.rooms.clear();  // the login alone
    StartServer(options);
    RawClient client(Server().GamePort());
    client.Send(LoginRecord("tester", "secret"));
    EXPECT_EQ(client.Receive(kGameMsgSize), Bytes(Encode(ScLoginSuccess{})));
    EXPECT_EQ(Server().OnlineUsers(), std::set<std::string>{"tester"});
    client.Send(Bytes(Encode(CsKeepAlive{})));
    client.Send(Bytes(Encode(CsLogoff{})));
    EXPECT_TRUE(client.ClosedWithin(3000));

    const auto entries = Server().TranscriptEntries();
    ASSERT_EQ(entries.size(), 4u);
    EXPECT_EQ(entries[0].Line().substr(0, 17), "#1 C>S CS_LOGIN(1");
    EXPECT_EQ(entries[1].Line(), "#1 S>C SC_LOGIN_SUCCESS(102) 66");
    EXPECT_EQ(entries[2].Line(), "#1 C>S CS_KEEPALIVE(104) 68");
    EXPECT_TRUE(Server().OnlineUsers().empty());
    std::ifstream file(transcript);
    std::string first;
    std::getline(file, first);
    EXPECT_EQ(first, entries[0].Line());
}

// Unasked, the server keeps no record of what it serves; a transcript file alone takes every
// line as it comes and nothing stays in memory.
TEST_F(ServerTest, OnlyAnAskedForTranscriptKeepsTheRecords) {
    const std::filesystem::path transcript = testsupport::ScratchFolder("server-file") / "transcript.txt";
    for (const std::string& file : {std::string(), transcript.string()}) {
        SCOPED_TRACE(file);
        ServerOptions options;
        options.transcriptFile = file;
        StartServer(options);
        RawClient client(Server().GamePort());
        client.Send(LoginRecord("tester", "secret"));
        EXPECT_EQ(client.Receive(kGameMsgSize)[0], char(SC_LOGIN_SUCCESS));
        client.Send(Bytes(Encode(CsLogoff{})));
        EXPECT_TRUE(client.ClosedWithin(3000));
        EXPECT_TRUE(Server().TranscriptEntries().empty());
    }
    std::ifstream file(transcript);
    int lines = 0;
    for (std::string line; std::getline(file, line);) lines++;
    EXPECT_GT(lines, 3);  // the login, its answer, the room list, the logoff
}

// A table a login seated its person at goes once the person has logged off before its hand
// began: the tables do not grow with the logins.
TEST_F(ServerTest, ALoginsTableGoesWhenItsPersonLogsOffBetweenHands) {
    ServerOptions options;
    options.seatOnLogin = true;
    StartServer(options);
    TableView view;
    int seat = 0;
    {
        onlinetest::CodecClient client(Server().GamePort());
        client.LogIn("tester", "secret");
        ASSERT_TRUE(client.Expect(SC_ENTER_TABLE));
        EXPECT_TRUE(Server().TableViewOf("tester", &view, &seat));
        client.Send(Encode(CsLogoff{}));
    }
    for (int i = 0; i < 100 && Server().OpenConnections() > 0; i++)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    Server().AdvanceTables([] {});
    EXPECT_FALSE(Server().TableViewOf("tester", &view, &seat));
}

TEST_F(ServerTest, ARefusalIsAnsweredAndTheConnectionCloses) {
    StartServer();
    RawClient client(Server().GamePort());
    client.Send(LoginRecord("tester", "wrong"));
    const std::string answer = client.Receive(kGameMsgSize);
    ScLoginFail fail;
    ASSERT_TRUE(Decode(reinterpret_cast<const std::uint8_t*>(answer.data()), &fail));
    EXPECT_EQ(fail.text, "帐号或密码错误");
    EXPECT_TRUE(client.ClosedWithin(3000));
    RawClient unknown(Server().GamePort());
    unknown.Send(LoginRecord("nobody", "secret"));
    EXPECT_EQ(unknown.Receive(kGameMsgSize)[0], char(SC_LOGIN_FAIL));
}

TEST_F(ServerTest, ASecondLoginOfANameReplacesTheFirstConnection) {
    StartServer();
    RawClient first(Server().GamePort());
    first.Send(LoginRecord("玩家甲", "1234"));
    ASSERT_EQ(first.Receive(kGameMsgSize).size(), static_cast<std::size_t>(kGameMsgSize));
    RawClient second(Server().GamePort());
    second.Send(LoginRecord("玩家甲", "1234"));
    ASSERT_EQ(second.Receive(kGameMsgSize)[0], char(SC_LOGIN_SUCCESS));
    EXPECT_TRUE(first.ClosedWithin(3000));
    EXPECT_EQ(Server().OnlineUsers(), std::set<std::string>{"玩家甲"});
}

TEST_F(ServerTest, ASilentConnectionIsClosedAfterTheIdleTimeOut) {
    ServerOptions options;
    options.idleTimeoutMs = 300;
    StartServer(options);
    RawClient talking(Server().GamePort());
    RawClient silent(Server().GamePort());
    for (int i = 0; i < 6; i++) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        talking.Send(Bytes(Encode(CsKeepAlive{})));
    }
    EXPECT_TRUE(silent.ClosedWithin(2000));
    EXPECT_FALSE(talking.ClosedWithin(50));
}

TEST_F(ServerTest, TheSignUpChannelAnswersOneByteAndCreatesTheAccount) {
    StartServer();
    RegRequest request;
    request.name = "新玩家";
    request.password = "pw1234";
    request.male = false;
    RawClient client(Server().RegPort());
    const RegRequestBytes bytes = EncodeRegRequest(request);
    client.Send(std::string(bytes.begin(), bytes.begin() + 100));
    client.Send(std::string(bytes.begin() + 100, bytes.end()));
    EXPECT_EQ(client.Receive(2, 1000), std::string(1, '\x01'));
    EXPECT_TRUE(Server().HasAccount("新玩家"));
    RawClient game(Server().GamePort());
    game.Send(LoginRecord("新玩家", "pw1234"));
    EXPECT_EQ(game.Receive(kGameMsgSize)[0], char(SC_LOGIN_SUCCESS));

    // The same name again is taken, and its password stays.
    request.password = "other1";
    RawClient again(Server().RegPort());
    const RegRequestBytes second = EncodeRegRequest(request);
    again.Send(std::string(second.begin(), second.end()));
    EXPECT_EQ(again.Receive(2, 1000), std::string(1, char(kRegNameTaken)));
    RawClient retry(Server().GamePort());
    retry.Send(LoginRecord("新玩家", "other1"));
    EXPECT_EQ(retry.Receive(kGameMsgSize)[0], char(SC_LOGIN_FAIL));
}

TEST_F(ServerTest, TheSignUpAnswerIsChosenAndNeedNotCreateTheAccount) {
    ServerOptions options;
    options.regReply = kRegClosed;
    StartServer(options);
    RawClient client(Server().RegPort());
    const RegRequestBytes bytes = EncodeRegRequest(RegRequest{"其他人", "pw1234", "a@b.c", true, "", ""});
    client.Send(std::string(bytes.begin(), bytes.end()));
    EXPECT_EQ(client.Receive(2, 1000), std::string(1, char(kRegClosed)));
    EXPECT_FALSE(Server().HasAccount("其他人"));
}

// The sign-up takes the names and passwords a login could use, as the sign-up dialog checks
// them: names of 4 to 12 bytes of whole GBK characters and visible ASCII, passwords of 4 to 12
// bytes; others are refused and create no account.
TEST_F(ServerTest, TheSignUpRefusesNamesAndPasswordsTheLoginCouldNotUse) {
    StartServer();
    const struct {
        std::string name;
        int reply;
        std::string password = "pw1234";
    } cases[] = {
        {"新玩家丙", kRegOk},
        {"短密码", kRegNotCreated, "abc"},
        {"空密码", kRegNotCreated, ""},
        {"四字密码", kRegOk, "abcd"},
        {"长密码", kRegOk, "abcdefghijkl"},
        {"abcd", kRegOk},
        {"abc", kRegNotCreated},
        {"abcdefghijklm", kRegNotCreated},
        {"ab\x01" "cd", kRegForbiddenCharacters},
        {"ab\x7f" "cd", kRegForbiddenCharacters},
        {"ab cd", kRegForbiddenCharacters},
        {"#abcd", kRegForbiddenCharacters},
        {"abcd\x81", kRegForbiddenCharacters},    // a lead byte without its trail
        {"\xff\xff" "abcd", kRegForbiddenCharacters},  // no GBK character
    };
    for (const auto& c : cases) {
        RawClient client(Server().RegPort());
        const RegRequestBytes bytes = EncodeRegRequest(RegRequest{c.name, c.password, "a@b.c", true, "", ""});
        client.Send(std::string(bytes.begin(), bytes.end()));
        EXPECT_EQ(client.Receive(2, 1000), std::string(1, char(c.reply))) << c.name;
        EXPECT_EQ(Server().HasAccount(c.name), c.reply == kRegOk) << c.name;
    }
}

// A new account shows the first picture of its sex: 7 to 12 are men, 1 to 6 women.
TEST_F(ServerTest, ASignedUpAccountHasTheDefaultPictureOfItsSex) {
    StartServer();
    const struct {
        const char* name;
        bool male;
        int picture;
    } cases[] = {{"男玩家", true, 7}, {"女玩家", false, 1}};
    for (const auto& c : cases) {
        RawClient client(Server().RegPort());
        const RegRequestBytes bytes = EncodeRegRequest(RegRequest{c.name, "pw1234", "a@b.c", c.male, "", ""});
        client.Send(std::string(bytes.begin(), bytes.end()));
        EXPECT_EQ(client.Receive(2, 1000), std::string(1, char(kRegOk))) << c.name;
        EXPECT_EQ(Server().PictureOf(c.name), c.picture) << c.name;
    }
}

// Each new account takes its own user id, above the stock accounts' ids, and the account file
// keeps it: after a restart on the same file each signs in with the id it was given.  The file
// ends without a newline, as a hand-edited one may.
TEST_F(ServerTest, SignedUpAccountsTakeTheNextFreeUserIdsAndKeepThemOverARestart) {
    const std::filesystem::path file = testsupport::ScratchFolder("server-ids") / "accounts.txt";
    const std::vector<Account> stock = DefaultAccounts();
    std::string text = FormatAccounts(stock);
    text.pop_back();
    std::ofstream(file, std::ios::binary) << text;
    ServerOptions options;
    options.accountFile = file.string();
    StartServer(options);
    const char* const kNames[] = {"新玩家甲", "新玩家乙"};
    for (const char* name : kNames) EXPECT_EQ(SignUp(Server(), name), kRegOk) << name;
    server_.reset();
    StartServer(options);
    std::set<std::int32_t> ids;
    for (const Account& a : stock) ids.insert(a.userId);
    for (const char* name : kNames) {
        const std::int32_t id = UserIdSeenBy(Server(), name);
        EXPECT_NE(id, 0) << name;
        EXPECT_TRUE(ids.insert(id).second) << name << " has a used id " << id;
    }
    EXPECT_EQ(UserIdSeenBy(Server(), "tester", "secret"), stock[0].userId);
}

TEST_F(ServerTest, AHostileCasePlaysItsBytes) {
    ServerOptions options;
    options.hostileCase = "login-one-byte-per-read";
    StartServer(options);
    RawClient client(Server().GamePort());
    client.Send(LoginRecord("tester", "secret"));
    EXPECT_EQ(client.Receive(kGameMsgSize), Bytes(Encode(ScLoginSuccess{})));
    ServerOptions unknown;
    unknown.hostileCase = "no-such-case";
    TestServer bad(unknown);
    std::string error;
    EXPECT_FALSE(bad.Start(&error));
    EXPECT_EQ(error, "no hostile case no-such-case");
}

TEST(TestServerProgram, PrintsItsPortsServesAndEndsOnSigterm) {
    int out[2];
    ASSERT_EQ(pipe(out), 0);
    const pid_t child = fork();
    if (child == 0) {
        dup2(out[1], STDOUT_FILENO);
        execl(MJ_TESTSERVER_PROGRAM, MJ_TESTSERVER_PROGRAM, "--idle-timeout-ms", "5000", nullptr);
        _exit(127);
    }
    close(out[1]);
    std::string line;
    char c;
    while (read(out[0], &c, 1) == 1 && c != '\n') line += c;
    close(out[0]);
    unsigned game = 0, reg = 0;
    ASSERT_EQ(std::sscanf(line.c_str(), "game=%u reg=%u", &game, &reg), 2) << line;
    {
        RawClient client(static_cast<std::uint16_t>(game));
        client.Send(LoginRecord("tester", "secret"));
        EXPECT_EQ(client.Receive(kGameMsgSize)[0], char(SC_LOGIN_SUCCESS));
    }
    kill(child, SIGTERM);
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

// The record reader's fuzz corpus holds the hostile cases as the table has them.
TEST(TestServerHostileCases, TheFuzzSeedsAreTheTablesBytes) {
    const std::pair<const char*, std::vector<FuzzSeed>> corpora[] = {
        {"fuzz_records", RecordReaderSeeds()}, {"fuzz_nettable", NetTableSeeds()}};
    for (const auto& [target, seeds] : corpora) {
        for (const FuzzSeed& seed : seeds) {
            std::ifstream in(std::string(MJ_FUZZ_CORPUS_DIR) + "/" + target + "/" + seed.name, std::ios::binary);
            ASSERT_TRUE(in) << seed.name << ": run mj_testserver --write-fuzz-seeds fuzz/corpus/fuzz_records "
                                            "and --write-nettable-seeds fuzz/corpus/fuzz_nettable";
            const std::string bytes((std::istreambuf_iterator<char>(in)), {});
            EXPECT_EQ(bytes, seed.bytes) << seed.name;
        }
    }
}

TEST(TestServerHostileCases, EveryCaseHasAnIdOnceAndBytesWhenItSaysSomething) {
    std::set<std::string> ids;
    for (const HostileCase& c : HostileCases()) {
        EXPECT_TRUE(ids.insert(c.id).second) << c.id;
        EXPECT_EQ(FindHostileCase(c.id), &c);
        if (c.expected != HostileOutcome::kTimedOut && c.when != HostileWhen::kForSignUp) {
            EXPECT_FALSE(c.bytes().empty()) << c.id;
        }
    }
}
