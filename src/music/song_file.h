// The song file: one field a line (CR LF), the number of events first, then
// time, note and kind of each event. Files come back from the child's
// directory, so the reader takes any bytes and keeps only what makes sense.
#pragma once

#include "music/studio.h"

#include <array>
#include <span>
#include <string>
#include <string_view>

namespace bafo {

// The whole file for the first events of a tune.
std::string zapis_pisen(std::span<const Udalost> udalosti);

// Reads a file's events into udalosti(1..) and returns how many it read:
// fields end at a comma or a line end (CR LF, LF or CR); reading stops at
// the count, at Studio::kMaxEvents, at the end of the bytes or at the first
// event with a field out of its range (time below 0, note above 127, a kind
// other than "ZAP" or "VYP"). Events past the returned count keep what they held.
int precti_pisen(std::string_view text, std::array<Udalost, Studio::kMaxEvents>& udalosti);

// The jukebox's store: the file replaced whole or left as it was (false).
bool uloz_pisen(const std::string& path, std::span<const Udalost> udalosti);

}  // namespace bafo
