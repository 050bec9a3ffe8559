#include "shell/program.h"

#include "games/game_list.h"
#include "platform/files.h"
#include "platform/platform.h"
#include "platform/trace.h"
#include "services/globals.h"
#include "services/helpers.h"
#include "shell/frm_black.h"
#include "shell/settings.h"
#include "ui/app.h"

namespace bafo {

int run_program(const Options& o)
{
    auto& app = ui::App::get();
    app.reset();
    reset_globals();
    jen_v_okne = o.window;
    register_all_games();
    // The start screen loads before any window opens: a missing
    // installation is reported without touching the display.
    FrmBlack& black = app.form<FrmBlack>();
    if (app.quitting())
        return app.exit_code();
    if (!platform().open_window("Bafolino", false)) {
        app.quit(1);
        return 1;
    }
    app.show(black);
    int code = konec_programu(app.run());
    app.reset();
    return code;
}

int konec_programu(int code)
{
    // Every way out ends alike: the farewell, the window's close button, a signal.
    platform().sound_stop();
    platform().wave_stop();
    // Only once the settings are read: a second copy must leave the first one's sound alone.
    if (!cesta_hry.empty() && cesta_hry != "ERROR") {
        const std::string temp = game_path("\\ZVUK.WAV");
        if (soubor_existuje(temp))
            delete_file(temp);
    }
    if (rozliseni_zmeneno() && !obnov_rozliseni()) {
        zprava(texty::obnova, texty::obnova_titulek, MessageIcon::None);
        return 1;
    }
    return code;
}

}  // namespace bafo
