// Any bytes as a position table: always the pairs asked for, each in range.
#include "services/positions.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const size_t pairs = data[0] % 32;
    const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
    const auto p = bafo::pozice_z_textu(text, pairs);
    if (p.size() != pairs)
        std::abort();
    for (const auto& q : p)
        if (q && (q->x <= -100000 || q->x >= 100000 || q->y <= -100000 || q->y >= 100000))
            std::abort();
    return 0;
}
