// Drawing pieces shared by the six picture sets of the picture games: skies,
// meadows, water, space, rooms, and the little textures that keep every cell
// of a cut-up picture recognisable.
#pragma once

#include "art.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <vector>

namespace datagen::pics {

using namespace art;

inline constexpr double kPi = 3.14159265358979323846;
inline constexpr int kW = 640, kH = 480;

inline constexpr int kSets = 6, kPerSet = 10;
inline constexpr int kThumbW = 168, kThumbH = 125;

// Writes picture i of set n (both from 1) and its thumbnail under root.
void write_picture(const std::filesystem::path& root, int set, int i);

// One picture of a set, i = 1 .. 10, painted over the whole canvas.
void paint_farm(Canvas& c, int i);
void paint_vehicles(Canvas& c, int i);
void paint_seasons(Canvas& c, int i);
void paint_sea(Canvas& c, int i);
void paint_space(Canvas& c, int i);
void paint_toys(Canvas& c, int i);

// A shape's outline thickness for pictures of this size.
inline constexpr double kLine = 2.5;

// A figure drawn around (0, 0), the ground under it, in its own units;
// `lw` keeps outlines the same width at any scale.
struct Local {
    cairo_t* cr;
    double lw;
    Local(cairo_t* c, double x, double y, double s, bool mirror = false);
    ~Local();
    Local(const Local&) = delete;
    Local& operator=(const Local&) = delete;
};
// Strokes the current path as a thick band with a dark rim (legs, pipes, stems).
void thick_line(cairo_t* cr, double width, uint32_t colour, double lw);
void ground_shadow(cairo_t* cr, double cx, double rx);

Style st(uint32_t fill, double line = kLine, bool shadow = true, double shade = 0.25);
void shape(cairo_t* cr, const PathFn& path, uint32_t fill, double line = kLine, bool shadow = true,
           double shade = 0.25);

// --- skies and weather ------------------------------------------------------
void sky(cairo_t* cr, double y1, uint32_t top, uint32_t bottom);
// A full day sky down to `horizon`: gradient, soft rays round the sun (if
// sun_r > 0), thin high streaks, clouds spread over the whole width, birds.
struct SkySpec {
    double horizon = 260;
    uint32_t top = pal::sky_top, bottom = 0xD4F1FC;
    double sun_x = 0, sun_y = 0, sun_r = 0;
    int clouds = 6;
    double cloud_min = 70, cloud_max = 130;
    int birds = 5;
    uint32_t bird_colour = pal::outline;
    std::vector<Box> keep_clear;  // where something big stands in the sky
};
void day_sky(cairo_t* cr, Rng& rng, const SkySpec& s);

// Something small to put into a plain spot centred on (x, y), at most `room`
// pixels from it.
using Filler = std::function<void(cairo_t*, Rng&, double x, double y, double room)>;
// Run after a picture is painted: every 64 x 64 window (at 32 px steps) that
// still shows next to nothing gets a small thing from `f`, so a cut-out cell
// never comes out blank. Nothing goes into the `keep_out` boxes (the animal,
// the vehicle: they carry their own markings).
void fill_plain_spots(Canvas& c, Rng& rng, const Filler& f, const std::vector<Box>& keep_out = {});
void sky_bits(cairo_t* cr, Rng& rng, double x, double y, double room);
// Clouds and birds above `horizon`, flowers below it.
Filler land_bits(double horizon);
// Stars for night skies above `horizon`; nothing below.
Filler night_bits(double horizon);
// Little fish and bubbles in the water above `sand`, shells and pebbles on it.
Filler sea_bits(double sand);
// `count` clouds of width wmin..wmax spread over the band y0..y1, kept out of `avoid`.
void clouds(cairo_t* cr, Rng& rng, double y0, double y1, int count, double wmin, double wmax,
            double alpha = 1.0, const std::vector<Box>& avoid = {});
void birds(cairo_t* cr, Rng& rng, const Box& area, int count, uint32_t colour = pal::outline);
void sparkle(cairo_t* cr, double x, double y, double r, uint32_t colour, double alpha = 1.0);
void sparkles(cairo_t* cr, Rng& rng, const Box& area, int count, double rmin, double rmax,
              uint32_t colour, double alpha = 0.9);
void rainbow(cairo_t* cr, double cx, double cy, double r, double band, double alpha = 1.0);
void sun_rays(cairo_t* cr, double cx, double cy, int count, double length, uint32_t colour,
              double alpha);
void snowflakes(cairo_t* cr, Rng& rng, const Box& area, int count, double rmin, double rmax);

// --- land -------------------------------------------------------------------
// A band of grass from `top` to the bottom of the picture: gradient, hills' rim,
// blades and flowers.
void meadow(cairo_t* cr, Rng& rng, double top, uint32_t light, uint32_t dark, int blades, int flowers,
            const std::vector<Box>& no_flowers = {});
void flowers(cairo_t* cr, Rng& rng, const Box& area, int count, double rmin, double rmax,
             const std::vector<Box>& avoid = {});
void fence(cairo_t* cr, double x0, double x1, double ground, double height, uint32_t wood);
void house(cairo_t* cr, double x, double ground, double w, double h, uint32_t wall, uint32_t roof,
           bool lit_windows = false);
void pine(cairo_t* cr, double x, double ground, double h, uint32_t green, bool snowy = false);
// A sunflower head of radius r at (x, y) on a stem `stem` long.
void sunflower(cairo_t* cr, double x, double y, double r, double stem);
void mushroom(cairo_t* cr, double x, double ground, double h, uint32_t cap);
void stones(cairo_t* cr, Rng& rng, const Box& area, int count, uint32_t colour);

// --- water ------------------------------------------------------------------
// Sea or pond surface from y0 to y1, with rows of little wave crests.
void water(cairo_t* cr, Rng& rng, double x0, double y0, double x1, double y1, uint32_t top,
           uint32_t bottom);
// The whole underwater backdrop: gradient, light rays, sandy floor from `sand_y`.
void sea_backdrop(cairo_t* cr, Rng& rng, uint32_t top, uint32_t bottom, double sand_y, uint32_t sand);
void bubbles(cairo_t* cr, Rng& rng, const Box& area, int count, double rmin, double rmax);
void bubble(cairo_t* cr, double x, double y, double r);
void seaweed(cairo_t* cr, double x, double ground, double h, uint32_t colour, double sway);
void coral(cairo_t* cr, double x, double ground, double h, uint32_t colour, uint64_t seed);
void shell(cairo_t* cr, double x, double y, double s, uint32_t colour, double turn = 0);
void starfish(cairo_t* cr, double x, double y, double r, uint32_t colour, double turn = 0);
void fish(cairo_t* cr, double x, double y, double s, uint32_t body, uint32_t fins, bool left = false,
          bool stripes = false);

// --- space ------------------------------------------------------------------
void space_backdrop(cairo_t* cr, Rng& rng, uint32_t top, uint32_t bottom,
                    const std::vector<uint32_t>& nebulae, int stars);
void planet(cairo_t* cr, double cx, double cy, double r, uint32_t colour, int bands, bool ring = false,
            uint32_t ring_colour = pal::sun);
void twinkle_star(cairo_t* cr, double x, double y, double r, uint32_t colour, double turn = 0);
void moon_crescent(cairo_t* cr, double cx, double cy, double r, uint32_t colour, bool face);

// --- indoors ----------------------------------------------------------------
void wallpaper(cairo_t* cr, double y1, uint32_t base, uint32_t pattern, int kind);
void wood_floor(cairo_t* cr, Rng& rng, double y0, uint32_t wood);
void window_view(cairo_t* cr, double x, double y, double w, double h, uint32_t sky_top, uint32_t sky_bottom,
                 uint32_t frame);

// Where Bafo's paw is on the canvas (viewer's left or right one), for things
// he holds: an umbrella, an ice cream.
void bafo_paw(const Bafo& b, bool right, double& x, double& y);

// --- faces and fur ----------------------------------------------------------
void eye(cairo_t* cr, double x, double y, double r, double look_x = 0, double look_y = 0);
void smile(cairo_t* cr, double x, double y, double w, double lw = 2.2, bool open = false);
void blush(cairo_t* cr, double x, double y, double r);
// Short soft strokes inside a shape: fur, wool, bark, grain.
void strokes(cairo_t* cr, Rng& rng, const PathFn& clip, const Box& area, int count, uint32_t colour,
             double len, double width, double alpha);
// Little dots inside a shape: speckles, sparkle dust, sand grains.
void speckles(cairo_t* cr, Rng& rng, const PathFn& clip, const Box& area, int count, uint32_t colour,
              double rmin, double rmax, double alpha);

}  // namespace datagen::pics
