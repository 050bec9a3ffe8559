// The jigsaw's screen: the picture games' theatre in red velvet, with jigsaw
// pieces on the tie-back medallions, and the pointers the board may show.
#include "art.h"
#include "datagen.h"
#include "game_frame_art.h"

#include <cmath>

namespace datagen::frame {

namespace {

using namespace art;

// One edge of a piece on a clockwise outline from a to b: flat (0), a knob
// out (+1) or a hole in (-1), as jigsaw pieces are cut.
void knob_edge(cairo_t* cr, double ax, double ay, double bx, double by, int kind)
{
    if (!kind) {
        cairo_line_to(cr, bx, by);
        return;
    }
    const double len = std::hypot(bx - ax, by - ay);
    const double ux = (bx - ax) / len, uy = (by - ay) / len;
    const double nx = uy * kind, ny = -ux * kind;
    const double mx = (ax + bx) / 2, my = (ay + by) / 2;
    const double neck = len * 0.12, r = len * 0.18;
    const double cx = mx + nx * r * 1.05, cy = my + ny * r * 1.05;
    cairo_line_to(cr, mx - ux * neck, my - uy * neck);
    cairo_curve_to(cr, mx - ux * neck + nx * r * 0.5, my - uy * neck + ny * r * 0.5, cx - ux * r * 1.5 + nx * r * 0.6,
                   cy - uy * r * 1.5 + ny * r * 0.6, cx + nx * r, cy + ny * r);
    cairo_curve_to(cr, cx + ux * r * 1.5 + nx * r * 0.6, cy + uy * r * 1.5 + ny * r * 0.6, mx + ux * neck + nx * r * 0.5,
                   my + uy * neck + ny * r * 0.5, mx + ux * neck, my + uy * neck);
    cairo_line_to(cr, bx, by);
}

void piece_path(cairo_t* cr, double x, double y, double t, int top, int right, int bottom, int left)
{
    cairo_new_sub_path(cr);
    cairo_move_to(cr, x, y);
    knob_edge(cr, x, y, x + t, y, top);
    knob_edge(cr, x + t, y, x + t, y + t, right);
    knob_edge(cr, x + t, y + t, x, y + t, bottom);
    knob_edge(cr, x, y + t, x, y, left);
    cairo_close_path(cr);
}

// Three pieces laid in a square and the fourth on its way into its place: the
// same sign as on the jigsaw's results table.
void emblem_jigsaw(cairo_t* cr, double r)
{
    const double t = r * 0.78;
    struct P {
        int col, row;
        uint32_t fill;
        int top, right, bottom, left;
        double dx, dy, turn;
    };
    const P pieces[] = {{0, 0, pal::sun, 0, 1, -1, 0, 0, 0, 0},
                        {0, 1, pal::grass, 1, -1, 0, 0, 0, 0, 0},
                        {1, 1, pal::blue, -1, 0, 0, 1, 0, 0, 0},
                        {1, 0, pal::red, 0, 0, 1, -1, t * 0.3, -t * 0.28, 0.2}};
    for (const P& p : pieces) {
        cairo_save(cr);
        cairo_translate(cr, -t / 2 + p.col * t + p.dx, -t / 2 + p.row * t + p.dy);
        cairo_rotate(cr, p.turn);
        paint_shape(cr, [&](cairo_t* g) { piece_path(g, -t / 2, -t / 2, t, p.top, p.right, p.bottom, p.left); },
                    Style{p.fill, 0.35, pal::outline, 1.3, p.dx != 0, 1.5, 0.3});
        set_rgb(cr, pal::white, 0.55);
        ellipse(cr, -t * 0.18, -t * 0.2, t * 0.15, t * 0.08);
        cairo_fill(cr);
        cairo_restore(cr);
    }
}

// Red velvet, the jigsaw's colour on the results table, a little deepened.
constexpr uint32_t kVelvet = 0xE2494C;

Look jigsaw()
{
    return Look{"BAFO_CS/PUZZLE/",
                {{{15, 545, 91, 46}, {180, 525, 66, 71}, {580, 520, 56, 76}, {735, 515, 66, 86}, {745, 5, 56, 81}, {0, 0, 66, 51}}},
                {366, 570, 71, 36},
                kVelvet,
                emblem_jigsaw};
}

void run(const std::filesystem::path& root)
{
    const Look look = jigsaw();
    write_frame(root, look);
    write_pointers(root, look.dir);
}

void expect(std::vector<Expect>& out)
{
    const Look look = jigsaw();
    expect_frame(out, look);
    expect_pointers(out, look.dir);
}

}  // namespace

Generator gen_puzzle() { return Generator{"puzzle", run, expect}; }

static const Registered registered{gen_puzzle};

}  // namespace datagen::frame
