// The colouring book's props, shared by its screen, the album of paintings and
// the printer panel: the wooden desk, the violet album with a photo on its
// cover, a little sunny painting, the easel and the printer.
#pragma once

#include "art.h"

namespace datagen::paint_kit {

// Warm planks with their grain from `top` down to `bottom`, `w` wide, and the
// dark edge with its light bevel along the top.
void desk(cairo_t* cr, double top, double w, double bottom);

// A sunny hill under a blue sky with the sun, laid out on the rectangle and
// shown `inset` px inside its edges (where a white mount or frame lies).
void sunny_picture(cairo_t* cr, double x, double y, double w, double h, double inset);

// The album: a fat violet book with a photo on its cover, 37 x 27 at s = 1,
// centred on (cx, cy). Lit, it is lighter, casts no shadow and twinkles.
void album_book(cairo_t* cr, double cx, double cy, double s, bool lit);
void album_cover_path(cairo_t* cr, double cx, double cy, double s);

// A wooden easel whose board (w x h, its top left at x, y) holds a painting.
void easel(cairo_t* cr, double x, double y, double w, double h, bool shadow = true);

// A friendly printer, w wide (about 0.62 w tall) with its bottom centre at
// (cx, bottom), a sheet with a painting coming out of its front. `face`:
// 0 none, 1 smiling, -1 sad (an orange light, nothing printed).
void printer(cairo_t* cr, double cx, double bottom, double w, int face = 0, bool shadow = true);
void printer_path(cairo_t* cr, double cx, double bottom, double w);

}  // namespace datagen::paint_kit
