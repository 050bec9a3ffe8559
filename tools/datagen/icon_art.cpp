// Bafo's face as the program's icon, drawn by the same code as every screen
// draws him, so the menu entry looks like the puppy the child meets.
#include "icon_art.h"

#include "art.h"
#include "datagen.h"

#include <cairo-svg.h>
#include <cairo.h>

#include <cmath>
#include <stdexcept>

namespace datagen {

using namespace art;

namespace {

cairo_status_t append(void* closure, const unsigned char* data, unsigned int length)
{
    static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
    return CAIRO_STATUS_SUCCESS;
}

// The square of his drawing the icon shows, in his own units (ground point at
// 0, 0, scale 1): the head with the ears and the collar's tag. Small icons show
// less of him, so the eyes and the nose stay a few pixels big.
struct Frame {
    double cx, cy, side;
};

Frame frame_for(int size)
{
    if (size <= 24)
        return {0, -186, 206};
    if (size <= 48)
        return {0, -178, 224};
    return {0, -170, 244};
}

void draw_icon(cairo_t* cr, int size)
{
    const Frame f = frame_for(size);
    const double k = size / f.side;
    // A sky-blue disc behind him, and he does not reach past its bottom: a
    // badge reads as one shape at 16 px where a cut-off body would not.
    const double r = size * 0.47;
    const double dcx = size / 2.0, dcy = size / 2.0 + size * 0.02;
    cairo_save(cr);
    cairo_arc(cr, dcx, dcy, r, 0, 2 * M_PI);
    set_rgb(cr, pal::sky);
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, std::max(1.0, size / 64.0));
    set_rgb(cr, 0x3B2A20);
    cairo_stroke(cr);
    cairo_restore(cr);

    cairo_save(cr);
    // Everything above the disc's centre may stick out of it (the ears); below
    // it, only what lies inside the disc shows.
    cairo_rectangle(cr, 0, 0, size, dcy);
    cairo_new_sub_path(cr);
    cairo_arc(cr, dcx, dcy, r - std::max(0.5, size / 128.0), 0, 2 * M_PI);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    cairo_clip(cr);
    cairo_translate(cr, size / 2.0, size / 2.0);
    cairo_scale(cr, k, k);
    cairo_translate(cr, -f.cx, -f.cy);
    Bafo b;
    b.mouth = Mouth::Half;
    b.eyes = Eyes::Open;
    b.motion_lines = false;
    b.ground_shadow = false;
    draw_bafo(cr, b);
    cairo_restore(cr);
}

}  // namespace

std::string icon_png(int size)
{
    Canvas c(size, size, Canvas::Format::Alpha);
    draw_icon(c.cr(), size);
    cairo_surface_flush(c.surface());
    std::string bytes;
    if (cairo_surface_write_to_png_stream(c.surface(), append, &bytes) != CAIRO_STATUS_SUCCESS)
        throw std::runtime_error("icon: PNG of " + std::to_string(size) + " px not written");
    return bytes;
}

std::string icon_svg()
{
    const int size = 256;
    std::string bytes;
    cairo_surface_t* s = cairo_svg_surface_create_for_stream(append, &bytes, size, size);
    // Pixels, as icon themes measure; cairo's default unit is the point.
    cairo_svg_surface_set_document_unit(s, CAIRO_SVG_UNIT_PX);
    cairo_t* cr = cairo_create(s);
    draw_icon(cr, size);
    const cairo_status_t st = cairo_status(cr);
    cairo_destroy(cr);
    cairo_surface_finish(s);
    const cairo_status_t fin = cairo_surface_status(s);
    cairo_surface_destroy(s);
    if (st != CAIRO_STATUS_SUCCESS || fin != CAIRO_STATUS_SUCCESS)
        throw std::runtime_error("icon: SVG not written");
    return bytes;
}

void write_icons(const std::filesystem::path& dir)
{
    for (int size : kIconSizes) {
        const std::string n = std::to_string(size);
        write_file(dir / "hicolor" / (n + "x" + n) / "apps" / "bafolino.png", icon_png(size));
    }
    write_file(dir / "hicolor" / "scalable" / "apps" / "bafolino.svg", icon_svg());
}

}  // namespace datagen
