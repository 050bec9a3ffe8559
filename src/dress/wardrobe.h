// Bafo's wardrobe: four kinds of garment, ten of each, and the one he wears
// of each kind. Dressing him is a picture operation here; the screen decides
// where the picture goes.
#pragma once

#include "platform/surface.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>

namespace bafo {

// In the order they are put on: a later one lies over an earlier one.
enum class Garment { Boots, Hat, Shirt, Shorts };
constexpr int kGarmentKinds = 4;
constexpr std::array<Garment, kGarmentKinds> kAllGarments{Garment::Boots, Garment::Hat, Garment::Shirt,
                                                          Garment::Shorts};

struct GarmentKind {
    const char* name;    // in the trace
    const char* prefix;  // under the data root; the item's number and ".BMP" follow
    Rect spot;           // the part of Bafo that changes it, on the screen
    Point on_mascot;     // where it sits on the undressed Bafo
};
constexpr std::array<GarmentKind, kGarmentKinds> kGarments{{
    {"boots", "\\BAFO_CS\\KREJCI\\OBLEKY\\BOTY\\BOTY", {125, 380, 143, 36}, {25, 247}},
    {"hat", "\\BAFO_CS\\KREJCI\\OBLEKY\\HLAVY\\HLAVA", {125, 130, 108, 125}, {51, -4}},
    {"shirt", "\\BAFO_CS\\KREJCI\\OBLEKY\\TRIKA\\TRIKO", {100, 240, 207, 61}, {36, 117}},
    {"shorts", "\\BAFO_CS\\KREJCI\\OBLEKY\\TRENKY\\TRENKY", {155, 300, 86, 59}, {55, 187}},
}};
constexpr const GarmentKind& kind_of(Garment g)
{
    return kGarments[size_t(g)];
}

// Where the undressed Bafo stands on the screen. The print picture has the
// screen's layout, so a garment lies there this much further right and down.
constexpr Point kMascotAt{88, 114};
// The colour of a garment picture's pixels that are not the garment (packed).
constexpr uint32_t kGarmentKey = 0xFF00FF;

class Wardrobe {
public:
    static constexpr int kItems = 10;

    // The item worn, 1..10, or 0 for nothing.
    int worn(Garment g) const { return m_worn[size_t(g)]; }
    // Puts on the next item of that kind: 1, 2, … 10, then 1 again. Once
    // dressed, a kind never goes back to nothing.
    int next(Garment g);
    // One item of every kind, ⌊10 × u⌋ + 1 each, drawn in the order boots,
    // hat, shirt, shorts; u() gives numbers in [0, 1).
    void random_outfit(const std::function<double()>& u);

    // The picture file of item 1..10 of a kind.
    static std::string file(Garment g, int item);

private:
    std::array<uint8_t, kGarmentKinds> m_worn{};
};

// The pictures of the items worn, by kind (a kind not worn may have none).
using GarmentPictures = std::array<const Surface*, kGarmentKinds>;

// The dressed Bafo: `base` with the picture of every kind worn in `w` laid
// over it, boots first, shorts last, each at its place on the mascot moved by
// `shift`; pixels of the key colour leave what lies below, and what falls
// outside `base` is cut off.
Surface navlec(const Surface& base, const Wardrobe& w, const GarmentPictures& pictures, Point shift = {});

}  // namespace bafo
