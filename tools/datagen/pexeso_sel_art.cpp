// The memory game's cards (four sets of fourteen faces and the one back) and
// the screen where a child picks a set: a playroom wall with four fans of
// cards, each fan drawn from the very cards of its set.
#include "art.h"
#include "datagen.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

namespace datagen {

namespace {

using namespace art;

constexpr double kPi = 3.14159265358979323846;
constexpr int kW = 800, kH = 600;
constexpr int kCardW = 118, kCardH = 116;
constexpr int kFaces = 14;
const char* const kDir = "BAFO_CS/PEXESO/";

struct Rect {
    int x, y, w, h;
};

// Hot areas of the four sets and where their lit pictures go (all one size).
constexpr std::array<Rect, 4> kSetHot = {{{180, 85, 211, 206}, {410, 80, 211, 206}, {180, 310, 211, 206},
                                          {410, 310, 211, 206}}};
constexpr std::array<Rect, 4> kSetLit = {{{180, 78, 221, 215}, {410, 78, 221, 215}, {180, 308, 221, 215},
                                          {410, 308, 221, 215}}};
constexpr Rect kBackHot = {20, 540, 86, 51};
constexpr Rect kBackLit = {0, 515, kBackCornerW, kBackCornerH};

constexpr bool covers(const Rect& outer, const Rect& inner)
{
    return outer.x <= inner.x && outer.y <= inner.y && outer.x + outer.w >= inner.x + inner.w &&
           outer.y + outer.h >= inner.y + inner.h;
}
static_assert(covers(kSetLit[0], kSetHot[0]) && covers(kSetLit[1], kSetHot[1]) && covers(kSetLit[2], kSetHot[2]) &&
                  covers(kSetLit[3], kSetHot[3]) && covers(kBackLit, kBackHot),
              "every lit picture must cover its hot area");

// Each set's own colour: the card rims and the tray its fan lies on.
constexpr std::array<uint32_t, 4> kSetColours = {pal::red, pal::grass, pal::violet, pal::blue};
// Light grounds that take turns behind the faces, so neighbours differ even at a glance.
constexpr std::array<uint32_t, 7> kTints = {0xFFF6D6, 0xE4F4FF, 0xFFE6EE, 0xE8F8DF, 0xF0E8FF, 0xFFEBD9, 0xDDF6F2};

// --- little drawing helpers -----------------------------------------------------

constexpr double kLine = 2.2;

void shape(cairo_t* cr, uint32_t fill, const PathFn& path, double lw = kLine, double shade = 0.3)
{
    paint_shape(cr, path, Style{fill, shade, pal::outline, lw, false});
}

void disc(cairo_t* cr, double x, double y, double r, uint32_t col)
{
    set_rgb(cr, col);
    ellipse(cr, x, y, r, r);
    cairo_fill(cr);
}

// The white glint that makes a shape look round.
void shine(cairo_t* cr, double x, double y, double rx, double ry, double turn = -0.6)
{
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, turn);
    set_rgb(cr, pal::white, 0.7);
    ellipse(cr, 0, 0, rx, ry);
    cairo_fill(cr);
    cairo_restore(cr);
}

// A friendly eye: dark, with a white highlight.
void eye(cairo_t* cr, double x, double y, double r)
{
    disc(cr, x, y, r, pal::nose);
    disc(cr, x + r * 0.35, y - r * 0.35, r * 0.38, pal::white);
}

void smile(cairo_t* cr, double x, double y, double r, double lw = kLine)
{
    cairo_save(cr);
    set_rgb(cr, pal::outline);
    cairo_set_line_width(cr, lw);
    cairo_new_path(cr);
    cairo_arc(cr, x, y, r, 0.2 * kPi, 0.8 * kPi);
    cairo_stroke(cr);
    cairo_restore(cr);
}

void stroke_line(cairo_t* cr, uint32_t col, double lw, const PathFn& path)
{
    cairo_save(cr);
    cairo_new_path(cr);
    path(cr);
    set_rgb(cr, col);
    cairo_set_line_width(cr, lw);
    cairo_stroke(cr);
    cairo_restore(cr);
}

// A thick rounded stick with an outline (stems, handles, masts).
void stick(cairo_t* cr, double x0, double y0, double x1, double y1, double w, uint32_t col)
{
    stroke_line(cr, pal::outline, w + 2 * kLine, [=](cairo_t* c) {
        cairo_move_to(c, x0, y0);
        cairo_line_to(c, x1, y1);
    });
    stroke_line(cr, col, w, [=](cairo_t* c) {
        cairo_move_to(c, x0, y0);
        cairo_line_to(c, x1, y1);
    });
}

void leaf(cairo_t* cr, double x, double y, double len, double turn, uint32_t col = pal::grass)
{
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, turn);
    shape(cr, col, [=](cairo_t* c) {
        cairo_move_to(c, 0, 0);
        cairo_curve_to(c, len * 0.3, -len * 0.35, len * 0.75, -len * 0.3, len, 0);
        cairo_curve_to(c, len * 0.75, len * 0.3, len * 0.3, len * 0.35, 0, 0);
        cairo_close_path(c);
    });
    stroke_line(cr, darken(col, 0.3), 1.2, [=](cairo_t* c) {
        cairo_move_to(c, len * 0.1, 0);
        cairo_line_to(c, len * 0.8, 0);
    });
    cairo_restore(cr);
}

void wheel(cairo_t* cr, double x, double y, double r)
{
    shape(cr, 0x3A3A44, [=](cairo_t* c) { ellipse(c, x, y, r, r); }, kLine, 0.2);
    shape(cr, 0xD8D8E0, [=](cairo_t* c) { ellipse(c, x, y, r * 0.45, r * 0.45); }, 1.5, 0.4);
}

// --- set 1: fruit -------------------------------------------------------------------

void apple(cairo_t* cr)
{
    stick(cr, 0, -26, 4, -42, 4, 0x7A4A2A);
    leaf(cr, 4, -36, 24, -0.5);
    const double r = 36;
    shape(cr, pal::red, [=](cairo_t* c) {
        cairo_move_to(c, 0, -r * 0.7);
        cairo_curve_to(c, -r * 0.6, -r * 1.1, -r * 1.15, -r * 0.4, -r * 0.95, r * 0.2);
        cairo_curve_to(c, -r * 0.8, r * 0.8, -r * 0.3, r * 1.05, 0, r * 0.85);
        cairo_curve_to(c, r * 0.3, r * 1.05, r * 0.8, r * 0.8, r * 0.95, r * 0.2);
        cairo_curve_to(c, r * 1.15, -r * 0.4, r * 0.6, -r * 1.1, 0, -r * 0.7);
        cairo_close_path(c);
    });
    shine(cr, -16, -8, 6, 11, 0.3);
}

void banana(cairo_t* cr)
{
    shape(cr, pal::sun, [](cairo_t* c) {
        cairo_move_to(c, -38, -22);
        cairo_curve_to(c, -36, 20, 0, 40, 40, 22);
        cairo_curve_to(c, 42, 20, 42, 14, 38, 12);
        cairo_curve_to(c, 4, 22, -20, 4, -26, -26);
        cairo_close_path(c);
    });
    stroke_line(cr, darken(pal::sun, 0.25), 1.6, [](cairo_t* c) {
        cairo_move_to(c, -30, -14);
        cairo_curve_to(c, -26, 14, 0, 28, 34, 18);
    });
    shape(cr, 0x6B4A2A, [](cairo_t* c) { rounded_rect(c, -40, -34, 12, 12, 3); }, 1.6);
    disc(cr, 40, 17, 3, 0x6B4A2A);
}

void pear(cairo_t* cr)
{
    stick(cr, 0, -30, -3, -44, 4, 0x7A4A2A);
    leaf(cr, -1, -38, 22, -0.3);
    shape(cr, pal::lime, [](cairo_t* c) {
        cairo_move_to(c, 0, -34);
        cairo_curve_to(c, 14, -34, 16, -14, 22, -2);
        cairo_curve_to(c, 42, 20, 30, 44, 0, 44);
        cairo_curve_to(c, -30, 44, -42, 20, -22, -2);
        cairo_curve_to(c, -16, -14, -14, -34, 0, -34);
        cairo_close_path(c);
    });
    shine(cr, -14, 12, 5, 10, 0.3);
}

void grapes(cairo_t* cr)
{
    stick(cr, 2, -30, 6, -44, 4, 0x7A4A2A);
    leaf(cr, 6, -36, 26, -0.2);
    const double rows[][3] = {{-26, -22, 4}, {-19, -4, 3}, {-12, 14, 2}, {-5, 32, 1}};
    for (auto& row : rows)
        for (int i = 0; i < int(row[2]); ++i) {
            const double x = row[0] + i * 17, y = row[1];
            shape(cr, 0x8E5BC8, [=](cairo_t* c) { ellipse(c, x, y, 10, 10); }, 1.8);
            disc(cr, x - 3, y - 3, 2.6, lighten(0x8E5BC8, 0.6));
        }
}

void orange(cairo_t* cr)
{
    shape(cr, 0xFF9A2E, [](cairo_t* c) { ellipse(c, 0, 4, 38, 36); });
    set_rgb(cr, darken(0xFF9A2E, 0.2), 0.6);
    for (auto& p : std::vector<std::pair<double, double>>{{14, 14}, {-8, 22}, {20, -6}, {-20, 6}, {4, -14}, {26, 18}}) {
        ellipse(cr, p.first, p.second, 1.6, 1.6);
        cairo_fill(cr);
    }
    leaf(cr, 0, -30, 24, -0.6, pal::green_dark);
    disc(cr, 0, -31, 3, 0x6B4A2A);
    shine(cr, -16, -8, 6, 10, 0.4);
}

void watermelon(cairo_t* cr)
{
    auto slice = [](double r) {
        return [=](cairo_t* c) {
            cairo_move_to(c, -r, -8);
            cairo_arc_negative(c, 0, -8, r, kPi, 0);
            cairo_close_path(c);
        };
    };
    shape(cr, pal::green_dark, slice(44));
    shape(cr, 0xE9F7C8, slice(38), 0);
    shape(cr, 0xFF5E6E, slice(33), 1.4, 0.2);
    for (auto& p : std::vector<std::pair<double, double>>{{-16, 4}, {0, 12}, {16, 4}, {-6, -1}, {8, 0}, {-24, -4}, {24, -4}}) {
        cairo_save(cr);
        cairo_translate(cr, p.first, p.second);
        set_rgb(cr, pal::nose);
        ellipse(cr, 0, 0, 2, 3.2);
        cairo_fill(cr);
        cairo_restore(cr);
    }
}

void kiwi(cairo_t* cr)
{
    shape(cr, 0x8A6239, [](cairo_t* c) { ellipse(c, 0, 0, 40, 36); });
    shape(cr, 0x7FC241, [](cairo_t* c) { ellipse(c, 0, 0, 34, 30); }, 1.2, 0.1);
    shape(cr, 0xF4F8DC, [](cairo_t* c) { ellipse(c, 0, 0, 11, 9); }, 0, 0.2);
    for (int i = 0; i < 12; ++i) {
        const double a = i * kPi / 6;
        cairo_save(cr);
        cairo_translate(cr, 18 * std::cos(a), 16 * std::sin(a));
        cairo_rotate(cr, a);
        set_rgb(cr, pal::nose);
        ellipse(cr, 0, 0, 2.8, 1.5);
        cairo_fill(cr);
        cairo_restore(cr);
    }
}

void pineapple(cairo_t* cr)
{
    for (int i = -2; i <= 2; ++i)
        leaf(cr, i * 4, -18, 26 - std::abs(i) * 3, -kPi / 2 + i * 0.35, pal::green_dark);
    auto body = [](cairo_t* c) { ellipse(c, 0, 14, 26, 32); };
    shape(cr, 0xF2B632, body);
    cairo_save(cr);
    body(cr);
    cairo_clip(cr);
    set_rgb(cr, darken(0xF2B632, 0.35));
    cairo_set_line_width(cr, 1.4);
    for (int k = -5; k <= 5; ++k) {
        cairo_move_to(cr, -40 + k * 11, -20);
        cairo_line_to(cr, 40 + k * 11, 60);
        cairo_move_to(cr, 40 + k * 11, -20);
        cairo_line_to(cr, -40 + k * 11, 60);
    }
    cairo_stroke(cr);
    cairo_restore(cr);
    body(cr);
    set_rgb(cr, pal::outline);
    cairo_set_line_width(cr, kLine);
    cairo_stroke(cr);
}

void peach(cairo_t* cr)
{
    leaf(cr, 2, -30, 24, -0.4);
    shape(cr, 0xFFB4B4, [](cairo_t* c) {
        cairo_move_to(c, 0, -30);
        cairo_curve_to(c, 30, -40, 44, -6, 36, 14);
        cairo_curve_to(c, 28, 36, 10, 40, 0, 38);
        cairo_curve_to(c, -10, 40, -28, 36, -36, 14);
        cairo_curve_to(c, -44, -6, -30, -40, 0, -30);
        cairo_close_path(c);
    });
    set_rgb(cr, 0xFF5C8A, 0.35);
    ellipse(cr, 12, 10, 18, 20);
    cairo_fill(cr);
    stroke_line(cr, darken(0xFFB4B4, 0.3), 1.6, [](cairo_t* c) {
        cairo_move_to(c, 0, -28);
        cairo_curve_to(c, -10, -10, -8, 20, 0, 36);
    });
    shine(cr, -18, -10, 5, 9, 0.3);
}

void blueberries(cairo_t* cr)
{
    const double bs[][3] = {{-16, 8, 20}, {18, 12, 19}, {0, -16, 19}};
    for (auto& b : bs) {
        shape(cr, 0x4D6FD8, [=](cairo_t* c) { ellipse(c, b[0], b[1], b[2], b[2]); });
        star_path(cr, b[0], b[1] - b[2] * 0.45, 5, 2.2, 5);
        set_rgb(cr, 0x2A3D80);
        cairo_fill(cr);
        shine(cr, b[0] - 7, b[1], 3, 6, 0.3);
    }
    leaf(cr, 8, -30, 22, -0.7, pal::grass);
}

void coconut(cairo_t* cr)
{
    shape(cr, 0x7A5230, [](cairo_t* c) {
        cairo_move_to(c, -40, -4);
        cairo_curve_to(c, -40, 40, 40, 40, 40, -4);
        cairo_close_path(c);
    });
    shape(cr, pal::white, [](cairo_t* c) { ellipse(c, 0, -4, 40, 10); }, kLine, 0.0);
    shape(cr, 0xF2F6F8, [](cairo_t* c) { ellipse(c, 0, -4, 31, 6.5); }, 1.2, 0.0);
    set_rgb(cr, darken(0x7A5230, 0.3));
    cairo_set_line_width(cr, 1.2);
    for (int i = 0; i < 4; ++i) {
        cairo_move_to(cr, -30 + i * 18, 8);
        cairo_line_to(cr, -26 + i * 18, 22);
    }
    cairo_stroke(cr);
    stick(cr, 12, -6, 26, -38, 4, pal::pink);
    shape(cr, pal::pink, [](cairo_t* c) {
        cairo_move_to(c, 26, -38);
        cairo_line_to(c, 36, -40);
        cairo_line_to(c, 32, -36);
        cairo_close_path(c);
    }, 1.4);
}

void cherries(cairo_t* cr)
{
    stroke_line(cr, pal::outline, 5, [](cairo_t* c) {
        cairo_move_to(c, -16, 14);
        cairo_curve_to(c, -14, -10, 0, -30, 8, -38);
        cairo_move_to(c, 18, 18);
        cairo_curve_to(c, 18, -6, 12, -26, 8, -38);
    });
    stroke_line(cr, pal::green_dark, 2.5, [](cairo_t* c) {
        cairo_move_to(c, -16, 14);
        cairo_curve_to(c, -14, -10, 0, -30, 8, -38);
        cairo_move_to(c, 18, 18);
        cairo_curve_to(c, 18, -6, 12, -26, 8, -38);
    });
    leaf(cr, 8, -38, 24, -0.2);
    for (auto& p : std::vector<std::pair<double, double>>{{-18, 24}, {18, 28}}) {
        shape(cr, 0xC8203A, [=](cairo_t* c) { ellipse(c, p.first, p.second, 16, 15); });
        shine(cr, p.first - 6, p.second - 5, 3, 6, 0.4);
    }
}

void strawberry(cairo_t* cr)
{
    shape(cr, 0xF0413C, [](cairo_t* c) {
        cairo_move_to(c, 0, 42);
        cairo_curve_to(c, -30, 26, -40, -4, -30, -18);
        cairo_curve_to(c, -18, -30, 18, -30, 30, -18);
        cairo_curve_to(c, 40, -4, 30, 26, 0, 42);
        cairo_close_path(c);
    });
    set_rgb(cr, 0xFFE07A);
    for (int i = 0; i < 11; ++i) {
        const double x = -20 + (i % 4) * 13 + (i / 4 % 2) * 6, y = -8 + (i / 4) * 14;
        if (std::abs(x) > 26 - (y + 8) * 0.5)
            continue;
        ellipse(cr, x, y, 1.6, 2.6);
        cairo_fill(cr);
    }
    for (int i = 0; i < 5; ++i)
        leaf(cr, 0, -22, 18, -kPi / 2 + (i - 2) * 0.6, pal::grass);
}

void avocado(cairo_t* cr)
{
    auto body = [](double s) {
        return [=](cairo_t* c) {
            cairo_move_to(c, 0, -40 * s);
            cairo_curve_to(c, 16 * s, -40 * s, 18 * s, -18 * s, 28 * s, 2 * s);
            cairo_curve_to(c, 40 * s, 30 * s, 20 * s, 44 * s, 0, 44 * s);
            cairo_curve_to(c, -20 * s, 44 * s, -40 * s, 30 * s, -28 * s, 2 * s);
            cairo_curve_to(c, -18 * s, -18 * s, -16 * s, -40 * s, 0, -40 * s);
            cairo_close_path(c);
        };
    };
    shape(cr, 0x3F7A2A, body(1.0));
    cairo_save(cr);
    cairo_translate(cr, 0, 4);
    shape(cr, 0xDDEB8A, body(0.82), 1.2, 0.2);
    cairo_restore(cr);
    shape(cr, 0x8A5230, [](cairo_t* c) { ellipse(c, 0, 16, 14, 15); });
    shine(cr, -4, 11, 3, 5, 0.3);
}

// --- set 2: animals ---------------------------------------------------------------

void cow(cairo_t* cr)
{
    for (int s : {-1, 1}) {
        shape(cr, 0xF2E2C4, [=](cairo_t* c) {
            cairo_move_to(c, s * 18, -30);
            cairo_curve_to(c, s * 26, -46, s * 36, -48, s * 38, -44);
            cairo_curve_to(c, s * 32, -40, s * 28, -34, s * 26, -24);
            cairo_close_path(c);
        }, 1.8);
        shape(cr, pal::white, [=](cairo_t* c) { ellipse(c, s * 38, -18, 14, 8); }, 1.8);
    }
    shape(cr, pal::white, [](cairo_t* c) { ellipse(c, 0, -6, 32, 36); }, kLine, 0.05);
    cairo_save(cr);
    ellipse(cr, 0, -6, 32, 36);
    cairo_clip(cr);
    set_rgb(cr, pal::nose);
    ellipse(cr, -18, -22, 14, 12);
    cairo_fill(cr);
    ellipse(cr, 22, 2, 9, 10);
    cairo_fill(cr);
    cairo_restore(cr);
    shape(cr, 0xFFB3BC, [](cairo_t* c) { ellipse(c, 0, 20, 28, 18); });
    disc(cr, -10, 20, 3.5, 0x8E4A52);
    disc(cr, 10, 20, 3.5, 0x8E4A52);
    eye(cr, -12, -10, 5.5);
    eye(cr, 12, -10, 5.5);
}

void pig(cairo_t* cr)
{
    for (int s : {-1, 1})
        shape(cr, 0xFF9EB8, [=](cairo_t* c) {
            cairo_move_to(c, s * 16, -30);
            cairo_line_to(c, s * 38, -44);
            cairo_line_to(c, s * 34, -18);
            cairo_close_path(c);
        });
    shape(cr, 0xFFB6C9, [](cairo_t* c) { ellipse(c, 0, 0, 38, 34); });
    shape(cr, 0xFF8FAE, [](cairo_t* c) { ellipse(c, 0, 10, 16, 12); });
    disc(cr, -6, 10, 3.2, 0x9A3A56);
    disc(cr, 6, 10, 3.2, 0x9A3A56);
    eye(cr, -16, -10, 5);
    eye(cr, 16, -10, 5);
    smile(cr, 0, 14, 14, 1.6);
    set_rgb(cr, 0xFF6F91, 0.4);
    ellipse(cr, -26, 8, 6, 4);
    ellipse(cr, 26, 8, 6, 4);
    cairo_fill(cr);
}

void chick(cairo_t* cr)
{
    for (int s : {-1, 1})
        stroke_line(cr, 0xFF8A00, 3, [=](cairo_t* c) {
            cairo_move_to(c, s * 10, 34);
            cairo_line_to(c, s * 12, 44);
            cairo_move_to(c, s * 6, 44);
            cairo_line_to(c, s * 18, 44);
        });
    shape(cr, 0xFFD43B, [](cairo_t* c) { ellipse(c, 0, 6, 34, 32); });
    for (int s : {-1, 1})
        shape(cr, 0xFFC21A, [=](cairo_t* c) {
            cairo_move_to(c, s * 30, 0);
            cairo_curve_to(c, s * 44, 4, s * 44, 18, s * 30, 20);
            cairo_close_path(c);
        }, 1.8);
    shape(cr, 0xFFD43B, [](cairo_t* c) {
        cairo_move_to(c, -6, -24);
        cairo_curve_to(c, -8, -38, 4, -40, 0, -30);
        cairo_curve_to(c, 6, -40, 14, -32, 6, -24);
        cairo_close_path(c);
    }, 1.6);
    shape(cr, 0xFF8A00, [](cairo_t* c) {
        cairo_move_to(c, -8, 0);
        cairo_line_to(c, 8, 0);
        cairo_line_to(c, 0, 10);
        cairo_close_path(c);
    }, 1.6);
    eye(cr, -12, -8, 4.5);
    eye(cr, 12, -8, 4.5);
    set_rgb(cr, pal::orange, 0.4);
    ellipse(cr, -20, 6, 5, 3);
    ellipse(cr, 20, 6, 5, 3);
    cairo_fill(cr);
}

void frog(cairo_t* cr)
{
    for (int s : {-1, 1})
        shape(cr, 0x5FC24A, [=](cairo_t* c) { ellipse(c, s * 20, -22, 15, 15); });
    shape(cr, 0x5FC24A, [](cairo_t* c) { ellipse(c, 0, 6, 42, 30); });
    for (int s : {-1, 1}) {
        shape(cr, pal::white, [=](cairo_t* c) { ellipse(c, s * 20, -24, 10, 10); }, 1.6, 0.0);
        eye(cr, s * 20 + s * 2, -23, 5);
    }
    stroke_line(cr, pal::outline, 2.2, [](cairo_t* c) {
        cairo_move_to(c, -24, 10);
        cairo_curve_to(c, -10, 24, 10, 24, 24, 10);
    });
    set_rgb(cr, pal::pink, 0.5);
    ellipse(cr, -30, 12, 6, 4);
    ellipse(cr, 30, 12, 6, 4);
    cairo_fill(cr);
    disc(cr, -5, -2, 1.8, darken(0x5FC24A, 0.5));
    disc(cr, 5, -2, 1.8, darken(0x5FC24A, 0.5));
}

void lion(cairo_t* cr)
{
    shape(cr, 0xD9822B, [](cairo_t* c) {
        for (int i = 0; i < 12; ++i) {
            const double a = i * kPi / 6;
            cairo_new_sub_path(c);
            cairo_arc(c, 32 * std::cos(a), 2 + 32 * std::sin(a), 13, 0, 2 * kPi);
        }
        ellipse(c, 0, 2, 34, 34);
    });
    for (int s : {-1, 1})
        shape(cr, 0xF6C453, [=](cairo_t* c) { ellipse(c, s * 18, -20, 8, 8); }, 1.6);
    shape(cr, 0xF6C453, [](cairo_t* c) { ellipse(c, 0, 4, 26, 26); });
    shape(cr, 0xFFE6A8, [](cairo_t* c) { ellipse(c, 0, 14, 14, 10); }, 1.4);
    shape(cr, 0x6B3E22, [](cairo_t* c) {
        cairo_move_to(c, -6, 6);
        cairo_line_to(c, 6, 6);
        cairo_line_to(c, 0, 12);
        cairo_close_path(c);
    }, 1.2);
    eye(cr, -10, -4, 4);
    eye(cr, 10, -4, 4);
    stroke_line(cr, pal::outline, 1.6, [](cairo_t* c) {
        cairo_move_to(c, 0, 12);
        cairo_line_to(c, 0, 17);
        cairo_move_to(c, -6, 19);
        cairo_curve_to(c, -3, 22, 3, 22, 6, 19);
    });
}

void elephant(cairo_t* cr)
{
    for (int s : {-1, 1}) {
        shape(cr, 0xA9B4C2, [=](cairo_t* c) { ellipse(c, s * 30, -2, 18, 26); });
        shape(cr, 0xF3B6C4, [=](cairo_t* c) { ellipse(c, s * 31, -2, 10, 16); }, 1.2, 0.1);
    }
    shape(cr, 0xA9B4C2, [](cairo_t* c) {
        ellipse(c, 0, -6, 24, 26);
    });
    shape(cr, 0xA9B4C2, [](cairo_t* c) {
        cairo_move_to(c, -9, 8);
        cairo_curve_to(c, -10, 24, -4, 36, 8, 40);
        cairo_curve_to(c, 16, 42, 20, 36, 14, 32);
        cairo_curve_to(c, 6, 30, 8, 20, 9, 8);
        cairo_close_path(c);
    });
    for (int i = 0; i < 3; ++i)
        stroke_line(cr, darken(0xA9B4C2, 0.3), 1.2, [=](cairo_t* c) {
            cairo_move_to(c, -7 + i, 16 + i * 7);
            cairo_line_to(c, 7 - i, 16 + i * 7);
        });
    eye(cr, -10, -10, 4.5);
    eye(cr, 10, -10, 4.5);
}

void fox(cairo_t* cr)
{
    for (int s : {-1, 1}) {
        shape(cr, 0xF27A24, [=](cairo_t* c) {
            cairo_move_to(c, s * 12, -20);
            cairo_line_to(c, s * 32, -44);
            cairo_line_to(c, s * 36, -10);
            cairo_close_path(c);
        });
        shape(cr, pal::nose, [=](cairo_t* c) {
            cairo_move_to(c, s * 22, -24);
            cairo_line_to(c, s * 31, -36);
            cairo_line_to(c, s * 32, -20);
            cairo_close_path(c);
        }, 0);
    }
    shape(cr, 0xF27A24, [](cairo_t* c) {
        cairo_move_to(c, -40, -12);
        cairo_curve_to(c, -30, -30, 30, -30, 40, -12);
        cairo_curve_to(c, 34, 10, 14, 34, 0, 40);
        cairo_curve_to(c, -14, 34, -34, 10, -40, -12);
        cairo_close_path(c);
    });
    shape(cr, pal::white, [](cairo_t* c) {
        cairo_move_to(c, -38, -8);
        cairo_curve_to(c, -24, 4, -10, 8, 0, 14);
        cairo_curve_to(c, 10, 8, 24, 4, 38, -8);
        cairo_curve_to(c, 32, 12, 14, 34, 0, 40);
        cairo_curve_to(c, -14, 34, -32, 12, -38, -8);
        cairo_close_path(c);
    }, 1.4, 0.05);
    disc(cr, 0, 36, 5, pal::nose);
    eye(cr, -14, -8, 4.5);
    eye(cr, 14, -8, 4.5);
}

void penguin(cairo_t* cr)
{
    for (int s : {-1, 1})
        shape(cr, 0xFF9A2E, [=](cairo_t* c) { ellipse(c, s * 12, 40, 11, 5); }, 1.6);
    shape(cr, 0x2B2F3A, [](cairo_t* c) { ellipse(c, 0, 2, 30, 40); }, kLine, 0.25);
    for (int s : {-1, 1})
        shape(cr, 0x2B2F3A, [=](cairo_t* c) {
            cairo_move_to(c, s * 26, -6);
            cairo_curve_to(c, s * 42, 4, s * 42, 20, s * 34, 28);
            cairo_curve_to(c, s * 30, 20, s * 28, 10, s * 26, 6);
            cairo_close_path(c);
        }, 1.8, 0.2);
    shape(cr, pal::white, [](cairo_t* c) {
        cairo_move_to(c, 0, -22);
        cairo_curve_to(c, 16, -30, 22, -14, 20, 0);
        cairo_curve_to(c, 24, 20, 16, 38, 0, 38);
        cairo_curve_to(c, -16, 38, -24, 20, -20, 0);
        cairo_curve_to(c, -22, -14, -16, -30, 0, -22);
        cairo_close_path(c);
    }, 0, 0.05);
    eye(cr, -9, -16, 4);
    eye(cr, 9, -16, 4);
    shape(cr, 0xFF9A2E, [](cairo_t* c) {
        cairo_move_to(c, -7, -8);
        cairo_line_to(c, 7, -8);
        cairo_line_to(c, 0, 0);
        cairo_close_path(c);
    }, 1.4);
    set_rgb(cr, pal::pink, 0.5);
    ellipse(cr, -15, -4, 4, 3);
    ellipse(cr, 15, -4, 4, 3);
    cairo_fill(cr);
}

void owl(cairo_t* cr)
{
    const uint32_t body = 0x8C6BC0;
    shape(cr, body, [](cairo_t* c) {
        cairo_move_to(c, -30, -30);
        cairo_line_to(c, -24, -44);
        cairo_line_to(c, -12, -34);
        cairo_curve_to(c, -4, -36, 4, -36, 12, -34);
        cairo_line_to(c, 24, -44);
        cairo_line_to(c, 30, -30);
        cairo_curve_to(c, 40, -10, 40, 30, 0, 42);
        cairo_curve_to(c, -40, 30, -40, -10, -30, -30);
        cairo_close_path(c);
    });
    shape(cr, lighten(body, 0.5), [](cairo_t* c) { ellipse(c, 0, 18, 18, 20); }, 0, 0.1);
    set_rgb(cr, body, 0.8);
    for (int i = 0; i < 5; ++i) {
        cairo_new_path(cr);
        cairo_arc(cr, -10 + (i % 3) * 10 + (i / 3) * 5, 12 + (i / 3) * 10, 4, 0, kPi);
        cairo_set_line_width(cr, 1.5);
        cairo_stroke(cr);
    }
    for (int s : {-1, 1}) {
        shape(cr, 0xFFD43B, [=](cairo_t* c) { ellipse(c, s * 13, -14, 12, 12); }, 1.8);
        eye(cr, s * 13, -14, 6);
    }
    shape(cr, 0xFF9A2E, [](cairo_t* c) {
        cairo_move_to(c, -5, -6);
        cairo_line_to(c, 5, -6);
        cairo_line_to(c, 0, 4);
        cairo_close_path(c);
    }, 1.4);
}

void ladybug(cairo_t* cr)
{
    for (int s : {-1, 1})
        for (int i = 0; i < 3; ++i)
            stroke_line(cr, pal::outline, 3, [=](cairo_t* c) {
                cairo_move_to(c, s * 20, -6 + i * 14);
                cairo_line_to(c, s * 40, -10 + i * 18);
            });
    for (int s : {-1, 1})
        stroke_line(cr, pal::outline, 2, [=](cairo_t* c) {
            cairo_move_to(c, s * 6, -30);
            cairo_curve_to(c, s * 10, -40, s * 16, -44, s * 20, -42);
        });
    shape(cr, 0x2B2F3A, [](cairo_t* c) { ellipse(c, 0, -24, 16, 12); }, kLine, 0.2);
    for (int s : {-1, 1})
        disc(cr, s * 7, -26, 3.2, pal::white);
    shape(cr, 0xE8322E, [](cairo_t* c) { ellipse(c, 0, 8, 32, 30); });
    stroke_line(cr, pal::outline, 2, [](cairo_t* c) {
        cairo_move_to(c, 0, -20);
        cairo_line_to(c, 0, 38);
    });
    for (auto& p : std::vector<std::pair<double, double>>{{-14, -2}, {14, -2}, {-18, 18}, {18, 18}, {-7, 30}, {7, 30}})
        disc(cr, p.first, p.second, 5, 0x2B2F3A);
    shine(cr, -18, -8, 3, 6, 0.6);
}

void whale(cairo_t* cr)
{
    const uint32_t blue = 0x3F8FE0;
    stroke_line(cr, 0x7CC6F2, 3, [](cairo_t* c) {
        cairo_move_to(c, 8, -22);
        cairo_curve_to(c, 6, -34, -6, -38, -10, -42);
        cairo_move_to(c, 8, -22);
        cairo_curve_to(c, 10, -34, 22, -38, 26, -42);
    });
    shape(cr, blue, [](cairo_t* c) {
        cairo_move_to(c, -30, 10);
        cairo_curve_to(c, -40, 0, -44, -8, -46, -16);
        cairo_curve_to(c, -38, -14, -36, -12, -34, -8);
        cairo_curve_to(c, -34, -16, -38, -22, -34, -28);
        cairo_curve_to(c, -26, -18, -24, -6, -22, 4);
        cairo_close_path(c);
    });
    shape(cr, blue, [](cairo_t* c) {
        cairo_move_to(c, -28, 4);
        cairo_curve_to(c, -24, -22, 30, -26, 42, 0);
        cairo_curve_to(c, 48, 18, 30, 30, 6, 30);
        cairo_curve_to(c, -14, 30, -26, 22, -28, 4);
        cairo_close_path(c);
    });
    cairo_save(cr);
    cairo_move_to(cr, -28, 4);
    cairo_curve_to(cr, -24, -22, 30, -26, 42, 0);
    cairo_curve_to(cr, 48, 18, 30, 30, 6, 30);
    cairo_curve_to(cr, -14, 30, -26, 22, -28, 4);
    cairo_clip(cr);
    set_rgb(cr, 0xCFE9FB);
    ellipse(cr, 10, 30, 34, 14);
    cairo_fill(cr);
    cairo_restore(cr);
    eye(cr, 24, 0, 4);
    smile(cr, 30, 6, 8, 1.6);
    shine(cr, -6, -10, 4, 8, 1.2);
}

void monkey(cairo_t* cr)
{
    const uint32_t fur = 0x9A6038;
    for (int s : {-1, 1}) {
        shape(cr, fur, [=](cairo_t* c) { ellipse(c, s * 36, -2, 12, 14); });
        shape(cr, 0xF2C9A0, [=](cairo_t* c) { ellipse(c, s * 36, -2, 6, 8); }, 0);
    }
    shape(cr, fur, [](cairo_t* c) { ellipse(c, 0, 0, 32, 34); });
    shape(cr, 0xF2C9A0, [](cairo_t* c) {
        ellipse(c, -11, -8, 12, 13);
        ellipse(c, 11, -8, 12, 13);
        ellipse(c, 0, 14, 22, 16);
    }, 0, 0.1);
    eye(cr, -10, -8, 4.5);
    eye(cr, 10, -8, 4.5);
    disc(cr, -3, 8, 1.8, pal::outline);
    disc(cr, 3, 8, 1.8, pal::outline);
    smile(cr, 0, 12, 10, 1.8);
}

void bird(cairo_t* cr)
{
    const uint32_t teal = 0x22B8B0;
    shape(cr, teal, [](cairo_t* c) {
        cairo_move_to(c, -24, 6);
        cairo_line_to(c, -46, -6);
        cairo_line_to(c, -42, 16);
        cairo_close_path(c);
    });
    shape(cr, teal, [](cairo_t* c) { ellipse(c, 0, 4, 32, 30); });
    shape(cr, lighten(teal, 0.6), [](cairo_t* c) { ellipse(c, 6, 16, 18, 14); }, 0, 0.1);
    shape(cr, darken(teal, 0.15), [](cairo_t* c) {
        cairo_move_to(c, -16, -2);
        cairo_curve_to(c, -6, -10, 8, -4, 6, 8);
        cairo_curve_to(c, -4, 16, -16, 10, -16, -2);
        cairo_close_path(c);
    }, 1.6);
    shape(cr, 0xFF9A2E, [](cairo_t* c) {
        cairo_move_to(c, 28, -8);
        cairo_line_to(c, 42, -2);
        cairo_line_to(c, 28, 4);
        cairo_close_path(c);
    }, 1.6);
    eye(cr, 16, -8, 4.5);
    for (int s : {-1, 1})
        stroke_line(cr, 0xFF8A00, 2.5, [=](cairo_t* c) {
            cairo_move_to(c, s * 8, 32);
            cairo_line_to(c, s * 8, 42);
        });
}

void rabbit(cairo_t* cr)
{
    for (int s : {-1, 1}) {
        shape(cr, 0xF4F4F8, [=](cairo_t* c) { ellipse(c, s * 12, -28, 9, 20); });
        shape(cr, 0xFFB3C6, [=](cairo_t* c) { ellipse(c, s * 12, -26, 4.5, 13); }, 0);
    }
    shape(cr, 0xF4F4F8, [](cairo_t* c) { ellipse(c, 0, 12, 32, 28); }, kLine, 0.08);
    eye(cr, -12, 6, 4.5);
    eye(cr, 12, 6, 4.5);
    shape(cr, 0xFF8FAE, [](cairo_t* c) {
        cairo_move_to(c, -5, 14);
        cairo_line_to(c, 5, 14);
        cairo_line_to(c, 0, 20);
        cairo_close_path(c);
    }, 1.2);
    stroke_line(cr, pal::outline, 1.6, [](cairo_t* c) {
        cairo_move_to(c, 0, 20);
        cairo_line_to(c, 0, 24);
        cairo_move_to(c, -6, 26);
        cairo_curve_to(c, -3, 29, 3, 29, 6, 26);
    });
    set_rgb(cr, pal::pink, 0.5);
    ellipse(cr, -20, 18, 5, 3.5);
    ellipse(cr, 20, 18, 5, 3.5);
    cairo_fill(cr);
}

// --- set 3: toys ------------------------------------------------------------------

void teddy(cairo_t* cr)
{
    const uint32_t fur = 0xB77A45;
    for (int s : {-1, 1}) {
        shape(cr, fur, [=](cairo_t* c) { ellipse(c, s * 24, -34, 10, 10); });
        shape(cr, fur, [=](cairo_t* c) { ellipse(c, s * 24, 26, 12, 14); });
        shape(cr, fur, [=](cairo_t* c) { ellipse(c, s * 28, 40, 12, 8); });
    }
    shape(cr, fur, [](cairo_t* c) { ellipse(c, 0, 24, 22, 20); });
    shape(cr, 0xF2D3A8, [](cairo_t* c) { ellipse(c, 0, 26, 12, 11); }, 0, 0.1);
    shape(cr, fur, [](cairo_t* c) { ellipse(c, 0, -16, 28, 24); });
    shape(cr, 0xF2D3A8, [](cairo_t* c) { ellipse(c, 0, -8, 12, 9); }, 1.4);
    disc(cr, 0, -11, 3.5, pal::nose);
    eye(cr, -11, -20, 4);
    eye(cr, 11, -20, 4);
    shape(cr, pal::red, [](cairo_t* c) {
        cairo_move_to(c, 0, 6);
        cairo_line_to(c, -12, 0);
        cairo_line_to(c, -12, 12);
        cairo_close_path(c);
        cairo_move_to(c, 0, 6);
        cairo_line_to(c, 12, 0);
        cairo_line_to(c, 12, 12);
        cairo_close_path(c);
    }, 1.4);
}

void duck(cairo_t* cr)
{
    shape(cr, 0xFFD43B, [](cairo_t* c) {
        cairo_move_to(c, -42, -4);
        cairo_curve_to(c, -36, 4, -30, 6, -20, 4);
        cairo_curve_to(c, -10, -2, 10, -2, 20, 2);
        cairo_curve_to(c, 34, 8, 40, 22, 30, 32);
        cairo_curve_to(c, 14, 44, -26, 42, -36, 26);
        cairo_curve_to(c, -42, 16, -44, 6, -42, -4);
        cairo_close_path(c);
    });
    shape(cr, 0xFFD43B, [](cairo_t* c) { ellipse(c, 14, -18, 20, 19); });
    shape(cr, 0xFF8A00, [](cairo_t* c) {
        cairo_move_to(c, 30, -18);
        cairo_curve_to(c, 44, -20, 48, -12, 44, -8);
        cairo_curve_to(c, 40, -6, 34, -8, 30, -10);
        cairo_close_path(c);
    }, 1.6);
    shape(cr, 0xFFC21A, [](cairo_t* c) {
        cairo_move_to(c, -20, 14);
        cairo_curve_to(c, -10, 6, 10, 10, 12, 20);
        cairo_curve_to(c, 0, 30, -16, 26, -20, 14);
        cairo_close_path(c);
    }, 1.6);
    eye(cr, 18, -22, 4);
    shine(cr, 4, -26, 3, 5, 0.5);
}

void basketball(cairo_t* cr)
{
    shape(cr, 0xF07C24, [](cairo_t* c) { ellipse(c, 0, 0, 38, 38); });
    cairo_save(cr);
    ellipse(cr, 0, 0, 38, 38);
    cairo_clip(cr);
    stroke_line(cr, pal::outline, 2.2, [](cairo_t* c) {
        cairo_move_to(c, -40, 0);
        cairo_line_to(c, 40, 0);
        cairo_move_to(c, 0, -40);
        cairo_line_to(c, 0, 40);
        cairo_move_to(c, -26, -30);
        cairo_curve_to(c, -10, -10, -10, 10, -26, 30);
        cairo_move_to(c, 26, -30);
        cairo_curve_to(c, 10, -10, 10, 10, 26, 30);
    });
    cairo_restore(cr);
    shine(cr, -18, -18, 4, 8, 0.8);
}

void kite(cairo_t* cr)
{
    stroke_line(cr, pal::outline, 1.6, [](cairo_t* c) {
        cairo_move_to(c, 0, 28);
        cairo_curve_to(c, 10, 36, -10, 40, 6, 46);
    });
    for (auto& b : std::vector<std::pair<double, double>>{{4, 36}, {2, 44}})
        shape(cr, pal::sun, [=](cairo_t* c) {
            cairo_move_to(c, b.first, b.second);
            cairo_line_to(c, b.first - 8, b.second - 4);
            cairo_line_to(c, b.first - 8, b.second + 4);
            cairo_close_path(c);
            cairo_move_to(c, b.first, b.second);
            cairo_line_to(c, b.first + 8, b.second - 4);
            cairo_line_to(c, b.first + 8, b.second + 4);
            cairo_close_path(c);
        }, 1.2);
    auto diamond = [](cairo_t* c) {
        cairo_move_to(c, 0, -42);
        cairo_line_to(c, 30, -8);
        cairo_line_to(c, 0, 30);
        cairo_line_to(c, -30, -8);
        cairo_close_path(c);
    };
    shape(cr, 0xE8322E, diamond);
    cairo_save(cr);
    diamond(cr);
    cairo_clip(cr);
    set_rgb(cr, 0xFFD43B);
    cairo_rectangle(cr, 0, -42, 40, 34);
    cairo_rectangle(cr, -40, -8, 40, 40);
    cairo_fill(cr);
    cairo_restore(cr);
    stroke_line(cr, pal::outline, 1.6, [](cairo_t* c) {
        cairo_move_to(c, 0, -42);
        cairo_line_to(c, 0, 30);
        cairo_move_to(c, -30, -8);
        cairo_line_to(c, 30, -8);
    });
    diamond(cr);
    set_rgb(cr, pal::outline);
    cairo_set_line_width(cr, kLine);
    cairo_stroke(cr);
}

void drum(cairo_t* cr)
{
    const uint32_t body = pal::teal;
    for (int s : {-1, 1})
        stick(cr, s * 8, -28, s * 34, -46, 4, 0xE8B878);
    shape(cr, body, [](cairo_t* c) {
        cairo_move_to(c, -34, -14);
        cairo_line_to(c, -34, 22);
        cairo_curve_to(c, -34, 36, 34, 36, 34, 22);
        cairo_line_to(c, 34, -14);
        cairo_close_path(c);
    });
    stroke_line(cr, pal::white, 2, [](cairo_t* c) {
        for (int i = 0; i < 4; ++i) {
            cairo_move_to(c, -30 + i * 17, -8);
            cairo_line_to(c, -22 + i * 17, 24);
            cairo_line_to(c, -14 + i * 17, -8);
        }
    });
    shape(cr, pal::red, [](cairo_t* c) { rounded_rect(c, -36, 20, 72, 9, 4); }, 1.6);
    shape(cr, pal::white, [](cairo_t* c) { ellipse(c, 0, -14, 34, 10); }, kLine, 0.0);
    for (int s : {-1, 1})
        shape(cr, pal::red, [=](cairo_t* c) { ellipse(c, s * 34, -46, 6, 6); }, 1.4);
}

void robot(cairo_t* cr)
{
    const uint32_t metal = 0xB8C2CC;
    stick(cr, 0, -30, 0, -40, 2, pal::outline);
    disc(cr, 0, -42, 4.5, pal::red);
    for (int s : {-1, 1})
        shape(cr, metal, [=](cairo_t* c) { rounded_rect(c, s * 28 - 5, 6, 10, 22, 4); }, 1.6);
    shape(cr, metal, [](cairo_t* c) { rounded_rect(c, -22, 4, 44, 34, 6); });
    shape(cr, pal::sun, [](cairo_t* c) { ellipse(c, -8, 18, 5, 5); }, 1.2);
    shape(cr, pal::red, [](cairo_t* c) { ellipse(c, 8, 18, 5, 5); }, 1.2);
    shape(cr, metal, [](cairo_t* c) { rounded_rect(c, -24, -32, 48, 34, 8); });
    for (int s : {-1, 1}) {
        shape(cr, pal::white, [=](cairo_t* c) { ellipse(c, s * 10, -18, 7, 7); }, 1.4, 0.0);
        disc(cr, s * 10, -18, 3.5, pal::blue);
    }
    shape(cr, 0x5A6470, [](cairo_t* c) { rounded_rect(c, -10, -8, 20, 6, 2); }, 1.2);
}

void spinning_top(cairo_t* cr)
{
    stick(cr, 0, -44, 0, -30, 5, 0x9A6038);
    auto body = [](cairo_t* c) {
        cairo_move_to(c, -38, -14);
        cairo_curve_to(c, -38, -30, 38, -30, 38, -14);
        cairo_curve_to(c, 34, 10, 10, 30, 0, 44);
        cairo_curve_to(c, -10, 30, -34, 10, -38, -14);
        cairo_close_path(c);
    };
    shape(cr, 0x9B5BD3, body);
    cairo_save(cr);
    body(cr);
    cairo_clip(cr);
    set_rgb(cr, pal::pink);
    cairo_rectangle(cr, -40, -10, 80, 10);
    cairo_fill(cr);
    set_rgb(cr, pal::sun);
    cairo_rectangle(cr, -40, 12, 80, 8);
    cairo_fill(cr);
    cairo_restore(cr);
    body(cr);
    set_rgb(cr, pal::outline);
    cairo_set_line_width(cr, kLine);
    cairo_stroke(cr);
    shine(cr, -20, -16, 3, 7, 1.2);
}

void dinosaur(cairo_t* cr)
{
    const uint32_t green = 0x6CC04A;
    for (int i = 0; i < 4; ++i)
        shape(cr, pal::orange, [=](cairo_t* c) {
            const double x = -20 + i * 12, y = -16 - (i == 1 || i == 2 ? 6 : 0);
            cairo_move_to(c, x - 6, y + 6);
            cairo_line_to(c, x, y - 8);
            cairo_line_to(c, x + 6, y + 6);
            cairo_close_path(c);
        }, 1.4);
    shape(cr, green, [](cairo_t* c) {
        cairo_move_to(c, -44, 16);
        cairo_curve_to(c, -30, 12, -30, -14, -8, -16);
        cairo_curve_to(c, 10, -18, 16, -8, 20, -16);
        cairo_curve_to(c, 22, -34, 46, -34, 46, -18);
        cairo_curve_to(c, 46, -8, 36, -6, 28, -4);
        cairo_curve_to(c, 26, 6, 24, 14, 18, 22);
        cairo_line_to(c, 18, 38);
        cairo_line_to(c, 8, 38);
        cairo_line_to(c, 6, 26);
        cairo_line_to(c, -12, 26);
        cairo_line_to(c, -14, 38);
        cairo_line_to(c, -24, 38);
        cairo_line_to(c, -24, 24);
        cairo_curve_to(c, -32, 22, -38, 20, -44, 16);
        cairo_close_path(c);
    });
    shape(cr, lighten(green, 0.5), [](cairo_t* c) { ellipse(c, -2, 8, 14, 10); }, 0, 0.1);
    eye(cr, 34, -22, 3.5);
    stroke_line(cr, pal::outline, 1.4, [](cairo_t* c) {
        cairo_move_to(c, 34, -12);
        cairo_curve_to(c, 38, -9, 42, -10, 44, -13);
    });
}

void doll(cairo_t* cr)
{
    shape(cr, 0xFFD43B, [](cairo_t* c) {
        ellipse(c, 0, -24, 22, 20);
        rounded_rect(c, -22, -24, 44, 30, 8);
    });
    for (int s : {-1, 1})
        stick(cr, s * 8, 30, s * 9, 42, 5, 0xFFE0C4);
    shape(cr, pal::pink, [](cairo_t* c) {
        cairo_move_to(c, -10, -2);
        cairo_line_to(c, 10, -2);
        cairo_line_to(c, 30, 34);
        cairo_curve_to(c, 10, 40, -10, 40, -30, 34);
        cairo_close_path(c);
    });
    set_rgb(cr, pal::white, 0.85);
    for (int i = 0; i < 3; ++i) {
        ellipse(cr, -12 + i * 12, 24, 3, 3);
        cairo_fill(cr);
    }
    for (int s : {-1, 1})
        stick(cr, s * 10, 2, s * 24, 16, 5, 0xFFE0C4);
    shape(cr, 0xFFE0C4, [](cairo_t* c) { ellipse(c, 0, -20, 15, 16); });
    shape(cr, 0xFFD43B, [](cairo_t* c) {
        cairo_move_to(c, -16, -22);
        cairo_curve_to(c, -14, -40, 14, -40, 16, -22);
        cairo_curve_to(c, 6, -30, -6, -30, -16, -22);
        cairo_close_path(c);
    }, 1.4);
    shape(cr, pal::pink, [](cairo_t* c) {
        cairo_move_to(c, 12, -34);
        cairo_line_to(c, 24, -40);
        cairo_line_to(c, 24, -28);
        cairo_close_path(c);
    }, 1.2);
    eye(cr, -6, -20, 2.6);
    eye(cr, 6, -20, 2.6);
    smile(cr, 0, -16, 5, 1.3);
}

void blocks(cairo_t* cr)
{
    auto cube = [&](double x, double y, double e, uint32_t col, int sym) {
        const double d = e * 0.28;
        shape(cr, lighten(col, 0.3), [=](cairo_t* c) {
            cairo_move_to(c, x, y);
            cairo_line_to(c, x + d, y - d);
            cairo_line_to(c, x + e + d, y - d);
            cairo_line_to(c, x + e, y);
            cairo_close_path(c);
        }, 1.6);
        shape(cr, darken(col, 0.2), [=](cairo_t* c) {
            cairo_move_to(c, x + e, y);
            cairo_line_to(c, x + e + d, y - d);
            cairo_line_to(c, x + e + d, y + e - d);
            cairo_line_to(c, x + e, y + e);
            cairo_close_path(c);
        }, 1.6);
        shape(cr, col, [=](cairo_t* c) { cairo_rectangle(c, x, y, e, e); }, 1.8);
        set_rgb(cr, pal::white);
        if (sym == 0)
            star_path(cr, x + e / 2, y + e / 2, e * 0.32, e * 0.14, 5);
        else if (sym == 1)
            heart_path(cr, x + e / 2, y + e / 2, e * 0.26);
        else
            ellipse(cr, x + e / 2, y + e / 2, e * 0.24, e * 0.24);
        cairo_fill(cr);
    };
    cube(-40, 4, 34, pal::red, 0);
    cube(-4, 4, 34, pal::blue, 1);
    cube(-22, -32, 34, pal::sun, 2);
}

void xylophone(cairo_t* cr)
{
    const uint32_t bars[] = {pal::red, pal::orange, pal::sun, pal::grass, pal::blue, pal::violet};
    shape(cr, 0x9A6038, [](cairo_t* c) {
        cairo_move_to(c, -42, -12);
        cairo_line_to(c, 42, -4);
        cairo_line_to(c, 42, 6);
        cairo_line_to(c, -42, 20);
        cairo_close_path(c);
    }, 1.6);
    for (int i = 0; i < 6; ++i) {
        const double x = -38 + i * 13.5, h = 42 - i * 4;
        shape(cr, bars[i], [=](cairo_t* c) { rounded_rect(c, x, -h / 2 + 2 + i * 0.8, 11, h, 3); }, 1.6);
        disc(cr, x + 5.5, -h / 2 + 8 + i * 0.8, 1.8, pal::white);
    }
    stick(cr, 10, 30, 36, 40, 3, 0xE8B878);
    shape(cr, pal::red, [](cairo_t* c) { ellipse(c, 8, 29, 6, 6); }, 1.4);
}

void pinwheel(cairo_t* cr)
{
    stick(cr, 0, 0, 4, 46, 4, 0xE8B878);
    const uint32_t cols[] = {pal::red, pal::sun, pal::blue, pal::grass};
    for (int i = 0; i < 4; ++i) {
        cairo_save(cr);
        cairo_translate(cr, 0, -6);
        cairo_rotate(cr, i * kPi / 2 + 0.3);
        shape(cr, cols[i], [](cairo_t* c) {
            cairo_move_to(c, 0, 0);
            cairo_line_to(c, 0, -36);
            cairo_curve_to(c, 20, -30, 26, -14, 22, -4);
            cairo_close_path(c);
        }, 1.8);
        cairo_restore(cr);
    }
    shape(cr, pal::white, [](cairo_t* c) { ellipse(c, 0, -6, 5, 5); }, 1.6);
}

void soccer(cairo_t* cr)
{
    shape(cr, pal::white, [](cairo_t* c) { ellipse(c, 0, 0, 38, 38); }, kLine, 0.05);
    cairo_save(cr);
    ellipse(cr, 0, 0, 38, 38);
    cairo_clip(cr);
    auto pent = [&](double cx, double cy, double r, double turn) {
        star_path(cr, cx, cy, r, r * 0.81, 5, turn);
        set_rgb(cr, 0x2B2F3A);
        cairo_fill(cr);
    };
    pent(0, 0, 13, 0);
    for (int i = 0; i < 5; ++i) {
        const double a = -kPi / 2 + i * 2 * kPi / 5;
        pent(34 * std::cos(a), 34 * std::sin(a), 12, kPi / 5);
        stroke_line(cr, pal::outline, 1.6, [=](cairo_t* c) {
            cairo_move_to(c, 11 * std::cos(a), 11 * std::sin(a));
            cairo_line_to(c, 24 * std::cos(a), 24 * std::sin(a));
        });
    }
    cairo_restore(cr);
    shine(cr, -18, -20, 4, 7, 0.8);
}

void yoyo(cairo_t* cr)
{
    stroke_line(cr, pal::outline, 1.8, [](cairo_t* c) {
        cairo_move_to(c, 0, 0);
        cairo_curve_to(c, 8, -20, -6, -34, 4, -46);
    });
    shape(cr, 0x4FB8F0, [](cairo_t* c) { ellipse(c, 0, 4, 36, 36); });
    shape(cr, lighten(0x4FB8F0, 0.4), [](cairo_t* c) { ellipse(c, 0, 4, 22, 22); }, 1.6);
    set_rgb(cr, pal::white, 0.9);
    star_path(cr, 0, 4, 12, 5, 5);
    cairo_fill(cr);
    shape(cr, 0x2D7FC0, [](cairo_t* c) { ellipse(c, 0, 4, 4, 4); }, 1.2);
    stroke_line(cr, pal::outline, 1.8, [](cairo_t* c) {
        cairo_move_to(c, 0, 0);
        cairo_line_to(c, 0, 4);
    });
    shine(cr, -20, -12, 3, 7, 0.6);
}

// --- set 4: vehicles --------------------------------------------------------------

void car(cairo_t* cr)
{
    const uint32_t blue = 0x3F7FE0;
    shape(cr, blue, [](cairo_t* c) {
        cairo_move_to(c, -26, -4);
        cairo_line_to(c, -16, -26);
        cairo_line_to(c, 16, -26);
        cairo_line_to(c, 30, -4);
        cairo_close_path(c);
    });
    shape(cr, 0xCFEFFF, [](cairo_t* c) {
        cairo_move_to(c, -20, -6);
        cairo_line_to(c, -13, -21);
        cairo_line_to(c, -2, -21);
        cairo_line_to(c, -2, -6);
        cairo_close_path(c);
        cairo_move_to(c, 3, -6);
        cairo_line_to(c, 3, -21);
        cairo_line_to(c, 13, -21);
        cairo_line_to(c, 23, -6);
        cairo_close_path(c);
    }, 1.4, 0.2);
    shape(cr, blue, [](cairo_t* c) { rounded_rect(c, -44, -6, 88, 26, 10); });
    shape(cr, pal::sun, [](cairo_t* c) { ellipse(c, 40, 4, 4, 5); }, 1.2);
    wheel(cr, -24, 20, 11);
    wheel(cr, 24, 20, 11);
}

void bus(cairo_t* cr)
{
    shape(cr, 0xFFC93B, [](cairo_t* c) { rounded_rect(c, -46, -30, 92, 50, 10); });
    for (int i = 0; i < 3; ++i)
        shape(cr, 0xCFEFFF, [=](cairo_t* c) { rounded_rect(c, -40 + i * 22, -24, 17, 16, 3); }, 1.4, 0.2);
    shape(cr, 0xCFEFFF, [](cairo_t* c) { rounded_rect(c, 26, -24, 14, 34, 3); }, 1.4, 0.2);
    set_rgb(cr, pal::red);
    cairo_rectangle(cr, -45, 0, 70, 5);
    cairo_fill(cr);
    shape(cr, pal::white, [](cairo_t* c) { ellipse(c, 42, 12, 3, 4); }, 1.2);
    wheel(cr, -26, 20, 11);
    wheel(cr, 22, 20, 11);
}

void train(cairo_t* cr)
{
    const uint32_t violet = 0x8A5CD0;
    shape(cr, pal::white, [](cairo_t* c) {
        ellipse(c, 20, -40, 8, 6);
        ellipse(c, 30, -44, 10, 7);
    }, 1.4, 0.0);
    shape(cr, 0x4A4A56, [](cairo_t* c) {
        cairo_move_to(c, 12, -14);
        cairo_line_to(c, 10, -32);
        cairo_line_to(c, 26, -32);
        cairo_line_to(c, 22, -14);
        cairo_close_path(c);
    }, 1.6);
    shape(cr, violet, [](cairo_t* c) { rounded_rect(c, -44, -36, 34, 50, 5); });
    shape(cr, 0xCFEFFF, [](cairo_t* c) { rounded_rect(c, -38, -28, 22, 16, 3); }, 1.4, 0.2);
    shape(cr, pal::red, [](cairo_t* c) { rounded_rect(c, -48, -42, 42, 9, 3); }, 1.6);
    shape(cr, violet, [](cairo_t* c) { rounded_rect(c, -12, -16, 52, 30, 10); });
    shape(cr, pal::sun, [](cairo_t* c) { ellipse(c, 40, -2, 5, 7); }, 1.4);
    shape(cr, pal::red, [](cairo_t* c) {
        cairo_move_to(c, 34, 12);
        cairo_line_to(c, 48, 26);
        cairo_line_to(c, 34, 26);
        cairo_close_path(c);
    }, 1.4);
    wheel(cr, -28, 22, 10);
    wheel(cr, 0, 22, 9);
    wheel(cr, 22, 22, 9);
}

void plane(cairo_t* cr)
{
    const uint32_t body = 0x7CC8F4;
    shape(cr, body, [](cairo_t* c) {
        cairo_move_to(c, -30, -6);
        cairo_line_to(c, -44, -28);
        cairo_line_to(c, -34, -28);
        cairo_line_to(c, -16, -8);
        cairo_close_path(c);
    });
    shape(cr, pal::white, [](cairo_t* c) {
        cairo_move_to(c, -44, -6);
        cairo_curve_to(c, -20, -14, 20, -14, 38, -8);
        cairo_curve_to(c, 50, -4, 50, 8, 38, 10);
        cairo_curve_to(c, 20, 14, -20, 12, -44, 4);
        cairo_close_path(c);
    }, kLine, 0.1);
    shape(cr, body, [](cairo_t* c) {
        cairo_move_to(c, -8, 2);
        cairo_line_to(c, 14, 2);
        cairo_line_to(c, -6, 36);
        cairo_line_to(c, -18, 36);
        cairo_close_path(c);
    });
    for (int i = 0; i < 4; ++i)
        disc(cr, -22 + i * 11, -2, 3, 0x3F7FE0);
    shape(cr, 0x3F7FE0, [](cairo_t* c) {
        cairo_move_to(c, 34, -9);
        cairo_curve_to(c, 42, -8, 46, -4, 46, 0);
        cairo_line_to(c, 34, 0);
        cairo_close_path(c);
    }, 1.2);
    shape(cr, body, [](cairo_t* c) {
        cairo_move_to(c, -4, -10);
        cairo_line_to(c, 10, -10);
        cairo_line_to(c, -2, -34);
        cairo_line_to(c, -12, -34);
        cairo_close_path(c);
    });
}

void sailboat(cairo_t* cr)
{
    stick(cr, 0, -44, 0, 14, 3, 0x9A6038);
    shape(cr, pal::white, [](cairo_t* c) {
        cairo_move_to(c, -4, -40);
        cairo_line_to(c, -4, 8);
        cairo_line_to(c, -38, 8);
        cairo_close_path(c);
    }, kLine, 0.05);
    shape(cr, pal::white, [](cairo_t* c) {
        cairo_move_to(c, 4, -32);
        cairo_line_to(c, 4, 8);
        cairo_line_to(c, 30, 8);
        cairo_close_path(c);
    }, kLine, 0.05);
    shape(cr, pal::red, [](cairo_t* c) {
        cairo_move_to(c, 2, -44);
        cairo_line_to(c, 16, -40);
        cairo_line_to(c, 2, -36);
        cairo_close_path(c);
    }, 1.2);
    shape(cr, 0x2E4A8C, [](cairo_t* c) {
        cairo_move_to(c, -44, 12);
        cairo_line_to(c, 44, 12);
        cairo_line_to(c, 32, 30);
        cairo_line_to(c, -32, 30);
        cairo_close_path(c);
    });
    set_rgb(cr, pal::white);
    cairo_rectangle(cr, -40, 17, 80, 3);
    cairo_fill(cr);
    stroke_line(cr, 0x4FB8F0, 3, [](cairo_t* c) {
        for (double x = -46; x <= 46; x += 4)
            cairo_line_to(c, x, 38 + 3 * std::sin(x * 0.3));
    });
}

void helicopter(cairo_t* cr)
{
    const uint32_t orange = 0xFF8A2A;
    shape(cr, orange, [](cairo_t* c) {
        cairo_move_to(c, 0, -6);
        cairo_line_to(c, 44, -12);
        cairo_line_to(c, 44, -4);
        cairo_line_to(c, 0, 10);
        cairo_close_path(c);
    });
    shape(cr, orange, [](cairo_t* c) { ellipse(c, 44, -10, 6, 6); }, 1.4);
    stroke_line(cr, pal::outline, 2, [](cairo_t* c) {
        cairo_move_to(c, -14, 22);
        cairo_line_to(c, -16, 32);
        cairo_move_to(c, 10, 22);
        cairo_line_to(c, 12, 32);
    });
    shape(cr, 0x5A6470, [](cairo_t* c) { rounded_rect(c, -34, 30, 56, 6, 3); }, 1.4);
    shape(cr, orange, [](cairo_t* c) { ellipse(c, -8, 4, 28, 22); });
    shape(cr, 0xCFEFFF, [](cairo_t* c) {
        cairo_move_to(c, -34, 2);
        cairo_curve_to(c, -32, -10, -24, -16, -12, -16);
        cairo_line_to(c, -12, 2);
        cairo_close_path(c);
    }, 1.4, 0.2);
    shape(cr, 0x5A6470, [](cairo_t* c) { rounded_rect(c, -11, -24, 6, 8, 2); }, 1.2);
    shape(cr, 0x5A6470, [](cairo_t* c) { rounded_rect(c, -48, -30, 80, 6, 3); }, 1.4);
}

void tractor(cairo_t* cr)
{
    const uint32_t green = 0x3FA83D;
    stick(cr, 14, -16, 14, -30, 4, 0x5A6470);
    shape(cr, green, [](cairo_t* c) { rounded_rect(c, -4, -14, 42, 24, 6); });
    shape(cr, green, [](cairo_t* c) {
        cairo_move_to(c, -36, 10);
        cairo_line_to(c, -36, -36);
        cairo_line_to(c, 0, -36);
        cairo_line_to(c, 0, 10);
        cairo_close_path(c);
    });
    shape(cr, 0xCFEFFF, [](cairo_t* c) { rounded_rect(c, -30, -30, 24, 20, 3); }, 1.4, 0.2);
    shape(cr, 0x2F2F38, [](cairo_t* c) { ellipse(c, -22, 18, 22, 22); }, kLine, 0.2);
    shape(cr, pal::sun, [](cairo_t* c) { ellipse(c, -22, 18, 10, 10); }, 1.6);
    shape(cr, 0x2F2F38, [](cairo_t* c) { ellipse(c, 28, 26, 13, 13); }, kLine, 0.2);
    shape(cr, pal::sun, [](cairo_t* c) { ellipse(c, 28, 26, 6, 6); }, 1.4);
}

void fire_engine(cairo_t* cr)
{
    const uint32_t red = 0xE8322E;
    shape(cr, 0xD8D8E0, [](cairo_t* c) { rounded_rect(c, -46, -30, 58, 10, 2); }, 1.6);
    stroke_line(cr, pal::outline, 1.4, [](cairo_t* c) {
        for (int i = 1; i < 6; ++i) {
            cairo_move_to(c, -46 + i * 9.6, -30);
            cairo_line_to(c, -46 + i * 9.6, -20);
        }
    });
    shape(cr, red, [](cairo_t* c) { rounded_rect(c, -46, -20, 64, 36, 5); });
    shape(cr, red, [](cairo_t* c) {
        cairo_move_to(c, 16, 16);
        cairo_line_to(c, 16, -24);
        cairo_line_to(c, 34, -24);
        cairo_line_to(c, 46, -4);
        cairo_line_to(c, 46, 16);
        cairo_close_path(c);
    });
    shape(cr, 0xCFEFFF, [](cairo_t* c) {
        cairo_move_to(c, 22, -4);
        cairo_line_to(c, 22, -18);
        cairo_line_to(c, 32, -18);
        cairo_line_to(c, 40, -4);
        cairo_close_path(c);
    }, 1.4, 0.2);
    shape(cr, 0x4FB8F0, [](cairo_t* c) { rounded_rect(c, 22, -30, 10, 7, 3); }, 1.2);
    shape(cr, pal::sun, [](cairo_t* c) { rounded_rect(c, -40, -6, 48, 6, 2); }, 1.2);
    wheel(cr, -28, 18, 11);
    wheel(cr, 28, 18, 11);
}

void bicycle(cairo_t* cr)
{
    const uint32_t pink = 0xFF6FB0;
    for (int s : {-1, 1}) {
        shape(cr, pal::white, [=](cairo_t* c) { ellipse(c, s * 26, 14, 18, 18); }, kLine, 0.0);
        cairo_save(cr);
        set_rgb(cr, 0x2F2F38);
        cairo_set_line_width(cr, 4);
        ellipse(cr, s * 26, 14, 16, 16);
        cairo_stroke(cr);
        cairo_restore(cr);
        disc(cr, s * 26, 14, 3, 0x5A6470);
    }
    stroke_line(cr, pal::outline, 7, [](cairo_t* c) {
        cairo_move_to(c, -26, 14);
        cairo_line_to(c, -8, -12);
        cairo_line_to(c, 18, -12);
        cairo_line_to(c, 26, 14);
        cairo_move_to(c, -26, 14);
        cairo_line_to(c, 2, 14);
        cairo_line_to(c, 18, -12);
        cairo_move_to(c, -8, -12);
        cairo_line_to(c, 2, 14);
        cairo_move_to(c, 18, -12);
        cairo_line_to(c, 16, -24);
    });
    stroke_line(cr, pink, 4, [](cairo_t* c) {
        cairo_move_to(c, -26, 14);
        cairo_line_to(c, -8, -12);
        cairo_line_to(c, 18, -12);
        cairo_line_to(c, 26, 14);
        cairo_move_to(c, -26, 14);
        cairo_line_to(c, 2, 14);
        cairo_line_to(c, 18, -12);
        cairo_move_to(c, -8, -12);
        cairo_line_to(c, 2, 14);
        cairo_move_to(c, 18, -12);
        cairo_line_to(c, 16, -24);
    });
    shape(cr, 0x2F2F38, [](cairo_t* c) { rounded_rect(c, -18, -20, 18, 6, 3); }, 1.2);
    shape(cr, 0x2F2F38, [](cairo_t* c) { rounded_rect(c, 10, -28, 16, 6, 3); }, 1.2);
}

void scooter(cairo_t* cr)
{
    const uint32_t teal = pal::teal;
    stick(cr, 24, 20, 18, -34, 5, 0x5A6470);
    shape(cr, teal, [](cairo_t* c) { rounded_rect(c, 6, -40, 26, 8, 4); }, 1.6);
    shape(cr, teal, [](cairo_t* c) { rounded_rect(c, -34, 12, 60, 9, 4); });
    wheel(cr, -30, 24, 10);
    wheel(cr, 26, 24, 10);
    set_rgb(cr, pal::white, 0.7);
    cairo_rectangle(cr, -28, 14, 40, 2);
    cairo_fill(cr);
}

void hot_air_balloon(cairo_t* cr)
{
    stroke_line(cr, pal::outline, 1.4, [](cairo_t* c) {
        cairo_move_to(c, -14, 18);
        cairo_line_to(c, -9, 30);
        cairo_move_to(c, 14, 18);
        cairo_line_to(c, 9, 30);
    });
    shape(cr, 0xB8834F, [](cairo_t* c) { rounded_rect(c, -11, 29, 22, 14, 3); }, 1.6);
    auto env = [](cairo_t* c) {
        cairo_move_to(c, 0, -44);
        cairo_curve_to(c, 36, -44, 42, -10, 32, 2);
        cairo_curve_to(c, 24, 12, 16, 18, 14, 22);
        cairo_line_to(c, -14, 22);
        cairo_curve_to(c, -16, 18, -24, 12, -32, 2);
        cairo_curve_to(c, -42, -10, -36, -44, 0, -44);
        cairo_close_path(c);
    };
    shape(cr, pal::red, env);
    cairo_save(cr);
    env(cr);
    cairo_clip(cr);
    const uint32_t stripes[] = {pal::orange, pal::sun, pal::grass, pal::blue};
    for (int i = 0; i < 4; ++i) {
        set_rgb(cr, stripes[i]);
        cairo_rectangle(cr, (i - 1.5) * 16 - 5, -50, 10, 80);
        cairo_fill(cr);
    }
    cairo_restore(cr);
    env(cr);
    set_rgb(cr, pal::outline);
    cairo_set_line_width(cr, kLine);
    cairo_stroke(cr);
    shine(cr, -18, -24, 4, 8, 0.4);
}

void rocket(cairo_t* cr)
{
    shape(cr, pal::sun, [](cairo_t* c) {
        cairo_move_to(c, -8, 26);
        cairo_curve_to(c, -10, 36, -4, 44, 0, 48);
        cairo_curve_to(c, 4, 44, 10, 36, 8, 26);
        cairo_close_path(c);
    }, 1.4);
    for (int s : {-1, 1})
        shape(cr, pal::red, [=](cairo_t* c) {
            cairo_move_to(c, s * 12, 0);
            cairo_line_to(c, s * 28, 26);
            cairo_line_to(c, s * 10, 22);
            cairo_close_path(c);
        });
    shape(cr, 0xF4F4F8, [](cairo_t* c) {
        cairo_move_to(c, 0, -46);
        cairo_curve_to(c, 20, -30, 18, 10, 13, 28);
        cairo_line_to(c, -13, 28);
        cairo_curve_to(c, -18, 10, -20, -30, 0, -46);
        cairo_close_path(c);
    }, kLine, 0.1);
    shape(cr, pal::red, [](cairo_t* c) {
        cairo_move_to(c, 0, -46);
        cairo_curve_to(c, 8, -40, 12, -32, 13, -28);
        cairo_line_to(c, -13, -28);
        cairo_curve_to(c, -12, -32, -8, -40, 0, -46);
        cairo_close_path(c);
    }, 1.6);
    shape(cr, 0x4FB8F0, [](cairo_t* c) { ellipse(c, 0, -8, 8, 8); }, 1.8);
}

void motorbike(cairo_t* cr)
{
    wheel(cr, -28, 18, 14);
    wheel(cr, 28, 18, 14);
    shape(cr, 0x3A3A48, [](cairo_t* c) {
        cairo_move_to(c, -30, 4);
        cairo_line_to(c, -14, -8);
        cairo_line_to(c, 14, -8);
        cairo_line_to(c, 24, 4);
        cairo_line_to(c, 8, 14);
        cairo_line_to(c, -20, 14);
        cairo_close_path(c);
    });
    shape(cr, 0x5A6470, [](cairo_t* c) { rounded_rect(c, -24, -16, 24, 9, 4); }, 1.6);
    stick(cr, 16, -6, 28, 18, 4, 0x8C96A0);
    stick(cr, 16, -6, 18, -22, 4, 0x8C96A0);
    shape(cr, 0x2F2F38, [](cairo_t* c) { rounded_rect(c, 10, -26, 18, 6, 3); }, 1.2);
    shape(cr, pal::sun, [](cairo_t* c) { ellipse(c, 28, -8, 5, 5); }, 1.2);
    set_rgb(cr, pal::red);
    cairo_rectangle(cr, -14, -4, 22, 3);
    cairo_fill(cr);
}

void rowing_boat(cairo_t* cr)
{
    stick(cr, -40, -16, 4, 18, 4, 0xE8B878);
    stick(cr, 40, -16, -4, 18, 4, 0xE8B878);
    shape(cr, 0xA9693A, [](cairo_t* c) {
        cairo_move_to(c, -46, -2);
        cairo_line_to(c, 46, -2);
        cairo_curve_to(c, 40, 18, 24, 26, 0, 26);
        cairo_curve_to(c, -24, 26, -40, 18, -46, -2);
        cairo_close_path(c);
    });
    stroke_line(cr, darken(0xA9693A, 0.35), 1.4, [](cairo_t* c) {
        cairo_move_to(c, -40, 8);
        cairo_curve_to(c, -20, 12, 20, 12, 40, 8);
        cairo_move_to(c, -30, 17);
        cairo_curve_to(c, -14, 20, 14, 20, 30, 17);
    });
    shape(cr, 0xD99A5E, [](cairo_t* c) { rounded_rect(c, -46, -6, 92, 6, 3); }, 1.6);
    stroke_line(cr, 0x4FB8F0, 3, [](cairo_t* c) {
        for (double x = -46; x <= 46; x += 4)
            cairo_line_to(c, x, 34 + 3 * std::sin(x * 0.3));
    });
}

using Draw = void (*)(cairo_t*);
const Draw kObjects[4][kFaces] = {
    {apple, banana, pear, grapes, orange, watermelon, kiwi, pineapple, peach, blueberries, coconut, cherries,
     strawberry, avocado},
    {cow, pig, chick, frog, lion, elephant, fox, penguin, owl, ladybug, whale, monkey, bird, rabbit},
    {teddy, duck, basketball, kite, drum, robot, spinning_top, dinosaur, doll, blocks, xylophone, pinwheel, soccer,
     yoyo},
    {car, bus, train, plane, sailboat, helicopter, tractor, fire_engine, bicycle, scooter, hot_air_balloon, rocket,
     motorbike, rowing_boat},
};

// --- cards --------------------------------------------------------------------------

// The white card with its coloured rounded rim, in card pixels (0, 0)-(118, 116).
void card_frame(cairo_t* cr, uint32_t rim, uint32_t ground)
{
    set_rgb(cr, pal::white);
    cairo_rectangle(cr, 0, 0, kCardW, kCardH);
    cairo_fill(cr);
    auto inner = [](cairo_t* c) { rounded_rect(c, 4.5, 4.5, kCardW - 9, kCardH - 9, 12); };
    inner(cr);
    set_vertical_gradient(cr, 4, kCardH - 4, lighten(ground, 0.5), ground);
    cairo_fill(cr);
    inner(cr);
    set_rgb(cr, rim);
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);
    cairo_save(cr);
    cairo_set_line_width(cr, 1.2);
    set_rgb(cr, darken(rim, 0.35));
    rounded_rect(cr, 2.5, 2.5, kCardW - 5, kCardH - 5, 14);
    cairo_stroke(cr);
    cairo_restore(cr);
}

// Face i (0-based) of set s (1-based), drawn in card pixels on any context.
void draw_face(cairo_t* cr, int s, int i)
{
    cairo_save(cr);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    card_frame(cr, kSetColours[size_t(s - 1)], kTints[size_t(i) % kTints.size()]);
    // A soft floor shadow under the object.
    set_rgb(cr, 0x1A0F08, 0.12);
    ellipse(cr, kCardW / 2.0, 100, 34, 6);
    cairo_fill(cr);
    cairo_translate(cr, kCardW / 2.0, kCardH / 2.0 + 1);
    kObjects[s - 1][i](cr);
    cairo_restore(cr);
}

void paw_print(cairo_t* cr, double x, double y, double s, uint32_t col)
{
    set_rgb(cr, col);
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, s, s);
    cairo_move_to(cr, 0, -2);
    cairo_curve_to(cr, 10, -2, 16, 8, 14, 13);
    cairo_curve_to(cr, 12, 18, 4, 16, 0, 16);
    cairo_curve_to(cr, -4, 16, -12, 18, -14, 13);
    cairo_curve_to(cr, -16, 8, -10, -2, 0, -2);
    cairo_close_path(cr);
    cairo_fill(cr);
    const double toes[][2] = {{-15, -9}, {-6, -17}, {6, -17}, {15, -9}};
    for (auto& t : toes) {
        ellipse(cr, t[0], t[1], 4.6, 5.8);
        cairo_fill(cr);
    }
    cairo_restore(cr);
}

// The back: Bafo's orange with cream dots and his paw print in a round badge.
void draw_back(cairo_t* cr)
{
    cairo_save(cr);
    card_frame(cr, 0xE07A1F, pal::fur);
    auto inner = [](cairo_t* c) { rounded_rect(c, 6.5, 6.5, kCardW - 13, kCardH - 13, 10); };
    inner(cr);
    cairo_clip(cr);
    for (int row = 0; row < 9; ++row)
        for (int col = 0; col < 9; ++col) {
            const double x = 4 + col * 14 + (row % 2) * 7, y = 4 + row * 14;
            set_rgb(cr, pal::muzzle, 0.55);
            cairo_arc(cr, x, y, 2.6, 0, 2 * kPi);
            cairo_fill(cr);
        }
    for (auto& p : std::vector<std::pair<double, double>>{{20, 20}, {98, 20}, {20, 96}, {98, 96}})
        paw_print(cr, p.first, p.second, 0.42, 0xC9651A);
    cairo_restore(cr);
    paint_shape(cr, [](cairo_t* c) { ellipse(c, kCardW / 2.0, kCardH / 2.0, 32, 32); },
                Style{pal::muzzle, 0.3, pal::outline, 2.2, true, 2, 0.2});
    paw_print(cr, kCardW / 2.0, kCardH / 2.0 + 3, 1.2, pal::ear);
}

Canvas face_card(int s, int i)
{
    Canvas c(kCardW, kCardH);
    draw_face(c.cr(), s, i);
    return c;
}

// --- the set chooser ----------------------------------------------------------------

// Which three faces each set shows in its fan: left, middle (on top), right.
constexpr int kFan[4][3] = {{1, 0, 3}, {4, 2, 3}, {1, 0, 2}, {3, 0, 2}};

void tray_and_fan(Canvas& c, int set, double cx, double cy, bool lit, const Box& within)
{
    cairo_t* cr = c.cr();
    const uint32_t col = kSetColours[size_t(set - 1)];
    const double half = lit ? 99 : 95;
    auto tray = [=](cairo_t* g) { rounded_rect(g, cx - half, cy - half, 2 * half, 2 * half, 26); };
    if (lit)
        glow(c, tray, pal::glow, 12, 1.8, &within);
    paint_shape(cr, tray, Style{lighten(col, lit ? 0.62 : 0.72), 0.0, darken(col, 0.2), 3, !lit, 3, 0.25});
    // A dotted inner seam, like a felt tray.
    cairo_save(cr);
    const double in = half - 9;
    rounded_rect(cr, cx - in, cy - in, 2 * in, 2 * in, 19);
    const double dash[] = {2, 6};
    cairo_set_dash(cr, dash, 2, 0);
    cairo_set_line_width(cr, 2);
    set_rgb(cr, lighten(col, 0.15), 0.7);
    cairo_stroke(cr);
    cairo_restore(cr);
    const double scale = lit ? 0.8 : 0.76;
    const double spread = lit ? 50 : 44, tilt = lit ? 0.3 : 0.24;
    for (int k : {0, 2, 1}) {
        const int side = k - 1;
        cairo_save(cr);
        cairo_translate(cr, cx + side * spread, cy + 2 + std::abs(side) * 10);
        cairo_rotate(cr, side * tilt);
        cairo_scale(cr, scale, scale);
        cairo_translate(cr, -kCardW / 2.0, -kCardH / 2.0);
        // Card shadow, then the card.
        set_rgb(cr, 0x1A0F08, 0.25);
        rounded_rect(cr, 4, 5, kCardW, kCardH, 8);
        cairo_fill(cr);
        rounded_rect(cr, 0, 0, kCardW, kCardH, 6);
        cairo_clip(cr);
        draw_face(cr, set, kFan[set - 1][k]);
        cairo_restore(cr);
        cairo_save(cr);
        cairo_translate(cr, cx + side * spread, cy + 2 + std::abs(side) * 10);
        cairo_rotate(cr, side * tilt);
        cairo_scale(cr, scale, scale);
        rounded_rect(cr, -kCardW / 2.0, -kCardH / 2.0, kCardW, kCardH, 6);
        cairo_restore(cr);
        set_rgb(cr, pal::outline);
        cairo_set_line_width(cr, 1.5);
        cairo_stroke(cr);
    }
    // The lit fan gets a sparkle in the corner.
    if (lit)
        paint_shape(cr, [=](cairo_t* g) { star_path(g, cx + half - 16, cy - half + 16, 13, 5.5, 4); },
                    Style{pal::sun, 0.4, pal::outline, 1.8, false});
}

void playroom_wall(Canvas& c)
{
    cairo_t* cr = c.cr();
    fill_vertical_gradient(cr, 0, 0, kW, 548, 0xDDF3FF, 0xC4E8FA);
    // Polka dots on the wallpaper.
    for (int row = 0; row * 40 < 560; ++row)
        for (int col = 0; col * 40 < kW + 40; ++col) {
            const double x = col * 40 + (row % 2) * 20, y = 20 + row * 40;
            set_rgb(cr, (row + col) % 3 == 0 ? pal::white : 0xA9DDF5, 0.55);
            cairo_arc(cr, x, y, 4, 0, 2 * kPi);
            cairo_fill(cr);
        }
    // Skirting board and a wooden floor.
    fill_vertical_gradient(cr, 0, 548, kW, 52, 0xD9A066, 0xB9834F);
    set_rgb(cr, 0x8E5E34, 0.6);
    cairo_set_line_width(cr, 1.5);
    for (int i = 0; i < 3; ++i) {
        cairo_move_to(cr, 0, 560 + i * 14);
        cairo_line_to(cr, kW, 560 + i * 14);
    }
    cairo_stroke(cr);
    for (int i = 0; i < 12; ++i) {
        const double x = 40 + i * 70 + (i % 2) * 30;
        cairo_move_to(cr, x, 560 + (i % 3) * 14);
        cairo_line_to(cr, x, 574 + (i % 3) * 14);
    }
    cairo_stroke(cr);
    set_rgb(cr, pal::white);
    cairo_rectangle(cr, 0, 540, kW, 10);
    cairo_fill(cr);
    set_rgb(cr, 0x9CC6E0);
    cairo_rectangle(cr, 0, 549, kW, 2);
    cairo_fill(cr);
}

void window(cairo_t* cr, double x, double y, double w, double h)
{
    paint_shape(cr, [=](cairo_t* g) { rounded_rect(g, x - 8, y - 8, w + 16, h + 16, 10); },
                Style{pal::white, 0.0, pal::outline, 2.5, true});
    cairo_save(cr);
    rounded_rect(cr, x, y, w, h, 5);
    cairo_clip(cr);
    fill_vertical_gradient(cr, x, y, w, h, pal::sky_top, 0xD4F1FC);
    sun(cr, x + w * 0.72, y + h * 0.3, 16, false);
    cloud(cr, x + w * 0.35, y + h * 0.55, 60);
    set_rgb(cr, pal::grass);
    ellipse(cr, x + w * 0.5, y + h + 20, w * 0.8, 36);
    cairo_fill(cr);
    cairo_restore(cr);
    set_rgb(cr, pal::outline);
    cairo_set_line_width(cr, 2);
    rounded_rect(cr, x, y, w, h, 5);
    cairo_stroke(cr);
    set_rgb(cr, pal::white);
    cairo_rectangle(cr, x + w / 2 - 3, y, 6, h);
    cairo_rectangle(cr, x, y + h / 2 - 3, w, 6);
    cairo_fill(cr);
    // Curtains.
    for (int side : {-1, 1}) {
        const double ex = side < 0 ? x - 12 : x + w + 12;
        paint_shape(cr, [=](cairo_t* g) {
            cairo_move_to(g, ex, y - 14);
            cairo_line_to(g, ex - side * 34, y - 14);
            cairo_curve_to(g, ex - side * 20, y + h * 0.4, ex - side * 6, y + h * 0.6, ex - side * 26, y + h + 10);
            cairo_line_to(g, ex, y + h + 10);
            cairo_close_path(g);
        }, Style{pal::pink, 0.3, pal::outline, 2, true});
    }
    paint_shape(cr, [=](cairo_t* g) { rounded_rect(g, x - 22, y - 22, w + 44, 10, 5); },
                Style{0xB9834F, 0.3, pal::outline, 2, true});
}

// A string of little face-down cards across the top, like bunting.
void card_garland(cairo_t* cr)
{
    auto sag = [](double x) { return 10 + 14 * std::pow(std::sin(x / kW * 2 * kPi), 2); };
    cairo_save(cr);
    cairo_set_line_width(cr, 2);
    set_rgb(cr, pal::outline, 0.8);
    for (double x = -4; x <= kW + 4; x += 4)
        cairo_line_to(cr, x, sag(x));
    cairo_stroke(cr);
    cairo_restore(cr);
    int n = 0;
    for (double x = 26; x < kW; x += 58, ++n) {
        cairo_save(cr);
        cairo_translate(cr, x, sag(x) + 2);
        cairo_rotate(cr, (n % 2 ? 0.08 : -0.08));
        cairo_scale(cr, 0.3, 0.3);
        set_rgb(cr, 0x1A0F08, 0.25);
        rounded_rect(cr, -kCardW / 2.0 + 8, 8, kCardW, kCardH, 12);
        cairo_fill(cr);
        cairo_translate(cr, -kCardW / 2.0, 0);
        rounded_rect(cr, 0, 0, kCardW, kCardH, 12);
        cairo_clip(cr);
        draw_back(cr);
        cairo_restore(cr);
        set_rgb(cr, pal::outline);
        cairo_arc(cr, x, sag(x) + 2, 2.5, 0, 2 * kPi);
        cairo_fill(cr);
    }
}

Bafo chooser_bafo()
{
    Bafo b;
    b.x = 712;
    b.y = 566;
    b.scale = 0.6;
    b.left = Arm::Wave;
    b.wave = -0.4;
    b.mouth = Mouth::Open;
    b.look = -0.8;
    b.tail = 0.6;
    b.motion_lines = false;
    return b;
}

// The wall with everything but the four fans and the back corner.
Canvas bare_room()
{
    Canvas c(kW, kH);
    playroom_wall(c);
    cairo_t* cr = c.cr();
    card_garland(cr);
    window(cr, 40, 110, 100, 120);
    // A ball and a stack of card boxes on the floor at the left.
    paint_shape(cr, [](cairo_t* g) { rounded_rect(g, 130, 500, 44, 52, 6); }, Style{pal::teal, 0.3, pal::outline, 2, true});
    paint_shape(cr, [](cairo_t* g) { rounded_rect(g, 136, 470, 34, 32, 5); }, Style{pal::sun, 0.3, pal::outline, 2, true});
    paw_print(cr, 153, 528, 0.5, pal::white);
    star_path(cr, 153, 486, 9, 4, 5);
    set_rgb(cr, pal::white);
    cairo_fill(cr);
    for (auto& p : std::vector<std::pair<double, double>>{{70, 290}, {120, 360}, {60, 420}})
        paint_shape(cr, [=](cairo_t* g) { star_path(g, p.first, p.second, 14, 6, 5, 0.2); },
                    Style{pal::sun, 0.35, pal::outline, 1.8, true, 2});
    for (auto& p : std::vector<std::pair<double, double>>{{690, 120}, {760, 200}, {680, 300}})
        paint_shape(cr, [=](cairo_t* g) { heart_path(g, p.first, p.second, 13); },
                    Style{pal::pink, 0.35, pal::outline, 1.8, true, 2});
    // Bafo on a round rug, pointing at the cards.
    const Bafo b = chooser_bafo();
    paint_shape(cr, [&](cairo_t* g) { ellipse(g, b.x, b.y + 2, 74, 14); }, Style{pal::violet, 0.3, pal::outline, 2, false});
    set_rgb(cr, pal::sun, 0.9);
    cairo_set_line_width(cr, 2.5);
    ellipse(cr, b.x, b.y + 2, 64, 9);
    cairo_stroke(cr);
    draw_bafo(cr, b);
    return c;
}

Canvas set_picture(const Canvas& room, int set, bool lit)
{
    const Rect& r = kSetLit[size_t(set - 1)];
    Canvas c = room.crop(r.x, r.y, r.w, r.h);
    const Box within{0, 0, double(r.w), double(r.h)};
    tray_and_fan(c, set, r.w / 2.0, r.h / 2.0, lit, within);
    return c;
}

Canvas corner_picture(bool lit)
{
    Canvas c(kBackLit.w, kBackLit.h);
    back_corner(c, 0, 0, lit);
    return c;
}

void run(const std::filesystem::path& root)
{
    const std::filesystem::path dir = root / kDir;
    for (int s = 1; s <= 4; ++s)
        for (int i = 0; i < kFaces; ++i) {
            char name[16];
            std::snprintf(name, sizeof name, "%02d.BMP", i + 1);
            face_card(s, i).save_bmp(dir / std::to_string(s) / name);
        }
    Canvas back(kCardW, kCardH);
    draw_back(back.cr());
    back.save_bmp(dir / "BACK.BMP");

    const Canvas room = bare_room();
    Canvas bg = room.crop(0, 0, kW, kH);
    for (int s = 1; s <= 4; ++s) {
        const Rect& r = kSetLit[size_t(s - 1)];
        bg.paste(set_picture(room, s, false), r.x, r.y);
        set_picture(room, s, true).save_bmp(dir / "SEL" / ("SEL_" + std::to_string(s) + ".BMP"));
    }
    bg.paste(corner_picture(false), kBackLit.x, kBackLit.y);
    bg.save_bmp(dir / "SEL" / "SEL_BG.BMP");
    corner_picture(true).save_bmp(dir / "ZPET.BMP");
}

void expect(std::vector<Expect>& out)
{
    auto bmp = [&](const std::string& name, int w, int h) {
        Expect e;
        e.path = std::string(kDir) + name;
        e.width = w;
        e.height = h;
        out.push_back(e);
    };
    for (int s = 1; s <= 4; ++s)
        for (int i = 1; i <= kFaces; ++i) {
            char name[16];
            std::snprintf(name, sizeof name, "%02d.BMP", i);
            bmp(std::to_string(s) + "/" + name, kCardW, kCardH);
        }
    bmp("BACK.BMP", kCardW, kCardH);
    bmp("SEL/SEL_BG.BMP", kW, kH);
    for (int s = 1; s <= 4; ++s)
        bmp("SEL/SEL_" + std::to_string(s) + ".BMP", kSetLit[size_t(s - 1)].w, kSetLit[size_t(s - 1)].h);
    bmp("ZPET.BMP", kBackLit.w, kBackLit.h);
}

}  // namespace

Generator gen_pexeso_sel() { return Generator{"pexeso_sel", run, expect}; }

static const Registered registered{gen_pexeso_sel};

}  // namespace datagen
