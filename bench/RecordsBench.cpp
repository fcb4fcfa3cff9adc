// Speed of the client's record handling under a busy server: the real program's main window
// (its table, lobby and Qt panes on the offscreen screen) logged in on a scripted socket, in a
// room of 5,000 users, fed records the way a socket read hands them over (a read of up to
// 50,000 bytes at a time, then the event loop runs once).  Each benchmark is one kind of
// record; its items per second are records per second of the CPU time (the machine is
// shared), the real time shown beside it.
#include <benchmark/benchmark.h>

#include <QApplication>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "online/GameMsgServer.h"
#include "online/Lobby.h"
#include "online/LobbyRecords.h"
#include "online/RecordFramer.h"
#include "online/TableInfo.h"
#include "platform/Path.h"
#include "platform/testing/DesktopRecorder.h"
#include "platform/testing/MessageBoxRecorder.h"
#include "platform/testing/RecordingSoundSystem.h"
#include "platform/testing/ScopedService.h"
#include "platform/testing/ScriptedSocket.h"
#include "platform/testing/VirtualClock.h"
#include "shell/MainForm.h"
#include "shell/Modal.h"
#include "shell/ShellForms.h"

namespace {

namespace fs = std::filesystem;

constexpr int kRoomUsers = 5000;
constexpr int kChatLines = 20000;
constexpr int kRecordsPerRead = RecordFramer::kWorkBytes / kGameMsgSize;

std::string Bytes(const GameMsg& msg) { return std::string(msg.begin(), msg.end()); }

std::string UserName(int i) { return "user" + std::to_string(i); }

ScUserInfo User(int i, int op) {
    ScUserInfo u;
    u.op = op;
    u.name = UserName(i);
    u.score = 1000 + (i * 37) % 2000;
    u.male = i % 2 == 0;
    u.games = i % 300;
    u.wins = i % 100;
    u.kind = i % 97 == 0 ? 2 : 0;
    u.picture = 1 + i % 12;
    return u;
}

// A program folder of links to the built program's files, without settings or saves, and a
// configuration folder of its own.
fs::path BenchFolder() {
    const fs::path root = fs::temp_directory_path() / "mj_records_bench";
    fs::remove_all(root);
    fs::create_directories(root / "config");
    for (const fs::directory_entry& entry : fs::directory_iterator(MJ_GAME_DIR)) {
        const std::string name = entry.path().filename().string();
        if (name == "SET.ini" || name == "Save" || name == "Avatar") continue;
        fs::create_symlink(entry.path(), root / name);
    }
    setenv("XDG_CONFIG_HOME", (root / "config").c_str(), 1);
    platform::SetProgramFolder(root.string());
    return root;
}

// The program logged in and sitting in a full room, for the whole run.
class BusyRoom {
public:
    static BusyRoom& Get() {
        if (!room_) room_.reset(new BusyRoom);
        return *room_;
    }
    // Before the Qt application ends.
    static void End() { room_.reset(); }

    // Feeds the records as socket reads of at most kRecordsPerRead records, the event loop
    // running after each read.
    void Feed(const std::vector<GameMsg>& records) {
        for (std::size_t at = 0; at < records.size(); at += kRecordsPerRead) {
            std::string bytes;
            const std::size_t end = std::min(records.size(), at + kRecordsPerRead);
            for (std::size_t i = at; i < end; i++) bytes += Bytes(records[i]);
            if (!Game().Feed(bytes)) {
                std::fprintf(stderr, "the connection closed\n");
                std::exit(1);
            }
            QCoreApplication::processEvents();
        }
        Game().TakeSent();
    }

    // The client lists the first users of a room only (the room's others change nothing
    // there): the i-th listed user other than oneself, the oldest first.
    int ListedUser(std::size_t i) const { return listed_[i % listed_.size()]; }
    // The records of the oldest listed user leaving and a new user coming.
    void ComeAndGo(std::vector<GameMsg>& records) {
        records.push_back(Encode(User(listed_.front(), ScUserInfo::kRemove)));
        listed_.pop_front();
        records.push_back(Encode(User(nextUser_, ScUserInfo::kAdd)));
        listed_.push_back(nextUser_++);
    }

private:
    BusyRoom() {
        InstallModalHook([](QDialog&) { return 1; });
        BenchFolder();
        forms_ = std::make_unique<ShellForms>(
            std::vector<std::string>{kNetworkArgument, "me", "pw", "127.0.0.1"},
            QRect(0, 0, 1024, 768));
        QCoreApplication::processEvents();
        if (forms_->EndRequested() || factory_.Count() == 0) {
            std::fprintf(stderr, "the program did not start its connection\n");
            std::exit(1);
        }
        Game().AcceptConnection();
        std::vector<GameMsg> login = {Encode(ScLoginSuccess{}),
                                      Encode(ScRoomListBegin{4, "服务器"})};
        for (int r = 0; r < 4; r++) login.push_back(Encode(ScRoomAdd{r, "房间" + std::to_string(r)}));
        login.push_back(Encode(ScRoomListEnd{}));
        ScRoomInfo follow;
        follow.contentsFollow = true;
        login.push_back(Encode(follow));
        ScUserInfo me = User(0, ScUserInfo::kAdd);
        me.name = "me";
        login.push_back(Encode(me));
        Feed(login);
        std::vector<GameMsg> users;
        for (; nextUser_ < kRoomUsers; nextUser_++) {
            users.push_back(Encode(User(nextUser_, ScUserInfo::kAdd)));
            if (nextUser_ < kMaxListedUsers) listed_.push_back(nextUser_);
        }
        ScRoomInfo entered;
        entered.entered = true;
        users.push_back(Encode(entered));
        Feed(users);
    }

    platform::testing::ScriptedSocket& Game() { return factory_.Socket(0); }

    platform::testing::ScriptedSocketFactory factory_;
    platform::testing::ScopedSocketFactory factoryInstalled_{&factory_};
    platform::testing::MessageBoxRecorder boxes_;
    platform::testing::ScopedMessageBoxes boxesInstalled_{&boxes_};
    platform::testing::DesktopRecorder desktop_;
    platform::testing::ScopedDesktop desktopInstalled_{&desktop_};
    platform::testing::RecordingSoundSystem sound_;
    platform::testing::ScopedSoundSystem soundInstalled_{&sound_};
    // The table's pauses (the dice's frames) pass on a virtual clock: the benchmark measures
    // the work, not the waiting.
    platform::testing::VirtualClock pauses_;
    platform::testing::ScopedSleepService pausesInstalled_{&pauses_};
    std::unique_ptr<ShellForms> forms_;
    int nextUser_ = 1;
    std::deque<int> listed_;
    static std::unique_ptr<BusyRoom> room_;
};

std::unique_ptr<BusyRoom> BusyRoom::room_;

void Run(benchmark::State& state, const std::vector<GameMsg>& records) {
    BusyRoom& room = BusyRoom::Get();
    for (auto _ : state) room.Feed(records);
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(records.size()));
}

// Users already listed: their scores and seats change.
void UserUpdates(benchmark::State& state) {
    std::vector<GameMsg> records;
    for (int i = 0; i < 2000; i++) {
        ScUserInfo u = User(BusyRoom::Get().ListedUser(i * 2477), ScUserInfo::kUpdate);
        u.score += i;
        u.atTable = i % 3 == 0;
        u.table = 1 + i % 100;
        records.push_back(Encode(u));
    }
    Run(state, records);
}

// Users come and go: one leaves, a new one enters, so the room stays at its size.
void UsersComingAndGoing(benchmark::State& state) {
    BusyRoom& room = BusyRoom::Get();
    for (auto _ : state) {
        state.PauseTiming();
        std::vector<GameMsg> records;
        for (int i = 0; i < 1000; i++) room.ComeAndGo(records);
        state.ResumeTiming();
        room.Feed(records);
    }
    if (!Lobby.ListView1.Find(UserName(room.ListedUser(kMaxListedUsers - 2))))
        state.SkipWithError("the newest user is not listed");
    state.SetItemsProcessed(state.iterations() * 2000);
}

// The room's tables as players sit down, press start and play.
void TableInfos(benchmark::State& state) {
    std::vector<GameMsg> records;
    for (int i = 0; i < 2000; i++) {
        ScTableInfo t;
        t.table = i % kLobbyTables;
        TableInfo info{};
        for (int s = 0; s < 4; s++) {
            const std::string name = UserName(BusyRoom::Get().ListedUser(i * 4 + s));
            std::copy(name.begin(), name.end(), info.name[s]);
            info.state[s] = 1;
            info.ready[s] = (i + s) % 2;
        }
        info.ingame = i % 5 == 0;
        std::memcpy(t.info, &info, sizeof info);
        records.push_back(Encode(t));
    }
    Run(state, records);
}

// The room's chat, 20,000 lines a run.
void RoomChat(benchmark::State& state) {
    std::vector<GameMsg> records;
    for (int i = 0; i < kChatLines; i++) {
        ScRoomChat chat;
        chat.red = i % 10 == 0;
        chat.text = "[" + UserName(i % kRoomUsers) + "]说: 大家好，很高兴见到各位！第" +
                    std::to_string(i) + "句";
        records.push_back(Encode(chat));
    }
    Run(state, records);
}

// A whole hand at the table: seated with three others, the dice, the deal, every seat's draws
// and discards until the wall is spent, the hands shown and the hand drawn.
void WholeHands(benchmark::State& state) {
    constexpr int kWall = 136;
    const auto tile = [](int i) { return static_cast<std::uint8_t>(i * 37 % kWall); };
    std::vector<GameMsg> records;
    ScEnterTable enter;
    enter.variant = 1;
    enter.minFan = 8;
    records.push_back(Encode(enter));
    ScTableUserInfo seats;
    for (int s = 0; s < 4; s++) {
        seats.seats[s].status = 1;
        seats.seats[s].score = 1000;
        seats.seats[s].name = s == 0 ? "me" : UserName(s);
        seats.pictures[s] = s + 1;
    }
    records.push_back(Encode(seats));
    ScDice dice;
    dice.wind = 1;
    for (int& d : dice.dice) d = 3;
    records.push_back(Encode(dice));
    ScDeal deal;
    deal.count = 13;
    for (int i = 0; i < 13; i++) deal.hand[i] = tile(i);
    records.push_back(Encode(deal));
    for (int drawn = 13 * 4; drawn < kWall; drawn++) {
        const int seat = drawn % 4;
        records.push_back(Encode(ScOtherDraw{seat}));
        if (seat == 0) {
            records.push_back(Encode(ScDrawTile{tile(drawn)}));
            records.push_back(Encode(ScYourTurn{}));
        }
        ScDiscard discard;
        discard.seat = seat;
        discard.tile = tile(drawn);
        records.push_back(Encode(discard));
    }
    ScHandEnd reveal;
    for (int s = 0; s < 4; s++) {
        reveal.reveal[s].count = 13;
        for (int i = 0; i < 13; i++) reveal.reveal[s].tiles[i] = tile(s * 13 + i);
    }
    records.push_back(Encode(reveal));
    ScHandEnd result;
    result.kind = ScHandEnd::kResult;
    records.push_back(Encode(result));
    Run(state, records);
}

}  // namespace

BENCHMARK(UserUpdates)->Unit(benchmark::kMillisecond);
BENCHMARK(UsersComingAndGoing)->Unit(benchmark::kMillisecond);
BENCHMARK(TableInfos)->Unit(benchmark::kMillisecond);
BENCHMARK(RoomChat)->Unit(benchmark::kMillisecond);
// Last: the client stays at the table.
BENCHMARK(WholeHands)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" MJ_SCREEN_CONFIG);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    BusyRoom::End();
    benchmark::Shutdown();
    return 0;
}
