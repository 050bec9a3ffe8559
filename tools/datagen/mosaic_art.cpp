// The mosaic's screen: the picture games' theatre in green, its medallions
// showing a grey little picture that a brush is colouring tile by tile.
#include "art.h"
#include "datagen.h"
#include "game_frame_art.h"

#include <string>
#include <vector>

namespace datagen {

namespace {

using namespace art;

constexpr double kPi = 3.14159265358979323846;

// The emblem: a square of four tiles, two still grey, and a paintbrush whose
// wet tip brings the colour to the next one.
void emblem_mosaic(cairo_t* cr, double r)
{
    const double side = r * 1.42, t = side / 2;
    const double x0 = -side / 2 - r * 0.12, y0 = -side / 2 + r * 0.05;
    struct Tile {
        int col, row;
        uint32_t colour;
    };
    const Tile tiles[4] = {{0, 0, pal::sky_top}, {1, 0, 0xB9B9B9}, {0, 1, pal::grass}, {1, 1, 0x9E9E9E}};
    paint_shape(cr, [=](cairo_t* g) { rounded_rect(g, x0 - 1.5, y0 - 1.5, side + 3, side + 3, 2.5); },
                Style{0x8A5A3A, 0.2, pal::outline, 1.4, true, 1.5, 0.25});
    for (const Tile& tl : tiles) {
        const double x = x0 + tl.col * t, y = y0 + tl.row * t;
        paint_shape(cr, [=](cairo_t* g) { rounded_rect(g, x + 0.6, y + 0.6, t - 1.2, t - 1.2, 1.6); },
                    Style{tl.colour, 0.4, pal::outline, 0.8, false});
    }
    // A little sun on the coloured sky tile, a flower on the grass.
    set_rgb(cr, pal::sun);
    cairo_arc(cr, x0 + t * 0.5, y0 + t * 0.5, t * 0.22, 0, 2 * kPi);
    cairo_fill(cr);
    set_rgb(cr, pal::red);
    cairo_arc(cr, x0 + t * 0.5, y0 + t * 1.5, t * 0.18, 0, 2 * kPi);
    cairo_fill(cr);

    // The brush lies across from the lower left, its tip on the grey tile at the top right.
    cairo_save(cr);
    cairo_translate(cr, x0 + t * 1.45, y0 + t * 0.55);
    cairo_rotate(cr, 0.72);
    const double L = r * 1.7;
    auto handle = [=](cairo_t* g) { rounded_rect(g, -1.8, 5.5, 3.6, L - 5.5, 1.6); };
    paint_shape(cr, handle, Style{0xD9974F, 0.35, pal::outline, 1.0, true, 1.2, 0.3});
    paint_shape(cr, [](cairo_t* g) { rounded_rect(g, -2.1, 2.2, 4.2, 4.2, 0.8); },
                Style{0xD7DCE2, 0.5, pal::outline, 0.9, false});  // the metal band
    paint_shape(cr, [](cairo_t* g) {
        cairo_move_to(g, -2.1, 2.6);
        cairo_curve_to(g, -2.6, 0, -1.0, -3.0, 0, -4.2);
        cairo_curve_to(g, 1.0, -3.0, 2.6, 0, 2.1, 2.6);
        cairo_close_path(g);
    }, Style{pal::red, 0.3, pal::outline, 0.9, false});
    cairo_restore(cr);
}

frame::Look mosaic()
{
    return frame::Look{"BAFO_CS/COLORIZE/",
                       {{{20, 545, 81, 46}, {180, 530, 71, 66}, {580, 520, 56, 81},
                         {735, 515, 66, 86}, {745, 5, 56, 86}, {0, 0, 66, 51}}},
                       {371, 570, 71, 36},
                       mix(pal::green_dark, pal::grass, 0.3),  // leaf green, apart from the falling blocks' teal
                       emblem_mosaic};
}

void run(const std::filesystem::path& root) { frame::write_frame(root, mosaic()); }

void expect(std::vector<Expect>& out) { frame::expect_frame(out, mosaic()); }

}  // namespace

Generator gen_mosaic() { return Generator{"mosaic", run, expect}; }

static const Registered registered{gen_mosaic};

}  // namespace datagen
