// Set 4: under the sea, one friendly sea creature in its own colour of water.
#include "pictures_kit.h"

#include <array>
#include <cmath>

namespace datagen::pics {

namespace {

// A bed of sea plants and rocks along the floor, left and right of the middle.
void reef_edges(cairo_t* cr, Rng& rng, double ground, const std::vector<uint32_t>& corals, double gap0, double gap1)
{
    for (double x = -10; x < kW + 20; x += rng.range(40, 70)) {
        if (x > gap0 && x < gap1)
            continue;
        const double g = ground + rng.range(-6, 14);
        if (rng.chance(0.5))
            seaweed(cr, x, g, rng.range(60, 140), rng.chance(0.5) ? 0x3FAE49 : 0x2E9A6A, rng.range(-1, 1));
        else
            coral(cr, x, g, rng.range(50, 100), corals[size_t(rng.below(int(corals.size())))], rng.next());
    }
}

void rocks(cairo_t* cr, Rng& rng, double x, double ground, double w, uint32_t colour)
{
    for (int k = 0; k < 3; ++k) {
        const double rx = x + (k - 1) * w * 0.3, rw = w * (k == 1 ? 0.45 : 0.32);
        const double ry = ground - rw * 0.3;
        shape(cr, [=](cairo_t* c) { ellipse(c, rx, ry, rw, rw * 0.6); }, mix(colour, 0x000000, k * 0.08), 2.2, k == 1,
              0.3);
        speckles(cr, rng, [=](cairo_t* c) { ellipse(c, rx, ry, rw, rw * 0.6); }, Box{rx - rw, ry - rw, 2 * rw, 2 * rw},
                 int(rw * 0.6), darken(colour, 0.25), 1, 3, 0.6);
    }
}

void whale(cairo_t* cr, double x, double y, double s)
{
    Local L(cr, x, y, s);
    const double lw = L.lw;
    const uint32_t blue = 0x4D7FD0, belly = 0xCFE6F8;
    // Tail flukes up behind.
    shape(cr, [](cairo_t* c) {
        cairo_move_to(c, -190, -10);
        cairo_curve_to(c, -230, -30, -250, -80, -240, -110);
        cairo_curve_to(c, -230, -90, -215, -80, -200, -78);
        cairo_curve_to(c, -190, -100, -170, -120, -150, -125);
        cairo_curve_to(c, -160, -90, -165, -50, -150, -20);
        cairo_close_path(c);
    }, blue, lw, true, 0.3);
    auto body = [](cairo_t* c) {
        cairo_move_to(c, 200, 10);
        cairo_curve_to(c, 210, -90, 120, -130, 20, -125);
        cairo_curve_to(c, -90, -120, -160, -60, -200, -10);
        cairo_curve_to(c, -160, 40, -80, 80, 20, 80);
        cairo_curve_to(c, 130, 80, 195, 60, 200, 10);
        cairo_close_path(c);
    };
    shape(cr, body, blue, lw, true, 0.3);
    cairo_save(cr);
    body(cr);
    cairo_clip(cr);
    shape(cr, [](cairo_t* c) {
        cairo_move_to(c, 205, 20);
        cairo_curve_to(c, 150, 40, 40, 50, -140, 30);
        cairo_curve_to(c, -80, 90, 120, 100, 205, 20);
        cairo_close_path(c);
    }, belly, 0, false, 0.1);
    set_rgb(cr, 0x9AB8E0, 0.9);
    cairo_set_line_width(cr, 2);
    for (int k = 0; k < 6; ++k) {
        cairo_move_to(cr, 150 - k * 30, 38 + k * 2);
        cairo_line_to(cr, 140 - k * 30, 70);
    }
    cairo_stroke(cr);
    // Spots on the back.
    set_rgb(cr, lighten(blue, 0.35), 0.8);
    set_rgb(cr, lighten(blue, 0.5));
    for (int k = 0; k < 56; ++k) {
        const double t = k / 56.0;
        const double sx = -170 + t * 300 + 9 * std::sin(k * 2.1);
        const double sy = -100 + 60 * (t - 0.5) * (t - 0.5) + 50 * (0.5 + 0.5 * std::sin(k * 1.7)) + (k % 3) * 14;
        cairo_arc(cr, sx, sy, 2.5 + (k * 7 % 4), 0, 2 * kPi);
        cairo_fill(cr);
    }
    // Grooves and glints on the big round head.
    set_rgb(cr, lighten(blue, 0.5));
    for (int k = 0; k < 14; ++k) {
        const double a = k * 0.9;
        cairo_arc(cr, 160 + 28 * std::cos(a) * (k % 3 + 1) / 3, -20 + 30 * std::sin(a) * (k % 3 + 1) / 3,
                  2.5 + (k % 3), 0, 2 * kPi);
        cairo_fill(cr);
    }
    // Soft ripples of light on the back.
    set_rgb(cr, pal::white, 0.35);
    cairo_set_line_width(cr, 3);
    for (int k = 0; k < 5; ++k) {
        cairo_move_to(cr, -120 + k * 55, -100 + k * 4);
        cairo_curve_to(cr, -100 + k * 55, -112 + k * 4, -80 + k * 55, -88 + k * 4, -60 + k * 55, -100 + k * 4);
    }
    cairo_stroke(cr);
    cairo_restore(cr);
    // Flipper, eye, smile, spout.
    shape(cr, [](cairo_t* c) {
        cairo_move_to(c, 40, 30);
        cairo_curve_to(c, 30, 70, 0, 90, -20, 85);
        cairo_curve_to(c, -10, 60, 10, 35, 40, 30);
        cairo_close_path(c);
    }, 0x3D6AB8, lw, false, 0.3);
    eye(cr, 130, -40, 11);
    blush(cr, 120, -10, 12);
    cairo_save(cr);
    set_rgb(cr, pal::outline);
    cairo_set_line_width(cr, lw * 1.2);
    cairo_move_to(cr, 200, 5);
    cairo_curve_to(cr, 180, 25, 150, 25, 130, 12);
    cairo_stroke(cr);
    cairo_restore(cr);
    for (int k = 0; k < 5; ++k)
        bubble(cr, 60 + k * 14 - k * k * 3, -150 - k * 28, 6 + k * 2);
}

void clownfish(cairo_t* cr, double x, double y, double s, bool left)
{
    fish(cr, x, y, s, 0xFF7A2A, 0xFF9F43, left, true);
}

void anemone(cairo_t* cr, Rng& rng, double x, double ground, double w)
{
    // A low soft mound on the sand, crowned with waving tentacles.
    auto foot = [=](cairo_t* c) {
        cairo_move_to(c, x - w * 0.42, ground);
        cairo_curve_to(c, x - w * 0.4, ground - w * 0.2, x + w * 0.4, ground - w * 0.2, x + w * 0.42, ground);
        cairo_close_path(c);
    };
    shape(cr, foot, 0xB050A8, 2, true, 0.3);
    speckles(cr, rng, foot, Box{x - w * 0.42, ground - w * 0.2, w * 0.84, w * 0.2}, 40, 0xE090D8, 2, 4, 0.8);
    for (int pass = 0; pass < 2; ++pass)
        for (int k = 0; k < 30; ++k) {
            const double t = (k + 0.5 + pass * 0.5) / 30;
            const double bx = x - w * 0.36 + t * w * 0.72;
            const double a = (t - 0.5) * 2.6 + rng.range(-0.15, 0.15);
            const double len = w * rng.range(0.3, 0.48) * (pass ? 0.8 : 1.0);
            const double by = ground - w * 0.1 - w * 0.08 * std::sin(t * kPi);
            const double ex = bx + len * std::sin(a), ey = by - len * std::cos(a);
            cairo_move_to(cr, bx, by);
            cairo_curve_to(cr, bx + (ex - bx) * 0.3 + 8, by + (ey - by) * 0.4, bx + (ex - bx) * 0.7 - 8,
                           by + (ey - by) * 0.7, ex, ey);
            thick_line(cr, 9, (k + pass) % 2 ? 0xFF8FC7 : 0xFFB0D8, 1.5);
            set_rgb(cr, 0xFFE0F0);
            cairo_arc(cr, ex, ey, 4.5, 0, 2 * kPi);
            cairo_fill(cr);
        }
}

void octopus(cairo_t* cr, double x, double y, double s)
{
    Local L(cr, x, y, s);
    const double lw = L.lw;
    const uint32_t skin = 0xB06AD8, light = 0xE0B8F4;
    // Eight arms curling out along the floor at y = 0.
    for (int k = 0; k < 8; ++k) {
        const double side = k < 4 ? -1 : 1;
        const double i = k % 4;
        const double bx = side * (15 + i * 14), by = -60;
        const double ex = side * (70 + i * 40), ey = -10 + (i == 3 ? -60 : i * 4);
        cairo_move_to(cr, bx, by);
        cairo_curve_to(cr, bx + side * 20, by + 50, ex - side * 30, ey + 20, ex, ey);
        cairo_curve_to(cr, ex + side * 14, ey - 8, ex + side * 10, ey - 24, ex, ey - 20);
        thick_line(cr, 22 - i * 2, skin, lw);
    }
    // Suckers.
    for (int k = 0; k < 8; ++k) {
        const double side = k < 4 ? -1 : 1;
        const double i = k % 4;
        const double ex = side * (70 + i * 40), ey = -10 + (i == 3 ? -60 : i * 4);
        for (int d = 0; d < 3; ++d) {
            const double t = 0.45 + d * 0.17;
            const double px = side * (15 + i * 14) + (ex - side * (15 + i * 14)) * t;
            const double py = -60 + (ey + 60) * t + 10 * std::sin(t * kPi);
            shape(cr, [=](cairo_t* c) { ellipse(c, px, py + 4, 4, 3); }, light, lw * 0.5, false, 0.2);
        }
    }
    auto head = [](cairo_t* c) {
        cairo_move_to(c, -70, -60);
        cairo_curve_to(c, -90, -150, -50, -210, 0, -210);
        cairo_curve_to(c, 50, -210, 90, -150, 70, -60);
        cairo_curve_to(c, 40, -40, -40, -40, -70, -60);
        cairo_close_path(c);
    };
    shape(cr, head, skin, lw, true, 0.35);
    cairo_save(cr);
    head(cr);
    cairo_clip(cr);
    set_rgb(cr, light, 0.8);
    for (auto& p : {std::array<double, 3>{-30, -170, 10}, std::array<double, 3>{25, -180, 7},
                    std::array<double, 3>{40, -150, 5}, std::array<double, 3>{-45, -135, 6}}) {
        cairo_arc(cr, p[0], p[1], p[2], 0, 2 * kPi);
        cairo_fill(cr);
    }
    cairo_restore(cr);
    set_rgb(cr, pal::white);
    ellipse(cr, -25, -100, 17, 19);
    ellipse(cr, 25, -100, 17, 19);
    cairo_fill(cr);
    eye(cr, -23, -98, 12, 0.3);
    eye(cr, 27, -98, 12, 0.3);
    blush(cr, -45, -72, 10);
    blush(cr, 45, -72, 10);
    smile(cr, 0, -72, 26, lw, true);
    // A little sailor hat.
    shape(cr, [](cairo_t* c) {
        cairo_move_to(c, -38, -200);
        cairo_curve_to(c, -35, -235, 35, -235, 38, -200);
        cairo_close_path(c);
    }, pal::white, lw, false, 0.2);
    shape(cr, [](cairo_t* c) { rounded_rect(c, -44, -206, 88, 12, 5); }, 0x4D8FE8, lw, false, 0.2);
}

void turtle(cairo_t* cr, double x, double y, double s)
{
    Local L(cr, x, y, s);
    const double lw = L.lw;
    const uint32_t skin = 0x8ACB6A, shell_c = 0x5E9A3A;
    // Flippers.
    for (auto& f : {std::array<double, 4>{80, -55, -0.6, 1.0}, std::array<double, 4>{70, 50, 0.5, 0.9},
                    std::array<double, 4>{-90, -40, -2.4, 0.7}, std::array<double, 4>{-85, 45, 2.5, 0.7}})
        shape(cr, [=](cairo_t* c) {
            cairo_save(c);
            cairo_translate(c, f[0], f[1]);
            cairo_rotate(c, f[2]);
            ellipse(c, 40 * f[3], 0, 48 * f[3], 18 * f[3]);
            cairo_restore(c);
        }, skin, lw, true, 0.3);
    // Head.
    shape(cr, [](cairo_t* c) { ellipse(c, 150, -5, 45, 36); }, skin, lw, true, 0.3);
    eye(cr, 165, -15, 8, 0.3);
    smile(cr, 170, 8, 22, lw);
    blush(cr, 150, 10, 8);
    auto shell_path = [](cairo_t* c) { ellipse(c, 0, 0, 125, 85); };
    shape(cr, shell_path, shell_c, lw, true, 0.35);
    // Shell plates.
    cairo_save(cr);
    shell_path(cr);
    cairo_clip(cr);
    auto hex = [&](double cx, double cy, double r, uint32_t col) {
        cairo_new_path(cr);
        for (int k = 0; k < 6; ++k) {
            const double a = k * kPi / 3;
            cairo_line_to(cr, cx + r * std::cos(a), cy + r * 0.8 * std::sin(a));
        }
        cairo_close_path(cr);
        set_rgb(cr, col);
        cairo_fill_preserve(cr);
        set_rgb(cr, 0x3E6A2A);
        cairo_set_line_width(cr, lw);
        cairo_stroke(cr);
    };
    hex(0, 0, 40, 0x9AD46E);
    for (int k = 0; k < 6; ++k) {
        const double a = k * kPi / 3 + kPi / 6;
        hex(75 * std::cos(a), 55 * std::sin(a), 34, 0x84C95A);
    }
    set_rgb(cr, pal::white, 0.3);
    ellipse(cr, -30, -45, 50, 18);
    cairo_fill(cr);
    cairo_restore(cr);
    cairo_save(cr);
    shell_path(cr);
    set_rgb(cr, pal::outline);
    cairo_set_line_width(cr, lw);
    cairo_stroke(cr);
    cairo_restore(cr);
}

void crab(cairo_t* cr, double x, double y, double s)
{
    Local L(cr, x, y, s);
    const double lw = L.lw;
    const uint32_t red = 0xF0503A;
    ground_shadow(cr, 0, 120);
    // Legs.
    for (int sd : {-1, 1})
        for (int k = 0; k < 3; ++k) {
            cairo_move_to(cr, sd * 60, -40 + k * 12);
            cairo_line_to(cr, sd * (110 + k * 8), -50 + k * 18);
            cairo_line_to(cr, sd * (125 + k * 10), -5);
            thick_line(cr, 8, red, lw);
        }
    // Claws up, waving.
    for (int sd : {-1, 1}) {
        cairo_move_to(cr, sd * 55, -70);
        cairo_curve_to(cr, sd * 90, -100, sd * 100, -130, sd * 100, -150);
        thick_line(cr, 12, red, lw);
        shape(cr, [=](cairo_t* c) {
            cairo_move_to(c, sd * 100, -140);
            cairo_curve_to(c, sd * 60, -150, sd * 60, -210, sd * 95, -220);
            cairo_line_to(c, sd * 108, -185);
            cairo_line_to(c, sd * 128, -215);
            cairo_curve_to(c, sd * 150, -190, sd * 135, -145, sd * 100, -140);
            cairo_close_path(c);
        }, red, lw, true, 0.3);
    }
    auto body = [](cairo_t* c) {
        cairo_move_to(c, -90, -50);
        cairo_curve_to(c, -90, -110, 90, -110, 90, -50);
        cairo_curve_to(c, 80, -10, -80, -10, -90, -50);
        cairo_close_path(c);
    };
    shape(cr, body, red, lw, true, 0.35);
    cairo_save(cr);
    body(cr);
    cairo_clip(cr);
    set_rgb(cr, lighten(red, 0.4));
    for (auto& p : {std::array<double, 3>{-45, -75, 7}, std::array<double, 3>{50, -70, 6},
                    std::array<double, 3>{-60, -45, 5}, std::array<double, 3>{60, -40, 5}}) {
        cairo_arc(cr, p[0], p[1], p[2], 0, 2 * kPi);
        cairo_fill(cr);
    }
    cairo_restore(cr);
    // Eyes on stalks.
    for (int sd : {-1, 1}) {
        cairo_move_to(cr, sd * 20, -95);
        cairo_line_to(cr, sd * 24, -125);
        thick_line(cr, 6, red, lw);
        shape(cr, [=](cairo_t* c) { ellipse(c, sd * 24, -135, 15, 16); }, pal::white, lw, false, 0.1);
        eye(cr, sd * 24 + 2, -133, 9, 0.2);
    }
    smile(cr, 0, -60, 36, lw, true);
    blush(cr, -50, -58, 9);
    blush(cr, 50, -58, 9);
}

void jellyfish(cairo_t* cr, double x, double y, double r, uint32_t colour)
{
    const double lw = std::clamp(r / 22, 1.4, 2.6);
    // Glow.
    cairo_save(cr);
    cairo_pattern_t* g = cairo_pattern_create_radial(x, y, r * 0.5, x, y, r * 2.2);
    cairo_pattern_add_color_stop_rgba(g, 0, ((colour >> 16) & 255) / 255.0, ((colour >> 8) & 255) / 255.0,
                                      (colour & 255) / 255.0, 0.45);
    cairo_pattern_add_color_stop_rgba(g, 1, ((colour >> 16) & 255) / 255.0, ((colour >> 8) & 255) / 255.0,
                                      (colour & 255) / 255.0, 0);
    cairo_set_source(cr, g);
    cairo_arc(cr, x, y, r * 2.2, 0, 2 * kPi);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    cairo_restore(cr);
    // Tentacles.
    for (int k = 0; k < 5; ++k) {
        const double tx = x - r * 0.6 + k * r * 0.3;
        cairo_move_to(cr, tx, y);
        for (int s = 1; s <= 6; ++s)
            cairo_line_to(cr, tx + std::sin(s * 1.3 + k) * r * 0.12, y + s * r * 0.28);
        thick_line(cr, std::max(3.0, r * 0.1), lighten(colour, 0.3), lw * 0.8);
    }
    shape(cr, [=](cairo_t* c) {
        cairo_move_to(c, x - r, y);
        cairo_curve_to(c, x - r, y - r * 1.3, x + r, y - r * 1.3, x + r, y);
        for (int k = 4; k >= 0; --k) {
            const double x0 = x - r + (k + 1) * r * 0.4, x1 = x - r + k * r * 0.4;
            cairo_curve_to(c, x0 - r * 0.1, y + r * 0.18, x1 + r * 0.1, y + r * 0.18, x1, y);
        }
        cairo_close_path(c);
    }, colour, lw, false, 0.4);
    set_rgb(cr, pal::white, 0.5);
    ellipse(cr, x - r * 0.45, y - r * 0.6, r * 0.22, r * 0.12);
    cairo_fill(cr);
    eye(cr, x - r * 0.3, y - r * 0.3, r * 0.14);
    eye(cr, x + r * 0.3, y - r * 0.3, r * 0.14);
    smile(cr, x, y - r * 0.12, r * 0.3, lw);
    blush(cr, x - r * 0.55, y - r * 0.15, r * 0.12);
    blush(cr, x + r * 0.55, y - r * 0.15, r * 0.12);
}

void dolphin(cairo_t* cr, double x, double y, double s)
{
    Local L(cr, x, y, s);
    const double lw = L.lw;
    const uint32_t grey = 0x6FA8D8;
    auto body = [](cairo_t* c) {
        cairo_move_to(c, -170, 60);
        cairo_curve_to(c, -120, -60, 0, -120, 110, -90);
        cairo_curve_to(c, 140, -85, 165, -80, 190, -70);
        cairo_curve_to(c, 195, -62, 185, -55, 165, -55);
        cairo_curve_to(c, 140, -50, 120, -40, 100, -30);
        cairo_curve_to(c, 20, 0, -60, 20, -140, 90);
        cairo_close_path(c);
    };
    // Tail flukes and fins.
    shape(cr, [](cairo_t* c) {
        cairo_move_to(c, -150, 75);
        cairo_curve_to(c, -200, 70, -220, 100, -225, 120);
        cairo_curve_to(c, -195, 110, -180, 110, -165, 115);
        cairo_curve_to(c, -160, 130, -150, 145, -140, 150);
        cairo_curve_to(c, -135, 120, -135, 100, -140, 88);
        cairo_close_path(c);
    }, grey, lw, true, 0.3);
    shape(cr, [](cairo_t* c) {
        cairo_move_to(c, -10, -95);
        cairo_curve_to(c, -20, -140, -5, -160, 15, -165);
        cairo_curve_to(c, 20, -140, 35, -110, 50, -100);
        cairo_close_path(c);
    }, grey, lw, false, 0.3);
    shape(cr, body, grey, lw, true, 0.35);
    cairo_save(cr);
    body(cr);
    cairo_clip(cr);
    set_rgb(cr, 0xE8F4FF);
    cairo_move_to(cr, 200, -68);
    cairo_curve_to(cr, 120, -66, 20, -46, -150, 62);
    cairo_line_to(cr, -150, 200);
    cairo_line_to(cr, 200, 200);
    cairo_close_path(cr);
    cairo_fill(cr);
    cairo_restore(cr);
    shape(cr, [](cairo_t* c) {
        cairo_move_to(c, 40, -40);
        cairo_curve_to(c, 30, -10, 10, 10, -10, 15);
        cairo_curve_to(c, 0, -10, 15, -30, 40, -40);
        cairo_close_path(c);
    }, 0x5A90C0, lw, false, 0.3);
    eye(cr, 115, -75, 8, 0.4);
    blush(cr, 125, -58, 7);
    cairo_save(cr);
    set_rgb(cr, pal::outline);
    cairo_set_line_width(cr, lw);
    cairo_move_to(cr, 185, -62);
    cairo_curve_to(cr, 170, -55, 155, -56, 145, -62);
    cairo_stroke(cr);
    cairo_restore(cr);
}

void seahorse(cairo_t* cr, double x, double y, double s, uint32_t colour)
{
    Local L(cr, x, y, s);
    const double lw = L.lw;
    auto body = [](cairo_t* c) {
        cairo_move_to(c, 10, -160);
        cairo_curve_to(c, 40, -170, 60, -150, 55, -125);
        cairo_curve_to(c, 50, -100, 35, -90, 40, -60);
        cairo_curve_to(c, 50, -20, 40, 20, 10, 40);
        cairo_curve_to(c, -20, 60, -40, 40, -30, 20);
        cairo_curve_to(c, -20, 5, 0, 20, 5, 30);
        cairo_curve_to(c, 20, 10, 10, -20, 0, -45);
        cairo_curve_to(c, -15, -80, -25, -110, -15, -140);
        cairo_curve_to(c, -10, -152, 0, -158, 10, -160);
        cairo_close_path(c);
    };
    // Back fin.
    shape(cr, [](cairo_t* c) {
        cairo_move_to(c, 38, -90);
        cairo_curve_to(c, 70, -90, 80, -60, 60, -45);
        cairo_curve_to(c, 55, -60, 48, -70, 40, -75);
        cairo_close_path(c);
    }, lighten(colour, 0.3), lw, false, 0.3);
    shape(cr, body, colour, lw, true, 0.35);
    cairo_save(cr);
    body(cr);
    cairo_clip(cr);
    set_rgb(cr, darken(colour, 0.25), 0.7);
    cairo_set_line_width(cr, lw);
    for (int k = 0; k < 9; ++k) {
        cairo_move_to(cr, -30, -100 + k * 14);
        cairo_line_to(cr, 60, -110 + k * 14);
    }
    cairo_stroke(cr);
    cairo_restore(cr);
    // Snout, crest, eye.
    shape(cr, [](cairo_t* c) {
        cairo_move_to(c, -10, -145);
        cairo_line_to(c, -55, -140);
        cairo_curve_to(c, -62, -138, -62, -126, -55, -125);
        cairo_line_to(c, -12, -125);
        cairo_close_path(c);
    }, colour, lw, false, 0.3);
    shape(cr, [](cairo_t* c) {
        for (int k = 0; k < 3; ++k) {
            cairo_new_sub_path(c);
            cairo_arc(c, 14 + k * 12, -166 + k * 6, 7, 0, 2 * kPi);
        }
    }, lighten(colour, 0.3), lw * 0.8, false);
    eye(cr, 12, -138, 8);
    blush(cr, 2, -118, 6);
    // Belly segments.
    cairo_save(cr);
    set_rgb(cr, lighten(colour, 0.45));
    for (int k = 0; k < 6; ++k) {
        ellipse(cr, 4 - k * 1.5 + (k > 3 ? 8 : 0), -100 + k * 20, 8, 5);
        cairo_fill(cr);
    }
    cairo_restore(cr);
}

void submarine(cairo_t* cr, double x, double y, double s)
{
    Local L(cr, x, y, s);
    const double lw = L.lw;
    const uint32_t yellow = 0xFFC629;
    // Propeller at the back.
    shape(cr, [](cairo_t* c) {
        ellipse(c, -232, -30, 10, 30);
        ellipse(c, -232, 30, 10, 30);
    }, 0x9AA0A8, lw, false, 0.3);
    shape(cr, [](cairo_t* c) { rounded_rect(c, -238, -10, 30, 20, 6); }, 0x6A6E76, lw, false);
    // Periscope and tower.
    shape(cr, [](cairo_t* c) {
        rounded_rect(c, 20, -180, 14, 80, 5);
        rounded_rect(c, 20, -182, 50, 16, 6);
    }, 0x9AA0A8, lw, false, 0.3);
    shape(cr, [](cairo_t* c) { rounded_rect(c, -60, -140, 120, 70, 20); }, yellow, lw, true, 0.3);
    auto body = [](cairo_t* c) { rounded_rect(c, -220, -90, 420, 170, 85); };
    shape(cr, body, yellow, lw, true, 0.35);
    cairo_save(cr);
    body(cr);
    cairo_clip(cr);
    set_rgb(cr, 0xE8A820, 0.9);
    cairo_rectangle(cr, -230, 40, 450, 50);
    cairo_fill(cr);
    set_rgb(cr, 0xB88418, 0.8);
    for (double rx = -190; rx < 200; rx += 26) {
        cairo_arc(cr, rx, -70, 2.5, 0, 2 * kPi);
        cairo_fill(cr);
        cairo_arc(cr, rx, 60, 2.5, 0, 2 * kPi);
        cairo_fill(cr);
    }
    cairo_restore(cr);
    // Portholes: Bafo in the big one, fish friends looking in.
    for (int k = 0; k < 3; ++k) {
        const double px = -130 + k * 110, r = k == 1 ? 48 : 30;
        shape(cr, [=](cairo_t* c) { ellipse(c, px, -5, r + 8, r + 8); }, 0xC8CCD2, lw, false, 0.4);
        shape(cr, [=](cairo_t* c) { ellipse(c, px, -5, r, r); }, 0x8FD3F4, lw, false, 0.5);
        if (k == 1) {
            cairo_save(cr);
            ellipse(cr, px, -5, r, r);
            cairo_clip(cr);
            Bafo b;
            b.x = px;
            b.y = -5 + 200 * 0.42;
            b.scale = 0.42;
            b.mouth = Mouth::Open;
            b.motion_lines = false;
            b.ground_shadow = false;
            b.eyes = Eyes::Happy;
            draw_bafo(cr, b);
            cairo_restore(cr);
        }
        cairo_save(cr);
        set_rgb(cr, pal::white, 0.5);
        cairo_new_sub_path(cr);
        cairo_arc(cr, px, -5, r * 0.75, kPi * 1.1, kPi * 1.45);
        cairo_set_line_width(cr, r * 0.12);
        cairo_stroke(cr);
        cairo_restore(cr);
        for (int b = 0; b < 6; ++b) {
            const double a = b * kPi / 3;
            set_rgb(cr, 0x6A6E76);
            cairo_arc(cr, px + (r + 4) * std::cos(a), -5 + (r + 4) * std::sin(a), 2.2, 0, 2 * kPi);
            cairo_fill(cr);
        }
    }
    // A lamp at the nose with its beam.
    cairo_save(cr);
    cairo_move_to(cr, 200, -10);
    cairo_line_to(cr, 420, -90);
    cairo_line_to(cr, 420, 80);
    cairo_close_path(cr);
    cairo_pattern_t* beam = cairo_pattern_create_linear(200, 0, 420, 0);
    cairo_pattern_add_color_stop_rgba(beam, 0, 1, 0.97, 0.7, 0.5);
    cairo_pattern_add_color_stop_rgba(beam, 1, 1, 0.97, 0.7, 0);
    cairo_set_source(cr, beam);
    cairo_fill(cr);
    cairo_pattern_destroy(beam);
    cairo_restore(cr);
    shape(cr, [](cairo_t* c) { ellipse(c, 198, -10, 10, 14); }, 0xFFF3B0, lw, false, 0.5);
}

void treasure_chest(cairo_t* cr, double x, double ground, double s)
{
    Local L(cr, x, ground, s);
    const double lw = L.lw;
    const uint32_t wood = 0xA86A3C, gold = 0xFFC629;
    // Open lid behind.
    shape(cr, [](cairo_t* c) {
        cairo_move_to(c, -110, -120);
        cairo_line_to(c, -95, -200);
        cairo_curve_to(c, -40, -230, 40, -230, 95, -200);
        cairo_line_to(c, 110, -120);
        cairo_close_path(c);
    }, wood, lw, true, 0.2);
    shape(cr, [](cairo_t* c) {
        cairo_move_to(c, -92, -195);
        cairo_curve_to(c, -40, -222, 40, -222, 92, -195);
        cairo_line_to(c, 100, -160);
        cairo_curve_to(c, 40, -180, -40, -180, -100, -160);
        cairo_close_path(c);
    }, 0x6A3A20, lw, false, 0.2);
    // Treasure heaped inside.
    const uint32_t gems[] = {pal::red, 0x2EC4B6, 0x9B6BD3, 0x4D8FE8, 0x7CCB5B};
    shape(cr, [](cairo_t* c) {
        cairo_move_to(c, -105, -110);
        cairo_curve_to(c, -90, -160, -40, -175, 0, -170);
        cairo_curve_to(c, 50, -175, 95, -155, 105, -110);
        cairo_close_path(c);
    }, gold, lw, false, 0.4);
    for (int k = 0; k < 14; ++k) {
        const double cx = -85 + (k * 37 % 170), cy = -130 - (k * 13 % 35);
        shape(cr, [=](cairo_t* c) { ellipse(c, cx, cy, 11, 8); }, 0xFFD84A, lw * 0.6, false, 0.5);
    }
    for (int k = 0; k < 5; ++k)
        shape(cr, [=](cairo_t* c) {
            const double gx = -70 + k * 35, gy = -150 + (k % 2) * 15;
            cairo_move_to(c, gx, gy - 12);
            cairo_line_to(c, gx + 10, gy);
            cairo_line_to(c, gx, gy + 12);
            cairo_line_to(c, gx - 10, gy);
            cairo_close_path(c);
        }, gems[k], lw * 0.7, false, 0.5);
    // A string of pearls over the edge.
    for (int k = 0; k < 12; ++k) {
        const double t = k / 11.0;
        shape(cr, [=](cairo_t* c) { ellipse(c, 60 + t * 70, -120 + 60 * t * t, 6, 6); }, 0xFFF8F0, lw * 0.5, false,
              0.6);
    }
    // Box.
    auto box = [](cairo_t* c) { rounded_rect(c, -115, -125, 230, 125, 10); };
    shape(cr, box, wood, lw, true, 0.2);
    cairo_save(cr);
    box(cr);
    cairo_clip(cr);
    set_rgb(cr, 0x7A4A28, 0.8);
    cairo_set_line_width(cr, lw * 0.8);
    for (double yy = -100; yy < 0; yy += 24) {
        cairo_move_to(cr, -115, yy);
        cairo_line_to(cr, 115, yy);
    }
    cairo_stroke(cr);
    cairo_restore(cr);
    for (double bx : {-95.0, 75.0})
        shape(cr, [=](cairo_t* c) { cairo_rectangle(c, bx, -125, 20, 125); }, gold, lw, false, 0.4);
    shape(cr, [](cairo_t* c) { rounded_rect(c, -20, -110, 40, 46, 8); }, gold, lw, false, 0.4);
    shape(cr, [](cairo_t* c) {
        ellipse(c, 0, -92, 6, 6);
        cairo_move_to(c, -3, -90);
        cairo_line_to(c, 3, -90);
        cairo_line_to(c, 5, -76);
        cairo_line_to(c, -5, -76);
        cairo_close_path(c);
    }, 0x3B3330, 0, false, 0);
}

void anchor(cairo_t* cr, double x, double y, double s, double turn)
{
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, turn);
    cairo_scale(cr, s, s);
    const double lw = kLine / s;
    cairo_move_to(cr, 0, -80);
    cairo_line_to(cr, 0, 70);
    thick_line(cr, 14, 0x7A8A98, lw);
    cairo_move_to(cr, -35, -50);
    cairo_line_to(cr, 35, -50);
    thick_line(cr, 12, 0x7A8A98, lw);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0, 20, 55, 0.2, kPi - 0.2);
    thick_line(cr, 12, 0x7A8A98, lw);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0, -95, 16, 0, 2 * kPi);
    thick_line(cr, 8, 0x7A8A98, lw);
    cairo_restore(cr);
}

// --- the ten pictures --------------------------------------------------------

void whale_blue(Canvas& c)
{
    cairo_t* cr = c.cr();
    Rng rng(401);
    sea_backdrop(cr, rng, 0x4FB8E8, 0x1E5FA8, 400, 0xF2D8A0);
    reef_edges(cr, rng, 420, {0xFF7A5A, 0xFF8FC7, pal::sun}, 200, 420);
    rocks(cr, rng, 320, 440, 120, 0x9A9AB0);
    whale(cr, 330, 250, 1.25);
    for (int k = 0; k < 6; ++k)
        fish(cr, 60 + k * 22, 110 + (k % 2) * 20, 22, pal::sun, pal::orange, false);
    fish(cr, 560, 360, 34, pal::pink, 0x9B6BD3, true);
    fish(cr, 90, 330, 30, 0xB5E04B, 0x2EC4B6, false);
    starfish(cr, 250, 455, 16, pal::orange, 0.3);
    shell(cr, 470, 458, 20, pal::pink, -0.2);
    bubbles(cr, rng, Box{0, 20, double(kW), 360}, 30, 3, 8);
}

void clownfish_reef(Canvas& c)
{
    cairo_t* cr = c.cr();
    Rng rng(402);
    sea_backdrop(cr, rng, 0x5FE0E0, 0x20A0C0, 360, 0xFFE4B0);
    // A coral reef across the whole bottom, in many colours.
    const uint32_t corals[] = {0xFF7A5A, 0xFF8FC7, pal::sun, 0x9B6BD3, 0xFF5E5B, 0xB5E04B};
    for (int k = 0; k < 14; ++k)
        coral(cr, 10 + k * 48 + rng.range(-10, 10), 400 + rng.range(-20, 30), rng.range(70, 130), corals[k % 6],
              rng.next());
    // Brain corals and sponges.
    for (int k = 0; k < 5; ++k) {
        const double bx = 60 + k * 130 + rng.range(-20, 20), by = 440 + rng.range(-10, 20);
        shape(cr, [=](cairo_t* q) { ellipse(q, bx, by, 40, 26); }, k % 2 ? 0xE8A05A : 0xD890E0, 2, true, 0.35);
        cairo_save(cr);
        set_rgb(cr, darken(k % 2 ? 0xE8A05A : 0xD890E0, 0.3), 0.8);
        cairo_set_line_width(cr, 2);
        for (int w = 0; w < 4; ++w) {
            cairo_move_to(cr, bx - 30, by - 12 + w * 8);
            for (double xx = -30; xx <= 30; xx += 6)
                cairo_line_to(cr, bx + xx, by - 12 + w * 8 + 3 * std::sin(xx * 0.5 + w));
        }
        cairo_stroke(cr);
        cairo_restore(cr);
    }
    anemone(cr, rng, 330, 440, 230);
    clownfish(cr, 300, 250, 120, false);
    clownfish(cr, 450, 180, 70, true);
    clownfish(cr, 170, 160, 50, false);
    for (int k = 0; k < 5; ++k)
        fish(cr, 480 + k * 28, 320 + (k % 2) * 18, 20, 0x4D8FE8, pal::sun, true);
    bubbles(cr, rng, Box{0, 10, double(kW), 330}, 30, 3, 8);
}

void octopus_garden(Canvas& c)
{
    cairo_t* cr = c.cr();
    Rng rng(403);
    sea_backdrop(cr, rng, 0x8A7AE0, 0x3A2A8A, 380, 0xE8C8A0);
    reef_edges(cr, rng, 400, {0xFF8FC7, 0x2EC4B6, pal::sun}, 120, 520);
    rocks(cr, rng, 80, 440, 130, 0x8A8AA8);
    rocks(cr, rng, 560, 450, 110, 0x8A8AA8);
    octopus(cr, 320, 440, 1.2);
    shell(cr, 150, 455, 24, pal::pink, 0.2);
    shell(cr, 480, 460, 20, 0xFFE0B0, -0.3);
    starfish(cr, 560, 380, 18, pal::sun, 0.2);
    starfish(cr, 60, 370, 16, pal::red, -0.2);
    fish(cr, 120, 120, 46, pal::sun, pal::orange, false);
    fish(cr, 520, 90, 40, 0x2EC4B6, 0xB5E04B, true);
    fish(cr, 560, 230, 32, pal::pink, 0xFF5E5B, true);
    bubbles(cr, rng, Box{0, 10, double(kW), 340}, 34, 3, 8);
}

void turtle_rays(Canvas& c)
{
    cairo_t* cr = c.cr();
    Rng rng(404);
    sea_backdrop(cr, rng, 0x7FE0C8, 0x1E8A88, 420, 0xF2E0B0);
    reef_edges(cr, rng, 440, {0xFF7A5A, pal::sun, 0xFF8FC7}, -50, -40);
    turtle(cr, 300, 230, 1.3);
    turtle(cr, 540, 110, 0.4);
    for (int k = 0; k < 8; ++k)
        fish(cr, 420 + (k % 4) * 30, 330 + (k / 4) * 28 + (k % 2) * 8, 22, 0xFFE45C, 0x4D8FE8, true);
    fish(cr, 90, 380, 34, pal::red, pal::sun, false);
    bubbles(cr, rng, Box{0, 10, double(kW), 380}, 34, 3, 8);
}

void crab_sand(Canvas& c)
{
    cairo_t* cr = c.cr();
    Rng rng(405);
    sea_backdrop(cr, rng, 0x9AEAF0, 0x38B8D8, 250, 0xFFE4A8);
    reef_edges(cr, rng, 270, {0xFF7A5A, 0xFF8FC7, 0x9B6BD3}, 100, 520);
    // Sand ripples and a little sandcastle.
    cairo_save(cr);
    set_rgb(cr, 0xE0B870, 0.7);
    cairo_set_line_width(cr, 2.5);
    for (double yy = 300; yy < kH; yy += 26) {
        cairo_move_to(cr, 0, yy);
        for (double xx = 0; xx <= kW; xx += 10)
            cairo_line_to(cr, xx, yy + 5 * std::sin(xx * 0.04 + yy));
    }
    cairo_stroke(cr);
    cairo_restore(cr);
    crab(cr, 320, 440, 1.3);
    const uint32_t colours[] = {pal::pink, pal::orange, 0xFFE0B0, 0x9B6BD3, pal::sun, pal::red};
    for (int k = 0; k < 10; ++k) {
        const double sx = rng.range(20, 620), sy = rng.range(290, 470);
        if (sx > 150 && sx < 490 && sy > 240)
            continue;
        if (k % 2)
            shell(cr, sx, sy, rng.range(16, 26), colours[k % 6], rng.range(-0.5, 0.5));
        else
            starfish(cr, sx, sy, rng.range(14, 22), colours[k % 6], rng.range(0, 1));
    }
    fish(cr, 100, 100, 40, pal::sun, 0x4D8FE8, false);
    fish(cr, 520, 140, 36, pal::orange, pal::red, true);
    bubbles(cr, rng, Box{0, 10, double(kW), 230}, 24, 3, 8);
}

void jellyfish_deep(Canvas& c)
{
    cairo_t* cr = c.cr();
    Rng rng(406);
    sea_backdrop(cr, rng, 0x2A4AA8, 0x0E1A50, 430, 0x8A7AA0);
    // Glowing specks in the deep.
    sparkles(cr, rng, Box{0, 0, double(kW), 420}, 40, 2, 5, 0xBFF0FF, 0.8);
    reef_edges(cr, rng, 450, {0x2EC4B6, 0x9B6BD3, 0xFF8FC7}, -50, -40);
    jellyfish(cr, 310, 200, 95, 0xFF8FC7);
    jellyfish(cr, 110, 120, 50, 0xC9A3F0);
    jellyfish(cr, 520, 110, 58, 0x8FE0F0);
    jellyfish(cr, 540, 320, 42, 0xFFD08A);
    jellyfish(cr, 100, 320, 40, 0xB5E04B);
    bubbles(cr, rng, Box{0, 10, double(kW), 420}, 30, 3, 8);
}

void dolphin_jump(Canvas& c)
{
    cairo_t* cr = c.cr();
    Rng rng(407);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, 0, 260);
    cairo_pattern_add_color_stop_rgb(p, 0, 0.45, 0.55, 0.95);
    cairo_pattern_add_color_stop_rgb(p, 0.6, 1.0, 0.7, 0.75);
    cairo_pattern_add_color_stop_rgb(p, 1, 1.0, 0.88, 0.65);
    cairo_set_source(cr, p);
    cairo_paint(cr);
    cairo_pattern_destroy(p);
    sun_rays(cr, 470, 250, 20, 500, 0xFFF3C0, 0.3);
    shape(cr, [](cairo_t* q) { ellipse(q, 470, 250, 70, 70); }, 0xFFC93B, 3, false, 0.5);
    clouds(cr, rng, 40, 170, 6, 70, 120, 0.9, {{390, 170, 160, 100}});
    birds(cr, rng, Box{40, 40, 300, 120}, 6, 0x4A3060);
    water(cr, rng, 0, 250, kW, kH, 0x4FB8E0, 0x1F5FA8);
    // The sun's path on the water.
    for (int k = 0; k < 12; ++k) {
        set_rgb(cr, 0xFFF0B0, 0.8);
        rounded_rect(cr, 470 - 20 - k * 4 + rng.range(-10, 10), 262 + k * 16, 40 + k * 8, 4, 2);
        cairo_fill(cr);
    }
    // Splash rings where he left the water.
    cairo_save(cr);
    set_rgb(cr, pal::white, 0.9);
    cairo_set_line_width(cr, 3);
    for (int k = 0; k < 3; ++k) {
        cairo_new_sub_path(cr);
        ellipse(cr, 170, 400, 40 + k * 25, 8 + k * 5);
    }
    cairo_stroke(cr);
    cairo_restore(cr);
    for (int k = 0; k < 9; ++k)
        bubble(cr, 140 + k * 8, 380 - (k % 3) * 12 - k * 3, 4 + (k % 3) * 2);
    dolphin(cr, 320, 230, 1.05);
    // A second dolphin peeking out.
    shape(cr, [](cairo_t* q) {
        cairo_move_to(q, 470, 420);
        cairo_curve_to(q, 480, 380, 520, 370, 545, 390);
        cairo_line_to(q, 565, 392);
        cairo_line_to(q, 548, 402);
        cairo_curve_to(q, 530, 396, 510, 400, 500, 420);
        cairo_close_path(q);
    }, 0x6FA8D8, 2, true, 0.3);
    eye(cr, 533, 388, 4);
}

void seahorse_forest(Canvas& c)
{
    cairo_t* cr = c.cr();
    Rng rng(408);
    sea_backdrop(cr, rng, 0x8AE0A8, 0x1E7A6A, 420, 0xE8D8A0);
    // A forest of tall kelp.
    for (int k = 0; k < 12; ++k) {
        const double kx = 20 + k * 55 + rng.range(-10, 10);
        if (kx > 230 && kx < 420)
            continue;
        seaweed(cr, kx, 470, rng.range(250, 420), k % 2 ? 0x3FAE49 : 0x6FBF50, rng.range(-1.2, 1.2));
    }
    seaweed(cr, 250, 470, 200, 0x4FA83D, 0.6);
    seaweed(cr, 410, 470, 230, 0x4FA83D, -0.5);
    seahorse(cr, 320, 300, 1.35, 0xFFC629);
    seahorse(cr, 500, 200, 0.6, 0xFF8FC7);
    seahorse(cr, 140, 300, 0.5, 0xFF9F43);
    fish(cr, 470, 360, 30, 0x4D8FE8, pal::sun, true);
    fish(cr, 160, 120, 34, pal::red, pal::orange, false);
    starfish(cr, 330, 450, 18, pal::red, 0.2);
    shell(cr, 210, 458, 20, pal::pink, 0.3);
    bubbles(cr, rng, Box{0, 10, double(kW), 400}, 36, 3, 8);
}

void submarine_deep(Canvas& c)
{
    cairo_t* cr = c.cr();
    Rng rng(409);
    sea_backdrop(cr, rng, 0x3A8AD8, 0x123A80, 420, 0xC8B890);
    reef_edges(cr, rng, 440, {0xFF7A5A, 0xFF8FC7, pal::sun, 0x2EC4B6}, -50, -40);
    submarine(cr, 290, 240, 1.05);
    fish(cr, 520, 220, 40, 0xFF7A2A, 0xFF9F43, true, true);
    fish(cr, 560, 300, 30, 0xB5E04B, 0x2EC4B6, true);
    fish(cr, 80, 380, 36, pal::pink, 0x9B6BD3, false);
    for (int k = 0; k < 6; ++k)
        fish(cr, 380 + k * 26, 400 + (k % 2) * 14, 18, pal::sun, pal::orange, true);
    for (int k = 0; k < 8; ++k)
        bubble(cr, 30 - k * 2, 240 - k * 26, 4 + (k % 3) * 2);
    bubbles(cr, rng, Box{0, 10, double(kW), 400}, 30, 3, 8);
    jellyfish(cr, 90, 90, 30, 0xFF8FC7);
}

void treasure(Canvas& c)
{
    cairo_t* cr = c.cr();
    Rng rng(410);
    sea_backdrop(cr, rng, 0x58C8D0, 0x16708A, 340, 0xF2D890);
    reef_edges(cr, rng, 360, {0xFF7A5A, 0xFF8FC7, 0x9B6BD3}, 130, 500);
    anchor(cr, 560, 390, 0.8, 0.3);
    rocks(cr, rng, 90, 450, 120, 0x9A9AB0);
    treasure_chest(cr, 320, 440, 1.2);
    // Glow of the treasure.
    sparkles(cr, rng, Box{200, 150, 240, 120}, 8, 5, 9, 0xFFF3B0, 0.95);
    // An open oyster with a pearl.
    shape(cr, [](cairo_t* q) {
        cairo_move_to(q, 140, 390);
        cairo_curve_to(q, 150, 350, 210, 350, 220, 390);
        cairo_close_path(q);
    }, 0xC8B8C8, 2, true, 0.3);
    shape(cr, [](cairo_t* q) {
        cairo_move_to(q, 140, 392);
        cairo_curve_to(q, 150, 420, 210, 420, 220, 392);
        cairo_close_path(q);
    }, 0xD8C8D8, 2, false, 0.3);
    shape(cr, [](cairo_t* q) { ellipse(q, 180, 390, 12, 12); }, 0xFFF8F0, 1.6, false, 0.6);
    // A school of fish circling.
    for (int k = 0; k < 14; ++k) {
        const double a = k * 2 * kPi / 14;
        fish(cr, 330 + 230 * std::cos(a), 150 + 70 * std::sin(a), 22, k % 2 ? pal::sun : 0x4D8FE8, pal::orange,
             std::sin(a) > 0);
    }
    bubbles(cr, rng, Box{0, 10, double(kW), 320}, 26, 3, 8);
}

}  // namespace

void paint_sea(Canvas& c, int i)
{
    struct Finish {
        double sand;
        std::vector<Box> keep;  // left as they are by the last touch
    };
    const Finish finish[] = {
        {400, {{90, 110, 470, 200}}},
        {360, {{230, 190, 150, 120}}},
        {380, {{240, 200, 170, 220}}},
        {420, {{160, 140, 300, 180}}},
        {250, {{220, 180, 200, 260}}},
        {430, {{230, 100, 160, 220}}},
        {-1, {{120, 80, 380, 260}}},
        {420, {{270, 70, 110, 300}}},
        {420, {{60, 150, 460, 180}}},
        {340, {{190, 160, 270, 280}}},
    };
    switch (i) {
    case 1: whale_blue(c); break;
    case 2: clownfish_reef(c); break;
    case 3: octopus_garden(c); break;
    case 4: turtle_rays(c); break;
    case 5: crab_sand(c); break;
    case 6: jellyfish_deep(c); break;
    case 7: dolphin_jump(c); break;
    case 8: seahorse_forest(c); break;
    case 9: submarine_deep(c); break;
    default: treasure(c); break;
    }
    Rng rng(0xFD00 + uint64_t(i));
    // The dolphin leaps out under an open sky; the others live below the surface.
    auto surface = [](cairo_t* cr, Rng& r, double x, double y, double room) {
        if (y < 250)
            sky_bits(cr, r, x, y, room);
        else
            sea_bits(kH)(cr, r, x, y, room);
    };
    fill_plain_spots(c, rng, i == 7 ? Filler(surface) : sea_bits(finish[i - 1].sand), finish[i - 1].keep);
}

}  // namespace datagen::pics
