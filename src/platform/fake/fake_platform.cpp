#include "platform/fake/fake_platform.h"

#include "platform/printing.h"
#include "platform/wave_info.h"

#include <algorithm>

namespace bafo {

void FakePlatform::push(uint32_t at, const Event& ev)
{
    // Keep the script in time order; equal times keep their order of arrival.
    auto it = std::upper_bound(m_input.begin(), m_input.end(), at,
                               [](uint32_t t, const auto& e) { return t < e.first; });
    m_input.insert(it, {at, ev});
}

void FakePlatform::click(uint32_t at, int x, int y, MouseButton b)
{
    Event m;
    m.type = Event::Type::MouseMove;
    m.x = x;
    m.y = y;
    push(at, m);
    Event d = m;
    d.type = Event::Type::MouseDown;
    d.button = int(b);
    d.buttons = int(b);
    push(at, d);
    Event u = d;
    u.type = Event::Type::MouseUp;
    u.buttons = 0;
    push(at, u);
}

void FakePlatform::move(uint32_t at, int x, int y, int buttons)
{
    Event m;
    m.type = Event::Type::MouseMove;
    m.x = x;
    m.y = y;
    m.buttons = buttons;
    push(at, m);
}

void FakePlatform::key(uint32_t at, int code)
{
    Event k;
    k.type = Event::Type::KeyDown;
    k.key = code;
    push(at, k);
    k.type = Event::Type::KeyUp;
    push(at, k);
}

void FakePlatform::type(uint32_t at, const std::string& utf8)
{
    Event t;
    t.type = Event::Type::Text;
    t.text = utf8;
    push(at, t);
}

void FakePlatform::advance_to(uint32_t t)
{
    // Stop at each probe on the way so the test sees the screen at that time.
    while (!m_probes.empty() && int32_t(*m_probes.begin() - t) <= 0) {
        uint32_t p = *m_probes.begin();
        m_probes.erase(m_probes.begin());
        if (int32_t(p - m_now) > 0)
            m_now = p;
        if (on_idle)
            on_idle(*this);
    }
    if (int32_t(t - m_now) > 0)
        m_now = t;
}

bool FakePlatform::wait_event(Event& ev, uint32_t deadline)
{
    if (on_idle)
        on_idle(*this);
    if (!m_input.empty() && int32_t(m_input.front().first - deadline) <= 0) {
        advance_to(m_input.front().first);
        ev = m_input.front().second;
        m_input.pop_front();
        if (ev.type == Event::Type::MouseMove || ev.type == Event::Type::MouseDown ||
            ev.type == Event::Type::MouseUp) {
            m_mouse_x = ev.x;
            m_mouse_y = ev.y;
            m_buttons = ev.buttons;
        }
        return true;
    }
    advance_to(deadline);
    return false;
}

void FakePlatform::sleep_until(uint32_t deadline)
{
    if (on_idle)
        on_idle(*this);
    advance_to(deadline);
}

bool FakePlatform::mouse_button_waiting()
{
    for (const auto& [at, ev] : m_input) {
        if (int32_t(at - m_now) > 0)
            break;
        if (ev.type == Event::Type::MouseDown || ev.type == Event::Type::MouseUp)
            return true;
    }
    return false;
}

void FakePlatform::mouse_position(int& x, int& y)
{
    x = m_mouse_x;
    y = m_mouse_y;
}

bool FakePlatform::open_window(const std::string& title, bool fs)
{
    m_title = title;
    window_open = true;
    fullscreen = fs;
    return true;
}

void FakePlatform::present(const Surface& frame)
{
    last_frame = frame;
    last_present = frame.rect();
    ++presents;
}

void FakePlatform::present_rect(const Surface& frame, const Rect& r)
{
    last_frame.blit(frame, r, r.x, r.y);
    last_present = r;
    ++presents;
}

bool FakePlatform::set_display_mode(const DisplayMode& mode)
{
    mode_requests.push_back(mode);
    if (refuse_display_mode)
        return false;
    fullscreen = true;
    return true;
}

bool FakePlatform::restore_display_mode(const DisplayMode& mode)
{
    mode_requests.push_back(mode);
    if (refuse_restore)
        return false;
    fullscreen = false;
    return true;
}

int FakePlatform::show_cursor(bool show)
{
    cursor_count += show ? 1 : -1;
    return cursor_count;
}

void FakePlatform::message_box(const std::string& text, const std::string& title, MessageIcon icon)
{
    messages.push_back({text, title, icon});
}

uint32_t FakePlatform::sound_end(const std::string& path) const
{
    return m_now + wave_duration_ms(path).value_or(0);
}

bool FakePlatform::sound_play(const std::string& path)
{
    played.push_back({m_now, path, true, false});
    auto len = wave_duration_ms(path);
    m_sound_on = len.has_value() && *len > 0;
    m_sound_until = sound_end(path);
    return len.has_value();
}

void FakePlatform::sound_stop()
{
    if (sound_playing())
        sound_stops.push_back(m_now);
    m_sound_on = false;
}

bool FakePlatform::sound_playing()
{
    return m_sound_on && int32_t(m_sound_until - m_now) > 0;
}

bool FakePlatform::wave_play(const std::string& path, bool loop)
{
    played.push_back({m_now, path, false, loop});
    return wave_duration_ms(path).has_value();
}

void FakePlatform::wave_stop()
{
    played.push_back({m_now, "", false, false});
}

bool FakePlatform::midi_out_name(int device, std::string& name)
{
    if (midi_unreadable.count(device) || device < -1 || device >= midi_out_count())
        return false;
    name = device == -1 ? "Bafolino synthesiser" : midi_devices[size_t(device)];
    return true;
}

int FakePlatform::midi_out_open(int device)
{
    if (midi_open_error)
        return midi_open_error;
    if (device < -1 || device >= midi_out_count())
        return 2;
    midi_open_device = device;
    return 0;
}

int FakePlatform::midi_out_close()
{
    if (midi_open_device == -2)
        return 5;
    midi_open_device = -2;
    return 0;
}

int FakePlatform::midi_out_send(uint32_t message)
{
    if (midi_open_device == -2)
        return 5;
    if (midi_open_error)
        return midi_open_error;
    midi_sent.push_back({m_now, message});
    return 0;
}

std::string FakePlatform::midi_error_text(int code)
{
    return "MIDI error " + std::to_string(code);
}

std::vector<std::string> FakePlatform::printers()
{
    return real_printing ? cups_printers() : printer_names;
}

std::string FakePlatform::print(const PrintPage& page)
{
    Printed p{page.printer, page.title, page.picture ? *page.picture : Surface(), page.width_in, page.height_in,
              page.landscape};
    printed.push_back(std::move(p));
    return real_printing ? cups_print(page) : print_error;
}

void FakePlatform::midi_note(uint32_t at, int note, int velocity)
{
    Event ev;
    ev.type = Event::Type::MidiNote;
    ev.note = note;
    ev.velocity = velocity;
    push(at, ev);
}

}  // namespace bafo
