// The falling blocks' screen, a cousin of the picture games' theatre: a
// closed teal curtain behind a tall gold frame where the pieces fall (the
// field), the chosen picture on an easel beside it, a sign with the three
// arrow keys, and the theatre's front board with four of its icons. BG, every
// lit icon, every level icon and every mouth frame is a crop of one bare
// stage with one icon drawn on it, so each copied rectangle meets the screen
// around it without a seam.
#include "art.h"
#include "datagen.h"
#include "game_frame_art.h"

#include <algorithm>
#include <array>
#include <cmath>
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
const char* const kDir = "BAFO_CS/TETRIS/";

// What the game paints over BG: the field (black, the picture rebuilt in its
// bottom rows) and the chosen picture reduced on the easel.
constexpr Rect kField = {332, 29, 432, 480};
constexpr Rect kPreview = {34, 171, 260, 195};
constexpr Rect kLabel = {371, 570, 71, 36};  // minutes:seconds, dark digits

constexpr int kRim = 10;                                 // the field's gold moulding
constexpr int kPreviewRim = 12;                          // the easel picture's
constexpr int kBoardTop = kField.y + kField.h + kRim;    // 519: the front board starts under the moulding
constexpr double kFloor = kBoardTop - 7;                 // where the easel stands, behind the board's edge

enum Icon { kBack, kLevel, kBest, kMascot };
constexpr std::array<Rect, 4> kHot = {{{20, 545, 86, 46}, {180, 525, 71, 71}, {575, 535, 71, 61}, {730, 515, 71, 86}}};
// The game paints the lit pictures at these points; the sizes are ours. Two hot
// areas begin two pixels left of their picture's point, where nothing can cover them.
constexpr std::array<Rect, 4> kLit = {{{0, 515, 124, 85}, {177, 509, 80, 91}, {577, 515, 72, 85}, {732, 509, 68, 91}}};

// The sign with the arrow keys, hung from the pelmet above the easel.
constexpr Box kSign = {56, 36, 216, 66};

constexpr uint32_t kVelvet = 0x23A89B;    // the teal of the falling blocks' results table, deepened
constexpr uint32_t kFieldBlack = 0x000000;
constexpr uint32_t kCanvas = 0xFFFAEE;    // under the preview until the picture is painted
constexpr uint32_t kWood = 0xC0834E;

static_assert(kLit[kMascot].x == frame::kLit[frame::kMascot].x && kLit[kMascot].y == frame::kLit[frame::kMascot].y &&
                  kLit[kMascot].w == frame::kLit[frame::kMascot].w && kLit[kMascot].h == frame::kLit[frame::kMascot].h,
              "Bafo stands where the picture games have him");

std::string at(const Rect& r)
{
    return "(" + std::to_string(r.x) + ", " + std::to_string(r.y) + ", " + std::to_string(r.w) + "x" +
           std::to_string(r.h) + ")";
}

// --- the bare stage -------------------------------------------------------------------

// A closed velvet curtain across the back: soft folds of uneven width that
// sway a little, darker under the pelmet and towards the floor.
void velvet_wall(Canvas& c)
{
    const uint32_t light = lighten(kVelvet, 0.2), dark = darken(kVelvet, 0.34);
    uint32_t* d = c.data();
    const int stride = c.stride_words();
    for (int y = 0; y < kBoardTop; ++y) {
        const double shade = 0.24 * std::exp(-y / 34.0) + 0.14 * std::clamp((y - 360.0) / 160, 0.0, 1.0);
        for (int x = 0; x < kW; ++x) {
            const double u = x + 3.5 * std::sin(y * 0.012 + x * 0.02);
            const double phase = 2 * kPi * u / 46 + 0.9 * std::sin(2 * kPi * u / 197);
            const double fold = 0.5 + 0.5 * std::cos(phase);
            const uint32_t col = darken(mix(dark, light, std::pow(fold, 0.8)), shade);
            d[size_t(y) * size_t(stride) + size_t(x)] = 0xFF000000u | col;
        }
    }
    c.mark_dirty();
}

// A wooden leg: dark outline, wood inside.
void leg(cairo_t* cr, double x0, double y0, double x1, double y1, uint32_t wood, double width)
{
    cairo_save(cr);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_move_to(cr, x0, y0);
    cairo_line_to(cr, x1, y1);
    set_rgb(cr, pal::outline);
    cairo_set_line_width(cr, width + 4);
    cairo_stroke_preserve(cr);
    set_rgb(cr, wood);
    cairo_set_line_width(cr, width);
    cairo_stroke(cr);
    cairo_restore(cr);
}

// One square of a piece, lit from the top left.
void block(cairo_t* cr, double x, double y, double t, uint32_t col)
{
    set_rgb(cr, pal::outline);
    cairo_rectangle(cr, x - 0.5, y - 0.5, t + 1, t + 1);
    cairo_fill(cr);
    fill_vertical_gradient(cr, x + 0.3, y + 0.3, t - 0.6, t - 0.6, lighten(col, 0.3), col);
    set_rgb(cr, pal::white, 0.6);
    cairo_rectangle(cr, x + 1, y + 1, t * 0.35, 0.9);
    cairo_fill(cr);
}

// A heap with a T-shaped gap and the T falling into it: the same sign as on
// the falling blocks' results table.
void emblem_blocks(cairo_t* cr, double r)
{
    const double t = r * 0.33;
    const double bx = -t * 2, by = r * 0.45 + t * 0.2;
    const int heap[][2] = {{0, 0}, {1, 0}, {2, 0}, {3, 0}, {0, -1}, {2, -1}, {3, -1}, {3, -2}};
    const uint32_t cols[] = {pal::blue, pal::blue, pal::grass, pal::grass, pal::sun, pal::violet, pal::violet, pal::orange};
    for (int i = 0; i < 8; ++i)
        block(cr, bx + heap[i][0] * t, by + heap[i][1] * t, t, cols[i]);
    const int tee[][2] = {{0, 0}, {1, 0}, {2, 0}, {1, 1}};
    const double fx = bx, fy = by - t * 4.3;
    for (const auto& q : tee)
        block(cr, fx + q[0] * t, fy + q[1] * t, t, pal::red);
}

// The easel the chosen picture stands on, in a gold frame like the field's.
void easel(cairo_t* cr)
{
    const double cx = kPreview.x + kPreview.w / 2.0;
    const double top = kPreview.y - kPreviewRim;
    const double ledge_y = kPreview.y + kPreview.h + 5;
    // Shadows of the legs on the curtain.
    cairo_save(cr);
    set_rgb(cr, 0x0E2A27, 0.22);
    cairo_set_line_width(cr, 9);
    cairo_move_to(cr, cx + 19, top + 20);
    cairo_line_to(cr, cx + 126, kFloor + 2);
    cairo_move_to(cr, cx - 5, top + 20);
    cairo_line_to(cr, cx - 110, kFloor + 2);
    cairo_stroke(cr);
    cairo_restore(cr);
    // The back leg (its top carries the game's sign), a crossbar, the front legs.
    leg(cr, cx + 1, top - 20, cx + 3, kFloor - 16, darken(kWood, 0.22), 9);
    leg(cr, cx - 112, ledge_y + 72, cx + 112, ledge_y + 72, darken(kWood, 0.1), 7);
    leg(cr, cx - 12, top + 12, cx - 116, kFloor, kWood, 10);
    leg(cr, cx + 12, top + 12, cx + 116, kFloor, kWood, 10);
    // The picture in its frame, then the ledge it rests on in front of its foot.
    frame::gold_rim(cr, kPreview, kPreviewRim);
    frame::medallion(cr, cx + 1, top - 25, emblem_blocks);
    paint_shape(cr, [=](cairo_t* g) { rounded_rect(g, kPreview.x - 22, ledge_y, kPreview.w + 44, 12, 4); },
                Style{lighten(kWood, 0.08), 0.35, pal::outline, 2.2, true, 3, 0.25});
    cairo_save(cr);
    set_rgb(cr, lighten(kWood, 0.45), 0.8);
    cairo_rectangle(cr, kPreview.x - 17, ledge_y + 2.5, kPreview.w + 34, 1.5);
    cairo_fill(cr);
    cairo_restore(cr);
}

// A fat arrow pointing right, centred on (0, 0), about 2r long.
void arrow_path(cairo_t* cr, double r)
{
    const double shaft = r * 0.3, head = r * 0.72, neck = r * 0.08;
    cairo_move_to(cr, -r, -shaft);
    cairo_line_to(cr, neck, -shaft);
    cairo_line_to(cr, neck, -head);
    cairo_line_to(cr, r, 0);
    cairo_line_to(cr, neck, head);
    cairo_line_to(cr, neck, shaft);
    cairo_line_to(cr, -r, shaft);
    cairo_close_path(cr);
}

// One key of the keyboard, seen from the front: its side below, its top with a
// dark arrow turned `turn` from pointing right.
void key_cap(cairo_t* cr, double x, double y, double s, double turn)
{
    const double depth = 6;
    paint_shape(cr, [=](cairo_t* g) { rounded_rect(g, x, y, s, s, 10); },
                Style{0xD9D2C4, 0.0, pal::outline, 2.4, true, 3, 0.3});
    paint_shape(cr, [=](cairo_t* g) { rounded_rect(g, x + 4, y + 2.5, s - 8, s - depth - 4, 8); },
                Style{0xFFFDF6, 0.14, 0xB8AE9C, 1.2, false});
    cairo_save(cr);
    cairo_translate(cr, x + s / 2, y + (s - depth) / 2 + 0.5);
    cairo_rotate(cr, turn);
    paint_shape(cr, [](cairo_t* g) { arrow_path(g, 14); }, Style{pal::outline, 0.0, pal::outline, 1.5, false});
    cairo_restore(cr);
}

// The three arrow keys that move the falling piece, on a little wooden sign.
void keys_sign(cairo_t* cr)
{
    const Box& b = kSign;
    // Gold cords from behind the pelmet's hem to two rings on the sign.
    for (double cx : {b.x + 26, b.x + b.w - 26}) {
        cairo_save(cr);
        cairo_move_to(cr, cx, 20);
        cairo_line_to(cr, cx, b.y + 4);
        set_rgb(cr, pal::outline);
        cairo_set_line_width(cr, 4.5);
        cairo_stroke_preserve(cr);
        set_rgb(cr, frame::kGold);
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
        cairo_restore(cr);
    }
    paint_shape(cr, [&](cairo_t* g) { rounded_rect(g, b.x, b.y, b.w, b.h, 12); }, Style{0xEDBD7F, 0.3, pal::outline, 2.5, true});
    paint_shape(cr, [&](cairo_t* g) { rounded_rect(g, b.x + 5, b.y + 5, b.w - 10, b.h - 10, 8); },
                Style{0xF6D9A8, 0.2, darken(0xEDBD7F, 0.25), 1.2, false});
    for (double cx : {b.x + 26, b.x + b.w - 26})
        paint_shape(cr, [=](cairo_t* g) { ellipse(g, cx, b.y + 4, 4, 4); }, Style{frame::kGold, 0.5, pal::outline, 1.5, false});
    const double s = 50, gap = 12;
    const double x0 = b.x + (b.w - 3 * s - 2 * gap) / 2, y0 = b.y + (b.h - s) / 2 + 1;
    const double turns[3] = {kPi, kPi / 2, 0};  // left, down, right
    for (int i = 0; i < 3; ++i)
        key_cap(cr, x0 + i * (s + gap), y0, s, turns[i]);
}

Canvas bare_stage()
{
    Canvas c(kW, kH);
    cairo_t* cr = c.cr();
    Rng rng(0x7E7215);
    velvet_wall(c);
    easel(cr);
    frame::front_board(cr, rng, kBoardTop);
    frame::gold_rim(cr, kField, kRim);
    frame::pelmet(cr, kVelvet);
    keys_sign(cr);
    frame::label_plate(cr, kLabel);
    // What the game covers stays one colour each, so nothing of the frame is cut off under it.
    set_rgb(cr, kFieldBlack);
    cairo_rectangle(cr, kField.x, kField.y, kField.w, kField.h);
    cairo_fill(cr);
    set_rgb(cr, kCanvas);
    cairo_rectangle(cr, kPreview.x, kPreview.y, kPreview.w, kPreview.h);
    cairo_fill(cr);
    return c;
}

// --- layout checks ----------------------------------------------------------------------

bool covers(const Rect& outer, const Rect& inner)
{
    return inner.x >= outer.x && inner.y >= outer.y && inner.x + inner.w <= outer.x + outer.w &&
           inner.y + inner.h <= outer.y + outer.h;
}

bool overlap(const Rect& a, const Rect& b)
{
    return std::max(a.x, b.x) < std::min(a.x + a.w, b.x + b.w) && std::max(a.y, b.y) < std::min(a.y + a.h, b.y + b.h);
}

// The part of a hot area a picture painted at `lit` can reach: on the screen,
// right of and below its point.
Rect reachable(const Rect& hot, const Rect& lit)
{
    const int x0 = std::max(hot.x, lit.x), y0 = std::max(hot.y, lit.y);
    const int x1 = std::min(kW, hot.x + hot.w), y1 = std::min(kH, hot.y + hot.h);
    return Rect{x0, y0, std::max(0, x1 - x0), std::max(0, y1 - y0)};
}

void require_layout()
{
    const Rect sign{int(kSign.x), int(kSign.y), int(kSign.w), int(kSign.h)};
    for (int i = 0; i < 4; ++i) {
        const Rect& l = kLit[size_t(i)];
        const std::string name = "lit picture " + std::to_string(i) + " " + at(l);
        if (!covers(Rect{0, 0, kW, kH}, l) || !covers(l, reachable(kHot[size_t(i)], l)))
            throw std::runtime_error(name + " does not cover hot area " + at(kHot[size_t(i)]));
        for (const Rect& other : {kField, kPreview, kLabel, sign})
            if (overlap(l, other))
                throw std::runtime_error(name + " overlaps " + at(other));
        for (int j = 0; j < 4; ++j)
            if (j != i && (overlap(l, kLit[size_t(j)]) || overlap(l, kHot[size_t(j)])))
                throw std::runtime_error(name + " overlaps icon " + std::to_string(j));
    }
    if (overlap(sign, kField) || overlap(sign, kPreview))
        throw std::runtime_error("the keys sign lies under the field or the picture");
}

// --- the files ------------------------------------------------------------------------

IconArt icon_art(int i, bool lit, int level = 1, Mouth m = Mouth::Closed)
{
    const Rect& hot = kHot[size_t(i)];
    switch (i) {
    case kBack: return frame::back_icon(hot, lit);
    case kLevel: return frame::level_icon(hot, level, lit);
    case kBest: return frame::best_icon(hot, lit);
    default: return frame::mascot_icon(m, lit);
    }
}

constexpr int kMouthW = frame::kMouthW, kMouthH = frame::kMouthH;

void run(const std::filesystem::path& root)
{
    require_layout();
    const std::filesystem::path dir = root / kDir;
    const Canvas bare = bare_stage();

    auto picture = [&](int i, bool lit, int level = 1, Mouth m = Mouth::Closed) {
        const Rect& r = kLit[size_t(i)];
        Canvas c = frame::icon_picture(bare, r, lit, icon_art(i, lit, level, m));
        frame::require_clear_edge(c, bare, r, "icon " + std::to_string(i) + (lit ? " lit" : ""));
        return c;
    };

    Canvas bg = bare.crop(0, 0, kW, kH);
    for (int i = 0; i < 4; ++i)
        bg.paste(picture(i, false), kLit[size_t(i)].x, kLit[size_t(i)].y);
    bg.save_bmp(dir / "BG.BMP");

    picture(kBack, true).save_bmp(dir / "ZPET.BMP");
    picture(kBest, true).save_bmp(dir / "NEJL.BMP");
    picture(kMascot, true).save_bmp(dir / "BAFO.BMP");
    frame::write_levels_and_mouth(
        dir, [&](int level, bool lit) { return picture(kLevel, lit, level); },
        [&](Mouth m) { return picture(kMascot, false, 1, m); });
}

void expect(std::vector<Expect>& out)
{
    auto bmp = [&](const std::string& name, int w, int h) { out.push_back(bitmap_expect(kDir + name, w, h)); };
    bmp("BG.BMP", kW, kH);
    bmp("ZPET.BMP", kLit[kBack].w, kLit[kBack].h);
    bmp("NEJL.BMP", kLit[kBest].w, kLit[kBest].h);
    bmp("BAFO.BMP", kLit[kMascot].w, kLit[kMascot].h);
    for (const char* n : {"1", "2", "3", "11", "21", "31"})
        bmp(std::string("SLOZ_") + n + ".BMP", kLit[kLevel].w, kLit[kLevel].h);
    bmp("BAFO_ANI.BMP", kMouthW * 4, kMouthH);
}

}  // namespace

Generator gen_tetris() { return Generator{"tetris", run, expect}; }

static const Registered registered{gen_tetris};

}  // namespace datagen
