// The yes and no buttons of Bafo's question panels. Every panel lays them at
// the same places (the program's hot areas are fixed), so they are painted by
// one function: the main menu's exit question and the painting screen's.
#pragma once

#include "art.h"

namespace datagen::question {

struct Place {
    int x, y, w, h;
};

// The highlighted buttons are copied over the panel at these rectangles.
inline constexpr Place kYesLit = {24, 12, 54, 46};
inline constexpr Place kNoLit = {24, 71, 54, 38};

// The green tick (yes) and the red cross (no) on a panel's layer, in panel
// coordinates; `lit` 0 lights yes, 1 lights no, anything else neither.
void paint_buttons(art::Canvas& layer, int lit);

}  // namespace datagen::question
