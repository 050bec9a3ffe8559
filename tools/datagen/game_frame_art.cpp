// The picture games' frame. Everything but the icons is painted once as the
// bare theatre; BG, every lit icon, every level icon and every mouth frame is
// a crop of that theatre with one icon drawn on it, so each copied rectangle
// meets the screen around it without a seam.
#include "game_frame_art.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace datagen::frame {

namespace {

using namespace art;

constexpr double kPi = 3.14159265358979323846;
constexpr int kW = 800, kH = 600;

// The stage: its gold rim around the picture, the front board below it, and
// where the curtains are tied back.
constexpr int kRim = 10;
constexpr int kBoardTop = kPicture.y + kPicture.h + kRim;  // 521
constexpr double kTieY = 318;

constexpr uint32_t kInterior = 0x2E2637;  // behind the picture: never seen in play

std::string at(const Rect& r)
{
    return "(" + std::to_string(r.x) + ", " + std::to_string(r.y) + ", " + std::to_string(r.w) + "x" +
           std::to_string(r.h) + ")";
}

double cx_of(const Rect& r) { return r.x + r.w / 2.0; }
double cy_of(const Rect& r) { return r.y + r.h / 2.0; }

Style flat(uint32_t fill, double lw = 2, double shade = 0.3) { return Style{fill, shade, pal::outline, lw, false}; }

}  // namespace

// A small four-pointed twinkle.
void twinkle(cairo_t* cr, double x, double y, double r)
{
    cairo_save(cr);
    cairo_new_path(cr);
    cairo_move_to(cr, x, y - r);
    cairo_curve_to(cr, x + r * 0.15, y - r * 0.15, x + r * 0.15, y - r * 0.15, x + r, y);
    cairo_curve_to(cr, x + r * 0.15, y + r * 0.15, x + r * 0.15, y + r * 0.15, x, y + r);
    cairo_curve_to(cr, x - r * 0.15, y + r * 0.15, x - r * 0.15, y + r * 0.15, x - r, y);
    cairo_curve_to(cr, x - r * 0.15, y - r * 0.15, x - r * 0.15, y - r * 0.15, x, y - r);
    cairo_close_path(cr);
    set_rgb(cr, pal::outline, 0.8);
    cairo_set_line_width(cr, 2.2);
    cairo_stroke_preserve(cr);
    set_rgb(cr, pal::white);
    cairo_fill(cr);
    cairo_restore(cr);
}

namespace {

// --- the bare theatre -------------------------------------------------------------

// Distance of the left curtain's inner edge from the screen side at row y:
// tucked under the rim at the top, pulled in by the tie-back, flaring below it.
double curtain_edge(double y)
{
    if (y <= kTieY) {
        const double t = y / kTieY;
        return 76 - 24 * std::pow(t, 1.7);
    }
    const double t = std::min(1.0, (y - kTieY) / (kBoardTop - kTieY));
    return 52 + 24 * (1 - (1 - t) * (1 - t));
}

// The left curtain on a layer of its own (velvet folds that gather towards the
// tie-back), so the right one is its exact mirror.
Canvas curtain(uint32_t theme)
{
    const int w = 84, h = kBoardTop + 2;
    Canvas c(w, h, Canvas::Format::Alpha);
    const uint32_t light = lighten(theme, 0.3), dark = darken(theme, 0.42);
    uint32_t* d = c.data();
    const int stride = c.stride_words();
    for (int y = 0; y < h; ++y) {
        const double e = curtain_edge(y + 0.5);
        // Darker where the pelmet shades it and where it is bunched up.
        const double shade = 0.22 * std::exp(-y / 26.0) + 0.1 * std::exp(-std::pow((y - kTieY) / 30.0, 2));
        for (int x = 0; x < w; ++x) {
            const double cover = std::clamp(e - x, 0.0, 1.0);
            if (cover <= 0)
                continue;
            const double u = (x + 0.5 + 14) / (e + 14);
            const double fold = 0.5 + 0.5 * std::cos(2 * kPi * u * 3.3 + 0.9);
            uint32_t col = mix(dark, light, std::pow(fold, 0.85));
            // A lighter hem along the inner edge.
            if (e - x < 5)
                col = mix(col, lighten(theme, 0.45), 0.55);
            col = darken(col, shade);
            const uint32_t a = uint32_t(std::lround(cover * 255));
            auto ch = [&](int s) { return ((((col >> s) & 0xFF) * a + 127) / 255) << s; };
            d[size_t(y) * size_t(stride) + size_t(x)] = (a << 24) | ch(16) | ch(8) | ch(0);
        }
    }
    c.mark_dirty();
    cairo_t* cr = c.cr();
    // Outline of the edge.
    cairo_new_path(cr);
    for (int y = -2; y <= h; y += 2)
        cairo_line_to(cr, curtain_edge(y), y);
    set_rgb(cr, pal::outline);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    // The gold sash that ties it back.
    const double e = curtain_edge(kTieY);
    paint_shape(cr, [=](cairo_t* g) {
        cairo_move_to(g, -4, kTieY - 9);
        cairo_curve_to(g, e * 0.4, kTieY - 2, e * 0.8, kTieY - 6, e + 4, kTieY - 10);
        cairo_line_to(g, e + 4, kTieY + 2);
        cairo_curve_to(g, e * 0.8, kTieY + 6, e * 0.4, kTieY + 10, -4, kTieY + 5);
        cairo_close_path(g);
    }, Style{kGold, 0.45, pal::outline, 2.5, true, 2, 0.3});
    return c;
}

}  // namespace

// A round gold medallion with the game's emblem on it.
void medallion(cairo_t* cr, double x, double y, const Emblem& emblem)
{
    paint_shape(cr, [=](cairo_t* g) { ellipse(g, x, y, 24, 24); }, Style{kGold, 0.5, pal::outline, 2.5, true, 3, 0.3});
    cairo_save(cr);
    cairo_set_line_width(cr, 1.5);
    set_rgb(cr, kGoldDark);
    for (int i = 0; i < 16; ++i) {
        const double a = i * kPi / 8;
        cairo_arc(cr, x + 21 * std::cos(a), y + 21 * std::sin(a), 1.3, 0, 2 * kPi);
        cairo_fill(cr);
    }
    cairo_restore(cr);
    paint_shape(cr, [=](cairo_t* g) { ellipse(g, x, y, 18, 18); }, flat(pal::cream, 2, 0.5));
    if (emblem) {
        cairo_save(cr);
        cairo_translate(cr, x, y);
        emblem(cr, 14);
        cairo_restore(cr);
    }
}

void pelmet(cairo_t* cr, uint32_t theme)
{
    const uint32_t top = darken(theme, 0.3), body = darken(theme, 0.18);
    // The straight band, then swags hanging from it.
    fill_vertical_gradient(cr, 0, 0, kW, 16, top, body);
    const int swags = 12;
    const double sw = double(kW) / swags;
    auto swag = [=](cairo_t* g, int i) {
        const double x0 = i * sw, x1 = x0 + sw;
        cairo_move_to(g, x0, 12);
        cairo_curve_to(g, x0 + sw * 0.2, 30, x1 - sw * 0.2, 30, x1, 12);
        cairo_close_path(g);
    };
    for (int i = 0; i < swags; ++i)
        paint_shape(cr, [=](cairo_t* g) { swag(g, i); }, Style{body, 0.12, pal::outline, 2, true, 2, 0.3});
    // Gold braid along the swags' hems and the band.
    cairo_save(cr);
    cairo_set_line_width(cr, 3);
    set_rgb(cr, kGold);
    for (int i = 0; i < swags; ++i) {
        const double x0 = i * sw, x1 = x0 + sw;
        cairo_move_to(cr, x0 + 3, 15);
        cairo_curve_to(cr, x0 + sw * 0.22, 27, x1 - sw * 0.22, 27, x1 - 3, 15);
        cairo_stroke(cr);
    }
    set_rgb(cr, pal::outline);
    cairo_set_line_width(cr, 2);
    cairo_move_to(cr, 0, 12);
    cairo_line_to(cr, kW, 12);
    cairo_stroke(cr);
    cairo_restore(cr);
    // Gold beads where the swags meet.
    for (int i = 0; i <= swags; ++i)
        paint_shape(cr, [=](cairo_t* g) { ellipse(g, i * sw, 14, 4, 4); }, flat(kGold, 1.5, 0.6));
    // Little gold stars on the band.
    for (int i = 0; i < swags; ++i)
        paint_shape(cr, [=](cairo_t* g) { star_path(g, (i + 0.5) * sw, 6.5, 4.5, 2, 5); }, flat(kGold, 1, 0.5));
}

void gold_rim(cairo_t* cr, const Rect& opening, int rim)
{
    const double x0 = opening.x - rim, y0 = opening.y - rim;
    const double w = opening.w + 2 * rim, h = opening.h + 2 * rim;
    auto ring = [=](cairo_t* g) {
        rounded_rect(g, x0, y0, w, h, 7);
        cairo_new_sub_path(g);
        cairo_rectangle(g, opening.x + opening.w, opening.y, -opening.w, opening.h);
    };
    cairo_save(cr);
    set_rgb(cr, 0x1A0F08, 0.3);  // shadow on the curtains and the board
    cairo_translate(cr, 3, 3);
    rounded_rect(cr, x0, y0, w, h, 7);
    cairo_fill(cr);
    cairo_restore(cr);
    cairo_save(cr);
    ring(cr);
    cairo_pattern_t* p = cairo_pattern_create_linear(x0, y0, x0 + w * 0.3, y0 + h);
    cairo_pattern_add_color_stop_rgb(p, 0, 1.0, 0.93, 0.62);
    cairo_pattern_add_color_stop_rgb(p, 1, 0.91, 0.68, 0.22);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    // A bead line in the middle of the moulding.
    set_rgb(cr, kGoldDark, 0.8);
    cairo_set_line_width(cr, 1.5);
    cairo_set_dash(cr, std::array<double, 2>{0.1, 6}.data(), 2, 0);
    rounded_rect(cr, x0 + rim / 2.0, y0 + rim / 2.0, w - rim, h - rim, 3);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    cairo_set_dash(cr, nullptr, 0, 0);
    set_rgb(cr, pal::outline);
    cairo_set_line_width(cr, 2);
    rounded_rect(cr, x0 + 1, y0 + 1, w - 2, h - 2, 6);
    cairo_stroke(cr);
    // The inner line stays outside the picture so the picture covers none of it.
    cairo_rectangle(cr, opening.x - 1, opening.y - 1, opening.w + 2, opening.h + 2);
    cairo_stroke(cr);
    cairo_restore(cr);
}

void front_board(cairo_t* cr, Rng& rng, double top)
{
    const uint32_t planks[] = {0xF2CB92, 0xEABF82, 0xF0C78C};
    const double ph = (kH - top) / 3.0;
    for (int i = 0; i < 3; ++i) {
        const double y = top + i * ph;
        fill_vertical_gradient(cr, 0, y, kW, ph, lighten(planks[i], 0.15), planks[i]);
        cairo_save(cr);
        cairo_set_line_width(cr, 1);
        set_rgb(cr, darken(planks[i], 0.22), 0.55);
        for (int g = 0; g < 3; ++g) {
            const double gy = y + 6 + g * 7 + rng.range(-1, 1);
            cairo_move_to(cr, 0, gy);
            for (double x = 0; x <= kW; x += 40)
                cairo_line_to(cr, x, gy + 1.6 * std::sin(x * 0.013 + i * 1.7 + g));
            cairo_stroke(cr);
        }
        set_rgb(cr, darken(planks[i], 0.35));
        cairo_rectangle(cr, 0, y + ph - 1.5, kW, 1.5);
        cairo_fill(cr);
        // Plank joints, staggered.
        for (double jx = 150 + i * 97; jx < kW; jx += 290) {
            cairo_rectangle(cr, jx, y, 1.5, ph);
            cairo_fill(cr);
        }
        cairo_restore(cr);
    }
    // The stage's edge: a lit lip under the rim.
    set_rgb(cr, 0xFFE9C4);
    cairo_rectangle(cr, 0, top, kW, 2.5);
    cairo_fill(cr);
    set_rgb(cr, 0x1A0F08, 0.18);
    cairo_rectangle(cr, 0, top + 2.5, kW, 4);
    cairo_fill(cr);
}

void label_plate(cairo_t* cr, const Rect& label)
{
    const double x = label.x - 8, y = label.y - 7, w = label.w + 16, h = kH + 20 - y;
    paint_shape(cr, [=](cairo_t* g) { rounded_rect(g, x, y, w, h, 11); }, Style{kGold, 0.4, pal::outline, 2.5, true});
    paint_shape(cr, [=](cairo_t* g) { rounded_rect(g, x + 5, y + 5, w - 10, h, 7); },
                Style{0xFFFAEE, 0.0, darken(kGoldDark, 0.1), 1.2, false});
}

namespace {

Canvas bare_theatre(const Look& look)
{
    Canvas c(kW, kH);
    cairo_t* cr = c.cr();
    c.fill(kInterior);
    Rng rng(0xF4A3E15);

    const Canvas left = curtain(look.theme);
    c.paste(left, 0, 0);
    cairo_save(cr);
    cairo_translate(cr, kW, 0);
    cairo_scale(cr, -1, 1);
    cairo_set_source_surface(cr, left.surface(), 0, 0);
    cairo_paint(cr);
    cairo_restore(cr);
    medallion(cr, 27, kTieY + 1, look.emblem);
    medallion(cr, kW - 27, kTieY + 1, look.emblem);

    front_board(cr, rng, kBoardTop);
    gold_rim(cr, kPicture, kRim);
    pelmet(cr, look.theme);
    label_plate(cr, look.label);
    // The picture area stays one dark colour: the board always covers it.
    set_rgb(cr, kInterior);
    cairo_rectangle(cr, kPicture.x, kPicture.y, kPicture.w, kPicture.h);
    cairo_fill(cr);
    return c;
}


// --- the icons ----------------------------------------------------------------------

// Draws `draw` and then lightens exactly what it painted.
void brighter(cairo_t* cr, const std::function<void(cairo_t*)>& draw, double amount = 0.05)
{
    cairo_push_group(cr);
    draw(cr);
    cairo_pattern_t* g = cairo_pop_group(cr);
    cairo_set_source(cr, g);
    cairo_paint(cr);
    set_rgb(cr, pal::white, amount);
    cairo_mask(cr, g);
    cairo_pattern_destroy(g);
}

// The part of a hot area that is on the screen.
Rect visible(const Rect& r)
{
    const int x0 = std::max(0, r.x), y0 = std::max(0, r.y);
    const int x1 = std::min(kW, r.x + r.w), y1 = std::min(kH, r.y + r.h);
    return Rect{x0, y0, std::max(0, x1 - x0), std::max(0, y1 - y0)};
}

}  // namespace

// 0: back. The orange pill with the white arrow, as on the picture chooser.
IconArt back_icon(const Rect& hot, bool lit)
{
    const double cx = cx_of(hot), cy = cy_of(hot);
    const double grow = lit ? 3 : 0;
    const double w = std::min(84.0, hot.w - 2.0) + 2 * grow, h = std::min(40.0, hot.h - 6.0) + 2 * grow;
    auto pill = [=](cairo_t* g) { rounded_rect(g, cx - w / 2, cy - h / 2, w, h, h / 2); };
    auto draw = [=](cairo_t* cr) {
        const uint32_t col = lit ? mix(pal::orange, pal::sun, 0.3) : pal::orange;
        paint_shape(cr, pill, Style{col, 0.35, pal::outline, 2.5, !lit, 3, 0.25});
        back_arrow_face(cr, cx, cy, w, h, lit);
    };
    return IconArt{draw, pill};
}

// 1: level. A rosette in the level's colour (green, orange, red: easy to hard)
// with one, two or three stars.
IconArt level_icon(const Rect& hot, int level, bool lit)
{
    const double cx = cx_of(hot), cy = cy_of(hot);
    const double s = lit ? 1.07 : 1.0;
    const double r = (std::min(hot.w, hot.h) / 2.0 - 5) * s;
    const uint32_t colours[3] = {0x5DBB46, pal::orange, pal::red};
    const uint32_t col = colours[std::clamp(level, 1, 3) - 1];
    auto rosette = [=](cairo_t* g) {
        cairo_new_sub_path(g);
        for (int i = 0; i < 180; ++i) {
            const double a = i * 2 * kPi / 180;
            const double rr = r * (0.94 + 0.06 * std::cos(14 * a));
            cairo_line_to(g, cx + rr * std::cos(a), cy + rr * std::sin(a));
        }
        cairo_close_path(g);
    };
    auto draw = [=](cairo_t* cr) {
        paint_shape(cr, rosette, Style{lit ? mix(col, pal::sun, 0.2) : col, 0.35, pal::outline, 2.2, !lit, 3, 0.25});
        const double rin = r * 0.7;
        paint_shape(cr, [=](cairo_t* g) { ellipse(g, cx, cy, rin, rin); }, Style{0xFFF8E8, 0.0, darken(col, 0.35), 1.6, false});
        struct S {
            double x, y, r;
        };
        std::vector<S> stars;
        if (level == 1)
            stars = {{0, 0.03, 0.62}};
        else if (level == 2)
            stars = {{-0.44, 0.05, 0.44}, {0.44, 0.05, 0.44}};
        else
            stars = {{-0.5, 0.2, 0.37}, {0, -0.3, 0.37}, {0.5, 0.2, 0.37}};
        for (const S& st : stars) {
            const double x = cx + st.x * rin, y = cy + st.y * rin, sr = st.r * rin;
            paint_shape(cr, [=](cairo_t* g) { star_path(g, x, y, sr, sr * 0.47, 5); },
                        Style{0xFFD23F, 0.4, pal::outline, 1.6, false});
            cairo_save(cr);
            set_rgb(cr, pal::white, 0.75);
            ellipse(cr, x - sr * 0.2, y - sr * 0.22, sr * 0.16, sr * 0.11);
            cairo_fill(cr);
            cairo_restore(cr);
        }
    };
    return IconArt{draw, [=](cairo_t* g) { ellipse(g, cx, cy, r, r); }};
}

namespace {

// A tiny picture on a tile: which part of a sunny meadow it shows.
void tile_picture(cairo_t* cr, double x, double y, double t, bool top_part)
{
    cairo_save(cr);
    cairo_rectangle(cr, x, y, t, t);
    cairo_clip(cr);
    if (top_part) {
        fill_vertical_gradient(cr, x, y, t, t, pal::sky_top, 0xCDEFFC);
        set_rgb(cr, pal::sun);
        cairo_arc(cr, x + t * 0.68, y + t * 0.36, t * 0.22, 0, 2 * kPi);
        cairo_fill(cr);
        set_rgb(cr, pal::white);
        ellipse(cr, x + t * 0.28, y + t * 0.75, t * 0.22, t * 0.09);
        cairo_fill(cr);
    } else {
        fill_vertical_gradient(cr, x, y, t, t * 0.35, 0xCDEFFC, pal::sky);
        set_rgb(cr, pal::grass);
        ellipse(cr, x + t * 0.5, y + t * 1.1, t * 0.9, t * 0.8);
        cairo_fill(cr);
        set_rgb(cr, pal::red);
        cairo_arc(cr, x + t * 0.5, y + t * 0.58, t * 0.13, 0, 2 * kPi);
        cairo_fill(cr);
        set_rgb(cr, pal::sun);
        cairo_arc(cr, x + t * 0.5, y + t * 0.58, t * 0.05, 0, 2 * kPi);
        cairo_fill(cr);
    }
    cairo_restore(cr);
}

}  // namespace

// 2: shuffle, new game. Two picture tiles trading places, round arrows between them.
IconArt shuffle_icon(const Rect& hot, bool lit, const TileFace& face)
{
    const double cx = cx_of(hot), cy = cy_of(hot);
    const double s = lit ? 1.07 : 1.0;
    const double t = std::min(26.0, hot.w * 0.46) * s;
    const double dx = 10 * s, dy = std::min(19.0, hot.h * 0.235) * s;
    auto tile = [=](cairo_t* cr, double tx, double ty, double turn, bool top) {
        cairo_save(cr);
        cairo_translate(cr, tx, ty);
        cairo_rotate(cr, turn);
        paint_shape(cr, [=](cairo_t* g) { rounded_rect(g, -t / 2, -t / 2, t, t, 4); },
                    Style{pal::white, 0.0, pal::outline, 2, !lit, 2.5, 0.25});
        const double in = t - 6;
        if (face) {
            face(cr, -in / 2, -in / 2, in, top);
        } else {
            tile_picture(cr, -in / 2, -in / 2, in, top);
            set_rgb(cr, pal::outline, 0.5);
            cairo_set_line_width(cr, 1);
            cairo_rectangle(cr, -in / 2, -in / 2, in, in);
            cairo_stroke(cr);
        }
        cairo_restore(cr);
    };
    auto arrow = [=](cairo_t* cr, int side) {
        // side +1: down the right from the top tile; -1: up the left from the bottom one.
        const double k = side;
        const double x0 = cx + k * 4 * s, y0 = cy - k * (dy + 5 * s);
        const double x1 = cx + k * 18 * s, y1 = cy - k * 1 * s;
        auto body = [=](cairo_t* g) {
            cairo_move_to(g, x0, y0);
            cairo_curve_to(g, x0 + k * 12 * s, y0, x1, y0 + k * 6 * s, x1, y1 - k * 5 * s);
        };
        const uint32_t green = lit ? 0x7AD96A : 0x4CB944;
        cairo_save(cr);
        body(cr);
        cairo_set_line_width(cr, 8 * s);
        set_rgb(cr, pal::outline);
        cairo_stroke(cr);
        paint_shape(cr, [=](cairo_t* g) {
            cairo_move_to(g, x1 - 6.5 * s, y1 - k * 5 * s);
            cairo_line_to(g, x1 + 6.5 * s, y1 - k * 5 * s);
            cairo_line_to(g, x1, y1 + k * 5 * s);
            cairo_close_path(g);
        }, Style{green, 0.2, pal::outline, 2, false});
        body(cr);
        cairo_set_line_width(cr, 4.5 * s);
        set_rgb(cr, green);
        cairo_stroke(cr);
        cairo_restore(cr);
    };
    auto draw = [=](cairo_t* cr) {
        tile(cr, cx - dx, cy - dy, -0.1, true);
        tile(cr, cx + dx, cy + dy, 0.08, false);
        arrow(cr, 1);
        arrow(cr, -1);
    };
    auto shape = [=](cairo_t* g) {
        rounded_rect(g, cx - dx - t / 2, cy - dy - t / 2, t, t, 4);
        rounded_rect(g, cx + dx - t / 2, cy + dy - t / 2, t, t, 4);
        ellipse(g, cx, cy, 16 * s, 16 * s);
    };
    return IconArt{draw, shape};
}

namespace {

// 3: Bafo, small, standing on the front board at the strip's place.
Bafo mascot(Mouth m, bool lit, double scale)
{
    const Rect& r = kLit[kMascot];
    Bafo b;
    // The ears and their shadow nearly fill the strip's width (at 0.25).
    b.scale = lit ? scale * 0.262 / 0.25 : scale;
    b.x = r.x + r.w / 2.0 - 1.5;
    b.y = r.y + r.h - 6;
    b.mouth = m;
    b.look = -0.6;  // at the picture
    b.tail = 0.4;
    b.motion_lines = false;
    if (lit) {
        b.left = Arm::Wave;
        b.wave = 0.3;
    }
    return b;
}

}  // namespace

IconArt mascot_icon(Mouth m, bool lit, double scale)
{
    const Bafo b = mascot(m, lit, scale);
    const BafoPoints p = bafo_points(b);
    auto draw = [=](cairo_t* cr) { draw_bafo(cr, b); };
    auto shape = [=](cairo_t* g) {
        ellipse(g, p.head_x, p.head_y, p.head_rx * 0.9, p.head_ry * 0.9);
        ellipse(g, p.body_x, p.body_y, 15, 16);
    };
    return IconArt{draw, shape};
}

namespace {

// 4: hint. An easel with the little picture on it: "show me the picture".
IconArt hint_icon(const Rect& hot_area, bool lit)
{
    const Rect hot = visible(hot_area);
    // A pixel left of the middle: the board's shadow falls to the right.
    const double cx = cx_of(hot) - 1, top = hot.y, bottom = hot.y + hot.h;
    const double s = lit ? 1.07 : 1.0;
    const double bw = 44 * s, bh = 35 * s;
    const double by = top + 12 - (lit ? 2 : 0);
    const double bx = cx - bw / 2;
    auto leg = [=](cairo_t* cr, double x0, double y0, double x1, double y1, uint32_t wood) {
        cairo_save(cr);
        cairo_move_to(cr, x0, y0);
        cairo_line_to(cr, x1, y1);
        cairo_set_line_width(cr, 8);
        set_rgb(cr, pal::outline);
        cairo_stroke_preserve(cr);
        cairo_set_line_width(cr, 4.5);
        set_rgb(cr, wood);
        cairo_stroke(cr);
        cairo_restore(cr);
    };
    auto draw = [=](cairo_t* cr) {
        const uint32_t wood = lit ? 0xD89A62 : 0xC0834E;
        // Shadow of the legs on the curtain, then the back leg and the two front ones.
        cairo_save(cr);
        set_rgb(cr, 0x1A0F08, lit ? 0.0 : 0.2);
        cairo_set_line_width(cr, 7);
        cairo_move_to(cr, cx - 5 + 3, top + 6);
        cairo_line_to(cr, cx - 20 + 3, bottom - 4);
        cairo_move_to(cr, cx + 5 + 3, top + 6);
        cairo_line_to(cr, cx + 20 + 3, bottom - 4);
        cairo_stroke(cr);
        cairo_restore(cr);
        leg(cr, cx + 1, top + 6, cx + 3, bottom - 10, darken(wood, 0.2));
        leg(cr, cx - 5, top + 5, cx - 20, bottom - 5, wood);
        leg(cr, cx + 5, top + 5, cx + 20, bottom - 5, wood);
        // The board with its picture: sky, sun, hills and a little house.
        paint_shape(cr, [=](cairo_t* g) { rounded_rect(g, bx, by, bw, bh, 3); },
                    Style{pal::white, 0.0, pal::outline, 2.2, !lit, 3, 0.25});
        const double m = 4 * s;
        const double px = bx + m, py = by + m, pw = bw - 2 * m, ph = bh - 2 * m;
        cairo_save(cr);
        cairo_rectangle(cr, px, py, pw, ph);
        cairo_clip(cr);
        fill_vertical_gradient(cr, px, py, pw, ph, pal::sky_top, 0xD4F1FC);
        set_rgb(cr, pal::sun);
        cairo_arc(cr, px + pw * 0.8, py + ph * 0.25, ph * 0.17, 0, 2 * kPi);
        cairo_fill(cr);
        set_rgb(cr, pal::white);
        ellipse(cr, px + pw * 0.3, py + ph * 0.22, pw * 0.13, ph * 0.08);
        cairo_fill(cr);
        set_rgb(cr, 0x9BD874);
        ellipse(cr, px + pw * 0.85, py + ph * 1.05, pw * 0.5, ph * 0.45);
        cairo_fill(cr);
        set_rgb(cr, pal::grass);
        ellipse(cr, px + pw * 0.2, py + ph * 1.12, pw * 0.6, ph * 0.5);
        cairo_fill(cr);
        // The house.
        const double hx = px + pw * 0.52, hy = py + ph * 0.5, hw = pw * 0.22;
        set_rgb(cr, pal::red);
        cairo_rectangle(cr, hx, hy, hw, hw * 0.8);
        cairo_fill(cr);
        set_rgb(cr, 0x8E3B2B);
        cairo_move_to(cr, hx - hw * 0.2, hy + 0.5);
        cairo_line_to(cr, hx + hw / 2, hy - hw * 0.55);
        cairo_line_to(cr, hx + hw * 1.2, hy + 0.5);
        cairo_close_path(cr);
        cairo_fill(cr);
        set_rgb(cr, pal::sun);
        cairo_rectangle(cr, hx + hw * 0.35, hy + hw * 0.25, hw * 0.3, hw * 0.3);
        cairo_fill(cr);
        cairo_restore(cr);
        set_rgb(cr, pal::outline, 0.6);
        cairo_set_line_width(cr, 1);
        cairo_rectangle(cr, px, py, pw, ph);
        cairo_stroke(cr);
        // The ledge the board stands on.
        paint_shape(cr, [=](cairo_t* g) { rounded_rect(g, cx - 22 * s, by + bh - 1, 44 * s, 6, 2.5); },
                    Style{wood, 0.3, pal::outline, 2, false});
        if (lit) {
            twinkle(cr, bx + bw - 6, by + 3, 5);
            twinkle(cr, bx + 3, by + bh - 4, 4);
        }
    };
    auto shape = [=](cairo_t* g) { rounded_rect(g, bx, by, bw, bh, 3); };
    return IconArt{draw, shape};
}

}  // namespace

// 5: best results. A gold cup with a red star.
IconArt best_icon(const Rect& hot, bool lit)
{
    const double cx = cx_of(hot);
    const double s = lit ? 1.08 : 1.0;
    const double mid = hot.y + hot.h / 2.0 + 3;  // grows about its middle
    auto Y = [=](double v) { return mid + (v - 23) * s; };
    auto X = [=](double v) { return cx + v * s; };
    const uint32_t gold = lit ? 0xFFD95A : 0xF5C02E;
    auto draw = [=](cairo_t* cr) {
        // Handles first: the bowl covers their inner ends.
        cairo_save(cr);
        for (int k : {-1, 1}) {
            cairo_new_sub_path(cr);
            if (k < 0)
                cairo_arc_negative(cr, X(-15), Y(10), 8 * s, -kPi / 2, kPi / 2);
            else
                cairo_arc(cr, X(15), Y(10), 8 * s, -kPi / 2, kPi / 2);
            cairo_set_line_width(cr, 8 * s);
            set_rgb(cr, pal::outline);
            cairo_stroke_preserve(cr);
            cairo_set_line_width(cr, 4 * s);
            set_rgb(cr, gold);
            cairo_stroke(cr);
        }
        cairo_restore(cr);
        const bool shadow = !lit;
        // Plinth, foot, stem, bowl.
        paint_shape(cr, [=](cairo_t* g) { rounded_rect(g, X(-15), Y(38), 30 * s, 8 * s, 2.5); },
                    Style{0xB0532E, 0.3, pal::outline, 2, shadow, 3, 0.25});
        paint_shape(cr, [=](cairo_t* g) {
            cairo_move_to(g, X(-8), Y(32));
            cairo_line_to(g, X(8), Y(32));
            cairo_line_to(g, X(11), Y(38));
            cairo_line_to(g, X(-11), Y(38));
            cairo_close_path(g);
        }, Style{gold, 0.4, pal::outline, 2, false});
        paint_shape(cr, [=](cairo_t* g) {
            cairo_rectangle(g, X(-3), Y(25), 6 * s, 8 * s);
            ellipse(g, X(0), Y(28), 5.5 * s, 2.5 * s);
        }, Style{gold, 0.4, pal::outline, 2, false});
        paint_shape(cr, [=](cairo_t* g) {
            cairo_move_to(g, X(-17), Y(0));
            cairo_line_to(g, X(17), Y(0));
            cairo_curve_to(g, X(17), Y(16), X(9), Y(24), X(3), Y(26));
            cairo_line_to(g, X(-3), Y(26));
            cairo_curve_to(g, X(-9), Y(24), X(-17), Y(16), X(-17), Y(0));
            cairo_close_path(g);
        }, Style{gold, 0.45, pal::outline, 2.2, shadow, 3, 0.25});
        // The rim's inside, a shine and the star.
        cairo_save(cr);
        set_rgb(cr, darken(gold, 0.25));
        ellipse(cr, X(0), Y(1.5), 14.5 * s, 2.2 * s);
        cairo_fill(cr);
        set_rgb(cr, pal::white, 0.6);
        cairo_move_to(cr, X(-12), Y(5));
        cairo_curve_to(cr, X(-12), Y(13), X(-9), Y(18), X(-5), Y(21));
        cairo_set_line_width(cr, 2.5 * s);
        cairo_stroke(cr);
        cairo_restore(cr);
        paint_shape(cr, [=](cairo_t* g) { star_path(g, X(1), Y(11.5), 7.5 * s, 3.4 * s, 5); },
                    Style{pal::red, 0.3, pal::outline, 1.4, false});
        if (lit) {
            twinkle(cr, X(21), Y(6), 4.5);
            twinkle(cr, X(-22), Y(24), 3.5);
        }
    };
    auto shape = [=](cairo_t* g) {
        ellipse(g, X(0), Y(12), 18 * s, 15 * s);
        rounded_rect(g, X(-14), Y(30), 28 * s, 15 * s, 4);
    };
    return IconArt{draw, shape};
}

// --- pictures of icons ------------------------------------------------------------

// The icon's rectangle of the bare theatre with the icon on it.
Canvas icon_picture(const Canvas& bare, const Rect& r, bool lit, const IconArt& art, const std::vector<Box>& keep_clear)
{
    Canvas c = bare.crop(r.x, r.y, r.w, r.h);
    cairo_t* cr = c.cr();
    if (lit) {
        const Box inside{0, 0, double(r.w), double(r.h)};
        std::vector<Box> avoid;
        for (const Box& b : keep_clear)
            avoid.push_back(Box{b.x - r.x, b.y - r.y, b.w, b.h});
        glow(c, [&](cairo_t* g) {
            cairo_save(g);
            cairo_translate(g, -r.x, -r.y);
            art.glow(g);
            cairo_restore(g);
        }, pal::glow, 10, 2.4, &inside, avoid);
    }
    cairo_save(cr);
    cairo_translate(cr, -r.x, -r.y);
    if (lit)
        brighter(cr, art.draw);
    else
        art.draw(cr);
    cairo_restore(cr);
    return c;
}

// The picture is copied over the screen as a rectangle: its outer pixels must
// be the theatre's own, or the icon would be cut off at the edge.
void require_clear_edge(const Canvas& pic, const Canvas& bare, const Rect& r, const std::string& what)
{
    for (int y = 0; y < r.h; ++y)
        for (int x = 0; x < r.w; ++x) {
            if (x >= 1 && y >= 1 && x < r.w - 1 && y < r.h - 1)
                continue;
            if (pic.pixel(x, y) != bare.pixel(r.x + x, r.y + y))
                throw std::runtime_error(what + " reaches the edge of its picture " + at(r) + " at (" +
                                         std::to_string(x) + ", " + std::to_string(y) + ")");
        }
}

namespace {

bool overlap(const Rect& a, const Rect& b)
{
    return std::max(a.x, b.x) < std::min(a.x + a.w, b.x + b.w) && std::max(a.y, b.y) < std::min(a.y + a.h, b.y + b.h);
}

bool covers(const Rect& outer, const Rect& inner)
{
    return inner.x >= outer.x && inner.y >= outer.y && inner.x + inner.w <= outer.x + outer.w &&
           inner.y + inner.h <= outer.y + outer.h;
}

void require_layout(const Look& look)
{
    for (int i = 0; i < 6; ++i) {
        const Rect& l = kLit[size_t(i)];
        if (!covers(Rect{0, 0, kW, kH}, l) || overlap(l, kPicture))
            throw std::runtime_error("lit picture " + std::to_string(i) + " " + at(l) + " leaves the frame");
        if (!covers(l, visible(look.hot[size_t(i)])))
            throw std::runtime_error("lit picture " + std::to_string(i) + " " + at(l) + " does not cover hot area " +
                                     at(look.hot[size_t(i)]));
        for (int j = 0; j < 6; ++j)
            if (j != i && (overlap(l, kLit[size_t(j)]) || overlap(l, look.hot[size_t(j)])))
                throw std::runtime_error("lit picture " + std::to_string(i) + " overlaps icon " + std::to_string(j));
        if (overlap(l, look.label))
            throw std::runtime_error("lit picture " + std::to_string(i) + " covers the label");
    }
}

IconArt icon_art(const Look& look, int i, bool lit, int level = 1, Mouth m = Mouth::Closed)
{
    const Rect& hot = look.art[size_t(i)].w > 0 ? look.art[size_t(i)] : look.hot[size_t(i)];
    switch (i) {
    case kBack: return back_icon(hot, lit);
    case kLevel: return level_icon(hot, level, lit);
    case kShuffle: return shuffle_icon(hot, lit);
    case kMascot: return mascot_icon(m, lit);
    case kHint: return hint_icon(hot, lit);
    default: return best_icon(hot, lit);
    }
}

}  // namespace

void write_frame(const std::filesystem::path& root, const Look& look)
{
    require_layout(look);
    const std::filesystem::path dir = root / look.dir;
    const Canvas bare = bare_theatre(look);

    auto picture = [&](int i, bool lit, int level = 1, Mouth m = Mouth::Closed) {
        const Rect& r = kLit[size_t(i)];
        Canvas c = icon_picture(bare, r, lit, icon_art(look, i, lit, level, m));
        require_clear_edge(c, bare, r, "icon " + std::to_string(i) + (lit ? " lit" : ""));
        return c;
    };

    Canvas bg = bare.crop(0, 0, kW, kH);
    for (int i = 0; i < 6; ++i)
        bg.paste(picture(i, false), kLit[size_t(i)].x, kLit[size_t(i)].y);
    bg.save_bmp(dir / "BG.BMP");

    const struct {
        int icon;
        const char* file;
    } lit[] = {{kBack, "ZPET.BMP"}, {kShuffle, "ZAMI.BMP"}, {kMascot, "BAFO.BMP"}, {kHint, "HELP.BMP"}, {kBest, "NEJL.BMP"}};
    for (const auto& l : lit)
        picture(l.icon, true).save_bmp(dir / l.file);

    write_levels_and_mouth(
        dir, [&](int level, bool lit) { return picture(kLevel, lit, level); },
        [&](Mouth m) { return picture(kMascot, false, 1, m); });
}

void write_levels_and_mouth(const std::filesystem::path& dir, const std::function<Canvas(int level, bool lit)>& level_icon,
                            const std::function<Canvas(Mouth)>& bafo)
{
    for (int level = 1; level <= 3; ++level) {
        const std::string n = std::to_string(level);
        level_icon(level, false).save_bmp(dir / ("SLOZ_" + n + ".BMP"));
        level_icon(level, true).save_bmp(dir / ("SLOZ_" + n + "1.BMP"));
    }
    // Frame 0 is the very picture BG got, so talking ends on BG's own pixels.
    const Mouth mouths[4] = {Mouth::Closed, Mouth::Half, Mouth::Open, Mouth::Round};
    Canvas strip(kMouthW * 4, kMouthH);
    for (int f = 0; f < 4; ++f)
        strip.paste(bafo(mouths[f]), f * kMouthW, 0);
    strip.save_bmp(dir / "BAFO_ANI.BMP");
}

void write_pointers(const std::filesystem::path& root, const std::string& dir)
{
    pointer_busy().save_bmp(root / dir / "KURZOR.BMP");
    pointer_hand().save_bmp(root / dir / "RUKA.BMP");
}

void expect_pointers(std::vector<Expect>& out, const std::string& dir)
{
    for (const char* name : {"KURZOR.BMP", "RUKA.BMP"})
        out.push_back(bitmap_expect(dir + name, 32, 32));
}

void expect_frame(std::vector<Expect>& out, const Look& look)
{
    auto bmp = [&](const std::string& name, int w, int h) { out.push_back(bitmap_expect(look.dir + name, w, h)); };
    bmp("BG.BMP", kW, kH);
    bmp("ZPET.BMP", kLit[kBack].w, kLit[kBack].h);
    bmp("ZAMI.BMP", kLit[kShuffle].w, kLit[kShuffle].h);
    bmp("BAFO.BMP", kLit[kMascot].w, kLit[kMascot].h);
    bmp("HELP.BMP", kLit[kHint].w, kLit[kHint].h);
    bmp("NEJL.BMP", kLit[kBest].w, kLit[kBest].h);
    for (const char* n : {"1", "2", "3", "11", "21", "31"})
        bmp(std::string("SLOZ_") + n + ".BMP", kLit[kLevel].w, kLit[kLevel].h);
    bmp("BAFO_ANI.BMP", kMouthW * 4, kMouthH);
}

// --- pointers ---------------------------------------------------------------------

// Antialiased drawing made two-tone: what is mostly covered keeps its colour
// (the dark outline at the edges), the rest becomes the key colour.
Canvas keyed_pointer(const Canvas& layer)
{
    Canvas out(layer.w(), layer.h());
    uint32_t* d = out.data();
    const int stride = out.stride_words();
    for (int y = 0; y < layer.h(); ++y)
        for (int x = 0; x < layer.w(); ++x) {
            const bool solid = layer.alpha(x, y) >= 128 && !(x == 0 && y == 0);
            d[size_t(y) * size_t(stride) + size_t(x)] = 0xFF000000u | (solid ? layer.pixel(x, y) : pal::key);
        }
    out.mark_dirty();
    return out;
}

Canvas pointer_hand()
{
    Canvas layer(32, 32, Canvas::Format::Alpha);
    cairo_t* cr = layer.cr();
    const double lw = 1.3;
    const double fx = kHandHotX + 0.5;  // the finger's middle
    // Cuff of orange fur first; the hand sits in it.
    paint_shape(cr, [](cairo_t* g) { rounded_rect(g, 8.5, 24, 15.5, 6.8, 2.5); }, Style{pal::fur, 0.3, pal::outline, lw, false});
    paint_shape(cr, [=](cairo_t* g) {
        rounded_rect(g, fx - 3.4, kHandHotY + 0.6, 6.8, 16, 3.4);   // the pointing finger
        rounded_rect(g, fx - 3.4, 11.5, 19.5, 13.5, 4.5);           // palm
        rounded_rect(g, fx + 3.2, 10.2, 5.4, 7.5, 2.6);             // folded fingers
        rounded_rect(g, fx + 8.4, 11.2, 5.0, 7.5, 2.4);
        rounded_rect(g, fx + 13.0, 12.6, 4.4, 7.0, 2.2);
        cairo_save(g);                                              // thumb
        cairo_translate(g, fx - 4.2, 19.0);
        cairo_rotate(g, -0.5);
        ellipse(g, 0, 0, 4.2, 2.8);
        cairo_restore(g);
    }, Style{pal::muzzle, 0.25, pal::outline, lw, false});
    cairo_save(cr);
    set_rgb(cr, pal::outline);
    cairo_set_line_width(cr, 1.1);
    for (double x : {fx + 8.4, fx + 13.0}) {
        cairo_move_to(cr, x, 13.5);
        cairo_line_to(cr, x, 17.5);
    }
    cairo_move_to(cr, fx + 3.2, 13);
    cairo_line_to(cr, fx + 3.2, 17.5);
    cairo_stroke(cr);
    // A pink pad on the palm: it is Bafo's paw.
    set_rgb(cr, pal::cheek);
    ellipse(cr, fx + 8, 21.2, 3.2, 2.2);
    cairo_fill(cr);
    cairo_restore(cr);
    return keyed_pointer(layer);
}

Canvas pointer_busy()
{
    Canvas layer(32, 32, Canvas::Format::Alpha);
    cairo_t* cr = layer.cr();
    // A star turning round while the tiles are mixed: two swoosh arcs around it.
    const double px = 21.5, py = 21.5;
    cairo_save(cr);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (int k = 0; k < 2; ++k) {
        // Top right and bottom left, clear of the arrow.
        const double a0 = k * kPi - 1.35;
        cairo_new_sub_path(cr);
        cairo_arc(cr, px, py, 9.3, a0, a0 + 1.3);
        set_rgb(cr, pal::outline);
        cairo_set_line_width(cr, 4.2);
        cairo_stroke_preserve(cr);
        set_rgb(cr, k ? pal::blue : pal::red);
        cairo_set_line_width(cr, 2);
        cairo_stroke(cr);
    }
    cairo_restore(cr);
    paint_shape(cr, [=](cairo_t* g) { star_path(g, px, py, 7.2, 3.3, 5, 0.3); }, Style{0xFFD23F, 0.4, pal::outline, 1.1, false});
    // The arrow, its tip on the hot spot.
    const double tx = kBusyHotX + 0.5, ty = kBusyHotY + 0.5;
    paint_shape(cr, [=](cairo_t* g) {
        cairo_move_to(g, tx, ty);
        cairo_line_to(g, tx, ty + 16);
        cairo_line_to(g, tx + 4, ty + 12.2);
        cairo_line_to(g, tx + 6.8, ty + 18.2);
        cairo_line_to(g, tx + 9.6, ty + 17);
        cairo_line_to(g, tx + 6.9, ty + 11.2);
        cairo_line_to(g, tx + 12, ty + 11.2);
        cairo_close_path(g);
    }, Style{pal::white, 0.0, pal::outline, 1.2, false});
    return keyed_pointer(layer);
}

// --- the fifteen puzzle ------------------------------------------------------------

namespace {

// A small board of sliding tiles with the empty place in the corner.
void emblem_fifteen(cairo_t* cr, double r)
{
    const double side = r * 1.5, t = side / 3;
    const uint32_t cols[8] = {pal::red, pal::orange, pal::sun, 0x4CB944, pal::teal, pal::blue, pal::violet, pal::pink};
    paint_shape(cr, [=](cairo_t* g) { rounded_rect(g, -side / 2 - 2, -side / 2 - 2, side + 4, side + 4, 3); },
                flat(0x8A5A3A, 1.4, 0.2));
    set_rgb(cr, darken(0x8A5A3A, 0.45));
    cairo_rectangle(cr, side / 2 - t + 0.4, side / 2 - t + 0.4, t - 0.8, t - 0.8);
    cairo_fill(cr);
    for (int i = 0; i < 8; ++i) {
        const double x = -side / 2 + (i % 3) * t, y = -side / 2 + (i / 3) * t;
        paint_shape(cr, [=](cairo_t* g) { rounded_rect(g, x + 0.5, y + 0.5, t - 1, t - 1, 1.8); },
                    Style{cols[i], 0.45, pal::outline, 0.8, false});
    }
}

Look fifteen()
{
    return Look{"BAFO_CS/15/",
                {{{20, 545, 86, 46}, {180, 525, 71, 71}, {580, 520, 56, 81}, {735, 515, 66, 86}, {745, 5, 56, 86}, {0, 0, 66, 51}}},
                {365, 570, 71, 31},
                mix(pal::sky_top, pal::blue, 0.6),
                emblem_fifteen};
}

void run15(const std::filesystem::path& root)
{
    const Look look = fifteen();
    write_frame(root, look);
    write_pointers(root, look.dir);
}

void expect15(std::vector<Expect>& out)
{
    const Look look = fifteen();
    expect_frame(out, look);
    expect_pointers(out, look.dir);
}

}  // namespace

Generator gen_frame15() { return Generator{"frame15", run15, expect15}; }

static const Registered registered{gen_frame15};

}  // namespace datagen::frame
