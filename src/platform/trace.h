// With BAFO_TRACE=FILE, one line per observable event is appended to FILE:
// "<ms since start> <event> <detail>". The end-to-end tests read it.
#pragma once

#include <string>

namespace bafo {

void trace(const std::string& event);
// The first line: "0 start <ms since the epoch>", so scripts can time the start.
void trace_start();
// Re-reads BAFO_TRACE (tests change it between runs).
void trace_reset();

}  // namespace bafo
