// The dress-up screen: a cosy tailor's room with Bafo standing undressed on
// a rug. The room is painted once; BG, the undressed Bafo, every lit icon and
// every mouth frame are crops of it with one thing drawn on, so whatever the
// screen copies over BG meets it without a seam. The five things a child can
// click for a funny clip (the mat, the drawer, the parrot, the mice, the rat)
// are in the picture where the screen's spots are.
#include "dress_art.h"

#include "datagen.h"
#include "game_frame_art.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <stdexcept>
#include <string>
#include <vector>

namespace datagen::dress {

namespace {

using namespace art;
using frame::IconArt;
using frame::Rect;

constexpr double kPi = 3.14159265358979323846;
constexpr int kW = 800, kH = 600;
const char* const kDir = "BAFO_CS/KREJCI/";

constexpr Rect kMascotRect = {kMascotX, kMascotY, kMascotW, kMascotH};

// The icons: where the screen paints the lit pictures (the sizes are ours)
// and their hot areas.
enum Icon { kBack, kPrint, kRandom, kHelp };
constexpr std::array<Rect, 4> kLit = {{{0, 515, 124, 85}, {245, 515, 100, 85}, {522, 515, 70, 85}, {732, 509, 68, 91}}};
constexpr std::array<Rect, 4> kHot = {{{20, 545, 86, 46}, {255, 535, 81, 56}, {525, 520, 56, 76}, {735, 515, 66, 86}}};
constexpr const char* kLitFile[4] = {"ZPET.BMP", "TISK.BMP", "ZAMI.BMP", "BAFO.BMP"};

static_assert(kLit[kHelp].x == frame::kLit[frame::kMascot].x && kLit[kHelp].y == frame::kLit[frame::kMascot].y &&
                  kLit[kHelp].w == frame::kLit[frame::kMascot].w && kLit[kHelp].h == frame::kLit[frame::kMascot].h,
              "Bafo's help corner is where the picture games have it");
static_assert(kLit[kBack].w == frame::kLit[frame::kBack].w && kLit[kBack].h == frame::kLit[frame::kBack].h,
              "the back corner is the picture games' one");

// The print picture: the screen's layout on white paper, Bafo at the same point.
constexpr int kPrintW = 340, kPrintH = 460;

// The floor meets the wall here.
constexpr double kFloorY = 326;

std::string at(const Rect& r)
{
    return "(" + std::to_string(r.x) + ", " + std::to_string(r.y) + ", " + std::to_string(r.w) + "x" +
           std::to_string(r.h) + ")";
}

Style flat(uint32_t fill, double lw = 2.5, double shade = 0.25) { return Style{fill, shade, pal::outline, lw, false}; }
Style solid(uint32_t fill, double lw = 2.5, double shade = 0.25) { return Style{fill, shade, pal::outline, lw, true}; }

void soft_shadow(cairo_t* cr, double cx, double cy, double rx, double ry, double alpha = 0.22)
{
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, rx, ry);
    cairo_pattern_t* p = cairo_pattern_create_radial(0, 0, 0, 0, 0, 1);
    cairo_pattern_add_color_stop_rgba(p, 0, 0.1, 0.06, 0.03, alpha);
    cairo_pattern_add_color_stop_rgba(p, 1, 0.1, 0.06, 0.03, 0);
    cairo_set_source(cr, p);
    cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    cairo_restore(cr);
}

void blossom_wall(cairo_t* cr, double cx, double cy, uint32_t petals);
void rat(cairo_t* cr, double cx, double y);

// --- the room ------------------------------------------------------------------------

void wall(cairo_t* cr)
{
    fill_vertical_gradient(cr, 0, 0, kW, kFloorY, 0xFFEBD0, 0xF9D9B4);
    // Wallpaper: soft stripes with little flowers between them.
    cairo_save(cr);
    set_rgb(cr, 0xF2C9A0, 0.45);
    for (int x = 0; x < kW; x += 40)
        cairo_rectangle(cr, x + 14, 0, 12, kFloorY);
    cairo_fill(cr);
    for (int row = 0; row * 46 < kFloorY; ++row)
        for (int x = 0; x < kW; x += 40) {
            const double cx = x + 6 + (row % 2) * 20 - 6, cy = 22 + row * 46;
            set_rgb(cr, row % 2 ? 0xF4A6A0 : 0xA8CFE8, 0.7);
            for (int i = 0; i < 4; ++i) {
                const double a = i * kPi / 2;
                ellipse(cr, cx + 3 * std::cos(a), cy + 3 * std::sin(a), 2.2, 2.2);
            }
            cairo_fill(cr);
            set_rgb(cr, 0xF7D36B, 0.9);
            ellipse(cr, cx, cy, 1.4, 1.4);
            cairo_fill(cr);
        }
    cairo_restore(cr);
    // The skirting board.
    fill_vertical_gradient(cr, 0, kFloorY - 12, kW, 12, 0xE9B27A, 0xC98B52);
    set_rgb(cr, pal::outline);
    cairo_rectangle(cr, 0, kFloorY - 13, kW, 1.5);
    cairo_fill(cr);
}

void floorboards(cairo_t* cr, Rng& rng)
{
    // Planks get wider towards the child, as a floor seen from above does.
    double y = kFloorY;
    int i = 0;
    while (y < kH) {
        const double h = 12 + (y - kFloorY) * 0.11;
        const uint32_t base = (i % 3 == 0) ? 0xD9A066 : (i % 3 == 1) ? 0xCF9459 : 0xD99D60;
        fill_vertical_gradient(cr, 0, y, kW, h, lighten(base, 0.1), base);
        cairo_save(cr);
        set_rgb(cr, darken(base, 0.25), 0.45);
        cairo_set_line_width(cr, 1);
        for (int g = 1; g <= 2; ++g) {
            const double gy = y + h * g / 3 + rng.range(-1, 1);
            cairo_move_to(cr, 0, gy);
            for (double x = 0; x <= kW; x += 40)
                cairo_line_to(cr, x, gy + 1.2 * std::sin(x * 0.017 + i * 1.3 + g));
            cairo_stroke(cr);
        }
        set_rgb(cr, darken(base, 0.4));
        cairo_rectangle(cr, 0, y + h - 1.5, kW, 1.5);
        for (double jx = 60 + (i * 137) % 230; jx < kW; jx += 260)
            cairo_rectangle(cr, jx, y, 1.5, h);
        cairo_fill(cr);
        cairo_restore(cr);
        y += h;
        ++i;
    }
    set_rgb(cr, 0x1A0F08, 0.15);
    cairo_rectangle(cr, 0, kFloorY, kW, 5);
    cairo_fill(cr);
}

void window(cairo_t* cr)
{
    const double x = 120, y = 14, w = 176, h = 92;
    paint_shape(cr, [=](cairo_t* g) { rounded_rect(g, x - 8, y - 8, w + 16, h + 16, 8); }, solid(0xF4F1EA));
    cairo_save(cr);
    rounded_rect(cr, x, y, w, h, 4);
    cairo_clip(cr);
    fill_vertical_gradient(cr, x, y, w, h, pal::sky_top, 0xD4F1FC);
    sun(cr, x + w - 34, y + 28, 15, false);
    cloud(cr, x + 52, y + 36, 62);
    set_rgb(cr, pal::grass);
    ellipse(cr, x + 40, y + h + 18, 90, 34);
    ellipse(cr, x + 150, y + h + 22, 80, 32);
    cairo_fill(cr);
    cairo_restore(cr);
    // The window bars.
    set_rgb(cr, pal::outline);
    cairo_rectangle(cr, x + w / 2 - 4, y, 8, h);
    cairo_rectangle(cr, x, y + h / 2 - 4, w, 8);
    cairo_fill(cr);
    set_rgb(cr, 0xF4F1EA);
    cairo_rectangle(cr, x + w / 2 - 2.5, y, 5, h);
    cairo_rectangle(cr, x, y + h / 2 - 2.5, w, 5);
    cairo_fill(cr);
    // Curtains tied back at both sides, with a pelmet.
    for (int k : {-1, 1}) {
        const double ex = k < 0 ? x - 14 : x + w + 14;
        paint_shape(cr, [=](cairo_t* g) {
            cairo_move_to(g, ex, y - 12);
            cairo_line_to(g, ex - k * 34, y - 12);
            cairo_curve_to(g, ex - k * 22, y + 40, ex - k * 4, y + 60, ex - k * 18, y + h + 12);
            cairo_line_to(g, ex + k * 6, y + h + 12);
            cairo_curve_to(g, ex + k * 2, y + 60, ex + k * 8, y + 30, ex, y - 12);
            cairo_close_path(g);
        }, solid(0xE86A6A, 2.5, 0.25));
        cairo_save(cr);
        set_rgb(cr, pal::white, 0.6);
        for (int d = 0; d < 6; ++d)
            ellipse(cr, ex - k * (10 + (d % 2) * 10), y + 4 + d * 16, 2.5, 2.5);
        cairo_fill(cr);
        cairo_restore(cr);
        paint_shape(cr, [=](cairo_t* g) { ellipse(g, ex - k * 12, y + 58, 8, 5); }, flat(pal::sun, 2));
    }
    paint_shape(cr, [=](cairo_t* g) { rounded_rect(g, x - 26, y - 16, w + 52, 12, 5); }, solid(0xB86A3E));
}

void mirror(cairo_t* cr)
{
    const double cx = 44, cy = 286;
    // The stand's feet and legs behind the glass.
    for (int k : {-1, 1}) {
        cairo_save(cr);
        cairo_move_to(cr, cx + k * 28, cy + 40);
        cairo_line_to(cr, cx + k * 36, 452);
        cairo_set_line_width(cr, 10);
        set_rgb(cr, pal::outline);
        cairo_stroke_preserve(cr);
        cairo_set_line_width(cr, 6);
        set_rgb(cr, 0xB8743F);
        cairo_stroke(cr);
        cairo_restore(cr);
    }
    soft_shadow(cr, cx, 456, 52, 8);
    paint_shape(cr, [=](cairo_t* g) { ellipse(g, cx, cy, 38, 118); }, solid(0xC98A4A, 3, 0.3));
    cairo_save(cr);
    ellipse(cr, cx, cy, 28, 108);
    cairo_clip(cr);
    fill_vertical_gradient(cr, cx - 30, cy - 110, 60, 220, 0xE6F6FC, 0xA8D8EE);
    set_rgb(cr, pal::white, 0.7);
    cairo_move_to(cr, cx - 30, cy - 30);
    cairo_line_to(cr, cx + 10, cy - 90);
    cairo_line_to(cr, cx + 22, cy - 80);
    cairo_line_to(cr, cx - 20, cy - 16);
    cairo_close_path(cr);
    cairo_move_to(cr, cx - 24, cy + 20);
    cairo_line_to(cr, cx + 20, cy - 40);
    cairo_line_to(cr, cx + 24, cy - 32);
    cairo_line_to(cr, cx - 20, cy + 28);
    cairo_close_path(cr);
    cairo_fill(cr);
    cairo_restore(cr);
    set_rgb(cr, pal::outline);
    cairo_set_line_width(cr, 2);
    ellipse(cr, cx, cy, 28, 108);
    cairo_stroke(cr);
    // A little heart on the top of the frame.
    paint_shape(cr, [=](cairo_t* g) { heart_path(g, cx, cy - 118, 9); }, flat(pal::red, 2));
}

// A roll of cloth standing on end (w wide, from top to bottom), with a pattern.
void cloth_roll(cairo_t* cr, double x, double top, double w, double bottom, uint32_t colour, int pattern)
{
    auto body = [=](cairo_t* g) {
        cairo_move_to(g, x, top);
        cairo_line_to(g, x, bottom);
        cairo_curve_to(g, x, bottom + w * 0.2, x + w, bottom + w * 0.2, x + w, bottom);
        cairo_line_to(g, x + w, top);
        cairo_close_path(g);
    };
    paint_shape(cr, body, solid(colour, 2.5, 0.15));
    cairo_save(cr);
    body(cr);
    cairo_clip(cr);
    switch (pattern) {
    case 0:
        set_rgb(cr, pal::white, 0.8);
        for (double y = top + 8; y < bottom + 8; y += 14)
            for (double px = x + 6; px < x + w; px += 12)
                ellipse(cr, px + (int(y) / 14 % 2) * 6, y, 2.6, 2.6);
        cairo_fill(cr);
        break;
    case 1:
        set_rgb(cr, darken(colour, 0.3), 0.6);
        for (double y = top + 6; y < bottom + 8; y += 12)
            cairo_rectangle(cr, x, y, w, 5);
        cairo_fill(cr);
        break;
    default:
        set_rgb(cr, pal::white, 0.55);
        cairo_set_line_width(cr, 2);
        for (double d = -w; d < bottom - top + w; d += 11) {
            cairo_move_to(cr, x, top + d);
            cairo_line_to(cr, x + w, top + d - w * 0.6);
        }
        cairo_stroke(cr);
        break;
    }
    // Light from the left.
    set_rgb(cr, pal::white, 0.25);
    cairo_rectangle(cr, x + w * 0.12, top, w * 0.16, bottom - top + w);
    cairo_fill(cr);
    cairo_restore(cr);
    paint_shape(cr, [=](cairo_t* g) { ellipse(g, x + w / 2, top, w / 2, w * 0.18); }, flat(lighten(colour, 0.25), 2.5));
    paint_shape(cr, [=](cairo_t* g) { ellipse(g, x + w / 2, top, w * 0.14, w * 0.06); }, flat(0xC98A4A, 1.5));
}

void spool(cairo_t* cr, double cx, double bottom, double h, uint32_t thread)
{
    const double w = h * 0.8;
    paint_shape(cr, [=](cairo_t* g) { rounded_rect(g, cx - w / 2, bottom - 6, w, 6, 2); }, solid(0xD9A066, 2));
    paint_shape(cr, [=](cairo_t* g) { rounded_rect(g, cx - w / 2 + 4, bottom - h + 5, w - 8, h - 10, 2); }, flat(thread, 2, 0.35));
    cairo_save(cr);
    set_rgb(cr, darken(thread, 0.3), 0.6);
    cairo_set_line_width(cr, 1);
    for (double y = bottom - h + 8; y < bottom - 6; y += 3) {
        cairo_move_to(cr, cx - w / 2 + 5, y);
        cairo_line_to(cr, cx + w / 2 - 5, y + 1.5);
    }
    cairo_stroke(cr);
    cairo_restore(cr);
    paint_shape(cr, [=](cairo_t* g) { rounded_rect(g, cx - w / 2, bottom - h, w, 6, 2); }, flat(0xD9A066, 2));
}

// A mouse peeking over a rim at (cx, rim): head, round ears, eyes, a pink nose.
void mouse_face(cairo_t* cr, double cx, double rim, double s, double look)
{
    for (int k : {-1, 1})
        paint_shape(cr, [=](cairo_t* g) { ellipse(g, cx + k * 9 * s, rim - 16 * s, 7 * s, 7 * s); }, flat(0xB9B4C4, 2));
    for (int k : {-1, 1}) {
        set_rgb(cr, 0xFFB3C7);
        ellipse(cr, cx + k * 9 * s, rim - 16 * s, 4 * s, 4 * s);
        cairo_fill(cr);
    }
    paint_shape(cr, [=](cairo_t* g) {
        cairo_move_to(g, cx - 10 * s, rim + 2);
        cairo_curve_to(g, cx - 11 * s, rim - 12 * s, cx - 6 * s, rim - 14 * s, cx, rim - 14 * s);
        cairo_curve_to(g, cx + 6 * s, rim - 14 * s, cx + 11 * s, rim - 12 * s, cx + 10 * s, rim + 2);
        cairo_close_path(g);
    }, flat(0xCFCAD8, 2, 0.3));
    for (int k : {-1, 1}) {
        set_rgb(cr, pal::nose);
        ellipse(cr, cx + k * 4 * s + look, rim - 8 * s, 1.8 * s, 2.2 * s);
        cairo_fill(cr);
        set_rgb(cr, pal::white);
        ellipse(cr, cx + k * 4 * s + look + 0.6, rim - 8.8 * s, 0.7 * s, 0.7 * s);
        cairo_fill(cr);
    }
    set_rgb(cr, 0xFF7F9E);
    ellipse(cr, cx + look, rim - 3 * s, 2.2 * s, 1.8 * s);
    cairo_fill(cr);
    cairo_save(cr);
    set_rgb(cr, pal::outline, 0.7);
    cairo_set_line_width(cr, 0.8);
    for (int k : {-1, 1})
        for (int w = -1; w <= 1; w += 2) {
            cairo_move_to(cr, cx + k * 3 * s, rim - 3 * s);
            cairo_line_to(cr, cx + k * 12 * s, rim - 3 * s + w * 2 * s);
        }
    cairo_stroke(cr);
    cairo_restore(cr);
}

// The shelf above the sewing table: spools, a sewing basket with three mice
// peeking out of it (the mice spot is 365..476 x 120..151).
void shelf(cairo_t* cr)
{
    const double top = 152, x0 = 336, x1 = 506;
    for (double bx : {x0 + 18, x1 - 24}) {
        paint_shape(cr, [=](cairo_t* g) {
            cairo_move_to(g, bx, top + 8);
            cairo_line_to(g, bx + 6, top + 8);
            cairo_line_to(g, bx + 6, top + 30);
            cairo_close_path(g);
        }, solid(0xB8743F, 2));
    }
    spool(cr, 349, top, 26, 0x4D8FE8);
    spool(cr, 492, top, 24, pal::red);
    // The basket first with its back rim, then the mice, then its front.
    const double bx = 366, bw = 108, rim = 134;
    paint_shape(cr, [=](cairo_t* g) { ellipse(g, bx + bw / 2, rim, bw / 2, 6); }, flat(0x8A5A2E, 2));
    mouse_face(cr, 388, rim + 2, 1.0, 1);
    mouse_face(cr, 420, rim, 1.15, 0);
    mouse_face(cr, 452, rim + 2, 0.95, -1);
    // A tail hanging over the front.
    cairo_save(cr);
    cairo_move_to(cr, 468, rim + 4);
    cairo_curve_to(cr, 478, rim + 8, 476, rim + 20, 484, rim + 16);
    set_rgb(cr, pal::outline);
    cairo_set_line_width(cr, 4);
    cairo_stroke_preserve(cr);
    set_rgb(cr, 0xFFB3C7);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    cairo_restore(cr);
    auto basket = [=](cairo_t* g) {
        cairo_move_to(g, bx, rim);
        cairo_curve_to(g, bx + 20, rim + 6, bx + bw - 20, rim + 6, bx + bw, rim);
        cairo_line_to(g, bx + bw - 6, top);
        cairo_line_to(g, bx + 6, top);
        cairo_close_path(g);
    };
    paint_shape(cr, basket, solid(0xD9A066, 2.5, 0.2));
    cairo_save(cr);
    basket(cr);
    cairo_clip(cr);
    set_rgb(cr, darken(0xD9A066, 0.3), 0.7);
    cairo_set_line_width(cr, 1.5);
    for (double x = bx; x < bx + bw; x += 8) {
        cairo_move_to(cr, x, rim);
        cairo_line_to(cr, x + 3, top);
    }
    for (double y = rim + 6; y < top; y += 5) {
        cairo_move_to(cr, bx, y);
        cairo_line_to(cr, bx + bw, y);
    }
    cairo_stroke(cr);
    cairo_restore(cr);
    paint_shape(cr, [=](cairo_t* g) { rounded_rect(g, x0, top, x1 - x0, 9, 3); }, solid(0xC98A4A, 2.5, 0.3));
}

void clock(cairo_t* cr, double cx, double cy)
{
    paint_shape(cr, [=](cairo_t* g) { ellipse(g, cx, cy, 30, 30); }, solid(0x4D8FE8, 3, 0.3));
    paint_shape(cr, [=](cairo_t* g) { ellipse(g, cx, cy, 23, 23); }, flat(pal::cream, 2, 0.1));
    cairo_save(cr);
    set_rgb(cr, pal::outline);
    for (int i = 0; i < 12; ++i) {
        const double a = i * kPi / 6;
        ellipse(cr, cx + 18 * std::cos(a), cy + 18 * std::sin(a), i % 3 ? 1.2 : 2.2, i % 3 ? 1.2 : 2.2);
        cairo_fill(cr);
    }
    cairo_set_line_width(cr, 3);
    cairo_move_to(cr, cx, cy);
    cairo_line_to(cr, cx + 9, cy - 6);
    cairo_move_to(cr, cx, cy);
    cairo_line_to(cr, cx - 2, cy - 15);
    cairo_stroke(cr);
    cairo_restore(cr);
    paint_shape(cr, [=](cairo_t* g) { ellipse(g, cx, cy, 3, 3); }, flat(pal::red, 1.5));
    for (int k : {-1, 1})
        paint_shape(cr, [=](cairo_t* g) { ellipse(g, cx + k * 18, cy - 30, 8, 8); }, solid(pal::sun, 2.5));
}

void sewing_table(cairo_t* cr)
{
    const double x0 = 330, x1 = 512, top = 262;
    // Iron legs with a treadle.
    for (double lx : {x0 + 16, x1 - 16}) {
        paint_shape(cr, [=](cairo_t* g) {
            cairo_move_to(g, lx - 14, top + 12);
            cairo_line_to(g, lx + 14, top + 12);
            cairo_line_to(g, lx + 4, 372);
            cairo_line_to(g, lx + 16, 380);
            cairo_line_to(g, lx - 16, 380);
            cairo_line_to(g, lx - 4, 372);
            cairo_close_path(g);
        }, solid(0x3A3F4B, 2, 0.3));
        set_rgb(cr, 0xFFD23F);
        ellipse(cr, lx, top + 40, 4, 4);
        cairo_fill(cr);
    }
    paint_shape(cr, [=](cairo_t* g) { rounded_rect(g, x0 + 40, 352, x1 - x0 - 80, 12, 3); }, solid(0x3A3F4B, 2));
    soft_shadow(cr, (x0 + x1) / 2, 382, 100, 8);
    // The table top and its drawer rail.
    paint_shape(cr, [=](cairo_t* g) { rounded_rect(g, x0 - 4, top, x1 - x0 + 8, 16, 4); }, solid(0xC98A4A, 3, 0.3));
    paint_shape(cr, [=](cairo_t* g) { rounded_rect(g, x0 + 30, top + 16, x1 - x0 - 60, 18, 3); }, flat(0xB8743F, 2.5));
    paint_shape(cr, [=](cairo_t* g) { ellipse(g, (x0 + x1) / 2, top + 25, 6, 4); }, flat(pal::sun, 1.5));

    // The sewing machine: a friendly mint arm with a wheel, a needle and cloth under it.
    const double mx = 352, my = top;
    paint_shape(cr, [=](cairo_t* g) {
        cairo_move_to(g, mx, my);
        cairo_line_to(g, mx, my - 22);
        cairo_curve_to(g, mx, my - 40, mx + 6, my - 58, mx + 28, my - 58);
        cairo_line_to(g, mx + 120, my - 58);
        cairo_curve_to(g, mx + 132, my - 58, mx + 136, my - 50, mx + 136, my - 40);
        cairo_line_to(g, mx + 136, my);
        cairo_line_to(g, mx + 110, my);
        cairo_line_to(g, mx + 110, my - 28);
        cairo_line_to(g, mx + 30, my - 28);
        cairo_curve_to(g, mx + 24, my - 28, mx + 22, my - 24, mx + 22, my - 18);
        cairo_line_to(g, mx + 22, my);
        cairo_close_path(g);
    }, solid(0x7FD8C4, 3, 0.35));
    paint_shape(cr, [=](cairo_t* g) { rounded_rect(g, mx - 6, my - 8, 150, 9, 3); }, flat(0x5EBBA8, 2.5));
    // Needle bar, needle and the cloth going through.
    paint_shape(cr, [=](cairo_t* g) { rounded_rect(g, mx + 100, my - 28, 10, 12, 2); }, flat(0xD0D4DC, 2));
    line(cr, mx + 105, my - 16, mx + 105, my - 9, pal::outline, 2);
    paint_shape(cr, [=](cairo_t* g) {
        cairo_move_to(g, mx + 60, my - 9);
        cairo_line_to(g, mx + 150, my - 11);
        cairo_line_to(g, mx + 160, my + 12);
        cairo_line_to(g, mx + 70, my + 10);
        cairo_close_path(g);
    }, flat(0xFF8FC7, 2, 0.2));
    stitches(cr, [=](cairo_t* g) {
        cairo_move_to(g, mx + 66, my + 1);
        cairo_line_to(g, mx + 150, my - 1);
    }, pal::outline, 1.3);
    // The hand wheel, a dial and the thread spool on top.
    paint_shape(cr, [=](cairo_t* g) { ellipse(g, mx + 140, my - 36, 9, 16); }, solid(0xD0D4DC, 2.5));
    paint_shape(cr, [=](cairo_t* g) { ellipse(g, mx + 40, my - 44, 7, 7); }, flat(pal::white, 2));
    line(cr, mx + 40, my - 44, mx + 43, my - 48, pal::red, 2);
    spool(cr, mx + 78, my - 58, 18, 0xFFD23F);
    // Thread from the spool to the needle.
    cairo_save(cr);
    set_rgb(cr, 0xE0A800);
    cairo_set_line_width(cr, 1.2);
    cairo_move_to(cr, mx + 84, my - 68);
    cairo_curve_to(cr, mx + 100, my - 70, mx + 104, my - 60, mx + 104, my - 28);
    cairo_stroke(cr);
    cairo_restore(cr);
    // A pin cushion with pins at the other end of the table.
    paint_shape(cr, [=](cairo_t* g) { ellipse(g, x1 - 14, top - 8, 12, 9); }, flat(pal::red, 2.5, 0.35));
    for (int i = 0; i < 4; ++i) {
        const double a = -kPi / 2 + (i - 1.5) * 0.5;
        line(cr, x1 - 14, top - 12, x1 - 14 + 14 * std::cos(a), top - 12 + 14 * std::sin(a), 0x9AA0AA, 1.5);
        set_rgb(cr, i % 2 ? pal::sun : pal::blue);
        ellipse(cr, x1 - 14 + 14 * std::cos(a), top - 12 + 14 * std::sin(a), 2.5, 2.5);
        cairo_fill(cr);
    }
}

// The wardrobe with its drawer (the drawer spot is 545..651 x 285..316), a
// rat on its top at the left (525..606 x 100..136) and a hat box at the right.
void wardrobe(cairo_t* cr)
{
    const double x0 = 522, x1 = 660, top = 138, base = 330;
    const uint32_t wood = 0xC98A4A;
    for (double fx : {x0 + 12, x1 - 22})
        paint_shape(cr, [=](cairo_t* g) { rounded_rect(g, fx, base - 6, 10, 12, 3); }, solid(0x8A5A2E, 2));
    paint_shape(cr, [=](cairo_t* g) { rounded_rect(g, x0, top, x1 - x0, base - top, 5); }, solid(wood, 3, 0.2));
    // The cornice.
    paint_shape(cr, [=](cairo_t* g) { rounded_rect(g, x0 - 6, top - 4, x1 - x0 + 12, 12, 4); }, flat(darken(wood, 0.1), 3));
    // Two doors with round windows of flowers, and their knobs.
    for (int d = 0; d < 2; ++d) {
        const double dx = x0 + 10 + d * 60, dw = 58;
        paint_shape(cr, [=](cairo_t* g) { rounded_rect(g, dx, top + 14, dw, 128, 4); }, flat(lighten(wood, 0.12), 2.5, 0.1));
        paint_shape(cr, [=](cairo_t* g) { rounded_rect(g, dx + 8, top + 24, dw - 16, 108, 10); }, flat(lighten(wood, 0.2), 2, 0.1));
        blossom_wall(cr, dx + dw / 2, top + 78, d == 0 ? pal::pink : pal::sky);
        paint_shape(cr, [=](cairo_t* g) { ellipse(g, d == 0 ? dx + dw - 8 : dx + 8, top + 82, 4, 4); }, flat(pal::sun, 2));
    }
    // A sleeve caught in the doors.
    paint_shape(cr, [=](cairo_t* g) {
        cairo_move_to(g, x0 + 67, top + 90);
        cairo_curve_to(g, x0 + 60, top + 110, x0 + 72, top + 120, x0 + 64, top + 138);
        cairo_line_to(g, x0 + 76, top + 140);
        cairo_curve_to(g, x0 + 80, top + 120, x0 + 72, top + 110, x0 + 74, top + 92);
        cairo_close_path(g);
    }, flat(0x9B6BD3, 2, 0.2));
    // The drawer.
    paint_shape(cr, [=](cairo_t* g) { rounded_rect(g, 540, 284, 114, 32, 4); }, flat(lighten(wood, 0.1), 2.5, 0.2));
    for (double kx : {566.0, 628.0}) {
        paint_shape(cr, [=](cairo_t* g) { rounded_rect(g, kx - 10, 297, 20, 6, 3); }, flat(0xF2D8A0, 2));
    }
    // A striped sock hanging out of the drawer.
    paint_shape(cr, [=](cairo_t* g) {
        cairo_move_to(g, 594, 286);
        cairo_line_to(g, 606, 286);
        cairo_line_to(g, 606, 306);
        cairo_curve_to(g, 614, 308, 616, 318, 606, 318);
        cairo_line_to(g, 596, 318);
        cairo_close_path(g);
    }, flat(pal::white, 2, 0.1));
    cairo_save(cr);
    set_rgb(cr, pal::red);
    cairo_rectangle(cr, 595, 291, 10, 4);
    cairo_rectangle(cr, 595, 300, 10, 4);
    cairo_rectangle(cr, 595, 309, 14, 4);
    cairo_fill(cr);
    cairo_restore(cr);

    // The hat box on the right of the top.
    paint_shape(cr, [=](cairo_t* g) { rounded_rect(g, 612, top - 34, 42, 30, 4); }, solid(0x7FC8F8, 2.5, 0.2));
    paint_shape(cr, [=](cairo_t* g) { rounded_rect(g, 609, top - 38, 48, 9, 3); }, flat(0x4D8FE8, 2.5));
    cairo_save(cr);
    set_rgb(cr, pal::white, 0.8);
    for (int i = 0; i < 3; ++i)
        ellipse(cr, 622 + i * 11, top - 18 + (i % 2) * 5, 3, 3);
    cairo_fill(cr);
    cairo_restore(cr);
    rat(cr, 563, top - 4);
}

// A round flower painted on a door.
void blossom_wall(cairo_t* cr, double cx, double cy, uint32_t petals)
{
    paint_shape(cr, [=](cairo_t* g) {
        for (int i = 0; i < 6; ++i) {
            const double a = i * kPi / 3;
            cairo_new_sub_path(g);
            cairo_arc(g, cx + 10 * std::cos(a), cy + 10 * std::sin(a), 7, 0, 2 * kPi);
        }
    }, flat(petals, 2, 0.25));
    paint_shape(cr, [=](cairo_t* g) { ellipse(g, cx, cy, 6, 6); }, flat(pal::sun, 2));
}

// The rat sitting on the wardrobe, his feet on (cx, y): grey, long pink tail
// hanging down the front, big ears, a crumb of cheese in his paws.
void rat(cairo_t* cr, double cx, double y)
{
    const uint32_t fur = 0x9C97A6;
    cairo_save(cr);
    cairo_move_to(cr, cx + 16, y - 4);
    cairo_curve_to(cr, cx + 30, y, cx + 30, y + 18, cx + 38, y + 26);
    set_rgb(cr, pal::outline);
    cairo_set_line_width(cr, 5);
    cairo_stroke_preserve(cr);
    set_rgb(cr, 0xFFB3C7);
    cairo_set_line_width(cr, 2.6);
    cairo_stroke(cr);
    cairo_restore(cr);
    paint_shape(cr, [=](cairo_t* g) { ellipse(g, cx, y - 14, 20, 14); }, solid(fur, 2.5, 0.3));
    for (int k : {-1, 1})
        paint_shape(cr, [=](cairo_t* g) { ellipse(g, cx - 20 + k * 10, y - 36, 8, 8); }, flat(fur, 2));
    for (int k : {-1, 1}) {
        set_rgb(cr, 0xFFB3C7);
        ellipse(cr, cx - 20 + k * 10, y - 36, 4.5, 4.5);
        cairo_fill(cr);
    }
    paint_shape(cr, [=](cairo_t* g) {
        cairo_move_to(g, cx - 8, y - 30);
        cairo_curve_to(g, cx - 10, y - 40, cx - 28, y - 42, cx - 34, y - 28);
        cairo_curve_to(g, cx - 40, y - 22, cx - 44, y - 20, cx - 44, y - 18);
        cairo_curve_to(g, cx - 36, y - 14, cx - 14, y - 14, cx - 8, y - 30);
        cairo_close_path(g);
    }, flat(lighten(fur, 0.1), 2.5, 0.3));
    set_rgb(cr, 0xFF7F9E);
    ellipse(cr, cx - 44, y - 19, 3, 2.5);
    cairo_fill(cr);
    set_rgb(cr, pal::nose);
    ellipse(cr, cx - 26, y - 28, 2.5, 3);
    cairo_fill(cr);
    set_rgb(cr, pal::white);
    ellipse(cr, cx - 25.3, y - 29, 0.9, 0.9);
    cairo_fill(cr);
    cairo_save(cr);
    set_rgb(cr, pal::outline, 0.7);
    cairo_set_line_width(cr, 0.9);
    for (int w = -1; w <= 1; ++w) {
        cairo_move_to(cr, cx - 38, y - 20);
        cairo_line_to(cr, cx - 50, y - 20 + w * 4);
    }
    cairo_stroke(cr);
    cairo_restore(cr);
    // The cheese.
    paint_shape(cr, [=](cairo_t* g) {
        cairo_move_to(g, cx - 12, y - 4);
        cairo_line_to(g, cx + 4, y - 12);
        cairo_line_to(g, cx + 4, y - 2);
        cairo_close_path(g);
    }, flat(pal::sun, 2));
    set_rgb(cr, darken(pal::sun, 0.25));
    ellipse(cr, cx, y - 6, 1.6, 1.6);
    cairo_fill(cr);
}

// The parrot on a tall perch (the spot is 655..706 x 200..321).
void parrot_perch(cairo_t* cr)
{
    const double cx = 682, base = 320, bar = 262;
    soft_shadow(cr, cx, base + 2, 24, 4);
    paint_shape(cr, [=](cairo_t* g) { rounded_rect(g, cx - 20, base - 6, 40, 8, 3); }, solid(0x8A5A2E, 2.5));
    paint_shape(cr, [=](cairo_t* g) { rounded_rect(g, cx - 3.5, bar, 7, base - bar - 4, 3); }, flat(0xB8743F, 2.5));
    paint_shape(cr, [=](cairo_t* g) { rounded_rect(g, cx - 24, bar - 4, 48, 8, 4); }, flat(0xB8743F, 2.5));
    // A seed cup on the pole.
    paint_shape(cr, [=](cairo_t* g) { rounded_rect(g, cx + 4, 286, 14, 10, 3); }, flat(pal::blue, 2));
    // Long tail feathers hanging behind the bar.
    paint_shape(cr, [=](cairo_t* g) {
        cairo_move_to(g, cx - 6, bar - 6);
        cairo_line_to(g, cx + 6, bar - 6);
        cairo_line_to(g, cx + 10, 308);
        cairo_line_to(g, cx + 2, 302);
        cairo_line_to(g, cx - 6, 310);
        cairo_close_path(g);
    }, flat(0x2F6FE0, 2, 0.2));
    paint_shape(cr, [=](cairo_t* g) {
        cairo_move_to(g, cx - 3, bar);
        cairo_line_to(g, cx + 4, bar);
        cairo_line_to(g, cx + 2, 300);
        cairo_close_path(g);
    }, flat(pal::sun, 1.5));
    // The body, the wing, the head with its big curved beak.
    paint_shape(cr, [=](cairo_t* g) { ellipse(g, cx, bar - 24, 16, 22); }, solid(0xE8453C, 2.5, 0.3));
    paint_shape(cr, [=](cairo_t* g) {
        cairo_move_to(g, cx + 2, bar - 38);
        cairo_curve_to(g, cx + 20, bar - 36, cx + 20, bar - 14, cx + 10, bar - 4);
        cairo_curve_to(g, cx + 6, bar - 14, cx + 2, bar - 26, cx + 2, bar - 38);
        cairo_close_path(g);
    }, flat(0x2FA84A, 2, 0.2));
    cairo_save(cr);
    set_rgb(cr, pal::sun);
    cairo_set_line_width(cr, 2);
    cairo_move_to(cr, cx + 6, bar - 30);
    cairo_curve_to(cr, cx + 14, bar - 26, cx + 14, bar - 18, cx + 10, bar - 12);
    cairo_stroke(cr);
    cairo_restore(cr);
    paint_shape(cr, [=](cairo_t* g) { ellipse(g, cx - 2, bar - 50, 14, 13); }, flat(0xE8453C, 2.5, 0.3));
    // Feathers on the crest.
    paint_shape(cr, [=](cairo_t* g) {
        cairo_move_to(g, cx - 4, bar - 62);
        cairo_curve_to(g, cx - 6, bar - 72, cx + 2, bar - 76, cx + 4, bar - 68);
        cairo_curve_to(g, cx + 8, bar - 74, cx + 14, bar - 70, cx + 6, bar - 60);
        cairo_close_path(g);
    }, flat(pal::sun, 2));
    paint_shape(cr, [=](cairo_t* g) { ellipse(g, cx - 6, bar - 50, 6, 6); }, flat(pal::white, 1.5, 0));
    set_rgb(cr, pal::nose);
    ellipse(cr, cx - 7, bar - 51, 2.6, 2.6);
    cairo_fill(cr);
    set_rgb(cr, pal::white);
    ellipse(cr, cx - 6, bar - 52, 0.9, 0.9);
    cairo_fill(cr);
    paint_shape(cr, [=](cairo_t* g) {
        cairo_move_to(g, cx - 14, bar - 54);
        cairo_curve_to(g, cx - 24, bar - 54, cx - 26, bar - 44, cx - 20, bar - 38);
        cairo_curve_to(g, cx - 20, bar - 44, cx - 16, bar - 46, cx - 12, bar - 44);
        cairo_close_path(g);
    }, flat(0xFFE6A0, 2, 0.2));
    // Feet gripping the bar.
    for (int k : {-1, 1})
        paint_shape(cr, [=](cairo_t* g) { ellipse(g, cx + k * 6, bar - 3, 4, 3); }, flat(0x9AA0AA, 1.5));
}

// The gym mat on the floor (the spot is 600..711 x 330..386), with a ball.
void gym_mat(cairo_t* cr)
{
    const double l = 602, r = 712, t = 336, b = 378;
    soft_shadow(cr, (l + r) / 2, b + 8, 66, 8);
    // The front face, then the top in perspective with quilted squares.
    paint_shape(cr, [=](cairo_t* g) {
        cairo_move_to(g, l - 8, b - 2);
        cairo_line_to(g, r + 8, b - 2);
        cairo_line_to(g, r + 8, b + 8);
        cairo_line_to(g, l - 8, b + 8);
        cairo_close_path(g);
    }, flat(0x1F5FB8, 2.5, 0.1));
    auto top = [=](cairo_t* g) {
        cairo_move_to(g, l + 6, t);
        cairo_line_to(g, r - 6, t);
        cairo_line_to(g, r + 8, b - 2);
        cairo_line_to(g, l - 8, b - 2);
        cairo_close_path(g);
    };
    paint_shape(cr, top, flat(0x3E86E0, 2.5, 0.25));
    cairo_save(cr);
    top(cr);
    cairo_clip(cr);
    set_rgb(cr, 0x1F5FB8, 0.8);
    cairo_set_line_width(cr, 1.5);
    for (int i = 1; i < 4; ++i) {
        const double u = i / 4.0;
        cairo_move_to(cr, l + 6 + (r - l - 12) * u, t);
        cairo_line_to(cr, l - 8 + (r - l + 16) * u, b - 2);
    }
    cairo_move_to(cr, l, (t + b) / 2);
    cairo_line_to(cr, r, (t + b) / 2);
    cairo_stroke(cr);
    cairo_restore(cr);
    // A red and yellow ball on its corner.
    paint_shape(cr, [=](cairo_t* g) { ellipse(g, r - 10, t + 2, 12, 12); }, solid(pal::red, 2.5, 0.35));
    cairo_save(cr);
    ellipse(cr, r - 10, t + 2, 12, 12);
    cairo_clip(cr);
    set_rgb(cr, pal::sun);
    cairo_rectangle(cr, r - 22, t - 2, 24, 6);
    cairo_fill(cr);
    cairo_restore(cr);
}

// Three bolts of cloth leaning against the wall at the right.
void cloth_bolts(cairo_t* cr)
{
    cloth_roll(cr, 716, 150, 24, 318, 0x2EC4B6, 0);
    cloth_roll(cr, 742, 176, 24, 322, pal::sun, 2);
    cloth_roll(cr, 766, 130, 26, 320, 0x9B6BD3, 1);
}

// A tape measure lying across the floor in front, and a pair of scissors.
void floor_things(cairo_t* cr)
{
    cairo_save(cr);
    cairo_move_to(cr, 360, 470);
    cairo_curve_to(cr, 400, 452, 430, 492, 480, 476);
    cairo_curve_to(cr, 520, 464, 560, 480, 600, 462);
    set_rgb(cr, pal::outline);
    cairo_set_line_width(cr, 11);
    cairo_stroke_preserve(cr);
    set_rgb(cr, pal::sun);
    cairo_set_line_width(cr, 7);
    cairo_stroke_preserve(cr);
    const double dash[2] = {1.2, 6};
    cairo_set_dash(cr, dash, 2, 0);
    set_rgb(cr, pal::outline);
    cairo_set_line_width(cr, 5);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
    cairo_stroke(cr);
    cairo_restore(cr);
    paint_shape(cr, [](cairo_t* g) { ellipse(g, 350, 474, 16, 14); }, solid(pal::red, 2.5, 0.35));
    paint_shape(cr, [](cairo_t* g) { ellipse(g, 350, 474, 5, 5); }, flat(pal::white, 1.5));
    // Scissors.
    cairo_save(cr);
    cairo_translate(cr, 660, 450);
    cairo_rotate(cr, -0.3);
    for (int k : {-1, 1})
        paint_shape(cr, [=](cairo_t* g) {
            cairo_move_to(g, 0, k * 2);
            cairo_line_to(g, 36, k * 1);
            cairo_line_to(g, 0, k * 7);
            cairo_close_path(g);
        }, flat(0xD0D4DC, 2));
    for (int k : {-1, 1}) {
        cairo_new_sub_path(cr);
        cairo_arc(cr, -10, k * 8, 7, 0, 2 * kPi);
        set_rgb(cr, pal::outline);
        cairo_set_line_width(cr, 6);
        cairo_stroke_preserve(cr);
        set_rgb(cr, 0xFF9F43);
        cairo_set_line_width(cr, 3);
        cairo_stroke(cr);
    }
    cairo_restore(cr);
    // Buttons that rolled away.
    const uint32_t cols[] = {pal::blue, pal::red, 0x5DBB46};
    const double pos[][2] = {{200, 470}, {620, 412}, {460, 520}};
    for (int i = 0; i < 3; ++i) {
        paint_shape(cr, [=](cairo_t* g) { ellipse(g, pos[i][0], pos[i][1], 7, 5); }, solid(cols[i], 2, 0.3));
        set_rgb(cr, pal::outline);
        ellipse(cr, pos[i][0] - 2, pos[i][1], 1, 1);
        ellipse(cr, pos[i][0] + 2, pos[i][1], 1, 1);
        cairo_fill(cr);
    }
}

void rug(cairo_t* cr)
{
    paint_shape(cr, [](cairo_t* g) { ellipse(g, 198, 412, 118, 26); }, solid(0x9B6BD3, 3, 0.2));
    paint_shape(cr, [](cairo_t* g) { ellipse(g, 198, 412, 98, 19); }, flat(0xC4A6EC, 0, 0.1));
    cairo_save(cr);
    set_rgb(cr, pal::white, 0.7);
    for (int i = 0; i < 14; ++i) {
        const double a = i * 2 * kPi / 14;
        ellipse(cr, 198 + 108 * std::cos(a), 412 + 22.5 * std::sin(a), 3, 1.6);
    }
    cairo_fill(cr);
    cairo_restore(cr);
}

Canvas paint_room()
{
    Canvas c(kW, kH);
    cairo_t* cr = c.cr();
    Rng rng(0xD3E55);
    wall(cr);
    floorboards(cr, rng);
    window(cr);
    clock(cr, 420, 70);
    // Bunting across the top right.
    cairo_save(cr);
    set_rgb(cr, pal::outline);
    cairo_set_line_width(cr, 2);
    cairo_move_to(cr, 500, 16);
    cairo_curve_to(cr, 580, 40, 700, 40, 800, 14);
    cairo_stroke(cr);
    cairo_restore(cr);
    const uint32_t flags[] = {pal::red, pal::sun, 0x5DBB46, pal::blue, pal::pink, pal::orange};
    for (int i = 0; i < 9; ++i) {
        const double u = (i + 0.5) / 9;
        const double x = 500 + u * 300;
        const double y = 16 + 3 * u * (1 - u) * 38 - u * 2;
        paint_shape(cr, [=](cairo_t* g) {
            cairo_move_to(g, x - 10, y);
            cairo_line_to(g, x + 10, y);
            cairo_line_to(g, x, y + 22);
            cairo_close_path(g);
        }, solid(flags[i % 6], 2, 0.3));
    }
    mirror(cr);
    shelf(cr);
    cloth_bolts(cr);
    wardrobe(cr);
    sewing_table(cr);
    parrot_perch(cr);
    gym_mat(cr);
    rug(cr);
    floor_things(cr);
    return c;
}

// --- icons --------------------------------------------------------------------------

double cx_of(const Rect& r) { return r.x + r.w / 2.0; }
double cy_of(const Rect& r) { return r.y + r.h / 2.0; }

// Print: a friendly printer with Bafo's picture coming out of it.
IconArt print_icon(const Rect& hot, bool lit)
{
    const double cx = cx_of(hot), cy = cy_of(hot) + 2;
    const double s = lit ? 1.07 : 1.0;
    auto X = [=](double v) { return cx + v * s; };
    auto Y = [=](double v) { return cy + v * s; };
    auto draw = [=](cairo_t* cr) {
        // The sheet waiting at the back.
        paint_shape(cr, [=](cairo_t* g) { rounded_rect(g, X(-20), Y(-26), 40 * s, 20 * s, 2); }, flat(pal::white, 2, 0));
        // The body.
        paint_shape(cr, [=](cairo_t* g) { rounded_rect(g, X(-34), Y(-10), 68 * s, 28 * s, 7); },
                    Style{lit ? 0x9FDCFFu : 0x7FC8F8u, 0.35, pal::outline, 2.5, !lit, 3, 0.25});
        paint_shape(cr, [=](cairo_t* g) { rounded_rect(g, X(-26), Y(2), 52 * s, 6 * s, 2); }, flat(0x2B4F7A, 1.5, 0));
        paint_shape(cr, [=](cairo_t* g) { ellipse(g, X(24), Y(-3), 3.5 * s, 3.5 * s); }, flat(0x5DDB5A, 1.5));
        paint_shape(cr, [=](cairo_t* g) { ellipse(g, X(15), Y(-3), 3 * s, 3 * s); }, flat(pal::sun, 1.5));
        // The printed picture coming out: a little orange Bafo face.
        paint_shape(cr, [=](cairo_t* g) {
            cairo_move_to(g, X(-20), Y(5));
            cairo_line_to(g, X(20), Y(5));
            cairo_line_to(g, X(24), Y(28));
            cairo_line_to(g, X(-24), Y(28));
            cairo_close_path(g);
        }, flat(pal::white, 2, 0));
        for (int k : {-1, 1})
            paint_shape(cr, [=](cairo_t* g) { ellipse(g, X(k * 8), Y(15), 3.5 * s, 5 * s); }, flat(pal::ear, 1));
        paint_shape(cr, [=](cairo_t* g) { ellipse(g, X(0), Y(17), 7 * s, 6 * s); }, flat(pal::fur, 1.2));
        set_rgb(cr, pal::nose);
        ellipse(cr, X(-2.5), Y(16), 1.1 * s, 1.4 * s);
        ellipse(cr, X(2.5), Y(16), 1.1 * s, 1.4 * s);
        ellipse(cr, X(0), Y(19.5), 1.6 * s, 1.1 * s);
        cairo_fill(cr);
        if (lit) {
            frame::twinkle(cr, X(36), Y(-20), 5);
            frame::twinkle(cr, X(-38), Y(20), 4);
        }
    };
    auto shape = [=](cairo_t* g) {
        rounded_rect(g, X(-34), Y(-26), 68 * s, 54 * s, 7);
    };
    return IconArt{draw, shape};
}

// Random outfit: a magic wand with a star, sparkles and a trail of colours.
IconArt random_icon(const Rect& hot, bool lit)
{
    const double cx = cx_of(hot), cy = cy_of(hot);
    const double s = lit ? 1.07 : 1.0;
    auto X = [=](double v) { return cx + v * s; };
    auto Y = [=](double v) { return cy + v * s; };
    auto draw = [=](cairo_t* cr) {
        // A rainbow swish behind the wand.
        cairo_save(cr);
        const uint32_t bow[] = {pal::red, pal::sun, 0x5DBB46, pal::blue};
        for (int i = 0; i < 4; ++i) {
            cairo_new_path(cr);
            cairo_arc(cr, X(-6), Y(4), (18 - i * 3.2) * s, -kPi * 0.95, -kPi * 0.35);
            set_rgb(cr, bow[i], 0.85);
            cairo_set_line_width(cr, 3.2 * s);
            cairo_stroke(cr);
        }
        cairo_restore(cr);
        // The stick: dark with a white tip.
        cairo_save(cr);
        cairo_move_to(cr, X(-12), Y(32));
        cairo_line_to(cr, X(8), Y(-14));
        set_rgb(cr, pal::outline);
        cairo_set_line_width(cr, 9 * s);
        cairo_stroke(cr);
        cairo_move_to(cr, X(-12), Y(32));
        cairo_line_to(cr, X(8), Y(-14));
        set_rgb(cr, 0x4A3A6A);
        cairo_set_line_width(cr, 5 * s);
        cairo_stroke(cr);
        cairo_move_to(cr, X(-9.5), Y(26));
        cairo_line_to(cr, X(-12), Y(32));
        set_rgb(cr, pal::white);
        cairo_stroke(cr);
        cairo_restore(cr);
        paint_shape(cr, [=](cairo_t* g) { star_path(g, X(10), Y(-18), 16 * s, 7 * s, 5, 0.2); },
                    Style{lit ? 0xFFE45Cu : 0xFFD23Fu, 0.45, pal::outline, 2.5, !lit, 3, 0.25});
        set_rgb(cr, pal::white, 0.7);
        ellipse(cr, X(6), Y(-22), 3 * s, 2 * s);
        cairo_fill(cr);
        frame::twinkle(cr, X(20), Y(10), 4.5 * s);
        frame::twinkle(cr, X(-18), Y(-24), 4 * s);
        frame::twinkle(cr, X(18), Y(-34), 3.5 * s);
        if (lit)
            frame::twinkle(cr, X(-20), Y(14), 4);
    };
    auto shape = [=](cairo_t* g) {
        ellipse(g, X(8), Y(-16), 18 * s, 18 * s);
        rounded_rect(g, X(-16), Y(-8), 20 * s, 42 * s, 8);
    };
    return IconArt{draw, shape};
}

IconArt icon_art(int i, bool lit, Mouth m = Mouth::Closed)
{
    switch (i) {
    case kBack: return frame::back_icon(kHot[kBack], lit);
    case kPrint: return print_icon(kHot[kPrint], lit);
    case kRandom: return random_icon(kHot[kRandom], lit);
    default: return frame::mascot_icon(m, lit);
    }
}

bool overlap(const Rect& a, const Rect& b)
{
    return std::max(a.x, b.x) < std::min(a.x + a.w, b.x + b.w) && std::max(a.y, b.y) < std::min(a.y + a.h, b.y + b.h);
}

// The part of a hot area a picture painted at `lit` can reach: on the screen.
Rect visible(const Rect& r)
{
    const int x0 = std::max(0, r.x), y0 = std::max(0, r.y);
    const int x1 = std::min(kW, r.x + r.w), y1 = std::min(kH, r.y + r.h);
    return Rect{x0, y0, std::max(0, x1 - x0), std::max(0, y1 - y0)};
}

bool covers(const Rect& outer, const Rect& inner)
{
    return inner.x >= outer.x && inner.y >= outer.y && inner.x + inner.w <= outer.x + outer.w &&
           inner.y + inner.h <= outer.y + outer.h;
}

void require_layout()
{
    for (int i = 0; i < 4; ++i) {
        const Rect& l = kLit[size_t(i)];
        const std::string name = std::string(kLitFile[i]) + " " + at(l);
        if (!covers(Rect{0, 0, kW, kH}, l) || !covers(l, visible(kHot[size_t(i)])))
            throw std::runtime_error(name + " does not cover hot area " + at(kHot[size_t(i)]));
        if (overlap(l, kMascotRect))
            throw std::runtime_error(name + " overlaps Bafo");
        for (int j = 0; j < 4; ++j)
            if (j != i && (overlap(l, kLit[size_t(j)]) || overlap(l, kHot[size_t(j)])))
                throw std::runtime_error(name + " overlaps icon " + std::to_string(j));
    }
    for (int c = 0; c < 4; ++c) {
        const Wear& w = kWear[size_t(c)];
        if (w.x < 0 || w.x + w.w > kMascotW || w.y + w.h > kMascotH)
            throw std::runtime_error(std::string(w.path) + " reaches past the undressed Bafo");
    }
}

// Throws unless `with` differs from `without` only inside r: what the screen
// replaces is that rectangle, anything of Bafo outside it would stay behind.
void require_inside(const Canvas& with, const Canvas& without, const Rect& r, const std::string& what)
{
    for (int y = 0; y < with.h(); ++y)
        for (int x = 0; x < with.w(); ++x) {
            if (x >= r.x && y >= r.y && x < r.x + r.w && y < r.y + r.h)
                continue;
            if (with.pixel(x, y) != without.pixel(x, y))
                throw std::runtime_error(what + " reaches outside " + at(r) + " at (" + std::to_string(x) + ", " +
                                         std::to_string(y) + ")");
        }
}

// --- the print picture ------------------------------------------------------------------

Canvas print_picture()
{
    Canvas c(kPrintW, kPrintH);
    cairo_t* cr = c.cr();
    c.fill(pal::white);
    // A ribbon frame of little coloured dashes, hearts and stars at the corners.
    cairo_save(cr);
    rounded_rect(cr, 12, 12, kPrintW - 24, kPrintH - 24, 18);
    set_rgb(cr, pal::outline);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    const uint32_t cols[] = {pal::red, pal::orange, pal::sun, 0x5DBB46, pal::blue, pal::violet};
    rounded_rect(cr, 20, 20, kPrintW - 40, kPrintH - 40, 12);
    cairo_set_line_width(cr, 5);
    for (int i = 0; i < 6; ++i) {
        const double dash[2] = {14, 70};
        cairo_set_dash(cr, dash, 2, -i * 14.0);
        set_rgb(cr, cols[i]);
        rounded_rect(cr, 20, 20, kPrintW - 40, kPrintH - 40, 12);
        cairo_stroke(cr);
    }
    cairo_restore(cr);
    paint_shape(cr, [](cairo_t* g) { heart_path(g, 40, 42, 10); }, flat(pal::red, 2));
    paint_shape(cr, [](cairo_t* g) { heart_path(g, kPrintW - 40, kPrintH - 40, 10); }, flat(pal::red, 2));
    paint_shape(cr, [](cairo_t* g) { star_path(g, kPrintW - 42, 44, 13, 6, 5); }, flat(pal::sun, 2));
    paint_shape(cr, [](cairo_t* g) { star_path(g, 42, kPrintH - 42, 13, 6, 5); }, flat(pal::sun, 2));
    // Two balloons and a sun over his head, a line of grass under his feet.
    balloon(cr, 60, 118, 16, pal::sky, 60, 0.3);
    balloon(cr, 292, 80, 14, pal::pink, 30, -0.4);
    sun(cr, 200, 60, 18);
    cairo_save(cr);
    Rng rng(0x7A5B);
    grass_blades(cr, rng, 40, kPrintW - 40, 428, 438, 50, pal::grass);
    cairo_restore(cr);
    draw_mascot(cr, kMascotX, kMascotY);
    return c;
}

// --- the generator ------------------------------------------------------------------

void run(const std::filesystem::path& root)
{
    require_layout();
    const std::filesystem::path dir = root / kDir;
    const Canvas room = paint_room();
    Canvas scene = room.crop(0, 0, kW, kH);
    draw_mascot(scene.cr(), kMascotX, kMascotY);
    require_inside(scene, room, kMascotRect, "Bafo");

    auto picture = [&](int i, bool lit, Mouth m = Mouth::Closed) {
        const Rect& r = kLit[size_t(i)];
        Canvas c = frame::icon_picture(scene, r, lit, icon_art(i, lit, m));
        frame::require_clear_edge(c, scene, r, std::string(kLitFile[i]) + (lit ? " lit" : ""));
        return c;
    };

    Canvas bg = scene.crop(0, 0, kW, kH);
    for (int i = 0; i < 4; ++i)
        bg.paste(picture(i, false), kLit[size_t(i)].x, kLit[size_t(i)].y);
    bg.save_bmp(dir / "BG.BMP");
    scene.crop(kMascotX, kMascotY, kMascotW, kMascotH).save_bmp(dir / "NAHYBAFO.BMP");
    for (int i = 0; i < 4; ++i)
        picture(i, true).save_bmp(dir / kLitFile[i]);

    // Frame 0 is BG's own corner, so talking ends on BG's pixels.
    const Mouth mouths[4] = {Mouth::Closed, Mouth::Half, Mouth::Open, Mouth::Round};
    const Rect& h = kLit[kHelp];
    Canvas strip(h.w * 4, h.h);
    for (int f = 0; f < 4; ++f)
        strip.paste(picture(kHelp, false, mouths[f]), f * h.w, 0);
    strip.save_bmp(dir / "BAFO_ANI.BMP");

    print_picture().save_bmp(dir / "TISK_BFO.BMP");

    for (int c = 0; c < 4; ++c)
        for (int n = 1; n <= kItems; ++n)
            garment_picture(Category(c), n).save_bmp(root / (std::string(kWear[size_t(c)].path) + std::to_string(n) + ".BMP"));
}

void expect(std::vector<Expect>& out)
{
    auto bmp = [&](const std::string& name, int w, int h) { out.push_back(bitmap_expect(kDir + name, w, h)); };
    bmp("BG.BMP", kW, kH);
    bmp("NAHYBAFO.BMP", kMascotW, kMascotH);
    for (int i = 0; i < 4; ++i)
        bmp(kLitFile[i], kLit[size_t(i)].w, kLit[size_t(i)].h);
    bmp("BAFO_ANI.BMP", kLit[kHelp].w * 4, kLit[kHelp].h);
    bmp("TISK_BFO.BMP", kPrintW, kPrintH);
    for (const Wear& w : kWear)
        for (int n = 1; n <= kItems; ++n)
            out.push_back(bitmap_expect(std::string(w.path) + std::to_string(n) + ".BMP", w.w, w.h));
}

}  // namespace

Bafo mascot()
{
    Bafo b;
    b.scale = 0.8;
    b.x = 110;
    b.y = 227;
    b.mouth = Mouth::Closed;
    b.tail = 0.3;
    b.ground_shadow = false;  // his feet stand lower than his ground point; draw_mascot puts it under them
    b.motion_lines = false;
    return b;
}

BafoPose mascot_pose()
{
    BafoPose p = pose_of(mascot());
    p.arm[0] = p.arm[1] = 0.45;
    p.foot_dy[0] = p.foot_dy[1] = 84;
    return p;
}

void draw_mascot(cairo_t* cr, double x, double y)
{
    const Bafo b = mascot();
    cairo_save(cr);
    cairo_translate(cr, x, y);
    const double feet = b.y + (84 - 2) * b.scale;
    soft_shadow(cr, b.x, feet, 70, 9, 0.3);
    draw_bafo_posed(cr, b, mascot_pose());
    cairo_restore(cr);
}

Generator gen_dress() { return Generator{"dress", run, expect}; }

static const Registered registered{gen_dress};

}  // namespace datagen::dress
