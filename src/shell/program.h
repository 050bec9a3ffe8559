#pragma once

namespace bafo {

struct Options {
    bool window = false;
};

// Runs the program on the platform already set; returns its exit status.
int run_program(const Options& o);

}  // namespace bafo
