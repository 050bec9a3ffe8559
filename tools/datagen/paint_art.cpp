// The colouring book's screen: a crayon box down each side of the page (the
// program reads each colour off its crayon), a wooden desk below with the ten
// tool icons, the back, undo, clear and album icons, and Bafo's question
// whether to start on a clean sheet.
//
// The program shows the current pen colour, fill colour and width on the
// icons by flood-filling fixed points of the screen. Every such place is drawn
// without antialiasing as one flat area inside a closed ring of the outline
// colour, which is neither a palette colour nor a fill shade, so a flood stays
// in its area whatever the child picks.
#include "art.h"
#include "datagen.h"
#include "game_frame_art.h"
#include "paint_kit.h"
#include "question_art.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace datagen {

namespace {

using namespace art;
using frame::IconArt;
using frame::Rect;

constexpr double kPi = 3.14159265358979323846;
constexpr int kW = 800, kH = 600;
const char* const kDir = "BAFO_CS/OMALKY/";

// The page lies here and always covers it.
constexpr Rect kCanvas = {80, 0, 640, 480};
constexpr int kDeskTop = 484;

// The swatches: 75 x 29, sixteen down each side; the program samples (63, 14) of each.
constexpr int kSwatchW = 75, kSwatchH = 29, kSampleX = 63, kSampleY = 14;
Rect swatch(int i) { return i < 16 ? Rect{0, kSwatchH * i, kSwatchW, kSwatchH} : Rect{kW - kSwatchW, kSwatchH * (i - 16), kSwatchW, kSwatchH}; }

// Swatch 3 is the paper: pure white. Bright, clearly different colours, with
// the greys, browns and skin tones a child needs for people and animals.
constexpr std::array<uint32_t, 32> kPalette = {
    0x000000, 0x7B4A24, 0x9A9A9A, 0xFFFFFF, 0xC0182B, 0xFF3B30, 0xFF7A59, 0xFF9A1F,
    0xFFC21A, 0xFFEA2E, 0xFFF59A, 0xB8E62E, 0x5FD35A, 0x1FA847, 0x0E6B3A, 0x2EC4A0,
    0x33D6F0, 0x7EC8FF, 0x2F7DF6, 0x1C3FA8, 0x4B3BC4, 0x8E55E0, 0xB33FC9, 0xC9A8F5,
    0xE8319A, 0xFF7EB9, 0xFFC2DA, 0xFFC9A0, 0xE0A26E, 0xB5743C, 0x8E2C5E, 0x0F8C8C,
};

// What the program floods the fill areas with for a fill colour c.
uint32_t fill_shade(uint32_t c)
{
    if (c == 0x000000)
        return 0x0C0C0C;
    if (c == 0xFFFFFF)
        return 0xF7F7F7;
    auto up = [&](int s) { return uint32_t(std::min(255u, ((c >> s) & 0xFF) + 8)) << s; };
    return up(16) | up(8) | up(0);
}

// The areas' ring. The program never floods with it (checked below).
constexpr uint32_t kRing = pal::outline;
// The areas as the screen first shows them: black pen, white fill.
constexpr uint32_t kPenStart = 0x000000;
const uint32_t kFillStart = fill_shade(0xFFFFFF);

// Tool icons: where each picture lies (ICO_POS.DAT) and the hot area it covers.
// Every picture reaches 15 px above its drawing for the lifted look, stops
// above the back and undo icons' row and abuts its neighbours.
constexpr int kIconTop = kDeskTop, kLift = 15;
constexpr std::array<Rect, 10> kIcon = {{{28, kIconTop, 84, 75},
                                         {112, kIconTop, 71, 75},
                                         {183, kIconTop, 70, 75},
                                         {253, kIconTop, 72, 75},
                                         {325, kIconTop, 80, 75},
                                         {405, kIconTop, 83, 75},
                                         {488, kIconTop, 72, 75},
                                         {560, kIconTop, 70, 75},
                                         {630, kIconTop, 70, 77},
                                         {700, kIconTop, 70, 77}}};
constexpr std::array<Rect, 10> kIconHot = {{{38, 500, 71, 56},
                                            {115, 500, 66, 56},
                                            {185, 500, 66, 56},
                                            {255, 500, 66, 56},
                                            {330, 500, 71, 56},
                                            {410, 500, 76, 56},
                                            {490, 500, 66, 56},
                                            {565, 500, 61, 56},
                                            {635, 500, 61, 61},
                                            {705, 500, 61, 61}}};

// The small icons of the bottom row, and the highlights of back and album.
constexpr Rect kBackHot = {5, 565, 71, 31}, kUndoHot = {395, 560, 51, 41}, kClearHot = {450, 560, 51, 41},
               kAlbumHot = {745, 560, 51, 41};
constexpr Rect kBackLit = {0, 561, 82, 39}, kAlbumLit = {744, 560, 56, 40};
// The back pill is drawn a little narrower than its hot area, so that lit and
// grown it still keeps off the edge of its picture at the screen's side.
constexpr Rect kBackArt = {9, 565, 63, 31};

// Where the program recolours the icons (normal look; 15 px higher when lifted).
struct Spot {
    int icon;  // 1..10
    int x, y;
    bool fill;
};
constexpr Spot kSpots[] = {{1, 66, 544, false},  {2, 134, 544, false}, {2, 153, 544, false}, {3, 218, 544, false},
                           {3, 223, 544, false}, {4, 286, 544, false}, {4, 292, 544, false}, {7, 507, 544, false},
                           {8, 577, 544, false}, {9, 646, 544, false}, {10, 716, 544, false}, {5, 344, 544, true},
                           {7, 522, 544, true},  {9, 662, 544, true}};

std::string at(const Rect& r)
{
    return "(" + std::to_string(r.x) + ", " + std::to_string(r.y) + ", " + std::to_string(r.w) + "x" +
           std::to_string(r.h) + ")";
}

// --- drawing the areas ---------------------------------------------------------

// Flat, hard-edged drawing for the recoloured areas and their rings.
struct Hard {
    explicit Hard(cairo_t* c) : cr(c)
    {
        cairo_save(cr);
        cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    }
    ~Hard() { cairo_restore(cr); }
    Hard(const Hard&) = delete;
    Hard& operator=(const Hard&) = delete;

    void fill(const PathFn& path, uint32_t colour)
    {
        cairo_new_path(cr);
        path(cr);
        set_rgb(cr, colour);
        cairo_fill(cr);
    }
    void stroke(const PathFn& path, uint32_t colour, double width)
    {
        cairo_new_path(cr);
        path(cr);
        set_rgb(cr, colour);
        cairo_set_line_width(cr, width);
        cairo_stroke(cr);
    }
    // An area inside a ring `ring` px wide: overlapping pieces make one area
    // (each filled by itself, so their windings cannot cancel out).
    void area(const std::vector<PathFn>& pieces, uint32_t colour, double ring = 2.5)
    {
        for (const PathFn& p : pieces)
            stroke(p, kRing, 2 * ring);
        for (const PathFn& p : pieces)
            fill(p, colour);
    }
    // A thick line as an area: `width` across, ringed.
    void band(const PathFn& path, uint32_t colour, double width, double ring = 2)
    {
        stroke(path, kRing, width + 2 * ring);
        stroke(path, colour, width);
    }
    cairo_t* cr;
};

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

Style flat(uint32_t fill, double lw = 2, double shade = 0.25) { return Style{fill, shade, pal::outline, lw, false}; }

// --- the ten tool icons (screen coordinates, normal place) -------------------------

// 1: the pen width. A card with lines from thin to thick, the program's sample
// line along its bottom, and a jar of paint in the pen colour beside it.
void icon_width(cairo_t* cr)
{
    paint_shape(cr, [](cairo_t* g) { rounded_rect(g, 31.5, 502.5, 76, 52, 7); },
                Style{0xFFFDF4, 0.0, pal::outline, 2, true, 1.5, 0.25});
    cairo_save(cr);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    set_rgb(cr, 0x7A8299);
    const double widths[3] = {2, 4, 7};
    const double ys[3] = {511, 520, 531};
    for (int i = 0; i < 3; ++i) {
        cairo_set_line_width(cr, widths[i]);
        cairo_move_to(cr, 39, ys[i]);
        cairo_line_to(cr, 56, ys[i]);
        cairo_stroke(cr);
    }
    cairo_restore(cr);
    // The jar: lid, glass, paint. The paint's lower left corner is (66, 544),
    // just clear of the widest sample line's round end.
    paint_shape(cr, [](cairo_t* g) { rounded_rect(g, 61, 505, 42, 9, 3.5); }, flat(0xFF9F43, 2, 0.35));
    {
        Hard h(cr);
        h.fill([](cairo_t* g) { rounded_rect(g, 63, 513, 37, 34, 4); }, kRing);
        h.fill([](cairo_t* g) { cairo_rectangle(g, 66, 515, 31, 7); }, 0xE4F3FC);
        h.fill([](cairo_t* g) { cairo_rectangle(g, 66, 524, 31, 21); }, kPenStart);
    }
    cairo_save(cr);
    set_rgb(cr, pal::white, 0.9);
    cairo_rectangle(cr, 69, 516, 3, 5);
    cairo_fill(cr);
    cairo_restore(cr);
}

// A coloured pencil lying with its tip at `apex`, turned by `angle`: the lead
// and the painted body are pen-colour areas; wood, ferrule and rubber are fixed.
void pencil(cairo_t* cr, double ax, double ay, double angle)
{
    constexpr double hw = 9, cone = 22, lead = 16, body = 44, ferrule = 48, end = 53;
    auto local = [=](cairo_t* g, const std::function<void(cairo_t*)>& f) {
        cairo_save(g);
        cairo_translate(g, ax, ay);
        cairo_rotate(g, angle);
        f(g);
        cairo_restore(g);
    };
    const double lh = hw * lead / cone;
    cairo_save(cr);
    set_rgb(cr, 0x1A0F08, 0.22);
    local(cr, [&](cairo_t* g) {
        cairo_translate(g, 2, 3);
        cairo_move_to(g, 0, 0);
        cairo_line_to(g, cone, -hw);
        cairo_line_to(g, end, -hw);
        cairo_line_to(g, end, hw);
        cairo_line_to(g, cone, hw);
        cairo_close_path(g);
    });
    cairo_fill(cr);
    cairo_restore(cr);
    // Rubber and ferrule, soft-edged: they touch no area.
    local(cr, [&](cairo_t* g) {
        paint_shape(g, [&](cairo_t* p) { rounded_rect(p, ferrule - 3, -hw, end - ferrule + 3, 2 * hw, 4); }, flat(0xFF8FB0, 2));
        paint_shape(g, [&](cairo_t* p) { cairo_rectangle(p, body, -hw, ferrule - body, 2 * hw); }, flat(0xC3C8D4, 2, 0.4));
    });
    Hard h(cr);
    auto wood = [&](cairo_t* g) {
        local(g, [&](cairo_t* p) {
            cairo_move_to(p, lead, -lh);
            cairo_line_to(p, cone, -hw);
            cairo_line_to(p, cone, hw);
            cairo_line_to(p, lead, lh);
            cairo_close_path(p);
        });
    };
    auto tip = [&](cairo_t* g) {
        local(g, [&](cairo_t* p) {
            cairo_move_to(p, 0, 0);
            cairo_line_to(p, lead, -lh);
            cairo_line_to(p, lead, lh);
            cairo_close_path(p);
        });
    };
    auto shaft = [&](cairo_t* g) { local(g, [&](cairo_t* p) { cairo_rectangle(p, cone, -hw, body - cone, 2 * hw); }); };
    h.fill(wood, 0xF6CF96);
    h.fill(tip, kPenStart);
    h.fill(shaft, kPenStart);
    for (const PathFn& p : {PathFn(wood), PathFn(tip), PathFn(shaft)})
        h.stroke(p, kRing, 2.2);
}

// 2: freehand. A coloured pencil with a little trail of its stroke.
void icon_freehand(cairo_t* cr)
{
    cairo_save(cr);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    set_rgb(cr, 0x8C6A4F, 0.55);
    cairo_set_line_width(cr, 2.2);
    const double dashes[] = {5, 4};
    cairo_set_dash(cr, dashes, 2, 0);
    cairo_move_to(cr, 121, 540);
    cairo_curve_to(cr, 112, 522, 134, 505, 146, 518);
    cairo_curve_to(cr, 154, 527, 162, 512, 176, 506);
    cairo_stroke(cr);
    cairo_restore(cr);
    pencil(cr, 123, 549, std::atan2(-12.0, 58.0));
}

// A round knob at a line's end: where the child clicked.
void knob(cairo_t* cr, double x, double y)
{
    paint_shape(cr, [=](cairo_t* g) { ellipse(g, x, y, 4.2, 4.2); }, flat(pal::white, 2, 0.0));
}

// 3: line. A ruler and the straight line drawn along it, a knob at each end.
void icon_line(cairo_t* cr)
{
    const double x0 = 193, y0 = 551.5, x1 = 245, y1 = 536.6;
    const double a = std::atan2(y1 - y0, x1 - x0);
    cairo_save(cr);
    cairo_translate(cr, 219, 521);
    cairo_rotate(cr, a);
    paint_shape(cr, [](cairo_t* g) { rounded_rect(g, -25, -6.5, 50, 13, 2.5); }, Style{0xFFD93B, 0.3, pal::outline, 2, true, 2, 0.25});
    set_rgb(cr, 0x7A5A20);
    cairo_set_line_width(cr, 1.3);
    for (int i = 0; i <= 10; ++i) {
        const double x = -21 + i * 4.2;
        cairo_move_to(cr, x, -6);
        cairo_line_to(cr, x, i % 2 ? -2.5 : 0);
    }
    cairo_stroke(cr);
    cairo_restore(cr);
    {
        Hard h(cr);
        h.band([=](cairo_t* g) {
            cairo_move_to(g, x0, y0);
            cairo_line_to(g, x1, y1);
        }, kPenStart, 6);
    }
    knob(cr, x0, y0);
    knob(cr, x1, y1);
}

// 4: more lines. A zigzag of joined lines.
void icon_more_lines(cairo_t* cr)
{
    const double v[5][2] = {{262, 541}, {274.5, 509}, {289.5, 550}, {305, 511}, {315, 531}};
    {
        Hard h(cr);
        h.band([&](cairo_t* g) {
            cairo_move_to(g, v[0][0], v[0][1]);
            for (int i = 1; i < 5; ++i)
                cairo_line_to(g, v[i][0], v[i][1]);
        }, kPenStart, 6);
    }
    knob(cr, v[0][0], v[0][1]);
    knob(cr, v[4][0], v[4][1]);
}

// 5: flood fill. A tipped paint bucket pouring a puddle.
void icon_fill(cairo_t* cr)
{
    const double mx = 368, my = 527;          // middle of the bucket's mouth
    const double ux = 0.8, uy = -0.6;         // from the mouth towards the bottom
    const double nx = 0.6, ny = 0.8;          // across the bucket
    auto P = [&](double along, double across, double* x, double* y) {
        *x = mx + along * ux + across * nx;
        *y = my + along * uy + across * ny;
    };
    auto bucket = [&](cairo_t* g) {
        double x, y;
        P(0, -14, &x, &y);
        cairo_move_to(g, x, y);
        P(25, -10, &x, &y);
        cairo_line_to(g, x, y);
        P(25, 10, &x, &y);
        cairo_line_to(g, x, y);
        P(0, 14, &x, &y);
        cairo_line_to(g, x, y);
        cairo_close_path(g);
    };
    // Handle over the top, then the tin.
    cairo_save(cr);
    double hx, hy;
    P(12, 0, &hx, &hy);
    cairo_set_line_width(cr, 4.5);
    set_rgb(cr, pal::outline);
    cairo_arc(cr, hx, hy, 17, -2.2, 0.25);
    cairo_stroke_preserve(cr);
    cairo_set_line_width(cr, 2);
    set_rgb(cr, 0xC3C8D4);
    cairo_stroke(cr);
    cairo_restore(cr);
    paint_shape(cr, bucket, Style{0x7FB2E5, 0.35, pal::outline, 2.2, true, 3, 0.25});
    cairo_save(cr);
    set_rgb(cr, pal::white, 0.6);
    double sx0, sy0, sx1, sy1;
    P(6, -8, &sx0, &sy0);
    P(20, -6, &sx1, &sy1);
    cairo_set_line_width(cr, 2.5);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_move_to(cr, sx0, sy0);
    cairo_line_to(cr, sx1, sy1);
    cairo_stroke(cr);
    cairo_restore(cr);
    // The paint: in the mouth, pouring, and the puddle, all one area.
    Hard h(cr);
    const double turn = std::atan2(uy, ux);
    h.area({[&](cairo_t* g) {
                cairo_save(g);
                cairo_translate(g, mx, my);
                cairo_rotate(g, turn);
                cairo_scale(g, 4, 12);
                cairo_arc(g, 0, 0, 1, 0, 2 * kPi);
                cairo_restore(g);
            },
            [&](cairo_t* g) {
                cairo_move_to(g, mx - 4, my - 2);
                cairo_curve_to(g, mx - 14, my + 2, mx - 18, my + 8, mx - 19, my + 19);
                cairo_line_to(g, mx - 9, my + 19);
                cairo_curve_to(g, mx - 9, my + 11, mx - 5, my + 8, mx + 2, my + 6);
                cairo_close_path(g);
            },
            [](cairo_t* g) { ellipse(g, 350, 547, 16, 7); }},
           kFillStart, 2.2);
}

// 6: eraser. A rubber wiping a scribble off a sheet. No recoloured areas.
void icon_eraser(cairo_t* cr)
{
    cairo_save(cr);
    cairo_translate(cr, 446, 538);
    cairo_rotate(cr, -0.08);
    paint_shape(cr, [](cairo_t* g) { rounded_rect(g, -31, -11, 62, 22, 3); }, Style{pal::white, 0.06, pal::outline, 2, true, 2, 0.25});
    // The scribble, broken where the rubber has passed.
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    set_rgb(cr, 0x6E7080);
    cairo_set_line_width(cr, 2.2);
    cairo_move_to(cr, -26, 2);
    cairo_curve_to(cr, -20, -8, -14, 10, -8, 0);
    cairo_stroke(cr);
    set_rgb(cr, 0x6E7080, 0.25);
    cairo_move_to(cr, -6, -2);
    cairo_curve_to(cr, 0, -9, 4, 8, 10, 0);
    cairo_stroke(cr);
    cairo_restore(cr);
    // The rubber: pink end, blue sleeve.
    cairo_save(cr);
    cairo_translate(cr, 453, 524);
    cairo_rotate(cr, -0.42);
    paint_shape(cr, [](cairo_t* g) { rounded_rect(g, -24, -11, 30, 22, 4); }, Style{0xFF8FB0, 0.3, pal::outline, 2.2, true, 3, 0.25});
    paint_shape(cr, [](cairo_t* g) { rounded_rect(g, 0, -12, 26, 24, 3); }, Style{0x4D8FE8, 0.3, pal::outline, 2.2, false});
    set_rgb(cr, pal::white, 0.85);
    cairo_set_line_width(cr, 2);
    cairo_move_to(cr, 6, -6);
    cairo_line_to(cr, 20, -6);
    cairo_stroke(cr);
    cairo_restore(cr);
    // Crumbs.
    const double crumbs[3][2] = {{428, 546}, {436, 551}, {421, 550}};
    for (const auto& c : crumbs) {
        const double x = c[0], y = c[1];
        paint_shape(cr, [=](cairo_t* g) { ellipse(g, x, y, 2.2, 1.6); }, flat(0xFFB3C8, 1));
    }
}

// 7 and 8: ellipses; the ring is the pen colour, the inside the fill colour
// (filled) or paper (outline only).
void oval(cairo_t* cr, double cx, double cy, double rx, double ry, uint32_t inside)
{
    cairo_save(cr);
    set_rgb(cr, 0x1A0F08, 0.22);
    ellipse(cr, cx + 2, cy + 2.5, rx, ry);
    cairo_fill(cr);
    cairo_restore(cr);
    Hard h(cr);
    h.fill([=](cairo_t* g) { ellipse(g, cx, cy, rx, ry); }, kRing);
    h.fill([=](cairo_t* g) { ellipse(g, cx, cy, rx - 2, ry - 2); }, kPenStart);
    h.fill([=](cairo_t* g) { ellipse(g, cx, cy, rx - 7, ry - 7); }, kRing);
    h.fill([=](cairo_t* g) { ellipse(g, cx, cy, rx - 9, ry - 9); }, inside);
}

// 9 and 10: rectangles the same way.
void box(cairo_t* cr, double x, double y, double w, double h, uint32_t inside)
{
    cairo_save(cr);
    set_rgb(cr, 0x1A0F08, 0.22);
    cairo_rectangle(cr, x + 2, y + 2, w, h);
    cairo_fill(cr);
    cairo_restore(cr);
    Hard d(cr);
    d.fill([=](cairo_t* g) { cairo_rectangle(g, x, y, w, h); }, kRing);
    d.fill([=](cairo_t* g) { cairo_rectangle(g, x + 2, y + 2, w - 4, h - 4); }, kPenStart);
    d.fill([=](cairo_t* g) { cairo_rectangle(g, x + 8, y + 8, w - 16, h - 16); }, kRing);
    d.fill([=](cairo_t* g) { cairo_rectangle(g, x + 10, y + 10, w - 20, h - 20); }, inside);
}

constexpr uint32_t kPaper = 0xFFFCF2;  // the inside of the outline-only shapes

void icon_oval_filled(cairo_t* cr)
{
    oval(cr, 526.8, 535, 27, 20, kFillStart);
    frame::twinkle(cr, 546, 509, 5);
}

void icon_oval(cairo_t* cr)
{
    oval(cr, 594.5, 534, 26, 20, kPaper);
    frame::twinkle(cr, 614, 508, 5);
}

void icon_box_filled(cairo_t* cr)
{
    box(cr, 641, 513, 50, 44, kFillStart);
    frame::twinkle(cr, 687, 506, 5);
}

void icon_box(cairo_t* cr)
{
    box(cr, 711, 513, 50, 44, kPaper);
    frame::twinkle(cr, 757, 506, 5);
}

using IconFn = void (*)(cairo_t*);
constexpr std::array<IconFn, 10> kTools = {icon_width, icon_freehand, icon_line,        icon_more_lines, icon_fill,
                                           icon_eraser, icon_oval_filled, icon_oval, icon_box_filled, icon_box};

// --- the bottom row's small icons ----------------------------------------------

// A curved arrow turning back: undo the last step.
void undo_arrow(cairo_t* cr, const Rect& hot)
{
    const double cx = hot.x + hot.w / 2.0 + 2, cy = hot.y + hot.h / 2.0 + 2;
    auto arrow = [=](cairo_t* g) {
        cairo_new_sub_path(g);
        cairo_arc_negative(g, cx, cy, 12, 0.15 * kPi, -0.95 * kPi);
    };
    cairo_save(cr);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    set_rgb(cr, 0x1A0F08, 0.22);
    cairo_translate(cr, 2, 3);
    arrow(cr);
    cairo_set_line_width(cr, 8);
    cairo_stroke(cr);
    cairo_restore(cr);
    cairo_save(cr);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    arrow(cr);
    set_rgb(cr, pal::outline);
    cairo_set_line_width(cr, 9);
    cairo_stroke(cr);
    arrow(cr);
    set_rgb(cr, pal::teal);
    cairo_set_line_width(cr, 5);
    cairo_stroke(cr);
    cairo_restore(cr);
    // The head at the arc's left end, pointing down: back to where it was.
    const double ex = cx + 12 * std::cos(-0.95 * kPi), ey = cy + 12 * std::sin(-0.95 * kPi);
    paint_shape(cr, [=](cairo_t* g) {
        cairo_move_to(g, ex - 9, ey - 1);
        cairo_line_to(g, ex + 8, ey - 3);
        cairo_line_to(g, ex - 2, ey + 12);
        cairo_close_path(g);
    }, Style{pal::teal, 0.3, pal::outline, 2, false});
}

// A clean white sheet with its corner turned and a sparkle: start anew.
void clean_sheet(cairo_t* cr, double cx, double cy, double h, bool shadow = true)
{
    const double w = h * 0.78, x = cx - w / 2, y = cy - h / 2, f = h * 0.24;
    auto sheet = [=](cairo_t* g) {
        cairo_move_to(g, x, y);
        cairo_line_to(g, x + w - f, y);
        cairo_line_to(g, x + w, y + f);
        cairo_line_to(g, x + w, y + h);
        cairo_line_to(g, x, y + h);
        cairo_close_path(g);
    };
    paint_shape(cr, sheet, Style{pal::white, 0.05, pal::outline, 2, shadow, 2, 0.25});
    paint_shape(cr, [=](cairo_t* g) {
        cairo_move_to(g, x + w - f, y);
        cairo_line_to(g, x + w - f, y + f);
        cairo_line_to(g, x + w, y + f);
        cairo_close_path(g);
    }, flat(0xDDE6F0, 1.6, 0.0));
    frame::twinkle(cr, x + w * 0.42, y + h * 0.55, h * 0.2);
    frame::twinkle(cr, x + w + 3, y + h * 0.62, h * 0.12);
    frame::twinkle(cr, x - 2, y + h * 0.2, h * 0.1);
}

void clear_icon(cairo_t* cr, const Rect& hot)
{
    clean_sheet(cr, hot.x + hot.w / 2.0, hot.y + hot.h / 2.0 + 1, 32);
}

// The album: a fat book with a photo of a sunny hill on its cover.
IconArt album_icon(const Rect& hot, bool lit)
{
    const double s = lit ? 1.08 : 1.0;
    const double cx = hot.x + hot.w / 2.0, cy = hot.y + hot.h / 2.0 - 1;
    return IconArt{[=](cairo_t* cr) { paint_kit::album_book(cr, cx, cy, s, lit); },
                   [=](cairo_t* g) { paint_kit::album_cover_path(g, cx, cy, s); }};
}

// --- the screen -------------------------------------------------------------------

// One crayon of the box, lying in swatch i, tip towards the page.
void crayon(cairo_t* cr, int i)
{
    const Rect r = swatch(i);
    const uint32_t col = kPalette[size_t(i)];
    const bool left = i < 16;
    const double y0 = r.y + 5.5, y1 = r.y + 23.5, mid = r.y + 14.5;
    cairo_save(cr);
    cairo_translate(cr, r.x, 0);
    if (!left) {
        // Mirrored, so the tip points at the page; the sample stays in the body.
        cairo_translate(cr, kSwatchW, 0);
        cairo_scale(cr, -1, 1);
    }
    auto shape = [=](cairo_t* g) {
        cairo_move_to(g, 8, y0);
        cairo_line_to(g, 54, y0);
        cairo_line_to(g, 68, mid - 3.5);
        cairo_curve_to(g, 73, mid - 3, 73, mid + 3, 68, mid + 3.5);
        cairo_line_to(g, 54, y1);
        cairo_line_to(g, 8, y1);
        cairo_curve_to(g, 3, y1, 3, y0, 8, y0);
        cairo_close_path(g);
    };
    // Flat inside: the program reads the colour off a single pixel.
    paint_shape(cr, shape, Style{col, 0.0, pal::outline, 2, true, 2, 0.25});
    // The paper wrapper with two stripes and a wavy edge.
    const uint32_t paper = col == 0xFFFFFF ? 0xE9EEF5 : mix(col, pal::white, 0.55);
    const double wx0 = left ? 16 : 17, wx1 = left ? 44 : 47;
    cairo_save(cr);
    shape(cr);
    cairo_clip(cr);
    set_rgb(cr, paper);
    cairo_rectangle(cr, wx0, y0, wx1 - wx0, y1 - y0);
    cairo_fill(cr);
    set_rgb(cr, col == 0x000000 ? 0x555555 : darken(col, 0.25));
    cairo_set_line_width(cr, 1.6);
    for (double x : {wx0 + 5, wx1 - 5}) {
        cairo_move_to(cr, x, y0);
        cairo_line_to(cr, x, y1);
    }
    cairo_stroke(cr);
    set_rgb(cr, pal::outline, 0.7);
    cairo_set_line_width(cr, 1.2);
    for (double x : {wx0, wx1}) {
        cairo_move_to(cr, x, y0);
        cairo_line_to(cr, x, y1);
    }
    cairo_stroke(cr);
    cairo_restore(cr);
    shape(cr);
    set_rgb(cr, pal::outline);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    cairo_restore(cr);
}

// Everything but the icons: crayon boxes, the frame round the page, the desk.
Canvas bare_screen()
{
    Canvas c(kW, kH);
    cairo_t* cr = c.cr();
    // The crayon boxes: warm card with a slot for each crayon.
    for (int side = 0; side < 2; ++side) {
        const double x = side ? kCanvas.x + kCanvas.w : 0;
        fill_vertical_gradient(cr, x, 0, kCanvas.x, kDeskTop, 0xFFE9A8, 0xFFD27A);
    }
    for (int i = 0; i < 32; ++i) {
        const Rect r = swatch(i);
        cairo_save(cr);
        set_rgb(cr, 0xC98A3A, 0.28);
        rounded_rect(cr, r.x + 3, r.y + 3.5, r.w - 6, r.h - 5, 9);
        cairo_fill(cr);
        cairo_restore(cr);
    }
    for (int i = 0; i < 32; ++i)
        crayon(cr, i);
    // Below the boxes, a little flower each side.
    flower(cr, 38, 474, 7, pal::pink, 0.2);
    flower(cr, kW - 38, 474, 7, pal::sky, 0.5);
    // The page's frame: a band of colour round it.
    set_rgb(cr, pal::white);
    cairo_rectangle(cr, kCanvas.x, kCanvas.y, kCanvas.w, kCanvas.h);
    cairo_fill(cr);
    cairo_save(cr);
    set_rgb(cr, pal::outline);
    cairo_rectangle(cr, kCanvas.x - 5, -5, kCanvas.w + 10, kCanvas.h + 9);
    cairo_rectangle(cr, kCanvas.x + kCanvas.w, kCanvas.y, -kCanvas.w, kCanvas.h);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    cairo_fill(cr);
    set_rgb(cr, pal::red);
    cairo_rectangle(cr, kCanvas.x - 3.5, -5, kCanvas.w + 7, kCanvas.h + 6.5);
    cairo_rectangle(cr, kCanvas.x + kCanvas.w + 1.5, kCanvas.y, -kCanvas.w - 3, kCanvas.h + 1.5);
    cairo_fill(cr);
    cairo_restore(cr);
    paint_kit::desk(cr, kDeskTop, kW, kH);
    return c;
}

// The tool icon k (1..10) picture: the desk under it, the icon drawn normal or
// lifted, with a shadow where it was and a soft glow round it when lifted.
Canvas tool_picture(const Canvas& desk, int k, bool lifted)
{
    const Rect& r = kIcon[size_t(k - 1)];
    Canvas c = desk.crop(r.x, r.y, r.w, r.h);
    cairo_t* cr = c.cr();
    cairo_save(cr);
    cairo_translate(cr, -r.x, -r.y);
    // The width icon is no tool: the program never lifts it and always
    // recolours it at its normal place, so its active picture is the normal one.
    if (lifted && k != 1) {
        const Rect& hot = kIconHot[size_t(k - 1)];
        soft_shadow(cr, hot.x + hot.w / 2.0, 551, hot.w * 0.42, 5, 0.3);
        cairo_restore(cr);
        const Box inside{0, 0, double(r.w), double(r.h)};
        glow(c, [&](cairo_t* g) {
            ellipse(g, hot.x - r.x + hot.w / 2.0, hot.y - r.y + hot.h / 2.0 - kLift + 1, hot.w * 0.36, hot.h * 0.34);
        }, pal::glow, 8, 1.3, &inside);
        cairo_save(cr);
        cairo_translate(cr, -r.x, -r.y - kLift);
    }
    kTools[size_t(k - 1)](cr);
    cairo_restore(cr);
    return c;
}

// A recoloured place must be drawn in its starting colour, or the layout moved under it.
void require_spots(const Canvas& bg)
{
    for (const Spot& s : kSpots) {
        const uint32_t want = s.fill ? kFillStart : kPenStart;
        if (bg.pixel(s.x, s.y) != want)
            throw std::runtime_error("icon " + std::to_string(s.icon) + " has no area at (" + std::to_string(s.x) +
                                     ", " + std::to_string(s.y) + ")");
    }
    for (int i = 0; i < 32; ++i) {
        const Rect r = swatch(i);
        if (bg.pixel(r.x + kSampleX, r.y + kSampleY) != kPalette[size_t(i)])
            throw std::runtime_error("swatch " + std::to_string(i) + " is not its colour at the sample point");
    }
    // The ring must never be a colour the program floods with.
    for (uint32_t c : kPalette)
        if (c == kRing || fill_shade(c) == kRing)
            throw std::runtime_error("the areas' ring is a colour the program floods with");
}

// --- the question panel ---------------------------------------------------------

constexpr int kPanelW = 226, kPanelH = 128;

void write_panel(const std::filesystem::path& ost)
{
    question::CardPanel panel;
    panel.width = kPanelW;
    panel.height = kPanelH;
    panel.sky_radius = 52;
    // What he asks about: a clean sheet.
    panel.over = [](cairo_t* cr) { clean_sheet(cr, 201, 64, 44); };
    question::write_card_panel(ost, panel);
}

// --- the generator ----------------------------------------------------------------

std::string pos_dat()
{
    std::string s;
    for (const Rect& r : kIcon)
        s += std::to_string(r.x) + "," + std::to_string(r.y) + "\r\n";
    return s;
}

void require_layout()
{
    for (size_t k = 0; k < kIcon.size(); ++k) {
        const Rect& r = kIcon[k];
        const Rect& h = kIconHot[k];
        if (h.x < r.x || h.y < r.y || h.x + h.w > r.x + r.w || h.y + h.h > r.y + r.h)
            throw std::runtime_error("icon " + std::to_string(k + 1) + " " + at(r) + " does not cover its hot area");
        if (r.y < kCanvas.y + kCanvas.h || h.y - kLift < r.y)
            throw std::runtime_error("icon " + std::to_string(k + 1) + " has no room to be lifted");
        if (k + 1 < kIcon.size() && r.x + r.w > kIcon[k + 1].x)
            throw std::runtime_error("icons " + std::to_string(k + 1) + " and " + std::to_string(k + 2) + " overlap");
    }
}

void run(const std::filesystem::path& root)
{
    require_layout();
    const std::filesystem::path dir = root / kDir;
    Canvas desk = bare_screen();
    // The bottom row's small icons are part of every tool picture's ground.
    const IconArt back = frame::back_icon(kBackArt, false);
    const IconArt album = album_icon(kAlbumHot, false);
    back.draw(desk.cr());
    album.draw(desk.cr());
    undo_arrow(desk.cr(), kUndoHot);
    clear_icon(desk.cr(), kClearHot);

    Canvas bg = desk.crop(0, 0, kW, kH);
    for (int k = 1; k <= 10; ++k) {
        const std::string n = (k < 10 ? "0" : "") + std::to_string(k);
        const Rect& r = kIcon[size_t(k - 1)];
        for (int lifted = 0; lifted < 2; ++lifted) {
            Canvas pic = tool_picture(desk, k, lifted);
            frame::require_clear_edge(pic, desk, r, "icon " + n + (lifted ? " lifted" : ""));
            pic.save_bmp(dir / ("ICO" + n + "_" + std::to_string(lifted) + ".BMP"));
            if (!lifted)
                bg.paste(pic, r.x, r.y);
        }
    }
    require_spots(bg);
    bg.save_bmp(dir / "BG.BMP");
    write_file(dir / "ICO_POS.DAT", pos_dat());

    // The lit back and album icons, over the bare screen so their edges meet BG.
    const Canvas bare = bare_screen();
    Canvas lit_back = frame::icon_picture(bare, kBackLit, true, frame::back_icon(kBackArt, true));
    frame::require_clear_edge(lit_back, bare, kBackLit, "BACK.BMP");
    lit_back.save_bmp(dir / "BACK.BMP");
    Canvas lit_album = frame::icon_picture(bare, kAlbumLit, true, album_icon(kAlbumHot, true));
    frame::require_clear_edge(lit_album, bare, kAlbumLit, "FOTO.BMP");
    lit_album.save_bmp(dir / "FOTO.BMP");

    write_panel(dir / "OST");
}

void expect(std::vector<Expect>& out)
{
    auto bmp = [&](const std::string& name, int w, int h) { out.push_back(bitmap_expect(std::string(kDir) + name, w, h)); };
    bmp("BG.BMP", kW, kH);
    for (int k = 1; k <= 10; ++k) {
        const std::string n = (k < 10 ? "0" : "") + std::to_string(k);
        const Rect& r = kIcon[size_t(k - 1)];
        bmp("ICO" + n + "_0.BMP", r.w, r.h);
        bmp("ICO" + n + "_1.BMP", r.w, r.h);
    }
    bmp("BACK.BMP", kBackLit.w, kBackLit.h);
    bmp("FOTO.BMP", kAlbumLit.w, kAlbumLit.h);
    bmp("OST/OTAZKA.BMP", kPanelW, kPanelH);
    bmp("OST/ANO_1.BMP", question::kYesLit.w, question::kYesLit.h);
    bmp("OST/NE_1.BMP", question::kNoLit.w, question::kNoLit.h);
    bmp("OST/BAFO_ANI.BMP", question::kMouthW * 4, question::kMouthH);
    Expect pos;
    pos.path = std::string(kDir) + "ICO_POS.DAT";
    pos.kind = Expect::Kind::Text;
    pos.min_fields = 20;
    out.push_back(pos);
}

}  // namespace

Generator gen_paint_screen() { return Generator{"paint", run, expect}; }

static const Registered registered{gen_paint_screen};

}  // namespace datagen
