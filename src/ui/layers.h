// The two drawing layers of a form or picture box: the persistent image the
// window repaints from, and the screen layer the child sees.
#pragma once

#include "platform/surface.h"

#include <functional>
#include <optional>

namespace bafo::ui {

class Layers {
public:
    Surface image;   // persistent: survives a repaint
    Surface screen;  // visible: what composition shows

    void resize(int w, int h, uint32_t fill = 0);
    int width() const { return image.width(); }
    int height() const { return image.height(); }

    // A lasting change: into the persistent image, then onto the screen.
    void draw_both(const Surface& src, const Rect& from, int x, int y);
    void draw_both(const Surface& src, int x, int y) { draw_both(src, src.rect(), x, y); }
    // A transient change: gone at the next repaint.
    void draw_screen(const Surface& src, const Rect& from, int x, int y);
    void draw_screen(const Surface& src, int x, int y) { draw_screen(src, src.rect(), x, y); }
    // Both layers become `bg` (a background loaded whole).
    void set_picture(const Surface& bg);
    // The screen layer is repainted from the persistent image.
    void repaint();
    void repaint(const Rect& r);
    // After drawing straight into `image` or `screen` by hand.
    void touched();
    // Only this part (in the layers' own pixels) changed.
    void touched(const Rect& r);

    // Where the layers lie on the screen, when they know: a change to part of
    // them then redraws only that part of the screen.
    std::function<std::optional<Point>()> where;
};

}  // namespace bafo::ui
