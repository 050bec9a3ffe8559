// The image effects at the sizes the screens use them: the mosaic's grey
// board, a dress-up garment, a cube's turned face.
#include "services/effects.h"

#include <benchmark/benchmark.h>
#include <random>

using namespace bafo;

namespace {
Surface speckled(int w, int h, unsigned seed)
{
    Surface s(w, h);
    std::mt19937 g(seed);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            s.row(y)[x] = (g() & 7) == 0 ? 0xFF00FF : g() & kRgbMask;
    return s;
}
}  // namespace

static void BM_GreyBoard640x480(benchmark::State& st)
{
    Surface src = speckled(800, 600, 1), dst(640, 480);
    for (auto _ : st) {
        FoxGreyScale(dst, 0, 0, 640, 480, src, 80, 31);
        benchmark::DoNotOptimize(dst.data());
    }
}
BENCHMARK(BM_GreyBoard640x480)->Unit(benchmark::kMicrosecond);

static void BM_BlendGarment(benchmark::State& st)
{
    Surface garment = speckled(220, 180, 2), dst(640, 480, 0xFFF4E0);
    for (auto _ : st) {
        FoxAlphaBlend(dst, 210, 120, 220, 180, garment, 0, 0, 255, 255 + 65536 * 255, 1);
        benchmark::DoNotOptimize(dst.data());
    }
}
BENCHMARK(BM_BlendGarment)->Unit(benchmark::kMicrosecond);

static void BM_RotateCubeFace(benchmark::State& st)
{
    Surface face = speckled(128, 120, 3), dst(128, 120);
    const double angle = double(st.range(0));
    for (auto _ : st) {
        FoxRotate(dst, 64, 60, 128, 120, face, 0, 0, angle);
        benchmark::DoNotOptimize(dst.data());
    }
}
BENCHMARK(BM_RotateCubeFace)->Arg(90)->Arg(30)->Unit(benchmark::kMicrosecond);
