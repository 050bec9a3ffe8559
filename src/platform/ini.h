// INI files by file, section and key. Reads give "ERROR" when the file, the
// section or the key is missing; writes keep the rest of the file as it was.
#pragma once

#include <string>
#include <vector>

namespace bafo {

inline constexpr const char* kIniMissing = "ERROR";

// At most 254 characters of value, trimmed of blanks; "ERROR" when absent.
std::string ini_read(const std::string& file, const std::string& section, const std::string& key);
// Creates the file, section or key as needed; the file is replaced whole.
// False, with nothing written, when the file is there but cannot be read.
bool ini_write(const std::string& file, const std::string& section, const std::string& key,
               const std::string& value);

// The same rules on text in memory, for callers that read once and write once.
std::string ini_get(const std::string& text, const std::string& section, const std::string& key);
std::string ini_set(const std::string& text, const std::string& section, const std::string& key,
                    const std::string& value);

}  // namespace bafo
