// The form registry and the event loop: which forms are loaded, shown and
// active; input dispatch; our timers; the three ways to wait.
#pragma once

#include "platform/platform.h"
#include "ui/form.h"

#include <functional>
#include <map>
#include <memory>
#include <typeindex>
#include <vector>

namespace bafo::ui {

class App {
public:
    static App& get();
    // Forgets every form and restarts the state (tests run many programs).
    void reset();

    uint32_t now() const;

    // The loaded instance of T, loading it (constructor, then on_load) when needed.
    template <class T>
    T& form()
    {
        auto key = std::type_index(typeid(T));
        auto it = m_forms.find(key);
        if (it != m_forms.end())
            return static_cast<T&>(*it->second);
        auto f = std::make_unique<T>();
        T& ref = *f;
        m_forms[key] = std::move(f);
        load(ref);
        return ref;
    }
    template <class T>
    T* find()
    {
        auto it = m_forms.find(std::type_index(typeid(T)));
        return it == m_forms.end() ? nullptr : static_cast<T*>(it->second.get());
    }
    template <class T>
    bool loaded() const
    {
        return m_forms.count(std::type_index(typeid(T))) != 0;
    }
    bool is_loaded(const Form& f) const;

    // Shows the form on top and makes it active; its activation runs from
    // the event loop, after the caller's handler has returned.
    void show(Form& f);
    void hide(Form& f);
    // Hides, runs on_unload and forgets the form; the object itself lives
    // until the outermost loop runs again, so a handler may unload its own form.
    void unload(Form& f);
    // Shows the form and runs a nested loop until it is hidden or unloaded.
    void run_modal(Form& f);

    Form* active() const { return m_active; }

    // The main loop, until quit().
    int run();
    void quit(int code);
    bool quitting() const { return m_quit; }
    int exit_code() const { return m_exit_code; }

    // Wait 1: until `until`, dispatching events and timers meanwhile.
    void wait_dispatch(uint32_t until);
    // The same, returning early once stop() says so (checked after each event or timer).
    void wait_dispatch(uint32_t until, const std::function<bool()>& stop);
    // Runs what is pending now (activations, queued input, due timers) and returns.
    void dispatch_pending();
    // Wait 2: until `until` without dispatching; the frame is shown first.
    void sleep_until(uint32_t until);
    // Wait 3: a nested loop until done() says so.
    void loop_until(const std::function<bool()>& done);

    // Screen-wide pointer override (busy while a screen opens); none = per form.
    void set_screen_pointer(std::optional<CursorKind> k);
    void set_screen_pointer(const Cursor& c);
    // Shows the pointer wanted now, after a form changed its own.
    void refresh_pointer() { update_cursor(m_mouse_x, m_mouse_y); }
    // The pointer over hot areas, set once at start.
    Cursor hot_pointer{CursorKind::Hand};

    void invalidate() { m_dirty = m_dirty_all = true; }
    // Only this part of the 800 × 600 screen changed.
    void invalidate(const Rect& r);
    // Composes the shown forms and presents the frame when anything changed.
    void present();
    const Surface& frame() const { return m_frame; }

    // Takes a control its form removed: no more input reaches it, and it is
    // destroyed once the outermost loop runs again.
    void bury(std::unique_ptr<Control> c);

    // Delivers one event as if it had come from the platform.
    void dispatch(const Event& ev);

private:
    void load(Form& f);
    void activate_next();
    bool step(uint32_t deadline);
    void fire_timers();
    uint32_t next_timer_due(uint32_t limit) const;
    void update_cursor(int x, int y);
    void mouse(const Event& ev);
    Form* topmost_visible() const;

    std::map<std::type_index, std::unique_ptr<Form>> m_forms;
    std::vector<std::unique_ptr<Form>> m_graveyard;
    std::vector<std::unique_ptr<Control>> m_dead_controls;
    std::vector<Form*> m_shown;  // bottom to top
    Form* m_active = nullptr;
    Form* m_pending_activate = nullptr;
    Control* m_capture = nullptr;
    Form* m_capture_form = nullptr;
    bool m_capture_on_form = false;
    int m_depth = 0;
    bool m_quit = false;
    int m_exit_code = 0;
    bool m_dirty = true;
    bool m_dirty_all = true;
    Rect m_dirty_rect;
    Surface m_frame{800, 600};
    std::optional<Cursor> m_screen_pointer;
    std::optional<Cursor> m_shown_cursor;
    const Form* m_traced_top = nullptr;  // the first frame of each screen is traced
    int m_mouse_x = 0, m_mouse_y = 0;
};

}  // namespace bafo::ui
