// The eight best results of one game and level, as kept in VYSLEDKY.DAT:
// section = game key + level, keys POS1..POS8, values name + "#" + number.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace bafo {

struct ResultEntry {
    std::string name;
    int16_t number = 32000;
};

class ResultsTable {
public:
    static constexpr int16_t kEmpty = 32000;   // an empty place; also "only show the table"
    static constexpr int16_t kBest = 31999;    // the largest result that can be kept
    static constexpr const char* kMarker = "~";  // the row waiting for a name

    std::array<ResultEntry, 8> places;

    static std::string section(const std::string& game_key, int level);
    static std::string file(const std::string& directory);
    // One stored value; anything unreadable is an empty place.
    static ResultEntry parse(const std::string& value);

    // nacti_data: the level's eight places from the file (missing ones empty).
    // False when the file is there but cannot be read: every place is then empty.
    bool load(const std::string& file, const std::string& game_key, int level);
    // Ascending by number; equal numbers keep their order, so older results stay above.
    void rank();
    bool qualifies(int16_t result) const { return result < places[7].number; }
    // Place 8 becomes the marker with `result`, then ranks; returns the marker's row (0..7).
    int enter(int16_t result);
    // The marker's row, or -1.
    int marker_row() const;
    void name_marker(const std::string& name);
    // zapis_tabulku_na_disk: all eight places of the section, written in one go;
    // false, with nothing written, when the file is there but cannot be read.
    bool save(const std::string& file, const std::string& game_key, int level) const;
};

// Seconds as minutes ":" seconds, each with at least two digits.
std::string vrat_minuty_sekundy(int seconds);
// How a number is shown: times for the timed games, plain counts otherwise.
std::string format_result(const std::string& game_key, int16_t number);
// A result from a game, made safe to keep: 32000 and above would mean "only show".
int16_t clamp_result(long result);
// A typed name made safe for the file: no separators, no control characters, trimmed.
bool name_char_allowed(const std::string& utf8_char);
std::string clean_name(const std::string& typed);

}  // namespace bafo
