// The colouring book's costs: a fill of the whole canvas, one segment of a
// stroke, and composing the part of the screen a stroke touched.
#include "paint/paint_canvas.h"
#include "platform/draw.h"
#include "platform/fake/fake_platform.h"
#include "ui/app.h"
#include "ui/form.h"

#include <benchmark/benchmark.h>

namespace bafo {

static void BM_FillWholeCanvas(benchmark::State& st)
{
    PaintCanvas p;
    p.tool = Tool::FloodFill;
    uint32_t colours[2] = {0xFF3B30, 0x2F7DF6};
    int i = 0;
    p.load(Surface(640, 480, 0xFFFFFF));
    for (auto _ : st) {
        p.fill_colour = colours[i++ & 1];
        benchmark::DoNotOptimize(p.release(1, 320, 240));
    }
}
BENCHMARK(BM_FillWholeCanvas)->Unit(benchmark::kMillisecond);

static void BM_StrokeSegment(benchmark::State& st)
{
    PaintCanvas p;
    p.load(Surface(640, 480, 0xFFFFFF));
    p.width = int(st.range(0));
    p.press(1, 100, 100);
    int x = 100;
    for (auto _ : st) {
        x = x >= 600 ? 100 : x + 5;
        benchmark::DoNotOptimize(p.move(1, x, 100 + (x & 31)));
    }
}
BENCHMARK(BM_StrokeSegment)->Arg(3)->Arg(10)->Unit(benchmark::kMicrosecond);

// One move of a stroke on a shown screen: the segment into the canvas box and
// the frame composed where it changed.
static void BM_StrokeOnScreen(benchmark::State& st)
{
    FakePlatform fake;
    set_platform(&fake);
    auto& app = ui::App::get();
    app.reset();
    struct Screen : ui::Form {
        Screen() : ui::Form("bench") {}
    };
    auto& f = app.form<Screen>();
    f.set_picture(Surface(800, 600, 0xFFF4E0));
    auto& box = f.add<ui::PictureBox>("canvas");
    box.move(80, 0);
    box.set_picture(Surface(640, 480, 0xFFFFFF));
    app.show(f);
    app.present();
    PaintCanvas p;
    p.load(box.layers.image);
    p.press(1, 100, 100);
    int x = 100;
    for (auto _ : st) {
        x = x >= 600 ? 100 : x + 5;
        const Rect r = p.move(1, x, 100 + (x & 31));
        box.layers.draw_both(p.canvas(), r, r.x, r.y);
        app.present();
    }
    app.reset();
    set_platform(nullptr);
}
BENCHMARK(BM_StrokeOnScreen)->Unit(benchmark::kMicrosecond);

}  // namespace bafo
