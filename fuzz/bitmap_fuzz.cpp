// Any bytes as a .BMP: refused, or a picture of the size its header gives.
#include "platform/bitmap_file.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const std::string path = "/tmp/bafo-bitmap-fuzz-" + std::to_string(getpid()) + ".BMP";
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f)
        std::abort();
    std::fwrite(data, 1, size, f);
    std::fclose(f);
    bafo::Surface s(3, 2);
    const int r = bafo::load_bitmap(path, s);
    if (r == bafo::kBitmapOk) {
        if (s.width() <= 0 || s.height() <= 0)
            std::abort();
        uint64_t sum = 0;  // every pixel readable
        for (int y = 0; y < s.height(); ++y)
            for (int x = 0; x < s.width(); ++x)
                sum += s.row(y)[x];
        (void)sum;
    } else if (r != bafo::kBitmapInvalid || s.width() != 3 || s.height() != 2) {
        std::abort();
    }
    std::remove(path.c_str());
    return 0;
}
