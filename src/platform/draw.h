// Pens and shapes without antialiasing, drawn with Cairo straight into a Surface.
#pragma once

#include "platform/surface.h"

#include <optional>

namespace bafo {

struct Pen {
    uint32_t colour = 0;  // 0x00RRGGBB
    int width = 1;
};

void draw_line(Surface& s, int x0, int y0, int x1, int y1, const Pen& pen);
// Outline inside the rectangle (x, y, w, h); optional fill inside it.
void draw_rectangle(Surface& s, const Rect& r, const Pen& pen, std::optional<uint32_t> fill = {});
void draw_ellipse(Surface& s, const Rect& r, const Pen& pen, std::optional<uint32_t> fill = {});

}  // namespace bafo
