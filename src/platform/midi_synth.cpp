#include "platform/midi_synth.h"

#include "platform/dynlib.h"
#include "platform/midi_errors.h"

#include <fluidsynth.h>

#include <cstdio>
#include <map>
#include <mutex>
#include <unistd.h>

namespace bafo {

#define BAFO_FLUID_FUNCTIONS(X)             \
    X(fluid_set_log_function)               \
    X(new_fluid_settings)                   \
    X(delete_fluid_settings)                \
    X(fluid_settings_setnum)                \
    X(fluid_settings_setint)                \
    X(new_fluid_synth)                      \
    X(delete_fluid_synth)                   \
    X(fluid_synth_sfload)                   \
    X(fluid_synth_noteon)                   \
    X(fluid_synth_noteoff)                  \
    X(fluid_synth_key_pressure)             \
    X(fluid_synth_cc)                       \
    X(fluid_synth_program_change)           \
    X(fluid_synth_channel_pressure)         \
    X(fluid_synth_pitch_bend)               \
    X(fluid_synth_system_reset)             \
    X(fluid_synth_get_active_voice_count)   \
    X(fluid_synth_write_float)

struct FluidLibrary {
#define BAFO_FLUID_POINTER(name) decltype(&::name) name = nullptr;
    BAFO_FLUID_FUNCTIONS(BAFO_FLUID_POINTER)
#undef BAFO_FLUID_POINTER
};

const char* const MidiSynth::kLibrary = BAFO_FLUIDSYNTH_SONAME;
const char* const MidiSynth::kSoundFont = "/usr/share/sounds/sf2/TimGM6mb.sf2";

namespace {

void log_to_stderr(int, const char* message, void*)
{
    std::fprintf(stderr, "bafolino: synthesiser: %s\n", message);
}

std::unique_ptr<FluidLibrary> load(const std::string& library)
{
    auto fl = std::make_unique<FluidLibrary>();
    std::vector<DynSymbol> symbols;
#define BAFO_FLUID_SYMBOL(name) symbols.push_back(dyn_symbol(#name, fl->name));
    BAFO_FLUID_FUNCTIONS(BAFO_FLUID_SYMBOL)
#undef BAFO_FLUID_SYMBOL
    std::string why;
    if (!dyn_open(library, symbols, why)) {
        std::fprintf(stderr, "bafolino: no synthesiser: %s\n", why.c_str());
        return nullptr;
    }
    // Its errors in our words on stderr; the chatter below them nowhere.
    fl->fluid_set_log_function(FLUID_PANIC, log_to_stderr, nullptr);
    fl->fluid_set_log_function(FLUID_ERR, log_to_stderr, nullptr);
    for (int level : {FLUID_WARN, FLUID_INFO, FLUID_DBG})
        fl->fluid_set_log_function(level, nullptr, nullptr);
    return fl;  // loaded for the rest of the run
}

// One try per library per run: a missing one is not looked for at every visit.
const FluidLibrary* library_for(const std::string& library)
{
    static std::mutex lock;
    static std::map<std::string, std::unique_ptr<FluidLibrary>> loaded;
    std::lock_guard<std::mutex> hold(lock);
    auto it = loaded.find(library);
    if (it == loaded.end())
        it = loaded.emplace(library, load(library)).first;
    return it->second.get();
}

}  // namespace

struct MidiSynth::Handles {
    const FluidLibrary* fl = nullptr;
    fluid_settings_t* settings = nullptr;
    fluid_synth_t* synth = nullptr;
    ~Handles()
    {
        if (synth)
            fl->delete_fluid_synth(synth);
        if (settings)
            fl->delete_fluid_settings(settings);
    }
};

MidiSynth::MidiSynth(std::unique_ptr<Handles> h) : m(std::move(h)) {}

MidiSynth::~MidiSynth() = default;

std::unique_ptr<MidiSynth> MidiSynth::create(const std::string& library, const std::string& sound_font, int& code)
{
    // The sound font first: without it the library is not worth loading.
    if (::access(sound_font.c_str(), R_OK) != 0) {
        code = kMidiNoSoundFont;
        return nullptr;
    }
    auto h = std::make_unique<Handles>();
    h->fl = library_for(library);
    if (!h->fl) {
        code = kMidiNoSynthLibrary;
        return nullptr;
    }
    const FluidLibrary& fl = *h->fl;
    h->settings = fl.new_fluid_settings();
    if (h->settings) {
        fl.fluid_settings_setnum(h->settings, "synth.sample-rate", Mixer::kRate);
        fl.fluid_settings_setnum(h->settings, "synth.gain", 0.8);
        // Dry: a reverberation tail would outlive the voices, and a quiet
        // synthesiser is not played at all, so the tail would wait for the next note.
        fl.fluid_settings_setint(h->settings, "synth.reverb.active", 0);
        fl.fluid_settings_setint(h->settings, "synth.chorus.active", 0);
        fl.fluid_settings_setint(h->settings, "synth.polyphony", 64);
        h->synth = fl.new_fluid_synth(h->settings);
    }
    if (!h->synth) {
        code = kMidiSynthFailed;
        return nullptr;
    }
    if (fl.fluid_synth_sfload(h->synth, sound_font.c_str(), 1) == FLUID_FAILED) {
        code = kMidiBadSoundFont;
        return nullptr;
    }
    code = kMidiOk;
    return std::unique_ptr<MidiSynth>(new MidiSynth(std::move(h)));
}

int MidiSynth::send(uint32_t message)
{
    const int status = int(message & 0xFF), d1 = int(message >> 8 & 0xFF), d2 = int(message >> 16 & 0xFF);
    const int length = midi_message_length(status);
    if (length == 0 || (length > 1 && d1 > 0x7F) || (length > 2 && d2 > 0x7F))
        return kMidiBadMessage;
    const FluidLibrary& fl = *m->fl;
    fluid_synth_t* s = m->synth;
    const int channel = status & 0x0F;
    // A note let go that was not sounding, or a program the font lacks, is no
    // error of the message: the synthesiser just has nothing to do.
    switch (status & 0xF0) {
    case 0x80: fl.fluid_synth_noteoff(s, channel, d1); break;
    case 0x90:
        if (d2 == 0)
            fl.fluid_synth_noteoff(s, channel, d1);
        else
            fl.fluid_synth_noteon(s, channel, d1, d2);
        break;
    case 0xA0: fl.fluid_synth_key_pressure(s, channel, d1, d2); break;
    case 0xB0: fl.fluid_synth_cc(s, channel, d1, d2); break;
    case 0xC0: fl.fluid_synth_program_change(s, channel, d1); break;
    case 0xD0: fl.fluid_synth_channel_pressure(s, channel, d1); break;
    case 0xE0: fl.fluid_synth_pitch_bend(s, channel, d1 | d2 << 7); break;
    default:
        if (status == 0xFF)
            fl.fluid_synth_system_reset(s);
        break;  // the other system messages mean nothing to a synthesiser alone
    }
    return kMidiOk;
}

bool MidiSynth::sounding()
{
    return m->fl->fluid_synth_get_active_voice_count(m->synth) > 0;
}

void MidiSynth::render(float* out, size_t frames)
{
    m->fl->fluid_synth_write_float(m->synth, int(frames), out, 0, 2, out, 1, 2);
}

}  // namespace bafo
