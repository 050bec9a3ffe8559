// Pictures written with a palette of at most 256 colours: a third of the size
// of 24-bit ones, which is most of what the installed tree weighs.
#pragma once

#include <cstdint>
#include <vector>

namespace datagen {

struct Indexed {
    std::vector<uint32_t> palette;  // 0x00RRGGBB, at most 256
    std::vector<uint8_t> index;     // one per pixel, row-major, top row first
};

// A picture of at most 256 colours, exactly. Empty palette when it has more.
Indexed index_exactly(const std::vector<uint32_t>& px);

// Any picture in at most 256 colours. Every colour covering `keep_from` pixels
// and a 500th of the picture stays exact (flat areas, outlines, the transparent
// magenta), up to 96 of them; the other entries come from the remaining colours
// by median cut and k-means, and those pixels get half their error diffused so
// gradients do not band. The error never goes into a pixel of a kept colour,
// and no other pixel becomes magenta.
Indexed reduce_colours(int w, int h, const std::vector<uint32_t>& px, int keep_from = 48);

}  // namespace datagen
