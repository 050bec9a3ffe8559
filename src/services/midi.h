// The thin layer between the studio and the platform's MIDI output: the
// devices, one open device, errors shown to the user, and the few channel
// messages the studio sends.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace bafo {

// MIDI_OUT

// One entry of the device list: its product name and its device number
// (-1 the synthesiser, 0..n-1 the output ports).
struct MidiZarizeni {
    std::string nazev;
    int data = 0;
};

// Fills the list with the devices whose names can be read, the synthesiser first.
void midi_seznam_zarizeni(std::vector<MidiZarizeni>& seznam);
void midi_zavri();
// Closes any open device first; true when `zarizeni` is open afterwards.
bool midi_otevri(int zarizeni);
bool midi_otevreno();
// Forgets the open device without closing it (a new run on a new platform).
void midi_zapomen();
// The platform's text of a MIDI error, in a message box with OK only.
void midi_chyba(int kod);
// Sends one short message on the open device. Without an open device nothing
// is sent and nothing is shown: a failed open was reported once already.
void midi_posli(int status, int data1, int data2);
// status + 256 × data 1 + 65536 × data 2, each taken as a byte.
uint32_t midi_zprava(int status, int data1, int data2);

// MIDI_CMD (channel 0..15)

void midi_ovladac(int kanal, int ovladac, int hodnota);
void midi_nota_zap(int kanal, int nota, int sila);
// A note on with velocity 0: it ends the note (status 128 is never sent).
void midi_nota_vyp(int kanal, int nota);
// Bank select (controller 0), then the program change.
void midi_nastroj(int kanal, int banka, int program);

}  // namespace bafo
