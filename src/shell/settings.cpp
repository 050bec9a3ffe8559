#include "shell/settings.h"

#include "platform/files.h"
#include "platform/ini.h"
#include "platform/platform.h"
#include "services/globals.h"

#include <cstdlib>

namespace bafo {

bool jen_v_okne = false;

namespace {
DisplayMode g_saved_mode{800, 600, 16};
bool g_switched = false;  // full screen now, to be given back at the end
}

std::string ini_file()
{
    if (const char* p = std::getenv("BAFO_INI"); p && *p)
        return p;
    if (const char* x = std::getenv("XDG_CONFIG_HOME"); x && *x)
        return join_path(x, "BAFO.INI");
    const char* home = std::getenv("HOME");
    return join_path(join_path(home && *home ? home : ".", ".config"), "BAFO.INI");
}

std::string nacti_z_ini(const std::string& file, const std::string& section, const std::string& key)
{
    return ini_read(file, section, key);
}

void zapis_do_ini(const std::string& file, const std::string& section, const std::string& key,
                  const std::string& value)
{
    ini_write(file, section, key, value);
}

void nacti_nastaveni()
{
    const std::string f = ini_file();
    cesta_dat = nacti_z_ini(f, "BAFO_CS", "HD");
    cesta_hry = nacti_z_ini(f, "BAFO_CS", "HD");
    cesta_videi = nacti_z_ini(f, "BAFO_CS", "HD_SHORT");
}

bool nastav_rozliseni()
{
    g_saved_mode = platform().display_mode();
    if (jen_v_okne)
        return true;
    g_switched = platform().set_display_mode({800, 600, 16});
    return g_switched;
}

bool obnov_rozliseni()
{
    // Asked once: a refusal is reported by the caller, not asked again at the end.
    g_switched = false;
    return platform().restore_display_mode(g_saved_mode);
}

bool rozliseni_zmeneno()
{
    return g_switched;
}

void skryj_kurzor()
{
    platform().show_cursor(false);
}

void zobraz_kurzor()
{
    platform().show_cursor(true);
}

std::string texty::chyba_disku(int number)
{
    return "Ошибка (" + std::to_string(number) + "). Убедитесь, что диск с игрой установлен в приводе CD-ROM.";
}

}  // namespace bafo
