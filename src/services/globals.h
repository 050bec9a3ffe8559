// The values every screen shares for the whole run.
#pragma once

#include <cstdint>
#include <string>

namespace bafo {

extern std::string cesta_dat;    // data root: holds BAFO_CS
extern std::string cesta_hry;    // where the program writes
extern std::string cesta_videi;  // searched first for clips; "ERROR" when unset
extern bool konec_hry;           // the child chose to leave
extern std::string vybrana_hra;  // game tag chosen in the main menu
extern int sada_obrazku;         // picture set 1..6, kept for the run
extern std::string vybrany_obrazek;
extern int vybrana_sada;         // card set 1..4
extern std::string klic_hry;     // result hand-off: game key, level, result
extern int uroven;
extern int16_t vysledek;

// Back to the values at program start (tests run many programs in one process).
void reset_globals();

}  // namespace bafo
