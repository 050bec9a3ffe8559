#include "platform/wave_info.h"

#include "platform/files.h"

namespace bafo {

namespace {
uint32_t le(const std::string& s, size_t at, int bytes)
{
    uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i)
        v = v << 8 | uint8_t(s[at + size_t(i)]);
    return v;
}
}  // namespace

std::optional<uint32_t> wave_duration_ms(const std::string& path)
{
    auto s = read_file(path);
    if (!s || s->size() < 12 || s->compare(0, 4, "RIFF") != 0 || s->compare(8, 4, "WAVE") != 0)
        return std::nullopt;
    uint32_t byte_rate = 0;
    for (size_t at = 12; at + 8 <= s->size();) {
        std::string id = s->substr(at, 4);
        uint64_t len = le(*s, at + 4, 4);
        if (id == "fmt " && at + 16 <= s->size() && at + 8 + 12 <= s->size())
            byte_rate = le(*s, at + 8 + 8, 4);
        if (id == "data") {
            if (!byte_rate)
                return std::nullopt;
            // A data chunk cut short plays only what is there.
            uint64_t have = std::min<uint64_t>(len, s->size() - (at + 8));
            return uint32_t(have * 1000 / byte_rate);
        }
        at += 8 + size_t(len) + (len & 1);
    }
    return std::nullopt;
}

}  // namespace bafo
