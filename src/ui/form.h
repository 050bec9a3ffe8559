// A screen: its two layers, its controls in z-order, its timers and the
// handlers the event loop calls. Screens derive from Form.
#pragma once

#include "ui/control.h"
#include "ui/layers.h"

#include <memory>
#include <string>
#include <vector>

namespace bafo::ui {

class Timer {
public:
    uint32_t interval = 1000;
    std::function<void()> on_tick;
    bool enabled() const { return m_enabled; }
    // Enabling starts a fresh interval, as a timer does when switched on.
    void set_enabled(bool e);

private:
    friend class App;
    bool m_enabled = false;
    bool m_running = false;  // inside its handler: no re-entry
    uint32_t m_due = 0;
};

class Form : public Layers {
public:
    explicit Form(std::string name, int w = 800, int h = 600);
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    const std::string& name() const { return m_name; }

    // Handlers; the defaults do nothing.
    virtual void on_load() {}
    virtual void on_activate() {}
    virtual void on_unload() {}
    virtual void on_mouse_down(const MouseArgs&) {}
    virtual void on_mouse_up(const MouseArgs&) {}
    virtual void on_mouse_move(const MouseArgs&) {}
    virtual void on_key_down(int, int) {}
    virtual void on_key_up(int, int) {}
    virtual void on_text(const std::string&) {}
    // A note from a MIDI keyboard; velocity 0 when the key was let go.
    virtual void on_midi_note(int, int) {}

    // Position of the form on the 800 × 600 screen.
    int x = 0, y = 0;
    std::string caption;
    Cursor pointer;

    bool enabled() const { return m_enabled; }
    void set_enabled(bool e) { m_enabled = e; }
    bool visible() const { return m_visible; }

    // A new control lies above those added before it, but below the controls kept on top.
    template <class T>
    T& add(const std::string& name, int index = 0)
    {
        auto c = std::make_unique<T>(*this, name, index);
        T& ref = *c;
        insert(std::move(c));
        return ref;
    }
    // A control inside a picture box: placed in the box's coordinates, clipped
    // to it, shown and taking input only with it.
    template <class T>
    T& add_child(PictureBox& parent, const std::string& name, int index = 0)
    {
        T& ref = add<T>(name, index);
        ref.m_parent = &parent;
        return ref;
    }
    Timer& add_timer(uint32_t interval, std::function<void()> tick);

    const std::vector<std::unique_ptr<Control>>& controls() const { return m_controls; }
    // Destroys a control made at run time (the cards of a layout that goes).
    void remove(Control& c);
    void bring_to_front(Control& c);
    // Keeps the control above every control added later (a carrier, a hint).
    void keep_on_top(Control& c);
    // The topmost control taking input at the form-relative point; a child
    // before its picture box.
    Control* control_at(int px, int py) const;
    // Composes the children of `parent` onto `frame`, where (ox, oy) is the parent's origin.
    void compose_children(const Control& parent, Surface& frame, int ox, int oy) const;
    Control* focus() const { return m_focus; }
    void set_focus(Control* c) { m_focus = c; }

    // Draws the form with its origin at (ox, oy) of `frame`.
    void compose(Surface& frame, int ox, int oy) const;

private:
    friend class App;
    void insert(std::unique_ptr<Control> c);
    Control* hit(const Control* parent, int px, int py) const;
    std::string m_name;
    bool m_enabled = true;
    bool m_visible = false;
    std::vector<std::unique_ptr<Control>> m_controls;
    std::vector<std::unique_ptr<Timer>> m_timers;
    Control* m_focus = nullptr;
};

}  // namespace bafo::ui
