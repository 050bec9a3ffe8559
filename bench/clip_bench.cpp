// Decoding one clip frame by number and drawing it into a picture box's layers.
#include "platform/clip_decoder.h"
#include "platform/surface.h"

#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdlib>
#include <dlfcn.h>
#include <string>
#include <sys/wait.h>
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

// Milliseconds from a fresh decoder to its first frame, in a child process
// that has never loaded FFmpeg: -1 when it had, or the clip did not play.
double first_frame_in_a_child(const std::string& path)
{
    int fds[2];
    if (::pipe(fds) != 0)
        return -1;
    const pid_t pid = ::fork();
    if (pid == 0) {
        double ms = -1;
        if (!dlopen(ClipDecoder::built_against().format.c_str(), RTLD_LAZY | RTLD_NOLOAD)) {
            const auto t0 = std::chrono::steady_clock::now();
            ClipDecoder d;
            Surface f;
            if (d.open(path).step == ClipDecoder::Step::None && d.frame(0, f))
                ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
        }
        ssize_t n = ::write(fds[1], &ms, sizeof ms);
        ::_exit(n == sizeof ms ? 0 : 1);
    }
    ::close(fds[1]);
    double ms = -1;
    if (pid < 0 || ::read(fds[0], &ms, sizeof ms) != sizeof ms)
        ms = -1;
    ::close(fds[0]);
    if (pid > 0)
        ::waitpid(pid, nullptr, 0);
    return ms;
}

}  // namespace

// The first clip of a run pays for loading FFmpeg: it must still start on time.
static void BM_FirstClipFrameWithFfmpegLoading(benchmark::State& st)
{
    const std::string path = clip("BAFO_CS/KLIPY/HURA.AVI", "640x480");
    for (auto _ : st) {
        const double ms = first_frame_in_a_child(path);
        if (ms < 0) {
            st.SkipWithError("no clip, or FFmpeg was already loaded in this process");
            return;
        }
        st.SetIterationTime(ms / 1000);
    }
}
// Registered first: the benchmarks below load FFmpeg into this process.
BENCHMARK(BM_FirstClipFrameWithFfmpegLoading)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

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
