#include "music/song_file.h"

#include "platform/files.h"

#include <cstdint>
#include <optional>

namespace bafo {

namespace {

constexpr std::string_view kKonecRadku = "\r\n";

// The fields of a song file one after another.
class Pole {
public:
    explicit Pole(std::string_view text) : m_text(text) {}

    // The next field without surrounding blanks; nothing past the end.
    std::optional<std::string_view> dalsi()
    {
        if (m_pos >= m_text.size())
            return std::nullopt;
        size_t end = m_pos;
        while (end < m_text.size() && m_text[end] != ',' && m_text[end] != '\r' && m_text[end] != '\n')
            ++end;
        std::string_view f = m_text.substr(m_pos, end - m_pos);
        m_pos = end;
        if (m_pos < m_text.size()) {
            // CR LF is one line end.
            if (m_text[m_pos] == '\r' && m_pos + 1 < m_text.size() && m_text[m_pos + 1] == '\n')
                ++m_pos;
            ++m_pos;
        }
        while (!f.empty() && (f.front() == ' ' || f.front() == '\t'))
            f.remove_prefix(1);
        while (!f.empty() && (f.back() == ' ' || f.back() == '\t'))
            f.remove_suffix(1);
        return f;
    }

private:
    std::string_view m_text;
    size_t m_pos = 0;
};

// A whole number written in decimal digits only; above `max` it is nothing,
// or `max` when it saturates.
std::optional<int64_t> cislo(std::optional<std::string_view> f, int64_t max, bool saturate = false)
{
    if (!f || f->empty())
        return std::nullopt;
    int64_t v = 0;
    bool over = false;
    for (char c : *f) {
        if (c < '0' || c > '9')
            return std::nullopt;
        if (!over)
            v = v * 10 + (c - '0');
        over = over || v > max;
    }
    if (over && !saturate)
        return std::nullopt;
    return over ? max : v;
}

}  // namespace

std::string zapis_pisen(std::span<const Udalost> udalosti)
{
    std::string out = std::to_string(udalosti.size());
    out += kKonecRadku;
    for (const Udalost& u : udalosti) {
        out += std::to_string(u.cas);
        out += kKonecRadku;
        out += std::to_string(int(u.nota));
        out += kKonecRadku;
        std::string_view stav = u.stav;
        while (!stav.empty() && stav.back() == ' ')
            stav.remove_suffix(1);
        out += stav;
        out += kKonecRadku;
    }
    return out;
}

int precti_pisen(std::string_view text, std::array<Udalost, Studio::kMaxEvents>& udalosti)
{
    Pole pole(text);
    // A count above the tune's room is read as the room: the events after it do not fit.
    const auto pocet = cislo(pole.dalsi(), Studio::kMaxEvents, true);
    if (!pocet)
        return 0;
    const int n = int(*pocet);
    for (int i = 0; i < n; ++i) {
        const auto cas = cislo(pole.dalsi(), INT32_MAX);
        const auto nota = cislo(pole.dalsi(), 127);
        const auto stav = pole.dalsi();
        if (!cas || !nota || !stav || (*stav != "ZAP" && *stav != "VYP"))
            return i;
        Udalost& u = udalosti[size_t(i)];
        u.cas = int32_t(*cas);
        u.nota = uint8_t(*nota);
        u.stav = std::string(*stav);
    }
    return n;
}

bool uloz_pisen(const std::string& path, std::span<const Udalost> udalosti)
{
    return write_file_atomic(path, zapis_pisen(udalosti));
}

}  // namespace bafo
