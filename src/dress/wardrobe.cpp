#include "dress/wardrobe.h"

#include "services/effects.h"
#include "services/helpers.h"

namespace bafo {

int Wardrobe::next(Garment g)
{
    uint8_t& item = m_worn[size_t(g)];
    item = uint8_t(item % kItems + 1);
    return item;
}

void Wardrobe::random_outfit(const std::function<double()>& u)
{
    for (Garment g : kAllGarments) {
        int item = int(kItems * u()) + 1;
        // A generator that reached 1 itself still gives the last item.
        m_worn[size_t(g)] = uint8_t(item < 1 ? 1 : item > kItems ? kItems : item);
    }
}

std::string Wardrobe::file(Garment g, int item)
{
    return data_path(std::string(kind_of(g).prefix) + std::to_string(item) + ".BMP");
}

Surface navlec(const Surface& base, const Wardrobe& w, const GarmentPictures& pictures, Point shift)
{
    Surface out = base;
    for (Garment g : kAllGarments) {
        if (w.worn(g) == 0 || !pictures[size_t(g)])
            continue;
        const Surface& pic = *pictures[size_t(g)];
        const Point at = kind_of(g).on_mascot;
        FoxAlphaBlend(out, at.x + shift.x, at.y + shift.y, pic.width(), pic.height(), pic, 0, 0, 255, kGarmentKey, 1);
    }
    return out;
}

}  // namespace bafo
