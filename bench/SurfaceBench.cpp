// Copies of a whole 800 × 600 frame: the opaque copy of the table background, the keyed copy
// every sprite goes through, and a keyed stretch.  Compare the keyed figures with the opaque
// one of the same run.
#include <benchmark/benchmark.h>

#include "bench/BenchPicture.h"
#include "platform/Blit.h"

using namespace platform;

namespace {

constexpr int kW = 800;
constexpr int kH = 600;
constexpr std::uint16_t kKey = 0xF81F;

Surface Picture() { return NoisyPicture(kW, kH, kKey); }

void Run(benchmark::State& state, unsigned flags) {
    const Surface src = Picture();
    Surface dst(kW, kH);
    for (auto _ : state) {
        BltFast(&dst, 0, 0, &src, nullptr, flags);
        benchmark::DoNotOptimize(dst.Pixels());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * kW * kH);
}

void BM_OpaqueCopyFullFrame(benchmark::State& state) { Run(state, kBltFastWait); }
void BM_KeyedCopyFullFrame(benchmark::State& state) {
    Run(state, kBltFastWait | kBltFastSrcColorKey);
}

void BM_KeyedStretchToFullFrame(benchmark::State& state) {
    const Surface src = Picture();
    Surface dst(kW, kH);
    const Rect from{0, 0, 640, 480};
    for (auto _ : state) {
        Blt(&dst, nullptr, &src, &from, kBltKeySrc | kBltAlphaEdgeBlend);
        benchmark::DoNotOptimize(dst.Pixels());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * kW * kH);
}

}  // namespace

BENCHMARK(BM_OpaqueCopyFullFrame)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_KeyedCopyFullFrame)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_KeyedStretchToFullFrame)->Unit(benchmark::kMicrosecond);
