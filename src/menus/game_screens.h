// Which screen opens for a game tag. Each game's screen adds itself here
// when it is built; a tag without a screen keeps the child where it is.
#pragma once

#include <functional>
#include <string>

namespace bafo {

namespace ui {
class Form;
}

// Picture games by their tag ("KOSTKY", "COLORIZE", "PUZZLE", "15", "TETRIS", "OMALKY"),
// and "PEXESO" for the memory game.
using ScreenOpener = std::function<ui::Form&()>;
void register_game_screen(const std::string& tag, ScreenOpener open);
// The screen for the tag, loaded; nullptr when no screen exists for it.
ui::Form* open_game_screen(const std::string& tag);

}  // namespace bafo
