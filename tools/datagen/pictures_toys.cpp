// Set 6: toys and fairy tales, from a teddy bear in the nursery to a castle on a hill.
#include "pictures_kit.h"

#include <array>
#include <cmath>

namespace datagen::pics {

namespace {

void teddy(cairo_t* cr, double x, double ground, double s, uint32_t fur)
{
    Local L(cr, x, ground, s);
    const double lw = L.lw;
    const uint32_t light = lighten(fur, 0.45);
    Rng rng(0x7EDD);
    ground_shadow(cr, 0, 110);
    // Sitting: legs forward, round tummy, arms out.
    for (int sd : {-1, 1}) {
        shape(cr, [=](cairo_t* c) { ellipse(c, sd * 55, -35, 42, 35); }, fur, lw, true, 0.3);
        shape(cr, [=](cairo_t* c) { ellipse(c, sd * 68, -30, 22, 24); }, light, lw, false, 0.2);
        for (int p = -1; p <= 1; ++p)
            shape(cr, [=](cairo_t* c) { ellipse(c, sd * 68 + p * 9, -48, 5, 5); }, fur, 0, false, 0);
    }
    for (int sd : {-1, 1})
        shape(cr, [=](cairo_t* c) {
            cairo_save(c);
            cairo_translate(c, sd * 75, -120);
            cairo_rotate(c, sd * -0.7);
            ellipse(c, 0, 0, 24, 45);
            cairo_restore(c);
        }, fur, lw, true, 0.3);
    auto body = [](cairo_t* c) { ellipse(c, 0, -110, 72, 80); };
    shape(cr, body, fur, lw, true, 0.3);
    shape(cr, [](cairo_t* c) { ellipse(c, 0, -95, 44, 50); }, light, 0, false, 0.1);
    strokes(cr, rng, body, Box{-72, -190, 144, 160}, 70, darken(fur, 0.18), 7, 1.3, 0.6);
    // Stitched patch on the tummy.
    shape(cr, [](cairo_t* c) { rounded_rect(c, 10, -90, 26, 24, 4); }, 0x8FD3F4, lw * 0.8, false, 0.2);
    cairo_save(cr);
    set_rgb(cr, pal::outline);
    cairo_set_line_width(cr, lw * 0.6);
    const double dash[] = {3, 3};
    cairo_set_dash(cr, dash, 2, 0);
    rounded_rect(cr, 13, -87, 20, 18, 3);
    cairo_stroke(cr);
    cairo_restore(cr);
    // Head.
    for (int sd : {-1, 1}) {
        shape(cr, [=](cairo_t* c) { ellipse(c, sd * 52, -275, 26, 26); }, fur, lw, true, 0.3);
        shape(cr, [=](cairo_t* c) { ellipse(c, sd * 52, -273, 14, 14); }, light, 0, false, 0.1);
    }
    auto head = [](cairo_t* c) { ellipse(c, 0, -225, 68, 60); };
    shape(cr, head, fur, lw, true, 0.3);
    strokes(cr, rng, head, Box{-68, -285, 136, 120}, 40, darken(fur, 0.18), 6, 1.3, 0.6);
    shape(cr, [](cairo_t* c) { ellipse(c, 0, -200, 30, 23); }, light, lw, false, 0.2);
    shape(cr, [](cairo_t* c) { ellipse(c, 0, -210, 11, 8); }, pal::nose, lw * 0.5, false, 0.2);
    smile(cr, 0, -196, 20, lw);
    eye(cr, -26, -238, 9);
    eye(cr, 26, -238, 9);
    blush(cr, -44, -210, 10);
    blush(cr, 44, -210, 10);
    // Bow tie.
    shape(cr, [](cairo_t* c) {
        cairo_move_to(c, 0, -168);
        cairo_line_to(c, -32, -182);
        cairo_line_to(c, -32, -150);
        cairo_close_path(c);
        cairo_move_to(c, 0, -168);
        cairo_line_to(c, 32, -182);
        cairo_line_to(c, 32, -150);
        cairo_close_path(c);
    }, pal::red, lw, false, 0.3);
    cairo_save(cr);
    set_rgb(cr, pal::white);
    for (auto& d : {std::array<double, 2>{-22, -168}, std::array<double, 2>{22, -168}, std::array<double, 2>{-14, -160},
                    std::array<double, 2>{14, -176}}) {
        cairo_arc(cr, d[0], d[1], 2.5, 0, 2 * kPi);
        cairo_fill(cr);
    }
    cairo_restore(cr);
    shape(cr, [](cairo_t* c) { ellipse(c, 0, -168, 8, 8); }, pal::red, lw, false, 0.3);
}

void block(cairo_t* cr, double x, double y, double s, uint32_t colour, int sign)
{
    const double d = s * 0.3;
    shape(cr, [=](cairo_t* c) {
        cairo_move_to(c, x, y);
        cairo_line_to(c, x + d, y - d);
        cairo_line_to(c, x + s + d, y - d);
        cairo_line_to(c, x + s, y);
        cairo_close_path(c);
    }, lighten(colour, 0.3), 2, false, 0.1);
    shape(cr, [=](cairo_t* c) {
        cairo_move_to(c, x + s, y);
        cairo_line_to(c, x + s + d, y - d);
        cairo_line_to(c, x + s + d, y + s - d);
        cairo_line_to(c, x + s, y + s);
        cairo_close_path(c);
    }, darken(colour, 0.2), 2, false, 0.1);
    shape(cr, [=](cairo_t* c) { cairo_rectangle(c, x, y, s, s); }, colour, 2, true, 0.2);
    // A picture on the face: star, heart, circle or triangle.
    const double cx = x + s / 2, cy = y + s / 2, r = s * 0.3;
    shape(cr, [=](cairo_t* c) {
        switch (sign % 4) {
        case 0: star_path(c, cx, cy, r, r * 0.45, 5); break;
        case 1: heart_path(c, cx, cy, r * 0.9); break;
        case 2: ellipse(c, cx, cy, r * 0.85, r * 0.85); break;
        default:
            cairo_move_to(c, cx, cy - r);
            cairo_line_to(c, cx + r, cy + r * 0.8);
            cairo_line_to(c, cx - r, cy + r * 0.8);
            cairo_close_path(c);
        }
    }, pal::white, 1.5, false, 0.1);
}

void ball(cairo_t* cr, double x, double y, double r, uint32_t a, uint32_t b)
{
    shape(cr, [=](cairo_t* c) { ellipse(c, x, y, r, r); }, a, 2.2, true, 0.3);
    cairo_save(cr);
    ellipse(cr, x, y, r, r);
    cairo_clip(cr);
    set_rgb(cr, b);
    cairo_set_line_width(cr, r * 0.35);
    cairo_move_to(cr, x - r, y + r * 0.4);
    cairo_curve_to(cr, x - r * 0.3, y - r * 0.2, x + r * 0.3, y - r * 0.2, x + r, y + r * 0.4);
    cairo_stroke(cr);
    set_rgb(cr, pal::white, 0.5);
    ellipse(cr, x - r * 0.35, y - r * 0.45, r * 0.28, r * 0.16);
    cairo_fill(cr);
    cairo_restore(cr);
    cairo_save(cr);
    ellipse(cr, x, y, r, r);
    set_rgb(cr, pal::outline);
    cairo_set_line_width(cr, 2.2);
    cairo_stroke(cr);
    cairo_restore(cr);
}

void rug(cairo_t* cr, double cx, double cy, double rx, double ry, uint32_t a, uint32_t b)
{
    for (int k = 0; k < 4; ++k)
        shape(cr, [=](cairo_t* c) { ellipse(c, cx, cy, rx * (1 - k * 0.22), ry * (1 - k * 0.22)); }, k % 2 ? b : a,
              k == 0 ? 2.2 : 0, k == 0, 0.1);
    cairo_save(cr);
    set_rgb(cr, pal::white, 0.8);
    for (int k = 0; k < 28; ++k) {
        const double t = k * 2 * kPi / 28;
        cairo_arc(cr, cx + rx * 0.89 * std::cos(t), cy + ry * 0.89 * std::sin(t), 3, 0, 2 * kPi);
        cairo_fill(cr);
    }
    cairo_restore(cr);
}

void shelf(cairo_t* cr, double x, double y, double w)
{
    shape(cr, [=](cairo_t* c) { rounded_rect(c, x, y, w, 12, 3); }, 0xC98B55, 2, true, 0.2);
    for (double bx : {x + 14, x + w - 24})
        shape(cr, [=](cairo_t* c) {
            cairo_move_to(c, bx, y + 12);
            cairo_line_to(c, bx + 10, y + 12);
            cairo_line_to(c, bx + 10, y + 34);
            cairo_close_path(c);
        }, 0xA86A3C, 1.5, false);
}

void books(cairo_t* cr, double x, double y)
{
    const uint32_t cols[] = {pal::red, 0x4D8FE8, pal::sun, 0x7CCB5B, 0x9B6BD3};
    for (int k = 0; k < 5; ++k) {
        const double h = 40 + (k * 7 % 14);
        shape(cr, [=](cairo_t* c) { rounded_rect(c, x + k * 15, y - h, 13, h, 2); }, cols[k], 1.6, false, 0.3);
        set_rgb(cr, pal::white, 0.7);
        cairo_rectangle(cr, x + k * 15 + 3, y - h + 8, 7, 3);
        cairo_fill(cr);
    }
}

void castle(cairo_t* cr, double x, double ground, double s)
{
    Local L(cr, x, ground, s);
    const double lw = L.lw;
    const uint32_t wall = 0xFFC8DC, roof = 0x9B6BD3;
    auto tower = [&](double tx, double w, double h) {
        auto body = [=](cairo_t* c) { cairo_rectangle(c, tx - w / 2, -h, w, h); };
        shape(cr, body, wall, lw, true, 0.2);
        cairo_save(cr);
        body(cr);
        cairo_clip(cr);
        set_rgb(cr, darken(wall, 0.15), 0.8);
        cairo_set_line_width(cr, lw * 0.6);
        for (double yy = -h + 12; yy < 0; yy += 16) {
            cairo_move_to(cr, tx - w / 2, yy);
            cairo_line_to(cr, tx + w / 2, yy);
            for (double xx = tx - w / 2 + (int(-yy / 16) % 2) * 12; xx < tx + w / 2; xx += 24) {
                cairo_move_to(cr, xx, yy);
                cairo_line_to(cr, xx, yy + 16);
            }
        }
        cairo_stroke(cr);
        cairo_restore(cr);
        shape(cr, [=](cairo_t* c) {
            cairo_move_to(c, tx - w / 2 - 8, -h);
            cairo_line_to(c, tx, -h - w * 1.3);
            cairo_line_to(c, tx + w / 2 + 8, -h);
            cairo_close_path(c);
        }, roof, lw, true, 0.3);
        cairo_move_to(cr, tx, -h - w * 1.3);
        cairo_line_to(cr, tx, -h - w * 1.3 - 30);
        thick_line(cr, 2, 0x6A4A30, lw * 0.6);
        shape(cr, [=](cairo_t* c) {
            cairo_move_to(c, tx, -h - w * 1.3 - 30);
            cairo_line_to(c, tx + 26, -h - w * 1.3 - 23);
            cairo_line_to(c, tx, -h - w * 1.3 - 16);
            cairo_close_path(c);
        }, pal::sun, lw * 0.6, false, 0.2);
        shape(cr, [=](cairo_t* c) {
            cairo_move_to(c, tx - 9, -h + 50);
            cairo_line_to(c, tx - 9, -h + 30);
            cairo_arc(c, tx, -h + 30, 9, kPi, 2 * kPi);
            cairo_line_to(c, tx + 9, -h + 50);
            cairo_close_path(c);
        }, 0xFFE27A, lw * 0.8, false, 0.4);
    };
    tower(-150, 70, 230);
    tower(150, 70, 230);
    tower(-70, 60, 300);
    tower(70, 60, 300);
    // Main hall with battlements and the gate.
    shape(cr, [](cairo_t* c) {
        cairo_move_to(c, -120, 0);
        cairo_line_to(c, -120, -180);
        for (int k = 0; k < 6; ++k) {
            cairo_line_to(c, -120 + k * 40, -200);
            cairo_line_to(c, -100 + k * 40, -200);
            cairo_line_to(c, -100 + k * 40, -180);
            cairo_line_to(c, -80 + k * 40, -180);
        }
        cairo_line_to(c, 120, 0);
        cairo_close_path(c);
    }, lighten(wall, 0.2), lw, true, 0.2);
    tower(0, 80, 320);
    shape(cr, [](cairo_t* c) {
        cairo_move_to(c, -40, 0);
        cairo_line_to(c, -40, -70);
        cairo_arc(c, 0, -70, 40, kPi, 2 * kPi);
        cairo_line_to(c, 40, 0);
        cairo_close_path(c);
    }, 0x9A6038, lw, false, 0.2);
    cairo_save(cr);
    set_rgb(cr, 0x6A3A20);
    cairo_set_line_width(cr, lw);
    for (double gx = -28; gx <= 28; gx += 14) {
        cairo_move_to(cr, gx, -100);
        cairo_line_to(cr, gx, 0);
    }
    cairo_stroke(cr);
    cairo_restore(cr);
    shape(cr, [](cairo_t* c) { heart_path(c, 0, -140, 16); }, pal::red, lw, false, 0.3);
}

void dragon(cairo_t* cr, double x, double ground, double s)
{
    Local L(cr, x, ground, s);
    const double lw = L.lw;
    const uint32_t green = 0x5DBB4A, belly = 0xFFE7A0;
    ground_shadow(cr, 0, 130);
    // Tail curling round to the left with a spade tip.
    cairo_move_to(cr, -50, -40);
    cairo_curve_to(cr, -120, -20, -170, -40, -180, -90);
    thick_line(cr, 26, green, lw);
    shape(cr, [](cairo_t* c) {
        cairo_move_to(c, -180, -95);
        cairo_line_to(c, -205, -120);
        cairo_line_to(c, -170, -135);
        cairo_line_to(c, -165, -100);
        cairo_close_path(c);
    }, pal::orange, lw, false, 0.3);
    // Wings.
    for (int sd : {-1, 1})
        shape(cr, [=](cairo_t* c) {
            cairo_move_to(c, sd * 20, -160);
            cairo_curve_to(c, sd * 60, -240, sd * 120, -260, sd * 150, -250);
            cairo_curve_to(c, sd * 130, -220, sd * 140, -200, sd * 130, -185);
            cairo_curve_to(c, sd * 110, -195, sd * 100, -170, sd * 85, -170);
            cairo_curve_to(c, sd * 70, -180, sd * 50, -160, sd * 30, -130);
            cairo_close_path(c);
        }, 0x9B6BD3, lw, true, 0.3);
    // Body.
    auto body = [](cairo_t* c) { ellipse(c, 0, -95, 75, 90); };
    shape(cr, body, green, lw, true, 0.3);
    shape(cr, [](cairo_t* c) { ellipse(c, 0, -80, 45, 65); }, belly, lw * 0.8, false, 0.2);
    cairo_save(cr);
    set_rgb(cr, darken(belly, 0.2));
    cairo_set_line_width(cr, lw * 0.8);
    for (int k = 0; k < 5; ++k) {
        cairo_move_to(cr, -38 + k * 3, -120 + k * 22);
        cairo_curve_to(cr, -15, -112 + k * 22, 15, -112 + k * 22, 38 - k * 3, -120 + k * 22);
    }
    cairo_stroke(cr);
    cairo_restore(cr);
    Rng rng(0xD7A);
    speckles(cr, rng, [](cairo_t* c) {
        ellipse(c, 0, -95, 75, 90);
        ellipse(c, 0, -80, 45, 65);
    }, Box{-75, -185, 150, 180}, 26, darken(green, 0.2), 3, 6, 0.8);
    // Feet and arms.
    for (int sd : {-1, 1}) {
        shape(cr, [=](cairo_t* c) { ellipse(c, sd * 45, -12, 32, 16); }, green, lw, false, 0.3);
        for (int t = -1; t <= 1; ++t)
            shape(cr, [=](cairo_t* c) { ellipse(c, sd * 45 + t * 12, -3, 5, 4); }, pal::white, lw * 0.5, false);
        cairo_move_to(cr, sd * 55, -120);
        cairo_curve_to(cr, sd * 80, -110, sd * 85, -90, sd * 75, -75);
        thick_line(cr, 18, green, lw);
    }
    // Spikes down the back of the head.
    shape(cr, [](cairo_t* c) {
        for (int k = 0; k < 3; ++k) {
            const double bx = -30 + k * 30;
            cairo_move_to(c, bx - 12, -255);
            cairo_line_to(c, bx, -285 + (k == 1 ? -10 : 0));
            cairo_line_to(c, bx + 12, -255);
            cairo_close_path(c);
        }
    }, pal::orange, lw, false, 0.3);
    // Head.
    shape(cr, [](cairo_t* c) { ellipse(c, 0, -220, 70, 52); }, green, lw, true, 0.3);
    shape(cr, [](cairo_t* c) { ellipse(c, 0, -195, 46, 28); }, lighten(green, 0.3), lw, false, 0.2);
    for (int sd : {-1, 1}) {
        set_rgb(cr, darken(green, 0.4));
        ellipse(cr, sd * 14, -202, 4, 5);
        cairo_fill(cr);
        shape(cr, [=](cairo_t* c) {
            cairo_move_to(c, sd * 30, -262);
            cairo_curve_to(c, sd * 35, -285, sd * 45, -292, sd * 52, -292);
            cairo_curve_to(c, sd * 50, -280, sd * 48, -268, sd * 44, -258);
            cairo_close_path(c);
        }, belly, lw, false, 0.3);
    }
    eye(cr, -26, -235, 10);
    eye(cr, 26, -235, 10);
    smile(cr, 0, -185, 30, lw, true);
    blush(cr, -50, -205, 10);
    blush(cr, 50, -205, 10);
}

void rubber_duck(cairo_t* cr, double x, double y, double s)
{
    Local L(cr, x, y, s);
    const double lw = L.lw;
    const uint32_t yellow = 0xFFD23F;
    auto body = [](cairo_t* c) {
        cairo_move_to(c, -110, -50);
        cairo_curve_to(c, -130, -90, -110, -110, -90, -90);
        cairo_curve_to(c, -60, -70, -20, -80, 20, -80);
        cairo_curve_to(c, 100, -80, 110, -10, 80, 10);
        cairo_curve_to(c, 30, 35, -70, 30, -100, 5);
        cairo_curve_to(c, -115, -10, -118, -30, -110, -50);
        cairo_close_path(c);
    };
    shape(cr, body, yellow, lw, true, 0.35);
    shape(cr, [](cairo_t* c) {
        cairo_move_to(c, -60, -50);
        cairo_curve_to(c, -20, -75, 40, -60, 35, -25);
        cairo_curve_to(c, 0, -5, -50, -15, -60, -50);
        cairo_close_path(c);
    }, 0xF5B820, lw, false, 0.3);
    shape(cr, [](cairo_t* c) { ellipse(c, 45, -130, 55, 52); }, yellow, lw, true, 0.35);
    shape(cr, [](cairo_t* c) {
        cairo_move_to(c, 88, -128);
        cairo_curve_to(c, 120, -138, 140, -125, 138, -112);
        cairo_curve_to(c, 130, -100, 105, -100, 88, -108);
        cairo_close_path(c);
    }, pal::orange, lw, false, 0.3);
    eye(cr, 60, -145, 10, 0.4);
    blush(cr, 50, -110, 10);
    set_rgb(cr, pal::white, 0.6);
    ellipse(cr, 20, -160, 14, 8);
    cairo_fill(cr);
}

void foam(cairo_t* cr, Rng& rng, double x0, double x1, double y, int count)
{
    for (int k = 0; k < count; ++k) {
        const double fx = x0 + (x1 - x0) * (k + rng.uniform()) / count, fy = y + rng.range(-20, 10);
        const double r = rng.range(14, 28);
        shape(cr, [=](cairo_t* c) { ellipse(c, fx, fy, r, r * 0.85); }, pal::white, 1.6, false, 0.15);
        set_rgb(cr, 0xB8D8F0, 0.9);
        cairo_set_line_width(cr, 1.5);
        cairo_new_sub_path(cr);
        cairo_arc(cr, fx + 2, fy + 2, r * 0.6, 0.2, 1.8);
        cairo_stroke(cr);
    }
}

void rocking_horse(cairo_t* cr, double x, double ground, double s)
{
    Local L(cr, x, ground, s);
    const double lw = L.lw;
    const uint32_t body_c = 0xF4EDE2, mane = 0xE8503A;
    // Rocker.
    cairo_new_sub_path(cr);
    cairo_arc_negative(cr, 0, -300, 300, kPi * 0.72, kPi * 0.28);
    thick_line(cr, 16, 0xC98B55, lw);
    for (int sd : {-1, 1}) {
        cairo_move_to(cr, sd * 70, -100);
        cairo_line_to(cr, sd * 110, -18);
        cairo_move_to(cr, sd * 40, -100);
        cairo_line_to(cr, sd * 45, -12);
        thick_line(cr, 14, body_c, lw);
    }
    // Tail.
    shape(cr, [](cairo_t* c) {
        cairo_move_to(c, -100, -150);
        cairo_curve_to(c, -150, -150, -160, -100, -145, -60);
        cairo_curve_to(c, -130, -90, -120, -110, -95, -125);
        cairo_close_path(c);
    }, mane, lw, false, 0.3);
    auto body = [](cairo_t* c) { rounded_rect(c, -110, -165, 210, 75, 36); };
    shape(cr, body, body_c, lw, true, 0.3);
    // Dapples.
    cairo_save(cr);
    body(cr);
    cairo_clip(cr);
    set_rgb(cr, 0x8FB8E8, 0.8);
    const double dots[][3] = {{-70, -140, 10}, {-40, -115, 8}, {60, -140, 9}, {80, -110, 7}, {-85, -110, 6}};
    for (auto& d : dots) {
        cairo_arc(cr, d[0], d[1], d[2], 0, 2 * kPi);
        cairo_fill(cr);
    }
    cairo_restore(cr);
    // Saddle.
    shape(cr, [](cairo_t* c) {
        cairo_move_to(c, -40, -165);
        cairo_curve_to(c, -30, -185, 30, -185, 40, -165);
        cairo_line_to(c, 30, -125);
        cairo_line_to(c, -30, -125);
        cairo_close_path(c);
    }, pal::red, lw, false, 0.25);
    shape(cr, [](cairo_t* c) { rounded_rect(c, -6, -130, 12, 30, 4); }, pal::sun, lw * 0.7, false, 0.3);
    // Neck and head.
    shape(cr, [](cairo_t* c) {
        cairo_move_to(c, 50, -150);
        cairo_line_to(c, 90, -250);
        cairo_line_to(c, 140, -240);
        cairo_line_to(c, 100, -130);
        cairo_close_path(c);
    }, body_c, lw, false, 0.2);
    shape(cr, [](cairo_t* c) {
        cairo_move_to(c, 80, -260);
        cairo_curve_to(c, 100, -295, 150, -290, 160, -265);
        cairo_line_to(c, 185, -220);
        cairo_curve_to(c, 190, -200, 165, -190, 150, -200);
        cairo_curve_to(c, 120, -215, 95, -230, 80, -260);
        cairo_close_path(c);
    }, body_c, lw, true, 0.3);
    shape(cr, [](cairo_t* c) {
        cairo_move_to(c, 100, -285);
        cairo_line_to(c, 104, -310);
        cairo_line_to(c, 118, -290);
        cairo_close_path(c);
    }, body_c, lw, false, 0.2);
    shape(cr, [](cairo_t* c) {
        cairo_move_to(c, 85, -280);
        for (int k = 0; k < 5; ++k) {
            const double t = k / 5.0;
            cairo_curve_to(c, 60 - t * 20, -270 + t * 110, 55 - t * 20, -255 + t * 110, 75 - t * 20, -250 + t * 110);
        }
        cairo_line_to(c, 55, -150);
        cairo_line_to(c, 95, -250);
        cairo_close_path(c);
    }, mane, lw, false, 0.3);
    eye(cr, 130, -255, 8, 0.5);
    blush(cr, 150, -225, 7);
    smile(cr, 170, -207, 14, lw);
    // Bridle: a strap behind the eye and a noseband.
    cairo_move_to(cr, 108, -282);
    cairo_line_to(cr, 122, -228);
    cairo_move_to(cr, 160, -250);
    cairo_line_to(cr, 146, -212);
    thick_line(cr, 4, pal::sun, lw * 0.6);
    shape(cr, [](cairo_t* c) { ellipse(c, 150, -222, 5, 5); }, pal::sun, lw * 0.6, false, 0.3);
}

void robot(cairo_t* cr, double x, double ground, double s)
{
    Local L(cr, x, ground, s);
    const double lw = L.lw;
    const uint32_t metal = 0xC8D4E4, blue = 0x4D8FE8;
    ground_shadow(cr, 0, 100);
    // Legs and feet.
    for (int sd : {-1, 1}) {
        shape(cr, [=](cairo_t* c) { rounded_rect(c, sd * 35 - 14, -80, 28, 70, 8); }, 0x9AA8BC, lw, false, 0.3);
        shape(cr, [=](cairo_t* c) { rounded_rect(c, sd * 35 - 28, -22, 56, 22, 10); }, blue, lw, false, 0.3);
    }
    // Arms: one waving.
    cairo_move_to(cr, -70, -180);
    cairo_line_to(cr, -120, -240);
    thick_line(cr, 16, 0x9AA8BC, lw);
    shape(cr, [](cairo_t* c) {
        cairo_new_sub_path(c);
        cairo_arc(c, -126, -250, 18, 0, 2 * kPi);
    }, pal::orange, lw, false, 0.3);
    cairo_move_to(cr, 70, -180);
    cairo_line_to(cr, 110, -120);
    thick_line(cr, 16, 0x9AA8BC, lw);
    shape(cr, [](cairo_t* c) { ellipse(c, 114, -112, 18, 18); }, pal::orange, lw, false, 0.3);
    // Body with a control panel and a heart.
    shape(cr, [](cairo_t* c) { rounded_rect(c, -75, -210, 150, 135, 20); }, metal, lw, true, 0.35);
    shape(cr, [](cairo_t* c) { rounded_rect(c, -50, -190, 100, 70, 10); }, 0x2A3A5A, lw, false, 0.2);
    shape(cr, [](cairo_t* c) { heart_path(c, -20, -158, 14); }, pal::red, lw * 0.7, false, 0.3);
    const uint32_t btn[] = {pal::sun, 0x7CCB5B, pal::pink};
    for (int k = 0; k < 3; ++k)
        shape(cr, [=](cairo_t* c) { ellipse(c, 18 + (k % 2) * 16, -170 + k * 12, 6, 6); }, btn[k], lw * 0.5, false,
              0.4);
    for (int k = 0; k < 4; ++k)
        shape(cr, [=](cairo_t* c) { rounded_rect(c, -45 + k * 25, -110, 18, 14, 3); }, k % 2 ? blue : pal::sun,
              lw * 0.6, false, 0.3);
    // Head.
    shape(cr, [](cairo_t* c) { rounded_rect(c, -20, -232, 40, 24, 6); }, 0x9AA8BC, lw, false, 0.3);
    shape(cr, [](cairo_t* c) { rounded_rect(c, -70, -330, 140, 100, 24); }, metal, lw, true, 0.35);
    for (int sd : {-1, 1})
        shape(cr, [=](cairo_t* c) { rounded_rect(c, sd * 78 - 10, -300, 20, 40, 8); }, blue, lw, false, 0.3);
    cairo_move_to(cr, 0, -330);
    cairo_line_to(cr, 0, -362);
    thick_line(cr, 4, 0x9AA8BC, lw);
    shape(cr, [](cairo_t* c) { ellipse(c, 0, -368, 10, 10); }, pal::red, lw, false, 0.4);
    sparkle(cr, 0, -368, 16, pal::white, 0.6);
    for (int sd : {-1, 1}) {
        shape(cr, [=](cairo_t* c) { ellipse(c, sd * 30, -290, 20, 20); }, pal::white, lw, false, 0.1);
        eye(cr, sd * 30, -290, 12);
    }
    shape(cr, [](cairo_t* c) { rounded_rect(c, -30, -262, 60, 16, 8); }, 0x2A3A5A, lw, false, 0.2);
    cairo_save(cr);
    set_rgb(cr, 0x8FE0F0);
    for (int k = 0; k < 5; ++k) {
        rounded_rect(cr, -24 + k * 10, -258, 6, 8, 2);
        cairo_fill(cr);
    }
    cairo_restore(cr);
    blush(cr, -50, -262, 8);
    blush(cr, 50, -262, 8);
    // Bolts.
    set_rgb(cr, 0x8A96A8);
    for (auto& b : {std::array<double, 2>{-60, -320}, std::array<double, 2>{60, -320}, std::array<double, 2>{-60, -240},
                    std::array<double, 2>{60, -240}}) {
        cairo_arc(cr, b[0], b[1], 3.5, 0, 2 * kPi);
        cairo_fill(cr);
    }
}

void candy_house(cairo_t* cr, Rng& rng, double x, double ground, double s)
{
    Local L(cr, x, ground, s);
    const double lw = L.lw;
    const uint32_t ginger = 0xC8844A;
    auto walls = [](cairo_t* c) { cairo_rectangle(c, -150, -190, 300, 190); };
    shape(cr, walls, ginger, lw, true, 0.2);
    speckles(cr, rng, walls, Box{-150, -190, 300, 190}, 60, 0x8A5530, 1.5, 3, 0.6);
    // Roof of icing with sweets.
    auto roof = [](cairo_t* c) {
        cairo_move_to(c, -185, -180);
        cairo_line_to(c, 0, -330);
        cairo_line_to(c, 185, -180);
        cairo_close_path(c);
    };
    shape(cr, roof, 0xE05A8A, lw, true, 0.25);
    cairo_save(cr);
    roof(cr);
    cairo_clip(cr);
    const uint32_t sweets[] = {pal::sun, 0x7CCB5B, 0x4D8FE8, pal::white, 0x9B6BD3, pal::orange};
    for (double yy = -310; yy < -180; yy += 24)
        for (double xx = -180 + std::fmod(-yy, 48.0) / 2; xx < 180; xx += 34)
            shape(cr, [=](cairo_t* c) { ellipse(c, xx, yy, 8, 8); }, sweets[size_t((int(xx + yy + 400) / 7 % 6 + 6) % 6)],
                  lw * 0.6, false, 0.4);
    cairo_restore(cr);
    // Icing drips along the roof edge.
    shape(cr, [](cairo_t* c) {
        cairo_move_to(c, -190, -182);
        for (int k = 0; k <= 18; ++k) {
            const double xx = -190 + k * 21;
            cairo_line_to(c, xx, -176 + (k % 2 ? 14 : 0));
        }
        cairo_line_to(c, 190, -190);
        cairo_line_to(c, -190, -190);
        cairo_close_path(c);
    }, pal::white, lw, false, 0.1);
    // Door, windows with icing crosses, candy canes by the door.
    shape(cr, [](cairo_t* c) {
        cairo_move_to(c, -35, 0);
        cairo_line_to(c, -35, -80);
        cairo_arc(c, 0, -80, 35, kPi, 2 * kPi);
        cairo_line_to(c, 35, 0);
        cairo_close_path(c);
    }, 0xE8A05A, lw, false, 0.2);
    cairo_save(cr);
    set_rgb(cr, pal::white);
    cairo_set_line_width(cr, lw * 1.5);
    for (int k = 0; k < 4; ++k) {
        cairo_move_to(cr, -28, -75 + k * 20);
        cairo_line_to(cr, 28, -75 + k * 20);
    }
    cairo_stroke(cr);
    cairo_restore(cr);
    shape(cr, [](cairo_t* c) { ellipse(c, 20, -50, 6, 6); }, pal::red, lw * 0.6, false, 0.4);
    for (int sd : {-1, 1}) {
        shape(cr, [=](cairo_t* c) { rounded_rect(c, sd * 95 - 32, -150, 64, 56, 6); }, 0xFFE27A, lw, false, 0.4);
        cairo_save(cr);
        set_rgb(cr, pal::white);
        cairo_set_line_width(cr, lw * 2);
        cairo_move_to(cr, sd * 95, -150);
        cairo_line_to(cr, sd * 95, -94);
        cairo_move_to(cr, sd * 95 - 32, -122);
        cairo_line_to(cr, sd * 95 + 32, -122);
        cairo_stroke(cr);
        cairo_restore(cr);
        // Candy cane.
        const double cx = sd * 60;
        cairo_move_to(cr, cx, 0);
        cairo_line_to(cr, cx, -60);
        cairo_arc(cr, cx - sd * 10, -60, 10, sd > 0 ? 0 : kPi, sd > 0 ? kPi : 2 * kPi);
        cairo_set_line_width(cr, 9 + 2 * lw);
        set_rgb(cr, pal::outline);
        cairo_stroke_preserve(cr);
        cairo_set_line_width(cr, 9);
        set_rgb(cr, pal::white);
        cairo_stroke_preserve(cr);
        const double dash[] = {6, 6};
        cairo_set_dash(cr, dash, 2, 0);
        set_rgb(cr, pal::red);
        cairo_stroke(cr);
        cairo_set_dash(cr, nullptr, 0, 0);
    }
    // Gumdrops along the bottom.
    for (int k = 0; k < 9; ++k)
        shape(cr, [=](cairo_t* c) {
            const double gx = -140 + k * 35;
            cairo_move_to(c, gx - 12, 0);
            cairo_curve_to(c, gx - 12, -22, gx + 12, -22, gx + 12, 0);
            cairo_close_path(c);
        }, sweets[k % 6], lw * 0.8, false, 0.4);
}

void lollipop(cairo_t* cr, double x, double ground, double h, uint32_t a, uint32_t b)
{
    cairo_move_to(cr, x, ground);
    cairo_line_to(cr, x, ground - h);
    thick_line(cr, 5, pal::white, 1.5);
    const double r = h * 0.28;
    shape(cr, [=](cairo_t* c) { ellipse(c, x, ground - h, r, r); }, a, 2, true, 0.3);
    cairo_save(cr);
    ellipse(cr, x, ground - h, r, r);
    cairo_clip(cr);
    set_rgb(cr, b);
    cairo_set_line_width(cr, r * 0.25);
    cairo_new_path(cr);
    for (double t = 0; t < 14; t += 0.1)
        cairo_line_to(cr, x + r * t / 14 * std::cos(t), ground - h + r * t / 14 * std::sin(t));
    cairo_stroke(cr);
    cairo_restore(cr);
}

void gingerbread_man(cairo_t* cr, double x, double ground, double s)
{
    Local L(cr, x, ground, s);
    const double lw = L.lw;
    auto body = [](cairo_t* c) {
        ellipse(c, 0, -95, 22, 22);
        rounded_rect(c, -22, -78, 44, 50, 16);
        cairo_new_sub_path(c);
        cairo_move_to(c, -20, -70);
        cairo_line_to(c, -48, -60);
        cairo_line_to(c, -44, -46);
        cairo_line_to(c, -18, -52);
        cairo_close_path(c);
        cairo_move_to(c, 20, -70);
        cairo_line_to(c, 48, -82);
        cairo_line_to(c, 50, -68);
        cairo_line_to(c, 18, -52);
        cairo_close_path(c);
        cairo_move_to(c, -18, -35);
        cairo_line_to(c, -28, 0);
        cairo_line_to(c, -10, 0);
        cairo_line_to(c, 0, -28);
        cairo_line_to(c, 10, 0);
        cairo_line_to(c, 28, 0);
        cairo_line_to(c, 18, -35);
        cairo_close_path(c);
    };
    shape(cr, body, 0xC8844A, lw, true, 0.3);
    eye(cr, -8, -99, 4);
    eye(cr, 8, -99, 4);
    smile(cr, 0, -88, 14, lw);
    for (int k = 0; k < 3; ++k)
        shape(cr, [=](cairo_t* c) { ellipse(c, 0, -68 + k * 13, 4, 4); }, k % 2 ? pal::red : 0x7CCB5B, lw * 0.5, false);
}

void unicorn(cairo_t* cr, double x, double ground, double s)
{
    Local L(cr, x, ground, s);
    const double lw = L.lw;
    const uint32_t white = 0xFFF8FC;
    const uint32_t mane[] = {0xFF8FC7, 0xC9A3F0, 0x8FD3F4, 0xFFE27A};
    ground_shadow(cr, 0, 130);
    auto leg = [&](double lx, uint32_t col) {
        shape(cr, [=](cairo_t* c) { rounded_rect(c, lx - 12, -130, 24, 130, 10); }, col, lw, false, 0.1);
        shape(cr, [=](cairo_t* c) { rounded_rect(c, lx - 13, -16, 26, 16, 5); }, 0xC9A3F0, lw, false, 0.3);
    };
    leg(-60, 0xE8E0F0);
    leg(75, 0xE8E0F0);
    // Rainbow tail.
    for (int k = 0; k < 4; ++k)
        shape(cr, [=](cairo_t* c) {
            cairo_move_to(c, -110, -180 + k * 8);
            cairo_curve_to(c, -160 - k * 6, -170 + k * 10, -170 - k * 5, -110 + k * 8, -150 - k * 4, -60 + k * 6);
            cairo_curve_to(c, -140, -100, -125, -130, -105, -150 + k * 5);
            cairo_close_path(c);
        }, mane[k], lw, k == 0, 0.3);
    auto body = [](cairo_t* c) {
        cairo_move_to(c, -118, -160);
        cairo_curve_to(c, -120, -200, -90, -212, -50, -205);
        cairo_curve_to(c, 0, -198, 60, -210, 100, -200);
        cairo_curve_to(c, 130, -185, 125, -130, 100, -115);
        cairo_curve_to(c, 40, -100, -60, -100, -95, -115);
        cairo_curve_to(c, -112, -125, -118, -140, -118, -160);
        cairo_close_path(c);
    };
    shape(cr, [](cairo_t* c) {
        cairo_move_to(c, 55, -195);
        cairo_curve_to(c, 70, -245, 95, -285, 120, -300);
        cairo_line_to(c, 165, -280);
        cairo_curve_to(c, 150, -240, 130, -190, 110, -140);
        cairo_close_path(c);
    }, white, lw, false, 0.2);
    shape(cr, body, white, lw, true, 0.3);
    // Stars on the flank.
    for (auto& st : {std::array<double, 3>{-60, -170, 10}, std::array<double, 3>{-30, -145, 7},
                     std::array<double, 3>{-75, -135, 6}, std::array<double, 3>{10, -175, 8},
                     std::array<double, 3>{40, -140, 9}, std::array<double, 3>{80, -170, 7},
                     std::array<double, 3>{-5, -125, 5}})
        shape(cr, [=](cairo_t* c) { star_path(c, st[0], st[1], st[2], st[2] * 0.45, 5); }, 0xFFD23F, lw * 0.6, false,
              0.3);
    leg(-85, white);
    leg(50, white);
    // Head.
    shape(cr, [](cairo_t* c) {
        cairo_move_to(c, 110, -315);
        cairo_curve_to(c, 130, -340, 175, -335, 185, -310);
        cairo_line_to(c, 210, -258);
        cairo_curve_to(c, 220, -235, 195, -220, 178, -232);
        cairo_curve_to(c, 150, -248, 120, -268, 110, -288);
        cairo_close_path(c);
    }, white, lw, true, 0.3);
    shape(cr, [](cairo_t* c) {
        cairo_move_to(c, 126, -325);
        cairo_line_to(c, 130, -350);
        cairo_line_to(c, 144, -328);
        cairo_close_path(c);
    }, white, lw, false, 0.2);
    // Golden horn with a spiral.
    shape(cr, [](cairo_t* c) {
        cairo_move_to(c, 148, -332);
        cairo_line_to(c, 178, -400);
        cairo_line_to(c, 170, -326);
        cairo_close_path(c);
    }, 0xFFD23F, lw, true, 0.4);
    cairo_save(cr);
    set_rgb(cr, 0xE0A020);
    cairo_set_line_width(cr, lw * 0.8);
    for (int k = 0; k < 4; ++k) {
        const double t = 0.2 + k * 0.18;
        cairo_move_to(cr, 148 + 30 * t, -332 - 68 * t);
        cairo_line_to(cr, 170 + 8 * t - 3, -326 - 74 * t + 6);
    }
    cairo_stroke(cr);
    cairo_restore(cr);
    eye(cr, 152, -298, 8.5, 0.5);
    cairo_save(cr);
    set_rgb(cr, pal::outline);
    cairo_set_line_width(cr, lw);
    for (int k = 0; k < 3; ++k) {
        cairo_move_to(cr, 146 + k * 5, -306);
        cairo_line_to(cr, 140 + k * 6, -314);
    }
    cairo_stroke(cr);
    cairo_restore(cr);
    blush(cr, 170, -265, 8);
    smile(cr, 195, -237, 14, lw);
    // Rainbow mane.
    for (int k = 0; k < 4; ++k)
        shape(cr, [=](cairo_t* c) {
            cairo_move_to(c, 115 - k * 8, -330 + k * 6);
            for (int j = 0; j < 5; ++j) {
                const double t = j / 5.0;
                const double px = 118 - k * 8 - t * 65, py = -328 + k * 6 + t * 130;
                cairo_curve_to(c, px - 28, py + 4, px - 28, py + 18, px - 6, py + 22);
            }
            cairo_line_to(c, 75 - k * 4, -195 + k * 6);
            cairo_curve_to(c, 92, -250, 110, -290, 130 - k * 6, -318 + k * 5);
            cairo_close_path(c);
        }, mane[3 - k], lw, false, 0.3);
}

void pumpkin_coach(cairo_t* cr, double x, double ground, double s)
{
    Local L(cr, x, ground, s);
    const double lw = L.lw;
    const uint32_t orange = 0xFF9A2A;
    // Wheels behind.
    for (double wx : {-120.0, 120.0}) {
        shape(cr, [=](cairo_t* c) { ellipse(c, wx, -55, 55, 55); }, 0xFFD23F, lw, true, 0.3);
        shape(cr, [=](cairo_t* c) { ellipse(c, wx, -55, 42, 42); }, 0x6A3A8A, lw, false, 0.2);
        cairo_save(cr);
        for (int k = 0; k < 8; ++k) {
            const double a = k * kPi / 4;
            cairo_move_to(cr, wx, -55);
            cairo_line_to(cr, wx + 42 * std::cos(a), -55 + 42 * std::sin(a));
        }
        set_rgb(cr, 0xFFD23F);
        cairo_set_line_width(cr, 5);
        cairo_stroke(cr);
        cairo_restore(cr);
        shape(cr, [=](cairo_t* c) { ellipse(c, wx, -55, 12, 12); }, 0xFFD23F, lw, false, 0.3);
    }
    // The pumpkin body.
    auto body = [](cairo_t* c) {
        for (int k = -2; k <= 2; ++k) {
            cairo_new_sub_path(c);
            ellipse(c, k * 55, -190, 80 - std::abs(k) * 10, 120 - std::abs(k) * 12);
        }
    };
    shape(cr, body, orange, lw, true, 0.35);
    cairo_save(cr);
    set_rgb(cr, 0xC85A1A, 0.8);
    cairo_set_line_width(cr, lw * 1.2);
    for (int k = -2; k <= 2; k += 1) {
        if (k == 0)
            continue;
        cairo_move_to(cr, k * 30, -305);
        cairo_curve_to(cr, k * 45, -250, k * 45, -130, k * 30, -75);
    }
    cairo_stroke(cr);
    cairo_restore(cr);
    // Window, door and golden trim.
    shape(cr, [](cairo_t* c) {
        cairo_move_to(c, -45, -150);
        cairo_line_to(c, -45, -230);
        cairo_arc(c, 0, -230, 45, kPi, 2 * kPi);
        cairo_line_to(c, 45, -150);
        cairo_close_path(c);
    }, 0xFFE27A, lw, false, 0.4);
    cairo_save(cr);
    set_rgb(cr, 0xFFD23F);
    cairo_set_line_width(cr, lw * 2);
    cairo_move_to(cr, 0, -275);
    cairo_line_to(cr, 0, -150);
    cairo_move_to(cr, -45, -210);
    cairo_line_to(cr, 45, -210);
    cairo_stroke(cr);
    cairo_restore(cr);
    shape(cr, [](cairo_t* c) {
        cairo_move_to(c, -25, -320);
        cairo_curve_to(c, -20, -350, 10, -360, 20, -345);
        cairo_curve_to(c, 5, -345, 0, -330, 5, -310);
        cairo_close_path(c);
    }, 0x6A8A3A, lw, false, 0.3);
    shape(cr, [](cairo_t* c) { star_path(c, 22, -362, 14, 6, 5); }, 0xFFD23F, lw * 0.8, false, 0.4);
    // Curly vines.
    cairo_save(cr);
    set_rgb(cr, 0x5E9A3A);
    cairo_set_line_width(cr, lw * 1.5);
    cairo_move_to(cr, -10, -318);
    cairo_curve_to(cr, -60, -330, -90, -310, -80, -290);
    cairo_arc_negative(cr, -92, -290, 12, 0, -kPi * 1.5);
    cairo_stroke(cr);
    cairo_restore(cr);
    shape(cr, [](cairo_t* c) { rounded_rect(c, -150, -80, 300, 16, 8); }, 0xFFD23F, lw, false, 0.3);
}

void bunting(cairo_t* cr, double y, double sag)
{
    const uint32_t cols[] = {pal::red, pal::sun, 0x4D8FE8, 0x7CCB5B, pal::pink, pal::orange, 0x9B6BD3};
    cairo_save(cr);
    set_rgb(cr, pal::outline);
    cairo_set_line_width(cr, 2);
    cairo_move_to(cr, -10, y);
    cairo_curve_to(cr, 200, y + sag, 440, y + sag, 650, y);
    cairo_stroke(cr);
    cairo_restore(cr);
    for (int k = 0; k < 15; ++k) {
        const double t = (k + 0.5) / 15;
        const double fx = -10 + 660 * t;
        const double fy = y + sag * 4 * t * (1 - t) * 0.75;
        shape(cr, [=](cairo_t* c) {
            cairo_move_to(c, fx - 16, fy);
            cairo_line_to(c, fx + 16, fy);
            cairo_line_to(c, fx, fy + 34);
            cairo_close_path(c);
        }, cols[k % 7], 1.8, true, 0.3);
    }
}

void cake(cairo_t* cr, double x, double ground, double s)
{
    Local L(cr, x, ground, s);
    const double lw = L.lw;
    shape(cr, [](cairo_t* c) { ellipse(c, 0, 0, 130, 22); }, pal::white, lw, true, 0.3);
    const double tiers[][3] = {{-10, 110, 70}, {-80, 80, 60}};
    const uint32_t cols[] = {0xFF9EC4, 0xFFE7A0};
    for (int k = 0; k < 2; ++k) {
        const double top = tiers[k][0] - tiers[k][2], w = tiers[k][1];
        shape(cr, [=](cairo_t* c) { rounded_rect(c, -w, top, 2 * w, tiers[k][2], 12); }, cols[k], lw, true, 0.3);
        // Icing drips and sprinkles.
        shape(cr, [=](cairo_t* c) {
            cairo_move_to(c, -w, top + 8);
            for (int j = 0; j <= 10; ++j)
                cairo_line_to(c, -w + j * w / 5, top + (j % 2 ? 24 : 10));
            cairo_line_to(c, w, top + 8);
            cairo_arc_negative(c, w - 10, top + 10, 10, 0, -kPi / 2);
            cairo_line_to(c, -w + 10, top);
            cairo_arc_negative(c, -w + 10, top + 10, 10, -kPi / 2, -kPi);
            cairo_close_path(c);
        }, pal::white, lw, false, 0.1);
        const uint32_t spr[] = {pal::red, 0x4D8FE8, 0x7CCB5B, pal::sun, 0x9B6BD3};
        for (int j = 0; j < 12; ++j) {
            set_rgb(cr, spr[j % 5]);
            cairo_save(cr);
            cairo_translate(cr, -w + 14 + j * (2 * w - 28) / 11, top + 40 + (j % 3) * 8);
            cairo_rotate(cr, j * 0.7);
            rounded_rect(cr, -4, -1.5, 8, 3, 1.5);
            cairo_fill(cr);
            cairo_restore(cr);
        }
    }
    // Candles with flames.
    for (int k = 0; k < 4; ++k) {
        const double cx = -45 + k * 30;
        shape(cr, [=](cairo_t* c) { rounded_rect(c, cx - 5, -175, 10, 35, 3); }, k % 2 ? 0x8FD3F4 : pal::pink, lw * 0.8,
              false, 0.3);
        sparkle(cr, cx, -188, 16, 0xFFF3B0, 0.7);
        shape(cr, [=](cairo_t* c) {
            cairo_move_to(c, cx, -200);
            cairo_curve_to(c, cx + 8, -190, cx + 6, -178, cx, -178);
            cairo_curve_to(c, cx - 6, -178, cx - 8, -190, cx, -200);
            cairo_close_path(c);
        }, pal::orange, lw * 0.6, false, 0.6);
    }
    shape(cr, [](cairo_t* c) { ellipse(c, 60, -150, 12, 12); }, pal::red, lw, false, 0.4);
}

void party_hat(cairo_t* cr, double x, double y, double h, uint32_t a, uint32_t b, double turn)
{
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, turn);
    auto hat = [=](cairo_t* c) {
        cairo_move_to(c, -h * 0.35, 0);
        cairo_line_to(c, 0, -h);
        cairo_line_to(c, h * 0.35, 0);
        cairo_close_path(c);
    };
    shape(cr, hat, a, 1.8, true, 0.3);
    cairo_save(cr);
    hat(cr);
    cairo_clip(cr);
    set_rgb(cr, b);
    for (int k = 0; k < 4; ++k) {
        cairo_arc(cr, (k % 2 ? 0.1 : -0.1) * h, -h * (0.2 + k * 0.2), h * 0.06, 0, 2 * kPi);
        cairo_fill(cr);
    }
    cairo_restore(cr);
    shape(cr, [=](cairo_t* c) { ellipse(c, 0, -h, h * 0.1, h * 0.1); }, b, 1.4, false, 0.3);
    cairo_restore(cr);
}

void gift(cairo_t* cr, double x, double ground, double w, double h, uint32_t box, uint32_t ribbon)
{
    shape(cr, [=](cairo_t* c) { cairo_rectangle(c, x - w / 2, ground - h, w, h); }, box, 2, true, 0.3);
    shape(cr, [=](cairo_t* c) {
        cairo_rectangle(c, x - 5, ground - h, 10, h);
        cairo_rectangle(c, x - w / 2, ground - h * 0.6 - 5, w, 10);
    }, ribbon, 1.2, false, 0.2);
    shape(cr, [=](cairo_t* c) {
        ellipse(c, x - 10, ground - h - 6, 11, 7);
        ellipse(c, x + 10, ground - h - 6, 11, 7);
    }, ribbon, 1.6, false, 0.3);
}

// --- the ten pictures --------------------------------------------------------

void teddy_nursery(Canvas& c)
{
    cairo_t* cr = c.cr();
    Rng rng(601);
    wallpaper(cr, 330, 0xBFE6F8, 0x6AAEE6, 2);
    window_view(cr, 420, 50, 160, 140, pal::sky_top, 0xD4F1FC, 0xFFF4E0);
    // Curtains.
    for (int sd : {-1, 1})
        shape(cr, [=](cairo_t* q) {
            const double cx = sd < 0 ? 400 : 600;
            cairo_move_to(q, cx - 22, 30);
            cairo_line_to(q, cx + 22, 30);
            cairo_curve_to(q, cx + 12, 100, cx + 30, 160, cx + 24 * -sd, 220);
            cairo_line_to(q, cx - 24 * -sd - 10 * sd, 220);
            cairo_curve_to(q, cx - 20, 160, cx - 12, 100, cx - 22, 30);
            cairo_close_path(q);
        }, pal::pink, 2, true, 0.3);
    shelf(cr, 40, 120, 200);
    books(cr, 55, 120);
    ball(cr, 170, 100, 20, pal::red, pal::sun);
    block(cr, 200, 90, 28, 0x7CCB5B, 0);
    wood_floor(cr, rng, 330, 0xD8A068);
    rug(cr, 320, 420, 260, 55, 0xFFB0CC, 0xFFF4E0);
    teddy(cr, 300, 440, 1.05, 0xC8844A);
    block(cr, 470, 410, 48, pal::red, 0);
    block(cr, 530, 420, 44, 0x4D8FE8, 1);
    block(cr, 495, 365, 44, pal::sun, 2);
    ball(cr, 90, 420, 34, 0x4D8FE8, pal::white);
    block(cr, 130, 440, 30, 0x9B6BD3, 3);
}

void castle_hill(Canvas& c)
{
    cairo_t* cr = c.cr();
    Rng rng(602);
    day_sky(cr, rng, SkySpec{260, 0xB8A8F0, 0xFFE8F4, 0, 0, 0, 6, 70, 120, 4, 0x4A3060});
    rainbow(cr, 320, 300, 300, 14, 0.7);
    hill(cr, kW, kH, 250, 22, 0.01, 0.4, 0xB8E890, 0x9BD874);
    castle(cr, 320, 345, 0.72);
    // A winding path up to the gate.
    shape(cr, [](cairo_t* q) {
        cairo_move_to(q, 300, 330);
        cairo_line_to(q, 340, 330);
        cairo_curve_to(q, 380, 380, 260, 420, 330, 490);
        cairo_line_to(q, 230, 490);
        cairo_curve_to(q, 200, 420, 330, 380, 300, 330);
        cairo_close_path(q);
    }, 0xF2E2C8, 2, false, 0.2);
    hill(cr, kW, kH, 330, 4, 0.02, 1.0, 0x9BD874, 0x7CCB5B);
    shape(cr, [](cairo_t* q) {
        cairo_move_to(q, 300, 332);
        cairo_line_to(q, 340, 332);
        cairo_curve_to(q, 380, 380, 260, 420, 330, 490);
        cairo_line_to(q, 230, 490);
        cairo_curve_to(q, 200, 420, 330, 380, 300, 332);
        cairo_close_path(q);
    }, 0xF2E2C8, 2, false, 0.2);
    grass_blades(cr, rng, -10, 230, 335, kH + 6, 500, pal::grass);
    grass_blades(cr, rng, 360, kW + 10, 335, kH + 6, 500, pal::grass);
    flowers(cr, rng, Box{10, 340, kW - 20, 130}, 40, 5, 9, {{210, 330, 160, 160}});
    for (double tx : {60.0, 580.0})
        tree(cr, tx, 360, 110, tx < 100 ? pal::grass : 0x8CCB6E);
    butterfly(cr, 150, 300, 12, pal::pink, 0.3);
    butterfly(cr, 500, 280, 11, pal::sun, -0.2);
    sparkles(cr, rng, Box{100, 20, 440, 200}, 10, 5, 9, pal::white, 0.9);
}

void dragon_meadow(Canvas& c)
{
    cairo_t* cr = c.cr();
    Rng rng(603);
    day_sky(cr, rng, SkySpec{240, 0xFFB47A, 0xFFF0C8, 560, 70, 32, 6, 70, 110, 3});
    // Rocky mountain with a cave.
    shape(cr, [](cairo_t* q) {
        cairo_move_to(q, -10, 300);
        cairo_line_to(q, 60, 150);
        cairo_line_to(q, 120, 190);
        cairo_line_to(q, 190, 110);
        cairo_line_to(q, 280, 220);
        cairo_line_to(q, 300, 300);
        cairo_close_path(q);
    }, 0xA89AB0, 2.5, true, 0.3);
    shape(cr, [](cairo_t* q) {
        cairo_move_to(q, 120, 300);
        cairo_curve_to(q, 120, 230, 210, 230, 210, 300);
        cairo_close_path(q);
    }, 0x4A3A5A, 2.2, false, 0.2);
    stones(cr, rng, Box{20, 180, 240, 110}, 18, 0xB8AAC0);
    hill(cr, kW, kH, 280, 12, 0.012, 1.8, 0xA6DC86, 0x7CCB5B);
    grass_blades(cr, rng, -10, kW + 10, 285, kH + 6, 1200, pal::grass);
    flowers(cr, rng, Box{10, 300, kW - 20, 170}, 50, 5, 9, {{220, 180, 260, 300}});
    dragon(cr, 350, 450, 1.0);
    // Hearts puffing out instead of fire.
    for (int k = 0; k < 4; ++k)
        shape(cr, [=](cairo_t* q) { heart_path(q, 300 - k * 42, 150 - k * 30, 10 + k * 3); },
              k % 2 ? pal::pink : pal::red, 1.8, true, 0.3);
    butterfly(cr, 120, 360, 12, 0x2EC4B6, 0.3);
    mushroom(cr, 580, 430, 40, pal::red);
}

void duck_bath(Canvas& c)
{
    cairo_t* cr = c.cr();
    Rng rng(604);
    // Tiled wall.
    fill_vertical_gradient(cr, 0, 0, kW, 300, 0x9ED8F4, 0x7CC4EC);
    cairo_save(cr);
    set_rgb(cr, pal::white, 0.9);
    cairo_set_line_width(cr, 3);
    for (double x = 0; x < kW; x += 48) {
        cairo_move_to(cr, x, 0);
        cairo_line_to(cr, x, 300);
    }
    for (double y = 0; y < 300; y += 48) {
        cairo_move_to(cr, 0, y);
        cairo_line_to(cr, kW, y);
    }
    cairo_stroke(cr);
    // Little fish painted on some tiles.
    for (int k = 0; k < 7; ++k)
        fish(cr, 24 + (k * 3 % 13) * 48, 24 + (k % 5) * 48 + (k % 2) * 48, 26, k % 2 ? 0x4D8FE8 : 0x2EC4B6, pal::sun,
             k % 2);
    cairo_restore(cr);
    // Shelf with shampoo bottles and a towel.
    shape(cr, [](cairo_t* q) { rounded_rect(q, 40, 150, 170, 12, 4); }, pal::white, 2, true, 0.2);
    const uint32_t bottles[] = {pal::pink, 0x7CCB5B, pal::sun};
    for (int k = 0; k < 3; ++k) {
        const double bx = 60 + k * 50;
        shape(cr, [=](cairo_t* q) { rounded_rect(q, bx, 90, 34, 60, 10); }, bottles[k], 2, true, 0.35);
        shape(cr, [=](cairo_t* q) { rounded_rect(q, bx + 10, 76, 14, 16, 3); }, pal::white, 1.6, false, 0.2);
        shape(cr, [=](cairo_t* q) { heart_path(q, bx + 17, 120, 7); }, pal::white, 0, false, 0.1);
    }
    shape(cr, [](cairo_t* q) { rounded_rect(q, 480, 60, 100, 140, 10); }, 0xFF9EC4, 2, true, 0.25);
    cairo_save(cr);
    set_rgb(cr, pal::white, 0.8);
    for (double ty = 80; ty < 200; ty += 24) {
        cairo_rectangle(cr, 480, ty, 100, 8);
        cairo_fill(cr);
    }
    cairo_restore(cr);
    shape(cr, [](cairo_t* q) { rounded_rect(q, 470, 50, 120, 14, 7); }, 0xD8DCE2, 2, false, 0.3);
    // The tub full of water and foam.
    shape(cr, [](cairo_t* q) {
        cairo_move_to(q, -20, 280);
        cairo_line_to(q, 660, 280);
        cairo_line_to(q, 640, 440);
        cairo_curve_to(q, 620, 480, 20, 480, 0, 440);
        cairo_close_path(q);
    }, pal::white, 3, true, 0.2);
    cairo_save(cr);
    cairo_move_to(cr, -20, 280);
    cairo_line_to(cr, 660, 280);
    cairo_line_to(cr, 640, 440);
    cairo_curve_to(cr, 620, 480, 20, 480, 0, 440);
    cairo_close_path(cr);
    cairo_clip(cr);
    set_rgb(cr, 0xE8F0F8);
    cairo_rectangle(cr, -20, 380, 680, 100);
    cairo_fill(cr);
    set_rgb(cr, 0x8FB8E0, 0.8);
    cairo_set_line_width(cr, 2);
    for (double x = 40; x < kW; x += 80) {
        cairo_move_to(cr, x, 400);
        cairo_curve_to(cr, x + 10, 420, x + 30, 430, x + 50, 432);
        cairo_stroke(cr);
    }
    cairo_restore(cr);
    // A wavy blue band and fish decals on the tub.
    cairo_save(cr);
    set_rgb(cr, 0x8FC8F0);
    cairo_move_to(cr, 0, 350);
    for (double x = 0; x <= kW; x += 8)
        cairo_line_to(cr, x, 350 + 6 * std::sin(x * 0.05));
    for (double x = kW; x >= 0; x -= 8)
        cairo_line_to(cr, x, 364 + 6 * std::sin(x * 0.05));
    cairo_close_path(cr);
    cairo_fill(cr);
    cairo_restore(cr);
    for (int k = 0; k < 6; ++k)
        fish(cr, 60 + k * 105, 405 + (k % 2) * 18, 30, k % 2 ? pal::orange : 0x4D8FE8, pal::sun, k % 2);
    for (int k = 0; k < 12; ++k)
        bubble(cr, 30 + k * 52, 445 - (k % 3) * 10, 5 + (k % 2) * 3);
    // Gold feet.
    for (double fx : {60.0, 580.0})
        shape(cr, [=](cairo_t* q) { ellipse(q, fx, 470, 24, 12); }, 0xFFD23F, 2, false, 0.3);
    rubber_duck(cr, 330, 300, 1.1);
    rubber_duck(cr, 120, 290, 0.45);
    foam(cr, rng, -10, 650, 292, 28);
    bubbles(cr, rng, Box{20, 20, 600, 250}, 40, 5, 16);
}

void rocking_horse_room(Canvas& c)
{
    cairo_t* cr = c.cr();
    Rng rng(605);
    wallpaper(cr, 320, 0xFFE7A0, 0xFFB86A, 0);
    window_view(cr, 60, 60, 140, 120, 0x8FD3F4, 0xE8F8FF, pal::white);
    shelf(cr, 400, 110, 210);
    books(cr, 410, 110);
    // A toy drum on the shelf.
    shape(cr, [](cairo_t* q) { rounded_rect(q, 510, 70, 60, 40, 6); }, pal::red, 2, true, 0.3);
    shape(cr, [](cairo_t* q) { ellipse(q, 540, 70, 30, 8); }, pal::white, 2, false, 0.2);
    cairo_save(cr);
    set_rgb(cr, pal::sun);
    cairo_set_line_width(cr, 2);
    for (int k = 0; k < 5; ++k) {
        cairo_move_to(cr, 512 + k * 14, 76);
        cairo_line_to(cr, 519 + k * 14, 108);
    }
    cairo_stroke(cr);
    cairo_restore(cr);
    // Picture frame with a little boat.
    shape(cr, [](cairo_t* q) { rounded_rect(q, 250, 60, 100, 80, 6); }, 0xC98B55, 2.2, true, 0.2);
    fill_vertical_gradient(cr, 260, 70, 80, 60, 0x8FD3F4, 0x4D8FE8);
    shape(cr, [](cairo_t* q) {
        cairo_move_to(q, 280, 112);
        cairo_line_to(q, 320, 112);
        cairo_line_to(q, 312, 122);
        cairo_line_to(q, 288, 122);
        cairo_close_path(q);
    }, pal::red, 1.4, false);
    shape(cr, [](cairo_t* q) {
        cairo_move_to(q, 300, 80);
        cairo_line_to(q, 316, 110);
        cairo_line_to(q, 300, 110);
        cairo_close_path(q);
    }, pal::white, 1.2, false);
    wood_floor(cr, rng, 320, 0xC98B55);
    rug(cr, 320, 430, 280, 45, 0x8FD3F4, pal::white);
    rocking_horse(cr, 300, 450, 1.0);
    block(cr, 520, 410, 44, 0x7CCB5B, 1);
    block(cr, 560, 420, 40, pal::pink, 0);
    block(cr, 540, 370, 40, 0x4D8FE8, 3);
    ball(cr, 80, 430, 32, pal::sun, pal::red);
}

void robot_room(Canvas& c)
{
    cairo_t* cr = c.cr();
    Rng rng(606);
    wallpaper(cr, 330, 0x4A5AA8, 0xFFE45C, 2);
    // Planet posters.
    shape(cr, [](cairo_t* q) { rounded_rect(q, 40, 60, 120, 150, 6); }, 0x1A2050, 2.4, true, 0.2);
    planet(cr, 100, 120, 30, 0xFF9F43, 3, true, 0xFFE0A0);
    twinkle_star(cr, 70, 180, 8, pal::sun);
    twinkle_star(cr, 135, 170, 6, pal::sun);
    shape(cr, [](cairo_t* q) { rounded_rect(q, 480, 50, 120, 120, 60); }, 0xFFF4E0, 2.4, true, 0.2);
    cairo_save(cr);
    set_rgb(cr, pal::outline);
    cairo_set_line_width(cr, 3);
    cairo_move_to(cr, 540, 110);
    cairo_line_to(cr, 540, 75);
    cairo_move_to(cr, 540, 110);
    cairo_line_to(cr, 565, 120);
    cairo_stroke(cr);
    for (int k = 0; k < 12; ++k) {
        const double a = k * kPi / 6;
        cairo_arc(cr, 540 + 48 * std::cos(a), 110 + 48 * std::sin(a), 2.5, 0, 2 * kPi);
        cairo_fill(cr);
    }
    cairo_restore(cr);
    // A table of gadgets and the floor.
    wood_floor(cr, rng, 330, 0xB8C4D4);
    rug(cr, 320, 430, 270, 48, 0xFF9F43, 0xFFE45C);
    robot(cr, 320, 445, 1.0);
    // Toy rocket and spinning top.
    shape(cr, [](cairo_t* q) {
        cairo_move_to(q, 120, 460);
        cairo_line_to(q, 170, 460);
        cairo_line_to(q, 145, 390);
        cairo_close_path(q);
    }, pal::red, 2, true, 0.3);
    shape(cr, [](cairo_t* q) { ellipse(q, 145, 435, 10, 10); }, 0x8FD3F4, 1.6, false, 0.4);
    shape(cr, [](cairo_t* q) {
        cairo_move_to(q, 480, 440);
        cairo_line_to(q, 560, 400);
        cairo_line_to(q, 520, 460);
        cairo_close_path(q);
        ellipse(q, 520, 410, 42, 22);
    }, 0x7CCB5B, 2, true, 0.3);
    cairo_save(cr);
    ellipse(cr, 520, 410, 42, 22);
    cairo_clip(cr);
    set_rgb(cr, pal::sun);
    for (int k = 0; k < 6; k += 2) {
        cairo_move_to(cr, 520, 410);
        cairo_arc(cr, 520, 410, 50, k * kPi / 3, (k + 1) * kPi / 3);
        cairo_close_path(cr);
        cairo_fill(cr);
    }
    cairo_restore(cr);
    cairo_save(cr);
    ellipse(cr, 520, 410, 42, 22);
    set_rgb(cr, pal::outline);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    cairo_restore(cr);
    block(cr, 200, 420, 36, pal::sun, 0);
}

void candy_forest(Canvas& c)
{
    cairo_t* cr = c.cr();
    Rng rng(607);
    day_sky(cr, rng, SkySpec{240, 0xFFB0D8, 0xFFF0F8, 0, 0, 0, 7, 60, 110, 3});
    // Lollipop trees behind.
    const uint32_t pops[][2] = {{pal::red, pal::white}, {0x9B6BD3, pal::pink}, {0x4D8FE8, pal::white},
                                {pal::sun, pal::orange}, {0x7CCB5B, pal::white}};
    hill(cr, kW, kH, 250, 12, 0.012, 0.8, 0xC8EDA0, 0xADE08A);
    for (int k = 0; k < 7; ++k)
        lollipop(cr, 20 + k * 100 + rng.range(-15, 15), 300, rng.range(120, 170), pops[k % 5][0], pops[k % 5][1]);
    hill(cr, kW, kH, 300, 6, 0.01, 2.0, 0x9BD874, 0x7CCB5B);
    grass_blades(cr, rng, -10, kW + 10, 302, kH + 6, 900, pal::grass);
    candy_house(cr, rng, 320, 420, 0.95);
    // Stepping stones of cookies.
    for (int k = 0; k < 4; ++k)
        shape(cr, [=](cairo_t* q) { ellipse(q, 320 - k * 18, 432 + k * 12, 26 + k * 4, 7 + k * 1.5); }, 0xE0A860, 1.8,
              false, 0.3);
    gingerbread_man(cr, 560, 460, 0.9);
    gingerbread_man(cr, 90, 450, 0.7);
    flowers(cr, rng, Box{10, 320, kW - 20, 150}, 30, 5, 8, {{150, 300, 340, 180}});
    sparkles(cr, rng, Box{0, 10, double(kW), 200}, 10, 5, 8, pal::white, 0.9);
}

void unicorn_rainbow(Canvas& c)
{
    cairo_t* cr = c.cr();
    Rng rng(608);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, 0, 300);
    cairo_pattern_add_color_stop_rgb(p, 0, 0.75, 0.65, 0.98);
    cairo_pattern_add_color_stop_rgb(p, 0.6, 1.0, 0.78, 0.9);
    cairo_pattern_add_color_stop_rgb(p, 1, 1.0, 0.92, 0.85);
    cairo_set_source(cr, p);
    cairo_paint(cr);
    cairo_pattern_destroy(p);
    rainbow(cr, 320, 330, 330, 20, 0.9);
    clouds(cr, rng, 50, 230, 7, 70, 120, 0.97, {{200, 40, 300, 260}});
    cloud(cr, 40, 300, 140);
    cloud(cr, 600, 300, 140);
    sparkles(cr, rng, Box{0, 0, double(kW), 280}, 26, 4, 9, pal::white, 0.95);
    for (int k = 0; k < 8; ++k)
        twinkle_star(cr, rng.range(20, 620), rng.range(20, 260), rng.range(6, 11), 0xFFE45C, rng.range(-0.3, 0.3));
    hill(cr, kW, kH, 320, 10, 0.012, 0.8, 0xB8E890, 0x8AD263);
    grass_blades(cr, rng, -10, kW + 10, 325, kH + 6, 900, 0x8AD263);
    flowers(cr, rng, Box{10, 330, kW - 20, 140}, 50, 5, 9, {{170, 300, 330, 170}});
    unicorn(cr, 280, 455, 0.95);
    butterfly(cr, 520, 360, 13, 0xC9A3F0, 0.3);
    butterfly(cr, 90, 390, 11, pal::pink, -0.3);
}

void pumpkin_night(Canvas& c)
{
    cairo_t* cr = c.cr();
    Rng rng(609);
    space_backdrop(cr, rng, 0x2A1A6A, 0x9A5AB8, {0xFF8FC7}, 200);
    moon_crescent(cr, 560, 80, 40, 0xFFF0B0, true);
    // The palace far away with lit windows.
    cairo_save(cr);
    cairo_pattern_t* g = cairo_pattern_create_radial(150, 250, 20, 150, 250, 200);
    cairo_pattern_add_color_stop_rgba(g, 0, 1, 0.9, 0.7, 0.45);
    cairo_pattern_add_color_stop_rgba(g, 1, 1, 0.9, 0.7, 0);
    cairo_set_source(cr, g);
    cairo_paint(cr);
    cairo_pattern_destroy(g);
    cairo_restore(cr);
    castle(cr, 150, 300, 0.45);
    hill(cr, kW, kH, 300, 10, 0.01, 0.5, 0x4A6A8A, 0x2A4A6A);
    // The road.
    shape(cr, [](cairo_t* q) {
        cairo_move_to(q, -10, 480);
        cairo_curve_to(q, 150, 380, 350, 330, 200, 300);
        cairo_line_to(q, 240, 300);
        cairo_curve_to(q, 450, 340, 500, 400, 660, 480);
        cairo_close_path(q);
    }, 0xC8B8D8, 2, false, 0.2);
    speckles(cr, rng, [](cairo_t* q) {
        cairo_move_to(q, -10, 480);
        cairo_curve_to(q, 150, 380, 350, 330, 200, 300);
        cairo_line_to(q, 240, 300);
        cairo_curve_to(q, 450, 340, 500, 400, 660, 480);
        cairo_close_path(q);
    }, Box{0, 300, double(kW), 180}, 200, 0x8A7AA0, 1, 2.5, 0.6);
    grass_blades(cr, rng, -10, kW + 10, 310, kH + 6, 500, 0x3E6A5A);
    // Magic sparkles trailing the coach.
    sparkles(cr, rng, Box{20, 280, 220, 150}, 18, 4, 9, 0xFFE8A0, 0.95);
    pumpkin_coach(cr, 400, 450, 0.85);
    // Two little mice pulling it.
    for (int k = 0; k < 2; ++k) {
        const double mx = 560 + k * 40, my = 455 - k * 6;
        shape(cr, [=](cairo_t* q) { ellipse(q, mx, my - 14, 20, 14); }, 0xB8B0C0, 1.8, true, 0.3);
        shape(cr, [=](cairo_t* q) { ellipse(q, mx + 8, my - 30, 8, 8); }, 0xFFB3C6, 1.5, false, 0.2);
        eye(cr, mx + 16, my - 18, 2.5);
    }
    for (int k = 0; k < 6; ++k) {
        const double sx = rng.range(250, 500), sy = rng.range(20, 120), sr = rng.range(6, 10);
        twinkle_star(cr, sx, sy, sr, 0xFFE45C);
    }
}

void bafo_birthday(Canvas& c)
{
    cairo_t* cr = c.cr();
    Rng rng(610);
    wallpaper(cr, 300, 0xFFD0E4, 0xFFF4F8, 1);
    bunting(cr, 30, 60);
    for (int k = 0; k < 6; ++k)
        balloon(cr, 40 + k * 112 + rng.range(-10, 10), 150 + (k % 2) * 30, 26, (k % 2) ? 0x4D8FE8 : pal::red, 70,
                (k % 3 - 1) * 0.4);
    wood_floor(cr, rng, 300, 0xD8A068);
    // The party table with a spotted cloth.
    auto cloth = [](cairo_t* q) {
        cairo_move_to(q, 150, 330);
        cairo_line_to(q, 620, 330);
        cairo_line_to(q, 640, 450);
        for (int k = 0; k <= 10; ++k)
            cairo_line_to(q, 640 - k * 51, 450 + (k % 2 ? 12 : 0));
        cairo_line_to(q, 130, 450);
        cairo_close_path(q);
    };
    shape(cr, cloth, 0x8FD3F4, 2.4, true, 0.2);
    speckles(cr, rng, cloth, Box{130, 330, 510, 130}, 70, pal::white, 4, 6, 0.9);
    cake(cr, 420, 340, 0.95);
    // Cups and party hats on the table.
    for (double cx : {200.0, 590.0})
        shape(cr, [=](cairo_t* q) {
            cairo_move_to(q, cx - 16, 300);
            cairo_line_to(q, cx + 16, 300);
            cairo_line_to(q, cx + 12, 334);
            cairo_line_to(q, cx - 12, 334);
            cairo_close_path(q);
        }, cx < 300 ? pal::sun : 0x7CCB5B, 1.8, true, 0.3);
    party_hat(cr, 270, 335, 46, 0x9B6BD3, pal::sun, -0.2);
    party_hat(cr, 560, 335, 40, pal::orange, 0x4D8FE8, 0.15);
    gift(cr, 80, 470, 70, 56, pal::red, pal::sun);
    gift(cr, 570, 478, 56, 44, 0x9B6BD3, pal::white);
    Bafo b;
    b.x = 150;
    b.y = 455;
    b.scale = 0.66;
    b.left = Arm::Up;
    b.right = Arm::Wave;
    b.mouth = Mouth::Open;
    b.eyes = Eyes::Happy;
    b.tail = 0.8;
    draw_bafo(cr, b);
    const BafoPoints bp = bafo_points(b);
    party_hat(cr, bp.head_x + 8, bp.top_y + 22, 54, pal::pink, pal::sun, 0.15);
    // Confetti everywhere.
    const uint32_t conf[] = {pal::red, pal::sun, 0x4D8FE8, 0x7CCB5B, pal::pink, 0x9B6BD3};
    for (int k = 0; k < 70; ++k) {
        cairo_save(cr);
        cairo_translate(cr, rng.range(0, kW), rng.range(0, 300));
        cairo_rotate(cr, rng.range(0, kPi));
        set_rgb(cr, conf[k % 6]);
        rounded_rect(cr, -4, -2, 8, 4, 1.5);
        cairo_fill(cr);
        cairo_restore(cr);
    }
}

}  // namespace

void paint_toys(Canvas& c, int i)
{
    struct Finish {
        Filler fill;
        std::vector<Box> keep;  // left as they are by the last touch
    };
    // Indoors a plain spot gets a little gold star sticker rather than a cloud or flower.
    auto room = [](cairo_t* cr, Rng& rng, double x, double y, double r) {
        twinkle_star(cr, x, y, std::min(r * 0.5, 8.0), 0xFFD84A, rng.range(-0.3, 0.3));
    };
    auto bath = [](cairo_t* cr, Rng& rng, double x, double y, double r) {
        for (int k = 0; k < 3; ++k)
            bubble(cr, x + rng.range(-r * 0.5, r * 0.5), y + rng.range(-r * 0.5, r * 0.5), rng.range(5, 9));
    };
    const Finish finish[] = {
        {room, {{200, 150, 200, 300}}},
        {land_bits(250), {{200, 20, 240, 330}}},
        {land_bits(270), {{270, 150, 160, 310}}},
        {bath, {{190, 130, 300, 200}}},
        {room, {{130, 140, 350, 320}}},
        {room, {{200, 60, 250, 400}}},
        {land_bits(250), {{150, 100, 340, 340}}},
        {land_bits(300), {{160, 250, 250, 110}, {330, 60, 130, 200}, {120, 270, 60, 120}}},
        {night_bits(300), {{290, 180, 240, 280}, {380, 130, 60, 60}}},
        {room, {{60, 230, 200, 240}, {300, 150, 250, 190}}},
    };
    switch (i) {
    case 1: teddy_nursery(c); break;
    case 2: castle_hill(c); break;
    case 3: dragon_meadow(c); break;
    case 4: duck_bath(c); break;
    case 5: rocking_horse_room(c); break;
    case 6: robot_room(c); break;
    case 7: candy_forest(c); break;
    case 8: unicorn_rainbow(c); break;
    case 9: pumpkin_night(c); break;
    default: bafo_birthday(c); break;
    }
    Rng rng(0xFF00 + uint64_t(i));
    fill_plain_spots(c, rng, finish[i - 1].fill, finish[i - 1].keep);
}

}  // namespace datagen::pics
