#include "platform/midi_ports.h"

#include "platform/dynlib.h"
#include "platform/midi_errors.h"

#include <rtmidi_c.h>

#include <cstdio>
#include <map>
#include <mutex>
#include <unistd.h>

namespace bafo {

// RtMidi's C interface: it catches what the C++ one throws (no sequencer, a
// port gone) and says so in the wrapper's `ok`.
#define BAFO_RTMIDI_FUNCTIONS(X)    \
    X(rtmidi_out_create)            \
    X(rtmidi_out_free)              \
    X(rtmidi_out_send_message)      \
    X(rtmidi_in_create)             \
    X(rtmidi_in_free)               \
    X(rtmidi_in_set_callback)       \
    X(rtmidi_in_ignore_types)       \
    X(rtmidi_get_port_count)        \
    X(rtmidi_get_port_name)         \
    X(rtmidi_open_port)             \
    X(rtmidi_close_port)

struct RtMidiLibrary {
#define BAFO_RTMIDI_POINTER(name) decltype(&::name) name = nullptr;
    BAFO_RTMIDI_FUNCTIONS(BAFO_RTMIDI_POINTER)
#undef BAFO_RTMIDI_POINTER
};

const char* const MidiPorts::kLibrary = BAFO_RTMIDI_SONAME;
const char* const MidiPorts::kSequencer = "/dev/snd/seq";

namespace {

// Our client's name: the ports it makes are left out of the lists.
constexpr const char* kClient = "Bafolino";
const std::string kOwnPrefix = std::string(kClient) + ":";

// Only ALSA: JACK without a running server crashes when a port is opened.
constexpr RtMidiApi kApi = RTMIDI_API_LINUX_ALSA;

void on_message(double, const unsigned char* message, size_t size, void* user)
{
    if (size < 3)
        return;
    auto& on_note = *static_cast<MidiPorts::NoteHandler*>(user);
    const int kind = message[0] & 0xF0;
    if (kind == 0x90)
        on_note(message[1] & 0x7F, message[2] & 0x7F);
    else if (kind == 0x80)
        on_note(message[1] & 0x7F, 0);
}

std::unique_ptr<RtMidiLibrary> load(const std::string& library)
{
    auto rt = std::make_unique<RtMidiLibrary>();
    std::vector<DynSymbol> symbols;
#define BAFO_RTMIDI_SYMBOL(name) symbols.push_back(dyn_symbol(#name, rt->name));
    BAFO_RTMIDI_FUNCTIONS(BAFO_RTMIDI_SYMBOL)
#undef BAFO_RTMIDI_SYMBOL
    std::string why;
    if (!dyn_open(library, symbols, why)) {
        std::fprintf(stderr, "bafolino: no MIDI ports: %s\n", why.c_str());
        return nullptr;
    }
    return rt;  // loaded for the rest of the run
}

// One try per library per run.
const RtMidiLibrary* library_for(const std::string& library)
{
    static std::mutex lock;
    static std::map<std::string, std::unique_ptr<RtMidiLibrary>> loaded;
    std::lock_guard<std::mutex> hold(lock);
    auto it = loaded.find(library);
    if (it == loaded.end())
        it = loaded.emplace(library, load(library)).first;
    return it->second.get();
}

}  // namespace

struct MidiPorts::Input {
    const RtMidiLibrary* rt;
    RtMidiWrapper* in;
    ~Input() { rt->rtmidi_in_free(in); }  // closes the port and joins its thread
};

MidiPorts::MidiPorts(std::string library, std::string sequencer)
    : m_library_name(std::move(library)), m_sequencer(std::move(sequencer))
{
}

MidiPorts::~MidiPorts()
{
    stop_listening();
    if (m_out)
        m_library->rtmidi_out_free(m_out);
}

const RtMidiLibrary* MidiPorts::library()
{
    if (m_library_tried)
        return m_library;
    // Without a sequencer RtMidi can do nothing: not worth loading it and the
    // sound libraries it brings, nor its complaint on stderr.
    if (!m_sequencer.empty() && ::access(m_sequencer.c_str(), R_OK | W_OK) != 0)
        return nullptr;  // asked again next time: the device may come
    m_library_tried = true;
    m_library = library_for(m_library_name);
    return m_library;
}

RtMidiWrapper* MidiPorts::output()
{
    if (m_out)
        return m_out;
    const RtMidiLibrary* rt = library();
    if (!rt)
        return nullptr;
    RtMidiWrapper* out = rt->rtmidi_out_create(kApi, kClient);
    if (out && out->ok && out->ptr)
        return m_out = out;
    if (out)
        rt->rtmidi_out_free(out);
    return nullptr;
}

std::vector<int> MidiPorts::visible_ports(RtMidiWrapper* device, std::vector<std::string>& names)
{
    std::vector<int> visible;
    names.clear();
    device->ok = true;
    const unsigned n = m_library->rtmidi_get_port_count(device);
    if (!device->ok)
        return visible;
    for (unsigned i = 0; i < n; ++i) {
        char buffer[256] = {};
        int size = int(sizeof buffer);
        device->ok = true;
        const int got = m_library->rtmidi_get_port_name(device, i, buffer, &size);
        std::string name = device->ok && got > 0 ? std::string(buffer) : std::string();
        if (name.rfind(kOwnPrefix, 0) == 0)
            continue;
        visible.push_back(int(i));
        names.push_back(std::move(name));  // empty: unreadable
    }
    return visible;
}

int MidiPorts::count()
{
    RtMidiWrapper* out = output();
    if (!out)
        return 0;
    std::vector<std::string> names;
    return int(visible_ports(out, names).size());
}

bool MidiPorts::name(int port, std::string& name)
{
    RtMidiWrapper* out = output();
    if (!out || port < 0)
        return false;
    std::vector<std::string> names;
    visible_ports(out, names);
    if (port >= int(names.size()) || names[size_t(port)].empty())
        return false;
    name = names[size_t(port)];
    return true;
}

int MidiPorts::open(int port)
{
    close();
    RtMidiWrapper* out = output();
    if (!out || port < 0)
        return kMidiNoDevice;
    std::vector<std::string> names;
    const std::vector<int> visible = visible_ports(out, names);
    if (port >= int(visible.size()))
        return kMidiNoDevice;
    out->ok = true;
    m_library->rtmidi_open_port(out, unsigned(visible[size_t(port)]), "Bafolino output");
    if (!out->ok)
        return kMidiPortFailed;
    m_out_open = true;
    m_out_name = names[size_t(port)];
    if (m_listening) {
        // The port we now send to must not play back into us.
        stop_listening();
        start_listening();
    }
    return kMidiOk;
}

void MidiPorts::close()
{
    if (!m_out_open)
        return;
    m_out->ok = true;
    m_library->rtmidi_close_port(m_out);
    m_out_open = false;
    m_out_name.clear();
    if (m_listening) {
        // The port we sent to may play into us now.
        stop_listening();
        start_listening();
    }
}

int MidiPorts::send(uint32_t message)
{
    if (!m_out_open)
        return kMidiNotOpen;
    const unsigned char bytes[3] = {uint8_t(message), uint8_t(message >> 8), uint8_t(message >> 16)};
    const int length = midi_message_length(bytes[0]);
    if (length == 0 || (length > 1 && bytes[1] > 0x7F) || (length > 2 && bytes[2] > 0x7F))
        return kMidiBadMessage;
    m_out->ok = true;
    const int r = m_library->rtmidi_out_send_message(m_out, bytes, length);
    return r == 0 && m_out->ok ? kMidiOk : kMidiSendFailed;
}

void MidiPorts::listen(bool on, NoteHandler on_note)
{
    stop_listening();
    m_listening = on;
    m_on_note = on ? std::make_shared<NoteHandler>(std::move(on_note)) : nullptr;
    if (on)
        start_listening();
}

void MidiPorts::start_listening()
{
    const RtMidiLibrary* rt = library();
    if (!rt || !m_on_note)
        return;
    // One client per port: an RtMidi input listens to one port.
    RtMidiWrapper* probe = rt->rtmidi_in_create(kApi, kClient, 100);
    if (!probe)
        return;
    std::vector<std::string> names;
    if (probe->ok && probe->ptr)
        visible_ports(probe, names);
    rt->rtmidi_in_free(probe);
    for (const std::string& wanted : names) {
        if (wanted.empty() || (m_out_open && wanted == m_out_name))
            continue;
        RtMidiWrapper* in = rt->rtmidi_in_create(kApi, kClient, 100);
        if (!in)
            continue;
        std::unique_ptr<Input> input(new Input{rt, in});
        if (!in->ok || !in->ptr)
            continue;
        // Found again by name: ports may have come or gone since the probe.
        std::vector<std::string> now;
        const std::vector<int> visible = visible_ports(in, now);
        for (size_t i = 0; i < now.size(); ++i) {
            if (now[i] != wanted)
                continue;
            rt->rtmidi_in_ignore_types(in, true, true, true);
            rt->rtmidi_in_set_callback(in, on_message, m_on_note.get());
            in->ok = true;
            rt->rtmidi_open_port(in, unsigned(visible[i]), "Bafolino input");
            if (in->ok)
                m_inputs.push_back(std::move(input));
            break;
        }
    }
}

void MidiPorts::stop_listening()
{
    m_inputs.clear();  // their threads end here, before the handler goes
}

}  // namespace bafo
