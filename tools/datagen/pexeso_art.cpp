// The memory game's screen: a soft felt mat on the playroom table where the
// cards are dealt, the picture games' icons around it, a plate for the count of
// turns, and Bafo with his mouth strip. BG, every lit icon, every level icon
// and every mouth frame is a crop of one bare table with one icon drawn on it,
// so each copied rectangle meets the screen around it without a seam.
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
constexpr int kCardW = 118, kCardH = 116;
const char* const kDir = "BAFO_CS/PEXESO/";

// Four rows of cards from y 58, 2 px apart across and 1 px down, centred.
constexpr int kGridTop = 58;
constexpr std::array<int, 3> kGridLeft = {165, 106, 45};
constexpr std::array<int, 3> kColumns = {4, 5, 6};
constexpr Rect grid(int level)
{
    const int n = kColumns[size_t(level - 1)];
    return Rect{kGridLeft[size_t(level - 1)], kGridTop, n * kCardW + (n - 1) * 2, 4 * kCardH + 3};
}

enum Icon { kBack, kLevel, kShuffle, kMascot, kShowAll, kBest };
constexpr std::array<Rect, 6> kHot = {{{15, 545, 87, 52},
                                       {245, 540, 72, 57},
                                       {515, 515, 57, 82},
                                       {740, 515, 57, 82},
                                       {745, 10, 57, 77},
                                       {5, 0, 62, 57}}};
// Where the game paints each lit picture, and their sizes (ours: each covers
// its hot area and reaches into the cards' place no further than it must).
constexpr std::array<Rect, 6> kLit = {{{0, 515, kBackCornerW, kBackCornerH},
                                       {243, 509, 80, 91},
                                       {512, 515, 68, 85},
                                       {732, 509, 68, 91},
                                       {744, 0, 56, 88},
                                       {0, 0, 72, 58}}};
constexpr Rect kLabel = {375, 25, 50, 30};  // the count of turns, dark digits

// Where the icons are drawn: below the last row of cards (it ends at y 525)
// and above the first (from y 58), inside their hot areas.
constexpr Rect kShuffleArt = {517, 527, 57, 70};
constexpr Rect kBestArt = {5, -3, 62, 57};
constexpr double kMascotScale = 0.235;  // a little under the picture games' Bafo, his ears clear of the cards

// The felt mat under every level's grid, with a margin.
constexpr Box kMat = {35, 48, 738, 488};
constexpr double kMatRadius = 28;

constexpr uint32_t kFelt = 0x36A394;  // calm teal: the orange backs and white faces both stand out
constexpr uint32_t kStitch = 0xFFF4E0;
constexpr uint32_t kGold = 0xF5C542;
constexpr uint32_t kGoldDark = 0xB9822A;
constexpr uint32_t kCardOrange = 0xE07A1F;

static_assert(kLit[kMascot].x == frame::kLit[frame::kMascot].x && kLit[kMascot].y == frame::kLit[frame::kMascot].y &&
                  kLit[kMascot].w == frame::kLit[frame::kMascot].w && kLit[kMascot].h == frame::kLit[frame::kMascot].h,
              "Bafo is drawn where the picture games have him");

std::string at(const Rect& r)
{
    return "(" + std::to_string(r.x) + ", " + std::to_string(r.y) + ", " + std::to_string(r.w) + "x" +
           std::to_string(r.h) + ")";
}

// --- the bare table ----------------------------------------------------------------

// Honey-coloured planks running across, with grain, knots and staggered joints.
void table_top(cairo_t* cr, Rng& rng)
{
    const uint32_t planks[] = {0xE9B676, 0xE2AC6B, 0xEDBD7F, 0xE5B070};
    const double ph = 42, y0 = -8;
    for (int i = 0; y0 + i * ph < kH; ++i) {
        const double y = y0 + i * ph;
        const uint32_t c = planks[i % 4];
        fill_vertical_gradient(cr, 0, y, kW, ph, lighten(c, 0.1), c);
        cairo_save(cr);
        cairo_set_line_width(cr, 1);
        for (int g = 0; g < 4; ++g) {
            set_rgb(cr, darken(c, 0.2), 0.4);
            const double gy = y + 7 + g * 9 + rng.range(-1.5, 1.5);
            const double phase = rng.range(0, 2 * kPi);
            cairo_move_to(cr, 0, gy);
            for (double x = 0; x <= kW; x += 20)
                cairo_line_to(cr, x, gy + 1.8 * std::sin(x * 0.011 + phase) + 0.8 * std::sin(x * 0.037 + g));
            cairo_stroke(cr);
        }
        // A knot or two where the grain swirls.
        for (int k = 0; k < 2; ++k) {
            const double kx = rng.range(40, kW - 40), ky = y + rng.range(12, ph - 12);
            set_rgb(cr, darken(c, 0.3), 0.5);
            ellipse(cr, kx, ky, 3.2, 1.6);
            cairo_fill(cr);
            set_rgb(cr, darken(c, 0.22), 0.4);
            for (double r : {3.5, 6.0}) {
                ellipse(cr, kx, ky, r * 2.2, r * 0.75);
                cairo_stroke(cr);
            }
        }
        // The seam under the plank and its joints, staggered.
        set_rgb(cr, darken(c, 0.38));
        cairo_rectangle(cr, 0, y + ph - 1.5, kW, 1.5);
        for (double jx = 90 + (i % 3) * 230; jx < kW; jx += 520)
            cairo_rectangle(cr, jx, y, 1.5, ph);
        cairo_fill(cr);
        set_rgb(cr, lighten(c, 0.35), 0.8);
        cairo_rectangle(cr, 0, y + ph, kW, 1);
        cairo_fill(cr);
        cairo_restore(cr);
    }
}

void mat_path(cairo_t* cr, double inset = 0)
{
    rounded_rect(cr, kMat.x + inset, kMat.y + inset, kMat.w - 2 * inset, kMat.h - 2 * inset, kMatRadius - inset);
}

// Box-averaged noise, so the felt has soft fibres rather than sand.
std::vector<double> soft_noise(Rng& rng, int w, int h, int radius)
{
    std::vector<double> n(size_t(w) * size_t(h));
    for (double& v : n)
        v = rng.uniform() * 2 - 1;
    std::vector<double> t(n.size());
    for (int pass = 0; pass < 2; ++pass) {
        const bool across = pass == 0;
        const int len = across ? w : h, lines = across ? h : w;
        for (int l = 0; l < lines; ++l)
            for (int i = 0; i < len; ++i) {
                double sum = 0;
                for (int k = -radius; k <= radius; ++k) {
                    const int j = std::clamp(i + k, 0, len - 1);
                    sum += across ? n[size_t(l) * size_t(w) + size_t(j)] : n[size_t(j) * size_t(w) + size_t(l)];
                }
                (across ? t[size_t(l) * size_t(w) + size_t(i)] : t[size_t(i) * size_t(w) + size_t(l)]) =
                    sum / (2 * radius + 1);
            }
        n.swap(t);
    }
    return n;
}

void paw(cairo_t* cr, double x, double y, double s, double turn = 0)
{
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, turn);
    cairo_scale(cr, s, s);
    cairo_new_path(cr);
    cairo_move_to(cr, 0, -2);
    cairo_curve_to(cr, 10, -2, 16, 8, 14, 13);
    cairo_curve_to(cr, 12, 18, 4, 16, 0, 16);
    cairo_curve_to(cr, -4, 16, -12, 18, -14, 13);
    cairo_curve_to(cr, -16, 8, -10, -2, 0, -2);
    cairo_close_path(cr);
    for (auto t : {std::array<double, 2>{-15, -9}, {-6, -17}, {6, -17}, {15, -9}}) {
        cairo_new_sub_path(cr);
        cairo_save(cr);
        cairo_translate(cr, t[0], t[1]);
        cairo_scale(cr, 4.6, 5.8);
        cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
        cairo_restore(cr);
    }
    cairo_restore(cr);
    cairo_fill(cr);
}

// The felt: teal with soft fibres, darker towards its edges, and faint paw
// prints tone on tone that show as the pairs leave the table.
void felt_mat(Canvas& c, Rng& rng)
{
    cairo_t* cr = c.cr();
    // Its shadow on the wood.
    glow(c, [](cairo_t* g) {
        cairo_save(g);
        cairo_translate(g, 2, 4);
        mat_path(g);
        cairo_restore(g);
    }, 0x1A0F08, 8, 0.45);

    const int w = int(kMat.w), h = int(kMat.h);
    Canvas felt(w, h);
    const std::vector<double> coarse = soft_noise(rng, w, h, 4);
    const std::vector<double> fine = soft_noise(rng, w, h, 1);
    uint32_t* d = felt.data();
    const int stride = felt.stride_words();
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const double u = (x + 0.5) / w * 2 - 1, v = (y + 0.5) / h * 2 - 1;
            const double r = std::sqrt(u * u * 0.85 + v * v);
            const double edge = std::pow(std::clamp((r - 0.45) / 0.75, 0.0, 1.0), 2);
            const size_t i = size_t(y) * size_t(w) + size_t(x);
            // Lit a little from the top, darker at the rim, fibres over it.
            const double shade = 0.06 * (1 - (y + 0.5) / h) - 0.22 * edge + 0.12 * coarse[i] + 0.048 * fine[i];
            const uint32_t col = shade >= 0 ? lighten(kFelt, shade) : darken(kFelt, -shade);
            d[size_t(y) * size_t(stride) + size_t(x)] = 0xFF000000u | col;
        }
    felt.mark_dirty();
    // Paw prints, tone on tone, scattered over a loose grid.
    cairo_t* fc = felt.cr();
    for (int row = 0; row < 5; ++row)
        for (int col = 0; col < 7; ++col) {
            const double px = 55 + col * 105 + (row % 2) * 52 + rng.range(-10, 10);
            const double py = 50 + row * 98 + rng.range(-8, 8);
            if (px > w - 30)
                continue;
            set_rgb(fc, darken(kFelt, 0.5), 0.07);
            paw(fc, px, py, 0.9, rng.range(-0.5, 0.5));
        }

    cairo_save(cr);
    mat_path(cr);
    cairo_clip(cr);
    cairo_set_source_surface(cr, felt.surface(), kMat.x, kMat.y);
    cairo_paint(cr);
    // A softly raised binding around the rim, then the stitches inside it.
    cairo_set_line_width(cr, 10);
    mat_path(cr, 0);
    set_rgb(cr, darken(kFelt, 0.3), 0.35);
    cairo_stroke(cr);
    cairo_set_line_width(cr, 2.2);
    mat_path(cr, 3.5);
    set_rgb(cr, lighten(kFelt, 0.25), 0.45);
    cairo_stroke(cr);
    const double dash[] = {6, 5};
    cairo_set_dash(cr, dash, 2, 0);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_width(cr, 2);
    // The stitches' shade, then the thread.
    cairo_save(cr);
    cairo_translate(cr, 0.8, 0.8);
    mat_path(cr, 7.5);
    cairo_restore(cr);
    set_rgb(cr, darken(kFelt, 0.45), 0.5);
    cairo_stroke(cr);
    mat_path(cr, 7.5);
    set_rgb(cr, kStitch, 0.9);
    cairo_stroke(cr);
    cairo_restore(cr);
    cairo_save(cr);
    mat_path(cr);
    set_rgb(cr, pal::outline);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    cairo_restore(cr);
}

// A gentle darkening towards the screen's corners.
void vignette(cairo_t* cr)
{
    cairo_pattern_t* p = cairo_pattern_create_radial(kW / 2.0, kH / 2.0, 250, kW / 2.0, kH / 2.0, 560);
    cairo_pattern_add_color_stop_rgba(p, 0, 0.23, 0.16, 0.12, 0);
    cairo_pattern_add_color_stop_rgba(p, 1, 0.23, 0.16, 0.12, 0.22);
    cairo_set_source(cr, p);
    cairo_paint(cr);
    cairo_pattern_destroy(p);
}

// A tiny face-down card: Bafo's orange with his paw in a cream badge.
void mini_back(cairo_t* cr, double x, double y, double w, double h, double r)
{
    paint_shape(cr, [=](cairo_t* g) { rounded_rect(g, x, y, w, h, r); }, Style{pal::fur, 0.3, kCardOrange, 1.2, false});
    const double cx = x + w / 2, cy = y + h / 2, br = std::min(w, h) * 0.31;
    paint_shape(cr, [=](cairo_t* g) { ellipse(g, cx, cy, br, br); }, Style{pal::muzzle, 0.3, pal::outline, 0.7, false});
    set_rgb(cr, pal::ear);
    paw(cr, cx, cy + br * 0.12, br * 0.038);
}

// The plate where the game writes how many turns the child took: a cream card
// in front of a gold plaque, with a little pair of face-down cards leaning on
// it ("turns of cards"). Nothing of it reaches the first row of cards.
void count_plate(cairo_t* cr)
{
    const double gx = kLabel.x - 14, gy = kLabel.y - 16, gw = kLabel.w + 28, gh = 40;
    for (int k : {-1, 1}) {
        const double cx = k < 0 ? gx - 3 : gx + gw + 3;
        cairo_save(cr);
        cairo_translate(cr, cx, gy + 20);
        cairo_rotate(cr, k * 0.32);
        set_rgb(cr, 0x1A0F08, 0.25);
        rounded_rect(cr, -9, -10, 20, 23, 3);
        cairo_fill(cr);
        paint_shape(cr, [](cairo_t* g) { rounded_rect(g, -11, -12, 20, 23, 3); }, Style{pal::white, 0, pal::outline, 1.3, false});
        mini_back(cr, -9, -10, 16, 19, 2);
        cairo_restore(cr);
    }
    paint_shape(cr, [=](cairo_t* g) { rounded_rect(g, gx, gy, gw, gh, 10); }, Style{kGold, 0.4, pal::outline, 2.2, true});
    for (double rx : {gx + 7, gx + gw - 7})
        paint_shape(cr, [=](cairo_t* g) { ellipse(g, rx, gy + 6.5, 2, 2); }, Style{kGoldDark, 0.5, kGoldDark, 0, false});
    // The cream card: the label with a few pixels round it, its outline ending above y 58.
    const double px = kLabel.x - 8, py = kLabel.y - 6, pw = kLabel.w + 16, ph = kLabel.h + 7;
    paint_shape(cr, [=](cairo_t* g) { rounded_rect(g, px, py, pw, ph, 7); }, Style{0xFFFAEE, 0.0, pal::outline, 1.6, false});
}

Canvas bare_table()
{
    Canvas c(kW, kH);
    cairo_t* cr = c.cr();
    Rng rng(0x9E550A7);
    table_top(cr, rng);
    felt_mat(c, rng);
    vignette(cr);
    count_plate(cr);
    return c;
}

// --- the icons that are ours -------------------------------------------------------

// A tiny face-up card with one thing on it.
void mini_face(cairo_t* cr, double w, double h, uint32_t rim, uint32_t ground, const std::function<void(cairo_t*)>& thing)
{
    paint_shape(cr, [=](cairo_t* g) { rounded_rect(g, -w / 2, -h / 2, w, h, 3.5); }, Style{pal::white, 0, pal::outline, 1.4, false});
    paint_shape(cr, [=](cairo_t* g) { rounded_rect(g, -w / 2 + 2.2, -h / 2 + 2.2, w - 4.4, h - 4.4, 2.5); },
                Style{ground, 0.5, rim, 0.9, false});
    thing(cr);
}

void tiny_apple(cairo_t* cr)
{
    paint_shape(cr, [](cairo_t* g) {
        cairo_move_to(g, 0, -4);
        cairo_curve_to(g, 4, -7, 8.5, -4, 7.5, 1);
        cairo_curve_to(g, 7, 6, 3, 8, 0, 6.5);
        cairo_curve_to(g, -3, 8, -7, 6, -7.5, 1);
        cairo_curve_to(g, -8.5, -4, -4, -7, 0, -4);
        cairo_close_path(g);
    }, Style{pal::red, 0.3, pal::outline, 0.9, false});
    paint_shape(cr, [](cairo_t* g) { ellipse(g, 3, -7.5, 3, 1.5); }, Style{pal::grass, 0.3, pal::outline, 0.6, false});
    set_rgb(cr, pal::white, 0.7);
    ellipse(cr, -3.5, -1, 1.3, 2);
    cairo_fill(cr);
}

void tiny_chick(cairo_t* cr)
{
    paint_shape(cr, [](cairo_t* g) { ellipse(g, 0, 1, 8, 7.5); }, Style{0xFFD93B, 0.35, pal::outline, 0.9, false});
    paint_shape(cr, [](cairo_t* g) {
        cairo_move_to(g, -2, 1.5);
        cairo_line_to(g, 2, 1.5);
        cairo_line_to(g, 0, 4.5);
        cairo_close_path(g);
    }, Style{pal::orange, 0.2, pal::outline, 0.6, false});
    set_rgb(cr, pal::outline);
    for (int k : {-1, 1}) {
        cairo_arc(cr, k * 3, -1.5, 1.1, 0, 2 * kPi);
        cairo_fill(cr);
    }
    set_rgb(cr, pal::cheek, 0.7);
    ellipse(cr, -5, 2, 1.5, 1);
    ellipse(cr, 5, 2, 1.5, 1);
    cairo_fill(cr);
}

void tiny_fish(cairo_t* cr)
{
    paint_shape(cr, [](cairo_t* g) {
        cairo_move_to(g, -7.5, 0);
        cairo_curve_to(g, -4, -6, 3, -6, 5, 0);
        cairo_curve_to(g, 3, 6, -4, 6, -7.5, 0);
        cairo_close_path(g);
        cairo_move_to(g, 4, 0);
        cairo_line_to(g, 8.5, -4);
        cairo_line_to(g, 8.5, 4);
        cairo_close_path(g);
    }, Style{pal::blue, 0.35, pal::outline, 0.9, false});
    set_rgb(cr, pal::outline);
    cairo_arc(cr, -4, -1, 1, 0, 2 * kPi);
    cairo_fill(cr);
}

// 4: show every face. Three cards fanned open face up, things on them.
IconArt show_all_icon(bool lit)
{
    const double s = lit ? 1.08 : 1.0;
    const double px = 772, py = 55;  // the fan's pivot, under the cards
    const double cw = 20 * s, ch = 33 * s, reach = 21 * s;
    struct Card {
        double turn;
        uint32_t rim, ground;
        void (*thing)(cairo_t*);
    };
    const Card cards[3] = {{-0.36, pal::grass, 0xE8F8DF, tiny_fish},
                           {0.36, pal::blue, 0xE4F4FF, tiny_apple},
                           {0.0, pal::red, 0xFFF6D6, tiny_chick}};
    auto place = [=](cairo_t* cr, const Card& c) {
        cairo_translate(cr, px, py);
        cairo_rotate(cr, c.turn);
        cairo_translate(cr, 0, -reach);
    };
    auto draw = [=](cairo_t* cr) {
        for (const Card& c : cards) {
            if (!lit) {
                cairo_save(cr);
                cairo_translate(cr, 2.5, 2.5);
                place(cr, c);
                set_rgb(cr, 0x1A0F08, 0.25);
                rounded_rect(cr, -cw / 2 - 1, -ch / 2 - 1, cw + 2, ch + 2, 4);
                cairo_fill(cr);
                cairo_restore(cr);
            }
            cairo_save(cr);
            place(cr, c);
            mini_face(cr, cw, ch, c.rim, c.ground, [=](cairo_t* g) {
                cairo_save(g);
                // On the side cards the thing sits high and outwards, where the middle card leaves it seen.
                const double side = c.turn > 0 ? 1 : c.turn < 0 ? -1 : 0;
                cairo_translate(g, side * 1.5 * s, -std::abs(side) * 5 * s);
                cairo_scale(g, s * (side != 0 ? 1.0 : 1.15), s * (side != 0 ? 1.0 : 1.15));
                c.thing(g);
                cairo_restore(g);
            });
            cairo_restore(cr);
        }
        if (lit) {
            frame::twinkle(cr, px - 20, py - 47, 4.5);
            frame::twinkle(cr, px + 20, py - 44, 3.5);
        }
    };
    auto shape = [=](cairo_t* g) {
        for (const Card& c : cards) {
            cairo_save(g);
            place(g, c);
            rounded_rect(g, -cw / 2, -ch / 2, cw, ch, 3.5);
            cairo_restore(g);
        }
    };
    return IconArt{draw, shape};
}

// 2: a new deal. Two face-down cards trading places, the shuffle's round arrows.
IconArt new_deal_icon(bool lit)
{
    return frame::shuffle_icon(kShuffleArt, lit, [](cairo_t* cr, double x, double y, double t, bool) {
        mini_back(cr, x, y, t, t, 3);
    });
}

IconArt icon_art(int i, bool lit, int level = 1, Mouth m = Mouth::Closed)
{
    switch (i) {
    case kLevel: return frame::level_icon(kHot[kLevel], level, lit);
    case kShuffle: return new_deal_icon(lit);
    case kMascot: return frame::mascot_icon(m, lit, kMascotScale);
    case kShowAll: return show_all_icon(lit);
    case kBest: return frame::best_icon(kBestArt, lit);
    default: throw std::logic_error("the back icon is the shared corner board");
    }
}

// --- layout checks ------------------------------------------------------------------

bool covers(const Rect& outer, const Rect& inner)
{
    return inner.x >= outer.x && inner.y >= outer.y && inner.x + inner.w <= outer.x + outer.w &&
           inner.y + inner.h <= outer.y + outer.h;
}

bool overlap(const Rect& a, const Rect& b)
{
    return std::max(a.x, b.x) < std::min(a.x + a.w, b.x + b.w) && std::max(a.y, b.y) < std::min(a.y + a.h, b.y + b.h);
}

Rect visible(const Rect& r)
{
    const int x0 = std::max(0, r.x), y0 = std::max(0, r.y);
    const int x1 = std::min(kW, r.x + r.w), y1 = std::min(kH, r.y + r.h);
    return Rect{x0, y0, std::max(0, x1 - x0), std::max(0, y1 - y0)};
}

void require_layout()
{
    for (int i = 0; i < 6; ++i) {
        const Rect& l = kLit[size_t(i)];
        if (!covers(Rect{0, 0, kW, kH}, l) || !covers(l, visible(kHot[size_t(i)])))
            throw std::runtime_error("lit picture " + std::to_string(i) + " " + at(l) + " does not cover hot area " +
                                     at(kHot[size_t(i)]));
        if (overlap(l, kLabel))
            throw std::runtime_error("lit picture " + std::to_string(i) + " covers the label");
        for (int j = 0; j < i; ++j)
            if (overlap(l, kLit[size_t(j)]))
                throw std::runtime_error("lit pictures " + std::to_string(j) + " and " + std::to_string(i) + " overlap");
    }
    const Rect g = grid(3);
    if (!covers(Rect{int(kMat.x), int(kMat.y), int(kMat.w), int(kMat.h)}, g))
        throw std::runtime_error("the mat " + at(Rect{int(kMat.x), int(kMat.y), int(kMat.w), int(kMat.h)}) +
                                 " does not hold the grid " + at(g));
}

// --- the files ----------------------------------------------------------------------

constexpr int kMouthW = frame::kMouthW, kMouthH = frame::kMouthH;

void run(const std::filesystem::path& root)
{
    require_layout();
    const std::filesystem::path dir = root / kDir;
    const Canvas bare = bare_table();

    auto picture = [&](int i, bool lit, int level = 1, Mouth m = Mouth::Closed) {
        const Rect& r = kLit[size_t(i)];
        // The glow stays off the cards' place: where a picture reaches there it is plain table.
        const Rect g = grid(3);
        const std::vector<Box> cards = {Box{double(g.x), double(g.y), double(g.w), double(g.h)}};
        Canvas c = frame::icon_picture(bare, r, lit, icon_art(i, lit, level, m), cards);
        frame::require_clear_edge(c, bare, r, "icon " + std::to_string(i) + (lit ? " lit" : ""));
        return c;
    };

    // The back corner is the set chooser's board, whose lit look (ZPET.BMP) the
    // chooser writes: painted whole, it is the same here.
    Canvas bg = bare.crop(0, 0, kW, kH);
    Canvas corner(kBackCornerW, kBackCornerH);
    back_corner(corner, 0, 0, false);
    bg.paste(corner, kLit[kBack].x, kLit[kBack].y);
    for (int i : {kLevel, kShuffle, kMascot, kShowAll, kBest})
        bg.paste(picture(i, false), kLit[size_t(i)].x, kLit[size_t(i)].y);
    bg.save_bmp(dir / "BG.BMP");

    const struct {
        int icon;
        const char* file;
    } lit[] = {{kShuffle, "ZAMI.BMP"}, {kMascot, "BAFO.BMP"}, {kShowAll, "HELP.BMP"}, {kBest, "NEJL.BMP"}};
    for (const auto& l : lit)
        picture(l.icon, true).save_bmp(dir / l.file);
    frame::write_levels_and_mouth(
        dir, [&](int level, bool lit) { return picture(kLevel, lit, level); },
        [&](Mouth m) { return picture(kMascot, false, 1, m); });

    frame::write_pointers(root, kDir);
}

void expect(std::vector<Expect>& out)
{
    auto bmp = [&](const std::string& name, int w, int h) { out.push_back(bitmap_expect(kDir + name, w, h)); };
    bmp("BG.BMP", kW, kH);
    bmp("ZAMI.BMP", kLit[kShuffle].w, kLit[kShuffle].h);
    bmp("BAFO.BMP", kLit[kMascot].w, kLit[kMascot].h);
    bmp("HELP.BMP", kLit[kShowAll].w, kLit[kShowAll].h);
    bmp("NEJL.BMP", kLit[kBest].w, kLit[kBest].h);
    for (const char* n : {"1", "2", "3", "11", "21", "31"})
        bmp(std::string("SLOZ_") + n + ".BMP", kLit[kLevel].w, kLit[kLevel].h);
    bmp("BAFO_ANI.BMP", kMouthW * 4, kMouthH);
    frame::expect_pointers(out, kDir);
}

}  // namespace

Generator gen_pexeso() { return Generator{"pexeso", run, expect}; }

static const Registered registered{gen_pexeso};

}  // namespace datagen
