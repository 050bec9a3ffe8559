// The album's nine slots. Slot n is a painting and its thumbnail in the
// program's own directory; every stored painting is also kept as a PNG in the
// family's pictures, where parents find it without knowing our files.
#pragma once

#include "platform/surface.h"

#include <ctime>
#include <string>

namespace bafo {

class Album {
public:
    static constexpr int kSlots = 9;
    static constexpr int kThumbW = 168, kThumbH = 125;

    static std::string painting_path(int n);
    static std::string thumbnail_path(int n);
    // A slot holds a painting when its painting file is there.
    static bool occupied(int n);
    // The painting reduced to a thumbnail, every thumbnail pixel the average of the pixels it covers.
    static Surface reduce(const Surface& painting);
    // What the page shows for slot n: its thumbnail file, or the painting
    // reduced when that file is missing, damaged or not this painting's (a
    // store cut off between the two files). Empty for an empty slot.
    static Surface thumbnail(int n);
    // Both files of slot n, or neither: false leaves the old pair as it was.
    static bool store(int n, const Surface& painting);
    // False (and `painting` untouched) when the slot has no loadable painting.
    static bool load(int n, Surface& painting);
    // Where the PNG of slot n stored at `when` goes.
    static std::string family_copy_path(int n, std::time_t when);
};

}  // namespace bafo
