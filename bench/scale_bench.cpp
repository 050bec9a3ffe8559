// Full screen: the whole picture enlarged for a full redraw, and the part a
// highlight or a brush dab redraws.
#include "platform/scale.h"

#include <benchmark/benchmark.h>

using namespace bafo;

static void BM_ScaleWholeScreen1024(benchmark::State& st)
{
    Surface pic(800, 600, 0x336699), out(1024, 768);
    for (auto _ : st)
        scale_bilinear(pic, out, out.rect());
}
BENCHMARK(BM_ScaleWholeScreen1024);

static void BM_ScaleHighlight1024(benchmark::State& st)
{
    Surface pic(800, 600, 0x336699), out(1024, 768);
    const View v = view_of(1366, 768);
    for (auto _ : st)
        scale_bilinear(pic, out, v.reach({237, 181, 96, 80}));
}
BENCHMARK(BM_ScaleHighlight1024);
