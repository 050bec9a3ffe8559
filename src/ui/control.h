// The pieces a screen is built from: hot areas, picture boxes, shapes,
// labels and a one-line text box. A control belongs to one form.
#pragma once

#include "platform/draw.h"
#include "platform/font.h"
#include "platform/platform.h"
#include "platform/utf8.h"
#include "ui/layers.h"

#include <functional>
#include <optional>
#include <string>

namespace bafo::ui {

class Form;

struct MouseArgs {
    int button = 0;   // the button that changed (MouseDown/MouseUp)
    int buttons = 0;  // buttons held
    int shift = 0;
    int x = 0, y = 0;              // relative to the control (or form)
    int form_x = 0, form_y = 0;    // relative to the form
    bool click = false;            // MouseUp: the press was made on the same control (or form)
};

class Control {
public:
    Control(Form& owner, std::string name, int index);
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    Form& form() const { return m_form; }
    const std::string& name() const { return m_name; }
    int index() const { return m_index; }

    // Where the control lies in its parent: the form, or the picture box it is a child of.
    Rect rect() const { return m_rect; }
    // The same rectangle in form coordinates.
    Rect form_rect() const;
    Control* parent() const { return m_parent; }
    void move(int x, int y);
    void set_rect(const Rect& r);
    virtual void set_size(int w, int h);
    bool visible() const { return m_visible; }
    void show() { set_visible(true); }
    void hide() { set_visible(false); }
    void set_visible(bool v);
    bool enabled() const { return m_enabled; }
    void set_enabled(bool e) { m_enabled = e; }
    // A control takes input when it is visible, enabled, of a kind that takes
    // input and under the point (in its parent's coordinates).
    bool takes_input_at(int x, int y) const { return m_visible && m_enabled && takes_input() && m_rect.contains(x, y); }
    // Outlines and other drawings let the mouse through to what lies below.
    virtual bool takes_input() const { return true; }

    // The pointer shown over this control; none = the form's.
    std::optional<Cursor> pointer;

    std::function<void(const MouseArgs&)> on_mouse_down, on_mouse_up, on_mouse_move;
    std::function<void()> on_click;

    // Draws the control onto the composed frame; (ox, oy) is the form's origin.
    virtual void compose(Surface&, int, int) const {}
    virtual bool wants_focus() const { return false; }

protected:
    void changed() const;
    // The control moved from `before` (form coordinates): redraws both places.
    void moved(const Rect& before) const;

private:
    friend class Form;
    Form& m_form;
    std::string m_name;
    int m_index;
    Rect m_rect;
    bool m_visible = true;
    bool m_enabled = true;
    Control* m_parent = nullptr;
    bool m_on_top = false;
};

// A transparent, borderless rectangle that reacts to the mouse.
class HotArea : public Control {
public:
    using Control::Control;
    bool marked = false;  // this area's icon is lit
};

// A picture box with its own two layers. Loading a picture sizes it. Its
// child controls lie inside it, clipped to it.
class PictureBox : public Control {
public:
    PictureBox(Form& owner, std::string name, int index);
    Layers layers;
    void set_size(int w, int h) override;
    void set_picture(const Surface& s);
    void compose(Surface& frame, int ox, int oy) const override;
};

// A drawn outline or line; the mouse passes through it.
class Shape : public Control {
public:
    enum class Kind { Rectangle, Oval, Line };
    using Control::Control;
    bool takes_input() const override { return false; }
    Kind kind = Kind::Rectangle;
    Pen pen;
    std::optional<uint32_t> fill;
    // Line: from the rectangle's top-left to its bottom-right.
    void compose(Surface& frame, int ox, int oy) const override;
};

class Label : public Control {
public:
    enum class Align { Left, Centre, Right };
    using Control::Control;
    void set_text(const std::string& t);
    const std::string& text() const { return m_text; }
    TextStyle style;
    Align align = Align::Left;
    std::optional<uint32_t> background;  // none = transparent
    void compose(Surface& frame, int ox, int oy) const override;

private:
    std::string m_text;
};

// One line of UTF-8 text; keys reach it while its form has it in focus.
class TextBox : public Control {
public:
    using Control::Control;
    const std::string& text() const { return m_text; }
    void set_text(const std::string& t);
    // Most characters (code points) the box takes, and the widest text in pixels (0: any).
    size_t max_chars = 32;
    int max_width = 0;
    TextStyle style;
    uint32_t background = 0xFFFFFF;
    std::optional<uint32_t> border = 0x3B2A20;
    // Called with each typed character (one code point); false refuses it.
    std::function<bool(const std::string&)> on_key_press;
    // Called with a key code before the box handles it; true = handled.
    std::function<bool(int key, int shift)> on_key_down;

    void key_down(int key, int shift);
    void text_input(const std::string& utf8);
    bool wants_focus() const override { return true; }
    void compose(Surface& frame, int ox, int oy) const override;

private:
    std::string m_text;
};

}  // namespace bafo::ui
