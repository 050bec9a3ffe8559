// The installation settings, the display switch and the pointer's show count.
#pragma once

#include <string>

namespace bafo {

// Where BAFO.INI lives: $BAFO_INI, else $XDG_CONFIG_HOME/BAFO.INI, else ~/.config/BAFO.INI.
std::string ini_file();

std::string nacti_z_ini(const std::string& file, const std::string& section, const std::string& key);
void zapis_do_ini(const std::string& file, const std::string& section, const std::string& key,
                  const std::string& value);

// Reads HD and HD_SHORT into cesta_dat, cesta_hry and cesta_videi.
void nacti_nastaveni();

// Set by --window: the display is never switched.
extern bool jen_v_okne;

// Remembers the display mode and asks for full screen; false when refused.
bool nastav_rozliseni();
// Asks for the remembered mode again; false when refused.
bool obnov_rozliseni();
// True while the display is switched and its restore not yet asked for.
bool rozliseni_zmeneno();

void skryj_kurzor();
void zobraz_kurzor();

// The texts the program shows, exactly as its parents read them.
namespace texty {
inline const char* const neni_instalace = "Игра не установлена, или установка повреждена. Переустановите игру.";
std::string chyba_disku(int number);
inline const char* const okno = "Видеокарта не поддерживает смену графического режима без перезагрузки компьютера. Игра будет запущена в окне.";
inline const char* const okno_titulek = "Сообщение";
inline const char* const obnova = "Произошла ошибка при попытке вернуть разрешение экрана. Измените его вручную.";
inline const char* const obnova_titulek = "Ошибка системы";
}  // namespace texty

}  // namespace bafo
