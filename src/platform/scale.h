// Our picture enlarged to the screen with bilinear smoothing. Each pixel of
// the result depends only on its place and the whole picture, so a part
// scaled again after a change matches the rest exactly.
#pragma once

#include "platform/surface.h"

namespace bafo {

// Where the 800 × 600 picture lies in a window of ww × wh: as large as fits,
// keeping its shape, centred between black bars.
struct View {
    int x = 0, y = 0, w = 800, h = 600;
    bool scaled() const { return w != 800 || h != 600; }
    // The picture's pixel under a window pixel (outside 800 × 600 on the
    // bars); false on the bars.
    bool to_picture(int wx, int wy, int& px, int& py) const;
    // The part of the scaled picture a change of the picture's `r` reaches.
    Rect reach(const Rect& r) const;
};
View view_of(int ww, int wh);

// Fills `region` of `dst` (the whole scaled picture) from `src`.
void scale_bilinear(const Surface& src, Surface& dst, const Rect& region);

}  // namespace bafo
