// The client against a test server over real sockets on 127.0.0.1: the table (headless, or
// with a presentation of the test's), its dialogs and the link on Qt's sockets, in a program
// folder of its own whose Dirconfig.ini and Network.cfg name the server's ports.  The server's
// tables run on a virtual clock: robots' pauses and answer time-outs pass only as the test
// paces them; it keeps its transcript for the test to read.
#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "platform/net/QtSocketFactory.h"
#include "platform/testing/VirtualClock.h"
#include "tests/online/OnlineTestSupport.h"
#include "tools/testserver/TestServer.h"

namespace onlinetest {

class ServerBench {
public:
    using Folder = std::function<void(const std::filesystem::path&)>;

    explicit ServerBench(testserver::ServerOptions options = {}, TablePresentation* presentation = nullptr,
                         const Folder& prepareFolder = {})
        : server(BenchOptions(options, tableClock)), installed_(&factory_) {
        std::string error;
        started = server.Start(&error);
        EXPECT_TRUE(started) << error;
        bench = std::make_unique<OnlineBench>(
            [&](const std::filesystem::path& folder) {
                const std::string port = std::to_string(server.GamePort());
                WriteFile(folder / "Dirconfig.ini",
                          "[Public]\r\nServerNum=1\r\n[DIRSERVER0]\r\nname=本机\r\nhost=127.0.0.1\r\nport=" +
                              port + "\r\n");
                WriteFile(folder / "Network.cfg", "[loginserver]\r\nname=\r\nip=127.0.0.1\r\nregip=127.0.0.1\r\nregport=" +
                                                      std::to_string(server.RegPort()) + "\r\n");
                if (prepareFolder) prepareFolder(folder);
            },
            presentation);
    }
    ~ServerBench() {
        bench.reset();
        server.Stop();
    }

    // Moves the tables' clock on by `ms` and waits until the server has run what fell due.
    void PaceTables(unsigned ms) {
        server.AdvanceTables([&] { tableClock.Advance(ms); });
    }

    bool Online() const { return bench->table->IsNetGame(); }
    bool AtLogin() const {
        return !Online() && nActiveForm == CLoginForm::kId && !bench->link->ClientSocket1.Active();
    }
    bool SawClientRecord(int type) const {
        for (const auto& e : server.TranscriptEntries())
            if (e.fromClient && !e.signUp && e.type == type) return true;
        return false;
    }

    // Read and moved on the server's thread only.
    platform::testing::VirtualClock tableClock;
    testserver::TestServer server;
    bool started = false;
    std::unique_ptr<OnlineBench> bench;

private:
    // The tables on the bench's clock, the transcript kept.
    static testserver::ServerOptions BenchOptions(testserver::ServerOptions options,
                                                  platform::testing::VirtualClock& clock) {
        options.table.clock = [&clock] { return static_cast<long long>(clock.Now()); };
        options.keepTranscript = true;
        return options;
    }

    platform::QtSocketFactory factory_;
    platform::testing::ScopedSocketFactory installed_;
};

}  // namespace onlinetest
