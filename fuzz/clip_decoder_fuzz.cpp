// Any bytes as an AVI clip: opening fails, or every frame decodes or is
// refused; nothing crashes, hangs or eats the memory.
#include "platform/clip_decoder.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const std::string path = "/tmp/bafo-clip-fuzz-" + std::to_string(getpid()) + ".AVI";
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f)
        std::abort();
    std::fwrite(data, 1, size, f);
    std::fclose(f);
    bafo::ClipDecoder d;
    if (d.open(path).step == bafo::ClipDecoder::Step::None) {
        if (d.frame_count() <= 0 || d.width() <= 0 || d.height() <= 0)
            std::abort();
        bafo::Surface out;
        // Forward, then back to the start: both kinds of access.
        const int n = d.frame_count() < 64 ? d.frame_count() : 64;
        for (int i = 0; i < n; ++i)
            if (d.frame(i, out) && (out.width() != d.width() || out.height() != d.height()))
                std::abort();
        d.frame(0, out);
        d.frame(n - 1, out);
    }
    d.close();
    std::remove(path.c_str());
    return 0;
}
