// The music studio's rules without drawing: the thirteen keys and the notes
// they send, the instruments, the recorder and its tune, the playback steps
// and the rhythm number. Notes go out through the MIDI layer on channel 0.
#pragma once

#include "platform/surface.h"

#include <array>
#include <cstdint>
#include <string>

namespace bafo {

// One event of a tune: when (ms from the first event), which key's note
// (without the instrument's transposition) and "ZAP" (on) or "VYP" (off).
struct Udalost {
    int32_t cas = 0;
    uint8_t nota = 0;
    std::string stav;
};

struct Nastroj {
    const char* tag;
    Rect area;
    Point lit;  // where its highlight picture goes
    int program;
    int transpozice;
};

class Studio {
public:
    static constexpr int kKeys = 13, kInstruments = 10, kRhythms = 9;
    static constexpr int kMaxEvents = 1000;
    static constexpr int kVelocity = 127;
    // Keys 0..7 are white, 8..12 black.
    static constexpr int kNotes[kKeys] = {60, 62, 64, 65, 67, 69, 71, 72, 61, 63, 66, 68, 70};
    static constexpr int kCodes[kKeys] = {'A', 'S', 'D', 'F', 'G', 'H', 'J', 'K', 'W', 'E', 'T', 'Y', 'U'};
    static constexpr Rect kKeyAreas[kKeys] = {
        {85, 530, 75, 71},  {165, 530, 75, 71}, {245, 530, 75, 71}, {320, 530, 75, 71}, {400, 530, 75, 71},
        {480, 530, 75, 71}, {560, 530, 75, 71}, {640, 530, 75, 71}, {135, 530, 55, 36}, {220, 530, 45, 36},
        {370, 530, 50, 36}, {455, 530, 50, 36}, {535, 530, 50, 36}};
    static constexpr Nastroj kNastroje[kInstruments] = {
        {"N_KLAVI", {5, 15, 66, 46}, {0, 0}, 1, 0},       {"N_TRUMP", {5, 95, 66, 51}, {0, 86}, 56, 12},
        {"N_KYTAR", {5, 185, 66, 86}, {0, 173}, 24, 0},   {"N_BUBEN", {5, 315, 61, 56}, {0, 302}, 117, 0},
        {"N_BASA", {5, 400, 66, 116}, {0, 389}, 43, -24}, {"N_SAXOF", {730, 10, 66, 81}, {722, 0}, 66, 0},
        {"N_HOUSL", {735, 120, 56, 91}, {722, 108}, 40, 12}, {"N_XYLOF", {730, 245, 66, 86}, {722, 230}, 12, 0},
        {"N_FLETN", {725, 355, 71, 46}, {722, 347}, 79, 12}, {"N_DUDY", {725, 440, 71, 66}, {722, 426}, 109, 0}};
    static constexpr const char* kRytmy[kRhythms] = {"BOOGIE.WAV", "COUNTRY.WAV", "DISCO.WAV",  "POLKA.WAV", "REGGAE.WAV",
                                                    "ROCK.WAV",   "TECHNO.WAV",  "UMCACA.WAV", "VALCIK.WAV"};

    // The key a computer key code plays (Y and Z both key 11), or -1.
    static int key_of_code(int code);
    // The key a MIDI keyboard's note plays (60..72), or -1.
    static int key_of_note(int note);

    // As the screen loads: nothing recorded, nothing held, the piano, rhythm 1.
    void reset();

    // klavesa_Click: the previous note ends, key i sounds and is recorded.
    // False (nothing done) while a tune plays back.
    bool zahraj_klavesu(int i, uint32_t now);
    // Computer keys, and a MIDI keyboard's keys by their letters. True when a note was played.
    bool key_down(int code, uint32_t now);
    void key_up(int code, uint32_t now);

    void vyber_nastroj(int i);
    int nastroj() const { return m_nastroj; }
    int transpozice() const { return kNastroje[m_nastroj].transpozice; }

    // The recorder. Record always empties the tune.
    void nahravej();
    // Stop: ends a recording (the tune keeps what was recorded) and asks a playback to stop.
    void zastav();
    bool nahravani() const { return m_nahravani; }

    // Playback in steps, for the screen's loop that waits between events.
    // Returns the number of events to play.
    int zacni_prehravani();
    // Sends event i (1-based) with the transposition of the current instrument.
    void zahraj_udalost(int i);
    // Ends every note events 1..i may have started.
    void umlc(int i);
    void konec_prehravani() { m_prehravani = false; }
    bool prehravani() const { return m_prehravani; }
    bool pozadavek_stop() const { return m_pozadavek_stop; }

    // Every note this studio may have left sounding.
    void umlc_vse();

    // The rhythm: 1..9, after 9 comes 1.
    int dalsi_rytmus();
    int cislo_rytmu() const { return m_cislo_rytmu; }
    const char* soubor_rytmu() const { return kRytmy[m_cislo_rytmu - 1]; }
    bool rytmus_hraje = false;

    const Udalost& udalost(int i) const { return m_udalosti[size_t(i - 1)]; }
    const std::array<Udalost, kMaxEvents>& udalosti() const { return m_udalosti; }
    int delka_pisne() const { return m_delka_pisne; }
    int pocet_udalosti() const { return m_pocet_udalosti; }
    int posledni_nota() const { return m_posledni_nota; }
    bool drzena(int key) const { return m_drzene[size_t(key)]; }
    // A tune given whole (a song file read by the jukebox).
    void nastav_pisen(const std::array<Udalost, kMaxEvents>& udalosti, int delka);

private:
    void zapis(int key, const char* stav, uint32_t now);

    std::array<Udalost, kMaxEvents> m_udalosti{};
    int m_delka_pisne = 0;
    int m_pocet_udalosti = 0;
    int m_nastroj = 0;
    int m_posledni_nota = 0;
    int m_posledni_klavesa = 0;
    std::array<bool, kKeys> m_drzene{};
    uint32_t m_zacatek_nahravani = 0;
    bool m_nahravani = false;
    bool m_prehravani = false;
    bool m_pozadavek_stop = false;
    int m_cislo_rytmu = 1;
    int m_ozvena = 0;  // the note the last played-back "ZAP" started
};

}  // namespace bafo
