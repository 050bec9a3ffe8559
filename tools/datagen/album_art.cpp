// The album of paintings: an open violet album lying on the colouring book's
// desk, its cream page holding nine wooden frames. The program draws a
// thumbnail into the window of each occupied frame; an empty window shows
// light paper with a dashed outline and a faint easel ("a picture can go
// here"). Crayon doodles fill the gaps between the frames. On the desk below:
// back, open (album to easel), store (easel to album) and print.
#include "art.h"
#include "datagen.h"
#include "game_frame_art.h"
#include "paint_kit.h"

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
const char* const kDir = "BAFO_CS/OMALKY/OST/";

// Slot i (1..9): the hot area, and the window the program draws a 168 x 125 thumbnail into.
constexpr int kThumbW = 168, kThumbH = 125, kInset = 5;
constexpr Rect slot_hot(int i) { return Rect{61 + 250 * ((i - 1) % 3), 21 + 183 * ((i - 1) / 3), 178, 135}; }
constexpr Rect slot_window(int i) { return Rect{slot_hot(i).x + kInset, slot_hot(i).y + kInset, kThumbW, kThumbH}; }

// The album lies on the desk; its page holds the frames.
constexpr double kCoverX = 12, kCoverY = 4, kCoverW = 776, kCoverH = 537;
constexpr double kPageX = 24, kPageY = 12, kPageW = 752, kPageH = 521;

struct Icon {
    const char* file;
    Rect hot;
    Rect lit;  // where the lit picture is laid, and its size
};
constexpr std::array<Icon, 4> kIcons = {{
    {"A_ZPET.BMP", {15, 560, 71, 41}, {0, 552, 92, 48}},
    {"A_ICO1.BMP", {240, 555, 91, 46}, {225, 552, 122, 48}},
    {"A_ICO2.BMP", {485, 555, 81, 46}, {471, 552, 110, 48}},
    {"A_TISK.BMP", {735, 560, 56, 41}, {733, 552, 67, 48}},
}};
// The back pill sits a little higher than its hot area, which runs a pixel
// off the bottom of the screen.
constexpr Rect kBackArt = {17, 558, 67, 38};

// --- the page ----------------------------------------------------------------------

// A stroke as a crayon leaves it: its colour with a paler grain along it.
void crayon_stroke(cairo_t* cr, uint32_t colour, double width)
{
    cairo_save(cr);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    set_rgb(cr, colour, 0.9);
    cairo_set_line_width(cr, width);
    cairo_stroke_preserve(cr);
    set_rgb(cr, pal::white, 0.3);
    cairo_set_line_width(cr, width * 0.3);
    const double dash[] = {2, 3};
    cairo_set_dash(cr, dash, 2, 0);
    cairo_stroke(cr);
    cairo_restore(cr);
}

// The doodles between the frames, each about 2r across.
void doodle(cairo_t* cr, int kind, double cx, double cy, double r)
{
    cairo_new_path(cr);
    switch (kind % 6) {
    case 0:
        star_path(cr, cx, cy, r, r * 0.45, 5, -kPi / 2);
        crayon_stroke(cr, pal::orange, 3.5);
        break;
    case 1:
        heart_path(cr, cx, cy, r * 1.8);
        crayon_stroke(cr, pal::pink, 3.5);
        break;
    case 2:
        cairo_arc(cr, cx, cy, r * 0.45, 0, 2 * kPi);
        for (int k = 0; k < 8; ++k) {
            const double a = k * kPi / 4;
            cairo_move_to(cr, cx + std::cos(a) * r * 0.7, cy + std::sin(a) * r * 0.7);
            cairo_line_to(cr, cx + std::cos(a) * r, cy + std::sin(a) * r);
        }
        crayon_stroke(cr, 0xFFC21A, 3.5);
        break;
    case 3:
        for (double t = 0; t < 4 * kPi; t += 0.2) {
            const double rr = r * t / (4 * kPi);
            if (t == 0)
                cairo_move_to(cr, cx, cy);
            else
                cairo_line_to(cr, cx + rr * std::cos(t), cy + rr * std::sin(t));
        }
        crayon_stroke(cr, pal::violet, 3);
        break;
    case 4:
        for (int k = 0; k < 5; ++k) {
            const double a = k * 2 * kPi / 5 - kPi / 2;
            cairo_new_sub_path(cr);
            cairo_arc(cr, cx + std::cos(a) * r * 0.5, cy + std::sin(a) * r * 0.5, r * 0.38, 0, 2 * kPi);
        }
        crayon_stroke(cr, pal::red, 3);
        cairo_arc(cr, cx, cy, r * 0.22, 0, 2 * kPi);
        crayon_stroke(cr, 0xFFC21A, 4);
        break;
    default:
        cairo_move_to(cr, cx - r, cy + r * 0.2);
        cairo_curve_to(cr, cx - r * 0.5, cy - r * 0.6, cx - r * 0.1, cy + r * 0.6, cx + r * 0.3, cy - r * 0.1);
        cairo_curve_to(cr, cx + r * 0.6, cy - r * 0.6, cx + r * 0.8, cy + r * 0.2, cx + r, cy - r * 0.2);
        crayon_stroke(cr, pal::teal, 3.5);
        break;
    }
}

// A thin wooden frame inside the hot area: dark edge, warm moulding with a
// lit top, dark edge round the window. A soft shadow falls outside.
void slot_frame(cairo_t* cr, const Rect& h)
{
    cairo_save(cr);
    set_rgb(cr, 0x1A0F08, 0.18);
    rounded_rect(cr, h.x + 3, h.y + 4, h.w, h.h, 4);
    cairo_fill(cr);
    set_rgb(cr, pal::outline);
    rounded_rect(cr, h.x, h.y, h.w, h.h, 3);
    cairo_fill(cr);
    fill_vertical_gradient(cr, h.x + 1, h.y + 1, h.w - 2, h.h - 2, 0xE8B070, 0xB9773C);
    set_rgb(cr, 0xFFDDA8, 0.8);
    cairo_rectangle(cr, h.x + 2, h.y + 1, h.w - 4, 1);
    cairo_fill(cr);
    set_rgb(cr, pal::outline);
    cairo_rectangle(cr, h.x + kInset - 1, h.y + kInset - 1, kThumbW + 2, kThumbH + 2);
    cairo_fill(cr);
    cairo_restore(cr);
}

// What an empty window shows: light paper, a dashed outline and a faint easel.
void empty_window(cairo_t* cr, const Rect& w)
{
    cairo_save(cr);
    fill_vertical_gradient(cr, w.x, w.y, w.w, w.h, 0xFFFEFA, 0xFFF6E6);
    set_rgb(cr, 0xD8C3A0);
    cairo_set_line_width(cr, 2);
    const double dash[] = {7, 5};
    cairo_set_dash(cr, dash, 2, 0);
    rounded_rect(cr, w.x + 9, w.y + 9, w.w - 18, w.h - 18, 8);
    cairo_stroke(cr);
    cairo_restore(cr);
    cairo_push_group(cr);
    paint_kit::easel(cr, w.x + w.w / 2.0 - 19, w.y + w.h / 2.0 - 26, 38, 29, false);
    cairo_pop_group_to_source(cr);
    cairo_paint_with_alpha(cr, 0.35);
}

// The page without the icons.
Canvas bare_page()
{
    Canvas c(kW, kH);
    cairo_t* cr = c.cr();
    paint_kit::desk(cr, 0, kW, kH);
    // The album's cover, then its page.
    paint_shape(cr, [](cairo_t* g) { rounded_rect(g, kCoverX, kCoverY, kCoverW, kCoverH, 18); },
                Style{pal::violet, 0.2, pal::outline, 3, true, 3, 0.25});
    paint_shape(cr, [](cairo_t* g) { rounded_rect(g, kPageX, kPageY, kPageW, kPageH, 10); },
                Style{0xFFF1D8, 0.04, darken(pal::violet, 0.35), 2, false});
    // Faint paper grain.
    Rng rng(0xA1B0);
    cairo_save(cr);
    rounded_rect(cr, kPageX + 2, kPageY + 2, kPageW - 4, kPageH - 4, 9);
    cairo_clip(cr);
    for (int i = 0; i < 900; ++i) {
        set_rgb(cr, 0xC9A878, rng.range(0.06, 0.16));
        cairo_rectangle(cr, rng.range(kPageX, kPageX + kPageW), rng.range(kPageY, kPageY + kPageH), 1.5, 1.5);
        cairo_fill(cr);
    }
    cairo_restore(cr);
    // Doodles in the gaps between the frames.
    int kind = 0;
    for (double x : {275.0, 525.0})
        for (double y : {88.0, 180.0, 272.0, 363.0, 455.0})
            doodle(cr, kind++, x, y, y == 180.0 || y == 363.0 ? 12 : 17);
    for (int i = 1; i <= 9; ++i) {
        slot_frame(cr, slot_hot(i));
        empty_window(cr, slot_window(i));
    }
    return c;
}

// --- the icons ------------------------------------------------------------------------

// A fat arrow from x0 to x1 along y, its head at x1.
void arrow(cairo_t* cr, double x0, double x1, double y, double k, uint32_t colour)
{
    const double dir = x1 > x0 ? 1 : -1, head = 8 * k, half = 3.2 * k, wing = 7.5 * k;
    paint_shape(cr, [=](cairo_t* g) {
        cairo_move_to(g, x0, y - half);
        cairo_line_to(g, x1 - dir * head, y - half);
        cairo_line_to(g, x1 - dir * head, y - wing);
        cairo_line_to(g, x1, y);
        cairo_line_to(g, x1 - dir * head, y + wing);
        cairo_line_to(g, x1 - dir * head, y + half);
        cairo_line_to(g, x0, y + half);
        cairo_close_path(g);
    }, Style{colour, 0.3, pal::outline, 2, true, 2, 0.25});
}

// Open: the album, an arrow, the painting standing on the easel.
// Store: the painting on the easel, an arrow, the album. The arrow lies over
// both, from the one it leaves to the one it goes into.
IconArt move_icon(const Rect& hot, bool to_easel, bool lit)
{
    const double k = lit ? 1.08 : 1.0;
    const double cx = hot.x + hot.w / 2.0, cy = hot.y + hot.h / 2.0 - 1;
    const double ew = 27, eh = 20, ey = cy - 15;
    const double ex = to_easel ? hot.x + hot.w - ew - 5 : hot.x + 5;
    const double bx = to_easel ? hot.x + 22 : hot.x + hot.w - 21;
    const double from = to_easel ? bx + 8 : ex + ew - 8, to = to_easel ? ex + 5 : bx - 9;
    const uint32_t colour = to_easel ? pal::orange : 0x3CB44Au;
    auto shape = [=](cairo_t* g) { rounded_rect(g, hot.x + 1, cy - 20 * k, hot.w - 2, 40 * k, 10); };
    auto draw = [=](cairo_t* cr) {
        cairo_save(cr);
        cairo_translate(cr, cx, cy);
        cairo_scale(cr, k, k);
        cairo_translate(cr, -cx, -cy);
        paint_kit::easel(cr, ex, ey, ew, eh, !lit);
        paint_kit::album_book(cr, bx, cy + 2, 1.0, lit);
        arrow(cr, from, to, cy - 1, 1.1, lit ? lighten(colour, 0.2) : colour);
        cairo_restore(cr);
    };
    return IconArt{draw, shape};
}

// Print: the printer with a painting coming out.
IconArt print_icon(const Rect& hot, bool lit)
{
    const double w = lit ? 54 : 50, cx = hot.x + hot.w / 2.0, bottom = hot.y + 36.5;
    auto shape = [=](cairo_t* g) { rounded_rect(g, cx - w / 2, bottom - 0.62 * w, w, 0.62 * w, 8); };
    auto draw = [=](cairo_t* cr) { paint_kit::printer(cr, cx, bottom, w, 1, !lit); };
    return IconArt{draw, shape};
}

IconArt icon_art(size_t i, bool lit)
{
    switch (i) {
    case 0: return frame::back_icon(kBackArt, lit);
    case 1: return move_icon(kIcons[1].hot, true, lit);
    case 2: return move_icon(kIcons[2].hot, false, lit);
    default: return print_icon(kIcons[3].hot, lit);
    }
}

// --- the generator ---------------------------------------------------------------

bool covers(const Rect& o, const Rect& i) { return i.x >= o.x && i.y >= o.y && i.x + i.w <= o.x + o.w && i.y + i.h <= o.y + o.h; }

void require_layout()
{
    for (size_t a = 0; a < kIcons.size(); ++a) {
        const Rect& l = kIcons[a].lit;
        Rect h = kIcons[a].hot;
        h.h = std::min(h.h, kH - h.y);  // the part on the screen
        if (!covers(l, h) || !covers(Rect{0, 0, kW, kH}, l))
            throw std::runtime_error(std::string(kIcons[a].file) + " does not cover its hot area on the screen");
        if (a + 1 < kIcons.size() && l.x + l.w > kIcons[a + 1].lit.x)
            throw std::runtime_error(std::string(kIcons[a].file) + " overlaps the next lit icon");
        if (l.y < slot_hot(9).y + slot_hot(9).h)
            throw std::runtime_error(std::string(kIcons[a].file) + " reaches the frames");
    }
}

void run(const std::filesystem::path& root)
{
    require_layout();
    const std::filesystem::path dir = root / kDir;
    const Canvas bare = bare_page();
    Canvas bg = bare.crop(0, 0, kW, kH);
    for (size_t i = 0; i < kIcons.size(); ++i)
        icon_art(i, false).draw(bg.cr());
    bg.save_bmp(dir / "A_BG.BMP");
    for (size_t i = 0; i < kIcons.size(); ++i) {
        const Rect& r = kIcons[i].lit;
        const Canvas pic = frame::icon_picture(bare, r, true, icon_art(i, true));
        frame::require_clear_edge(pic, bg, r, kIcons[i].file);
        pic.save_bmp(dir / kIcons[i].file);
    }
}

void expect(std::vector<Expect>& out)
{
    out.push_back(bitmap_expect(std::string(kDir) + "A_BG.BMP", kW, kH));
    for (const Icon& i : kIcons)
        out.push_back(bitmap_expect(std::string(kDir) + i.file, i.lit.w, i.lit.h));
}

}  // namespace

Generator gen_album() { return Generator{"album", run, expect}; }

static const Registered registered{gen_album};

}  // namespace datagen
