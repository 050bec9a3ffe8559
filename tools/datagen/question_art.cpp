#include "question_art.h"

#include <stdexcept>
#include <string>

namespace datagen::question {

namespace {

using namespace art;

Bafo panel_bafo(Mouth m)
{
    Bafo b;
    b.scale = 0.45;
    b.x = 128;
    b.y = 58 + 188 * b.scale;
    b.mouth = m;
    b.motion_lines = false;
    b.ground_shadow = false;
    return b;
}

Canvas panel_layer(const CardPanel& p, Mouth m, int lit)
{
    Canvas layer(p.width, p.height, Canvas::Format::Alpha);
    cairo_t* cr = layer.cr();
    auto card_path = [&] { rounded_rect(cr, 4.5, 4.5, p.width - 10, p.height - 10, 18); };
    cairo_save(cr);
    card_path();
    set_rgb(cr, 0xFFF8EA);
    cairo_fill(cr);
    card_path();
    cairo_clip(cr);
    fill_vertical_gradient(cr, 0, 0, p.width, p.height, 0xFFFBF0, 0xFFEBCB);
    set_rgb(cr, 0xCDEBFA);
    ellipse(cr, 128, 66, p.sky_radius, p.sky_radius);
    cairo_fill(cr);
    draw_bafo(cr, panel_bafo(m));
    if (p.inside)
        p.inside(cr);
    cairo_restore(cr);
    cairo_save(cr);
    card_path();
    set_rgb(cr, pal::outline);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    cairo_restore(cr);
    if (p.over)
        p.over(cr);
    paint_buttons(layer, lit);
    return layer;
}

// Opaque where the card is, the key colour (pixel (0, 0)) elsewhere; the
// program lays it over whatever screen asks.
Canvas panel_picture(const CardPanel& p, Mouth m, int lit)
{
    const Canvas layer = panel_layer(p, m, lit);
    Canvas out(p.width, p.height);
    uint32_t* d = out.data();
    const int stride = out.stride_words();
    for (int y = 0; y < p.height; ++y)
        for (int x = 0; x < p.width; ++x) {
            const bool solid = layer.alpha(x, y) >= 128 && !(x == 0 && y == 0);
            d[size_t(y) * size_t(stride) + size_t(x)] = 0xFF000000u | (solid ? layer.pixel(x, y) : pal::key);
        }
    out.mark_dirty();
    return out;
}

}  // namespace

void round_button(Canvas& c, double cx, double cy, double r0, uint32_t colour, bool tick, const Box* lit)
{
    cairo_t* cr = c.cr();
    const double r = lit ? r0 + 1 : r0;
    uint32_t col = lit ? lighten(colour, 0.25) : colour;
    if (lit)
        glow(c, [&](cairo_t* g) { ellipse(g, cx, cy, r, r); }, pal::glow, 7, 2.0, lit);
    paint_shape(cr, [&](cairo_t* g) { ellipse(g, cx, cy, r, r); }, Style{col, 0.35, pal::outline, 2.5, !lit, 2, 0.25});
    cairo_save(cr);
    set_rgb(cr, pal::white, 0.45);
    ellipse(cr, cx - r * 0.35, cy - r * 0.45, r * 0.35, r * 0.2);
    cairo_fill(cr);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    // The white sign with a thin dark edge, so it reads on the bright button.
    auto sign = [&] {
        if (tick) {
            cairo_move_to(cr, cx - r * 0.48, cy + r * 0.02);
            cairo_line_to(cr, cx - r * 0.12, cy + r * 0.4);
            cairo_line_to(cr, cx + r * 0.5, cy - r * 0.38);
        } else {
            const double k = r * 0.38;
            cairo_move_to(cr, cx - k, cy - k);
            cairo_line_to(cr, cx + k, cy + k);
            cairo_move_to(cr, cx + k, cy - k);
            cairo_line_to(cr, cx - k, cy + k);
        }
    };
    sign();
    set_rgb(cr, darken(colour, 0.45));
    cairo_set_line_width(cr, r * 0.34 + 2);
    cairo_stroke(cr);
    sign();
    set_rgb(cr, pal::white);
    cairo_set_line_width(cr, r * 0.34);
    cairo_stroke(cr);
    cairo_restore(cr);
}

void write_card_panel(const std::filesystem::path& dir, const CardPanel& p)
{
    const Canvas panel = panel_picture(p, Mouth::Closed, -1);
    panel.save_bmp(dir / "OTAZKA.BMP");
    panel_picture(p, Mouth::Closed, 0).crop(kYesLit.x, kYesLit.y, kYesLit.w, kYesLit.h).save_bmp(dir / "ANO_1.BMP");
    panel_picture(p, Mouth::Closed, 1).crop(kNoLit.x, kNoLit.y, kNoLit.w, kNoLit.h).save_bmp(dir / "NE_1.BMP");
    // The mouth strip: the panel with each mouth, cut at the strip's place.
    const Mouth mouths[4] = {Mouth::Closed, Mouth::Half, Mouth::Open, Mouth::Round};
    Canvas strip(kMouthW * 4, kMouthH);
    for (int f = 0; f < 4; ++f) {
        const Canvas other = panel_picture(p, mouths[f], -1);
        for (int py = 0; py < p.height; ++py)
            for (int px = 0; px < p.width; ++px) {
                const bool inside = px >= kMouthX && px < kMouthX + kMouthW && py >= kMouthY && py < kMouthY + kMouthH;
                if (inside && other.pixel(px, py) == pal::key)
                    throw std::runtime_error("the mouth strip reaches past the panel's card");
                if (!inside && other.pixel(px, py) != panel.pixel(px, py))
                    throw std::runtime_error("mouth state " + std::to_string(f) + " changes the panel at (" +
                                             std::to_string(px) + ", " + std::to_string(py) + ") outside the strip");
            }
        strip.paste(other.crop(kMouthX, kMouthY, kMouthW, kMouthH), f * kMouthW, 0);
    }
    strip.save_bmp(dir / "BAFO_ANI.BMP");
}

}  // namespace datagen::question
