// A stand-in for RtMidi's C library with a sequencer of made-up ports, loaded by
// the MIDI port tests in its place. Like ALSA it lists the ports our own
// clients open, and plays incoming messages on a thread of its own.
#include <rtmidi_c.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <map>
#include <mutex>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace {

struct Port {
    std::string name;               // "?": its name cannot be read
    RtMidiWrapper* owner = nullptr;  // the client of ours that opened it
};

struct Client {
    bool input = false;
    int open_port = -1;  // index into the other side's list when opened
    std::string open_name;
    RtMidiCCallback callback = nullptr;
    void* user = nullptr;
};

std::mutex lock;
std::vector<Port> outputs, inputs;  // what a client of each kind lists
std::vector<std::pair<std::string, std::vector<unsigned char>>> sent;
std::map<RtMidiWrapper*, Client> clients;

std::vector<Port>& listed(bool input) { return input ? inputs : outputs; }

std::vector<std::string> split(const char* s)
{
    std::vector<std::string> out;
    std::istringstream in(s ? s : "");
    for (std::string line; std::getline(in, line);)
        out.push_back(line);
    return out;
}

RtMidiWrapper* create(bool input)
{
    auto* w = new RtMidiWrapper{};
    w->ptr = w;
    w->ok = true;
    w->msg = "";
    std::lock_guard<std::mutex> hold(lock);
    clients[w].input = input;
    return w;
}

// The client's own port goes from the other side's list.
void close_port(RtMidiWrapper* w)
{
    Client& c = clients[w];
    auto& own = listed(!c.input);
    own.erase(std::remove_if(own.begin(), own.end(), [&](const Port& p) { return p.owner == w; }), own.end());
    c.open_port = -1;
}

void destroy(RtMidiWrapper* w)
{
    std::lock_guard<std::mutex> hold(lock);
    close_port(w);
    clients.erase(w);
    delete w;
}

}  // namespace

extern "C" {

// The test's controls.
void fake_rtmidi_set_ports(const char* outputs_lines, const char* inputs_lines)
{
    std::lock_guard<std::mutex> hold(lock);
    outputs.clear();
    inputs.clear();
    for (auto& n : split(outputs_lines))
        outputs.push_back({n});
    for (auto& n : split(inputs_lines))
        inputs.push_back({n});
    sent.clear();
}

int fake_rtmidi_sent_count()
{
    std::lock_guard<std::mutex> hold(lock);
    return int(sent.size());
}

// The i-th message sent: its bytes as "90 3c 7f" and the port's name.
void fake_rtmidi_sent(int i, char* bytes, char* port)
{
    std::lock_guard<std::mutex> hold(lock);
    std::string hex;
    for (unsigned char b : sent[size_t(i)].second) {
        char h[4];
        std::snprintf(h, sizeof h, hex.empty() ? "%02x" : " %02x", b);
        hex += h;
    }
    std::strcpy(bytes, hex.c_str());
    std::strcpy(port, sent[size_t(i)].first.c_str());
}

// The input ports listened to, one name a line.
void fake_rtmidi_listened(char* names)
{
    std::lock_guard<std::mutex> hold(lock);
    std::vector<std::string> open;
    for (auto& [w, c] : clients)
        if (c.input && c.open_port >= 0)
            open.push_back(c.open_name);
    std::sort(open.begin(), open.end());
    std::string all;
    for (const std::string& n : open)
        all += n + "\n";
    std::strcpy(names, all.c_str());
}

// A keyboard on input port `name` plays `message`, on a thread as RtMidi's would.
void fake_rtmidi_play(const char* name, const unsigned char* message, int length)
{
    std::vector<std::pair<RtMidiCCallback, void*>> to;
    {
        std::lock_guard<std::mutex> hold(lock);
        for (auto& [w, c] : clients)
            if (c.input && c.open_port >= 0 && c.open_name == name && c.callback)
                to.emplace_back(c.callback, c.user);
    }
    std::thread t([&] {
        for (auto& [cb, user] : to)
            cb(0.0, message, size_t(length), user);
    });
    t.join();
}

// RtMidi's C interface.
RtMidiOutPtr rtmidi_out_create(enum RtMidiApi api, const char*)
{
    RtMidiWrapper* w = create(false);
    w->ok = api == RTMIDI_API_LINUX_ALSA;  // nothing else is there
    return w;
}
void rtmidi_out_free(RtMidiOutPtr w) { destroy(w); }
RtMidiInPtr rtmidi_in_create(enum RtMidiApi api, const char*, unsigned int)
{
    RtMidiWrapper* w = create(true);
    w->ok = api == RTMIDI_API_LINUX_ALSA;
    return w;
}
void rtmidi_in_free(RtMidiInPtr w) { destroy(w); }

unsigned int rtmidi_get_port_count(RtMidiPtr w)
{
    std::lock_guard<std::mutex> hold(lock);
    return unsigned(listed(clients[w].input).size());
}

int rtmidi_get_port_name(RtMidiPtr w, unsigned int i, char* out, int* size)
{
    std::lock_guard<std::mutex> hold(lock);
    auto& ports = listed(clients[w].input);
    if (i >= ports.size() || ports[i].name == "?") {
        w->ok = false;
        return -1;
    }
    return std::snprintf(out, size_t(*size), "%s", ports[i].name.c_str());
}

void rtmidi_open_port(RtMidiPtr w, unsigned int i, const char* own_name)
{
    std::lock_guard<std::mutex> hold(lock);
    Client& c = clients[w];
    auto& ports = listed(c.input);
    if (i >= ports.size()) {
        w->ok = false;
        return;
    }
    c.open_port = int(i);
    c.open_name = ports[i].name;
    // As ALSA does, our own port shows on the other side, under our client's name.
    listed(!c.input).push_back({"Bafolino:" + std::string(own_name) + " 128:" + std::to_string(clients.size()), w});
}

void rtmidi_close_port(RtMidiPtr w)
{
    std::lock_guard<std::mutex> hold(lock);
    close_port(w);
}

int rtmidi_out_send_message(RtMidiOutPtr w, const unsigned char* message, int length)
{
    std::lock_guard<std::mutex> hold(lock);
    const Client& c = clients[w];
    if (c.open_port < 0) {
        w->ok = false;
        return -1;
    }
    sent.emplace_back(c.open_name, std::vector<unsigned char>(message, message + length));
    return 0;
}

void rtmidi_in_set_callback(RtMidiInPtr w, RtMidiCCallback callback, void* user)
{
    std::lock_guard<std::mutex> hold(lock);
    clients[w].callback = callback;
    clients[w].user = user;
}

void rtmidi_in_ignore_types(RtMidiInPtr, bool, bool, bool) {}

}  // extern "C"
