// The results table: one board per game that floats over the game after a
// win, three level cakes and a back button on it, and the lit cakes and the
// lit button the screen lays over the board. The cakes, Bafo and the button
// are painted the same on every board, so one set of lit pictures fits all six.
#include "art.h"
#include "datagen.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <vector>

namespace datagen {

namespace {

using namespace art;

constexpr double kPi = 3.14159265358979323846;
constexpr int kW = 514, kH = 415;
const char* const kDir = "BAFO_CS/TABULKA/";

struct Rect {
    int x, y, w, h;
};

// The text rows the screen writes names and results into.
constexpr int kRows = 8;
constexpr Rect name_row(int i) { return Rect{59, 113 + 35 * i, 360, 33}; }     // i = 0 .. 7
constexpr Rect number_row(int i) { return Rect{421, 113 + 35 * i, 69, 33}; }

// Where the lit pictures are laid, and how big they are: each covers the
// hot area of its cake or button with room for the glow.
constexpr std::array<Rect, 3> kCakeHot = {{{170, 25, 46, 66}, {235, 25, 46, 66}, {300, 25, 46, 66}}};
constexpr std::array<Rect, 3> kCakeLit = {{{166, 20, 56, 76}, {231, 20, 56, 76}, {297, 20, 56, 76}}};
constexpr Rect kBackHot = {460, 25, 26, 26};
constexpr Rect kBackLit = {457, 20, 36, 40};

// The board: a coloured frame round a sheet of paper, and a darker lip under it.
constexpr double kBoardX = 3, kBoardY = 3, kBoardW = 508, kBoardH = 404, kBoardR = 28, kLip = 4;
constexpr double kPaperX = 15, kPaperY = 15, kPaperW = 484, kPaperH = 382, kPaperR = 11;

enum class Counts { Time, Moves };

struct Game {
    const char* key;
    uint32_t colour;
    Counts counts;
    void (*emblem)(cairo_t*, double s);
};

double line_for(double s) { return std::clamp(s / 30, 1.3, 2.2); }

// --- emblems of the six games, each centred on (0, 0) and about s across ----

void knob_edge(cairo_t* c, double ax, double ay, double bx, double by, int kind)
{
    // Flat (0), knob out (+1) or hole in (-1), on a clockwise outline.
    if (!kind) {
        cairo_line_to(c, bx, by);
        return;
    }
    const double len = std::hypot(bx - ax, by - ay);
    const double ux = (bx - ax) / len, uy = (by - ay) / len;
    const double nx = uy * kind, ny = -ux * kind;
    const double mx = (ax + bx) / 2, my = (ay + by) / 2;
    const double neck = len * 0.12, r = len * 0.17;
    cairo_line_to(c, mx - ux * neck, my - uy * neck);
    const double cx = mx + nx * r * 1.05, cy = my + ny * r * 1.05;
    cairo_curve_to(c, mx - ux * neck + nx * r * 0.5, my - uy * neck + ny * r * 0.5,
                   cx - ux * r * 1.5 + nx * r * 0.6, cy - uy * r * 1.5 + ny * r * 0.6,
                   cx + nx * r, cy + ny * r);
    cairo_curve_to(c, cx + ux * r * 1.5 + nx * r * 0.6, cy + uy * r * 1.5 + ny * r * 0.6,
                   mx + ux * neck + nx * r * 0.5, my + uy * neck + ny * r * 0.5,
                   mx + ux * neck, my + uy * neck);
    cairo_line_to(c, bx, by);
}

void piece(cairo_t* c, double x, double y, double t, int top, int right, int bottom, int left)
{
    cairo_new_sub_path(c);
    cairo_move_to(c, x, y);
    knob_edge(c, x, y, x + t, y, top);
    knob_edge(c, x + t, y, x + t, y + t, right);
    knob_edge(c, x + t, y + t, x, y + t, bottom);
    knob_edge(c, x, y + t, x, y, left);
    cairo_close_path(c);
}

void emblem_jigsaw(cairo_t* cr, double s)
{
    const double t = s * 0.4, lw = line_for(s);
    struct P {
        int col, row;
        uint32_t fill;
        int top, right, bottom, left;
        double dx, dy, turn;
    };
    // Three pieces laid, the last one on its way in.
    const P pieces[] = {{0, 0, pal::sun, 0, 1, -1, 0, 0, 0, 0},
                        {0, 1, pal::grass, 1, -1, 0, 0, 0, 0, 0},
                        {1, 1, pal::blue, -1, 0, 0, 1, 0, 0, 0},
                        {1, 0, pal::red, 0, 0, 1, -1, t * 0.32, -t * 0.3, 0.18}};
    for (const P& p : pieces) {
        cairo_save(cr);
        const double x = -t + p.col * t + p.dx, y = -t + p.row * t + p.dy;
        cairo_translate(cr, x + t / 2, y + t / 2);
        cairo_rotate(cr, p.turn);
        paint_shape(cr, [=](cairo_t* c) { piece(c, -t / 2, -t / 2, t, p.top, p.right, p.bottom, p.left); },
                    Style{p.fill, 0.35, pal::outline, lw, p.dx != 0, 2.5, 0.3});
        set_rgb(cr, pal::white, 0.55);
        ellipse(cr, -t * 0.2, -t * 0.22, t * 0.14, t * 0.08);
        cairo_fill(cr);
        cairo_restore(cr);
    }
}

void emblem_fifteen(cairo_t* cr, double s)
{
    const int n = 4;
    const double t = s * 0.8 / n, x0 = -t * n / 2, y0 = -t * n / 2, lw = line_for(s);
    paint_shape(cr, [=](cairo_t* c) { rounded_rect(c, x0 - 4, y0 - 4, t * n + 8, t * n + 8, 5); },
                Style{0xB0784A, 0.3, pal::outline, lw, true, 2, 0.25});
    set_rgb(cr, 0x6E4528);
    rounded_rect(cr, x0 - 0.5, y0 - 0.5, t * n + 1, t * n + 1, 2);
    cairo_fill(cr);
    const uint32_t cols[] = {pal::sun, pal::orange, pal::sky, pal::pink};
    for (int i = 0; i < 15; ++i) {
        const int r = i / n, q = i % n;
        // The gap sits one tile left of the corner: the 15 is about to slide.
        const int at = i < 14 ? i : 15;
        const int rr = at / n, qq = at % n;
        const double x = x0 + qq * t + 0.8, y = y0 + rr * t + 0.8, w = t - 1.6;
        paint_shape(cr, [=](cairo_t* c) { rounded_rect(c, x, y, w, w, 2.5); },
                    Style{cols[(r + q) % 4], 0.45, pal::outline, lw * 0.55, false});
        set_rgb(cr, pal::outline);
        text_path(cr, std::to_string(i + 1), t * 0.6, x + w / 2, y + w * 0.74);
        cairo_fill(cr);
    }
    // A little arrow shows where the 15 goes.
    set_rgb(cr, pal::white);
    cairo_set_line_width(cr, lw);
    const double ax = x0 + 2.5 * t, ay = y0 + 3.5 * t;
    cairo_move_to(cr, ax + t * 0.2, ay);
    cairo_line_to(cr, ax - t * 0.2, ay);
    cairo_move_to(cr, ax - t * 0.02, ay - t * 0.17);
    cairo_line_to(cr, ax - t * 0.2, ay);
    cairo_line_to(cr, ax - t * 0.02, ay + t * 0.17);
    cairo_stroke(cr);
}

// One face of a cube: a piece of a sunny little picture (sky, sun, hill, flower).
void cube_face(cairo_t* cr, double x, double y, double e, int part)
{
    cairo_save(cr);
    cairo_rectangle(cr, x, y, e, e);
    cairo_clip(cr);
    const double px = x - (part % 2) * e, py = y - (part / 2) * e;  // the whole picture's corner
    fill_vertical_gradient(cr, px, py, e * 2, e * 2, pal::sky_top, 0xCDEFFC);
    set_rgb(cr, pal::grass);
    ellipse(cr, px + e * 0.9, py + e * 2.35, e * 1.6, e * 0.95);
    cairo_fill(cr);
    set_rgb(cr, pal::sun);
    cairo_arc(cr, px + e * 1.5, py + e * 0.5, e * 0.32, 0, 2 * kPi);
    cairo_fill(cr);
    set_rgb(cr, pal::red);
    cairo_arc(cr, px + e * 0.55, py + e * 1.55, e * 0.17, 0, 2 * kPi);
    cairo_fill(cr);
    set_rgb(cr, pal::white);
    ellipse(cr, px + e * 0.55, py + e * 0.45, e * 0.3, e * 0.13);
    cairo_fill(cr);
    cairo_restore(cr);
}

void emblem_cubes(cairo_t* cr, double s)
{
    const double e = s * 0.37, d = e * 0.4, lw = line_for(s);
    struct C {
        double x, y;
        int part;
        uint32_t side;
    };
    // Two on the ground, one on top; their fronts show pieces of one picture.
    const C cubes[] = {{-e * 1.05, e * 0.05, 2, pal::violet}, {e * 0.0, e * 0.05, 3, pal::orange},
                       {-e * 0.55, -e * 0.95, 0, pal::pink}};
    // Centre the pile, side and top faces included.
    const double sx = -(d - e * 0.05) / 2, sy = (d - e * 0.1) / 2;
    for (const C& k : cubes) {
        const double x = k.x + sx, y = k.y + sy;
        set_rgb(cr, 0x1A0F08, 0.25);
        cairo_rectangle(cr, x + 2.5, y + 2.5, e + d, e);
        cairo_fill(cr);
        paint_shape(cr, [=](cairo_t* c) {
            cairo_move_to(c, x, y);
            cairo_line_to(c, x + d, y - d);
            cairo_line_to(c, x + e + d, y - d);
            cairo_line_to(c, x + e, y);
            cairo_close_path(c);
        }, Style{pal::sun, 0.35, pal::outline, lw, false});
        paint_shape(cr, [=](cairo_t* c) {
            cairo_move_to(c, x + e, y);
            cairo_line_to(c, x + e + d, y - d);
            cairo_line_to(c, x + e + d, y + e - d);
            cairo_line_to(c, x + e, y + e);
            cairo_close_path(c);
        }, Style{k.side, 0.15, pal::outline, lw, false});
        cube_face(cr, x, y, e, k.part);
        cairo_set_line_width(cr, lw);
        set_rgb(cr, pal::outline);
        cairo_rectangle(cr, x, y, e, e);
        cairo_stroke(cr);
    }
}

void emblem_mosaic(cairo_t* cr, double s)
{
    // A 4 x 4 board: a red heart on yellow, coloured in from the right, grey on the left.
    const int n = 4;
    const double t = s * 0.72 / n, x0 = -t * n / 2 - s * 0.06, y0 = -t * n / 2, lw = line_for(s);
    paint_shape(cr, [=](cairo_t* c) { rounded_rect(c, x0 - 4, y0 - 4, t * n + 8, t * n + 8, 5); },
                Style{pal::cream, 0.2, pal::outline, lw, true, 2, 0.25});
    const char* pic[n] = {"yRyR", "RRRR", "yRRy", "yyRy"};
    for (int r = 0; r < n; ++r)
        for (int q = 0; q < n; ++q) {
            const bool done = q + r * 0.35 >= 1.6;
            uint32_t col = pic[r][q] == 'R' ? pal::red : pal::sun;
            if (!done)
                col = pic[r][q] == 'R' ? 0xA9A9A9 : 0xDADADA;
            const double x = x0 + q * t, y = y0 + r * t;
            set_rgb(cr, col);
            rounded_rect(cr, x + 0.8, y + 0.8, t - 1.6, t - 1.6, 2);
            cairo_fill_preserve(cr);
            set_rgb(cr, pal::outline, 0.6);
            cairo_set_line_width(cr, lw * 0.6);
            cairo_stroke(cr);
            set_rgb(cr, pal::white, 0.45);
            rounded_rect(cr, x + 2.5, y + 2.5, t * 0.4, t * 0.2, 1.5);
            cairo_fill(cr);
        }
    // The brush that does the colouring, lying across the corner.
    cairo_save(cr);
    cairo_translate(cr, s * 0.3, s * 0.18);
    cairo_rotate(cr, 0.6);
    paint_shape(cr, [=](cairo_t* c) { rounded_rect(c, -s * 0.045, -s * 0.02, s * 0.09, s * 0.36, s * 0.04); },
                Style{pal::blue, 0.3, pal::outline, lw, true, 2, 0.25});
    paint_shape(cr, [=](cairo_t* c) { cairo_rectangle(c, -s * 0.055, -s * 0.11, s * 0.11, s * 0.1); },
                Style{0xC8C8D0, 0.5, pal::outline, lw, false});
    paint_shape(cr, [=](cairo_t* c) {
        cairo_move_to(c, -s * 0.055, -s * 0.11);
        cairo_curve_to(c, -s * 0.06, -s * 0.2, -s * 0.01, -s * 0.26, 0, -s * 0.29);
        cairo_curve_to(c, s * 0.01, -s * 0.26, s * 0.06, -s * 0.2, s * 0.055, -s * 0.11);
        cairo_close_path(c);
    }, Style{pal::red, 0.25, pal::outline, lw, false});
    cairo_restore(cr);
}

void block(cairo_t* cr, double x, double y, double t, uint32_t col, double lw)
{
    set_rgb(cr, col);
    cairo_rectangle(cr, x, y, t, t);
    cairo_fill(cr);
    const double b = t * 0.2;
    set_rgb(cr, lighten(col, 0.45));
    cairo_move_to(cr, x, y + t);
    cairo_line_to(cr, x, y);
    cairo_line_to(cr, x + t, y);
    cairo_line_to(cr, x + t - b, y + b);
    cairo_line_to(cr, x + b, y + b);
    cairo_line_to(cr, x + b, y + t - b);
    cairo_close_path(cr);
    cairo_fill(cr);
    set_rgb(cr, darken(col, 0.25));
    cairo_move_to(cr, x + t, y);
    cairo_line_to(cr, x + t, y + t);
    cairo_line_to(cr, x, y + t);
    cairo_line_to(cr, x + b, y + t - b);
    cairo_line_to(cr, x + t - b, y + t - b);
    cairo_line_to(cr, x + t - b, y + b);
    cairo_close_path(cr);
    cairo_fill(cr);
    set_rgb(cr, pal::outline);
    cairo_set_line_width(cr, lw * 0.7);
    cairo_rectangle(cr, x, y, t, t);
    cairo_stroke(cr);
}

void emblem_blocks(cairo_t* cr, double s)
{
    const double t = s * 0.165, lw = line_for(s);
    const double bx = -t * 2, by = s * 0.45 - t;
    // The heap, with a T-shaped hole the falling piece will fill.
    const int heap[][2] = {{0, 0}, {1, 0}, {2, 0}, {3, 0}, {0, -1}, {2, -1}, {3, -1}, {3, -2}};
    const uint32_t cols[] = {pal::blue, pal::blue, pal::grass, pal::grass,
                             pal::sun, pal::violet, pal::violet, pal::orange};
    for (int i = 0; i < 8; ++i)
        block(cr, bx + heap[i][0] * t, by + heap[i][1] * t, t, cols[i], lw);
    const int tp[][2] = {{0, 0}, {1, 0}, {2, 0}, {1, 1}};
    const double fx = bx, fy = by - t * 4.3;
    for (auto& q : tp)
        block(cr, fx + q[0] * t, fy + q[1] * t, t, pal::red, lw);
    set_rgb(cr, pal::outline, 0.7);
    cairo_set_line_width(cr, lw);
    for (int i = 0; i < 3; ++i) {
        const double x = fx + t * (0.5 + i);
        cairo_move_to(cr, x, fy - t * 0.3);
        cairo_line_to(cr, x, fy - t * (i == 1 ? 0.85 : 0.6));
        cairo_stroke(cr);
    }
}

// Bafo's paw print: a pad and four toes.
void paw_print(cairo_t* cr, double cx, double cy, double r)
{
    ellipse(cr, cx, cy + r * 0.3, r * 0.55, r * 0.45);
    for (int i = 0; i < 4; ++i) {
        const double a = kPi * (1.18 + 0.213 * i);
        ellipse(cr, cx + r * 0.78 * std::cos(a), cy + r * 0.25 + r * 0.85 * std::sin(a), r * 0.2, r * 0.25);
    }
}

void emblem_memory(cairo_t* cr, double s)
{
    const double w = s * 0.46, h = s * 0.62, lw = line_for(s);
    for (int side : {-1, 1}) {
        cairo_save(cr);
        cairo_translate(cr, side * s * 0.2, side * s * 0.03);
        cairo_rotate(cr, side * 0.17);
        const bool back = side < 0;
        paint_shape(cr, [=](cairo_t* c) { rounded_rect(c, -w / 2, -h / 2, w, h, s * 0.07); },
                    Style{back ? pal::orange : pal::white, back ? 0.3 : 0.0, pal::outline, lw, true, 2, 0.25});
        if (back) {
            // The card back everyone knows: paw prints on orange.
            set_rgb(cr, lighten(pal::orange, 0.5));
            rounded_rect(cr, -w / 2 + 3, -h / 2 + 3, w - 6, h - 6, s * 0.05);
            cairo_set_line_width(cr, lw * 0.8);
            cairo_stroke(cr);
            set_rgb(cr, pal::cream);
            paw_print(cr, 0, -h * 0.18, w * 0.22);
            paw_print(cr, w * 0.05, h * 0.2, w * 0.18);
            cairo_fill(cr);
        } else {
            set_rgb(cr, pal::sky, 0.4);
            rounded_rect(cr, -w / 2 + 3, -h / 2 + 3, w - 6, h - 6, s * 0.05);
            cairo_fill(cr);
            // An apple on the face.
            const double r = w * 0.3;
            paint_shape(cr, [=](cairo_t* c) {
                cairo_move_to(c, 0, -r * 0.7);
                cairo_curve_to(c, -r * 0.6, -r * 1.1, -r * 1.15, -r * 0.4, -r * 0.95, r * 0.2);
                cairo_curve_to(c, -r * 0.8, r * 0.8, -r * 0.3, r * 1.05, 0, r * 0.85);
                cairo_curve_to(c, r * 0.3, r * 1.05, r * 0.8, r * 0.8, r * 0.95, r * 0.2);
                cairo_curve_to(c, r * 1.15, -r * 0.4, r * 0.6, -r * 1.1, 0, -r * 0.7);
                cairo_close_path(c);
            }, Style{pal::red, 0.3, pal::outline, lw * 0.8, false});
            set_rgb(cr, pal::outline);
            cairo_set_line_width(cr, lw);
            cairo_move_to(cr, 0, -r * 0.65);
            cairo_line_to(cr, r * 0.1, -r * 1.05);
            cairo_stroke(cr);
            paint_shape(cr, [=](cairo_t* c) { ellipse(c, r * 0.38, -r * 0.95, r * 0.3, r * 0.14); },
                        Style{pal::grass, 0.2, pal::outline, lw * 0.6, false});
            set_rgb(cr, pal::white, 0.8);
            ellipse(cr, -r * 0.45, -r * 0.2, r * 0.14, r * 0.24);
            cairo_fill(cr);
        }
        cairo_restore(cr);
    }
}

const std::array<Game, 6> kGames = {{{"PUZ", pal::red, Counts::Time, emblem_jigsaw},
                                     {"15", pal::blue, Counts::Moves, emblem_fifteen},
                                     {"KOS", pal::violet, Counts::Time, emblem_cubes},
                                     {"COL", pal::orange, Counts::Time, emblem_mosaic},
                                     {"TET", pal::teal, Counts::Time, emblem_blocks},
                                     {"PEX", pal::green_dark, Counts::Moves, emblem_memory}}};

// --- the board ---------------------------------------------------------------

void board_path(cairo_t* c) { rounded_rect(c, kBoardX, kBoardY, kBoardW, kBoardH, kBoardR); }
void paper_path(cairo_t* c) { rounded_rect(c, kPaperX, kPaperY, kPaperW, kPaperH, kPaperR); }

void paint_frame(cairo_t* cr, const Game& g)
{
    // The lip first: the board's thickness, so it reads as a solid plank.
    paint_shape(cr, [](cairo_t* c) { rounded_rect(c, kBoardX, kBoardY + kLip, kBoardW, kBoardH, kBoardR); },
                Style{darken(g.colour, 0.35), 0.0, pal::outline, 1.5, false});
    paint_shape(cr, board_path, Style{g.colour, 0.3, pal::outline, 1.5, false});
    // Confetti on the frame: it is a party, somebody just won.
    cairo_save(cr);
    board_path(cr);
    paper_path(cr);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    cairo_clip(cr);
    Rng rng(0x7AB1E000u + uint64_t(g.colour));
    const uint32_t confetti[] = {pal::white, pal::sun, lighten(g.colour, 0.55), pal::cream};
    for (int i = 0; i < 260; ++i) {
        // Spread round the frame: pick a side, then a point along it.
        double x, y;
        const int side = rng.below(4);
        if (side < 2) {
            x = rng.range(kBoardX, kBoardX + kBoardW);
            y = side == 0 ? rng.range(kBoardY, kPaperY) : rng.range(kPaperY + kPaperH, kBoardY + kBoardH);
        } else {
            y = rng.range(kBoardY, kBoardY + kBoardH);
            x = side == 2 ? rng.range(kBoardX, kPaperX) : rng.range(kPaperX + kPaperW, kBoardX + kBoardW);
        }
        set_rgb(cr, confetti[rng.below(4)], 0.75);
        if (rng.chance(0.5)) {
            cairo_arc(cr, x, y, rng.range(1.2, 2.2), 0, 2 * kPi);
        } else {
            cairo_save(cr);
            cairo_translate(cr, x, y);
            cairo_rotate(cr, rng.range(0, kPi));
            rounded_rect(cr, -2.6, -1, 5.2, 2, 1);
            cairo_restore(cr);
        }
        cairo_fill(cr);
    }
    // A light rim along the top edge of the frame.
    set_rgb(cr, pal::white, 0.35);
    cairo_set_line_width(cr, 2);
    rounded_rect(cr, kBoardX + 3, kBoardY + 3, kBoardW - 6, kBoardH - 6, kBoardR - 3);
    cairo_stroke(cr);
    cairo_restore(cr);
    // The board's outer outline, drawn last so the lip and the frame share it.
    cairo_save(cr);
    set_rgb(cr, pal::outline);
    cairo_set_line_width(cr, 3);
    board_path(cr);
    cairo_stroke(cr);
    cairo_restore(cr);

    // The paper, sunk a little into the frame.
    cairo_save(cr);
    paper_path(cr);
    set_vertical_gradient(cr, kPaperY, kPaperY + kPaperH, 0xFFFCF2, 0xFFF1D8);
    cairo_fill(cr);
    cairo_restore(cr);
    // Sunk into the frame: a soft shade along the paper's top and left edges.
    cairo_save(cr);
    paper_path(cr);
    cairo_clip(cr);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    for (double off : {1.5, 3.0}) {
        cairo_rectangle(cr, 0, 0, kW, kH);
        rounded_rect(cr, kPaperX + off, kPaperY + off, kPaperW, kPaperH, kPaperR);
        set_rgb(cr, 0x1A0F08, 0.08);
        cairo_fill(cr);
    }
    cairo_restore(cr);
    cairo_save(cr);
    set_rgb(cr, darken(g.colour, 0.45));
    cairo_set_line_width(cr, 2);
    paper_path(cr);
    cairo_stroke(cr);
    cairo_restore(cr);
}

// The band at the top that holds the cakes, Bafo and the button. It is the same
// on every board, since the lit pictures are cut out of it.
void paint_shelf(cairo_t* cr)
{
    cairo_save(cr);
    rounded_rect(cr, 158, 18.5, 336, 88, 14);
    set_vertical_gradient(cr, 18, 106, 0xFFF6C8, 0xFFE9A6);
    cairo_fill_preserve(cr);
    set_rgb(cr, 0xE9C77A);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    // Dots of light, like a string of party bulbs along the top.
    for (double x = 176; x < 490; x += 20) {
        set_rgb(cr, pal::white, 0.7);
        cairo_arc(cr, x, 23.5, 1.6, 0, 2 * kPi);
        cairo_fill(cr);
    }
    cairo_restore(cr);
}

void medal(cairo_t* cr, double cx, double cy, int place)
{
    const uint32_t metal[] = {0xFFC83D, 0xD3DBE6, 0xE39A5C};
    const uint32_t ribbon[] = {pal::red, pal::blue, pal::grass};
    const uint32_t m = metal[place - 1];
    const double r = 11;
    for (int side : {-1, 1}) {
        paint_shape(cr, [=](cairo_t* c) {
            cairo_move_to(c, cx + side * 2, cy - r * 0.5);
            cairo_line_to(c, cx + side * 11, cy - 15);
            cairo_line_to(c, cx + side * 5, cy - 16.5);
            cairo_line_to(c, cx - side * 3, cy - r * 0.6);
            cairo_close_path(c);
        }, Style{ribbon[place - 1], 0.25, pal::outline, 1.2, false});
    }
    paint_shape(cr, [=](cairo_t* c) { ellipse(c, cx, cy + 2, r, r); },
                Style{m, 0.45, pal::outline, 1.5, true, 2, 0.25});
    cairo_save(cr);
    set_rgb(cr, darken(m, 0.2));
    cairo_set_line_width(cr, 1.2);
    ellipse(cr, cx, cy + 2, r - 3, r - 3);
    cairo_stroke(cr);
    set_rgb(cr, darken(m, 0.6));
    text_path(cr, std::to_string(place), 14, cx, cy + 7);
    cairo_fill(cr);
    set_rgb(cr, pal::white, 0.7);
    ellipse(cr, cx - 5, cy - 3, 2.6, 1.6);
    cairo_fill(cr);
    cairo_restore(cr);
}

void paint_rows(cairo_t* cr, const Game& g)
{
    const uint32_t tint = lighten(g.colour, 0.86);
    for (int i = 0; i < kRows; ++i) {
        const uint32_t fill = i % 2 ? tint : 0xFFFFFF;
        for (const Rect& r : {name_row(i), number_row(i)}) {
            cairo_save(cr);
            rounded_rect(cr, r.x + 0.5, r.y + 0.5, r.w - 1, r.h - 1, 8);
            set_vertical_gradient(cr, r.y, r.y + r.h, fill, mix(fill, 0xF4EAD8, 0.35));
            cairo_fill_preserve(cr);
            set_rgb(cr, 0xE6D3B0);
            cairo_set_line_width(cr, 1);
            cairo_stroke(cr);
            cairo_restore(cr);
        }
        const double cy = 113 + 35 * i + 16.5;
        if (i < 3) {
            medal(cr, 38, cy, i + 1);
        } else {
            cairo_save(cr);
            set_rgb(cr, lighten(g.colour, 0.55));
            paw_print(cr, 38, cy - 1, 9);
            cairo_fill(cr);
            cairo_restore(cr);
        }
    }
}

// The rosette top left: the game's own picture in a prize ribbon.
void paint_emblem(cairo_t* cr, const Game& g)
{
    const double cx = 88, cy = 54;
    for (int side : {-1, 1}) {
        paint_shape(cr, [=](cairo_t* c) {
            cairo_move_to(c, cx + side * 14, cy + 20);
            cairo_line_to(c, cx + side * 34, cy + 50);
            cairo_line_to(c, cx + side * 24, cy + 46);
            cairo_line_to(c, cx + side * 20, cy + 56);
            cairo_line_to(c, cx + side * 2, cy + 26);
            cairo_close_path(c);
        }, Style{darken(g.colour, 0.1), 0.25, pal::outline, 1.8, true, 2, 0.25});
    }
    paint_shape(cr, [=](cairo_t* c) {
        const int bumps = 18;
        cairo_new_sub_path(c);
        for (int i = 0; i <= bumps * 8; ++i) {
            const double a = 2 * kPi * i / (bumps * 8);
            const double r = 42 + 3 * std::cos(a * bumps);
            cairo_line_to(c, cx + r * std::cos(a), cy + r * std::sin(a));
        }
        cairo_close_path(c);
    }, Style{g.colour, 0.35, pal::outline, 2, true, 3, 0.25});
    paint_shape(cr, [=](cairo_t* c) { ellipse(c, cx, cy, 34, 34); },
                Style{0xFFFCF2, 0.0, darken(g.colour, 0.3), 1.5, false});
    cairo_save(cr);
    set_rgb(cr, lighten(g.colour, 0.8));
    ellipse(cr, cx, cy, 30, 30);
    cairo_fill(cr);
    cairo_translate(cr, cx, cy);
    g.emblem(cr, 54);
    cairo_restore(cr);
}

void alarm_clock(cairo_t* cr, double cx, double cy, double r)
{
    const double lw = 1.6;
    for (int side : {-1, 1})
        paint_shape(cr, [=](cairo_t* c) {
            cairo_new_sub_path(c);
            cairo_arc(c, cx + side * r * 0.72, cy - r * 0.78, r * 0.38, side < 0 ? kPi * 0.95 : kPi * 1.8,
                      side < 0 ? kPi * 2.2 : kPi * 3.05);
            cairo_close_path(c);
        }, Style{pal::sun, 0.3, pal::outline, lw, false});
    cairo_save(cr);
    set_rgb(cr, pal::outline);
    cairo_set_line_width(cr, 2.2);
    for (int side : {-1, 1}) {
        cairo_move_to(cr, cx + side * r * 0.55, cy + r * 0.75);
        cairo_line_to(cr, cx + side * r * 0.8, cy + r * 1.1);
    }
    cairo_stroke(cr);
    cairo_restore(cr);
    paint_shape(cr, [=](cairo_t* c) { ellipse(c, cx, cy, r, r); },
                Style{pal::red, 0.3, pal::outline, lw, true, 2, 0.25});
    cairo_save(cr);
    set_rgb(cr, pal::white);
    ellipse(cr, cx, cy, r * 0.76, r * 0.76);
    cairo_fill(cr);
    set_rgb(cr, pal::outline);
    for (int i = 0; i < 12; i += 3) {
        const double a = i * kPi / 6;
        cairo_arc(cr, cx + r * 0.6 * std::cos(a), cy + r * 0.6 * std::sin(a), 0.9, 0, 2 * kPi);
        cairo_fill(cr);
    }
    cairo_set_line_width(cr, 1.6);
    cairo_move_to(cr, cx, cy);
    cairo_line_to(cr, cx, cy - r * 0.5);
    cairo_move_to(cr, cx, cy);
    cairo_line_to(cr, cx + r * 0.36, cy + r * 0.1);
    cairo_stroke(cr);
    cairo_restore(cr);
}

// Counting beads: the games that count moves or turns, not seconds.
void abacus(cairo_t* cr, double cx, double cy, double r)
{
    const double w = r * 2.4, h = r * 1.9, lw = 1.6;
    paint_shape(cr, [=](cairo_t* c) { rounded_rect(c, cx - w / 2, cy - h / 2, w, h, 3); },
                Style{0xB0784A, 0.3, pal::outline, lw, true, 2, 0.25});
    cairo_save(cr);
    set_rgb(cr, pal::cream);
    cairo_rectangle(cr, cx - w / 2 + 3, cy - h / 2 + 3, w - 6, h - 6);
    cairo_fill(cr);
    const uint32_t beads[] = {pal::red, pal::sun, pal::blue};
    const int left[] = {3, 1, 2};
    for (int row = 0; row < 3; ++row) {
        const double y = cy - h / 2 + 3 + (h - 6) * (row + 0.5) / 3;
        set_rgb(cr, 0x8A6A50);
        cairo_set_line_width(cr, 1);
        cairo_move_to(cr, cx - w / 2 + 3, y);
        cairo_line_to(cr, cx + w / 2 - 3, y);
        cairo_stroke(cr);
        for (int b = 0; b < 4; ++b) {
            const double x = b < left[row] ? cx - w / 2 + 6 + b * 4.4 : cx + w / 2 - 6 - (3 - b) * 4.4;
            set_rgb(cr, beads[row]);
            ellipse(cr, x, y, 2.1, 2.6);
            cairo_fill_preserve(cr);
            set_rgb(cr, pal::outline);
            cairo_set_line_width(cr, 0.7);
            cairo_stroke(cr);
        }
    }
    cairo_restore(cr);
}

// Bafo cheering with a gold medal: the same on every board.
void paint_bafo(cairo_t* cr)
{
    Bafo b;
    b.scale = 0.3;
    b.x = 402;
    b.y = 103;
    b.left = Arm::Up;
    b.right = Arm::Up;
    b.mouth = Mouth::Open;
    b.eyes = Eyes::Happy;
    b.tail = 0.6;
    b.motion_lines = false;
    draw_bafo(cr, b);
    cairo_save(cr);
    cairo_translate(cr, b.x, b.y);
    cairo_scale(cr, b.scale, b.scale);
    const double lw = 1.6 / b.scale;
    for (int side : {-1, 1})
        paint_shape(cr, [=](cairo_t* c) {
            cairo_move_to(c, side * 30, -112);
            cairo_line_to(c, side * 8, -66);
            cairo_line_to(c, side * -6, -70);
            cairo_line_to(c, side * 14, -114);
            cairo_close_path(c);
        }, Style{side < 0 ? pal::red : pal::blue, 0.25, pal::outline, lw * 0.7, false});
    paint_shape(cr, [](cairo_t* c) { ellipse(c, 0, -58, 19, 19); },
                Style{0xFFC83D, 0.5, pal::outline, lw * 0.8, true, 4, 0.25});
    paint_shape(cr, [](cairo_t* c) { star_path(c, 0, -58, 11, 5, 5); },
                Style{0xFFE07A, 0.4, 0xB07A10, lw * 0.4, false});
    cairo_restore(cr);
}

// --- cakes and the button --------------------------------------------------

struct CakeLook {
    uint32_t wrapper, frosting, candle;
};
constexpr CakeLook kCakes[3] = {{0x7FC8F8, 0xFF9FCF, pal::red},
                                {0xFFC15E, 0xA8E6C8, pal::blue},
                                {0xB58BE0, 0xFFE680, pal::grass}};

// Candles stand on the frosting; x positions for one, two and three.
std::vector<double> candle_xs(int level)
{
    if (level == 1)
        return {0};
    if (level == 2)
        return {-7, 7};
    return {-11, 0, 11};
}

void frosting_path(cairo_t* c)
{
    cairo_move_to(c, -19, -19);
    cairo_curve_to(c, -23, -26, -16, -31, -10, -29.5);
    cairo_curve_to(c, -8, -37, 8, -37, 10, -29.5);
    cairo_curve_to(c, 16, -31, 23, -26, 19, -19);
    cairo_curve_to(c, 15, -14, 10, -20, 6, -16);
    cairo_curve_to(c, 2, -13, -2, -19, -6, -16);
    cairo_curve_to(c, -10, -13, -15, -15, -19, -19);
    cairo_close_path(c);
}

void wrapper_path(cairo_t* c)
{
    cairo_move_to(c, -14, -4);
    cairo_line_to(c, 14, -4);
    cairo_line_to(c, 17.5, -20);
    cairo_line_to(c, -17.5, -20);
    cairo_close_path(c);
}

// A cupcake on a plate with `level` candles; (cx, bottom) is the plate's foot.
// Lit: brighter colours and burning candles.
void cake(cairo_t* cr, int level, double cx, double bottom, double scale, bool lit)
{
    const CakeLook& k = kCakes[level - 1];
    const double up = lit ? 0.18 : 0.0;
    const double lw = 1.8 / scale;
    cairo_save(cr);
    cairo_translate(cr, cx, bottom);
    cairo_scale(cr, scale, scale);
    // One shadow for the whole cake, so no part shades another.
    cairo_save(cr);
    cairo_translate(cr, 2.5, 2.5);
    set_rgb(cr, 0x1A0F08, 0.22);
    ellipse(cr, 0, -3, 22, 4.5);
    wrapper_path(cr);
    frosting_path(cr);
    cairo_fill(cr);
    cairo_restore(cr);

    paint_shape(cr, [](cairo_t* c) { ellipse(c, 0, -3, 22, 4.5); },
                Style{0xF3F7FF, 0.0, pal::outline, lw, false});
    paint_shape(cr, wrapper_path, Style{lighten(k.wrapper, up), 0.3, pal::outline, lw, false});
    cairo_save(cr);
    wrapper_path(cr);
    cairo_clip(cr);
    set_rgb(cr, darken(k.wrapper, 0.2), 0.8);
    cairo_set_line_width(cr, 1.2 / scale);
    for (int i = -3; i <= 3; ++i) {
        cairo_move_to(cr, i * 4.0, -4);
        cairo_line_to(cr, i * 5.0, -20);
    }
    cairo_stroke(cr);
    cairo_restore(cr);
    paint_shape(cr, frosting_path, Style{lighten(k.frosting, up), 0.35, pal::outline, lw, false});
    // Sprinkles.
    const double spr[][3] = {{-12, -23, 0.6}, {-5, -27, -0.4}, {3, -22, 0.9}, {11, -25, -0.8}, {-1, -32, 0.2},
                             {-14, -19.5, -0.3}, {7, -30, 0.5}};
    const uint32_t spc[] = {pal::red, pal::blue, pal::sun, pal::violet, pal::grass, pal::orange, pal::white};
    for (int i = 0; i < 7; ++i) {
        cairo_save(cr);
        cairo_translate(cr, spr[i][0], spr[i][1]);
        cairo_rotate(cr, spr[i][2]);
        set_rgb(cr, spc[i] == k.frosting ? pal::white : spc[i]);
        rounded_rect(cr, -2, -0.8, 4, 1.6, 0.8);
        cairo_fill(cr);
        cairo_restore(cr);
    }
    cairo_save(cr);
    set_rgb(cr, pal::white, 0.6);
    ellipse(cr, -8, -30, 4, 1.8);
    cairo_fill(cr);
    cairo_restore(cr);

    for (double x : candle_xs(level)) {
        const double top = -45, foot = -31;
        paint_shape(cr, [=](cairo_t* c) { rounded_rect(c, x - 2.6, top, 5.2, foot - top, 1.2); },
                    Style{pal::white, 0.0, pal::outline, lw * 0.75, false});
        cairo_save(cr);
        rounded_rect(cr, x - 2.6, top, 5.2, foot - top, 1.2);
        cairo_clip(cr);
        set_rgb(cr, lighten(k.candle, up));
        for (double y = top - 2; y < foot; y += 5) {
            cairo_move_to(cr, x - 3, y + 3);
            cairo_line_to(cr, x + 3, y);
            cairo_line_to(cr, x + 3, y + 2);
            cairo_line_to(cr, x - 3, y + 5);
            cairo_close_path(cr);
        }
        cairo_fill(cr);
        cairo_restore(cr);
        cairo_save(cr);
        set_rgb(cr, pal::outline);
        cairo_set_line_width(cr, 1.2 / scale);
        cairo_move_to(cr, x, top);
        cairo_line_to(cr, x + 0.4, top - 3);
        cairo_stroke(cr);
        cairo_restore(cr);
        if (!lit)
            continue;
        // The flame and its halo.
        cairo_save(cr);
        cairo_pattern_t* halo = cairo_pattern_create_radial(x, top - 7, 1, x, top - 7, 9);
        cairo_pattern_add_color_stop_rgba(halo, 0, 1, 0.95, 0.55, 0.75);
        cairo_pattern_add_color_stop_rgba(halo, 1, 1, 0.95, 0.55, 0);
        cairo_set_source(cr, halo);
        cairo_arc(cr, x, top - 7, 9, 0, 2 * kPi);
        cairo_fill(cr);
        cairo_pattern_destroy(halo);
        cairo_restore(cr);
        auto flame = [=](cairo_t* c, double grow) {
            cairo_move_to(c, x, top - 1.5);
            cairo_curve_to(c, x - 4.2 * grow, top - 2.5, x - 3.5 * grow, top - 8, x + 0.5, top - 1.5 - 11 * grow);
            cairo_curve_to(c, x + 3.8 * grow, top - 8, x + 4.2 * grow, top - 2.5, x, top - 1.5);
            cairo_close_path(c);
        };
        paint_shape(cr, [=](cairo_t* c) { flame(c, 1.0); }, Style{pal::orange, 0.5, 0xC0501A, 0.6 / scale, false});
        cairo_save(cr);
        set_rgb(cr, 0xFFF3A0);
        cairo_translate(cr, 0, -1.5);
        flame(cr, 0.5);
        cairo_fill(cr);
        cairo_restore(cr);
    }
    cairo_restore(cr);
}

// A few twinkles round a lit cake.
void twinkle(cairo_t* cr, double x, double y, double r)
{
    paint_shape(cr, [=](cairo_t* c) { star_path(c, x, y, r, r * 0.38, 4); },
                Style{0xFFF7C0, 0.3, 0xE0A020, 0.8, false});
}

constexpr double kCakeBottom = 89;

void paint_cake(Canvas& c, int k, bool lit)
{
    const Rect& hot = kCakeHot[size_t(k)];
    const Rect& box = kCakeLit[size_t(k)];
    if (!lit) {
        cake(c.cr(), k + 1, hot.x + hot.w / 2.0, kCakeBottom, 1.0, false);
        return;
    }
    // Lit: a touch larger, centred in its picture, in a soft yellow light.
    const double cx = box.x + box.w / 2.0, bottom = kCakeBottom + 0.5;
    const Box within{double(box.x), double(box.y), double(box.w), double(box.h)};
    glow(c, [&](cairo_t* g) { rounded_rect(g, cx - 19, bottom - 52, 38, 48, 14); }, pal::glow, 10, 2.4, &within);
    cake(c.cr(), k + 1, cx, bottom, 1.07, true);
    twinkle(c.cr(), box.x + 8, box.y + 15, 4.5);
    twinkle(c.cr(), box.x + box.w - 7, box.y + 22, 3.5);
    twinkle(c.cr(), box.x + 7, box.y + 32, 2.5);
}

// The way back: a round button with a curved arrow.
void paint_back(Canvas& c, bool lit)
{
    cairo_t* cr = c.cr();
    // Lit, it is centred in its picture, which leaves the glow room on every side.
    const double cx = lit ? kBackLit.x + kBackLit.w / 2.0 : kBackHot.x + kBackHot.w / 2.0;
    const double cy = lit ? kBackLit.y + kBackLit.h / 2.0 : kBackHot.y + kBackHot.h / 2.0 + 0.5;
    const double r = lit ? 13.2 : 12;
    const uint32_t col = lit ? lighten(pal::grass, 0.2) : pal::grass;
    if (lit) {
        const Box within{double(kBackLit.x), double(kBackLit.y), double(kBackLit.w), double(kBackLit.h)};
        glow(c, [&](cairo_t* g) { ellipse(g, cx, cy, r, r); }, pal::glow, 8, 2.8, &within);
    }
    paint_shape(cr, [&](cairo_t* g) { ellipse(g, cx, cy, r, r); },
                Style{col, 0.4, pal::outline, 1.8, !lit, 2, 0.25});
    cairo_save(cr);
    set_rgb(cr, pal::white, 0.5);
    ellipse(cr, cx - r * 0.35, cy - r * 0.5, r * 0.32, r * 0.18);
    cairo_fill(cr);
    // A U-turn arrow pointing left: back to the game.
    auto arrow = [&] {
        cairo_new_path(cr);
        cairo_move_to(cr, cx - r * 0.25, cy + r * 0.42);
        cairo_line_to(cr, cx + r * 0.05, cy + r * 0.42);
        cairo_arc_negative(cr, cx + r * 0.05, cy, r * 0.42, kPi * 0.5, -kPi * 0.5);
        cairo_line_to(cr, cx - r * 0.35, cy - r * 0.42);
    };
    auto head = [&] {
        cairo_new_path(cr);
        cairo_move_to(cr, cx - r * 0.1, cy - r * 0.75);
        cairo_line_to(cr, cx - r * 0.5, cy - r * 0.42);
        cairo_line_to(cr, cx - r * 0.1, cy - r * 0.09);
        cairo_close_path(cr);
    };
    const uint32_t edge = darken(pal::grass, 0.5);
    arrow();
    set_rgb(cr, edge);
    cairo_set_line_width(cr, r * 0.28 + 2);
    cairo_stroke(cr);
    head();
    cairo_set_line_width(cr, 2);
    cairo_stroke_preserve(cr);
    cairo_fill(cr);
    arrow();
    set_rgb(cr, pal::white);
    cairo_set_line_width(cr, r * 0.28);
    cairo_stroke(cr);
    head();
    cairo_fill(cr);
    cairo_restore(cr);
}

// --- the whole picture -------------------------------------------------------

// The board on a transparent layer, with at most one cake or the button lit.
Canvas board(const Game& g, int lit_cake, bool lit_back)
{
    Canvas layer(kW, kH, Canvas::Format::Alpha);
    cairo_t* cr = layer.cr();
    paint_frame(cr, g);
    paint_shelf(cr);
    paint_emblem(cr, g);
    paint_rows(cr, g);
    if (g.counts == Counts::Time)
        alarm_clock(cr, 455, 83, 11);
    else
        abacus(cr, 455, 83, 12.5);
    paint_bafo(cr);
    for (int k = 0; k < 3; ++k)
        paint_cake(layer, k, k == lit_cake);
    paint_back(layer, lit_back);
    return layer;
}

// Laid over the outline colour, so the soft outer edge turns into outline and
// never into a pinkish blend; whatever the board hardly touches becomes key.
Canvas keyed(const Canvas& layer)
{
    Canvas out(kW, kH);
    out.fill(pal::outline);
    out.paste(layer, 0, 0);
    uint32_t* d = out.data();
    const int stride = out.stride_words();
    for (int y = 0; y < kH; ++y)
        for (int x = 0; x < kW; ++x)
            if (layer.alpha(x, y) < 100)
                d[size_t(y) * size_t(stride) + size_t(x)] = 0xFF000000u | pal::key;
    out.mark_dirty();
    return out;
}

Canvas cut(const Canvas& c, const Rect& r) { return c.crop(r.x, r.y, r.w, r.h); }

void run(const std::filesystem::path& root)
{
    const std::filesystem::path dir = root / kDir;
    for (const Game& g : kGames) {
        Canvas panel = keyed(board(g, -1, false));
        panel.save_bmp(dir / (std::string("TAB_") + g.key + ".BMP"));
        if (&g == &kGames[0])
            cut(panel, kBackLit).save_bmp(dir / "TAB_ZPE0.BMP");
    }
    const Game& any = kGames[0];
    for (int k = 0; k < 3; ++k)
        cut(keyed(board(any, k, false)), kCakeLit[size_t(k)])
            .save_bmp(dir / ("TAB_D" + std::to_string(k + 1) + ".BMP"));
    cut(keyed(board(any, -1, true)), kBackLit).save_bmp(dir / "TAB_ZPE1.BMP");
}

void expect(std::vector<Expect>& out)
{
    auto bmp = [&](const std::string& name, int w, int h) {
        Expect e;
        e.path = std::string(kDir) + name;
        e.kind = Expect::Kind::Bitmap;
        e.width = w;
        e.height = h;
        out.push_back(e);
    };
    for (const Game& g : kGames)
        bmp(std::string("TAB_") + g.key + ".BMP", kW, kH);
    for (int k = 0; k < 3; ++k)
        bmp("TAB_D" + std::to_string(k + 1) + ".BMP", kCakeLit[size_t(k)].w, kCakeLit[size_t(k)].h);
    bmp("TAB_ZPE0.BMP", kBackLit.w, kBackLit.h);
    bmp("TAB_ZPE1.BMP", kBackLit.w, kBackLit.h);
}

}  // namespace

Generator gen_table_screen() { return Generator{"table", run, expect}; }

static const Registered registered{gen_table_screen};

}  // namespace datagen
