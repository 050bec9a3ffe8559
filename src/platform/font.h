// Text in the round font of the program, blended onto a surface.
#pragma once

#include "platform/surface.h"

#include <string>

namespace bafo {

struct TextStyle {
    int size = 20;
    uint32_t colour = 0x3B2A20;
    bool bold = true;
};

// Draws UTF-8 text with its top-left at (x, y); returns its width in pixels.
int draw_text(Surface& dst, int x, int y, const std::string& utf8, const TextStyle& style);
// Width and height the text would take.
void text_size(const std::string& utf8, const TextStyle& style, int& w, int& h);

}  // namespace bafo
