#include "datagen.h"

namespace datagen {

Generator gen_start_screen();  // start_art.cpp: welcome and farewell pictures
Generator gen_menu_screen();   // menu_art.cpp: main menu background, balloons, icons, exit panel, mouth strip
Generator gen_sounds();        // sounds.cpp: welcome tune, click, fanfares, swish, yes, no
Generator gen_voices();        // voices.cpp: the mascot's recorded voice

std::vector<Generator> all_generators()
{
    return {gen_start_screen(), gen_menu_screen(), gen_sounds(), gen_voices()};
}

}  // namespace datagen
