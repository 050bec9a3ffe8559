#include "services/globals.h"

#include "services/midi.h"
#include "services/sound.h"

namespace bafo {

std::string cesta_dat;
std::string cesta_hry;
std::string cesta_videi = "ERROR";
bool konec_hry = false;
std::string vybrana_hra;
int sada_obrazku = 1;
std::string vybrany_obrazek;
int vybrana_sada = 1;
std::string klic_hry;
int uroven = 1;
int16_t vysledek = 32000;

void reset_globals()
{
    cesta_dat.clear();
    cesta_hry.clear();
    cesta_videi = "ERROR";
    konec_hry = false;
    vybrana_hra.clear();
    sada_obrazku = 1;
    vybrany_obrazek.clear();
    vybrana_sada = 1;
    klic_hry.clear();
    uroven = 1;
    vysledek = 32000;
    reset_random();
    midi_zapomen();
}

}  // namespace bafo
