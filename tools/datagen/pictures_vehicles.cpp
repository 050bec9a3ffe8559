// Set 2: vehicles, each a big friendly machine where it works.
#include "pictures_kit.h"

#include <cmath>

namespace datagen::pics {

namespace {

void wheel(cairo_t* cr, double cx, double cy, double r, uint32_t hub, double lw)
{
    shape(cr, [=](cairo_t* c) { ellipse(c, cx, cy, r, r); }, 0x3B3636, lw, false, 0.15);
    cairo_save(cr);
    set_rgb(cr, 0x1E1A1A, 0.8);
    cairo_set_line_width(cr, std::max(1.5, r * 0.08));
    for (int k = 0; k < 16; ++k) {
        const double a = k * 2 * kPi / 16;
        cairo_move_to(cr, cx + r * 0.82 * std::cos(a), cy + r * 0.82 * std::sin(a));
        cairo_line_to(cr, cx + r * 0.97 * std::cos(a), cy + r * 0.97 * std::sin(a));
    }
    cairo_stroke(cr);
    cairo_restore(cr);
    shape(cr, [=](cairo_t* c) { ellipse(c, cx, cy, r * 0.55, r * 0.55); }, 0xD8DCE2, lw, false, 0.4);
    shape(cr, [=](cairo_t* c) { ellipse(c, cx, cy, r * 0.28, r * 0.28); }, hub, lw * 0.8, false, 0.4);
    cairo_save(cr);
    set_rgb(cr, 0x5A6068);
    for (int k = 0; k < 5; ++k) {
        const double a = k * 2 * kPi / 5;
        cairo_arc(cr, cx + r * 0.41 * std::cos(a), cy + r * 0.41 * std::sin(a), std::max(1.2, r * 0.05), 0, 2 * kPi);
        cairo_fill(cr);
    }
    cairo_restore(cr);
}

void puff(cairo_t* cr, double x, double y, double r, double alpha = 1.0)
{
    cairo_save(cr);
    cairo_push_group(cr);
    shape(cr, [=](cairo_t* c) {
        const double b[][3] = {{0, 0, 1}, {-0.7, 0.25, 0.7}, {0.75, 0.2, 0.75}, {0.1, -0.5, 0.7}};
        for (auto& p : b) {
            cairo_new_sub_path(c);
            cairo_arc(c, x + p[0] * r, y + p[1] * r, p[2] * r, 0, 2 * kPi);
        }
    }, 0xF4F6FA, std::clamp(r / 12, 1.2, 2.2), false, 0.3);
    cairo_pop_group_to_source(cr);
    cairo_paint_with_alpha(cr, alpha);
    cairo_restore(cr);
}

// Asphalt between y0 and y1 with a dashed middle line and a kerb on top.
void road(cairo_t* cr, Rng& rng, double y0, double y1, uint32_t kerb = 0xD8D2CC)
{
    fill_vertical_gradient(cr, -5, y0, kW + 10, y1 - y0, 0x7A767E, 0x5E5A62);
    speckles(cr, rng, [=](cairo_t* c) { cairo_rectangle(c, 0, y0, kW, y1 - y0); }, Box{0, y0, double(kW), y1 - y0},
             500, 0x4A464E, 0.8, 2, 0.6);
    speckles(cr, rng, [=](cairo_t* c) { cairo_rectangle(c, 0, y0, kW, y1 - y0); }, Box{0, y0, double(kW), y1 - y0},
             250, 0x9A969E, 0.8, 1.8, 0.6);
    const double mid = (y0 + y1) / 2;
    for (double x = 10; x < kW; x += 80)
        shape(cr, [=](cairo_t* c) { rounded_rect(c, x, mid - 4, 46, 8, 3); }, pal::white, 0, false, 0.1);
    shape(cr, [=](cairo_t* c) { cairo_rectangle(c, -5, y0 - 8, kW + 10, 10); }, kerb, 2, false, 0.2);
    cairo_save(cr);
    set_rgb(cr, darken(kerb, 0.3));
    cairo_set_line_width(cr, 1.5);
    for (double x = 0; x < kW; x += 34) {
        cairo_move_to(cr, x, y0 - 8);
        cairo_line_to(cr, x, y0 + 2);
    }
    cairo_stroke(cr);
    cairo_restore(cr);
}

// Paving slabs from y0 down to y1.
void pavement(cairo_t* cr, double y0, double y1, uint32_t stone)
{
    fill_vertical_gradient(cr, -5, y0, kW + 10, y1 - y0, lighten(stone, 0.1), stone);
    cairo_save(cr);
    set_rgb(cr, darken(stone, 0.25), 0.8);
    cairo_set_line_width(cr, 1.5);
    const double rows = 3, rh = (y1 - y0) / rows;
    for (int r = 0; r <= rows; ++r) {
        cairo_move_to(cr, 0, y0 + r * rh);
        cairo_line_to(cr, kW, y0 + r * rh);
    }
    for (int r = 0; r < rows; ++r)
        for (double x = (r % 2) * 22; x < kW; x += 44) {
            cairo_move_to(cr, x, y0 + r * rh);
            cairo_line_to(cr, x, y0 + (r + 1) * rh);
        }
    cairo_stroke(cr);
    cairo_restore(cr);
}

// A row of tall town houses standing on `ground`.
void town(cairo_t* cr, Rng& rng, double ground, bool night)
{
    const uint32_t walls[] = {0xFFCF8A, 0xA8D8F0, 0xFFB3B3, 0xC9E89A, 0xE0C8F0, 0xFFE7A0, 0xF4C09A};
    double x = -20;
    int k = 0;
    while (x < kW) {
        const double w = rng.range(80, 120), h = rng.range(140, 220);
        const uint32_t wall = night ? darken(walls[k % 7], 0.45) : walls[k % 7];
        shape(cr, [=](cairo_t* c) { cairo_rectangle(c, x, ground - h, w, h); }, wall, 2.2, true, 0.15);
        // Roof: pointed or flat with a ledge.
        if (k % 2 == 0)
            shape(cr, [=](cairo_t* c) {
                cairo_move_to(c, x - 6, ground - h);
                cairo_line_to(c, x + w / 2, ground - h - w * 0.4);
                cairo_line_to(c, x + w + 6, ground - h);
                cairo_close_path(c);
            }, night ? 0x5A3A5A : 0xD9604C, 2.2, false, 0.2);
        else
            shape(cr, [=](cairo_t* c) { cairo_rectangle(c, x - 5, ground - h - 10, w + 10, 12); },
                  night ? 0x4A4A6A : 0x8A8FA8, 2.2, false, 0.2);
        // Windows in a grid.
        for (double wy = ground - h + 18; wy < ground - 40; wy += 38)
            for (double wx = x + 12; wx + 20 < x + w - 6; wx += 30) {
                const bool lit = night ? rng.chance(0.7) : false;
                const uint32_t glass = night ? (lit ? 0xFFE27A : 0x3A3F66) : 0xCFEFFF;
                shape(cr, [=](cairo_t* c) { rounded_rect(c, wx, wy, 20, 24, 3); }, glass, 1.6, false, 0.4);
                cairo_save(cr);
                set_rgb(cr, night ? 0x2A2440 : 0xFFFFFF, 0.7);
                cairo_set_line_width(cr, 1.4);
                cairo_move_to(cr, wx + 10, wy + 1);
                cairo_line_to(cr, wx + 10, wy + 23);
                cairo_stroke(cr);
                if (!night) {
                    // Curtains.
                    set_rgb(cr, walls[(k + 3) % 7]);
                    cairo_move_to(cr, wx + 1, wy + 1);
                    cairo_line_to(cr, wx + 7, wy + 1);
                    cairo_curve_to(cr, wx + 4, wy + 10, wx + 4, wy + 16, wx + 1, wy + 22);
                    cairo_close_path(cr);
                    cairo_fill(cr);
                }
                cairo_restore(cr);
            }
        // A door.
        shape(cr, [=](cairo_t* c) { rounded_rect(c, x + w / 2 - 12, ground - 36, 24, 36, 10); },
              night ? 0x4A2A20 : 0x9A6038, 1.8, false, 0.2);
        x += w + rng.range(-4, 6);
        ++k;
    }
}

void tree_row(cairo_t* cr, Rng& rng, double ground, int count, double size)
{
    for (int i = 0; i < count; ++i)
        tree(cr, (i + rng.range(0.2, 0.8)) * kW / count, ground, size * rng.range(0.85, 1.15),
             rng.chance(0.5) ? pal::grass : 0x8CCB6E);
}

// A friendly face in a window: bear, bunny, cat or Bafo-like pup colours.
void passenger(cairo_t* cr, double x, double y, double r, int kind)
{
    const uint32_t fur[] = {0xB07A4A, 0xE8E0D8, 0xF2A65A, 0x9AA0A8};
    const uint32_t f = fur[kind % 4];
    const double lw = 1.6;
    if (kind % 4 == 1) {
        for (int s : {-1, 1})
            shape(cr, [=](cairo_t* c) { ellipse(c, x + s * r * 0.4, y - r * 1.2, r * 0.25, r * 0.6); }, f, lw, false);
    } else if (kind % 4 == 2) {
        for (int s : {-1, 1})
            shape(cr, [=](cairo_t* c) {
                cairo_move_to(c, x + s * r * 0.2, y - r * 0.8);
                cairo_line_to(c, x + s * r * 0.8, y - r * 1.2);
                cairo_line_to(c, x + s * r * 0.85, y - r * 0.4);
                cairo_close_path(c);
            }, f, lw, false);
    } else {
        for (int s : {-1, 1})
            shape(cr, [=](cairo_t* c) { ellipse(c, x + s * r * 0.75, y - r * 0.7, r * 0.32, r * 0.32); }, f, lw,
                  false);
    }
    shape(cr, [=](cairo_t* c) { ellipse(c, x, y, r, r * 0.92); }, f, lw, false, 0.3);
    shape(cr, [=](cairo_t* c) { ellipse(c, x, y + r * 0.35, r * 0.45, r * 0.32); }, pal::cream, 0, false, 0.1);
    eye(cr, x - r * 0.36, y - r * 0.15, r * 0.17);
    eye(cr, x + r * 0.36, y - r * 0.15, r * 0.17);
    set_rgb(cr, pal::nose);
    ellipse(cr, x, y + r * 0.22, r * 0.12, r * 0.09);
    cairo_fill(cr);
    smile(cr, x, y + r * 0.4, r * 0.4, 1.3);
    blush(cr, x - r * 0.62, y + r * 0.2, r * 0.15);
    blush(cr, x + r * 0.62, y + r * 0.2, r * 0.15);
}

// --- the vehicles ----------------------------------------------------------

void fire_engine(cairo_t* cr, double x, double y, double s)
{
    Local L(cr, x, y, s);
    const double lw = L.lw;
    const uint32_t red = 0xE8403A;
    ground_shadow(cr, 0, 230);
    // Ladder on the roof.
    shape(cr, [](cairo_t* c) {
        rounded_rect(c, -205, -192, 270, 10, 4);
        rounded_rect(c, -205, -170, 270, 10, 4);
    }, 0xE8ECF2, lw, true, 0.3);
    cairo_save(cr);
    set_rgb(cr, pal::outline);
    cairo_set_line_width(cr, 4 + 2 * lw);
    for (double rx = -195; rx < 60; rx += 22) {
        cairo_move_to(cr, rx, -184);
        cairo_line_to(cr, rx, -168);
    }
    cairo_stroke(cr);
    set_rgb(cr, 0xE8ECF2);
    cairo_set_line_width(cr, 4);
    for (double rx = -195; rx < 60; rx += 22) {
        cairo_move_to(cr, rx, -183);
        cairo_line_to(cr, rx, -169);
    }
    cairo_stroke(cr);
    cairo_restore(cr);
    shape(cr, [](cairo_t* c) { cairo_rectangle(c, 20, -170, 12, 20); }, 0x9AA0A8, lw, false);
    // Body and cab.
    auto body = [](cairo_t* c) {
        cairo_move_to(c, -225, -40);
        cairo_line_to(c, -225, -140);
        cairo_arc(c, -213, -148, 12, kPi, 1.5 * kPi);
        cairo_line_to(c, 95, -160);
        cairo_line_to(c, 110, -205);
        cairo_line_to(c, 190, -205);
        cairo_curve_to(c, 205, -205, 212, -195, 215, -180);
        cairo_line_to(c, 232, -110);
        cairo_line_to(c, 236, -40);
        cairo_close_path(c);
    };
    shape(cr, body, red, lw, true, 0.25);
    // Lockers with rolled shutters.
    for (int k = 0; k < 3; ++k) {
        const double lx = -210 + k * 95;
        shape(cr, [=](cairo_t* c) { rounded_rect(c, lx, -142, 82, 72, 6); }, 0xD83630, lw, false, 0.2);
        cairo_save(cr);
        set_rgb(cr, 0xA82420, 0.8);
        cairo_set_line_width(cr, 1.6);
        for (double ly = -134; ly < -74; ly += 9) {
            cairo_move_to(cr, lx + 4, ly);
            cairo_line_to(cr, lx + 78, ly);
        }
        cairo_stroke(cr);
        cairo_restore(cr);
        shape(cr, [=](cairo_t* c) { rounded_rect(c, lx + 30, -84, 22, 7, 3); }, 0xD8DCE2, lw * 0.7, false);
    }
    // A white stripe along the side.
    shape(cr, [](cairo_t* c) { cairo_rectangle(c, -225, -62, 461, 12); }, pal::white, lw * 0.8, false, 0.1);
    // Cab window with the driver.
    auto window = [](cairo_t* c) {
        cairo_move_to(c, 120, -192);
        cairo_line_to(c, 185, -192);
        cairo_line_to(c, 205, -130);
        cairo_line_to(c, 120, -130);
        cairo_close_path(c);
    };
    shape(cr, window, 0xBFE6FA, lw, false, 0.5);
    cairo_save(cr);
    window(cr);
    cairo_clip(cr);
    Bafo b;
    b.x = 158;
    b.y = -60;
    b.scale = 0.42;
    b.motion_lines = false;
    b.ground_shadow = false;
    b.mouth = Mouth::Open;
    b.look = 0.6;
    draw_bafo(cr, b);
    // His fireman's helmet.
    shape(cr, [](cairo_t* c) {
        cairo_move_to(c, 128, -160);
        cairo_curve_to(c, 130, -195, 186, -195, 188, -160);
        cairo_curve_to(c, 170, -156, 146, -156, 128, -160);
        cairo_close_path(c);
    }, pal::sun, lw * 0.8, false, 0.4);
    set_rgb(cr, pal::white, 0.35);
    cairo_move_to(cr, 125, -190);
    cairo_line_to(cr, 140, -190);
    cairo_line_to(cr, 128, -132);
    cairo_line_to(cr, 122, -132);
    cairo_close_path(cr);
    cairo_fill(cr);
    cairo_restore(cr);
    // Door handle, headlight, bumper, siren.
    shape(cr, [](cairo_t* c) { rounded_rect(c, 128, -115, 20, 6, 3); }, 0xD8DCE2, lw * 0.7, false);
    shape(cr, [](cairo_t* c) { ellipse(c, 226, -92, 9, 13); }, 0xFFF3B0, lw, false, 0.5);
    shape(cr, [](cairo_t* c) { rounded_rect(c, 200, -48, 46, 16, 6); }, 0xC8CCD2, lw, false, 0.4);
    shape(cr, [](cairo_t* c) { rounded_rect(c, -232, -48, 30, 16, 6); }, 0xC8CCD2, lw, false, 0.4);
    cairo_save(cr);
    cairo_pattern_t* g = cairo_pattern_create_radial(150, -215, 4, 150, -215, 60);
    cairo_pattern_add_color_stop_rgba(g, 0, 0.5, 0.75, 1, 0.8);
    cairo_pattern_add_color_stop_rgba(g, 1, 0.5, 0.75, 1, 0);
    cairo_set_source(cr, g);
    cairo_arc(cr, 150, -215, 60, 0, 2 * kPi);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    cairo_restore(cr);
    shape(cr, [](cairo_t* c) {
        cairo_move_to(c, 135, -205);
        cairo_curve_to(c, 135, -228, 165, -228, 165, -205);
        cairo_close_path(c);
    }, 0x4D8FE8, lw, false, 0.5);
    // Wheels in dark arches.
    for (double wx : {-140.0, 150.0}) {
        shape(cr, [=](cairo_t* c) {
            cairo_new_sub_path(c);
            cairo_arc(c, wx, -38, 48, kPi, 2 * kPi);
            cairo_close_path(c);
        }, 0x5A2020, lw, false, 0);
        wheel(cr, wx, -38, 38, pal::red, lw);
    }
}

void school_bus(cairo_t* cr, double x, double y, double s)
{
    Local L(cr, x, y, s);
    const double lw = L.lw;
    const uint32_t yellow = 0xFFC629;
    ground_shadow(cr, 0, 250);
    auto body = [](cairo_t* c) { rounded_rect(c, -250, -210, 480, 175, 30); };
    shape(cr, body, yellow, lw, true, 0.3);
    shape(cr, [](cairo_t* c) {
        cairo_move_to(c, 230, -140);
        cairo_line_to(c, 275, -130);
        cairo_curve_to(c, 285, -128, 288, -110, 288, -100);
        cairo_line_to(c, 288, -50);
        cairo_line_to(c, 220, -40);
        cairo_close_path(c);
    }, yellow, lw, false, 0.25);
    for (double sy : {-98.0, -70.0})
        shape(cr, [=](cairo_t* c) { cairo_rectangle(c, -250, sy, 538, 7); }, 0x3B3330, 0, false, 0);
    // Windows with passengers.
    for (int k = 0; k < 5; ++k) {
        const double wx = -230 + k * 78;
        auto win = [=](cairo_t* c) { rounded_rect(c, wx, -192, 62, 70, 10); };
        shape(cr, win, 0xCFEFFF, lw, false, 0.5);
        cairo_save(cr);
        win(cr);
        cairo_clip(cr);
        passenger(cr, wx + 31, -140, 22, k);
        set_rgb(cr, pal::white, 0.35);
        cairo_move_to(cr, wx + 4, -150);
        cairo_line_to(cr, wx + 20, -192);
        cairo_line_to(cr, wx + 30, -192);
        cairo_line_to(cr, wx + 14, -150);
        cairo_close_path(cr);
        cairo_fill(cr);
        cairo_restore(cr);
    }
    // Door and driver's window.
    shape(cr, [](cairo_t* c) { rounded_rect(c, 165, -195, 52, 150, 8); }, 0xE8B020, lw, false, 0.2);
    for (double dy : {-188.0, -118.0})
        shape(cr, [=](cairo_t* c) { rounded_rect(c, 172, dy, 38, 62, 6); }, 0xCFEFFF, lw * 0.8, false, 0.5);
    shape(cr, [](cairo_t* c) {
        cairo_move_to(c, 228, -192);
        cairo_line_to(c, 228, -135);
        cairo_line_to(c, 272, -128);
        cairo_line_to(c, 248, -190);
        cairo_close_path(c);
    }, 0xCFEFFF, lw, false, 0.5);
    shape(cr, [](cairo_t* c) { ellipse(c, 280, -82, 8, 11); }, 0xFFF3B0, lw, false, 0.5);
    shape(cr, [](cairo_t* c) { rounded_rect(c, 250, -52, 46, 14, 6); }, 0xC8CCD2, lw, false, 0.4);
    // Red lights on top.
    for (double lx : {-225.0, 205.0})
        shape(cr, [=](cairo_t* c) { ellipse(c, lx, -212, 9, 6); }, pal::red, lw, false, 0.5);
    for (double wx : {-160.0, 150.0})
        wheel(cr, wx, -38, 40, 0x3B3330, lw);
}

void tractor(cairo_t* cr, double x, double y, double s)
{
    Local L(cr, x, y, s);
    const double lw = L.lw;
    const uint32_t green = 0x3FAE49;
    ground_shadow(cr, 0, 200);
    // Exhaust pipe.
    shape(cr, [](cairo_t* c) { rounded_rect(c, 70, -250, 14, 110, 5); }, 0x6A6E76, lw, false, 0.3);
    // Hood and cab.
    auto hood = [](cairo_t* c) { rounded_rect(c, -10, -170, 200, 95, 18); };
    shape(cr, hood, green, lw, true, 0.3);
    cairo_save(cr);
    set_rgb(cr, 0x2E7A34);
    for (int k = 0; k < 5; ++k) {
        rounded_rect(cr, 120 + k * 12, -150, 6, 50, 3);
        cairo_fill(cr);
    }
    cairo_restore(cr);
    shape(cr, [](cairo_t* c) {
        cairo_move_to(c, -150, -80);
        cairo_line_to(c, -150, -260);
        cairo_line_to(c, 10, -260);
        cairo_line_to(c, 20, -80);
        cairo_close_path(c);
    }, green, lw, true, 0.25);
    shape(cr, [](cairo_t* c) { rounded_rect(c, -165, -278, 195, 22, 8); }, pal::red, lw, true, 0.3);
    auto win = [](cairo_t* c) {
        cairo_move_to(c, -132, -240);
        cairo_line_to(c, -8, -240);
        cairo_line_to(c, 0, -160);
        cairo_line_to(c, -132, -160);
        cairo_close_path(c);
    };
    shape(cr, win, 0xCFEFFF, lw, false, 0.5);
    cairo_save(cr);
    win(cr);
    cairo_clip(cr);
    passenger(cr, -70, -185, 30, 0);
    // The bear farmer wears a straw hat.
    shape(cr, [](cairo_t* c) {
        ellipse(c, -70, -212, 44, 9);
        cairo_new_sub_path(c);
        cairo_move_to(c, -95, -212);
        cairo_curve_to(c, -95, -240, -45, -240, -45, -212);
        cairo_close_path(c);
    }, 0xF2CF63, lw * 0.8, false, 0.3);
    set_rgb(cr, pal::red);
    cairo_rectangle(cr, -94, -222, 48, 6);
    cairo_fill(cr);
    cairo_restore(cr);
    shape(cr, [](cairo_t* c) { rounded_rect(c, 175, -120, 26, 20, 6); }, 0xFFF3B0, lw, false, 0.5);
    wheel(cr, -80, -78, 78, pal::sun, lw);
    // Chunky treads on the big wheel.
    cairo_save(cr);
    set_rgb(cr, pal::outline);
    for (int k = 0; k < 14; ++k) {
        const double a = k * 2 * kPi / 14;
        cairo_save(cr);
        cairo_translate(cr, -80 + 78 * std::cos(a), -78 + 78 * std::sin(a));
        cairo_rotate(cr, a);
        rounded_rect(cr, -4, -9, 10, 18, 3);
        cairo_fill(cr);
        cairo_restore(cr);
    }
    cairo_restore(cr);
    wheel(cr, 140, -45, 45, pal::sun, lw);
    shape(cr, [](cairo_t* c) {
        cairo_new_sub_path(c);
        cairo_arc(c, -80, -78, 90, kPi * 1.05, kPi * 1.95);
        cairo_arc_negative(c, -80, -78, 80, kPi * 1.95, kPi * 1.05);
        cairo_close_path(c);
    }, pal::red, lw, false, 0.3);
}

void locomotive(cairo_t* cr, double x, double y, double s)
{
    Local L(cr, x, y, s);
    const double lw = L.lw;
    // Facing right; (0, 0) is the rail under the middle.
    shape(cr, [](cairo_t* c) {
        cairo_move_to(c, 60, -150);
        cairo_line_to(c, 52, -195);
        cairo_line_to(c, 92, -195);
        cairo_line_to(c, 84, -150);
        cairo_close_path(c);
    }, 0x3B3330, lw, false, 0.2);
    shape(cr, [](cairo_t* c) { rounded_rect(c, -20, -150, 150, 95, 40); }, 0x3D7BE0, lw, true, 0.35);
    for (double bx : {10.0, 50.0, 90.0})
        shape(cr, [=](cairo_t* c) { cairo_rectangle(c, bx, -152, 8, 96); }, pal::sun, lw * 0.6, false, 0.3);
    shape(cr, [](cairo_t* c) { ellipse(c, 130, -102, 14, 40); }, 0x2E5FB8, lw, false, 0.3);
    shape(cr, [](cairo_t* c) { ellipse(c, 134, -110, 8, 9); }, 0xFFF3B0, lw * 0.8, false, 0.5);
    shape(cr, [](cairo_t* c) { rounded_rect(c, -110, -200, 100, 150, 8); }, pal::red, lw, true, 0.25);
    shape(cr, [](cairo_t* c) { rounded_rect(c, -122, -215, 124, 22, 8); }, 0x3B3330, lw, false, 0.2);
    shape(cr, [](cairo_t* c) { rounded_rect(c, -95, -185, 70, 55, 8); }, 0xCFEFFF, lw, false, 0.5);
    cairo_save(cr);
    rounded_rect(cr, -95, -185, 70, 55, 8);
    cairo_clip(cr);
    passenger(cr, -60, -150, 24, 3);
    shape(cr, [](cairo_t* c) {
        cairo_move_to(c, -86, -165);
        cairo_curve_to(c, -84, -190, -36, -190, -34, -165);
        cairo_close_path(c);
    }, 0x4D8FE8, lw * 0.8, false, 0.3);
    cairo_restore(cr);
    shape(cr, [](cairo_t* c) {
        cairo_move_to(c, 140, -40);
        cairo_line_to(c, 175, -20);
        cairo_line_to(c, 140, -10);
        cairo_close_path(c);
    }, pal::red, lw, false, 0.2);
    shape(cr, [](cairo_t* c) { rounded_rect(c, -120, -58, 265, 26, 6); }, 0x3B3330, lw, false, 0.1);
    for (double wx : {-75.0, 0.0, 80.0})
        wheel(cr, wx, -26, 26, pal::red, lw);
    cairo_move_to(cr, -75, -26);
    cairo_line_to(cr, 80, -26);
    thick_line(cr, 5, 0xD8DCE2, lw);
}

void carriage(cairo_t* cr, double x, double y, double s, uint32_t colour, int riders)
{
    Local L(cr, x, y, s);
    const double lw = L.lw;
    shape(cr, [](cairo_t* c) { rounded_rect(c, -100, -170, 200, 120, 12); }, colour, lw, true, 0.3);
    shape(cr, [](cairo_t* c) { rounded_rect(c, -110, -182, 220, 20, 8); }, darken(colour, 0.35), lw, false, 0.2);
    for (int k = 0; k < 2; ++k) {
        const double wx = -80 + k * 90;
        auto win = [=](cairo_t* c) { rounded_rect(c, wx, -150, 70, 55, 10); };
        shape(cr, win, 0xCFEFFF, lw, false, 0.5);
        cairo_save(cr);
        win(cr);
        cairo_clip(cr);
        passenger(cr, wx + 35, -112, 22, riders + k);
        cairo_restore(cr);
    }
    shape(cr, [](cairo_t* c) { cairo_rectangle(c, -100, -80, 200, 8); }, pal::white, 0, false, 0);
    shape(cr, [](cairo_t* c) { rounded_rect(c, -105, -58, 210, 22, 6); }, 0x3B3330, lw, false, 0.1);
    for (double wx : {-60.0, 60.0})
        wheel(cr, wx, -26, 26, darken(colour, 0.2), lw);
    cairo_move_to(cr, -100, -46);
    cairo_line_to(cr, -128, -46);
    thick_line(cr, 6, 0x6A6E76, lw);
}

void airplane(cairo_t* cr, double x, double y, double s)
{
    Local L(cr, x, y, s);
    const double lw = L.lw;
    // Far wing and tail fin behind the body.
    shape(cr, [](cairo_t* c) {
        cairo_move_to(c, -20, -20);
        cairo_line_to(c, 40, -95);
        cairo_line_to(c, 80, -95);
        cairo_line_to(c, 55, -20);
        cairo_close_path(c);
    }, 0xC8CCD2, lw, false, 0.3);
    shape(cr, [](cairo_t* c) {
        cairo_move_to(c, -190, -10);
        cairo_line_to(c, -235, -100);
        cairo_line_to(c, -200, -100);
        cairo_line_to(c, -140, -15);
        cairo_close_path(c);
    }, pal::red, lw, true, 0.25);
    shape(cr, [](cairo_t* c) { star_path(c, -200, -70, 14, 6, 5); }, pal::sun, lw * 0.7, false, 0.3);
    auto body = [](cairo_t* c) {
        cairo_move_to(c, 180, 0);
        cairo_curve_to(c, 180, -40, 140, -50, 80, -50);
        cairo_line_to(c, -150, -30);
        cairo_curve_to(c, -200, -25, -215, -10, -215, 0);
        cairo_curve_to(c, -215, 15, -190, 20, -150, 22);
        cairo_line_to(c, 80, 40);
        cairo_curve_to(c, 140, 40, 180, 35, 180, 0);
        cairo_close_path(c);
    };
    shape(cr, body, pal::white, lw, true, 0.3);
    cairo_save(cr);
    body(cr);
    cairo_clip(cr);
    set_rgb(cr, pal::red);
    cairo_rectangle(cr, -230, 2, 420, 14);
    cairo_fill(cr);
    set_rgb(cr, 0x4D8FE8);
    cairo_rectangle(cr, -230, 16, 420, 6);
    cairo_fill(cr);
    cairo_restore(cr);
    // Windows with passengers.
    for (int k = 0; k < 5; ++k) {
        const double wx = -110 + k * 40;
        shape(cr, [=](cairo_t* c) { ellipse(c, wx, -18, 12, 13); }, 0xCFEFFF, lw * 0.8, false, 0.5);
        cairo_save(cr);
        ellipse(cr, wx, -18, 12, 13);
        cairo_clip(cr);
        passenger(cr, wx, -12, 9, k);
        cairo_restore(cr);
    }
    // Cockpit.
    shape(cr, [](cairo_t* c) {
        cairo_move_to(c, 110, -44);
        cairo_curve_to(c, 140, -44, 160, -30, 166, -14);
        cairo_line_to(c, 110, -14);
        cairo_close_path(c);
    }, 0x8FD3F4, lw, false, 0.5);
    // Near wing.
    shape(cr, [](cairo_t* c) {
        cairo_move_to(c, -30, 10);
        cairo_line_to(c, 40, 120);
        cairo_line_to(c, 85, 120);
        cairo_line_to(c, 60, 10);
        cairo_close_path(c);
    }, 0xE8ECF2, lw, true, 0.3);
    shape(cr, [](cairo_t* c) { ellipse(c, 40, 70, 20, 12); }, 0x4D8FE8, lw * 0.8, false, 0.3);
    shape(cr, [](cairo_t* c) { ellipse(c, 40, 70, 12, 7); }, pal::white, 0, false, 0.1);
    shape(cr, [](cairo_t* c) { ellipse(c, 40, 70, 6, 3.5); }, pal::red, 0, false, 0.1);
    shape(cr, [](cairo_t* c) {
        cairo_move_to(c, -190, 10);
        cairo_line_to(c, -225, 45);
        cairo_line_to(c, -195, 45);
        cairo_line_to(c, -160, 12);
        cairo_close_path(c);
    }, 0xE8ECF2, lw, false, 0.3);
    // Propeller: a spinning blur with two blades.
    cairo_save(cr);
    set_rgb(cr, pal::white, 0.45);
    ellipse(cr, 186, 0, 10, 62);
    cairo_fill(cr);
    cairo_restore(cr);
    shape(cr, [](cairo_t* c) {
        ellipse(c, 188, -30, 6, 28);
        ellipse(c, 184, 30, 6, 28);
    }, 0x9A6038, lw * 0.8, false, 0.3);
    shape(cr, [](cairo_t* c) { ellipse(c, 184, 0, 12, 12); }, pal::sun, lw, false, 0.4);
    // Trail lines behind.
    cairo_save(cr);
    set_rgb(cr, pal::white, 0.8);
    cairo_set_line_width(cr, 4);
    for (int k = 0; k < 3; ++k) {
        cairo_move_to(cr, -240, -20 + k * 18);
        cairo_line_to(cr, -300 - k * 20, -20 + k * 18);
    }
    cairo_stroke(cr);
    cairo_restore(cr);
}

void sailboat(cairo_t* cr, double x, double y, double s)
{
    Local L(cr, x, y, s);
    const double lw = L.lw;
    // Mast, sails, hull; (0, 0) is the water line at the middle of the hull.
    cairo_move_to(cr, 0, -20);
    cairo_line_to(cr, 0, -300);
    thick_line(cr, 7, 0x9A6038, lw);
    shape(cr, [](cairo_t* c) {
        cairo_move_to(c, 0, -298);
        cairo_line_to(c, 40, -285);
        cairo_line_to(c, 0, -272);
        cairo_close_path(c);
    }, pal::red, lw * 0.8, false, 0.2);
    auto sail = [](cairo_t* c) {
        cairo_move_to(c, 10, -270);
        cairo_curve_to(c, 90, -210, 130, -120, 140, -50);
        cairo_line_to(c, 10, -50);
        cairo_close_path(c);
    };
    shape(cr, sail, pal::white, lw, true, 0.2);
    cairo_save(cr);
    sail(cr);
    cairo_clip(cr);
    const uint32_t bands[] = {pal::red, pal::white, pal::orange, pal::white, pal::sun, pal::white};
    for (int k = 0; k < 6; ++k) {
        set_rgb(cr, bands[k]);
        cairo_rectangle(cr, 0, -270 + k * 37, 160, 37);
        cairo_fill(cr);
    }
    cairo_restore(cr);
    cairo_save(cr);
    sail(cr);
    set_rgb(cr, pal::outline);
    cairo_set_line_width(cr, lw);
    cairo_stroke(cr);
    cairo_restore(cr);
    auto jib = [](cairo_t* c) {
        cairo_move_to(c, -10, -250);
        cairo_curve_to(c, -60, -190, -90, -120, -100, -55);
        cairo_line_to(c, -10, -55);
        cairo_close_path(c);
    };
    shape(cr, jib, 0x8FD3F4, lw, false, 0.3);
    // Seams across both sails.
    cairo_save(cr);
    cairo_set_line_width(cr, lw * 0.6);
    set_rgb(cr, 0x4A7FA8, 0.8);
    jib(cr);
    cairo_clip(cr);
    for (double sy = -230; sy < -55; sy += 22) {
        cairo_move_to(cr, -110, sy + 20);
        cairo_line_to(cr, 0, sy);
    }
    cairo_stroke(cr);
    cairo_restore(cr);
    cairo_save(cr);
    cairo_set_line_width(cr, lw * 0.6);
    set_rgb(cr, 0x8A6A50, 0.6);
    sail(cr);
    cairo_clip(cr);
    for (double sx = 30; sx < 150; sx += 26) {
        cairo_move_to(cr, sx, -280);
        cairo_line_to(cr, sx, -50);
    }
    cairo_stroke(cr);
    cairo_restore(cr);
    auto hull = [](cairo_t* c) {
        cairo_move_to(c, -160, -50);
        cairo_line_to(c, 170, -50);
        cairo_curve_to(c, 150, -10, 120, 10, 80, 12);
        cairo_line_to(c, -100, 12);
        cairo_curve_to(c, -130, 10, -150, -20, -160, -50);
        cairo_close_path(c);
    };
    shape(cr, hull, 0x3D7BE0, lw, true, 0.3);
    cairo_save(cr);
    hull(cr);
    cairo_clip(cr);
    set_rgb(cr, pal::white);
    cairo_rectangle(cr, -170, -38, 350, 8);
    cairo_fill(cr);
    cairo_restore(cr);
    for (int k = 0; k < 3; ++k)
        shape(cr, [=](cairo_t* c) { ellipse(c, -70 + k * 60, -20, 9, 9); }, 0xCFEFFF, lw * 0.8, false, 0.5);
    // Bafo at the stern, waving.
    Bafo b;
    b.x = -115;
    b.y = -45;
    b.scale = 0.38;
    b.left = Arm::Wave;
    b.mouth = Mouth::Open;
    b.ground_shadow = false;
    cairo_save(cr);
    cairo_rectangle(cr, -200, -400, 400, 355);
    cairo_clip(cr);
    draw_bafo(cr, b);
    cairo_restore(cr);
}

void lighthouse(cairo_t* cr, double x, double ground, double h)
{
    const double w = h * 0.28;
    auto tower = [=](cairo_t* c) {
        cairo_move_to(c, x - w / 2, ground);
        cairo_line_to(c, x - w * 0.32, ground - h);
        cairo_line_to(c, x + w * 0.32, ground - h);
        cairo_line_to(c, x + w / 2, ground);
        cairo_close_path(c);
    };
    shape(cr, tower, pal::white, 2.2, true, 0.2);
    cairo_save(cr);
    tower(cr);
    cairo_clip(cr);
    set_rgb(cr, pal::red);
    for (int k = 0; k < 3; ++k) {
        cairo_rectangle(cr, x - w, ground - h + h * (0.12 + k * 0.3), 2 * w, h * 0.14);
        cairo_fill(cr);
    }
    cairo_restore(cr);
    shape(cr, [=](cairo_t* c) { rounded_rect(c, x - w * 0.45, ground - h - 6, w * 0.9, 8, 3); }, 0x3B3330, 2, false);
    cairo_save(cr);
    cairo_pattern_t* g = cairo_pattern_create_radial(x, ground - h - 25, 5, x, ground - h - 25, 70);
    cairo_pattern_add_color_stop_rgba(g, 0, 1, 0.95, 0.6, 0.8);
    cairo_pattern_add_color_stop_rgba(g, 1, 1, 0.95, 0.6, 0);
    cairo_set_source(cr, g);
    cairo_arc(cr, x, ground - h - 25, 70, 0, 2 * kPi);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
    cairo_restore(cr);
    shape(cr, [=](cairo_t* c) { rounded_rect(c, x - w * 0.28, ground - h - 38, w * 0.56, 32, 4); }, 0xFFE27A, 2, false,
          0.4);
    shape(cr, [=](cairo_t* c) {
        cairo_move_to(c, x - w * 0.38, ground - h - 36);
        cairo_line_to(c, x, ground - h - 60);
        cairo_line_to(c, x + w * 0.38, ground - h - 36);
        cairo_close_path(c);
    }, pal::red, 2, false, 0.3);
    shape(cr, [=](cairo_t* c) { rounded_rect(c, x - 7, ground - 26, 14, 24, 6); }, 0x9A6038, 1.8, false);
}

void police_car(cairo_t* cr, double x, double y, double s)
{
    Local L(cr, x, y, s);
    const double lw = L.lw;
    ground_shadow(cr, 0, 200);
    // Flashing lights' glow.
    for (int k = 0; k < 2; ++k) {
        const double gx = k ? 30 : -30;
        cairo_pattern_t* g = cairo_pattern_create_radial(gx, -170, 5, gx, -170, 110);
        if (k)
            cairo_pattern_add_color_stop_rgba(g, 0, 1, 0.3, 0.3, 0.7);
        else
            cairo_pattern_add_color_stop_rgba(g, 0, 0.3, 0.5, 1, 0.7);
        cairo_pattern_add_color_stop_rgba(g, 1, 1, 1, 1, 0);
        cairo_set_source(cr, g);
        cairo_arc(cr, gx, -170, 110, 0, 2 * kPi);
        cairo_fill(cr);
        cairo_pattern_destroy(g);
    }
    auto body = [](cairo_t* c) {
        cairo_move_to(c, -200, -40);
        cairo_line_to(c, -205, -90);
        cairo_curve_to(c, -200, -110, -180, -115, -150, -118);
        cairo_line_to(c, -100, -120);
        cairo_curve_to(c, -80, -160, -60, -165, -20, -165);
        cairo_line_to(c, 60, -165);
        cairo_curve_to(c, 90, -165, 110, -140, 125, -120);
        cairo_line_to(c, 180, -112);
        cairo_curve_to(c, 205, -108, 212, -90, 210, -40);
        cairo_close_path(c);
    };
    shape(cr, body, pal::white, lw, true, 0.25);
    cairo_save(cr);
    body(cr);
    cairo_clip(cr);
    set_rgb(cr, 0x2E5FB8);
    cairo_rectangle(cr, -75, -122, 170, 85);
    cairo_fill(cr);
    set_rgb(cr, 0x3D7BE0);
    cairo_rectangle(cr, -220, -82, 440, 16);
    cairo_fill(cr);
    cairo_restore(cr);
    shape(cr, body, pal::white, 0, false, 0);
    cairo_save(cr);
    body(cr);
    cairo_clip(cr);
    set_rgb(cr, pal::white);
    cairo_paint(cr);
    set_rgb(cr, 0x2E5FB8);
    cairo_rectangle(cr, -75, -122, 170, 85);
    cairo_fill(cr);
    set_rgb(cr, 0x3D7BE0);
    cairo_rectangle(cr, -220, -82, 440, 14);
    cairo_fill(cr);
    cairo_restore(cr);
    cairo_save(cr);
    body(cr);
    set_rgb(cr, pal::outline);
    cairo_set_line_width(cr, lw);
    cairo_stroke(cr);
    cairo_restore(cr);
    // Windows.
    for (int k = 0; k < 2; ++k)
        shape(cr, [=](cairo_t* c) {
            if (k == 0) {
                cairo_move_to(c, -88, -122);
                cairo_curve_to(c, -74, -150, -60, -155, -25, -155);
                cairo_line_to(c, 10, -155);
                cairo_line_to(c, 10, -122);
            } else {
                cairo_move_to(c, 22, -122);
                cairo_line_to(c, 22, -155);
                cairo_line_to(c, 58, -155);
                cairo_curve_to(c, 80, -155, 98, -138, 110, -122);
            }
            cairo_close_path(c);
        }, 0xA8C8F0, lw, false, 0.5);
    cairo_save(cr);
    cairo_rectangle(cr, 22, -155, 90, 33);
    cairo_clip(cr);
    passenger(cr, 55, -128, 16, 0);
    shape(cr, [](cairo_t* c) {
        cairo_move_to(c, 38, -140);
        cairo_curve_to(c, 40, -160, 70, -160, 72, -140);
        cairo_close_path(c);
    }, 0x2A3A6A, lw * 0.8, false, 0.3);
    set_rgb(cr, pal::sun);
    star_path(cr, 55, -148, 5, 2.2, 5);
    cairo_fill(cr);
    cairo_restore(cr);
    // Light bar.
    shape(cr, [](cairo_t* c) { rounded_rect(c, -45, -180, 90, 16, 6); }, 0x3B3330, lw, false, 0.2);
    shape(cr, [](cairo_t* c) { rounded_rect(c, -42, -186, 40, 16, 7); }, 0x4D8FE8, lw, false, 0.6);
    shape(cr, [](cairo_t* c) { rounded_rect(c, 2, -186, 40, 16, 7); }, pal::red, lw, false, 0.6);
    shape(cr, [](cairo_t* c) { star_path(c, 10, -95, 16, 7, 5); }, pal::sun, lw * 0.8, false, 0.4);
    shape(cr, [](cairo_t* c) { ellipse(c, 204, -88, 7, 10); }, 0xFFF3B0, lw, false, 0.5);
    shape(cr, [](cairo_t* c) { ellipse(c, -202, -84, 5, 9); }, pal::red, lw, false, 0.5);
    // Headlight beam.
    cairo_save(cr);
    cairo_move_to(cr, 208, -92);
    cairo_line_to(cr, 420, -140);
    cairo_line_to(cr, 420, -20);
    cairo_close_path(cr);
    cairo_pattern_t* beam = cairo_pattern_create_linear(208, 0, 420, 0);
    cairo_pattern_add_color_stop_rgba(beam, 0, 1, 0.97, 0.7, 0.55);
    cairo_pattern_add_color_stop_rgba(beam, 1, 1, 0.97, 0.7, 0);
    cairo_set_source(cr, beam);
    cairo_fill(cr);
    cairo_pattern_destroy(beam);
    cairo_restore(cr);
    for (double wx : {-130.0, 140.0})
        wheel(cr, wx, -36, 36, 0x9AA0A8, lw);
}

void hot_air_balloon(cairo_t* cr, double x, double y, double r, uint32_t a, uint32_t b)
{
    const double lw = std::clamp(r / 30, 1.5, 2.6);
    auto env = [=](cairo_t* c) {
        cairo_move_to(c, x, y + r * 1.25);
        cairo_curve_to(c, x - r * 0.55, y + r * 0.9, x - r * 1.05, y + r * 0.4, x - r, y - r * 0.1);
        cairo_curve_to(c, x - r * 0.95, y - r * 0.75, x - r * 0.5, y - r * 1.1, x, y - r * 1.1);
        cairo_curve_to(c, x + r * 0.5, y - r * 1.1, x + r * 0.95, y - r * 0.75, x + r, y - r * 0.1);
        cairo_curve_to(c, x + r * 1.05, y + r * 0.4, x + r * 0.55, y + r * 0.9, x, y + r * 1.25);
        cairo_close_path(c);
    };
    // Ropes and basket.
    cairo_save(cr);
    set_rgb(cr, pal::outline);
    cairo_set_line_width(cr, lw * 0.7);
    for (int s : {-1, 1}) {
        cairo_move_to(cr, x + s * r * 0.3, y + r * 1.1);
        cairo_line_to(cr, x + s * r * 0.26, y + r * 1.45);
    }
    cairo_stroke(cr);
    cairo_restore(cr);
    shape(cr, [=](cairo_t* c) { rounded_rect(c, x - r * 0.3, y + r * 1.42, r * 0.6, r * 0.38, r * 0.06); }, 0xC98B55,
          lw, true, 0.2);
    cairo_save(cr);
    set_rgb(cr, 0x8A5530, 0.8);
    cairo_set_line_width(cr, lw * 0.6);
    for (double k = 0.1; k < 0.6; k += 0.1) {
        cairo_move_to(cr, x - r * 0.3 + r * k, y + r * 1.44);
        cairo_line_to(cr, x - r * 0.3 + r * k, y + r * 1.78);
    }
    cairo_stroke(cr);
    cairo_restore(cr);
    shape(cr, env, a, lw, true, 0);
    cairo_save(cr);
    env(cr);
    cairo_clip(cr);
    // Gores: alternating panels that bulge with the envelope.
    for (int k = -3; k <= 3; k += 2) {
        set_rgb(cr, b);
        cairo_move_to(cr, x, y - r * 1.2);
        cairo_curve_to(cr, x + k * r * 0.32, y - r * 0.9, x + k * r * 0.36, y + r * 0.3, x, y + r * 1.3);
        cairo_curve_to(cr, x + (k + 1) * r * 0.36, y + r * 0.3, x + (k + 1) * r * 0.32, y - r * 0.9, x, y - r * 1.2);
        cairo_close_path(cr);
        cairo_fill(cr);
    }
    set_rgb(cr, pal::white, 0.85);
    cairo_set_line_width(cr, r * 0.1);
    cairo_move_to(cr, x - r * 1.1, y + r * 0.25);
    cairo_curve_to(cr, x - r * 0.5, y + r * 0.45, x + r * 0.5, y + r * 0.45, x + r * 1.1, y + r * 0.25);
    cairo_stroke(cr);
    cairo_pattern_t* p = cairo_pattern_create_radial(x - r * 0.35, y - r * 0.5, r * 0.1, x, y, r * 1.3);
    cairo_pattern_add_color_stop_rgba(p, 0, 1, 1, 1, 0.45);
    cairo_pattern_add_color_stop_rgba(p, 0.5, 1, 1, 1, 0);
    cairo_pattern_add_color_stop_rgba(p, 1, 0, 0, 0.1, 0.25);
    cairo_set_source(cr, p);
    cairo_paint(cr);
    cairo_pattern_destroy(p);
    cairo_restore(cr);
    cairo_save(cr);
    env(cr);
    set_rgb(cr, pal::outline);
    cairo_set_line_width(cr, lw);
    cairo_stroke(cr);
    cairo_restore(cr);
}

void digger(cairo_t* cr, double x, double y, double s)
{
    Local L(cr, x, y, s);
    const double lw = L.lw;
    const uint32_t yellow = 0xFFB627;
    ground_shadow(cr, 0, 190);
    // Tracks.
    auto track = [](cairo_t* c) { rounded_rect(c, -170, -70, 300, 70, 35); };
    shape(cr, track, 0x3B3636, lw, true, 0.1);
    cairo_save(cr);
    set_rgb(cr, 0x1E1A1A);
    for (double tx = -150; tx < 120; tx += 20) {
        cairo_rectangle(cr, tx, -72, 8, 6);
        cairo_rectangle(cr, tx, -6, 8, 6);
    }
    cairo_fill(cr);
    cairo_restore(cr);
    for (double wx : {-135.0, -65.0, 5.0, 75.0})
        wheel(cr, wx, -35, 24, yellow, lw);
    // Body and cab.
    shape(cr, [](cairo_t* c) { rounded_rect(c, -175, -150, 290, 80, 14); }, yellow, lw, true, 0.3);
    cairo_save(cr);
    rounded_rect(cr, -175, -150, 290, 80, 14);
    cairo_clip(cr);
    set_rgb(cr, pal::outline);
    for (double sx = -170; sx < 120; sx += 24) {
        cairo_move_to(cr, sx, -94);
        cairo_line_to(cr, sx + 12, -94);
        cairo_line_to(cr, sx + 2, -76);
        cairo_line_to(cr, sx - 10, -76);
        cairo_close_path(cr);
    }
    cairo_fill(cr);
    cairo_restore(cr);
    shape(cr, [](cairo_t* c) { rounded_rect(c, -160, -275, 130, 130, 14); }, yellow, lw, true, 0.3);
    shape(cr, [](cairo_t* c) { rounded_rect(c, -145, -260, 100, 80, 10); }, 0xCFEFFF, lw, false, 0.5);
    cairo_save(cr);
    rounded_rect(cr, -145, -260, 100, 80, 10);
    cairo_clip(cr);
    passenger(cr, -95, -205, 26, 1);
    shape(cr, [](cairo_t* c) {
        cairo_move_to(c, -122, -222);
        cairo_curve_to(c, -120, -252, -70, -252, -68, -222);
        cairo_close_path(c);
    }, pal::orange, lw * 0.8, false, 0.3);
    cairo_restore(cr);
    shape(cr, [](cairo_t* c) { rounded_rect(c, -165, -290, 140, 18, 6); }, 0x3B3330, lw, false, 0.2);
    shape(cr, [](cairo_t* c) { ellipse(c, -95, -300, 12, 8); }, pal::orange, lw, false, 0.6);
    shape(cr, [](cairo_t* c) { rounded_rect(c, 10, -200, 16, 55, 5); }, 0x6A6E76, lw, false, 0.3);
    // The arm, boom and bucket, reaching down into the sand on the right.
    cairo_move_to(cr, 30, -150);
    cairo_curve_to(cr, 80, -300, 150, -310, 200, -260);
    thick_line(cr, 34, yellow, lw);
    cairo_move_to(cr, 200, -260);
    cairo_line_to(cr, 250, -110);
    thick_line(cr, 26, yellow, lw);
    cairo_move_to(cr, 70, -210);
    cairo_line_to(cr, 150, -270);
    thick_line(cr, 9, 0xD8DCE2, lw);
    shape(cr, [](cairo_t* c) { ellipse(c, 200, -260, 12, 12); }, 0x6A6E76, lw, false);
    shape(cr, [](cairo_t* c) {
        cairo_move_to(c, 220, -125);
        cairo_line_to(c, 290, -120);
        cairo_curve_to(c, 300, -80, 280, -50, 250, -45);
        for (int k = 0; k < 4; ++k) {
            cairo_line_to(c, 240 - k * 9, -35);
            cairo_line_to(c, 236 - k * 9, -45);
        }
        cairo_curve_to(c, 215, -70, 210, -100, 220, -125);
        cairo_close_path(c);
    }, 0x8A8E96, lw, true, 0.3);
    shape(cr, [](cairo_t* c) { ellipse(c, 250, -112, 10, 10); }, 0x6A6E76, lw, false);
}

void cone(cairo_t* cr, double x, double ground, double h)
{
    shape(cr, [=](cairo_t* c) { rounded_rect(c, x - h * 0.42, ground - h * 0.1, h * 0.84, h * 0.12, 3); }, 0xFF6A2A,
          1.8, true, 0.2);
    auto body = [=](cairo_t* c) {
        cairo_move_to(c, x - h * 0.3, ground - h * 0.08);
        cairo_line_to(c, x - h * 0.07, ground - h);
        cairo_line_to(c, x + h * 0.07, ground - h);
        cairo_line_to(c, x + h * 0.3, ground - h * 0.08);
        cairo_close_path(c);
    };
    shape(cr, body, 0xFF7A38, 1.8, false, 0.3);
    cairo_save(cr);
    body(cr);
    cairo_clip(cr);
    set_rgb(cr, pal::white);
    cairo_rectangle(cr, x - h, ground - h * 0.62, 2 * h, h * 0.14);
    cairo_rectangle(cr, x - h, ground - h * 0.36, 2 * h, h * 0.12);
    cairo_fill(cr);
    cairo_restore(cr);
}

void ice_cream_truck(cairo_t* cr, double x, double y, double s)
{
    Local L(cr, x, y, s);
    const double lw = L.lw;
    const uint32_t body_c = 0xFF9EC4;
    ground_shadow(cr, 0, 200);
    // A giant cone on the roof.
    shape(cr, [](cairo_t* c) {
        cairo_move_to(c, -40, -240);
        cairo_line_to(c, 0, -160);
        cairo_line_to(c, 40, -240);
        cairo_close_path(c);
    }, 0xE0A860, lw, true, 0.3);
    cairo_save(cr);
    cairo_move_to(cr, -40, -240);
    cairo_line_to(cr, 0, -160);
    cairo_line_to(cr, 40, -240);
    cairo_close_path(cr);
    cairo_clip(cr);
    set_rgb(cr, 0xB07A3A);
    cairo_set_line_width(cr, 2);
    for (double k = -60; k < 60; k += 12) {
        cairo_move_to(cr, k, -245);
        cairo_line_to(cr, k + 40, -160);
        cairo_move_to(cr, k, -245);
        cairo_line_to(cr, k - 40, -160);
    }
    cairo_stroke(cr);
    cairo_restore(cr);
    shape(cr, [](cairo_t* c) {
        cairo_new_sub_path(c);
        cairo_arc(c, -18, -250, 24, 0, 2 * kPi);
        cairo_new_sub_path(c);
        cairo_arc(c, 18, -252, 24, 0, 2 * kPi);
        cairo_new_sub_path(c);
        cairo_arc(c, 0, -280, 26, 0, 2 * kPi);
    }, 0xFFF0F5, lw, false, 0.3);
    shape(cr, [](cairo_t* c) { ellipse(c, 0, -312, 9, 9); }, pal::red, lw, false, 0.4);
    set_rgb(cr, pal::pink);
    for (int k = 0; k < 8; ++k) {
        rounded_rect(cr, -25 + k * 7, -285 + (k % 3) * 12, 3, 8, 1.5);
        cairo_fill(cr);
    }
    auto body = [](cairo_t* c) {
        cairo_move_to(c, -210, -40);
        cairo_line_to(c, -210, -190);
        cairo_arc(c, -195, -190, 15, kPi, 1.5 * kPi);
        cairo_line_to(c, 120, -205);
        cairo_line_to(c, 140, -205);
        cairo_line_to(c, 190, -130);
        cairo_line_to(c, 215, -120);
        cairo_line_to(c, 215, -40);
        cairo_close_path(c);
    };
    shape(cr, body, body_c, lw, true, 0.3);
    // Serving hatch with an awning.
    shape(cr, [](cairo_t* c) { rounded_rect(c, -180, -170, 220, 90, 8); }, 0x7FD6C9, lw, false, 0.3);
    const uint32_t treats[] = {pal::red, pal::sun, 0x9B6BD3, pal::orange, 0xB5E04B};
    for (int k = 0; k < 5; ++k) {
        const double tx = -150 + k * 44;
        shape(cr, [=](cairo_t* c) {
            cairo_move_to(c, tx - 9, -115);
            cairo_line_to(c, tx, -90);
            cairo_line_to(c, tx + 9, -115);
            cairo_close_path(c);
        }, 0xE0A860, lw * 0.7, false, 0.3);
        shape(cr, [=](cairo_t* c) { ellipse(c, tx, -120, 11, 10); }, treats[k], lw * 0.7, false, 0.3);
    }
    shape(cr, [](cairo_t* c) {
        cairo_move_to(c, -195, -172);
        cairo_line_to(c, 55, -172);
        cairo_line_to(c, 65, -145);
        cairo_line_to(c, -205, -145);
        cairo_close_path(c);
    }, pal::white, lw, true, 0.2);
    cairo_save(cr);
    cairo_move_to(cr, -195, -172);
    cairo_line_to(cr, 55, -172);
    cairo_line_to(cr, 65, -145);
    cairo_line_to(cr, -205, -145);
    cairo_close_path(cr);
    cairo_clip(cr);
    set_rgb(cr, pal::red);
    for (double sx = -210; sx < 70; sx += 36) {
        cairo_rectangle(cr, sx, -175, 18, 32);
        cairo_fill(cr);
    }
    cairo_restore(cr);
    for (double sx = -196; sx < 60; sx += 18)
        shape(cr, [=](cairo_t* c) {
            cairo_new_sub_path(c);
            cairo_arc(c, sx + 9, -145, 9, 0, kPi);
            cairo_close_path(c);
        }, (int((sx + 196) / 18) % 2) ? pal::white : pal::red, lw * 0.7, false, 0.1);
    // Cab window and details.
    shape(cr, [](cairo_t* c) {
        cairo_move_to(c, 100, -190);
        cairo_line_to(c, 135, -190);
        cairo_line_to(c, 175, -130);
        cairo_line_to(c, 100, -130);
        cairo_close_path(c);
    }, 0xCFEFFF, lw, false, 0.5);
    shape(cr, [](cairo_t* c) { ellipse(c, 208, -95, 8, 11); }, 0xFFF3B0, lw, false, 0.5);
    shape(cr, [](cairo_t* c) { rounded_rect(c, 190, -52, 36, 14, 6); }, 0xC8CCD2, lw, false, 0.4);
    set_rgb(cr, pal::white, 0.8);
    for (int k = 0; k < 6; ++k) {
        heart_path(cr, -170 + k * 40, -60, 7);
        cairo_fill(cr);
    }
    for (double wx : {-130.0, 140.0})
        wheel(cr, wx, -36, 36, pal::pink, lw);
}

// --- the ten pictures --------------------------------------------------------

void fire_engine_street(Canvas& c)
{
    cairo_t* cr = c.cr();
    Rng rng(201);
    day_sky(cr, rng, SkySpec{170, pal::sky_top, 0xDDF4FF, 590, 50, 26, 6, 60, 100, 3});
    town(cr, rng, 300, false);
    for (double tx : {70.0, 330.0, 590.0})
        tree(cr, tx, 305, 90, pal::grass);
    pavement(cr, 300, 345, 0xD8CFC4);
    road(cr, rng, 345, 480);
    // A fire hydrant on the pavement.
    shape(cr, [](cairo_t* q) {
        rounded_rect(q, 22, 270, 26, 48, 6);
        rounded_rect(q, 16, 280, 38, 10, 4);
    }, pal::red, 2, true, 0.3);
    shape(cr, [](cairo_t* q) { ellipse(q, 35, 270, 14, 8); }, 0xC8403A, 2, false);
    fire_engine(cr, 340, 450, 1.08);
}

void bus_country(Canvas& c)
{
    cairo_t* cr = c.cr();
    Rng rng(202);
    day_sky(cr, rng, SkySpec{230, 0x9ED8F5, 0xF4FBE0, 80, 70, 34, 6, 60, 110, 4});
    hill(cr, kW, kH, 200, 20, 0.01, 0.4, 0xA6DC86, 0x8CCB6E);
    tree_row(cr, rng, 215, 6, 55);
    hill(cr, kW, kH, 250, 10, 0.013, 2.0, 0x8AD263, 0x6FBF50);
    grass_blades(cr, rng, -10, kW + 10, 255, 330, 500, pal::grass);
    flowers(cr, rng, Box{10, 262, kW - 20, 60}, 20, 4, 6);
    road(cr, rng, 330, 440, 0xE8E0D8);
    hill(cr, kW, kH, 445, 3, 0.02, 0.0, 0x8AD263, 0x6FBF50);
    grass_blades(cr, rng, -10, kW + 10, 446, kH + 6, 300, pal::grass);
    flowers(cr, rng, Box{10, 450, kW - 20, 25}, 14, 6, 8);
    school_bus(cr, 300, 430, 0.98);
}

void tractor_field(Canvas& c)
{
    cairo_t* cr = c.cr();
    Rng rng(203);
    day_sky(cr, rng, SkySpec{220, 0x7AB8E8, 0xFFF1C8, 90, 70, 34, 5, 70, 120, 5, pal::outline, {{390, 20, 200, 180}}});
    hill(cr, kW, kH, 200, 14, 0.012, 1.0, 0xB8E08A, 0x9ACF6C);
    house(cr, 540, 218, 70, 50, 0xFFF4E0, 0xD9453C);
    tree(cr, 60, 220, 60, 0x8CCB6E);
    // Ploughed field in stripes up to the horizon, wheat on the right.
    auto field = [](cairo_t* q) {
        cairo_move_to(q, -5, 235);
        cairo_curve_to(q, 200, 220, 440, 225, 645, 235);
        cairo_line_to(q, 645, 485);
        cairo_line_to(q, -5, 485);
        cairo_close_path(q);
    };
    shape(cr, field, 0xA8713E, 2, false, 0.2);
    cairo_save(cr);
    field(cr);
    cairo_clip(cr);
    for (int k = -14; k < 20; ++k) {
        const double bx = 320 + k * 60;
        set_rgb(cr, k % 2 ? 0x8A5530 : 0xB47A44);
        cairo_move_to(cr, 320 + k * 6, 225);
        cairo_line_to(cr, 320 + (k + 1) * 6, 225);
        cairo_line_to(cr, bx + 60, 490);
        cairo_line_to(cr, bx, 490);
        cairo_close_path(cr);
        cairo_fill(cr);
    }
    cairo_restore(cr);
    speckles(cr, rng, field, Box{0, 225, double(kW), 260}, 400, 0x5A3220, 1, 2.6, 0.6);
    speckles(cr, rng, field, Box{0, 225, double(kW), 260}, 200, 0xE0B080, 1, 2.2, 0.6);
    // Little green sprouts in the front rows.
    for (int k = 0; k < 40; ++k) {
        const double sx = rng.range(0, kW), sy = rng.range(300, 475);
        if (sx > 120 && sx < 520 && sy < 470)
            continue;
        shape(cr, [=](cairo_t* q) {
            ellipse(q, sx - 4, sy - 5, 4, 2.5);
            ellipse(q, sx + 4, sy - 6, 4, 2.5);
        }, pal::grass, 1.2, false);
    }
    tractor(cr, 330, 445, 1.0);
    for (int k = 0; k < 4; ++k)
        puff(cr, 415 + k * 30, 170 - k * 38, 14 + k * 5, 0.95);
    birds(cr, rng, Box{300, 60, 200, 60}, 3);
}

void train_viaduct(Canvas& c)
{
    cairo_t* cr = c.cr();
    Rng rng(204);
    day_sky(cr, rng, SkySpec{260, 0x6FC8F0, 0xE8FAF0, 0, 0, 0, 6, 70, 120, 5});
    // Mountains and a river valley.
    cairo_save(cr);
    cairo_move_to(cr, -10, 270);
    const double peaks[][2] = {{80, 180}, {170, 230}, {290, 150}, {400, 220}, {500, 170}, {650, 230}};
    for (auto& p : peaks)
        cairo_line_to(cr, p[0], p[1]);
    cairo_line_to(cr, 650, 280);
    cairo_close_path(cr);
    set_vertical_gradient(cr, 150, 280, 0x8FB8D8, 0xB8D8E8);
    cairo_fill(cr);
    cairo_restore(cr);
    for (auto& p : peaks)
        shape(cr, [=](cairo_t* q) {
            cairo_move_to(q, p[0], p[1]);
            cairo_line_to(q, p[0] - 22, p[1] + 22);
            cairo_line_to(q, p[0] - 8, p[1] + 16);
            cairo_line_to(q, p[0] + 4, p[1] + 24);
            cairo_line_to(q, p[0] + 20, p[1] + 18);
            cairo_close_path(q);
        }, pal::white, 1.5, false, 0.2);
    hill(cr, kW, kH, 300, 16, 0.01, 0.8, 0x9BD874, 0x7CCB5B);
    for (int k = 0; k < 10; ++k)
        pine(cr, k * 70 + rng.range(0, 30), 330 + rng.range(-10, 10), 60, 0x3E9A4A);
    water(cr, rng, 0, 390, kW, kH, 0x6FC3E8, 0x3A8FD0);
    // Stone viaduct with arches.
    auto bridge = [](cairo_t* q) {
        cairo_move_to(q, -10, 300);
        cairo_line_to(q, 650, 300);
        cairo_line_to(q, 650, 480);
        for (int k = 4; k >= 0; --k) {
            const double ax = 64 + k * 128;
            cairo_line_to(q, ax + 44, 480);
            cairo_line_to(q, ax + 44, 380);
            cairo_arc_negative(q, ax, 380, 44, 0, kPi);
            cairo_line_to(q, ax - 44, 480);
        }
        cairo_line_to(q, -10, 480);
        cairo_close_path(q);
    };
    shape(cr, bridge, 0xD8B890, 2.5, true, 0.2);
    cairo_save(cr);
    bridge(cr);
    cairo_clip(cr);
    set_rgb(cr, 0xA88860, 0.8);
    cairo_set_line_width(cr, 1.5);
    for (double yy = 312; yy < 480; yy += 16) {
        cairo_move_to(cr, 0, yy);
        cairo_line_to(cr, kW, yy);
        for (double xx = (int(yy / 16) % 2) * 18; xx < kW; xx += 36) {
            cairo_move_to(cr, xx, yy);
            cairo_line_to(cr, xx, yy + 16);
        }
    }
    cairo_stroke(cr);
    cairo_restore(cr);
    shape(cr, [](cairo_t* q) { cairo_rectangle(q, -10, 292, 660, 14); }, 0xB89870, 2, false, 0.2);
    // Rails.
    cairo_save(cr);
    set_rgb(cr, 0x6A4A30);
    for (double xx = 0; xx < kW; xx += 16) {
        cairo_rectangle(cr, xx, 286, 9, 8);
        cairo_fill(cr);
    }
    cairo_restore(cr);
    cairo_move_to(cr, -10, 286);
    cairo_line_to(cr, 650, 286);
    thick_line(cr, 3, 0xB8BCC4, 1.2);
    locomotive(cr, 470, 286, 0.9);
    carriage(cr, 270, 286, 0.9, pal::sun, 0);
    carriage(cr, 70, 286, 0.9, 0x7CCB5B, 2);
    for (int k = 0; k < 5; ++k)
        puff(cr, 545 - k * 45, 95 - k * 12 + (k % 2) * 10, 18 + k * 4, 0.95 - k * 0.08);
    // Boats on the river.
    for (double bx : {190.0, 450.0}) {
        shape(cr, [=](cairo_t* q) {
            cairo_move_to(q, bx - 26, 440);
            cairo_line_to(q, bx + 26, 440);
            cairo_line_to(q, bx + 16, 452);
            cairo_line_to(q, bx - 16, 452);
            cairo_close_path(q);
        }, pal::red, 1.8, true, 0.3);
        shape(cr, [=](cairo_t* q) {
            cairo_move_to(q, bx, 405);
            cairo_line_to(q, bx + 20, 436);
            cairo_line_to(q, bx, 436);
            cairo_close_path(q);
        }, pal::white, 1.6, false, 0.2);
    }
}

void airplane_sky(Canvas& c)
{
    cairo_t* cr = c.cr();
    Rng rng(205);
    day_sky(cr, rng, SkySpec{330, 0x3E9BE0, 0xCDEBFA, 0, 0, 0, 5, 90, 150, 0});
    // Patchwork fields far below.
    hill(cr, kW, kH, 340, 12, 0.008, 2.0, 0x9BD874, 0x7CCB5B);
    const uint32_t patches[] = {0xB8E08A, 0xE6C45A, 0x7CCB5B, 0xC9E89A, 0xD9A83E, 0x9BD874};
    for (int row = 0; row < 4; ++row) {
        const double y0 = 350 + row * row * 9 + row * 14, y1 = 350 + (row + 1) * (row + 1) * 9 + (row + 1) * 14;
        const double w = 70 + row * 40;
        for (double x = -(row * 37 % 60); x < kW; x += w) {
            set_rgb(cr, patches[(int(x / w) + row * 2 + 6) % 6]);
            cairo_move_to(cr, x, y0);
            cairo_line_to(cr, x + w, y0);
            cairo_line_to(cr, x + w + (x + w - 320) * 0.12, y1);
            cairo_line_to(cr, x + (x - 320) * 0.12, y1);
            cairo_close_path(cr);
            cairo_fill_preserve(cr);
            set_rgb(cr, 0x5E9A3A, 0.8);
            cairo_set_line_width(cr, 1.5);
            cairo_stroke(cr);
        }
    }
    for (int k = 0; k < 14; ++k)
        tree(cr, rng.range(0, kW), rng.range(360, 470), rng.range(18, 30), pal::green_dark);
    for (int k = 0; k < 3; ++k)
        house(cr, 80 + k * 210 + rng.range(0, 40), 380 + k * 25, 34, 24, pal::white, pal::red);
    // Soft low clouds drifting over the fields.
    clouds(cr, rng, 310, 360, 4, 100, 160, 0.85);
    airplane(cr, 340, 190, 1.15);
    birds(cr, rng, Box{40, 300, 200, 40}, 3);
}

void sailboat_sea(Canvas& c)
{
    cairo_t* cr = c.cr();
    Rng rng(206);
    day_sky(cr, rng, SkySpec{250, 0x4FC0E8, 0xFFF0D8, 120, 90, 32, 5, 70, 120, 0});
    birds(cr, rng, Box{240, 60, 300, 100}, 5, 0x3B4A60);
    // A rocky island with a lighthouse.
    shape(cr, [](cairo_t* q) {
        cairo_move_to(q, 470, 270);
        cairo_curve_to(q, 480, 230, 520, 215, 560, 218);
        cairo_curve_to(q, 600, 215, 640, 230, 650, 270);
        cairo_close_path(q);
    }, 0x9A8E84, 2.2, false, 0.3);
    grass_blades(cr, rng, 490, 640, 222, 240, 60, pal::grass);
    lighthouse(cr, 565, 232, 120);
    water(cr, rng, 0, 255, kW, kH, 0x58C8D8, 0x1F7FB8);
    // Sparkles of sun on the water.
    sparkles(cr, rng, Box{40, 270, 300, 60}, 8, 4, 7, pal::white, 0.9);
    sailboat(cr, 300, 420, 1.0);
    // A dolphin saying hello.
    shape(cr, [](cairo_t* q) {
        cairo_move_to(q, 520, 400);
        cairo_curve_to(q, 530, 350, 580, 340, 610, 370);
        cairo_line_to(q, 625, 372);
        cairo_line_to(q, 612, 380);
        cairo_curve_to(q, 590, 365, 560, 370, 545, 405);
        cairo_close_path(q);
        cairo_move_to(q, 560, 355);
        cairo_line_to(q, 565, 335);
        cairo_line_to(q, 578, 352);
        cairo_close_path(q);
    }, 0x6F9FC8, 2, true, 0.3);
    eye(cr, 598, 366, 3.5);
    cairo_save(cr);
    set_rgb(cr, pal::white, 0.9);
    cairo_set_line_width(cr, 3);
    for (int k = 0; k < 3; ++k) {
        cairo_new_sub_path(cr);
        cairo_arc(cr, 532, 410, 12 + k * 10, kPi * 1.1, kPi * 1.9);
    }
    cairo_stroke(cr);
    cairo_restore(cr);
}

void police_night(Canvas& c)
{
    cairo_t* cr = c.cr();
    Rng rng(207);
    space_backdrop(cr, rng, 0x1E2A6A, 0x6A5AA8, {0x9B6BD3}, 160);
    moon_crescent(cr, 560, 70, 40, 0xFFE8A0, true);
    town(cr, rng, 320, true);
    // Street lamps with warm pools of light.
    for (double lx : {60.0, 320.0, 580.0}) {
        cairo_save(cr);
        cairo_pattern_t* g = cairo_pattern_create_radial(lx, 215, 5, lx, 215, 90);
        cairo_pattern_add_color_stop_rgba(g, 0, 1, 0.92, 0.6, 0.8);
        cairo_pattern_add_color_stop_rgba(g, 1, 1, 0.92, 0.6, 0);
        cairo_set_source(cr, g);
        cairo_arc(cr, lx, 215, 90, 0, 2 * kPi);
        cairo_fill(cr);
        cairo_pattern_destroy(g);
        cairo_restore(cr);
        cairo_move_to(cr, lx, 335);
        cairo_line_to(cr, lx, 220);
        thick_line(cr, 6, 0x3A3F56, 1.8);
        shape(cr, [=](cairo_t* q) {
            cairo_move_to(q, lx - 14, 222);
            cairo_line_to(q, lx - 8, 200);
            cairo_line_to(q, lx + 8, 200);
            cairo_line_to(q, lx + 14, 222);
            cairo_close_path(q);
        }, 0xFFE27A, 2, false, 0.5);
    }
    pavement(cr, 320, 350, 0x8A86A0);
    road(cr, rng, 350, 480, 0x9A96B0);
    police_car(cr, 300, 455, 1.1);
}

void balloons_valley(Canvas& c)
{
    cairo_t* cr = c.cr();
    Rng rng(208);
    cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, 0, 320);
    cairo_pattern_add_color_stop_rgb(p, 0, 0.55, 0.75, 0.98);
    cairo_pattern_add_color_stop_rgb(p, 0.6, 1.0, 0.82, 0.86);
    cairo_pattern_add_color_stop_rgb(p, 1, 1.0, 0.93, 0.75);
    cairo_set_source(cr, p);
    cairo_paint(cr);
    cairo_pattern_destroy(p);
    clouds(cr, rng, 40, 250, 7, 60, 110, 0.95);
    birds(cr, rng, Box{40, 40, 560, 150}, 4);
    // Hills in layers with a river winding through.
    hill(cr, kW, kH, 300, 18, 0.012, 0.5, 0xB8D8A0, 0xA0C888);
    hill(cr, kW, kH, 340, 16, 0.009, 2.4, 0x9BD874, 0x7CCB5B);
    auto river = [](cairo_t* q) {
        cairo_move_to(q, 300, 345);
        cairo_curve_to(q, 360, 380, 180, 420, 260, 490);
        cairo_line_to(q, 380, 490);
        cairo_curve_to(q, 300, 430, 420, 380, 325, 345);
        cairo_close_path(q);
    };
    shape(cr, river, 0x6FC3E8, 2, false, 0.3);
    cairo_save(cr);
    river(cr);
    cairo_clip(cr);
    set_rgb(cr, pal::white, 0.85);
    cairo_set_line_width(cr, 2);
    for (int k = 0; k < 14; ++k) {
        const double t = k / 13.0;
        const double wx = 305 + (t < 0.5 ? -60 * t : -30 + 60 * (t - 0.5)) + (k % 2) * 14, wy = 352 + t * 130;
        cairo_move_to(cr, wx - 8, wy);
        cairo_curve_to(cr, wx - 3, wy - 4, wx + 3, wy - 4, wx + 8, wy);
        cairo_stroke(cr);
    }
    cairo_restore(cr);
    grass_blades(cr, rng, -10, 250, 350, kH + 6, 350, pal::grass);
    grass_blades(cr, rng, 390, kW + 10, 350, kH + 6, 350, pal::grass);
    for (int k = 0; k < 8; ++k) {
        const double tx = k < 4 ? rng.range(10, 220) : rng.range(420, 630);
        tree(cr, tx, rng.range(360, 470), rng.range(40, 60), rng.chance(0.5) ? pal::grass : 0x8CCB6E);
    }
    house(cr, 470, 360, 60, 45, 0xFFF4E0, 0x4D8FE8);
    hot_air_balloon(cr, 120, 200, 42, pal::sun, pal::violet);
    hot_air_balloon(cr, 520, 130, 50, 0x2EC4B6, pal::white);
    hot_air_balloon(cr, 320, 150, 90, pal::red, pal::sun);
}

void digger_site(Canvas& c)
{
    cairo_t* cr = c.cr();
    Rng rng(209);
    day_sky(cr, rng, SkySpec{250, 0x5FB0E8, 0xEAF6FF, 70, 60, 30, 5, 70, 110, 3});
    // A crane far behind.
    cairo_save(cr);
    set_rgb(cr, 0xFFB627);
    cairo_set_line_width(cr, 3);
    for (double yy = 60; yy < 270; yy += 20) {
        cairo_move_to(cr, 470, yy);
        cairo_line_to(cr, 490, yy + 20);
        cairo_move_to(cr, 490, yy);
        cairo_line_to(cr, 470, yy + 20);
    }
    cairo_rectangle(cr, 470, 60, 20, 210);
    for (double xx = 330; xx < 600; xx += 20) {
        cairo_move_to(cr, xx, 60);
        cairo_line_to(cr, xx + 20, 75);
    }
    cairo_rectangle(cr, 330, 60, 280, 15);
    cairo_stroke(cr);
    set_rgb(cr, pal::outline);
    cairo_set_line_width(cr, 2);
    cairo_move_to(cr, 360, 75);
    cairo_line_to(cr, 360, 150);
    cairo_stroke(cr);
    cairo_restore(cr);
    shape(cr, [](cairo_t* q) { cairo_rectangle(q, 340, 150, 40, 22); }, 0x4D8FE8, 2, false, 0.2);
    hill(cr, kW, kH, 265, 6, 0.012, 0.6, 0xE8C890, 0xD8AE6A);
    // Barrier.
    for (double bx = 10; bx < kW; bx += 150) {
        shape(cr, [=](cairo_t* q) { cairo_rectangle(q, bx, 250, 120, 18); }, pal::white, 2, true, 0.1);
        cairo_save(cr);
        cairo_rectangle(cr, bx, 250, 120, 18);
        cairo_clip(cr);
        set_rgb(cr, pal::red);
        for (double sx = bx - 20; sx < bx + 130; sx += 24) {
            cairo_move_to(cr, sx, 268);
            cairo_line_to(cr, sx + 12, 268);
            cairo_line_to(cr, sx + 30, 250);
            cairo_line_to(cr, sx + 18, 250);
            cairo_close_path(cr);
            cairo_fill(cr);
        }
        cairo_restore(cr);
        for (double lx : {bx + 10, bx + 104})
            shape(cr, [=](cairo_t* q) { cairo_rectangle(q, lx, 268, 6, 22); }, 0x6A6E76, 1.5, false);
    }
    speckles(cr, rng, [](cairo_t* q) { cairo_rectangle(q, 0, 270, kW, kH); }, Box{0, 270, double(kW), 210}, 900,
             0xA07840, 1, 2.6, 0.6);
    speckles(cr, rng, [](cairo_t* q) { cairo_rectangle(q, 0, 270, kW, kH); }, Box{0, 270, double(kW), 210}, 400,
             0xFFF0C8, 1, 2.2, 0.7);
    // Piles of sand and gravel.
    auto pile = [&](double px, double ground, double w, uint32_t col) {
        auto path = [=](cairo_t* q) {
            cairo_move_to(q, px - w / 2, ground);
            cairo_curve_to(q, px - w * 0.3, ground - w * 0.5, px + w * 0.3, ground - w * 0.5, px + w / 2, ground);
            cairo_close_path(q);
        };
        shape(cr, path, col, 2.2, true, 0.25);
        speckles(cr, rng, path, Box{px - w / 2, ground - w * 0.5, w, w * 0.5}, int(w * 1.5), darken(col, 0.3), 1,
                 3, 0.7);
    };
    pile(90, 330, 170, 0xE8B868);
    pile(560, 470, 200, 0xE8B868);
    pile(580, 320, 110, 0xA8A098);
    stones(cr, rng, Box{20, 420, 200, 50}, 14, 0xA8A098);
    digger(cr, 240, 440, 0.95);
    cone(cr, 40, 470, 50);
    cone(cr, 430, 470, 40);
    cone(cr, 610, 400, 36);
}

void ice_cream_park(Canvas& c)
{
    cairo_t* cr = c.cr();
    Rng rng(210);
    day_sky(cr, rng, SkySpec{230, 0x7FD0F0, 0xF6FFF0, 560, 60, 30, 5, 70, 110, 3});
    hill(cr, kW, kH, 215, 10, 0.012, 0.5, 0xB4E39A, 0x98D47C);
    tree_row(cr, rng, 235, 5, 80);
    hill(cr, kW, kH, 270, 6, 0.01, 1.5, 0x9BD874, 0x7CCB5B);
    grass_blades(cr, rng, -10, kW + 10, 272, kH + 6, 1200, pal::grass);
    // A path of pale stones.
    shape(cr, [](cairo_t* q) {
        cairo_move_to(q, -10, 400);
        cairo_curve_to(q, 200, 360, 420, 370, 650, 350);
        cairo_line_to(q, 650, 420);
        cairo_curve_to(q, 420, 440, 200, 430, -10, 470);
        cairo_close_path(q);
    }, 0xF2E2C8, 2, false, 0.2);
    cairo_save(cr);
    set_rgb(cr, 0xC8B498, 0.9);
    cairo_set_line_width(cr, 1.5);
    for (double xx = 0; xx < kW; xx += 30) {
        const double t = xx / kW;
        cairo_move_to(cr, xx, 400 - t * 50 + 4);
        cairo_line_to(cr, xx + 6, 462 - t * 40);
    }
    cairo_stroke(cr);
    cairo_restore(cr);
    flowers(cr, rng, Box{10, 280, kW - 20, 60}, 24, 4, 6, {{140, 260, 420, 100}});
    ice_cream_truck(cr, 380, 400, 0.95);
    Bafo b;
    b.x = 110;
    b.y = 460;
    b.scale = 0.62;
    b.right = Arm::Up;
    b.mouth = Mouth::Open;
    b.eyes = Eyes::Happy;
    b.tail = 0.8;
    draw_bafo(cr, b);
    // The ice cream in his raised paw.
    double px = 0, py = 0;
    bafo_paw(b, true, px, py);
    py -= 20;  // the cone's tip in his paw, the paw still showing
    shape(cr, [=](cairo_t* q) {
        cairo_move_to(q, px - 12, py - 14);
        cairo_line_to(q, px, py + 14);
        cairo_line_to(q, px + 12, py - 14);
        cairo_close_path(q);
    }, 0xE0A860, 1.8, false, 0.3);
    shape(cr, [=](cairo_t* q) { ellipse(q, px, py - 22, 14, 12); }, pal::pink, 1.8, false, 0.3);
    shape(cr, [=](cairo_t* q) { ellipse(q, px, py - 36, 11, 10); }, 0xFFF0F5, 1.8, false, 0.3);
    butterfly(cr, 250, 250, 10, pal::sun, 0.2);
}

}  // namespace

void paint_vehicles(Canvas& c, int i)
{
    struct Finish {
        Filler fill;
        std::vector<Box> machines;  // left as they are by the last touch
    };
    const Finish finish[] = {
        {land_bits(170), {{110, 240, 480, 220}}},
        {land_bits(230), {{60, 220, 540, 210}}},
        {land_bits(220), {{190, 170, 310, 280}}},
        {land_bits(260), {{0, 110, double(kW), 190}}},
        {land_bits(kH), {{110, 130, 460, 150}}},
        {land_bits(250), {{140, 360, 330, 80}, {260, 110, 140, 260}, {130, 260, 100, 110}}},
        {night_bits(300), {{90, 240, 460, 230}}},
        {land_bits(300), {{240, 50, 170, 250}, {240, 345, 150, 140}}},
        {land_bits(250), {{70, 160, 310, 290}}},
        {land_bits(230), {{180, 140, 400, 270}, {50, 270, 130, 200}}},
    };
    switch (i) {
    case 1: fire_engine_street(c); break;
    case 2: bus_country(c); break;
    case 3: tractor_field(c); break;
    case 4: train_viaduct(c); break;
    case 5: airplane_sky(c); break;
    case 6: sailboat_sea(c); break;
    case 7: police_night(c); break;
    case 8: balloons_valley(c); break;
    case 9: digger_site(c); break;
    default: ice_cream_park(c); break;
    }
    Rng rng(0xFB00 + uint64_t(i));
    fill_plain_spots(c, rng, finish[i - 1].fill, finish[i - 1].machines);
}

}  // namespace datagen::pics
