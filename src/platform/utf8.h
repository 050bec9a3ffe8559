#pragma once

#include <string>
#include <vector>

namespace bafo {

// Splits UTF-8 into code points; malformed bytes are dropped.
std::vector<std::string> utf8_chars(const std::string& s);

}  // namespace bafo
