// The real platform: SDL2 window, input and cursor, sound through our own mixer.
#pragma once

#include "platform/midi_ports.h"
#include "platform/midi_synth.h"
#include "platform/mixer.h"
#include "platform/platform.h"
#include "platform/scale.h"

#include <chrono>
#include <map>
#include <memory>

struct SDL_Window;
struct SDL_Renderer;
struct SDL_Texture;
struct SDL_Cursor;
union SDL_Event;

namespace bafo {

// Where the MIDI devices come from; tests point them elsewhere.
struct MidiSetup {
    std::string synth_library = MidiSynth::kLibrary;
    std::string sound_font = MidiSynth::kSoundFont;
    std::string ports_library = MidiPorts::kLibrary;
    std::string sequencer = MidiPorts::kSequencer;  // empty: try the library anyway
};

class SdlPlatform : public Platform {
public:
    explicit SdlPlatform(MidiSetup midi = {});
    ~SdlPlatform() override;

    // The video driver; false when none works at all. Sound starts later (start_audio).
    bool init();
    // Starts the sound device now if it has not started. By itself it starts
    // when the program first waits after its first picture; sound asked for
    // before then is played from that moment. False when there is no device
    // at all, not even SDL's silent one.
    bool start_audio();

    uint32_t now_ms() override;
    bool wait_event(Event& ev, uint32_t deadline) override;
    void sleep_until(uint32_t deadline) override;
    bool mouse_button_waiting() override;
    void mouse_position(int& x, int& y) override;

    bool open_window(const std::string& title, bool fullscreen) override;
    void set_title(const std::string& title) override;
    void present(const Surface& frame) override;
    void present_rect(const Surface& frame, const Rect& r) override;
    DisplayMode display_mode() override;
    bool set_display_mode(const DisplayMode& mode) override;
    bool restore_display_mode(const DisplayMode& mode) override;

    int show_cursor(bool show) override;
    void set_cursor(const Cursor& cursor) override;

    void message_box(const std::string& text, const std::string& title, MessageIcon icon) override;

    bool sound_play(const std::string& path) override;
    void sound_stop() override;
    bool sound_playing() override;
    bool wave_play(const std::string& path, bool loop) override;
    void wave_stop() override;

    int midi_out_count() override;
    bool midi_out_name(int device, std::string& name) override;
    int midi_out_open(int device) override;
    int midi_out_close() override;
    int midi_out_send(uint32_t message) override;
    std::string midi_error_text(int code) override;
    void midi_in_listen(bool on) override;

    std::vector<std::string> printers() override;
    std::string print(const PrintPage& page) override;

    bool another_instance_running() override;

private:
    bool translate(const SDL_Event& e, Event& ev);
    void start_audio_when_due();
    // The device's thread wakes every 12 ms while it is open, even in silence:
    // after a few quiet seconds it is closed, and opened again for the next sound.
    bool ensure_audio();
    uint32_t close_audio_when_quiet(uint32_t deadline);
    bool play(Mixer::Channel c, const std::string& path, bool loop);
    void stop(Mixer::Channel c);
    MidiPorts& ports();

    SDL_Window* m_window = nullptr;
    SDL_Renderer* m_renderer = nullptr;
    SDL_Texture* m_texture = nullptr;
    // Full screen: our own enlargement of the picture, and where it lies.
    bool prepare_view();
    void draw(const Rect& part);
    View m_view;
    Surface m_scaled;
    const Surface* m_frame = nullptr;
    bool m_video = false;
    bool m_presented = false;
    bool m_audio_started = false;
    bool m_audio = false;  // a device can be had
    // Asked for before sound started: played when it starts.
    struct Request {
        std::string path;
        bool loop = false;
        bool on = false;
    };
    Request m_requests[2];
    Mixer m_mixer;
    MidiSetup m_midi_setup;
    std::unique_ptr<MidiSynth> m_synth;   // device -1 while it is open
    std::unique_ptr<MidiPorts> m_ports;   // made when first asked
    int m_midi_device = kNoMidiDevice;
    static constexpr int kNoMidiDevice = -2;
    bool m_quiet = false;
    uint32_t m_quiet_since = 0;
    int m_cursor_count = 0;
    std::map<int, SDL_Cursor*> m_system_cursors;
    std::map<uint64_t, SDL_Cursor*> m_custom_cursors;
    int m_lock_fd = -1;
    int m_buttons = 0;
    std::chrono::steady_clock::time_point m_start = std::chrono::steady_clock::now();
};

}  // namespace bafo
