// The main menu: a meadow with Bafo in the middle and nine balloons around
// him, one per game. The menu copies balloons, icons and the mouth strip as
// opaque rectangles over BG1, so every one of them is painted over a crop of
// BG1 itself and its edges match the background exactly.
#include "art.h"
#include "datagen.h"
#include "question_art.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace datagen {

namespace {

using namespace art;

constexpr double kPi = 3.14159265358979323846;
constexpr int kW = 800, kH = 600;

struct Rect {
    int x, y, w, h;
};

// Where the menu's hot areas are; balloon n belongs to area n-1.
constexpr std::array<Rect, 9> kAreas = {{{185, 10, 136, 146},
                                         {395, 0, 131, 136},
                                         {540, 75, 126, 141},
                                         {610, 205, 141, 151},
                                         {555, 370, 146, 156},
                                         {360, 440, 151, 151},
                                         {175, 415, 146, 151},
                                         {50, 290, 141, 161},
                                         {30, 135, 141, 151}}};

constexpr std::array<uint32_t, 9> kBalloonColours = {pal::red,  pal::orange, pal::sun,
                                                     pal::lime, pal::teal,   pal::sky,
                                                     pal::blue, pal::violet, pal::pink};

// The mouth strip is laid at this point; its frames are this big.
constexpr int kMouthX = 326, kMouthY = 299, kMouthW = 90, kMouthH = 50;

// The exit panel: where the menu lays it, its size, and its buttons.
constexpr int kPanelX = 170, kPanelY = 175, kPanelW = 150, kPanelH = 128;
constexpr Rect kYesLit = {question::kYesLit.x, question::kYesLit.y, question::kYesLit.w, question::kYesLit.h};
constexpr Rect kNoLit = {question::kNoLit.x, question::kNoLit.y, question::kNoLit.w, question::kNoLit.h};

const char* const kDir = "BAFO_CS/SELECT/";

// Bafo's scale and place: his closed mouth sits 16 px below the strip's top
// edge and centred in it, so every mouth state stays inside the strip.
Bafo menu_bafo(Mouth m)
{
    Bafo b;
    b.scale = 0.79;
    b.x = kMouthX + kMouthW / 2.0;
    b.y = kMouthY + 16 + 158 * b.scale;
    b.mouth = m;
    b.left = Arm::Wave;
    b.wave = 0.2;
    b.tail = 0.3;
    return b;
}

// --- the background -------------------------------------------------------

void paint_background(Canvas& c, Mouth m)
{
    cairo_t* cr = c.cr();
    fill_vertical_gradient(cr, 0, 0, kW, 380, pal::sky_top, 0xD4F1FC);
    sun(cr, 728, 76, 40);
    cloud(cr, 92, 62, 150);
    cloud(cr, 345, 118, 110, 0.95);
    cloud(cr, 640, 250, 120, 0.9);
    cloud(cr, 255, 240, 90, 0.85);

    // Far hills, a row of little trees, the nearer slope, the meadow.
    hill(cr, kW, kH, 338, 16, 0.010, 0.8, 0xB4E39A, 0x98D47C);
    for (double x : {40.0, 120.0, 535.0, 600.0, 690.0})
        tree(cr, x, 336 + 16 * std::sin(0.010 * x + 0.8) + 6, 46, 0x8CCB6E);
    hill(cr, kW, kH, 380, 14, 0.008, 2.2, 0x9BD874, 0x7CCB5B);
    hill(cr, kW, kH, 440, 9, 0.006, 4.0, 0x8AD263, 0x5DAE45);

    Rng rng(0xBAF01);
    grass_blades(cr, rng, -10, kW + 10, 392, 600, 1500, pal::grass);

    // Flowers, kept off the spot where Bafo stands.
    const uint32_t petals[] = {pal::pink, pal::red, 0xC9A3F0, pal::sun, pal::orange, pal::cream};
    for (int i = 0; i < 40; ++i) {
        double x = rng.range(10, kW - 10);
        double y = rng.range(405, 585);
        if (x > 270 && x < 480 && y < 470)
            continue;
        double r = 5 + (y - 405) / 180 * 6;
        flower(cr, x, y, r, petals[rng.below(6)], rng.range(0, 1.2));
    }
    tree(cr, 752, 520, 170, pal::grass);
    bush(cr, 38, 560, 90, pal::green_dark);
    butterfly(cr, 236, 372, 11, pal::pink, 0.3);
    butterfly(cr, 520, 342, 9, pal::sun, -0.25);

    // A soft light behind Bafo so he stands out from the meadow.
    Bafo b = menu_bafo(m);
    BafoPoints p = bafo_points(b);
    cairo_pattern_t* halo = cairo_pattern_create_radial(p.head_x, p.body_y - 40, 20, p.head_x,
                                                        p.body_y - 40, 150);
    cairo_pattern_add_color_stop_rgba(halo, 0, 1, 1, 0.9, 0.55);
    cairo_pattern_add_color_stop_rgba(halo, 1, 1, 1, 0.9, 0);
    cairo_set_source(cr, halo);
    cairo_paint(cr);
    cairo_pattern_destroy(halo);

    draw_bafo(cr, b);
}

// --- balloons and their icons ---------------------------------------------

struct BalloonGeom {
    double cx, cy, rx, string_len;
};

// Sized to its area: room above for the glow of the lit frame, below for the string.
BalloonGeom balloon_geom(const Rect& a)
{
    BalloonGeom g;
    g.rx = std::min(0.32 * a.w, (a.h - 52) / 2.34);
    const double ry = g.rx * 1.17;
    g.cx = a.w / 2.0;
    g.cy = 13 + ry;
    const double string_top = g.cy + ry + g.rx * 0.16;
    g.string_len = a.h - 7 - string_top;
    return g;
}

// Icon pictures, each centred on (0, 0) and about `s` across.
using IconFn = void (*)(cairo_t*, double s);

Style icon_style(uint32_t fill, double s)
{
    return Style{fill, 0.25, pal::outline, std::clamp(s / 34, 1.4, 2.2), false};
}

void icon_cubes(cairo_t* cr, double s)
{
    // Three cubes in a little pile; their fronts together show one picture.
    const double e = s * 0.3;  // edge
    const double d = e * 0.42; // depth offset
    struct C {
        double x, y;
    };
    const C cubes[] = {{-e * 1.02, e * 0.15}, {e * 0.02, e * 0.15}, {-e * 0.5, -e * 0.92}};
    const double lw = std::clamp(s / 34, 1.4, 2.2);
    for (const C& k : cubes) {
        const double x = k.x, y = k.y;
        // Top and side faces.
        paint_shape(cr, [=](cairo_t* c) {
            cairo_move_to(c, x, y);
            cairo_line_to(c, x + d, y - d);
            cairo_line_to(c, x + e + d, y - d);
            cairo_line_to(c, x + e, y);
            cairo_close_path(c);
        }, Style{pal::sun, 0.3, pal::outline, lw, false});
        paint_shape(cr, [=](cairo_t* c) {
            cairo_move_to(c, x + e, y);
            cairo_line_to(c, x + e + d, y - d);
            cairo_line_to(c, x + e + d, y + e - d);
            cairo_line_to(c, x + e, y + e);
            cairo_close_path(c);
        }, Style{pal::violet, 0.1, pal::outline, lw, false});
        // Front: a piece of a sunny picture (sky, sun, meadow).
        cairo_save(cr);
        cairo_rectangle(cr, x, y, e, e);
        cairo_clip(cr);
        const double px = -e * 1.02, py = -e * 0.92;  // the whole picture's corner
        fill_vertical_gradient(cr, px, py, e * 2.1, e * 2.1, pal::sky_top, pal::sky);
        set_rgb(cr, pal::grass);
        ellipse(cr, px + e * 1.0, py + e * 2.5, e * 1.6, e * 1.0);
        cairo_fill(cr);
        set_rgb(cr, pal::sun);
        cairo_arc(cr, px + e * 1.55, py + e * 0.45, e * 0.35, 0, 2 * kPi);
        cairo_fill(cr);
        set_rgb(cr, pal::red);
        cairo_arc(cr, px + e * 0.45, py + e * 1.55, e * 0.18, 0, 2 * kPi);
        cairo_fill(cr);
        set_rgb(cr, pal::white);
        ellipse(cr, px + e * 0.5, py + e * 0.4, e * 0.3, e * 0.13);
        cairo_fill(cr);
        cairo_restore(cr);
        cairo_set_line_width(cr, lw);
        set_rgb(cr, pal::outline);
        cairo_rectangle(cr, x, y, e, e);
        cairo_stroke(cr);
    }
}

void icon_mosaic(cairo_t* cr, double s)
{
    // A 4 x 4 board of tiles: the picture (a red heart on yellow) coloured in on the
    // right, still grey on the left.
    const int n = 4;
    const double t = s * 0.8 / n;
    const double x0 = -t * n / 2, y0 = -t * n / 2;
    const double lw = std::clamp(s / 40, 1.2, 2.0);
    paint_shape(cr, [=](cairo_t* c) { rounded_rect(c, x0 - 3, y0 - 3, t * n + 6, t * n + 6, 4); },
                icon_style(pal::cream, s));
    const char* pic[n] = {"yRyR", "RRRR", "yRRy", "yyRy"};
    for (int r = 0; r < n; ++r)
        for (int q = 0; q < n; ++q) {
            bool coloured = q + r * 0.35 >= 1.6;
            uint32_t col = pic[r][q] == 'R' ? pal::red : pal::sun;
            if (!coloured) {
                double grey = pic[r][q] == 'R' ? 0.45 : 0.8;
                col = mix(0x606060, 0xFFFFFF, grey);
            }
            double x = x0 + q * t, y = y0 + r * t;
            set_rgb(cr, col);
            rounded_rect(cr, x + 0.8, y + 0.8, t - 1.6, t - 1.6, 2);
            cairo_fill_preserve(cr);
            set_rgb(cr, pal::outline, 0.6);
            cairo_set_line_width(cr, lw * 0.7);
            cairo_stroke(cr);
            set_rgb(cr, pal::white, 0.45);
            rounded_rect(cr, x + 2.5, y + 2.5, t * 0.4, t * 0.22, 1.5);
            cairo_fill(cr);
        }
}

void piece_path(cairo_t* c, double x, double y, double t, int top, int right, int bottom, int left)
{
    // Each edge: flat (0), knob out (+1) or hole in (-1). Knobs are circles on a neck.
    const double k = t * 0.17;
    auto edge = [&](double ax, double ay, double bx, double by, int kind) {
        const double mx = (ax + bx) / 2, my = (ay + by) / 2;
        const double ux = (bx - ax) / t, uy = (by - ay) / t;  // along
        const double nx = uy, ny = -ux;                        // outwards (path is clockwise)
        if (!kind) {
            cairo_line_to(c, bx, by);
            return;
        }
        const double o = kind * k * 1.25;
        cairo_line_to(c, mx - ux * k * 0.7, my - uy * k * 0.7);
        cairo_curve_to(c, mx - ux * k * 1.2 + nx * o * 0.7, my - uy * k * 1.2 + ny * o * 0.7,
                       mx - ux * k * 1.4 + nx * o * 1.6, my - uy * k * 1.4 + ny * o * 1.6,
                       mx + nx * o * 1.6, my + ny * o * 1.6);
        cairo_curve_to(c, mx + ux * k * 1.4 + nx * o * 1.6, my + uy * k * 1.4 + ny * o * 1.6,
                       mx + ux * k * 1.2 + nx * o * 0.7, my + uy * k * 1.2 + ny * o * 0.7,
                       mx + ux * k * 0.7, my + uy * k * 0.7);
        cairo_line_to(c, bx, by);
    };
    cairo_new_sub_path(c);
    cairo_move_to(c, x, y);
    edge(x, y, x + t, y, top);
    edge(x + t, y, x + t, y + t, right);
    edge(x + t, y + t, x, y + t, bottom);
    edge(x, y + t, x, y, left);
    cairo_close_path(c);
}

void icon_jigsaw(cairo_t* cr, double s)
{
    const double t = s * 0.38;
    const double x0 = -t, y0 = -t;
    struct P {
        int col, row;
        uint32_t fill;
        int top, right, bottom, left;
        double dx, dy;
    };
    // Three pieces in place, the fourth lifted out towards the upper right.
    const P pieces[] = {{0, 0, pal::sun, 0, 1, -1, 0, 0, 0},
                        {0, 1, pal::grass, 1, -1, 0, 0, 0, 0},
                        {1, 1, pal::blue, -1, 0, 0, 1, 0, 0},
                        {1, 0, pal::red, 0, 0, 1, -1, t * 0.28, -t * 0.3}};
    for (const P& p : pieces) {
        const double x = x0 + p.col * t + p.dx, y = y0 + p.row * t + p.dy;
        paint_shape(cr, [=](cairo_t* c) { piece_path(c, x, y, t, p.top, p.right, p.bottom, p.left); },
                    Style{p.fill, 0.3, pal::outline, std::clamp(s / 34, 1.4, 2.2), p.dx != 0, 2.5, 0.3});
    }
}

void icon_dressup(cairo_t* cr, double s)
{
    const double lw = std::clamp(s / 34, 1.4, 2.2);
    // T-shirt.
    paint_shape(cr, [=](cairo_t* c) {
        const double w = s * 0.62, top = -s * 0.08, bot = s * 0.48;
        cairo_move_to(c, -w * 0.22, top);
        cairo_curve_to(c, -w * 0.1, top + s * 0.08, w * 0.1, top + s * 0.08, w * 0.22, top);
        cairo_line_to(c, w * 0.5, top + s * 0.06);
        cairo_line_to(c, w * 0.68, top + s * 0.22);
        cairo_line_to(c, w * 0.46, top + s * 0.3);
        cairo_line_to(c, w * 0.38, top + s * 0.24);
        cairo_line_to(c, w * 0.38, bot);
        cairo_line_to(c, -w * 0.38, bot);
        cairo_line_to(c, -w * 0.38, top + s * 0.24);
        cairo_line_to(c, -w * 0.46, top + s * 0.3);
        cairo_line_to(c, -w * 0.68, top + s * 0.22);
        cairo_line_to(c, -w * 0.5, top + s * 0.06);
        cairo_close_path(c);
    }, Style{pal::red, 0.25, pal::outline, lw, false});
    paint_shape(cr, [=](cairo_t* c) { star_path(c, 0, s * 0.24, s * 0.12, s * 0.055, 5); },
                Style{pal::sun, 0.3, pal::outline, lw * 0.7, false});
    // Hat: a round sun hat with a band, sitting above the shirt.
    paint_shape(cr, [=](cairo_t* c) {
        ellipse(c, 0, -s * 0.2, s * 0.42, s * 0.09);
        cairo_new_sub_path(c);
        cairo_move_to(c, -s * 0.22, -s * 0.2);
        cairo_curve_to(c, -s * 0.22, -s * 0.5, s * 0.22, -s * 0.5, s * 0.22, -s * 0.2);
        cairo_close_path(c);
    }, Style{pal::blue, 0.3, pal::outline, lw, false});
    set_rgb(cr, pal::sun);
    cairo_rectangle(cr, -s * 0.215, -s * 0.3, s * 0.43, s * 0.07);
    cairo_fill(cr);
    set_rgb(cr, pal::outline);
    cairo_set_line_width(cr, lw * 0.7);
    cairo_move_to(cr, -s * 0.215, -s * 0.3);
    cairo_line_to(cr, s * 0.215, -s * 0.3);
    cairo_move_to(cr, -s * 0.22, -s * 0.23);
    cairo_line_to(cr, s * 0.22, -s * 0.23);
    cairo_stroke(cr);
}

// A small red apple, the picture on a memory card.
void apple(cairo_t* cr, double cx, double cy, double r, double lw)
{
    paint_shape(cr, [=](cairo_t* c) {
        cairo_move_to(c, cx, cy - r * 0.7);
        cairo_curve_to(c, cx - r * 0.6, cy - r * 1.1, cx - r * 1.15, cy - r * 0.4, cx - r * 0.95, cy + r * 0.2);
        cairo_curve_to(c, cx - r * 0.8, cy + r * 0.8, cx - r * 0.3, cy + r * 1.05, cx, cy + r * 0.85);
        cairo_curve_to(c, cx + r * 0.3, cy + r * 1.05, cx + r * 0.8, cy + r * 0.8, cx + r * 0.95, cy + r * 0.2);
        cairo_curve_to(c, cx + r * 1.15, cy - r * 0.4, cx + r * 0.6, cy - r * 1.1, cx, cy - r * 0.7);
        cairo_close_path(c);
    }, Style{pal::red, 0.3, pal::outline, lw, false});
    set_rgb(cr, pal::outline);
    cairo_set_line_width(cr, lw * 1.2);
    cairo_move_to(cr, cx, cy - r * 0.65);
    cairo_line_to(cr, cx + r * 0.1, cy - r * 1.05);
    cairo_stroke(cr);
    paint_shape(cr, [=](cairo_t* c) { ellipse(c, cx + r * 0.35, cy - r * 0.95, r * 0.28, r * 0.13); },
                Style{pal::grass, 0.2, pal::outline, lw * 0.7, false});
    set_rgb(cr, pal::white, 0.8);
    ellipse(cr, cx - r * 0.45, cy - r * 0.2, r * 0.14, r * 0.24);
    cairo_fill(cr);
}

void icon_memory(cairo_t* cr, double s)
{
    const double lw = std::clamp(s / 34, 1.4, 2.2);
    const double w = s * 0.42, h = s * 0.56;
    for (int side : {-1, 1}) {
        cairo_save(cr);
        cairo_translate(cr, side * s * 0.22, side * s * 0.03);
        cairo_rotate(cr, side * 0.16);
        paint_shape(cr, [=](cairo_t* c) { rounded_rect(c, -w / 2, -h / 2, w, h, s * 0.06); },
                    Style{pal::white, 0.0, pal::outline, lw, true, 2, 0.25});
        set_rgb(cr, pal::sky, 0.5);
        rounded_rect(cr, -w / 2 + 3, -h / 2 + 3, w - 6, h - 6, s * 0.04);
        cairo_fill(cr);
        apple(cr, 0, h * 0.04, w * 0.3, lw * 0.8);
        cairo_restore(cr);
    }
}

void icon_fifteen(cairo_t* cr, double s)
{
    const int n = 4;
    const double t = s * 0.82 / n;
    const double x0 = -t * n / 2, y0 = -t * n / 2;
    const double lw = std::clamp(s / 40, 1.2, 2.0);
    paint_shape(cr, [=](cairo_t* c) { rounded_rect(c, x0 - 3, y0 - 3, t * n + 6, t * n + 6, 4); },
                icon_style(0x8A5A3A, s));
    const uint32_t tile_cols[] = {pal::sun, pal::orange, pal::sky, pal::pink};
    for (int i = 0; i < 15; ++i) {
        const int r = i / n, q = i % n;
        const double x = x0 + q * t + 0.7, y = y0 + r * t + 0.7;
        paint_shape(cr, [=](cairo_t* c) { rounded_rect(c, x, y, t - 1.4, t - 1.4, 2.5); },
                    Style{tile_cols[(r + q) % 4], 0.4, pal::outline, lw * 0.6, false});
        set_rgb(cr, pal::outline);
        text_path(cr, std::to_string(i + 1), t * 0.62, x + (t - 1.4) / 2, y + t * 0.7);
        cairo_fill(cr);
    }
}

void note(cairo_t* cr, double x, double y, double r, bool pair, double lw)
{
    set_rgb(cr, pal::outline);
    cairo_set_line_width(cr, lw * 1.1);
    auto head = [&](double hx, double hy) {
        cairo_save(cr);
        cairo_translate(cr, hx, hy);
        cairo_rotate(cr, -0.4);
        ellipse(cr, 0, 0, r, r * 0.72);
        cairo_restore(cr);
        cairo_fill(cr);
        cairo_move_to(cr, hx + r * 0.85, hy - r * 0.2);
        cairo_line_to(cr, hx + r * 0.85, hy - r * 3.2);
        cairo_stroke(cr);
    };
    head(x, y);
    if (pair) {
        head(x + r * 2.6, y - r * 0.5);
        cairo_set_line_width(cr, r * 0.7);
        cairo_move_to(cr, x + r * 0.85, y - r * 3.0);
        cairo_line_to(cr, x + r * 3.45, y - r * 3.5);
        cairo_stroke(cr);
    } else {
        cairo_move_to(cr, x + r * 0.85, y - r * 3.2);
        cairo_curve_to(cr, x + r * 1.8, y - r * 2.6, x + r * 2.2, y - r * 2.2, x + r * 1.7, y - r * 1.5);
        cairo_stroke(cr);
    }
}

void icon_music(cairo_t* cr, double s)
{
    const double lw = std::clamp(s / 34, 1.4, 2.2);
    const int keys = 5;
    const double kw = s * 0.8 / keys, kh = s * 0.42;
    const double x0 = -kw * keys / 2, y0 = s * 0.02;
    paint_shape(cr, [=](cairo_t* c) { rounded_rect(c, x0 - 3, y0 - 6, kw * keys + 6, kh + 9, 4); },
                icon_style(pal::red, s));
    for (int i = 0; i < keys; ++i) {
        set_rgb(cr, pal::white);
        rounded_rect(cr, x0 + i * kw + 0.6, y0, kw - 1.2, kh, 2);
        cairo_fill_preserve(cr);
        set_rgb(cr, pal::outline);
        cairo_set_line_width(cr, lw * 0.6);
        cairo_stroke(cr);
    }
    for (int i : {1, 2, 4}) {
        set_rgb(cr, pal::outline);
        rounded_rect(cr, x0 + i * kw - kw * 0.3, y0, kw * 0.6, kh * 0.58, 1.5);
        cairo_fill(cr);
    }
    note(cr, -s * 0.26, -s * 0.12, s * 0.07, true, lw);
    note(cr, s * 0.2, -s * 0.16, s * 0.07, false, lw);
}

void block(cairo_t* cr, double x, double y, double t, uint32_t col, double lw)
{
    set_rgb(cr, col);
    cairo_rectangle(cr, x, y, t, t);
    cairo_fill(cr);
    set_rgb(cr, lighten(col, 0.45));
    cairo_move_to(cr, x, y + t);
    cairo_line_to(cr, x, y);
    cairo_line_to(cr, x + t, y);
    cairo_line_to(cr, x + t - t * 0.2, y + t * 0.2);
    cairo_line_to(cr, x + t * 0.2, y + t * 0.2);
    cairo_line_to(cr, x + t * 0.2, y + t - t * 0.2);
    cairo_close_path(cr);
    cairo_fill(cr);
    set_rgb(cr, darken(col, 0.25));
    cairo_move_to(cr, x + t, y);
    cairo_line_to(cr, x + t, y + t);
    cairo_line_to(cr, x, y + t);
    cairo_line_to(cr, x + t * 0.2, y + t - t * 0.2);
    cairo_line_to(cr, x + t - t * 0.2, y + t - t * 0.2);
    cairo_line_to(cr, x + t - t * 0.2, y + t * 0.2);
    cairo_close_path(cr);
    cairo_fill(cr);
    set_rgb(cr, pal::outline);
    cairo_set_line_width(cr, lw * 0.7);
    cairo_rectangle(cr, x, y, t, t);
    cairo_stroke(cr);
}

void icon_blocks(cairo_t* cr, double s)
{
    const double lw = std::clamp(s / 34, 1.4, 2.2);
    const double t = s * 0.19;
    const double bx = -t * 2, by = s * 0.42 - t;  // bottom row, left cell
    // The heap at the bottom.
    const int heap[][2] = {{0, 0}, {1, 0}, {2, 0}, {3, 0}, {0, -1}, {3, -1}, {2, -1}};
    const uint32_t heap_cols[] = {pal::blue, pal::blue, pal::grass, pal::grass, pal::sun, pal::violet, pal::grass};
    for (int i = 0; i < 7; ++i)
        block(cr, bx + heap[i][0] * t, by + heap[i][1] * t, t, heap_cols[i], lw);
    // A T piece falling into the gap, with speed lines above it.
    const int tp[][2] = {{0, 0}, {1, 0}, {2, 0}, {1, 1}};
    const double fx = bx + 0 * t, fy = by - t * 4.2;
    for (auto& q : tp)
        block(cr, fx + q[0] * t, fy + q[1] * t, t, pal::red, lw);
    set_rgb(cr, pal::outline, 0.7);
    cairo_set_line_width(cr, lw);
    for (int i = 0; i < 3; ++i) {
        const double x = fx + t * (0.5 + i);
        cairo_move_to(cr, x, fy - t * 0.3);
        cairo_line_to(cr, x, fy - t * (i == 1 ? 1.1 : 0.8));
        cairo_stroke(cr);
    }
}

void icon_paint(cairo_t* cr, double s)
{
    const double lw = std::clamp(s / 34, 1.4, 2.2);
    // Palette: a kidney shape with a thumb hole and blobs of colour.
    paint_shape(cr, [=](cairo_t* c) {
        cairo_move_to(c, -s * 0.05, -s * 0.36);
        cairo_curve_to(c, s * 0.3, -s * 0.38, s * 0.46, -s * 0.12, s * 0.42, s * 0.1);
        cairo_curve_to(c, s * 0.38, s * 0.32, s * 0.12, s * 0.36, -s * 0.04, s * 0.3);
        cairo_curve_to(c, -s * 0.14, s * 0.26, -s * 0.1, s * 0.14, -s * 0.22, s * 0.16);
        cairo_curve_to(c, -s * 0.38, s * 0.18, -s * 0.46, s * 0.04, -s * 0.44, -s * 0.1);
        cairo_curve_to(c, -s * 0.4, -s * 0.3, -s * 0.24, -s * 0.35, -s * 0.05, -s * 0.36);
        cairo_close_path(c);
        cairo_new_sub_path(c);
        cairo_arc_negative(c, -s * 0.02, s * 0.17, s * 0.06, 0, -2 * kPi);
    }, Style{0xE8B878, 0.35, pal::outline, lw, false});
    const double blobs[][2] = {{-0.3, -0.08}, {-0.14, -0.24}, {0.08, -0.26}, {0.27, -0.15}, {0.3, 0.09}};
    const uint32_t cols[] = {pal::red, pal::sun, pal::grass, pal::blue, pal::violet};
    for (int i = 0; i < 5; ++i)
        paint_shape(cr, [=](cairo_t* c) { ellipse(c, blobs[i][0] * s, blobs[i][1] * s, s * 0.075, s * 0.065); },
                    Style{cols[i], 0.3, darken(cols[i], 0.4), lw * 0.5, false});
    // Brush across it, tip dipped in red.
    cairo_save(cr);
    cairo_translate(cr, s * 0.12, s * 0.14);
    cairo_rotate(cr, 0.75);
    paint_shape(cr, [=](cairo_t* c) { rounded_rect(c, -s * 0.035, -s * 0.02, s * 0.07, s * 0.4, s * 0.03); },
                Style{pal::blue, 0.3, pal::outline, lw, false});
    paint_shape(cr, [=](cairo_t* c) { cairo_rectangle(c, -s * 0.045, -s * 0.1, s * 0.09, s * 0.1); },
                Style{0xC8C8D0, 0.5, pal::outline, lw, false});
    paint_shape(cr, [=](cairo_t* c) {
        cairo_move_to(c, -s * 0.045, -s * 0.1);
        cairo_curve_to(c, -s * 0.05, -s * 0.18, -s * 0.01, -s * 0.24, 0, -s * 0.27);
        cairo_curve_to(c, s * 0.01, -s * 0.24, s * 0.05, -s * 0.18, s * 0.045, -s * 0.1);
        cairo_close_path(c);
    }, Style{pal::red, 0.2, pal::outline, lw, false});
    cairo_restore(cr);
}

constexpr std::array<IconFn, 9> kIcons = {icon_cubes, icon_mosaic, icon_jigsaw, icon_dressup, icon_memory,
                                          icon_fifteen, icon_music, icon_blocks, icon_paint};

enum class BalloonLook { Frame1, Frame2, Lit };

// One balloon rectangle: the background's own pixels with the balloon over them.
Canvas balloon_picture(const Canvas& bg, int i, BalloonLook look)
{
    const Rect& a = kAreas[size_t(i)];
    Canvas c = bg.crop(a.x, a.y, a.w, a.h);
    BalloonGeom g = balloon_geom(a);
    const uint32_t colour = kBalloonColours[size_t(i)];
    const double sway = look == BalloonLook::Frame1 ? -0.7 : 0.7;
    const double shine = look == BalloonLook::Frame1 ? -1.5 : 1.5;
    if (look != BalloonLook::Lit) {
        balloon(c.cr(), g.cx, g.cy, g.rx, colour, g.string_len, sway, shine);
        return c;
    }
    // Lit: a touch larger and brighter, in a soft yellow glow, with the game's picture.
    // Grown downwards, so the top stays where the normal balloon's top was.
    const double rx = g.rx * 1.04;
    const double ry = rx * 1.17;
    g.cy += ry - g.rx * 1.17;
    g.string_len -= 2 * (ry - g.rx * 1.17);
    // Where a neighbour's rectangle overlaps this one, the neighbour may be copied
    // over it later: keep the glow out of there.
    std::vector<Box> avoid;
    for (const Rect& o : kAreas) {
        const int x0 = std::max(a.x, o.x), x1 = std::min(a.x + a.w, o.x + o.w);
        const int y0 = std::max(a.y, o.y), y1 = std::min(a.y + a.h, o.y + o.h);
        if (&o != &a && x0 < x1 && y0 < y1)
            avoid.push_back(Box{double(x0 - a.x), double(y0 - a.y), double(x1 - x0), double(y1 - y0)});
    }
    glow(c, [&](cairo_t* cr) { ellipse(cr, g.cx, g.cy, rx, ry); }, pal::glow, 10, 1.7, nullptr, avoid);
    balloon(c.cr(), g.cx, g.cy, rx, lighten(colour, 0.18), g.string_len, sway, shine);
    cairo_t* cr = c.cr();
    cairo_save(cr);
    set_rgb(cr, pal::white, 0.55);
    ellipse(cr, g.cx, g.cy + 2, rx * 0.82, rx * 0.82);
    cairo_fill(cr);
    cairo_translate(cr, g.cx, g.cy + 2);
    kIcons[size_t(i)](cr, rx * 1.55);
    cairo_restore(cr);
    return c;
}

// --- the exit question panel ----------------------------------------------

struct Button {
    double cx, cy, r;
    uint32_t colour;
    bool tick;
};
constexpr Button kYes = {50.5, 34, 17, question::kYesGreen, true};
constexpr Button kNo = {50.5, 89, 12.5, pal::red, false};

void bubble_path(cairo_t* c)
{
    const double x0 = 5, y0 = 4, x1 = 124, y1 = 119, r = 22;
    cairo_new_sub_path(c);
    cairo_arc(c, x0 + r, y0 + r, r, kPi, 1.5 * kPi);
    cairo_arc(c, x1 - r, y0 + r, r, 1.5 * kPi, 2 * kPi);
    // The tail leaves the right side and points down towards Bafo's mouth.
    cairo_line_to(c, x1, 70);
    cairo_curve_to(c, x1 + 6, 84, x1 + 11, 98, 141, 112);
    cairo_curve_to(c, 132, 106, x1 + 4, 98, x1, 94);
    cairo_arc(c, x1 - r, y1 - r, r, 0, 0.5 * kPi);
    cairo_arc(c, x0 + r, y1 - r, r, 0.5 * kPi, kPi);
    cairo_close_path(c);
}

void paint_button(Canvas& c, const Button& b, const Rect* lit)
{
    Box box{};
    if (lit)
        box = Box{double(lit->x), double(lit->y), double(lit->w), double(lit->h)};
    question::round_button(c, b.cx, b.cy, b.r, b.colour, b.tick, lit ? &box : nullptr);
}

// A small open door: "go home".
void door(cairo_t* cr, double cx, double cy, double h)
{
    const double w = h * 0.6;
    const double lw = 2;
    paint_shape(cr, [=](cairo_t* c) { rounded_rect(c, cx - w / 2, cy - h / 2, w, h, w * 0.2); },
                Style{0xFFE9A8, 0.5, pal::outline, lw, false});
    paint_shape(cr, [=](cairo_t* c) {
        cairo_move_to(c, cx - w / 2, cy - h / 2 + w * 0.1);
        cairo_line_to(c, cx - w * 0.05, cy - h / 2 + w * 0.3);
        cairo_line_to(c, cx - w * 0.05, cy + h / 2 + w * 0.12);
        cairo_line_to(c, cx - w / 2, cy + h / 2);
        cairo_close_path(c);
    }, Style{0xB06A3A, 0.25, pal::outline, lw, false});
    set_rgb(cr, pal::sun);
    cairo_arc(cr, cx - w * 0.16, cy + h * 0.05, w * 0.07, 0, 2 * kPi);
    cairo_fill(cr);
    // A little moon peeking in: it is time to go.
    paint_shape(cr, [=](cairo_t* c) {
        cairo_new_sub_path(c);
        cairo_arc(c, cx + w * 0.2, cy - h * 0.2, w * 0.2, 0.5 * kPi, 1.5 * kPi);
        cairo_arc_negative(c, cx + w * 0.28, cy - h * 0.2, w * 0.15, 1.5 * kPi, 0.5 * kPi);
        cairo_close_path(c);
    }, Style{pal::sun, 0.3, pal::outline, 1.2, false});
}

// The panel as it looks over the menu: bubble and buttons on a transparent layer,
// laid over the menu's own pixels so the edges are smooth, then everything the
// bubble does not touch is set to the key colour.
Canvas panel_picture(const Canvas& bg, int lit)
{
    Canvas layer(kPanelW, kPanelH, Canvas::Format::Alpha);
    paint_shape(layer.cr(), bubble_path, Style{pal::cream, 0.0, pal::outline, 3, true, 3, 0.25});
    cairo_t* cr = layer.cr();
    // A faint pattern of sky dots inside, so the bubble is not flat.
    cairo_save(cr);
    bubble_path(cr);
    cairo_clip(cr);
    fill_vertical_gradient(cr, 0, 0, kPanelW, kPanelH, 0xFFFBF0, 0xFFEBCB);
    cairo_restore(cr);
    cairo_save(cr);
    bubble_path(cr);
    set_rgb(cr, pal::outline);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    cairo_restore(cr);
    door(cr, 96, 62, 44);
    question::paint_buttons(layer, lit);

    Canvas out = bg.crop(kPanelX, kPanelY, kPanelW, kPanelH);
    out.paste(layer, 0, 0);
    uint32_t* d = out.data();
    const int stride = out.stride_words();
    for (int y = 0; y < kPanelH; ++y)
        for (int x = 0; x < kPanelW; ++x)
            if (layer.alpha(x, y) == 0)
                d[size_t(y) * size_t(stride) + size_t(x)] = 0xFF000000u | pal::key;
    out.mark_dirty();
    return out;
}

// --- the generator ----------------------------------------------------------

std::string pos_dat()
{
    std::string s;
    for (const Rect& a : kAreas)
        s += std::to_string(a.x) + "," + std::to_string(a.y) + "\r\n";
    return s;
}

void run(const std::filesystem::path& root)
{
    const std::filesystem::path dir = root / kDir;
    const Mouth states[3] = {Mouth::Closed, Mouth::Half, Mouth::Open};
    Canvas bg(kW, kH);
    paint_background(bg, Mouth::Closed);
    bg.save_bmp(dir / "BG1.BMP");

    // The mouth strip: the same scene with the mouth in each state, cut at the strip's place.
    Canvas strip(kMouthW * 3, kMouthH);
    for (int f = 0; f < 3; ++f) {
        if (f == 0) {
            strip.paste(bg.crop(kMouthX, kMouthY, kMouthW, kMouthH), 0, 0);
            continue;
        }
        Canvas other(kW, kH);
        paint_background(other, states[f]);
        // Talking repaints only the strip's rectangle: a mouth reaching past it
        // would leave a torn lip on screen.
        for (int y = 0; y < kH; ++y)
            for (int x = 0; x < kW; ++x) {
                const bool inside = x >= kMouthX && x < kMouthX + kMouthW && y >= kMouthY && y < kMouthY + kMouthH;
                if (!inside && other.pixel(x, y) != bg.pixel(x, y))
                    throw std::runtime_error("mouth state " + std::to_string(f) + " changes pixel (" +
                                             std::to_string(x) + ", " + std::to_string(y) + ") outside the strip");
            }
        strip.paste(other.crop(kMouthX, kMouthY, kMouthW, kMouthH), f * kMouthW, 0);
    }
    strip.save_bmp(dir / "BAFO_ANI.BMP");

    write_file(dir / "POS.DAT", pos_dat());
    for (int i = 0; i < 9; ++i) {
        const std::string n = std::to_string(i + 1);
        balloon_picture(bg, i, BalloonLook::Frame1).save_bmp(dir / ("BALO_" + n + ".BMP"));
        balloon_picture(bg, i, BalloonLook::Frame2).save_bmp(dir / ("BALOO_" + n + ".BMP"));
        balloon_picture(bg, i, BalloonLook::Lit).save_bmp(dir / ("ICO_" + n + ".BMP"));
    }

    panel_picture(bg, -1).save_bmp(dir / "OTAZKA.BMP");
    panel_picture(bg, 0).crop(kYesLit.x, kYesLit.y, kYesLit.w, kYesLit.h).save_bmp(dir / "ANO_1.BMP");
    panel_picture(bg, 1).crop(kNoLit.x, kNoLit.y, kNoLit.w, kNoLit.h).save_bmp(dir / "NE_1.BMP");
}

void expect(std::vector<Expect>& out)
{
    auto bmp = [&](const std::string& name, int w, int h) {
        Expect e;
        e.path = std::string(kDir) + name;
        e.kind = Expect::Kind::Bitmap;
        e.width = w;
        e.height = h;
        out.push_back(e);
    };
    bmp("BG1.BMP", kW, kH);
    for (int i = 0; i < 9; ++i) {
        const std::string n = std::to_string(i + 1);
        const Rect& a = kAreas[size_t(i)];
        bmp("BALO_" + n + ".BMP", a.w, a.h);
        bmp("BALOO_" + n + ".BMP", a.w, a.h);
        bmp("ICO_" + n + ".BMP", a.w, a.h);
    }
    bmp("OTAZKA.BMP", kPanelW, kPanelH);
    bmp("ANO_1.BMP", kYesLit.w, kYesLit.h);
    bmp("NE_1.BMP", kNoLit.w, kNoLit.h);
    bmp("BAFO_ANI.BMP", kMouthW * 3, kMouthH);
    Expect pos;
    pos.path = std::string(kDir) + "POS.DAT";
    pos.kind = Expect::Kind::Text;
    pos.min_fields = 18;
    out.push_back(pos);
}

}  // namespace

void question::paint_buttons(Canvas& layer, int lit)
{
    paint_button(layer, kYes, lit == 0 ? &datagen::kYesLit : nullptr);
    paint_button(layer, kNo, lit == 1 ? &datagen::kNoLit : nullptr);
}

Generator gen_menu_screen() { return Generator{"menu", run, expect}; }

static const Registered registered{gen_menu_screen};

}  // namespace datagen
