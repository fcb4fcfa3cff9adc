// Software drawing over a whole 800 × 600 frame: the alpha blend of translucent plates, the
// grey copy of the lobby's tables and the conversion of the frame for a 32-bit screen.
// Compare them with the opaque copy of the same run.
#include <benchmark/benchmark.h>

#include "bench/BenchPicture.h"
#include "graphics/AlphaBlend.h"
#include "graphics/GraphicsGlobals.h"
#include "graphics/GreyBlt.h"
#include "graphics/PixelTables.h"
#include "graphics/ScreenConvert.h"
#include "platform/Blit.h"

using platform::Surface;

namespace {

constexpr int kW = 800;
constexpr int kH = 600;

template <typename Draw>
void Run(benchmark::State& state, Draw draw) {
    const Surface picture = NoisyPicture(kW, kH, ColorKey);
    Surface frame(kW, kH);
    lpDDSPla = &frame;
    for (auto _ : state) {
        draw(picture);
        benchmark::DoNotOptimize(frame.Pixels());
        benchmark::ClobberMemory();
    }
    lpDDSPla = nullptr;
    state.SetItemsProcessed(state.iterations() * kW * kH);
}

void BM_OpaqueCopyFullFrame(benchmark::State& state) {
    Run(state, [](const Surface& p) { platform::BltFast(lpDDSPla, 0, 0, &p, nullptr, 0); });
}
void BM_AlphaBlendFullFrame(benchmark::State& state) {
    Run(state, [](const Surface& p) { GAlphaBlt(&p, 0, 0, 0, 0, kW, kH, 180); });
}
void BM_GreyCopyFullFrame(benchmark::State& state) {
    Run(state, [](const Surface& p) { GGreyBlt(&p, 0, 0, 0, 0, kW, kH); });
}
void BM_ConvertFrameTo32Bits(benchmark::State& state) {
    GBuildPixelTables();
    nScreenFormat = 5;
    ScreenSurface screen(kW, kH, 32);
    Run(state, [&screen](const Surface& p) {
        platform::BltFast(lpDDSPla, 0, 0, &p, nullptr, 0);
        GConvertToSame(&screen);
    });
    nScreenFormat = 1;
}

}  // namespace

BENCHMARK(BM_OpaqueCopyFullFrame);
BENCHMARK(BM_AlphaBlendFullFrame);
BENCHMARK(BM_GreyCopyFullFrame);
BENCHMARK(BM_ConvertFrameTo32Bits);
