#include "ui/layers.h"

#include "ui/app.h"

namespace bafo::ui {

void Layers::resize(int w, int h, uint32_t fill)
{
    image.resize(w, h, fill);
    screen.resize(w, h, fill);
    touched();
}

void Layers::draw_both(const Surface& src, const Rect& from, int x, int y)
{
    image.blit(src, from, x, y);
    screen.blit(src, from, x, y);
    touched({x, y, from.w, from.h});
}

void Layers::draw_screen(const Surface& src, const Rect& from, int x, int y)
{
    screen.blit(src, from, x, y);
    touched({x, y, from.w, from.h});
}

void Layers::set_picture(const Surface& bg)
{
    image = bg;
    screen = bg;
    touched();
}

void Layers::repaint()
{
    screen = image;
    touched();
}

void Layers::repaint(const Rect& r)
{
    screen.blit(image, r, r.x, r.y);
    touched(r);
}

void Layers::touched()
{
    App::get().invalidate();
}

void Layers::touched(const Rect& r)
{
    const auto at = where ? where() : std::nullopt;
    if (!at) {
        App::get().invalidate();
        return;
    }
    App::get().invalidate({at->x + r.x, at->y + r.y, r.w, r.h});
}

}  // namespace bafo::ui
