// Presenting a finished frame: the 800 × 600 composition surface copied into the window's own
// frame, as the window host does for every frame the table makes.  Compare it with the block
// copy of the same run.
#include <benchmark/benchmark.h>

#include <cstring>
#include <filesystem>
#include <random>
#include <vector>

#include "graphics/GraphicsGlobals.h"
#include "graphics/MjDraw.h"
#include "platform/Path.h"
#include "platform/Presenter.h"

namespace {

constexpr int kW = 800;
constexpr int kH = 600;

// The window's frame: rows copied in as they come, no repaint.
class WindowFrame : public platform::Presenter {
public:
    void Present(const std::uint16_t* pixels, int width, int height, int pitchBytes) override {
        if (!platform::IsPresentableFrame(pixels, width, height, pitchBytes)) return;
        const auto* row = reinterpret_cast<const unsigned char*>(pixels);
        for (int y = 0; y < height && y < kH; ++y, row += pitchBytes)
            std::memcpy(&frame_[static_cast<std::size_t>(y) * kW], row, std::min(width, kW) * 2u);
    }
    const std::uint16_t* Pixels() const { return frame_.data(); }

private:
    std::vector<std::uint16_t> frame_ = std::vector<std::uint16_t>(kW * kH);
};

platform::Surface Table() {
    platform::Surface s(kW, kH);
    std::mt19937 random(1982);
    for (int y = 0; y < kH; ++y)
        for (int x = 0; x < kW; ++x) s.Row(y)[x] = static_cast<std::uint16_t>(random());
    return s;
}

void BM_PresentFrame(benchmark::State& state) {
    // The renderer writes its style into the program folder when it goes.
    const auto folder = std::filesystem::temp_directory_path() / "mj_frame_bench";
    std::filesystem::create_directories(folder);
    platform::SetProgramFolder(folder.string());
    platform::Surface frame = Table();
    lpDDSPla = &frame;
    WindowFrame window;
    platform::InstallPresenter(&window);
    {
        CMjDraw draw;
        for (auto _ : state) {
            draw.DrawFullScreen();
            benchmark::DoNotOptimize(window.Pixels());
            benchmark::ClobberMemory();
        }
    }
    platform::InstallPresenter(nullptr);
    lpDDSPla = nullptr;
    state.SetItemsProcessed(state.iterations() * kW * kH);
}

// The least a copy of the frame can cost: one block copy of its 960,000 bytes.
void BM_MemcpyFullFrame(benchmark::State& state) {
    const platform::Surface src = Table();
    std::vector<std::uint16_t> dst(kW * kH);
    for (auto _ : state) {
        std::memcpy(dst.data(), src.Pixels(), dst.size() * 2);
        benchmark::DoNotOptimize(dst.data());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * kW * kH);
}

}  // namespace

BENCHMARK(BM_PresentFrame)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MemcpyFullFrame)->Unit(benchmark::kMicrosecond);
