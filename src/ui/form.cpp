#include "ui/form.h"

#include "ui/app.h"

#include <algorithm>

namespace bafo::ui {

void Timer::set_enabled(bool e)
{
    if (e && !m_enabled)
        m_due = App::get().now() + interval;
    m_enabled = e;
}

Form::Form(std::string name, int w, int h) : m_name(std::move(name))
{
    image.resize(w, h);
    screen.resize(w, h);
    where = [this]() -> std::optional<Point> { return Point{x, y}; };
}

Form::~Form() = default;

Timer& Form::add_timer(uint32_t interval, std::function<void()> tick)
{
    auto t = std::make_unique<Timer>();
    t->interval = interval;
    t->on_tick = std::move(tick);
    m_timers.push_back(std::move(t));
    return *m_timers.back();
}

void Form::insert(std::unique_ptr<Control> c)
{
    auto at = std::find_if(m_controls.begin(), m_controls.end(), [](auto& p) { return p->m_on_top; });
    m_controls.insert(at, std::move(c));
    touched();
}

void Form::remove(Control& c)
{
    auto it = std::find_if(m_controls.begin(), m_controls.end(), [&](auto& p) { return p.get() == &c; });
    if (it == m_controls.end())
        return;
    if (m_focus == &c)
        m_focus = nullptr;
    for (auto& other : m_controls)
        if (other->m_parent == &c)
            other->m_parent = nullptr, other->m_visible = false;
    // Kept alive until the event loop is back at its top: a handler may remove its own control.
    App::get().bury(std::move(*it));
    m_controls.erase(it);
    touched();
}

void Form::bring_to_front(Control& c)
{
    auto it = std::find_if(m_controls.begin(), m_controls.end(), [&](auto& p) { return p.get() == &c; });
    if (it == m_controls.end())
        return;
    auto keep = std::move(*it);
    m_controls.erase(it);
    if (keep->m_on_top)
        m_controls.push_back(std::move(keep));
    else
        insert(std::move(keep));
    touched();
}

void Form::keep_on_top(Control& c)
{
    c.m_on_top = true;
    bring_to_front(c);
}

Control* Form::hit(const Control* parent, int px, int py) const
{
    for (auto it = m_controls.rbegin(); it != m_controls.rend(); ++it) {
        Control* c = it->get();
        if (c->m_parent != parent || !c->visible() || !c->enabled() || !c->rect().contains(px, py))
            continue;
        if (Control* inner = hit(c, px - c->rect().x, py - c->rect().y))
            return inner;
        if (c->takes_input())
            return c;
    }
    return nullptr;
}

Control* Form::control_at(int px, int py) const
{
    return hit(nullptr, px, py);
}

void Form::compose(Surface& frame, int ox, int oy) const
{
    frame.blit(screen, screen.rect(), ox, oy);
    for (const auto& c : m_controls) {
        if (!c->visible() || c->m_parent)
            continue;
        // A redraw of part of the screen skips what lies wholly outside it
        // (a label would render its text for nothing). A pen may reach a
        // little past a shape's rectangle; a line's may be turned inside out.
        const Rect r = c->rect();
        if (!r.empty() && Rect{ox + r.x - 8, oy + r.y - 8, r.w + 16, r.h + 16}.intersect(frame.rect()).empty())
            continue;
        c->compose(frame, ox, oy);
    }
}

void Form::compose_children(const Control& parent, Surface& frame, int ox, int oy) const
{
    const Rect box{ox, oy, parent.rect().w, parent.rect().h};
    for (const auto& c : m_controls) {
        if (c->m_parent != &parent || !c->visible())
            continue;
        // Drawn into a copy of the part of the frame they may touch: nothing spills out of the box.
        const Rect r = box.intersect({ox + c->rect().x, oy + c->rect().y, c->rect().w, c->rect().h}).intersect(frame.rect());
        if (r.empty())
            continue;
        Surface part = frame.crop(r);
        c->compose(part, ox - r.x, oy - r.y);
        frame.blit(part, r.x, r.y);
    }
}

}  // namespace bafo::ui
