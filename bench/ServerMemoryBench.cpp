// The loopback test server's resident memory under many connections, measured, not timed: the
// server runs in this process, and the counters are the process's resident set (VmRSS) in MB.
//
//   LoginCycles: 4,000 users in turn log in, enter a room and log off; the resident set after
//   the first cycle and after the last.
//   ConnectionBursts: three bursts of 1,000 connections that log in and stay while one more user
//   logs in and enters a room, then all close; the resident set after the first burst and after
//   the last.
//
// Each fails (SkipWithError) when a login that should be served is not.
#include <benchmark/benchmark.h>
#include <malloc.h>
#include <sys/resource.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "online/GameMsgServer.h"
#include "testsupport/online/RawClient.h"
#include "tools/testserver/TestServer.h"

namespace {

using onlinetest::CodecClient;

constexpr int kCycles = 4000;
constexpr int kBursts = 3;
constexpr int kBurstConnections = 1000;

// The resident set once the allocator has given back the free memory it keeps: what the
// process holds, not what a burst's peak left in the allocator's pools.
double ResidentMb() {
    malloc_trim(0);
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0) return std::stod(line.substr(6)) / 1024.0;
    return 0;
}

// A user logs in and enters the first room; true when both are answered.
bool LogInAndEnter(CodecClient& client, const std::string& name = "tester",
                   const std::string& password = "secret") {
    client.LogIn(name, password);
    if (!client.Expect(SC_LOGIN_SUCCESS) || !client.Expect(SC_ROOM_LIST_END)) return false;
    client.Send(Encode(CsEnterRoom{0}));
    for (;;) {
        const auto info = client.Expect(SC_ROOM_INFO);
        if (!info) return false;
        ScRoomInfo room;
        Decode(info->data(), &room);
        if (!room.contentsFollow) return room.entered;
    }
}

// Until the server has closed every connection and finished the loop that closed them (the
// rooms' broadcasts of the leaving users, the connections' buffers freed).
bool WaitUntilAllClosed(testserver::TestServer& server) {
    for (int i = 0; i < 3000; i++) {
        if (server.OpenConnections() == 0) {
            server.WithRooms([](testserver::Rooms*) {});
            return true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
}

std::string CrowdName(int i) { return "crowd" + std::to_string(i); }

// The default accounts and the crowd's, one account each.
std::string CrowdAccountFile() {
    std::vector<testserver::Account> accounts = testserver::DefaultAccounts();
    for (int i = 0; i < kBurstConnections; i++) {
        testserver::Account a;
        a.name = CrowdName(i);
        a.password = "crowd";
        a.userId = 20000 + i;
        accounts.push_back(a);
    }
    const std::string path = (std::filesystem::temp_directory_path() / "mj_server_bench_accounts.txt").string();
    std::ofstream(path, std::ios::binary) << testserver::FormatAccounts(accounts);
    return path;
}

std::unique_ptr<testserver::TestServer> StartedServer(benchmark::State& state) {
    testserver::ServerOptions options;
    options.accountFile = CrowdAccountFile();
    auto server = std::make_unique<testserver::TestServer>(options);
    std::string error;
    if (!server->Start(&error)) {
        state.SkipWithError(("the server does not start: " + error).c_str());
        return nullptr;
    }
    return server;
}

void Report(benchmark::State& state, double first, double last) {
    state.counters["rss_first_mb"] = first;
    state.counters["rss_last_mb"] = last;
    state.counters["growth_mb"] = last - first;
}

void LoginCycles(benchmark::State& state) {
    for (auto _ : state) {
        auto server = StartedServer(state);
        if (!server) return;
        double first = 0;
        for (int cycle = 0; cycle < kCycles; cycle++) {
            {
                CodecClient client(server->GamePort());
                if (!LogInAndEnter(client)) {
                    state.SkipWithError(("login " + std::to_string(cycle) + " not served").c_str());
                    return;
                }
                client.Send(Encode(CsLogoff{}));
            }
            if (!WaitUntilAllClosed(*server)) {
                state.SkipWithError("a logged-off connection stays open");
                return;
            }
            if (cycle == 0) first = ResidentMb();
        }
        Report(state, first, ResidentMb());
    }
}

// Each connection of a burst logs in as a user of its own and enters the first room, where
// every later entry is announced to it.
void ConnectionBursts(benchmark::State& state) {
    rlimit files{};
    getrlimit(RLIMIT_NOFILE, &files);
    files.rlim_cur = files.rlim_max;
    setrlimit(RLIMIT_NOFILE, &files);
    for (auto _ : state) {
        auto server = StartedServer(state);
        if (!server) return;
        double first = 0;
        for (int burst = 0; burst < kBursts; burst++) {
            {
                std::vector<std::unique_ptr<CodecClient>> crowd;
                for (int i = 0; i < kBurstConnections; i++) {
                    crowd.push_back(std::make_unique<CodecClient>(server->GamePort()));
                    if (!LogInAndEnter(*crowd.back(), CrowdName(i), "crowd")) {
                        state.SkipWithError(("crowd login " + std::to_string(i) + " not served").c_str());
                        return;
                    }
                }
                CodecClient user(server->GamePort());
                if (!LogInAndEnter(user)) {
                    state.SkipWithError(("the login during burst " + std::to_string(burst + 1) +
                                         " is not served").c_str());
                    return;
                }
            }
            if (!WaitUntilAllClosed(*server)) {
                state.SkipWithError("the burst's connections stay open");
                return;
            }
            if (burst == 0) first = ResidentMb();
        }
        Report(state, first, ResidentMb());
    }
}

}  // namespace

BENCHMARK(LoginCycles)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(ConnectionBursts)->Iterations(1)->Unit(benchmark::kMillisecond);
