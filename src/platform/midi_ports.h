// The machine's MIDI ports through RtMidi on the ALSA sequencer: output ports
// to send to, input ports (a MIDI keyboard) to listen to. The library is opened
// when the ports are first asked for, and not at all without a sequencer.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

struct RtMidiWrapper;  // RtMidi's C handle

namespace bafo {

struct RtMidiLibrary;

class MidiPorts {
public:
    static const char* const kLibrary;    // the soname we were compiled against
    static const char* const kSequencer;  // the ALSA sequencer's device

    // Called on RtMidi's thread for each note: velocity 0 when it was let go.
    using NoteHandler = std::function<void(int note, int velocity)>;

    // `sequencer`: the device that must exist before the library is tried
    // (empty: try it anyway).
    MidiPorts(std::string library, std::string sequencer);
    ~MidiPorts();
    MidiPorts(const MidiPorts&) = delete;
    MidiPorts& operator=(const MidiPorts&) = delete;

    // Output ports, counted afresh each time (a keyboard may be plugged in).
    int count();
    // False when the port's name cannot be read.
    bool name(int port, std::string& name);
    // A MidiError code; an open port is closed first.
    int open(int port);
    void close();
    // A short message with the byte count its status asks for.
    int send(uint32_t message);

    // While on, every input port but our own and the one we send to (they
    // would echo our notes back) plays into `on_note`.
    void listen(bool on, NoteHandler on_note = {});

private:
    struct Input;
    const RtMidiLibrary* library();
    // Our output client, made when first needed; nullptr without a sequencer.
    RtMidiWrapper* output();
    // RtMidi's numbers of the ports of `device` that are not ours, and their
    // names in `names` (empty when unreadable).
    std::vector<int> visible_ports(RtMidiWrapper* device, std::vector<std::string>& names);
    void start_listening();
    void stop_listening();

    std::string m_library_name, m_sequencer;
    const RtMidiLibrary* m_library = nullptr;
    bool m_library_tried = false;
    RtMidiWrapper* m_out = nullptr;
    bool m_out_open = false;
    std::string m_out_name;
    std::vector<std::unique_ptr<Input>> m_inputs;
    std::shared_ptr<NoteHandler> m_on_note;
    bool m_listening = false;
};

}  // namespace bafo
