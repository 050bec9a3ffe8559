// The codes the real platform's MIDI calls return, and their texts for the
// person who set the machine up: what is wrong and what would put it right.
#pragma once

#include <string>

namespace bafo {

enum MidiError : int {
    kMidiOk = 0,
    kMidiPortFailed = 1,    // a port would not open
    kMidiNoDevice = 2,      // no device with that number
    kMidiNotOpen = 5,       // nothing is open
    kMidiNoSynthLibrary = 6,
    kMidiSynthFailed = 7,   // FluidSynth would not start
    kMidiBadMessage = 11,   // not a short message
    kMidiSendFailed = 12,   // the port went away
    kMidiNoSoundFont = 20,
    kMidiBadSoundFont = 21,
};

// `sound_font` is the file the synthesiser loads, named in the texts about it.
std::string midi_error_message(int code, const std::string& sound_font);

// Bytes of the short message that begins with `status`: 0 when it begins no
// short message (a data byte, or a system exclusive one).
int midi_message_length(int status);

}  // namespace bafo
