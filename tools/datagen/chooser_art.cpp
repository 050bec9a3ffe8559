// The picture chooser: a gallery wall with ten empty frames where the
// thumbnails go, Bafo pointing at them, the back button and the wheel that
// turns to the next of the six sets.
//
// Everything but the two buttons is painted once as the bare wall; the
// background, the lit pictures and the six wheel pictures are all that wall
// with a button laid on it, so every copied rectangle meets the screen
// around it without a seam.
#include "art.h"
#include "datagen.h"

#include <array>
#include <cmath>
#include <string>
#include <vector>

namespace datagen {

namespace {

using namespace art;

constexpr double kPi = 3.14159265358979323846;
constexpr int kW = 800, kH = 600;
constexpr int kThumbW = 168, kThumbH = 125;
const char* const kDir = "BAFO_CS/ALBUM/";

struct Rect {
    int x, y, w, h;
};

// Where the chooser copies the ten thumbnails.
constexpr std::array<Rect, 10> kThumbs = {{{113, 84, kThumbW, kThumbH},
                                           {113, 235, kThumbW, kThumbH},
                                           {113, 386, kThumbW, kThumbH},
                                           {314, 9, kThumbW, kThumbH},
                                           {314, 160, kThumbW, kThumbH},
                                           {314, 311, kThumbW, kThumbH},
                                           {314, 462, kThumbW, kThumbH},
                                           {515, 84, kThumbW, kThumbH},
                                           {515, 235, kThumbW, kThumbH},
                                           {515, 386, kThumbW, kThumbH}}};

// The back button's hot area and where its lit picture goes.
constexpr Rect kBackHot = {20, 545, 91, 46};
constexpr Rect kBackLit = {0, 520, 124, 80};
// The wheel's hot area; its pictures (plain and lit) all go here.
constexpr Rect kWheelHot = {710, 510, 71, 76};
constexpr Rect kWheel = {703, 506, 88, 88};

static_assert(kWheel.x <= kWheelHot.x && kWheel.y <= kWheelHot.y && kWheel.x + kWheel.w >= kWheelHot.x + kWheelHot.w &&
                  kWheel.y + kWheel.h >= kWheelHot.y + kWheelHot.h,
              "the wheel picture must cover its hot area");

constexpr int kFrame = 10;  // mat and moulding around a thumbnail

constexpr std::array<uint32_t, 10> kFrameColours = {pal::red,  pal::orange, pal::teal,   pal::blue,   pal::lime,
                                                    pal::pink, pal::violet, pal::sun,    pal::sky_top, pal::grass};

// One colour per picture set, used on the wheel's rim.
constexpr std::array<uint32_t, 6> kSetColours = {pal::grass, pal::red, pal::sky_top, pal::teal, pal::violet, pal::orange};

// --- the wall -----------------------------------------------------------------

void wallpaper(cairo_t* cr)
{
    fill_vertical_gradient(cr, 0, 0, kW, kH, 0xFFF3DC, 0xFFE3BE);
    // Soft stripes with little hearts and dots, so the wall is not flat.
    for (int i = 0; i * 50 < kW; ++i) {
        const double x = i * 50;
        if (i % 2 == 0) {
            set_rgb(cr, 0xF7D2A0, 0.35);
            cairo_rectangle(cr, x, 0, 25, kH);
            cairo_fill(cr);
        } else {
            for (double y = 20 + (i % 4) * 12; y < kH; y += 52) {
                set_rgb(cr, (int(y / 52) + i) % 2 ? pal::pink : pal::orange, 0.22);
                heart_path(cr, x + 12.5, y, 5);
                cairo_fill(cr);
            }
        }
    }
}

void bunting(cairo_t* cr)
{
    auto sag = [](double x) { return 14 + 16 * std::pow(std::sin(x / kW * 3 * kPi), 2); };
    cairo_save(cr);
    cairo_set_line_width(cr, 2);
    set_rgb(cr, pal::outline, 0.8);
    for (double x = -4; x <= kW + 4; x += 4)
        cairo_line_to(cr, x, sag(x));
    cairo_stroke(cr);
    cairo_restore(cr);
    const uint32_t flags[] = {pal::red, pal::sun, pal::teal, pal::pink, pal::lime, pal::violet, pal::orange, pal::blue};
    int n = 0;
    for (double x = 8; x < kW; x += 34, ++n) {
        const double y0 = sag(x), y1 = sag(x + 24);
        paint_shape(cr, [=](cairo_t* c) {
            cairo_move_to(c, x, y0);
            cairo_line_to(c, x + 24, y1);
            cairo_line_to(c, x + 12, (y0 + y1) / 2 + 28);
            cairo_close_path(c);
        }, Style{flags[n % 8], 0.3, pal::outline, 1.5, true, 2, 0.2});
    }
}

void palette(cairo_t* cr, double cx, double cy, double s)
{
    paint_shape(cr, [=](cairo_t* c) {
        cairo_move_to(c, cx - s * 0.05, cy - s * 0.36);
        cairo_curve_to(c, cx + s * 0.3, cy - s * 0.38, cx + s * 0.46, cy - s * 0.12, cx + s * 0.42, cy + s * 0.1);
        cairo_curve_to(c, cx + s * 0.38, cy + s * 0.32, cx + s * 0.12, cy + s * 0.36, cx - s * 0.04, cy + s * 0.3);
        cairo_curve_to(c, cx - s * 0.14, cy + s * 0.26, cx - s * 0.1, cy + s * 0.14, cx - s * 0.22, cy + s * 0.16);
        cairo_curve_to(c, cx - s * 0.38, cy + s * 0.18, cx - s * 0.46, cy + s * 0.04, cx - s * 0.44, cy - s * 0.1);
        cairo_curve_to(c, cx - s * 0.4, cy - s * 0.3, cx - s * 0.24, cy - s * 0.35, cx - s * 0.05, cy - s * 0.36);
        cairo_close_path(c);
        cairo_new_sub_path(c);
        cairo_arc_negative(c, cx - s * 0.02, cy + s * 0.17, s * 0.06, 0, -2 * kPi);
    }, Style{0xE8B878, 0.35, pal::outline, 2, true});
    const double blobs[][2] = {{-0.3, -0.08}, {-0.14, -0.24}, {0.08, -0.26}, {0.27, -0.15}, {0.3, 0.09}};
    const uint32_t cols[] = {pal::red, pal::sun, pal::grass, pal::blue, pal::violet};
    for (int i = 0; i < 5; ++i)
        paint_shape(cr, [=](cairo_t* c) { ellipse(c, cx + blobs[i][0] * s, cy + blobs[i][1] * s, s * 0.08, s * 0.07); },
                    Style{cols[i], 0.3, darken(cols[i], 0.4), 1, false});
}

void crayon(cairo_t* cr, double x, double y, double len, double turn, uint32_t colour)
{
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, turn);
    paint_shape(cr, [=](cairo_t* c) { cairo_rectangle(c, -6, -len, 12, len); }, Style{colour, 0.3, pal::outline, 1.5, false});
    paint_shape(cr, [=](cairo_t* c) {
        cairo_move_to(c, -6, -len);
        cairo_line_to(c, 0, -len - 14);
        cairo_line_to(c, 6, -len);
        cairo_close_path(c);
    }, Style{lighten(colour, 0.2), 0.2, pal::outline, 1.5, false});
    set_rgb(cr, pal::white, 0.5);
    cairo_rectangle(cr, -3, -len * 0.7, 2, len * 0.5);
    cairo_fill(cr);
    cairo_restore(cr);
}

// A shelf on the right wall with a sunflower in a pot and a cup of crayons.
void shelf(cairo_t* cr)
{
    // Sunflower stem and leaves first, the pot in front of them.
    cairo_save(cr);
    cairo_set_line_width(cr, 7);
    set_rgb(cr, pal::outline);
    cairo_move_to(cr, 724, 452);
    cairo_curve_to(cr, 720, 400, 744, 360, 740, 318);
    cairo_stroke_preserve(cr);
    cairo_set_line_width(cr, 4);
    set_rgb(cr, pal::green_dark);
    cairo_stroke(cr);
    cairo_restore(cr);
    for (int side : {-1, 1})
        paint_shape(cr, [=](cairo_t* c) {
            cairo_move_to(c, 726, 400 + side * 8);
            cairo_curve_to(c, 726 + side * 14, 384, 726 + side * 30, 386, 726 + side * 36, 392 + side * 4);
            cairo_curve_to(c, 726 + side * 26, 406, 726 + side * 12, 410, 726, 400 + side * 8);
            cairo_close_path(c);
        }, Style{pal::grass, 0.3, pal::outline, 1.5, false});
    for (int i = 0; i < 12; ++i) {
        const double a = i * kPi / 6;
        paint_shape(cr, [=](cairo_t* c) {
            cairo_save(c);
            cairo_translate(c, 740, 306);
            cairo_rotate(c, a);
            ellipse(c, 0, -24, 8, 15);
            cairo_restore(c);
        }, Style{pal::sun, 0.3, darken(pal::orange, 0.3), 1.5, false});
    }
    paint_shape(cr, [](cairo_t* c) { ellipse(c, 740, 306, 15, 15); }, Style{0x9A6038, 0.2, pal::outline, 2, false});
    set_rgb(cr, 0x6B3E22);
    for (int i = 0; i < 7; ++i) {
        cairo_arc(cr, 734 + (i % 3) * 6, 300 + (i / 3) * 6, 1.6, 0, 2 * kPi);
        cairo_fill(cr);
    }
    paint_shape(cr, [](cairo_t* c) {
        cairo_move_to(c, 702, 446);
        cairo_line_to(c, 746, 446);
        cairo_line_to(c, 740, 490);
        cairo_line_to(c, 708, 490);
        cairo_close_path(c);
    }, Style{0xD9704A, 0.3, pal::outline, 2, true});
    paint_shape(cr, [](cairo_t* c) { rounded_rect(c, 698, 440, 52, 12, 4); }, Style{0xE8825A, 0.3, pal::outline, 2, false});
    // Crayon cup.
    crayon(cr, 764, 470, 40, -0.18, pal::red);
    crayon(cr, 774, 470, 46, 0.05, pal::blue);
    crayon(cr, 784, 470, 38, 0.22, pal::sun);
    paint_shape(cr, [](cairo_t* c) { rounded_rect(c, 758, 454, 36, 36, 5); }, Style{pal::teal, 0.3, pal::outline, 2, true});
    set_rgb(cr, pal::white, 0.8);
    star_path(cr, 776, 472, 8, 3.5, 5);
    cairo_fill(cr);
    // The plank they stand on.
    paint_shape(cr, [](cairo_t* c) { rounded_rect(c, 694, 488, 106, 14, 4); }, Style{0xB9834F, 0.3, pal::outline, 2, true});
}

void paper_star(cairo_t* cr, double x, double y, double r, uint32_t colour, double turn)
{
    paint_shape(cr, [=](cairo_t* c) { star_path(c, x, y, r, r * 0.5, 5, turn); },
                Style{colour, 0.35, pal::outline, 2, true});
}

Bafo chooser_bafo()
{
    Bafo b;
    b.x = 52;
    b.y = 508;
    b.scale = 0.45;
    b.right = Arm::Wave;
    b.wave = 0.6;
    b.mouth = Mouth::Open;
    b.look = 0.8;
    b.tail = 0.5;
    b.motion_lines = false;
    return b;
}

// The frame around thumbnail i: a painted wooden moulding and a cream mat.
void frame(cairo_t* cr, int i)
{
    const Rect& t = kThumbs[size_t(i)];
    const double x = t.x - kFrame, y = t.y - kFrame, w = t.w + 2 * kFrame, h = t.h + 2 * kFrame;
    const uint32_t col = kFrameColours[size_t(i)];
    paint_shape(cr, [=](cairo_t* c) { rounded_rect(c, x, y, w, h, 7); }, Style{col, 0.35, pal::outline, 2, true, 3, 0.25});
    // Light top-left and dark bottom-right bevel.
    cairo_save(cr);
    cairo_set_line_width(cr, 2);
    set_rgb(cr, pal::white, 0.45);
    cairo_move_to(cr, x + 4, y + h - 6);
    cairo_line_to(cr, x + 4, y + 4);
    cairo_line_to(cr, x + w - 6, y + 4);
    cairo_stroke(cr);
    set_rgb(cr, darken(col, 0.35), 0.5);
    cairo_move_to(cr, x + w - 4, y + 6);
    cairo_line_to(cr, x + w - 4, y + h - 4);
    cairo_line_to(cr, x + 6, y + h - 4);
    cairo_stroke(cr);
    cairo_restore(cr);
    // The mat, with a faint canvas weave for the moment before a thumbnail lands.
    cairo_save(cr);
    set_rgb(cr, pal::outline);
    cairo_rectangle(cr, t.x - 3, t.y - 3, t.w + 6, t.h + 6);
    cairo_fill(cr);
    set_rgb(cr, pal::cream);
    cairo_rectangle(cr, t.x - 2, t.y - 2, t.w + 4, t.h + 4);
    cairo_fill(cr);
    set_rgb(cr, 0xE9D9BC, 0.6);
    cairo_set_line_width(cr, 1);
    for (int k = 0; k < t.w + t.h; k += 8) {
        cairo_move_to(cr, t.x + k, t.y);
        cairo_line_to(cr, t.x + k - t.h, t.y + t.h);
    }
    cairo_rectangle(cr, t.x, t.y, t.w, t.h);
    cairo_clip(cr);
    cairo_new_path(cr);
    for (int k = 0; k < t.w + t.h; k += 8) {
        cairo_move_to(cr, t.x + k, t.y);
        cairo_line_to(cr, t.x + k - t.h, t.y + t.h);
    }
    cairo_stroke(cr);
    cairo_restore(cr);
}

// The wall and all that hangs on it, without the two buttons.
Canvas bare_wall()
{
    Canvas c(kW, kH);
    cairo_t* cr = c.cr();
    wallpaper(cr);
    bunting(cr);
    paper_star(cr, 740, 150, 20, pal::sun, 0.2);
    paper_star(cr, 770, 215, 13, pal::pink, -0.1);
    paper_star(cr, 712, 226, 11, pal::sky_top, 0.3);
    palette(cr, 54, 128, 88);
    crayon(cr, 38, 292, 60, -0.45, pal::red);
    crayon(cr, 68, 288, 64, 0.3, pal::blue);
    paper_star(cr, 52, 218, 14, pal::lime, 0.1);
    shelf(cr);
    for (int i = 0; i < 10; ++i)
        frame(cr, i);
    // A soft light behind Bafo, and a rug under his feet.
    const Bafo b = chooser_bafo();
    cairo_pattern_t* halo = cairo_pattern_create_radial(b.x, b.y - 60, 10, b.x, b.y - 60, 80);
    cairo_pattern_add_color_stop_rgba(halo, 0, 1, 1, 0.92, 0.7);
    cairo_pattern_add_color_stop_rgba(halo, 1, 1, 1, 0.92, 0);
    cairo_set_source(cr, halo);
    cairo_rectangle(cr, 0, 330, 104, 190);
    cairo_fill(cr);
    cairo_pattern_destroy(halo);
    paint_shape(cr, [&](cairo_t* g) { ellipse(g, b.x, b.y, 50, 10); }, Style{pal::red, 0.3, pal::outline, 2, false});
    set_rgb(cr, pal::sun, 0.9);
    cairo_set_line_width(cr, 2);
    ellipse(cr, b.x, b.y, 42, 6.5);
    cairo_stroke(cr);
    draw_bafo(cr, b);
    return c;
}

// --- the back button -----------------------------------------------------------

void back_button(Canvas& c, double ox, double oy, bool lit)
{
    cairo_t* cr = c.cr();
    // Centred in its hot area; the lit one is a little larger and brighter.
    const double cx = kBackHot.x + kBackHot.w / 2.0 - ox, cy = kBackHot.y + kBackHot.h / 2.0 - oy;
    const double grow = lit ? 3 : 0;
    const double w = 84 + 2 * grow, h = 40 + 2 * grow;
    auto pill = [=](cairo_t* g) { rounded_rect(g, cx - w / 2, cy - h / 2, w, h, h / 2); };
    const uint32_t col = lit ? lighten(pal::orange, 0.2) : pal::orange;
    if (lit) {
        const Box within{0, 0, double(c.w()), double(c.h())};
        glow(c, pill, pal::glow, 12, 1.8, &within);
    }
    paint_shape(cr, pill, Style{col, 0.35, pal::outline, 2.5, !lit, 3, 0.25});
    back_arrow_face(cr, cx, cy, w, h, lit);
}

// --- the wheel ------------------------------------------------------------------

// Tiny pictures of each set's theme, centred on (0, 0), about 2r across.
void badge(cairo_t* cr, int set, double r)
{
    const double lw = 1.6;
    switch (set) {
    case 1: {  // a cow's face
        for (int s : {-1, 1})
            paint_shape(cr, [=](cairo_t* c) { ellipse(c, s * r * 0.72, -r * 0.42, r * 0.3, r * 0.16); },
                        Style{0xF5C6C6, 0.2, pal::outline, lw, false});
        paint_shape(cr, [=](cairo_t* c) { ellipse(c, 0, -r * 0.08, r * 0.56, r * 0.62); },
                    Style{pal::white, 0.0, pal::outline, lw, false});
        set_rgb(cr, pal::outline);
        ellipse(cr, -r * 0.26, -r * 0.36, r * 0.2, r * 0.16);
        cairo_fill(cr);
        paint_shape(cr, [=](cairo_t* c) { ellipse(c, 0, r * 0.32, r * 0.48, r * 0.3); },
                    Style{0xFFB3BC, 0.2, pal::outline, lw, false});
        set_rgb(cr, pal::outline);
        for (int s : {-1, 1}) {
            ellipse(cr, s * r * 0.18, r * 0.32, r * 0.07, r * 0.08);
            cairo_fill(cr);
            ellipse(cr, s * r * 0.22, -r * 0.12, r * 0.07, r * 0.09);
            cairo_fill(cr);
        }
        break;
    }
    case 2: {  // a red car
        paint_shape(cr, [=](cairo_t* c) {
            cairo_move_to(c, -r * 0.5, -r * 0.05);
            cairo_line_to(c, -r * 0.3, -r * 0.5);
            cairo_line_to(c, r * 0.3, -r * 0.5);
            cairo_line_to(c, r * 0.55, -r * 0.05);
            cairo_close_path(c);
        }, Style{0xBFE6F7, 0.3, pal::outline, lw, false});
        paint_shape(cr, [=](cairo_t* c) { rounded_rect(c, -r * 0.9, -r * 0.1, r * 1.8, r * 0.5, r * 0.2); },
                    Style{pal::red, 0.3, pal::outline, lw, false});
        for (int s : {-1, 1})
            paint_shape(cr, [=](cairo_t* c) { ellipse(c, s * r * 0.5, r * 0.42, r * 0.2, r * 0.2); },
                        Style{0x444444, 0.3, pal::outline, lw, false});
        break;
    }
    case 3: {  // a snowy fir tree
        paint_shape(cr, [=](cairo_t* c) { cairo_rectangle(c, -r * 0.1, r * 0.45, r * 0.2, r * 0.3); },
                    Style{0x9A6038, 0.2, pal::outline, lw, false});
        for (int i = 0; i < 3; ++i)
            paint_shape(cr, [=](cairo_t* c) {
                const double top = -r * 0.85 + i * r * 0.38, half = r * (0.35 + 0.16 * i);
                cairo_move_to(c, 0, top);
                cairo_line_to(c, half, top + r * 0.6);
                cairo_line_to(c, -half, top + r * 0.6);
                cairo_close_path(c);
            }, Style{pal::green_dark, 0.3, pal::outline, lw, false});
        set_rgb(cr, pal::white);
        for (auto& p : std::vector<std::pair<double, double>>{{-0.15, -0.4}, {0.2, -0.05}, {-0.3, 0.28}, {0.1, 0.32}}) {
            cairo_arc(cr, p.first * r, p.second * r, r * 0.07, 0, 2 * kPi);
            cairo_fill(cr);
        }
        break;
    }
    case 4: {  // a fish
        paint_shape(cr, [=](cairo_t* c) {
            cairo_move_to(c, -r * 0.45, 0);
            cairo_line_to(c, -r * 0.9, -r * 0.35);
            cairo_line_to(c, -r * 0.9, r * 0.35);
            cairo_close_path(c);
        }, Style{pal::orange, 0.3, pal::outline, lw, false});
        paint_shape(cr, [=](cairo_t* c) { ellipse(c, r * 0.05, 0, r * 0.62, r * 0.42); },
                    Style{pal::orange, 0.4, pal::outline, lw, false});
        set_rgb(cr, pal::white, 0.9);
        cairo_rectangle(cr, -r * 0.2, -r * 0.38, r * 0.14, r * 0.76);
        cairo_fill(cr);
        set_rgb(cr, pal::outline);
        cairo_arc(cr, r * 0.35, -r * 0.08, r * 0.08, 0, 2 * kPi);
        cairo_fill(cr);
        break;
    }
    case 5: {  // a rocket
        paint_shape(cr, [=](cairo_t* c) {
            cairo_move_to(c, 0, r * 0.5);
            cairo_line_to(c, -r * 0.15, r * 0.9);
            cairo_line_to(c, r * 0.15, r * 0.9);
            cairo_close_path(c);
        }, Style{pal::orange, 0.5, pal::red, lw, false});
        for (int s : {-1, 1})
            paint_shape(cr, [=](cairo_t* c) {
                cairo_move_to(c, s * r * 0.22, r * 0.05);
                cairo_line_to(c, s * r * 0.5, r * 0.55);
                cairo_line_to(c, s * r * 0.2, r * 0.45);
                cairo_close_path(c);
            }, Style{pal::red, 0.3, pal::outline, lw, false});
        paint_shape(cr, [=](cairo_t* c) {
            cairo_move_to(c, 0, -r * 0.9);
            cairo_curve_to(c, r * 0.35, -r * 0.6, r * 0.3, r * 0.2, r * 0.22, r * 0.5);
            cairo_line_to(c, -r * 0.22, r * 0.5);
            cairo_curve_to(c, -r * 0.3, r * 0.2, -r * 0.35, -r * 0.6, 0, -r * 0.9);
            cairo_close_path(c);
        }, Style{pal::white, 0.0, pal::outline, lw, false});
        paint_shape(cr, [=](cairo_t* c) { ellipse(c, 0, -r * 0.2, r * 0.14, r * 0.14); },
                    Style{pal::sky, 0.4, pal::outline, lw, false});
        break;
    }
    default: {  // a teddy's face
        for (int s : {-1, 1})
            paint_shape(cr, [=](cairo_t* c) { ellipse(c, s * r * 0.55, -r * 0.55, r * 0.25, r * 0.25); },
                        Style{0xC98B55, 0.2, pal::outline, lw, false});
        paint_shape(cr, [=](cairo_t* c) { ellipse(c, 0, 0, r * 0.75, r * 0.7); },
                    Style{0xC98B55, 0.25, pal::outline, lw, false});
        paint_shape(cr, [=](cairo_t* c) { ellipse(c, 0, r * 0.25, r * 0.32, r * 0.24); },
                    Style{0xF2D3A8, 0.2, pal::outline, lw, false});
        set_rgb(cr, pal::outline);
        for (int s : {-1, 1}) {
            cairo_arc(cr, s * r * 0.28, -r * 0.12, r * 0.08, 0, 2 * kPi);
            cairo_fill(cr);
        }
        ellipse(cr, 0, r * 0.15, r * 0.1, r * 0.07);
        cairo_fill(cr);
        break;
    }
    }
}

// The wheel in picture coordinates: set 1..6, or 0 for the lit "turn me" look.
void wheel(Canvas& c, int set)
{
    cairo_t* cr = c.cr();
    const double cx = 44, cy = 43;
    const bool lit = set == 0;
    const double r = lit ? 39.5 : 37;
    if (lit) {
        const Box within{0, 0, double(c.w()), double(c.h())};
        glow(c, [=](cairo_t* g) { ellipse(g, cx, cy, r, r); }, pal::glow, 8, 2.0, &within);
    }
    paint_shape(cr, [=](cairo_t* g) { ellipse(g, cx, cy, r, r); },
                Style{lit ? 0xFFF6D8 : pal::cream, 0.0, pal::outline, 2.5, !lit, 3, 0.25});
    // The rim: six coloured segments, one per set.
    cairo_save(cr);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
    for (int i = 0; i < 6; ++i) {
        const double a0 = -kPi / 2 + (i - 0.5) * kPi / 3, a1 = a0 + kPi / 3;
        cairo_new_path(cr);
        cairo_arc(cr, cx, cy, r - 6.5, a0, a1);
        cairo_set_line_width(cr, 11);
        set_rgb(cr, lit ? lighten(kSetColours[size_t(i)], 0.25) : kSetColours[size_t(i)]);
        cairo_stroke(cr);
    }
    set_rgb(cr, pal::outline);
    cairo_set_line_width(cr, 1.5);
    cairo_new_path(cr);
    cairo_arc(cr, cx, cy, r - 12.5, 0, 2 * kPi);
    cairo_stroke(cr);
    cairo_restore(cr);
    // Six dots on the rim; the current set's dot is big and bright.
    for (int i = 0; i < 6; ++i) {
        const double a = -kPi / 2 + i * kPi / 3;
        const double dx = cx + (r - 6.5) * std::cos(a), dy = cy + (r - 6.5) * std::sin(a);
        const bool on = i + 1 == set;
        paint_shape(cr, [=](cairo_t* g) { ellipse(g, dx, dy, on ? 6 : 3.2, on ? 6 : 3.2); },
                    Style{on ? pal::sun : pal::white, 0.5, pal::outline, on ? 1.8 : 1.2, false});
    }
    // The middle: the set's badge, or a curved arrow that says "turn".
    paint_shape(cr, [=](cairo_t* g) { ellipse(g, cx, cy, r - 13, r - 13); },
                Style{lit ? 0xFFFBEA : pal::white, 0.0, pal::outline, 0, false});
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    if (!lit) {
        badge(cr, set, 17);
    } else {
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        const double ar = 14;
        for (int pass = 0; pass < 2; ++pass) {
            cairo_new_path(cr);
            cairo_arc(cr, 0, 0, ar, -kPi * 0.9, kPi * 0.45);
            cairo_set_line_width(cr, pass ? 5 : 9);
            set_rgb(cr, pass ? pal::orange : pal::outline);
            cairo_stroke(cr);
        }
        const double a = kPi * 0.45;
        paint_shape(cr, [=](cairo_t* g) {
            const double tx = ar * std::cos(a), ty = ar * std::sin(a);
            cairo_move_to(g, tx + 9 * std::cos(a), ty + 9 * std::sin(a));
            cairo_line_to(g, tx - 9 * std::cos(a), ty - 9 * std::sin(a));
            cairo_line_to(g, tx - 11 * std::sin(a), ty + 11 * std::cos(a));
            cairo_close_path(g);
        }, Style{pal::orange, 0.2, pal::outline, 1.8, false});
    }
    cairo_restore(cr);
}

Canvas wheel_picture(const Canvas& wall, int set)
{
    Canvas c = wall.crop(kWheel.x, kWheel.y, kWheel.w, kWheel.h);
    wheel(c, set);
    return c;
}

Canvas back_picture(const Canvas& wall, bool lit)
{
    Canvas c = wall.crop(kBackLit.x, kBackLit.y, kBackLit.w, kBackLit.h);
    back_button(c, kBackLit.x, kBackLit.y, lit);
    return c;
}

void run(const std::filesystem::path& root)
{
    const std::filesystem::path dir = root / kDir;
    const Canvas wall = bare_wall();
    Canvas bg = wall.crop(0, 0, kW, kH);
    bg.paste(back_picture(wall, false), kBackLit.x, kBackLit.y);
    bg.paste(wheel_picture(wall, 1), kWheel.x, kWheel.y);
    bg.save_bmp(dir / "BG.BMP");
    back_picture(wall, true).save_bmp(dir / "ZPET.BMP");
    wheel_picture(wall, 0).save_bmp(dir / "SEL.BMP");
    for (int set = 1; set <= 6; ++set)
        wheel_picture(wall, set).save_bmp(dir / ("SEL_" + std::to_string(set) + ".BMP"));
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
    bmp("BG.BMP", kW, kH);
    bmp("ZPET.BMP", kBackLit.w, kBackLit.h);
    bmp("SEL.BMP", kWheel.w, kWheel.h);
    for (int set = 1; set <= 6; ++set)
        bmp("SEL_" + std::to_string(set) + ".BMP", kWheel.w, kWheel.h);
}

}  // namespace

Generator gen_chooser() { return Generator{"chooser", run, expect}; }

static const Registered registered{gen_chooser};

}  // namespace datagen
