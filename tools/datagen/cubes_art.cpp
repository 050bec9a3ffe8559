// The picture cubes' screen: the picture games' theatre in violet with a die on
// its medallions, and the five pointers the board shows: an arrow rolling a
// little die towards the edge under the pointer, and the die alone pointing to
// its four edges where a click does nothing.
#include "art.h"
#include "datagen.h"
#include "game_frame_art.h"

#include <array>
#include <cmath>
#include <string>
#include <vector>

namespace datagen {

namespace {

using namespace art;
using frame::Rect;

constexpr double kPi = 3.14159265358979323846;
constexpr uint32_t kPip = 0x3B2A20;
constexpr uint32_t kArrow = 0xFFD23F;  // light enough to read on dark pictures, outlined for light ones

// Pips of a die face on a unit square centred on (0, 0), for 1..6.
std::vector<std::array<double, 2>> pips(int n)
{
    const double a = 0.27;
    switch (n) {
    case 1: return {{0, 0}};
    case 2: return {{-a, -a}, {a, a}};
    case 3: return {{-a, -a}, {0, 0}, {a, a}};
    case 4: return {{-a, -a}, {a, -a}, {-a, a}, {a, a}};
    case 5: return {{-a, -a}, {a, -a}, {0, 0}, {-a, a}, {a, a}};
    default: return {{-a, -a}, {a, -a}, {-a, 0}, {a, 0}, {-a, a}, {a, a}};
    }
}

// A face of the emblem's die: the unit square mapped onto the parallelogram
// with corner o and sides u, v.
void die_face(cairo_t* cr, std::array<double, 2> o, std::array<double, 2> u, std::array<double, 2> v, uint32_t fill,
              int n, uint32_t pip)
{
    cairo_save(cr);
    cairo_matrix_t m;
    cairo_matrix_init(&m, u[0], u[1], v[0], v[1], o[0], o[1]);
    cairo_transform(cr, &m);
    cairo_new_path(cr);
    cairo_rectangle(cr, 0, 0, 1, 1);
    set_rgb(cr, fill);
    cairo_fill(cr);
    set_rgb(cr, pip);
    for (const auto& p : pips(n)) {
        cairo_new_sub_path(cr);
        cairo_arc(cr, 0.5 + p[0], 0.5 + p[1], n == 1 ? 0.16 : 0.12, 0, 2 * kPi);
    }
    cairo_fill(cr);
    cairo_restore(cr);
}

// The emblem: a white die seen from above a corner, one red pip on top.
void emblem_die(cairo_t* cr, double r)
{
    const double s = r * 0.98, k = 0.866 * s, h = s / 2;
    const std::array<double, 2> top{0, -s}, left{-k, -h}, right{k, -h}, mid{0, 0}, bottom{0, s};
    auto outline = [=](cairo_t* g) {
        cairo_move_to(g, top[0], top[1]);
        cairo_line_to(g, right[0], right[1]);
        cairo_line_to(g, k, h);
        cairo_line_to(g, bottom[0], bottom[1]);
        cairo_line_to(g, -k, h);
        cairo_line_to(g, left[0], left[1]);
        cairo_close_path(g);
    };
    cairo_save(cr);
    set_rgb(cr, 0x1A0F08, 0.25);
    cairo_translate(cr, 1.5, 1.5);
    outline(cr);
    cairo_fill(cr);
    cairo_restore(cr);
    die_face(cr, left, {k, -h}, {k, h}, 0xFFFFFF, 1, pal::red);                 // top
    die_face(cr, left, {k, h}, {0, s}, 0xF6EEE2, 2, kPip);                     // left
    die_face(cr, mid, {k, -h}, {0, s}, 0xE6D6C2, 3, kPip);                     // right
    cairo_save(cr);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    set_rgb(cr, pal::outline);
    cairo_set_line_width(cr, 1.2);
    cairo_move_to(cr, left[0], left[1]);
    cairo_line_to(cr, mid[0], mid[1]);
    cairo_line_to(cr, right[0], right[1]);
    cairo_move_to(cr, mid[0], mid[1]);
    cairo_line_to(cr, bottom[0], bottom[1]);
    cairo_stroke(cr);
    cairo_set_line_width(cr, 1.8);
    outline(cr);
    cairo_stroke(cr);
    cairo_restore(cr);
}

frame::Look cubes()
{
    return frame::Look{"BAFO_CS/KOSTKY/",
                       {{{20, 540, 86, 51}, {180, 530, 71, 66}, {580, 520, 51, 81},
                         {735, 520, 66, 81}, {745, 5, 56, 86}, {0, 0, 66, 51}}},
                       {371, 570, 71, 36},
                       mix(pal::violet, 0x6A3FB0, 0.35),
                       emblem_die,
                       // The shuffle's arrows need the fifteen's width: drawn as there, it still covers the hot area.
                       {{{}, {}, {580, 520, 56, 81}, {}, {}, {}}}};
}

// --- pointers ------------------------------------------------------------------------

constexpr double kC = 16;  // the hot spot, the middle of the pointer

// A small die face up, centred on (x, y).
void pointer_die(cairo_t* cr, double x, double y, double half, int n)
{
    paint_shape(cr, [=](cairo_t* g) { rounded_rect(g, x - half, y - half, 2 * half, 2 * half, half * 0.42); },
                Style{pal::white, 0.0, pal::outline, 1.3, false});
    set_rgb(cr, kPip);
    for (const auto& p : pips(n)) {
        cairo_new_sub_path(cr);
        cairo_arc(cr, x + p[0] * 2 * half * 0.95, y + p[1] * 2 * half * 0.95, half * (n == 1 ? 0.32 : 0.22), 0, 2 * kPi);
    }
    cairo_fill(cr);
}

// The roll to the right, drawn about the die's middle (0, 0): a fat arrow
// swinging over the die from its left side, its head pointing on past the
// die's right edge. The other rolls are this one turned.
constexpr double kDieHalf = 5.5, kDieDrop = 3;  // the die sits this far below the hot spot, away from the arrow
void roll_arrow(cairo_t* cr)
{
    const double R = 11.2, half = 2.7;              // the shaft's middle line, half its width
    const double a0 = kPi * 0.93, a1 = kPi * 1.64;  // from left of the die over its top
    const double hx = R * std::cos(a1), hy = R * std::sin(a1);
    const double tx = -std::sin(a1), ty = std::cos(a1);  // along the arc, clockwise
    const double nx = std::cos(a1), ny = std::sin(a1);   // outwards
    const double len = 9, wing = 6.6;
    auto shape = [=](cairo_t* g) {
        cairo_new_path(g);
        cairo_arc(g, 0, 0, R + half, a0, a1);
        cairo_line_to(g, hx + nx * wing, hy + ny * wing);
        cairo_line_to(g, hx + tx * len, hy + ty * len);
        cairo_line_to(g, hx - nx * wing, hy - ny * wing);
        cairo_arc_negative(g, 0, 0, R - half, a1, a0);
        // A round tail.
        cairo_arc(g, R * std::cos(a0), R * std::sin(a0), half, a0 + kPi, a0 + 2 * kPi);
        cairo_close_path(g);
    };
    cairo_save(cr);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    paint_shape(cr, shape, Style{kArrow, 0.45, pal::outline, 1.3, false});
    // A shine along the outer side of the shaft.
    cairo_new_path(cr);
    cairo_arc(cr, 0, 0, R + half * 0.35, a0 + 0.25, a1 - 0.2);
    set_rgb(cr, pal::white, 0.9);
    cairo_set_line_width(cr, 1.3);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
    cairo_restore(cr);
}

// `turn` quarter turns clockwise of the roll to the right, `mirror` flips it
// across first. The die moves round with the arrow but stays upright.
Canvas pointer_roll(int turn, bool mirror)
{
    Canvas layer(32, 32, Canvas::Format::Alpha);
    cairo_t* cr = layer.cr();
    cairo_translate(cr, kC, kC);
    cairo_rotate(cr, turn * kPi / 2);
    if (mirror)
        cairo_scale(cr, -1, 1);
    cairo_translate(cr, 0, kDieDrop);
    double dx = 0, dy = 0;
    cairo_user_to_device(cr, &dx, &dy);
    roll_arrow(cr);
    // The die in front: the arrow swings round behind it.
    cairo_identity_matrix(cr);
    pointer_die(cr, dx, dy, kDieHalf, 4);
    return frame::keyed_pointer(layer);
}

// Over the middle of a cube: the die with a little arrowhead off each edge,
// "click one of my edges".
Canvas pointer_plain()
{
    Canvas layer(32, 32, Canvas::Format::Alpha);
    cairo_t* cr = layer.cr();
    pointer_die(cr, kC, kC, 5.9, 5);
    for (int k = 0; k < 4; ++k) {
        cairo_save(cr);
        cairo_translate(cr, kC, kC);
        cairo_rotate(cr, k * kPi / 2);
        paint_shape(cr, [](cairo_t* g) {
            cairo_move_to(g, 9.6, -4.8);
            cairo_line_to(g, 13.8, 0);
            cairo_line_to(g, 9.6, 4.8);
            cairo_close_path(g);
        }, Style{kArrow, 0.3, pal::outline, 1.2, false});
        cairo_restore(cr);
    }
    return frame::keyed_pointer(layer);
}

void run(const std::filesystem::path& root)
{
    const frame::Look look = cubes();
    frame::write_frame(root, look);
    const std::filesystem::path dir = root / look.dir;
    pointer_roll(0, true).save_bmp(dir / "CUR_LEFT.BMP");
    pointer_roll(0, false).save_bmp(dir / "CUR_RIGHT.BMP");
    pointer_roll(3, false).save_bmp(dir / "CUR_UP.BMP");
    pointer_roll(3, true).save_bmp(dir / "CUR_DOWN.BMP");
    pointer_plain().save_bmp(dir / "CUR_PLOCHA.BMP");
}

void expect(std::vector<Expect>& out)
{
    const frame::Look look = cubes();
    frame::expect_frame(out, look);
    for (const char* name : {"CUR_LEFT.BMP", "CUR_RIGHT.BMP", "CUR_UP.BMP", "CUR_DOWN.BMP", "CUR_PLOCHA.BMP"})
        out.push_back(bitmap_expect(look.dir + name, 32, 32));
}

}  // namespace

Generator gen_cubes() { return Generator{"cubes", run, expect}; }

static const Registered registered{gen_cubes};

}  // namespace datagen
