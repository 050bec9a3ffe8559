#pragma once

namespace bafo {

// Tells the choosers which screen opens for each game built so far.
void register_all_games();

}  // namespace bafo
