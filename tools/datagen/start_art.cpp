// The welcome picture (a sunny morning, Bafo waving hello with a bunch of
// balloons) and the farewell picture (evening, Bafo waving goodbye).
#include "art.h"
#include "datagen.h"

#include <cmath>

namespace datagen {

namespace {

using namespace art;

constexpr double kPi = 3.14159265358979323846;
constexpr int kW = 800, kH = 600;
const char* const kDir = "BAFO_CS/SELECT/";

void rainbow(cairo_t* cr, double cx, double cy, double r, double band, double alpha)
{
    const uint32_t bands[] = {pal::red, pal::orange, pal::sun, pal::grass, pal::sky_top, pal::violet};
    cairo_save(cr);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
    cairo_set_line_width(cr, band + 1);
    for (int i = 0; i < 6; ++i) {
        set_rgb(cr, bands[i], alpha);
        cairo_new_sub_path(cr);
        cairo_arc(cr, cx, cy, r - i * band, kPi, 2 * kPi);
        cairo_stroke(cr);
    }
    cairo_restore(cr);
}

void meadow_flowers(cairo_t* cr, Rng& rng, int count, double y0, double y1, double keep_x0, double keep_x1,
                    double keep_y)
{
    const uint32_t petals[] = {pal::pink, pal::red, 0xC9A3F0, pal::sun, pal::orange, pal::cream};
    for (int i = 0; i < count; ++i) {
        const double x = rng.range(10, kW - 10);
        const double y = rng.range(y0, y1);
        if (x > keep_x0 && x < keep_x1 && y < keep_y)
            continue;
        flower(cr, x, y, 5 + (y - y0) / (y1 - y0) * 7, petals[rng.below(6)], rng.range(0, 1.2));
    }
}

// A bunch of balloons whose strings all end in one paw.
void balloon_bunch(cairo_t* cr, double hand_x, double hand_y)
{
    struct B {
        double dx, dy, rx;
        uint32_t colour;
    };
    const B bunch[] = {{-118, -232, 34, pal::violet}, {-52, -268, 38, pal::red}, {-150, -150, 30, pal::sun},
                       {-70, -178, 33, pal::teal}};
    cairo_save(cr);
    set_rgb(cr, pal::outline, 0.85);
    cairo_set_line_width(cr, 2);
    for (const B& b : bunch) {
        const double kx = hand_x + b.dx, ky = hand_y + b.dy + b.rx * 1.17 + b.rx * 0.16;
        cairo_move_to(cr, kx, ky);
        cairo_curve_to(cr, kx + 10, ky + (hand_y - ky) * 0.4, hand_x - 8, hand_y - (hand_y - ky) * 0.3, hand_x,
                       hand_y);
        cairo_stroke(cr);
    }
    cairo_restore(cr);
    for (const B& b : bunch)
        balloon(cr, hand_x + b.dx, hand_y + b.dy, b.rx, b.colour, 0, 0, 0);
}

void welcome(const std::filesystem::path& path)
{
    Canvas c(kW, kH);
    cairo_t* cr = c.cr();
    fill_vertical_gradient(cr, 0, 0, kW, 420, pal::sky_top, 0xDDF4FD);
    rainbow(cr, 400, 470, 330, 16, 0.55);
    sun(cr, 88, 88, 46);
    cloud(cr, 640, 205, 150);
    cloud(cr, 200, 230, 110, 0.95);
    cloud(cr, 735, 330, 90, 0.9);

    hill(cr, kW, kH, 370, 18, 0.009, 0.3, 0xB4E39A, 0x98D47C);
    for (double x : {70.0, 150.0, 640.0, 715.0})
        tree(cr, x, 368 + 18 * std::sin(0.009 * x + 0.3) + 6, 52, 0x8CCB6E);
    hill(cr, kW, kH, 420, 16, 0.007, 2.5, 0x9BD874, 0x7CCB5B);
    hill(cr, kW, kH, 500, 10, 0.006, 4.4, 0x8AD263, 0x5DAE45);
    Rng rng(0xE17E5);
    grass_blades(cr, rng, -10, kW + 10, 430, 600, 1300, pal::grass);
    meadow_flowers(cr, rng, 34, 440, 590, 250, 560, 585);
    tree(cr, 720, 560, 200, pal::grass);
    bush(cr, 70, 575, 110, pal::green_dark);
    butterfly(cr, 590, 430, 13, pal::pink, 0.3);
    butterfly(cr, 170, 470, 11, pal::sun, -0.3);
    butterfly(cr, 640, 520, 10, pal::violet, 0.15);

    Bafo b;
    b.scale = 1.22;
    b.x = 430;
    b.y = 576;
    b.right = Arm::Wave;
    b.left = Arm::Down;
    b.mouth = Mouth::Open;
    b.tail = 0.6;
    // His left paw (viewer's left) holds the balloons; it is at the lowered arm's end.
    const double hand_x = b.x + (-44 - 50 * std::sin(0.35)) * b.scale;
    const double hand_y = b.y + (-98 + 50 * std::cos(0.35)) * b.scale;
    balloon_bunch(cr, hand_x, hand_y);
    draw_bafo(cr, b);

    playful_text(cr, "Bafolino", 400, 128, 118,
                 {pal::red, pal::orange, pal::sun, pal::grass, pal::teal, pal::blue, pal::violet, pal::pink}, 18);
    c.save_bmp(path);
}

void house(cairo_t* cr, double x, double ground, double s)
{
    const double lw = 2;
    paint_shape(cr, [=](cairo_t* c) { cairo_rectangle(c, x - s * 0.5, ground - s * 0.7, s, s * 0.7); },
                Style{0xC9956B, 0.2, pal::outline, lw, false});
    paint_shape(cr, [=](cairo_t* c) { cairo_rectangle(c, x + s * 0.2, ground - s * 1.15, s * 0.14, s * 0.35); },
                Style{0x8E5B4A, 0.2, pal::outline, lw, false});
    paint_shape(cr, [=](cairo_t* c) {
        cairo_move_to(c, x - s * 0.64, ground - s * 0.66);
        cairo_line_to(c, x, ground - s * 1.15);
        cairo_line_to(c, x + s * 0.64, ground - s * 0.66);
        cairo_close_path(c);
    }, Style{0xB8474A, 0.2, pal::outline, lw, false});
    // Warm lit windows and door.
    for (double wx : {-0.3, 0.14}) {
        paint_shape(cr, [=](cairo_t* c) { rounded_rect(c, x + wx * s, ground - s * 0.52, s * 0.18, s * 0.18, 2); },
                    Style{0xFFE07A, 0.5, pal::outline, lw * 0.8, false});
    }
    paint_shape(cr, [=](cairo_t* c) { rounded_rect(c, x - s * 0.08, ground - s * 0.3, s * 0.16, s * 0.3, 3); },
                Style{0x7A4A2A, 0.2, pal::outline, lw * 0.8, false});
    // Smoke curl from the chimney.
    cairo_save(cr);
    set_rgb(cr, pal::white, 0.45);
    cairo_set_line_width(cr, s * 0.06);
    cairo_move_to(cr, x + s * 0.27, ground - s * 1.2);
    cairo_curve_to(cr, x + s * 0.15, ground - s * 1.35, x + s * 0.4, ground - s * 1.45, x + s * 0.3, ground - s * 1.6);
    cairo_stroke(cr);
    cairo_restore(cr);
}

void moon(cairo_t* cr, double cx, double cy, double r)
{
    cairo_save(cr);
    cairo_pattern_t* halo = cairo_pattern_create_radial(cx, cy, r * 0.7, cx, cy, r * 2.4);
    cairo_pattern_add_color_stop_rgba(halo, 0, 1, 0.97, 0.8, 0.45);
    cairo_pattern_add_color_stop_rgba(halo, 1, 1, 0.97, 0.8, 0);
    cairo_set_source(cr, halo);
    cairo_arc(cr, cx, cy, r * 2.4, 0, 2 * kPi);
    cairo_fill(cr);
    cairo_pattern_destroy(halo);
    paint_shape(cr, [=](cairo_t* c) {
        cairo_new_sub_path(c);
        cairo_arc(c, cx, cy, r, 0.5 * kPi - 0.05, 1.5 * kPi + 0.05);
        cairo_arc_negative(c, cx + r * 0.45, cy - r * 0.05, r * 0.82, 1.5 * kPi - 0.25, 0.5 * kPi + 0.25);
        cairo_close_path(c);
    }, Style{0xFFF0A8, 0.4, pal::outline, 3, false});
    // Sleepy face on the crescent.
    set_rgb(cr, pal::outline);
    cairo_set_line_width(cr, 2.5);
    cairo_new_sub_path(cr);
    cairo_arc(cr, cx - r * 0.55, cy - r * 0.15, r * 0.12, 0.15 * kPi, 0.85 * kPi);
    cairo_stroke(cr);
    cairo_new_sub_path(cr);
    cairo_arc(cr, cx - r * 0.52, cy + r * 0.3, r * 0.14, 0.1 * kPi, 0.8 * kPi);
    cairo_stroke(cr);
    set_rgb(cr, pal::pink, 0.6);
    ellipse(cr, cx - r * 0.7, cy + r * 0.1, r * 0.1, r * 0.07);
    cairo_fill(cr);
    cairo_restore(cr);
}

void farewell(const std::filesystem::path& path)
{
    Canvas c(kW, kH);
    cairo_t* cr = c.cr();
    // Evening sky: deep blue above, rose and gold at the hills.
    cairo_pattern_t* sky = cairo_pattern_create_linear(0, 0, 0, 440);
    const std::pair<double, uint32_t> stops[] = {{0, 0x2C2A6E}, {0.42, 0x6E4C9E}, {0.72, 0xE07A8C}, {1, 0xFFC47A}};
    for (auto& [at, col] : stops)
        cairo_pattern_add_color_stop_rgb(sky, at, ((col >> 16) & 0xFF) / 255.0, ((col >> 8) & 0xFF) / 255.0,
                                         (col & 0xFF) / 255.0);
    cairo_set_source(cr, sky);
    cairo_paint(cr);
    cairo_pattern_destroy(sky);

    Rng rng(0xE0E17);
    for (int i = 0; i < 70; ++i) {
        const double x = rng.range(0, kW), y = rng.range(0, 250);
        const double fade = 1 - y / 270;
        const double r = rng.range(1.2, 2.6);
        set_rgb(cr, 0xFFF6D0, 0.5 + 0.5 * fade);
        cairo_arc(cr, x, y, r, 0, 2 * kPi);
        cairo_fill(cr);
    }
    for (int i = 0; i < 9; ++i) {
        const double x = rng.range(30, kW - 30), y = rng.range(20, 200), turn = rng.range(0, 1);
        paint_shape(cr, [=](cairo_t* g) { star_path(g, x, y, 9, 4, 5, turn); },
                    Style{0xFFE58A, 0.5, 0x3B2A50, 1.5, false});
    }
    moon(cr, 660, 105, 48);

    // The sun going down behind the far hills.
    cairo_save(cr);
    cairo_pattern_t* glow_p = cairo_pattern_create_radial(190, 395, 20, 190, 395, 190);
    cairo_pattern_add_color_stop_rgba(glow_p, 0, 1, 0.85, 0.45, 0.8);
    cairo_pattern_add_color_stop_rgba(glow_p, 1, 1, 0.7, 0.45, 0);
    cairo_set_source(cr, glow_p);
    cairo_paint(cr);
    cairo_pattern_destroy(glow_p);
    cairo_pattern_t* disc = cairo_pattern_create_radial(180, 378, 6, 190, 392, 60);
    cairo_pattern_add_color_stop_rgb(disc, 0, 1, 0.97, 0.75);
    cairo_pattern_add_color_stop_rgb(disc, 0.6, 1, 0.84, 0.4);
    cairo_pattern_add_color_stop_rgb(disc, 1, 1, 0.68, 0.3);
    cairo_set_source(cr, disc);
    cairo_arc(cr, 190, 392, 58, 0, 2 * kPi);
    cairo_fill(cr);
    cairo_pattern_destroy(disc);
    cairo_restore(cr);
    cloud(cr, 420, 250, 130, 0.55);
    cloud(cr, 110, 300, 100, 0.45);

    hill(cr, kW, kH, 392, 16, 0.009, 1.6, 0x6F8E6A, 0x5C7C5C);
    house(cr, 618, 392 + 16 * std::sin(0.009 * 618 + 1.6) + 4, 58);
    for (double x : {60.0, 700.0, 762.0})
        tree(cr, x, 392 + 16 * std::sin(0.009 * x + 1.6) + 6, 48, 0x4E8A55);
    hill(cr, kW, kH, 440, 14, 0.007, 3.1, 0x5E9A58, 0x4A8447);
    hill(cr, kW, kH, 505, 10, 0.006, 0.9, 0x58A04E, 0x3F7E3D);
    grass_blades(cr, rng, -10, kW + 10, 450, 600, 1200, 0x4F9346);
    const uint32_t petals[] = {0xE6A0D0, 0xC9A3F0, 0xFFD27A, 0xF5E6D0};
    for (int i = 0; i < 26; ++i) {
        const double x = rng.range(10, kW - 10), y = rng.range(460, 590);
        if (x > 270 && x < 540)
            continue;
        flower(cr, x, y, 5 + (y - 460) / 130 * 6, petals[rng.below(4)], rng.range(0, 1.2));
    }
    // Fireflies.
    for (int i = 0; i < 18; ++i) {
        const double x = rng.range(20, kW - 20), y = rng.range(330, 560);
        cairo_pattern_t* f = cairo_pattern_create_radial(x, y, 0, x, y, 9);
        cairo_pattern_add_color_stop_rgba(f, 0, 1, 1, 0.7, 0.95);
        cairo_pattern_add_color_stop_rgba(f, 0.3, 1, 0.95, 0.4, 0.6);
        cairo_pattern_add_color_stop_rgba(f, 1, 1, 0.9, 0.3, 0);
        cairo_set_source(cr, f);
        cairo_arc(cr, x, y, 9, 0, 2 * kPi);
        cairo_fill(cr);
        cairo_pattern_destroy(f);
    }
    bush(cr, 730, 585, 120, 0x3F7E3D);

    Bafo b;
    b.scale = 1.25;
    b.x = 400;
    b.y = 572;
    b.right = Arm::Wave;
    b.wave = -0.4;
    b.mouth = Mouth::Open;
    b.eyes = Eyes::Happy;
    b.tail = -0.4;
    draw_bafo(cr, b);
    // Evening light on everything, Bafo too, so he belongs to the scene.
    set_rgb(cr, 0x6E4C9E, 0.12);
    cairo_paint(cr);

    playful_text(cr, "Пока!", 400, 112, 92, {pal::sun, pal::orange, pal::pink, pal::sky, pal::lime}, 10,
                 "Comfortaa");
    c.save_bmp(path);
}

void run(const std::filesystem::path& root)
{
    welcome(root / kDir / "ENTER.BMP");
    farewell(root / kDir / "EXIT.BMP");
}

void expect(std::vector<Expect>& out)
{
    for (const char* name : {"ENTER.BMP", "EXIT.BMP"}) {
        Expect e;
        e.path = std::string(kDir) + name;
        e.kind = Expect::Kind::Bitmap;
        e.width = kW;
        e.height = kH;
        out.push_back(e);
    }
}

}  // namespace

Generator gen_start_screen() { return Generator{"start", run, expect}; }

static const Registered registered{gen_start_screen};

}  // namespace datagen
