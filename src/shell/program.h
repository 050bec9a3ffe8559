#pragma once

namespace bafo {

struct Options {
    bool window = false;
};

// Runs the program on the platform already set; returns its exit status.
int run_program(const Options& o);
// The ending every way out shares: sound stopped, the clip sound's copy
// deleted, the display given back. Returns the exit status.
int konec_programu(int code);

}  // namespace bafo
