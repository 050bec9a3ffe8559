// A dressed picture worked out pixel by pixel, apart from the code under
// test: each garment's pixels that are not magenta over the base, in order.
#pragma once

#include "platform/surface.h"

#include <vector>

namespace bafo::test {

struct Laid {
    Surface pic;
    Point at;
};

inline Surface by_hand(const Surface& base, const std::vector<Laid>& garments)
{
    Surface out = base;
    for (const auto& g : garments)
        for (int y = 0; y < g.pic.height(); ++y)
            for (int x = 0; x < g.pic.width(); ++x) {
                const uint32_t p = g.pic.pixel(x, y) & kRgbMask;
                const int tx = g.at.x + x, ty = g.at.y + y;
                if (p != 0xFF00FF && tx >= 0 && ty >= 0 && tx < out.width() && ty < out.height())
                    out.set_pixel(tx, ty, p);
            }
    return out;
}

}  // namespace bafo::test
