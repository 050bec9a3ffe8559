// Decoding one clip frame by number and drawing it into a picture box's layers.
#include "platform/clip_decoder.h"
#include "platform/surface.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <string>
#include <unistd.h>

using namespace bafo;

namespace {

// A clip of the data tree when BAFO_DATA points at it, else one made now.
std::string clip(const char* rel, const char* size)
{
    if (const char* root = std::getenv("BAFO_DATA")) {
        std::string p = std::string(root) + "/" + rel;
        if (access(p.c_str(), R_OK) == 0)
            return p;
    }
    std::string p = std::string("/tmp/bafo_bench_") + size + ".AVI";
    std::string cmd = std::string("ffmpeg -loglevel error -y -f lavfi -i testsrc=size=") + size +
                      ":rate=10 -frames:v 20 -c:v msvideo1 -g 1 " + p;
    if (std::system(cmd.c_str()) != 0)
        return "";
    return p;
}

void decode_and_draw(benchmark::State& st, const char* rel, const char* size)
{
    ClipDecoder d;
    if (d.open(clip(rel, size)).step != ClipDecoder::Step::None) {
        st.SkipWithError("no clip");
        return;
    }
    Surface frame, box_image(d.width(), d.height()), box_screen(d.width(), d.height());
    int n = 0;
    for (auto _ : st) {
        // Out of order on purpose: the player asks for any frame.
        n = (n + 7) % d.frame_count();
        d.frame(n, frame);
        box_screen.blit(frame, 0, 0);
        benchmark::DoNotOptimize(box_screen.data());
    }
    st.SetLabel(std::to_string(d.width()) + "x" + std::to_string(d.height()));
}

}  // namespace

static void BM_ClipFrame640x480(benchmark::State& st)
{
    decode_and_draw(st, "BAFO_CS/KLIPY/HURA.AVI", "640x480");
}
BENCHMARK(BM_ClipFrame640x480)->Unit(benchmark::kMicrosecond);

static void BM_ClipFrame320x240(benchmark::State& st)
{
    decode_and_draw(st, "BAFO_CS/KLIPY/MAVANI.AVI", "320x240");
}
BENCHMARK(BM_ClipFrame320x240)->Unit(benchmark::kMicrosecond);
