// The dress-up screen: Bafo undressed in a tailor's room, and his wardrobe of
// forty garments. The screen lays each garment over the undressed Bafo at a
// fixed offset, opaque except the key colour, so every garment is drawn in
// Bafo's own units on the same Bafo the room shows.
#pragma once

#include "art.h"

#include <array>
#include <cstdint>

namespace datagen::dress {

// The undressed Bafo's picture: where the screen paints it and its size.
inline constexpr int kMascotX = 88, kMascotY = 114;
inline constexpr int kMascotW = 232, kMascotH = 310;

// Bafo in the undressed picture's coordinates: standing tall, legs showing,
// so that shorts and boots have something to sit on.
art::Bafo mascot();
art::BafoPose mascot_pose();
// Bafo with the soft shadow under his feet, the undressed picture's top left at (x, y).
void draw_mascot(cairo_t* cr, double x, double y);

// The wardrobe, in the order the screen draws it.
enum Category { kBoots = 0, kHat = 1, kShirt = 2, kShorts = 3 };
inline constexpr int kItems = 10;

struct Wear {
    const char* path;  // "BAFO_CS/KREJCI/OBLEKY/BOTY/BOTY" + n + ".BMP"
    int x, y;          // offset on the undressed picture
    int w, h;          // every item of the category has this size
};
inline constexpr std::array<Wear, 4> kWear = {{
    {"BAFO_CS/KREJCI/OBLEKY/BOTY/BOTY", 25, 247, 170, 58},
    {"BAFO_CS/KREJCI/OBLEKY/HLAVY/HLAVA", 51, -4, 118, 60},
    {"BAFO_CS/KREJCI/OBLEKY/TRIKA/TRIKO", 36, 117, 148, 100},
    {"BAFO_CS/KREJCI/OBLEKY/TRENKY/TRENKY", 55, 187, 110, 64},
}};

// Item n (1..10) of a category drawn in Bafo's units (origin between his
// feet as they would stand unmoved, y up negative).
void draw_garment(cairo_t* cr, Category c, int n);

// The garment's bitmap: its own pixels opaque, everything else the key colour
// (no pixel blends the two). Throws if the drawing reaches the bitmap's edge.
art::Canvas garment_picture(Category c, int n);

// Drawing helpers of the room and the wardrobe: a plain line, and a seam of short dashes along a path.
void line(cairo_t* cr, double x0, double y0, double x1, double y1, uint32_t colour, double width);
void stitches(cairo_t* cr, const art::PathFn& path, uint32_t colour, double width = 1.6);

}  // namespace datagen::dress
