// The narrow interface between the program and the machine: clock, input,
// window, cursor, message boxes, sound and the single-instance test.
// SdlPlatform is the real one; FakePlatform (platform/fake) drives the tests.
#pragma once

#include "platform/surface.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace bafo {

enum class MouseButton : uint8_t { None = 0, Left = 1, Right = 2, Middle = 4 };

struct Event {
    enum class Type { None, MouseMove, MouseDown, MouseUp, KeyDown, KeyUp, Text, Expose, Quit, MidiNote };
    Type type = Type::None;
    int x = 0, y = 0;      // logical 800 × 600 coordinates
    int button = 0;        // MouseDown/MouseUp: the button that changed (MouseButton)
    int buttons = 0;       // buttons held (bit set of MouseButton), after the change
    int key = 0;           // KeyDown/KeyUp: classic key code (37 left, 65..90 letters, 13 Enter...)
    int shift = 0;         // 1 shift, 2 ctrl, 4 alt
    std::string text;      // Text: UTF-8 of what was typed
    int note = 0;          // MidiNote: the note number from a MIDI keyboard
    int velocity = 0;      // MidiNote: 0 when the key was let go
};

enum class MessageIcon { None, Warning, Error, Information };

enum class CursorKind { Normal, Busy, Hand, Custom };

struct Cursor {
    CursorKind kind = CursorKind::Normal;
    const Surface* image = nullptr;  // Custom: pixels of the key colour at (0, 0) are transparent
    int hot_x = 0, hot_y = 0;
};

// One page to print: the picture centred on the sheet of the printer's
// default paper at `width_in` × `height_in` inches, every pixel a sharp square.
struct PrintPage {
    std::string printer;
    const Surface* picture = nullptr;
    double width_in = 0, height_in = 0;
    bool landscape = false;  // the sheet turned
    std::string title;       // the job's name in the printer's queue
};

struct DisplayMode {
    int width = 0, height = 0, bits = 0;
};

class Platform {
public:
    virtual ~Platform() = default;

    // Milliseconds since an arbitrary start, 1 ms resolution.
    virtual uint32_t now_ms() = 0;

    // Sleeps until an event arrives or the clock reaches `deadline`. False on
    // time-out. The caller presents its frame before waiting.
    virtual bool wait_event(Event& ev, uint32_t deadline) = 0;
    // Sleeps until `deadline` without taking events from the queue.
    virtual void sleep_until(uint32_t deadline) = 0;
    // True when a mouse button press or release waits in the queue (left in place).
    virtual bool mouse_button_waiting() = 0;
    virtual void mouse_position(int& x, int& y) = 0;

    // The one window: 800 × 600 logical pixels.
    virtual bool open_window(const std::string& title, bool fullscreen) = 0;
    virtual void set_title(const std::string& title) = 0;
    virtual void present(const Surface& frame) = 0;
    // Only `r` of the frame changed since the last one shown.
    virtual void present_rect(const Surface& frame, const Rect& r)
    {
        (void)r;
        present(frame);
    }
    virtual DisplayMode display_mode() = 0;
    // Full screen scaled to the display; false when refused (the window stays).
    virtual bool set_display_mode(const DisplayMode& mode) = 0;
    virtual bool restore_display_mode(const DisplayMode& mode) = 0;

    // The system's show count: visible while the count is >= 0. Returns the new count.
    virtual int show_cursor(bool show) = 0;
    virtual void set_cursor(const Cursor& cursor) = 0;

    // Blocks until answered. Also printed to stderr by the caller.
    virtual void message_box(const std::string& text, const std::string& title, MessageIcon icon) = 0;

    // The sound channel: one file at a time; a new one cuts the old.
    virtual bool sound_play(const std::string& path) = 0;
    virtual void sound_stop() = 0;
    virtual bool sound_playing() = 0;

    // Fire-and-forget wave playback, independent of the sound channel.
    virtual bool wave_play(const std::string& path, bool loop) = 0;
    virtual void wave_stop() = 0;

    // MIDI output. Device -1 is the built-in General MIDI synthesiser, mixed
    // into the sound output; 0..n-1 are the machine's MIDI output ports.
    virtual int midi_out_count() = 0;
    // The device's product name; false when it cannot be read.
    virtual bool midi_out_name(int device, std::string& name) = 0;
    // Each returns 0 on success, else a code for midi_error_text. One device
    // is open at a time; a message is status + 256 × data 1 + 65536 × data 2.
    virtual int midi_out_open(int device) = 0;
    virtual int midi_out_close() = 0;
    virtual int midi_out_send(uint32_t message) = 0;
    virtual std::string midi_error_text(int code) = 0;
    // While on, notes played on any MIDI input port arrive as MidiNote events.
    virtual void midi_in_listen(bool on) = 0;

    // The printers the system knows, its default first; empty when there is
    // none or no print service answers.
    virtual std::vector<std::string> printers() = 0;
    // Sends the page as one job. "" once the printer has it; otherwise the
    // print service's own words for why it did not print.
    virtual std::string print(const PrintPage& page) = 0;

    // True when another copy of the program holds the instance lock.
    virtual bool another_instance_running() = 0;
};

// The platform of this run: set once by main() or by a test.
Platform& platform();
void set_platform(Platform* p);

}  // namespace bafo
