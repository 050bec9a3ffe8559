// Any bytes as a win sequence file: at most four fields, and no field the
// player accepts climbs out of the data tree.
#include "services/clip_script.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    for (const std::string& f : bafo::parse_sequence(text)) {
        if (!bafo::stays_in_data_root(f))
            continue;
        if (f.empty() || f[0] == '/')
            std::abort();
        // A part ".." between separators of either kind is never let through.
        std::string part;
        for (size_t i = 0; i <= f.size(); ++i) {
            if (i == f.size() || f[i] == '/' || f[i] == '\\') {
                if (part == "..")
                    std::abort();
                part.clear();
            } else {
                part += f[i];
            }
        }
    }
    return 0;
}
