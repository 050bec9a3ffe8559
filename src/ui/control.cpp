#include "ui/control.h"

#include "ui/app.h"
#include "ui/form.h"

namespace bafo::ui {

Control::Control(Form& owner, std::string name, int index)
    : m_form(owner), m_name(std::move(name)), m_index(index)
{
}

void Control::changed() const
{
    App::get().invalidate();
}

Rect Control::form_rect() const
{
    Rect r = m_rect;
    for (const Control* p = m_parent; p; p = p->m_parent) {
        r.x += p->m_rect.x;
        r.y += p->m_rect.y;
    }
    return r;
}

void Control::move(int x, int y)
{
    const Rect before = form_rect();
    m_rect.x = x;
    m_rect.y = y;
    moved(before);
}

void Control::moved(const Rect& before) const
{
    const Rect after = form_rect();
    if (before.empty() || after.empty()) {
        changed();
        return;
    }
    if (!m_visible)
        return;
    // Only where it was and where it is now; a pen may reach a little past a shape.
    auto around = [this](const Rect& r) { return Rect{m_form.x + r.x - 8, m_form.y + r.y - 8, r.w + 16, r.h + 16}; };
    App::get().invalidate(unite(around(before), around(after)));
}

void Control::set_rect(const Rect& r)
{
    move(r.x, r.y);
    set_size(r.w, r.h);
}

void Control::set_size(int w, int h)
{
    m_rect.w = w;
    m_rect.h = h;
    changed();
}

void Control::set_visible(bool v)
{
    m_visible = v;
    changed();
}

PictureBox::PictureBox(Form& owner, std::string name, int index) : Control(owner, std::move(name), index)
{
    layers.where = [this]() -> std::optional<Point> {
        if (!visible())
            return std::nullopt;
        const Rect r = form_rect();
        return Point{form().x + r.x, form().y + r.y};
    };
}

void PictureBox::set_size(int w, int h)
{
    Control::set_size(w, h);
    if (w != layers.width() || h != layers.height())
        layers.resize(w, h);
}

void PictureBox::set_picture(const Surface& s)
{
    Control::set_size(s.width(), s.height());
    layers.set_picture(s);
}

void PictureBox::compose(Surface& frame, int ox, int oy) const
{
    frame.blit(layers.screen, layers.screen.rect(), ox + rect().x, oy + rect().y);
    form().compose_children(*this, frame, ox + rect().x, oy + rect().y);
}

void Shape::compose(Surface& frame, int ox, int oy) const
{
    Rect r = rect();
    r.x += ox;
    r.y += oy;
    switch (kind) {
    case Kind::Rectangle: draw_rectangle(frame, r, pen, fill); break;
    case Kind::Oval: draw_ellipse(frame, r, pen, fill); break;
    case Kind::Line: draw_line(frame, r.x, r.y, r.x + r.w, r.y + r.h, pen); break;
    }
}

void Label::set_text(const std::string& t)
{
    if (t != m_text) {
        m_text = t;
        changed();
    }
}

void Label::compose(Surface& frame, int ox, int oy) const
{
    Rect r = rect();
    r.x += ox;
    r.y += oy;
    if (background)
        frame.fill(r, *background);
    int w = 0, h = 0;
    text_size(m_text, style, w, h);
    int x = align == Align::Left ? r.x : align == Align::Right ? r.x + r.w - w : r.x + (r.w - w) / 2;
    int y = r.y + (r.h - h) / 2;
    // Text never spills outside its label.
    Surface clip = frame.crop(r);
    draw_text(clip, x - r.x, y - r.y, m_text, style);
    frame.blit(clip, r.x, r.y);
}

void TextBox::set_text(const std::string& t)
{
    auto chars = utf8_chars(t);
    if (chars.size() > max_chars)
        chars.resize(max_chars);
    std::string clean;
    for (auto& c : chars)
        clean += c;
    if (clean != m_text) {
        m_text = clean;
        changed();
    }
}

void TextBox::key_down(int key, int shift)
{
    if (on_key_down && on_key_down(key, shift))
        return;
    if (key == 8) {  // backspace: one whole character
        auto chars = utf8_chars(m_text);
        if (!chars.empty()) {
            chars.pop_back();
            std::string t;
            for (auto& c : chars)
                t += c;
            m_text = t;
            changed();
        }
    }
}

void TextBox::text_input(const std::string& utf8)
{
    for (const auto& ch : utf8_chars(utf8)) {
        if ((unsigned char)ch[0] < 0x20 || ch == "\x7f")
            continue;
        if (on_key_press && !on_key_press(ch))
            continue;
        if (utf8_chars(m_text).size() >= max_chars)
            break;
        if (max_width > 0) {
            int w = 0, h = 0;
            text_size(m_text + ch, style, w, h);
            if (w > max_width)
                break;
        }
        m_text += ch;
        changed();
    }
}

void TextBox::compose(Surface& frame, int ox, int oy) const
{
    Rect r = rect();
    r.x += ox;
    r.y += oy;
    frame.fill(r, background);
    if (border)
        draw_rectangle(frame, r, Pen{*border, 2});
    Surface clip = frame.crop({r.x + 3, r.y + 2, r.w - 6, r.h - 4});
    int w = 0, h = 0;
    text_size(m_text, style, w, h);
    int y = (clip.height() - h) / 2;
    int x = std::min(2, clip.width() - w - 4);  // keep the end of long text in view
    int end = x + draw_text(clip, x, y, m_text, style);
    if (enabled() && &form() == App::get().active() && form().focus() == this) {
        // The caret: a bar after the text.
        clip.fill({end + 1, y + 2, 2, std::max(4, h - 4)}, style.colour);
    }
    frame.blit(clip, r.x + 3, r.y + 2);
}

}  // namespace bafo::ui
