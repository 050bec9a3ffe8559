#include "results/results_table.h"

#include "platform/files.h"
#include "platform/ini.h"
#include "platform/utf8.h"

#include <cctype>

namespace bafo {

std::string ResultsTable::section(const std::string& game_key, int level)
{
    return game_key + std::to_string(level);
}

std::string ResultsTable::file(const std::string& directory)
{
    return join_path(directory, "\\VYSLEDKY.DAT");
}

ResultEntry ResultsTable::parse(const std::string& value)
{
    ResultEntry e;
    auto hash = value.find('#');
    if (value == kIniMissing || hash == std::string::npos)
        return e;
    std::string digits;
    for (size_t i = hash + 1; i < value.size() && std::isdigit((unsigned char)value[i]) && digits.size() < 6; ++i)
        digits += value[i];
    if (digits.empty())
        return e;
    long n = std::stol(digits);
    if (n >= kEmpty)
        return e;
    // A damaged file must not smuggle the marker or separators into a name.
    e.name = clean_name(value.substr(0, hash));
    e.number = int16_t(n);
    return e;
}

bool ResultsTable::load(const std::string& file, const std::string& game_key, int level)
{
    std::string text;
    const bool readable = read_file(file, text) != ReadStatus::Failed;
    const std::string sec = section(game_key, level);
    for (int i = 0; i < 8; ++i)
        places[size_t(i)] = parse(ini_get(text, sec, "POS" + std::to_string(i + 1)));
    return readable;
}

void ResultsTable::rank()
{
    // Repeat until no change: the first pair (i, j < i) out of order is swapped.
    for (bool changed = true; changed;) {
        changed = false;
        for (int i = 1; i < 8 && !changed; ++i)
            for (int j = i - 1; j >= 0 && !changed; --j)
                if (places[size_t(i)].number < places[size_t(j)].number) {
                    std::swap(places[size_t(i)], places[size_t(j)]);
                    changed = true;
                }
    }
}

int ResultsTable::enter(int16_t result)
{
    places[7] = {kMarker, result};
    rank();
    return marker_row();
}

int ResultsTable::marker_row() const
{
    for (int i = 0; i < 8; ++i)
        if (places[size_t(i)].name == kMarker)
            return i;
    return -1;
}

void ResultsTable::name_marker(const std::string& name)
{
    int row = marker_row();
    if (row >= 0)
        places[size_t(row)].name = clean_name(name);
}

bool ResultsTable::save(const std::string& file, const std::string& game_key, int level) const
{
    std::string text;
    // Every game's records share the file: one that cannot be read is left alone.
    if (read_file(file, text) == ReadStatus::Failed)
        return false;
    const std::string sec = section(game_key, level);
    for (int i = 0; i < 8; ++i) {
        const auto& e = places[size_t(i)];
        text = ini_set(text, sec, "POS" + std::to_string(i + 1), clean_name(e.name) + "#" + std::to_string(e.number));
    }
    return write_file_atomic(file, text);
}

std::string vrat_minuty_sekundy(int seconds)
{
    if (seconds < 0)
        seconds = 0;
    int m = seconds / 60, s = seconds % 60;
    return (m < 10 ? "0" : "") + std::to_string(m) + ":" + (s < 10 ? "0" : "") + std::to_string(s);
}

std::string format_result(const std::string& game_key, int16_t number)
{
    if (number >= ResultsTable::kEmpty || number < 0)
        return "";
    if (game_key == "15" || game_key == "PEX")
        return std::to_string(number);
    return vrat_minuty_sekundy(number);
}

int16_t clamp_result(long result)
{
    if (result < 0)
        return 0;
    return int16_t(result > ResultsTable::kBest ? ResultsTable::kBest : result);
}

bool name_char_allowed(const std::string& ch)
{
    if (ch.empty() || (unsigned char)ch[0] < 0x20 || ch == "\x7f")
        return false;
    return ch != "~" && ch != "#" && ch != "@";
}

std::string clean_name(const std::string& typed)
{
    std::string out;
    for (const auto& ch : utf8_chars(typed))
        if (name_char_allowed(ch))
            out += ch;
    size_t a = out.find_first_not_of(' ');
    if (a == std::string::npos)
        return "";
    return out.substr(a, out.find_last_not_of(' ') - a + 1);
}

}  // namespace bafo
