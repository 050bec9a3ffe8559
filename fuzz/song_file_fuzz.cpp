// Any bytes as a song file: what is read stays in range and writes back to a
// file that reads the same.
#include "music/song_file.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::array<bafo::Udalost, bafo::Studio::kMaxEvents> e{};
    const int n = bafo::precti_pisen(text, e);
    if (n < 0 || n > bafo::Studio::kMaxEvents)
        std::abort();
    for (int i = 0; i < n; ++i) {
        const auto& u = e[size_t(i)];
        if (u.cas < 0 || u.nota > 127 || (u.stav != "ZAP" && u.stav != "VYP"))
            std::abort();
    }
    const std::string again = bafo::zapis_pisen(std::span(e).first(size_t(n)));
    std::array<bafo::Udalost, bafo::Studio::kMaxEvents> f{};
    if (bafo::precti_pisen(again, f) != n || bafo::zapis_pisen(std::span(f).first(size_t(n))) != again)
        std::abort();
    return 0;
}
