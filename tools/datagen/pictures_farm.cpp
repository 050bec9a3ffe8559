// Set 1: farm animals, one friendly animal in its own corner of the farm.
#include "pictures_kit.h"

#include <cmath>

namespace datagen::pics {

namespace {

// --- farm buildings and things ----------------------------------------------

void barn(cairo_t* cr, double x, double ground, double w)
{
    const double h = w * 0.82;
    const double lw = std::clamp(w / 90, 1.5, 2.6);
    auto walls = [=](cairo_t* c) {
        cairo_move_to(c, x, ground);
        cairo_line_to(c, x, ground - h * 0.55);
        cairo_line_to(c, x + w * 0.5, ground - h * 0.98);
        cairo_line_to(c, x + w, ground - h * 0.55);
        cairo_line_to(c, x + w, ground);
        cairo_close_path(c);
    };
    shape(cr, walls, 0xD9453C, lw, true, 0.15);
    cairo_save(cr);
    walls(cr);
    cairo_clip(cr);
    set_rgb(cr, 0x9E2B25, 0.6);
    cairo_set_line_width(cr, std::max(1.0, lw * 0.5));
    for (double px = x + w / 14; px < x + w; px += w / 14) {
        cairo_move_to(cr, px, ground);
        cairo_line_to(cr, px, ground - h);
    }
    cairo_stroke(cr);
    cairo_restore(cr);
    // Roof: a gambrel in dark shingles with a white trim.
    auto roof = [=](cairo_t* c) {
        cairo_move_to(c, x - w * 0.06, ground - h * 0.52);
        cairo_line_to(c, x + w * 0.12, ground - h * 0.86);
        cairo_line_to(c, x + w * 0.5, ground - h * 1.04);
        cairo_line_to(c, x + w * 0.88, ground - h * 0.86);
        cairo_line_to(c, x + w * 1.06, ground - h * 0.52);
        cairo_line_to(c, x + w * 0.96, ground - h * 0.52);
        cairo_line_to(c, x + w * 0.8, ground - h * 0.8);
        cairo_line_to(c, x + w * 0.5, ground - h * 0.93);
        cairo_line_to(c, x + w * 0.2, ground - h * 0.8);
        cairo_line_to(c, x + w * 0.04, ground - h * 0.52);
        cairo_close_path(c);
    };
    shape(cr, roof, 0x6E4A3E, lw, true, 0.2);
    // Loft window with hay, big door with a white cross.
    const double lx = x + w * 0.5, ly = ground - h * 0.7;
    shape(cr, [=](cairo_t* c) { rounded_rect(c, lx - w * 0.1, ly - w * 0.08, w * 0.2, w * 0.16, 3); }, 0x5A3220, lw,
          false);
    shape(cr, [=](cairo_t* c) {
        cairo_move_to(c, lx - w * 0.1, ly + w * 0.08);
        cairo_curve_to(c, lx - w * 0.06, ly - w * 0.02, lx + w * 0.06, ly - w * 0.02, lx + w * 0.1, ly + w * 0.08);
        cairo_close_path(c);
    }, 0xF2C94C, lw * 0.6, false);
    const double dw = w * 0.42, dh = h * 0.42;
    const double dx = x + (w - dw) / 2, dy = ground - dh;
    shape(cr, [=](cairo_t* c) { cairo_rectangle(c, dx, dy, dw, dh); }, 0xC23A33, lw, false, 0.1);
    cairo_save(cr);
    set_rgb(cr, pal::outline);
    cairo_set_line_width(cr, w * 0.035 + 2 * lw);
    for (int pass = 0; pass < 2; ++pass) {
        cairo_rectangle(cr, dx, dy, dw, dh);
        cairo_move_to(cr, dx, dy);
        cairo_line_to(cr, dx + dw / 2, dy + dh);
        cairo_line_to(cr, dx + dw, dy);
        cairo_move_to(cr, dx, dy + dh);
        cairo_line_to(cr, dx + dw / 2, dy);
        cairo_line_to(cr, dx + dw, dy + dh);
        cairo_move_to(cr, dx + dw / 2, dy);
        cairo_line_to(cr, dx + dw / 2, dy + dh);
        cairo_stroke(cr);
        set_rgb(cr, pal::white);
        cairo_set_line_width(cr, w * 0.035);
    }
    cairo_restore(cr);
}

void hay_bale(cairo_t* cr, double cx, double ground, double r)
{
    const double lw = std::clamp(r / 20, 1.3, 2.4);
    shape(cr, [=](cairo_t* c) { rounded_rect(c, cx - r * 1.5, ground - r * 1.9, r * 1.6, r * 1.9, r * 0.25); },
          0xE0B344, lw, true, 0.2);
    shape(cr, [=](cairo_t* c) { ellipse(c, cx + 0.1 * r, ground - r * 0.95, r * 0.9, r * 0.95); }, 0xF2CF63, lw,
          false, 0.3);
    cairo_save(cr);
    set_rgb(cr, 0xB88A28, 0.8);
    cairo_set_line_width(cr, std::max(1.0, lw * 0.6));
    for (double k = 0.2; k < 0.9; k += 0.17) {
        cairo_new_sub_path(cr);
        cairo_arc(cr, cx + 0.1 * r, ground - r * 0.95, r * k, 0.3 + k * 4, 0.3 + k * 4 + 4.2);
    }
    cairo_stroke(cr);
    set_rgb(cr, 0xB88A28, 0.6);
    for (double yy = ground - r * 1.75; yy < ground - r * 0.1; yy += r * 0.25) {
        cairo_move_to(cr, cx - r * 1.4, yy);
        cairo_line_to(cr, cx - r * 0.7, yy + r * 0.05);
    }
    cairo_stroke(cr);
    cairo_restore(cr);
}

void haystack(cairo_t* cr, Rng& rng, double cx, double ground, double w)
{
    auto path = [=](cairo_t* c) {
        cairo_move_to(c, cx - w / 2, ground);
        cairo_curve_to(c, cx - w * 0.5, ground - w * 0.7, cx - w * 0.2, ground - w * 0.95, cx, ground - w * 0.95);
        cairo_curve_to(c, cx + w * 0.2, ground - w * 0.95, cx + w * 0.5, ground - w * 0.7, cx + w / 2, ground);
        cairo_close_path(c);
    };
    shape(cr, path, 0xF0C24B, 2.2, true, 0.25);
    strokes(cr, rng, path, Box{cx - w / 2, ground - w, w, w}, int(w * 1.2), 0xB8862A, 12, 1.4, 0.7);
    strokes(cr, rng, path, Box{cx - w / 2, ground - w, w, w}, int(w * 0.6), 0xFFE8A0, 10, 1.4, 0.8);
}

void far_hills(cairo_t* cr, Rng& rng, double base, uint32_t light, uint32_t dark, int trees)
{
    hill(cr, kW, kH, base, 14, 0.011, rng.range(0, 6), light, dark);
    for (int i = 0; i < trees; ++i) {
        const double x = (i + rng.range(0.2, 0.8)) * kW / trees;
        tree(cr, x, base + 8 + 14 * std::sin(0.011 * x), rng.range(34, 48), mix(light, pal::grass, 0.4));
    }
}

// --- the animals -----------------------------------------------------------

void cow(cairo_t* cr, double x, double y, double s)
{
    Local L(cr, x, y, s);
    const double lw = L.lw;
    Rng rng(0xC0);
    ground_shadow(cr, 10, 150);
    auto leg = [&](double lx, uint32_t col) {
        shape(cr, [=](cairo_t* c) { rounded_rect(c, lx - 14, -105, 28, 105, 10); }, col, lw, false, 0.1);
        shape(cr, [=](cairo_t* c) { rounded_rect(c, lx - 15, -18, 30, 18, 6); }, 0x55443E, lw, false, 0.3);
    };
    leg(-68, 0xDCD6D0);
    leg(78, 0xDCD6D0);
    cairo_move_to(cr, -118, -160);
    cairo_curve_to(cr, -145, -150, -150, -110, -146, -80);
    thick_line(cr, 7, pal::white, lw);
    shape(cr, [](cairo_t* c) { ellipse(c, -146, -72, 10, 15); }, 0x3B3330, lw, false);
    auto body = [](cairo_t* c) { rounded_rect(c, -128, -200, 250, 125, 60); };
    shape(cr, body, 0xF4F0EA, lw, true, 0.3);
    cairo_save(cr);
    body(cr);
    cairo_clip(cr);
    set_rgb(cr, 0x3B3330);
    const double blobs[][3] = {{-80, -170, 34}, {-55, -150, 26}, {-100, -130, 22}, {20, -185, 30},
                               {45, -160, 22},  {-5, -108, 18},  {90, -120, 20}};
    for (auto& b : blobs) {
        cairo_new_sub_path(cr);
        cairo_arc(cr, b[0], b[1], b[2], 0, 2 * kPi);
    }
    cairo_fill(cr);
    cairo_restore(cr);
    strokes(cr, rng, body, Box{-128, -200, 250, 125}, 60, 0xD8D0C6, 10, 1.3, 0.5);
    // Udder.
    shape(cr, [](cairo_t* c) { ellipse(c, -22, -78, 26, 15); }, 0xFFB3BA, lw, false, 0.3);
    for (int t = -1; t <= 1; ++t)
        shape(cr, [=](cairo_t* c) { rounded_rect(c, -22 + t * 13 - 4, -70, 8, 12, 4); }, 0xFF9AA6, lw * 0.8, false);
    leg(-96, pal::white);
    leg(50, pal::white);
    // Head, facing the child.
    const double hx = 150, hy = -200;
    for (int sd : {-1, 1}) {
        shape(cr, [=](cairo_t* c) {
            cairo_save(c);
            cairo_translate(c, hx + sd * 52, hy - 16);
            cairo_rotate(c, sd * 0.35);
            ellipse(c, 0, 0, 30, 13);
            cairo_restore(c);
        }, 0xF4F0EA, lw, true);
        set_rgb(cr, 0xFFB3BA);
        cairo_save(cr);
        cairo_translate(cr, hx + sd * 55, hy - 15);
        cairo_rotate(cr, sd * 0.35);
        ellipse(cr, 0, 0, 19, 6);
        cairo_fill(cr);
        cairo_restore(cr);
        shape(cr, [=](cairo_t* c) {
            cairo_move_to(c, hx + sd * 18, hy - 42);
            cairo_curve_to(c, hx + sd * 26, hy - 62, hx + sd * 36, hy - 70, hx + sd * 44, hy - 68);
            cairo_curve_to(c, hx + sd * 40, hy - 60, hx + sd * 34, hy - 50, hx + sd * 32, hy - 40);
            cairo_close_path(c);
        }, 0xFFF0C8, lw, false, 0.3);
    }
    auto head = [=](cairo_t* c) { ellipse(c, hx, hy, 46, 50); };
    shape(cr, head, 0xF4F0EA, lw, true, 0.3);
    cairo_save(cr);
    head(cr);
    cairo_clip(cr);
    set_rgb(cr, 0x3B3330);
    ellipse(cr, hx + 30, hy - 30, 26, 24);
    cairo_fill(cr);
    cairo_restore(cr);
    // Tuft of hair between the horns.
    shape(cr, [=](cairo_t* c) {
        for (int k = -1; k <= 1; ++k) {
            cairo_new_sub_path(c);
            cairo_arc(c, hx + k * 9, hy - 46 + std::abs(k) * 3, 8, 0, 2 * kPi);
        }
    }, 0x8A5A3A, lw * 0.8, false);
    eye(cr, hx - 17, hy - 10, 9, 0.2);
    eye(cr, hx + 17, hy - 10, 9, 0.2);
    shape(cr, [=](cairo_t* c) { ellipse(c, hx, hy + 34, 42, 26); }, 0xFFB8BE, lw, false, 0.3);
    set_rgb(cr, 0x8E4A50);
    ellipse(cr, hx - 14, hy + 28, 6, 8);
    cairo_fill(cr);
    ellipse(cr, hx + 14, hy + 28, 6, 8);
    cairo_fill(cr);
    smile(cr, hx, hy + 44, 20, lw);
    blush(cr, hx - 34, hy + 10, 8);
    blush(cr, hx + 34, hy + 10, 8);
    // Collar and bell.
    cairo_move_to(cr, hx - 30, hy + 52);
    cairo_curve_to(cr, hx - 12, hy + 64, hx + 12, hy + 64, hx + 30, hy + 52);
    thick_line(cr, 7, pal::blue, lw);
    shape(cr, [=](cairo_t* c) {
        cairo_move_to(c, hx - 10, hy + 78);
        cairo_curve_to(c, hx - 10, hy + 58, hx + 10, hy + 58, hx + 10, hy + 78);
        cairo_close_path(c);
    }, pal::sun, lw, true, 0.5);
    set_rgb(cr, pal::outline);
    cairo_arc(cr, hx, hy + 79, 3, 0, 2 * kPi);
    cairo_fill(cr);
}

void pig(cairo_t* cr, double x, double y, double s)
{
    Local L(cr, x, y, s);
    const double lw = L.lw;
    const uint32_t skin = 0xFFA7B8, deep = 0xF08AA0;
    ground_shadow(cr, 0, 120);
    auto leg = [&](double lx, uint32_t col) {
        shape(cr, [=](cairo_t* c) { rounded_rect(c, lx - 15, -70, 30, 70, 12); }, col, lw, false, 0.1);
        shape(cr, [=](cairo_t* c) { rounded_rect(c, lx - 15, -14, 30, 14, 5); }, 0x7A4A3A, lw, false, 0.3);
    };
    leg(-60, deep);
    leg(70, deep);
    // Curly tail.
    cairo_move_to(cr, -112, -130);
    cairo_curve_to(cr, -140, -140, -150, -165, -132, -172);
    cairo_curve_to(cr, -118, -176, -116, -156, -130, -154);
    thick_line(cr, 6, skin, lw);
    auto body = [](cairo_t* c) { ellipse(c, 0, -118, 118, 78); };
    shape(cr, body, skin, lw, true, 0.3);
    // Mud on the body and legs: a pig's favourite.
    Rng rng(0x919);
    speckles(cr, rng, body, Box{-118, -110, 236, 80}, 30, 0x8A5A3A, 3, 9, 0.75);
    speckles(cr, rng, body, Box{-118, -195, 236, 90}, 14, 0x9A6A4A, 3, 7, 0.6);
    cairo_save(cr);
    body(cr);
    cairo_clip(cr);
    set_rgb(cr, pal::white, 0.3);
    ellipse(cr, -30, -165, 60, 18);
    cairo_fill(cr);
    cairo_restore(cr);
    leg(-85, skin);
    leg(45, skin);
    // Head to the right, facing the child.
    const double hx = 105, hy = -150;
    for (int sd : {-1, 1})
        shape(cr, [=](cairo_t* c) {
            cairo_move_to(c, hx + sd * 20, hy - 45);
            cairo_curve_to(c, hx + sd * 35, hy - 80, hx + sd * 55, hy - 82, hx + sd * 62, hy - 70);
            cairo_curve_to(c, hx + sd * 60, hy - 50, hx + sd * 52, hy - 38, hx + sd * 40, hy - 30);
            cairo_close_path(c);
        }, deep, lw, true);
    shape(cr, [=](cairo_t* c) { ellipse(c, hx, hy, 58, 52); }, skin, lw, true, 0.3);
    eye(cr, hx - 20, hy - 14, 8.5);
    eye(cr, hx + 20, hy - 14, 8.5);
    blush(cr, hx - 38, hy + 12, 9);
    blush(cr, hx + 38, hy + 12, 9);
    shape(cr, [=](cairo_t* c) { ellipse(c, hx, hy + 16, 25, 18); }, deep, lw, false, 0.3);
    set_rgb(cr, 0x9A4A5A);
    ellipse(cr, hx - 8, hy + 16, 4.5, 7);
    cairo_fill(cr);
    ellipse(cr, hx + 8, hy + 16, 4.5, 7);
    cairo_fill(cr);
    smile(cr, hx, hy + 39, 24, lw, true);
}

void sheep(cairo_t* cr, double x, double y, double s, uint64_t seed)
{
    Local L(cr, x, y, s);
    const double lw = L.lw;
    Rng rng(seed);
    ground_shadow(cr, 0, 110);
    auto leg = [&](double lx) {
        shape(cr, [=](cairo_t* c) { rounded_rect(c, lx - 9, -70, 18, 70, 7); }, 0x4A3F45, lw, false, 0.15);
    };
    leg(-55);
    leg(60);
    leg(-80);
    leg(35);
    // Wool: a bumpy cloud of curls.
    auto wool = [](cairo_t* c) {
        const double puffs[][3] = {{-80, -110, 36}, {-45, -140, 40}, {5, -148, 42}, {55, -135, 38}, {85, -105, 32},
                                   {55, -78, 34},   {0, -72, 38},    {-55, -76, 34}, {0, -110, 55}};
        for (auto& p : puffs) {
            cairo_new_sub_path(c);
            cairo_arc(c, p[0], p[1], p[2], 0, 2 * kPi);
        }
    };
    shape(cr, wool, 0xFFFBF4, lw, true, 0.15);
    cairo_save(cr);
    wool(cr);
    cairo_clip(cr);
    set_rgb(cr, 0xD8D0C8, 0.9);
    cairo_set_line_width(cr, 2);
    for (int i = 0; i < 55; ++i) {
        const double cx = rng.range(-110, 110), cy = rng.range(-180, -45), r = rng.range(5, 10);
        cairo_new_sub_path(cr);
        cairo_arc(cr, cx, cy, r, rng.range(0, 3), rng.range(4, 6.5));
        cairo_stroke(cr);
    }
    cairo_restore(cr);
    // Face, dark and friendly, peeking out of the wool on the right.
    const double hx = 100, hy = -140;
    for (int sd : {-1, 1})
        shape(cr, [=](cairo_t* c) {
            cairo_save(c);
            cairo_translate(c, hx + sd * 40, hy - 8);
            cairo_rotate(c, sd * 0.5);
            ellipse(c, 0, 0, 24, 10);
            cairo_restore(c);
        }, 0x4A3F45, lw, true);
    shape(cr, [=](cairo_t* c) {
        cairo_move_to(c, hx, hy + 42);
        cairo_curve_to(c, hx - 38, hy + 40, hx - 36, hy - 30, hx, hy - 32);
        cairo_curve_to(c, hx + 36, hy - 30, hx + 38, hy + 40, hx, hy + 42);
        cairo_close_path(c);
    }, 0x5A4E56, lw, true, 0.25);
    // Fringe of wool on the forehead.
    shape(cr, [=](cairo_t* c) {
        for (int k = -2; k <= 2; ++k) {
            cairo_new_sub_path(c);
            cairo_arc(c, hx + k * 11, hy - 30 + std::abs(k) * 3, 11, 0, 2 * kPi);
        }
    }, 0xFFFBF4, lw, false, 0.15);
    set_rgb(cr, pal::white);
    ellipse(cr, hx - 13, hy - 2, 10, 11);
    ellipse(cr, hx + 13, hy - 2, 10, 11);
    cairo_fill(cr);
    eye(cr, hx - 12, hy, 7);
    eye(cr, hx + 12, hy, 7);
    blush(cr, hx - 22, hy + 18, 6);
    blush(cr, hx + 22, hy + 18, 6);
    set_rgb(cr, 0xFFB3BA);
    ellipse(cr, hx, hy + 22, 7, 4.5);
    cairo_fill(cr);
    smile(cr, hx, hy + 28, 14, lw * 0.9);
}

void hen(cairo_t* cr, double x, double y, double s)
{
    Local L(cr, x, y, s);
    const double lw = L.lw;
    Rng rng(0x4E4);
    ground_shadow(cr, 0, 80);
    for (int sd : {-1, 1}) {
        cairo_move_to(cr, sd * 18, -40);
        cairo_line_to(cr, sd * 20, -6);
        thick_line(cr, 6, pal::orange, lw);
        cairo_move_to(cr, sd * 20 - 12, -2);
        cairo_line_to(cr, sd * 20, -8);
        cairo_line_to(cr, sd * 20 + 12, -2);
        cairo_move_to(cr, sd * 20, -8);
        cairo_line_to(cr, sd * 20 + 2, 2);
        thick_line(cr, 4, pal::orange, lw);
    }
    // Tail feathers.
    shape(cr, [](cairo_t* c) {
        for (int k = 0; k < 3; ++k) {
            cairo_new_sub_path(c);
            cairo_save(c);
            cairo_translate(c, -62, -110 + k * 10);
            cairo_rotate(c, -0.9 + k * 0.35);
            ellipse(c, 0, -20, 14, 34);
            cairo_restore(c);
        }
    }, 0xB4582E, lw, true, 0.3);
    auto body = [](cairo_t* c) {
        cairo_move_to(c, -75, -90);
        cairo_curve_to(c, -80, -30, -30, -28, 10, -30);
        cairo_curve_to(c, 60, -32, 72, -80, 60, -120);
        cairo_curve_to(c, 50, -150, 30, -175, 35, -190);
        cairo_curve_to(c, 10, -205, -20, -190, -20, -165);
        cairo_curve_to(c, -20, -130, -60, -130, -75, -90);
        cairo_close_path(c);
    };
    shape(cr, body, 0xE08A4A, lw, true, 0.3);
    // Feather scallops.
    cairo_save(cr);
    body(cr);
    cairo_clip(cr);
    set_rgb(cr, 0xA8562A, 0.8);
    cairo_set_line_width(cr, 1.8);
    for (double yy = -120; yy < -30; yy += 14)
        for (double xx = -75 + (int(yy) % 28 == 0 ? 7 : 0); xx < 60; xx += 14) {
            cairo_new_sub_path(cr);
            cairo_arc(cr, xx, yy, 7, 0.2, kPi - 0.2);
        }
    cairo_stroke(cr);
    cairo_restore(cr);
    // Wing.
    shape(cr, [](cairo_t* c) {
        cairo_move_to(c, -40, -100);
        cairo_curve_to(c, -10, -120, 30, -100, 25, -70);
        cairo_curve_to(c, 10, -60, -20, -62, -40, -70);
        cairo_curve_to(c, -35, -78, -45, -90, -40, -100);
        cairo_close_path(c);
    }, 0xC76B32, lw, false, 0.3);
    cairo_save(cr);
    set_rgb(cr, 0x8A4520, 0.8);
    cairo_set_line_width(cr, 1.6);
    for (int k = 0; k < 3; ++k) {
        cairo_move_to(cr, -30 + k * 14, -95 + k * 3);
        cairo_curve_to(cr, -20 + k * 14, -85, -15 + k * 14, -78, -10 + k * 14, -70);
    }
    cairo_stroke(cr);
    cairo_restore(cr);
    // Comb, wattle, beak, eye.
    shape(cr, [](cairo_t* c) {
        for (int k = 0; k < 3; ++k) {
            cairo_new_sub_path(c);
            cairo_arc(c, 0 + k * 13, -200 - (k == 1 ? 4 : 0), 9, 0, 2 * kPi);
        }
    }, pal::red, lw, false, 0.3);
    shape(cr, [](cairo_t* c) {
        cairo_move_to(c, 42, -170);
        cairo_line_to(c, 66, -162);
        cairo_line_to(c, 42, -154);
        cairo_close_path(c);
    }, pal::sun, lw, false, 0.3);
    shape(cr, [](cairo_t* c) { ellipse(c, 42, -144, 7, 11); }, pal::red, lw, false, 0.3);
    eye(cr, 22, -172, 7);
    blush(cr, 16, -155, 6);
}

void chick(cairo_t* cr, double x, double y, double s, double turn, bool mirror)
{
    Local L(cr, x, y, s, mirror);
    const double lw = L.lw;
    cairo_rotate(cr, turn);
    ground_shadow(cr, 0, 26);
    for (int sd : {-1, 1}) {
        cairo_move_to(cr, sd * 8, -14);
        cairo_line_to(cr, sd * 9, -2);
        thick_line(cr, 3, pal::orange, lw * 0.8);
    }
    shape(cr, [](cairo_t* c) { ellipse(c, 0, -30, 24, 20); }, 0xFFE04A, lw, true, 0.4);
    shape(cr, [](cairo_t* c) { ellipse(c, 10, -55, 16, 15); }, 0xFFE04A, lw, false, 0.4);
    shape(cr, [](cairo_t* c) {
        cairo_move_to(c, 2, -73);
        cairo_curve_to(c, 0, -80, 6, -84, 8, -78);
        cairo_curve_to(c, 10, -84, 16, -80, 12, -70);
        cairo_close_path(c);
    }, 0xFFE04A, lw * 0.8, false, 0.4);
    shape(cr, [](cairo_t* c) {
        cairo_move_to(c, 23, -58);
        cairo_line_to(c, 34, -54);
        cairo_line_to(c, 23, -50);
        cairo_close_path(c);
    }, pal::orange, lw * 0.8, false);
    shape(cr, [](cairo_t* c) {
        cairo_move_to(c, -14, -34);
        cairo_curve_to(c, -4, -42, 10, -36, 8, -24);
        cairo_curve_to(c, 0, -20, -10, -24, -14, -34);
        cairo_close_path(c);
    }, 0xF5C832, lw * 0.8, false);
    eye(cr, 13, -59, 4);
    blush(cr, 8, -50, 3.5);
}

void horse(cairo_t* cr, double x, double y, double s)
{
    Local L(cr, x, y, s);
    const double lw = L.lw;
    const uint32_t coat = 0xB0703E, deep = 0x8E5530, mane = 0x5A3220;
    Rng rng(0x40);
    ground_shadow(cr, 0, 140);
    auto leg = [&](double lx, uint32_t col, double bend) {
        shape(cr, [=](cairo_t* c) {
            cairo_move_to(c, lx - 14, -140);
            cairo_line_to(c, lx - 11 + bend, -60);
            cairo_line_to(c, lx - 11, -18);
            cairo_line_to(c, lx + 11, -18);
            cairo_line_to(c, lx + 11 + bend, -60);
            cairo_line_to(c, lx + 16, -140);
            cairo_close_path(c);
        }, col, lw, false, 0.1);
        shape(cr, [=](cairo_t* c) { rounded_rect(c, lx - 14, -24, 28, 9, 4); }, 0xFFF4E0, lw * 0.8, false);
        shape(cr, [=](cairo_t* c) { rounded_rect(c, lx - 14, -16, 28, 16, 4); }, 0x3B2A20, lw, false, 0.3);
    };
    leg(-70, deep, -4);
    leg(85, deep, 4);
    // Tail.
    shape(cr, [](cairo_t* c) {
        cairo_move_to(c, -118, -175);
        cairo_curve_to(c, -160, -170, -170, -110, -150, -70);
        cairo_curve_to(c, -140, -90, -135, -110, -128, -120);
        cairo_curve_to(c, -132, -100, -125, -80, -112, -72);
        cairo_curve_to(c, -112, -110, -110, -150, -100, -160);
        cairo_close_path(c);
    }, mane, lw, true, 0.3);
    // Neck and head, held high.
    auto neck = [](cairo_t* c) {
        cairo_move_to(c, 55, -200);
        cairo_curve_to(c, 70, -250, 95, -290, 120, -305);
        cairo_line_to(c, 165, -285);
        cairo_curve_to(c, 150, -250, 130, -200, 110, -150);
        cairo_close_path(c);
    };
    shape(cr, neck, coat, lw, false, 0.2);
    auto body = [](cairo_t* c) {
        cairo_move_to(c, -122, -170);
        cairo_curve_to(c, -125, -205, -95, -218, -60, -212);
        cairo_curve_to(c, -20, -205, 30, -212, 70, -215);
        cairo_curve_to(c, 110, -218, 130, -185, 122, -150);
        cairo_curve_to(c, 115, -120, 90, -112, 60, -115);
        cairo_curve_to(c, 20, -105, -40, -105, -80, -118);
        cairo_curve_to(c, -108, -125, -120, -145, -122, -170);
        cairo_close_path(c);
    };
    shape(cr, body, coat, lw, true, 0.3);
    // Soft dapples and a lighter belly.
    speckles(cr, rng, body, Box{-122, -218, 244, 110}, 26, lighten(coat, 0.2), 5, 10, 0.45);
    cairo_save(cr);
    body(cr);
    cairo_clip(cr);
    set_rgb(cr, lighten(coat, 0.25), 0.6);
    ellipse(cr, 0, -112, 90, 18);
    cairo_fill(cr);
    cairo_restore(cr);
    // A bright saddle blanket with a zigzag border.
    auto blanket = [](cairo_t* c) {
        cairo_move_to(c, -50, -216);
        cairo_curve_to(c, -20, -208, 20, -208, 45, -216);
        cairo_line_to(c, 50, -140);
        cairo_curve_to(c, 20, -134, -20, -134, -55, -140);
        cairo_close_path(c);
    };
    shape(cr, blanket, pal::red, lw, true, 0.25);
    cairo_save(cr);
    blanket(cr);
    cairo_clip(cr);
    set_rgb(cr, pal::sun);
    cairo_set_line_width(cr, 5);
    cairo_move_to(cr, -60, -158);
    for (int k = 0; k <= 12; ++k)
        cairo_line_to(cr, -60 + k * 10, -158 + (k % 2 ? -8 : 0));
    cairo_stroke(cr);
    set_rgb(cr, pal::white, 0.9);
    for (int k = 0; k < 3; ++k) {
        star_path(cr, -25 + k * 25, -188, 7, 3, 5);
        cairo_fill(cr);
    }
    cairo_restore(cr);
    leg(-95, coat, -4);
    leg(60, coat, 4);
    auto head = [](cairo_t* c) {
        cairo_move_to(c, 110, -320);
        cairo_curve_to(c, 130, -345, 175, -340, 185, -315);
        cairo_line_to(c, 212, -262);
        cairo_curve_to(c, 222, -238, 196, -222, 178, -234);
        cairo_curve_to(c, 150, -250, 120, -270, 110, -290);
        cairo_close_path(c);
    };
    // Ears behind the mane.
    for (int k = 0; k < 2; ++k)
        shape(cr, [=](cairo_t* c) {
            const double ex = 128 + k * 22;
            cairo_move_to(c, ex - 10, -325);
            cairo_curve_to(c, ex - 10, -345, ex - 4, -360, ex, -362);
            cairo_curve_to(c, ex + 6, -355, ex + 10, -340, ex + 10, -325);
            cairo_close_path(c);
        }, k ? coat : deep, lw, false);
    shape(cr, head, coat, lw, true, 0.3);
    shape(cr, [](cairo_t* c) { ellipse(c, 196, -250, 22, 19); }, 0xE8B48A, lw, false, 0.3);
    set_rgb(cr, 0x6A3A28);
    ellipse(cr, 200, -252, 4, 6);
    cairo_fill(cr);
    // A white blaze down the face.
    set_rgb(cr, 0xFFF4E0);
    cairo_move_to(cr, 150, -330);
    cairo_curve_to(cr, 160, -320, 175, -295, 184, -272);
    cairo_line_to(cr, 176, -270);
    cairo_curve_to(cr, 165, -292, 150, -315, 146, -326);
    cairo_close_path(cr);
    cairo_fill(cr);
    eye(cr, 150, -300, 8.5, 0.5);
    smile(cr, 193, -230, 14, lw);
    blush(cr, 165, -270, 7);
    // Mane along the neck.
    shape(cr, [](cairo_t* c) {
        cairo_move_to(c, 108, -330);
        for (int k = 0; k < 6; ++k) {
            const double t = k / 6.0;
            const double px = 118 - t * 65, py = -330 + t * 130;
            cairo_curve_to(c, px - 30, py + 5, px - 30, py + 20, px - 8, py + 22);
        }
        cairo_line_to(c, 70, -200);
        cairo_curve_to(c, 90, -250, 110, -290, 130, -320);
        cairo_close_path(c);
    }, mane, lw, false, 0.3);
    shape(cr, [](cairo_t* c) {
        cairo_move_to(c, 128, -330);
        cairo_curve_to(c, 140, -345, 160, -340, 160, -325);
        cairo_curve_to(c, 150, -330, 140, -322, 132, -312);
        cairo_close_path(c);
    }, mane, lw * 0.8, false, 0.3);
}

void duck(cairo_t* cr, double x, double y, double s, bool mirror, bool baby)
{
    Local L(cr, x, y, s, mirror);
    const double lw = L.lw;
    const uint32_t body_c = baby ? 0xFFE04A : pal::white;
    // Floating: the body rests on the water line y = 0.
    auto body = [](cairo_t* c) {
        cairo_move_to(c, -70, -40);
        cairo_curve_to(c, -85, -60, -80, -75, -62, -70);
        cairo_curve_to(c, -40, -62, -10, -55, 20, -55);
        cairo_curve_to(c, 70, -55, 80, -20, 60, 0);
        cairo_curve_to(c, 20, 10, -40, 10, -60, -5);
        cairo_curve_to(c, -70, -15, -72, -28, -70, -40);
        cairo_close_path(c);
    };
    shape(cr, body, body_c, lw, true, 0.3);
    shape(cr, [](cairo_t* c) {
        cairo_move_to(c, -40, -45);
        cairo_curve_to(c, -10, -62, 30, -50, 28, -25);
        cairo_curve_to(c, 0, -15, -30, -22, -40, -45);
        cairo_close_path(c);
    }, baby ? 0xF5C832 : 0xE8EEF2, lw, false, 0.3);
    shape(cr, [](cairo_t* c) { ellipse(c, 45, -85, 32, 30); }, body_c, lw, true, 0.3);
    if (!baby)
        shape(cr, [](cairo_t* c) {
            cairo_move_to(c, 35, -114);
            cairo_curve_to(c, 32, -128, 44, -132, 46, -120);
            cairo_close_path(c);
        }, body_c, lw * 0.8, false);
    shape(cr, [](cairo_t* c) {
        cairo_move_to(c, 70, -92);
        cairo_curve_to(c, 90, -96, 104, -90, 102, -80);
        cairo_curve_to(c, 96, -72, 82, -72, 70, -76);
        cairo_close_path(c);
    }, pal::orange, lw, false, 0.3);
    eye(cr, 52, -94, 6.5);
    blush(cr, 44, -74, 6);
}

void rabbit(cairo_t* cr, double x, double y, double s)
{
    Local L(cr, x, y, s);
    const double lw = L.lw;
    const uint32_t fur = 0xD9D2CC, belly = 0xFFFBF4;
    Rng rng(0xAB);
    ground_shadow(cr, 0, 80);
    // Sitting: big hind feet, round body, head on top with long ears.
    for (int sd : {-1, 1})
        shape(cr, [=](cairo_t* c) { ellipse(c, sd * 42, -12, 36, 13); }, fur, lw, false, 0.2);
    shape(cr, [](cairo_t* c) { ellipse(c, -62, -55, 18, 17); }, belly, lw, true);
    auto body = [](cairo_t* c) { ellipse(c, 0, -75, 60, 68); };
    shape(cr, body, fur, lw, true, 0.3);
    shape(cr, [](cairo_t* c) { ellipse(c, 0, -65, 36, 48); }, belly, 0, false, 0.1);
    strokes(cr, rng, body, Box{-60, -143, 120, 136}, 40, 0xB0A8A0, 8, 1.2, 0.5);
    for (int sd : {-1, 1})
        shape(cr, [=](cairo_t* c) {
            cairo_save(c);
            cairo_translate(c, sd * 24, -215);
            cairo_rotate(c, sd * 0.18);
            ellipse(c, 0, 0, 17, 55);
            cairo_restore(c);
        }, fur, lw, true, 0.2);
    for (int sd : {-1, 1}) {
        cairo_save(cr);
        cairo_translate(cr, sd * 24, -212);
        cairo_rotate(cr, sd * 0.18);
        set_rgb(cr, 0xFFB3C6);
        ellipse(cr, 0, 0, 9, 44);
        cairo_fill(cr);
        cairo_restore(cr);
    }
    shape(cr, [](cairo_t* c) { ellipse(c, 0, -155, 50, 44); }, fur, lw, true, 0.3);
    eye(cr, -18, -162, 8);
    eye(cr, 18, -162, 8);
    blush(cr, -32, -140, 8);
    blush(cr, 32, -140, 8);
    shape(cr, [](cairo_t* c) {
        cairo_move_to(c, -7, -146);
        cairo_line_to(c, 7, -146);
        cairo_line_to(c, 0, -138);
        cairo_close_path(c);
    }, pal::pink, lw * 0.8, false);
    set_rgb(cr, pal::outline);
    cairo_set_line_width(cr, lw * 0.8);
    for (int sd : {-1, 1}) {
        cairo_move_to(cr, 0, -138);
        cairo_curve_to(cr, 0, -130, sd * 8, -128, sd * 11, -133);
        for (int k = 0; k < 2; ++k) {
            cairo_move_to(cr, sd * 16, -142 + k * 6);
            cairo_line_to(cr, sd * 40, -146 + k * 10);
        }
    }
    cairo_stroke(cr);
    shape(cr, [](cairo_t* c) {
        rounded_rect(c, -5, -130, 10, 8, 2);
    }, pal::white, lw * 0.6, false);
    // Front paws holding a carrot.
    shape(cr, [](cairo_t* c) {
        cairo_move_to(c, -10, -112);
        cairo_line_to(c, 34, -100);
        cairo_line_to(c, -6, -60);
        cairo_close_path(c);
    }, pal::orange, lw, true, 0.35);
    set_rgb(cr, darken(pal::orange, 0.3));
    cairo_set_line_width(cr, lw * 0.7);
    for (int k = 0; k < 3; ++k) {
        cairo_move_to(cr, 0 + k * 7, -98 + k * 10);
        cairo_line_to(cr, 8 + k * 7, -96 + k * 10);
    }
    cairo_stroke(cr);
    shape(cr, [](cairo_t* c) {
        for (int k = -1; k <= 1; ++k) {
            cairo_new_sub_path(c);
            cairo_save(c);
            cairo_translate(c, -2, -116);
            cairo_rotate(c, -0.5 + k * 0.45);
            ellipse(c, 0, -16, 6, 16);
            cairo_restore(c);
        }
    }, pal::grass, lw * 0.8, false);
    for (int sd : {-1, 1})
        shape(cr, [=](cairo_t* c) { ellipse(c, sd * 18 + 6, -96, 13, 11); }, belly, lw, false);
}

void rooster(cairo_t* cr, double x, double y, double s)
{
    Local L(cr, x, y, s);
    const double lw = L.lw;
    // Standing on a fence rail at y = 0.
    for (int sd : {-1, 1}) {
        cairo_move_to(cr, sd * 14, -45);
        cairo_line_to(cr, sd * 16, -4);
        thick_line(cr, 6, pal::orange, lw);
    }
    // A big tail of coloured feathers.
    const uint32_t tail[] = {0x2E8B57, 0x2E6FD0, 0x6A3FA0, 0x2EC4B6, 0x1F7A4A};
    for (int k = 0; k < 5; ++k)
        shape(cr, [=](cairo_t* c) {
            cairo_save(c);
            cairo_translate(c, -50, -100);
            cairo_rotate(c, -1.3 + k * 0.32);
            cairo_move_to(c, 0, 0);
            cairo_curve_to(c, -18, -40, -10, -90, 10, -110);
            cairo_curve_to(c, 20, -80, 18, -30, 0, 0);
            cairo_close_path(c);
            cairo_restore(c);
        }, tail[k], lw, k == 0, 0.35);
    auto body = [](cairo_t* c) {
        cairo_move_to(c, -70, -100);
        cairo_curve_to(c, -75, -40, -20, -35, 15, -38);
        cairo_curve_to(c, 60, -42, 70, -90, 55, -130);
        cairo_curve_to(c, 45, -160, 35, -185, 40, -200);
        cairo_curve_to(c, 15, -215, -20, -200, -18, -170);
        cairo_curve_to(c, -20, -135, -60, -140, -70, -100);
        cairo_close_path(c);
    };
    shape(cr, body, 0xE0572E, lw, true, 0.3);
    // Golden neck feathers.
    shape(cr, [](cairo_t* c) {
        cairo_move_to(c, -18, -185);
        cairo_curve_to(c, -20, -150, -30, -130, -40, -120);
        for (int k = 0; k < 5; ++k)
            cairo_line_to(c, -30 + k * 16, -110 + (k % 2) * 12);
        cairo_curve_to(c, 55, -130, 45, -165, 42, -195);
        cairo_close_path(c);
    }, 0xF5A623, lw, false, 0.3);
    shape(cr, [](cairo_t* c) {
        cairo_move_to(c, -45, -105);
        cairo_curve_to(c, -15, -125, 30, -105, 25, -72);
        cairo_curve_to(c, 5, -62, -25, -68, -45, -80);
        cairo_close_path(c);
    }, 0x9E3A1E, lw, false, 0.3);
    shape(cr, [](cairo_t* c) {
        for (int k = 0; k < 4; ++k) {
            cairo_new_sub_path(c);
            cairo_arc(c, -10 + k * 13, -208 - (k == 1 || k == 2 ? 6 : 0), 10, 0, 2 * kPi);
        }
    }, pal::red, lw, false, 0.3);
    // Beak open: he is crowing.
    shape(cr, [](cairo_t* c) {
        cairo_move_to(c, 42, -185);
        cairo_line_to(c, 72, -188);
        cairo_line_to(c, 44, -174);
        cairo_close_path(c);
    }, pal::sun, lw, false, 0.3);
    shape(cr, [](cairo_t* c) {
        cairo_move_to(c, 44, -170);
        cairo_line_to(c, 66, -160);
        cairo_line_to(c, 42, -162);
        cairo_close_path(c);
    }, pal::sun, lw, false, 0.3);
    shape(cr, [](cairo_t* c) { ellipse(c, 40, -148, 8, 13); }, pal::red, lw, false, 0.3);
    set_rgb(cr, pal::outline);
    cairo_set_line_width(cr, lw * 1.2);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 20, -182, 7, kPi * 1.1, kPi * 1.9);
    cairo_stroke(cr);
    blush(cr, 16, -164, 6);
    // Music notes of his song.
    for (int k = 0; k < 3; ++k) {
        const double nx = 95 + k * 40, ny = -230 - k * 30;
        set_rgb(cr, pal::outline);
        ellipse(cr, nx, ny, 7, 5.5);
        cairo_fill(cr);
        cairo_set_line_width(cr, lw);
        cairo_move_to(cr, nx + 6, ny);
        cairo_line_to(cr, nx + 6, ny - 26);
        cairo_line_to(cr, nx + 15, ny - 20);
        cairo_stroke(cr);
    }
}

void cat(cairo_t* cr, double x, double y, double s, uint32_t fur, bool stripes, double look)
{
    Local L(cr, x, y, s);
    const double lw = L.lw;
    // Sitting, tail curled round the front.
    shape(cr, [](cairo_t* c) { ellipse(c, 0, -70, 55, 70); }, fur, lw, true, 0.3);
    if (stripes) {
        cairo_save(cr);
        ellipse(cr, 0, -70, 55, 70);
        cairo_clip(cr);
        set_rgb(cr, darken(fur, 0.3), 0.7);
        cairo_set_line_width(cr, 7);
        for (int k = 0; k < 4; ++k) {
            cairo_move_to(cr, -60, -110 + k * 25);
            cairo_curve_to(cr, -40, -100 + k * 25, -30, -100 + k * 25, -20, -108 + k * 25);
            cairo_move_to(cr, 60, -110 + k * 25);
            cairo_curve_to(cr, 40, -100 + k * 25, 30, -100 + k * 25, 20, -108 + k * 25);
        }
        cairo_stroke(cr);
        cairo_restore(cr);
    }
    shape(cr, [](cairo_t* c) { ellipse(c, 0, -60, 30, 48); }, pal::cream, 0, false, 0.1);
    cairo_move_to(cr, 40, -10);
    cairo_curve_to(cr, 80, -10, 90, -50, 70, -80);
    thick_line(cr, 14, fur, lw);
    for (int sd : {-1, 1})
        shape(cr, [=](cairo_t* c) { ellipse(c, sd * 20, -10, 18, 11); }, pal::cream, lw, false);
    for (int sd : {-1, 1})
        shape(cr, [=](cairo_t* c) {
            cairo_move_to(c, sd * 20, -185);
            cairo_line_to(c, sd * 46, -212);
            cairo_line_to(c, sd * 50, -160);
            cairo_close_path(c);
        }, fur, lw, true);
    for (int sd : {-1, 1}) {
        set_rgb(cr, 0xFFB3C6);
        cairo_move_to(cr, sd * 27, -180);
        cairo_line_to(cr, sd * 43, -198);
        cairo_line_to(cr, sd * 44, -168);
        cairo_close_path(cr);
        cairo_fill(cr);
    }
    shape(cr, [](cairo_t* c) { ellipse(c, 0, -150, 55, 45); }, fur, lw, true, 0.3);
    if (stripes) {
        set_rgb(cr, darken(fur, 0.3), 0.7);
        cairo_set_line_width(cr, 5);
        for (int k = -1; k <= 1; ++k) {
            cairo_move_to(cr, k * 12, -192);
            cairo_line_to(cr, k * 10, -176);
        }
        cairo_stroke(cr);
    }
    shape(cr, [](cairo_t* c) { ellipse(c, 0, -132, 24, 16); }, pal::cream, 0, false, 0.1);
    eye(cr, -20, -155, 9, look);
    eye(cr, 20, -155, 9, look);
    blush(cr, -36, -135, 8);
    blush(cr, 36, -135, 8);
    shape(cr, [](cairo_t* c) {
        cairo_move_to(c, -6, -140);
        cairo_line_to(c, 6, -140);
        cairo_line_to(c, 0, -133);
        cairo_close_path(c);
    }, pal::pink, lw * 0.7, false);
    set_rgb(cr, pal::outline);
    cairo_set_line_width(cr, lw * 0.8);
    for (int sd : {-1, 1}) {
        cairo_move_to(cr, 0, -133);
        cairo_curve_to(cr, 0, -126, sd * 7, -124, sd * 10, -129);
        for (int k = 0; k < 3; ++k) {
            cairo_move_to(cr, sd * 26, -136 + k * 5);
            cairo_line_to(cr, sd * 56, -142 + k * 8);
        }
    }
    cairo_stroke(cr);
}

void yarn(cairo_t* cr, double x, double y, double r, uint32_t colour)
{
    shape(cr, [=](cairo_t* c) { ellipse(c, x, y, r, r); }, colour, 2, true, 0.3);
    cairo_save(cr);
    ellipse(cr, x, y, r, r);
    cairo_clip(cr);
    set_rgb(cr, darken(colour, 0.25));
    cairo_set_line_width(cr, 1.6);
    for (int k = 0; k < 6; ++k) {
        cairo_new_sub_path(cr);
        cairo_arc(cr, x - r * 0.6 + k * r * 0.25, y + r * 0.3, r * 0.9, -2.2, -0.6);
    }
    cairo_stroke(cr);
    cairo_restore(cr);
}

// --- the ten pictures --------------------------------------------------------

void cow_meadow(Canvas& c)
{
    cairo_t* cr = c.cr();
    Rng rng(101);
    day_sky(cr, rng, SkySpec{250, pal::sky_top, 0xCFEFFB, 560, 70, 34, 6});
    far_hills(cr, rng, 235, 0xB4E39A, 0x98D47C, 6);
    barn(cr, 30, 290, 110);
    hill(cr, kW, kH, 285, 10, 0.009, 1.0, 0x9BD874, 0x7CCB5B);
    fence(cr, 150, 640, 318, 48, 0xC98B55);
    grass_blades(cr, rng, -10, kW + 10, 290, kH + 6, 1400, pal::grass);
    flowers(cr, rng, Box{10, 330, kW - 20, 140}, 45, 4, 8, {{160, 330, 320, 120}});
    cow(cr, 290, 430, 1.0);
    butterfly(cr, 520, 230, 12, pal::pink, 0.3);
    butterfly(cr, 90, 360, 10, pal::sun, -0.2);
    flowers(cr, rng, Box{0, 440, kW, 36}, 14, 7, 9);
}

void pig_mud(Canvas& c)
{
    cairo_t* cr = c.cr();
    Rng rng(102);
    day_sky(cr, rng, SkySpec{270, 0xFFA98A, 0xFFE8C0, 110, 80, 36, 6});
    far_hills(cr, rng, 245, 0xC8D98A, 0xA8C86A, 5);
    barn(cr, 400, 300, 200);
    haystack(cr, rng, 70, 300, 110);
    // A straw-coloured yard.
    hill(cr, kW, kH, 295, 5, 0.01, 0.5, 0xE8D08A, 0xCFAE62);
    strokes(cr, rng, [](cairo_t* k) { cairo_rectangle(k, 0, 290, kW, kH); }, Box{0, 290, double(kW), 190}, 700,
            0xB8893A, 10, 1.4, 0.6);
    strokes(cr, rng, [](cairo_t* k) { cairo_rectangle(k, 0, 290, kW, kH); }, Box{0, 290, double(kW), 190}, 400,
            0xFFF0B8, 9, 1.4, 0.7);
    // The mud puddle.
    auto puddle = [](cairo_t* k) {
        cairo_move_to(k, 80, 420);
        cairo_curve_to(k, 60, 370, 200, 350, 320, 360);
        cairo_curve_to(k, 460, 350, 560, 370, 540, 420);
        cairo_curve_to(k, 520, 470, 120, 475, 80, 420);
        cairo_close_path(k);
    };
    shape(cr, puddle, 0x8A5A3A, 2.5, false, 0.25);
    cairo_save(cr);
    puddle(cr);
    cairo_clip(cr);
    set_rgb(cr, 0xB07A50, 0.8);
    cairo_set_line_width(cr, 3);
    for (int k = 0; k < 4; ++k) {
        cairo_new_sub_path(cr);
        ellipse(cr, 310, 420, 60 + k * 55, 18 + k * 14);
        cairo_stroke(cr);
    }
    set_rgb(cr, pal::white, 0.35);
    ellipse(cr, 160, 385, 30, 6);
    cairo_fill(cr);
    ellipse(cr, 470, 440, 24, 5);
    cairo_fill(cr);
    cairo_restore(cr);
    // Splashes.
    for (int k = 0; k < 12; ++k) {
        const double a = k * 0.5, d = 210;
        set_rgb(cr, 0x7A4A2A);
        cairo_arc(cr, 310 + d * std::cos(a) * 1.05, 405 - 45 * std::abs(std::sin(a)) - 10, 4 + (k % 3) * 2, 0, 2 * kPi);
        cairo_fill(cr);
    }
    // Pebbles and bubbles in the mud.
    for (int k = 0; k < 14; ++k) {
        const double a = k * 0.45 + 0.2;
        const double px = 310 + 200 * std::cos(a), py = 425 + 38 * std::sin(a);
        shape(cr, [=](cairo_t* q) { ellipse(q, px, py, 6 + (k % 3) * 2, 4 + (k % 2) * 1.5); },
              k % 2 ? 0xB8B0A8 : 0x9A8E84, 1.4, false, 0.4);
    }
    for (int k = 0; k < 10; ++k) {
        set_rgb(cr, 0xC89A70, 0.9);
        cairo_set_line_width(cr, 1.6);
        cairo_new_sub_path(cr);
        cairo_arc(cr, 130 + k * 40, 445 + (k % 3) * 8, 4 + (k % 2) * 2, 0, 2 * kPi);
        cairo_stroke(cr);
    }
    pig(cr, 290, 430, 1.05);
    fence(cr, 560, 660, 330, 40, 0xC98B55);
    sunflower(cr, 600, 250, 22, 80);
    sunflower(cr, 20, 330, 18, 60);
}

void sheep_hills(Canvas& c)
{
    cairo_t* cr = c.cr();
    Rng rng(103);
    day_sky(cr, rng, SkySpec{250, 0x46C3D6, 0xD8F6F2, 0, 0, 0, 7, 80, 140, 6});
    // Rolling hills in bands, each with its own stripes of crops.
    const uint32_t bands[][2] = {{0xB8E08A, 0x9ACF6C}, {0x9AD46E, 0x7CC355}, {0x84C95A, 0x62B043}};
    for (int b = 0; b < 3; ++b) {
        const double base = 200 + b * 55;
        hill(cr, kW, kH, base, 18 - b * 4, 0.012 - b * 0.002, 1.2 + b * 1.7, bands[b][0], bands[b][1]);
        cairo_save(cr);
        set_rgb(cr, darken(bands[b][1], 0.15), 0.35);
        cairo_set_line_width(cr, 2);
        for (double yy = base + 12; yy < base + 55; yy += 9) {
            cairo_move_to(cr, 0, yy);
            for (double xx = 0; xx <= kW; xx += 8)
                cairo_line_to(cr, xx, yy + (18 - b * 4) * std::sin((0.012 - b * 0.002) * xx + 1.2 + b * 1.7));
        }
        cairo_stroke(cr);
        cairo_restore(cr);
        if (b == 0)
            for (double x : {80.0, 170.0, 500.0})
                tree(cr, x, base + 14 + 18 * std::sin(0.012 * x + 1.2), 40, 0x7DBE5A);
    }
    // A low stone wall.
    for (double x = -10; x < kW + 20; x += 26)
        for (int row = 0; row < 2; ++row)
            shape(cr, [=](cairo_t* k) { ellipse(k, x + row * 13, 318 - row * 14, 15, 9); },
                  mix(0xB8B0A8, 0x8E8680, (int(x) / 26 + row) % 3 * 0.35), 1.8, false, 0.3);
    grass_blades(cr, rng, -10, kW + 10, 325, kH + 6, 1200, 0x7CCB5B);
    // Lavender tufts.
    for (int i = 0; i < 28; ++i) {
        const double x = rng.range(10, kW - 10), yb = rng.range(345, 475);
        if (x > 150 && x < 460 && yb < 440)
            continue;
        cairo_save(cr);
        for (int k = -2; k <= 2; ++k) {
            const double tx = x + k * 5, ty = yb - 26 - std::abs(k) * -3;
            set_rgb(cr, pal::green_dark);
            cairo_set_line_width(cr, 1.5);
            cairo_move_to(cr, x, yb);
            cairo_line_to(cr, tx, ty);
            cairo_stroke(cr);
            set_rgb(cr, k % 2 ? 0x9B6BD3 : 0xB88BE8);
            for (int d = 0; d < 4; ++d) {
                ellipse(cr, tx, ty - d * 4, 2.6, 3.2);
                cairo_fill(cr);
            }
        }
        cairo_restore(cr);
    }
    sheep(cr, 540, 285, 0.42, 7);
    sheep(cr, 80, 300, 0.38, 8);
    sheep(cr, 300, 440, 1.15, 9);
    butterfly(cr, 470, 200, 11, pal::violet, 0.2);
}

void hen_yard(Canvas& c)
{
    cairo_t* cr = c.cr();
    Rng rng(104);
    day_sky(cr, rng, SkySpec{230, 0x7FD6C9, 0xE6FAF0, 590, 62, 30, 6, 60, 110, 3});
    // Hedge and sunflowers along the back fence.
    for (double x = -20; x < kW + 40; x += 70)
        bush(cr, x, 230, 90, 0x5DAE45);
    fence(cr, 10, 640, 262, 56, 0xE0A868);
    for (double x : {40.0, 120.0, 510.0, 600.0})
        sunflower(cr, x, 160 + std::fmod(x, 50.0), 20, 90);
    // Sandy yard with grain.
    hill(cr, kW, kH, 255, 4, 0.012, 0.3, 0xF2D48C, 0xDDB467);
    speckles(cr, rng, [](cairo_t* k) { cairo_rectangle(k, 0, 255, kW, kH); }, Box{0, 255, double(kW), 225}, 700,
             0xB88A3A, 1, 2.5, 0.6);
    strokes(cr, rng, [](cairo_t* k) { cairo_rectangle(k, 0, 255, kW, kH); }, Box{0, 255, double(kW), 225}, 300,
            0xFFF2C2, 9, 1.5, 0.75);
    // The hen house on stilts with a ramp.
    const double hx = 40, hy = 330;
    for (double px : {hx + 10, hx + 150})
        shape(cr, [=](cairo_t* k) { cairo_rectangle(k, px, hy - 10, 14, 60); }, 0x9A6038, 2, false);
    shape(cr, [=](cairo_t* k) { rounded_rect(k, hx, hy - 120, 175, 115, 6); }, 0xF2A65A, 2.4, true, 0.15);
    cairo_save(cr);
    set_rgb(cr, 0xC07A38, 0.7);
    cairo_set_line_width(cr, 1.4);
    for (double yy = hy - 108; yy < hy - 6; yy += 12) {
        cairo_move_to(cr, hx + 3, yy);
        cairo_line_to(cr, hx + 172, yy);
    }
    cairo_stroke(cr);
    cairo_restore(cr);
    shape(cr, [=](cairo_t* k) {
        cairo_move_to(k, hx - 15, hy - 115);
        cairo_line_to(k, hx + 87, hy - 175);
        cairo_line_to(k, hx + 190, hy - 115);
        cairo_close_path(k);
    }, 0x4D8FE8, 2.4, true, 0.25);
    shape(cr, [=](cairo_t* k) {
        cairo_move_to(k, hx + 70, hy - 6);
        cairo_line_to(k, hx + 70, hy - 60);
        cairo_arc(k, hx + 90, hy - 60, 20, kPi, 2 * kPi);
        cairo_line_to(k, hx + 110, hy - 6);
        cairo_close_path(k);
    }, 0x5A3220, 2.2, false);
    shape(cr, [=](cairo_t* k) {
        cairo_move_to(k, hx + 75, hy - 6);
        cairo_line_to(k, hx + 105, hy - 6);
        cairo_line_to(k, hx + 180, hy + 55);
        cairo_line_to(k, hx + 150, hy + 55);
        cairo_close_path(k);
    }, 0xC98B55, 2, true, 0.2);
    shape(cr, [=](cairo_t* k) { heart_path(k, hx + 87, hy - 140, 12); }, pal::red, 1.8, false);
    shape(cr, [=](cairo_t* k) { ellipse(k, hx + 35, hy - 60, 16, 20); }, 0xBFE6FA, 2, false, 0.4);
    // Grain scattered in front.
    for (int i = 0; i < 80; ++i) {
        set_rgb(cr, 0xE8A838);
        ellipse(cr, rng.range(250, 620), rng.range(380, 475), 2.4, 1.6);
        cairo_fill(cr);
    }
    hen(cr, 400, 420, 1.15);
    chick(cr, 250, 455, 0.75, 0.0, false);
    chick(cr, 560, 440, 0.7, 0.05, true);
    chick(cr, 600, 470, 0.6, -0.1, true);
    chick(cr, 150, 470, 0.65, 0.1, false);
    // A basket of eggs.
    shape(cr, [](cairo_t* k) {
        cairo_move_to(k, 505, 325);
        cairo_line_to(k, 600, 325);
        cairo_line_to(k, 590, 365);
        cairo_line_to(k, 515, 365);
        cairo_close_path(k);
    }, 0xC98B55, 2, true, 0.2);
    for (int k = 0; k < 4; ++k)
        shape(cr, [=](cairo_t* q) { ellipse(q, 520 + k * 22, 318 - (k % 2) * 4, 11, 14); }, k % 2 ? 0xFFF4E0 : 0xF0D2B0,
              1.6, false, 0.4);
    shape(cr, [](cairo_t* k) {
        cairo_move_to(k, 505, 325);
        cairo_line_to(k, 600, 325);
        cairo_line_to(k, 598, 335);
        cairo_line_to(k, 507, 335);
        cairo_close_path(k);
    }, 0xA0683A, 2, false);
    cairo_save(cr);
    set_rgb(cr, 0x8A5530);
    cairo_set_line_width(cr, 1.2);
    for (double x = 515; x < 595; x += 10) {
        cairo_move_to(cr, x, 337);
        cairo_line_to(cr, x + 2, 363);
    }
    cairo_stroke(cr);
    cairo_restore(cr);
}

void horse_field(Canvas& c)
{
    cairo_t* cr = c.cr();
    Rng rng(105);
    day_sky(cr, rng, SkySpec{230, 0x6F8FE0, 0xF2E2F6, 0, 0, 0, 5, 100, 160, 6, 0x3B3060});
    // Far blue mountains, then golden fields.
    cairo_save(cr);
    cairo_move_to(cr, -10, 240);
    const double peaks[][2] = {{60, 170}, {150, 215}, {240, 160}, {330, 210}, {430, 150}, {530, 205}, {620, 175}};
    for (auto& p : peaks)
        cairo_line_to(cr, p[0], p[1]);
    cairo_line_to(cr, 650, 240);
    cairo_close_path(cr);
    set_vertical_gradient(cr, 150, 240, 0x9AA8E0, 0xB8C4EE);
    cairo_fill(cr);
    cairo_restore(cr);
    hill(cr, kW, kH, 225, 8, 0.01, 0.5, 0xE6C45A, 0xD9A83E);
    // Rows of wheat.
    cairo_save(cr);
    cairo_rectangle(cr, 0, 225, kW, kH);
    cairo_clip(cr);
    for (double yy = 232; yy < 300; yy += 7) {
        set_rgb(cr, 0xB8862A, 0.55);
        cairo_set_line_width(cr, 1.5);
        for (double xx = std::fmod(yy * 3, 9.0); xx < kW; xx += 9) {
            cairo_move_to(cr, xx, yy);
            cairo_line_to(cr, xx + 2, yy - 6);
        }
        cairo_stroke(cr);
    }
    cairo_restore(cr);
    tree(cr, 560, 300, 150, 0x8CCB6E);
    tree(cr, 70, 285, 90, 0x7DBE5A);
    hill(cr, kW, kH, 300, 6, 0.008, 2.0, 0x9BD874, 0x6FBF50);
    grass_blades(cr, rng, -10, kW + 10, 305, kH + 6, 1200, pal::grass);
    fence(cr, -10, 650, 345, 60, 0xF4EDE2);
    flowers(cr, rng, Box{10, 370, kW - 20, 105}, 40, 5, 8, {{150, 350, 330, 110}});
    horse(cr, 260, 455, 0.95);
    butterfly(cr, 470, 270, 12, pal::orange, -0.3);
    // Apples fallen in the grass.
    for (double ax : {520.0, 545.0, 600.0})
        shape(cr, [=](cairo_t* k) { ellipse(k, ax, 455 - std::fmod(ax, 7.0), 9, 8); }, pal::red, 1.6, true, 0.4);
}

void duck_pond(Canvas& c)
{
    cairo_t* cr = c.cr();
    Rng rng(106);
    day_sky(cr, rng, SkySpec{170, 0x7EC8F2, 0xE8F8FF, 0, 0, 0, 6, 60, 110, 3});
    far_hills(cr, rng, 165, 0xA6DC86, 0x8CCB6E, 7);
    hill(cr, kW, kH, 190, 4, 0.01, 0.2, 0x8AD263, 0x6FBF50);
    grass_blades(cr, rng, -10, kW + 10, 194, 230, 400, pal::grass);
    // The pond.
    auto pond = [](cairo_t* k) {
        cairo_move_to(k, -10, 230);
        cairo_curve_to(k, 150, 205, 480, 205, 650, 230);
        cairo_line_to(k, 650, 490);
        cairo_line_to(k, -10, 490);
        cairo_close_path(k);
    };
    cairo_save(cr);
    pond(cr);
    cairo_clip(cr);
    water(cr, rng, 0, 210, kW, kH, 0x6FC3E8, 0x2E8FC8);
    // Reflections of the sky.
    set_rgb(cr, pal::white, 0.25);
    for (int k = 0; k < 8; ++k) {
        ellipse(cr, rng.range(0, kW), rng.range(240, 470), rng.range(30, 70), 4);
        cairo_fill(cr);
    }
    cairo_restore(cr);
    cairo_save(cr);
    pond(cr);
    set_rgb(cr, 0x5E9A3A);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    cairo_restore(cr);
    // Lily pads with flowers.
    const double pads[][3] = {{90, 300, 34}, {560, 280, 30}, {520, 420, 40}, {130, 440, 36}, {380, 300, 22}};
    for (auto& p : pads) {
        const double px = p[0], py = p[1], pr = p[2];
        shape(cr, [=](cairo_t* k) {
            cairo_move_to(k, px, py);
            cairo_arc(k, px, py, pr, 0.35, 2 * kPi - 0.1);
            cairo_close_path(k);
        }, 0x5DBB4A, 2, true, 0.3);
        cairo_save(cr);
        set_rgb(cr, 0x3E8A30, 0.7);
        cairo_set_line_width(cr, 1.4);
        for (int k = 0; k < 6; ++k) {
            const double a = 0.7 + k * 0.9;
            cairo_move_to(cr, px, py);
            cairo_line_to(cr, px + pr * 0.85 * std::cos(a), py + pr * 0.85 * std::sin(a));
        }
        cairo_stroke(cr);
        cairo_restore(cr);
    }
    for (int k : {0, 2, 3})
        flower(cr, pads[k][0] - 8, pads[k][1] - 6, 9, k == 2 ? pal::white : pal::pink, 0.3);
    // Reeds and cattails on both banks.
    for (double x : {10.0, 28.0, 46.0, 590.0, 606.0, 624.0}) {
        const double top = 150 + std::fmod(x * 7, 40.0);
        cairo_move_to(cr, x, 260);
        cairo_curve_to(cr, x + 2, 220, x - 3, 190, x, top);
        thick_line(cr, 3, pal::green_dark, 1.2);
        shape(cr, [=](cairo_t* k) { rounded_rect(k, x - 5, top + 6, 10, 30, 5); }, 0x8A5530, 1.6, false, 0.3);
        shape(cr, [=](cairo_t* k) {
            cairo_move_to(k, x + 2, 262);
            cairo_curve_to(k, x + 14, 230, x + 20, 210, x + 26, 195);
            cairo_curve_to(k, x + 22, 220, x + 14, 240, x + 8, 262);
            cairo_close_path(k);
        }, 0x7CCB5B, 1.4, false);
    }
    duck(cr, 300, 380, 1.3, false, false);
    duck(cr, 180, 360, 0.5, false, true);
    duck(cr, 460, 400, 0.5, true, true);
    duck(cr, 420, 335, 0.45, true, true);
    // Rings on the water around them.
    cairo_save(cr);
    set_rgb(cr, pal::white, 0.6);
    cairo_set_line_width(cr, 2);
    ellipse(cr, 320, 385, 120, 14);
    cairo_stroke(cr);
    cairo_restore(cr);
    butterfly(cr, 250, 200, 10, pal::sun, 0.2);
    butterfly(cr, 470, 110, 10, pal::pink, -0.2);
}

void rabbit_garden(Canvas& c)
{
    cairo_t* cr = c.cr();
    Rng rng(107);
    day_sky(cr, rng, SkySpec{210, 0xFF9EC4, 0xFFE8D8, 530, 70, 30, 6, 70, 120, 4});
    far_hills(cr, rng, 200, 0xB8E08A, 0x9ACF6C, 6);
    // A picket fence, then rows of soil with vegetables.
    fence(cr, -10, 650, 250, 44, 0xFFF4E0);
    hill(cr, kW, kH, 246, 3, 0.01, 0.3, 0x8AD263, 0x6FBF50);
    grass_blades(cr, rng, -10, kW + 10, 250, 270, 300, pal::grass);
    for (int row = 0; row < 4; ++row) {
        const double y = 285 + row * 50;
        shape(cr, [=](cairo_t* k) { rounded_rect(k, -20, y - 12, kW + 40, 34, 16); }, 0x9A6240, 2, false, 0.2);
        speckles(cr, rng, [=](cairo_t* k) { rounded_rect(k, -20, y - 12, kW + 40, 34, 16); },
                 Box{0, y - 12, double(kW), 34}, 160, 0x5A3220, 1, 2.4, 0.6);
        for (double x = 25 + row * 13; x < kW; x += 56) {
            if (row >= 1 && x > 210 && x < 420)
                continue;
            if (row % 2 == 0) {
                // Carrot tops with a peek of orange.
                shape(cr, [=](cairo_t* k) {
                    cairo_move_to(k, x - 9, y + 2);
                    cairo_line_to(k, x + 9, y + 2);
                    cairo_line_to(k, x, y + 14);
                    cairo_close_path(k);
                }, pal::orange, 1.5, false);
                for (int l = -1; l <= 1; ++l)
                    shape(cr, [=](cairo_t* k) {
                        cairo_save(k);
                        cairo_translate(k, x, y);
                        cairo_rotate(k, l * 0.45);
                        ellipse(k, 0, -13, 5, 13);
                        cairo_restore(k);
                    }, 0x5DBB4A, 1.3, false);
            } else {
                // Round cabbages.
                shape(cr, [=](cairo_t* k) { ellipse(k, x, y - 2, 18, 15); }, 0x9BDB6E, 1.6, true, 0.3);
                cairo_save(cr);
                set_rgb(cr, 0x5E9A3A, 0.8);
                cairo_set_line_width(cr, 1.3);
                for (int l = -1; l <= 1; ++l) {
                    cairo_move_to(cr, x + l * 6, y + 10);
                    cairo_curve_to(cr, x + l * 10, y, x + l * 6, y - 8, x + l * 2, y - 14);
                }
                cairo_stroke(cr);
                cairo_restore(cr);
            }
        }
    }
    // Watering can.
    shape(cr, [](cairo_t* k) {
        cairo_move_to(k, 520, 300);
        cairo_line_to(k, 570, 255);
        cairo_line_to(k, 578, 262);
        cairo_line_to(k, 532, 310);
        cairo_close_path(k);
    }, 0x4D8FE8, 2, false);
    shape(cr, [](cairo_t* k) { rounded_rect(k, 460, 275, 70, 60, 10); }, 0x4D8FE8, 2.2, true, 0.3);
    shape(cr, [](cairo_t* k) {
        cairo_new_sub_path(k);
        cairo_arc(k, 495, 275, 24, kPi, 2 * kPi);
        cairo_arc_negative(k, 495, 275, 16, 2 * kPi, kPi);
        cairo_close_path(k);
    }, 0x4D8FE8, 2, false);
    rabbit(cr, 315, 450, 1.2);
    butterfly(cr, 160, 200, 11, pal::violet, 0.3);
    butterfly(cr, 430, 180, 10, pal::orange, -0.3);
    flowers(cr, rng, Box{5, 440, 180, 30}, 6, 7, 9);
    flowers(cr, rng, Box{470, 440, 165, 30}, 6, 7, 9);
}

void rooster_sunrise(Canvas& c)
{
    cairo_t* cr = c.cr();
    Rng rng(108);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, 0, 300);
    cairo_pattern_add_color_stop_rgb(p, 0, 0.55, 0.45, 0.85);
    cairo_pattern_add_color_stop_rgb(p, 0.45, 1.0, 0.55, 0.6);
    cairo_pattern_add_color_stop_rgb(p, 1, 1.0, 0.8, 0.45);
    cairo_set_source(cr, p);
    cairo_paint(cr);
    cairo_pattern_destroy(p);
    sun_rays(cr, 420, 290, 18, 420, 0xFFF2A0, 0.35);
    // The sun peeking over the hills.
    cairo_save(cr);
    cairo_pattern_t* halo = cairo_pattern_create_radial(420, 280, 60, 420, 280, 200);
    cairo_pattern_add_color_stop_rgba(halo, 0, 1, 0.95, 0.6, 0.7);
    cairo_pattern_add_color_stop_rgba(halo, 1, 1, 0.95, 0.6, 0);
    cairo_set_source(cr, halo);
    cairo_paint(cr);
    cairo_pattern_destroy(halo);
    cairo_restore(cr);
    shape(cr, [](cairo_t* q) { ellipse(q, 420, 280, 80, 80); }, 0xFFC93B, 3, false, 0.5);
    clouds(cr, rng, 40, 150, 5, 90, 140, 0.85, {{330, 170, 180, 140}});
    birds(cr, rng, Box{40, 40, 300, 120}, 5, 0x4A3060);
    far_hills(cr, rng, 270, 0x8CB870, 0x6FA05A, 5);
    house(cr, 60, 300, 90, 60, 0xFFF4E0, 0xD9453C);
    hill(cr, kW, kH, 310, 10, 0.01, 2.5, 0x7CC35A, 0x4FA83D);
    grass_blades(cr, rng, -10, kW + 10, 315, kH + 6, 1400, 0x6FBF50);
    flowers(cr, rng, Box{10, 400, kW - 20, 75}, 30, 5, 8, {{150, 380, 200, 100}});
    // The fence he stands on.
    fence(cr, -10, 650, 420, 90, 0xC98B55);
    rooster(cr, 240, 342, 1.1);
    sparkles(cr, rng, Box{20, 20, 600, 200}, 6, 5, 8, pal::white, 0.8);
}

void kittens_barn(Canvas& c)
{
    cairo_t* cr = c.cr();
    Rng rng(109);
    // Inside the barn: plank walls, a window, hay on the floor.
    fill_vertical_gradient(cr, 0, 0, kW, 330, 0xC98B55, 0xA86A3C);
    cairo_save(cr);
    for (double x = 0; x < kW; x += 46) {
        set_rgb(cr, 0x7A4A2A, 0.8);
        cairo_set_line_width(cr, 2.5);
        cairo_move_to(cr, x, 0);
        cairo_line_to(cr, x, 330);
        cairo_stroke(cr);
        set_rgb(cr, pal::outline, 0.7);
        for (double y = 30 + std::fmod(x, 70.0); y < 330; y += 110) {
            cairo_arc(cr, x + 6, y, 2.2, 0, 2 * kPi);
            cairo_arc(cr, x + 40, y, 2.2, 0, 2 * kPi);
            cairo_fill(cr);
        }
    }
    cairo_restore(cr);
    strokes(cr, rng, [](cairo_t* q) { cairo_rectangle(q, 0, 0, kW, 330); }, Box{0, 0, double(kW), 330}, 220, 0x8A5530,
            18, 1.4, 0.5);
    // Beams.
    shape(cr, [](cairo_t* q) { cairo_rectangle(q, -5, 36, kW + 10, 22); }, 0x8A5530, 2.4, true, 0.2);
    // A window with the sunny farm outside.
    window_view(cr, 430, 90, 150, 120, pal::sky_top, 0xD4F1FC, 0xF4EDE2);
    // A lantern on the beam.
    cairo_save(cr);
    cairo_pattern_t* lamp = cairo_pattern_create_radial(150, 120, 10, 150, 120, 150);
    cairo_pattern_add_color_stop_rgba(lamp, 0, 1, 0.9, 0.5, 0.6);
    cairo_pattern_add_color_stop_rgba(lamp, 1, 1, 0.9, 0.5, 0);
    cairo_set_source(cr, lamp);
    cairo_paint(cr);
    cairo_pattern_destroy(lamp);
    cairo_restore(cr);
    cairo_move_to(cr, 150, 58);
    cairo_line_to(cr, 150, 90);
    thick_line(cr, 2, 0x55443E, 1);
    shape(cr, [](cairo_t* q) { rounded_rect(q, 134, 90, 32, 48, 8); }, 0xFFE27A, 2.2, true, 0.5);
    shape(cr, [](cairo_t* q) { rounded_rect(q, 130, 86, 40, 8, 3); }, 0x3B3330, 1.8, false);
    shape(cr, [](cairo_t* q) { rounded_rect(q, 130, 136, 40, 8, 3); }, 0x3B3330, 1.8, false);
    // A lucky horseshoe and a coil of rope on the wall.
    cairo_new_sub_path(cr);
    cairo_arc(cr, 290, 130, 22, kPi * 0.8, kPi * 2.2);
    thick_line(cr, 10, 0x9AA0A8, 2);
    set_rgb(cr, pal::outline);
    for (int k = 0; k < 5; ++k) {
        const double a = kPi * (0.9 + k * 0.3);
        cairo_arc(cr, 290 + 22 * std::cos(a), 130 + 22 * std::sin(a), 1.8, 0, 2 * kPi);
        cairo_fill(cr);
    }
    for (int k = 0; k < 4; ++k) {
        cairo_new_sub_path(cr);
        ellipse(cr, 360 + k * 3, 215, 28 - k * 2, 34 - k * 2);
        thick_line(cr, 4, 0xE0C08A, 1.2);
    }
    cairo_move_to(cr, 362, 180);
    cairo_line_to(cr, 362, 168);
    thick_line(cr, 3, 0x3B3330, 1);
    // Floor of straw.
    fill_vertical_gradient(cr, 0, 330, kW, 150, 0xF2CF63, 0xD9A83E);
    strokes(cr, rng, [](cairo_t* q) { cairo_rectangle(q, 0, 325, kW, 160); }, Box{0, 325, double(kW), 155}, 900,
            0xB8862A, 14, 1.5, 0.7);
    strokes(cr, rng, [](cairo_t* q) { cairo_rectangle(q, 0, 325, kW, 160); }, Box{0, 325, double(kW), 155}, 500,
            0xFFF0B0, 12, 1.5, 0.8);
    hay_bale(cr, 80, 380, 62);
    hay_bale(cr, 600, 400, 50);
    haystack(cr, rng, 440, 380, 120);
    cat(cr, 290, 430, 1.0, 0x9AA0A8, true, 0.3);
    cat(cr, 450, 455, 0.55, 0xF2A65A, false, -0.4);
    cat(cr, 155, 450, 0.5, 0xFFFBF4, false, 0.5);
    yarn(cr, 380, 450, 20, pal::red);
    yarn(cr, 550, 455, 16, pal::blue);
    cairo_save(cr);
    set_rgb(cr, pal::red);
    cairo_set_line_width(cr, 2);
    cairo_move_to(cr, 398, 458);
    cairo_curve_to(cr, 420, 470, 430, 440, 450, 465);
    cairo_stroke(cr);
    cairo_restore(cr);
}

void bafo_farm(Canvas& c)
{
    cairo_t* cr = c.cr();
    Rng rng(110);
    day_sky(cr, rng, SkySpec{250, 0x5FB8EC, 0xFFF4D6, 80, 70, 34, 6, 70, 120, 4, pal::outline, {{380, 60, 40, 60}}});
    far_hills(cr, rng, 230, 0xB4E39A, 0x98D47C, 5);
    // Silo beside the barn.
    shape(cr, [](cairo_t* q) { rounded_rect(q, 505, 110, 70, 200, 6); }, 0xE8E0D8, 2.4, true, 0.2);
    shape(cr, [](cairo_t* q) {
        cairo_new_sub_path(q);
        cairo_arc(q, 540, 112, 37, kPi, 2 * kPi);
        cairo_close_path(q);
    }, 0x6F8FB8, 2.4, false, 0.3);
    cairo_save(cr);
    set_rgb(cr, 0xA8A098, 0.8);
    cairo_set_line_width(cr, 1.5);
    for (double y = 130; y < 305; y += 16) {
        cairo_move_to(cr, 507, y);
        cairo_line_to(cr, 573, y);
    }
    cairo_stroke(cr);
    cairo_restore(cr);
    barn(cr, 280, 300, 230);
    // Weathervane.
    cairo_move_to(cr, 395, 110);
    cairo_line_to(cr, 395, 80);
    thick_line(cr, 2, 0x3B3330, 1);
    shape(cr, [](cairo_t* q) {
        cairo_move_to(q, 380, 78);
        cairo_line_to(q, 410, 78);
        cairo_line_to(q, 404, 70);
        cairo_line_to(q, 392, 66);
        cairo_close_path(q);
    }, 0x3B3330, 1, false);
    hill(cr, kW, kH, 298, 5, 0.01, 0.3, 0x9BD874, 0x7CCB5B);
    grass_blades(cr, rng, -10, kW + 10, 300, kH + 6, 1500, pal::grass);
    hay_bale(cr, 600, 340, 34);
    hay_bale(cr, 250, 320, 24);
    // A path of stepping stones to the barn door.
    for (int k = 0; k < 6; ++k)
        shape(cr, [=](cairo_t* q) { ellipse(q, 395 - k * 3, 312 + k * 28, 18 + k * 4, 6 + k * 1.5); }, 0xC8C0B8, 1.8,
              false, 0.4);
    flowers(cr, rng, Box{10, 320, kW - 20, 150}, 40, 4, 8, {{80, 300, 220, 180}, {340, 300, 120, 180}});
    Bafo b;
    b.x = 175;
    b.y = 455;
    b.scale = 0.78;
    b.right = Arm::Wave;
    b.wave = 0.3;
    b.mouth = Mouth::Open;
    b.eyes = Eyes::Happy;
    b.tail = 0.6;
    draw_bafo(cr, b);
    sheep(cr, 520, 430, 0.55, 21);
    chick(cr, 300, 470, 0.55, 0, true);
    chick(cr, 335, 460, 0.5, 0.05, false);
    butterfly(cr, 300, 250, 11, pal::pink, 0.25);
}

}  // namespace

void paint_farm(Canvas& c, int i)
{
    struct Finish {
        double horizon;           // where the sky ends
        std::vector<Box> animals; // left as they are by the last touch
    };
    const Finish finish[] = {
        {250, {{150, 175, 250, 125}}},
        {270, {{130, 200, 330, 220}}},
        {230, {{200, 260, 230, 140}}},
        {230, {{320, 220, 150, 180}}},
        {225, {{140, 245, 240, 115}, {310, 105, 160, 140}}},
        {170, {{200, 300, 280, 100}}},
        {200, {{230, 160, 170, 300}}},
        {280, {{160, 100, 210, 220}}},
        {-1, {{0, 0, double(kW), double(kH)}}},
        {240, {{90, 240, 170, 220}}},
    };
    switch (i) {
    case 1: cow_meadow(c); break;
    case 2: pig_mud(c); break;
    case 3: sheep_hills(c); break;
    case 4: hen_yard(c); break;
    case 5: horse_field(c); break;
    case 6: duck_pond(c); break;
    case 7: rabbit_garden(c); break;
    case 8: rooster_sunrise(c); break;
    case 9: kittens_barn(c); break;
    default: bafo_farm(c); break;
    }
    Rng rng(0xFA00 + uint64_t(i));
    fill_plain_spots(c, rng, land_bits(finish[i - 1].horizon), finish[i - 1].animals);
}

}  // namespace datagen::pics
