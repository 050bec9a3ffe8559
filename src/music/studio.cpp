#include "music/studio.h"

#include "services/midi.h"

namespace bafo {

int Studio::key_of_code(int code)
{
    if (code == 'Z')
        return 11;
    for (int i = 0; i < kKeys; ++i)
        if (kCodes[i] == code)
            return i;
    return -1;
}

int Studio::key_of_note(int note)
{
    for (int i = 0; i < kKeys; ++i)
        if (kNotes[i] == note)
            return i;
    return -1;
}

void Studio::reset()
{
    m_nahravani = m_prehravani = m_pozadavek_stop = rytmus_hraje = false;
    m_delka_pisne = m_pocet_udalosti = 0;
    m_drzene = {};
    m_cislo_rytmu = 1;
    m_nastroj = 0;
    m_posledni_nota = 0;
    m_posledni_klavesa = 0;
    m_ozvena = 0;
}

bool Studio::zahraj_klavesu(int i, uint32_t now)
{
    if (m_prehravani || i < 0 || i >= kKeys)
        return false;
    // One note at a time: the previous one always ends.
    midi_nota_vyp(0, m_posledni_nota);
    const int nota = kNotes[i] + transpozice();
    midi_nota_zap(0, nota, kVelocity);
    m_posledni_nota = nota;
    zapis(i, "ZAP", now);
    return true;
}

bool Studio::key_down(int code, uint32_t now)
{
    if (m_prehravani)
        return false;
    m_posledni_klavesa = code;
    const int k = key_of_code(code);
    // A held key repeating plays nothing.
    if (k < 0 || m_drzene[size_t(k)])
        return false;
    m_drzene[size_t(k)] = true;
    return zahraj_klavesu(k, now);
}

void Studio::key_up(int code, uint32_t now)
{
    const int k = key_of_code(code);
    if (m_prehravani) {
        // Nothing sounds or is recorded, but the key is no longer held: its
        // next press after the playback plays.
        if (k >= 0)
            m_drzene[size_t(k)] = false;
        return;
    }
    // Letting go of an earlier key while a later one sounds sends nothing.
    if (code == m_posledni_klavesa)
        midi_nota_vyp(0, m_posledni_nota);
    if (k < 0)
        return;
    m_drzene[size_t(k)] = false;
    zapis(k, "VYP", now);
}

void Studio::zapis(int key, const char* stav, uint32_t now)
{
    if (!m_nahravani)
        return;
    const bool prvni = m_pocet_udalosti == 0;
    // A key held since before record was pressed: its release does not start the tune.
    if (prvni && stav[0] == 'V')
        return;
    if (prvni)
        m_zacatek_nahravani = now;
    Udalost& u = m_udalosti[size_t(m_pocet_udalosti)];
    u.cas = prvni ? 0 : int32_t(now - m_zacatek_nahravani);
    u.nota = uint8_t(kNotes[key]);
    u.stav = stav;
    ++m_pocet_udalosti;
    // A full tune ends the recording as stop would; the keys go on sounding.
    if (m_pocet_udalosti == kMaxEvents) {
        m_nahravani = false;
        m_delka_pisne = m_pocet_udalosti;
    }
}

void Studio::vyber_nastroj(int i)
{
    if (i < 0 || i >= kInstruments)
        return;
    m_nastroj = i;
    midi_nastroj(0, 0, kNastroje[i].program);
}

void Studio::nahravej()
{
    m_nahravani = true;
    m_pocet_udalosti = 0;
    m_delka_pisne = 0;
}

void Studio::zastav()
{
    m_pozadavek_stop = true;
    if (m_nahravani) {
        m_nahravani = false;
        m_delka_pisne = m_pocet_udalosti;
    }
    m_prehravani = false;
}

int Studio::zacni_prehravani()
{
    m_prehravani = true;
    m_pozadavek_stop = false;
    m_ozvena = 0;
    return m_delka_pisne;
}

namespace {
// A tune read from a song file may hold any byte; one that leaves the MIDI
// note range with the transposition is not sent.
bool je_nota(int nota)
{
    return nota >= 0 && nota <= 127;
}
}  // namespace

void Studio::zahraj_udalost(int i)
{
    const Udalost& u = udalost(i);
    const int nota = u.nota + transpozice();
    if (!je_nota(nota))
        return;
    if (u.stav == "VYP") {
        midi_nota_vyp(0, nota);
    } else if (u.stav == "ZAP") {
        // As on the keys, one note at a time: a tune clicked with the mouse
        // has no releases, and its notes would otherwise pile up and ring on.
        if (m_ozvena)
            midi_nota_vyp(0, m_ozvena);
        midi_nota_zap(0, nota, kVelocity);
        m_ozvena = nota;
        m_posledni_nota = nota;
    }
}

void Studio::umlc(int i)
{
    for (int k = 1; k <= i; ++k)
        if (je_nota(udalost(k).nota + transpozice()))
            midi_nota_vyp(0, udalost(k).nota + transpozice());
    m_ozvena = 0;
}

void Studio::umlc_vse()
{
    midi_nota_vyp(0, m_posledni_nota);
    if (m_ozvena && m_ozvena != m_posledni_nota)
        midi_nota_vyp(0, m_ozvena);
    // All notes off, for whatever a device still holds.
    midi_ovladac(0, 123, 0);
}

int Studio::dalsi_rytmus()
{
    m_cislo_rytmu = m_cislo_rytmu % kRhythms + 1;
    return m_cislo_rytmu;
}

void Studio::nastav_pisen(const std::array<Udalost, kMaxEvents>& udalosti, int delka)
{
    m_udalosti = udalosti;
    m_delka_pisne = delka < 0 ? 0 : delka > kMaxEvents ? kMaxEvents : delka;
}

}  // namespace bafo
