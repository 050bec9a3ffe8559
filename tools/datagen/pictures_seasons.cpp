// Set 3: seasons and landscapes, each with its own weather and colours.
#include "pictures_kit.h"

#include <array>
#include <cmath>

namespace datagen::pics {

namespace {

void bee(cairo_t* cr, double x, double y, double s, double turn)
{
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, turn);
    for (int k : {-1, 1}) {
        cairo_save(cr);
        set_rgb(cr, pal::white, 0.8);
        ellipse(cr, k * s * 0.25, -s * 0.55, s * 0.3, s * 0.45);
        cairo_fill_preserve(cr);
        set_rgb(cr, pal::outline);
        cairo_set_line_width(cr, 1.2);
        cairo_stroke(cr);
        cairo_restore(cr);
    }
    auto body = [=](cairo_t* c) { ellipse(c, 0, 0, s * 0.7, s * 0.48); };
    shape(cr, body, pal::sun, 1.5, false, 0.3);
    cairo_save(cr);
    body(cr);
    cairo_clip(cr);
    set_rgb(cr, pal::outline);
    for (double bx : {-0.3, 0.05})
        cairo_rectangle(cr, bx * s, -s, s * 0.16, 2 * s);
    cairo_fill(cr);
    cairo_restore(cr);
    eye(cr, s * 0.4, -s * 0.1, s * 0.12);
    cairo_restore(cr);
}

// A leaf shape pointing along `turn`.
void leaf(cairo_t* cr, double x, double y, double s, double turn, uint32_t colour, double line = 1.2)
{
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, turn);
    shape(cr, [=](cairo_t* c) {
        cairo_move_to(c, -s, 0);
        cairo_curve_to(c, -s * 0.4, -s * 0.6, s * 0.4, -s * 0.55, s, 0);
        cairo_curve_to(c, s * 0.4, s * 0.55, -s * 0.4, s * 0.6, -s, 0);
        cairo_close_path(c);
    }, colour, line, false, 0.3);
    set_rgb(cr, darken(colour, 0.3), 0.8);
    cairo_set_line_width(cr, std::max(0.8, s * 0.08));
    cairo_move_to(cr, -s * 0.9, 0);
    cairo_line_to(cr, s * 0.8, 0);
    cairo_stroke(cr);
    cairo_restore(cr);
}

void tulip(cairo_t* cr, double x, double ground, double h, uint32_t colour)
{
    cairo_move_to(cr, x, ground);
    cairo_curve_to(cr, x + 2, ground - h * 0.4, x - 2, ground - h * 0.7, x, ground - h);
    thick_line(cr, std::max(2.0, h * 0.06), pal::green_dark, 1);
    leaf(cr, x - h * 0.15, ground - h * 0.3, h * 0.2, -1.0, pal::grass, 1);
    const double r = h * 0.18;
    shape(cr, [=](cairo_t* c) {
        const double top = ground - h - r * 1.3;
        cairo_move_to(c, x - r, ground - h - r * 0.2);
        cairo_line_to(c, x - r, top);
        cairo_line_to(c, x - r * 0.4, top + r * 0.5);
        cairo_line_to(c, x, top - r * 0.1);
        cairo_line_to(c, x + r * 0.4, top + r * 0.5);
        cairo_line_to(c, x + r, top);
        cairo_line_to(c, x + r, ground - h - r * 0.2);
        cairo_curve_to(c, x + r, ground - h + r * 0.7, x - r, ground - h + r * 0.7, x - r, ground - h - r * 0.2);
        cairo_close_path(c);
    }, colour, std::clamp(h / 40, 1.0, 1.8), false, 0.35);
}

// A round tree crown of many blobs, with a textured trunk.
void round_tree(cairo_t* cr, Rng& rng, double x, double ground, double size, uint32_t leaves, uint32_t spots)
{
    const double s = size;
    const double lw = std::clamp(size / 60, 1.5, 2.8);
    shape(cr, [=](cairo_t* c) {
        cairo_move_to(c, x - s * 0.1, ground);
        cairo_curve_to(c, x - s * 0.06, ground - s * 0.3, x - s * 0.08, ground - s * 0.5, x - s * 0.2, ground - s * 0.7);
        cairo_line_to(c, x - s * 0.12, ground - s * 0.72);
        cairo_line_to(c, x, ground - s * 0.58);
        cairo_line_to(c, x + s * 0.14, ground - s * 0.75);
        cairo_line_to(c, x + s * 0.2, ground - s * 0.7);
        cairo_curve_to(c, x + s * 0.08, ground - s * 0.5, x + s * 0.06, ground - s * 0.3, x + s * 0.1, ground);
        cairo_close_path(c);
    }, 0x8A5530, lw, true, 0.2);
    auto crown = [=](cairo_t* c) {
        const double b[][3] = {{0, -0.85, 0.32},    {-0.3, -0.72, 0.24}, {0.3, -0.72, 0.25}, {-0.18, -1.05, 0.22},
                               {0.2, -1.04, 0.22}, {-0.38, -0.92, 0.18}, {0.4, -0.92, 0.18}, {0, -0.62, 0.2}};
        for (auto& p : b) {
            cairo_new_sub_path(c);
            cairo_arc(c, x + p[0] * s, ground + p[1] * s, p[2] * s, 0, 2 * kPi);
        }
    };
    shape(cr, crown, leaves, lw, true, 0.3);
    speckles(cr, rng, crown, Box{x - s * 0.6, ground - s * 1.3, s * 1.2, s * 0.9}, int(s * 0.5), spots,
             s * 0.015, s * 0.04, 0.85);
    speckles(cr, rng, crown, Box{x - s * 0.6, ground - s * 1.3, s * 1.2, s * 0.9}, int(s * 0.3), lighten(leaves, 0.4),
             s * 0.01, s * 0.03, 0.7);
}

void rain_cloud(cairo_t* cr, double cx, double cy, double w, uint32_t colour)
{
    shape(cr, [=](cairo_t* c) {
        const double puffs[][3] = {{-0.3, 0.02, 0.2}, {-0.07, -0.12, 0.27}, {0.22, -0.05, 0.22}, {0.38, 0.05, 0.15}};
        for (auto& p : puffs) {
            cairo_new_sub_path(c);
            cairo_arc(c, cx + p[0] * w, cy + p[1] * w, p[2] * w, 0, 2 * kPi);
        }
        rounded_rect(c, cx - 0.46 * w, cy - 0.02 * w, 0.98 * w, 0.2 * w, 0.1 * w);
    }, colour, 2.2, false, 0.3);
}

void snowman(cairo_t* cr, double x, double ground, double s)
{
    Local L(cr, x, ground, s);
    const double lw = L.lw;
    ground_shadow(cr, 0, 100);
    // Stick arms behind the body.
    for (int sd : {-1, 1}) {
        cairo_move_to(cr, sd * 40, -170);
        cairo_line_to(cr, sd * 115, -225);
        cairo_move_to(cr, sd * 92, -208);
        cairo_line_to(cr, sd * 100, -240);
        thick_line(cr, 5, 0x8A5530, lw);
    }
    const double balls[][2] = {{-60, 68}, {-165, 52}, {-245, 40}};
    for (auto& b : balls)
        shape(cr, [=](cairo_t* c) { ellipse(c, 0, b[0], b[1], b[1] * 0.95); }, pal::white, lw, true, 0);
    for (auto& b : balls) {
        cairo_save(cr);
        ellipse(cr, 0, b[0], b[1], b[1] * 0.95);
        cairo_clip(cr);
        cairo_pattern_t* p = cairo_pattern_create_radial(-b[1] * 0.3, b[0] - b[1] * 0.4, b[1] * 0.1, 0, b[0], b[1] * 1.1);
        cairo_pattern_add_color_stop_rgba(p, 0, 1, 1, 1, 0);
        cairo_pattern_add_color_stop_rgba(p, 0.6, 0.85, 0.92, 1, 0.2);
        cairo_pattern_add_color_stop_rgba(p, 1, 0.6, 0.75, 0.95, 0.6);
        cairo_set_source(cr, p);
        cairo_paint(cr);
        cairo_pattern_destroy(p);
        cairo_restore(cr);
    }
    // Buttons, face, carrot, scarf, hat.
    for (int k = 0; k < 3; ++k)
        shape(cr, [=](cairo_t* c) { ellipse(c, 0, -185 + k * 22, 6, 6); }, 0x3B3330, lw * 0.6, false, 0.3);
    eye(cr, -15, -258, 7);
    eye(cr, 15, -258, 7);
    blush(cr, -25, -238, 7);
    blush(cr, 25, -238, 7);
    shape(cr, [](cairo_t* c) {
        cairo_move_to(c, -2, -248);
        cairo_line_to(c, 45, -238);
        cairo_line_to(c, 0, -234);
        cairo_close_path(c);
    }, pal::orange, lw, false, 0.3);
    set_rgb(cr, pal::outline);
    for (int k = 0; k < 5; ++k) {
        const double a = kPi * (0.25 + k * 0.125);
        cairo_arc(cr, 0 + 20 * std::cos(a), -240 + 14 * std::sin(a), 2.5, 0, 2 * kPi);
        cairo_fill(cr);
    }
    auto scarf = [](cairo_t* c) {
        cairo_move_to(c, -42, -215);
        cairo_curve_to(c, -20, -200, 20, -200, 42, -215);
        cairo_line_to(c, 44, -200);
        cairo_curve_to(c, 20, -186, -20, -186, -44, -200);
        cairo_close_path(c);
        cairo_move_to(c, 20, -200);
        cairo_line_to(c, 40, -200);
        cairo_line_to(c, 50, -145);
        cairo_line_to(c, 30, -145);
        cairo_close_path(c);
    };
    shape(cr, scarf, pal::red, lw, true, 0.25);
    cairo_save(cr);
    scarf(cr);
    cairo_clip(cr);
    set_rgb(cr, pal::white);
    for (double sx = -50; sx < 60; sx += 18) {
        cairo_rectangle(cr, sx, -220, 8, 30);
        cairo_fill(cr);
    }
    for (double sy = -190; sy < -140; sy += 14) {
        cairo_rectangle(cr, 20, sy, 40, 6);
        cairo_fill(cr);
    }
    cairo_restore(cr);
    shape(cr, [](cairo_t* c) {
        ellipse(c, 0, -280, 48, 9);
        cairo_new_sub_path(c);
        rounded_rect(c, -30, -340, 60, 60, 6);
    }, 0x3D4A8A, lw, true, 0.3);
    shape(cr, [](cairo_t* c) { cairo_rectangle(c, -30, -298, 60, 12); }, pal::sun, lw * 0.7, false, 0.2);
}

void robin(cairo_t* cr, double x, double y, double s, bool mirror)
{
    Local L(cr, x, y, s, mirror);
    const double lw = L.lw;
    shape(cr, [](cairo_t* c) {
        cairo_move_to(c, -20, -10);
        cairo_line_to(c, -38, -4);
        cairo_line_to(c, -34, -16);
        cairo_close_path(c);
    }, 0x8A5530, lw, false, 0.2);
    shape(cr, [](cairo_t* c) { ellipse(c, 0, -16, 24, 18); }, 0x9A6038, lw, true, 0.3);
    shape(cr, [](cairo_t* c) { ellipse(c, 8, -12, 13, 12); }, 0xFF6A3A, 0, false, 0.3);
    shape(cr, [](cairo_t* c) { ellipse(c, 14, -34, 13, 12); }, 0x9A6038, lw, false, 0.3);
    shape(cr, [](cairo_t* c) {
        cairo_move_to(c, 26, -36);
        cairo_line_to(c, 36, -32);
        cairo_line_to(c, 26, -29);
        cairo_close_path(c);
    }, pal::sun, lw * 0.8, false);
    eye(cr, 18, -37, 3.5);
}

void hedgehog(cairo_t* cr, double x, double ground, double s)
{
    Local L(cr, x, ground, s);
    const double lw = L.lw;
    ground_shadow(cr, 0, 70);
    shape(cr, [](cairo_t* c) {
        cairo_move_to(c, -70, -5);
        for (int k = 0; k <= 14; ++k) {
            const double a = kPi + k * kPi / 14;
            const double r = (k % 2) ? 58 : 74;
            cairo_line_to(c, -5 + r * std::cos(a), -30 + r * 0.85 * std::sin(a));
        }
        cairo_line_to(c, 40, -5);
        cairo_close_path(c);
    }, 0x7A5034, lw, true, 0.3);
    cairo_save(cr);
    set_rgb(cr, 0x4A2E1E, 0.8);
    cairo_set_line_width(cr, lw * 0.8);
    for (int k = 0; k < 12; ++k) {
        const double a = kPi + 0.2 + k * (kPi - 0.4) / 11;
        cairo_move_to(cr, -5 + 30 * std::cos(a), -30 + 25 * std::sin(a));
        cairo_line_to(cr, -5 + 55 * std::cos(a), -30 + 47 * std::sin(a));
    }
    cairo_stroke(cr);
    cairo_restore(cr);
    shape(cr, [](cairo_t* c) {
        cairo_move_to(c, 25, -55);
        cairo_curve_to(c, 50, -55, 80, -30, 92, -18);
        cairo_curve_to(c, 80, -2, 40, 0, 20, -5);
        cairo_close_path(c);
    }, 0xE8C8A0, lw, false, 0.3);
    set_rgb(cr, pal::nose);
    ellipse(cr, 92, -18, 6, 5);
    cairo_fill(cr);
    eye(cr, 55, -32, 5.5);
    blush(cr, 62, -18, 5);
    // An apple on his spines.
    shape(cr, [](cairo_t* c) { ellipse(c, -10, -95, 16, 15); }, pal::red, lw, false, 0.4);
    leaf(cr, -2, -114, 7, -0.6, pal::grass, lw * 0.6);
    for (int sd : {-1, 1})
        shape(cr, [=](cairo_t* c) { ellipse(c, 30 + sd * 14, -3, 8, 5); }, 0xC8A880, lw * 0.8, false);
}

void pumpkin(cairo_t* cr, double x, double ground, double r)
{
    shape(cr, [=](cairo_t* c) {
        for (int k = -1; k <= 1; ++k) {
            cairo_new_sub_path(c);
            ellipse(c, x + k * r * 0.45, ground - r * 0.8, r * 0.6, r * 0.8);
        }
    }, 0xFF8A2A, std::clamp(r / 14, 1.2, 2.2), true, 0.35);
    cairo_save(cr);
    set_rgb(cr, 0xC85A1A, 0.8);
    cairo_set_line_width(cr, std::max(1.0, r / 16));
    for (int k = -1; k <= 1; k += 2) {
        cairo_move_to(cr, x + k * r * 0.22, ground - r * 1.5);
        cairo_curve_to(cr, x + k * r * 0.3, ground - r, x + k * r * 0.3, ground - r * 0.5, x + k * r * 0.22,
                       ground - r * 0.05);
    }
    cairo_stroke(cr);
    cairo_restore(cr);
    shape(cr, [=](cairo_t* c) { rounded_rect(c, x - r * 0.08, ground - r * 1.85, r * 0.16, r * 0.35, r * 0.05); },
          0x6A8A3A, std::clamp(r / 14, 1.2, 2.2), false);
}

void cactus(cairo_t* cr, double x, double ground, double h)
{
    const double w = h * 0.18, lw = std::clamp(h / 60, 1.5, 2.5);
    auto body = [=](cairo_t* c) {
        rounded_rect(c, x - w / 2, ground - h, w, h + 4, w / 2);
        cairo_new_sub_path(c);
        cairo_move_to(c, x - w / 2, ground - h * 0.45);
        cairo_line_to(c, x - w * 1.6, ground - h * 0.45);
        cairo_arc(c, x - w * 1.6, ground - h * 0.45 - w * 0.4, w * 0.4, kPi / 2, kPi);
        cairo_line_to(c, x - w * 2.0, ground - h * 0.75);
        cairo_arc(c, x - w * 1.6, ground - h * 0.75, w * 0.4, kPi, 2 * kPi);
        cairo_line_to(c, x - w * 1.2, ground - h * 0.62);
        cairo_line_to(c, x - w / 2, ground - h * 0.62);
        cairo_close_path(c);
        cairo_new_sub_path(c);
        cairo_move_to(c, x + w / 2, ground - h * 0.55);
        cairo_line_to(c, x + w * 1.5, ground - h * 0.55);
        cairo_arc_negative(c, x + w * 1.5, ground - h * 0.55 - w * 0.4, w * 0.4, kPi / 2, 0);
        cairo_line_to(c, x + w * 1.9, ground - h * 0.85);
        cairo_arc_negative(c, x + w * 1.5, ground - h * 0.85, w * 0.4, 0, -kPi);
        cairo_line_to(c, x + w * 1.1, ground - h * 0.7);
        cairo_line_to(c, x + w / 2, ground - h * 0.7);
        cairo_close_path(c);
    };
    shape(cr, body, 0x4FA85A, lw, true, 0.3);
    cairo_save(cr);
    body(cr);
    cairo_clip(cr);
    set_rgb(cr, 0x2E7A3A, 0.8);
    cairo_set_line_width(cr, lw * 0.8);
    for (double dx : {-w * 0.2, w * 0.2}) {
        cairo_move_to(cr, x + dx, ground - h + w * 0.3);
        cairo_line_to(cr, x + dx, ground);
    }
    cairo_stroke(cr);
    set_rgb(cr, 0xFFF4E0);
    for (double yy = ground - h + 10; yy < ground; yy += 14)
        for (double dx : {-w * 0.42, 0.0, w * 0.42}) {
            cairo_arc(cr, x + dx, yy + (dx == 0 ? 7 : 0), 1.2, 0, 2 * kPi);
            cairo_fill(cr);
        }
    cairo_restore(cr);
    flower(cr, x, ground - h - 2, w * 0.35, pal::pink, 0.3);
}

void camel(cairo_t* cr, double x, double ground, double s)
{
    Local L(cr, x, ground, s);
    const double lw = L.lw;
    const uint32_t coat = 0xD9A05A;
    ground_shadow(cr, 0, 130);
    auto leg = [&](double lx, uint32_t col) {
        shape(cr, [=](cairo_t* c) { rounded_rect(c, lx - 10, -150, 20, 150, 8); }, col, lw, false, 0.1);
        shape(cr, [=](cairo_t* c) { ellipse(c, lx + 2, -4, 15, 7); }, darken(col, 0.2), lw, false);
    };
    leg(-60, darken(coat, 0.12));
    leg(70, darken(coat, 0.12));
    cairo_move_to(cr, -105, -190);
    cairo_curve_to(cr, -125, -170, -125, -140, -118, -120);
    thick_line(cr, 6, coat, lw);
    auto body = [](cairo_t* c) {
        cairo_move_to(c, -110, -170);
        cairo_curve_to(c, -110, -215, -90, -270, -45, -270);
        cairo_curve_to(c, -15, -270, -10, -225, 5, -225);
        cairo_curve_to(c, 20, -225, 25, -265, 55, -265);
        cairo_curve_to(c, 95, -265, 110, -215, 110, -170);
        cairo_curve_to(c, 110, -140, 80, -130, 0, -130);
        cairo_curve_to(c, -80, -130, -110, -140, -110, -170);
        cairo_close_path(c);
    };
    shape(cr, body, coat, lw, true, 0.3);
    // A colourful saddle cloth between the humps.
    shape(cr, [](cairo_t* c) {
        cairo_move_to(c, -20, -228);
        cairo_line_to(c, 30, -228);
        cairo_line_to(c, 40, -160);
        cairo_line_to(c, -30, -160);
        cairo_close_path(c);
    }, pal::red, lw, false, 0.25);
    cairo_save(cr);
    set_rgb(cr, pal::sun);
    for (int k = 0; k < 5; ++k) {
        cairo_move_to(cr, -28 + k * 14, -160);
        cairo_line_to(cr, -21 + k * 14, -150);
        cairo_line_to(cr, -14 + k * 14, -160);
        cairo_close_path(cr);
        cairo_fill(cr);
    }
    set_rgb(cr, 0x4D8FE8);
    cairo_rectangle(cr, -24, -200, 58, 10);
    cairo_fill(cr);
    cairo_restore(cr);
    leg(-85, coat);
    leg(45, coat);
    // Neck and head.
    auto neck = [](cairo_t* c) {
        cairo_move_to(c, 95, -200);
        cairo_curve_to(c, 130, -210, 140, -250, 145, -290);
        cairo_line_to(c, 175, -285);
        cairo_curve_to(c, 172, -230, 150, -160, 105, -150);
        cairo_close_path(c);
    };
    shape(cr, neck, coat, lw, false, 0.2);
    shape(cr, [](cairo_t* c) {
        cairo_move_to(c, 138, -300);
        cairo_curve_to(c, 140, -330, 190, -330, 205, -300);
        cairo_curve_to(c, 215, -280, 205, -265, 185, -268);
        cairo_curve_to(c, 165, -270, 145, -275, 138, -300);
        cairo_close_path(c);
    }, coat, lw, true, 0.3);
    shape(cr, [](cairo_t* c) { ellipse(c, 148, -318, 8, 12); }, darken(coat, 0.15), lw * 0.8, false);
    eye(cr, 170, -305, 6);
    set_rgb(cr, pal::outline);
    cairo_set_line_width(cr, lw);
    cairo_move_to(cr, 162, -314);
    cairo_line_to(cr, 178, -316);
    cairo_stroke(cr);
    smile(cr, 196, -280, 12, lw);
    blush(cr, 180, -288, 5);
}

void parrot(cairo_t* cr, double x, double y, double s)
{
    Local L(cr, x, y, s);
    const double lw = L.lw;
    // Sitting on a branch at y = 0; long tail hanging down.
    const uint32_t tail[] = {0x2E6FD0, pal::sun, pal::red};
    for (int k = 0; k < 3; ++k)
        shape(cr, [=](cairo_t* c) {
            cairo_move_to(c, -8 + k * 6, -10);
            cairo_curve_to(c, -14 + k * 8, 40, -20 + k * 10, 80, -16 + k * 12, 110);
            cairo_curve_to(c, -4 + k * 8, 80, 4 + k * 5, 40, 10 + k * 3, -10);
            cairo_close_path(c);
        }, tail[k], lw, false, 0.3);
    auto body = [](cairo_t* c) {
        cairo_move_to(c, 0, -110);
        cairo_curve_to(c, 35, -110, 40, -60, 28, -20);
        cairo_curve_to(c, 20, 5, -15, 5, -22, -20);
        cairo_curve_to(c, -32, -60, -30, -110, 0, -110);
        cairo_close_path(c);
    };
    shape(cr, body, 0xE8403A, lw, true, 0.3);
    shape(cr, [](cairo_t* c) {
        cairo_move_to(c, -25, -70);
        cairo_curve_to(c, -40, -40, -30, -10, -10, 0);
        cairo_curve_to(c, 0, -20, 5, -50, -5, -75);
        cairo_close_path(c);
    }, 0x2E6FD0, lw, false, 0.3);
    shape(cr, [](cairo_t* c) {
        cairo_move_to(c, -22, -55);
        cairo_curve_to(c, -30, -40, -25, -30, -15, -28);
        cairo_line_to(c, -10, -55);
        cairo_close_path(c);
    }, pal::sun, lw * 0.8, false, 0.3);
    shape(cr, [](cairo_t* c) { ellipse(c, 8, -88, 12, 10); }, pal::white, lw * 0.8, false, 0.1);
    eye(cr, 9, -88, 5);
    shape(cr, [](cairo_t* c) {
        cairo_move_to(c, 22, -92);
        cairo_curve_to(c, 40, -95, 44, -78, 36, -66);
        cairo_curve_to(c, 32, -74, 28, -76, 22, -76);
        cairo_close_path(c);
    }, 0x3B3330, lw, false, 0.3);
    for (int k : {-1, 1})
        shape(cr, [=](cairo_t* c) { ellipse(c, k * 8, 2, 6, 5); }, 0x555555, lw * 0.7, false);
}

void umbrella(cairo_t* cr, double x, double y, double r, uint32_t a, uint32_t b)
{
    // Canopy centred on (x, y), handle hanging below.
    cairo_move_to(cr, x, y);
    cairo_line_to(cr, x, y + r * 1.25);
    cairo_arc(cr, x - r * 0.12, y + r * 1.25, r * 0.12, 0, kPi);
    thick_line(cr, 4, 0x6A4A30, 1.5);
    auto canopy = [=](cairo_t* c) {
        cairo_move_to(c, x - r, y);
        cairo_curve_to(c, x - r, y - r * 0.9, x + r, y - r * 0.9, x + r, y);
        for (int k = 3; k >= 0; --k) {
            const double x0 = x - r + (k + 1) * r / 2, x1 = x - r + k * r / 2;
            cairo_curve_to(c, x0 - r * 0.1, y - r * 0.12, x1 + r * 0.1, y - r * 0.12, x1, y);
        }
        cairo_close_path(c);
    };
    shape(cr, canopy, a, 2.2, true, 0.3);
    cairo_save(cr);
    canopy(cr);
    cairo_clip(cr);
    set_rgb(cr, b);
    for (int k = 0; k < 4; k += 2) {
        const double x0 = x - r + k * r / 2;
        cairo_move_to(cr, x, y - r * 0.7);
        cairo_line_to(cr, x0, y + 2);
        cairo_line_to(cr, x0 + r / 2, y + 2);
        cairo_close_path(cr);
        cairo_fill(cr);
    }
    cairo_restore(cr);
    cairo_save(cr);
    canopy(cr);
    set_rgb(cr, pal::outline);
    cairo_set_line_width(cr, 2.2);
    cairo_stroke(cr);
    cairo_restore(cr);
    shape(cr, [=](cairo_t* c) { ellipse(c, x, y - r * 0.68, 4, 5); }, a, 1.5, false);
}

void rain(cairo_t* cr, Rng& rng, const Box& area, int count)
{
    cairo_save(cr);
    cairo_set_line_width(cr, 2);
    for (int i = 0; i < count; ++i) {
        const double x = rng.range(area.x, area.x + area.w), y = rng.range(area.y, area.y + area.h);
        const double l = rng.range(10, 18);
        set_rgb(cr, 0xE8F4FF, rng.range(0.6, 0.95));
        cairo_move_to(cr, x, y);
        cairo_line_to(cr, x - l * 0.3, y + l);
        cairo_stroke(cr);
    }
    cairo_restore(cr);
}

// Little paw prints in the snow along a curve from (x0, y0) to (x1, y1).
void footprints(cairo_t* cr, double x0, double y0, double x1, double y1, int steps)
{
    cairo_save(cr);
    for (int k = 0; k < steps; ++k) {
        const double t = double(k) / (steps - 1);
        const double x = x0 + (x1 - x0) * t + 14 * std::sin(t * 5), y = y0 + (y1 - y0) * t;
        const double s = 0.6 + 0.5 * (y - 300) / 180;
        const double side = (k % 2 ? 1 : -1) * 7 * s;
        set_rgb(cr, 0x9CB8E0, 0.8);
        ellipse(cr, x + side, y, 5 * s, 3.5 * s);
        cairo_fill(cr);
        for (int d = -1; d <= 1; ++d) {
            ellipse(cr, x + side + d * 3.5 * s, y - 5 * s, 1.6 * s, 1.4 * s);
            cairo_fill(cr);
        }
    }
    cairo_restore(cr);
}

void snowy_bush(cairo_t* cr, double x, double ground, double w)
{
    bush(cr, x, ground, w, 0x3E8A5A);
    shape(cr, [=](cairo_t* c) {
        cairo_move_to(c, x - w * 0.48, ground - w * 0.2);
        cairo_curve_to(c, x - w * 0.4, ground - w * 0.55, x + w * 0.4, ground - w * 0.65, x + w * 0.48, ground - w * 0.22);
        cairo_curve_to(c, x + w * 0.3, ground - w * 0.3, x + w * 0.1, ground - w * 0.45, x - w * 0.05, ground - w * 0.35);
        cairo_curve_to(c, x - w * 0.2, ground - w * 0.4, x - w * 0.35, ground - w * 0.25, x - w * 0.48, ground - w * 0.2);
        cairo_close_path(c);
    }, pal::white, 1.6, false, 0.1);
}

// --- the ten pictures --------------------------------------------------------

void spring_blossom(Canvas& c)
{
    cairo_t* cr = c.cr();
    Rng rng(301);
    day_sky(cr, rng, SkySpec{250, 0x8ED2F8, 0xF2FBFF, 560, 60, 30, 5, 60, 110, 4});
    rainbow(cr, 420, 290, 230, 13, 0.8);
    hill(cr, kW, kH, 240, 16, 0.012, 0.6, 0xC8EDA0, 0xADE08A);
    for (double tx : {380.0, 470.0, 600.0})
        round_tree(cr, rng, tx, 250 + std::fmod(tx, 13.0), 70, 0xFFC8DC, pal::white);
    hill(cr, kW, kH, 290, 8, 0.01, 2.2, 0x9BD874, 0x7CCB5B);
    grass_blades(cr, rng, -10, kW + 10, 292, kH + 6, 1300, pal::grass);
    // The big blossom tree with a bird house.
    round_tree(cr, rng, 150, 400, 330, 0xFFB0CC, pal::white);
    speckles(cr, rng, [](cairo_t* q) { cairo_rectangle(q, 0, 0, kW, kH); }, Box{20, 60, 300, 320}, 60, 0xFF5E8A, 2,
             4, 0.8);
    shape(cr, [](cairo_t* q) {
        cairo_move_to(q, 128, 300);
        cairo_line_to(q, 150, 280);
        cairo_line_to(q, 172, 300);
        cairo_close_path(q);
    }, pal::red, 2, true, 0.2);
    shape(cr, [](cairo_t* q) { cairo_rectangle(q, 134, 300, 32, 34); }, 0x4D8FE8, 2, false, 0.2);
    shape(cr, [](cairo_t* q) { ellipse(q, 150, 315, 7, 7); }, 0x3B2A20, 1.2, false);
    robin(cr, 200, 262, 0.7, false);
    // Falling petals.
    for (int k = 0; k < 40; ++k) {
        const double px = rng.range(0, kW), py = rng.range(30, 460);
        cairo_save(cr);
        cairo_translate(cr, px, py);
        cairo_rotate(cr, rng.range(0, kPi));
        set_rgb(cr, k % 3 ? 0xFFB0CC : pal::white, 0.95);
        ellipse(cr, 0, 0, 4.5, 2.8);
        cairo_fill(cr);
        cairo_restore(cr);
    }
    // Rows of tulips.
    const uint32_t colours[] = {pal::red, pal::sun, pal::pink, 0x9B6BD3, pal::orange};
    for (int row = 0; row < 3; ++row)
        for (double x = 260 + row * 12; x < kW + 10; x += 34 - row * 4)
            tulip(cr, x + rng.range(-5, 5), 360 + row * 45, 36 + row * 14, colours[(int(x / 30) + row) % 5]);
    bee(cr, 330, 300, 10, 0.2);
    bee(cr, 560, 330, 9, -0.2);
    butterfly(cr, 480, 220, 12, pal::violet, 0.3);
    butterfly(cr, 70, 440, 11, pal::sun, -0.2);
}

void summer_beach(Canvas& c)
{
    cairo_t* cr = c.cr();
    Rng rng(302);
    day_sky(cr, rng, SkySpec{170, 0x3FB6F0, 0xE8F8FF, 560, 60, 32, 5, 60, 110, 4});
    water(cr, rng, 0, 165, kW, 290, 0x5FD0E0, 0x1F9FD0);
    // A tiny sailing boat far out.
    shape(cr, [](cairo_t* q) {
        cairo_move_to(q, 110, 200);
        cairo_line_to(q, 150, 200);
        cairo_line_to(q, 142, 210);
        cairo_line_to(q, 118, 210);
        cairo_close_path(q);
    }, pal::red, 1.5, false);
    shape(cr, [](cairo_t* q) {
        cairo_move_to(q, 130, 165);
        cairo_line_to(q, 148, 198);
        cairo_line_to(q, 130, 198);
        cairo_close_path(q);
    }, pal::white, 1.5, false);
    // Sand with a wet edge and foam.
    auto sand = [](cairo_t* q) {
        cairo_move_to(q, -5, 300);
        for (double x = -5; x <= kW + 5; x += 5)
            cairo_line_to(q, x, 280 + 8 * std::sin(x * 0.03));
        cairo_line_to(q, kW + 5, kH + 5);
        cairo_line_to(q, -5, kH + 5);
        cairo_close_path(q);
    };
    cairo_save(cr);
    set_rgb(cr, pal::white);
    cairo_set_line_width(cr, 10);
    cairo_move_to(cr, -5, 275);
    for (double x = -5; x <= kW + 5; x += 5)
        cairo_line_to(cr, x, 274 + 8 * std::sin(x * 0.03));
    cairo_stroke(cr);
    cairo_restore(cr);
    shape(cr, sand, 0xF6DC9A, 2, false, 0.15);
    speckles(cr, rng, sand, Box{0, 270, double(kW), 210}, 700, 0xC8A060, 0.8, 2, 0.6);
    speckles(cr, rng, sand, Box{0, 270, double(kW), 210}, 300, pal::white, 0.8, 1.8, 0.7);
    cairo_save(cr);
    set_rgb(cr, 0xD8B870, 0.8);
    cairo_set_line_width(cr, 2);
    for (int k = 0; k < 18; ++k) {
        const double x = rng.range(0, kW), y = rng.range(310, 470), w = rng.range(14, 30);
        cairo_move_to(cr, x - w, y);
        cairo_curve_to(cr, x - w / 3, y - 4, x + w / 3, y - 4, x + w, y);
        cairo_stroke(cr);
    }
    cairo_restore(cr);
    // Striped towel and umbrella.
    shape(cr, [](cairo_t* q) {
        cairo_move_to(q, 30, 400);
        cairo_line_to(q, 190, 380);
        cairo_line_to(q, 210, 450);
        cairo_line_to(q, 50, 470);
        cairo_close_path(q);
    }, 0x4D8FE8, 2, true, 0.2);
    cairo_save(cr);
    cairo_move_to(cr, 30, 400);
    cairo_line_to(cr, 190, 380);
    cairo_line_to(cr, 210, 450);
    cairo_line_to(cr, 50, 470);
    cairo_close_path(cr);
    cairo_clip(cr);
    set_rgb(cr, pal::white);
    for (int k = 0; k < 8; ++k) {
        const double t = k * 0.14;
        cairo_move_to(cr, 30 + 160 * t, 400 - 20 * t);
        cairo_line_to(cr, 30 + 160 * (t + 0.06), 400 - 20 * (t + 0.06));
        cairo_line_to(cr, 50 + 160 * (t + 0.06), 470 - 20 * (t + 0.06));
        cairo_line_to(cr, 50 + 160 * t, 470 - 20 * t);
        cairo_close_path(cr);
        cairo_fill(cr);
    }
    cairo_restore(cr);
    umbrella(cr, 110, 250, 105, pal::red, pal::white);
    // The sandcastle.
    const uint32_t castle = 0xF2C870;
    for (double tx : {350.0, 530.0})
        shape(cr, [=](cairo_t* q) {
            cairo_move_to(q, tx - 30, 420);
            cairo_line_to(q, tx - 26, 300);
            for (int k = 0; k < 4; ++k) {
                cairo_line_to(q, tx - 26 + k * 14, 288);
                cairo_line_to(q, tx - 19 + k * 14, 288);
                cairo_line_to(q, tx - 19 + k * 14, 300);
                cairo_line_to(q, tx - 12 + k * 14, 300);
            }
            cairo_line_to(q, tx + 30, 420);
            cairo_close_path(q);
        }, castle, 2.2, true, 0.2);
    shape(cr, [](cairo_t* q) {
        cairo_move_to(q, 370, 430);
        cairo_line_to(q, 372, 340);
        for (int k = 0; k < 9; ++k) {
            cairo_line_to(q, 372 + k * 16, 328);
            cairo_line_to(q, 380 + k * 16, 328);
            cairo_line_to(q, 380 + k * 16, 340);
            cairo_line_to(q, 388 + k * 16, 340);
        }
        cairo_line_to(q, 510, 430);
        cairo_close_path(q);
    }, castle, 2.2, true, 0.2);
    shape(cr, [](cairo_t* q) {
        cairo_move_to(q, 420, 432);
        cairo_line_to(q, 420, 395);
        cairo_arc(q, 440, 395, 20, kPi, 2 * kPi);
        cairo_line_to(q, 460, 432);
        cairo_close_path(q);
    }, 0xB88A48, 2, false, 0.2);
    speckles(cr, rng, [](cairo_t* q) { cairo_rectangle(q, 320, 280, 240, 150); }, Box{320, 285, 240, 145}, 200,
             0xB88A48, 1, 2.2, 0.6);
    for (double wx : {350.0, 530.0, 400.0, 480.0})
        shape(cr, [=](cairo_t* q) { rounded_rect(q, wx - 6, wx == 350.0 || wx == 530.0 ? 330 : 362, 12, 16, 6); },
              0x8A6A38, 1.5, false);
    for (double fx : {350.0, 530.0}) {
        cairo_move_to(cr, fx, 288);
        cairo_line_to(cr, fx, 250);
        thick_line(cr, 2, 0x6A4A30, 1);
        shape(cr, [=](cairo_t* q) {
            cairo_move_to(q, fx, 250);
            cairo_line_to(q, fx + 26, 258);
            cairo_line_to(q, fx, 266);
            cairo_close_path(q);
        }, fx < 400 ? pal::red : pal::sun, 1.5, false, 0.2);
    }
    shell(cr, 260, 440, 22, pal::pink, 0.3);
    shell(cr, 600, 455, 18, 0xFFE0B0, -0.4);
    starfish(cr, 300, 380, 18, pal::orange, 0.2);
    starfish(cr, 590, 360, 14, pal::red, -0.3);
    // Bucket and spade.
    shape(cr, [](cairo_t* q) {
        cairo_move_to(q, 540, 400);
        cairo_line_to(q, 600, 400);
        cairo_line_to(q, 592, 450);
        cairo_line_to(q, 548, 450);
        cairo_close_path(q);
    }, 0x2EC4B6, 2, true, 0.3);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 570, 400, 30, kPi, 2 * kPi);
    thick_line(cr, 2.5, 0x2EC4B6, 1.2);
    // Beach ball.
    shape(cr, [](cairo_t* q) { ellipse(q, 260, 320, 26, 26); }, pal::white, 2, true, 0);
    cairo_save(cr);
    ellipse(cr, 260, 320, 26, 26);
    cairo_clip(cr);
    const uint32_t ball[] = {pal::red, pal::sun, 0x4D8FE8};
    for (int k = 0; k < 3; ++k) {
        set_rgb(cr, ball[k]);
        cairo_move_to(cr, 260, 320);
        cairo_arc(cr, 260, 320, 30, k * 2.1, k * 2.1 + 1.05);
        cairo_close_path(cr);
        cairo_fill(cr);
    }
    cairo_restore(cr);
    shape(cr, [](cairo_t* q) { ellipse(q, 260, 320, 26, 26); }, pal::white, 2, false, 0);
    cairo_save(cr);
    ellipse(cr, 260, 320, 26, 26);
    cairo_clip(cr);
    for (int k = 0; k < 3; ++k) {
        set_rgb(cr, ball[k]);
        cairo_move_to(cr, 260, 320);
        cairo_arc(cr, 260, 320, 30, k * 2.1, k * 2.1 + 1.05);
        cairo_close_path(cr);
        cairo_fill(cr);
    }
    set_rgb(cr, pal::white, 0.5);
    ellipse(cr, 251, 310, 8, 5);
    cairo_fill(cr);
    cairo_restore(cr);
}

void autumn_forest(Canvas& c)
{
    cairo_t* cr = c.cr();
    Rng rng(303);
    day_sky(cr, rng, SkySpec{230, 0x8EC8E8, 0xFFE6B8, 0, 0, 0, 6, 60, 110, 5});
    hill(cr, kW, kH, 220, 12, 0.01, 0.3, 0xE8B860, 0xD89A48);
    const uint32_t crowns[] = {0xFF8A2A, 0xE8503A, 0xFFC629, 0xD9603A, 0xF2A03A};
    for (int k = 0; k < 6; ++k)
        round_tree(cr, rng, 30 + k * 120 + rng.range(-20, 20), 245, 110, crowns[k % 5], darken(crowns[k % 5], 0.25));
    hill(cr, kW, kH, 290, 8, 0.012, 1.5, 0xD89048, 0xB8703A);
    round_tree(cr, rng, 90, 360, 210, 0xFF7A2A, 0xC84A1A);
    round_tree(cr, rng, 560, 350, 190, 0xFFC629, 0xE08A1A);
    // Leaves on the ground everywhere.
    for (int k = 0; k < 260; ++k) {
        const double t = rng.uniform();
        leaf(cr, rng.range(-10, kW + 10), 300 + t * 190, 4 + t * 7, rng.range(0, 2 * kPi), crowns[rng.below(5)], 1);
    }
    for (int k = 0; k < 40; ++k)
        leaf(cr, rng.range(0, kW), rng.range(20, 300), rng.range(5, 8), rng.range(0, 2 * kPi), crowns[rng.below(5)], 1);
    mushroom(cr, 230, 430, 46, pal::red);
    mushroom(cr, 262, 440, 30, 0xE8503A);
    mushroom(cr, 600, 455, 36, 0xB8703A);
    pumpkin(cr, 470, 460, 34);
    pumpkin(cr, 530, 470, 22);
    hedgehog(cr, 360, 445, 1.25);
}

void winter_snowman(Canvas& c)
{
    cairo_t* cr = c.cr();
    Rng rng(304);
    day_sky(cr, rng, SkySpec{250, 0x7FB8E8, 0xE8F4FF, 0, 0, 0, 4, 80, 130, 0});
    // Snowy hills with pines and a little house.
    auto snow_hill = [&](double base, double amp, double freq, double phase, uint32_t top, uint32_t bottom) {
        hill(cr, kW, kH, base, amp, freq, phase, top, bottom);
    };
    snow_hill(230, 18, 0.01, 0.5, 0xF4F8FF, 0xD8E8F8);
    for (int k = 0; k < 8; ++k)
        pine(cr, k * 85 + rng.range(0, 40), 240 + rng.range(-6, 10), rng.range(60, 90), 0x3E8A5A, true);
    house(cr, 470, 280, 90, 60, 0xFFCF8A, 0x9AB8D8, true);
    shape(cr, [](cairo_t* q) {
        cairo_move_to(q, 460, 222);
        cairo_curve_to(q, 480, 205, 540, 200, 568, 222);
        cairo_line_to(q, 515, 180);
        cairo_close_path(q);
    }, pal::white, 2, false, 0.1);
    snow_hill(300, 10, 0.012, 2.0, pal::white, 0xDCEAF8);
    // Blue shadows and sparkles in the snow.
    cairo_save(cr);
    set_rgb(cr, 0xB8D0F0, 0.7);
    for (int k = 0; k < 14; ++k) {
        ellipse(cr, rng.range(0, kW), rng.range(320, 470), rng.range(20, 50), rng.range(4, 8));
        cairo_fill(cr);
    }
    cairo_restore(cr);
    sparkles(cr, rng, Box{0, 310, double(kW), 160}, 30, 3, 6, 0xCFE6FF, 0.9);
    footprints(cr, 40, 470, 230, 330, 14);
    snowy_bush(cr, 60, 360, 80);
    snowy_bush(cr, 600, 330, 70);
    snowy_bush(cr, 150, 475, 60);
    // The sled.
    set_rgb(cr, 0x9CB8E0, 0.6);
    ellipse(cr, 530, 440, 85, 9);
    cairo_fill(cr);
    shape(cr, [](cairo_t* q) { rounded_rect(q, 460, 400, 130, 22, 6); }, pal::red, 2.2, true, 0.3);
    for (double sx : {480.0, 570.0}) {
        cairo_move_to(cr, sx, 422);
        cairo_line_to(cr, sx, 436);
        thick_line(cr, 4, 0x9AA0A8, 1.2);
    }
    cairo_move_to(cr, 450, 436);
    cairo_line_to(cr, 600, 436);
    cairo_curve_to(cr, 615, 436, 618, 420, 606, 416);
    thick_line(cr, 4, 0x9AA0A8, 1.2);
    snowman(cr, 290, 455, 1.15);
    robin(cr, 160, 202, 0.8, false);
    snowflakes(cr, rng, Box{0, 0, double(kW), double(kH)}, 120, 2, 8);
}

void mountain_lake(Canvas& c)
{
    cairo_t* cr = c.cr();
    Rng rng(305);
    day_sky(cr, rng, SkySpec{200, 0x4AA8E8, 0xD8F0FF, 80, 60, 30, 4, 70, 120, 4});
    // Mountains: drawn once upright and once mirrored in the lake.
    auto mountains = [&](bool mirrored) {
        cairo_save(cr);
        if (mirrored) {
            cairo_translate(cr, 0, 2 * 260);
            cairo_scale(cr, 1, -1);
        }
        const double peaks[][3] = {{120, 90, 150}, {300, 60, 180}, {470, 100, 150}, {600, 130, 120}};
        for (auto& p : peaks) {
            const double px = p[0], py = p[1], w = p[2];
            auto m = [=](cairo_t* q) {
                cairo_move_to(q, px - w, 262);
                cairo_line_to(q, px, py);
                cairo_line_to(q, px + w, 262);
                cairo_close_path(q);
            };
            shape(cr, m, 0x8A8FB8, 2.2, false, 0.3);
            cairo_save(cr);
            m(cr);
            cairo_clip(cr);
            set_rgb(cr, 0x6A6E98, 0.6);
            cairo_move_to(cr, px, py);
            cairo_line_to(cr, px + w, 262);
            cairo_line_to(cr, px + w * 0.2, 262);
            cairo_close_path(cr);
            cairo_fill(cr);
            const double sh = (262 - py) * 0.35;
            set_rgb(cr, pal::white);
            cairo_move_to(cr, px, py - 2);
            cairo_line_to(cr, px + w * sh / (262 - py) + 2, py + sh);
            for (int k = 0; k < 5; ++k)
                cairo_line_to(cr, px + w * sh / (262 - py) - (k + 1) * w * sh / (262 - py) * 0.4,
                              py + sh + (k % 2 ? -8 : 8));
            cairo_line_to(cr, px - w * sh / (262 - py) - 2, py + sh);
            cairo_close_path(cr);
            cairo_fill(cr);
            cairo_restore(cr);
        }
        // Forest along the shore.
        for (int k = 0; k < 14; ++k)
            pine(cr, k * 48 + 10, 262, 50 + (k * 37 % 30), 0x2E7A4A);
        cairo_restore(cr);
    };
    mountains(false);
    cairo_save(cr);
    cairo_rectangle(cr, 0, 262, kW, 120);
    cairo_clip(cr);
    mountains(true);
    cairo_restore(cr);
    // The lake over the reflection.
    cairo_save(cr);
    cairo_rectangle(cr, 0, 262, kW, 120);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 262, 0, 382);
    cairo_pattern_add_color_stop_rgba(p, 0, 0.3, 0.6, 0.85, 0.5);
    cairo_pattern_add_color_stop_rgba(p, 1, 0.2, 0.5, 0.8, 0.85);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    set_rgb(cr, pal::white, 0.6);
    cairo_set_line_width(cr, 2);
    for (int k = 0; k < 30; ++k) {
        const double x = rng.range(0, kW), y = rng.range(268, 378), w = rng.range(15, 40);
        cairo_move_to(cr, x - w, y);
        cairo_line_to(cr, x + w, y);
        cairo_stroke(cr);
    }
    cairo_restore(cr);
    // A red canoe.
    shape(cr, [](cairo_t* q) {
        cairo_move_to(q, 380, 320);
        cairo_curve_to(q, 420, 338, 490, 338, 530, 320);
        cairo_curve_to(q, 500, 312, 410, 312, 380, 320);
        cairo_close_path(q);
    }, pal::red, 2, true, 0.3);
    // Near shore: meadow, cabin, flowers.
    hill(cr, kW, kH, 380, 8, 0.015, 0.3, 0x9BD874, 0x6FBF50);
    grass_blades(cr, rng, -10, kW + 10, 384, kH + 6, 700, pal::grass);
    shape(cr, [](cairo_t* q) { cairo_rectangle(q, 60, 380, 150, 75); }, 0xA86A3C, 2.4, true, 0.2);
    cairo_save(cr);
    for (double ly = 386; ly < 455; ly += 12) {
        cairo_move_to(cr, 60, ly);
        cairo_line_to(cr, 210, ly);
    }
    set_rgb(cr, 0x6A3A20);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    for (double ly = 386; ly < 455; ly += 12)
        for (double lx : {62.0, 208.0}) {
            set_rgb(cr, 0xC8905A);
            ellipse(cr, lx, ly + 6, 6, 5.5);
            cairo_fill_preserve(cr);
            set_rgb(cr, 0x6A3A20);
            cairo_set_line_width(cr, 1.2);
            cairo_stroke(cr);
        }
    cairo_restore(cr);
    shape(cr, [](cairo_t* q) {
        cairo_move_to(q, 40, 385);
        cairo_line_to(q, 135, 330);
        cairo_line_to(q, 230, 385);
        cairo_close_path(q);
    }, 0x4A7A5A, 2.4, true, 0.3);
    shape(cr, [](cairo_t* q) { rounded_rect(q, 120, 405, 30, 50, 4); }, 0x6A3A20, 2, false);
    shape(cr, [](cairo_t* q) { rounded_rect(q, 170, 400, 26, 24, 3); }, 0xFFE27A, 2, false, 0.4);
    shape(cr, [](cairo_t* q) { rounded_rect(q, 74, 400, 26, 24, 3); }, 0xFFE27A, 2, false, 0.4);
    flowers(cr, rng, Box{240, 395, 390, 80}, 30, 5, 8);
    // Ducks swimming by.
    for (int k = 0; k < 3; ++k) {
        const double dx = 220 + k * 36, dy = 350 - k * 4;
        const double s = 0.6 - k * 0.1;
        shape(cr, [=](cairo_t* q) { ellipse(q, dx, dy, 14 * s * 1.6, 7 * s * 1.6); }, pal::white, 1.5, false, 0.3);
        shape(cr, [=](cairo_t* q) { ellipse(q, dx + 10 * s * 1.6, dy - 9 * s * 1.6, 6 * s * 1.6, 6 * s * 1.6); },
              0x2E8B57, 1.5, false, 0.3);
    }
}

void rainy_day(Canvas& c)
{
    cairo_t* cr = c.cr();
    Rng rng(306);
    sky(cr, 280, 0x7F93B8, 0xD0DCEC);
    // Sun breaking through on the right, with a rainbow.
    cairo_save(cr);
    cairo_pattern_t* g = cairo_pattern_create_radial(600, 30, 10, 600, 30, 260);
    cairo_pattern_add_color_stop_rgba(g, 0, 1, 0.95, 0.7, 0.9);
    cairo_pattern_add_color_stop_rgba(g, 1, 1, 0.95, 0.7, 0);
    cairo_set_source(cr, g);
    cairo_paint(cr);
    cairo_pattern_destroy(g);
    cairo_restore(cr);
    rainbow(cr, 640, 300, 250, 12, 0.85);
    sun(cr, 605, 40, 28);
    for (int k = 0; k < 9; ++k)
        rain_cloud(cr, 20 + k * 70 + rng.range(-10, 10), 40 + (k % 3) * 45 + rng.range(-8, 8), rng.range(100, 150),
                   k % 2 ? 0xA8B4CC : 0xC0CADC);
    hill(cr, kW, kH, 260, 12, 0.012, 0.7, 0x8CC878, 0x70B060);
    for (double tx : {60.0, 230.0, 520.0})
        tree(cr, tx, 275, 80, 0x6FB860);
    house(cr, 330, 280, 80, 55, 0xFFE7A0, 0xD9604C, true);
    hill(cr, kW, kH, 300, 6, 0.01, 2.2, 0x8AD263, 0x5DAE45);
    grass_blades(cr, rng, -10, kW + 10, 302, kH + 6, 1300, 0x6FBF50);
    // Puddles with rings.
    const double puddles[][3] = {{120, 420, 90}, {520, 440, 80}, {330, 470, 60}};
    for (auto& p : puddles) {
        shape(cr, [=](cairo_t* q) { ellipse(q, p[0], p[1], p[2], p[2] * 0.22); }, 0x8FB8E0, 2, false, 0.4);
        cairo_save(cr);
        ellipse(cr, p[0], p[1], p[2], p[2] * 0.22);
        cairo_clip(cr);
        set_rgb(cr, pal::white, 0.8);
        cairo_set_line_width(cr, 1.5);
        for (int k = 0; k < 4; ++k) {
            const double rx = p[0] + rng.range(-p[2] * 0.6, p[2] * 0.6), ry = p[1] + rng.range(-4, 4);
            for (double r : {6.0, 12.0}) {
                cairo_new_sub_path(cr);
                ellipse(cr, rx, ry, r, r * 0.3);
            }
        }
        cairo_stroke(cr);
        cairo_restore(cr);
    }
    flowers(cr, rng, Box{10, 320, kW - 20, 150}, 30, 5, 8, {{200, 250, 240, 230}});
    // A snail and a frog enjoy the rain.
    shape(cr, [](cairo_t* q) {
        cairo_move_to(q, 470, 380);
        cairo_curve_to(q, 520, 384, 540, 380, 545, 360);
        cairo_curve_to(q, 548, 350, 556, 352, 556, 362);
        cairo_curve_to(q, 556, 385, 530, 392, 470, 390);
        cairo_close_path(q);
    }, 0xC8E0A0, 1.8, true, 0.3);
    shape(cr, [](cairo_t* q) { ellipse(q, 500, 360, 26, 24); }, 0xE8A05A, 1.8, false, 0.3);
    cairo_save(cr);
    set_rgb(cr, 0x8A5020);
    cairo_set_line_width(cr, 2);
    for (double r = 18; r > 2; r -= 5) {
        cairo_new_sub_path(cr);
        cairo_arc(cr, 500 + (18 - r) * 0.3, 360, r, 0, kPi * 1.6);
    }
    cairo_stroke(cr);
    cairo_restore(cr);
    eye(cr, 552, 356, 3);
    // Bafo under his umbrella, in yellow boots.
    Bafo b;
    b.x = 320;
    b.y = 440;
    b.scale = 0.72;
    b.right = Arm::Up;
    b.mouth = Mouth::Open;
    b.look = -0.3;
    b.tail = 0.5;
    double px = 0, py = 0;
    bafo_paw(b, true, px, py);
    // The handle's hook ends in his paw.
    umbrella(cr, px, py - 125 * 1.1, 125, pal::sun, pal::orange);
    draw_bafo(cr, b);
    for (int sd : {-1, 1})
        shape(cr, [=](cairo_t* q) {
            rounded_rect(q, 320 + sd * 30 * 0.72 - 22, 440 - 34, 44, 36, 8);
        }, pal::sun, 2, false, 0.35);
    rain(cr, rng, Box{-20, 60, kW + 20, 420}, 260);
}

void desert(Canvas& c)
{
    cairo_t* cr = c.cr();
    Rng rng(307);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, 0, 280);
    cairo_pattern_add_color_stop_rgb(p, 0, 0.98, 0.55, 0.35);
    cairo_pattern_add_color_stop_rgb(p, 0.6, 1.0, 0.78, 0.45);
    cairo_pattern_add_color_stop_rgb(p, 1, 1.0, 0.93, 0.7);
    cairo_set_source(cr, p);
    cairo_paint(cr);
    cairo_pattern_destroy(p);
    sun_rays(cr, 120, 100, 22, 600, 0xFFF3C0, 0.3);
    sun(cr, 120, 100, 50);
    clouds(cr, rng, 40, 120, 5, 70, 110, 0.8, {{20, 0, 200, 200}});
    birds(cr, rng, Box{250, 50, 250, 80}, 4, 0x6A3A28);
    // Pyramids far away.
    for (auto& py : {std::array<double, 3>{480, 170, 75}, std::array<double, 3>{580, 195, 50}}) {
        auto pyr = [=](cairo_t* q) {
            cairo_move_to(q, py[0] - py[2], 245);
            cairo_line_to(q, py[0], py[1]);
            cairo_line_to(q, py[0] + py[2], 245);
            cairo_close_path(q);
        };
        shape(cr, pyr, 0xE8B870, 2, false, 0.2);
        cairo_save(cr);
        pyr(cr);
        cairo_clip(cr);
        set_rgb(cr, 0xC89050, 0.7);
        cairo_move_to(cr, py[0], py[1]);
        cairo_line_to(cr, py[0] + py[2], 245);
        cairo_line_to(cr, py[0] + py[2] * 0.3, 245);
        cairo_close_path(cr);
        cairo_fill(cr);
        set_rgb(cr, 0xA87038, 0.5);
        cairo_set_line_width(cr, 1.2);
        for (double yy = py[1] + 10; yy < 245; yy += 9) {
            cairo_move_to(cr, py[0] - py[2], yy);
            cairo_line_to(cr, py[0] + py[2], yy);
        }
        cairo_stroke(cr);
        cairo_restore(cr);
    }
    // Dunes in layers with wind ripples.
    const uint32_t dunes[][2] = {{0xF6D08A, 0xE8B868}, {0xF2C070, 0xE0A050}, {0xF8D898, 0xE8B060}};
    for (int k = 0; k < 3; ++k) {
        const double base = 240 + k * 60;
        hill(cr, kW, kH, base, 20 - k * 4, 0.012 - k * 0.003, 0.5 + k * 2.1, dunes[k][0], dunes[k][1]);
        cairo_save(cr);
        set_rgb(cr, darken(dunes[k][1], 0.15), 0.5);
        cairo_set_line_width(cr, 1.6);
        for (int r = 0; r < 10; ++r) {
            const double x = rng.range(0, kW), y = base + rng.range(25, 70), w = rng.range(20, 50);
            cairo_move_to(cr, x - w, y);
            cairo_curve_to(cr, x - w / 3, y - 5, x + w / 3, y + 5, x + w, y);
        }
        cairo_stroke(cr);
        cairo_restore(cr);
    }
    speckles(cr, rng, [](cairo_t* q) { cairo_rectangle(q, 0, 240, kW, kH); }, Box{0, 240, double(kW), 240}, 500,
             0xB88040, 0.8, 2, 0.5);
    cactus(cr, 80, 420, 150);
    cactus(cr, 175, 300, 60);
    cactus(cr, 610, 460, 110);
    camel(cr, 330, 450, 0.95);
    stones(cr, rng, Box{150, 440, 80, 30}, 5, 0xB8A898);
    // A little lizard.
    shape(cr, [](cairo_t* q) {
        cairo_move_to(q, 450, 460);
        cairo_curve_to(q, 470, 450, 500, 452, 515, 458);
        cairo_curve_to(q, 525, 462, 520, 468, 510, 466);
        cairo_curve_to(q, 490, 464, 470, 470, 430, 474);
        cairo_close_path(q);
    }, 0x5DBB4A, 1.6, true, 0.3);
    eye(cr, 510, 458, 2.5);
}

void jungle_waterfall(Canvas& c)
{
    cairo_t* cr = c.cr();
    Rng rng(308);
    sky(cr, 200, 0x9ADCE0, 0xE0F8E8);
    clouds(cr, rng, 30, 110, 5, 60, 100, 0.9);
    // Rocky cliffs with the waterfall between.
    auto cliff = [](cairo_t* q) {
        cairo_move_to(q, -10, 90);
        cairo_curve_to(q, 80, 70, 200, 80, 250, 110);
        cairo_line_to(q, 400, 110);
        cairo_curve_to(q, 460, 80, 560, 70, 650, 80);
        cairo_line_to(q, 650, 360);
        cairo_line_to(q, -10, 360);
        cairo_close_path(q);
    };
    shape(cr, cliff, 0x8A9A8A, 2.5, false, 0.3);
    cairo_save(cr);
    cliff(cr);
    cairo_clip(cr);
    for (int k = 0; k < 60; ++k) {
        const double x = rng.range(0, kW), y = rng.range(90, 360);
        const double w = rng.range(25, 50), h = rng.range(14, 24);
        shape(cr, [=](cairo_t* q) { rounded_rect(q, x, y, w, h, 6); },
              mix(0x9AAA9A, 0x6A7A6A, rng.uniform()), 1.5, false, 0.3);
    }
    cairo_restore(cr);
    // Distant treetops along the top of the cliffs.
    for (double tx = -20; tx < kW + 40; tx += 46)
        shape(cr, [=](cairo_t* q) { ellipse(q, tx, 92 + std::fmod(tx * 7, 14.0), 32, 22); },
              mix(0x5DBB4A, 0x3E9A4A, std::fmod(tx, 3.0) / 3), 2, false, 0.3);
    // Falling water: wide at the bottom, with streaks and a bright lip.
    auto fall = [](cairo_t* q) {
        cairo_move_to(q, 250, 112);
        cairo_curve_to(q, 300, 104, 350, 104, 400, 112);
        cairo_curve_to(q, 405, 200, 410, 300, 418, 370);
        cairo_line_to(q, 232, 370);
        cairo_curve_to(q, 240, 300, 245, 200, 250, 112);
        cairo_close_path(q);
    };
    shape(cr, fall, 0x7FD0F2, 2.5, false, 0.35);
    cairo_save(cr);
    fall(cr);
    cairo_clip(cr);
    for (int k = 0; k < 26; ++k) {
        const double x = 245 + k * 6.6 + rng.range(-2, 2);
        set_rgb(cr, k % 3 ? pal::white : 0x4FA8E0, k % 3 ? 0.75 : 0.5);
        cairo_set_line_width(cr, k % 3 ? 2.5 : 3.5);
        const double y0 = rng.range(100, 200);
        cairo_move_to(cr, x, y0);
        cairo_curve_to(cr, x + 2, y0 + 60, x - 2, y0 + 120, x + (x - 325) * 0.08, 380);
        cairo_stroke(cr);
    }
    set_rgb(cr, pal::white, 0.9);
    cairo_set_line_width(cr, 8);
    cairo_move_to(cr, 250, 114);
    cairo_curve_to(cr, 300, 106, 350, 106, 400, 114);
    cairo_stroke(cr);
    cairo_restore(cr);
    // The pool and the splash.
    water(cr, rng, 0, 360, kW, kH, 0x4FC8D8, 0x1F8FB0);
    for (int k = 0; k < 11; ++k) {
        const double fx = 232 + k * 18.5, fy = 362 + (k % 3) * 7, fr = 16 + (k * 7 % 10);
        shape(cr, [=](cairo_t* q) { ellipse(q, fx, fy, fr, fr * 0.8); }, pal::white, 1.8, false, 0.15);
        set_rgb(cr, 0x8FC8E8, 0.8);
        cairo_set_line_width(cr, 1.5);
        cairo_new_sub_path(cr);
        cairo_arc(cr, fx + 2, fy + 2, fr * 0.5, 0.2, 1.8);
        cairo_stroke(cr);
    }
    bubbles(cr, rng, Box{210, 300, 230, 60}, 16, 3, 7);
    sparkles(cr, rng, Box{210, 280, 230, 90}, 6, 4, 7, pal::white, 0.9);
    // Jungle leaves framing the picture.
    const uint32_t greens[] = {0x2E9A4A, 0x3FAE49, 0x1F7A3A, 0x5DBB4A};
    for (int k = 0; k < 22; ++k) {
        const bool left = k % 2 == 0;
        const double x = left ? rng.range(-20, 120) : rng.range(530, 660);
        const double y = rng.range(60, 470);
        const double turn = left ? rng.range(-0.6, 0.6) : kPi + rng.range(-0.6, 0.6);
        leaf(cr, x, y, rng.range(30, 50), turn, greens[rng.below(4)], 2);
    }
    for (int k = 0; k < 10; ++k)
        leaf(cr, rng.range(0, kW), rng.range(430, 490), rng.range(20, 35), -kPi / 2 + rng.range(-0.8, 0.8),
             greens[rng.below(4)], 2);
    // Hanging vines.
    for (double vx : {170.0, 470.0, 560.0}) {
        cairo_move_to(cr, vx, -5);
        cairo_curve_to(cr, vx + 10, 60, vx - 10, 120, vx + 5, 180);
        thick_line(cr, 3, 0x3E8A3A, 1.2);
        for (double vy = 20; vy < 175; vy += 25)
            leaf(cr, vx + (int(vy) % 2 ? 8 : -8), vy, 9, int(vy) % 2 ? 0.5 : kPi - 0.5, 0x5DBB4A, 1.2);
    }
    // Hibiscus flowers.
    for (auto& f : {std::array<double, 2>{60, 300}, std::array<double, 2>{590, 200}, std::array<double, 2>{600, 420}})
        flower(cr, f[0], f[1], 16, f[1] > 300 ? pal::pink : pal::red, 0.4);
    // A parrot on a branch.
    cairo_move_to(cr, 440, 190);
    cairo_curve_to(cr, 500, 185, 560, 195, 650, 180);
    thick_line(cr, 9, 0x8A5530, 1.8);
    parrot(cr, 520, 190, 0.95);
    butterfly(cr, 200, 260, 12, 0x2EC4B6, 0.3);
}

void sunflower_windmill(Canvas& c)
{
    cairo_t* cr = c.cr();
    Rng rng(309);
    day_sky(cr, rng, SkySpec{240, 0x2E9AE8, 0xCFEFFF, 0, 0, 0, 6, 70, 120, 4});
    hill(cr, kW, kH, 225, 14, 0.012, 1.0, 0xB8E08A, 0x9ACF6C);
    // The windmill.
    shape(cr, [](cairo_t* q) {
        cairo_move_to(q, 430, 250);
        cairo_line_to(q, 450, 120);
        cairo_line_to(q, 510, 120);
        cairo_line_to(q, 530, 250);
        cairo_close_path(q);
    }, 0xF4EDE2, 2.4, true, 0.2);
    shape(cr, [](cairo_t* q) {
        cairo_move_to(q, 440, 125);
        cairo_curve_to(q, 445, 85, 515, 85, 520, 125);
        cairo_close_path(q);
    }, 0xD9604C, 2.4, false, 0.25);
    shape(cr, [](cairo_t* q) { rounded_rect(q, 468, 205, 24, 45, 10); }, 0x9A6038, 2, false);
    shape(cr, [](cairo_t* q) { rounded_rect(q, 470, 150, 20, 22, 8); }, 0xBFE6FA, 2, false, 0.4);
    for (int k = 0; k < 4; ++k) {
        const double a = 0.4 + k * kPi / 2;
        cairo_save(cr);
        cairo_translate(cr, 480, 112);
        cairo_rotate(cr, a);
        shape(cr, [](cairo_t* q) { cairo_rectangle(q, 8, -14, 100, 28); }, 0xF4EDE2, 2, true, 0.2);
        cairo_set_line_width(cr, 1.2);
        set_rgb(cr, 0x9A8070);
        for (double xx = 20; xx < 108; xx += 11) {
            cairo_move_to(cr, xx, -14);
            cairo_line_to(cr, xx, 14);
        }
        cairo_move_to(cr, 8, 0);
        cairo_line_to(cr, 108, 0);
        cairo_stroke(cr);
        cairo_restore(cr);
    }
    shape(cr, [](cairo_t* q) { ellipse(q, 480, 112, 9, 9); }, 0x6A4A30, 2, false);
    // Fields in bands up to the horizon.
    hill(cr, kW, kH, 250, 6, 0.01, 2.0, 0x8AD263, 0x6FBF50);
    grass_blades(cr, rng, -10, kW + 10, 252, kH + 6, 900, pal::grass);
    // Rows of sunflowers, small far away, big in front.
    for (int row = 0; row < 4; ++row) {
        const double r = 9 + row * 7, stem = 30 + row * 25;
        const double y = 270 + row * row * 12 + row * 22;
        for (double x = -10 + (row % 2) * r; x < kW + 20; x += r * 2.6)
            if (!(row == 3 && x > 180 && x < 330))
                sunflower(cr, x + rng.range(-4, 4), y + rng.range(-4, 4), r, stem);
    }
    bee(cr, 250, 360, 12, 0.2);
    bee(cr, 380, 300, 10, -0.3);
    butterfly(cr, 120, 230, 11, pal::red, 0.2);
    // Bafo among the sunflowers.
    Bafo b;
    b.x = 255;
    b.y = 475;
    b.scale = 0.6;
    b.left = Arm::Wave;
    b.mouth = Mouth::Open;
    b.eyes = Eyes::Happy;
    draw_bafo(cr, b);
}

void winter_evening(Canvas& c)
{
    cairo_t* cr = c.cr();
    Rng rng(310);
    space_backdrop(cr, rng, 0x1E2060, 0x8A6AC0, {0x6A5AC8}, 180);
    moon_crescent(cr, 90, 80, 38, 0xFFF0B0, true);
    hill(cr, kW, kH, 260, 16, 0.01, 0.3, 0xD8E0F8, 0xB8C4E8);
    for (int k = 0; k < 9; ++k)
        pine(cr, k * 75 + rng.range(0, 30), 270 + rng.range(-8, 8), rng.range(50, 80), 0x2E5A5A, true);
    // The cottage with warm windows and smoke.
    cairo_save(cr);
    cairo_pattern_t* g = cairo_pattern_create_radial(200, 320, 20, 200, 320, 200);
    cairo_pattern_add_color_stop_rgba(g, 0, 1, 0.85, 0.5, 0.45);
    cairo_pattern_add_color_stop_rgba(g, 1, 1, 0.85, 0.5, 0);
    cairo_set_source(cr, g);
    cairo_paint(cr);
    cairo_pattern_destroy(g);
    cairo_restore(cr);
    house(cr, 110, 370, 180, 120, 0xC87A4A, 0x7A4A6A, true);
    shape(cr, [](cairo_t* q) {
        cairo_move_to(q, 88, 254);
        cairo_curve_to(q, 130, 240, 170, 180, 200, 160);
        cairo_curve_to(q, 230, 180, 270, 240, 312, 254);
        cairo_curve_to(q, 300, 262, 290, 252, 280, 262);
        cairo_curve_to(q, 260, 250, 240, 262, 220, 252);
        cairo_curve_to(q, 200, 262, 180, 250, 160, 262);
        cairo_curve_to(q, 140, 252, 120, 264, 88, 254);
        cairo_close_path(q);
    }, pal::white, 2, false, 0.1);
    for (int k = 0; k < 4; ++k) {
        cairo_save(cr);
        set_rgb(cr, 0xE8E8F8, 0.7 - k * 0.12);
        ellipse(cr, 230 + k * 16, 150 - k * 28, 12 + k * 4, 10 + k * 3);
        cairo_fill(cr);
        cairo_restore(cr);
    }
    hill(cr, kW, kH, 370, 6, 0.012, 1.0, pal::white, 0xD0DCF4);
    // Snowy fence and lanterns.
    for (double fx = 320; fx < kW + 20; fx += 36) {
        shape(cr, [=](cairo_t* q) { rounded_rect(q, fx - 5, 340, 10, 40, 3); }, 0x8A5530, 1.8, false, 0.2);
        shape(cr, [=](cairo_t* q) { ellipse(q, fx, 340, 8, 5); }, pal::white, 1.2, false);
    }
    shape(cr, [](cairo_t* q) { rounded_rect(q, 310, 352, 340, 8, 3); }, 0x8A5530, 1.8, false, 0.2);
    // The decorated fir tree.
    pine(cr, 470, 460, 230, 0x2E7A4A, false);
    const uint32_t lights[] = {pal::red, pal::sun, 0x4D8FE8, pal::pink, 0x7CCB5B};
    for (int k = 0; k < 28; ++k) {
        const double t = rng.uniform();
        const double y = 460 - 230 * (0.2 + 0.75 * t);
        const double half = 230 * (0.38 - 0.3 * t);
        const double x = 470 + rng.range(-half, half) * 0.8;
        const uint32_t col = lights[k % 5];
        sparkle(cr, x, y, 7, lighten(col, 0.5), 0.7);
        shape(cr, [=](cairo_t* q) { ellipse(q, x, y, 5, 5); }, col, 1.2, false, 0.5);
    }
    twinkle_star(cr, 470, 232, 20, pal::sun, 0);
    // Presents under the tree.
    const uint32_t boxes[] = {pal::red, 0x4D8FE8, pal::violet};
    for (int k = 0; k < 3; ++k) {
        const double bx = 400 + k * 55, bw = 40 - (k % 2) * 8;
        shape(cr, [=](cairo_t* q) { cairo_rectangle(q, bx, 462 - bw, bw, bw); }, boxes[k], 2, true, 0.3);
        shape(cr, [=](cairo_t* q) {
            cairo_rectangle(q, bx + bw / 2 - 3, 462 - bw, 6, bw);
            cairo_rectangle(q, bx, 462 - bw / 2 - 3, bw, 6);
        }, pal::sun, 0, false, 0.2);
    }
    footprints(cr, 200, 378, 300, 478, 10);
    snowy_bush(cr, 30, 400, 60);
    snowy_bush(cr, 330, 420, 50);
    snowy_bush(cr, 610, 470, 50);
    snowman(cr, 90, 470, 0.4);
    // A lantern on a post, lighting the path.
    cairo_save(cr);
    cairo_pattern_t* lamp = cairo_pattern_create_radial(250, 390, 4, 250, 390, 70);
    cairo_pattern_add_color_stop_rgba(lamp, 0, 1, 0.9, 0.55, 0.8);
    cairo_pattern_add_color_stop_rgba(lamp, 1, 1, 0.9, 0.55, 0);
    cairo_set_source(cr, lamp);
    cairo_arc(cr, 250, 390, 70, 0, 2 * kPi);
    cairo_fill(cr);
    cairo_pattern_destroy(lamp);
    cairo_restore(cr);
    cairo_move_to(cr, 250, 470);
    cairo_line_to(cr, 250, 400);
    thick_line(cr, 5, 0x3A3F56, 1.6);
    shape(cr, [](cairo_t* q) { rounded_rect(q, 240, 378, 20, 26, 4); }, 0xFFE27A, 1.8, false, 0.5);
    sparkles(cr, rng, Box{0, 380, double(kW), 100}, 30, 3, 6, 0xCFE6FF, 0.9);
    snowflakes(cr, rng, Box{0, 0, double(kW), double(kH)}, 110, 1.5, 7);
}

}  // namespace

void paint_seasons(Canvas& c, int i)
{
    struct Finish {
        Filler fill;
        std::vector<Box> keep;  // left as they are by the last touch
    };
    auto snow = [](cairo_t* cr, Rng& rng, double x, double y, double room) {
        snowflakes(cr, rng, Box{x - room * 0.5, y - room * 0.5, room, room}, 3, 4, 8);
    };
    auto drops = [](cairo_t* cr, Rng& rng, double x, double y, double room) {
        if (y >= 300) {
            flower(cr, x, y, 6, rng.chance(0.5) ? pal::pink : pal::sun, rng.range(0, 1));
            return;
        }
        // Two fat raindrops.
        for (int k = 0; k < 2; ++k) {
            const double dx = x + (k ? room * 0.4 : -room * 0.3), dy = y + (k ? room * 0.3 : -room * 0.2);
            shape(cr, [=](cairo_t* q) {
                cairo_move_to(q, dx, dy - 9);
                cairo_curve_to(q, dx + 2, dy - 4, dx + 6, dy, dx + 6, dy + 3);
                cairo_arc(q, dx, dy + 3, 6, 0, kPi);
                cairo_curve_to(q, dx - 6, dy, dx - 2, dy - 4, dx, dy - 9);
                cairo_close_path(q);
            }, 0x8FC8F4, 1.4, false, 0.5);
        }
    };
    auto evening = [](cairo_t* cr, Rng& rng, double x, double y, double room) {
        if (y < 250) {
            night_bits(250)(cr, rng, x, y, room);
            return;
        }
        sparkle(cr, x - room * 0.3, y, 6, 0xCFE6FF, 0.95);
        sparkle(cr, x + room * 0.4, y + room * 0.3, 4, pal::white, 0.95);
        set_rgb(cr, 0x9CB8E0, 0.7);
        ellipse(cr, x, y + room * 0.6, room * 0.7, 3);
        cairo_fill(cr);
    };
    const Finish finish[] = {
        {land_bits(250), {}},
        {land_bits(170), {}},
        {land_bits(230), {{200, 300, 200, 170}}},
        {snow, {}},
        {land_bits(200), {}},
        {drops, {{220, 200, 220, 280}}},
        {land_bits(240), {{220, 190, 240, 140}, {430, 100, 120, 100}}},
        {land_bits(150), {{230, 100, 190, 300}}},
        {land_bits(240), {}},
        {evening, {}},
    };
    switch (i) {
    case 1: spring_blossom(c); break;
    case 2: summer_beach(c); break;
    case 3: autumn_forest(c); break;
    case 4: winter_snowman(c); break;
    case 5: mountain_lake(c); break;
    case 6: rainy_day(c); break;
    case 7: desert(c); break;
    case 8: jungle_waterfall(c); break;
    case 9: sunflower_windmill(c); break;
    default: winter_evening(c); break;
    }
    Rng rng(0xFC00 + uint64_t(i));
    fill_plain_spots(c, rng, finish[i - 1].fill, finish[i - 1].keep);
}

}  // namespace datagen::pics
