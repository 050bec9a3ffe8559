#include "paint_kit.h"

#include "game_frame_art.h"

#include <cmath>

namespace datagen::paint_kit {

using namespace art;

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr uint32_t kWood = 0xC98A4B;

Style flat(uint32_t fill, double lw, double shade = 0.25) { return Style{fill, shade, pal::outline, lw, false}; }

}  // namespace

void desk(cairo_t* cr, double top, double w, double bottom)
{
    fill_vertical_gradient(cr, 0, top, w, bottom - top, 0xF0C48A, 0xD9A066);
    Rng rng(0x0A1C0);
    cairo_save(cr);
    cairo_set_line_width(cr, 1.2);
    const int lines = int(std::ceil((bottom - top - 8) / 8.0));
    for (int i = 0; i < lines; ++i) {
        const double y = top + 8 + i * 8 + rng.range(-2, 2);
        set_rgb(cr, 0xB27A45, rng.range(0.18, 0.32));
        cairo_move_to(cr, 0, y);
        for (double x = 0; x <= w; x += 40)
            cairo_line_to(cr, x, y + 1.5 * std::sin(x * 0.013 + i));
        cairo_stroke(cr);
    }
    cairo_restore(cr);
    set_rgb(cr, pal::outline);
    cairo_rectangle(cr, 0, top - 1, w, 2.5);
    cairo_fill(cr);
    set_rgb(cr, 0xFFE3B8);
    cairo_rectangle(cr, 0, top + 1.5, w, 1.5);
    cairo_fill(cr);
}

void sunny_picture(cairo_t* cr, double x, double y, double w, double h, double inset)
{
    cairo_save(cr);
    cairo_rectangle(cr, x + inset, y + inset, w - 2 * inset, h - 2 * inset);
    cairo_clip(cr);
    fill_vertical_gradient(cr, x, y, w, h, pal::sky_top, 0xD4F1FC);
    set_rgb(cr, pal::sun);
    cairo_arc(cr, x + w * 0.72, y + h * 0.32, h * 0.18, 0, 2 * kPi);
    cairo_fill(cr);
    set_rgb(cr, pal::grass);
    ellipse(cr, x + w * 0.35, y + h * 1.05, w * 0.6, h * 0.45);
    cairo_fill(cr);
    cairo_restore(cr);
}

void album_cover_path(cairo_t* cr, double cx, double cy, double s)
{
    const double w = 37 * s, h = 27 * s;
    rounded_rect(cr, cx - w / 2, cy - h / 2, w, h, 4);
}

void album_book(cairo_t* cr, double cx, double cy, double s, bool lit)
{
    const double w = 37 * s, h = 27 * s, x = cx - w / 2, y = cy - h / 2;
    const uint32_t col = lit ? lighten(pal::violet, 0.15) : pal::violet;
    paint_shape(cr, [=](cairo_t* g) { rounded_rect(g, x + 3, y + 2, w - 2, h - 1, 4); },
                Style{0xFFF4E0, 0.2, pal::outline, 2, !lit, 2, 0.25});
    paint_shape(cr, [=](cairo_t* g) { album_cover_path(g, cx, cy, s); }, Style{col, 0.3, pal::outline, 2.2, false});
    // The spine's rings.
    for (int i = 0; i < 3; ++i)
        paint_shape(cr, [=](cairo_t* g) { ellipse(g, x + 2, y + h * (0.25 + 0.25 * i), 2.6 * s, 2.6 * s); },
                    flat(0xD8DCE6, 1.2));
    // The photo.
    const double px = x + w * 0.27, py = y + h * 0.2, pw = w * 0.62, ph = h * 0.6;
    paint_shape(cr, [=](cairo_t* g) { cairo_rectangle(g, px, py, pw, ph); }, flat(pal::white, 1.6, 0.0));
    sunny_picture(cr, px, py, pw, ph, 2.5);
    if (lit) {
        frame::twinkle(cr, x + w, y + 3, 4.5);
        frame::twinkle(cr, x + w + 1, y + h - 5, 3.5);
    }
}

void easel(cairo_t* cr, double x, double y, double w, double h, bool shadow)
{
    const double top = y - h * 0.18, foot = y + h * 1.55, lw = std::max(2.0, w * 0.06);
    auto leg = [&](double x0, double y0, double x1, double y1, double width, uint32_t colour) {
        cairo_save(cr);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_move_to(cr, x0, y0);
        cairo_line_to(cr, x1, y1);
        set_rgb(cr, pal::outline);
        cairo_set_line_width(cr, width + 3);
        cairo_stroke_preserve(cr);
        set_rgb(cr, colour);
        cairo_set_line_width(cr, width);
        cairo_stroke(cr);
        cairo_restore(cr);
    };
    if (shadow) {
        cairo_save(cr);
        set_rgb(cr, 0x1A0F08, 0.2);
        ellipse(cr, x + w / 2 + 2, foot + 1, w * 0.75, lw * 0.9);
        cairo_fill(cr);
        cairo_restore(cr);
    }
    leg(x + w / 2, top, x + w / 2 + w * 0.05, foot - h * 0.1, lw * 0.8, darken(kWood, 0.2));  // the back leg
    leg(x + w / 2, top, x - w * 0.08, foot, lw, kWood);
    leg(x + w / 2, top, x + w * 1.08, foot, lw, kWood);
    paint_shape(cr, [=](cairo_t* g) { cairo_rectangle(g, x, y, w, h); },
                Style{pal::white, 0.0, pal::outline, 2, shadow, 2, 0.25});
    sunny_picture(cr, x, y, w, h, 2.5);
    // The ledge the board stands on.
    paint_shape(cr, [=](cairo_t* g) { rounded_rect(g, x - w * 0.14, y + h - 1, w * 1.28, lw + 2, 2); },
                flat(lighten(kWood, 0.1), 1.8, 0.3));
}

void printer_path(cairo_t* cr, double cx, double bottom, double w)
{
    rounded_rect(cr, cx - w / 2, bottom - 0.46 * w, w, 0.32 * w, 0.08 * w);
}

void printer(cairo_t* cr, double cx, double bottom, double w, int face, bool shadow)
{
    const double lw = w > 60 ? 3 : 2;
    const double sheet_w = 0.6 * w;
    // The blank sheet waiting at the back.
    paint_shape(cr, [=](cairo_t* g) { cairo_rectangle(g, cx - sheet_w / 2, bottom - 0.62 * w, sheet_w, 0.2 * w); },
                Style{pal::white, 0.0, pal::outline, lw * 0.8, false});
    cairo_save(cr);
    set_rgb(cr, 0xB8C4D6);
    cairo_set_line_width(cr, std::max(1.0, w * 0.012));
    for (int i = 0; i < 2; ++i) {
        const double ly = bottom - 0.57 * w + i * 0.05 * w;
        cairo_move_to(cr, cx - sheet_w * 0.35, ly);
        cairo_line_to(cr, cx + sheet_w * (i ? 0.1 : 0.35), ly);
    }
    cairo_stroke(cr);
    cairo_restore(cr);
    // The body: sky blue with a lighter lid.
    paint_shape(cr, [=](cairo_t* g) { printer_path(g, cx, bottom, w); },
                Style{0x5FB8EC, 0.3, pal::outline, lw, shadow, 3, 0.25});
    cairo_save(cr);
    printer_path(cr, cx, bottom, w);
    cairo_clip(cr);
    set_rgb(cr, pal::white, 0.35);
    cairo_rectangle(cr, cx - w / 2, bottom - 0.46 * w, w, 0.07 * w);
    cairo_fill(cr);
    cairo_restore(cr);
    // A green light and a round button at the right.
    paint_shape(cr, [=](cairo_t* g) { ellipse(g, cx + 0.36 * w, bottom - 0.34 * w, 0.035 * w, 0.035 * w); },
                flat(face < 0 ? 0xFF9F43 : 0x6BE05A, lw * 0.5, 0.4));
    paint_shape(cr, [=](cairo_t* g) { ellipse(g, cx + 0.36 * w, bottom - 0.24 * w, 0.04 * w, 0.04 * w); },
                flat(pal::sun, lw * 0.5, 0.4));
    // The slot the page comes out of.
    paint_shape(cr, [=](cairo_t* g) { rounded_rect(g, cx - 0.34 * w, bottom - 0.2 * w, 0.68 * w, 0.045 * w, 0.02 * w); },
                flat(0x2F3A4A, lw * 0.5, 0.0));
    if (face != 0) {
        const double ey = bottom - 0.345 * w, ex = 0.1 * w, er = 0.032 * w;
        for (int s = -1; s <= 1; s += 2) {
            paint_shape(cr, [=](cairo_t* g) { ellipse(g, cx - 0.06 * w + s * ex, ey, er, er * 1.2); },
                        Style{pal::outline, 0.0, pal::outline, 0, false});
            cairo_save(cr);
            set_rgb(cr, pal::white);
            ellipse(cr, cx - 0.06 * w + s * ex - er * 0.35, ey - er * 0.45, er * 0.4, er * 0.4);
            cairo_fill(cr);
            cairo_restore(cr);
        }
        cairo_save(cr);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        set_rgb(cr, pal::outline);
        cairo_set_line_width(cr, std::max(1.5, w * 0.022));
        const double my = bottom - 0.275 * w, mx = cx - 0.06 * w;
        cairo_move_to(cr, mx - 0.06 * w, my + (face > 0 ? 0 : 0.025 * w));
        cairo_curve_to(cr, mx - 0.02 * w, my + (face > 0 ? 0.04 : -0.015) * w, mx + 0.02 * w,
                       my + (face > 0 ? 0.04 : -0.015) * w, mx + 0.06 * w, my + (face > 0 ? 0 : 0.025 * w));
        cairo_stroke(cr);
        set_rgb(cr, pal::cheek, 0.7);
        for (int s = -1; s <= 1; s += 2) {
            ellipse(cr, mx + s * 0.17 * w, my - 0.01 * w, 0.035 * w, 0.022 * w);
            cairo_fill(cr);
        }
        cairo_restore(cr);
    }
    if (face >= 0) {
        // The printed page coming out, a painting on it.
        const double px = cx - sheet_w / 2, py = bottom - 0.19 * w, ph = 0.19 * w - lw / 2;
        paint_shape(cr, [=](cairo_t* g) { cairo_rectangle(g, px, py, sheet_w, ph); },
                    Style{pal::white, 0.0, pal::outline, lw * 0.8, false});
        sunny_picture(cr, px + w * 0.03, py, sheet_w - w * 0.06, ph - w * 0.02, lw);
    }
}

}  // namespace datagen::paint_kit
