#include "platform/draw.h"

#include <cairo.h>

namespace bafo {

namespace {

// Cairo works on our pixels in place: XRGB8888 rows with the same stride.
struct CairoOn {
    cairo_surface_t* surface = nullptr;
    cairo_t* cr = nullptr;
    explicit CairoOn(Surface& s)
    {
        surface = cairo_image_surface_create_for_data(reinterpret_cast<unsigned char*>(s.data()),
                                                      CAIRO_FORMAT_RGB24, s.width(), s.height(),
                                                      s.stride_bytes());
        cr = cairo_create(surface);
        cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    }
    ~CairoOn()
    {
        cairo_destroy(cr);
        cairo_surface_flush(surface);
        cairo_surface_destroy(surface);
    }
    void colour(uint32_t c)
    {
        cairo_set_source_rgb(cr, ((c >> 16) & 0xFF) / 255.0, ((c >> 8) & 0xFF) / 255.0, (c & 0xFF) / 255.0);
    }
};

bool drawable(const Surface& s)
{
    return !s.empty();
}

}  // namespace

void draw_line(Surface& s, int x0, int y0, int x1, int y1, const Pen& pen)
{
    if (!drawable(s) || pen.width <= 0)
        return;
    CairoOn c(s);
    // Odd widths sit on pixel centres.
    double off = (pen.width % 2) ? 0.5 : 0.0;
    c.colour(pen.colour);
    cairo_set_line_width(c.cr, pen.width);
    cairo_move_to(c.cr, x0 + off, y0 + off);
    cairo_line_to(c.cr, x1 + off, y1 + off);
    cairo_stroke(c.cr);
}

namespace {

void shape(Surface& s, const Rect& r, const Pen& pen, std::optional<uint32_t> fill, bool oval)
{
    if (!drawable(s) || r.empty())
        return;
    CairoOn c(s);
    auto path = [&](double inset) {
        double x = r.x + inset, y = r.y + inset, w = r.w - 2 * inset, h = r.h - 2 * inset;
        if (w <= 0 || h <= 0)
            return false;
        if (oval) {
            cairo_save(c.cr);
            cairo_translate(c.cr, x + w / 2, y + h / 2);
            cairo_scale(c.cr, w / 2, h / 2);
            cairo_arc(c.cr, 0, 0, 1, 0, 6.283185307179586);
            cairo_restore(c.cr);
        } else {
            cairo_rectangle(c.cr, x, y, w, h);
        }
        return true;
    };
    if (fill) {
        c.colour(*fill);
        if (path(0))
            cairo_fill(c.cr);
    }
    if (pen.width > 0) {
        c.colour(pen.colour);
        cairo_set_line_width(c.cr, pen.width);
        // The outline stays inside the frame: inset by half the width. A
        // rectangle keeps square corners however thick its pen.
        if (!oval)
            cairo_set_line_join(c.cr, CAIRO_LINE_JOIN_MITER);
        if (path(pen.width / 2.0))
            cairo_stroke(c.cr);
    }
}

}  // namespace

void draw_rectangle(Surface& s, const Rect& r, const Pen& pen, std::optional<uint32_t> fill)
{
    shape(s, r, pen, fill, false);
}

void draw_ellipse(Surface& s, const Rect& r, const Pen& pen, std::optional<uint32_t> fill)
{
    shape(s, r, pen, fill, true);
}

}  // namespace bafo
