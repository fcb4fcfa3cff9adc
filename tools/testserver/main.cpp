// The loopback game server as a program.  It prints the ports it listens on as
// "game=<port> reg=<port> http=<port>" and serves until it gets SIGINT or SIGTERM.
//
//   mj_testserver [--game-port N] [--reg-port N] [--http-port N] [--accounts FILE]
//                 [--pictures DIR] [--male-picture FILE] [--female-picture FILE]
//                 [--idle-timeout-ms N]
//                 [--reg-reply N] [--reg-creates 0|1] [--hostile ID] [--transcript FILE]
//                 [--seat-on-login 0|1] [--seed N] [--rules official|wild] [--fixed-wall FILE]
//                 [--robot-think-ms N] [--answer-timeout-ms N]
//   mj_testserver --list-hostile            the hostile cases, one a line
//   mj_testserver --write-accounts FILE     the default accounts as an account file
//   mj_testserver --write-fuzz-seeds DIR    each hostile case's bytes as a fuzz seed
//   mj_testserver --write-nettable-seeds DIR  the table cases as the online table target's seeds
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "tools/testserver/FuzzSeeds.h"
#include "tools/testserver/TestServer.h"

namespace {

int Usage() {
    std::fprintf(stderr,
                 "usage: mj_testserver [--game-port N] [--reg-port N] [--http-port N] "
                 "[--accounts FILE] [--pictures DIR] [--male-picture FILE] [--female-picture FILE] "
                 "[--idle-timeout-ms N] [--reg-reply N] [--reg-creates 0|1] [--hostile ID] "
                 "[--transcript FILE] [--seat-on-login 0|1] [--seed N] [--rules official|wild] "
                 "[--fixed-wall FILE] [--robot-think-ms N] [--answer-timeout-ms N] | --list-hostile | --write-accounts FILE | "
                 "--write-fuzz-seeds DIR | --write-nettable-seeds DIR\n");
    return 2;
}

// "official": minimum 8 without the wild tile; "wild": minimum 0 with it.
void SetRules(const std::string& family, testserver::TableOptions* table) {
    table->wild = family == "wild";
    table->minFan = table->wild ? 0 : 8;
}

int ListHostile() {
    for (const testserver::HostileCase& c : testserver::HostileCases())
        std::printf("%s\t%s\t%s\t%s\n", c.id, testserver::WhenName(c.when),
                    testserver::OutcomeName(c.expected), c.what);
    return 0;
}

int WriteAccounts(const char* path) {
    std::ofstream out(path, std::ios::binary);
    out << testserver::FormatAccounts(testserver::DefaultAccounts());
    return out ? 0 : 1;
}

int Serve(const testserver::ServerOptions& options) {
    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, SIGINT);
    sigaddset(&signals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &signals, nullptr);  // the server's thread inherits the mask

    testserver::TestServer server(options);
    std::string error;
    if (!server.Start(&error)) {
        std::fprintf(stderr, "mj_testserver: %s\n", error.c_str());
        return 1;
    }
    std::printf("game=%u reg=%u http=%u\n", server.GamePort(), server.RegPort(), server.HttpPort());
    std::fflush(stdout);
    int received = 0;
    sigwait(&signals, &received);
    server.Stop();
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    testserver::ServerOptions options;
    for (int i = 1; i < argc; i++) {
        const std::string arg = argv[i];
        const char* value = i + 1 < argc ? argv[i + 1] : nullptr;
        if (arg == "--list-hostile") return ListHostile();
        if (!value) return Usage();
        i++;
        if (arg == "--game-port")
            options.gamePort = static_cast<std::uint16_t>(std::atoi(value));
        else if (arg == "--reg-port")
            options.regPort = static_cast<std::uint16_t>(std::atoi(value));
        else if (arg == "--http-port")
            options.httpPort = static_cast<std::uint16_t>(std::atoi(value));
        else if (arg == "--accounts")
            options.accountFile = value;
        else if (arg == "--pictures")
            options.pictureFolder = value;
        else if (arg == "--male-picture")
            options.malePicture = value;
        else if (arg == "--female-picture")
            options.femalePicture = value;
        else if (arg == "--idle-timeout-ms")
            options.idleTimeoutMs = std::atoi(value);
        else if (arg == "--reg-reply")
            options.regReply = std::atoi(value);
        else if (arg == "--reg-creates")
            options.regCreatesAccount = std::atoi(value) != 0;
        else if (arg == "--hostile")
            options.hostileCase = value;
        else if (arg == "--transcript")
            options.transcriptFile = value;
        else if (arg == "--seat-on-login")
            options.seatOnLogin = std::atoi(value) != 0;
        else if (arg == "--seed")
            options.table.seed = static_cast<unsigned>(std::atoi(value));
        else if (arg == "--rules")
            SetRules(value, &options.table);
        else if (arg == "--fixed-wall")
            options.table.fixedWall = testserver::ReadWallFile(value);
        else if (arg == "--robot-think-ms")
            options.table.robotThinkMs = std::atoi(value);
        else if (arg == "--answer-timeout-ms")
            options.table.answerTimeoutMs = std::atoi(value);
        else if (arg == "--write-accounts")
            return WriteAccounts(value);
        else if (arg == "--write-fuzz-seeds")
            return testserver::WriteFuzzSeeds(testserver::RecordReaderSeeds(), value) ? 0 : 1;
        else if (arg == "--write-nettable-seeds")
            return testserver::WriteFuzzSeeds(testserver::NetTableSeeds(), value) ? 0 : 1;
        else
            return Usage();
    }
    return Serve(options);
}
