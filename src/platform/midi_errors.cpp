#include "platform/midi_errors.h"

namespace bafo {

std::string midi_error_message(int code, const std::string& sound_font)
{
    // Shown in a box of the studio with at most 127 characters: short and whole.
    switch (code) {
    case kMidiOk: return "No error.";
    case kMidiPortFailed: return "The MIDI port would not open: it may be in use or unplugged.";
    case kMidiNoDevice: return "There is no MIDI output device with this number.";
    case kMidiNotOpen: return "No MIDI output device is open.";
    case kMidiNoSynthLibrary:
        return "The synthesiser needs the FluidSynth library (package libfluidsynth3), which is not installed.";
    case kMidiSynthFailed: return "The synthesiser could not be started: the computer may be short of memory.";
    case kMidiBadMessage: return "This is not a short MIDI message.";
    case kMidiSendFailed: return "The MIDI message could not be sent: the port may have been unplugged.";
    case kMidiNoSoundFont: return "No sound font " + sound_font + ": install the package timgm6mb-soundfont.";
    case kMidiBadSoundFont: return "The sound font " + sound_font + " is damaged.";
    default: return "MIDI error " + std::to_string(code) + ".";
    }
}

int midi_message_length(int status)
{
    if (status < 0x80 || status > 0xFF)
        return 0;
    if (status < 0xF0)
        return (status & 0xE0) == 0xC0 ? 2 : 3;  // program change and channel pressure have one data byte
    switch (status) {
    case 0xF1:  // time code quarter frame
    case 0xF3:  // song select
        return 2;
    case 0xF2:  // song position
        return 3;
    case 0xF0:  // system exclusive: no short message
    case 0xF7:
        return 0;
    default: return 1;  // tune request, real-time messages
    }
}

}  // namespace bafo
