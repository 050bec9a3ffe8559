// Position tables: integer pairs in text fields separated by commas or line breaks.
#pragma once

#include "platform/surface.h"

#include <optional>
#include <string>
#include <vector>

namespace bafo {

// `pairs` entries; a pair with a missing, non-numeric or out-of-range field is empty.
std::vector<std::optional<Point>> pozice_z_textu(const std::string& text, size_t pairs);

}  // namespace bafo
