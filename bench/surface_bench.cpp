// Drawing costs the screens rely on: copies, reductions, the transparent
// copy of the exit panel, a whole-canvas fill and an 800 × 600 bitmap load.
#include "platform/bitmap_file.h"
#include "platform/draw.h"
#include "platform/surface.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <random>
#include <string>
#include <unistd.h>

using namespace bafo;

namespace {

Surface noise(int w, int h, unsigned seed)
{
    Surface s(w, h);
    std::mt19937 g(seed);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            s.row(y)[x] = g() & kRgbMask;
    return s;
}

// A data file of the generated tree when BAFO_DATA points at it.
std::string data_file(const char* rel)
{
    const char* root = std::getenv("BAFO_DATA");
    return root ? std::string(root) + "/" + rel : "";
}

}  // namespace

static void BM_CopyFullScreen(benchmark::State& st)
{
    Surface src = noise(800, 600, 1), dst(800, 600);
    for (auto _ : st) {
        dst.blit(src, 0, 0);
        benchmark::DoNotOptimize(dst.data());
    }
}
BENCHMARK(BM_CopyFullScreen);

static void BM_CopyIcon(benchmark::State& st)
{
    Surface src = noise(146, 156, 2), dst(800, 600);
    for (auto _ : st) {
        dst.blit(src, 555, 370);
        benchmark::DoNotOptimize(dst.data());
    }
}
BENCHMARK(BM_CopyIcon);

static void BM_StretchThumbnail(benchmark::State& st)
{
    Surface src = noise(640, 480, 3), dst(168, 125);
    for (auto _ : st) {
        dst.stretch(src, src.rect(), dst.rect());
        benchmark::DoNotOptimize(dst.data());
    }
}
BENCHMARK(BM_StretchThumbnail);

static void BM_TransparentCopyExitPanel(benchmark::State& st)
{
    Surface panel(150, 200);
    if (load_bitmap(data_file("BAFO_CS/SELECT/OTAZKA.BMP"), panel) != kBitmapOk) {
        panel = noise(150, 200, 4);
        panel.fill({0, 0, 150, 20}, 0xFF00FF);
    }
    Surface bg = noise(800, 600, 5);
    for (auto _ : st) {
        Surface under = bg.crop({170, 175, panel.width(), panel.height()});
        transparent_copy(panel, panel.width(), panel.height(), panel.pixel(0, 0), under, under);
        benchmark::DoNotOptimize(under.data());
    }
}
BENCHMARK(BM_TransparentCopyExitPanel);

static void BM_FloodFillCanvas(benchmark::State& st)
{
    Surface canvas(640, 480, 0xFFFFFF);
    draw_ellipse(canvas, {100, 80, 300, 200}, Pen{0, 3});
    uint32_t colours[2] = {0xFF5E5B, 0x7CCB5B};
    int k = 0;
    for (auto _ : st) {
        benchmark::DoNotOptimize(flood_fill(canvas, 5, 5, colours[k ^= 1]));
    }
}
BENCHMARK(BM_FloodFillCanvas)->Unit(benchmark::kMillisecond);

static void BM_LoadBitmap800x600(benchmark::State& st)
{
    std::string path = data_file("BAFO_CS/SELECT/BG1.BMP");
    if (path.empty() || access(path.c_str(), R_OK) != 0) {
        path = "/tmp/bafo_bench_bg.bmp";
        save_bitmap(path, noise(800, 600, 6));
    }
    Surface s;
    for (auto _ : st)
        benchmark::DoNotOptimize(load_bitmap(path, s));
}
BENCHMARK(BM_LoadBitmap800x600)->Unit(benchmark::kMicrosecond);

// What a hover costs: the lit icon loaded from its file, the backup taken, the icon laid.
static void BM_HoverHighlight(benchmark::State& st)
{
    std::string icon = data_file("BAFO_CS/SELECT/ICO_6.BMP");
    if (icon.empty() || access(icon.c_str(), R_OK) != 0) {
        icon = "/tmp/bafo_bench_icon.bmp";
        save_bitmap(icon, noise(151, 151, 7));
    }
    Surface screen = noise(800, 600, 8), image = screen, ico;
    for (auto _ : st) {
        load_bitmap(icon, ico);
        Surface backup = screen.crop({360, 440, ico.width(), ico.height()});
        image.blit(ico, 360, 440);
        screen.blit(ico, 360, 440);
        benchmark::DoNotOptimize(backup.data());
    }
}
BENCHMARK(BM_HoverHighlight)->Unit(benchmark::kMicrosecond);
