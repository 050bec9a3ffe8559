#include "pictures_kit.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace datagen::pics {

namespace {
bool overlaps(const Box& a, const Box& b)
{
    return a.x < b.x + b.w && b.x < a.x + a.w && a.y < b.y + b.h && b.y < a.y + a.h;
}

bool clear_of(const Box& b, const std::vector<Box>& avoid)
{
    for (const Box& a : avoid)
        if (overlaps(a, b))
            return false;
    return true;
}

}  // namespace

Local::Local(cairo_t* c, double x, double y, double s, bool mirror) : cr(c), lw(kLine / s)
{
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, mirror ? -s : s, s);
}

Local::~Local() { cairo_restore(cr); }

void thick_line(cairo_t* cr, double width, uint32_t colour, double lw)
{
    cairo_set_line_width(cr, width + 2 * lw);
    set_rgb(cr, pal::outline);
    cairo_stroke_preserve(cr);
    cairo_set_line_width(cr, width);
    set_rgb(cr, colour);
    cairo_stroke(cr);
}

void ground_shadow(cairo_t* cr, double cx, double rx)
{
    set_rgb(cr, 0x1A0F08, 0.2);
    ellipse(cr, cx, 0, rx, rx * 0.1);
    cairo_fill(cr);
}

Style st(uint32_t fill, double line, bool shadow, double shade)
{
    Style s;
    s.fill = fill;
    s.line_width = line;
    s.shadow = shadow;
    s.shade = shade;
    return s;
}

void shape(cairo_t* cr, const PathFn& path, uint32_t fill, double line, bool shadow, double shade)
{
    paint_shape(cr, path, st(fill, line, shadow, shade));
}

// ---------------------------------------------------------------------------
// Skies and weather

void sky(cairo_t* cr, double y1, uint32_t top, uint32_t bottom)
{
    fill_vertical_gradient(cr, -2, -2, kW + 4, y1 + 2, top, bottom);
}

void day_sky(cairo_t* cr, Rng& rng, const SkySpec& s)
{
    sky(cr, s.horizon + 30, s.top, s.bottom);
    cairo_save(cr);
    if (s.sun_r > 0) {
        // Wide pale rays fanning out from the sun over the whole sky.
        const int n = 16;
        for (int i = 0; i < n; i += 2) {
            const double a = i * 2 * kPi / n + 0.1, w = kPi / n;
            cairo_move_to(cr, s.sun_x, s.sun_y);
            cairo_line_to(cr, s.sun_x + 1200 * std::cos(a - w / 2), s.sun_y + 1200 * std::sin(a - w / 2));
            cairo_line_to(cr, s.sun_x + 1200 * std::cos(a + w / 2), s.sun_y + 1200 * std::sin(a + w / 2));
            cairo_close_path(cr);
        }
        cairo_pattern_t* p = cairo_pattern_create_radial(s.sun_x, s.sun_y, s.sun_r, s.sun_x, s.sun_y, 700);
        cairo_pattern_add_color_stop_rgba(p, 0, 1, 1, 0.85, 0.35);
        cairo_pattern_add_color_stop_rgba(p, 1, 1, 1, 0.85, 0.1);
        cairo_set_source(cr, p);
        cairo_fill(cr);
        cairo_pattern_destroy(p);
    }
    // Thin high streaks, in loose rows.
    for (int i = 0; i < 16; ++i) {
        const double x = rng.range(-40, kW + 40), y = rng.range(20, s.horizon - 30);
        const double w = rng.range(40, 110);
        set_rgb(cr, pal::white, rng.range(0.35, 0.6));
        rounded_rect(cr, x - w / 2, y - 3, w, 6, 3);
        cairo_fill(cr);
        rounded_rect(cr, x - w * 0.2, y + 6, w * 0.6, 5, 2.5);
        cairo_fill(cr);
    }
    cairo_restore(cr);
    if (s.sun_r > 0)
        sun(cr, s.sun_x, s.sun_y, s.sun_r);
    std::vector<Box> avoid = s.keep_clear;
    if (s.sun_r > 0)
        avoid.push_back(Box{s.sun_x - s.sun_r * 2, s.sun_y - s.sun_r * 2, s.sun_r * 4, s.sun_r * 4});
    clouds(cr, rng, 45, s.horizon - 40, s.clouds, s.cloud_min, s.cloud_max, 0.97, avoid);
    birds(cr, rng, Box{30, 30, kW - 60, std::max(20.0, s.horizon - 110)}, s.birds, s.bird_colour);
}

void sky_bits(cairo_t* cr, Rng& rng, double x, double y, double room)
{
    const uint32_t colours[] = {pal::red, pal::sun, 0x4D8FE8, pal::pink, 0x9B6BD3, pal::orange};
    const double pick = rng.uniform();
    if (pick < 0.8) {
        // A little cloud with a soft rim, so it shows on pale skies too.
        const double w = std::min(room * 2.4, rng.range(38, 52));
        auto puffs = [=](cairo_t* c) {
            const double p[][3] = {{-0.28, 0.04, 0.2}, {-0.05, -0.1, 0.26}, {0.22, -0.02, 0.21}, {0.36, 0.07, 0.13}};
            for (auto& q : p) {
                cairo_new_sub_path(c);
                cairo_arc(c, x + q[0] * w, y + q[1] * w, q[2] * w, 0, 2 * kPi);
            }
            rounded_rect(c, x - 0.44 * w, y + 0.02 * w, 0.92 * w, 0.18 * w, 0.09 * w);
        };
        cairo_save(cr);
        cairo_push_group(cr);
        cairo_set_line_width(cr, 3);
        set_rgb(cr, 0x9CC6E0);
        puffs(cr);
        cairo_stroke(cr);
        puffs(cr);
        set_vertical_gradient(cr, y - 0.3 * w, y + 0.2 * w, pal::white, 0xE6F2FA);
        cairo_fill(cr);
        cairo_pop_group_to_source(cr);
        cairo_paint_with_alpha(cr, 0.97);
        cairo_restore(cr);
    } else if (pick < 0.9) {
        birds(cr, rng, Box{x - room * 0.5, y - room * 0.3, room, room * 0.6}, 2);
    } else {
        balloon(cr, x, y - room * 0.35, room * 0.38, colours[rng.below(6)], room * 0.7, rng.range(-0.5, 0.5));
    }
}

Filler land_bits(double horizon)
{
    return [horizon](cairo_t* cr, Rng& rng, double x, double y, double room) {
        if (y < horizon) {
            sky_bits(cr, rng, x, y, room);
            return;
        }
        const uint32_t petals[] = {pal::pink, pal::red, 0xC9A3F0, pal::sun, pal::white};
        flower(cr, x - room * 0.3, y - 4, 6, petals[rng.below(5)], rng.range(0, 1));
        flower(cr, x + room * 0.35, y + 2, 5, petals[rng.below(5)], rng.range(0, 1));
    };
}

Filler night_bits(double horizon)
{
    return [horizon](cairo_t* cr, Rng& rng, double x, double y, double room) {
        if (y >= horizon)
            return;
        const uint32_t tints[] = {pal::white, 0xFFF3B0, 0xCFE6FF};
        if (rng.chance(0.5))
            twinkle_star(cr, x, y, std::min(room * 0.5, rng.range(6, 9)), 0xFFE45C, rng.range(-0.3, 0.3));
        else
            sparkle(cr, x, y, std::min(room * 0.6, rng.range(7, 11)), tints[rng.below(3)], 0.95);
    };
}

Filler sea_bits(double sand)
{
    return [sand](cairo_t* cr, Rng& rng, double x, double y, double room) {
        const uint32_t colours[] = {pal::sun, pal::orange, pal::pink, 0xB5E04B, 0xFF7A5A, 0x9B6BD3};
        if (y >= sand) {
            if (rng.chance(0.5))
                shell(cr, x, y, room * 0.8, colours[rng.below(6)], rng.range(-0.5, 0.5));
            else
                starfish(cr, x, y, room * 0.55, colours[rng.below(6)], rng.range(0, 1));
            return;
        }
        if (rng.chance(0.6)) {
            fish(cr, x, y, room * 1.3, colours[rng.below(6)], colours[rng.below(6)], rng.chance(0.5));
        } else {
            for (int k = 0; k < 3; ++k)
                bubble(cr, x + rng.range(-room * 0.5, room * 0.5), y + room * (0.5 - k * 0.45), rng.range(3.5, 7));
        }
    };
}

void fill_plain_spots(Canvas& c, Rng& rng, const Filler& f, const std::vector<Box>& keep_out)
{
    const int w = c.w(), h = c.h();
    std::vector<float> lum(size_t(w) * size_t(h));
    auto measure = [&] {
        const uint32_t* d = c.data();
        const int stride = c.stride_words();
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const uint32_t p = d[size_t(y) * size_t(stride) + size_t(x)];
                lum[size_t(y) * size_t(w) + size_t(x)] =
                    0.299f * float((p >> 16) & 0xFF) + 0.587f * float((p >> 8) & 0xFF) + 0.114f * float(p & 0xFF);
            }
    };
    measure();
    const int win = 64, step = 32;
    auto edges_in = [&](int x0, int y0, int x1, int y1) {
        x0 = std::max(x0, 0), y0 = std::max(y0, 0), x1 = std::min(x1, w - 1), y1 = std::min(y1, h - 1);
        int edges = 0;
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x) {
                const float l = lum[size_t(y) * size_t(w) + size_t(x)];
                if (std::fabs(l - lum[size_t(y) * size_t(w) + size_t(x + 1)]) > 20 ||
                    std::fabs(l - lum[size_t(y + 1) * size_t(w) + size_t(x)]) > 20)
                    ++edges;
            }
        return edges;
    };
    // The small thing must land on an empty patch: never over a line of the picture.
    auto spot = [&](int x0, int y0, double room, double& sx, double& sy) {
        // A random nudge first, so the small things do not line up in rows.
        const double jx = rng.range(-10, 10), jy = rng.range(-10, 10);
        for (double dy : {jy, 0.0, -12.0, 12.0})
            for (double dx : {jx, 0.0, -12.0, 12.0}) {
                const double x = x0 + win / 2 + dx, y = y0 + win / 2 + dy;
                const Box b{x - room, y - room, 2 * room, 2 * room};
                if (!clear_of(b, keep_out))
                    continue;
                if (edges_in(int(b.x), int(b.y), int(b.x + b.w), int(b.y + b.h)) > 4)
                    continue;
                sx = x;
                sy = y;
                return true;
            }
        return false;
    };
    for (int y0 = 0; y0 + win <= h; y0 += step)
        for (int x0 = 0; x0 + win <= w; x0 += step)
            for (int attempt = 0; attempt < 3 && edges_in(x0, y0, x0 + win - 1, y0 + win - 1) < 100; ++attempt) {
                double x = 0, y = 0, room = 20;
                if (!spot(x0, y0, room, x, y) && !spot(x0, y0, room = 14, x, y))
                    break;
                f(c.cr(), rng, x, y, room);
                measure();
            }
}

void clouds(cairo_t* cr, Rng& rng, double y0, double y1, int count, double wmin, double wmax, double alpha,
            const std::vector<Box>& avoid)
{
    // Spread across the width in slots so that they never pile up in one corner.
    for (int i = 0; i < count; ++i) {
        for (int attempt = 0; attempt < 12; ++attempt) {
            const double w = rng.range(wmin, wmax);
            const double slot = double(kW + 60) / count;
            const double x = -30 + slot * (i + rng.range(0.1, 0.9));
            const double y = rng.range(y0, y1);
            const Box b{x - w * 0.5, y - w * 0.35, w, w * 0.55};
            if (!clear_of(b, avoid))
                continue;
            cloud(cr, x, y, w, alpha);
            break;
        }
    }
}

void birds(cairo_t* cr, Rng& rng, const Box& area, int count, uint32_t colour)
{
    cairo_save(cr);
    set_rgb(cr, colour, 0.85);
    cairo_set_line_width(cr, 2);
    for (int i = 0; i < count; ++i) {
        const double x = rng.range(area.x, area.x + area.w);
        const double y = rng.range(area.y, area.y + area.h);
        const double s = rng.range(5, 9);
        const double flap = rng.range(-0.25, 0.25);
        cairo_move_to(cr, x - s, y - s * (0.2 + flap));
        cairo_curve_to(cr, x - s * 0.6, y - s * 0.6, x - s * 0.2, y - s * 0.5, x, y);
        cairo_curve_to(cr, x + s * 0.2, y - s * 0.5, x + s * 0.6, y - s * 0.6, x + s, y - s * (0.2 - flap));
        cairo_stroke(cr);
    }
    cairo_restore(cr);
}

void sparkle(cairo_t* cr, double x, double y, double r, uint32_t colour, double alpha)
{
    cairo_save(cr);
    cairo_pattern_t* p = cairo_pattern_create_radial(x, y, 0, x, y, r * 1.3);
    cairo_pattern_add_color_stop_rgba(p, 0, 1, 1, 1, 0.6 * alpha);
    cairo_pattern_add_color_stop_rgba(p, 1, 1, 1, 1, 0);
    cairo_set_source(cr, p);
    cairo_arc(cr, x, y, r * 1.3, 0, 2 * kPi);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    set_rgb(cr, colour, alpha);
    cairo_move_to(cr, x, y - r);
    cairo_curve_to(cr, x + r * 0.12, y - r * 0.12, x + r * 0.12, y - r * 0.12, x + r, y);
    cairo_curve_to(cr, x + r * 0.12, y + r * 0.12, x + r * 0.12, y + r * 0.12, x, y + r);
    cairo_curve_to(cr, x - r * 0.12, y + r * 0.12, x - r * 0.12, y + r * 0.12, x - r, y);
    cairo_curve_to(cr, x - r * 0.12, y - r * 0.12, x - r * 0.12, y - r * 0.12, x, y - r);
    cairo_close_path(cr);
    cairo_fill(cr);
    cairo_restore(cr);
}

void sparkles(cairo_t* cr, Rng& rng, const Box& area, int count, double rmin, double rmax, uint32_t colour,
              double alpha)
{
    for (int i = 0; i < count; ++i)
        sparkle(cr, rng.range(area.x, area.x + area.w), rng.range(area.y, area.y + area.h),
                rng.range(rmin, rmax), colour, alpha);
}

void rainbow(cairo_t* cr, double cx, double cy, double r, double band, double alpha)
{
    const uint32_t bands[] = {0xFF5E5B, 0xFF9F43, 0xFFD93B, 0x7CCB5B, 0x4D8FE8, 0x9B6BD3};
    cairo_save(cr);
    cairo_push_group(cr);
    for (int i = 0; i < 6; ++i) {
        cairo_new_path(cr);
        cairo_arc(cr, cx, cy, r - band * (i + 0.5), kPi, 2 * kPi);
        cairo_set_line_width(cr, band + 0.8);
        set_rgb(cr, bands[i]);
        cairo_stroke(cr);
    }
    // A pale stripe along each band gives it some roundness.
    for (int i = 0; i < 6; ++i) {
        cairo_new_path(cr);
        cairo_arc(cr, cx, cy, r - band * (i + 0.25), kPi, 2 * kPi);
        cairo_set_line_width(cr, band * 0.2);
        set_rgb(cr, pal::white, 0.25);
        cairo_stroke(cr);
    }
    cairo_pop_group_to_source(cr);
    cairo_paint_with_alpha(cr, alpha);
    cairo_restore(cr);
}

void sun_rays(cairo_t* cr, double cx, double cy, int count, double length, uint32_t colour, double alpha)
{
    cairo_save(cr);
    for (int i = 0; i < count; ++i) {
        const double a = i * 2 * kPi / count;
        const double w = kPi / count * 0.55;
        cairo_move_to(cr, cx, cy);
        cairo_line_to(cr, cx + length * std::cos(a - w), cy + length * std::sin(a - w));
        cairo_line_to(cr, cx + length * std::cos(a + w), cy + length * std::sin(a + w));
        cairo_close_path(cr);
    }
    cairo_pattern_t* p = cairo_pattern_create_radial(cx, cy, 0, cx, cy, length);
    cairo_pattern_add_color_stop_rgba(p, 0, ((colour >> 16) & 255) / 255.0, ((colour >> 8) & 255) / 255.0,
                                      (colour & 255) / 255.0, alpha);
    cairo_pattern_add_color_stop_rgba(p, 1, ((colour >> 16) & 255) / 255.0, ((colour >> 8) & 255) / 255.0,
                                      (colour & 255) / 255.0, alpha * 0.15);
    cairo_set_source(cr, p);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    cairo_restore(cr);
}

void snowflakes(cairo_t* cr, Rng& rng, const Box& area, int count, double rmin, double rmax)
{
    cairo_save(cr);
    for (int i = 0; i < count; ++i) {
        const double x = rng.range(area.x, area.x + area.w);
        const double y = rng.range(area.y, area.y + area.h);
        const double r = rng.range(rmin, rmax);
        if (r > 4.5) {
            // A proper six-armed flake.
            cairo_set_line_width(cr, std::max(1.2, r * 0.18));
            const double turn = rng.range(0, kPi);
            set_rgb(cr, 0x9CC6E0, 0.8);
            for (int pass = 0; pass < 2; ++pass) {
                const double off = pass ? 0 : 1;
                if (pass)
                    set_rgb(cr, pal::white, 0.95);
                for (int k = 0; k < 6; ++k) {
                    const double a = turn + k * kPi / 3;
                    const double ex = x + off + r * std::cos(a), ey = y + off + r * std::sin(a);
                    cairo_move_to(cr, x + off, y + off);
                    cairo_line_to(cr, ex, ey);
                    const double bx = x + off + r * 0.55 * std::cos(a), by = y + off + r * 0.55 * std::sin(a);
                    for (int s : {-1, 1}) {
                        cairo_move_to(cr, bx, by);
                        cairo_line_to(cr, bx + r * 0.3 * std::cos(a + s * 0.8), by + r * 0.3 * std::sin(a + s * 0.8));
                    }
                }
                cairo_stroke(cr);
            }
        } else {
            set_rgb(cr, pal::white, rng.range(0.7, 1.0));
            cairo_arc(cr, x, y, r, 0, 2 * kPi);
            cairo_fill(cr);
        }
    }
    cairo_restore(cr);
}

// ---------------------------------------------------------------------------
// Land

void meadow(cairo_t* cr, Rng& rng, double top, uint32_t light, uint32_t dark, int blades, int flower_count,
            const std::vector<Box>& no_flowers)
{
    hill(cr, kW, kH, top, 6, 0.012, rng.range(0, 6), light, dark);
    grass_blades(cr, rng, -10, kW + 10, top + 8, kH + 6, blades, mix(light, dark, 0.5));
    flowers(cr, rng, Box{8, top + 14, kW - 16, kH - top - 18}, flower_count, 4, 8, no_flowers);
}

void flowers(cairo_t* cr, Rng& rng, const Box& area, int count, double rmin, double rmax,
             const std::vector<Box>& avoid)
{
    const uint32_t petals[] = {pal::pink, pal::red, 0xC9A3F0, pal::sun, pal::orange, pal::white};
    for (int i = 0; i < count; ++i) {
        const double x = rng.range(area.x, area.x + area.w);
        const double t = rng.uniform();
        const double y = area.y + area.h * t;
        const double r = rmin + (rmax - rmin) * t;
        const uint32_t colour = petals[rng.below(6)];
        const double turn = rng.range(0, 1.2);
        if (!clear_of(Box{x - r, y - r, 2 * r, 3.6 * r}, avoid))
            continue;
        flower(cr, x, y, r, colour, turn);
    }
}

void fence(cairo_t* cr, double x0, double x1, double ground, double height, uint32_t wood)
{
    const double lw = 2;
    for (int rail = 0; rail < 2; ++rail) {
        const double y = ground - height * (rail ? 0.72 : 0.38);
        shape(cr, [=](cairo_t* c) { rounded_rect(c, x0 - 6, y - 5, x1 - x0 + 12, 10, 3); }, darken(wood, 0.05), lw,
              true, 0.2);
    }
    const double step = height * 0.62;
    for (double x = x0; x <= x1 + 0.5; x += step) {
        shape(cr, [=](cairo_t* c) {
            cairo_move_to(c, x - 6, ground);
            cairo_line_to(c, x - 6, ground - height + 6);
            cairo_line_to(c, x, ground - height);
            cairo_line_to(c, x + 6, ground - height + 6);
            cairo_line_to(c, x + 6, ground);
            cairo_close_path(c);
        }, wood, lw, true, 0.3);
        cairo_save(cr);
        set_rgb(cr, darken(wood, 0.3), 0.6);
        cairo_set_line_width(cr, 1);
        cairo_move_to(cr, x - 1, ground - height * 0.85);
        cairo_line_to(cr, x - 2, ground - height * 0.45);
        cairo_stroke(cr);
        cairo_restore(cr);
    }
}

void house(cairo_t* cr, double x, double ground, double w, double h, uint32_t wall, uint32_t roof,
           bool lit_windows)
{
    const double lw = 2.2;
    // Chimney behind the roof.
    shape(cr, [=](cairo_t* c) { cairo_rectangle(c, x + w * 0.62, ground - h - w * 0.42, w * 0.12, w * 0.3); },
          0xB5563C, lw, false);
    shape(cr, [=](cairo_t* c) { cairo_rectangle(c, x, ground - h, w, h); }, wall, lw, true, 0.15);
    shape(cr, [=](cairo_t* c) {
        cairo_move_to(c, x - w * 0.1, ground - h + 2);
        cairo_line_to(c, x + w * 0.5, ground - h - w * 0.5);
        cairo_line_to(c, x + w * 1.1, ground - h + 2);
        cairo_close_path(c);
    }, roof, lw, true, 0.25);
    // Roof tiles.
    cairo_save(cr);
    cairo_move_to(cr, x - w * 0.1, ground - h + 2);
    cairo_line_to(cr, x + w * 0.5, ground - h - w * 0.5);
    cairo_line_to(cr, x + w * 1.1, ground - h + 2);
    cairo_close_path(cr);
    cairo_clip(cr);
    set_rgb(cr, darken(roof, 0.25), 0.5);
    cairo_set_line_width(cr, 1.2);
    for (double yy = ground - h - w * 0.42; yy < ground - h; yy += w * 0.11) {
        for (double xx = x - w * 0.1; xx < x + w * 1.1; xx += w * 0.14) {
            cairo_new_sub_path(cr);
            cairo_arc(cr, xx + (int((yy - ground) / (w * 0.11)) % 2) * w * 0.07, yy, w * 0.07, 0, kPi);
        }
        cairo_stroke(cr);
    }
    cairo_restore(cr);
    const uint32_t glass = lit_windows ? 0xFFE27A : 0xBFE6FA;
    const double ww = w * 0.24;
    for (double wx : {x + w * 0.1, x + w * 0.66}) {
        const double wy = ground - h * 0.78;
        shape(cr, [=](cairo_t* c) { cairo_rectangle(c, wx, wy, ww, ww); }, glass, lw * 0.8, false, 0.5);
        cairo_save(cr);
        set_rgb(cr, pal::outline);
        cairo_set_line_width(cr, lw * 0.7);
        cairo_move_to(cr, wx + ww / 2, wy);
        cairo_line_to(cr, wx + ww / 2, wy + ww);
        cairo_move_to(cr, wx, wy + ww / 2);
        cairo_line_to(cr, wx + ww, wy + ww / 2);
        cairo_stroke(cr);
        cairo_restore(cr);
        // Flower box under the window.
        shape(cr, [=](cairo_t* c) { rounded_rect(c, wx - 2, wy + ww, ww + 4, 5, 2); }, 0xA0653A, 1.2, false);
        for (int k = 0; k < 3; ++k) {
            set_rgb(cr, k % 2 ? pal::red : pal::pink);
            cairo_arc(cr, wx + ww * (0.2 + 0.3 * k), wy + ww - 1, 2.6, 0, 2 * kPi);
            cairo_fill(cr);
        }
    }
    const double dw = w * 0.24, dh = h * 0.45;
    shape(cr, [=](cairo_t* c) {
        cairo_move_to(c, x + w * 0.5 - dw / 2, ground);
        cairo_line_to(c, x + w * 0.5 - dw / 2, ground - dh + dw / 2);
        cairo_arc(c, x + w * 0.5, ground - dh + dw / 2, dw / 2, kPi, 2 * kPi);
        cairo_line_to(c, x + w * 0.5 + dw / 2, ground);
        cairo_close_path(c);
    }, 0x9A6038, lw * 0.8, false, 0.2);
    set_rgb(cr, pal::sun);
    cairo_arc(cr, x + w * 0.5 + dw * 0.28, ground - dh * 0.4, 1.8, 0, 2 * kPi);
    cairo_fill(cr);
}

void pine(cairo_t* cr, double x, double ground, double h, uint32_t green, bool snowy)
{
    const double lw = std::clamp(h / 60, 1.2, 2.4);
    shape(cr, [=](cairo_t* c) { cairo_rectangle(c, x - h * 0.05, ground - h * 0.18, h * 0.1, h * 0.18); }, 0x8A5530,
          lw, false);
    for (int tier = 0; tier < 3; ++tier) {
        const double top = ground - h * (1.0 - tier * 0.22);
        const double bottom = ground - h * (0.5 - tier * 0.16);
        const double half = h * (0.22 + tier * 0.08);
        auto tri = [=](cairo_t* c) {
            cairo_move_to(c, x, top);
            cairo_curve_to(c, x + half * 0.3, top + (bottom - top) * 0.4, x + half * 0.8, bottom - 6, x + half,
                           bottom);
            cairo_curve_to(c, x + half * 0.3, bottom + 4, x - half * 0.3, bottom + 4, x - half, bottom);
            cairo_curve_to(c, x - half * 0.8, bottom - 6, x - half * 0.3, top + (bottom - top) * 0.4, x, top);
            cairo_close_path(c);
        };
        shape(cr, tri, darken(green, tier * 0.06), lw, tier == 0, 0.25);
        if (snowy) {
            cairo_save(cr);
            tri(cr);
            cairo_clip(cr);
            set_rgb(cr, pal::white);
            cairo_move_to(cr, x - half, bottom - (bottom - top) * 0.05);
            for (int k = 0; k <= 6; ++k) {
                const double xx = x - half + k * half / 3;
                cairo_line_to(cr, xx, bottom - (k % 2 ? 10 : 2) - (bottom - top) * 0.05);
            }
            cairo_line_to(cr, x + half, top - 20);
            cairo_line_to(cr, x - half, top - 20);
            cairo_close_path(cr);
            cairo_new_path(cr);
            // Snow on the upper part of each tier.
            cairo_move_to(cr, x, top - 2);
            cairo_line_to(cr, x + half * 0.45, top + (bottom - top) * 0.45);
            for (int k = 0; k <= 4; ++k)
                cairo_line_to(cr, x + half * 0.45 - k * half * 0.225,
                              top + (bottom - top) * (0.45 + (k % 2 ? 0.12 : 0)));
            cairo_close_path(cr);
            cairo_fill(cr);
            cairo_restore(cr);
        }
    }
}

void mushroom(cairo_t* cr, double x, double ground, double h, uint32_t cap)
{
    const double lw = std::clamp(h / 25, 1.2, 2.4);
    shape(cr, [=](cairo_t* c) {
        cairo_move_to(c, x - h * 0.14, ground);
        cairo_curve_to(c, x - h * 0.16, ground - h * 0.3, x - h * 0.12, ground - h * 0.55, x - h * 0.1, ground - h * 0.6);
        cairo_line_to(c, x + h * 0.1, ground - h * 0.6);
        cairo_curve_to(c, x + h * 0.12, ground - h * 0.55, x + h * 0.16, ground - h * 0.3, x + h * 0.14, ground);
        cairo_close_path(c);
    }, pal::cream, lw, true, 0.2);
    shape(cr, [=](cairo_t* c) {
        cairo_move_to(c, x - h * 0.48, ground - h * 0.55);
        cairo_curve_to(c, x - h * 0.45, ground - h * 1.05, x + h * 0.45, ground - h * 1.05, x + h * 0.48,
                       ground - h * 0.55);
        cairo_curve_to(c, x + h * 0.2, ground - h * 0.48, x - h * 0.2, ground - h * 0.48, x - h * 0.48,
                       ground - h * 0.55);
        cairo_close_path(c);
    }, cap, lw, true, 0.3);
    cairo_save(cr);
    set_rgb(cr, pal::white, 0.95);
    const double dots[][3] = {{-0.22, -0.7, 0.07}, {0.05, -0.85, 0.08}, {0.27, -0.66, 0.06}, {-0.02, -0.62, 0.045}};
    for (auto& d : dots) {
        ellipse(cr, x + d[0] * h, ground + d[1] * h, d[2] * h, d[2] * h * 0.8);
        cairo_fill(cr);
    }
    cairo_restore(cr);
}

void sunflower(cairo_t* cr, double x, double y, double r, double stem)
{
    cairo_save(cr);
    cairo_move_to(cr, x, y);
    cairo_curve_to(cr, x + 4, y + stem * 0.4, x - 4, y + stem * 0.7, x, y + stem);
    thick_line(cr, r * 0.22, pal::green_dark, 1.5);
    for (int s : {-1, 1})
        shape(cr, [=](cairo_t* c) {
            const double ly = y + stem * (s < 0 ? 0.45 : 0.6);
            cairo_move_to(c, x, ly);
            cairo_curve_to(c, x + s * r * 0.5, ly - r * 0.5, x + s * r * 1.2, ly - r * 0.2, x + s * r * 1.3, ly);
            cairo_curve_to(c, x + s * r * 1.0, ly + r * 0.3, x + s * r * 0.4, ly + r * 0.3, x, ly);
            cairo_close_path(c);
        }, pal::grass, 1.5, false);
    shape(cr, [=](cairo_t* c) {
        for (int i = 0; i < 14; ++i) {
            const double a = i * 2 * kPi / 14;
            cairo_new_sub_path(c);
            cairo_save(c);
            cairo_translate(c, x + r * 0.72 * std::cos(a), y + r * 0.72 * std::sin(a));
            cairo_rotate(c, a);
            ellipse(c, 0, 0, r * 0.42, r * 0.17);
            cairo_restore(c);
        }
    }, 0xFFC928, 1.4, false, 0.3);
    shape(cr, [=](cairo_t* c) { ellipse(c, x, y, r * 0.42, r * 0.42); }, 0x7A4A2A, 1.4, false, 0.2);
    set_rgb(cr, 0x4A2A15);
    for (int i = 0; i < 12; ++i) {
        const double a = i * 2.4, d = r * 0.3 * std::sqrt((i + 0.5) / 12);
        cairo_arc(cr, x + d * std::cos(a), y + d * std::sin(a), r * 0.04, 0, 2 * kPi);
        cairo_fill(cr);
    }
    cairo_restore(cr);
}

void stones(cairo_t* cr, Rng& rng, const Box& area, int count, uint32_t colour)
{
    for (int i = 0; i < count; ++i) {
        const double x = rng.range(area.x, area.x + area.w);
        const double y = rng.range(area.y, area.y + area.h);
        const double r = rng.range(3, 8);
        const uint32_t c = mix(colour, rng.chance(0.5) ? pal::white : 0x000000, rng.range(0, 0.2));
        shape(cr, [=](cairo_t* k) { ellipse(k, x, y, r, r * 0.65); }, c, 1.2, false, 0.35);
    }
}

// ---------------------------------------------------------------------------
// Water

void water(cairo_t* cr, Rng& rng, double x0, double y0, double x1, double y1, uint32_t top, uint32_t bottom)
{
    fill_vertical_gradient(cr, x0, y0, x1 - x0, y1 - y0, top, bottom);
    cairo_save(cr);
    cairo_rectangle(cr, x0, y0, x1 - x0, y1 - y0);
    cairo_clip(cr);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    // Rows of crests, smaller and closer together towards the horizon.
    for (double y = y0 + 4; y < y1 + 10;) {
        const double t = (y - y0) / std::max(1.0, y1 - y0);
        const double size = 6 + 16 * t;
        for (double x = x0 - rng.range(0, size * 3); x < x1 + size; x += size * rng.range(2.2, 3.6)) {
            const double w = size * rng.range(0.8, 1.3);
            cairo_set_line_width(cr, 1.5 + 2 * t);
            set_rgb(cr, pal::white, 0.55 + 0.25 * rng.uniform());
            cairo_move_to(cr, x - w, y);
            cairo_curve_to(cr, x - w * 0.5, y - w * 0.4, x + w * 0.5, y - w * 0.4, x + w, y);
            cairo_stroke(cr);
            set_rgb(cr, darken(bottom, 0.2), 0.35);
            cairo_move_to(cr, x - w * 0.8 + size, y + size * 0.45);
            cairo_curve_to(cr, x - w * 0.3 + size, y + size * 0.75, x + w * 0.3 + size, y + size * 0.75,
                           x + w * 0.8 + size, y + size * 0.45);
            cairo_stroke(cr);
        }
        y += size * 0.9;
    }
    cairo_restore(cr);
}

void sea_backdrop(cairo_t* cr, Rng& rng, uint32_t top, uint32_t bottom, double sand_y, uint32_t sand)
{
    fill_vertical_gradient(cr, 0, 0, kW, kH, top, bottom);
    // Shafts of light from the surface.
    cairo_save(cr);
    for (int i = 0; i < 7; ++i) {
        const double x = rng.range(-60, kW + 20);
        const double w = rng.range(25, 60);
        const double lean = rng.range(60, 160);
        cairo_move_to(cr, x, -5);
        cairo_line_to(cr, x + w, -5);
        cairo_line_to(cr, x + w * 1.8 + lean, kH);
        cairo_line_to(cr, x + lean, kH);
        cairo_close_path(cr);
        cairo_pattern_t* p = cairo_pattern_create_linear(0, 0, 0, kH);
        cairo_pattern_add_color_stop_rgba(p, 0, 1, 1, 1, 0.22);
        cairo_pattern_add_color_stop_rgba(p, 1, 1, 1, 1, 0.0);
        cairo_set_source(cr, p);
        cairo_fill(cr);
        cairo_pattern_destroy(p);
    }
    // Ripples of light near the surface.
    set_rgb(cr, pal::white, 0.35);
    cairo_set_line_width(cr, 2);
    for (int i = 0; i < 40; ++i) {
        const double x = rng.range(0, kW), y = rng.range(4, 70), w = rng.range(10, 26);
        cairo_move_to(cr, x - w, y);
        cairo_curve_to(cr, x - w / 3, y - 5, x + w / 3, y + 5, x + w, y);
        cairo_stroke(cr);
    }
    cairo_restore(cr);
    // Sandy floor with a wavy top.
    auto floor_path = [=](cairo_t* c) {
        cairo_move_to(c, -5, kH + 5);
        for (double x = -5; x <= kW + 5; x += 5)
            cairo_line_to(c, x, sand_y + 10 * std::sin(x * 0.015 + 1.3) + 5 * std::sin(x * 0.043));
        cairo_line_to(c, kW + 5, kH + 5);
        cairo_close_path(c);
    };
    shape(cr, floor_path, sand, 2.5, false, 0.2);
    cairo_save(cr);
    floor_path(cr);
    cairo_clip(cr);
    set_rgb(cr, darken(sand, 0.18), 0.5);
    cairo_set_line_width(cr, 2);
    for (int i = 0; i < 26; ++i) {
        const double x = rng.range(0, kW), y = rng.range(sand_y + 12, kH), w = rng.range(12, 30);
        cairo_move_to(cr, x - w, y);
        cairo_curve_to(cr, x - w / 3, y - 4, x + w / 3, y - 4, x + w, y);
        cairo_stroke(cr);
    }
    cairo_restore(cr);
    speckles(cr, rng, floor_path, Box{0, sand_y - 15, double(kW), kH - sand_y + 15}, 260, darken(sand, 0.3), 0.8,
             1.8, 0.6);
    speckles(cr, rng, floor_path, Box{0, sand_y - 15, double(kW), kH - sand_y + 15}, 120, pal::white, 0.8, 1.6,
             0.7);
}

void bubble(cairo_t* cr, double x, double y, double r)
{
    cairo_save(cr);
    set_rgb(cr, pal::white, 0.18);
    cairo_arc(cr, x, y, r, 0, 2 * kPi);
    cairo_fill_preserve(cr);
    set_rgb(cr, pal::white, 0.85);
    cairo_set_line_width(cr, std::max(1.0, r * 0.14));
    cairo_stroke(cr);
    set_rgb(cr, pal::white, 0.9);
    ellipse(cr, x - r * 0.35, y - r * 0.38, r * 0.28, r * 0.18);
    cairo_fill(cr);
    cairo_restore(cr);
}

void bubbles(cairo_t* cr, Rng& rng, const Box& area, int count, double rmin, double rmax)
{
    for (int i = 0; i < count; ++i)
        bubble(cr, rng.range(area.x, area.x + area.w), rng.range(area.y, area.y + area.h), rng.range(rmin, rmax));
}

void seaweed(cairo_t* cr, double x, double ground, double h, uint32_t colour, double sway)
{
    auto path = [=](cairo_t* c) {
        const int n = 24;
        const double w = std::max(6.0, h * 0.07);
        for (int i = 0; i <= n; ++i) {
            const double t = double(i) / n;
            const double cx = x + std::sin(t * 5 + sway) * w * 1.2 * t + sway * 8 * t;
            const double half = w * (1 - t * 0.85);
            const double y = ground - h * t;
            if (i == 0)
                cairo_move_to(c, cx - half, y);
            else
                cairo_line_to(c, cx - half, y);
        }
        for (int i = n; i >= 0; --i) {
            const double t = double(i) / n;
            const double cx = x + std::sin(t * 5 + sway) * w * 1.2 * t + sway * 8 * t;
            const double half = w * (1 - t * 0.85);
            cairo_line_to(c, cx + half, ground - h * t);
        }
        cairo_close_path(c);
    };
    shape(cr, path, colour, 2, false, 0.3);
    cairo_save(cr);
    set_rgb(cr, darken(colour, 0.3), 0.6);
    cairo_set_line_width(cr, 1.2);
    for (int i = 1; i < 22; ++i) {
        const double t = i / 24.0;
        const double cx = x + std::sin(t * 5 + sway) * std::max(6.0, h * 0.07) * 1.2 * t + sway * 8 * t;
        cairo_move_to(cr, cx, ground - h * t);
        cairo_line_to(cr, cx, ground - h * (t + 0.02));
    }
    cairo_stroke(cr);
    cairo_restore(cr);
}

void coral(cairo_t* cr, double x, double ground, double h, uint32_t colour, uint64_t seed)
{
    Rng rng(seed);
    struct Branch {
        double x0, y0, x1, y1, w;
    };
    std::vector<Branch> all;
    std::function<void(double, double, double, double, double, int)> grow = [&](double px, double py, double a,
                                                                                 double len, double w, int depth) {
        const double ex = px + len * std::sin(a), ey = py - len * std::cos(a);
        all.push_back({px, py, ex, ey, w});
        if (depth == 0)
            return;
        grow(ex, ey, a - rng.range(0.3, 0.6), len * rng.range(0.6, 0.8), w * 0.8, depth - 1);
        grow(ex, ey, a + rng.range(0.3, 0.6), len * rng.range(0.6, 0.8), w * 0.8, depth - 1);
    };
    grow(x, ground, rng.range(-0.1, 0.1), h * 0.38, std::max(6.0, h * 0.1), 3);
    cairo_save(cr);
    for (int pass = 0; pass < 3; ++pass) {
        for (const Branch& b : all) {
            cairo_move_to(cr, b.x0, b.y0);
            cairo_line_to(cr, b.x1, b.y1);
            if (pass == 0) {
                cairo_set_line_width(cr, b.w + 4.4);
                set_rgb(cr, pal::outline);
            } else if (pass == 1) {
                cairo_set_line_width(cr, b.w);
                set_rgb(cr, colour);
            } else {
                cairo_set_line_width(cr, b.w * 0.3);
                set_rgb(cr, lighten(colour, 0.35), 0.8);
            }
            cairo_stroke(cr);
        }
    }
    // Little polyp dots at the tips.
    for (const Branch& b : all) {
        set_rgb(cr, lighten(colour, 0.5));
        cairo_arc(cr, b.x1, b.y1, b.w * 0.3, 0, 2 * kPi);
        cairo_fill(cr);
    }
    cairo_restore(cr);
}

void shell(cairo_t* cr, double x, double y, double s, uint32_t colour, double turn)
{
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, turn);
    auto fan = [=](cairo_t* c) {
        cairo_move_to(c, 0, s * 0.45);
        cairo_line_to(c, -s * 0.55, -s * 0.1);
        cairo_curve_to(c, -s * 0.5, -s * 0.6, s * 0.5, -s * 0.6, s * 0.55, -s * 0.1);
        cairo_close_path(c);
        rounded_rect(c, -s * 0.18, s * 0.35, s * 0.36, s * 0.18, s * 0.05);
    };
    shape(cr, fan, colour, std::clamp(s / 12, 1.0, 2.0), true, 0.4);
    set_rgb(cr, darken(colour, 0.3), 0.8);
    cairo_set_line_width(cr, std::clamp(s / 18, 0.8, 1.6));
    for (int k = -2; k <= 2; ++k) {
        cairo_move_to(cr, 0, s * 0.4);
        cairo_line_to(cr, k * s * 0.22, -s * 0.38 + std::abs(k) * s * 0.06);
    }
    cairo_stroke(cr);
    cairo_restore(cr);
}

void starfish(cairo_t* cr, double x, double y, double r, uint32_t colour, double turn)
{
    cairo_save(cr);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    shape(cr, [=](cairo_t* c) { star_path(c, x, y, r, r * 0.45, 5, turn); }, colour, std::clamp(r / 12, 1.0, 2.2),
          true, 0.35);
    set_rgb(cr, lighten(colour, 0.5));
    for (int k = 0; k < 5; ++k) {
        const double a = turn - kPi / 2 + k * 2 * kPi / 5;
        for (double d : {0.3, 0.55, 0.75}) {
            cairo_arc(cr, x + r * d * std::cos(a), y + r * d * std::sin(a), std::max(0.8, r * 0.06), 0, 2 * kPi);
            cairo_fill(cr);
        }
    }
    cairo_restore(cr);
}

void fish(cairo_t* cr, double x, double y, double s, uint32_t body, uint32_t fins, bool left, bool stripes)
{
    cairo_save(cr);
    cairo_translate(cr, x, y);
    if (left)
        cairo_scale(cr, -1, 1);
    const double lw = std::clamp(s / 20, 1.0, 2.4);
    // Tail and fins first, the body covers their roots.
    shape(cr, [=](cairo_t* c) {
        cairo_move_to(c, -s * 0.45, 0);
        cairo_curve_to(c, -s * 0.7, -s * 0.2, -s * 0.85, -s * 0.42, -s * 0.9, -s * 0.38);
        cairo_curve_to(c, -s * 0.78, -s * 0.1, -s * 0.78, s * 0.1, -s * 0.9, s * 0.38);
        cairo_curve_to(c, -s * 0.85, s * 0.42, -s * 0.7, s * 0.2, -s * 0.45, 0);
        cairo_close_path(c);
    }, fins, lw, false, 0.3);
    shape(cr, [=](cairo_t* c) {
        cairo_move_to(c, -s * 0.2, -s * 0.28);
        cairo_curve_to(c, -s * 0.1, -s * 0.55, s * 0.15, -s * 0.5, s * 0.2, -s * 0.3);
        cairo_close_path(c);
    }, fins, lw, false, 0.3);
    auto body_path = [=](cairo_t* c) {
        cairo_move_to(c, s * 0.5, 0);
        cairo_curve_to(c, s * 0.45, -s * 0.38, -s * 0.2, -s * 0.42, -s * 0.5, 0);
        cairo_curve_to(c, -s * 0.2, s * 0.42, s * 0.45, s * 0.38, s * 0.5, 0);
        cairo_close_path(c);
    };
    shape(cr, body_path, body, lw, true, 0.35);
    cairo_save(cr);
    body_path(cr);
    cairo_clip(cr);
    if (stripes) {
        for (double sx : {s * 0.18, -s * 0.12}) {
            cairo_rectangle(cr, sx - s * 0.06, -s * 0.5, s * 0.12, s);
            set_rgb(cr, pal::white);
            cairo_fill_preserve(cr);
            set_rgb(cr, pal::outline);
            cairo_set_line_width(cr, lw * 0.8);
            cairo_stroke(cr);
        }
    } else {
        // Scales.
        set_rgb(cr, darken(body, 0.2), 0.45);
        cairo_set_line_width(cr, lw * 0.6);
        for (double sx = -s * 0.3; sx < s * 0.2; sx += s * 0.12)
            for (double sy = -s * 0.24; sy < s * 0.3; sy += s * 0.12) {
                cairo_new_sub_path(cr);
                cairo_arc(cr, sx, sy, s * 0.06, -kPi / 2, kPi / 2);
            }
        cairo_stroke(cr);
    }
    cairo_restore(cr);
    // Side fin, eye, smile.
    shape(cr, [=](cairo_t* c) {
        cairo_move_to(c, s * 0.02, s * 0.05);
        cairo_curve_to(c, -s * 0.05, s * 0.2, -s * 0.18, s * 0.22, -s * 0.2, s * 0.12);
        cairo_close_path(c);
    }, fins, lw * 0.8, false, 0.3);
    eye(cr, s * 0.28, -s * 0.08, s * 0.085);
    cairo_set_line_width(cr, lw * 0.9);
    set_rgb(cr, pal::outline);
    cairo_new_sub_path(cr);
    cairo_arc(cr, s * 0.38, s * 0.06, s * 0.06, kPi * 0.1, kPi * 0.8);
    cairo_stroke(cr);
    cairo_restore(cr);
}

// ---------------------------------------------------------------------------
// Space

void space_backdrop(cairo_t* cr, Rng& rng, uint32_t top, uint32_t bottom, const std::vector<uint32_t>& nebulae,
                    int stars)
{
    fill_vertical_gradient(cr, 0, 0, kW, kH, top, bottom);
    cairo_save(cr);
    // Soft clouds of colour spread over the picture.
    int k = 0;
    for (uint32_t colour : nebulae) {
        for (int n = 0; n < 3; ++n, ++k) {
            const double x = (k * 0.37 + rng.range(0, 0.3)) * kW;
            const double cx = std::fmod(x, double(kW + 100)) - 50;
            const double cy = rng.range(0, kH);
            const double r = rng.range(120, 230);
            cairo_pattern_t* p = cairo_pattern_create_radial(cx, cy, 0, cx, cy, r);
            const double R = ((colour >> 16) & 255) / 255.0, G = ((colour >> 8) & 255) / 255.0,
                         B = (colour & 255) / 255.0;
            cairo_pattern_add_color_stop_rgba(p, 0, R, G, B, 0.45);
            cairo_pattern_add_color_stop_rgba(p, 0.6, R, G, B, 0.18);
            cairo_pattern_add_color_stop_rgba(p, 1, R, G, B, 0);
            cairo_set_source(cr, p);
            cairo_paint(cr);
            cairo_pattern_destroy(p);
        }
    }
    // Star dust everywhere, a few bright twinkles.
    const uint32_t tints[] = {pal::white, 0xFFF3B0, 0xCFE6FF, 0xFFD0E8};
    for (int i = 0; i < stars; ++i) {
        const double x = rng.range(0, kW), y = rng.range(0, kH);
        const double r = rng.chance(0.85) ? rng.range(0.6, 1.5) : rng.range(1.5, 2.6);
        set_rgb(cr, tints[rng.below(4)], rng.range(0.55, 1.0));
        cairo_arc(cr, x, y, r, 0, 2 * kPi);
        cairo_fill(cr);
    }
    for (int i = 0; i < stars / 12; ++i)
        sparkle(cr, rng.range(0, kW), rng.range(0, kH), rng.range(4, 9), tints[rng.below(4)], 0.95);
    cairo_restore(cr);
}

void planet(cairo_t* cr, double cx, double cy, double r, uint32_t colour, int bands, bool ring,
            uint32_t ring_colour)
{
    const double lw = std::clamp(r / 25, 1.5, 3.0);
    auto ring_path = [=](cairo_t* c, bool back) {
        cairo_save(c);
        cairo_translate(c, cx, cy);
        cairo_rotate(c, -0.28);
        cairo_scale(c, 1, 0.28);
        cairo_new_sub_path(c);
        if (back)
            cairo_arc(c, 0, 0, r * 1.75, kPi, 2 * kPi);
        else
            cairo_arc(c, 0, 0, r * 1.75, 0, kPi);
        cairo_restore(c);
    };
    auto draw_ring = [&](bool back) {
        cairo_save(cr);
        ring_path(cr, back);
        cairo_set_line_width(cr, r * 0.28 + 2 * lw);
        set_rgb(cr, pal::outline);
        cairo_stroke(cr);
        ring_path(cr, back);
        cairo_set_line_width(cr, r * 0.28);
        set_rgb(cr, ring_colour);
        cairo_stroke(cr);
        ring_path(cr, back);
        cairo_set_line_width(cr, r * 0.06);
        set_rgb(cr, lighten(ring_colour, 0.5));
        cairo_stroke(cr);
        cairo_restore(cr);
    };
    if (ring)
        draw_ring(true);
    shape(cr, [=](cairo_t* c) { ellipse(c, cx, cy, r, r); }, colour, lw, false, 0);
    cairo_save(cr);
    ellipse(cr, cx, cy, r, r);
    cairo_clip(cr);
    for (int b = 0; b < bands; ++b) {
        const double y = cy - r + (b + 0.5) * 2 * r / bands;
        set_rgb(cr, b % 2 ? darken(colour, 0.15) : lighten(colour, 0.2), 0.8);
        cairo_move_to(cr, cx - r, y - r * 0.07);
        cairo_curve_to(cr, cx - r * 0.3, y - r * 0.13, cx + r * 0.3, y, cx + r, y - r * 0.08);
        cairo_line_to(cr, cx + r, y + r * 0.09);
        cairo_curve_to(cr, cx + r * 0.3, y + r * 0.14, cx - r * 0.3, y + r * 0.02, cx - r, y + r * 0.08);
        cairo_close_path(cr);
        cairo_fill(cr);
    }
    if (bands == 0) {
        // Craters instead of bands.
        const double cr_[][3] = {{-0.4, -0.3, 0.2}, {0.3, 0.1, 0.25}, {-0.1, 0.5, 0.15}, {0.45, -0.5, 0.12}};
        for (auto& k : cr_) {
            set_rgb(cr, darken(colour, 0.2), 0.7);
            ellipse(cr, cx + k[0] * r, cy + k[1] * r, k[2] * r, k[2] * r * 0.85);
            cairo_fill(cr);
            set_rgb(cr, lighten(colour, 0.25), 0.6);
            ellipse(cr, cx + k[0] * r + k[2] * r * 0.15, cy + k[1] * r + k[2] * r * 0.2, k[2] * r * 0.7,
                    k[2] * r * 0.55);
            cairo_fill(cr);
        }
    }
    // Light from the upper left, shade to the lower right.
    cairo_pattern_t* p = cairo_pattern_create_radial(cx - r * 0.4, cy - r * 0.45, r * 0.1, cx, cy, r * 1.05);
    cairo_pattern_add_color_stop_rgba(p, 0, 1, 1, 1, 0.45);
    cairo_pattern_add_color_stop_rgba(p, 0.5, 1, 1, 1, 0.0);
    cairo_pattern_add_color_stop_rgba(p, 0.8, 0, 0, 0.1, 0.1);
    cairo_pattern_add_color_stop_rgba(p, 1, 0, 0, 0.1, 0.35);
    cairo_set_source(cr, p);
    cairo_paint(cr);
    cairo_pattern_destroy(p);
    cairo_restore(cr);
    cairo_save(cr);
    ellipse(cr, cx, cy, r, r);
    set_rgb(cr, pal::outline);
    cairo_set_line_width(cr, lw);
    cairo_stroke(cr);
    cairo_restore(cr);
    if (ring)
        draw_ring(false);
}

void twinkle_star(cairo_t* cr, double x, double y, double r, uint32_t colour, double turn)
{
    cairo_save(cr);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    shape(cr, [=](cairo_t* c) { star_path(c, x, y, r, r * 0.5, 5, turn); }, colour, std::clamp(r / 10, 1.2, 2.5),
          true, 0.45);
    cairo_restore(cr);
}

void moon_crescent(cairo_t* cr, double cx, double cy, double r, uint32_t colour, bool face)
{
    auto path = [=](cairo_t* c) {
        cairo_new_sub_path(c);
        cairo_arc(c, cx, cy, r, kPi * 0.35, kPi * 1.65);
        cairo_arc_negative(c, cx + r * 0.45, cy - r * 0.1, r * 0.82, kPi * 1.48, kPi * 0.6);
        cairo_close_path(c);
    };
    cairo_save(cr);
    cairo_pattern_t* halo = cairo_pattern_create_radial(cx, cy, r * 0.5, cx, cy, r * 2.0);
    cairo_pattern_add_color_stop_rgba(halo, 0, 1, 0.97, 0.75, 0.45);
    cairo_pattern_add_color_stop_rgba(halo, 1, 1, 0.97, 0.75, 0);
    cairo_set_source(cr, halo);
    cairo_arc(cr, cx, cy, r * 2, 0, 2 * kPi);
    cairo_fill(cr);
    cairo_pattern_destroy(halo);
    shape(cr, path, colour, std::clamp(r / 25, 1.5, 3.0), false, 0.4);
    if (face) {
        const double ex = cx - r * 0.55, ey = cy - r * 0.12;
        set_rgb(cr, pal::outline);
        cairo_set_line_width(cr, std::max(1.5, r * 0.05));
        cairo_new_sub_path(cr);
        cairo_arc(cr, ex, ey, r * 0.1, kPi * 0.1, kPi * 0.9);
        cairo_stroke(cr);
        cairo_new_sub_path(cr);
        cairo_arc(cr, ex + r * 0.06, ey + r * 0.3, r * 0.12, kPi * 0.1, kPi * 0.7);
        cairo_stroke(cr);
        blush(cr, ex - r * 0.12, ey + r * 0.17, r * 0.09);
    }
    cairo_restore(cr);
}

// ---------------------------------------------------------------------------
// Indoors

void wallpaper(cairo_t* cr, double y1, uint32_t base, uint32_t pattern, int kind)
{
    fill_vertical_gradient(cr, 0, 0, kW, y1, lighten(base, 0.25), base);
    cairo_save(cr);
    cairo_rectangle(cr, 0, 0, kW, y1);
    cairo_clip(cr);
    set_rgb(cr, pattern, 0.85);
    switch (kind) {
    case 0:  // stripes with a dotted line between
        for (double x = 0; x < kW; x += 40) {
            cairo_rectangle(cr, x, 0, 14, y1);
            cairo_fill(cr);
            for (double y = 10; y < y1; y += 16) {
                cairo_arc(cr, x + 27, y, 2.2, 0, 2 * kPi);
                cairo_fill(cr);
            }
        }
        break;
    case 1:  // polka dots
        for (double y = 14; y < y1; y += 32)
            for (double x = (int(y / 32) % 2) * 16 + 8; x < kW; x += 32) {
                cairo_arc(cr, x, y, 5, 0, 2 * kPi);
                cairo_fill(cr);
            }
        break;
    case 2:  // little stars
        for (double y = 20; y < y1; y += 40)
            for (double x = (int(y / 40) % 2) * 24 + 12; x < kW; x += 48) {
                star_path(cr, x, y, 8, 3.5, 5);
                cairo_fill(cr);
            }
        break;
    case 3:  // hearts
        for (double y = 20; y < y1; y += 38)
            for (double x = (int(y / 38) % 2) * 22 + 11; x < kW; x += 44) {
                heart_path(cr, x, y, 7);
                cairo_fill(cr);
            }
        break;
    default:  // diamonds
        for (double y = 0; y < y1 + 30; y += 30)
            for (double x = (int(y / 30) % 2) * 20; x < kW + 20; x += 40) {
                cairo_move_to(cr, x, y - 9);
                cairo_line_to(cr, x + 7, y);
                cairo_line_to(cr, x, y + 9);
                cairo_line_to(cr, x - 7, y);
                cairo_close_path(cr);
                cairo_fill(cr);
            }
        break;
    }
    cairo_restore(cr);
    // Skirting board.
    shape(cr, [=](cairo_t* c) { cairo_rectangle(c, -5, y1 - 12, kW + 10, 12); }, pal::cream, 2, false, 0.3);
}

void wood_floor(cairo_t* cr, Rng& rng, double y0, uint32_t wood)
{
    fill_vertical_gradient(cr, 0, y0, kW, kH - y0, lighten(wood, 0.1), darken(wood, 0.1));
    cairo_save(cr);
    cairo_rectangle(cr, 0, y0, kW, kH - y0);
    cairo_clip(cr);
    // Planks running towards the viewer, fanning out from a far point.
    const double vx = kW / 2.0, vy = y0 - 500;
    set_rgb(cr, darken(wood, 0.3), 0.7);
    cairo_set_line_width(cr, 1.6);
    for (double x = -kW; x < 2 * kW; x += 52) {
        cairo_move_to(cr, vx + (x - vx) * (y0 - vy) / (kH - vy), y0);
        cairo_line_to(cr, x, kH);
    }
    cairo_stroke(cr);
    // Grain and knots.
    for (int i = 0; i < 90; ++i) {
        const double x = rng.range(0, kW), y = rng.range(y0 + 4, kH);
        const double w = rng.range(8, 22);
        set_rgb(cr, i % 3 ? darken(wood, 0.18) : lighten(wood, 0.2), 0.55);
        cairo_set_line_width(cr, 1.2);
        cairo_move_to(cr, x, y);
        cairo_curve_to(cr, x + 2, y + w * 0.3, x - 2, y + w * 0.6, x + 1, y + w);
        cairo_stroke(cr);
    }
    for (int i = 0; i < 10; ++i) {
        set_rgb(cr, darken(wood, 0.25), 0.6);
        ellipse(cr, rng.range(0, kW), rng.range(y0 + 8, kH), 3, 5);
        cairo_fill(cr);
    }
    cairo_restore(cr);
}

void window_view(cairo_t* cr, double x, double y, double w, double h, uint32_t sky_top, uint32_t sky_bottom,
                 uint32_t frame)
{
    shape(cr, [=](cairo_t* c) { rounded_rect(c, x - 10, y - 10, w + 20, h + 20, 8); }, frame, 2.5, true, 0.2);
    cairo_save(cr);
    cairo_rectangle(cr, x, y, w, h);
    cairo_clip(cr);
    fill_vertical_gradient(cr, x, y, w, h, sky_top, sky_bottom);
    cloud(cr, x + w * 0.3, y + h * 0.3, w * 0.45);
    cloud(cr, x + w * 0.8, y + h * 0.55, w * 0.35, 0.9);
    set_rgb(cr, pal::grass);
    ellipse(cr, x + w * 0.5, y + h * 1.15, w * 0.9, h * 0.35);
    cairo_fill(cr);
    cairo_restore(cr);
    cairo_save(cr);
    set_rgb(cr, pal::outline);
    cairo_set_line_width(cr, 2.5);
    cairo_rectangle(cr, x, y, w, h);
    cairo_stroke(cr);
    cairo_restore(cr);
    for (int k = 0; k < 2; ++k) {
        shape(cr, [=](cairo_t* c) {
            if (k == 0)
                cairo_rectangle(c, x + w / 2 - 4, y, 8, h);
            else
                cairo_rectangle(c, x, y + h / 2 - 4, w, 8);
        }, frame, 2, false, 0.2);
    }
    // Glass shine.
    cairo_save(cr);
    set_rgb(cr, pal::white, 0.35);
    cairo_move_to(cr, x + w * 0.08, y + h * 0.42);
    cairo_line_to(cr, x + w * 0.2, y + h * 0.08);
    cairo_line_to(cr, x + w * 0.27, y + h * 0.08);
    cairo_line_to(cr, x + w * 0.15, y + h * 0.42);
    cairo_close_path(cr);
    cairo_fill(cr);
    cairo_restore(cr);
}

void bafo_paw(const Bafo& b, bool right, double& x, double& y)
{
    // His shoulders sit at (+-44, -98) in his own units, the arm swings from there.
    const BafoPose pose = pose_of(b);
    const int k = right ? 1 : 0;
    const double dx = pose.arm_len[k] * std::sin(pose.arm[k]), dy = pose.arm_len[k] * std::cos(pose.arm[k]);
    x = b.x + (right ? 44 + dx : -44 - dx) * b.scale;
    y = b.y + (-98 + dy) * b.scale;
}

// ---------------------------------------------------------------------------
// Faces and fur

void eye(cairo_t* cr, double x, double y, double r, double look_x, double look_y)
{
    cairo_save(cr);
    const double px = x + look_x * r * 0.25, py = y + look_y * r * 0.25;
    set_rgb(cr, pal::nose);
    ellipse(cr, px, py, r * 0.8, r);
    cairo_fill(cr);
    set_rgb(cr, 0x5A3A28);
    ellipse(cr, px, py + r * 0.4, r * 0.5, r * 0.42);
    cairo_fill(cr);
    set_rgb(cr, pal::white);
    ellipse(cr, px + r * 0.25, py - r * 0.38, r * 0.32, r * 0.34);
    cairo_fill(cr);
    ellipse(cr, px - r * 0.25, py + r * 0.38, r * 0.14, r * 0.14);
    cairo_fill(cr);
    cairo_restore(cr);
}

void smile(cairo_t* cr, double x, double y, double w, double lw, bool open)
{
    cairo_save(cr);
    if (open) {
        auto m = [=](cairo_t* c) {
            cairo_move_to(c, x - w / 2, y);
            cairo_curve_to(c, x - w / 4, y + 1, x + w / 4, y + 1, x + w / 2, y);
            cairo_curve_to(c, x + w * 0.4, y + w * 0.55, x - w * 0.4, y + w * 0.55, x - w / 2, y);
            cairo_close_path(c);
        };
        m(cr);
        set_rgb(cr, pal::mouth_in);
        cairo_fill_preserve(cr);
        cairo_save(cr);
        cairo_clip(cr);
        set_rgb(cr, pal::tongue);
        ellipse(cr, x, y + w * 0.45, w * 0.28, w * 0.2);
        cairo_fill(cr);
        cairo_restore(cr);
        m(cr);
        set_rgb(cr, pal::outline);
        cairo_set_line_width(cr, lw);
        cairo_stroke(cr);
    } else {
        set_rgb(cr, pal::outline);
        cairo_set_line_width(cr, lw);
        cairo_move_to(cr, x - w / 2, y);
        cairo_curve_to(cr, x - w / 4, y + w * 0.35, x + w / 4, y + w * 0.35, x + w / 2, y);
        cairo_stroke(cr);
    }
    cairo_restore(cr);
}

void blush(cairo_t* cr, double x, double y, double r)
{
    cairo_save(cr);
    set_rgb(cr, pal::cheek, 0.55);
    ellipse(cr, x, y, r, r * 0.65);
    cairo_fill(cr);
    cairo_restore(cr);
}

void strokes(cairo_t* cr, Rng& rng, const PathFn& clip, const Box& area, int count, uint32_t colour, double len,
             double width, double alpha)
{
    cairo_save(cr);
    cairo_new_path(cr);
    clip(cr);
    cairo_clip(cr);
    set_rgb(cr, colour, alpha);
    cairo_set_line_width(cr, width);
    for (int i = 0; i < count; ++i) {
        const double x = rng.range(area.x, area.x + area.w), y = rng.range(area.y, area.y + area.h);
        const double a = rng.range(-0.6, 0.6) + kPi / 2;
        const double l = len * rng.range(0.6, 1.3);
        cairo_move_to(cr, x, y);
        cairo_curve_to(cr, x + l * 0.3 * std::cos(a) + 2, y + l * 0.3 * std::sin(a), x + l * 0.7 * std::cos(a) - 2,
                       y + l * 0.7 * std::sin(a), x + l * std::cos(a), y + l * std::sin(a));
        cairo_stroke(cr);
    }
    cairo_restore(cr);
}

void speckles(cairo_t* cr, Rng& rng, const PathFn& clip, const Box& area, int count, uint32_t colour, double rmin,
              double rmax, double alpha)
{
    cairo_save(cr);
    cairo_new_path(cr);
    clip(cr);
    cairo_clip(cr);
    set_rgb(cr, colour, alpha);
    for (int i = 0; i < count; ++i) {
        cairo_new_sub_path(cr);
        cairo_arc(cr, rng.range(area.x, area.x + area.w), rng.range(area.y, area.y + area.h), rng.range(rmin, rmax),
                  0, 2 * kPi);
    }
    cairo_fill(cr);
    cairo_restore(cr);
}

}  // namespace datagen::pics
