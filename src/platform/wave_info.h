#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace bafo {

// Playing time of a PCM RIFF/WAVE file; nothing when it is not one.
std::optional<uint32_t> wave_duration_ms(const std::string& path);

}  // namespace bafo
