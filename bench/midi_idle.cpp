// What the built-in synthesiser costs the real program: opening it, and the
// processor while it is open, first sounding and then silent. Run it on a
// display, as the program runs:
//   scripts/with-xvfb build/midi_idle        (SDL_AUDIODRIVER=dummy without a card)
#include "platform/sdl_platform.h"

#include <chrono>
#include <cstdio>
#include <ctime>

using namespace bafo;

namespace {

double cpu_ms()
{
    timespec t{};
    ::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1000.0 + double(t.tv_nsec) / 1e6;
}

}  // namespace

int main()
{
    SdlPlatform sdl;
    if (!sdl.init() || !sdl.open_window("Bafolino", false))
        return 1;
    sdl.present(Surface(800, 600));
    sdl.start_audio();
    auto idle = [&](uint32_t ms) {
        const uint32_t until = sdl.now_ms() + ms;
        Event ev;
        while (int32_t(until - sdl.now_ms()) > 0)
            sdl.wait_event(ev, until);
    };
    for (int i = 1; i <= 3; ++i) {
        const auto t0 = std::chrono::steady_clock::now();
        const int code = sdl.midi_out_open(-1);
        const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
        std::printf("open %d: %.1f ms%s\n", i, ms, i == 1 ? " (the library loaded too)" : "");
        if (code != 0) {
            std::printf("%s\n", sdl.midi_error_text(code).c_str());
            return 1;
        }
        if (i < 3)
            sdl.midi_out_close();
    }
    const uint32_t a4_on = 0x90 | 69 << 8 | 127 << 16, a4_off = 0x90 | 69 << 8;
    sdl.midi_out_send(0xC0 | 1 << 8);
    double t = cpu_ms();
    sdl.midi_out_send(a4_on);
    idle(500);
    sdl.midi_out_send(a4_off);
    idle(1500);
    std::printf("a note held 0.5 s and released, 2 s: %.1f ms of processor (%.2f %% of a core)\n", cpu_ms() - t,
                (cpu_ms() - t) / 20);
    idle(3500);  // the device closes after three quiet seconds
    t = cpu_ms();
    idle(10000);
    std::printf("open and silent, 10 s: %.1f ms of processor (%.3f %% of a core)\n", cpu_ms() - t, (cpu_ms() - t) / 100);
    sdl.midi_out_close();
    return 0;
}
