#include "platform/sdl_platform.h"
#include "platform/trace.h"
#include "shell/program.h"

#include <cstdio>
#include <cstring>

int main(int argc, char** argv)
{
    bafo::Options o;
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--window")) {
            o.window = true;
        } else if (!std::strcmp(argv[i], "--help") || !std::strcmp(argv[i], "-h")) {
            std::printf("usage: bafolino [--window] [--help] [--version]\n"
                        "  --window   play in an 800 x 600 window instead of full screen\n"
                        "Settings: $BAFO_INI, else $XDG_CONFIG_HOME/BAFO.INI, else ~/.config/BAFO.INI\n"
                        "          [BAFO_CS] HD=<data and save directory>  HD_SHORT=<clip directory, optional>\n");
            return 0;
        } else if (!std::strcmp(argv[i], "--version")) {
            std::printf("bafolino %s\n", BAFO_VERSION);
            return 0;
        } else {
            std::fprintf(stderr, "bafolino: unknown option %s (try --help)\n", argv[i]);
            return 2;
        }
    }
    bafo::trace_start();
    bafo::SdlPlatform sdl;
    sdl.init();
    bafo::set_platform(&sdl);
    int code = bafo::run_program(o);
    bafo::set_platform(nullptr);
    return code;
}
