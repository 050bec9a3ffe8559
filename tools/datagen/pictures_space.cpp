// Set 5: space and sky, from a sunny sky with kites to rockets among the planets.
#include "pictures_kit.h"

#include <array>
#include <cmath>

namespace datagen::pics {

namespace {

void rocket(cairo_t* cr, double x, double y, double s, double turn)
{
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, turn);
    cairo_scale(cr, s, s);
    const double lw = kLine / s;
    // Flames.
    shape(cr, [](cairo_t* c) {
        cairo_move_to(c, -32, 120);
        cairo_curve_to(c, -40, 170, -15, 200, 0, 250);
        cairo_curve_to(c, 15, 200, 40, 170, 32, 120);
        cairo_close_path(c);
    }, pal::orange, lw, false, 0.2);
    shape(cr, [](cairo_t* c) {
        cairo_move_to(c, -18, 120);
        cairo_curve_to(c, -22, 150, -8, 175, 0, 205);
        cairo_curve_to(c, 8, 175, 22, 150, 18, 120);
        cairo_close_path(c);
    }, pal::sun, 0, false, 0.2);
    // Fins.
    for (int sd : {-1, 1})
        shape(cr, [=](cairo_t* c) {
            cairo_move_to(c, sd * 40, 20);
            cairo_curve_to(c, sd * 80, 50, sd * 85, 100, sd * 80, 130);
            cairo_line_to(c, sd * 40, 105);
            cairo_close_path(c);
        }, pal::red, lw, true, 0.3);
    auto body = [](cairo_t* c) {
        cairo_move_to(c, 0, -160);
        cairo_curve_to(c, 45, -120, 55, -40, 48, 60);
        cairo_curve_to(c, 45, 100, 35, 120, 30, 125);
        cairo_line_to(c, -30, 125);
        cairo_curve_to(c, -35, 120, -45, 100, -48, 60);
        cairo_curve_to(c, -55, -40, -45, -120, 0, -160);
        cairo_close_path(c);
    };
    shape(cr, body, pal::white, lw, true, 0.25);
    cairo_save(cr);
    body(cr);
    cairo_clip(cr);
    set_rgb(cr, pal::red);
    cairo_move_to(cr, -60, -90);
    cairo_line_to(cr, 60, -90);
    cairo_line_to(cr, 60, -200);
    cairo_line_to(cr, -60, -200);
    cairo_close_path(cr);
    cairo_fill(cr);
    set_rgb(cr, 0x4D8FE8);
    cairo_rectangle(cr, -60, 70, 120, 16);
    cairo_fill(cr);
    set_rgb(cr, 0xB8BCC4, 0.7);
    for (double ry = -80; ry < 120; ry += 20) {
        cairo_arc(cr, -38, ry, 2, 0, 2 * kPi);
        cairo_arc(cr, 38, ry, 2, 0, 2 * kPi);
        cairo_fill(cr);
    }
    // Shine down one side.
    set_rgb(cr, pal::white, 0.4);
    cairo_rectangle(cr, -32, -120, 10, 230);
    cairo_fill(cr);
    cairo_restore(cr);
    // Window with Bafo.
    shape(cr, [](cairo_t* c) { ellipse(c, 0, -25, 34, 34); }, 0xC8CCD2, lw, false, 0.4);
    shape(cr, [](cairo_t* c) { ellipse(c, 0, -25, 26, 26); }, 0x8FD3F4, lw, false, 0.5);
    cairo_save(cr);
    ellipse(cr, 0, -25, 26, 26);
    cairo_clip(cr);
    Bafo b;
    b.x = 0;
    b.y = -25 + 175 * 0.24;
    b.scale = 0.24;
    b.mouth = Mouth::Open;
    b.motion_lines = false;
    b.ground_shadow = false;
    draw_bafo(cr, b);
    set_rgb(cr, pal::white, 0.4);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0, -25, 20, kPi * 1.1, kPi * 1.45);
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);
    cairo_restore(cr);
    shape(cr, [](cairo_t* c) { rounded_rect(c, -10, 100, 20, 45, 5); }, pal::red, lw, false, 0.3);
    cairo_restore(cr);
}

void earth(cairo_t* cr, double cx, double cy, double r, bool face)
{
    planet(cr, cx, cy, r, 0x3D8FE0, 0);
    cairo_save(cr);
    ellipse(cr, cx, cy, r, r);
    cairo_clip(cr);
    // Continents as soft green blobs.
    const double land[][4] = {{-0.45, -0.35, 0.35, 0.25}, {-0.3, 0.1, 0.2, 0.35}, {0.35, -0.2, 0.3, 0.3},
                              {0.45, 0.35, 0.22, 0.2},    {0.0, 0.55, 0.3, 0.12}, {-0.1, -0.75, 0.35, 0.12}};
    for (auto& l : land)
        shape(cr, [=](cairo_t* c) {
            ellipse(c, cx + l[0] * r, cy + l[1] * r, l[2] * r, l[3] * r);
            ellipse(c, cx + l[0] * r + l[2] * r * 0.5, cy + l[1] * r + l[3] * r * 0.4, l[2] * r * 0.6, l[3] * r * 0.8);
        }, l[1] < -0.7 ? pal::white : 0x5DBB4A, std::clamp(r / 50, 1.2, 2.2), false, 0.3);
    // Forests and hills on the land, ripples on the sea.
    Rng rng(uint64_t(r * 1000));
    for (auto& l : land) {
        if (l[1] < -0.7)
            continue;
        speckles(cr, rng, [=](cairo_t* c) { ellipse(c, cx + l[0] * r, cy + l[1] * r, l[2] * r, l[3] * r); },
                 Box{cx + (l[0] - l[2]) * r, cy + (l[1] - l[3]) * r, 2 * l[2] * r, 2 * l[3] * r}, int(l[2] * r * 0.5),
                 0x3E8A3A, r * 0.008, r * 0.022, 0.7);
        speckles(cr, rng, [=](cairo_t* c) { ellipse(c, cx + l[0] * r, cy + l[1] * r, l[2] * r, l[3] * r); },
                 Box{cx + (l[0] - l[2]) * r, cy + (l[1] - l[3]) * r, 2 * l[2] * r, 2 * l[3] * r}, int(l[2] * r * 0.2),
                 0xE8D08A, r * 0.008, r * 0.02, 0.8);
    }
    set_rgb(cr, lighten(0x3D8FE0, 0.4), 0.7);
    cairo_set_line_width(cr, std::max(1.0, r * 0.012));
    for (int k = 0; k < int(r * 0.3); ++k) {
        const double wx = cx + rng.range(-r, r), wy = cy + rng.range(-r, r), ww = r * rng.range(0.04, 0.08);
        cairo_move_to(cr, wx - ww, wy);
        cairo_curve_to(cr, wx - ww / 3, wy - ww * 0.4, wx + ww / 3, wy + ww * 0.4, wx + ww, wy);
        cairo_stroke(cr);
    }
    // Wisps of cloud.
    set_rgb(cr, pal::white, 0.75);
    for (auto& w : {std::array<double, 3>{-0.2, -0.1, 0.5}, std::array<double, 3>{0.2, 0.25, 0.4},
                    std::array<double, 3>{-0.35, 0.45, 0.3}}) {
        rounded_rect(cr, cx + w[0] * r - w[2] * r / 2, cy + w[1] * r, w[2] * r, r * 0.07, r * 0.035);
        cairo_fill(cr);
    }
    cairo_pattern_t* p = cairo_pattern_create_radial(cx - r * 0.4, cy - r * 0.45, r * 0.1, cx, cy, r * 1.05);
    cairo_pattern_add_color_stop_rgba(p, 0, 1, 1, 1, 0.35);
    cairo_pattern_add_color_stop_rgba(p, 0.5, 1, 1, 1, 0.0);
    cairo_pattern_add_color_stop_rgba(p, 1, 0, 0, 0.2, 0.35);
    cairo_set_source(cr, p);
    cairo_paint(cr);
    cairo_pattern_destroy(p);
    cairo_restore(cr);
    cairo_save(cr);
    ellipse(cr, cx, cy, r, r);
    set_rgb(cr, pal::outline);
    cairo_set_line_width(cr, std::clamp(r / 25, 1.5, 3.0));
    cairo_stroke(cr);
    cairo_restore(cr);
    if (face) {
        eye(cr, cx - r * 0.25, cy - r * 0.05, r * 0.09);
        eye(cr, cx + r * 0.25, cy - r * 0.05, r * 0.09);
        smile(cr, cx, cy + r * 0.12, r * 0.3, std::clamp(r / 30, 1.5, 3.0));
        blush(cr, cx - r * 0.42, cy + r * 0.12, r * 0.09);
        blush(cr, cx + r * 0.42, cy + r * 0.12, r * 0.09);
    }
}

void astronaut(cairo_t* cr, double x, double ground, double s)
{
    Local L(cr, x, ground, s);
    const double lw = L.lw;
    const uint32_t suit = 0xF4F4F8;
    ground_shadow(cr, 0, 70);
    // Backpack.
    shape(cr, [](cairo_t* c) { rounded_rect(c, -62, -190, 124, 110, 16); }, 0xC8CCD2, lw, true, 0.3);
    // Legs and boots.
    for (int sd : {-1, 1}) {
        shape(cr, [=](cairo_t* c) { rounded_rect(c, sd * 24 - 20, -90, 40, 80, 16); }, suit, lw, false, 0.2);
        shape(cr, [=](cairo_t* c) { rounded_rect(c, sd * 26 - 24, -22, 48, 22, 9); }, 0x9AA0A8, lw, false, 0.3);
    }
    // Body.
    shape(cr, [](cairo_t* c) { rounded_rect(c, -52, -175, 104, 110, 30); }, suit, lw, true, 0.2);
    shape(cr, [](cairo_t* c) { rounded_rect(c, -26, -140, 52, 38, 6); }, 0xC8CCD2, lw, false, 0.3);
    const uint32_t buttons[] = {pal::red, pal::sun, 0x4D8FE8};
    for (int k = 0; k < 3; ++k)
        shape(cr, [=](cairo_t* c) { ellipse(c, -14 + k * 14, -121, 5, 5); }, buttons[k], lw * 0.5, false, 0.4);
    // Arms: one waving, one holding the flag pole.
    cairo_move_to(cr, -45, -150);
    cairo_line_to(cr, -95, -205);
    thick_line(cr, 30, suit, lw);
    shape(cr, [](cairo_t* c) { ellipse(c, -100, -212, 17, 17); }, 0x9AA0A8, lw, false, 0.3);
    cairo_move_to(cr, 45, -150);
    cairo_line_to(cr, 88, -120);
    thick_line(cr, 30, suit, lw);
    shape(cr, [](cairo_t* c) { ellipse(c, 92, -118, 16, 16); }, 0x9AA0A8, lw, false, 0.3);
    // Helmet with a gold visor and Bafo's face inside.
    shape(cr, [](cairo_t* c) { ellipse(c, 0, -230, 62, 58); }, suit, lw, true, 0.2);
    shape(cr, [](cairo_t* c) { ellipse(c, 0, -228, 46, 40); }, 0x5A7AB8, lw, false, 0.2);
    cairo_save(cr);
    ellipse(cr, 0, -228, 46, 40);
    cairo_clip(cr);
    Bafo b;
    b.x = 0;
    b.y = -228 + 180 * 0.36;
    b.scale = 0.36;
    b.mouth = Mouth::Open;
    b.eyes = Eyes::Happy;
    b.motion_lines = false;
    b.ground_shadow = false;
    draw_bafo(cr, b);
    set_rgb(cr, pal::white, 0.45);
    cairo_move_to(cr, -40, -240);
    cairo_curve_to(cr, -35, -262, -15, -268, 5, -266);
    cairo_line_to(cr, 0, -258);
    cairo_curve_to(cr, -15, -258, -28, -252, -32, -236);
    cairo_close_path(cr);
    cairo_fill(cr);
    cairo_restore(cr);
    shape(cr, [](cairo_t* c) { ellipse(c, 0, -292, 8, 8); }, pal::red, lw, false, 0.4);
    cairo_move_to(cr, 0, -286);
    cairo_line_to(cr, 0, -282);
    thick_line(cr, 3, 0x9AA0A8, lw);
}

void flag(cairo_t* cr, double x, double ground, double h)
{
    cairo_move_to(cr, x, ground);
    cairo_line_to(cr, x, ground - h);
    thick_line(cr, 4, 0xD8DCE2, 1.5);
    auto cloth = [=](cairo_t* c) {
        cairo_move_to(c, x, ground - h);
        cairo_curve_to(c, x + 30, ground - h - 8, x + 50, ground - h + 8, x + 80, ground - h);
        cairo_line_to(c, x + 80, ground - h + 50);
        cairo_curve_to(c, x + 50, ground - h + 58, x + 30, ground - h + 42, x, ground - h + 50);
        cairo_close_path(c);
    };
    shape(cr, cloth, pal::sun, 2, true, 0.3);
    shape(cr, [=](cairo_t* c) { heart_path(c, x + 40, ground - h + 24, 14); }, pal::red, 1.5, false, 0.3);
}

void moon_ground(cairo_t* cr, Rng& rng, double top)
{
    auto ground = [=](cairo_t* c) {
        cairo_move_to(c, -5, kH + 5);
        for (double x = -5; x <= kW + 5; x += 5)
            cairo_line_to(c, x, top + 14 * std::sin(x * 0.012 + 0.7) + 6 * std::sin(x * 0.05));
        cairo_line_to(c, kW + 5, kH + 5);
        cairo_close_path(c);
    };
    shape(cr, ground, 0xC8C4D0, 2.5, false, 0.3);
    cairo_save(cr);
    ground(cr);
    cairo_clip(cr);
    for (int k = 0; k < 22; ++k) {
        const double cx = rng.range(0, kW), t = rng.uniform();
        const double cy = top + 20 + t * (kH - top - 10);
        const double r = 8 + t * 30 * rng.range(0.5, 1.2);
        set_rgb(cr, 0x9A96A8);
        ellipse(cr, cx, cy, r, r * 0.35);
        cairo_fill(cr);
        set_rgb(cr, 0xE0DCE8);
        ellipse(cr, cx + r * 0.12, cy + r * 0.1, r * 0.8, r * 0.22);
        cairo_fill(cr);
        set_rgb(cr, 0x6A6678, 0.8);
        cairo_set_line_width(cr, 1.5);
        ellipse(cr, cx, cy, r, r * 0.35);
        cairo_stroke(cr);
    }
    cairo_restore(cr);
    speckles(cr, rng, ground, Box{0, top - 20, double(kW), kH - top + 20}, 300, 0x8A8698, 0.8, 2, 0.6);
}

void ufo(cairo_t* cr, double x, double y, double s)
{
    Local L(cr, x, y, s);
    const double lw = L.lw;
    // Beam of light down to the ground.
    cairo_save(cr);
    cairo_move_to(cr, -50, 30);
    cairo_line_to(cr, 50, 30);
    cairo_line_to(cr, 130, 300);
    cairo_line_to(cr, -130, 300);
    cairo_close_path(cr);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 30, 0, 300);
    cairo_pattern_add_color_stop_rgba(p, 0, 1, 1, 0.7, 0.7);
    cairo_pattern_add_color_stop_rgba(p, 1, 1, 1, 0.7, 0.1);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    cairo_restore(cr);
    // Glass dome with the alien.
    shape(cr, [](cairo_t* c) {
        cairo_move_to(c, -75, -20);
        cairo_curve_to(c, -75, -120, 75, -120, 75, -20);
        cairo_close_path(c);
    }, 0xBFEFFF, lw, true, 0.4);
    cairo_save(cr);
    cairo_move_to(cr, -75, -20);
    cairo_curve_to(cr, -75, -120, 75, -120, 75, -20);
    cairo_close_path(cr);
    cairo_clip(cr);
    // The alien: round green head, antennae, big smile, waving.
    for (int sd : {-1, 1}) {
        cairo_move_to(cr, sd * 12, -78);
        cairo_line_to(cr, sd * 24, -100);
        thick_line(cr, 3, 0x7CCB5B, lw * 0.7);
        shape(cr, [=](cairo_t* c) { ellipse(c, sd * 25, -102, 6, 6); }, pal::pink, lw * 0.7, false, 0.4);
    }
    cairo_move_to(cr, 30, -30);
    cairo_line_to(cr, 55, -70);
    thick_line(cr, 9, 0x7CCB5B, lw * 0.8);
    shape(cr, [](cairo_t* c) { ellipse(c, 0, -55, 34, 30); }, 0x7CCB5B, lw, false, 0.3);
    shape(cr, [](cairo_t* c) { ellipse(c, 0, -60, 14, 14); }, pal::white, lw * 0.7, false, 0.1);
    eye(cr, 0, -58, 9);
    smile(cr, 0, -40, 26, lw, true);
    blush(cr, -22, -42, 6);
    blush(cr, 22, -42, 6);
    set_rgb(cr, pal::white, 0.5);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0, -20, 60, kPi * 1.15, kPi * 1.4);
    cairo_set_line_width(cr, 6);
    cairo_stroke(cr);
    cairo_restore(cr);
    // Saucer.
    shape(cr, [](cairo_t* c) { ellipse(c, 0, 0, 170, 42); }, 0xB8BCC8, lw, true, 0.4);
    shape(cr, [](cairo_t* c) { ellipse(c, 0, 18, 95, 22); }, 0x8A8EA0, lw, false, 0.3);
    const uint32_t lights[] = {pal::red, pal::sun, 0x7CCB5B, 0x4D8FE8, pal::pink};
    for (int k = 0; k < 9; ++k) {
        const double a = kPi * (0.1 + k * 0.1);
        const double lx = -150 * std::cos(a), ly = 8 + 16 * std::sin(a);
        sparkle(cr, lx, ly, 12, pal::white, 0.6);
        shape(cr, [=](cairo_t* c) { ellipse(c, lx, ly, 8, 6); }, lights[k % 5], lw * 0.7, false, 0.5);
    }
}

void satellite(cairo_t* cr, double x, double y, double s, double turn)
{
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, turn);
    cairo_scale(cr, s, s);
    const double lw = kLine / s;
    for (int sd : {-1, 1}) {
        cairo_move_to(cr, sd * 30, 0);
        cairo_line_to(cr, sd * 50, 0);
        thick_line(cr, 4, 0x9AA0A8, lw);
        shape(cr, [=](cairo_t* c) { cairo_rectangle(c, sd > 0 ? 50 : -130, -22, 80, 44); }, 0x2E5FB8, lw, true, 0.3);
        cairo_save(cr);
        set_rgb(cr, 0x8FD3F4, 0.8);
        cairo_set_line_width(cr, 1.5);
        for (double gx = 10; gx < 80; gx += 16) {
            cairo_move_to(cr, (sd > 0 ? 50 : -130) + gx, -22);
            cairo_line_to(cr, (sd > 0 ? 50 : -130) + gx, 22);
        }
        cairo_move_to(cr, sd > 0 ? 50 : -130, 0);
        cairo_line_to(cr, sd > 0 ? 130 : -50, 0);
        cairo_stroke(cr);
        cairo_restore(cr);
    }
    shape(cr, [](cairo_t* c) { rounded_rect(c, -30, -32, 60, 64, 8); }, pal::sun, lw, true, 0.3);
    shape(cr, [](cairo_t* c) {
        cairo_move_to(c, -20, -32);
        cairo_curve_to(c, -20, -70, 20, -70, 20, -32);
        cairo_close_path(c);
    }, pal::white, lw, false, 0.2);
    cairo_move_to(cr, 0, -55);
    cairo_line_to(cr, 0, -80);
    thick_line(cr, 2, 0x9AA0A8, lw);
    shape(cr, [](cairo_t* c) { ellipse(c, 0, -82, 5, 5); }, pal::red, lw * 0.6, false);
    cairo_restore(cr);
}

void comet(cairo_t* cr, double x, double y, double len, double turn, uint32_t colour)
{
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, turn);
    cairo_move_to(cr, 0, -10);
    cairo_line_to(cr, -len, -2);
    cairo_line_to(cr, -len, 2);
    cairo_line_to(cr, 0, 10);
    cairo_close_path(cr);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, -len, 0);
    cairo_pattern_add_color_stop_rgba(p, 0, 1, 1, 0.85, 0.9);
    cairo_pattern_add_color_stop_rgba(p, 1, 1, 1, 0.85, 0);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    cairo_restore(cr);
    twinkle_star(cr, x, y, 13, colour, turn);
}

void kite(cairo_t* cr, double x, double y, double s, uint32_t a, uint32_t b, double turn, double tail_x,
          double tail_y)
{
    // String down to where a child holds it.
    cairo_save(cr);
    set_rgb(cr, pal::outline, 0.8);
    cairo_set_line_width(cr, 1.5);
    cairo_move_to(cr, x, y + s * 0.9);
    cairo_curve_to(cr, x + (tail_x - x) * 0.3, y + (tail_y - y) * 0.5, tail_x, tail_y - 40, tail_x, tail_y);
    cairo_stroke(cr);
    cairo_restore(cr);
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, turn);
    // Tail with bows.
    cairo_move_to(cr, 0, s);
    cairo_curve_to(cr, s * 0.4, s * 1.5, -s * 0.4, s * 2.0, s * 0.1, s * 2.6);
    thick_line(cr, 2, pal::white, 1);
    for (int k = 0; k < 3; ++k) {
        const double by = s * (1.4 + k * 0.45), bx = (k % 2 ? -1 : 1) * s * 0.12;
        shape(cr, [=](cairo_t* c) {
            cairo_move_to(c, bx, by);
            cairo_line_to(c, bx - 10, by - 7);
            cairo_line_to(c, bx - 10, by + 7);
            cairo_close_path(c);
            cairo_move_to(c, bx, by);
            cairo_line_to(c, bx + 10, by - 7);
            cairo_line_to(c, bx + 10, by + 7);
            cairo_close_path(c);
        }, k % 2 ? a : b, 1.4, false, 0.3);
    }
    auto body = [=](cairo_t* c) {
        cairo_move_to(c, 0, -s);
        cairo_line_to(c, s * 0.7, -s * 0.2);
        cairo_line_to(c, 0, s);
        cairo_line_to(c, -s * 0.7, -s * 0.2);
        cairo_close_path(c);
    };
    shape(cr, body, a, 2.2, true, 0.3);
    cairo_save(cr);
    body(cr);
    cairo_clip(cr);
    set_rgb(cr, b);
    cairo_rectangle(cr, 0, -s, s, s * 0.8);
    cairo_rectangle(cr, -s, -s * 0.2, s, s * 1.2);
    cairo_fill(cr);
    cairo_restore(cr);
    cairo_save(cr);
    body(cr);
    set_rgb(cr, pal::outline);
    cairo_set_line_width(cr, 2.2);
    cairo_stroke(cr);
    cairo_move_to(cr, 0, -s);
    cairo_line_to(cr, 0, s);
    cairo_move_to(cr, -s * 0.7, -s * 0.2);
    cairo_line_to(cr, s * 0.7, -s * 0.2);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    cairo_restore(cr);
    eye(cr, -s * 0.18, -s * 0.35, s * 0.08);
    eye(cr, s * 0.18, -s * 0.35, s * 0.08);
    smile(cr, 0, -s * 0.1, s * 0.25, 1.8);
    cairo_restore(cr);
}

void telescope(cairo_t* cr, double x, double ground, double s)
{
    Local L(cr, x, ground, s);
    const double lw = L.lw;
    for (int sd : {-1, 0, 1}) {
        cairo_move_to(cr, 0, -110);
        cairo_line_to(cr, sd * 55, 0);
        thick_line(cr, 7, 0x8A5530, lw);
    }
    cairo_save(cr);
    cairo_translate(cr, 0, -120);
    cairo_rotate(cr, -0.6);
    shape(cr, [](cairo_t* c) { rounded_rect(c, -80, -18, 160, 36, 8); }, 0x4D8FE8, lw, true, 0.3);
    shape(cr, [](cairo_t* c) { rounded_rect(c, 70, -24, 24, 48, 6); }, pal::sun, lw, false, 0.3);
    shape(cr, [](cairo_t* c) { rounded_rect(c, -100, -12, 24, 24, 5); }, pal::sun, lw, false, 0.3);
    shape(cr, [](cairo_t* c) { cairo_rectangle(c, -10, -20, 18, 40); }, pal::red, lw, false, 0.3);
    cairo_restore(cr);
}

void night_hills(cairo_t* cr, Rng& rng, double base, uint32_t top, uint32_t bottom)
{
    hill(cr, kW, kH, base, 18, 0.011, 0.4, top, bottom);
    grass_blades(cr, rng, -10, kW + 10, base + 10, kH + 6, 700, mix(top, bottom, 0.5));
}

// --- the ten pictures --------------------------------------------------------

void rocket_launch(Canvas& c)
{
    cairo_t* cr = c.cr();
    Rng rng(501);
    space_backdrop(cr, rng, 0x141A50, 0x4A2A8A, {0x9B6BD3, 0x2EC4B6}, 320);
    planet(cr, 540, 110, 50, 0xFF9F43, 4, true, 0xFFE0A0);
    planet(cr, 90, 330, 34, 0x7CCB5B, 0);
    planet(cr, 100, 90, 18, pal::pink, 2);
    // Earth's curve at the bottom.
    cairo_save(cr);
    ellipse(cr, 320, 900, 620, 470);
    cairo_clip(cr);
    fill_vertical_gradient(cr, 0, 420, kW, 60, 0x4DA8F0, 0x2E6FC0);
    for (int k = 0; k < 6; ++k)
        shape(cr, [=](cairo_t* q) { ellipse(q, 40 + k * 115, 455 + (k % 2) * 10, 45, 16); }, 0x5DBB4A, 1.8, false,
              0.3);
    for (int k = 0; k < 5; ++k) {
        set_rgb(cr, pal::white, 0.85);
        rounded_rect(cr, 90 + k * 120, 440 + (k % 3) * 9, 60, 7, 3.5);
        cairo_fill(cr);
    }
    cairo_restore(cr);
    cairo_save(cr);
    ellipse(cr, 320, 900, 620, 470);
    set_rgb(cr, 0x8FD3F4, 0.8);
    cairo_set_line_width(cr, 8);
    cairo_stroke_preserve(cr);
    set_rgb(cr, pal::outline);
    cairo_set_line_width(cr, 2.5);
    cairo_stroke(cr);
    cairo_restore(cr);
    // Smoke trail.
    for (int k = 0; k < 9; ++k) {
        const double t = k / 8.0;
        cloud(cr, 250 - t * 150 + (k % 2) * 14, 440 - t * 10 - k * 6, 60 + k * 8, 0.85 - t * 0.4);
    }
    rocket(cr, 330, 230, 1.05, 0.45);
    comet(cr, 560, 300, 120, 2.7, pal::sun);
}

void moon_walk(Canvas& c)
{
    cairo_t* cr = c.cr();
    Rng rng(502);
    space_backdrop(cr, rng, 0x0E1236, 0x2A2A6A, {0x4D5AC8}, 300);
    earth(cr, 480, 120, 75, true);
    comet(cr, 200, 80, 140, 2.8, pal::sun);
    moon_ground(cr, rng, 320);
    flag(cr, 410, 410, 150);
    astronaut(cr, 260, 430, 0.95);
    // A little moon buggy.
    shape(cr, [](cairo_t* q) { rounded_rect(q, 480, 380, 110, 40, 14); }, 0xD8DCE2, 2.4, true, 0.3);
    shape(cr, [](cairo_t* q) { rounded_rect(q, 505, 360, 50, 24, 8); }, 0x8FD3F4, 2, false, 0.4);
    for (double wx : {500.0, 570.0}) {
        shape(cr, [=](cairo_t* q) { ellipse(q, wx, 425, 18, 18); }, 0x3B3636, 2.2, false, 0.1);
        shape(cr, [=](cairo_t* q) { ellipse(q, wx, 425, 8, 8); }, pal::sun, 1.6, false, 0.3);
    }
    cairo_move_to(cr, 580, 380);
    cairo_line_to(cr, 600, 340);
    thick_line(cr, 2, 0x9AA0A8, 1.2);
    shape(cr, [](cairo_t* q) { ellipse(q, 602, 336, 8, 5); }, pal::red, 1.4, false);
}

void saturn_rings(Canvas& c)
{
    cairo_t* cr = c.cr();
    Rng rng(503);
    space_backdrop(cr, rng, 0x3A1458, 0x8A2A7A, {0xFF8FC7, 0x9B6BD3, 0xFF9F43}, 300);
    planet(cr, 320, 240, 120, 0xF2B85A, 6, true, 0xFFE0B0);
    // Its moons and a far blue planet.
    planet(cr, 90, 90, 26, 0xC8C4D0, 0);
    planet(cr, 560, 400, 34, 0x6FC3E8, 3);
    planet(cr, 580, 80, 16, 0xFF8FC7, 0);
    planet(cr, 70, 390, 20, 0xB5E04B, 2);
    // Smiling face on the planet.
    eye(cr, 280, 220, 11);
    eye(cr, 360, 220, 11);
    smile(cr, 320, 255, 50, 3, true);
    blush(cr, 250, 250, 12);
    blush(cr, 390, 250, 12);
    comet(cr, 520, 230, 110, 3.4, pal::sun);
    sparkles(cr, rng, Box{0, 0, double(kW), double(kH)}, 10, 6, 10, pal::white, 0.9);
}

void ufo_hills(Canvas& c)
{
    cairo_t* cr = c.cr();
    Rng rng(504);
    space_backdrop(cr, rng, 0x0E3A4A, 0x2A7A7A, {0x2EC4B6, 0x7CCB5B}, 260);
    moon_crescent(cr, 560, 70, 34, 0xFFF0B0, true);
    planet(cr, 80, 70, 22, pal::pink, 2, true, pal::white);
    night_hills(cr, rng, 340, 0x3E8A5A, 0x1E5A3A);
    for (int k = 0; k < 5; ++k)
        pine(cr, 20 + k * 140 + rng.range(-20, 20), 350 + rng.range(-6, 10), rng.range(50, 70), 0x1E6A4A);
    ufo(cr, 320, 160, 1.05);
    // A cow being gently lifted, happy about it.
    cairo_save(cr);
    shape(cr, [](cairo_t* q) { rounded_rect(q, 290, 330, 70, 40, 18); }, 0xF4F0EA, 2, true, 0.3);
    set_rgb(cr, 0x3B3330);
    ellipse(cr, 310, 345, 10, 8);
    ellipse(cr, 340, 355, 8, 6);
    cairo_fill(cr);
    shape(cr, [](cairo_t* q) { ellipse(q, 365, 338, 16, 16); }, 0xF4F0EA, 2, false, 0.3);
    shape(cr, [](cairo_t* q) { ellipse(q, 368, 346, 11, 7); }, 0xFFB8BE, 1.5, false);
    eye(cr, 362, 332, 3.5);
    for (double lx : {300.0, 315.0, 335.0, 350.0}) {
        cairo_move_to(cr, lx, 368);
        cairo_line_to(cr, lx, 384);
        thick_line(cr, 5, 0xF4F0EA, 1.5);
    }
    cairo_restore(cr);
    flowers(cr, rng, Box{10, 400, kW - 20, 70}, 20, 5, 8, {{180, 380, 280, 100}});
}

void sunny_sky(Canvas& c)
{
    cairo_t* cr = c.cr();
    Rng rng(505);
    sky(cr, kH, 0x4AB0F0, 0xCFF0FF);
    sun_rays(cr, 320, 200, 24, 700, 0xFFF6C0, 0.45);
    rainbow(cr, 320, 520, 360, 18, 0.9);
    clouds(cr, rng, 60, 420, 9, 90, 150, 0.97, {{200, 80, 240, 240}});
    birds(cr, rng, Box{30, 30, 580, 120}, 8);
    sun(cr, 320, 200, 95);
    // Hot-air balloon and a plane far away.
    balloon(cr, 90, 300, 26, pal::red, 40, 0.3);
    balloon(cr, 560, 320, 22, pal::sun, 36, -0.3);
    balloon(cr, 600, 250, 18, 0x9B6BD3, 30, 0.2);
    butterfly(cr, 150, 420, 14, pal::pink, 0.3);
    butterfly(cr, 500, 440, 12, pal::orange, -0.3);
    cairo_save(cr);
    hill(cr, kW, kH, 450, 10, 0.015, 0.5, 0x9BD874, 0x7CCB5B);
    cairo_restore(cr);
    flowers(cr, rng, Box{10, 455, kW - 20, 20}, 16, 5, 7);
}

void sleepy_moon(Canvas& c)
{
    cairo_t* cr = c.cr();
    Rng rng(506);
    space_backdrop(cr, rng, 0x10186A, 0x3A5AB8, {0x6A5AC8}, 240);
    moon_crescent(cr, 330, 170, 110, 0xFFE27A, true);
    // A nightcap on the moon.
    shape(cr, [](cairo_t* q) {
        cairo_move_to(q, 230, 95);
        cairo_curve_to(q, 250, 40, 330, 20, 390, 60);
        cairo_curve_to(q, 360, 70, 320, 80, 300, 110);
        cairo_close_path(q);
    }, 0x4D8FE8, 2.5, true, 0.3);
    shape(cr, [](cairo_t* q) { ellipse(q, 392, 60, 14, 14); }, pal::white, 2, false, 0.2);
    for (int k = 0; k < 14; ++k) {
        const double sx = rng.range(20, 620), sy = rng.range(20, 300), sr = rng.range(8, 15), turn = rng.range(-0.3, 0.3);
        if (sx > 200 && sx < 470 && sy > 30 && sy < 300)
            continue;  // not over the moon's face
        twinkle_star(cr, sx, sy, sr, 0xFFE45C, turn);
    }
    // "Z z z" as little clouds drifting up.
    for (int k = 0; k < 3; ++k)
        cloud(cr, 440 + k * 45, 120 - k * 40, 36 + k * 10, 0.9);
    // The sleeping town below.
    for (int k = 0; k < 8; ++k) {
        const double hx = k * 82 - 10, hw = 70, hh = 60 + (k * 29 % 40);
        shape(cr, [=](cairo_t* q) { cairo_rectangle(q, hx, 480 - hh - 60, hw, hh + 60); },
              mix(0x3A3F7A, 0x5A4A8A, (k % 3) / 2.0), 2, true, 0.2);
        shape(cr, [=](cairo_t* q) {
            cairo_move_to(q, hx - 6, 480 - hh - 60);
            cairo_line_to(q, hx + hw / 2, 480 - hh - 95);
            cairo_line_to(q, hx + hw + 6, 480 - hh - 60);
            cairo_close_path(q);
        }, 0x2A2A5A, 2, false, 0.2);
        shape(cr, [=](cairo_t* q) { rounded_rect(q, hx + 25, 440, 20, 40, 8); }, 0x2A2040, 1.5, false, 0.2);
        set_rgb(cr, pal::sun);
        cairo_arc(cr, hx + 40, 462, 1.8, 0, 2 * kPi);
        cairo_fill(cr);
        for (int w = 0; w < 4; ++w) {
            const double wx = hx + 12 + (w % 2) * 30, wy = 480 - hh - 40 + (w / 2) * 40;
            shape(cr, [=](cairo_t* q) { rounded_rect(q, wx, wy, 18, 22, 3); }, (k + w) % 3 ? 0x2A2F5A : 0xFFE27A, 1.5,
                  false, 0.4);
        }
    }
    // An owl on a roof.
    shape(cr, [](cairo_t* q) { ellipse(q, 560, 345, 22, 28); }, 0x9A6038, 2, true, 0.3);
    for (int sd : {-1, 1}) {
        shape(cr, [=](cairo_t* q) { ellipse(q, 560 + sd * 10, 335, 9, 9); }, pal::white, 1.5, false, 0.1);
        eye(cr, 560 + sd * 10, 336, 5);
    }
    shape(cr, [](cairo_t* q) {
        cairo_move_to(q, 555, 345);
        cairo_line_to(q, 565, 345);
        cairo_line_to(q, 560, 353);
        cairo_close_path(q);
    }, pal::sun, 1.2, false);
}

void kites_wind(Canvas& c)
{
    cairo_t* cr = c.cr();
    Rng rng(507);
    day_sky(cr, rng, SkySpec{360, 0x38C8D8, 0xE8FFF0, 560, 60, 30, 6, 70, 120, 4});
    // Wind swirls.
    cairo_save(cr);
    set_rgb(cr, pal::white, 0.8);
    cairo_set_line_width(cr, 3);
    for (int k = 0; k < 6; ++k) {
        const double wx = rng.range(40, 560), wy = rng.range(80, 300);
        cairo_move_to(cr, wx - 50, wy);
        cairo_curve_to(cr, wx - 20, wy - 10, wx + 10, wy + 10, wx + 30, wy);
        cairo_arc_negative(cr, wx + 30, wy - 10, 10, kPi / 2, -kPi);
        cairo_stroke(cr);
    }
    cairo_restore(cr);
    hill(cr, kW, kH, 360, 30, 0.008, 0.9, 0x9BD874, 0x6FBF50);
    grass_blades(cr, rng, -10, kW + 10, 370, kH + 6, 800, pal::grass);
    flowers(cr, rng, Box{10, 390, kW - 20, 80}, 26, 5, 8, {{280, 360, 120, 110}});
    kite(cr, 160, 140, 55, pal::red, pal::sun, -0.3, 320, 430);
    kite(cr, 420, 120, 45, 0x4D8FE8, pal::white, 0.25, 330, 430);
    kite(cr, 540, 250, 35, 0x9B6BD3, pal::pink, 0.15, 340, 430);
    Bafo b;
    b.x = 330;
    b.y = 470;
    b.scale = 0.38;
    b.left = Arm::Up;
    b.right = Arm::Up;
    b.mouth = Mouth::Open;
    b.eyes = Eyes::Happy;
    draw_bafo(cr, b);
}

void earth_orbit(Canvas& c)
{
    cairo_t* cr = c.cr();
    Rng rng(508);
    space_backdrop(cr, rng, 0x060A24, 0x16306A, {0x2E6FD0, 0x2EC4B6}, 340);
    // The sun's glow in the corner.
    cairo_save(cr);
    cairo_pattern_t* g = cairo_pattern_create_radial(640, 0, 20, 640, 0, 260);
    cairo_pattern_add_color_stop_rgba(g, 0, 1, 0.95, 0.6, 1);
    cairo_pattern_add_color_stop_rgba(g, 0.3, 1, 0.8, 0.4, 0.6);
    cairo_pattern_add_color_stop_rgba(g, 1, 1, 0.8, 0.4, 0);
    cairo_set_source(cr, g);
    cairo_paint(cr);
    cairo_pattern_destroy(g);
    cairo_restore(cr);
    earth(cr, 280, 280, 150, true);
    planet(cr, 520, 370, 40, 0xC8C4D0, 0);
    satellite(cr, 500, 150, 0.75, 0.4);
    rocket(cr, 100, 110, 0.35, 1.0);
    comet(cr, 560, 440, 100, 3.0, pal::sun);
}

void planets_parade(Canvas& c)
{
    cairo_t* cr = c.cr();
    Rng rng(509);
    space_backdrop(cr, rng, 0x1A1040, 0x3A1A5A, {0xFF9F43, 0x9B6BD3}, 300);
    // The sun on the left edge, planets along their orbits.
    cairo_save(cr);
    set_rgb(cr, pal::white, 0.35);
    cairo_set_line_width(cr, 2);
    for (int k = 0; k < 7; ++k) {
        cairo_new_sub_path(cr);
        ellipse(cr, -60, 260, 170 + k * 80, 120 + k * 50);
    }
    cairo_stroke(cr);
    cairo_restore(cr);
    sun(cr, -20, 260, 120);
    struct P {
        double x, y, r;
        uint32_t colour;
        int bands;
        bool ring;
    };
    const P planets[] = {{140, 190, 16, 0xB8A898, 0, false}, {215, 330, 24, 0xF2C870, 2, false},
                         {290, 180, 28, 0x3D8FE0, 0, false}, {360, 360, 22, 0xE8603A, 0, false},
                         {450, 200, 56, 0xE8A860, 6, false}, {560, 380, 44, 0xF2D08A, 5, true},
                         {590, 120, 30, 0x6FD0E0, 3, false}};
    for (const P& p : planets)
        planet(cr, p.x, p.y, p.r, p.colour, p.bands, p.ring, 0xFFE8C0);
    earth(cr, 290, 180, 28, false);
    comet(cr, 420, 420, 140, 3.3, pal::sun);
    comet(cr, 200, 60, 90, 2.9, 0xFFD0E8);
}

void bafo_telescope(Canvas& c)
{
    cairo_t* cr = c.cr();
    Rng rng(510);
    space_backdrop(cr, rng, 0x2A1460, 0x8A4AB0, {0xFF8FC7, 0x6A5AC8}, 280);
    // Shooting stars and a constellation to find.
    comet(cr, 180, 80, 150, 2.6, pal::sun);
    comet(cr, 560, 180, 110, 2.8, 0xFFD0E8);
    const double con[][2] = {{380, 60}, {430, 90}, {480, 70}, {530, 100}, {560, 60}, {510, 40}};
    cairo_save(cr);
    set_rgb(cr, pal::white, 0.7);
    cairo_set_line_width(cr, 1.5);
    for (int k = 0; k < 6; ++k)
        cairo_line_to(cr, con[k][0], con[k][1]);
    cairo_stroke(cr);
    cairo_restore(cr);
    for (auto& p : con)
        twinkle_star(cr, p[0], p[1], 9, 0xFFE45C);
    planet(cr, 90, 200, 40, 0x7CCB5B, 3, true, pal::sun);
    moon_crescent(cr, 300, 130, 40, 0xFFF0B0, true);
    night_hills(cr, rng, 330, 0x5A4A9A, 0x3A2A7A);
    for (int k = 0; k < 4; ++k)
        pine(cr, 40 + k * 180 + rng.range(-20, 20), 345, 60, 0x2A3A6A);
    flowers(cr, rng, Box{10, 400, kW - 20, 70}, 16, 5, 7, {{150, 300, 400, 180}});
    telescope(cr, 430, 450, 1.0);
    Bafo b;
    b.x = 290;
    b.y = 455;
    b.scale = 0.6;
    b.right = Arm::Up;
    b.left = Arm::Wave;
    b.mouth = Mouth::Open;
    b.look = 0.5;
    draw_bafo(cr, b);
}

}  // namespace

void paint_space(Canvas& c, int i)
{
    struct Finish {
        Filler fill;
        std::vector<Box> keep;  // left as they are by the last touch
    };
    const Finish finish[] = {
        {night_bits(445), {{240, 100, 200, 260}}},
        {night_bits(300), {{190, 140, 140, 300}, {400, 40, 160, 160}}},
        {night_bits(kH), {{180, 130, 280, 220}}},
        {night_bits(330), {{150, 60, 340, 330}}},
        {land_bits(440), {{230, 110, 180, 180}}},
        {night_bits(290), {{210, 40, 250, 260}}},
        {land_bits(360), {{110, 80, 110, 160}, {380, 70, 90, 140}, {510, 210, 70, 110}, {290, 360, 90, 120}}},
        {night_bits(kH), {{130, 205, 300, 150}, {205, 130, 150, 300}, {174, 174, 212, 212}}},
        {night_bits(kH), {{380, 130, 140, 140}, {0, 140, 130, 240}}},
        {night_bits(330), {{220, 330, 240, 150}}},
    };
    switch (i) {
    case 1: rocket_launch(c); break;
    case 2: moon_walk(c); break;
    case 3: saturn_rings(c); break;
    case 4: ufo_hills(c); break;
    case 5: sunny_sky(c); break;
    case 6: sleepy_moon(c); break;
    case 7: kites_wind(c); break;
    case 8: earth_orbit(c); break;
    case 9: planets_parade(c); break;
    default: bafo_telescope(c); break;
    }
    Rng rng(0xFE00 + uint64_t(i));
    fill_plain_spots(c, rng, finish[i - 1].fill, finish[i - 1].keep);
}

}  // namespace datagen::pics
