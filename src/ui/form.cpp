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

void Form::bring_to_front(Control& c)
{
    auto it = std::find_if(m_controls.begin(), m_controls.end(), [&](auto& p) { return p.get() == &c; });
    if (it == m_controls.end())
        return;
    auto keep = std::move(*it);
    m_controls.erase(it);
    m_controls.push_back(std::move(keep));
    touched();
}

Control* Form::control_at(int px, int py) const
{
    for (auto it = m_controls.rbegin(); it != m_controls.rend(); ++it)
        if ((*it)->takes_input_at(px, py))
            return it->get();
    return nullptr;
}

void Form::compose(Surface& frame) const
{
    frame.blit(screen, screen.rect(), x, y);
    for (const auto& c : m_controls)
        if (c->visible())
            c->compose(frame, x, y);
}

}  // namespace bafo::ui
