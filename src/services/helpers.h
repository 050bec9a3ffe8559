// Small shared helpers: files, colours, messages.
#pragma once

#include "platform/platform.h"

#include <cstdint>
#include <string>

namespace bafo {

// cesta_dat / cesta_hry joined with a relative path written with backslashes.
std::string data_path(const std::string& rel);
std::string game_path(const std::string& rel);

bool soubor_existuje(const std::string& path);
// Files matching "*.BMP" in a directory (the path may end in a backslash).
int pocet_bitmap(const std::string& dir);
std::string jmeno_souboru(const std::string& path);

// Parts of a packed colour (red + 256 × green + 65536 × blue).
constexpr int cervena_slozka(int32_t c) { return c % 256; }
constexpr int zelena_slozka(int32_t c) { return ((c % 65536) - c % 256) / 256; }
constexpr int modra_slozka(int32_t c) { return (c - c % 65536) / 65536; }

// A message box that is also printed to stderr and traced.
void zprava(const std::string& text, const std::string& title, MessageIcon icon);

}  // namespace bafo
