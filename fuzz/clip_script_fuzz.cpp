// Any bytes as a clip script or a win sequence file.
#include "services/clip_script.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    if (auto s = bafo::ClipScript::parse(text)) {
        if (s->entries.size() > bafo::ClipScript::kMaxEntries || s->width <= 0 || s->height <= 0 || s->width > 2048 ||
            s->height > 2048)
            std::abort();
        s->keep_frames_below(int(size % 300));
        for (auto& e : s->entries)
            if (e.frame >= int(size % 300))
                std::abort();
    }
    for (const auto& field : bafo::parse_sequence(text))
        bafo::stays_in_data_root(field);
    return 0;
}
