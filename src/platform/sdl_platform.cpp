#include "platform/sdl_platform.h"

#include "platform/files.h"
#include "platform/midi_errors.h"
#include "platform/printing.h"
#include "platform/trace.h"

#include <SDL.h>
#include <algorithm>
#include <chrono>
#include <ctime>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <pwd.h>
#include <string>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace bafo {

namespace {

int classic_key(SDL_Keycode k)
{
    if (k >= SDLK_a && k <= SDLK_z)
        return 'A' + int(k - SDLK_a);
    if (k >= SDLK_0 && k <= SDLK_9)
        return '0' + int(k - SDLK_0);
    if (k >= SDLK_F1 && k <= SDLK_F12)
        return 112 + int(k - SDLK_F1);
    switch (k) {
    case SDLK_LEFT: return 37;
    case SDLK_UP: return 38;
    case SDLK_RIGHT: return 39;
    case SDLK_DOWN: return 40;
    case SDLK_RETURN:
    case SDLK_KP_ENTER: return 13;
    case SDLK_ESCAPE: return 27;
    case SDLK_BACKSPACE: return 8;
    case SDLK_TAB: return 9;
    case SDLK_SPACE: return 32;
    case SDLK_DELETE: return 46;
    case SDLK_HOME: return 36;
    case SDLK_END: return 35;
    case SDLK_LSHIFT:
    case SDLK_RSHIFT: return 16;
    case SDLK_LCTRL:
    case SDLK_RCTRL: return 17;
    case SDLK_LALT:
    case SDLK_RALT: return 18;
    default: return 0;
    }
}

// Where the instance lock lives: $XDG_RUNTIME_DIR, which is ours alone, else a
// directory of our own in the cache ($XDG_CACHE_HOME or ~/.cache, then
// bafolino), never a shared one such as /tmp where another user could hold the
// lock first. Empty when the directory is not ours or others may write to it.
std::string lock_directory()
{
    if (const char* run = std::getenv("XDG_RUNTIME_DIR"); run && *run)
        return run;
    std::string cache;
    if (const char* c = std::getenv("XDG_CACHE_HOME"); c && *c == '/') {
        cache = c;
    } else {
        const char* home = std::getenv("HOME");
        if (!home || !*home) {
            const passwd* pw = ::getpwuid(::getuid());
            home = pw ? pw->pw_dir : nullptr;
        }
        if (!home || !*home)
            return "";
        cache = join_path(home, ".cache");
    }
    ::mkdir(cache.c_str(), 0700);
    const std::string dir = join_path(cache, "bafolino");
    ::mkdir(dir.c_str(), 0700);
    struct stat st {};
    if (::lstat(dir.c_str(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != ::getuid() || (st.st_mode & 022))
        return "";
    return dir;
}

// SDL's event type for a note from a MIDI keyboard.
Uint32 midi_note_event()
{
    static const Uint32 type = SDL_RegisterEvents(1);
    return type;
}

int button_bit(Uint8 b)
{
    switch (b) {
    case SDL_BUTTON_LEFT: return int(MouseButton::Left);
    case SDL_BUTTON_RIGHT: return int(MouseButton::Right);
    case SDL_BUTTON_MIDDLE: return int(MouseButton::Middle);
    default: return 0;
    }
}

}  // namespace

SdlPlatform::SdlPlatform(MidiSetup midi) : m_midi_setup(std::move(midi)) {}

SdlPlatform::~SdlPlatform()
{
    midi_in_listen(false);
    midi_out_close();
    m_ports.reset();
    m_mixer.close();
    for (auto& [k, c] : m_system_cursors)
        SDL_FreeCursor(c);
    for (auto& [k, c] : m_custom_cursors)
        SDL_FreeCursor(c);
    if (m_texture)
        SDL_DestroyTexture(m_texture);
    if (m_renderer)
        SDL_DestroyRenderer(m_renderer);
    if (m_window)
        SDL_DestroyWindow(m_window);
    if (m_lock_fd >= 0)
        ::close(m_lock_fd);
    SDL_Quit();
}

bool SdlPlatform::init()
{
    // SDL's own SIGINT and SIGTERM handlers stay: they turn the signal into a
    // quit event, and the program ends the way its window's close button ends it.
    SDL_SetHint(SDL_HINT_VIDEO_X11_NET_WM_BYPASS_COMPOSITOR, "0");
    SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "linear");
    // Our frame is composed in memory: present it through the window's own
    // surface. An OpenGL context would cost ~100 ms at start and ~90 MB.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    m_video = SDL_Init(SDL_INIT_VIDEO) == 0;
    if (!m_video)
        std::fprintf(stderr, "bafolino: no video: %s\n", SDL_GetError());
    return m_video;
}

bool SdlPlatform::start_audio()
{
    if (m_audio_started)
        return m_audio;
    m_audio_started = true;
    // A missing sound device makes the program silent, never stops it.
    m_audio = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0 && m_mixer.open();
    if (!m_audio) {
        std::fprintf(stderr, "bafolino: no sound device (%s), playing silently\n", SDL_GetError());
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        SDL_setenv("SDL_AUDIODRIVER", "dummy", 1);
        m_audio = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0 && m_mixer.open();
    }
    const char* driver = SDL_GetCurrentAudioDriver();
    trace(std::string("audio_start ") + (m_audio && driver ? driver : "none"));
    for (Mixer::Channel c : {Mixer::Sound, Mixer::Wave}) {
        Request r = std::move(m_requests[c]);
        m_requests[c] = {};
        if (r.on)
            play(c, r.path, r.loop);
    }
    return m_audio;
}

void SdlPlatform::start_audio_when_due()
{
    // After the first picture, when the program first waits: starting the
    // device (tens of ms with some sound servers) must not hold the picture
    // back. With no window there is no picture to wait for.
    if (!m_audio_started && (m_presented || !m_window))
        start_audio();
}

bool SdlPlatform::ensure_audio()
{
    if (!start_audio())
        return false;
    if (!m_mixer.is_open() && !m_mixer.open()) {
        std::fprintf(stderr, "bafolino: the sound device did not reopen (%s)\n", SDL_GetError());
        return false;
    }
    m_quiet = false;
    return true;
}

uint32_t SdlPlatform::close_audio_when_quiet(uint32_t deadline)
{
    constexpr uint32_t kQuietMs = 3000;
    if (!m_mixer.is_open())
        return deadline;
    const int left = m_mixer.ms_left();
    if (left < 0) {
        m_quiet = false;
        if (!m_mixer.source_sounding())
            return deadline;  // a loop plays until it is stopped
        // The synthesiser's notes fade out by themselves: look again soon, so
        // that the quiet is counted from when they end, not from our next event.
        const uint32_t soon = now_ms() + 250;
        return int32_t(soon - deadline) < 0 ? soon : deadline;
    }
    // Counted from when the sound ends, not from when we happen to wake; a
    // sound stopped early ends now, not when it would have.
    const uint32_t now = now_ms();
    if (left > 0 || !m_quiet || int32_t(m_quiet_since - now) > 0) {
        m_quiet_since = now + uint32_t(left);
        m_quiet = true;
    }
    if (int32_t(now - m_quiet_since) >= int32_t(kQuietMs)) {
        m_mixer.close();
        return deadline;
    }
    const uint32_t close_at = m_quiet_since + kQuietMs;
    return int32_t(close_at - deadline) < 0 ? close_at : deadline;
}

uint32_t SdlPlatform::now_ms()
{
    return uint32_t(std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - m_start).count());
}

bool SdlPlatform::translate(const SDL_Event& e, Event& ev)
{
    ev = Event{};
    int x = 0, y = 0;
    switch (e.type) {
    case SDL_QUIT:
        ev.type = Event::Type::Quit;
        return true;
    case SDL_MOUSEMOTION:
        if (!m_view.to_picture(e.motion.x, e.motion.y, x, y))
            return false;  // the black bars around the scaled screen
        ev.type = Event::Type::MouseMove;
        ev.x = x;
        ev.y = y;
        ev.buttons = m_buttons;
        return true;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: {
        int bit = button_bit(e.button.button);
        if (!bit)
            return false;
        bool down = e.type == SDL_MOUSEBUTTONDOWN;
        m_buttons = down ? (m_buttons | bit) : (m_buttons & ~bit);
        if (!m_view.to_picture(e.button.x, e.button.y, x, y) && down)
            return false;
        if (down) {
            // How long the press waited for us: the timing scripts count from the press, not from our reading it.
            const Uint32 age = SDL_GetTicks() - e.button.timestamp;
            trace("press " + std::to_string(x) + " " + std::to_string(y) + " " + std::to_string(age));
        }
        ev.type = down ? Event::Type::MouseDown : Event::Type::MouseUp;
        ev.x = x;
        ev.y = y;
        ev.button = bit;
        ev.buttons = m_buttons;
        return true;
    }
    case SDL_KEYDOWN:
    case SDL_KEYUP: {
        ev.type = e.type == SDL_KEYDOWN ? Event::Type::KeyDown : Event::Type::KeyUp;
        ev.key = classic_key(e.key.keysym.sym);
        SDL_Keymod m = SDL_Keymod(e.key.keysym.mod);
        ev.shift = ((m & KMOD_SHIFT) ? 1 : 0) | ((m & KMOD_CTRL) ? 2 : 0) | ((m & KMOD_ALT) ? 4 : 0);
        return ev.key != 0;
    }
    case SDL_TEXTINPUT:
        ev.type = Event::Type::Text;
        ev.text = e.text.text;
        return true;
    case SDL_WINDOWEVENT:
        if (e.window.event == SDL_WINDOWEVENT_EXPOSED || e.window.event == SDL_WINDOWEVENT_SIZE_CHANGED ||
            e.window.event == SDL_WINDOWEVENT_RESTORED) {
            ev.type = Event::Type::Expose;
            return true;
        }
        return false;
    default:
        if (e.type == midi_note_event()) {
            ev.type = Event::Type::MidiNote;
            ev.note = e.user.code;
            ev.velocity = int(reinterpret_cast<intptr_t>(e.user.data1));
            return true;
        }
        return false;
    }
}

bool SdlPlatform::wait_event(Event& ev, uint32_t deadline)
{
    start_audio_when_due();
    for (;;) {
        uint32_t now = now_ms();
        int left = int(int32_t(close_audio_when_quiet(deadline) - now));
        SDL_Event e;
        int got;
        if (left > 2) {
            // The system's wait is good to a millisecond or so: the last one is slept precisely.
            got = SDL_WaitEventTimeout(&e, left - 1);
        } else {
            got = SDL_PollEvent(&e);
            if (!got && left > 0) {
                timespec ts{0, 200000};
                nanosleep(&ts, nullptr);
            }
        }
        if (!got) {
            if (int32_t(deadline - now_ms()) > 0)
                continue;
            return false;
        }
        if (translate(e, ev))
            return true;
    }
}

void SdlPlatform::sleep_until(uint32_t deadline)
{
    start_audio_when_due();
    // Wake at the very start of the deadline's millisecond, not up to one later:
    // animation steps of 2 and 4 ms cannot afford a rounding of the clock.
    const auto target = m_start + std::chrono::milliseconds(int32_t(deadline - now_ms()) + int64_t(now_ms()));
    for (;;) {
        const auto left = target - std::chrono::steady_clock::now();
        if (left <= std::chrono::nanoseconds(0))
            return;
        // Keep the window alive without taking events off the queue.
        SDL_PumpEvents();
        const auto step = std::min<std::chrono::nanoseconds>(left, std::chrono::milliseconds(20));
        timespec ts{time_t(step.count() / 1000000000), long(step.count() % 1000000000)};
        nanosleep(&ts, nullptr);
    }
}

bool SdlPlatform::mouse_button_waiting()
{
    SDL_PumpEvents();
    return SDL_PeepEvents(nullptr, 0, SDL_PEEKEVENT, SDL_MOUSEBUTTONDOWN, SDL_MOUSEBUTTONUP) > 0;
}

void SdlPlatform::mouse_position(int& x, int& y)
{
    int wx = 0, wy = 0;
    SDL_GetMouseState(&wx, &wy);
    m_view.to_picture(wx, wy, x, y);
}

bool SdlPlatform::open_window(const std::string& title, bool fullscreen)
{
    if (!m_video)
        return false;
    Uint32 flags = SDL_WINDOW_SHOWN | (fullscreen ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0);
    m_window = SDL_CreateWindow(title.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, 800, 600, flags);
    if (!m_window)
        return false;
    m_renderer = SDL_CreateRenderer(m_window, -1, SDL_RENDERER_SOFTWARE);
    if (!m_renderer)
        return false;
    SDL_StartTextInput();
    prepare_view();
    return m_texture != nullptr;
}

void SdlPlatform::set_title(const std::string& title)
{
    if (m_window)
        SDL_SetWindowTitle(m_window, title.c_str());
}

bool SdlPlatform::prepare_view()
{
    // Full screen scales the picture ourselves, not through SDL: its scaler
    // rounds a part's place to whole pixels and smooths only inside the part,
    // so a part redrawn alone would not match the picture around it.
    int ww = 800, wh = 600;
    SDL_GetWindowSize(m_window, &ww, &wh);
    const View v = view_of(ww, wh);
    const bool same = m_texture && v.x == m_view.x && v.y == m_view.y && v.w == m_view.w && v.h == m_view.h;
    if (same)
        return false;
    m_view = v;
    if (m_texture)
        SDL_DestroyTexture(m_texture);
    m_texture = SDL_CreateTexture(m_renderer, SDL_PIXELFORMAT_RGB888, SDL_TEXTUREACCESS_STREAMING, v.w, v.h);
    m_scaled = v.scaled() ? Surface(v.w, v.h) : Surface();
    m_presented = false;
    return true;
}

void SdlPlatform::draw(const Rect& part)
{
    // `part` is in the texture's pixels: the picture's, or the scaled picture's.
    const Surface& from = m_view.scaled() ? m_scaled : *m_frame;
    if (m_view.scaled())
        scale_bilinear(*m_frame, m_scaled, part);
    const SDL_Rect src{part.x, part.y, part.w, part.h};
    const SDL_Rect dst{m_view.x + part.x, m_view.y + part.y, part.w, part.h};
    SDL_UpdateTexture(m_texture, &src, from.row(part.y) + part.x, from.stride_bytes());
    SDL_RenderCopy(m_renderer, m_texture, &src, &dst);
}

void SdlPlatform::present(const Surface& frame)
{
    if (!m_renderer || frame.width() != 800 || frame.height() != 600)
        return;
    prepare_view();
    if (!m_texture)
        return;
    m_frame = &frame;
    SDL_SetRenderDrawColor(m_renderer, 0, 0, 0, 255);
    SDL_RenderClear(m_renderer);
    draw({0, 0, m_view.w, m_view.h});
    SDL_RenderPresent(m_renderer);
    m_frame = nullptr;
    m_presented = true;
}

void SdlPlatform::present_rect(const Surface& frame, const Rect& r)
{
    if (!m_texture || !m_presented || frame.width() != 800 || frame.height() != 600 || prepare_view()) {
        present(frame);
        return;
    }
    const Rect part = r.intersect(frame.rect());
    if (part.empty())
        return;
    const Rect d = m_view.scaled() ? m_view.reach(part) : part;
    m_frame = &frame;
    draw(d);
    m_frame = nullptr;
    SDL_RenderFlush(m_renderer);
    // The software renderer draws into the window surface; push only the part
    // that changed instead of the whole window.
    SDL_Rect out{m_view.x + d.x, m_view.y + d.y, d.w, d.h};
    if (SDL_UpdateWindowSurfaceRects(m_window, &out, 1) != 0)
        SDL_RenderPresent(m_renderer);
}

DisplayMode SdlPlatform::display_mode()
{
    SDL_DisplayMode m{};
    int index = m_window ? SDL_GetWindowDisplayIndex(m_window) : 0;
    if (SDL_GetDesktopDisplayMode(std::max(0, index), &m) != 0)
        return {800, 600, 32};
    return {m.w, m.h, int(SDL_BITSPERPIXEL(m.format))};
}

bool SdlPlatform::set_display_mode(const DisplayMode&)
{
    // We never change the monitor's mode: full screen on the desktop's mode,
    // our 800 × 600 scaled into it, is what the child sees and undoes itself.
    return m_window && SDL_SetWindowFullscreen(m_window, SDL_WINDOW_FULLSCREEN_DESKTOP) == 0;
}

bool SdlPlatform::restore_display_mode(const DisplayMode&)
{
    return !m_window || SDL_SetWindowFullscreen(m_window, 0) == 0;
}

int SdlPlatform::show_cursor(bool show)
{
    m_cursor_count += show ? 1 : -1;
    SDL_ShowCursor(m_cursor_count >= 0 ? SDL_ENABLE : SDL_DISABLE);
    return m_cursor_count;
}

void SdlPlatform::set_cursor(const Cursor& cursor)
{
    SDL_Cursor* c = nullptr;
    if (cursor.kind == CursorKind::Custom && cursor.image && !cursor.image->empty()) {
        // Keyed by the pixels: a screen's pointer image may be loaded again at another address.
        uint64_t key = 1469598103934665603ull ^ uint64_t(cursor.hot_x) << 32 ^ uint64_t(cursor.hot_y);
        for (int y = 0; y < cursor.image->height(); ++y)
            for (int x = 0; x < cursor.image->width(); ++x)
                key = (key ^ cursor.image->pixel(x, y)) * 1099511628211ull;
        auto it = m_custom_cursors.find(key);
        if (it == m_custom_cursors.end()) {
            const Surface& img = *cursor.image;
            SDL_Surface* s = SDL_CreateRGBSurfaceWithFormat(0, img.width(), img.height(), 32, SDL_PIXELFORMAT_ARGB8888);
            if (s) {
                const uint32_t key = img.pixel(0, 0);
                for (int y = 0; y < img.height(); ++y) {
                    auto* dst = reinterpret_cast<uint32_t*>(static_cast<uint8_t*>(s->pixels) + size_t(y) * size_t(s->pitch));
                    for (int x = 0; x < img.width(); ++x) {
                        uint32_t p = img.pixel(x, y);
                        dst[x] = p == key ? 0 : (0xFF000000u | p);
                    }
                }
                c = SDL_CreateColorCursor(s, cursor.hot_x, cursor.hot_y);
                SDL_FreeSurface(s);
            }
            it = m_custom_cursors.emplace(key, c).first;
        }
        c = it->second;
    } else {
        SDL_SystemCursor id = cursor.kind == CursorKind::Busy   ? SDL_SYSTEM_CURSOR_WAIT
                              : cursor.kind == CursorKind::Hand ? SDL_SYSTEM_CURSOR_HAND
                                                                : SDL_SYSTEM_CURSOR_ARROW;
        auto it = m_system_cursors.find(int(id));
        if (it == m_system_cursors.end())
            it = m_system_cursors.emplace(int(id), SDL_CreateSystemCursor(id)).first;
        c = it->second;
    }
    if (c)  // NULL on the dummy driver
        SDL_SetCursor(c);
}

void SdlPlatform::message_box(const std::string& text, const std::string& title, MessageIcon icon)
{
    Uint32 flags = icon == MessageIcon::Warning       ? SDL_MESSAGEBOX_WARNING
                   : icon == MessageIcon::Error       ? SDL_MESSAGEBOX_ERROR
                   : icon == MessageIcon::Information ? SDL_MESSAGEBOX_INFORMATION
                                                      : 0;
    if (!m_video)
        return;
    // Keep the pointer visible over the box whatever the show count says.
    SDL_ShowCursor(SDL_ENABLE);
    SDL_ShowSimpleMessageBox(flags, title.c_str(), text.c_str(), m_window);
    SDL_ShowCursor(m_cursor_count >= 0 ? SDL_ENABLE : SDL_DISABLE);
}

// Sound asked for before the device started waits for it (start_audio_when_due).
bool SdlPlatform::play(Mixer::Channel c, const std::string& path, bool loop)
{
    const std::string file = join_path(path, "");
    if (!m_audio_started) {
        m_requests[c] = {file, loop, true};
        return ::access(file.c_str(), R_OK) == 0;
    }
    return ensure_audio() && m_mixer.play(c, file, loop);
}

void SdlPlatform::stop(Mixer::Channel c)
{
    m_requests[c] = {};
    m_mixer.stop(c);
}

bool SdlPlatform::sound_play(const std::string& path)
{
    return play(Mixer::Sound, path, false);
}

void SdlPlatform::sound_stop()
{
    stop(Mixer::Sound);
}

bool SdlPlatform::sound_playing()
{
    start_audio();
    return m_mixer.playing(Mixer::Sound);
}

bool SdlPlatform::wave_play(const std::string& path, bool loop)
{
    return play(Mixer::Wave, path, loop);
}

void SdlPlatform::wave_stop()
{
    stop(Mixer::Wave);
}

MidiPorts& SdlPlatform::ports()
{
    if (!m_ports)
        m_ports = std::make_unique<MidiPorts>(m_midi_setup.ports_library, m_midi_setup.sequencer);
    return *m_ports;
}

int SdlPlatform::midi_out_count()
{
    return ports().count();
}

bool SdlPlatform::midi_out_name(int device, std::string& name)
{
    if (device == -1) {
        // Always there: whether it can play is told when it is opened.
        name = "Bafolino synthesiser";
        return true;
    }
    return ports().name(device, name);
}

int SdlPlatform::midi_out_open(int device)
{
    midi_out_close();
    if (device == -1) {
        int code = kMidiOk;
        m_synth = MidiSynth::create(m_midi_setup.synth_library, m_midi_setup.sound_font, code);
        if (!m_synth)
            return code;
        // Played from the first note on; the sound device opens with that note.
        m_mixer.set_source(m_synth.get());
        m_midi_device = -1;
        return kMidiOk;
    }
    const int code = device >= 0 ? ports().open(device) : int(kMidiNoDevice);
    if (code == kMidiOk)
        m_midi_device = device;
    return code;
}

int SdlPlatform::midi_out_close()
{
    if (m_midi_device == kNoMidiDevice)
        return kMidiNotOpen;
    if (m_midi_device == -1) {
        m_mixer.set_source(nullptr);  // the device's thread is done with it
        m_synth.reset();
    } else {
        ports().close();
    }
    m_midi_device = kNoMidiDevice;
    return kMidiOk;
}

int SdlPlatform::midi_out_send(uint32_t message)
{
    if (m_midi_device == kNoMidiDevice)
        return kMidiNotOpen;
    if (m_midi_device != -1)
        return ports().send(message);
    const int code = m_synth->send(message);
    // A note wakes the sound device if it closed in the quiet: the synthesiser
    // already holds the note, so the device's first buffer plays it.
    const bool note_on = (message & 0xF0) == 0x90 && (message >> 16 & 0x7F) != 0;
    if (code == kMidiOk && note_on)
        ensure_audio();
    return code;
}

std::string SdlPlatform::midi_error_text(int code)
{
    return midi_error_message(code, m_midi_setup.sound_font);
}

void SdlPlatform::midi_in_listen(bool on)
{
    if (!on) {
        if (m_ports)
            m_ports->listen(false);
        return;
    }
    ports().listen(true, [](int note, int velocity) {
        // From RtMidi's thread into the queue the program reads.
        if (midi_note_event() == Uint32(-1))
            return;  // SDL had no event type left for us
        SDL_Event e{};
        e.type = midi_note_event();
        e.user.code = note;
        e.user.data1 = reinterpret_cast<void*>(intptr_t(velocity));
        SDL_PushEvent(&e);
    });
}

std::vector<std::string> SdlPlatform::printers()
{
    return cups_printers();
}

std::string SdlPlatform::print(const PrintPage& page)
{
    return cups_print(page);
}

bool SdlPlatform::another_instance_running()
{
    if (m_lock_fd >= 0)
        return false;
    const std::string dir = lock_directory();
    if (dir.empty())
        return false;  // cannot tell: let this one run
    // Never through a link someone else put there.
    int fd = ::open(join_path(dir, "bafolino.lock").c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0)
        return false;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return true;
    }
    m_lock_fd = fd;
    return false;
}

}  // namespace bafo
