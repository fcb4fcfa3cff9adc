// Composing one whole new-style frame of a table in mid-hand: the room, the four hands, the
// walls and the desk, the plates, the marks, the buttons and the chat log, drawn from scratch
// as every frame is.  Presenting the finished frame is bench_frame's.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "graphics/GraphicsGlobals.h"
#include "testsupport/graphics/MidHandTable.h"

namespace {

// A program folder that sees the built pictures; the renderer writes its settings there.
std::string ProgramFolder() {
    namespace fs = std::filesystem;
    const fs::path folder = fs::temp_directory_path() / "mj_table_bench";
    fs::remove_all(folder);
    fs::create_directories(folder);
    for (const char* name : {"Graphic", "MjRes"})
        fs::create_directory_symlink(fs::path(MJ_GAME_DIR) / name, folder / name);
    return folder.string();
}

void BM_ComposeMidHandFrame(benchmark::State& state) {
    tabletest::Stage& stage = tabletest::MidHand(ProgramFolder());
    for (auto _ : state) {
        tabletest::Compose(stage);
        benchmark::DoNotOptimize(lpDDSPla->Pixels());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_ComposeMidHandFrame)->Unit(benchmark::kMicrosecond);

}  // namespace
