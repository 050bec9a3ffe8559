#include "services/midi.h"

#include "platform/platform.h"
#include "platform/trace.h"
#include "services/helpers.h"

namespace bafo {

namespace {
// The open device's state: the platform keeps one device open at a time.
bool midi_vystup = false;

std::string bajty(int status, int data1, int data2)
{
    return std::to_string(status & 0xFF) + " " + std::to_string(data1 & 0xFF) + " " + std::to_string(data2 & 0xFF);
}
}  // namespace

void midi_seznam_zarizeni(std::vector<MidiZarizeni>& seznam)
{
    seznam.clear();
    auto& p = platform();
    std::string nazev;
    if (p.midi_out_name(-1, nazev))
        seznam.push_back({nazev, -1});
    const int n = p.midi_out_count();
    for (int i = 0; i < n; ++i)
        if (p.midi_out_name(i, nazev))
            seznam.push_back({nazev, i});
}

void midi_zavri()
{
    if (!midi_vystup)
        return;
    if (int err = platform().midi_out_close())
        midi_chyba(err);
    midi_vystup = false;
    trace("midi_close");
}

bool midi_otevri(int zarizeni)
{
    midi_zavri();
    const int err = platform().midi_out_open(zarizeni);
    trace("midi_open " + std::to_string(zarizeni) + " " + std::to_string(err));
    if (err)
        midi_chyba(err);
    else
        midi_vystup = true;
    return midi_vystup;
}

bool midi_otevreno()
{
    return midi_vystup;
}

void midi_zapomen()
{
    midi_vystup = false;
}

void midi_chyba(int kod)
{
    std::string text = platform().midi_error_text(kod);
    // The platform's buffer holds 127 characters and the terminator.
    if (text.size() > 127)
        text.resize(127);
    zprava(text, "Bafolino", MessageIcon::None);
}

void midi_posli(int status, int data1, int data2)
{
    if (!midi_vystup) {
        trace("midi_unsent " + bajty(status, data1, data2));
        return;
    }
    trace("midi " + bajty(status, data1, data2));
    if (int err = platform().midi_out_send(midi_zprava(status, data1, data2)))
        midi_chyba(err);
}

uint32_t midi_zprava(int status, int data1, int data2)
{
    return uint32_t(data2 & 0xFF) * 65536u + uint32_t(data1 & 0xFF) * 256u + uint32_t(status & 0xFF);
}

void midi_ovladac(int kanal, int ovladac, int hodnota)
{
    midi_posli(176 + kanal, ovladac, hodnota);
}

void midi_nota_zap(int kanal, int nota, int sila)
{
    midi_posli(144 + kanal, nota, sila);
}

void midi_nota_vyp(int kanal, int nota)
{
    midi_posli(144 + kanal, nota, 0);
}

void midi_nastroj(int kanal, int banka, int program)
{
    midi_ovladac(kanal, 0, banka);
    midi_posli(192 + kanal, program, 0);
}

}  // namespace bafo
