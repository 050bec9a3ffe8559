// The real MIDI devices: the built-in synthesiser played into the mixer and
// read back from SDL's disk driver, its failures, and the machine's ports.
#include "platform/midi_errors.h"
#include "platform/midi_synth.h"
#include "platform/sdl_platform.h"
#include "audio_check.h"
#include "real_clock.h"
#include "test_support.h"

#include <SDL.h>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <gtest/gtest.h>
#include <ctime>
#include <dlfcn.h>
#include <thread>
#include <unistd.h>

using namespace bafo;
using namespace bafo::test;
using namespace std::chrono_literals;

namespace {

uint32_t message(int status, int d1, int d2 = 0)
{
    return uint32_t(status) | uint32_t(d1) << 8 | uint32_t(d2) << 16;
}

uint32_t note_on(int note) { return message(0x90, note, 127); }
uint32_t note_off(int note) { return message(0x90, note, 0); }

double ms_since(std::chrono::steady_clock::time_point t)
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t).count();
}

// Root-mean-square level of samples [from, to).
double level(const std::vector<float>& x, size_t from, size_t to)
{
    double sum = 0;
    to = std::min(to, x.size());
    for (size_t i = from; i < to; ++i)
        sum += double(x[i]) * x[i];
    return to > from ? std::sqrt(sum / double(to - from)) : 0;
}

// Processor time in ms of the whole process (finished threads included), or
// of the calling thread alone.
double cpu_ms(clockid_t clock = CLOCK_PROCESS_CPUTIME_ID)
{
    timespec t{};
    ::clock_gettime(clock, &t);
    return double(t.tv_sec) * 1000.0 + double(t.tv_nsec) / 1e6;
}

}  // namespace

TEST(MidiSynth, EachInstrumentSoundsAtItsNotesPitchAndStopsSoonAfterTheNoteEnds)
{
    struct Case {
        const char* instrument;
        int program, note;
        double hz;
    } cases[] = {{"piano", 1, 69, 440}, {"trumpet", 56, 81, 880}, {"marimba", 12, 60, 261.6}};
    for (const Case& c : cases) {
        DiskAudio disk;
        size_t off_at = 0;
        {
            SdlPlatform sdl;
            ASSERT_TRUE(sdl.init());
            ASSERT_TRUE(sdl.start_audio());
            ASSERT_EQ(sdl.midi_out_open(-1), 0) << c.instrument << ": " << sdl.midi_error_text(sdl.midi_out_open(-1));
            // As the studio chooses an instrument: bank select, then the program.
            EXPECT_EQ(sdl.midi_out_send(message(0xB0, 0, 0)), 0);
            EXPECT_EQ(sdl.midi_out_send(message(0xC0, c.program)), 0);
            EXPECT_EQ(sdl.midi_out_send(note_on(c.note)), 0);
            std::this_thread::sleep_for(500ms);
            EXPECT_EQ(sdl.midi_out_send(note_off(c.note)), 0);
            // What has reached the file by now: the note ends at most the file's
            // write buffer and the device's own (six of ours) later.
            off_at = size_t(read_file(disk.file).value_or("").size() / 4);
            std::this_thread::sleep_for(800ms);
            EXPECT_EQ(sdl.midi_out_close(), 0);
        }
        const Mixed out = read_mixed(disk.file);
        const int rate = Mixer::kRate;
        ASSERT_GT(out.left.size(), size_t(rate)) << c.instrument << ": less than a second was mixed";
        const Span heard = where(tone_track(out.left, rate, c.hz));
        ASSERT_GE(heard.first, 0) << c.instrument << ": no " << c.hz << " Hz in the output";
        const size_t from = size_t(heard.first) * size_t(rate) / 100, to = from + size_t(rate) * 3 / 10;
        const double pitch = strongest_near(out.left, from, to, rate, c.hz);
        EXPECT_NEAR(pitch, c.hz, c.hz * 0.01) << c.instrument << " (program " << c.program << ", note " << c.note
                                              << ") sounds at " << pitch << " Hz";
        EXPECT_NEAR(level(out.left, from, to), level(out.right, from, to), 0.5 * level(out.left, from, to))
            << c.instrument << ": both sides should sound";
        // Released: a quarter of a second after the note ended it is 30 dB down.
        const double playing = level(out.left, from, to);
        const size_t later = off_at + size_t(rate) / 4 + Mixer::kBufferFrames * 6;
        const double released = level(out.left, later, later + size_t(rate) / 10);
        EXPECT_GT(playing, 0.01) << c.instrument << ": too quiet";
        std::printf("%s: level %.4f while held, %.6f a quarter second after\n", c.instrument, playing, released);
        EXPECT_LT(released, playing / 30) << c.instrument << ": still sounding " << released << " vs " << playing
                                           << " a quarter second after the note ended";
    }
}

TEST(MidiSynth, WithoutItsSoundFontOrLibraryOpenFailsAndSaysWhy)
{
    ::setenv("SDL_VIDEODRIVER", "dummy", 1);
    ::setenv("SDL_AUDIODRIVER", "dummy", 1);
    TempDir d;
    const std::string damaged = d / "DAMAGED.sf2";
    write_file(damaged, "RIFF\x10\0\0\0sfbkLIST this is no sound font");
    struct Case {
        const char* what;
        std::string library, sound_font;
        int code;
        const char* says;  // a part of the text
    } cases[] = {
        {"no sound font", MidiSynth::kLibrary, d / "TimGM6mb.sf2", kMidiNoSoundFont, "timgm6mb-soundfont"},
        {"a damaged sound font", MidiSynth::kLibrary, damaged, kMidiBadSoundFont, "DAMAGED.sf2"},
        {"no library", "libfluidsynth-not-here.so.3", MidiSynth::kSoundFont, kMidiNoSynthLibrary, "libfluidsynth"},
    };
    for (const Case& c : cases) {
        MidiSetup setup;
        setup.synth_library = c.library;
        setup.sound_font = c.sound_font;
        SdlPlatform sdl(setup);
        ASSERT_TRUE(sdl.init());
        std::string name;
        EXPECT_TRUE(sdl.midi_out_name(-1, name)) << c.what << ": the synthesiser is listed all the same";
        const int code = sdl.midi_out_open(-1);
        EXPECT_EQ(code, c.code) << c.what;
        const std::string text = sdl.midi_error_text(code);
        EXPECT_NE(text.find(c.says), std::string::npos) << c.what << ": \"" << text << "\"";
        EXPECT_EQ(sdl.midi_out_send(note_on(60)), kMidiNotOpen) << c.what << ": nothing is open after a failure";
        EXPECT_EQ(sdl.midi_out_close(), kMidiNotOpen) << c.what;
    }
}

TEST(MidiSynth, EveryCodeHasATextThatFitsTheStudiosBox)
{
    for (int code : {kMidiPortFailed, kMidiNoDevice, kMidiNotOpen, kMidiNoSynthLibrary, kMidiSynthFailed,
                     kMidiBadMessage, kMidiSendFailed, kMidiNoSoundFont, kMidiBadSoundFont}) {
        const std::string text = midi_error_message(code, MidiSynth::kSoundFont);
        EXPECT_LE(text.size(), 127u) << code << ": \"" << text << "\"";
        EXPECT_EQ(text.find("MIDI error"), std::string::npos) << code << " has no text of its own";
    }
}

TEST(MidiSynth, MessagesAreCheckedAndNeedAnOpenDevice)
{
    ::setenv("SDL_VIDEODRIVER", "dummy", 1);
    ::setenv("SDL_AUDIODRIVER", "dummy", 1);
    SdlPlatform sdl;
    ASSERT_TRUE(sdl.init());
    EXPECT_EQ(sdl.midi_out_send(note_on(60)), kMidiNotOpen);
    EXPECT_EQ(sdl.midi_out_close(), kMidiNotOpen);
    ASSERT_EQ(sdl.midi_out_open(-1), 0);
    EXPECT_EQ(sdl.midi_out_open(-1), 0) << "opening again replaces the open device";
    struct Case {
        uint32_t message;
        int code;
    } cases[] = {
        {message(0x90, 60, 127), 0},   {message(0x80, 60, 64), 0},   {message(0xB0, 7, 100), 0},
        {message(0xC0, 40), 0},        {message(0xE0, 0, 64), 0},    {message(0xD0, 30), 0},
        {message(0xFE, 0), 0},         {message(0x3C, 127), kMidiBadMessage},  // a data byte first
        {message(0xF0, 0x7E), kMidiBadMessage},                                // system exclusive
        {message(0x90, 200, 127), kMidiBadMessage}, {message(0x90, 60, 128), kMidiBadMessage},
        {message(0xC0, 40, 200), 0},   // a program change has one data byte: the second is not looked at
    };
    for (const Case& c : cases)
        EXPECT_EQ(sdl.midi_out_send(c.message), c.code) << std::hex << "message 0x" << c.message;
    EXPECT_EQ(sdl.midi_out_close(), 0);
    EXPECT_EQ(sdl.midi_out_close(), kMidiNotOpen) << "closed twice";
}

TEST(MidiSynth, WithoutASoundDeviceItOpensAndPlaysSilently)
{
    ::setenv("SDL_VIDEODRIVER", "dummy", 1);
    ::setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    SdlPlatform sdl;
    ASSERT_TRUE(sdl.init());
    ASSERT_EQ(sdl.midi_out_open(-1), 0);
    EXPECT_EQ(sdl.midi_out_send(message(0xC0, 1)), 0);
    EXPECT_EQ(sdl.midi_out_send(note_on(69)), 0) << "a note starts the sound, falling back to the silent device";
    std::this_thread::sleep_for(100ms);
    EXPECT_EQ(sdl.midi_out_send(note_off(69)), 0);
    EXPECT_EQ(sdl.midi_out_close(), 0);
}

TEST(MidiDevices, WithoutASequencerOnlyTheSynthesiserIsThere)
{
    if (::access(MidiPorts::kSequencer, F_OK) == 0)
        GTEST_SKIP() << "this machine has an ALSA sequencer";
    ::setenv("SDL_VIDEODRIVER", "dummy", 1);
    ::setenv("SDL_AUDIODRIVER", "dummy", 1);
    // Also with RtMidi itself asked: its ALSA client fails inside and must not throw at us.
    for (const char* sequencer : {MidiPorts::kSequencer, ""}) {
        MidiSetup setup;
        setup.sequencer = sequencer;
        SdlPlatform sdl(setup);
        ASSERT_TRUE(sdl.init());
        EXPECT_EQ(sdl.midi_out_count(), 0) << "sequencer '" << sequencer << "'";
        std::string name;
        EXPECT_TRUE(sdl.midi_out_name(-1, name));
        EXPECT_FALSE(name.empty());
        EXPECT_FALSE(sdl.midi_out_name(0, name));
        EXPECT_EQ(sdl.midi_out_open(0), kMidiNoDevice);
        EXPECT_EQ(sdl.midi_out_open(-2), kMidiNoDevice);
        sdl.midi_in_listen(true);  // nothing to listen to: nothing happens
        Event ev;
        EXPECT_FALSE(sdl.wait_event(ev, sdl.now_ms() + 20));
        sdl.midi_in_listen(false);
    }
}

// The sound device closes after three quiet seconds with the synthesiser open
// and quiet, and a note opens it again at once.
TEST_F(RealClock, AQuietSynthesiserLetsTheSoundDeviceCloseAndANoteReopensIt)
{
    ASSERT_TRUE(sdl.start_audio());
    auto idle_until = [&](uint32_t t) {
        Event ev;
        while (int32_t(t - sdl.now_ms()) > 0)
            sdl.wait_event(ev, t);
    };
    ASSERT_EQ(sdl.midi_out_open(-1), 0);
    idle_until(sdl.now_ms() + 3500);
    EXPECT_FALSE(audio_open()) << "opening the synthesiser kept the device open";
    EXPECT_EQ(sdl.midi_out_send(note_on(60)), 0);
    EXPECT_TRUE(audio_open()) << "a note did not open the device";
    idle_until(sdl.now_ms() + 3500);
    EXPECT_TRUE(audio_open()) << "the device closed under a held note";
    EXPECT_EQ(sdl.midi_out_send(note_off(60)), 0);
    // The piano's release lasts about a second; the quiet is counted from its
    // end even while the program waits for events all along.
    const uint32_t off = sdl.now_ms();
    idle_until(off + 2000);
    EXPECT_TRUE(audio_open()) << "the device closed before 3 s of quiet";
    idle_until(off + 4700);
    EXPECT_FALSE(audio_open()) << "the device stayed open 4.7 s after the note ended (its release and 3 s of quiet)";
    EXPECT_EQ(sdl.midi_out_send(note_on(64)), 0);
    EXPECT_TRUE(audio_open()) << "the next note did not open the device again";
}

namespace {

// The synthesiser as the mixer plays it, noting when its first sound is made.
struct TimedSynth : Mixer::Source {
    MidiSynth& synth;
    std::chrono::steady_clock::time_point sent;
    std::atomic<double> heard_ms{-1};
    explicit TimedSynth(MidiSynth& s) : synth(s) {}
    bool sounding() override { return synth.sounding(); }
    void render(float* out, size_t frames) override
    {
        synth.render(out, frames);
        if (heard_ms >= 0)
            return;
        for (size_t i = 0; i < frames * 2; ++i)
            if (out[i] != 0) {
                heard_ms = ms_since(sent) + double(i / 2) * 1000.0 / Mixer::kRate;
                return;
            }
    }
};

}  // namespace

// From a note sent to its first sample in the mixer's output; a sound card
// adds its own 512-frame buffer (11.6 ms) to that.
TEST_F(RealClock, ANoteIsHeardWithinTwentyMillisecondsBeyondTheBuffer)
{
    ::setenv("SDL_AUDIODRIVER", "disk", 1);
    ::setenv("SDL_DISKAUDIOFILE", "/dev/null", 1);
    ::unsetenv("SDL_DISKAUDIODELAY");  // paced like a sound card
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_AUDIO), 0);
    int code = 0;
    auto synth = MidiSynth::create(MidiSynth::kLibrary, MidiSynth::kSoundFont, code);
    ASSERT_TRUE(synth) << midi_error_message(code, MidiSynth::kSoundFont);
    synth->send(message(0xC0, 1));
    TimedSynth timed(*synth);
    Mixer mixer;
    mixer.set_source(&timed);
    const double buffer_ms = 1000.0 * Mixer::kBufferFrames / Mixer::kRate;
    for (bool reopened : {false, true}) {
        std::vector<double> took;
        for (int i = 0; i < 15; ++i) {
            if (reopened) {
                mixer.close();  // as after three quiet seconds
            } else {
                ASSERT_TRUE(mixer.open());
            }
            // At a random point of the device's cycle.
            std::this_thread::sleep_for(std::chrono::microseconds(20000 + 997 * i));
            timed.heard_ms = -1;
            timed.sent = std::chrono::steady_clock::now();
            synth->send(note_on(69));
            if (reopened) {
                ASSERT_TRUE(mixer.open());  // what the platform does for a note
            }
            for (int waited = 0; timed.heard_ms < 0 && waited < 500; ++waited)
                std::this_thread::sleep_for(1ms);
            took.push_back(timed.heard_ms);
            synth->send(message(0xB0, 120, 0));  // all sound off: no release to wait for
            while (synth->sounding())
                std::this_thread::sleep_for(2ms);
        }
        std::sort(took.begin(), took.end());
        std::printf("note to sound %s: median %.1f ms, worst %.1f ms (the card's buffer of %.1f ms comes on top)\n",
                    reopened ? "with the device reopened" : "with the device open", took[took.size() / 2], took.back(),
                    buffer_ms);
        ASSERT_GE(took.front(), 0) << "a note was never heard";
        EXPECT_LE(took.back(), buffer_ms + 20) << (reopened ? "reopened" : "open");
    }
    mixer.close();
    mixer.set_source(nullptr);
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

TEST_F(RealClock, AnOpenQuietSynthesiserCostsNoProcessor)
{
    ASSERT_TRUE(sdl.start_audio());  // the dummy driver, paced like a sound card
    ASSERT_EQ(sdl.midi_out_open(-1), 0);
    auto idle_until = [&](uint32_t t) {
        Event ev;
        while (int32_t(t - sdl.now_ms()) > 0)
            sdl.wait_event(ev, t);
    };
    EXPECT_EQ(sdl.midi_out_send(note_on(69)), 0);
    idle_until(sdl.now_ms() + 300);
    EXPECT_EQ(sdl.midi_out_send(note_off(69)), 0);
    // The release, then three quiet seconds with the device open: what a wave costs too.
    const uint32_t off = sdl.now_ms();
    const double all0 = cpu_ms(), main0 = cpu_ms(CLOCK_THREAD_CPUTIME_ID);
    while (audio_open() && sdl.now_ms() - off < 6000)
        idle_until(sdl.now_ms() + 50);
    const uint32_t closed = sdl.now_ms() - off;
    const double tail = (cpu_ms() - all0) - (cpu_ms(CLOCK_THREAD_CPUTIME_ID) - main0);
    EXPECT_FALSE(audio_open()) << "the sound device stayed open with the synthesiser quiet";
    EXPECT_LT(closed, 5000u) << "the device closed " << closed << " ms after the note ended";
    // Then open and silent: nothing may run for it. The main thread's waiting
    // is the video driver's (the dummy one polls every millisecond, X11
    // sleeps), so only the other threads are counted, finished ones included.
    const double all1 = cpu_ms(), main1 = cpu_ms(CLOCK_THREAD_CPUTIME_ID);
    idle_until(sdl.now_ms() + 10000);
    const double main = cpu_ms(CLOCK_THREAD_CPUTIME_ID) - main1, sound = cpu_ms() - all1 - main;
    std::printf("quiet synthesiser: the device closed %u ms after the note ended, %.1f ms of processor until then; "
                "open and silent for 10 s: %.1f ms on the sound threads (%.3f %% of a core), %.0f ms waiting for "
                "events on the dummy video driver\n",
                closed, tail, sound, sound / 100, main);
    EXPECT_FALSE(audio_open()) << "the quiet synthesiser opened the sound device";
    EXPECT_LT(sound / 100, 0.3) << sound << " ms of processor in 10 s";
    EXPECT_EQ(sdl.midi_out_close(), 0);
}

namespace {

// The made-up sequencer of fake_rtmidi, loaded before the platform loads it.
struct FakeSequencer {
    void* library = ::dlopen(BAFO_FAKE_RTMIDI, RTLD_NOW | RTLD_LOCAL);
    template <class F>
    F* get(const char* name)
    {
        return reinterpret_cast<F*>(::dlsym(library, name));
    }
    FakeSequencer(const char* outputs, const char* inputs)
    {
        get<void(const char*, const char*)>("fake_rtmidi_set_ports")(outputs, inputs);
    }
    ~FakeSequencer() { ::dlclose(library); }
    std::vector<std::string> sent()
    {
        std::vector<std::string> out;
        const int n = get<int()>("fake_rtmidi_sent_count")();
        for (int i = 0; i < n; ++i) {
            char bytes[64], port[256];
            get<void(int, char*, char*)>("fake_rtmidi_sent")(i, bytes, port);
            out.push_back(std::string(bytes) + " to " + port);
        }
        return out;
    }
    std::string listened()
    {
        char names[4096];
        get<void(char*)>("fake_rtmidi_listened")(names);
        return names;
    }
    void play(const char* port, std::vector<unsigned char> message)
    {
        get<void(const char*, const unsigned char*, int)>("fake_rtmidi_play")(port, message.data(), int(message.size()));
    }
    static MidiSetup setup()
    {
        MidiSetup s;
        s.ports_library = BAFO_FAKE_RTMIDI;
        s.sequencer = "";
        return s;
    }
};

std::string joined(const std::vector<std::string>& lines)
{
    std::string all;
    for (const std::string& l : lines)
        all += l + "\n";
    return all;
}

}  // namespace

TEST(MidiDevices, PortsAreListedWithoutOurOwnAndSentWithTheByteCountOfTheirStatus)
{
    ::setenv("SDL_VIDEODRIVER", "dummy", 1);
    ::setenv("SDL_AUDIODRIVER", "dummy", 1);
    FakeSequencer seq("Synth:Synth port 20:0\n?\nKeys:Keys MIDI 1 24:0", "Keys:Keys MIDI 1 24:0");
    ASSERT_TRUE(seq.library) << ::dlerror();
    SdlPlatform sdl(FakeSequencer::setup());
    ASSERT_TRUE(sdl.init());
    sdl.midi_in_listen(true);  // our own input port now shows among the outputs
    EXPECT_EQ(sdl.midi_out_count(), 3) << "our own port is no device";
    struct Name {
        int device;
        bool readable;
        const char* name;
    } names[] = {{-1, true, "Bafolino synthesiser"}, {0, true, "Synth:Synth port 20:0"}, {1, false, ""},
                 {2, true, "Keys:Keys MIDI 1 24:0"}, {3, false, ""}};
    for (const Name& n : names) {
        std::string got;
        EXPECT_EQ(sdl.midi_out_name(n.device, got), n.readable) << "device " << n.device;
        if (n.readable) {
            EXPECT_EQ(got, n.name) << "device " << n.device;
        }
    }
    EXPECT_EQ(sdl.midi_out_open(3), kMidiNoDevice);
    ASSERT_EQ(sdl.midi_out_open(2), 0);
    EXPECT_EQ(seq.listened(), "") << "the port we send to must not play back into us";
    struct Send {
        uint32_t message;
        int code;
        const char* bytes;
    } sends[] = {
        {message(0x90, 60, 127), 0, "90 3c 7f"}, {message(0x90, 60, 0), 0, "90 3c 00"},
        {message(0xB0, 0, 0), 0, "b0 00 00"},    {message(0xC0, 56, 0), 0, "c0 38"},
        {message(0xD3, 5, 9), 0, "d3 05"},       {message(0xE0, 0, 64), 0, "e0 00 40"},
        {message(0xF8, 1, 2), 0, "f8"},          {message(0xF2, 1, 2), 0, "f2 01 02"},
        {message(0x40, 60, 127), kMidiBadMessage, nullptr}, {message(0xF0, 1, 2), kMidiBadMessage, nullptr},
    };
    std::string expected;
    for (const Send& s : sends) {
        EXPECT_EQ(sdl.midi_out_send(s.message), s.code) << std::hex << "message 0x" << s.message;
        if (s.bytes)
            expected += std::string(s.bytes) + " to Keys:Keys MIDI 1 24:0\n";
    }
    EXPECT_EQ(joined(seq.sent()), expected);
    EXPECT_EQ(sdl.midi_out_close(), 0);
    EXPECT_EQ(sdl.midi_out_send(message(0x90, 60, 127)), kMidiNotOpen);
    sdl.midi_in_listen(false);
}

TEST(MidiDevices, NotesFromAKeyboardArriveAsEventsWhileListening)
{
    ::setenv("SDL_VIDEODRIVER", "dummy", 1);
    ::setenv("SDL_AUDIODRIVER", "dummy", 1);
    FakeSequencer seq("Synth:Synth port 20:0", "Keys:Keys MIDI 1 24:0\nSynth:Synth port 20:0\n?");
    ASSERT_TRUE(seq.library) << ::dlerror();
    SdlPlatform sdl(FakeSequencer::setup());
    ASSERT_TRUE(sdl.init());
    ASSERT_EQ(sdl.midi_out_open(0), 0);
    sdl.midi_in_listen(true);
    EXPECT_EQ(seq.listened(), "Keys:Keys MIDI 1 24:0\n")
        << "every keyboard but the port we send to (it would echo our notes) and ours";
    struct Played {
        std::vector<unsigned char> message;
        int note, velocity;  // -1: no event
    } played[] = {
        {{0x90, 60, 100}, 60, 100}, {{0x80, 60, 64}, 60, 0},  {{0x95, 62, 0}, 62, 0},
        {{0xB0, 7, 100}, -1, 0},    {{0x90, 64}, -1, 0},     {{0x92, 127, 1}, 127, 1},
    };
    for (const Played& p : played) {
        seq.play("Keys:Keys MIDI 1 24:0", p.message);
        Event ev;
        const bool got = sdl.wait_event(ev, sdl.now_ms() + 50);
        if (p.note < 0) {
            EXPECT_FALSE(got) << "message " << int(p.message[0]) << ": no note";
            continue;
        }
        ASSERT_TRUE(got) << "message " << int(p.message[0]);
        EXPECT_EQ(ev.type, Event::Type::MidiNote);
        EXPECT_EQ(ev.note, p.note);
        EXPECT_EQ(ev.velocity, p.velocity) << "note " << p.note;
    }
    // Sending to another device lets the port we sent to play into us.
    ASSERT_EQ(sdl.midi_out_open(-1), 0);
    EXPECT_EQ(seq.listened(), "Keys:Keys MIDI 1 24:0\nSynth:Synth port 20:0\n");
    sdl.midi_in_listen(false);
    EXPECT_EQ(seq.listened(), "");
    seq.play("Keys:Keys MIDI 1 24:0", {0x90, 60, 100});
    Event ev;
    EXPECT_FALSE(sdl.wait_event(ev, sdl.now_ms() + 50)) << "a note came after listening stopped";
}
