// Any bytes as the settings file: what is read is short and trimmed, and a
// key written reads back while every other key keeps its value.
#include "platform/ini.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    static const char* const keys[][2] = {{"BAFO_CS", "HD"}, {"BAFO_CS", "HD_SHORT"}, {"BAFO_CS", "RUN"}};
    std::string before[3];
    for (int i = 0; i < 3; ++i) {
        before[i] = bafo::ini_get(text, keys[i][0], keys[i][1]);
        if (before[i].size() > 254)
            std::abort();
    }
    const std::string changed = bafo::ini_set(text, "BAFO_CS", "RUN", "1");
    if (bafo::ini_get(changed, "BAFO_CS", "RUN") != "1")
        std::abort();
    for (int i = 0; i < 2; ++i)
        if (bafo::ini_get(changed, keys[i][0], keys[i][1]) != before[i])
            std::abort();
    return 0;
}
