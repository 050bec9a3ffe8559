// The music studio's screen: a little theatre with Bafo on the stage, the
// ten instruments on shelves at both sides, the recorder's buttons and the
// rhythm and jukebox icons along the top and the toy keyboard along the
// bottom, its keys exactly where the screen's key areas are.
//
// The lit instruments and the recorder buttons are opaque rectangles the
// screen copies over the background, so each is painted over a crop of the
// background itself and meets it without a seam.
#include "datagen.h"
#include "studio.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <string>

namespace datagen::studio {

namespace {

using namespace art;

constexpr double kPi = 3.14159265358979323846;

struct Rect {
    int x, y, w, h;
};

// The keys' areas: eight white keys, then five black ones.
constexpr std::array<Rect, 13> kKeys = {{{85, 530, 75, 71},
                                         {165, 530, 75, 71},
                                         {245, 530, 75, 71},
                                         {320, 530, 75, 71},
                                         {400, 530, 75, 71},
                                         {480, 530, 75, 71},
                                         {560, 530, 75, 71},
                                         {640, 530, 75, 71},
                                         {135, 530, 55, 36},
                                         {220, 530, 45, 36},
                                         {370, 530, 50, 36},
                                         {455, 530, 50, 36},
                                         {535, 530, 50, 36}}};

struct Instrument {
    const char* tag;
    Rect hot;
    int lit_x, lit_y, lit_w, lit_h;  // where the lit picture is copied, and its size
};

// The lit pictures fill their shelf from one lit place down to the next.
constexpr std::array<Instrument, 10> kInstruments = {{
    {"N_KLAVI", {5, 15, 66, 46}, 0, 0, 80, 80},
    {"N_TRUMP", {5, 95, 66, 51}, 0, 86, 80, 82},
    {"N_KYTAR", {5, 185, 66, 86}, 0, 173, 80, 124},
    {"N_BUBEN", {5, 315, 61, 56}, 0, 302, 80, 82},
    {"N_BASA", {5, 400, 66, 116}, 0, 389, 80, 134},
    {"N_SAXOF", {730, 10, 66, 81}, 722, 0, 78, 104},
    {"N_HOUSL", {735, 120, 56, 91}, 722, 108, 78, 118},
    {"N_XYLOF", {730, 245, 66, 86}, 722, 230, 78, 112},
    {"N_FLETN", {725, 355, 71, 46}, 722, 347, 78, 76},
    {"N_DUDY", {725, 440, 71, 66}, 722, 426, 78, 96},
}};

// Icon areas along the top and in the bottom corners.
constexpr Rect kBack = {15, 555, 61, 36};
constexpr Rect kHelp = {730, 560, 61, 26};
constexpr Rect kRecord = {140, 5, 51, 36};
constexpr Rect kPlay = {205, 5, 51, 36};
constexpr Rect kStop = {270, 5, 51, 36};
constexpr Rect kJukebox = {390, 0, 36, 46};
constexpr Rect kNextRhythm = {495, 5, 51, 36};
constexpr Rect kRhythm = {560, 5, 51, 36};

// The recorder's pictures: where the screen draws them, and their size.
constexpr int kButtonW = 57, kButtonH = 46;
constexpr int kRecordAt = 137, kPlayAt = 202, kStopAt = 267;

// The theatre's parts.
constexpr double kShelfR = 80, kShelfL = 720;  // the shelves end / begin here
constexpr double kTopBar = 48;                 // the console along the top
constexpr double kCase = 520;                  // the keyboard's case starts here
constexpr double kFloor = 430;                 // the stage floor's back edge

constexpr uint32_t kWall = 0x4B3A8C, kWallStar = 0x5C4AA3;
constexpr uint32_t kCurtain = 0xC8323A;
constexpr uint32_t kWood = 0xC98A52, kWoodDark = 0x8A5530;
constexpr uint32_t kShelfPaper = 0xFFF1D6;
constexpr uint32_t kCaseRed = 0xB8283A;

double cx_of(const Rect& r) { return r.x + r.w / 2.0; }
double cy_of(const Rect& r) { return r.y + r.h / 2.0; }

// ------------------------------------------------------------- instruments
// Each is drawn about its hot area's centre (cx, cy), k times its natural size.

struct Look {
    double k = 1;
    bool lit = false;
    uint32_t c(uint32_t colour) const { return lit ? lighten(colour, 0.18) : colour; }
    Style st(uint32_t colour, double lw = 2, double shade = 0.25) const
    {
        return Style{c(colour), shade, pal::outline, lw, false};
    }
};

void piano(cairo_t* cr, const Look& l)
{
    // An upright piano: body, lid, keys at the front, two legs.
    paint_shape(cr, [](cairo_t* g) { rounded_rect(g, -29, -21, 58, 34, 4); }, l.st(0x8B4A2B, 2, 0.3));
    paint_shape(cr, [](cairo_t* g) { rounded_rect(g, -31, -24, 62, 6, 2); }, l.st(0x6E3720));
    cairo_save(cr);
    set_rgb(cr, l.c(0xA9643B));
    rounded_rect(cr, -22, -15, 44, 12, 3);
    cairo_fill(cr);
    set_rgb(cr, l.c(pal::sun));
    for (int i = -1; i <= 1; i += 2) {
        cairo_arc(cr, i * 15, -9, 2.2, 0, 2 * kPi);
        cairo_fill(cr);
    }
    cairo_restore(cr);
    paint_shape(cr, [](cairo_t* g) { cairo_rectangle(g, -27, -2, 54, 9); }, Style{pal::white, 0.1, pal::outline, 1.5, false});
    cairo_save(cr);
    set_rgb(cr, pal::outline);
    cairo_set_line_width(cr, 1);
    for (int i = 1; i < 9; ++i) {
        cairo_move_to(cr, -27 + i * 6, -2);
        cairo_line_to(cr, -27 + i * 6, 7);
    }
    cairo_stroke(cr);
    for (int i : {1, 2, 4, 5, 6})
        cairo_rectangle(cr, -27 + i * 6 - 1.8, -2, 3.6, 5);
    cairo_fill(cr);
    cairo_restore(cr);
    for (int s : {-1, 1})
        paint_shape(cr, [s](cairo_t* g) { rounded_rect(g, s * 24 - 3, 12, 6, 9, 2); }, l.st(0x6E3720));
}

void trumpet(cairo_t* cr, const Look& l)
{
    const uint32_t gold = 0xF2B632;
    // The loop of tubing under the valves.
    cairo_save(cr);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    auto loop = [](cairo_t* g) {
        cairo_move_to(g, -16, 0);
        cairo_line_to(g, 6, 0);
        cairo_curve_to(g, 16, 0, 16, 12, 6, 12);
        cairo_line_to(g, -14, 12);
        cairo_curve_to(g, -22, 12, -22, 0, -16, 0);
    };
    loop(cr);
    set_rgb(cr, pal::outline);
    cairo_set_line_width(cr, 7.5);
    cairo_stroke(cr);
    loop(cr);
    set_rgb(cr, l.c(gold));
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);
    cairo_restore(cr);
    // Mouthpiece, lead pipe and the bell.
    paint_shape(cr, [](cairo_t* g) { rounded_rect(g, -31, -5, 40, 6, 3); }, l.st(gold));
    paint_shape(cr, [](cairo_t* g) {
        cairo_move_to(g, 4, -5);
        cairo_curve_to(g, 16, -6, 22, -16, 31, -19);
        cairo_line_to(g, 31, 15);
        cairo_curve_to(g, 22, 12, 16, 2, 4, 1);
        cairo_close_path(g);
    }, l.st(gold, 2, 0.35));
    paint_shape(cr, [](cairo_t* g) { ellipse(g, 31, -2, 3.5, 17); }, l.st(darken(gold, 0.2)));
    paint_shape(cr, [](cairo_t* g) { rounded_rect(g, -34, -6, 6, 8, 2); }, l.st(0xD9D9D9));
    // Three valves with round caps.
    for (int i = 0; i < 3; ++i) {
        const double x = -12 + i * 7;
        paint_shape(cr, [x](cairo_t* g) { rounded_rect(g, x - 2.5, -16, 5, 13, 1.5); }, l.st(gold));
        paint_shape(cr, [x](cairo_t* g) { ellipse(g, x, -17, 3.6, 2.2); }, l.st(0xFFF4C0, 1.5));
    }
    cairo_save(cr);
    set_rgb(cr, pal::white, 0.7);
    ellipse(cr, 24, -9, 1.6, 4);
    cairo_fill(cr);
    cairo_restore(cr);
}

// A body of two round parts with a waist, the shape of guitars and fiddles.
void figure_eight(cairo_t* g, double cy_top, double r_top, double cy_bot, double r_bot, double waist)
{
    cairo_new_sub_path(g);
    const double mid = (cy_top + r_top + cy_bot - r_bot) / 2;
    cairo_move_to(g, 0, cy_top - r_top);
    cairo_curve_to(g, r_top * 1.1, cy_top - r_top, r_top * 1.1, cy_top + r_top * 0.6, waist, mid);
    cairo_curve_to(g, r_bot * 1.15, cy_bot - r_bot * 0.6, r_bot * 1.15, cy_bot + r_bot, 0, cy_bot + r_bot);
    cairo_curve_to(g, -r_bot * 1.15, cy_bot + r_bot, -r_bot * 1.15, cy_bot - r_bot * 0.6, -waist, mid);
    cairo_curve_to(g, -r_top * 1.1, cy_top + r_top * 0.6, -r_top * 1.1, cy_top - r_top, 0, cy_top - r_top);
    cairo_close_path(g);
}

void guitar(cairo_t* cr, const Look& l)
{
    cairo_save(cr);
    cairo_rotate(cr, 0.35);
    // Neck and head first, the body over the neck's foot.
    paint_shape(cr, [](cairo_t* g) { rounded_rect(g, -3.5, -40, 7, 34, 2); }, l.st(0x6E3720));
    paint_shape(cr, [](cairo_t* g) { rounded_rect(g, -5.5, -47, 11, 10, 3); }, l.st(0x4A2A18));
    cairo_save(cr);
    set_rgb(cr, l.c(0xE8E8E8));
    for (int s : {-1, 1})
        for (int i = 0; i < 2; ++i) {
            cairo_arc(cr, s * 7, -45 + i * 5, 1.6, 0, 2 * kPi);
            cairo_fill(cr);
        }
    cairo_restore(cr);
    paint_shape(cr, [](cairo_t* g) { figure_eight(g, -4, 11, 18, 15, 9); }, l.st(0xF29A38, 2.2, 0.3));
    cairo_save(cr);
    set_rgb(cr, pal::outline);
    cairo_arc(cr, 0, 7, 5, 0, 2 * kPi);
    cairo_fill(cr);
    set_rgb(cr, l.c(0x4A2A18));
    rounded_rect(cr, -7, 22, 14, 4, 1.5);
    cairo_fill(cr);
    set_rgb(cr, pal::white, 0.9);
    cairo_set_line_width(cr, 0.8);
    for (int i = -1; i <= 1; ++i) {
        cairo_move_to(cr, i * 1.8, -40);
        cairo_line_to(cr, i * 1.8, 23);
    }
    cairo_stroke(cr);
    cairo_restore(cr);
    cairo_restore(cr);
}

void drum(cairo_t* cr, const Look& l)
{
    // Drumsticks behind, crossed over the top.
    for (int s : {-1, 1}) {
        cairo_save(cr);
        cairo_translate(cr, s * 4, -14);
        cairo_rotate(cr, s * 0.75);
        paint_shape(cr, [](cairo_t* g) { rounded_rect(g, -2, -20, 4, 26, 2); }, l.st(0xE8C08A, 1.5));
        paint_shape(cr, [](cairo_t* g) { ellipse(g, 0, -20, 3, 3.5); }, l.st(0xE8C08A, 1.5));
        cairo_restore(cr);
    }
    auto shell = [](cairo_t* g) {
        cairo_move_to(g, -24, -6);
        cairo_line_to(g, -24, 16);
        cairo_curve_to(g, -24, 25, 24, 25, 24, 16);
        cairo_line_to(g, 24, -6);
        cairo_close_path(g);
    };
    paint_shape(cr, shell, l.st(pal::red, 2.2, 0.3));
    // The zigzag cord and the hoops.
    cairo_save(cr);
    set_rgb(cr, l.c(0xFFE6A0));
    cairo_set_line_width(cr, 1.6);
    for (int i = 0; i <= 8; ++i) {
        const double x = -24 + i * 6;
        const double y = i % 2 ? 18 : -1;
        if (i == 0)
            cairo_move_to(cr, x, y);
        else
            cairo_line_to(cr, x, y);
    }
    cairo_stroke(cr);
    cairo_restore(cr);
    paint_shape(cr, [](cairo_t* g) {
        cairo_move_to(g, -24, 14);
        cairo_curve_to(g, -24, 22, 24, 22, 24, 14);
        cairo_line_to(g, 24, 18);
        cairo_curve_to(g, 24, 26, -24, 26, -24, 18);
        cairo_close_path(g);
    }, l.st(0xE8E8E8, 1.6));
    paint_shape(cr, [](cairo_t* g) { ellipse(g, 0, -6, 24, 7); }, l.st(0xF6F0E6, 2.2, 0.1));
    paint_shape(cr, [](cairo_t* g) {
        cairo_new_sub_path(g);
        ellipse(g, 0, -6, 24, 7);
        cairo_new_sub_path(g);
        ellipse(g, 0, -6, 21, 5);
    }, Style{l.c(0xE8E8E8), 0, pal::outline, 1.2, false});
}

void f_hole(cairo_t* cr, double x, double y, double h, double s)
{
    cairo_move_to(cr, x - s * 1.5, y - h / 2);
    cairo_curve_to(cr, x + s * 2.5, y - h / 4, x - s * 2.5, y + h / 4, x + s * 1.5, y + h / 2);
    cairo_stroke(cr);
}

void double_bass(cairo_t* cr, const Look& l)
{
    cairo_save(cr);
    cairo_rotate(cr, 0.12);
    paint_shape(cr, [](cairo_t* g) { rounded_rect(g, -1.5, 44, 3, 14, 1.5); }, l.st(0x555555, 1.2));
    paint_shape(cr, [](cairo_t* g) { rounded_rect(g, -3.5, -52, 7, 40, 2); }, l.st(0x2B1D16));
    paint_shape(cr, [](cairo_t* g) {
        cairo_new_sub_path(g);
        cairo_arc(g, 0, -56, 5.5, 0, 2 * kPi);
    }, l.st(0x8B4A2B));
    paint_shape(cr, [](cairo_t* g) { figure_eight(g, 0, 17, 31, 20, 12); }, l.st(0xB5652E, 2.4, 0.35));
    cairo_save(cr);
    set_rgb(cr, pal::outline);
    cairo_set_line_width(cr, 1.8);
    f_hole(cr, -9, 16, 16, 1);
    f_hole(cr, 9, 16, 16, -1);
    cairo_restore(cr);
    paint_shape(cr, [](cairo_t* g) { rounded_rect(g, -3, -16, 6, 34, 2); }, l.st(0x2B1D16, 1.2));
    paint_shape(cr, [](cairo_t* g) { rounded_rect(g, -7, 22, 14, 3, 1); }, l.st(0xF6E0B0, 1));
    paint_shape(cr, [](cairo_t* g) { rounded_rect(g, -5, 42, 10, 6, 2); }, l.st(0x2B1D16, 1.2));
    cairo_save(cr);
    set_rgb(cr, pal::white, 0.85);
    cairo_set_line_width(cr, 0.8);
    for (int i = -1; i <= 2; ++i) {
        cairo_move_to(cr, -2.4 + i * 1.6, -50);
        cairo_line_to(cr, -2.4 + i * 1.6, 43);
    }
    cairo_stroke(cr);
    cairo_restore(cr);
    cairo_restore(cr);
}

void saxophone(cairo_t* cr, const Look& l)
{
    const uint32_t gold = 0xF2B632;
    auto body = [](cairo_t* g) {
        // Neck from the mouthpiece, the straight body down, the bow, the bell up.
        cairo_move_to(g, -20, -34);
        cairo_curve_to(g, -10, -38, -4, -32, -3, -24);
        cairo_line_to(g, -1, 18);
        cairo_curve_to(g, 0, 30, 14, 32, 18, 22);
        cairo_line_to(g, 20, 8);
        cairo_line_to(g, 30, 2);
        cairo_line_to(g, 30, 22);
        cairo_curve_to(g, 26, 40, -11, 44, -11, 20);
        cairo_line_to(g, -10, -22);
        cairo_curve_to(g, -10, -28, -14, -30, -20, -28);
        cairo_close_path(g);
    };
    paint_shape(cr, body, l.st(gold, 2.2, 0.35));
    paint_shape(cr, [](cairo_t* g) { ellipse(g, 25, 4, 7, 3.5); }, l.st(darken(gold, 0.25), 1.8));
    paint_shape(cr, [](cairo_t* g) { rounded_rect(g, -27, -35, 9, 6, 2.5); }, l.st(0x2B1D16, 1.5));
    for (int i = 0; i < 5; ++i)
        paint_shape(cr, [i](cairo_t* g) { ellipse(g, -5.5, -16 + i * 7.5, 3, 3); }, l.st(0xFFF4C0, 1.2));
    cairo_save(cr);
    set_rgb(cr, pal::white, 0.65);
    rounded_rect(cr, -9, -18, 2, 30, 1);
    cairo_fill(cr);
    cairo_restore(cr);
}

void violin(cairo_t* cr, const Look& l)
{
    // The bow behind, leaning the other way.
    cairo_save(cr);
    cairo_rotate(cr, -0.45);
    paint_shape(cr, [](cairo_t* g) { rounded_rect(g, -1.5, -44, 3, 88, 1.5); }, l.st(0x8B4A2B, 1.2));
    cairo_save(cr);
    set_rgb(cr, 0xFFF8E8);
    cairo_set_line_width(cr, 1.6);
    cairo_move_to(cr, 4, -42);
    cairo_line_to(cr, 4, 40);
    cairo_stroke(cr);
    cairo_restore(cr);
    paint_shape(cr, [](cairo_t* g) { rounded_rect(g, -2, 36, 8, 8, 1.5); }, l.st(0x2B1D16, 1.2));
    cairo_restore(cr);
    cairo_save(cr);
    cairo_rotate(cr, 0.22);
    paint_shape(cr, [](cairo_t* g) { rounded_rect(g, -3, -40, 6, 30, 2); }, l.st(0x2B1D16));
    paint_shape(cr, [](cairo_t* g) {
        cairo_new_sub_path(g);
        cairo_arc(g, 0, -42, 4.5, 0, 2 * kPi);
    }, l.st(0x9A4E22));
    paint_shape(cr, [](cairo_t* g) { figure_eight(g, -2, 11, 23, 13, 7); }, l.st(0xD2691E, 2.2, 0.35));
    cairo_save(cr);
    set_rgb(cr, pal::outline);
    cairo_set_line_width(cr, 1.5);
    f_hole(cr, -6, 10, 11, 0.8);
    f_hole(cr, 6, 10, 11, -0.8);
    cairo_restore(cr);
    paint_shape(cr, [](cairo_t* g) { rounded_rect(g, -2.5, -14, 5, 24, 2); }, l.st(0x2B1D16, 1));
    paint_shape(cr, [](cairo_t* g) { rounded_rect(g, -4, 28, 8, 7, 2); }, l.st(0x2B1D16, 1));
    cairo_save(cr);
    set_rgb(cr, pal::white, 0.8);
    cairo_set_line_width(cr, 0.7);
    for (int i = -1; i <= 1; i += 2) {
        cairo_move_to(cr, i * 1.0, -38);
        cairo_line_to(cr, i * 1.0, 29);
    }
    cairo_stroke(cr);
    cairo_restore(cr);
    cairo_restore(cr);
}

void xylophone(cairo_t* cr, const Look& l)
{
    const uint32_t bars[] = {pal::red, pal::orange, pal::sun, pal::lime, pal::teal, pal::blue, pal::violet};
    // Two wooden rails, the bars across them, longest at the top.
    for (int s : {-1, 1})
        paint_shape(cr, [s](cairo_t* g) {
            cairo_move_to(g, s * 25 - 2, -36);
            cairo_line_to(g, s * 17 - 2, 30);
            cairo_line_to(g, s * 17 + 2, 30);
            cairo_line_to(g, s * 25 + 2, -36);
            cairo_close_path(g);
        }, l.st(0x8B4A2B, 1.5));
    for (int i = 0; i < 7; ++i) {
        const double half = 30 - i * 2.6, y = -34 + i * 9.2;
        paint_shape(cr, [=](cairo_t* g) { rounded_rect(g, -half, y, 2 * half, 7.5, 2.5); }, l.st(bars[i], 1.6, 0.35));
        cairo_save(cr);
        set_rgb(cr, 0xE8E8E8);
        for (int s : {-1, 1}) {
            cairo_arc(cr, s * (half - 4), y + 3.75, 1.3, 0, 2 * kPi);
            cairo_fill(cr);
        }
        cairo_restore(cr);
    }
    // Two mallets lying across the front.
    for (int s : {-1, 1}) {
        cairo_save(cr);
        cairo_translate(cr, s * 8, 34);
        cairo_rotate(cr, s * 1.1);
        paint_shape(cr, [](cairo_t* g) { rounded_rect(g, -1.5, -16, 3, 24, 1.5); }, l.st(0xE8C08A, 1.2));
        paint_shape(cr, [](cairo_t* g) { ellipse(g, 0, -17, 4.5, 4.5); }, l.st(s < 0 ? pal::red : pal::blue, 1.5));
        cairo_restore(cr);
    }
}

void ocarina(cairo_t* cr, const Look& l)
{
    const uint32_t clay = 0x4DB6D6;
    paint_shape(cr, [](cairo_t* g) {
        cairo_move_to(g, -34, -8);
        cairo_line_to(g, -20, -8);
        cairo_line_to(g, -20, 4);
        cairo_line_to(g, -34, 2);
        cairo_close_path(g);
    }, l.st(darken(clay, 0.12)));
    paint_shape(cr, [](cairo_t* g) {
        cairo_move_to(g, -24, -2);
        cairo_curve_to(g, -24, -22, 20, -22, 30, -8);
        cairo_curve_to(g, 38, 4, 24, 18, 0, 18);
        cairo_curve_to(g, -18, 18, -24, 10, -24, -2);
        cairo_close_path(g);
    }, l.st(clay, 2.2, 0.35));
    cairo_save(cr);
    set_rgb(cr, pal::outline);
    rounded_rect(cr, -18, -9, 6, 4, 1.5);
    cairo_fill(cr);
    const double holes[][2] = {{-6, -8}, {3, -10}, {12, -9}, {20, -5}, {-2, 6}, {10, 6}};
    for (const auto& h : holes) {
        cairo_arc(cr, h[0], h[1], 2.6, 0, 2 * kPi);
        cairo_fill(cr);
    }
    set_rgb(cr, pal::white, 0.55);
    ellipse(cr, -8, -14, 7, 2.2);
    cairo_fill(cr);
    // A few flowers painted on the clay.
    set_rgb(cr, l.c(pal::sun));
    for (double x : {2.0, 16.0}) {
        cairo_arc(cr, x + 2, 1, 1.8, 0, 2 * kPi);
        cairo_fill(cr);
    }
    cairo_restore(cr);
}

void bagpipe(cairo_t* cr, const Look& l)
{
    // Three drones fanning up to the right, with a ribbon.
    const double drones[][3] = {{-2, -30, 0.55}, {6, -30, 0.45}, {14, -26, 0.35}};
    for (const auto& d : drones) {
        cairo_save(cr);
        cairo_translate(cr, d[0], -2);
        cairo_rotate(cr, d[2]);
        paint_shape(cr, [=](cairo_t* g) { rounded_rect(g, -2.5, d[1], 5, -d[1], 2); }, l.st(0x2B1D16, 1.5));
        paint_shape(cr, [=](cairo_t* g) { rounded_rect(g, -3.5, d[1] - 4, 7, 5, 2); }, l.st(0xE8E8E8, 1.3));
        cairo_restore(cr);
    }
    // The chanter hanging down on the left, the blowpipe up on the left.
    paint_shape(cr, [](cairo_t* g) { rounded_rect(g, -26, 4, 5, 28, 2); }, l.st(0x2B1D16, 1.5));
    paint_shape(cr, [](cairo_t* g) {
        cairo_move_to(g, -28, 30);
        cairo_line_to(g, -19, 30);
        cairo_line_to(g, -20, 34);
        cairo_line_to(g, -27, 34);
        cairo_close_path(g);
    }, l.st(0xE8E8E8, 1.2));
    cairo_save(cr);
    cairo_translate(cr, -16, -6);
    cairo_rotate(cr, -0.7);
    paint_shape(cr, [](cairo_t* g) { rounded_rect(g, -2, -24, 4, 20, 2); }, l.st(0x2B1D16, 1.5));
    cairo_restore(cr);
    // The tartan bag.
    auto bag = [](cairo_t* g) {
        cairo_move_to(g, -24, 0);
        cairo_curve_to(g, -26, -16, 4, -20, 18, -8);
        cairo_curve_to(g, 32, 4, 24, 24, 4, 24);
        cairo_curve_to(g, -14, 24, -22, 14, -24, 0);
        cairo_close_path(g);
    };
    paint_shape(cr, bag, l.st(0xD0303A, 2.2, 0.2));
    cairo_save(cr);
    bag(cr);
    cairo_clip(cr);
    set_rgb(cr, l.c(0x2F7D3A), 0.75);
    for (double x = -26; x < 34; x += 12)
        cairo_rectangle(cr, x, -22, 5, 50);
    for (double y = -18; y < 28; y += 12)
        cairo_rectangle(cr, -28, y, 64, 5);
    cairo_fill(cr);
    set_rgb(cr, l.c(pal::sun), 0.8);
    cairo_set_line_width(cr, 1);
    for (double x = -22; x < 34; x += 12) {
        cairo_move_to(cr, x, -22);
        cairo_line_to(cr, x, 28);
    }
    cairo_stroke(cr);
    cairo_restore(cr);
    bag(cr);
    set_rgb(cr, pal::outline);
    cairo_set_line_width(cr, 2.2);
    cairo_stroke(cr);
    // A bow of ribbon where the drones leave the bag.
    cairo_save(cr);
    set_rgb(cr, l.c(pal::sun));
    for (int s : {-1, 1}) {
        cairo_move_to(cr, 6, -12);
        cairo_line_to(cr, 6 + s * 7, -16);
        cairo_line_to(cr, 6 + s * 7, -8);
        cairo_close_path(cr);
    }
    cairo_fill(cr);
    cairo_restore(cr);
}

using Draw = void (*)(cairo_t*, const Look&);
constexpr std::array<Draw, 10> kDraw = {piano, trumpet, guitar, drum, double_bass,
                                        saxophone, violin, xylophone, ocarina, bagpipe};

// The drawings are made for a box of about 66 x 46 (piano) and scaled to fit
// each hot area; this is each one's own extent.
constexpr std::array<std::array<double, 2>, 10> kExtent = {{{66, 50},
                                                            {70, 40},
                                                            {54, 96},
                                                            {52, 62},
                                                            {40, 122},
                                                            {60, 82},
                                                            {56, 96},
                                                            {64, 84},
                                                            {74, 42},
                                                            {60, 70}}};

double fit_scale(int i)
{
    const Rect& h = kInstruments[size_t(i)].hot;
    return std::min(h.w / kExtent[size_t(i)][0], h.h / kExtent[size_t(i)][1]) * 1.04;
}

void draw_instrument(cairo_t* cr, int i, bool lit)
{
    const Rect& h = kInstruments[size_t(i)].hot;
    Look l;
    l.lit = lit;
    l.k = fit_scale(i) * (lit ? 1.1 : 1.0);
    cairo_save(cr);
    cairo_translate(cr, cx_of(h), cy_of(h));
    cairo_scale(cr, l.k, l.k);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    kDraw[size_t(i)](cr, l);
    cairo_restore(cr);
}

// The round plate each instrument stands on, so the child sees ten things to press.
void plate(cairo_t* cr, int i)
{
    const Rect& h = kInstruments[size_t(i)].hot;
    const double rx = h.w / 2.0 + 2, ry = h.h / 2.0 + 2;
    cairo_save(cr);
    set_rgb(cr, 0xFFE0A8);
    ellipse(cr, cx_of(h), cy_of(h), rx, ry);
    cairo_fill(cr);
    set_rgb(cr, 0xF5C98A);
    cairo_set_line_width(cr, 2);
    ellipse(cr, cx_of(h), cy_of(h), rx, ry);
    cairo_stroke(cr);
    cairo_restore(cr);
}

// ------------------------------------------------------------------ icons

void record_button(Canvas& c, double ox, double oy, bool lit)
{
    cairo_t* cr = c.cr();
    const double cx = ox + kButtonW / 2.0, cy = oy + 23;
    const double w = lit ? 53 : 49, h = lit ? 40 : 34;
    if (lit) {
        const Box within{ox, oy, double(kButtonW), double(kButtonH)};
        glow(c, [&](cairo_t* g) { rounded_rect(g, cx - w / 2, cy - h / 2, w, h, 9); }, pal::glow, 6, 1.8, &within);
    }
    paint_shape(cr, [&](cairo_t* g) { rounded_rect(g, cx - w / 2, cy - h / 2, w, h, 9); },
                Style{lit ? 0xFFF4E0u : 0xE9DCC4u, 0.3, pal::outline, 2.5, !lit, 2, 0.25});
    const double r = lit ? 12 : 10;
    if (lit)
        glow(c, [&](cairo_t* g) { ellipse(g, cx, cy, r, r); }, 0xFF4040, 5, 1.4, nullptr);
    paint_shape(cr, [&](cairo_t* g) { ellipse(g, cx, cy, r, r); },
                Style{lit ? 0xFF3030u : 0xB04848u, 0.4, pal::outline, 2, false});
    cairo_save(cr);
    set_rgb(cr, pal::white, lit ? 0.8 : 0.45);
    ellipse(cr, cx - r * 0.35, cy - r * 0.4, r * 0.35, r * 0.22);
    cairo_fill(cr);
    cairo_restore(cr);
}

void play_button(Canvas& c, double ox, double oy, bool lit)
{
    cairo_t* cr = c.cr();
    const double cx = ox + kButtonW / 2.0, cy = oy + 23;
    const double w = lit ? 53 : 49, h = lit ? 40 : 34;
    if (lit) {
        const Box within{ox, oy, double(kButtonW), double(kButtonH)};
        glow(c, [&](cairo_t* g) { rounded_rect(g, cx - w / 2, cy - h / 2, w, h, 9); }, pal::glow, 6, 1.8, &within);
    }
    paint_shape(cr, [&](cairo_t* g) { rounded_rect(g, cx - w / 2, cy - h / 2, w, h, 9); },
                Style{lit ? 0xFFF4E0u : 0xE9DCC4u, 0.3, pal::outline, 2.5, !lit, 2, 0.25});
    const double s = lit ? 1.15 : 1.0;
    auto tri = [&](cairo_t* g) {
        cairo_move_to(g, cx - 8 * s, cy - 11 * s);
        cairo_line_to(g, cx + 12 * s, cy);
        cairo_line_to(g, cx - 8 * s, cy + 11 * s);
        cairo_close_path(g);
    };
    if (lit)
        glow(c, tri, 0x60FF60, 5, 1.4, nullptr);
    paint_shape(cr, tri, Style{lit ? 0x3EE04Au : 0x3C9A44u, 0.4, pal::outline, 2, false});
}

void stop_button(Canvas& c, double ox, double oy, bool lit)
{
    cairo_t* cr = c.cr();
    const double cx = ox + kButtonW / 2.0, cy = oy + 23;
    const double w = lit ? 53 : 49, h = lit ? 40 : 34;
    if (lit) {
        const Box within{ox, oy, double(kButtonW), double(kButtonH)};
        glow(c, [&](cairo_t* g) { rounded_rect(g, cx - w / 2, cy - h / 2, w, h, 9); }, pal::glow, 6, 1.8, &within);
    }
    paint_shape(cr, [&](cairo_t* g) { rounded_rect(g, cx - w / 2, cy - h / 2, w, h, 9); },
                Style{lit ? 0xFFF4E0u : 0xE9DCC4u, 0.3, pal::outline, 2.5, !lit, 2, 0.25});
    const double s = lit ? 11 : 9.5;
    paint_shape(cr, [&](cairo_t* g) { rounded_rect(g, cx - s, cy - s, 2 * s, 2 * s, 3); },
                Style{lit ? 0x6FA8FFu : 0x3F6FC0u, 0.4, pal::outline, 2, false});
}

void jukebox_icon(cairo_t* cr)
{
    const Rect& r = kJukebox;
    const double x = r.x + 2, y = r.y + 2, w = r.w - 4, h = r.h - 5;
    // A round-topped cabinet with a rainbow arch, a window and a speaker grille.
    auto cab = [=](cairo_t* g) {
        cairo_new_sub_path(g);
        cairo_arc(g, x + w / 2, y + w / 2, w / 2, kPi, 2 * kPi);
        cairo_line_to(g, x + w, y + h - 3);
        cairo_arc(g, x + w - 3, y + h - 3, 3, 0, kPi / 2);
        cairo_arc(g, x + 3, y + h - 3, 3, kPi / 2, kPi);
        cairo_close_path(g);
    };
    paint_shape(cr, cab, Style{0xB5652E, 0.3, pal::outline, 2, true, 2, 0.25});
    const uint32_t arch[] = {pal::red, pal::sun, pal::lime, pal::sky};
    cairo_save(cr);
    cairo_set_line_width(cr, 2.2);
    for (int i = 0; i < 4; ++i) {
        set_rgb(cr, arch[i]);
        cairo_new_sub_path(cr);
        cairo_arc(cr, x + w / 2, y + w / 2 + 1, w / 2 - 3 - i * 2.2, kPi, 2 * kPi);
        cairo_stroke(cr);
    }
    cairo_restore(cr);
    paint_shape(cr, [=](cairo_t* g) { rounded_rect(g, x + 7, y + w / 2 + 1, w - 14, 9, 2); },
                Style{0xFFF1B8, 0.2, pal::outline, 1.5, false});
    cairo_save(cr);
    set_rgb(cr, pal::outline);
    cairo_arc(cr, x + w / 2, y + w / 2 + 5.5, 3, 0, 2 * kPi);
    cairo_fill(cr);
    set_rgb(cr, 0x6E3720);
    for (int i = 0; i < 3; ++i)
        cairo_rectangle(cr, x + 7, y + w / 2 + 14 + i * 4, w - 14, 2);
    cairo_fill(cr);
    cairo_restore(cr);
}

// The rhythm number's little display, plain in the middle for the number,
// with a "next" arrow at its right end.
void rhythm_display(cairo_t* cr)
{
    const Rect& r = kNextRhythm;
    paint_shape(cr, [&](cairo_t* g) { rounded_rect(g, r.x + 1, r.y + 1, r.w - 2, r.h - 2, 8); },
                Style{0x3A2C70, 0.2, pal::outline, 2.5, true, 2, 0.25});
    cairo_save(cr);
    set_rgb(cr, 0xFFF8E6);
    rounded_rect(cr, r.x + 5, r.y + 5, 32, r.h - 10, 5);
    cairo_fill(cr);
    cairo_restore(cr);
    paint_shape(cr, [&](cairo_t* g) {
        const double ax = r.x + 40, ay = r.y + r.h / 2.0;
        cairo_move_to(g, ax, ay - 6);
        cairo_line_to(g, ax + 6, ay);
        cairo_line_to(g, ax, ay + 6);
        cairo_close_path(g);
    }, Style{pal::sun, 0.2, pal::outline, 1.2, false});
}

// Rhythm on and off: a little metronome.
void metronome_icon(cairo_t* cr)
{
    const Rect& r = kRhythm;
    const double cx = cx_of(r), by = r.y + r.h - 2;
    paint_shape(cr, [&](cairo_t* g) {
        cairo_move_to(g, cx - 15, by);
        cairo_line_to(g, cx - 6, r.y + 1);
        cairo_line_to(g, cx + 6, r.y + 1);
        cairo_line_to(g, cx + 15, by);
        cairo_close_path(g);
    }, Style{pal::violet, 0.3, pal::outline, 2, true, 2, 0.25});
    cairo_save(cr);
    set_rgb(cr, 0xFFF4E0);
    cairo_move_to(cr, cx - 9, by - 12);
    cairo_line_to(cr, cx - 4, r.y + 6);
    cairo_line_to(cr, cx + 4, r.y + 6);
    cairo_line_to(cr, cx + 9, by - 12);
    cairo_close_path(cr);
    cairo_fill(cr);
    set_rgb(cr, pal::outline);
    cairo_set_line_width(cr, 2);
    cairo_move_to(cr, cx, by - 10);
    cairo_line_to(cr, cx + 7, r.y + 7);
    cairo_stroke(cr);
    cairo_restore(cr);
    paint_shape(cr, [&](cairo_t* g) { rounded_rect(g, cx + 2, r.y + 14, 5, 5, 1); },
                Style{pal::sun, 0.2, pal::outline, 1.2, false});
    paint_shape(cr, [&](cairo_t* g) { rounded_rect(g, cx - 15, by - 9, 30, 8, 2); },
                Style{darken(pal::violet, 0.2), 0.2, pal::outline, 1.5, false});
    // Two drumbeat marks beside it.
    cairo_save(cr);
    set_rgb(cr, pal::sun);
    cairo_set_line_width(cr, 2);
    for (int s : {-1, 1}) {
        cairo_new_sub_path(cr);
        cairo_arc(cr, cx + s * 17, r.y + 10, 5, s < 0 ? kPi * 0.9 : -kPi * 0.4, s < 0 ? kPi * 1.4 : kPi * 0.1);
        cairo_stroke(cr);
    }
    cairo_restore(cr);
}

void back_icon(cairo_t* cr)
{
    const Rect& r = kBack;
    const double cx = cx_of(r), cy = cy_of(r), w = r.w - 2, h = r.h - 6;
    paint_shape(cr, [=](cairo_t* g) { rounded_rect(g, cx - w / 2, cy - h / 2, w, h, h / 2); },
                Style{pal::orange, 0.35, pal::outline, 2.5, true, 3, 0.25});
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, 0.72, 0.72);
    back_arrow_face(cr, 0, 0, w / 0.72, h / 0.72, false);
    cairo_restore(cr);
}

// Key help: a computer key with a letter on it.
void help_icon(cairo_t* cr)
{
    const Rect& r = kHelp;
    for (int i = 0; i < 2; ++i) {
        const double x = r.x + 2 + i * 30, y = r.y + 1, s = 26, hh = r.h - 3;
        paint_shape(cr, [=](cairo_t* g) { rounded_rect(g, x, y, s, hh, 5); },
                    Style{0xE9E4DA, 0.3, pal::outline, 2, true, 2, 0.25});
        cairo_save(cr);
        set_rgb(cr, pal::white);
        rounded_rect(cr, x + 4, y + 3, s - 8, hh - 8, 3);
        cairo_fill(cr);
        text_path(cr, i == 0 ? "A" : "S", 15, x + s / 2, y + hh - 7);
        set_rgb(cr, pal::outline);
        cairo_fill(cr);
        cairo_restore(cr);
    }
}

// ------------------------------------------------------------- the theatre

void stage(Canvas& c)
{
    cairo_t* cr = c.cr();
    // The back wall: a deep violet with faint stars, a pool of light behind Bafo.
    set_rgb(cr, kWall);
    cairo_rectangle(cr, kShelfR, kTopBar, kShelfL - kShelfR, kCase - kTopBar);
    cairo_fill(cr);
    Rng rng(8202);
    for (int i = 0; i < 40; ++i) {
        const double x = rng.range(kShelfR + 10, kShelfL - 10), y = rng.range(kTopBar + 30, kFloor - 20);
        const double r = rng.range(4, 8);
        set_rgb(cr, kWallStar);
        star_path(cr, x, y, r, r * 0.5, 5, rng.range(0, 1));
        cairo_save(cr);
        cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
        cairo_fill(cr);
        cairo_restore(cr);
    }
    // The pool of light lies wholly inside the dance box, with hard edges:
    // the clips' codec keeps two colours to a 4 x 4 block exactly, so the
    // dances show the very same pool.
    const double cx = kBoxX + kBoxW / 2.0;
    const uint32_t pool[] = {0x5A48A0, 0x6A57B0, 0x7C69C0};
    cairo_save(cr);
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
    for (int i = 0; i < 3; ++i) {
        set_rgb(cr, pool[i]);
        ellipse(cr, cx, 320, 128 - i * 26, 120 - i * 24);
        cairo_fill(cr);
    }
    cairo_restore(cr);
    // Floor boards, wider towards the front.
    double y = kFloor;
    for (int row = 0; y < kCase; ++row) {
        const double hgt = 12 + row * 5;
        set_rgb(cr, row % 2 ? 0xC98A52 : 0xBD7E47);
        cairo_rectangle(cr, kShelfR, y, kShelfL - kShelfR, hgt);
        cairo_fill(cr);
        set_rgb(cr, kWoodDark);
        cairo_set_line_width(cr, 2);
        cairo_move_to(cr, kShelfR, y);
        cairo_line_to(cr, kShelfL, y);
        cairo_stroke(cr);
        for (double x = kShelfR + 30 + (row % 2) * 64; x < kShelfL; x += 128 + row * 16) {
            cairo_move_to(cr, x, y);
            cairo_line_to(cr, x, y + hgt);
            cairo_stroke(cr);
        }
        y += hgt;
    }
    set_rgb(cr, 0x6B3F22);
    cairo_rectangle(cr, kShelfR, kFloor - 4, kShelfL - kShelfR, 5);
    cairo_fill(cr);
    // The spotlight's oval on the floor.
    cairo_save(cr);
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
    set_rgb(cr, 0xE2A86A);
    ellipse(cr, cx, 488, 118, 16);
    cairo_fill(cr);
    set_rgb(cr, 0xEDB97D);
    ellipse(cr, cx, 488, 90, 11);
    cairo_fill(cr);
    cairo_restore(cr);

    // Curtains gathered at both sides, a valance along the top.
    for (int side : {-1, 1}) {
        const double edge = side < 0 ? kShelfR : kShelfL;
        const double inner = side < 0 ? kShelfR + 92 : kShelfL - 92;
        auto curtain = [=](cairo_t* g) {
            cairo_move_to(g, edge, kTopBar);
            cairo_line_to(g, inner, kTopBar);
            cairo_curve_to(g, inner - side * 6, 200, inner - side * 40, 330, edge + side * 14, 372);
            cairo_curve_to(g, edge + side * 40, 420, edge + side * 40, 480, edge + side * 30, kCase);
            cairo_line_to(g, edge, kCase);
            cairo_close_path(g);
        };
        paint_shape(cr, curtain, Style{kCurtain, 0.2, pal::outline, 2.5, true, 4, 0.3});
        cairo_save(cr);
        curtain(cr);
        cairo_clip(cr);
        set_rgb(cr, darken(kCurtain, 0.22));
        cairo_set_line_width(cr, 5);
        for (int k = 1; k <= 3; ++k) {
            const double x = edge + side * 22 * k;
            cairo_move_to(cr, x, kTopBar);
            cairo_curve_to(cr, x, 220, x - side * 10, 320, edge + side * (8 + 6 * k), 380);
            cairo_stroke(cr);
        }
        cairo_restore(cr);
        // The golden tie-back.
        paint_shape(cr, [=](cairo_t* g) { ellipse(g, edge + side * 26, 370, 14, 7); },
                    Style{pal::tag, 0.3, pal::outline, 2, false});
    }
    auto valance = [](cairo_t* g) {
        cairo_move_to(g, kShelfR, kTopBar);
        cairo_line_to(g, kShelfL, kTopBar);
        cairo_line_to(g, kShelfL, kTopBar + 18);
        const int n = 10;
        const double step = (kShelfL - kShelfR) / n;
        for (int i = n; i > 0; --i) {
            const double x1 = kShelfR + (i - 1) * step;
            cairo_curve_to(g, kShelfL - (n - i) * step - step * 0.2, kTopBar + 44, x1 + step * 0.2, kTopBar + 44, x1,
                           kTopBar + 18);
        }
        cairo_close_path(g);
    };
    paint_shape(cr, valance, Style{kCurtain, 0.25, pal::outline, 2.5, true, 4, 0.3});
    cairo_save(cr);
    set_rgb(cr, pal::tag);
    cairo_rectangle(cr, kShelfR, kTopBar + 4, kShelfL - kShelfR, 4);
    cairo_fill(cr);
    cairo_restore(cr);
}

void shelves(Canvas& c)
{
    cairo_t* cr = c.cr();
    for (int side = 0; side < 2; ++side) {
        const double x0 = side == 0 ? 0 : kShelfL, x1 = side == 0 ? kShelfR : kW;
        fill_vertical_gradient(cr, x0, 0, x1 - x0, kCase, 0xFFF7E6, kShelfPaper);
        // Wallpaper of small notes.
        cairo_save(cr);
        set_rgb(cr, 0xF3DDB8);
        for (int row = 0; row < 26; ++row)
            for (double x = x0 + 10 + (row % 2) * 20; x < x1 - 4; x += 40) {
                const double y = 12 + row * 20;
                ellipse(cr, x, y, 3.2, 2.5);
                cairo_fill(cr);
                cairo_rectangle(cr, x + 2, y - 9, 1.4, 9);
                cairo_fill(cr);
            }
        cairo_restore(cr);
        // The wooden post between shelf and stage.
        const double px = side == 0 ? kShelfR - 4 : kShelfL;
        fill_vertical_gradient(cr, px, 0, 4, kCase, 0xB37748, kWoodDark);
    }
    for (int i = 0; i < 10; ++i)
        plate(cr, i);
}

void console(Canvas& c)
{
    cairo_t* cr = c.cr();
    fill_vertical_gradient(cr, kShelfR, 0, kShelfL - kShelfR, kTopBar, 0xD99D60, 0xB37748);
    cairo_save(cr);
    set_rgb(cr, darken(kWood, 0.3), 0.45);
    cairo_set_line_width(cr, 1);
    for (int g = 0; g < 4; ++g) {
        cairo_move_to(cr, kShelfR, 9 + g * 10);
        cairo_curve_to(cr, 300, 7 + g * 10 + g % 2, 500, 12 + g * 10, kShelfL, 8 + g * 10);
        cairo_stroke(cr);
    }
    set_rgb(cr, kWoodDark);
    cairo_rectangle(cr, kShelfR, kTopBar - 3, kShelfL - kShelfR, 3);
    cairo_fill(cr);
    cairo_restore(cr);
    // Music notes painted along the free stretches of the console.
    for (double x : {100.0, 350.0, 450.0, 640.0, 690.0}) {
        cairo_save(cr);
        set_rgb(cr, 0x8A5530, 0.6);
        ellipse(cr, x, 31, 5, 4);
        cairo_fill(cr);
        cairo_rectangle(cr, x + 3.6, 12, 2, 19);
        cairo_fill(cr);
        cairo_move_to(cr, x + 5.6, 12);
        cairo_curve_to(cr, x + 12, 16, x + 13, 20, x + 10, 25);
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
        cairo_restore(cr);
    }
}

void keyboard(Canvas& c)
{
    cairo_t* cr = c.cr();
    // The case spans the whole width; the corners hold the back and help icons.
    fill_vertical_gradient(cr, 0, kCase, kW, kH - kCase, 0xD03A4A, kCaseRed);
    cairo_save(cr);
    set_rgb(cr, pal::tag);
    cairo_rectangle(cr, 0, kCase, kW, 3);
    cairo_fill(cr);
    set_rgb(cr, pal::outline);
    cairo_rectangle(cr, 0, kCase + 3, kW, 2);
    cairo_fill(cr);
    // The key bed, dark between the keys.
    set_rgb(cr, 0x2B1D16);
    cairo_rectangle(cr, 82, 527, 636, kH - 527);
    cairo_fill(cr);
    cairo_restore(cr);
    // The key slip above the keys.
    fill_vertical_gradient(cr, 82, kCase + 5, 636, kKeys[0].y - kCase - 5, 0x4A3428, 0x2B1D16);
    for (int i = 0; i < 8; ++i) {
        const Rect& k = kKeys[size_t(i)];
        auto key = [&](cairo_t* g) { cairo_rectangle(g, k.x + 1, k.y + 1, k.w - 2, kH - k.y + 4); };
        cairo_save(cr);
        key(cr);
        fill_vertical_gradient(cr, k.x, k.y, k.w, kH - k.y, 0xFFFFFF, 0xEDE6DA);
        cairo_fill_preserve(cr);
        set_rgb(cr, pal::outline);
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
        cairo_restore(cr);
    }
    for (int i = 8; i < 13; ++i) {
        const Rect& k = kKeys[size_t(i)];
        paint_shape(cr, [&](cairo_t* g) {
            // Square at the top where they leave the slip, round at the front.
            cairo_move_to(g, k.x + 1, k.y);
            cairo_line_to(g, k.x + k.w - 1, k.y);
            cairo_arc(g, k.x + k.w - 5, k.y + k.h - 5, 4, 0, kPi / 2);
            cairo_arc(g, k.x + 5, k.y + k.h - 5, 4, kPi / 2, kPi);
            cairo_close_path(g);
        },
                    Style{0x2E2A30, 0.25, pal::outline, 2, true, 2, 0.35});
        cairo_save(cr);
        set_rgb(cr, 0x5A5560);
        rounded_rect(cr, k.x + 5, k.y + k.h - 10, k.w - 10, 5, 2);
        cairo_fill(cr);
        cairo_restore(cr);
    }
}

void paint_studio(Canvas& c)
{
    c.fill(kWood);
    stage(c);
    shelves(c);
    console(c);
    keyboard(c);
    cairo_t* cr = c.cr();
    for (int i = 0; i < 10; ++i)
        draw_instrument(cr, i, false);
    record_button(c, kRecordAt, 0, false);
    play_button(c, kPlayAt, 0, false);
    stop_button(c, kStopAt, 0, false);
    jukebox_icon(cr);
    rhythm_display(cr);
    metronome_icon(cr);
    back_icon(cr);
    help_icon(cr);
}

// The lit look of instrument i over its place on the background.
Canvas lit_instrument(const Canvas& bg, int i)
{
    const Instrument& in = kInstruments[size_t(i)];
    Canvas c = bg.crop(in.lit_x, in.lit_y, in.lit_w, in.lit_h);
    cairo_t* cr = c.cr();
    const Rect& h = in.hot;
    const double rx = h.w / 2.0 + 4, ry = h.h / 2.0 + 4;
    const double cx = cx_of(h) - in.lit_x, cy = cy_of(h) - in.lit_y;
    glow(c, [&](cairo_t* g) { ellipse(g, cx, cy, rx, ry); }, pal::glow, 8, 1.6, nullptr);
    cairo_save(cr);
    set_rgb(cr, 0xFFF2B0);
    ellipse(cr, cx, cy, rx, ry);
    cairo_fill(cr);
    set_rgb(cr, pal::sun);
    cairo_set_line_width(cr, 2.5);
    ellipse(cr, cx, cy, rx, ry);
    cairo_stroke(cr);
    cairo_translate(cr, -in.lit_x, -in.lit_y);
    draw_instrument(cr, i, true);
    cairo_restore(cr);
    return c;
}

void run(const std::filesystem::path& root)
{
    const std::filesystem::path dir = root / kDir;
    Canvas bg = paint_empty_studio();
    bg.paste(encoded_rest_box(bg.crop(kBoxX, kBoxY, kBoxW, kBoxH)), kBoxX, kBoxY);
    bg.save_bmp(dir / "BG.BMP");
    for (int i = 0; i < 10; ++i)
        lit_instrument(bg, i).save_bmp(dir / (std::string(kInstruments[size_t(i)].tag) + ".BMP"));
    struct Button {
        const char* name;
        int at;
        void (*paint)(Canvas&, double, double, bool);
    } buttons[] = {{"RECORD", kRecordAt, record_button}, {"PLAY", kPlayAt, play_button}, {"STOP", kStopAt, stop_button}};
    for (const auto& b : buttons) {
        bg.crop(b.at, 0, kButtonW, kButtonH).save_bmp(dir / (std::string(b.name) + ".BMP"));
        Canvas lit = bg.crop(b.at, 0, kButtonW, kButtonH);
        b.paint(lit, 0, 0, true);
        lit.save_bmp(dir / (std::string(b.name) + "1.BMP"));
    }
}

void expect(std::vector<Expect>& out)
{
    out.push_back(bitmap_expect(std::string(kDir) + "BG.BMP", kW, kH));
    for (const auto& in : kInstruments)
        out.push_back(bitmap_expect(std::string(kDir) + in.tag + ".BMP", in.lit_w, in.lit_h));
    for (const char* b : {"RECORD", "PLAY", "STOP"}) {
        out.push_back(bitmap_expect(std::string(kDir) + b + ".BMP", kButtonW, kButtonH));
        out.push_back(bitmap_expect(std::string(kDir) + b + "1.BMP", kButtonW, kButtonH));
    }
}

}  // namespace

Canvas paint_empty_studio()
{
    Canvas c(kW, kH);
    paint_studio(c);
    return c;
}

Bafo resting_bafo()
{
    Bafo b;
    b.scale = 0.82;
    b.x = kBoxW / 2.0;
    b.y = 292;
    b.mouth = Mouth::Closed;
    b.tail = 0.3;
    b.ground_shadow = false;  // the dances draw it on the floor, where a hop leaves it
    return b;
}

}  // namespace datagen::studio

namespace datagen {

Generator gen_studio() { return Generator{"studio", studio::run, studio::expect}; }

static const Registered registered{gen_studio};

}  // namespace datagen
