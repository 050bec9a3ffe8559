// The test platform: a virtual clock that moves only while the program
// waits, scripted input, and a record of sounds, messages, cursors and frames.
#pragma once

#include "platform/platform.h"

#include <deque>
#include <set>
#include <functional>
#include <string>
#include <vector>

namespace bafo {

class FakePlatform : public Platform {
public:
    struct Played {
        uint32_t at;
        std::string path;
        bool channel;  // the sound channel (true) or the simple wave call
        bool loop;
    };
    struct Message {
        std::string text, title;
        MessageIcon icon;
    };

    // Scripted input, due at a virtual time.
    void push(uint32_t at, const Event& ev);
    void click(uint32_t at, int x, int y, MouseButton b = MouseButton::Left);
    void move(uint32_t at, int x, int y, int buttons = 0);
    void key(uint32_t at, int code);
    void type(uint32_t at, const std::string& utf8);
    size_t pending_input() const { return m_input.size(); }

    // Called each time the program blocks in a wait, and at every probe time
    // the clock passes while it waits.
    std::function<void(FakePlatform&)> on_idle;
    void probe_at(uint32_t t) { m_probes.insert(t); }

    uint32_t now_ms() override { return m_now; }
    bool wait_event(Event& ev, uint32_t deadline) override;
    void sleep_until(uint32_t deadline) override;
    bool mouse_button_waiting() override;
    void mouse_position(int& x, int& y) override;

    bool open_window(const std::string& title, bool fullscreen) override;
    void set_title(const std::string& title) override { m_title = title; }
    void present(const Surface& frame) override;
    void present_rect(const Surface& frame, const Rect& r) override;
    DisplayMode display_mode() override { return m_mode; }
    bool set_display_mode(const DisplayMode& mode) override;
    bool restore_display_mode(const DisplayMode& mode) override;

    int show_cursor(bool show) override;
    void set_cursor(const Cursor& cursor) override { cursors.push_back(cursor.kind); }

    void message_box(const std::string& text, const std::string& title, MessageIcon icon) override;

    bool sound_play(const std::string& path) override;
    void sound_stop() override;
    bool sound_playing() override;
    bool wave_play(const std::string& path, bool loop) override;
    void wave_stop() override;

    int midi_out_count() override { return int(midi_devices.size()); }
    bool midi_out_name(int device, std::string& name) override;
    int midi_out_open(int device) override;
    int midi_out_close() override;
    int midi_out_send(uint32_t message) override;
    std::string midi_error_text(int code) override;
    void midi_in_listen(bool on) override { midi_listening = on; }
    // A note from a MIDI keyboard, due at a virtual time (velocity 0 lets it go).
    void midi_note(uint32_t at, int note, int velocity);

    std::vector<std::string> printers() override;
    std::string print(const PrintPage& page) override;

    bool another_instance_running() override { return other_instance; }

    // What the program did, for the tests to read.
    std::vector<Played> played;
    std::vector<Message> messages;
    std::vector<CursorKind> cursors;
    std::vector<DisplayMode> mode_requests;
    std::vector<uint32_t> sound_stops;
    Surface last_frame;
    Rect last_present;  // the part of the screen the last frame redrew
    int presents = 0;
    int cursor_count = 0;
    bool window_open = false;
    bool fullscreen = false;
    std::string m_title;
    struct MidiSent {
        uint32_t at;
        uint32_t message;
    };
    std::vector<MidiSent> midi_sent;
    int midi_open_device = -2;  // -2: none open
    bool midi_listening = false;

    struct Printed {
        std::string printer, title;
        Surface picture;
        double width_in, height_in;
        bool landscape;
    };
    std::vector<Printed> printed;  // every page sent, refused ones too

    // Knobs.
    bool other_instance = false;
    bool refuse_display_mode = false;
    bool refuse_restore = false;
    DisplayMode m_mode{1024, 768, 32};
    // Output ports 0..n-1 by name; the synthesiser (-1) is "Bafolino synthesiser".
    std::vector<std::string> midi_devices;
    std::set<int> midi_unreadable;  // devices whose name cannot be read (-1 included)
    int midi_open_error = 0;        // returned by open and send when not 0
    std::vector<std::string> printer_names;  // the default first
    std::string print_error;                 // what print() answers
    bool real_printing = false;              // the machine's print service instead of the two above

private:
    void advance_to(uint32_t t);
    uint32_t sound_end(const std::string& path) const;

    uint32_t m_now = 0;
    std::deque<std::pair<uint32_t, Event>> m_input;
    std::set<uint32_t> m_probes;
    int m_mouse_x = 0, m_mouse_y = 0;
    int m_buttons = 0;
    bool m_sound_on = false;
    uint32_t m_sound_until = 0;
};

}  // namespace bafo
