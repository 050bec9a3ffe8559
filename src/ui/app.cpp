#include "ui/app.h"

#include "platform/trace.h"

#include <algorithm>

namespace bafo::ui {

App& App::get()
{
    static App app;
    return app;
}

void App::reset()
{
    m_shown.clear();
    m_active = m_pending_activate = nullptr;
    m_capture = nullptr;
    m_capture_form = nullptr;
    m_capture_on_form = false;
    for (auto& [k, f] : m_forms)
        m_graveyard.push_back(std::move(f));
    m_forms.clear();
    m_graveyard.clear();
    m_dead_controls.clear();
    m_depth = 0;
    m_quit = false;
    m_exit_code = 0;
    m_dirty = m_dirty_all = true;
    m_screen_pointer.reset();
    m_shown_cursor.reset();
    m_traced_top = nullptr;
}

uint32_t App::now() const
{
    return platform().now_ms();
}

bool App::is_loaded(const Form& f) const
{
    for (const auto& [k, p] : m_forms)
        if (p.get() == &f)
            return true;
    return false;
}

void App::load(Form& f)
{
    trace("load " + f.name());
    f.on_load();
}

void App::show(Form& f)
{
    if (!is_loaded(f))
        return;
    m_shown.erase(std::remove(m_shown.begin(), m_shown.end(), &f), m_shown.end());
    m_shown.push_back(&f);
    f.m_visible = true;
    f.repaint();
    if (!f.caption.empty())
        platform().set_title(f.caption);
    if (m_active != &f) {
        m_active = &f;
        m_pending_activate = &f;
    }
    trace("show " + f.name());
    invalidate();
    update_cursor(m_mouse_x, m_mouse_y);
}

void App::hide(Form& f)
{
    if (!f.m_visible)
        return;
    m_shown.erase(std::remove(m_shown.begin(), m_shown.end(), &f), m_shown.end());
    f.m_visible = false;
    if (m_capture_form == &f) {
        m_capture = nullptr;
        m_capture_form = nullptr;
        m_capture_on_form = false;
    }
    if (m_active == &f) {
        m_active = topmost_visible();
        m_pending_activate = m_active;
    }
    trace("hide " + f.name());
    invalidate();
}

void App::unload(Form& f)
{
    auto it = std::find_if(m_forms.begin(), m_forms.end(), [&](auto& p) { return p.second.get() == &f; });
    if (it == m_forms.end())
        return;
    hide(f);
    f.on_unload();
    for (auto& t : f.m_timers)
        t->m_enabled = false;
    if (m_pending_activate == &f)
        m_pending_activate = nullptr;
    if (m_active == &f)
        m_active = topmost_visible();
    trace("unload " + f.name());
    m_graveyard.push_back(std::move(it->second));
    m_forms.erase(it);
}

void App::bury(std::unique_ptr<Control> c)
{
    if (m_capture == c.get()) {
        m_capture = nullptr;
        m_capture_form = nullptr;
        m_capture_on_form = false;
    }
    m_dead_controls.push_back(std::move(c));
}

void App::run_modal(Form& f)
{
    show(f);
    loop_until([&] { return !is_loaded(f) || !f.visible(); });
}

Form* App::topmost_visible() const
{
    return m_shown.empty() ? nullptr : m_shown.back();
}

int App::run()
{
    while (!m_quit) {
        step(now() + 60000);
        if (m_depth == 0) {
            m_graveyard.clear();
            m_dead_controls.clear();
        }
    }
    present();
    return m_exit_code;
}

void App::quit(int code)
{
    if (!m_quit)
        trace("end " + std::to_string(code));
    m_quit = true;
    m_exit_code = code;
}

void App::activate_next()
{
    Form* f = m_pending_activate;
    m_pending_activate = nullptr;
    if (f && is_loaded(*f) && f->visible()) {
        trace("activate " + f->name());
        f->on_activate();
    }
}

bool App::step(uint32_t deadline)
{
    ++m_depth;
    present();
    if (m_pending_activate) {
        activate_next();
    } else {
        Event ev;
        if (platform().wait_event(ev, next_timer_due(deadline)))
            dispatch(ev);
        fire_timers();
    }
    --m_depth;
    return !m_quit;
}

void App::wait_dispatch(uint32_t until)
{
    while (!m_quit && int32_t(until - now()) > 0)
        step(until);
}

void App::wait_dispatch(uint32_t until, const std::function<bool()>& stop)
{
    while (!m_quit && !stop() && int32_t(until - now()) > 0)
        step(until);
}

void App::dispatch_pending()
{
    ++m_depth;
    present();
    if (m_pending_activate)
        activate_next();
    Event ev;
    // Only what is waiting now; whatever arrives meanwhile waits for the next loop.
    for (int n = 0; n < 64 && !m_quit && platform().wait_event(ev, now()); ++n)
        dispatch(ev);
    fire_timers();
    --m_depth;
}

void App::sleep_until(uint32_t until)
{
    present();
    platform().sleep_until(until);
}

void App::loop_until(const std::function<bool()>& done)
{
    while (!m_quit && !done())
        step(now() + 60000);
}

uint32_t App::next_timer_due(uint32_t limit) const
{
    uint32_t due = limit;
    for (const auto& [k, f] : m_forms)
        for (const auto& t : f->m_timers)
            if (t->m_enabled && !t->m_running && int32_t(t->m_due - due) < 0)
                due = t->m_due;
    return due;
}

void App::fire_timers()
{
    std::vector<Timer*> due;
    const uint32_t t = now();
    for (const auto& [k, f] : m_forms)
        for (const auto& tm : f->m_timers)
            if (tm->m_enabled && !tm->m_running && int32_t(t - tm->m_due) >= 0)
                due.push_back(tm.get());
    for (Timer* tm : due) {
        // A handler earlier in this round may have switched it off.
        if (!tm->m_enabled)
            continue;
        tm->m_due = t + std::max<uint32_t>(1, tm->interval);
        tm->m_running = true;
        if (tm->on_tick)
            tm->on_tick();
        tm->m_running = false;
    }
}

void App::set_screen_pointer(std::optional<CursorKind> k)
{
    if (k)
        m_screen_pointer = Cursor{*k};
    else
        m_screen_pointer.reset();
    update_cursor(m_mouse_x, m_mouse_y);
}

void App::set_screen_pointer(const Cursor& c)
{
    m_screen_pointer = c;
    update_cursor(m_mouse_x, m_mouse_y);
}

void App::update_cursor(int x, int y)
{
    Cursor want;
    if (m_screen_pointer) {
        want = *m_screen_pointer;
    } else if (m_active) {
        want = m_active->pointer;
        if (m_active->enabled())
            if (Control* c = m_active->control_at(x - m_active->x, y - m_active->y); c && c->pointer)
                want = *c->pointer;
    }
    if (m_shown_cursor && m_shown_cursor->kind == want.kind && m_shown_cursor->image == want.image)
        return;
    m_shown_cursor = want;
    platform().set_cursor(want);
}

void App::invalidate(const Rect& r)
{
    const Rect on_screen = r.intersect(m_frame.rect());
    if (on_screen.empty())
        return;
    m_dirty_rect = m_dirty && !m_dirty_all ? unite(m_dirty_rect, on_screen) : on_screen;
    m_dirty = true;
}

void App::present()
{
    if (!m_dirty)
        return;
    m_dirty = false;
    if (m_dirty_all) {
        m_dirty_all = false;
        m_frame.fill(m_frame.rect(), 0);
        for (Form* f : m_shown)
            f->compose(m_frame, f->x, f->y);
        platform().present(m_frame);
    } else {
        // A stroke or a preview: compose and show only what changed.
        const Rect r = m_dirty_rect;
        Surface part(r.w, r.h, 0);
        for (Form* f : m_shown)
            f->compose(part, f->x - r.x, f->y - r.y);
        m_frame.blit(part, r.x, r.y);
        platform().present_rect(m_frame, r);
    }
    if (Form* top = topmost_visible(); top && top != m_traced_top) {
        m_traced_top = top;
        trace("present " + top->name());
    }
}

void App::dispatch(const Event& ev)
{
    switch (ev.type) {
    case Event::Type::MouseMove:
    case Event::Type::MouseDown:
    case Event::Type::MouseUp: mouse(ev); break;
    case Event::Type::KeyDown:
    case Event::Type::KeyUp:
        if (Form* f = m_active; f && f->enabled()) {
            if (ev.type == Event::Type::KeyUp) {
                f->on_key_up(ev.key, ev.shift);
                break;
            }
            f->on_key_down(ev.key, ev.shift);
            if (auto* tb = dynamic_cast<TextBox*>(f->focus()); tb && is_loaded(*f) && tb->enabled() && tb->visible())
                tb->key_down(ev.key, ev.shift);
        }
        break;
    case Event::Type::Text:
        if (Form* f = m_active; f && f->enabled()) {
            f->on_text(ev.text);
            if (auto* tb = dynamic_cast<TextBox*>(f->focus()); tb && is_loaded(*f) && tb->enabled() && tb->visible())
                tb->text_input(ev.text);
        }
        break;
    case Event::Type::MidiNote:
        if (Form* f = m_active; f && f->enabled())
            f->on_midi_note(ev.note, ev.velocity);
        break;
    case Event::Type::Expose: invalidate(); break;
    case Event::Type::Quit:
        // The window's close button: leave as cleanly as the farewell does.
        quit(0);
        break;
    case Event::Type::None: break;
    }
}

void App::mouse(const Event& ev)
{
    m_mouse_x = ev.x;
    m_mouse_y = ev.y;
    Form* f = m_active;
    if (!f || !f->visible())
        return;
    if (ev.type == Event::Type::MouseMove)
        update_cursor(ev.x, ev.y);
    const bool releasing = ev.type == Event::Type::MouseUp && ev.buttons == 0;
    if (!f->enabled()) {
        if (releasing) {
            m_capture = nullptr;
            m_capture_form = nullptr;
            m_capture_on_form = false;
        }
        return;
    }
    const int fx = ev.x - f->x, fy = ev.y - f->y;
    const bool captured = m_capture_form == f && (m_capture || m_capture_on_form);
    Control* target = captured ? m_capture : f->control_at(fx, fy);
    MouseArgs a;
    a.button = ev.button;
    a.buttons = ev.buttons;
    a.shift = ev.shift;
    a.form_x = fx;
    a.form_y = fy;
    const Rect at = target ? target->form_rect() : Rect{};
    a.x = fx - at.x;
    a.y = fy - at.y;
    // Only a release whose press was taken here completes a click: not one
    // pressed on the screen before this one, nor one pressed on another control.
    a.click = ev.type == Event::Type::MouseUp && captured;

    switch (ev.type) {
    case Event::Type::MouseMove:
        if (target) {
            if (target->on_mouse_move)
                target->on_mouse_move(a);
        } else {
            f->on_mouse_move(a);
        }
        break;
    case Event::Type::MouseDown:
        if (!captured) {
            m_capture = target;
            m_capture_form = f;
            m_capture_on_form = target == nullptr;
        }
        if (target && target->wants_focus())
            f->set_focus(target);
        if (target) {
            if (target->on_mouse_down)
                target->on_mouse_down(a);
        } else {
            f->on_mouse_down(a);
        }
        break;
    case Event::Type::MouseUp: {
        if (releasing) {
            m_capture = nullptr;
            m_capture_form = nullptr;
            m_capture_on_form = false;
        }
        if (target) {
            if (target->on_mouse_up)
                target->on_mouse_up(a);
            // A click is a left press and release on the same control.
            if (ev.button == int(MouseButton::Left) && a.click && target->visible() && target->enabled() &&
                at.contains(fx, fy) && target->on_click && is_loaded(*f))
                target->on_click();
        } else {
            f->on_mouse_up(a);
        }
        break;
    }
    default: break;
    }
}

}  // namespace bafo::ui
